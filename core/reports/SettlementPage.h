// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settlement page of the printed report: the main values of the layer-summation method, the
// sublayer table down to Hc and the picture of the method under it, on one A4 page.

#include "core/reports/Canvas.h"
#include "core/reports/ReportContext.h"

namespace fundis {

// Draws what context.settlement holds; without a settlement the page says so in one line under its
// heading, with one that could not be computed it gives the reason in red.
void DrawReportSettlementPage(Canvas& canvas, const ReportContext& context);

}  // namespace fundis
