// SPDX-License-Identifier: GPL-3.0-or-later
// The stages one at a time, on records and tables small enough to check by hand. (The reinforcement's
// bars are compared on every acceptance sample, its governing M and As recomputed from every note.)

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/calc/CheckPunching.h"
#include "core/calc/ReinforceBase.h"
#include "core/calc/ShapeSteps.h"
#include "core/calc/SizeBase.h"

using namespace fundis;

namespace {

CodeTables tablesOf(std::initializer_list<std::pair<const char*, const char*>> texts) {
    CodeTables tables;
    for (const auto& [name, text] : texts) {
        EXPECT_TRUE(parseCodeTable(name, text, name, tables).ok()) << name;
    }
    return tables;
}

// Each pair: the value got, the value expected (to single precision).
void expectValues(std::initializer_list<std::pair<double, double>> values, const std::string& what = "") {
    int i = 0;
    for (const auto& [got, want] : values) {
        EXPECT_NEAR(got, want, 2e-6 * std::max(1.0, std::fabs(want))) << what << " value " << ++i;
    }
}

// The inputs with the earlier stages' results a later stage reads, under their names.
struct Staged : ProjectRecord {
    float b = 0, l = 0, A = 0, Hf = 0, hSteps = 0;
    int nSteps = 0;
    StepArray h{}, lStep{}, bStep{};
};

// R = cii whatever the width: the bearing factors are 0, 0, 1 and the coefficients 1
ProjectRecord searchProject(float R, Combinations NII, Combinations MII = {}) {
    ProjectRecord data;
    data.d_l = 0.5f;
    data.Yc1 = data.Yc2 = data.k = 1;
    data.cii = R;
    data.fii = 10;
    data.NII = NII;
    data.MII = MII;
    return data;
}

// k1 = 4 in case 1, 2.5 in case 2 and 3 in case 3, whatever the pressure (one concrete class)
CodeTables stepTables(const char* heights) {
    return tablesOf({{"k1.dat", "# 1 2 3\n# 0 4 2.5 3\n# 5 4 2.5 3\n"}, {"hstup.dat", heights}});
}

Staged stepProject(float b, float pedestal) {
    Staged data;
    data.d_l = 0.3f;
    data.dz = 0.05f;
    data.da = 0.02f;  // h01 = 0.3 - 0.05 - 0.01 = 0.24
    data.b = data.l = b;
    data.A = b * b;
    data.NII = {0, 1000, 1000, 1000};
    data.Hf = 1.5f;
    data.lc = data.bc = 0.4f;
    data.luc = data.buc = pedestal;
    return data;
}

// The earlier stages' results a later stage reads, from the fields of the same names.
struct Earlier {
    DepthResult depth;
    BaseSizeResult base;
    PedestalResult pedestal;
    StepsResult steps;
};
Earlier earlier(const Staged& data) {
    Earlier stages;
    stages.depth.d = data.d;
    stages.depth.Hf = data.Hf;
    stages.base.found = stages.pedestal.found = true;
    stages.base.b = stages.steps.b = data.b;
    stages.base.l = stages.steps.l = data.l;
    stages.base.A = data.A;
    stages.pedestal.luc = data.luc;
    stages.pedestal.buc = data.buc;
    stages.steps.hSteps = data.hSteps;
    stages.steps.nSteps = data.nSteps;
    stages.steps.h = data.h;
    stages.steps.lStep = data.lStep;
    stages.steps.bStep = data.bStep;
    return stages;
}
StepsResult shape(const Staged& data, const CodeTables& tables) {
    const Earlier stages = earlier(data);
    return ShapeSteps(data, tables, stages.depth, stages.base, stages.pedestal, 1, 0);
}

const char* const kPedestalDebug = "Отладочные данные к расчету на продавливание от подколонника";

Staged punchingProject() {
    Staged data = stepProject(2.4f, 0.9f);
    data.d = 1.65f;
    data.hSteps = 0.6f;
    data.socketDepth = 0.9f;
    data.Rbt = 0.75f;
    data.NI = {0, 2000, 2000, 2000};
    return data;
}

std::vector<std::string> punchingLines(const Staged& data, bool debug, bool failures = false,
                                       PunchingResult* result = nullptr) {
    CalculationReport report('.');
    const Earlier stages = earlier(data);
    const PunchingResult punching =
        CheckPunching(data, stages.depth, stages.base, stages.pedestal, stages.steps, report, debug);
    if (result != nullptr) {
        *result = punching;
    }
    std::vector<std::string> lines;
    for (const ReportLine& line : report.lines()) {
        EXPECT_EQ(line.failure, failures) << line.text;
        EXPECT_TRUE(line.text.find("INF") == line.text.find("NAN")) << line.text;  // neither
        lines.push_back(line.text);
    }
    return lines;
}

}  // namespace

