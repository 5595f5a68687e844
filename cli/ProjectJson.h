#pragma once

// One project's result as one line of JSON.

#include <string>
#include <vector>

#include "calc/Calculation.h"
#include "model/ProjectData.h"

namespace fundis {

// {"file", "report": [{"text", "failure"}], "record": {every field by its name},
//  "input_dialog_needed"}. Floats are written so that they read back to the same float.
std::string projectJson(const std::string& file, const std::vector<ReportLine>& report,
                        const TProjectData& data, bool inputDialogNeeded);

// A JSON string literal; bytes that are not UTF-8 become U+FFFD.
std::string jsonString(const std::string& text);

}  // namespace fundis
