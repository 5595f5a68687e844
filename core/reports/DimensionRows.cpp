// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/DimensionRows.h"

#include <algorithm>

namespace fundis {

int shownSteps(const ProjectRecord& data) { return std::clamp(data.nSteps, 0, kStepEntries - 1); }

CellRows dimensionRows(const ProjectRecord& data, const NumberText& number) {
    const int steps = shownSteps(data);
    const std::size_t columns = static_cast<std::size_t>(std::max(steps, 3));
    CellRows rows(10, std::vector<std::string>(columns));
    rows[0] = {"buc", "luc", "huc"};
    // steps taller than the foundation leave the pedestal no height: no size, the red lines say why
    rows[1] = {number(data.buc), number(data.luc), data.huc >= 0.0f ? number(data.huc) : std::string("—")};
    rows[2] = {"bc", "lc"};
    rows[3] = {number(data.bc), number(data.lc)};
    for (int i = 1; i <= steps; ++i) {
        const std::string index = std::to_string(i);
        const auto column = static_cast<std::size_t>(i - 1);
        rows[4][column] = "c" + index;
        rows[5][column] = number(data.c[i]);
        rows[6][column] = "cb" + index;
        rows[7][column] = number(data.cb[i]);
        rows[8][column] = "h" + index;
        rows[9][column] = number(data.h[i]);
    }
    for (std::vector<std::string>& row : rows) {
        row.resize(columns);
    }
    return rows;
}

CellRows reinforcementRows(const ProjectRecord& data, const NumberText& area, const NumberText& whole) {
    // m² to cm² and m to mm, formed in single precision as the record holds them
    return {
        {area(data.Asl * 10000.0f), area(data.Asb * 10000.0f)},
        {whole(static_cast<float>(data.nl)), whole(static_cast<float>(data.nb))},
        {whole(data.dsl * 1000.0f), whole(data.dsb * 1000.0f)},
    };
}

}  // namespace fundis