// The search over 0.5 m modules up to 10 m: of equal reserves the first in search order, the ratio
// b/l = 0.55 still admissible, the edge pressure up to 1.2 R and pmin down to 0 inclusive, no lifting off
TEST(SizeBase, SearchOrderBoundsAndEdgePressure) {
    const CodeTables tables = tablesOf({{"table4.dat", "# 1 2 3\n# 0 0 0 1\n# 45 0 0 1\n"}});
    CalculationReport report('.');
    int widths = 0;
    // 4.5 x 8 and 6 x 6 both use the soil fully; the narrower comes first
    const DepthResult depth;  // d = Hf = 0
    ProjectRecord data = searchProject(100, {0, 3600, 3000, 2000});
    BaseSizeResult base = SizeBase(data, tables, depth, report, false, [&] { ++widths; });
    EXPECT_TRUE(base.found);
    expectValues({{base.b, 4.5}, {base.l, 8}, {base.kzap, 0}, {base.A, 36}, {base.R, 100}});
    expectValues({{base.pEnv, 100}, {base.pmaxEnv, 100}, {base.pminEnv, 2000.0 / 36}, {widths, 20}});
    EXPECT_EQ(base.widthsTried, 20);
    EXPECT_TRUE(report.lines().empty());
    // the candidate before it, 4.5 x 7.5, carries 3600 kN at 106.7 kPa > R in combination 1
    ASSERT_TRUE(base.smaller.exists);
    expectValues({{base.smaller.b, 4.5}, {base.smaller.l, 7.5}, {base.smaller.checks[1].p, 3600 / 33.75}});
    EXPECT_EQ(base.smaller.failedCombination, 1);
    EXPECT_FALSE(base.smaller.checks[1].pOk);
    EXPECT_TRUE(base.smaller.checks[2].ok());
    // the only base of 55 m2 is 5.5 x 10; debug lists every admissible candidate
    data = searchProject(100, {0, 5500, 5500, 5500});
    base = SizeBase(data, tables, depth, report, true, {});
    EXPECT_TRUE(base.found);
    expectValues({{base.b, 5.5}, {base.l, 10}});
    EXPECT_EQ(report.lines().at(0).text, "kzap1= 0.000 b1= 5.500 l1= 10.000");
    EXPECT_EQ(static_cast<std::size_t>(base.admissible), report.lines().size());
    // 6 x 6: e = 800 / 36 = 22.2, pmax 122.2 > 120; 4.5 x 8: e = 800 / 48 = 16.7, pmax 116.7
    data = searchProject(100, {0, 3600, 3600, 3600}, {0, 800, 0, 0});
    base = SizeBase(data, tables, depth, report, false, {});
    EXPECT_TRUE(base.found);
    expectValues({{base.b, 4.5}, {base.l, 8}, {base.pmaxEnv, 100 + 800.0 / 48}});
    // a moment that lifts every base off: no size, and nothing of the earlier search left
    data.MII = {0, 1e7f, 0, 0};
    base = SizeBase(data, tables, depth, report, false, {});
    EXPECT_FALSE(base.found);
    for (float value : {base.b, base.l, base.A, base.kzap, base.R, base.pEnv, base.pmaxEnv, base.pminEnv}) {
        EXPECT_EQ(value, 0.0f);
    }
    // the limits are inclusive: on a 6 x 6 m base N = 2160 kN and M = 2160 kNm give p = 60, pmax = 120
    // = 1.2 R and pmin = 0 at R = 100: admissible, with no reserve, so the search takes it
    data = searchProject(100, {0, 2160, 2160, 2160}, {0, 2160, 2160, 2160});
    base = SizeBase(data, tables, depth, report, false, {});
    ASSERT_TRUE(base.found);
    expectValues({{base.b, 6}, {base.l, 6}, {base.kzap, 0}, {base.pmaxEnv, 120}, {base.pminEnv, 0}});
    const PressureChecks checks = checkPressuresII(data, Footing{6, 6, 36, 0, 0}, 100);
    EXPECT_TRUE(checks[1].pmaxOk && checks[1].pminOk && checks[1].ok());
}

