#include <gtest/gtest.h>

#include <cmath>

#include "calc/CalculationReport.h"
#include "calc/CheckPunching.h"
#include "calc/FoundationDepth.h"
#include "calc/ReinforceBase.h"
#include "calc/ShapeSteps.h"
#include "calc/SizeBase.h"
#include "calc/TableLookup.h"

using namespace fundis;

namespace {

// R = cii whatever the width: the bearing factors are 0, 0, 1 and the coefficients 1
TableSet constantResistanceTables() {
    return TableSet::inMemory({{"table4.dat", "# 1 2 3\n# 0 0 0 1\n# 45 0 0 1\n"}});
}

TProjectData searchProject(float d_l, float R) {
    TProjectData data;
    data.d_l = d_l;
    data.Yc1 = data.Yc2 = data.k = 1;
    data.cii = R;
    data.fii = 10;
    return data;
}

}  // namespace

// Frost depth, the socket minimum and the rounding to the height module
TEST(FoundationDepth, ComputesDepthAndRoundsHeight) {
    struct Row {
        float enteredD, groundLevel, socketBottom;
        float dfn, df, d, Hf;
    };
    const Row rows[] = {
        // Mt 49, d0 0.23, kh 0.7: the socket minimum 1.35 wins, Hf 1.2 is on the module
        {0.0f, 0.0f, 0.6f, 1.61f, 1.127f, 1.35f, 1.2f},
        // entered d: frost depth untouched (stays at the marker value), raised to the socket minimum
        {1.0f, 0.0f, 0.6f, -7.0f, -7.0f, 1.35f, 1.2f},
        // an entered d giving Hf 1.25 goes up to 1.5
        {1.4f, 0.0f, 0.6f, -7.0f, -7.0f, 1.65f, 1.5f},
        // a deeper frost line than the socket needs: 1.127 -> Hf 0.977 -> 1.2
        {0.0f, 0.0f, 0.2f, 1.61f, 1.127f, 1.35f, 1.2f},
    };
    for (const Row& row : rows) {
        TProjectData data;
        data.Mt = 49;
        data.d0 = 0.23f;
        data.kh = 0.7f;
        data.dfn = data.df = -7.0f;
        data.d = row.enteredD;
        data.socketDepth = 0.6f;
        data.socketBottom = row.socketBottom;
        data.pedestalTop = -0.15f;
        data.groundLevel = row.groundLevel;
        data.d_h = 0.3f;
        computeFoundationDepth(data);
        EXPECT_NEAR(data.dfn, row.dfn, 1e-6) << row.enteredD;
        EXPECT_NEAR(data.df, row.df, 1e-6) << row.enteredD;
        EXPECT_NEAR(data.d, row.d, 1e-6) << row.enteredD;
        EXPECT_NEAR(data.Hf, row.Hf, 1e-6) << row.enteredD;
    }
}

TEST(FoundationDepth, HeightOnTheModuleStays) {
    TProjectData data;
    data.d = 0.9f;  // with pedestalTop 0 and no socket, Hf = 0.9 exactly three modules
    data.d_h = 0.3f;
    computeFoundationDepth(data);
    EXPECT_FLOAT_EQ(data.Hf, 0.9f);
    data.d = 0.91f;
    computeFoundationDepth(data);
    EXPECT_FLOAT_EQ(data.Hf, 1.2f);
}

// The search: bounds inclusive, ties kept in search order, no admissible size left at d_l x d_l
TEST(SizeBase, KeepsTheFirstOfEqualReserves) {
    const TableSet tables = constantResistanceTables();
    TProjectData data = searchProject(0.5f, 100);
    data.NII = {0, 3600, 3000, 2000};
    CalculationReport report('.');
    int widths = 0;
    SizeBase(data, tables, report, false, [&] { ++widths; });
    // 4.5 x 8 and 6 x 6 both use the soil fully; the narrower comes first
    EXPECT_FLOAT_EQ(data.b, 4.5f);
    EXPECT_FLOAT_EQ(data.l, 8.0f);
    EXPECT_FLOAT_EQ(data.kzap, 0.0f);
    EXPECT_FLOAT_EQ(data.A, 36.0f);
    EXPECT_FLOAT_EQ(data.R, 100.0f);
    EXPECT_FLOAT_EQ(data.pEnv, 100.0f);
    EXPECT_FLOAT_EQ(data.pmaxEnv, 100.0f);
    EXPECT_NEAR(data.pminEnv, 2000.0f / 36, 1e-4);
    EXPECT_EQ(widths, 20);
    EXPECT_TRUE(report.lines().empty());
}

