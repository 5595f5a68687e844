#include "reports/HtmlReport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

using fundis::htmlReport;
using fundis::TProjectData;

namespace {

const std::string kBom = "\xEF\xBB\xBF";

// The results of a finished run with two steps.
TProjectData twoStepRecord() {
    TProjectData data;
    data.MII = {0, 106.0f, 48.0f, 64.0f};
    data.MI = {0, 125.0f, 56.0f, 75.2f};
    data.NII = {0, 1547.7f, 1951.0f, 1579.0f};
    data.NI = {0, 1818.7f, 2293.0f, 1856.0f};
    data.QII = {0, 31.5f, 21.0f, 51.2f};
    data.QI = {0, 37.0f, 24.7f, 60.0f};
    data.Yii = 18.5f;
    data.Yii1 = 20.36f;
    data.fii = 34.1f;
    data.cii = 38.0f;
    data.pedestalTop = -0.15f;
    data.d_l = data.d_h = data.h[2] = 0.3f;
    data.A = 2.16f;
    data.l = data.d = 1.8f;
    data.b = data.buc = data.luc = 1.2f;
    data.R = 1002.97015f;
    data.pEnv = 939.240723f;
    data.pmaxEnv = 1071.64819f;
    data.pminEnv = 501.44751f;
    data.huc = 1.35000014f;
    data.bc = data.lc = 0.5f;
    data.nSteps = 2;
    data.c[1] = 0.29999995f;
    data.c[2] = data.cb[2] = 0.15f;
    data.h[1] = 0.45f;
    data.Asl = 0.00138544245f;
    data.Asb = 0.000549778691f;
    data.nl = 9;
    data.nb = 7;
    data.dsl = 0.014f;
    data.dsb = 0.01f;
    return data;
}

// The page's lines without the byte-order mark, split at CR LF.
std::vector<std::string> pageLines(const std::string& page) {
    std::vector<std::string> lines;
    for (std::size_t start = page.compare(0, kBom.size(), kBom) == 0 ? kBom.size() : 0;;) {
        const std::size_t end = page.find("\r\n", start);
        lines.push_back(page.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 2;
    }
}

// The dimension table's rows, each a list of its cells.
std::vector<std::vector<std::string>> dimensionRows(const std::string& page) {
    const std::vector<std::string> lines = pageLines(page);
    std::vector<std::vector<std::string>> rows;
    std::size_t i = 0;
    while (i < lines.size() && lines[i] != "<TR>") {
        ++i;
    }
    for (++i; i < lines.size() && lines[i] != "</TABLE>"; ++i) {
        std::string cell = lines[i];
        if (cell.compare(0, 4, "<TR>") == 0 || rows.empty()) {
            rows.emplace_back();
            if (cell.compare(0, 4, "<TR>") == 0) {
                cell.erase(0, 4);
            }
        }
        rows.back().push_back(cell);
    }
    return rows;
}

// The dimension table of a record with `steps` steps, overhangs of 0.15 and 0.05 m a step.
std::vector<std::vector<std::string>> dimensionTableOf(int steps) {
    TProjectData data = twoStepRecord();
    data.nSteps = steps;
    for (int i = 1; i <= steps; ++i) {
        data.c[i] = 0.15f * static_cast<float>(i);
        data.cb[i] = 0.05f * static_cast<float>(i);
        data.h[i] = 0.3f;
    }
    return dimensionRows(htmlReport(data, "a.dan", false));
}

// Blank value cells at the end of a row (the label cell of rows 9 and 10 is blank too).
int trailingBlanks(const std::vector<std::string>& row) {
    int count = 0;
    for (std::size_t i = row.size(); i > 1 && row[i - 1] == "<TD>&#160"; --i) {
        ++count;
    }
    return count;
}

}  // namespace

// The whole page, written out by hand line by line: the byte-order mark, CR LF between the lines
// and none after the last
TEST(HtmlReport, WholePageForTwoSteps) {
    std::ifstream in(std::string(FUNDIS_TEST_DATA_DIR) + "/html_report_two_steps.txt", std::ios::binary);
    ASSERT_TRUE(in);
    std::string expected = kBom;
    for (std::string line; std::getline(in, line);) {
        expected += line + "\r\n";
    }
    expected.resize(expected.size() - 2);
    EXPECT_EQ(htmlReport(twoStepRecord(), "/home/user/проекты/case_0001.dan", true), expected);
}

// Rows and blank cells of the dimension table: 1 + max(nSteps, 3) columns
TEST(HtmlReport, DimensionTableShapes) {
    const struct {
        int steps;
        int cells;       // label included, every row
        int blanks[10];  // trailing blank cells of rows 1..10
    } rows[] = {
        {0, 4, {0, 0, 1, 1, 3, 3, 3, 3, 3, 3}},
        {3, 4, {0, 0, 1, 1, 0, 0, 0, 0, 0, 0}},
        {5, 6, {2, 2, 3, 3, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& row : rows) {
        const auto table = dimensionTableOf(row.steps);
        ASSERT_EQ(table.size(), 10u) << row.steps;
        for (std::size_t r = 0; r < 10; ++r) {
            EXPECT_EQ(static_cast<int>(table[r].size()), row.cells)
                << "steps " << row.steps << ", row " << r + 1;
            EXPECT_EQ(trailingBlanks(table[r]), row.blanks[r]) << "steps " << row.steps << ", row " << r + 1;
        }
    }
}

// The step columns beyond the three of the pedestal's rows: headings and values of each step
TEST(HtmlReport, StepHeadersAndValuesOfFiveSteps) {
    const auto table = dimensionTableOf(5);
    ASSERT_EQ(table.size(), 10u);
    EXPECT_EQ(table[4],
              (std::vector<std::string>{"<TD> Размеры", "<TD>c1", "<TD>c2", "<TD>c3", "<TD>c4", "<TD>c5"}));
    EXPECT_EQ(table[5], (std::vector<std::string>{"<TD> ступеней", "<TD>0.15", "<TD>0.3", "<TD>0.45",
                                                  "<TD>0.6", "<TD>0.75"}));
    EXPECT_EQ(table[6][5], "<TD>cb5");
    EXPECT_EQ(table[7][2], "<TD>0.1");
}

TEST(HtmlReport, StepCountOutsideTheArraysIsHeldToThem) {
    for (int steps : {-4, 101, 100000}) {
        TProjectData data = twoStepRecord();
        data.nSteps = steps;
        const auto table = dimensionRows(htmlReport(data, "a.dan", false));
        ASSERT_EQ(table.size(), 10u);
        EXPECT_EQ(table[4].size(), steps < 0 ? 4u : 101u) << steps;
    }
}

TEST(HtmlReport, FileNameBetweenQuotesEscaped) {
    EXPECT_EQ(pageLines(htmlReport(twoStepRecord(), "", false))[25],
              "<p>Исходные данные взяты из файла\"\"</p>");
    EXPECT_EQ(pageLines(htmlReport(twoStepRecord(), "/tmp/a&b<c>.dan", false))[25],
              "<p>Исходные данные взяты из файла\"/tmp/a&amp;b&lt;c&gt;.dan\"</p>");
}

TEST(HtmlReport, CraneAndWindLineOnlyWhenTicked) {
    const std::string crane = "<p>При расчете учитывались ветровая и снеговая нагрузки.</p>";
    const std::vector<std::string> with = pageLines(htmlReport(twoStepRecord(), "a.dan", true));
    const std::vector<std::string> without = pageLines(htmlReport(twoStepRecord(), "a.dan", false));
    ASSERT_EQ(with.size(), without.size() + 1);
    EXPECT_EQ(with[26], crane);
    EXPECT_EQ(with[27], "<P align=center><B>РАСЧЕТНЫЕ ДАННЫЕ</B></P>");
    EXPECT_EQ(without[25], "<p>Исходные данные взяты из файла\"a.dan\"</p>");
    EXPECT_EQ(without[26], "<P align=center><B>РАСЧЕТНЫЕ ДАННЫЕ</B></P>");
}

// Six significant digits up to the results heading, five after it (the %g rules themselves are
// the number-format tests' business)
TEST(HtmlReport, InputsWithSixDigitsResultsWithFive) {
    TProjectData data = twoStepRecord();
    data.Yii = data.b = 1.234567f;
    const std::vector<std::string> lines = pageLines(htmlReport(data, "a.dan", false));
    const std::string yii = "=1.23457кН/м3;";
    ASSERT_GE(lines[18].size(), yii.size());
    EXPECT_EQ(lines[18].substr(lines[18].size() - yii.size()), yii) << lines[18];
    EXPECT_EQ(lines[29], "<li>Ширина подошвы фундамента b=1.2346м;");
}
