// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settlement/SettlementPass.h"

#include "core/settlement/SettlementReport.h"

namespace fundis {

SettlementPass runSettlementPass(const ProjectRecord& record, const SettlementInputs& inputs,
                                 char decimalSeparator) {
    SettlementPass pass;
    pass.d = record.d;
    pass.inputs = inputs;
    if (!(record.b > 0.0f) || !(record.l > 0.0f)) {
        pass.result.status = Status::failure(kFoundationNotDesigned);
    } else if (const Status read = parseSettlementInputs(inputs, pass.data); !read) {
        pass.result.status = read;
    } else {
        pass.result = computeSettlement(record.b, record.l, record.d, record.pEnv, pass.data);
    }
    pass.report = settlementReport(pass.result, decimalSeparator);
    return pass;
}

SettlementPass unreadSettlementPass(const Status& problem, char decimalSeparator) {
    SettlementPass pass;
    pass.result.status = problem;
    pass.report = settlementReport(pass.result, decimalSeparator);
    return pass;
}

}  // namespace fundis
