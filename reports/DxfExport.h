#pragma once

// The scheme of the foundation as a CAD drawing (DXF R2000): the section, the plan, the table of
// the main dimensions, the table of the bottom reinforcement and the title, in model space at true size in
// millimetres whatever the print scale; the origin is the left edge of the base at the floor level ±0.000.
// Texts, marks and dash lengths are sized for plotting at the settings' scale 1:schemeScale, so that the
// sheet looks like the printed scheme.

#include <string>
#include <vector>

#include "model/Status.h"
#include "reports/ReportContext.h"

namespace fundis {

// `notes`: lines shown in red above the title (the design failures, a remark that the results
// are out of date), top to bottom.
std::string schemeDxf(const ReportContext& context, const std::vector<std::string>& notes = {});

// The same, saved to `path` in one piece.
Status writeSchemeDxf(const std::string& path, const ReportContext& context,
                      const std::vector<std::string>& notes = {});

}  // namespace fundis
