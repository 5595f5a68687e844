// SPDX-License-Identifier: GPL-3.0-or-later
// The bill of materials where the documents show it: the HTML report's tables and the printed page
// of its own, both in the forms of ГОСТ 21.501.

#include "core/reports/MaterialsTables.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/reports/HtmlReport.h"
#include "core/reports/PrintedReport.h"
#include "support/RecordingCanvas.h"
#include "support/SampleProject.h"

using namespace fundis;

namespace {

// The two-step sample with its bars: Ø16 × 12 along l = 2.4 m, Ø12 × 9 along b = 1.8 m, 50 mm
// covers, А-III. By hand: 2300 mm and 1700 mm; 1.578 kg/m · 2.3 = 3.63 kg, 12 bars 43.56 kg;
// 0.888 · 1.7 = 1.51 kg, 9 bars 13.59 kg; the schedule Ø12 13.6, Ø16 43.6, in all 57.2 kg.
struct Sample {
    SampleDesign design = twoStepFoundation();
    BillOfMaterials bill;
    ReportContext context;
    Sample() {
        design.inputs.dz = 0.05f;
        design.inputs.Rs = 365000;
        ReinforcementSide& l = design.result.reinforcement.alongL;
        ReinforcementSide& b = design.result.reinforcement.alongB;
        l.side = b.across = 2.4f;
        b.side = l.across = 1.8f;
        bill = billOfMaterials(design.inputs, design.result, "B 15");
        context = design.context();
        context.quantities = &bill;
        context.decimalSeparator = ',';
    }
};

}  // namespace

// The HTML report: the specification's rows, the schedule with a column a diameter and the totals; the
// printed page: both tables with their titles and every number, within the page's width
TEST(MaterialsTables, HtmlReportAndPrintedPage) {
    const Sample sample;
    const std::string page = htmlReport(sample.context);
    for (const char* row : {"<TR><TD>1<TD>ГОСТ 5781-82<TD>Ø16 А-III, l = 2300<TD>12<TD>3,63<TD>43,56 кг",
                            "<TR><TD>2<TD>ГОСТ 5781-82<TD>Ø12 А-III, l = 1700<TD>9<TD>1,51<TD>13,59 кг",
                            "<TD colspan=3 align=center>Арматура класса А-III", "<TR><TD>Ø12<TD>Ø16<TD>Итого",
                            "<TR><TD>Ф1<TD>13,6<TD>43,6<TD>57,2<TD>57,2", "<TD>Бетон класса B 15"}) {
        EXPECT_NE(page.find(row), std::string::npos) << row;
    }
    EXPECT_NE(page.find(kNotDesignedByProgram), std::string::npos);
    // without the quantities (a design that was not shaped) no tables
    EXPECT_EQ(htmlReport(sample.design.context()).find("СПЕЦИФИКАЦИЯ"), std::string::npos);

    RecordingCanvas canvas(4800, 6800);
    DrawReportMaterialsPage(canvas, sample.context);
    std::vector<std::string> texts;
    for (const RecordingCanvas::Text& text : canvas.texts()) {
        texts.push_back(text.text);
        EXPECT_GE(text.x, 0) << text.text;
        EXPECT_LE(text.x + canvas.textWidth(text.text), canvas.pageWidth()) << text.text;
    }
    for (const char* wanted :
         {"Спецификация", "Ведомость расхода стали, кг", "Ø16 А-III, l = 2300", "3,63", "43,56 кг", "13,6",
          "43,6", "57,2", "Детали", "Материалы", "Бетон класса B 15"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), wanted), texts.end()) << wanted;
    }
    RecordingCanvas none(4800, 6800);
    EXPECT_GT(DrawMaterialsTables(none, 0, 0, 200, BillOfMaterials(), ','), 0);
    ASSERT_EQ(none.texts().size(), 1U);
    EXPECT_EQ(none.texts()[0].text, "Фундамент не запроектирован: спецификации нет.");
}
