// SPDX-License-Identifier: GPL-3.0-or-later
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

// An overhang that would leave a step narrower than the pedestal stops at the pedestal's face.
float keepToPedestal(float width, float overhang, float pedestal) {
    if (static_cast<double>(width) - 2.0 * overhang < pedestal) {
        return static_cast<float>((static_cast<double>(width) - pedestal) / 2.0);
    }
    return overhang;
}

// The base is at least as large as the pedestal; the area of the search stays.
void widenToPedestal(StepsResult& s, const BaseSizeResult& base, const PedestalResult& pedestal) {
    s.bSearch = base.b;
    s.lSearch = base.l;
    s.l = base.l < pedestal.luc ? pedestal.luc : base.l;
    s.b = base.b < pedestal.buc ? pedestal.buc : base.b;
}

// The overhang ratio k1 of k1.dat: by the net edge pressure of combination 2 in MPa (the moment taken
// at the pedestal top) and by whether the punching pyramid of a 0.3 m bottom step reaches past the
// base across b.
void lookUpOverhangRatio(StepsResult& s, const ProjectRecord& inputs, const CodeTables& tables,
                         const DepthResult& depth, const BaseSizeResult& base, float buc,
                         int concreteClassCount, int concreteClassIndex) {
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
    const auto columnKey = static_cast<float>(s.pyramidCase * concreteClassCount + concreteClassIndex);
    s.k1 = TableLookup(tables.k1, columnKey, s.pK1);
}

// The first set of hstup.dat whose bottom step, at the ratio k1, and the steps above it reach from
// the base edge to the pedestal along l; none fits: h[0] = -1 (the heights are the last set's).
void chooseStepSet(StepsResult& s, const ProjectRecord& inputs, const CodeTables& tables, float luc) {
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
            return;
        }
    }
    s.h[0] = -1.0f;
}

// Along one side, the steps above the bottom one: each is narrower than the one below by twice that
// one's overhang, and overhangs as far as its height on the half-module grid, but not into the
// pedestal. The number of steps.
int setUpperOverhangs(const StepArray& h, StepArray& width, StepArray& overhang, float pedestal, float d_l) {
    int steps = 1;
    for (int i = 2; i < kStepEntries && h[i] != 0.0f; ++i) {
        width[i] = static_cast<float>(static_cast<double>(width[i - 1]) - 2.0 * overhang[i - 1]);
        overhang[i] = keepToPedestal(width[i], roundDownToHalfModule(h[i], d_l), pedestal);
        steps = i;
    }
    return steps;
}

// The step overhangs along l (c) and along b (cb). The bottom step overhangs by its effective depth
// times k1 on the half-module grid (across b not into the pedestal); the top step takes what is left
// to the pedestal (a single step the whole distance), so that the steps and the pedestal meet
// whatever the grid left over; overhangs under a millimetre are none.
void setOverhangs(StepsResult& s, const ProjectRecord& inputs, float luc, float buc) {
    const float d_l = inputs.d_l;
    s.c[1] = roundDownToHalfModule(effectiveDepth(s.h[1], inputs) * s.k1, d_l);
    s.lStep[1] = s.l;
    s.bStep[1] = s.b;
    s.nSteps = setUpperOverhangs(s.h, s.lStep, s.c, luc, d_l);
    s.cb[1] = keepToPedestal(s.bStep[1], s.c[1], buc);
    setUpperOverhangs(s.h, s.bStep, s.cb, buc, d_l);
    const auto top = static_cast<std::size_t>(s.nSteps);
    s.c[top] = static_cast<float>((static_cast<double>(s.lStep[top]) - luc) / 2.0);
    s.cb[top] = static_cast<float>((static_cast<double>(s.bStep[top]) - buc) / 2.0);
    for (int i = 1; i <= s.nSteps; ++i) {
        if (std::fabs(s.c[i]) < 0.001f) {
            s.c[i] = 0;
        }
        if (std::fabs(s.cb[i]) < 0.001f) {
            s.cb[i] = 0;
        }
    }
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
    widenToPedestal(s, base, pedestal);
    lookUpOverhangRatio(s, inputs, tables, depth, base, pedestal.buc, concreteClassCount, concreteClassIndex);
    chooseStepSet(s, inputs, tables, pedestal.luc);
    setOverhangs(s, inputs, pedestal.luc, pedestal.buc);
    // the pedestal stands on the top step
    s.huc = static_cast<float>(static_cast<double>(depth.Hf) - s.hSteps);
    return s;
}

}  // namespace fundis
