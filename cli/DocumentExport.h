// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The printed report as PDF and the scheme as SVG, through the Qt layer when the program is built
// with it.

#include <string>

#include "core/model/Status.h"
#include "core/note/CalculationNote.h"
#include "core/reports/ReportContext.h"

namespace fundis {

struct DocumentRequest {
    std::string pdfFile;  // empty: not wanted
    std::string svgFile;
    std::string noteFile;                   // the calculation note as PDF
    const CalculationNote* note = nullptr;  // with noteFile
};

bool documentExportAvailable();

// Writes the wanted documents inside a Qt application of its own; the first failure.
Status exportDocuments(const DocumentRequest& request, const ReportContext& context);

}  // namespace fundis
