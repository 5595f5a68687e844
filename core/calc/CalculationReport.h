// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The report text the calculation writes: whole lines, each black or red bold.

#include <string>
#include <string_view>
#include <vector>

#include "core/model/ReportLine.h"

namespace fundis {

class CalculationReport {
  public:
    explicit CalculationReport(char decimalSeparator) : decimalSeparator_(decimalSeparator) {}

    // Appends a literal; a "\n" inside it starts a new line, so "\nX" gives an empty line and X.
    void add(std::string_view text, bool failure = false);
    void addFailure(std::string_view text) { add(text, true); }

    // The report's number forms: 3 decimals, or none for bar counts and diameters.
    std::string number(double value) const;
    std::string wholeNumber(double value) const;

    const std::vector<ReportLine>& lines() const { return lines_; }
    std::vector<ReportLine> takeLines() { return std::move(lines_); }

  private:
    char decimalSeparator_;
    std::vector<ReportLine> lines_;
};

}  // namespace fundis
