#include <gtest/gtest.h>

#include "calc/CalculationReport.h"
#include "calc/CheckPunching.h"
#include "calc/ShapeSteps.h"
#include "calc/TableLookup.h"

using namespace fundis;

namespace {

// k1 = 4 in case 1, 2.5 in case 2 and 3 in case 3, whatever the pressure (one class)
const char* const kRatios = "# 1 2 3\n# 0 4 2.5 3\n# 5 4 2.5 3\n";

TableSet stepTables(const std::string& heights) {
    return TableSet::inMemory({{"k1.dat", kRatios},
                               {"hstup.dat", heights},
                               {"sizepdkl.dat", "# 0.4 0.4 0.9 0.9\n# 0.6 0.4 1.2 0.9\n#\n"}});
}

TProjectData stepProject() {
    TProjectData data;
    data.d_l = 0.3f;
    data.dz = 0.05f;
    data.da = 0.02f;  // h01 = 0.3 - 0.05 - 0.01 = 0.24
    data.b = data.l = 2.4f;
    data.A = 2.4f * 2.4f;
    data.NII = {0, 1000, 1000, 1000};
    data.Hf = 1.5f;
    data.lc = data.bc = 0.4f;
    data.luc = data.buc = 0.9f;
    return data;
}

}  // namespace

TEST(PedestalLookup, TakesBothSidesFromTheTableWhenOneIsMissing) {
    const TableSet tables = stepTables("# 0.3 0.3\n#\n");
    TProjectData data = stepProject();
    data.lc = 0.6f;
    data.bc = 0.4f;
    data.luc = 1.5f;
    data.buc = 0;
    lookUpPedestal(data, tables);
    EXPECT_FLOAT_EQ(data.luc, 1.2f);
    EXPECT_FLOAT_EQ(data.buc, 0.9f);

    // both entered: the table is not even read
    const TableSet noTable = TableSet::inMemory({});
    data.luc = 1.5f;
    data.buc = 1.2f;
    EXPECT_NO_THROW(lookUpPedestal(data, noTable));
    EXPECT_FLOAT_EQ(data.luc, 1.5f);

    // a column the table does not know leaves the pedestal at 0
    data.lc = 0.45f;
    data.luc = data.buc = 0;
    lookUpPedestal(data, tables);
    EXPECT_FLOAT_EQ(data.buc, 0.0f);
}

TEST(ShapeSteps, FirstFittingSetAndHalfModuleOverhangs) {
    // case 3 (2 h01 = 0.48 < b - buc = 2.1): k1 = 3; the first set reaches 2.7 - 1.44 = 1.26 > 0.6,
    // the second 2.7 - 2 (0.72 + 0.35) = 0.56 <= 0.6
    const TableSet tables = stepTables("# 0.3 0.3\r\n# 0.65 0.3 0.35\r\n# 0.9 0.3 0.3 0.3\r\n#\r\n");
    TProjectData data = stepProject();
    data.b = data.l = 2.7f;
    data.A = 2.7f * 2.7f;
    data.luc = data.buc = 0.6f;
    ShapeSteps(data, tables, 1, 0);
    EXPECT_FLOAT_EQ(data.k1, 3.0f);
    EXPECT_FLOAT_EQ(data.h[0], 0.0f);
    EXPECT_FLOAT_EQ(data.hSteps, 0.65f);
    EXPECT_EQ(data.nSteps, 2);
    EXPECT_FLOAT_EQ(data.c[1], 0.6f);  // 0.72 rounded down to 0.15 m multiples
    EXPECT_FLOAT_EQ(data.lStep[2], 1.5f);
    EXPECT_FLOAT_EQ(data.c[2], 0.3f);  // a 0.35 step overhangs 0.3
    EXPECT_FLOAT_EQ(data.cb[1], 0.6f);
    EXPECT_FLOAT_EQ(data.cb[2], 0.3f);
    EXPECT_FLOAT_EQ(data.bStep[2], 1.5f);
    EXPECT_FLOAT_EQ(data.h[3], 0.0f);
    EXPECT_FLOAT_EQ(data.huc, 0.85f);
    EXPECT_NEAR(data.pK1, 1000 / (2.7 * 2.7) * 0.001, 1e-7);
}

TEST(ShapeSteps, SingleStepTakesTheWholeDistance) {
    const TableSet tables = stepTables("# 0.3 0.3\n#\n");
    TProjectData data = stepProject();
    data.b = 1.5f;
    ShapeSteps(data, tables, 1, 0);
    ASSERT_EQ(data.nSteps, 1);
    EXPECT_FLOAT_EQ(data.h[0], -1.0f);  // 2.4 does not reach 0.9 with one 0.3 step: no fit
    EXPECT_FLOAT_EQ(data.c[1], 0.75f);
    EXPECT_FLOAT_EQ(data.cb[1], 0.3f);
}

TEST(ShapeSteps, EqualPyramidWidthSelectsTheMiddleCase) {
    const TableSet tables = stepTables("# 1.2 0.6 0.6\n#\n");
    TProjectData data = stepProject();
    data.dz = 0.03125f;
    data.da = 0.0375f;  // h01 = 0.25
    data.b = 1.5f;      // b - buc = 0.5 = 2 h01
    data.buc = 1.0f;
    ShapeSteps(data, tables, 1, 0);
    EXPECT_FLOAT_EQ(data.k1, 2.5f);
}

