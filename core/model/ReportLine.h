// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace fundis {

// One line of a report as the main window's pane shows it.
struct ReportLine {
    std::string text;      // UTF-8; may hold tabs
    bool failure = false;  // written in red bold
};

// The report holds a red line: a design check failed.
inline bool anyFailure(const std::vector<ReportLine>& lines) {
    return std::any_of(lines.begin(), lines.end(), [](const ReportLine& line) { return line.failure; });
}

}  // namespace fundis
