#pragma once

// The printed report: a text page with the input data and the main results, a page with the
// dimension and reinforcement tables; the scheme is the third document.

#include "core/reports/Canvas.h"
#include "core/reports/ReportContext.h"

namespace fundis {

void DrawReportTextPage(Canvas& canvas, const ReportContext& context);
void DrawReportTablesPage(Canvas& canvas, const ReportContext& context);
// The scheme page: DrawFoundationScheme at unit = page width div 16.
void DrawReportSchemePage(Canvas& canvas, const ReportContext& context);

}  // namespace fundis
