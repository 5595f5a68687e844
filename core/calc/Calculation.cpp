// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/Calculation.h"

#include "core/calc/BasePressure.h"
#include "core/calc/CalculationReport.h"
#include "core/calc/CheckPunching.h"
#include "core/calc/FoundationDepth.h"
#include "core/calc/ReinforceBase.h"
#include "core/calc/ShapeSteps.h"
#include "core/calc/SizeBase.h"
#include "core/calc/SoilResistance.h"
#include "core/calc/TableLookup.h"

namespace fundis {

namespace {

constexpr float kSmallestPlanModule = 0.01f;

void writeDebugBlock(const ProjectRecord& data, const CodeTables& tables, const DepthResult& depth,
                     CalculationReport& report) {
    const SoilResistanceResult soil = soilResistance(data, tables, 0.0f, depth.d);
    report.add("************ОТЛАДОЧНЫЕ ДАННЫЕ************\n");
    report.add("kh  = " + report.number(depth.kh));
    report.add("d0  = " + report.number(depth.d0));
    report.add("dfn = " + report.number(depth.dfn));
    report.add("Mt  = " + report.number(depth.Mt));
    report.add("df   = " + report.number(depth.df));
    report.add("d    = " + report.number(depth.d));
    report.add("A = —");  // the search has not run yet
    report.add("fii = " + report.number(soil.fii));
    report.add("сii = " + report.number(data.cii));
    report.add("My = " + report.number(soil.My));
    report.add("Mq = " + report.number(soil.Mq));
    report.add("Mc = " + report.number(soil.Mc));
    report.add("Yc1 = " + report.number(data.Yc1));
    report.add("Yc2 = " + report.number(data.Yc2));
    report.add("k = " + report.number(data.k));
    report.add("kz = " + report.number(soil.kz));
    report.add("Yii = " + report.number(data.Yii));
    report.add("Yii1 = " + report.number(data.Yii1) + "\n");
}

void writePressures(const PressureCheck& check, CalculationReport& report) {
    report.add("    Среднее давление по подошве\t\tp = " + report.number(check.p) + "кПа");
    report.add("    Максимальное давление по подошве\tpmax = " + report.number(check.pmax) + "кПа");
    report.add("    Минимальное давление по подошве\tpmin = " + report.number(check.pmin) + "кПа");
}

// One line a given value that changes the calculation, before the results; nothing for a project
// that gives none, as the program's projects of before.
void writeGivenValues(const ProjectRecord& data, const SoilResistanceResult& soil,
                      CalculationReport& report) {
    std::vector<std::string> lines;
    if (data.stepMethod == StepMethod::Manual1989) {
        lines.emplace_back("Вылеты ступеней\t\t\t\tпо Пособию 1989");
    }
    if (data.Yc1Given) {
        lines.push_back("Коэффициент условий работы\t\tYc1 = " + report.number(data.Yc1));
    }
    if (data.Yc2Given) {
        lines.push_back("Коэффициент условий работы\t\tYc2 = " + report.number(data.Yc2));
    }
    if (data.kGiven) {
        lines.push_back("Коэффициент надежности\t\t\tk = " + report.number(data.k));
    }
    if (data.Yb2Given) {
        lines.push_back("Коэффициент условий работы бетона\tYb2 = " + report.number(data.Yb2));
    }
    if (soil.basement) {
        std::string line =
            "Подвал\t\t\t\t\tdb = " + report.number(soil.db) + "м, d1 = " + report.number(soil.d1) + "м";
        if (soil.dbLimited) {
            line += " (db = " + report.number(soil.dbGiven) + "м принята 2 м)";
        }
        lines.push_back(line);
    }
    if (data.bGiven > 0.0f && data.lGiven > 0.0f) {
        lines.push_back("Размеры подошвы заданы\t\t\tb= " + report.number(data.bGiven) +
                        "м, l= " + report.number(data.lGiven) + "м");
    }
    if (data.Ymt != 20.0f) {
        lines.push_back("Средний вес фундамента с грунтом\tYmt = " + report.number(data.Ymt) + "кН/м3");
    }
    if (!data.stepsGiven.empty()) {
        std::string heights;
        for (const float height : data.stepsGiven) {
            heights += (heights.empty() ? "" : " ") + report.number(height);
        }
        lines.push_back("Высоты ступеней заданы\t\t\t" + heights + "м");
    }
    if (lines.empty()) {
        return;
    }
    report.add("ЗАДАНО В ИСХОДНЫХ ДАННЫХ:");
    for (const std::string& line : lines) {
        report.add(line);
    }
    report.add("");
}

// The checks a given base or a basement may fail, after the results they concern.
void writeBaseFailures(const CalculationResult& result, CalculationReport& report) {
    const BaseSizeResult& base = result.base;
    if (base.given && !base.givenPasses) {
        report.addFailure("");
        report.addFailure("Заданная подошва не проходит проверку давлений:");
        for (int j = 1; j <= 3; ++j) {
            const PressureCheck& check = result.pressuresII[static_cast<std::size_t>(j)];
            const std::string combination = "Сочетание " + std::to_string(j) + ": ";
            if (!check.pOk) {
                report.addFailure(combination + "p = " + report.number(check.p) +
                                  "кПа > R = " + report.number(base.R) + "кПа.");
            }
            if (!check.pmaxOk) {
                report.addFailure(combination + "pmax = " + report.number(check.pmax) +
                                  "кПа > 1,2R = " + report.number(1.2 * base.R) + "кПа.");
            }
            if (!check.pminOk) {
                report.addFailure(combination + "pmin = " + report.number(check.pmin) + "кПа < 0.");
            }
        }
        report.addFailure(
            "Необходимо увеличить размеры подошвы (поля «Ширина подошвы b» и «Длина подошвы l»).");
    }
    const SoilResistanceResult& soil = base.soil;
    if (soil.basement && !(soil.d1 > 0.0f)) {
        report.addFailure("");
        report.addFailure("Подошва фундамента не ниже пола подвала: d1 = hs + hcf·Ycf/Yii1 = " +
                          report.number(soil.d1) + "м.");
        report.addFailure("Необходимо увеличить глубину заложения d или задать hs.");
    }
}

void writeResultsBlock(const ProjectRecord& data, const CalculationResult& result,
                       CalculationReport& report) {
    const BaseSizeResult& base = result.base;
    report.add("\n************РАСЧЕТНЫЕ ДАННЫЕ************\n");
    writeGivenValues(data, base.soil, report);
    report.add("ГЛУБИНА ПРОМЕРЗАНИЯ ГРУНТА\t\tdf = " + report.number(result.depth.df) + "м");
    report.add("ГЛУБИНА ЗАЛОЖЕНИЯ ФУНДАМЕНТА\td = " + report.number(result.depth.d) + "м");
    report.add("\nРАЗМЕРЫ ПОДОШВЫ ФУНДАМЕНТА:");
    report.add("Ширина подошвы\t\t\t\tb= " + report.number(base.b) + "м");
    report.add("Длина подошвы\t\t\t\tl= " + report.number(base.l) + "м");
    report.add("Площадь подошвы\t\t\t\tA= " + report.number(base.A) + "м2");
    report.add("К-т запаса по несущей способности\t\t" + report.number(base.kzap));
    report.add("\nПРОВЕРКА ДАВЛЕНИЙ ПО ПОДОШВЕ ФУНДАМЕНТА:");
    report.add("1. Максимальный момент");
    writePressures(result.pressuresII[1], report);
    report.add("\n2. Максимальная сжимающия сила");
    writePressures(result.pressuresII[2], report);
    report.add("\n3. Максимальная поперечная сила");
    writePressures(result.pressuresII[3], report);
    report.add("    \nРасчетное сопротивление грунта\t\tR = " + report.number(base.R) + "кПа");
    writeBaseFailures(result, report);
}

ClosingResult closingChecks(const ProjectRecord& inputs, const CalculationResult& result,
                            CalculationReport& report) {
    ClosingResult closing;
    closing.noStepSet = !result.steps.fitted;
    if (closing.noStepSet) {
        report.addFailure("");
        report.addFailure(result.steps.givenSteps
                              ? "Невозможно подобрать вылеты заданных ступеней фундамента."
                              : "Невозможно подобрать ступени фундамента.");
        // the fit depends on the base, the pedestal, the cover, the bars and k1 (or the concrete), not
        // on the depth
        if (result.steps.method == StepMethod::Manual1989 || result.steps.givenSteps) {
            report.addFailure(kTallerStepsRemedy);
        } else {
            report.addFailure(
                "Необходимо увеличить размеры подколонника или класс бетона или уменьшить защитный слой "
                "арматуры.");
        }
    }
    closing.stepsTooTall = result.steps.hSteps > result.depth.Hf;
    if (closing.stepsTooTall) {
        closing.requiredHf = result.steps.hSteps;
        closing.requiredD = depthFromHeight(closing.requiredHf, inputs);
        report.addFailure("");
        report.addFailure("Общая высота ступеней больше высоты фундамента.");
        report.addFailure("Необходимая глубина заложения фундамента d=" + report.number(closing.requiredD) +
                          "м.");
    }
    return closing;
}

void runStages(const ProjectRecord& data, const CalculationOptions& options, const CodeTables& tables,
               CalculationReport& report, const ProgressCallbacks& progress, CalculationResult& result) {
    // the search and the height rounding would never end on a module that is not positive, and
    // a plan module below 1 cm would take hours (or, once the sum stops growing, forever)
    if (!(data.d_l > 0.0f)) {
        result.stop = CalculationStop::PlanModule;
        report.addFailure("Модуль длины и ширины подошвы d_l должен быть положительным числом.");
        return;
    }
    if (data.d_l < kSmallestPlanModule) {
        result.stop = CalculationStop::PlanModuleTooFine;
        report.addFailure("Модуль длины и ширины подошвы d_l должен быть не меньше " +
                          report.number(kSmallestPlanModule) + "м.");
        return;
    }
    if (!(data.d_h > 0.0f)) {
        result.stop = CalculationStop::HeightModule;
        report.addFailure("Модуль высоты фундамента d_h должен быть положительным числом.");
        return;
    }
    result.ran = true;
    result.depth = computeFoundationDepth(data);
    if (options.debug) {
        writeDebugBlock(data, tables, result.depth, report);
    }
    result.base = SizeBase(data, tables, result.depth, report, options.debug, progress.step);
    describeInterpolation(result.base.soil, tables);
    if (!result.base.found) {
        result.stop = CalculationStop::NoBase;
        // a report of pressures under no base would be numbers of no calculation
        report.addFailure("");
        const std::string side = std::to_string(static_cast<int>(kLargestBaseSide));
        report.addFailure("Размеры подошвы не подобраны: ни одна подошва до " + side + "x" + side +
                          " м не проходит проверку давлений.");
        report.addFailure("Необходимо изменить нагрузки, данные грунта или глубину заложения фундамента.");
        return;
    }
    const BaseSizeResult& base = result.base;
    result.pressuresII = checkPressuresII(
        data, Footing{base.b, base.l, base.A, result.depth.d, result.depth.Hf, data.Ymt}, base.R);
    writeResultsBlock(data, result, report);

    result.pedestal = lookUpPedestal(data, tables);
    if (!result.pedestal.found) {
        result.stop = CalculationStop::NoPedestal;
        // punching on a zero pedestal would be meaningless: say what is missing and stop
        report.addFailure("");
        report.addFailure("Не найдены размеры подколонника для колонны " + report.number(data.lc) + "x" +
                          report.number(data.bc) + "м.");
        report.addFailure("Необходимо задать размеры подколонника.");
        return;
    }
    result.stepsRan = true;
    result.steps = ShapeSteps(data, tables, result.depth, base, result.pedestal, k1Classes(tables.k1),
                              options.concreteClassIndex);
    result.reinforcement = ReinforceBase(data, result.depth, base, result.pedestal, result.steps, report);
    result.punching =
        CheckPunching(data, result.depth, base, result.pedestal, result.steps, report, options.debug);
    result.closing = closingChecks(data, result, report);
}

}  // namespace

CalculationOutput runDesign(const ProjectRecord& data, const CodeTables& tables,
                            const CalculationOptions& options, const ProgressCallbacks& progress) {
    if (progress.start) {
        const int maximum = data.d_l > 0.0f && kLargestBaseSide / data.d_l < 2e9f
                                ? static_cast<int>(kLargestBaseSide / data.d_l)
                                : 0;
        progress.start(maximum);
    }
    CalculationOutput output;
    CalculationReport report(options.decimalSeparator);
    runStages(data, options, tables, report, progress, output.result);
    output.report = report.takeLines();
    return output;
}

}  // namespace fundis
