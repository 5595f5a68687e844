// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Batch export of the printed documents and the scheme (Qt layer: fonts and a PDF/SVG writer are
// needed, so a QGuiApplication must exist).

#include <string>

#include "core/model/Status.h"
#include "core/reports/ReportContext.h"

namespace fundis {

// The pages of "Печать" (reportPages) as one A4 PDF.
Status writeReportPdf(const std::string& path, const ReportContext& context);
// The scheme alone as SVG.
Status writeSchemeSvg(const std::string& path, const ReportContext& context);

}  // namespace fundis
