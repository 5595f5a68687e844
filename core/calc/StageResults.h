// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What each stage of the calculation computed: its inputs as it used them, its intermediate
// values and its verdicts. The driver collects them in one CalculationResult, the one place the
// results live: the report, the documents, the JSON, the note, the settlement and the windows read
// it. The inputs (ProjectRecord) are never written by the calculation.

#include <array>
#include <vector>

#include "core/model/ProjectRecord.h"

namespace fundis {

// Frost depth and laying depth (the first stage).
struct DepthResult {
    bool given = false;            // d was entered: the frost depth is not computed
    float Mt = 0, d0 = 0, kh = 0;  // as the input dialog derived them
    float dfn = 0, df = 0;         // dfn = d0·√Mt, df = kh·dfn (when computed)
    float dStart = 0;              // df, or d as entered
    float dSocket = 0;             // the depth the socket and its bottom need under the pedestal top
    bool socketGoverns = false;    // dSocket > dStart
    float HfExact = 0;             // the height that depth gives, before the height module
    float Hf = 0;                  // rounded up to the module d_h
    float d = 0;                   // d = Hf + groundLevel - pedestalTop
};

// The design soil resistance for one base width.
struct SoilResistanceResult {
    float fii = 0;  // the angle used (0 is taken as 1e-6 so that the table's first row is found)
    float My = 0, Mq = 0, Mc = 0, kz = 0;
    float b = 0, d = 0;
    // a basement: d1 = hs + hcf·γcf/γ'II, db as given and as used (at most 2 m)
    bool basement = false;
    bool dbLimited = false;    // db over 2 m taken as 2 m
    bool hsFromDepth = false;  // hs = d − db − hcf
    float db = 0, dbGiven = 0, hs = 0, hcf = 0, Ycf = 0, d1 = 0;
    bool Yc1Given = false, Yc2Given = false, kGiven = false;
    float Yc1 = 0, Yc2 = 0, k = 0, Yii = 0, Yii1 = 0, cii = 0;
    float R = 0;
    // the rows of table4.dat the factors were interpolated between, and their factors
    float fiiLow = 0, fiiHigh = 0;
    std::array<float, 3> low{}, high{};  // Mγ, Mq, Mc
};

// One combination's pressures under the base and their checks against R.
struct PressureCheck {
    float N = 0, M = 0, Q = 0;  // the combination's loads
    double moment = 0;          // M + Q·Hf at the base
    float p = 0, pmax = 0, pmin = 0;
    bool pOk = false, pmaxOk = false, pminOk = false;  // p ≤ R, pmax ≤ 1.2·R, pmin ≥ 0
    bool ok() const { return pOk && pmaxOk && pminOk; }
};
using PressureChecks = std::array<PressureCheck, 4>;  // index 1..3 as the combinations

// The base search over the plan module, or the base the user gave.
struct BaseSizeResult {
    bool found = false;
    bool given = false;       // bGiven × lGiven: not searched, checked
    bool givenPasses = true;  // the given base passes every pressure check
    float module = 0;         // d_l
    int widthsTried = 0;      // widths whose R was computed
    int admissible = 0;       // candidates that passed every check
    float b = 0, l = 0, A = 0, kzap = 0, R = 0;
    float pEnv = 0, pmaxEnv = 0, pminEnv = 0;
    SoilResistanceResult soil;  // for the chosen width (or the last tried when none was found)
    // the candidate before the chosen one in the search (l one module shorter, or b one narrower)
    struct Neighbour {
        bool exists = false;
        float b = 0, l = 0, R = 0, kzap = 0;
        PressureChecks checks{};
        int failedCombination = 0;  // 0: all checks passed (its reserve was larger)
    } smaller;
};

// The pedestal: entered, or from sizepdkl.dat by the column section.
struct PedestalResult {
    bool fromTable = false;
    bool found = false;
    float luc = 0, buc = 0;
};

// The punching of one face of the pyramid under the step above (or the pedestal), through a step of
// height h with the steps below it, whose face stands c from the base edge across a base side b: the
// largest ground pressure it carries, Rbt·bm·h0/A0 with A0 = b·(c − h0) − (c − h0)², bm = b − 2·c + h0.
// With Rbt of γb2 = 1 it gives the values the 1989 manual tabulates in its Appendix 3.
struct StepPunching {
    double h = 0, c = 0, across = 0;
    double h0 = 0;
    double A0 = 0, bm = 0;
    bool nothingOutside = false;  // c ≤ h0: the pyramid reaches the base edge
    double pAllowed = 0;          // kPa, with the Rbt used (γb2 in it)
    double pTable = 0;            // kPa, with Rb.dat's Rbt (γb2 = 1), as the manual's table
    bool ok = false;              // the pressure pmax ≤ pAllowed
};

// One level of the 1989 layout along a side: the steps 1..level, punched by the step above them.
struct StepLevel {
    int level = 0;
    StepPunching taken;        // at the overhang taken
    bool nextRefused = false;  // the next half module was refused by the check (else the pedestal stopped it)
    StepPunching next;
};

// The punching of the whole plate by the pedestal, as the 1989 manual checks it: the pyramid from
// the pedestal's faces to the bars, A0 = b·c0 − (cb0)², c0 = (l − luc)/2 − h0, cb0 = (b − buc)/2 − h0
// (no corner where cb0 ≤ 0), bm = buc + h0, F = pmax·A0 ≤ Rbt·bm·h0.
struct PlatePunching {
    double h = 0, h0 = 0, c0 = 0, cb0 = 0, A0 = 0, bm = 0;
    double F = 0, capacity = 0;  // kN
    bool ok = false;
};

// Pedestal and steps.
struct StepsResult {
    StepMethod method = StepMethod::K1Table;
    float bSearch = 0, lSearch = 0;  // the base the search chose
    float b = 0, l = 0;              // widened to the pedestal where it is larger
    double edge = 0;                 // combination 2's edge pressure, moment at the pedestal top, kPa
    float pK1 = 0;                   // (edge + NII/A)·0.001, MPa
    float h01 = 0;                   // effective depth of a 0.3 m bottom step
    int pyramidCase = 0;             // 1: 2·h01 > b − buc, 2: equal, 3: less
    float k1 = 0;                    // from k1.dat
    bool fitted = false;             // a step set of hstup.dat reaches the pedestal
    int setsTried = 0;
    double reach = 0;  // 2·(h0·k1 + hSteps − h1) of the set taken
    float hSteps = 0, huc = 0;
    int nSteps = 0;
    StepArray h{}, lStep{}, bStep{}, c{}, cb{};
    bool givenSteps = false;  // the user's heights, not hstup.dat's sets
    // by the 1989 manual: the 1st limit state's largest edge pressure of the column's loads alone
    // (and its combination), the plate's punching by the pedestal of each set tried (the last one is
    // the set taken), the levels of the set taken along l and along b
    float pmax = 0;
    int pmaxCombination = 0;
    std::vector<PlatePunching> trials;
    std::vector<StepLevel> levelsL, levelsB;
};

// Where a section of the bottom reinforcement is taken.
enum class SectionKind { StepBoundary, PedestalFace, ColumnFace };

// One section of the bottom reinforcement, for one combination.
struct ReinforcementSection {
    int combination = 0;
    SectionKind kind = SectionKind::StepBoundary;
    int step = 0;  // for a step boundary: the step above it
    double c = 0, h0 = 0;
    double p1 = 0, p2 = 0;  // edge and section pressures (equal across b)
    double M = 0;           // kN·m per metre
    double As = 0;          // m² per metre
};

struct ReinforcementSide {
    std::vector<ReinforcementSection> sections;  // every combination's
    int governing = -1;                          // index in sections of the largest As
    float side = 0, across = 0;                  // the bars' length and the width they spread over
    double required = 0;                         // As per metre · width, m²
    int count = 0;
    float diameter = 0;  // m
    float area = 0;      // m², provided
};

struct ReinforcementResult {
    ReinforcementSide alongL, alongB;
};

// One punching check.
struct PunchingCheck {
    bool ran = false;
    double conditionLeft = 0, conditionRight = 0;  // the geometry condition that decides whether it runs
    double h0 = 0;
    float prod_h = 0, bm = 0, prod_A = 0, prod_F = 0;
    double resistance = 0;  // by the pedestal: Rbt·1000·bm, kN/m
    double needed = 0;      // by the pedestal: F / (Rbt·1000·bm), m
    double capacity = 0;    // through the socket bottom: h0·Rbt·1000·bm/prod_A, kPa
    bool computable = false;
    bool fails = false;
};

struct PunchingResult {
    std::array<float, 4> p{}, pmax{}, pmin{};  // the 1st limit state, combinations 1..3
    float pI = 0, p12 = 0, pminI = 10000;
    PunchingCheck byPedestal;    // the pedestal's pyramid
    PunchingCheck socketBottom;  // the column through the socket bottom
    // the socket-bottom check's second condition (along b)
    double socketConditionRightB = 0;
};

// The checks after the stages: a step set that does not fit, steps taller than the foundation.
struct ClosingResult {
    bool noStepSet = false;
    bool stepsTooTall = false;
    float requiredHf = 0, requiredD = 0;
};

enum class CalculationStop {
    None,               // every stage ran
    PlanModule,         // d_l not positive
    PlanModuleTooFine,  // d_l below 1 cm
    HeightModule,       // d_h not positive
    NoBase,             // no admissible base up to 10 x 10 m
    NoPedestal,         // no pedestal for the column
};

struct CalculationResult {
    CalculationStop stop = CalculationStop::None;
    bool ran = false;  // the stages started (the modules were usable)
    DepthResult depth;
    BaseSizeResult base;
    PressureChecks pressuresII{};  // for the chosen base, combinations 1..3
    PedestalResult pedestal;
    bool stepsRan = false;
    StepsResult steps;
    ReinforcementResult reinforcement;
    PunchingResult punching;
    ClosingResult closing;
};

// The design as a whole, for those who show it (the documents, the JSON, the settlement, the
// windows): one function for each question, and for each value that more than one stage can give.

// The search found an admissible base: its sizes, R and pressures are results.
inline bool baseFound(const CalculationResult& r) { return r.base.found; }
// The base and its pedestal were found, so that the steps, the bars and the punching were designed:
// there is a foundation to tabulate and to draw.
inline bool foundationShaped(const CalculationResult& r) { return r.stepsRan; }
// The base's sides: widened to the pedestal once the steps were shaped, else as the search chose
// them (base.b, base.l).
inline float designedWidth(const CalculationResult& r) { return r.stepsRan ? r.steps.b : r.base.b; }
inline float designedLength(const CalculationResult& r) { return r.stepsRan ? r.steps.l : r.base.l; }
// The foundation's height and laying depth: those the depth stage gave, or those the steps need when
// they are taller (the closing check's).
inline float designedHeight(const CalculationResult& r) {
    return r.closing.stepsTooTall ? r.closing.requiredHf : r.depth.Hf;
}
inline float designedDepth(const CalculationResult& r) {
    return r.closing.stepsTooTall ? r.closing.requiredD : r.depth.d;
}

}  // namespace fundis
