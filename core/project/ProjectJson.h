// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One project's result as one line of JSON.

#include <string>
#include <vector>

#include "core/model/ProjectRecord.h"
#include "core/model/ReportLine.h"
#include "core/project/ProjectPass.h"
#include "core/quantities/BillOfMaterials.h"

namespace fundis {

struct SettlementPass;

// "complete", "design failures", "not run"
const char* outcomeName(PassOutcome outcome);

// {"file", "outcome", "report": [{"text", "failure"}], "record": {the inputs and the results by their
//  names}, "input_dialog_needed", "settlement": {...} or null, "quantities": {...} or null}. Floats are
// written so that they read back to the same float.
std::string projectJson(const std::string& file, PassOutcome outcome, const std::vector<ReportLine>& report,
                        const ProjectRecord& inputs, const CalculationResult& result, bool inputDialogNeeded,
                        const SettlementPass* settlement, const BillOfMaterials* quantities = nullptr);
// The same for a pass.
inline std::string projectJson(const std::string& file, const ProjectPass& pass) {
    return projectJson(file, pass.outcome, pass.report, pass.record, pass.calculation, pass.inputDialogNeeded,
                       pass.settlement ? &*pass.settlement : nullptr, &pass.quantities);
}

// The bill of materials: {"bars": [one object a position], "mesh": {the total}, "steel": [a class and
// diameter each], "steel_total_kg", "concrete": {...}, "not_designed"}; null without a foundation.
// Masses in kg and volumes in m³ exactly as the documents print them.
std::string quantitiesJson(const BillOfMaterials& bill);

}  // namespace fundis
