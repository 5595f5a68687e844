// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settlement block of the report: the pressures, the sublayer table, Hc, s against su.

#include <array>
#include <string>
#include <vector>

#include "core/model/ReportLine.h"
#include "core/settlement/Settlement.h"

namespace fundis {

// The sublayer table that the report, the HTML report and the printed page each lay out in their
// own way: its columns' symbols and units, and one row of values a sublayer.
inline constexpr int kSublayerColumns = 9;
struct SublayerTable {
    std::array<std::string, kSublayerColumns> symbols;
    std::array<std::string, kSublayerColumns> units;  // "" for ζ and α
    std::vector<std::array<double, kSublayerColumns>> rows;
};
SublayerTable sublayerTable(const SettlementResult& result, char decimalSeparator);
// A column's heading on one line: "σzp, кПа", "ζ".
std::string sublayerHeading(const SublayerTable& table, int column);

std::vector<ReportLine> settlementReport(const SettlementResult& result, char decimalSeparator);

}  // namespace fundis
