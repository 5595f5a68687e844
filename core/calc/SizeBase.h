// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "core/calc/BasePressure.h"
#include "core/calc/CalculationReport.h"
#include "core/calc/StageResults.h"
#include "core/calc/TableLookup.h"
#include "core/model/ProjectRecord.h"

namespace fundis {

// The search's bounds: sides up to 10 m, at most 1 : 0.55 (b/l from 0.55 to 1).
inline constexpr float kLargestBaseSide = 10.0f;
inline constexpr double kSmallestSideRatio = 0.55;
// The largest edge pressure under a base, pmax ≤ 1.2·R (СНиП 2.02.01-83, п. 2.41).
inline constexpr double kEdgePressureFactor = 1.2;

// The search over every pair of plan modules up to kLargestBaseSide at the depth found: keeps the admissible
// pair with the smallest reserve (the soil used most fully). With `debug` each admissible
// candidate is written to the report. `step` is called once per width tried. d_l must be positive.
// `found` is false when no pair is admissible; the base size, reserve, R and pressures are then 0.
BaseSizeResult SizeBase(const ProjectRecord& inputs, const CodeTables& tables, const DepthResult& depth,
                        CalculationReport& report, bool debug, const std::function<void()>& step);

// The three combinations of the 2nd limit state under a base, each checked against R.
PressureChecks checkPressuresII(const ProjectRecord& inputs, const Footing& footing, float R);

}  // namespace fundis
