// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The inputs of one foundation: what the input dialog's OK reads from the form and the coefficients
// it derives from the user's choices. The calculation reads it and never writes it: what it used and
// found is its CalculationResult (core/calc/StageResults.h). Plain single-precision fields; no
// behaviour.

#include <array>

namespace fundis {

constexpr int kStepEntries = 101;  // step arrays hold index 0..100; h[0] is the no-fit flag
using StepArray = std::array<float, kStepEntries>;
using Combinations = std::array<float, 4>;  // index 1..3 = "Mmax", "Nmax", "Qmax"; index 0 unused

struct ProjectRecord {
    // building and frost depth; d is the laying depth as entered (0: not given)
    float Mt = 0, kh = 0, d0 = 0, d = 0;

    // load combinations, 2nd and 1st limit state
    Combinations MII{}, NII{}, QII{}, MI{}, NI{}, QI{};

    // soil
    float fii = 0, cii = 0, Yii = 0, Yii1 = 0, Yc1 = 0, Yc2 = 0, k = 0;

    // foundation geometry and materials; buc, luc as entered (0: from sizepdkl.dat)
    float d_l = 0, bToL = 0, d_h = 0, pedestalTop = 0, groundLevel = 0;
    float socketDepth = 0, socketBottom = 0, bc = 0, lc = 0, buc = 0, luc = 0;
    float da = 0, dz = 0, Rs = 0, Rsc = 0, Rbt = 0;
};

}  // namespace fundis
