// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/StageResults.h"
#include "core/calc/TableLookup.h"
#include "core/model/ProjectRecord.h"

namespace fundis {

// The pedestal section: as entered, or from sizepdkl.dat by the column section when either side
// was not entered (`found` is false when the table has no row for the column).
PedestalResult lookUpPedestal(const ProjectRecord& inputs, const CodeTables& tables);

// The step set from hstup.dat (the first whose bottom step, at the largest overhang ratio k1 of
// k1.dat, reaches from the base edge to the pedestal) and the step overhangs on a half-module
// grid, for the base the search chose (b × l, area A) at the depth found. Needs a pedestal
// (buc > 0). `fitted` is false (and h[0] = -1) when no set fits.
StepsResult ShapeSteps(const ProjectRecord& inputs, const CodeTables& tables, const DepthResult& depth,
                       const BaseSizeResult& base, const PedestalResult& pedestal, int concreteClassCount,
                       int concreteClassIndex);

}  // namespace fundis
