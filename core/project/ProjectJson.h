#pragma once

// One project's result as one line of JSON.

#include <string>
#include <vector>

#include "core/model/ProjectRecord.h"
#include "core/model/ReportLine.h"

namespace fundis {

struct SettlementPass;

// {"file", "report": [{"text", "failure"}], "record": {every field by its name},
//  "input_dialog_needed", "settlement": {...} or null}. Floats are written so that they read back to
// the same float.
std::string projectJson(const std::string& file, const std::vector<ReportLine>& report,
                        const ProjectRecord& data, bool inputDialogNeeded, const SettlementPass* settlement);

}  // namespace fundis
