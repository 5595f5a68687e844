#pragma once

#include <string>

namespace fundis {

// One line of a report as the main window's pane shows it.
struct ReportLine {
    std::string text;      // UTF-8; may hold tabs
    bool failure = false;  // written in red bold
};

}  // namespace fundis
