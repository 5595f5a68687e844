// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The foundation's sizes as the three documents tabulate them (the HTML report, the printed tables
// page and the scheme's table): one builder, each document with its own labels and number form.

#include <functional>
#include <string>
#include <vector>

#include "core/reports/ReportContext.h"

namespace fundis {

using NumberText = std::function<std::string(float)>;
// A grid of cell texts, [row][column]; "" is a blank cell.
using CellRows = std::vector<std::vector<std::string>>;

// Steps the documents show: nSteps held to the arrays.
int shownSteps(const StepsResult& steps);

// Ten rows of max(steps, 3) value cells: pedestal symbols and sizes (buc, luc, huc), column symbols
// and sizes (bc, lc), then per step its "c", "cb" and "h" with the step number over their sizes.
CellRows dimensionRows(const Design& design, const NumberText& number);

// Three rows of the bottom bars, side L then side B: area in cm², count, diameter in mm.
CellRows reinforcementRows(const ReinforcementResult& bars, const NumberText& area, const NumberText& whole);

}  // namespace fundis
