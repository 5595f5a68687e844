// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settlement/SettlementPass.h"

#include "core/settlement/SettlementReport.h"

namespace fundis {

SettlementPass runSettlementPass(const CalculationResult& design, const SettlementInputs& inputs,
                                 char decimalSeparator) {
    SettlementPass pass;
    pass.d = designedDepth(design);
    pass.inputs = inputs;
    if (!baseFound(design)) {
        pass.result.status = Status::failure(kFoundationNotDesigned);
    } else if (const Status read = parseSettlementInputs(inputs, pass.data); !read) {
        pass.result.status = read;
    } else {
        pass.result = computeSettlement(designedWidth(design), designedLength(design), pass.d,
                                        design.base.pEnv, pass.data);
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
