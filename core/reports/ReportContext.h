// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the documents (HTML, the printed pages, the scheme) show: the inputs and the results of one
// calculation, with the few things beside the record they need, and the calculation's verdict:
// its red lines and whether the inputs have changed since.

#include <string>
#include <vector>

#include "core/calc/StageResults.h"
#include "core/model/ProjectRecord.h"
#include "core/model/ReportLine.h"
#include "core/quantities/BillOfMaterials.h"

namespace fundis {

struct SettlementPass;

// What a document draws or tabulates: the inputs of one calculation and what it used and found,
// read where they live.
struct Design {
    const ProjectRecord& inputs;
    const CalculationResult& result;
    // the bars and the concrete of it (null: none to draw, as for a design put together by hand)
    const BillOfMaterials* quantities;
};

struct ReportContext {
    // the calculation shown: its inputs and its result (both null: nothing calculated yet)
    const ProjectRecord* inputs = nullptr;
    const CalculationResult* result = nullptr;
    // what the designed foundation takes to build, computed with the result (null with it)
    const BillOfMaterials* quantities = nullptr;
    std::string fileName;       // the project's file name as shown in the reports
    bool craneAndWind = false;  // "Учет крановых и ветровых нагр." of the input dialog
    int schemeScale = 75;       // the setting "Масштаб 1:"
    char decimalSeparator = '.';
    // the settlement computed for this design, when the project has layers; none otherwise
    const SettlementPass* settlement = nullptr;
    // the red lines of the calculation's report as the report pane shows them, blank ones included
    // (they part the groups): every document shows them before the results they concern
    std::vector<std::string> failures;
    // the inputs were changed after the calculation: every document says so at its top
    bool outOfDate = false;
};

// The line at the top of every document whose results are out of date.
inline constexpr char kOutOfDateLine[] =
    "Результаты не соответствуют текущим исходным данным: выполните расчет.";

// The red lines of a report, as the documents repeat them.
std::vector<std::string> failureLines(const std::vector<ReportLine>& report);

// The design the documents show: the context's, or an empty one when nothing was calculated.
Design shownDesign(const ReportContext& context);

// The quantities the documents list: the context's, or none (designed = false).
const BillOfMaterials& shownQuantities(const ReportContext& context);

// The search found an admissible base: the sizes, R and pressures are results.
bool baseDesigned(const ReportContext& context);
// The base and its pedestal were found: there is a foundation to tabulate and to draw.
bool foundationShaped(const ReportContext& context);

}  // namespace fundis
