// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/project/ProjectPass.h"

#include <algorithm>
#include <utility>

#include "core/input/InputProcessing.h"
#include "core/model/Plausibility.h"

namespace fundis {

std::vector<FieldProblem> tableProblems(const ProjectForm& form, const CodeTables& tables) {
    std::vector<FieldProblem> problems;
    const FormField& field = formField(ListField::concreteClass);
    const int concrete = form.choice(ListField::concreteClass);
    const std::vector<std::string>& classes = listItems(ListField::concreteClass);
    if (concrete < 0 || concrete >= static_cast<int>(classes.size())) {
        return problems;
    }
    const std::string shown = classes[static_cast<std::size_t>(concrete)];
    const auto known = [&classes](int count) {
        std::string names;
        for (int i = 0; i < count && i < static_cast<int>(classes.size()); ++i) {
            names += (i > 0 ? ", «" : "«") + classes[static_cast<std::size_t>(i)] + "»";
        }
        return names;
    };
    const int inRb = static_cast<int>(tables.rb.size());
    const int inK1 = k1Classes(tables.k1);
    if (concrete >= inRb) {
        problems.push_back({&field, FieldProblem::Kind::NotInTable, shown,
                            "нет в таблице " + tables.folder + "/Rb.dat (в ней " + known(inRb) +
                                "): выберите класс из них или дополните таблицу"});
    } else if (form.choice(ListField::stepMethod) == static_cast<int>(StepMethod::K1Table) &&
               concrete >= inK1) {
        problems.push_back({&field, FieldProblem::Kind::NotInTable, shown,
                            "нет в таблице k1.dat (в ней " + known(inK1) +
                                "): выберите класс из них или вылеты ступеней «по Пособию 1989» (поле «" +
                                formField(ListField::stepMethod).label + "»)"});
    }
    return problems;
}

ProjectPass runProjectPass(const ProjectForm& form, const SettlementInputs& settlement,
                           const PassOptions& options) {
    ProjectPass pass;
    pass.input = form;
    pass.settlementInput = settlement;
    pass.inputDialogNeeded = inputDialogNeeded(form.text(TextField::fii), form.text(TextField::cii));
    for (const Implausible& value : implausibleValues(form)) {
        pass.warnings.push_back(value.describe());
    }

    // no calculation on a required field that is empty or not greater than 0: it would read as 0
    if (const std::vector<FieldProblem> problems = fieldProblems(form); !problems.empty()) {
        pass.reason = refusalLine(problems);
        pass.report.push_back({pass.reason, true});
        return pass;
    }

    CodeTables tables;
    if (const Status loaded = loadCodeTables(options.tablesDir, tables); !loaded) {
        pass.reason = loaded.message();
        return pass;
    }
    if (const std::vector<FieldProblem> problems = tableProblems(form, tables); !problems.empty()) {
        pass.reason = refusalLine(problems);
        pass.report.push_back({pass.reason, true});
        return pass;
    }
    applyInputForm(form, pass.record, tables);

    CalculationOptions calculation;
    calculation.debug = options.debug;
    calculation.decimalSeparator = options.decimalSeparator;
    calculation.concreteClassIndex = form.choice(ListField::concreteClass);
    CalculationOutput design = runDesign(pass.record, tables, calculation, options.progress);
    pass.calculation = std::move(design.result);
    pass.report = std::move(design.report);
    const std::vector<std::string>& classes = listItems(ListField::concreteClass);
    const int concreteClass = form.choice(ListField::concreteClass);
    pass.quantities = billOfMaterials(pass.record, pass.calculation,
                                      concreteClass >= 0 && concreteClass < static_cast<int>(classes.size())
                                          ? classes[static_cast<std::size_t>(concreteClass)]
                                          : std::string());
    bool failed = anyFailure(pass.report);
    if (settlement.hasLayers()) {
        pass.settlement = runSettlementPass(pass.calculation, settlement, options.decimalSeparator);
        failed = failed || anyFailure(pass.settlement->report);
    } else if (!options.settlementPartRead) {
        // the layers were lost with the file's settlement part: the settlement block says why
        pass.settlement = unreadSettlementPass(options.settlementPartRead, options.decimalSeparator);
        failed = true;
    }
    pass.outcome = failed ? PassOutcome::DesignFailures : PassOutcome::Complete;
    return pass;
}

ReportContext documentContext(const ProjectPass& pass) {
    ReportContext context;
    context.inputs = &pass.record;
    context.result = &pass.calculation;
    context.quantities = &pass.quantities;
    context.craneAndWind = pass.input.craneAndWind;
    context.settlement = pass.settlement ? &*pass.settlement : nullptr;
    context.failures = failureLines(pass.report);
    return context;
}

ReportContext documentContext(const ProjectPass* pass, const DocumentSettings& settings) {
    ReportContext context = pass ? documentContext(*pass) : ReportContext();
    context.fileName = settings.fileName;
    if (settings.schemeScale > 0) {
        context.schemeScale = settings.schemeScale;
    }
    context.decimalSeparator = settings.decimalSeparator;
    return context;
}

int exitStatus(PassOutcome outcome) {
    switch (outcome) {
        case PassOutcome::Complete:
            return kExitComplete;
        case PassOutcome::DesignFailures:
            return kExitFailures;
        case PassOutcome::NotRun:
            break;
    }
    return kExitNotRun;
}

}  // namespace fundis
