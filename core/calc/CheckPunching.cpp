// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/CheckPunching.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "core/calc/BasePressure.h"
#include "core/calc/ShapeSteps.h"

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

// What the report says of one punching check: the failure and what to do about it in red, and with
// the debug setting the check's values, ending with what was given against what was found.
struct PunchingVerdict {
    const char* failure = "";
    const char* remedy = "";
    const char* debugHeading = "";
    std::optional<float> prod_F;  // the punching force, shown first when the check has one
    double given = 0, found = 0;
};

void reportPunching(CalculationReport& report, const PunchingCheck& check, const PunchingVerdict& verdict,
                    float p12, float Rbt, bool debug) {
    if (check.fails) {
        report.addFailure("");
        report.addFailure(verdict.failure);
        report.addFailure(verdict.remedy);
    }
    if (!debug) {
        return;
    }
    report.add(std::string("\nОтладочные данные к расчету на продавливание ") + verdict.debugHeading);
    if (verdict.prod_F) {
        report.add("prod_F = " + report.number(*verdict.prod_F));
    }
    report.add("prod_А = " + report.number(check.prod_A));
    report.add("prod_h = " + report.number(check.prod_h));
    report.add("p12 = " + report.number(p12));
    report.add("Rbt = " + report.number(Rbt));
    report.add(report.number(verdict.given) + "  " +
               (check.computable ? report.number(verdict.found) : std::string("-")));
}

void pressureEnvelope(const ProjectRecord& inputs, const Footing& footing, PunchingResult& result) {
    for (int j = 1; j <= 3; ++j) {
        const BasePressures pressures = pressuresI(inputs, j, footing);
        result.p[j] = static_cast<float>(pressures.p);
        result.pmax[j] = static_cast<float>(pressures.pmax);
        result.pmin[j] = static_cast<float>(pressures.pmin);
        result.pI = std::max(result.pI, result.p[j]);
        result.p12 = std::max(result.p12, result.pmax[j]);
        result.pminI = std::min(result.pminI, result.pmin[j]);
    }
}

// The 1989 manual's check of the plate by the pedestal, the one that chose the step set.
void punchingByPedestalByManual(const ProjectRecord& inputs, const PedestalResult& pedestal,
                                const StepsResult& steps, PunchingResult& result, CalculationReport& report,
                                bool debug) {
    PunchingCheck& check = result.byPedestal;
    const PlatePunching plate = platePunching(steps.hSteps, steps.b, steps.l, pedestal, result.p12, inputs);
    check.h0 = plate.h0;
    check.prod_h = static_cast<float>(plate.c0);
    check.bm = static_cast<float>(plate.bm);
    check.prod_A = static_cast<float>(plate.A0);
    check.prod_F = static_cast<float>(plate.F);
    check.resistance = static_cast<double>(inputs.Rbt) * 1000.0 * check.bm;
    check.computable = check.resistance > 0.0;
    check.needed = check.computable ? plate.F / check.resistance : 0.0;
    check.fails = !plate.ok;
    PunchingVerdict verdict;
    verdict.failure =
        "Не выполняется условие прочности фундамента на продавливание колонной от низа подколонника.";
    verdict.remedy = kTallerStepsRemedy;
    verdict.debugHeading = "от подколонника";
    verdict.prod_F = check.prod_F;
    verdict.given = check.h0;
    verdict.found = check.needed;
    reportPunching(report, check, verdict, result.p12, inputs.Rbt, debug);
}

