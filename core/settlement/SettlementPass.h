// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settlement of a designed foundation, as the window, fundis-cli and the documents show it:
// the cells read, the method run on the design's b, l, d and pEnv, the report block.

#include <vector>

#include "core/calc/StageResults.h"
#include "core/model/ReportLine.h"
#include "core/settlement/Settlement.h"
#include "core/settlement/SettlementInput.h"

namespace fundis {

struct SettlementPass {
    double d = 0;             // the design's laying depth the settlement was computed for, m
    SettlementInputs inputs;  // as typed
    SettlementData data;      // as read; empty when a cell could not be
    SettlementResult result;  // result.status fails for bad cells or no boundary
    std::vector<ReportLine> report;
};

// Why a settlement cannot be computed: no calculation of the foundation yet; a calculation that
// found no admissible base.
inline constexpr char kNoDesignYet[] = "Сначала выполните расчет фундамента.";
inline constexpr char kFoundationNotDesigned[] =
    "Фундамент не запроектирован: размеры подошвы не подобраны, осадку рассчитать нельзя.";

// On the base of the last calculation's design (its b, l, d and mean pressure pEnv); a design
// without a base fails with kFoundationNotDesigned.
SettlementPass runSettlementPass(const CalculationResult& design, const SettlementInputs& inputs,
                                 char decimalSeparator);

// A settlement that cannot be computed for a reason found before it (a malformed part of the .dan
// file, no calculation of the foundation yet): its report says why.
SettlementPass unreadSettlementPass(const Status& problem, char decimalSeparator);

}  // namespace fundis
