// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quantities/BillOfMaterials.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/project/ProjectPass.h"
#include "support/SampleProject.h"

using namespace fundis;

namespace {

// The sand project under heavier loads, on a thicker socket bottom: it comes out at
// l × b = 3.3 × 2.7 m on three steps, every check met.
ProjectPass heavySandPass() {
    using T = TextField;
    ProjectForm form = sandProjectForm();
    const std::pair<T, const char*> texts[] = {
        {T::MII1, "95"},    {T::NII1, "2750"},  {T::QII1, "22"},         {T::MII2, "47.5"},
        {T::NII2, "3025"},  {T::QII2, "11"},    {T::MII3, "57"},         {T::NII3, "2612.5"},
        {T::QII3, "33"},    {T::MI1, "109.2"},  {T::NI1, "3162.5"},      {T::QI1, "25.3"},
        {T::MI2, "54.6"},   {T::NI2, "3478.8"}, {T::QI2, "12.6"},        {T::MI3, "65.5"},
        {T::NI3, "3004.4"}, {T::QI3, "37.9"},   {T::socketBottom, "0.8"}};
    for (const auto& [field, text] : texts) {
        form.text(field) = text;
    }
    PassOptions options;
    options.tablesDir = FUNDIS_TABLES_DIR;
    return runProjectPass(form, options);
}

}  // namespace

// By hand, for the design the pass gives (checked first): l × b = 3300 × 2700 mm; steps
// 450 × 3300 × 2700, 450 × 2400 × 1800, 300 × 1500 × 900; pedestal 900 × 900, Hf = 1800, so its
// height is 1800 − 1200 = 600; socket 750 deep around a 400 × 400 column; dz = 70; Rs = 365 MPa
// (А-III); d = 1950 from the ground at ±0.000, the pedestal top at −0.150; γ'II = 18.
//
// Bars 1, along l: Ø20, 3300 − 2·70 = 3160 mm, trunc(5·2.7) + 1 = 14 of them, spacing
//   (2700 − 140 − 20)/13 = 195.4 → 195; a metre 7850·π·0.020²/4 = 2.46615 → 2.466 kg, a bar
//   2.466·3.16 = 7.7926 → 7.79 kg, the position 14·7.79 = 109.06 kg.
// Bars 2, along b: Ø16, 2700 − 140 = 2560 mm, trunc(5·3.3) + 1 = 17, spacing (3300 − 140 − 16)/16
//   = 196.5 → 197; 1.57834 → 1.578 kg/m, a bar 1.578·2.56 = 4.0397 → 4.04 kg, the position
//   17·4.04 = 68.68 kg.
// The mesh: 109.06 + 68.68 = 177.74 kg; the schedule А-III: Ø16 68.7, Ø20 109.1, total 177.8 kg.
// Concrete: steps 4.0095 → 4.010, 1.944, 0.405; pedestal 0.486; outline 6.845 m³; socket 550 × 550
//   at the top, 500 × 500 at the bottom: 0.75/6·(0.3025 + 0.25 + 4·0.275625) = 0.206875 → 0.207;
//   concrete 6.845 − 0.207 = 6.638 m³.
// Weight: 25·6.638 = 165.95 kN; the prism 3.3·2.7·1.95 = 17.3745 → 17.375 m³, all of the outline
//   below the ground: soil 18·(17.375 − 6.845) = 189.54 kN; 355.49 kN in all, over the prism
//   20.460 → 20.46 kN/m³ against the 20 the pressures assume.
TEST(BillOfMaterials, HandComputedFoundationThroughThePass) {
    const ProjectPass pass = heavySandPass();
    ASSERT_EQ(pass.outcome, PassOutcome::Complete);
    const CalculationResult& r = pass.calculation;
    ASSERT_FLOAT_EQ(designedLength(r), 3.3f);
    ASSERT_FLOAT_EQ(designedWidth(r), 2.7f);
    ASSERT_FLOAT_EQ(designedHeight(r), 1.8f);
    ASSERT_EQ(r.steps.nSteps, 3);
    ASSERT_FLOAT_EQ(r.reinforcement.alongL.diameter, 0.020f);
    ASSERT_FLOAT_EQ(r.reinforcement.alongB.diameter, 0.016f);

    const BillOfMaterials& bill = pass.quantities;
    ASSERT_TRUE(bill.designed);
    ASSERT_EQ(bill.bars.size(), 2U);
    // the mark, along l, along b, the diameter, length, count and spacing, a bar's and the position's mass
    using Bar = std::tuple<int, bool, bool, int, int, int, int, long, long>;
    const std::pair<Bar, double> expected[] = {{{1, true, false, 20, 3160, 14, 195, 779, 10906}, 2.466},
                                               {{2, false, true, 16, 2560, 17, 197, 404, 6868}, 1.578}};
    for (std::size_t i = 0; i < 2; ++i) {
        const BarPosition& bar = bill.bars[i];
        EXPECT_EQ(Bar(bar.mark, bar.alongL, bar.alongB, bar.diameter, bar.length, bar.count, bar.spacing,
                      bar.unitMass, bar.mass),
                  expected[i].first)
            << "bar " << i + 1;
        EXPECT_DOUBLE_EQ(bar.massPerMetre, expected[i].second) << "bar " << i + 1;
        EXPECT_EQ(bar.steel.name + " " + bar.steel.standard, "А-III ГОСТ 5781-82");
    }
    EXPECT_EQ(barName(bill.bars[0]), "Ø20 А-III, l = 3160");
    EXPECT_EQ(bill.meshMass, 17774);
    ASSERT_EQ(bill.steel.size(), 2U);
    EXPECT_EQ(std::pair(bill.steel[0].diameter, bill.steel[0].mass), std::pair(16, 687L));
    EXPECT_EQ(std::pair(bill.steel[1].diameter, bill.steel[1].mass), std::pair(20, 1091L));
    ASSERT_EQ(bill.classTotals.size(), 1U);
    EXPECT_EQ(bill.classTotals[0].mass, 1778);
    EXPECT_EQ(bill.steelTotal, 1778);

    const ConcreteQuantities& c = bill.concrete;
    EXPECT_EQ(c.concreteClass, "B 12,5");
    EXPECT_EQ(c.steps, (std::vector<long>{4010, 1944, 405}));
    EXPECT_EQ(litresAsCubicMetres(c.volume, ','), "6,638");
    // the pedestal's height and volume, the outline, the socket, the concrete; the weight check
    EXPECT_EQ((std::vector<long>{c.pedestalHeight, c.pedestal, c.outline, c.socket, c.volume, c.prism,
                                 c.belowGround, c.weight, c.soil, c.total, c.meanWeight}),
              (std::vector<long>{600, 486, 6845, 207, 6638, 17375, 6845, 16595, 18954, 35549, 2046}));
}

