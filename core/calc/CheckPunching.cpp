#include "core/calc/CheckPunching.h"

#include <algorithm>
#include <cmath>

#include "core/calc/BasePressure.h"

namespace fundis {

namespace {

// Area of the base outside the pyramid on the loaded side; the corners are cut off when the
// pyramid leaves less room along b than along l.
double areaOutsidePyramid(double prodH, double b, double alongL, double alongB) {
    double area = prodH * b;
    const double e = (alongL - alongB) / 2.0;
    if (e < prodH) {
        area -= (prodH - e) * (prodH - e);
    }
    return area;
}

void pressureEnvelope(ProjectRecord& data) {
    data.pI = 0;
    data.p12 = 0;
    data.pminI = 10000;
    for (int j = 1; j <= 3; ++j) {
        const BasePressures pressures = pressuresI(data, j, data.b, data.l, data.A);
        // the record's working pressures end as those of the last combination
        data.p = static_cast<float>(pressures.p);
        data.pmax = static_cast<float>(pressures.pmax);
        data.pmin = static_cast<float>(pressures.pmin);
        data.pI = std::max(data.pI, data.p);
        data.p12 = std::max(data.p12, data.pmax);
        data.pminI = std::min(data.pminI, data.pmin);
    }
}

void punchingByPedestal(ProjectRecord& data, CalculationReport& report, bool debug) {
    const double h0 = effectiveDepth(data.hSteps, data);
    data.prod_h = static_cast<float>((static_cast<double>(data.l) - data.luc) / 2.0 - data.hSteps);
    data.bm = static_cast<float>(data.buc + h0);
    data.prod_A = static_cast<float>(areaOutsidePyramid(
        data.prod_h, data.b, static_cast<double>(data.l) - data.luc, static_cast<double>(data.b) - data.buc));
    data.prod_F = static_cast<float>(static_cast<double>(data.p12) * data.prod_A);
    // Rbt is in MPa, the pressures in kPa
    const double resistance = static_cast<double>(data.Rbt) * 1000.0 * data.bm;
    const bool computable = resistance > 0.0;
    const double needed = computable ? data.prod_F / resistance : 0.0;
    const bool fails = computable ? needed > h0 : data.prod_F > 0.0f;
    if (fails) {
        report.addFailure("");
        report.addFailure(
            "Не выполняется условие прочности фундамента на продавливание колонной от низа подколонника.");
        report.addFailure("Необходимо увеличить глубину заложения фундамента.");
    }
    if (debug) {
        report.add("\nОтладочные данные к расчету на продавливание от подколонника");
        report.add("prod_F = " + report.number(data.prod_F));
        report.add("prod_А = " + report.number(data.prod_A));
        report.add("prod_h = " + report.number(data.prod_h));
        report.add("p12 = " + report.number(data.p12));
        report.add("Rbt = " + report.number(data.Rbt));
        report.add(report.number(h0) + "  " + (computable ? report.number(needed) : std::string("-")));
    }
}

void punchingThroughSocketBottom(ProjectRecord& data, CalculationReport& report, bool debug) {
    const double bottom = static_cast<double>(data.Hf) - data.socketDepth;
    const double h0 = effectiveDepth(bottom, data);
    data.bm = static_cast<float>(data.bc + h0);
    data.prod_h = static_cast<float>((static_cast<double>(data.l) - data.lc) / 2.0 - (bottom + 0.05));
    data.prod_A = static_cast<float>(areaOutsidePyramid(
        data.prod_h, data.b, static_cast<double>(data.l) - data.lc, static_cast<double>(data.b) - data.bc));
    // nothing outside the pyramid: nothing to punch through. The capacity is the edge pressure the
    // pyramid's faces carry: the force h0·Rbt·bm spread over the area outside the pyramid.
    const bool loaded = data.prod_A > 0.0f;
    const double capacity =
        loaded ? h0 * (static_cast<double>(data.Rbt) * 1000.0 * data.bm) / data.prod_A : 0.0;
    if (loaded && capacity < data.p12) {
        report.addFailure("");
        report.addFailure(
            "Не выполняется условие прочности фундамента на продавливание колонной дна стакана.");
        report.addFailure("Необходимо увеличить толщину дна стакана.");
    }
    if (debug) {
        report.add("\nОтладочные данные к расчету на продавливание от дна стакана");
        report.add("prod_А = " + report.number(data.prod_A));
        report.add("prod_h = " + report.number(data.prod_h));
        report.add("p12 = " + report.number(data.p12));
        report.add("Rbt = " + report.number(data.Rbt));
        report.add(report.number(data.p12) + "  " + (loaded ? report.number(capacity) : std::string("-")));
    }
}

}  // namespace

void CheckPunching(ProjectRecord& data, CalculationReport& report, bool debug) {
    pressureEnvelope(data);
    const double pedestalHeight = static_cast<double>(data.Hf) - data.hSteps;
    // the pedestal is tall enough for its own pyramid (1 mm tolerance)
    if (pedestalHeight + 0.001 >= (static_cast<double>(data.luc) - data.lc) / 2.0) {
        punchingByPedestal(data, report, debug);
    }
    const double socketBottomLevel = static_cast<double>(data.Hf) - data.socketDepth;
    if (socketBottomLevel < (static_cast<double>(data.luc) - data.lc) / 2.0 + data.hSteps &&
        socketBottomLevel < (static_cast<double>(data.buc) - data.bc) / 2.0 + data.hSteps) {
        punchingThroughSocketBottom(data, report, debug);
    }
}

}  // namespace fundis
