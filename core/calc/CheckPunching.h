#pragma once

#include "core/calc/CalculationReport.h"
#include "core/model/ProjectRecord.h"

namespace fundis {

// The 1st-limit-state pressure envelope, then punching by the pedestal and punching by the column
// through the socket bottom, each when its geometry calls for it; a failure is reported in red.
void CheckPunching(ProjectRecord& data, CalculationReport& report, bool debug);

}  // namespace fundis
