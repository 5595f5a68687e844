// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/SizeBase.h"

#include <algorithm>

#include "core/calc/SoilResistance.h"

namespace fundis {

namespace {

PressureCheck checkCombination(const ProjectRecord& inputs, int j, const Footing& footing, float R) {
    PressureCheck check;
    check.N = inputs.NII[j];
    check.M = inputs.MII[j];
    check.Q = inputs.QII[j];
    check.moment = static_cast<double>(check.Q) * footing.Hf + check.M;
    const BasePressures pressures = pressuresII(inputs, j, footing);
    check.p = static_cast<float>(pressures.p);
    check.pmax = static_cast<float>(pressures.pmax);
    check.pmin = static_cast<float>(pressures.pmin);
    // the edge pressure may reach 1.2·R; no part of the base may lift off
    check.pOk = check.p <= R;
    check.pmaxOk = check.pmax <= kEdgePressureFactor * R;
    check.pminOk = check.pmin >= 0;
    return check;
}

// A candidate of the search: the first failing combination (0 when none), and for one that passes
// its reserve and its pressures' envelope. The inner loop of the search: only the numbers it
// decides by, with the same arithmetic as checkCombination.
struct Candidate {
    int failed = 0;
    float kzap = 0, p = 0, pmax = 0, pmin = 0;
};
// inlined into the search's loop: a call a candidate costs the search a tenth of its time
[[gnu::always_inline]] inline Candidate evaluate(const ProjectRecord& inputs, const Footing& footing,
                                                 float R) {
    Candidate candidate;
    for (int j = 1; j <= 3; ++j) {
        const BasePressures pressures = pressuresII(inputs, j, footing);
        const auto p = static_cast<float>(pressures.p);
        const auto pmax = static_cast<float>(pressures.pmax);
        const auto pmin = static_cast<float>(pressures.pmin);
        if (!(p <= R && pmax <= kEdgePressureFactor * R && pmin >= 0)) {
            candidate.failed = j;
            return candidate;
        }
        const auto reserve =
            static_cast<float>(std::min((R - static_cast<double>(p)) / R,
                                        (kEdgePressureFactor * R - pmax) * (1.0 / kEdgePressureFactor) / R));
        candidate.kzap = j == 1 ? reserve : std::min(candidate.kzap, reserve);
        candidate.p = j == 1 ? p : std::max(candidate.p, p);
        candidate.pmax = j == 1 ? pmax : std::max(candidate.pmax, pmax);
        candidate.pmin = j == 1 ? pmin : std::min(candidate.pmin, pmin);
    }
    return candidate;
}

Footing footingOf(float b, float l, const DepthResult& depth, const ProjectRecord& inputs) {
    return {b, l, static_cast<double>(b) * l, depth.d, depth.Hf, inputs.Ymt};
}

bool ratioAllowed(float b, float l) {
    const double ratio = static_cast<double>(b) / l;
    return ratio >= kSmallestSideRatio && ratio <= 1.0;
}

// The candidate the search met just before the chosen one: l one module shorter, or, where that
// breaks the ratio limits, b one module narrower.
BaseSizeResult::Neighbour smallerNeighbour(const ProjectRecord& inputs, const CodeTables& tables,
                                           const DepthResult& depth, const BaseSizeResult& base) {
    BaseSizeResult::Neighbour neighbour;
    float b = base.b;
    float l = base.l - base.module;
    if (!(l >= base.module) || !ratioAllowed(b, l)) {
        b = base.b - base.module;
        l = base.l;
        if (!(b >= base.module) || !ratioAllowed(b, l)) {
            return neighbour;
        }
    }
    neighbour.exists = true;
    neighbour.b = b;
    neighbour.l = l;
    neighbour.R = soilResistance(inputs, tables, b, depth.d).R;
    const Footing footing = footingOf(b, l, depth, inputs);
    neighbour.checks = checkPressuresII(inputs, footing, neighbour.R);
    for (int j = 3; j >= 1; --j) {
        if (!neighbour.checks[j].ok()) {
            neighbour.failedCombination = j;
        }
    }
    if (neighbour.failedCombination == 0) {
        neighbour.kzap = evaluate(inputs, footing, neighbour.R).kzap;
    }
    return neighbour;
}

// A base the user gave: its pressures checked as the search checks a candidate, every combination,
// and its reserve (below 0 where a check fails).
BaseSizeResult givenBase(const ProjectRecord& inputs, const CodeTables& tables, const DepthResult& depth) {
    BaseSizeResult base;
    base.given = true;
    base.module = inputs.d_l;
    base.b = inputs.bGiven;
    base.l = inputs.lGiven;
    base.soil = soilResistance(inputs, tables, base.b, depth.d);
    base.widthsTried = 1;
    base.found = true;
    base.R = base.soil.R;
    base.A = static_cast<float>(static_cast<double>(base.b) * base.l);
    const Footing footing = footingOf(base.b, base.l, depth, inputs);
    for (int j = 1; j <= 3; ++j) {
        const PressureCheck check = checkCombination(inputs, j, footing, base.R);
        const double R = base.R;
        const auto reserve = static_cast<float>(
            R > 0.0 ? std::min((R - static_cast<double>(check.p)) / R,
                               (kEdgePressureFactor * R - check.pmax) * (1.0 / kEdgePressureFactor) / R)
                    : -1.0);
        base.kzap = j == 1 ? reserve : std::min(base.kzap, reserve);
        base.pEnv = j == 1 ? check.p : std::max(base.pEnv, check.p);
        base.pmaxEnv = j == 1 ? check.pmax : std::max(base.pmaxEnv, check.pmax);
        base.pminEnv = j == 1 ? check.pmin : std::min(base.pminEnv, check.pmin);
        base.givenPasses = base.givenPasses && check.ok();
    }
    base.admissible = base.givenPasses ? 1 : 0;
    return base;
}

}  // namespace

PressureChecks checkPressuresII(const ProjectRecord& inputs, const Footing& footing, float R) {
    PressureChecks checks{};
    for (int j = 1; j <= 3; ++j) {
        checks[j] = checkCombination(inputs, j, footing, R);
    }
    return checks;
}

BaseSizeResult SizeBase(const ProjectRecord& inputs, const CodeTables& tables, const DepthResult& depth,
                        CalculationReport& report, bool debug, const std::function<void()>& step) {
    if (inputs.bGiven > 0.0f && inputs.lGiven > 0.0f) {
        return givenBase(inputs, tables, depth);
    }
    BaseSizeResult base;
    base.module = inputs.d_l;
    base.kzap = 1.0f;
    // float accumulation is kept: with d_l = 0.3 the last width tried is 9.9 m
    for (float b1 = inputs.d_l; b1 <= kLargestBaseSide; b1 += inputs.d_l) {
        if (step) {
            step();
        }
        const SoilResistanceResult soil = soilResistance(inputs, tables, b1, depth.d);
        ++base.widthsTried;
        if (!base.found) {
            base.soil = soil;
        }
        const float R = soil.R;
        if (!(R > 0.0f)) {
            continue;  // a soil without resistance carries no base of this width
        }
        for (float l1 = inputs.d_l; l1 <= kLargestBaseSide; l1 += inputs.d_l) {
            if (!ratioAllowed(b1, l1)) {
                continue;
            }
            const Candidate candidate = evaluate(inputs, footingOf(b1, l1, depth, inputs), R);
            if (candidate.failed != 0) {
                continue;
            }
            ++base.admissible;
            if (debug) {
                report.add("kzap1= " + report.number(candidate.kzap) + " b1= " + report.number(b1) +
                           " l1= " + report.number(l1));
            }
            // among equal reserves the first in search order stays
            if (candidate.kzap < base.kzap) {
                base.found = true;
                base.b = b1;
                base.l = l1;
                base.kzap = candidate.kzap;
                base.R = R;
                base.soil = soil;
                base.pEnv = candidate.p;
                base.pmaxEnv = candidate.pmax;
                base.pminEnv = candidate.pmin;
            }
        }
    }
    if (!base.found) {
        // no base to report on: nothing of the starting values may pass for a result
        base.b = base.l = base.A = base.kzap = base.R = 0;
        return base;
    }
    base.A = static_cast<float>(static_cast<double>(base.b) * base.l);
    base.smaller = smallerNeighbour(inputs, tables, depth, base);
    return base;
}

}  // namespace fundis
