#pragma once

// The printed report as PDF and the scheme as SVG, through the Qt layer when the program is built
// with it.

#include <string>

#include "reports/ExportDocuments.h"

namespace fundis {

struct DocumentRequest {
    std::string pdfFile;  // empty: not wanted
    std::string svgFile;
};

bool documentExportAvailable();

// Writes the wanted documents inside a Qt application of its own; false with the reason of the
// first failure.
bool exportDocuments(const DocumentRequest& request, const ReportContext& context, std::string& error);

}  // namespace fundis
