// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/HtmlReport.h"

#include <gtest/gtest.h>

#include <regex>

#include "support/SampleProject.h"
#include "support/TempFolder.h"

using namespace fundis;

namespace {

std::string pageOf(const SampleDesign& sample, const std::string& fileName, bool craneAndWind,
                   char separator = '.') {
    ReportContext context = sample.context();
    context.fileName = fileName;
    context.craneAndWind = craneAndWind;
    context.decimalSeparator = separator;
    return htmlReport(context);
}

}  // namespace

// The whole page of the sample design, written out by hand line by line: a byte-order mark, %g
// numbers (six digits for the inputs, five for the results), CR LF between the lines, none after
// the last
TEST(HtmlReport, WholePageOfTheSampleDesign) {
    std::string expected = "\xEF\xBB\xBF";
    for (char ch : fundis::testing::readBytes(FUNDIS_TEST_DATA_DIR "/html_report_two_steps.txt")) {
        expected += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    }
    expected.resize(expected.size() - 2);
    EXPECT_EQ(pageOf(twoStepFoundation(), "/home/user/проекты/case_0001.dan", true), expected);
}

// No crane-and-wind line unless ticked; the file name escaped; 6 digits for inputs, 5 for results.
// People read the page: its numbers take the report's decimal separator (inputs, results, the
// dimension and reinforcement tables), the markup and the file name keep theirs
TEST(HtmlReport, CraneLineFileNameDigitsAndSeparator) {
    SampleDesign sample = twoStepFoundation();
    sample.inputs.Yii = sample.result.steps.b = 1.234567f;
    const std::string dot = pageOf(sample, "/tmp/a&b<c>.dan", false);
    const std::string page = pageOf(sample, "/tmp/v1.2.dan", false, ',');
    for (const auto& [text, piece] :
         {std::pair{&dot,
                    "\r\n<p>Исходные данные взяты из файла\"/tmp/a&amp;b&lt;c&gt;.dan\"</p>\r\n"
                    "<P align=center><B>РАСЧЕТНЫЕ ДАННЫЕ</B></P>\r\n"},
          {&dot, "II<FONT size=3>=1.23457кН/м3;\r\n"},
          {&dot, "\r\n<li>Ширина подошвы фундамента b=1.2346м;\r\n"},
          {&page, "II<FONT size=3>=1,23457кН/м3;"},
          {&page, "<li>Ширина подошвы фундамента b=1,2346м;"},
          {&page, "взяты из файла\"/tmp/v1.2.dan\""}}) {
        EXPECT_NE(text->find(piece), std::string::npos) << piece;
    }
    const std::size_t table = page.find("<P>РАЗМЕРЫ ФУНДАМЕНТА");
    ASSERT_NE(table, std::string::npos);
    const std::string tables = page.substr(table);
    EXPECT_FALSE(std::regex_search(tables, std::regex("[0-9][.][0-9]"))) << tables;
    EXPECT_TRUE(std::regex_search(tables, std::regex("<TD>[0-9]+,[0-9]+\r\n"))) << tables;
}

// The verdict in the page: the out-of-date line first in the body; the red lines, escaped, a
// paragraph a group, between the results' heading and the first result. Without a pedestal the
// base's results stay and the tables go; without a base the results go too
TEST(HtmlReport, OutOfDateLineAndRedLinesBeforeTheResults) {
    SampleDesign sample = twoStepFoundation();
    ReportContext context = sample.context();
    context.outOfDate = true;
    context.failures = {"", "Не выполняется условие <p12>.", "Необходимо увеличить толщину дна стакана.", "",
                        "Невозможно подобрать ступени фундамента."};
    std::string page = htmlReport(context);
    const std::string outOfDate =
        "<P><FONT color=red><B>" + std::string(kOutOfDateLine) + "</B></FONT></P>\r\n";
    EXPECT_NE(page.find("<BODY><FONT face=\"Times New Roman\" size=3>\r\n" + outOfDate +
                        "<P align=center><B>ИСХОДНЫЕ ДАННЫЕ</B></P>"),
              std::string::npos);
    const std::string verdict =
        "<P align=center><B>РАСЧЕТНЫЕ ДАННЫЕ</B></P>\r\n"
        "<P><FONT color=red><B>Не выполняется условие &lt;p12&gt;.<BR>Необходимо увеличить толщину дна "
        "стакана.</B></FONT></P>\r\n"
        "<P><FONT color=red><B>Невозможно подобрать ступени фундамента.</B></FONT></P>\r\n"
        "<P align=justify><li>Площадь подошвы фундамента A= 4.32м2;";
    EXPECT_NE(page.find(verdict), std::string::npos) << page;
    EXPECT_NE(page.find("<P>РАЗМЕРЫ ФУНДАМЕНТА"), std::string::npos);

    sample.result.stepsRan = false;  // no pedestal: the stages stopped after the search
    page = htmlReport(context);
    EXPECT_NE(page.find("<li>Минимальное давление по подошве pmin=146.56кПа."), std::string::npos);
    EXPECT_EQ(page.find("РАЗМЕРЫ ФУНДАМЕНТА"), std::string::npos);
    EXPECT_EQ(page.find("АРМИРОВАНИЕ"), std::string::npos);

    sample.result = CalculationResult();  // no admissible base
    sample.result.ran = true;
    context.outOfDate = false;
    context.failures = {
        "", "Размеры подошвы не подобраны: ни одна подошва до 10x10 м не проходит проверку давлений."};
    page = htmlReport(context);
    EXPECT_EQ(page.find(kOutOfDateLine), std::string::npos);
    EXPECT_NE(page.find("NII=1100кН"), std::string::npos);
    const std::string end =
        "<P align=center><B>РАСЧЕТНЫЕ ДАННЫЕ</B></P>\r\n<P><FONT color=red><B>Размеры подошвы не подобраны: "
        "ни одна подошва до 10x10 м не проходит проверку давлений.</B></FONT></P>\r\n</BODY></HTML>";
    ASSERT_GE(page.size(), end.size());
    EXPECT_EQ(page.substr(page.size() - end.size()), end);
}
