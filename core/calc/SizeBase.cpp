#include "core/calc/SizeBase.h"

#include <algorithm>

#include "core/calc/BasePressure.h"
#include "core/calc/SoilResistance.h"

namespace fundis {

namespace {

constexpr double kLargestSide = 10.0;

}  // namespace

bool SizeBase(ProjectRecord& data, const CodeTables& tables, CalculationReport& report, bool debug,
              const std::function<void()>& step) {
    data.b = data.l = data.d_l;
    data.kzap = 1.0f;
    bool found = false;
    // float accumulation is kept: with d_l = 0.3 the last width tried is 9.9 m
    for (float b1 = data.d_l; b1 <= kLargestSide; b1 += data.d_l) {
        if (step) {
            step();
        }
        const float R = SoilResistance(data, tables, b1);
        if (!(R > 0.0f)) {
            continue;  // a soil without resistance carries no base of this width
        }
        for (float l1 = data.d_l; l1 <= kLargestSide; l1 += data.d_l) {
            const double ratio = static_cast<double>(b1) / l1;
            if (ratio < 0.55 || ratio > 1.0) {
                continue;
            }
            bool admissible = true;
            float kzap1 = 0;
            float p = 0;
            float pmax = 0;
            float pmin = 0;
            for (int j = 1; j <= 3 && admissible; ++j) {
                const BasePressures pressures = pressuresII(data, j, b1, l1, static_cast<double>(b1) * l1);
                const float pj = static_cast<float>(pressures.p);
                const float pmaxj = static_cast<float>(pressures.pmax);
                const float pminj = static_cast<float>(pressures.pmin);
                // the edge pressure may reach 1.2 R; no part of the base may lift off
                admissible = pj <= R && pmaxj <= 1.2 * R && pminj >= 0;
                if (!admissible) {
                    break;
                }
                const float reserve = static_cast<float>(
                    std::min((R - static_cast<double>(pj)) / R, (1.2 * R - pmaxj) * 0.8333333333333334 / R));
                kzap1 = j == 1 ? reserve : std::min(kzap1, reserve);
                p = j == 1 ? pj : std::max(p, pj);
                pmax = j == 1 ? pmaxj : std::max(pmax, pmaxj);
                pmin = j == 1 ? pminj : std::min(pmin, pminj);
            }
            if (!admissible) {
                continue;
            }
            if (debug) {
                report.add("kzap1= " + report.number(kzap1) + " b1= " + report.number(b1) +
                           " l1= " + report.number(l1));
            }
            // among equal reserves the first in search order stays
            if (kzap1 < data.kzap) {
                found = true;
                data.b = b1;
                data.l = l1;
                data.kzap = kzap1;
                data.R = R;
                data.pEnv = p;
                data.pmaxEnv = pmax;
                data.pminEnv = pmin;
            }
        }
    }
    if (!found) {
        // no base to report on: nothing of the starting values may pass for a result
        data.b = data.l = data.A = data.kzap = data.R = 0;
        data.pEnv = data.pmaxEnv = data.pminEnv = 0;
        return false;
    }
    data.A = static_cast<float>(static_cast<double>(data.b) * data.l);
    return true;
}

}  // namespace fundis
