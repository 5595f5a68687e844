// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/StageResults.h"
#include "core/calc/TableLookup.h"
#include "core/model/ProjectRecord.h"

namespace fundis {

// The design soil resistance by formula (7) for a base of width b laid at depth d, with Mγ, Mq, Mc
// for the friction angle from table4.dat (an angle of 0 is taken as 1e-6 so that the row search
// passes the first row) and kz for the width.
SoilResistanceResult soilResistance(const ProjectRecord& inputs, const CodeTables& tables, float b, float d);

// Fills in the rows of table4.dat the factors of `soil` were interpolated between.
void describeInterpolation(SoilResistanceResult& soil, const CodeTables& tables);

}  // namespace fundis
