#include "core/project/ProjectPass.h"

#include <algorithm>
#include <utility>

#include "core/input/InputProcessing.h"

namespace fundis {

ProjectPass runProjectPass(const ProjectForm& form, const SettlementInputs& settlement,
                           const PassOptions& options) {
    ProjectPass pass;
    pass.input = form;
    pass.settlementInput = settlement;
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
    CalculationOutput design = runDesign(pass.record, tables, calculation, options.progress);
    pass.calculation = std::move(design.result);
    pass.report = std::move(design.report);
    const auto anyFailure = [](const std::vector<ReportLine>& lines) {
        return std::any_of(lines.begin(), lines.end(), [](const ReportLine& line) { return line.failure; });
    };
    bool failed = anyFailure(pass.report);
    if (settlement.hasLayers()) {
        pass.settlement = runSettlementPass(pass.record, settlement, options.decimalSeparator);
        failed = failed || anyFailure(pass.settlement->report);
    }
    pass.outcome = failed ? PassOutcome::DesignFailures : PassOutcome::Complete;
    return pass;
}

}  // namespace fundis