// No fit (h[0] = -1): one step takes the whole distance; of several sets the last one read stands,
// without the heights of a longer set before it; 2 h01 = b - buc is the middle case
TEST(ShapeSteps, NoFitAndTheMiddleCase) {
    Staged data = stepProject(2.4f, 0.9f);
    data.b = 1.5f;
    StepsResult steps = shape(data, stepTables("# 0.3 0.3\n#\n"));
    EXPECT_EQ(steps.nSteps, 1);
    EXPECT_FALSE(steps.fitted);
    expectValues({{steps.h[0], -1}, {steps.c[1], 0.75}, {steps.cb[1], 0.3}});

    data = stepProject(9.0f, 0.9f);
    steps = shape(data, stepTables("# 0.9 0.3 0.3 0.3\n# 0.6 0.6\n#\n"));
    EXPECT_EQ(steps.nSteps, 1);
    EXPECT_EQ(steps.setsTried, 2);
    expectValues({{steps.h[0], -1}, {steps.hSteps, 0.6}, {steps.h[1], 0.6}, {steps.h[2], 0}});

    data = stepProject(1.5f, 1.0f);
    data.dz = 0.03125f;
    data.da = 0.0375f;  // h01 = 0.25, b - buc = 0.5
    steps = shape(data, stepTables("# 1.2 0.6 0.6\n#\n"));
    EXPECT_EQ(steps.pyramidCase, 2);
    EXPECT_EQ(steps.k1, 2.5f);
    // a pedestal wider than the base widens it; the search's area stays for the pressure pK1
    data = stepProject(1.5f, 1.0f);
    data.buc = 1.8f;
    steps = shape(data, stepTables("# 0.3 0.3\n#\n"));
    expectValues({{steps.b, 1.8}, {steps.bSearch, 1.5}, {steps.pK1, 1000.0 / 2.25 * 0.001}});
}

// The top step reaches the pedestal whatever the half-module grid leaves: with d_l = 1.2 m (a
// grid of 0.6 m) a 2.4 m base under a 0.9 m pedestal on steps 0.45 + 0.3 has c1 = 0.6, a second step
// 1.2 m wide and c2 = (1.2 - 0.9) / 2 = 0.15, not the grid's 0 with a pedestal that reaches nothing
TEST(ShapeSteps, TheTopStepReachesThePedestal) {
    Staged data = stepProject(2.4f, 0.9f);
    data.d_l = 1.2f;
    const StepsResult steps = shape(data, stepTables("# 0.75 0.45 0.3\n#\n"));
    ASSERT_TRUE(steps.fitted);
    EXPECT_EQ(steps.nSteps, 2);
    expectValues({{steps.c[1], 0.6},
                  {steps.lStep[2], 1.2},
                  {steps.c[2], 0.15},
                  {steps.cb[1], 0.6},
                  {steps.bStep[2], 1.2},
                  {steps.cb[2], 0.15}});
}

