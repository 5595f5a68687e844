#pragma once

// Batch export of the printed documents and the scheme (Qt layer: fonts and a PDF/SVG writer are
// needed, so a QGuiApplication must exist).

#include <string>

#include "model/ProjectData.h"

namespace fundis {

struct ReportContext {
    const TProjectData* data = nullptr;
    std::string fileName;       // the project's file name as shown in the reports
    bool craneAndWind = false;  // CheckBox1 of the input dialog
    int schemeScale = 75;       // the setting "Масштаб 1:"
    char decimalSeparator = '.';
};

// The three documents (text page, tables page, scheme) as a three-page PDF.
bool writeReportPdf(const std::string& path, const ReportContext& context, std::string& error);
// The scheme alone as SVG.
bool writeSchemeSvg(const std::string& path, const ReportContext& context, std::string& error);

}  // namespace fundis
