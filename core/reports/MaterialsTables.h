// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The bill of materials as a drawing sheet carries it, in the forms of ГОСТ 21.501: the
// specification (position, designation, name, count, mass of one, note; the bars as parts, the
// concrete as a material) and the steel schedule «Ведомость расхода стали, кг» by class and
// diameter with its totals, then the line on what the lists leave out. One routine for the scheme
// window, the printed page and the DXF drawing (on its TABLE layer).

#include "core/quantities/BillOfMaterials.h"
#include "core/reports/Canvas.h"

namespace fundis {

// The mark of the foundation in the lists.
inline constexpr char kFoundationMark[] = "Ф1";

// The specification's columns, in units (10 mm of paper each): 15, 60, 65, 10, 15 and 20 mm.
inline constexpr double kSpecificationWidth = 18.5;

// Both tables with their titles, their top-left corner at (x, y); `unit` is 10 mm of paper. Without
// a foundation the one line that says there is none. Returns the y under what was drawn.
double DrawMaterialsTables(Canvas& canvas, double x, double y, double unit, const BillOfMaterials& bill,
                           char decimalSeparator);

}  // namespace fundis
