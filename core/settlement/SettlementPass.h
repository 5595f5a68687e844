#pragma once

// The settlement of a designed foundation, as the window, fundis-cli and the documents show it:
// the cells read, the method run on the design's b, l, d and pEnv, the report block.

#include <vector>

#include "core/model/ProjectRecord.h"
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

// `record` is the design's; b ≤ 0 (no calculation) fails with "Сначала выполните расчет фундамента.".
SettlementPass runSettlementPass(const ProjectRecord& record, const SettlementInputs& inputs,
                                 char decimalSeparator);

// A settlement that could not even be read (a malformed part of the .dan file): its report says why.
SettlementPass unreadSettlementPass(const Status& problem, char decimalSeparator);

}  // namespace fundis