void punchingByPedestal(const ProjectRecord& inputs, const PedestalResult& pedestal, const StepsResult& steps,
                        PunchingResult& result, CalculationReport& report, bool debug) {
    if (steps.method == StepMethod::Manual1989) {
        punchingByPedestalByManual(inputs, pedestal, steps, result, report, debug);
        return;
    }
    PunchingCheck& check = result.byPedestal;
    const double h0 = check.h0 = effectiveDepth(steps.hSteps, inputs);
    check.prod_h = static_cast<float>((static_cast<double>(steps.l) - pedestal.luc) / 2.0 - steps.hSteps);
    check.bm = static_cast<float>(pedestal.buc + h0);
    check.prod_A = static_cast<float>(areaOutsidePyramid(check.prod_h, steps.b,
                                                         static_cast<double>(steps.l) - pedestal.luc,
                                                         static_cast<double>(steps.b) - pedestal.buc));
    check.prod_F = static_cast<float>(static_cast<double>(result.p12) * check.prod_A);
    // Rbt is in MPa, the pressures in kPa
    check.resistance = static_cast<double>(inputs.Rbt) * 1000.0 * check.bm;
    check.computable = check.resistance > 0.0;
    check.needed = check.computable ? check.prod_F / check.resistance : 0.0;
    check.fails = check.computable ? check.needed > h0 : check.prod_F > 0.0f;
    PunchingVerdict verdict;
    verdict.failure =
        "Не выполняется условие прочности фундамента на продавливание колонной от низа подколонника.";
    verdict.remedy = "Необходимо увеличить глубину заложения фундамента.";
    verdict.debugHeading = "от подколонника";
    verdict.prod_F = check.prod_F;
    verdict.given = h0;
    verdict.found = check.needed;
    reportPunching(report, check, verdict, result.p12, inputs.Rbt, debug);
}

void punchingThroughSocketBottom(const ProjectRecord& inputs, const DepthResult& depth,
                                 const StepsResult& steps, PunchingResult& result, CalculationReport& report,
                                 bool debug) {
    PunchingCheck& check = result.socketBottom;
    const double bottom = static_cast<double>(depth.Hf) - inputs.socketDepth;
    const double h0 = check.h0 = effectiveDepth(bottom, inputs);
    check.bm = static_cast<float>(inputs.bc + h0);
    check.prod_h = static_cast<float>((static_cast<double>(steps.l) - inputs.lc) / 2.0 - (bottom + 0.05));
    check.prod_A =
        static_cast<float>(areaOutsidePyramid(check.prod_h, steps.b, static_cast<double>(steps.l) - inputs.lc,
                                              static_cast<double>(steps.b) - inputs.bc));
    // nothing outside the pyramid: nothing to punch through. The capacity is the edge pressure the
    // pyramid's faces carry: the force h0·Rbt·bm spread over the area outside the pyramid.
    check.computable = check.prod_A > 0.0f;
    check.resistance = static_cast<double>(inputs.Rbt) * 1000.0 * check.bm;
    check.capacity = check.computable ? h0 * check.resistance / check.prod_A : 0.0;
    check.fails = check.computable && check.capacity < result.p12;
    PunchingVerdict verdict;
    verdict.failure = "Не выполняется условие прочности фундамента на продавливание колонной дна стакана.";
    verdict.remedy = "Необходимо увеличить толщину дна стакана.";
    verdict.debugHeading = "от дна стакана";
    verdict.given = result.p12;
    verdict.found = check.capacity;
    reportPunching(report, check, verdict, result.p12, inputs.Rbt, debug);
}

}  // namespace

PunchingResult CheckPunching(const ProjectRecord& inputs, const DepthResult& depth,
                             const BaseSizeResult& base, const PedestalResult& pedestal,
                             const StepsResult& steps, CalculationReport& report, bool debug) {
    PunchingResult result;
    pressureEnvelope(
        inputs, Footing{steps.b, steps.l, base.A, depth.d, depth.Hf, firstStateUnitWeight(inputs)}, result);
    // the pedestal is tall enough for its own pyramid (1 mm tolerance)
    PunchingCheck& byPedestal = result.byPedestal;
    byPedestal.conditionLeft = static_cast<double>(depth.Hf) - steps.hSteps;
    byPedestal.conditionRight = (static_cast<double>(pedestal.luc) - inputs.lc) / 2.0;
    if (byPedestal.conditionLeft + 0.001 >= byPedestal.conditionRight) {
        byPedestal.ran = true;
        punchingByPedestal(inputs, pedestal, steps, result, report, debug);
    }
    PunchingCheck& socket = result.socketBottom;
    socket.conditionLeft = static_cast<double>(depth.Hf) - inputs.socketDepth;
    socket.conditionRight = (static_cast<double>(pedestal.luc) - inputs.lc) / 2.0 + steps.hSteps;
    result.socketConditionRightB = (static_cast<double>(pedestal.buc) - inputs.bc) / 2.0 + steps.hSteps;
    if (socket.conditionLeft < socket.conditionRight && socket.conditionLeft < result.socketConditionRightB) {
        socket.ran = true;
        punchingThroughSocketBottom(inputs, depth, steps, result, report, debug);
    }
    return result;
}

}  // namespace fundis
