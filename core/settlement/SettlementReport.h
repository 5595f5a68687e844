#pragma once

// The settlement block of the report: the pressures, the sublayer table, Hc, s against su.

#include <vector>

#include "core/model/ReportLine.h"
#include "core/settlement/Settlement.h"

namespace fundis {

std::vector<ReportLine> settlementReport(const SettlementResult& result, char decimalSeparator);

}  // namespace fundis
