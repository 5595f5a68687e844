// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/CalculationReport.h"

#include "core/model/NumberFormat.h"

namespace fundis {

void CalculationReport::add(std::string_view text, bool failure) {
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        lines_.push_back({std::string(text.substr(start, end - start)), failure});
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
}

std::string CalculationReport::number(double value) const { return formatFixed(value, 3, decimalSeparator_); }

std::string CalculationReport::wholeNumber(double value) const {
    return formatFixed(value, 0, decimalSeparator_);
}

}  // namespace fundis
