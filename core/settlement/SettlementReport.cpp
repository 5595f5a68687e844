#include "core/settlement/SettlementReport.h"

#include "core/calc/CalculationReport.h"
#include "core/model/NumberFormat.h"

namespace fundis {

std::vector<ReportLine> settlementReport(const SettlementResult& result, char decimalSeparator) {
    CalculationReport report(decimalSeparator);
    report.add("\nРАСЧЕТ ОСАДКИ ФУНДАМЕНТА\n");
    if (!result.status) {
        report.addFailure(result.status.message());
        return report.takeLines();
    }
    report.add("Среднее давление по подошве\t\tp = " + report.number(result.p) + "кПа");
    report.add("Природное давление у подошвы\t\tσzg0 = " + report.number(result.sigmaZg0) + "кПа");
    report.add("Дополнительное давление\t\t\tp0 = " + report.number(result.p0) + "кПа");
    if (result.noAdditionalPressure) {
        report.add("Дополнительное давление p0 не больше нуля: осадки нет.");
        return report.takeLines();
    }
    report.add("Отношение сторон подошвы\t\tη = l/b = " + report.number(result.eta));
    std::string boundaryRule = "Граница сжимаемой толщи: σzp = k·σzg, k = " + report.number(result.k);
    if (result.k < 0.2) {
        boundaryRule += " (у границы слабый грунт, E < 5МПа)";
    }
    report.add(boundaryRule);

    // the column is named by the factor as the code writes it: "0.2·σzg"
    const std::string kSigma = formatFixed(result.k, 1, decimalSeparator) + "·σzg, кПа";
    report.add("\nz1, м\tz2, м\tζ\tα\tσzp, кПа\tσzg, кПа\t" + kSigma + "\tE, МПа\ts, мм");
    for (const Sublayer& sub : result.sublayers) {
        report.add(report.number(sub.z1) + "\t" + report.number(sub.z2) + "\t" + report.number(sub.zeta) +
                   "\t" + report.number(sub.alpha) + "\t" + report.number(sub.sigmaZp) + "\t" +
                   report.number(sub.sigmaZg) + "\t" + report.number(result.k * sub.sigmaZg) + "\t" +
                   report.number(sub.E) + "\t" + report.number(sub.s * 1000));
    }
    report.add("\nНижняя граница сжимаемой толщи\t\tHc = " + report.number(result.Hc) + "м");
    report.add("Осадка фундамента\t\t\ts = " + report.number(result.s * 100) + "см");
    report.add("Предельная осадка\t\t\tsu = " + report.number(result.su * 100) + "см");
    if (result.exceeds) {
        report.addFailure("Осадка фундамента превышает предельную.");
    }
    return report.takeLines();
}

}  // namespace fundis
