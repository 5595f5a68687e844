// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation's verdict as the drawn documents show it: the out-of-date line at the top of a
// page, the red lines of the report before the results they concern; red bold, wrapped to the room
// they are given.

#include <string>
#include <vector>

#include "core/reports/Canvas.h"
#include "core/reports/PageGrid.h"
#include "core/reports/ReportContext.h"

namespace fundis {

// `text` cut at its spaces into lines no wider than `width` in the canvas's current font; a word
// wider than the room keeps a line of its own.
std::vector<std::string> wrapText(const Canvas& canvas, const std::string& text, double width);

struct RedLines {
    double x = 0;
    double width = 0;               // the room across; longer lines wrap
    double size = kReportFontSize;  // points
    double pitch = 1.5;             // a line's advance in text heights; a blank report line is half one
    bool draw = true;               // false: only measured
};

// The report's red lines from `y` down; leading and trailing blank lines are left out. The font is
// black and regular of the same size afterwards. Returns the y under the last line.
double drawRedLines(Canvas& canvas, double y, const std::vector<std::string>& lines, const RedLines& how);

// On a printed page: the out-of-date line at the grid's top when the context is out of date, and
// the grid's top moved down under it.
void drawOutOfDateLine(Canvas& canvas, PageGrid& grid, const ReportContext& context);

}  // namespace fundis
