// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "core/model/Status.h"
#include "core/quantities/BillOfMaterials.h"
#include "core/reports/ReportContext.h"
#include "core/settlement/SettlementPass.h"

namespace fundis {

struct PassOptions {
    std::string tablesDir;  // the folder of the six code tables
    bool debug = false;     // the setting "Отладка"
    char decimalSeparator = '.';
    ProgressCallbacks progress;
    // What reading the project file's settlement part gave (readProjectFile). A part that could not
    // be read, with no layers given since, makes the settlement block the one red line that says why.
    Status settlementPartRead;
};

enum class PassOutcome {
    Complete,        // every check passed
    DesignFailures,  // the report holds red lines
    NotRun,          // nothing was calculated; `reason` says why
};

struct ProjectPass {
    PassOutcome outcome = PassOutcome::NotRun;
    // For NotRun: what is wrong. A form that breaks its fields' rules gives the line
    // "Расчет не выполнен: ..." naming them, which is also the report's one red line; a table that
    // cannot be read gives its file and an empty report.
    std::string reason;
    ProjectForm input;              // the form the pass was given
    ProjectRecord record;           // the inputs, as the dialog's OK derives them from the form
    CalculationResult calculation;  // what the calculation used and found: every document reads it
    BillOfMaterials quantities;     // the bars, the steel and the concrete of the designed foundation
    std::vector<ReportLine> report;
    bool inputDialogNeeded = false;  // φII and сII both empty: the window would open the dialog first
    // values far outside their usual ranges (implausibleValues), said but not refused
    std::vector<std::string> warnings;
    SettlementInputs settlementInput;          // the layers and limit the pass was given
    std::optional<SettlementPass> settlement;  // for a project with layers, once the design ran
};

// What the tables cannot serve: a concrete class Rb.dat has no record for, or one k1.dat has no
// columns for when the steps are laid out by k1.dat. Each is one refusal naming the field.
std::vector<FieldProblem> tableProblems(const ProjectForm& form, const CodeTables& tables);

// The fields' rules on `form` (nothing runs when one fails), the dialog's OK on a copy of it and the
// calculation, on a record that starts empty, as after the program's start; then the settlement
// when the project has layers.
ProjectPass runProjectPass(const ProjectForm& form, const SettlementInputs& settlement,
                           const PassOptions& options);
inline ProjectPass runProjectPass(const ProjectForm& form, const PassOptions& options) {
    return runProjectPass(form, SettlementInputs(), options);
}

// What the documents show of a pass that ran: its record, its red lines, its settlement and the
// crane-and-wind box. The context points into `pass`; the caller adds the file name, the scale, the
// separator and whether the inputs have changed since.
ReportContext documentContext(const ProjectPass& pass);

// What the documents take beside the pass: the project's file name and the settings.
struct DocumentSettings {
    std::string fileName;
    int schemeScale = 0;  // the setting "Масштаб 1:"; one not greater than 0 keeps the default 1:75
    char decimalSeparator = '.';
};
// The context every document of the window and of fundis-cli is drawn from; with no pass (nothing
// calculated yet) the documents say there is no calculation.
ReportContext documentContext(const ProjectPass* pass, const DocumentSettings& settings);

// The exit status of fundis-cli and fundis-gui-check: 0 every check passed, 1 the report holds red
// lines, 2 nothing was calculated (or a file could not be read or written).
inline constexpr int kExitComplete = 0;
inline constexpr int kExitFailures = 1;
inline constexpr int kExitNotRun = 2;
int exitStatus(PassOutcome outcome);

}  // namespace fundis
