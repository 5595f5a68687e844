// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scheme of the foundation as a CAD drawing (DXF R2000): the section, the plan, the table of
// the main dimensions, the table of the bottom reinforcement and the title, in model space at true size in
// millimetres whatever the print scale; the origin is the left edge of the base at the floor level ±0.000.
// Texts, marks and dash lengths are sized for plotting at the settings' scale 1:schemeScale, so that the
// sheet looks like the printed scheme.

#include <string>
#include <vector>

#include "core/model/Status.h"
#include "core/reports/ReportContext.h"

namespace fundis {

// Above the title, in red: the out-of-date line when the inputs changed after the calculation, and
// the calculation's red lines; without a designed foundation the drawing gives way to a statement.
std::string schemeDxf(const ReportContext& context);

// The same, saved to `path` in one piece.
Status writeSchemeDxf(const std::string& path, const ReportContext& context);

}  // namespace fundis
