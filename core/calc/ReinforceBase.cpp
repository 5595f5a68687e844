// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/ReinforceBase.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/calc/BasePressure.h"

namespace fundis {

namespace {

constexpr double kPi = 3.1415926;

// Steel area per metre of width for a section c from the base edge with effective depth h0;
// a section without depth carries nothing.
double sectionArea(double moment, double h0, double Rs) {
    if (h0 <= 0.0 || Rs <= 0.0) {
        return 0.0;
    }
    return moment / (kLeverArm * h0 * Rs);
}

// step boundaries, then the pedestal face, then the column face
std::vector<ReinforcementSection> sections(const ProjectRecord& inputs, const DepthResult& depth,
                                           const PedestalResult& pedestal, const StepsResult& steps,
                                           bool alongL) {
    std::vector<ReinforcementSection> result;
    const double side = alongL ? steps.l : steps.b;
    double heights = 0.0;
    for (int i = 1; i <= steps.nSteps - 1; ++i) {
        heights += steps.h[i];
        const double stepSide = alongL ? steps.lStep[i + 1] : steps.bStep[i + 1];
        ReinforcementSection section;
        section.kind = SectionKind::StepBoundary;
        section.step = i;
        section.c = (side - stepSide) / 2.0;
        section.h0 = effectiveDepth(heights, inputs);
        result.push_back(section);
    }
    const double pedestalSide = alongL ? pedestal.luc : pedestal.buc;
    ReinforcementSection face;
    face.kind = SectionKind::PedestalFace;
    face.c = (side - pedestalSide) / 2.0;
    face.h0 = effectiveDepth(steps.hSteps, inputs);
    result.push_back(face);
    // along l the socket leaves 50 mm beside the column
    const double column = alongL ? inputs.lc + 0.05 : inputs.bc;
    ReinforcementSection columnFace;
    columnFace.kind = SectionKind::ColumnFace;
    columnFace.c = (side - column) / 2.0;
    columnFace.h0 = effectiveDepth(static_cast<double>(depth.Hf) - inputs.socketDepth, inputs);
    result.push_back(columnFace);
    return result;
}

void addSection(ReinforcementSide& side, ReinforcementSection section, double& largest, double Rs) {
    section.As = sectionArea(section.M, section.h0, Rs);
    side.sections.push_back(section);
    if (largest < section.As) {
        largest = section.As;
        side.governing = static_cast<int>(side.sections.size()) - 1;
    }
}

void chooseSide(ReinforcementSide& side, double largest, float across, float length) {
    side.across = across;
    side.side = length;
    side.required = largest * across;
    const BarChoice bars = chooseBars(side.required, across, length);
    side.count = bars.count;
    side.diameter = bars.diameter;
    side.area = bars.area;
}

}  // namespace

BarChoice chooseBars(double requiredArea, float across, float length) {
    BarChoice bars;
    bars.count = static_cast<int>(across / kMeshGrid + 0.001) + 1;
    const double computed = std::sqrt(std::max(0.0, requiredArea) / bars.count * 4.0 * (1.0 / kPi));
    double diameter = (2.0 * std::trunc(computed * 1000.0 * 0.5) + 2.0) * 0.001;
    if (length <= 3.0f && diameter < 0.01) {
        diameter = 0.01;
    }
    if (length > 3.0f && diameter < 0.012) {
        diameter = 0.012;
    }
    bars.diameter = static_cast<float>(diameter);
    bars.area = static_cast<float>(kPi * diameter * diameter * 0.25 * bars.count);
    return bars;
}

ReinforcementResult ReinforceBase(const ProjectRecord& inputs, const DepthResult& depth,
                                  const BaseSizeResult& base, const PedestalResult& pedestal,
                                  const StepsResult& steps, CalculationReport& report) {
    ReinforcementResult result;
    const Footing footing{steps.b, steps.l, base.A, depth.d, depth.Hf, firstStateUnitWeight(inputs)};
    const std::vector<ReinforcementSection> alongL = sections(inputs, depth, pedestal, steps, true);
    const std::vector<ReinforcementSection> alongB = sections(inputs, depth, pedestal, steps, false);
    double largestL = 0.0;
    double largestB = 0.0;
    for (int j = 1; j <= 3; ++j) {
        const BasePressures pressures = pressuresI(inputs, j, footing);
        const double pmax = pressures.pmax;
        const double pmin = pressures.pmin;
        for (ReinforcementSection section : alongL) {
            section.combination = j;
            section.p1 = pmax;
            section.p2 = pmin + (pmax - pmin) * (steps.l - section.c) / steps.l;
            section.M = section.c * section.c * (2.0 * section.p1 + section.p2) / 6.0;
            addSection(result.alongL, section, largestL, inputs.Rs);
        }
        // across the moment the pressure is uniform, the 1st limit state's mean pressure: the
        // cantilever's moment c²·(2·p + p)/6 is p·c²/2
        const double p = meanPressure(inputs.NI[j], base.A, depth.d, footing.unitWeight);
        for (ReinforcementSection section : alongB) {
            section.combination = j;
            section.p1 = section.p2 = p;
            section.M = section.c * section.c * (2.0 * p + p) / 6.0;
            addSection(result.alongB, section, largestB, inputs.Rs);
        }
    }
    chooseSide(result.alongL, largestL, steps.b, steps.l);
    chooseSide(result.alongB, largestB, steps.l, steps.b);

    report.add("\nАРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА");
    report.add("Сторона l:");
    report.add("   Площадь рабочей арматуры\t\t" + report.number(result.alongL.area * 10000.0f) + "cм2");
    report.add("   Количество стержней\t\t\t" + report.wholeNumber(result.alongL.count) + "шт");
    report.add("   Диаметр рабочей арматуры\t\t" + report.wholeNumber(result.alongL.diameter * 1000.0f) +
               "мм");
    report.add("Сторона b:");
    report.add("   Площадь рабочей арматуры\t\t" + report.number(result.alongB.area * 10000.0f) + "cм2");
    report.add("   Количество стержней\t\t\t" + report.wholeNumber(result.alongB.count) + "шт");
    report.add("   Диаметр рабочей арматуры\t\t" + report.wholeNumber(result.alongB.diameter * 1000.0f) +
               "мм");
    return result;
}

}  // namespace fundis
