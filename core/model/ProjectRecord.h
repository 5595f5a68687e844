// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The inputs of one foundation: what the input dialog's OK reads from the form and the coefficients
// it derives from the user's choices. The calculation reads it and never writes it: what it used and
// found is its CalculationResult (core/calc/StageResults.h). Plain single-precision fields; no
// behaviour.

#include <array>
#include <vector>

namespace fundis {

constexpr int kStepEntries = 101;  // step arrays hold index 0..100; h[0] is the no-fit flag
using StepArray = std::array<float, kStepEntries>;
using Combinations = std::array<float, 4>;  // index 1..3 = "Mmax", "Nmax", "Qmax"; index 0 unused

// How the step overhangs are laid out: by the punching of each step under the column's own loads,
// as the 1989 manual for column foundations does, or by the overhang ratio of k1.dat, as the
// program always did (the list's items in this order).
enum class StepMethod { Manual1989 = 0, K1Table = 1 };

struct ProjectRecord {
    // building and frost depth; d is the laying depth as entered (0: not given)
    float Mt = 0, kh = 0, d0 = 0, d = 0;

    // load combinations, 2nd and 1st limit state
    Combinations MII{}, NII{}, QII{}, MI{}, NI{}, QI{};

    // soil; the coefficients of formula (7) as used, from the tables or given
    float fii = 0, cii = 0, Yii = 0, Yii1 = 0, Yc1 = 0, Yc2 = 0, k = 0;
    bool Yc1Given = false, Yc2Given = false, kGiven = false;
    // a basement (db = 0: none): its depth below the planning level, the soil above the base on its
    // side (0: d − db − hcf), its floor and the floor's unit weight
    float db = 0, hs = 0, hcf = 0, Ycf = 0;

    // foundation geometry and materials; buc, luc as entered (0: from sizepdkl.dat)
    float d_l = 0, bToL = 0, d_h = 0, pedestalTop = 0, groundLevel = 0;
    float socketDepth = 0, socketBottom = 0, bc = 0, lc = 0, buc = 0, luc = 0;
    float da = 0, dz = 0, Rs = 0, Rsc = 0, Rbt = 0;
    // Rbt is Rb.dat's RbtTable times γb2 (given, or 1.1 with the crane and wind loads, else 1)
    float RbtTable = 0, Yb2 = 1;
    bool Yb2Given = false;

    // the mean unit weight of the foundation with the soil on its ledges, kN/m3
    float Ymt = 20;
    // a given base (0: searched), given step heights from the bottom up (empty: hstup.dat's sets)
    float bGiven = 0, lGiven = 0;
    std::vector<float> stepsGiven;
    StepMethod stepMethod = StepMethod::K1Table;
    // the factor the reliability fill multiplies the II group's loads by (no calculation reads it)
    float gammaF = 1.1f;
};

}  // namespace fundis
