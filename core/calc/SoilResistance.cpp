#include "core/calc/SoilResistance.h"

namespace fundis {

void lookUpBearingFactors(ProjectRecord& data, const CodeTables& tables) {
    if (data.fii == 0.0f) {
        data.fii = 1e-6f;
    }
    data.My = TableLookup(tables.table4, 1.0f, data.fii);
    data.Mq = TableLookup(tables.table4, 2.0f, data.fii);
    data.Mc = TableLookup(tables.table4, 3.0f, data.fii);
}

float SoilResistance(ProjectRecord& data, const CodeTables& tables, float b) {
    // below 10 m the whole depth z0 = 8 m counts; kz is continuous at 10 m
    data.kz = b < 10.0f ? 1.0f : static_cast<float>(8.0 / b + 0.2);
    lookUpBearingFactors(data, tables);
    const double factor = static_cast<double>(data.Yc1) * data.Yc2 / data.k;
    const double R = factor * (static_cast<double>(data.My) * data.kz * b * data.Yii +
                               static_cast<double>(data.Mq) * data.d * data.Yii1 +
                               static_cast<double>(data.Mc) * data.cii);
    return static_cast<float>(R);
}

}  // namespace fundis
