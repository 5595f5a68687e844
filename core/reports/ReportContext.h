#pragma once

// What the documents (HTML, the printed pages, the scheme) show: the inputs and the results of one
// calculation, with the few things beside the record they need.

#include <string>

#include "core/model/ProjectRecord.h"

namespace fundis {

struct SettlementPass;

struct ReportContext {
    const ProjectRecord* data = nullptr;
    std::string fileName;       // the project's file name as shown in the reports
    bool craneAndWind = false;  // "Учет крановых и ветровых нагр." of the input dialog
    int schemeScale = 75;       // the setting "Масштаб 1:"
    char decimalSeparator = '.';
    // the settlement computed for this design, when the project has layers; none otherwise
    const SettlementPass* settlement = nullptr;
};

}  // namespace fundis
