// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settlement/Settlement.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace fundis;

namespace {

SettlementData soil(std::vector<SoilLayer> layers, double su = 0.08) { return {std::move(layers), su}; }

}  // namespace

// α for the centre of a rectangle against the rounded values of the code's table
TEST(Settlement, AlphaMatchesTheCodeTable) {
    const struct {
        double eta, zeta, alpha;
    } rows[] = {{1, 0.4, 0.960}, {1, 0.8, 0.800}, {1, 2.0, 0.336}, {10, 0.8, 0.881}};
    for (const auto& row : rows) {
        EXPECT_NEAR(alphaRectangle(row.zeta, row.eta), row.alpha, 5e-4) << row.eta << " " << row.zeta;
    }
    EXPECT_EQ(alphaRectangle(0, 1), 1.0);
    EXPECT_EQ(alphaRectangle(0, 10), 1.0);
}

// b = l = 2 m, d = 1 m, one layer γ = 20, E = 10 MPa, pEnv = 40 kPa; by hand:
//   σzg0 = 20·1 = 20, p0 = 40 − 20 = 20, η = 1, sublayers of 0.4·2 = 0.8 m
//   α(0.8) = 0.7997, α(1.6) = 0.4492 (ζ = z here)
//   f(0.8) = 20·0.7997 − 0.2·20·1.8 = 8.794;  f(1.6) = 20·0.4492 − 0.2·20·2.6 = −1.415
//   Hc = 0.8 + 0.8·8.794 / (8.794 + 1.415) = 1.4891, α(1.4891) = 0.4881, σzp(Hc) = 9.763
//   s1 = 0.8·(20 + 15.994)/2·0.8/10000 = 1.1518e-3
//   s2 = 0.8·(15.994 + 9.763)/2·(1.4891 − 0.8)/10000 = 7.100e-4;  s = 1.8618e-3 m
TEST(Settlement, OneLayerByHand) {
    const SettlementResult r = computeSettlement(2, 2, 1, 40, soil({{5, 20, 10}}, 0.0018));
    ASSERT_TRUE(r.status.ok()) << r.status.message();
    EXPECT_DOUBLE_EQ(r.sigmaZg0, 20);
    EXPECT_DOUBLE_EQ(r.p0, 20);
    EXPECT_NEAR(r.Hc, 1.4891, 1e-4);
    ASSERT_EQ(r.sublayers.size(), 2u);
    EXPECT_NEAR(r.sublayers[0].s, 1.1518e-3, 1e-7);
    EXPECT_DOUBLE_EQ(r.sublayers[1].z2, r.Hc);
    EXPECT_NEAR(r.sublayers[1].sigmaZp, 9.763, 1e-3);
    EXPECT_NEAR(r.sublayers[1].sigmaZg, 20 * (1 + r.Hc), 1e-9);
    EXPECT_NEAR(r.sublayers[1].s, 7.100e-4, 1e-7);
    EXPECT_NEAR(r.s, 1.8618e-3, 1e-7);
    EXPECT_TRUE(r.exceeds);  // 1.86 mm > 1.8 mm
}

// k = 0.1 when the layer holding Hc(0.2) = 1.49 m, or the one right beneath it, has E < 5 MPa
TEST(Settlement, WeakLayerAtTheBoundaryHalvesTheFactor) {
    const struct {
        const char* what;
        std::vector<SoilLayer> layers;
        double k;
    } rows[] = {
        {"Hc in the weak layer", {{3, 20, 4}, {2, 20, 10}, {1, 20, 10}}, 0.1},
        {"the weak one right beneath", {{3, 20, 10}, {2, 20, 4}, {1, 20, 10}}, 0.1},
        {"two layers down", {{3, 20, 10}, {2, 20, 10}, {1, 20, 4}}, 0.2},
        {"weak above the base", {{0.5, 20, 4}, {2.5, 20, 10}, {2, 20, 10}, {1, 20, 10}}, 0.2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const SettlementResult r = computeSettlement(2, 2, 1, 40, soil(row.layers));
        ASSERT_TRUE(r.status.ok());
        EXPECT_EQ(r.k, row.k);
        // the smaller factor takes the boundary deeper
        EXPECT_NEAR(r.Hc, row.k == 0.1 ? 2.14 : 1.49, 0.03);
    }
}

// p0 ≤ 0: no additional pressure, no settlement, not a failure; p0 = 3 is below 0.2·σzg0 = 4 already:
// the zone ends at the base
TEST(Settlement, NoAdditionalPressureGivesNoSettlement) {
    for (double pEnv : {20.0, 5.0, 23.0}) {
        SCOPED_TRACE(::testing::Message() << "pEnv " << pEnv);
        const SettlementResult r = computeSettlement(2, 2, 1, pEnv, soil({{5, 20, 10}}));
        ASSERT_TRUE(r.status.ok());
        EXPECT_EQ(r.noAdditionalPressure, pEnv <= 20);
        EXPECT_DOUBLE_EQ(r.p0, pEnv - 20);
        EXPECT_TRUE(r.s == 0 && r.Hc == 0 && r.sublayers.empty() && !r.exceeds);
    }
}

TEST(Settlement, FailuresSayWhatIsMissing) {
    for (auto [b, l] : {std::pair{0.0, 2.0}, {2.0, 0.0}, {-1.0, 2.0}}) {
        SCOPED_TRACE(::testing::Message() << "b " << b << ", l " << l);
        EXPECT_EQ(computeSettlement(b, l, 1, 300, soil({{5, 20, 10}})).status.message(),
                  "Сначала выполните расчет фундамента.");
    }
    // weightless soil: σzp never falls to 0.2·σzg
    EXPECT_EQ(computeSettlement(2, 2, 1, 300, soil({{5, 0, 10}})).status.message(),
              "Нижняя граница сжимаемой толщи не найдена до глубины 100 м ниже подошвы.");
}

// b = 1: sublayers of at most 0.4 m; the 1.2 m layer makes exactly three, though below d = 1 its
// part comes out a little over 3·0.4 in binary
TEST(Settlement, SublayersStartAtTheBaseAndAtEachLayerBoundary) {
    const struct {
        double d;
        std::vector<double> z2, E;
    } rows[] = {
        {1.0, {0.25, 0.5, 0.9, 1.3, 1.7, 2.1}, {11, 11, 22, 22, 22, 33}},  // base inside layer 1
        {1.5, {0.4, 0.8, 1.2, 1.6}, {22, 22, 22, 33}},                     // base on the boundary
        {3.0, {0.4, 0.8, 1.2}, {33, 33, 33}},                              // base in the last layer
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "d " << row.d);
        const SettlementData data = soil({{1.5, 1, 11}, {1.2, 1, 22}, {0.5, 1, 33}});
        const SettlementResult r = computeSettlement(1, 1, row.d, 2000, data);
        ASSERT_TRUE(r.status.ok());
        ASSERT_GE(r.sublayers.size(), row.z2.size());
        for (std::size_t i = 0; i < row.z2.size(); ++i) {
            EXPECT_NEAR(r.sublayers[i].z1, i == 0 ? 0 : row.z2[i - 1], 1e-9) << row.d << " #" << i;
            EXPECT_NEAR(r.sublayers[i].z2, row.z2[i], 1e-9) << row.d << " #" << i;
            EXPECT_EQ(r.sublayers[i].E, row.E[i]) << row.d << " #" << i;
        }
    }
}
