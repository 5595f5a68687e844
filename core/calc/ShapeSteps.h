#pragma once

#include "core/calc/TableLookup.h"
#include "core/model/ProjectRecord.h"

namespace fundis {

// Pedestal section by the column section, from sizepdkl.dat, when either side was not entered.
void lookUpPedestal(ProjectRecord& data, const CodeTables& tables);

// The step set from hstup.dat (the first whose bottom step, at the largest overhang ratio k1 of
// k1.dat, reaches from the base edge to the pedestal) and the step overhangs on a half-module
// grid. Needs a pedestal (buc > 0). h[0] = -1 marks that no set fits.
void ShapeSteps(ProjectRecord& data, const CodeTables& tables, int concreteClassCount,
                int concreteClassIndex);

}  // namespace fundis
