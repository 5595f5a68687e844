// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The record of one foundation: the inputs the input dialog fills, the coefficients it derives
// from the user's choices, and the results the calculation writes back. Plain single-precision
// fields, as the reports and the .dan round trip expect; no behaviour.

#include <array>

namespace fundis {

constexpr int kStepEntries = 101;  // step arrays hold index 0..100; h[0] is the no-fit flag
using StepArray = std::array<float, kStepEntries>;
using Combinations = std::array<float, 4>;  // index 1..3 = "Mmax", "Nmax", "Qmax"; index 0 unused

struct ProjectRecord {
    // building and frost depth
    float Mt = 0, kh = 0, d0 = 0, d = 0;
    float dfn = 0, df = 0, Hf = 0;

    // load combinations, 2nd and 1st limit state
    Combinations MII{}, NII{}, QII{}, MI{}, NI{}, QI{};

    // soil
    float fii = 0, cii = 0, Yii = 0, Yii1 = 0, Yc1 = 0, Yc2 = 0, k = 0;

    // foundation geometry and materials
    float d_l = 0, bToL = 0, d_h = 0, pedestalTop = 0, groundLevel = 0;
    float socketDepth = 0, socketBottom = 0, bc = 0, lc = 0, buc = 0, luc = 0;
    float da = 0, dz = 0, Rs = 0, Rsc = 0, Rbt = 0;

    // design soil resistance
    float My = 0, Mq = 0, Mc = 0, kz = 0, R = 0;

    // base size and pressures
    float b = 0, l = 0, A = 0, kzap = 0;
    float pEnv = 0, pmaxEnv = 0, pminEnv = 0;
    float p = 0, pmax = 0, pmin = 0;

    // pedestal and steps
    float pK1 = 0, h01 = 0, k1 = 0, hSteps = 0, huc = 0;
    int nSteps = 0;
    StepArray h{}, lStep{}, bStep{}, c{}, cb{};

    // punching
    float pI = 0, p12 = 0, pminI = 0, prod_h = 0, prod_A = 0, prod_F = 0, bm = 0;

    // bottom reinforcement
    float Asl = 0, Asb = 0, dsl = 0, dsb = 0;
    int nl = 0, nb = 0;
};

}  // namespace fundis
