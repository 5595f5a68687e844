// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/StageResults.h"
#include "core/calc/TableLookup.h"
#include "core/model/ProjectRecord.h"

namespace fundis {

// The pedestal section: as entered, or from sizepdkl.dat by the column section when either side
// was not entered (`found` is false when the table has no row for the column).
PedestalResult lookUpPedestal(const ProjectRecord& inputs, const CodeTables& tables);

// The step set and the step overhangs on a half-module grid, for the base the search chose (b × l,
// area A) at the depth found; the sets are hstup.dat's in order, or the one the user gave. By k1.dat:
// the first set whose bottom step, at the largest overhang ratio k1, reaches from the base edge to
// the pedestal. By the 1989 manual: the first set whose plate passes the punching by the pedestal
// under the column's loads alone; each level below the top overhangs as far as the punching of the
// step above it through it allows, the top step reaches the pedestal. Needs a pedestal (buc > 0).
// `fitted` is false (and h[0] = -1) when no set fits.
StepsResult ShapeSteps(const ProjectRecord& inputs, const CodeTables& tables, const DepthResult& depth,
                       const BaseSizeResult& base, const PedestalResult& pedestal, int concreteClassCount,
                       int concreteClassIndex);

// The step check of the 1989 manual for a step of height h (with the steps below it) whose upper
// face stands c from the base edge across a base side `across`, under the edge pressure pmax (kPa).
StepPunching stepPunching(double h, double c, double across, double pmax, const ProjectRecord& inputs);

// The plate of height hSteps punched by the pedestal under the edge pressure pmax (kPa), as the
// 1989 manual checks it.
PlatePunching platePunching(double hSteps, double b, double l, const PedestalResult& pedestal, double pmax,
                            const ProjectRecord& inputs);

}  // namespace fundis
