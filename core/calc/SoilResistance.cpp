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
    soil.Yc1Given = inputs.Yc1Given;
    soil.Yc2Given = inputs.Yc2Given;
    soil.kGiven = inputs.kGiven;
    soil.d1 = d;
    const double factor = static_cast<double>(soil.Yc1) * soil.Yc2 / soil.k;
    if (!(inputs.db > 0.0f)) {
        const double R =
            factor * (static_cast<double>(soil.My) * soil.kz * b * soil.Yii +
                      static_cast<double>(soil.Mq) * d * soil.Yii1 + static_cast<double>(soil.Mc) * soil.cii);
        soil.R = static_cast<float>(R);
        return soil;
    }
    // a basement, п. 2.41 of СНиП 2.02.01-83: the depth from the basement's floor, formula (8), and
    // db at most 2 m (for a basement up to 20 m wide; a wider one is given as db = 0)
    soil.basement = true;
    soil.dbGiven = inputs.db;
    soil.dbLimited = inputs.db > 2.0f;
    soil.db = soil.dbLimited ? 2.0f : inputs.db;
    soil.hcf = inputs.hcf;
    soil.Ycf = inputs.Ycf;
    soil.hsFromDepth = !(inputs.hs > 0.0f);
    soil.hs =
        soil.hsFromDepth ? static_cast<float>(static_cast<double>(d) - inputs.db - inputs.hcf) : inputs.hs;
    soil.d1 = static_cast<float>(
        soil.hs + (soil.Yii1 > 0.0f ? static_cast<double>(soil.hcf) * soil.Ycf / soil.Yii1 : 0.0));
    const double R = factor * (static_cast<double>(soil.My) * soil.kz * b * soil.Yii +
                               static_cast<double>(soil.Mq) * soil.d1 * soil.Yii1 +
                               (static_cast<double>(soil.Mq) - 1.0) * soil.db * soil.Yii1 +
                               static_cast<double>(soil.Mc) * soil.cii);
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
