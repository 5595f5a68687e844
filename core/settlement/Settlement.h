// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settlement of the base by the layer-summation method (СНиП 2.02.01-83, appendix 2): the
// additional pressure p0 spread under the centre of the rectangular base, summed over sublayers
// down to the lower boundary Hc of the compressible zone.

#include <vector>

#include "core/model/Status.h"
#include "core/settlement/SettlementInput.h"

namespace fundis {

// α for the centre of a rectangular base at ζ = 2z/b and η = l/b; α(0) = 1.
double alphaRectangle(double zeta, double eta);

// One sublayer, depths below the base; the values belong to its bottom z2.
struct Sublayer {
    double z1 = 0, z2 = 0;  // m
    double zeta = 0;        // 2·z2/b
    double alpha = 0;
    double sigmaZp = 0;  // kPa
    double sigmaZg = 0;  // kPa, at d + z2
    double E = 0;        // MPa
    double s = 0;        // m, the sublayer's share of the settlement
};

struct SettlementResult {
    Status status;
    double p = 0, sigmaZg0 = 0, p0 = 0;  // kPa
    double eta = 0;
    double k = 0.2;  // σzp = k·σzg at Hc
    double Hc = 0;   // m below the base
    double s = 0;    // m
    double su = 0;   // m
    bool exceeds = false;
    bool noAdditionalPressure = false;  // p0 ≤ 0: no settlement
    std::vector<Sublayer> sublayers;    // down to Hc, the last one ending at Hc
};

// b, l, d (m) and pEnv (kPa) from the record after the design calculation.
SettlementResult computeSettlement(double b, double l, double d, double pEnv, const SettlementData& data);

// The natural vertical stress (kPa) at depth t below the natural relief.
double naturalStress(const std::vector<SoilLayer>& layers, double t);

}  // namespace fundis
