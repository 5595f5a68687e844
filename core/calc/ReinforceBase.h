// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/CalculationReport.h"
#include "core/calc/StageResults.h"
#include "core/model/ProjectRecord.h"

namespace fundis {

// Bars chosen for a required steel area: bars of length `length` spread over the width `across`
// on a 0.2 m grid (a bar at each edge, with a millimetre's tolerance so that 1.8 m, held as
// 1.7999999, still takes 10 bars), an even diameter in millimetres always above the computed one,
// at least 10 mm (12 mm for bars over 3 m).
struct BarChoice {
    int count = 0;
    float diameter = 0;  // m
    float area = 0;      // m2, provided
};
BarChoice chooseBars(double requiredArea, float across, float length);

// The grid of the bottom mesh, m: the bars are counted on it, and lie on it where it fits between
// the covers.
inline constexpr double kMeshGrid = 0.2;
inline constexpr long kMeshGridMillimetres = 200;

// The section lever arm of As = M / (0.9·h0·Rs).
constexpr double kLeverArm = 0.9;

// The bottom mesh in both directions from the largest moment over the step boundaries, the
// pedestal face and the column face of the foundation shaped by the earlier stages; appends the
// reinforcement block to the report.
ReinforcementResult ReinforceBase(const ProjectRecord& inputs, const DepthResult& depth,
                                  const BaseSizeResult& base, const PedestalResult& pedestal,
                                  const StepsResult& steps, CalculationReport& report);

}  // namespace fundis