TEST(ShapeSteps, ShorterSetAfterALongerOneEndsWithItsOwnHeight) {
    const TableSet tables = stepTables("# 0.9 0.3 0.3 0.3\n# 0.6 0.6\n#\n");
    TProjectData data = stepProject();
    data.l = data.b = 9.0f;  // nothing fits: the layout comes from the last set read
    ShapeSteps(data, tables, 1, 0);
    EXPECT_FLOAT_EQ(data.h[0], -1.0f);
    EXPECT_FLOAT_EQ(data.hSteps, 0.6f);
    EXPECT_FLOAT_EQ(data.h[1], 0.6f);
    EXPECT_FLOAT_EQ(data.h[2], 0.0f);
    EXPECT_EQ(data.nSteps, 1);
}

TEST(ShapeSteps, UnclosedStepTableEndsAtTheFileEnd) {
    const TableSet tables = stepTables("# 0.3 0.3\n# 0.45 0.45");
    TProjectData data = stepProject();
    data.l = data.b = 9.0f;
    ShapeSteps(data, tables, 1, 0);
    EXPECT_FLOAT_EQ(data.h[0], -1.0f);
    EXPECT_FLOAT_EQ(data.hSteps, 0.45f);
}

namespace {

TProjectData punchingProject() {
    TProjectData data;
    data.b = data.l = 2.4f;
    data.A = 2.4f * 2.4f;
    data.d = 1.65f;
    data.Hf = 1.5f;
    data.hSteps = 0.6f;
    data.luc = data.buc = 0.9f;
    data.lc = data.bc = 0.4f;
    data.socketDepth = 0.9f;
    data.dz = 0.05f;
    data.da = 0.02f;
    data.Rbt = 0.75f;
    data.NI = {0, 2000, 2000, 2000};
    return data;
}

}  // namespace

TEST(CheckPunching, CornersAreCutWhereThePyramidLeavesLessRoomAlongB) {
    TProjectData data = punchingProject();
    data.luc = data.buc = 0.8f;
    CalculationReport report('.');
    CheckPunching(data, report, true);
    const double p = 2000 / (2.4 * 2.4) + 20 * 1.65;
    EXPECT_NEAR(data.p12, p, 1e-3);
    EXPECT_NEAR(data.pI, p, 1e-3);
    EXPECT_NEAR(data.pminI, p, 1e-3);
    // check 2 ran last: socket bottom 0.6 above the base, below the pedestal's pyramid
    EXPECT_NEAR(data.prod_h, (2.4 - 0.4) / 2 - (0.6 + 0.05), 1e-6);
    ASSERT_GE(report.lines().size(), 2u);
    EXPECT_EQ(report.lines()[0].text, "");
    EXPECT_EQ(report.lines()[1].text, "Отладочные данные к расчету на продавливание от подколонника");
    // square base and pedestal: e = 0 < prod_h = 0.2, so the corners come off
    EXPECT_EQ(report.lines()[3].text, "prod_А = 0.440");

    // a long base: e = (2.1 - 1.1) / 2 = 0.5 >= prod_h = 0.45, nothing is cut
    TProjectData longBase = punchingProject();
    longBase.l = 3.0f;
    longBase.b = 2.0f;
    longBase.A = 6.0f;
    CalculationReport second('.');
    CheckPunching(longBase, second, true);
    EXPECT_EQ(second.lines()[3].text, "prod_А = 0.900");
}

TEST(CheckPunching, PedestalCheckRunsWithinTheTolerance) {
    TProjectData data = punchingProject();
    data.hSteps = 1.25f;  // Hf - hSteps = 0.25 = (luc - lc) / 2
    data.socketDepth = 1.5f;
    CalculationReport report('.');
    CheckPunching(data, report, true);
    bool pedestalDebug = false;
    for (const ReportLine& line : report.lines()) {
        pedestalDebug |= line.text == "Отладочные данные к расчету на продавливание от подколонника";
    }
    EXPECT_TRUE(pedestalDebug);

    data.hSteps = 1.26f;
    CalculationReport second('.');
    CheckPunching(data, second, true);
    for (const ReportLine& line : second.lines()) {
        EXPECT_NE(line.text, "Отладочные данные к расчету на продавливание от подколонника");
    }
}

TEST(CheckPunching, FailuresAreRedAndQuietWithoutDebug) {
    TProjectData data = punchingProject();
    data.NI = {0, 40000, 40000, 40000};
    data.Rbt = 0.05f;
    CalculationReport report('.');
    CheckPunching(data, report, false);
    ASSERT_EQ(report.lines().size(), 6u);
    for (const ReportLine& line : report.lines()) {
        EXPECT_TRUE(line.failure);
    }
    EXPECT_EQ(report.lines()[1].text,
              "Не выполняется условие прочности фундамента на продавливание колонной от низа подколонника.");
    EXPECT_EQ(report.lines()[4].text,
              "Не выполняется условие прочности фундамента на продавливание колонной дна стакана.");
    EXPECT_EQ(report.lines()[5].text, "Необходимо увеличить толщину дна стакана.");

    TProjectData sound = punchingProject();
    CalculationReport quiet('.');
    CheckPunching(sound, quiet, false);
    EXPECT_TRUE(quiet.lines().empty());
}

TEST(CheckPunching, NothingOutsideThePyramidPasses) {
    TProjectData data = punchingProject();
    data.b = data.l = 1.2f;  // the column's pyramid covers the whole base
    data.A = 1.44f;
    data.NI = {0, 1e5f, 1e5f, 1e5f};
    CalculationReport report('.');
    CheckPunching(data, report, true);
    EXPECT_LE(data.prod_A, 0.0f);
    for (const ReportLine& line : report.lines()) {
        EXPECT_FALSE(line.failure) << line.text;
        EXPECT_EQ(line.text.find("INF"), std::string::npos);
        EXPECT_EQ(line.text.find("NAN"), std::string::npos);
    }
}
