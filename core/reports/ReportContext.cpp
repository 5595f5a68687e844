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

const ProjectRecord& shownRecord(const ReportContext& context) {
    static const ProjectRecord empty;
    return context.data != nullptr ? *context.data : empty;
}

bool baseDesigned(const ReportContext& context) {
    return context.data != nullptr && context.data->l > 0.0f && context.data->b > 0.0f;
}

bool foundationShaped(const ReportContext& context) {
    return baseDesigned(context) && context.data->luc > 0.0f && context.data->buc > 0.0f;
}

}  // namespace fundis
