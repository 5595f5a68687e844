#pragma once

#include "core/calc/TableLookup.h"
#include "core/model/ProjectRecord.h"

namespace fundis {

// My, Mq, Mc for the friction angle from table4.dat; an angle of 0 becomes 1e-6 in the record so
// the row search passes the first row.
void lookUpBearingFactors(ProjectRecord& data, const CodeTables& tables);

// Design soil resistance for a base of width b; also writes kz, My, Mq, Mc.
float SoilResistance(ProjectRecord& data, const CodeTables& tables, float b);

}  // namespace fundis
