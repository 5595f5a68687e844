// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The page as the printed report sees it: A4 portrait, one centimetre being W div 21 across and
// H / 29.7 down, the text in Times New Roman 12 pt. Every printed page lays itself out on it.

#include <cmath>
#include <cstdlib>

#include "core/reports/Canvas.h"

namespace fundis {

constexpr double kReportFontSize = 12;

// Truncated toward zero; the nudge keeps 10 rows of 42.8 from landing on 427.99999.
inline int whole(double value) { return static_cast<int>(std::trunc(value + (value < 0 ? -1e-7 : 1e-7))); }

inline CanvasFont reportFont(double size = kReportFontSize, CanvasColor color = CanvasColor::Black,
                             bool bold = false) {
    CanvasFont font;
    font.face = "Times New Roman";
    font.sizePoints = size;
    font.color = color;
    font.bold = bold;
    return font;
}

struct PageGrid {
    int cm = 0;
    int top = 0;
    int lh = 0;  // the line height of the 12-point face
    double inset = 0;
    double row = 0;
    double left = 0, right = 0, bottom = 0;  // the margins of a page of text

    explicit PageGrid(Canvas& canvas) {
        cm = canvas.pageWidth() / 21;
        top = whole(canvas.pageHeight() / 29.7);
        canvas.setFont(reportFont());
        lh = std::abs(canvas.textHeight("#"));
        // 2.5 mm: the cell texts stand half a millimetre off the rules, a column is a millimetre wider
        inset = cm / 4.0;
        row = lh + 0.4 * inset;
        left = 2.0 * cm;
        right = canvas.pageWidth() - 1.5 * cm;
        bottom = canvas.pageHeight() - top;
    }
};

}  // namespace fundis
