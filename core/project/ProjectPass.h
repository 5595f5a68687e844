#pragma once

// One project pass: the persistent form in, the record, the report and the outcome out. The main
// window's "Начать расчет", fundis-cli and the tests all go through it, so the numbers always
// belong to the form they were computed from.

#include <optional>
#include <string>
#include <vector>

#include "core/calc/Calculation.h"
#include "core/model/ProjectForm.h"
#include "core/model/ProjectRecord.h"
#include "core/model/ReportLine.h"
#include "core/settlement/SettlementPass.h"

namespace fundis {

struct PassOptions {
    std::string tablesDir;  // the folder of the six code tables
    bool debug = false;     // the setting "Отладка"
    char decimalSeparator = '.';
    ProgressCallbacks progress;
};

enum class PassOutcome {
    Complete,        // every check passed
    DesignFailures,  // the report holds red lines
    NotRun,          // nothing was calculated; `reason` says why
};

struct ProjectPass {
    PassOutcome outcome = PassOutcome::NotRun;
    std::string reason;             // for NotRun: names the file and what is wrong with it
    ProjectForm input;              // the form the pass was given
    ProjectRecord record;           // a fresh record after OK and the calculation
    CalculationResult calculation;  // what each stage computed (the note reads it)
    std::vector<ReportLine> report;
    bool inputDialogNeeded = false;    // φII and сII both empty: the window would open the dialog first
    SettlementInputs settlementInput;  // the layers and limit the pass was given
    std::optional<SettlementPass> settlement;  // for a project with layers, once the design ran
};

// The dialog's OK on a copy of `form` and the calculation, on a record that starts empty, as after
// the program's start; then the settlement when the project has layers.
ProjectPass runProjectPass(const ProjectForm& form, const SettlementInputs& settlement,
                           const PassOptions& options);
inline ProjectPass runProjectPass(const ProjectForm& form, const PassOptions& options) {
    return runProjectPass(form, SettlementInputs(), options);
}

}  // namespace fundis