// The 1989 manual's step check, Rbt·bm·h0/A0 with A0 = b·(c − h0) − (c − h0)², bm = b − 2·c + h0, fits
// the four values of its Appendix 3 that its examples quote (B15, Rbt 0.75 MPa, h0 = h − 0.045 m) to
// 0.0035 MPa (0.556 5 and 0.383 3 against the table's 0.56 and 0.38; rounded to three places as the
// table is, within 0.003): the pressure a step of height h carries with its face c from the base edge
// across b.
// A face the pyramid puts past the base edge carries any pressure.
TEST(ManualSteps, TheStepCheckFitsTheManualsTable) {
    ProjectRecord data;
    data.Rbt = data.RbtTable = 0.75f;
    data.dz = 0.035f;
    data.da = 0.02f;
    // h, c, b; the formula's value and the table's, MPa
    const double rows[][5] = {
        {0.3, 0.6, 3.6, 0.452, 0.45},
        {0.6, 1.05, 3.6, 0.557, 0.56},
        {0.6, 1.2, 3.6, 0.383, 0.38},
        {0.3, 0.6, 4.5, 0.474, 0.475},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "h " << row[0] << ", c " << row[1] << ", b " << row[2]);
        const StepPunching check = stepPunching(row[0], row[1], row[2], 0.0, data);
        EXPECT_NEAR(check.pTable / 1000.0, row[3], 0.0005);
        EXPECT_NEAR(check.pTable / 1000.0, row[4], 0.0035);
        EXPECT_NEAR(std::round(check.pTable) / 1000.0, row[4], 0.003 + 1e-9);
        EXPECT_TRUE(check.ok);
        EXPECT_TRUE(stepPunching(row[0], row[1], row[2], check.pAllowed * 0.999, data).ok);
        EXPECT_FALSE(stepPunching(row[0], row[1], row[2], check.pAllowed * 1.001, data).ok);
    }
    const StepPunching inside = stepPunching(0.6, 0.5, 3.6, 1e6, data);
    EXPECT_TRUE(inside.nothingOutside && inside.ok);
}

// The 1989 layout along one side: a level goes as far as the check allows on the half module and no
// farther than the pedestal, the top step takes what is left. A 3.0 x 3.0 m base under a 1.2 m
// pedestal, steps 0.3 + 0.3, h0 = h − 0.05, Rbt 0.75 MPa, pmax 300 kPa: at c = 0.45 the bottom step
// carries 750·2.55·0.25/0.56 = 853.8 kPa, at 0.6 750·2.05·0.25/0.9275 = 414.4, at 0.75 ... 0.9 is the
// pedestal: the bottom level stops at 0.75 (750·1.75·0.25/1.2375 = 265.2 kPa refused), the top
// overhangs 0.9 − 0.6 = 0.3. With the pressure of 100 kPa the bottom step reaches the pedestal and the
// top step has none. The plate (h0 = 0.55, c0 = 0.35, A0 = 3·0.35 − 0.35² = 0.9275, bm = 1.75) carries
// 750·1.75·0.55 = 721.9 kN against F = 300·0.9275 = 278.3 kN.
TEST(ManualSteps, LevelsGoAsFarAsTheCheckAllows) {
    Staged data = stepProject(3.0f, 1.2f);
    data.stepMethod = StepMethod::Manual1989;
    data.Rbt = data.RbtTable = 0.75f;
    data.dz = 0.04f;
    data.NI = {0, 2700, 2700, 2700};  // 300 kPa on 9 m²
    data.A = 9.0f;
    StepsResult steps = shape(data, stepTables("# 0.6 0.3 0.3\n#\n"));
    ASSERT_TRUE(steps.fitted);
    ASSERT_EQ(steps.nSteps, 2);
    expectValues(
        {{steps.pmax, 300}, {steps.c[1], 0.6}, {steps.c[2], 0.3}, {steps.cb[1], 0.6}, {steps.cb[2], 0.3}});
    ASSERT_EQ(steps.levelsL.size(), 1u);
    EXPECT_TRUE(steps.levelsL[0].nextRefused);
    expectValues({{steps.levelsL[0].taken.pAllowed, 750 * 2.05 * 0.25 / 0.9275},
                  {steps.levelsL[0].next.c, 0.75},
                  {steps.trials.back().A0, 0.9275},
                  {steps.trials.back().F, 300 * 0.9275},
                  {steps.trials.back().capacity, 750 * 1.75 * 0.55}});
    data.NI = {0, 900, 900, 900};
    steps = shape(data, stepTables("# 0.6 0.3 0.3\n#\n"));
    expectValues({{steps.c[1], 0.9}, {steps.c[2], 0}});
    EXPECT_FALSE(steps.levelsL[0].nextRefused);
}

