// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The dimensioned scheme of the foundation: the section along l, the plan "I - I" below it, the
// table of the main dimensions and the title, drawn to the scale 1:schemeScale.

#include <string>

#include "core/reports/Canvas.h"
#include "core/reports/ReportContext.h"

namespace fundis {

// Where a dimension line stands from the edge it measures: a horizontal one above or below it, a
// vertical one left or right of it.
enum class DimensionSide { Above, Below, Left, Right };
inline bool isHorizontal(DimensionSide side) {
    return side == DimensionSide::Above || side == DimensionSide::Below;
}

// A dimension line. Horizontal: p1 and p2 are the two x values and p3 the y of the measured edge;
// vertical: p1 is the x of the edge and p2, p3 the two y values. Draws in red with a 1-pixel pen and
// restores the pen, its position and the font colour.
void DrawDimension(double p1, double p2, double p3, DimensionSide side, const std::string& text,
                   Canvas& canvas);

// Where the scheme puts the left edge of the base at the floor level ±0.000 for a unit.
CanvasPoint SchemeOrigin(double unit);

// The scheme window's unit, in screen pixels; the SVG and DXF drawings keep its proportions.
inline constexpr double kScreenSchemeUnit = 33;

// The whole scheme; `unit` is kScreenSchemeUnit on the screen, 10 mm of paper on a printed page.
// A scale of 0 or less draws a message saying so instead.
void DrawFoundationScheme(Canvas& canvas, double unit, const Design& design, int schemeScale,
                          char decimalSeparator);

// The scheme as a document, on the screen, the printed page and the SVG: the out-of-date line and
// the title at the top, `scaleLine` under the title when it is not empty, the calculation's red
// lines, then the drawing of the context's record at 1:schemeScale, lower by what stands above it.
// Without a designed foundation it says so, with the red lines, and draws nothing. `withTables`
// adds the reinforcement table and the bill of materials under the table of dimensions (the
// scheme window; the printed report has a page of its own for them).
void DrawSchemeDocument(Canvas& canvas, double unit, const ReportContext& context, int schemeScale,
                        const std::string& scaleLine = {}, bool withTables = false);

// What the scheme says instead of a drawing when there is no foundation to draw.
inline constexpr char kNotDesignedScheme[] = "Фундамент не запроектирован: схемы нет.";

// The bottom reinforcement of both sides (area, bars, diameter) as a table under the scheme's table of
// dimensions, for a drawing with room for it; nothing when the scale is 0 or less.
void DrawSchemeReinforcementTable(Canvas& canvas, double unit, const Design& design, int schemeScale,
                                  char decimalSeparator);

// The specification and the steel schedule (DrawMaterialsTables) under the reinforcement table.
void DrawSchemeMaterials(Canvas& canvas, double unit, const Design& design, const BillOfMaterials& bill,
                         int schemeScale, char decimalSeparator);

}  // namespace fundis