// A square base with equal bars both ways is one position of twice the count; no foundation, no list
TEST(BillOfMaterials, EqualBarsMakeOnePositionAndNoDesignNone) {
    SampleDesign sample = twoStepFoundation();
    sample.inputs.dz = 0.05f;
    sample.inputs.Rs = 280000;
    StepsResult& s = sample.result.steps;
    s.b = s.bStep[1] = s.l;
    ReinforcementSide& l = sample.result.reinforcement.alongL;
    ReinforcementSide& b = sample.result.reinforcement.alongB;
    l.side = b.side = l.across = b.across = 2.4f;
    l.diameter = b.diameter = 0.012f;
    l.count = b.count = 13;
    const BillOfMaterials square = billOfMaterials(sample.inputs, sample.result, "B 15");
    ASSERT_EQ(square.bars.size(), 1U);
    EXPECT_TRUE(square.bars[0].alongL && square.bars[0].alongB);
    EXPECT_EQ(barDirection(square.bars[0]), "вдоль l и b");
    // 7850·π·0.012²/4 = 0.8878 → 0.888 kg/m · 2.3 m = 2.0424 → 2.04 kg; 26 bars 53.04 kg
    EXPECT_EQ(
        std::tuple(square.bars[0].count, square.bars[0].length, square.bars[0].unitMass, square.meshMass),
        std::tuple(26, 2300, 204L, 5304L));
    EXPECT_EQ(square.bars[0].steel.name, "А-II");
    EXPECT_EQ(square.concrete.concreteClass, "B 15");

    sample.result.stepsRan = false;
    EXPECT_FALSE(billOfMaterials(sample.inputs, sample.result, "B 15").designed);
}
