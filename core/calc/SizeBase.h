#pragma once

#include <functional>

#include "core/calc/CalculationReport.h"
#include "core/calc/TableLookup.h"
#include "core/model/ProjectRecord.h"

namespace fundis {

// The search over every pair of plan modules up to 10 m: keeps the admissible pair with the
// smallest reserve (the soil used most fully). With `debug` each admissible candidate is written
// to the report. `step` is called once per width tried. d_l must be positive.
// False when no pair is admissible: the base size, reserve, R and pressures are then 0.
bool SizeBase(ProjectRecord& data, const CodeTables& tables, CalculationReport& report, bool debug,
              const std::function<void()>& step);

}  // namespace fundis
