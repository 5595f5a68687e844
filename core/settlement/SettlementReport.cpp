// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settlement/SettlementReport.h"

#include "core/calc/CalculationReport.h"
#include "core/model/NumberFormat.h"

namespace fundis {

SublayerTable sublayerTable(const SettlementResult& result, char decimalSeparator) {
    SublayerTable table;
    // the column is named by the factor as the code writes it: "0.2·σzg"
    table.symbols = {"z1", "z2", "ζ", "α", "σzp", "σzg", formatFixed(result.k, 1, decimalSeparator) + "·σzg",
                     "E",  "s"};
    table.units = {"м", "м", "", "", "кПа", "кПа", "кПа", "МПа", "мм"};
    for (const Sublayer& sub : result.sublayers) {
        table.rows.push_back({sub.z1, sub.z2, sub.zeta, sub.alpha, sub.sigmaZp, sub.sigmaZg,
                              result.k * sub.sigmaZg, sub.E, sub.s * 1000});
    }
    return table;
}

std::string sublayerHeading(const SublayerTable& table, int column) {
    const auto index = static_cast<std::size_t>(column);
    return table.units[index].empty() ? table.symbols[index]
                                      : table.symbols[index] + ", " + table.units[index];
}

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

    const SublayerTable table = sublayerTable(result, decimalSeparator);
    std::string heading = "\n";
    for (int column = 0; column < kSublayerColumns; ++column) {
        heading += (column > 0 ? "\t" : "") + sublayerHeading(table, column);
    }
    report.add(heading);
    for (const auto& row : table.rows) {
        std::string text;
        for (int column = 0; column < kSublayerColumns; ++column) {
            text += (column > 0 ? "\t" : "") + report.number(row[column]);
        }
        report.add(text);
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