TEST(SizeBase, RatioBoundIsInclusive) {
    const TableSet tables = constantResistanceTables();
    TProjectData data = searchProject(0.5f, 100);
    data.NII = {0, 5500, 5500, 5500};  // the only base of 55 m2 is 5.5 x 10, ratio 0.55
    CalculationReport report('.');
    SizeBase(data, tables, report, true, {});
    EXPECT_FLOAT_EQ(data.b, 5.5f);
    EXPECT_FLOAT_EQ(data.l, 10.0f);
    EXPECT_FLOAT_EQ(data.kzap, 0.0f);
    ASSERT_FALSE(report.lines().empty());
    EXPECT_EQ(report.lines().front().text, "kzap1= 0.000 b1= 5.500 l1= 10.000");
}

TEST(SizeBase, EdgePressureAndLiftOffDecide) {
    const TableSet tables = constantResistanceTables();
    TProjectData data = searchProject(0.5f, 100);
    data.NII = {0, 3600, 3600, 3600};
    data.MII = {0, 800, 0, 0};
    // 6 x 6: e = 800 / 36 = 22.2, pmax 122.2 > 120; 4.5 x 8: e = 800 / 48 = 16.7, pmax 116.7
    CalculationReport report('.');
    SizeBase(data, tables, report, false, {});
    EXPECT_FLOAT_EQ(data.b, 4.5f);
    EXPECT_FLOAT_EQ(data.l, 8.0f);
    EXPECT_NEAR(data.pmaxEnv, 100 + 800.0 / 48, 1e-3);

    // a moment that lifts every base off: nothing is admissible
    data.MII = {0, 1e7f, 0, 0};
    data.R = 123;
    SizeBase(data, tables, report, false, {});
    EXPECT_FLOAT_EQ(data.b, 0.5f);
    EXPECT_FLOAT_EQ(data.l, 0.5f);
    EXPECT_FLOAT_EQ(data.kzap, 1.0f);
    EXPECT_FLOAT_EQ(data.A, 0.25f);
    EXPECT_FLOAT_EQ(data.R, 123.0f);
}

TEST(SizeBase, ThirtyThreeWidthsOnTheUsualModule) {
    const TableSet tables = constantResistanceTables();
    TProjectData data = searchProject(0.3f, 300);
    data.NII = {0, 1000, 1000, 1000};
    CalculationReport report('.');
    int widths = 0;
    SizeBase(data, tables, report, false, [&] { ++widths; });
    EXPECT_EQ(widths, 33);
    EXPECT_FLOAT_EQ(data.kz, 1.0f);
    EXPECT_GE(data.kzap, 0.0f);
    EXPECT_LT(data.kzap, 1.0f);
    EXPECT_GE(data.A * 300, 1000.0f);
}

// Bars: a 0.2 m grid, even millimetres always above, 10 or 12 mm at least
TEST(ChooseBars, CountAndDiameter) {
    struct Row {
        double diameterMm;  // the computed diameter the required area corresponds to
        float side;
        int count;
        float chosenMm;
    };
    const Row rows[] = {
        {11.3, 2.1f, 11, 12}, {12.0, 2.1f, 11, 14}, {16.0, 2.4f, 13, 18}, {5.0, 3.0f, 16, 10},
        {5.0, 3.3f, 17, 12},  {0.0, 1.8f, 9, 10},   {13.9, 3.6f, 18, 14},
    };
    for (const Row& row : rows) {
        const int count = static_cast<int>(5.0 * row.side) + 1;
        const double d = row.diameterMm / 1000.0;
        const double area = count * 3.1415926 * d * d / 4.0;
        const BarChoice bars = chooseBars(area * (1 + 1e-9), row.side);
        EXPECT_EQ(bars.count, row.count) << row.side;
        EXPECT_NEAR(bars.diameter * 1000, row.chosenMm, 1e-4) << row.diameterMm;
        EXPECT_NEAR(bars.area, 3.1415926 * bars.diameter * bars.diameter * 0.25 * bars.count, 1e-9);
    }
}
