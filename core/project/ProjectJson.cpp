// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/project/ProjectJson.h"

#include <algorithm>

#include "core/project/Json.h"
#include "core/project/SettlementJson.h"
#include "core/settlement/SettlementPass.h"

namespace fundis {

namespace {

// The inputs and the results by their engineering names, as one object (the keys of the flat record the
// program has always written): a result that a stage did not reach is 0, an input keeps its value.
std::string recordJson(const ProjectRecord& data, const CalculationResult& r) {
    const StepsResult& s = r.steps;
    const BaseSizeResult& base = r.base;
    const PunchingResult& punching = r.punching;
    const int steps = std::clamp(s.nSteps, 0, kStepEntries - 1);
    const bool soilComputed = base.widthsTried > 0;
    // the working pressures are those of the last combination looked at
    const auto working = [&](std::array<float, 4> PunchingResult::*pressures, float PressureCheck::*check) {
        if (!base.found) {
            return 0.0f;
        }
        return r.stepsRan ? (punching.*pressures)[3] : r.pressuresII[3].*check;
    };
    // the punching check that ran last leaves its geometry
    const PunchingCheck* last = punching.socketBottom.ran ? &punching.socketBottom
                                : punching.byPedestal.ran ? &punching.byPedestal
                                                          : nullptr;
    const ReinforcementSide& barsL = r.reinforcement.alongL;
    const ReinforcementSide& barsB = r.reinforcement.alongB;
    JsonObject record;
    record.add("Mt", data.Mt);
    record.add("kh", data.kh);
    record.add("d0", data.d0);
    record.add("d", r.ran ? designedDepth(r) : data.d);
    record.add("dfn", r.depth.dfn);
    record.add("df", r.depth.df);
    record.add("Hf", r.ran ? designedHeight(r) : 0.0f);
    record.add("MII", jsonArray(data.MII, 1, 3));
    record.add("NII", jsonArray(data.NII, 1, 3));
    record.add("QII", jsonArray(data.QII, 1, 3));
    record.add("MI", jsonArray(data.MI, 1, 3));
    record.add("NI", jsonArray(data.NI, 1, 3));
    record.add("QI", jsonArray(data.QI, 1, 3));
    record.add("fii", data.fii);
    record.add("cii", data.cii);
    record.add("Yii", data.Yii);
    record.add("Yii1", data.Yii1);
    record.add("Yc1", data.Yc1);
    record.add("Yc2", data.Yc2);
    record.add("k", data.k);
    record.add("d_l", data.d_l);
    record.add("bToL", data.bToL);
    record.add("d_h", data.d_h);
    record.add("pedestalTop", data.pedestalTop);
    record.add("groundLevel", data.groundLevel);
    record.add("socketDepth", data.socketDepth);
    record.add("socketBottom", data.socketBottom);
    record.add("bc", data.bc);
    record.add("lc", data.lc);
    record.add("buc", base.found ? r.pedestal.buc : data.buc);
    record.add("luc", base.found ? r.pedestal.luc : data.luc);
    record.add("da", data.da);
    record.add("dz", data.dz);
    record.add("Rs", data.Rs);
    record.add("Rsc", data.Rsc);
    record.add("Rbt", data.Rbt);
    record.add("My", soilComputed ? base.soil.My : 0.0f);
    record.add("Mq", soilComputed ? base.soil.Mq : 0.0f);
    record.add("Mc", soilComputed ? base.soil.Mc : 0.0f);
    record.add("kz", soilComputed ? base.soil.kz : 0.0f);
    record.add("R", base.R);
    record.add("b", designedWidth(r));
    record.add("l", designedLength(r));
    record.add("A", base.A);
    record.add("kzap", base.kzap);
    record.add("pEnv", base.pEnv);
    record.add("pmaxEnv", base.pmaxEnv);
    record.add("pminEnv", base.pminEnv);
    record.add("p", working(&PunchingResult::p, &PressureCheck::p));
    record.add("pmax", working(&PunchingResult::pmax, &PressureCheck::pmax));
    record.add("pmin", working(&PunchingResult::pmin, &PressureCheck::pmin));
    record.add("pK1", s.pK1);
    record.add("h01", s.h01);
    record.add("k1", s.k1);
    record.add("hSteps", s.hSteps);
    record.add("huc", s.huc);
    record.add("nSteps", s.nSteps);
    record.add("h", jsonArray(s.h, 0, steps));
    record.add("lStep", jsonArray(s.lStep, 1, steps));
    record.add("bStep", jsonArray(s.bStep, 1, steps));
    record.add("c", jsonArray(s.c, 1, steps));
    record.add("cb", jsonArray(s.cb, 1, steps));
    record.add("pI", r.stepsRan ? punching.pI : 0.0f);
    record.add("p12", r.stepsRan ? punching.p12 : 0.0f);
    record.add("pminI", r.stepsRan ? punching.pminI : 0.0f);
    record.add("prod_h", last != nullptr ? last->prod_h : 0.0f);
    record.add("prod_A", last != nullptr ? last->prod_A : 0.0f);
    record.add("prod_F", punching.byPedestal.ran ? punching.byPedestal.prod_F : 0.0f);
    record.add("bm", last != nullptr ? last->bm : 0.0f);
    record.add("Asl", barsL.area);
    record.add("Asb", barsB.area);
    record.add("dsl", barsL.diameter);
    record.add("dsb", barsB.diameter);
    record.add("nl", barsL.count);
    record.add("nb", barsB.count);
    // the added inputs as the calculation used them, and what they gave
    std::vector<std::string> heights;
    for (const float height : data.stepsGiven) {
        heights.push_back(jsonNumber(height));
    }
    record.add("stepMethod",
               jsonString(data.stepMethod == StepMethod::Manual1989 ? "по Пособию 1989" : "по таблице k1"));
    record.add("Yc1Given", data.Yc1Given);
    record.add("Yc2Given", data.Yc2Given);
    record.add("kGiven", data.kGiven);
    record.add("db", soilComputed && base.soil.basement ? base.soil.db : data.db);
    record.add("hs", soilComputed && base.soil.basement ? base.soil.hs : data.hs);
    record.add("hcf", data.hcf);
    record.add("Ycf", data.Ycf);
    record.add("d1", soilComputed ? base.soil.d1 : 0.0f);
    record.add("RbtTable", data.RbtTable);
    record.add("Yb2", data.Yb2);
    record.add("Yb2Given", data.Yb2Given);
    record.add("Ymt", data.Ymt);
    record.add("bGiven", data.bGiven);
    record.add("lGiven", data.lGiven);
    record.add("baseGivenPasses", base.given ? base.givenPasses : base.found);
    record.add("stepsGiven", jsonList(heights));
    record.add("gammaF", data.gammaF);
    record.add("pmaxSteps", r.stepsRan && s.method == StepMethod::Manual1989 ? s.pmax : 0.0f);
    return record.close();
}

}  // namespace

const char* outcomeName(PassOutcome outcome) {
    switch (outcome) {
        case PassOutcome::Complete:
            return "complete";
        case PassOutcome::DesignFailures:
            return "design failures";
        case PassOutcome::NotRun:
            return "not run";
    }
    return "";
}

std::string projectJson(const std::string& file, PassOutcome outcome, const std::vector<ReportLine>& report,
                        const ProjectRecord& inputs, const CalculationResult& result, bool inputDialogNeeded,
                        const SettlementPass* settlement) {
    JsonObject object;
    object.add("file", jsonString(file));
    object.add("outcome", jsonString(outcomeName(outcome)));
    object.add("report", reportJson(report));
    object.add("record", recordJson(inputs, result));
    object.add("input_dialog_needed", inputDialogNeeded);
    object.add("settlement", settlement != nullptr ? settlementJson(settlement->result, settlement->report)
                                                   : std::string("null"));
    return object.close();
}

}  // namespace fundis
