// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/project/ProjectJson.h"

#include <algorithm>

#include "core/project/Json.h"
#include "core/project/SettlementJson.h"
#include "core/settlement/SettlementPass.h"

namespace fundis {

namespace {

std::string recordJson(const ProjectRecord& data) {
    const int steps = std::clamp(data.nSteps, 0, kStepEntries - 1);
    JsonObject record;
    record.add("Mt", data.Mt);
    record.add("kh", data.kh);
    record.add("d0", data.d0);
    record.add("d", data.d);
    record.add("dfn", data.dfn);
    record.add("df", data.df);
    record.add("Hf", data.Hf);
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
    record.add("buc", data.buc);
    record.add("luc", data.luc);
    record.add("da", data.da);
    record.add("dz", data.dz);
    record.add("Rs", data.Rs);
    record.add("Rsc", data.Rsc);
    record.add("Rbt", data.Rbt);
    record.add("My", data.My);
    record.add("Mq", data.Mq);
    record.add("Mc", data.Mc);
    record.add("kz", data.kz);
    record.add("R", data.R);
    record.add("b", data.b);
    record.add("l", data.l);
    record.add("A", data.A);
    record.add("kzap", data.kzap);
    record.add("pEnv", data.pEnv);
    record.add("pmaxEnv", data.pmaxEnv);
    record.add("pminEnv", data.pminEnv);
    record.add("p", data.p);
    record.add("pmax", data.pmax);
    record.add("pmin", data.pmin);
    record.add("pK1", data.pK1);
    record.add("h01", data.h01);
    record.add("k1", data.k1);
    record.add("hSteps", data.hSteps);
    record.add("huc", data.huc);
    record.add("nSteps", data.nSteps);
    record.add("h", jsonArray(data.h, 0, steps));
    record.add("lStep", jsonArray(data.lStep, 1, steps));
    record.add("bStep", jsonArray(data.bStep, 1, steps));
    record.add("c", jsonArray(data.c, 1, steps));
    record.add("cb", jsonArray(data.cb, 1, steps));
    record.add("pI", data.pI);
    record.add("p12", data.p12);
    record.add("pminI", data.pminI);
    record.add("prod_h", data.prod_h);
    record.add("prod_A", data.prod_A);
    record.add("prod_F", data.prod_F);
    record.add("bm", data.bm);
    record.add("Asl", data.Asl);
    record.add("Asb", data.Asb);
    record.add("dsl", data.dsl);
    record.add("dsb", data.dsb);
    record.add("nl", data.nl);
    record.add("nb", data.nb);
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
                        const ProjectRecord& data, bool inputDialogNeeded, const SettlementPass* settlement) {
    JsonObject object;
    object.add("file", jsonString(file));
    object.add("outcome", jsonString(outcomeName(outcome)));
    object.add("report", reportJson(report));
    object.add("record", recordJson(data));
    object.add("input_dialog_needed", inputDialogNeeded);
    object.add("settlement", settlement != nullptr ? settlementJson(settlement->result, settlement->report)
                                                   : std::string("null"));
    return object.close();
}

}  // namespace fundis
