// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/ReportContext.h"

namespace fundis {

std::vector<std::string> failureLines(const std::vector<ReportLine>& report) {
    std::vector<std::string> lines;
    for (const ReportLine& line : report) {
        if (line.failure) {
            lines.push_back(line.text);
        }
    }
    return lines;
}

Design shownDesign(const ReportContext& context) {
    static const ProjectRecord noInputs;
    static const CalculationResult noResult;
    return {context.inputs != nullptr ? *context.inputs : noInputs,
            context.result != nullptr ? *context.result : noResult, context.quantities};
}

const BillOfMaterials& shownQuantities(const ReportContext& context) {
    static const BillOfMaterials none;
    return context.quantities != nullptr ? *context.quantities : none;
}

bool baseDesigned(const ReportContext& context) {
    return context.result != nullptr && baseFound(*context.result);
}

bool foundationShaped(const ReportContext& context) {
    return context.result != nullptr && foundationShaped(*context.result);
}

}  // namespace fundis
