// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/CalculationReport.h"
#include "core/calc/StageResults.h"
#include "core/model/ProjectRecord.h"

namespace fundis {

// Bars chosen for a required steel area over a side of length s: a 0.2 m grid, an even diameter
// in millimetres always above the computed one, at least 10 mm (12 mm for sides over 3 m).
struct BarChoice {
    int count = 0;
    float diameter = 0;  // m
    float area = 0;      // m2, provided
};
BarChoice chooseBars(double requiredArea, float s);

// The section lever arm of As = M / (0.9·h0·Rs).
constexpr double kLeverArm = 0.9;
// The factor on the 2nd limit state's mean pressure across b.
constexpr double kAcrossLoadFactor = 1.1;

// The bottom mesh in both directions from the largest moment over the step boundaries, the
// pedestal face and the column face of the foundation shaped by the earlier stages; appends the
// reinforcement block to the report.
ReinforcementResult ReinforceBase(const ProjectRecord& inputs, const DepthResult& depth,
                                  const BaseSizeResult& base, const PedestalResult& pedestal,
                                  const StepsResult& steps, CalculationReport& report);

}  // namespace fundis
