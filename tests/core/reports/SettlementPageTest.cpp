// SPDX-License-Identifier: GPL-3.0-or-later
// The settlement page of the printed report and the settlement block of the HTML report.

#include "core/reports/SettlementPage.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/reports/HtmlReport.h"
#include "core/settlement/SettlementPass.h"
#include "support/RecordingCanvas.h"
#include "support/SampleProject.h"

using namespace fundis;

namespace {

const char* const kExceeds = "Осадка фундамента превышает предельную.";

// The hand-checked one layer (b = l = 2, d = 1, pEnv = 40): σzp(0.8) = 15.994, s1 = 1.152 mm,
// Hc = 1.489 m, s = 0.186 cm
SettlementPass oneLayer(double su) {
    SettlementPass pass;
    pass.data = {{{5, 20, 10}}, su};
    pass.result = computeSettlement(2, 2, 1, 40, pass.data);
    return pass;
}

// The page at 600 dpi, every text and line checked to lie on it.
RecordingCanvas pageOf(const SettlementPass* pass) {
    ReportContext context;
    context.settlement = pass;
    context.decimalSeparator = ',';
    RecordingCanvas canvas(4800, 6787);
    DrawReportSettlementPage(canvas, context);
    for (const auto& text : canvas.texts()) {
        EXPECT_TRUE(text.x >= 0 && text.y >= 0 && RecordingCanvas::rightOf(text) <= 4800 &&
                    RecordingCanvas::bottomOf(text) <= 6787)
            << text.text;
    }
    for (const auto& line : canvas.lines()) {
        EXPECT_TRUE(line.from.y >= 0 && line.to.y <= 6787 && line.from.x >= 0 && line.to.x <= 4800);
    }
    return canvas;
}

int yOf(const RecordingCanvas& canvas, const std::string& text) {
    const auto found = canvas.textsOf(text);
    EXPECT_FALSE(found.empty()) << text;
    return found.empty() ? -1 : found.front().y;
}

}  // namespace

// The values, then one table row a sublayer with its cells side by side, then the picture
TEST(SettlementPage, ValuesTableAndPictureInReadingOrder) {
    const SettlementPass pass = oneLayer(0.08);
    const RecordingCanvas canvas = pageOf(&pass);
    const char* const order[] = {"РАСЧЕТ ОСАДКИ ФУНДАМЕНТА",
                                 "p0 = 20,000 кПа;",
                                 "Hc = 1,489 м;",
                                 "s = 0,186 см;",
                                 "su = 8,000 см.",
                                 "σzp",
                                 "15,994",
                                 "1,489",
                                 "Hc = 1,489 м"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        EXPECT_LT(yOf(canvas, order[i - 1]), yOf(canvas, order[i])) << order[i];
    }
    for (const char* cell : {"36,000", "7,200", "1,152"}) {  // σzg, 0.2·σzg and s beside σzp
        EXPECT_EQ(yOf(canvas, cell), yOf(canvas, "15,994")) << cell;
    }
    EXPECT_TRUE(canvas.textsOf(kExceeds).empty());
    const SettlementPass exceeds = oneLayer(0.0018);
    const auto red = pageOf(&exceeds).textsOf(kExceeds);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].font.color, CanvasColor::Red);
}

// Without a settlement, or with one that failed, the heading and one line; a long table stays on the page
TEST(SettlementPage, OneLineWithoutASettlementAndLongTablesCut) {
    SettlementPass failed;
    failed.result.status = Status::failure("Сначала выполните расчет фундамента.");
    for (const auto& [pass, line] :
         {std::pair{(const SettlementPass*)nullptr, "Осадка фундамента не рассчитана."},
          {&failed, "Сначала выполните расчет фундамента."}}) {
        SCOPED_TRACE(line);
        const RecordingCanvas canvas = pageOf(pass);
        ASSERT_EQ(canvas.texts().size(), 2u);
        EXPECT_EQ(canvas.texts()[1].text, line);
        EXPECT_EQ(canvas.texts()[1].font.color, pass ? CanvasColor::Red : CanvasColor::Black);
    }
    // a reason longer than the line wraps inside the margins
    std::string longReason = kFoundationNotDesigned;
    for (int i = 0; i < 5; ++i) {
        longReason += std::string(" ") + kFoundationNotDesigned;
    }
    failed.result.status = Status::failure(longReason);
    const RecordingCanvas canvas = pageOf(&failed);
    ASSERT_GT(canvas.texts().size(), 2u);
    std::string reason;
    for (std::size_t i = 1; i < canvas.texts().size(); ++i) {
        reason += (i > 1 ? " " : "") + canvas.texts()[i].text;  // each inside the page, as pageOf checks
    }
    EXPECT_EQ(reason, failed.result.status.message());
    SettlementPass deep = oneLayer(0.08);  // rows past the room are left out, not drawn off the page
    deep.result.sublayers.resize(120, deep.result.sublayers.front());
    EXPECT_LT(pageOf(&deep).textsOf("15,994").size(), 120u);
}

// The HTML block goes between the reinforcement table and the end; nothing else of the page changes
TEST(SettlementHtml, BlockAfterTheTablesOnlyWithASettlement) {
    const SampleDesign record = twoStepFoundation();
    ReportContext context = record.context();
    const std::string plain = htmlReport(context);
    SettlementPass failed;
    failed.result.status = Status::failure("x");
    context.settlement = &failed;
    EXPECT_EQ(htmlReport(context), plain);

    const SettlementPass exceeds = oneLayer(0.0018);
    context.settlement = &exceeds;
    const std::string page = htmlReport(context);
    const std::size_t end = plain.size() - std::string("</BODY></HTML>").size();
    ASSERT_EQ(page.compare(0, end, plain, 0, end), 0);
    const std::string block = page.substr(end);
    for (const char* lines :
         {"<P>РАСЧЕТ ОСАДКИ ФУНДАМЕНТА\r\n<li>Среднее давление по подошве p=40кПа;\r\n",
          "<TABLE BORDER=\"2\">\r\n<TR><TD>z1, м<TD>z2, м<TD>ζ<TD>α<TD>σzp, кПа<TD>σzg, кПа<TD>0.2·σzg, кПа"
          "<TD>E, МПа<TD>s, "
          "мм\r\n<TR><TD>0<TD>0.8<TD>0.8<TD>0.79972<TD>15.994<TD>36<TD>7.2<TD>10<TD>1.1518\r\n",
          "<li>Нижняя граница сжимаемой толщи Hc=1.4891м;\r\n",
          "<P><FONT color=red><B>Осадка фундамента превышает предельную.</B></FONT>\r\n</BODY></HTML>"}) {
        EXPECT_NE(block.find(lines), std::string::npos) << lines;
    }
    const SettlementPass within = oneLayer(0.08);
    context.settlement = &within;
    EXPECT_EQ(htmlReport(context).find(kExceeds), std::string::npos);
}
