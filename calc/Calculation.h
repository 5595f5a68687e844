#pragma once

// "Начать расчет": the whole design pass from the record's inputs to its results and the report.

#include <functional>
#include <string>
#include <vector>

#include "model/ProjectData.h"

namespace fundis {

struct ReportLine {
    std::string text;      // UTF-8; may hold tabs; one appended line of the report pane
    bool failure = false;  // written in red bold
};

struct CalculationOptions {
    std::string programDir;  // folder of table4.dat, k1.dat, hstup.dat, sizepdkl.dat
    bool debug = false;      // the setting "Отладка"
    char decimalSeparator = '.';
    int concreteClassCount = 2;  // entries of the concrete-class list of the input dialog
    int concreteClassIndex = 0;  // its selected index (-1 = none)
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

// Runs the stages in order on `data` and returns the report lines. Never throws for bad input:
// a table that is missing, non-positive modules and the like end the run with a red line.
std::vector<ReportLine> runCalculation(TProjectData& data, const CalculationOptions& options,
                                       const ProgressCallbacks& progress = {});

}  // namespace fundis
