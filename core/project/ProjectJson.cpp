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

// An integer count of hundredths (or tenths, thousandths) as the decimal number it stands for.
std::string scaled(long units, double scale) { return jsonNumber(static_cast<double>(units) / scale); }

void addSteel(JsonObject& object, const SteelClass& steel) {
    object.add("steel_class", jsonString(steel.name));
    object.add("standard", jsonString(steel.standard));
}

}  // namespace

std::string quantitiesJson(const BillOfMaterials& bill) {
    if (!bill.designed) {
        return "null";
    }
    std::vector<std::string> bars;
    for (const BarPosition& bar : bill.bars) {
        JsonObject object;
        object.add("mark", bar.mark);
        object.add("direction", jsonString(bar.alongL && bar.alongB ? "lb" : bar.alongL ? "l" : "b"));
        object.add("name", jsonString(barName(bar)));
        object.add("diameter_mm", bar.diameter);
        addSteel(object, bar.steel);
        object.add("length_mm", bar.length);
        object.add("count", bar.count);
        object.add("spacing_mm", bar.spacing);
        object.add("mass_per_metre_kg", bar.massPerMetre);
        object.add("unit_mass_kg", scaled(bar.unitMass, 100));
        object.add("mass_kg", scaled(bar.mass, 100));
        bars.push_back(object.close());
    }
    JsonObject mesh;
    int count = 0;
    for (const BarPosition& bar : bill.bars) {
        count += bar.count;
    }
    mesh.add("count", count);
    mesh.add("mass_kg", scaled(bill.meshMass, 100));
    std::vector<std::string> steel;
    for (const SteelColumn& column : bill.steel) {
        JsonObject object;
        addSteel(object, column.steel);
        object.add("diameter_mm", column.diameter);
        object.add("mass_kg", scaled(column.mass, 10));
        steel.push_back(object.close());
    }
    std::vector<std::string> classTotals;
    for (const SteelClassTotal& total : bill.classTotals) {
        JsonObject object;
        addSteel(object, total.steel);
        object.add("mass_kg", scaled(total.mass, 10));
        classTotals.push_back(object.close());
    }
    const ConcreteQuantities& c = bill.concrete;
    std::vector<std::string> steps;
    for (const long step : c.steps) {
        steps.push_back(scaled(step, 1000));
    }
    JsonObject concrete;
    concrete.add("class", jsonString(c.concreteClass));
    concrete.add("steps_m3", jsonList(steps));
    concrete.add("pedestal_m3", scaled(c.pedestal, 1000));
    concrete.add("socket_m3", scaled(c.socket, 1000));
    concrete.add("outline_m3", scaled(c.outline, 1000));
    concrete.add("volume_m3", scaled(c.volume, 1000));
    concrete.add("prism_m3", scaled(c.prism, 1000));
    concrete.add("below_ground_m3", scaled(c.belowGround, 1000));
    concrete.add("weight_kN", scaled(c.weight, 100));
    concrete.add("soil_kN", scaled(c.soil, 100));
    concrete.add("total_kN", scaled(c.total, 100));
    concrete.add("mean_unit_weight_kN_m3", scaled(c.meanWeight, 100));
    JsonObject object;
    object.add("bars", jsonList(bars));
    object.add("mesh", mesh.close());
    object.add("steel", jsonList(steel));
    object.add("steel_classes", jsonList(classTotals));
    object.add("steel_total_kg", scaled(bill.steelTotal, 10));
    object.add("concrete", concrete.close());
    object.add("not_designed", jsonString(kNotDesignedByProgram));
    return object.close();
}

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
                        const SettlementPass* settlement, const BillOfMaterials* quantities) {
    JsonObject object;
    object.add("file", jsonString(file));
    object.add("outcome", jsonString(outcomeName(outcome)));
    object.add("report", reportJson(report));
    object.add("record", recordJson(inputs, result));
    object.add("input_dialog_needed", inputDialogNeeded);
    object.add("settlement", settlement != nullptr ? settlementJson(settlement->result, settlement->report)
                                                   : std::string("null"));
    object.add("quantities", quantities != nullptr ? quantitiesJson(*quantities) : std::string("null"));
    return object.close();
}

}  // namespace fundis
