#pragma once

#include "core/calc/CalculationReport.h"
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

// The bottom mesh in both directions from the largest moment over the step boundaries, the
// pedestal face and the column face; appends the reinforcement block to the report.
void ReinforceBase(ProjectRecord& data, CalculationReport& report);

}  // namespace fundis
