// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pressure under the base and the effective depth of a slab: one place for the rules every
// stage uses.

#include <cmath>

#include "core/model/ProjectRecord.h"

namespace fundis {

// Mean pressure of a vertical force N on a base of `area` laid at depth d, with the foundation and
// the soil on its ledges of mean unit weight γmt: N / A + γmt · d.
inline double meanPressure(double N, double area, double d, double unitWeight) {
    return N / area + unitWeight * d;
}

// The unit weight the 1st limit state's pressures under the slab take: none by the 1989 manual,
// which takes the column's loads alone (the foundation and its soil load the slab no more than it
// carries them), γmt as the program always did with the steps by k1.dat.
inline double firstStateUnitWeight(const ProjectRecord& data) {
    return data.stepMethod == StepMethod::Manual1989 ? 0.0 : static_cast<double>(data.Ymt);
}

// The part a moment adds at the edges: |(Q · lever + M) / (b · l² / 6)|; the moment acts in the
// plane of l, the shorter side b being its axis.
inline double edgePressure(double M, double Q, double lever, double b, double l) {
    return std::fabs((Q * lever + M) / (b * l * l / 6.0));
}

// A base as the pressures see it: its sides and area, its depth d, the lever Hf of the shear and
// the unit weight of what stands on it (γmt, or 0 for the column's loads alone).
struct Footing {
    double b = 0;
    double l = 0;
    double area = 0;
    double d = 0;
    double Hf = 0;
    double unitWeight = 0;
};

// The pressures of one combination: mean, largest and smallest edge.
struct BasePressures {
    double p = 0;
    double pmax = 0;
    double pmin = 0;
};
inline BasePressures combinationPressures(double N, double M, double Q, const Footing& footing) {
    const double p = meanPressure(N, footing.area, footing.d, footing.unitWeight);
    const double e = edgePressure(M, Q, footing.Hf, footing.b, footing.l);
    return {p, p + e, p - e};
}

// The 2nd limit state's combination j (1..3) and the 1st limit state's.
inline BasePressures pressuresII(const ProjectRecord& data, int j, const Footing& footing) {
    return combinationPressures(data.NII[j], data.MII[j], data.QII[j], footing);
}
inline BasePressures pressuresI(const ProjectRecord& data, int j, const Footing& footing) {
    return combinationPressures(data.NI[j], data.MI[j], data.QI[j], footing);
}

// Depth of a slab of height h down to the middle of the bottom bars.
inline double effectiveDepth(double h, const ProjectRecord& data) {
    return h - data.dz - 0.5 * static_cast<double>(data.da);
}

}  // namespace fundis
