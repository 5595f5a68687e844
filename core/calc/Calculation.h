// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Начать расчет": the whole design pass from the record's inputs to its results and the report.

#include <functional>
#include <string>
#include <vector>

#include "core/calc/StageResults.h"
#include "core/calc/TableLookup.h"
#include "core/model/ProjectRecord.h"
#include "core/model/ReportLine.h"

namespace fundis {

struct CalculationOptions {
    bool debug = false;  // the setting "Отладка"
    char decimalSeparator = '.';
    int concreteClassIndex = 0;  // the selected concrete class (-1 = none)
};

struct ProgressCallbacks {
    std::function<void(int maximum)> start;  // position 0, shown, maximum = trunc(10 / d_l)
    std::function<void()> step;              // one base width tried
};

// The required-input check: both the friction-angle and the cohesion texts are empty, so the
// input dialog must be shown before the calculation runs.
inline bool inputDialogNeeded(const std::string& frictionText, const std::string& cohesionText) {
    return frictionText.empty() && cohesionText.empty();
}

// What a calculation gives: every stage's result and the report lines.
struct CalculationOutput {
    CalculationResult result;
    std::vector<ReportLine> report;
};

// Runs the stages in order on the inputs of `data`, which it only reads. Design failures and inputs
// the search cannot work with (non-positive modules) end in red lines.
CalculationOutput runDesign(const ProjectRecord& data, const CodeTables& tables,
                            const CalculationOptions& options, const ProgressCallbacks& progress = {});

}  // namespace fundis
