#pragma once

#include <functional>

#include "calc/CalculationReport.h"
#include "calc/SoilResistance.h"
#include "calc/TableLookup.h"
#include "model/ProjectData.h"

namespace fundis {

// Pressures of load combination j (1..3, 2nd limit state) under a base b x l.
struct BasePressures {
    float p = 0;
    float pmax = 0;
    float pmin = 0;
};
BasePressures pressuresOfCombination(const TProjectData& data, int j, float b, float l, double area);

// The search over every pair of plan modules up to 10 m: keeps the admissible pair with the
// smallest reserve (the soil used most fully). With `debug` each admissible candidate is written
// to the report. `step` is called once per width tried. d_l must be positive.
void SizeBase(TProjectData& data, const TableSet& tables, CalculationReport& report, bool debug,
              const std::function<void()>& step);

}  // namespace fundis
