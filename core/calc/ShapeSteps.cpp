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

PedestalResult lookUpPedestal(const ProjectRecord& inputs, const CodeTables& tables) {
    PedestalResult pedestal;
    pedestal.luc = inputs.luc;
    pedestal.buc = inputs.buc;
    if (inputs.buc != 0.0f && inputs.luc != 0.0f) {
        pedestal.found = true;
        return pedestal;
    }
    pedestal.fromTable = true;
    for (const std::vector<float>& record : tables.sizepdkl) {
        if (record.size() >= 4 && record[0] == inputs.lc && record[1] == inputs.bc) {
            pedestal.luc = record[2];
            pedestal.buc = record[3];
            break;
        }
    }
    pedestal.found = pedestal.buc != 0.0f;
    return pedestal;
}

StepsResult ShapeSteps(const ProjectRecord& inputs, const CodeTables& tables, const DepthResult& depth,
                       const BaseSizeResult& base, const PedestalResult& pedestal, int concreteClassCount,
                       int concreteClassIndex) {
    StepsResult s;
    const float luc = pedestal.luc;
    const float buc = pedestal.buc;
    const float d_l = inputs.d_l;
    // the base is at least as large as the pedestal; the area of the search stays
    s.bSearch = base.b;
    s.lSearch = base.l;
    s.l = base.l < luc ? luc : base.l;
    s.b = base.b < buc ? buc : base.b;
    // the net edge pressure of combination 2 in MPa, the moment taken at the pedestal top
    s.edge = edgePressure(inputs.MII[2], inputs.QII[2], static_cast<double>(depth.d) + inputs.pedestalTop,
                          s.b, s.l);
    s.pK1 = static_cast<float>((s.edge + inputs.NII[2] / static_cast<double>(base.A)) * 0.001);
    if (s.pK1 == 0.0f) {
        s.pK1 = 1e-6f;
    }

    s.h01 = static_cast<float>(effectiveDepth(0.3, inputs));
    const double twiceDepth = 2.0 * s.h01;
    const double widthOutside = static_cast<double>(s.b) - buc;
    s.pyramidCase = twiceDepth > widthOutside ? 1 : (twiceDepth == widthOutside ? 2 : 3);
    const float columnKey = static_cast<float>(s.pyramidCase * concreteClassCount + concreteClassIndex);
    s.k1 = TableLookup(tables.k1, columnKey, s.pK1);

    for (const std::vector<float>& record : tables.hstup) {
        ++s.setsTried;
        s.hSteps = record[0];
        for (int i = 1; i <= kMostHeights; ++i) {
            s.h[i] = i < static_cast<int>(record.size()) ? record[i] : 0.0f;
        }
        const double bottomOverhang = effectiveDepth(s.h[1], inputs) * s.k1;
        s.reach = 2.0 * (bottomOverhang + (static_cast<double>(s.hSteps) - s.h[1]));
        if (s.l - s.reach <= luc) {
            s.fitted = true;
            break;
        }
    }
    if (!s.fitted) {
        s.h[0] = -1.0f;
    }

    // along l
    s.nSteps = 1;
    s.c[1] = roundDownToHalfModule(effectiveDepth(s.h[1], inputs) * s.k1, d_l);
    s.lStep[1] = s.l;
    s.bStep[1] = s.b;
    for (int i = 2; i < kStepEntries && s.h[i] != 0.0f; ++i) {
        s.lStep[i] = static_cast<float>(static_cast<double>(s.lStep[i - 1]) - 2.0 * s.c[i - 1]);
        s.c[i] = roundDownToHalfModule(s.h[i], d_l);
        if (static_cast<double>(s.lStep[i]) - 2.0 * s.c[i] < luc) {
            s.c[i] = static_cast<float>((static_cast<double>(s.lStep[i]) - luc) / 2.0);
        }
        s.nSteps = i;
    }
    // along b
    s.cb[1] = s.c[1];
    if (static_cast<double>(s.bStep[1]) - 2.0 * s.cb[1] < buc) {
        s.cb[1] = static_cast<float>((static_cast<double>(s.bStep[1]) - buc) / 2.0);
    }
    for (int i = 2; i < kStepEntries && s.h[i] != 0.0f; ++i) {
        s.bStep[i] = static_cast<float>(static_cast<double>(s.bStep[i - 1]) - 2.0 * s.cb[i - 1]);
        s.cb[i] = roundDownToHalfModule(s.h[i], d_l);
        if (static_cast<double>(s.bStep[i]) - 2.0 * s.cb[i] < buc) {
            s.cb[i] = static_cast<float>((static_cast<double>(s.bStep[i]) - buc) / 2.0);
        }
    }
    // a single step takes the whole distance to the pedestal
    if (s.nSteps == 1) {
        s.c[1] = static_cast<float>((static_cast<double>(s.l) - luc) / 2.0);
        s.cb[1] = static_cast<float>((static_cast<double>(s.b) - buc) / 2.0);
    }
    for (int i = 1; i <= s.nSteps; ++i) {
        if (std::fabs(s.c[i]) < 0.001f) {
            s.c[i] = 0;
        }
        if (std::fabs(s.cb[i]) < 0.001f) {
            s.cb[i] = 0;
        }
    }
    s.huc = static_cast<float>(static_cast<double>(depth.Hf) - s.hSteps);
    return s;
}

}  // namespace fundis
