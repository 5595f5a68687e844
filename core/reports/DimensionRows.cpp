// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/DimensionRows.h"

#include <algorithm>

namespace fundis {

int shownSteps(const StepsResult& steps) { return std::clamp(steps.nSteps, 0, kStepEntries - 1); }

CellRows dimensionRows(const Design& design, const NumberText& number) {
    const ProjectRecord& in = design.inputs;
    const StepsResult& s = design.result.steps;
    const PedestalResult& pedestal = design.result.pedestal;
    const int steps = shownSteps(s);
    const std::size_t columns = static_cast<std::size_t>(std::max(steps, 3));
    CellRows rows(10, std::vector<std::string>(columns));
    rows[0] = {"buc", "luc", "huc"};
    // steps taller than the foundation leave the pedestal no height: no size, the red lines say why
    rows[1] = {number(pedestal.buc), number(pedestal.luc), s.huc >= 0.0f ? number(s.huc) : std::string("—")};
    rows[2] = {"bc", "lc"};
    rows[3] = {number(in.bc), number(in.lc)};
    for (int i = 1; i <= steps; ++i) {
        const std::string index = std::to_string(i);
        const auto column = static_cast<std::size_t>(i - 1);
        rows[4][column] = "c" + index;
        rows[5][column] = number(s.c[i]);
        rows[6][column] = "cb" + index;
        rows[7][column] = number(s.cb[i]);
        rows[8][column] = "h" + index;
        rows[9][column] = number(s.h[i]);
    }
    for (std::vector<std::string>& row : rows) {
        row.resize(columns);
    }
    return rows;
}

CellRows reinforcementRows(const ReinforcementResult& bars, const NumberText& area, const NumberText& whole) {
    // m² to cm² and m to mm, formed in single precision as the result holds them
    const ReinforcementSide& l = bars.alongL;
    const ReinforcementSide& b = bars.alongB;
    return {
        {area(l.area * 10000.0f), area(b.area * 10000.0f)},
        {whole(static_cast<float>(l.count)), whole(static_cast<float>(b.count))},
        {whole(l.diameter * 1000.0f), whole(b.diameter * 1000.0f)},
    };
}

}  // namespace fundis
