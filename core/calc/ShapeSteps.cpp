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

// The sets to try: hstup.dat's in order, or the one the user gave (its total first, as in the table).
RecordList stepSets(const ProjectRecord& inputs, const CodeTables& tables) {
    if (inputs.stepsGiven.empty()) {
        return tables.hstup;
    }
    std::vector<float> record{0.0f};
    double total = 0.0;
    for (const float height : inputs.stepsGiven) {
        total += height;
        record.push_back(height);
    }
    record[0] = static_cast<float>(total);
    return {record};
}

// The first set whose bottom step, at the ratio k1, and the steps above it reach from the base edge
// to the pedestal along l; none fits: h[0] = -1 (the heights are the last set's).
void chooseStepSet(StepsResult& s, const ProjectRecord& inputs, const CodeTables& tables, float luc) {
    for (const std::vector<float>& record : stepSets(inputs, tables)) {
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

// The largest edge pressure of the 1st limit state under the column's loads alone, over the three
// combinations, and its combination.
void columnEdgePressure(StepsResult& s, const ProjectRecord& inputs, const DepthResult& depth,
                        const BaseSizeResult& base) {
    const Footing footing{s.b, s.l, base.A, depth.d, depth.Hf, 0.0};
    for (int j = 1; j <= 3; ++j) {
        const auto pmax = static_cast<float>(pressuresI(inputs, j, footing).pmax);
        if (j == 1 || pmax > s.pmax) {
            s.pmax = pmax;
            s.pmaxCombination = j;
        }
    }
}

// Along one side of `length` across `across`, to a pedestal of `pedestal`: each level below the top
// overhangs by the largest multiple of half the plan module that the punching of the step above it
// allows (not below the level under it, not past the pedestal); the top reaches the pedestal.
// Returns the cumulated overhangs' steps in `overhang` (1..nSteps) and the levels.
std::vector<StepLevel> layOutSide(const StepsResult& s, const ProjectRecord& inputs, double length,
                                  double across, double pedestal, StepArray& overhang) {
    std::vector<StepLevel> levels;
    const double half = 0.5 * inputs.d_l;
    const double reach = (length - pedestal) / 2.0;
    double height = 0.0;
    double taken = 0.0;  // from the base edge to the face of the step above the level
    for (int i = 1; i < s.nSteps; ++i) {
        height += s.h[i];
        StepLevel level;
        level.level = i;
        double best = taken;
        level.taken = stepPunching(height, taken, across, s.pmax, inputs);
        for (int m = 1;; ++m) {
            const double c = m * half;
            if (c > reach + 1e-6) {
                break;
            }
            const StepPunching check = stepPunching(height, c, across, s.pmax, inputs);
            if (!check.ok) {
                level.nextRefused = true;
                level.next = check;
                break;
            }
            if (c >= best - 1e-9) {
                best = c;
                level.taken = check;
            }
        }
        overhang[static_cast<std::size_t>(i)] = static_cast<float>(best - taken);
        taken = best;
        levels.push_back(level);
    }
    overhang[static_cast<std::size_t>(s.nSteps)] = static_cast<float>(reach - taken);
    return levels;
}

// The 1989 manual's layout: the first set whose plate the pedestal does not punch, then its levels.
void shapeByManual(StepsResult& s, const ProjectRecord& inputs, const CodeTables& tables,
                   const PedestalResult& pedestal) {
    for (const std::vector<float>& record : stepSets(inputs, tables)) {
        ++s.setsTried;
        s.hSteps = record[0];
        for (int i = 1; i <= kMostHeights; ++i) {
            s.h[i] = i < static_cast<int>(record.size()) ? record[i] : 0.0f;
        }
        s.trials.push_back(platePunching(s.hSteps, s.b, s.l, pedestal, s.pmax, inputs));
        if (s.trials.back().ok) {
            s.fitted = true;
            break;
        }
    }
    if (!s.fitted) {
        s.h[0] = -1.0f;
    }
    s.nSteps = 0;
    while (s.nSteps + 1 < kStepEntries && s.h[static_cast<std::size_t>(s.nSteps) + 1] != 0.0f) {
        ++s.nSteps;
    }
    s.levelsL = layOutSide(s, inputs, s.l, s.b, pedestal.luc, s.c);
    s.levelsB = layOutSide(s, inputs, s.b, s.l, pedestal.buc, s.cb);
    s.lStep[1] = s.l;
    s.bStep[1] = s.b;
    for (int i = 2; i <= s.nSteps; ++i) {
        s.lStep[i] = static_cast<float>(static_cast<double>(s.lStep[i - 1]) - 2.0 * s.c[i - 1]);
        s.bStep[i] = static_cast<float>(static_cast<double>(s.bStep[i - 1]) - 2.0 * s.cb[i - 1]);
    }
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

StepPunching stepPunching(double h, double c, double across, double pmax, const ProjectRecord& inputs) {
    StepPunching check;
    check.h = h;
    check.c = c;
    check.across = across;
    check.h0 = effectiveDepth(h, inputs);
    const double outside = c - check.h0;
    check.A0 = across * outside - outside * outside;
    check.bm = across - 2.0 * c + check.h0;
    // the pyramid reaches past the base edge: no ground pressure acts outside it
    check.nothingOutside = !(outside > 0.0) || !(check.A0 > 0.0);
    if (check.nothingOutside) {
        check.ok = true;
        return check;
    }
    // Rbt is in MPa, the pressures in kPa
    check.pAllowed = static_cast<double>(inputs.Rbt) * 1000.0 * check.bm * check.h0 / check.A0;
    check.pTable = static_cast<double>(inputs.RbtTable) * 1000.0 * check.bm * check.h0 / check.A0;
    check.ok = check.bm > 0.0 && check.h0 > 0.0 && pmax <= check.pAllowed;
    return check;
}

PlatePunching platePunching(double hSteps, double b, double l, const PedestalResult& pedestal, double pmax,
                            const ProjectRecord& inputs) {
    PlatePunching plate;
    plate.h = hSteps;
    plate.h0 = effectiveDepth(hSteps, inputs);
    plate.c0 = (l - pedestal.luc) / 2.0 - plate.h0;
    plate.cb0 = (b - pedestal.buc) / 2.0 - plate.h0;
    plate.bm = pedestal.buc + plate.h0;
    plate.capacity = static_cast<double>(inputs.Rbt) * 1000.0 * plate.bm * plate.h0;
    if (!(plate.c0 > 0.0)) {
        // the pyramid reaches the base edge: nothing to punch
        plate.ok = plate.h0 > 0.0;
        return plate;
    }
    plate.A0 = b * plate.c0 - (plate.cb0 > 0.0 ? plate.cb0 * plate.cb0 : 0.0);
    plate.F = pmax * plate.A0;
    plate.ok = plate.h0 > 0.0 && plate.F <= plate.capacity;
    return plate;
}

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
    s.method = inputs.stepMethod;
    s.givenSteps = !inputs.stepsGiven.empty();
    widenToPedestal(s, base, pedestal);
    if (s.method == StepMethod::Manual1989) {
        columnEdgePressure(s, inputs, depth, base);
        shapeByManual(s, inputs, tables, pedestal);
    } else {
        lookUpOverhangRatio(s, inputs, tables, depth, base, pedestal.buc, concreteClassCount,
                            concreteClassIndex);
        chooseStepSet(s, inputs, tables, pedestal.luc);
        setOverhangs(s, inputs, pedestal.luc, pedestal.buc);
    }
    // the pedestal stands on the top step
    s.huc = static_cast<float>(static_cast<double>(depth.Hf) - s.hSteps);
    return s;
}

}  // namespace fundis
