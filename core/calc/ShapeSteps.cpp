#include "core/calc/ShapeSteps.h"

#include <cmath>

#include "core/calc/BasePressure.h"

namespace fundis {

namespace {

// a set holds at most 99 heights, so that a zero always follows its last one
constexpr int kMostHeights = kStepEntries - 2;

float roundDownToHalfModule(double x, float d_l) {
    const double half = 0.5 * d_l;
    return static_cast<float>(std::trunc((x + 1e-6) / half) * half);
}

}  // namespace

void lookUpPedestal(ProjectRecord& data, const CodeTables& tables) {
    if (data.buc != 0.0f && data.luc != 0.0f) {
        return;
    }
    for (const std::vector<float>& record : tables.sizepdkl) {
        if (record.size() >= 4 && record[0] == data.lc && record[1] == data.bc) {
            data.luc = record[2];
            data.buc = record[3];
            return;
        }
    }
}

void ShapeSteps(ProjectRecord& data, const CodeTables& tables, int concreteClassCount,
                int concreteClassIndex) {
    // the base is at least as large as the pedestal; the area of the search stays
    if (data.l < data.luc) {
        data.l = data.luc;
    }
    if (data.b < data.buc) {
        data.b = data.buc;
    }
    // the net edge pressure of combination 2 in MPa, the moment taken at the pedestal top
    const double edge = edgePressure(data.MII[2], data.QII[2], static_cast<double>(data.d) + data.pedestalTop,
                                     data.b, data.l);
    data.pK1 = static_cast<float>((edge + data.NII[2] / static_cast<double>(data.A)) * 0.001);
    if (data.pK1 == 0.0f) {
        data.pK1 = 1e-6f;
    }

    data.h[1] = 0.3f;
    data.h01 = static_cast<float>(effectiveDepth(0.3, data));
    const double twiceDepth = 2.0 * data.h01;
    const double widthOutside = static_cast<double>(data.b) - data.buc;
    const int pyramidCase = twiceDepth > widthOutside ? 1 : (twiceDepth == widthOutside ? 2 : 3);
    const float columnKey = static_cast<float>(pyramidCase * concreteClassCount + concreteClassIndex);
    data.k1 = TableLookup(tables.k1, columnKey, data.pK1);

    data.h.fill(0);
    data.c.fill(0);
    data.cb.fill(0);
    data.lStep.fill(0);
    data.bStep.fill(0);
    bool fitted = false;
    for (const std::vector<float>& record : tables.hstup) {
        data.hSteps = record[0];
        for (int i = 1; i <= kMostHeights; ++i) {
            data.h[i] = i < static_cast<int>(record.size()) ? record[i] : 0.0f;
        }
        const double bottomOverhang = effectiveDepth(data.h[1], data) * data.k1;
        const double reach = 2.0 * (bottomOverhang + (static_cast<double>(data.hSteps) - data.h[1]));
        if (data.l - reach <= data.luc) {
            fitted = true;
            break;
        }
    }
    if (!fitted) {
        data.h[0] = -1.0f;
    }

    // along l
    data.nSteps = 1;
    data.c[1] = roundDownToHalfModule(effectiveDepth(data.h[1], data) * data.k1, data.d_l);
    data.lStep[1] = data.l;
    data.bStep[1] = data.b;
    for (int i = 2; i < kStepEntries && data.h[i] != 0.0f; ++i) {
        data.lStep[i] = static_cast<float>(static_cast<double>(data.lStep[i - 1]) - 2.0 * data.c[i - 1]);
        data.c[i] = roundDownToHalfModule(data.h[i], data.d_l);
        if (static_cast<double>(data.lStep[i]) - 2.0 * data.c[i] < data.luc) {
            data.c[i] = static_cast<float>((static_cast<double>(data.lStep[i]) - data.luc) / 2.0);
        }
        data.nSteps = i;
    }
    // along b
    data.cb[1] = data.c[1];
    if (static_cast<double>(data.bStep[1]) - 2.0 * data.cb[1] < data.buc) {
        data.cb[1] = static_cast<float>((static_cast<double>(data.bStep[1]) - data.buc) / 2.0);
    }
    for (int i = 2; i < kStepEntries && data.h[i] != 0.0f; ++i) {
        data.bStep[i] = static_cast<float>(static_cast<double>(data.bStep[i - 1]) - 2.0 * data.cb[i - 1]);
        data.cb[i] = roundDownToHalfModule(data.h[i], data.d_l);
        if (static_cast<double>(data.bStep[i]) - 2.0 * data.cb[i] < data.buc) {
            data.cb[i] = static_cast<float>((static_cast<double>(data.bStep[i]) - data.buc) / 2.0);
        }
    }
    // a single step takes the whole distance to the pedestal
    if (data.nSteps == 1) {
        data.c[1] = static_cast<float>((static_cast<double>(data.l) - data.luc) / 2.0);
        data.cb[1] = static_cast<float>((static_cast<double>(data.b) - data.buc) / 2.0);
    }
    for (int i = 1; i <= data.nSteps; ++i) {
        if (std::fabs(data.c[i]) < 0.001f) {
            data.c[i] = 0;
        }
        if (std::fabs(data.cb[i]) < 0.001f) {
            data.cb[i] = 0;
        }
    }
    data.huc = static_cast<float>(static_cast<double>(data.Hf) - data.hSteps);
}

}  // namespace fundis
