// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The printed report: a text page with the input data and the main results, a page with the
// dimension and reinforcement tables, the scheme. Each page carries the out-of-date line at its top
// when the context is out of date, and the calculation's red lines before its results.

#include "core/reports/Canvas.h"
#include "core/reports/ReportContext.h"

namespace fundis {

void DrawReportTextPage(Canvas& canvas, const ReportContext& context);
void DrawReportTablesPage(Canvas& canvas, const ReportContext& context);
// The bill of materials, a page of its own: the specification and the steel schedule in the forms
// of ГОСТ 21.501 (DrawMaterialsTables) at their size on the paper.
void DrawReportMaterialsPage(Canvas& canvas, const ReportContext& context);

// The scheme page: the scheme document to scale on the paper (a metre at 1:S is 1000/S mm), at the
// settings' scale when the drawing fits the page, else at the first drawing scale (1:100, 1:200, ...)
// at which it does; the page states the scale it is drawn at.
void DrawReportSchemePage(Canvas& canvas, const ReportContext& context);

}  // namespace fundis
