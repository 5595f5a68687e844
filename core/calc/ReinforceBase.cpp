#include "core/calc/ReinforceBase.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/calc/BasePressure.h"

namespace fundis {

namespace {

constexpr double kPi = 3.1415926;
constexpr double kLeverArm = 0.9;

// Steel area per metre of width for a section c from the base edge with effective depth h0;
// a section without depth carries nothing.
double sectionArea(double moment, double h0, double Rs) {
    if (h0 <= 0.0 || Rs <= 0.0) {
        return 0.0;
    }
    return moment / (kLeverArm * h0 * Rs);
}

struct Section {
    double c;
    double h0;
};

// step boundaries, then the pedestal face, then the column face
std::vector<Section> sections(const ProjectRecord& data, bool alongL) {
    std::vector<Section> result;
    const double side = alongL ? data.l : data.b;
    double heights = 0.0;
    for (int i = 1; i <= data.nSteps - 1; ++i) {
        heights += data.h[i];
        const double stepSide = alongL ? data.lStep[i + 1] : data.bStep[i + 1];
        result.push_back({(side - stepSide) / 2.0, effectiveDepth(heights, data)});
    }
    const double pedestal = alongL ? data.luc : data.buc;
    result.push_back({(side - pedestal) / 2.0, effectiveDepth(data.hSteps, data)});
    // along l the socket leaves 50 mm beside the column
    const double column = alongL ? data.lc + 0.05 : data.bc;
    result.push_back(
        {(side - column) / 2.0, effectiveDepth(static_cast<double>(data.Hf) - data.socketDepth, data)});
    return result;
}

}  // namespace

BarChoice chooseBars(double requiredArea, float s) {
    BarChoice bars;
    bars.count = static_cast<int>(5.0 * s) + 1;
    const double computed = std::sqrt(std::max(0.0, requiredArea) / bars.count * 4.0 * (1.0 / kPi));
    double diameter = (2.0 * std::trunc(computed * 1000.0 * 0.5) + 2.0) * 0.001;
    if (s <= 3.0f && diameter < 0.01) {
        diameter = 0.01;
    }
    if (s > 3.0f && diameter < 0.012) {
        diameter = 0.012;
    }
    bars.diameter = static_cast<float>(diameter);
    bars.area = static_cast<float>(kPi * diameter * diameter * 0.25 * bars.count);
    return bars;
}

void ReinforceBase(ProjectRecord& data, CalculationReport& report) {
    const double area = data.A;
    double largestL = 0.0;
    double largestB = 0.0;
    for (int j = 1; j <= 3; ++j) {
        const BasePressures pressures = pressuresI(data, j, data.b, data.l, area);
        const double pmax = pressures.pmax;
        const double pmin = pressures.pmin;
        for (const Section& section : sections(data, true)) {
            const double px = pmin + (pmax - pmin) * (data.l - section.c) / data.l;
            const double moment = section.c * section.c * (2.0 * pmax + px) / 6.0;
            largestL = std::max(largestL, sectionArea(moment, section.h0, data.Rs));
        }
        // across the moment the pressure is uniform, with the load factor 1.1: the cantilever's
        // moment c²·(2·p + p)/6 is p·c²/2
        const double p = 1.1 * meanPressure(data.NII[j], area, data.d);
        for (const Section& section : sections(data, false)) {
            const double moment = section.c * section.c * (2.0 * p + p) / 6.0;
            largestB = std::max(largestB, sectionArea(moment, section.h0, data.Rs));
        }
    }
    const BarChoice sideL = chooseBars(largestL * data.b, data.l);
    const BarChoice sideB = chooseBars(largestB * data.l, data.b);
    data.nl = sideL.count;
    data.dsl = sideL.diameter;
    data.Asl = sideL.area;
    data.nb = sideB.count;
    data.dsb = sideB.diameter;
    data.Asb = sideB.area;

    report.add("\nАРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА");
    report.add("Сторона l:");
    report.add("   Площадь рабочей арматуры\t\t" + report.number(data.Asl * 10000.0f) + "cм2");
    report.add("   Количество стержней\t\t\t" + report.wholeNumber(data.nl) + "шт");
    report.add("   Диаметр рабочей арматуры\t\t" + report.wholeNumber(data.dsl * 1000.0f) + "мм");
    report.add("Сторона b:");
    report.add("   Площадь рабочей арматуры\t\t" + report.number(data.Asb * 10000.0f) + "cм2");
    report.add("   Количество стержней\t\t\t" + report.wholeNumber(data.nb) + "шт");
    report.add("   Диаметр рабочей арматуры\t\t" + report.wholeNumber(data.dsb * 1000.0f) + "мм");
}

}  // namespace fundis
