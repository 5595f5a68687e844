// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The "settlement" object of fundis-cli --json.

#include <string>
#include <vector>

#include "core/model/ReportLine.h"
#include "core/settlement/Settlement.h"

namespace fundis {

// {"p", "sigma_zg0", "p0", "eta", "k", "Hc", "s", "su", "exceeds", "sublayers", "report"} in kPa,
// m and MPa, or {"error", "report"} when the settlement could not be computed.
std::string settlementJson(const SettlementResult& result, const std::vector<ReportLine>& report);

}  // namespace fundis
