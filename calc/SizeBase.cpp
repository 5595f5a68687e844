#include "calc/SizeBase.h"

#include <algorithm>
#include <cmath>

namespace fundis {

namespace {

// mean unit weight of the foundation with the soil on its ledges, kN/m3
constexpr double kFoundationUnitWeight = 20.0;
constexpr double kLargestSide = 10.0;

}  // namespace

BasePressures pressuresOfCombination(const TProjectData& data, int j, float b, float l, double area) {
    BasePressures result;
    const double p = data.NII[j] / area + kFoundationUnitWeight * data.d;
    const double modulus = static_cast<double>(b) * l * l / 6.0;
    const double e = std::fabs((static_cast<double>(data.QII[j]) * data.Hf + data.MII[j]) / modulus);
    result.p = static_cast<float>(p);
    result.pmax = static_cast<float>(p + e);
    result.pmin = static_cast<float>(p - e);
    return result;
}

void SizeBase(TProjectData& data, const TableSet& tables, CalculationReport& report, bool debug,
              const std::function<void()>& step) {
    data.b = data.l = data.d_l;
    data.kzap = 1.0f;
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
            int passed = 0;
            float kzap1 = 0;
            BasePressures envelope;
            const double ratio = static_cast<double>(b1) / l1;
            for (int j = 1; j <= 3; ++j) {
                const BasePressures pressures =
                    pressuresOfCombination(data, j, b1, l1, static_cast<double>(b1) * l1);
                data.p = pressures.p;
                data.pmax = pressures.pmax;
                data.pmin = pressures.pmin;
                // the edge pressure may reach 1.2 R; no part of the base may lift off
                const bool admissible =
                    data.p <= R && data.pmax <= 1.2 * R && data.pmin >= 0 && ratio >= 0.55 && ratio <= 1.0;
                if (!admissible) {
                    continue;
                }
                ++passed;
                const double reserve = std::min((R - static_cast<double>(data.p)) / R,
                                                (1.2 * R - data.pmax) * 0.8333333333333334 / R);
                if (j == 1) {
                    kzap1 = static_cast<float>(reserve);
                    envelope = pressures;
                } else {
                    kzap1 = std::min(kzap1, static_cast<float>(reserve));
                    envelope.p = std::max(envelope.p, pressures.p);
                    envelope.pmax = std::max(envelope.pmax, pressures.pmax);
                    envelope.pmin = std::min(envelope.pmin, pressures.pmin);
                }
            }
            if (passed != 3) {
                continue;
            }
            if (debug) {
                report.add("kzap1= " + report.number(kzap1) + " b1= " + report.number(b1) +
                           " l1= " + report.number(l1));
            }
            // among equal reserves the first in search order stays
            if (kzap1 < data.kzap) {
                data.b = b1;
                data.l = l1;
                data.kzap = kzap1;
                data.R = R;
                data.pEnv = envelope.p;
                data.pmaxEnv = envelope.pmax;
                data.pminEnv = envelope.pmin;
            }
        }
    }
    data.A = static_cast<float>(static_cast<double>(data.b) * data.l);
}

}  // namespace fundis
