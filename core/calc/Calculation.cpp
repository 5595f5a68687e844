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
#include "core/model/ProjectForm.h"

namespace fundis {

namespace {

constexpr float kSmallestPlanModule = 0.01f;

void writeDebugBlock(ProjectRecord& data, const CodeTables& tables, CalculationReport& report) {
    lookUpBearingFactors(data, tables);
    report.add("************ОТЛАДОЧНЫЕ ДАННЫЕ************\n");
    report.add("kh  = " + report.number(data.kh));
    report.add("d0  = " + report.number(data.d0));
    report.add("dfn = " + report.number(data.dfn));
    report.add("Mt  = " + report.number(data.Mt));
    report.add("df   = " + report.number(data.df));
    report.add("d    = " + report.number(data.d));
    report.add("A = " + report.number(data.A));
    report.add("fii = " + report.number(data.fii));
    report.add("сii = " + report.number(data.cii));
    report.add("My = " + report.number(data.My));
    report.add("Mq = " + report.number(data.Mq));
    report.add("Mc = " + report.number(data.Mc));
    report.add("Yc1 = " + report.number(data.Yc1));
    report.add("Yc2 = " + report.number(data.Yc2));
    report.add("k = " + report.number(data.k));
    report.add("kz = " + report.number(data.kz));
    report.add("Yii = " + report.number(data.Yii));
    report.add("Yii1 = " + report.number(data.Yii1) + "\n");
}

void writePressures(ProjectRecord& data, CalculationReport& report, int j) {
    const BasePressures pressures = pressuresII(data, j, data.b, data.l, data.A);
    data.p = static_cast<float>(pressures.p);
    data.pmax = static_cast<float>(pressures.pmax);
    data.pmin = static_cast<float>(pressures.pmin);
    report.add("    Среднее давление по подошве\t\tp = " + report.number(data.p) + "кПа");
    report.add("    Максимальное давление по подошве\tpmax = " + report.number(data.pmax) + "кПа");
    report.add("    Минимальное давление по подошве\tpmin = " + report.number(data.pmin) + "кПа");
}

void writeResultsBlock(ProjectRecord& data, CalculationReport& report) {
    report.add("\n************РАСЧЕТНЫЕ ДАННЫЕ************\n");
    report.add("ГЛУБИНА ПРОМЕРЗАНИЯ ГРУНТА\t\tdf = " + report.number(data.df) + "м");
    report.add("ГЛУБИНА ЗАЛОЖЕНИЯ ФУНДАМЕНТА\td = " + report.number(data.d) + "м");
    report.add("\nРАЗМЕРЫ ПОДОШВЫ ФУНДАМЕНТА:");
    report.add("Ширина подошвы\t\t\t\tb= " + report.number(data.b) + "м");
    report.add("Длина подошвы\t\t\t\tl= " + report.number(data.l) + "м");
    report.add("Площадь подошвы\t\t\t\tA= " + report.number(data.A) + "м2");
    report.add("К-т запаса по несущей способности\t\t" + report.number(data.kzap));
    report.add("\nПРОВЕРКА ДАВЛЕНИЙ ПО ПОДОШВЕ ФУНДАМЕНТА:");
    report.add("1. Максимальный момент");
    writePressures(data, report, 1);
    report.add("\n2. Максимальная сжимающия сила");
    writePressures(data, report, 2);
    report.add("\n3. Максимальная поперечная сила");
    writePressures(data, report, 3);
    report.add("    \nРасчетное сопротивление грунта\t\tR = " + report.number(data.R) + "кПа");
}

void writeClosingChecks(ProjectRecord& data, CalculationReport& report) {
    if (data.h[0] == -1.0f) {
        report.addFailure("");
        report.addFailure("Невозможно подобрать ступени фундамента.");
        report.addFailure("Необходимо увеличить глубину заложения фундамента.");
    }
    if (data.hSteps > data.Hf) {
        data.Hf = data.hSteps;
        setDepthFromHeight(data);
        report.addFailure("");
        report.addFailure("Общая высота ступеней больше высоты фундамента.");
        report.addFailure("Необходимая глубина заложения фундамента d=" + report.number(data.d) + "м.");
    }
}

void runStages(ProjectRecord& data, const CalculationOptions& options, const CodeTables& tables,
               CalculationReport& report, const ProgressCallbacks& progress) {
    // the search and the height rounding would never end on a module that is not positive, and
    // a plan module below 1 cm would take hours (or, once the sum stops growing, forever)
    if (!(data.d_l > 0.0f)) {
        report.addFailure("Модуль длины и ширины подошвы d_l должен быть положительным числом.");
        return;
    }
    if (data.d_l < kSmallestPlanModule) {
        report.addFailure("Модуль длины и ширины подошвы d_l должен быть не меньше " +
                          report.number(kSmallestPlanModule) + "м.");
        return;
    }
    if (!(data.d_h > 0.0f)) {
        report.addFailure("Модуль высоты фундамента d_h должен быть положительным числом.");
        return;
    }
    computeFoundationDepth(data);
    if (options.debug) {
        writeDebugBlock(data, tables, report);
    }
    if (!SizeBase(data, tables, report, options.debug, progress.step)) {
        // a report of pressures under no base would be numbers of no calculation
        report.addFailure("");
        report.addFailure(
            "Размеры подошвы не подобраны: ни одна подошва до 10x10 м не проходит проверку давлений.");
        report.addFailure("Необходимо изменить нагрузки, данные грунта или глубину заложения фундамента.");
        return;
    }
    writeResultsBlock(data, report);

    lookUpPedestal(data, tables);
    if (data.buc == 0.0f) {
        // punching on a zero pedestal would be meaningless: say what is missing and stop
        report.addFailure("");
        report.addFailure("Не найдены размеры подколонника для колонны " + report.number(data.lc) + "x" +
                          report.number(data.bc) + "м.");
        report.addFailure("Необходимо задать размеры подколонника.");
        return;
    }
    ShapeSteps(data, tables, concreteClassCount(), options.concreteClassIndex);
    ReinforceBase(data, report);
    CheckPunching(data, report, options.debug);
    writeClosingChecks(data, report);
}

}  // namespace

std::vector<ReportLine> runCalculation(ProjectRecord& data, const CodeTables& tables,
                                       const CalculationOptions& options, const ProgressCallbacks& progress) {
    if (progress.start) {
        const int maximum =
            data.d_l > 0.0f && 10.0f / data.d_l < 2e9f ? static_cast<int>(10.0f / data.d_l) : 0;
        progress.start(maximum);
    }
    CalculationReport report(options.decimalSeparator);
    runStages(data, options, tables, report, progress);
    return report.takeLines();
}

}  // namespace fundis