// The pedestal check runs when the pedestal's height reaches its overhang (Hf - hSteps = 0.25 =
// (luc - lc) / 2 exactly); failures are red even without debug; a base inside the column's pyramid
// has nothing to punch. (The socket bottom's capacity as an edge pressure the verification example
// punching_socket_allrefs.dan checks against the worked example.)
TEST(CheckPunching, WhenItRunsAndWhatFails) {
    Staged data = punchingProject();
    data.hSteps = 1.25f;
    std::vector<std::string> lines = punchingLines(data, true);
    EXPECT_NE(std::find(lines.begin(), lines.end(), kPedestalDebug), lines.end());
    data.hSteps = 1.26f;
    lines = punchingLines(data, true);
    EXPECT_EQ(std::find(lines.begin(), lines.end(), kPedestalDebug), lines.end());

    data = punchingProject();
    EXPECT_TRUE(punchingLines(data, false).empty());
    data.NI = {0, 40000, 40000, 40000};
    data.Rbt = 0.05f;
    lines = punchingLines(data, false, true);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1],
              "Не выполняется условие прочности фундамента на продавливание колонной от низа подколонника.");
    EXPECT_EQ(lines[4], "Не выполняется условие прочности фундамента на продавливание колонной дна стакана.");
    EXPECT_EQ(lines[5], "Необходимо увеличить толщину дна стакана.");

    data = punchingProject();
    data.b = data.l = 1.2f;
    data.A = 1.44f;
    data.NI = {0, 1e5f, 1e5f, 1e5f};
    PunchingResult punching;
    punchingLines(data, true, false, &punching);
    EXPECT_TRUE(punching.socketBottom.ran);
    EXPECT_FALSE(punching.socketBottom.computable);
    EXPECT_LE(punching.socketBottom.prod_A, 0.0f);

    // the socket bottom's pyramid must stay inside the pedestal's along b too: Hf - socket 0.7 is
    // below (luc - lc) / 2 + hSteps = 0.85 but not below (buc - bc) / 2 + hSteps = 0.65
    data = punchingProject();
    data.socketDepth = 0.8f;
    data.buc = 0.5f;
    punchingLines(data, false, false, &punching);
    EXPECT_FALSE(punching.socketBottom.ran);
    data.buc = 0.9f;
    punchingLines(data, false, false, &punching);
    EXPECT_TRUE(punching.socketBottom.ran);
}

// Punching through the socket bottom compares the edge pressure with the pressure the pyramid's
// faces carry. By hand: h0 = 0.6 - 0.05 - 0.01 = 0.54, bm = 0.4 + 0.54 = 0.94,
// prod_h = (2.4 - 0.4) / 2 - (0.6 + 0.05) = 0.35, prod_A = 0.35 * 2.4 - 0.35^2 = 0.7175,
// capacity = 0.54 * 750 * 0.94 / 0.7175 = 530.592 kPa; p12 = 2000 / 5.76 + 20 * 1.65 = 380.222 kPa.
// At N = 3000, p12 = 553.833 kPa goes past it, while the pedestal check (h0 = 0.54 against
// 553.833 * 0.3375 / (750 * 1.44) = 0.173) still passes. The largest of the three combinations
// counts, here the third.
TEST(CheckPunching, SocketBottomCapacityIsAnEdgePressure) {
    Staged data = punchingProject();
    data.A = 5.76f;
    data.NI = {0, 1000, 1500, 2000};
    PunchingResult punching;
    std::vector<std::string> lines = punchingLines(data, true, false, &punching);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "380.222  530.592");
    expectValues({{punching.socketBottom.h0, 0.54},
                  {punching.socketBottom.bm, 0.94},
                  {punching.socketBottom.prod_A, 0.7175},
                  {punching.socketBottom.capacity, 530.5923},
                  {punching.p12, 2000 / 5.76 + 33}});
    EXPECT_FALSE(punching.socketBottom.fails);

    data.NI = {0, 3000, 3000, 3000};
    lines = punchingLines(data, false, true);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "Не выполняется условие прочности фундамента на продавливание колонной дна стакана.");
}

