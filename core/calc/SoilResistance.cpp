// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/SoilResistance.h"

namespace fundis {

SoilResistanceResult soilResistance(const ProjectRecord& inputs, const CodeTables& tables, float b, float d) {
    SoilResistanceResult soil;
    soil.fii = inputs.fii == 0.0f ? 1e-6f : inputs.fii;
    soil.My = TableLookup(tables.table4, 1.0f, soil.fii);
    soil.Mq = TableLookup(tables.table4, 2.0f, soil.fii);
    soil.Mc = TableLookup(tables.table4, 3.0f, soil.fii);
    // below 10 m the whole depth z0 = 8 m counts; kz is continuous at 10 m
    soil.kz = b < 10.0f ? 1.0f : static_cast<float>(8.0 / b + 0.2);
    soil.b = b;
    soil.d = d;
    soil.Yc1 = inputs.Yc1;
    soil.Yc2 = inputs.Yc2;
    soil.k = inputs.k;
    soil.Yii = inputs.Yii;
    soil.Yii1 = inputs.Yii1;
    soil.cii = inputs.cii;
    const double factor = static_cast<double>(soil.Yc1) * soil.Yc2 / soil.k;
    const double R =
        factor * (static_cast<double>(soil.My) * soil.kz * b * soil.Yii +
                  static_cast<double>(soil.Mq) * d * soil.Yii1 + static_cast<double>(soil.Mc) * soil.cii);
    soil.R = static_cast<float>(R);
    return soil;
}

void describeInterpolation(SoilResistanceResult& soil, const CodeTables& tables) {
    const RowBracket rows = rowsAround(tables.table4, soil.fii);
    soil.fiiLow = rows.lowKey;
    soil.fiiHigh = rows.highKey;
    for (int column = 1; column <= 3; ++column) {
        soil.low[static_cast<std::size_t>(column - 1)] =
            TableLookup(tables.table4, static_cast<float>(column), rows.lowKey);
        soil.high[static_cast<std::size_t>(column - 1)] =
            TableLookup(tables.table4, static_cast<float>(column), rows.highKey);
    }
}

}  // namespace fundis
