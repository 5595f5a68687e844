#include "project/ProjectPass.h"

#include <algorithm>

#include "input/InputProcessing.h"

namespace fundis {

ProjectPass runProjectPass(const ProjectForm& form, const PassOptions& options) {
    ProjectPass pass;
    pass.input = form;
    pass.inputDialogNeeded = inputDialogNeeded(form.edit(13), form.edit(14));

    CodeTables tables;
    if (const Status loaded = loadCodeTables(options.tablesDir, tables); !loaded) {
        pass.reason = loaded.message();
        return pass;
    }
    ProjectForm confirmed = form;
    applyInputForm(confirmed, pass.record, tables);

    CalculationOptions calculation;
    calculation.debug = options.debug;
    calculation.decimalSeparator = options.decimalSeparator;
    calculation.concreteClassIndex = form.combo(9);
    pass.report = runCalculation(pass.record, tables, calculation, options.progress);
    const bool failed = std::any_of(pass.report.begin(), pass.report.end(),
                                    [](const ReportLine& line) { return line.failure; });
    pass.outcome = failed ? PassOutcome::DesignFailures : PassOutcome::Complete;
    return pass;
}

}  // namespace fundis