// Across b the pressure is uniform, the 1st limit state's p = NI / A + 20 d, and each section is a
// cantilever: M = p * c^2 / 2. By hand, for a 3.3 x 2.7 m base at d = 1.5 under NI = 1500 kN
// (NII = 1000 kN, which must not count; NI of the other two combinations is smaller): p = 1500 / 8.91 + 30 =
// 198.350 kPa; at the column face c = (2.7 - 0.4) / 2 = 1.15, M = 198.350 * 1.3225 / 2 = 131.159 kNm/m, h0 =
// 0.6 - 0.05 - 0.01 = 0.54, As = 131.159 / (0.9 * 0.54 * 365000) * 3.3 = 24.40 cm2 (the pedestal face, c =
// 0.9, needs less). The bars of side b run along b and lie across l = 3.3 m on a 0.2 m grid: trunc(16.5) + 1
// = 17 bars, d = sqrt(24.40 / 17 * 4 / pi) = 13.5 mm -> 14 mm, 26.17 cm2; those of side l lie across b = 2.7
// m: 14 bars. NII in place of NI (with or without a factor 1.1) would have given other steel.
TEST(ReinforceBase, AcrossBTheCantileverMomentOfTheFirstLimitState) {
    Staged data;
    data.b = 2.7f;
    data.l = 3.3f;
    data.A = 8.91f;
    data.d = data.Hf = 1.5f;
    data.socketDepth = 0.9f;
    data.nSteps = 1;
    data.hSteps = 0.6f;
    data.luc = data.buc = 0.9f;
    data.lc = data.bc = 0.4f;
    data.dz = 0.05f;
    data.da = 0.02f;
    data.Rs = 365000.0f;
    data.NII = {0, 1000, 1000, 1000};
    data.NI = {0, 1000, 1200, 1500};  // the third combination governs
    CalculationReport report('.');
    const Earlier stages = earlier(data);
    const ReinforcementResult bars =
        ReinforceBase(data, stages.depth, stages.base, stages.pedestal, stages.steps, report);
    EXPECT_EQ(bars.alongB.count, 17);
    EXPECT_EQ(bars.alongL.count, 14);
    EXPECT_NEAR(bars.alongB.diameter, 0.014, 1e-6);
    EXPECT_NEAR(bars.alongB.area * 1e4, 26.17, 0.01);
    // the governing section is the column face of combination 3
    ASSERT_GE(bars.alongB.governing, 0);
    const ReinforcementSection& governing =
        bars.alongB.sections[static_cast<std::size_t>(bars.alongB.governing)];
    EXPECT_EQ(governing.kind, SectionKind::ColumnFace);
    EXPECT_EQ(governing.combination, 3);
    EXPECT_NEAR(governing.c, 1.15, 1e-6);
    EXPECT_NEAR(governing.h0, 0.54, 1e-6);
    EXPECT_NEAR(governing.M, 131.159, 1e-3);
    EXPECT_NEAR(bars.alongB.required * 1e4, 24.40, 0.01);
}

// Bars on a 0.2 m grid across the width they are spread over, a bar at each edge, with a
// millimetre's tolerance: 1.8 m (1.7999999 as a float) takes 10 bars, not 9; the minimum diameter
// goes by the bar's own length (10 mm up to 3 m, 12 mm beyond), not by the width.
TEST(ReinforceBase, BarsCountedOnTheGridAcrossTheirWidth) {
    const struct {
        float across, length;
        int count;
        float smallest;  // the diameter for a negligible area
    } rows[] = {{1.8f, 2.1f, 10, 0.010f}, {2.4f, 2.4f, 13, 0.010f}, {3.0f, 3.6f, 16, 0.012f},
                {3.6f, 3.0f, 19, 0.010f}, {4.2f, 4.2f, 22, 0.012f}, {2.7f, 3.3f, 14, 0.012f},
                {3.3f, 2.7f, 17, 0.010f}, {1.85f, 2.0f, 10, 0.010f}};
    for (const auto& row : rows) {
        const BarChoice bars = chooseBars(1e-6, row.across, row.length);
        EXPECT_EQ(bars.count, row.count) << row.across;
        EXPECT_FLOAT_EQ(bars.diameter, row.smallest) << row.across << " x " << row.length;
    }
}
