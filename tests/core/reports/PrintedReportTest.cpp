// SPDX-License-Identifier: GPL-3.0-or-later
// The printed report on a 600 dpi A4 page: what stands where relative to what, not in which pixel.

#include "core/reports/PrintedReport.h"

#include "core/reports/PageGrid.h"
#include "core/reports/SchemeDrawing.h"
#include "core/reports/SettlementPage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>

#include "support/RecordingCanvas.h"
#include "support/SampleProject.h"

using namespace fundis;

namespace {

constexpr int kWidth = 4800;
constexpr int kHeight = 6787;

bool isRedBold(const RecordingCanvas::Text& text) {
    return text.font.color == CanvasColor::Red && text.font.bold;
}

std::vector<RecordingCanvas::Text> redTexts(const RecordingCanvas& canvas) {
    std::vector<RecordingCanvas::Text> red;
    std::copy_if(canvas.texts().begin(), canvas.texts().end(), std::back_inserter(red), isRedBold);
    return red;
}

int yOf(const RecordingCanvas& canvas, const std::string& text) {
    const auto found = canvas.textsOf(text);
    EXPECT_EQ(found.size(), 1u) << text;
    return found.empty() ? -1 : found[0].y;
}

// Every text inside the page, and the texts of one line left to right without touching.
void expectTidyPage(const RecordingCanvas& canvas, bool linesApart = true) {
    std::map<int, std::vector<RecordingCanvas::Text>> lines;
    for (const auto& text : canvas.texts()) {
        EXPECT_TRUE(text.x >= 0 && text.y >= 0 && RecordingCanvas::rightOf(text) <= canvas.pageWidth() &&
                    RecordingCanvas::bottomOf(text) <= canvas.pageHeight())
            << text.text;
        lines[text.y].push_back(text);
    }
    for (auto& [y, texts] : linesApart ? lines : decltype(lines)()) {
        std::sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
        for (std::size_t i = 1; i < texts.size(); ++i) {
            EXPECT_LT(RecordingCanvas::rightOf(texts[i - 1]), texts[i].x)
                << texts[i - 1].text << " | " << texts[i].text;
        }
    }
}

class PrintedReportTest : public ::testing::Test {
  protected:
    PrintedReportTest() : context(record.context()) { context.fileName = "C:/Проекты/ф1.dan"; }
    RecordingCanvas page(void (*draw)(Canvas&, const ReportContext&), int width = kWidth,
                         int height = kHeight) const {
        RecordingCanvas canvas(width, height);
        draw(canvas, context);
        return canvas;
    }

    SampleDesign record = twoStepFoundation();
    ReportContext context;
};

}  // namespace

// Page 1: the groups in reading order, values right of their labels, MII before MI, the soil symbols
// with their subscripts; the crane-and-wind line only when ticked, after the file's name
TEST_F(PrintedReportTest, TextPageReadsInOrder) {
    const std::string crane = "  При расчете учитывались крановые и ветровые нагрузки.";
    EXPECT_TRUE(page(DrawReportTextPage).textsOf(crane).empty());
    context.craneAndWind = true;
    const RecordingCanvas canvas = page(DrawReportTextPage);
    expectTidyPage(canvas);
    const char* const order[] = {"ИСХОДНЫЕ ДАННЫЕ",
                                 " -Максимальный момент",
                                 " -Максимальная поперечная сила",
                                 "  Характеристики грунта основания:",
                                 "  Отметка верха подколонника",
                                 "  Исходные данные взяты из файла \"C:/Проекты/ф1.dan\"",
                                 "  При расчете учитывались крановые и ветровые нагрузки.",
                                 "РАСЧЕТНЫЕ ДАННЫЕ",
                                 "-Площадь подошвы фундамента",
                                 "-Минимальное давление по подошве"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        EXPECT_LT(yOf(canvas, order[i - 1]), yOf(canvas, order[i])) << order[i];
    }
    EXPECT_EQ(yOf(canvas, "MII = 60.000кН.м;"), yOf(canvas, "MI = 66.000кН.м;"));
    EXPECT_LT(canvas.textsOf("MII = 60.000кН.м;").at(0).x, canvas.textsOf("MI = 66.000кН.м;").at(0).x);
    EXPECT_EQ(yOf(canvas, "-Площадь подошвы фундамента"), yOf(canvas, "A = 4.320м2;"));
    EXPECT_EQ(yOf(canvas, "-Минимальное давление по подошве"), yOf(canvas, "pmin = 146.560кПа."));
    // the soil symbols: the Greek or Cyrillic letter itself, then the subscript II smaller and lower,
    // then the value clear of it on the letter's line
    const auto& texts = canvas.texts();
    for (const auto& [value, symbol] : {std::pair{"=18.500кН/м3;", "γ"}, std::pair{"'=17.000кН/м3;", "γ"},
                                        std::pair{"=28.000°;", "φ"}, std::pair{"=4.000кПа;", "с"}}) {
        SCOPED_TRACE(value);
        const std::string wanted = value;  // a lambda cannot take the binding itself
        const auto at =
            std::find_if(texts.begin(), texts.end(), [&](const auto& t) { return t.text == wanted; });
        ASSERT_TRUE(at != texts.end() && at - texts.begin() >= 2) << value;
        const auto &letter = at[-2], &subscript = at[-1];
        EXPECT_EQ(letter.text, symbol);
        EXPECT_TRUE(subscript.text == "II" && subscript.font.sizePoints < letter.font.sizePoints &&
                    subscript.x > letter.x && subscript.y > letter.y && at->y == letter.y &&
                    at->x >= RecordingCanvas::rightOf(subscript))
            << value;
    }
}

// Page 2: each cell text inside its column of its table, however wide the values, five steps too;
// the reinforcement table below the dimension table
TEST_F(PrintedReportTest, TableTextsStayInTheirCells) {
    for (int steps : {0, 2, 5}) {
        record.result.steps.nSteps = steps;
        record.result.steps.huc = steps == 2 ? -0.3f : 0.75f;
        record.result.steps.c[2] = steps == 2 ? -12.5f : 0.3f;
        const RecordingCanvas canvas = page(DrawReportTablesPage);
        expectTidyPage(canvas);
        ASSERT_EQ(canvas.rectangles().size(), 2u);
        const auto& dimensions = canvas.rectangles()[0];
        const auto& bars = canvas.rectangles()[1];
        EXPECT_LT(dimensions.y2, yOf(canvas, "АРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА"));
        EXPECT_LT(yOf(canvas, "АРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА"), bars.y1);
        for (const auto& text : canvas.texts()) {
            if (text.y < dimensions.y1 || (text.y > dimensions.y2 && text.y < bars.y1)) {
                continue;  // the titles
            }
            const auto& frame = text.y < dimensions.y2 ? dimensions : bars;
            // the rules of the frame's columns: its sides and the verticals spanning it
            std::vector<int> rules = {frame.x1, frame.x2};
            for (const auto& line : canvas.lines()) {
                if (line.from.x == line.to.x && line.from.y == frame.y1 && line.to.y == frame.y2) {
                    rules.push_back(line.from.x);
                }
            }
            std::sort(rules.begin(), rules.end());
            const auto right = std::upper_bound(rules.begin(), rules.end(), text.x);
            ASSERT_NE(right, rules.end()) << text.text;
            EXPECT_LT(RecordingCanvas::rightOf(text), *right) << steps << " steps: " << text.text;
            EXPECT_LT(RecordingCanvas::bottomOf(text), frame.y2) << text.text;
        }
        EXPECT_EQ(canvas.textsOf("c5").size(), steps == 5 ? 1u : 0u);
    }
}

// An out-of-date calculation with red lines: every page says so at its top, the tables page gives the
// red lines above the tables; the text page, wrapped inside the margins, between the results' heading
// and the first result. So many red lines that the page would overflow close up the line spacing
// instead: every line stays on the page, in order
TEST_F(PrintedReportTest, PagesCarryTheVerdict) {
    context.outOfDate = true;
    const std::string longLine =
        "Не выполняется условие прочности фундамента на продавливание колонной от низа подколонника "
        "при любых размерах ступеней из таблицы.";
    context.failures = {"", longLine, "Необходимо увеличить глубину заложения фундамента."};
    for (auto draw :
         {DrawReportTextPage, DrawReportTablesPage, DrawReportSchemePage, DrawReportSettlementPage}) {
        const RecordingCanvas canvas = page(draw);
        ASSERT_FALSE(canvas.texts().empty());
        const auto top = std::min_element(canvas.texts().begin(), canvas.texts().end(),
                                          [](const auto& a, const auto& b) { return a.y < b.y; });
        EXPECT_EQ(top->text, kOutOfDateLine);
        EXPECT_TRUE(isRedBold(*top));
    }
    const RecordingCanvas tables = page(DrawReportTablesPage);
    EXPECT_LT(yOf(tables, context.failures[2]), yOf(tables, "РАЗМЕРЫ ФУНДАМЕНТА"));
    EXPECT_LT(yOf(tables, "РАЗМЕРЫ ФУНДАМЕНТА"), tables.rectangles().at(0).y1);
    // about a screen's A4: 12 points are 20 pixels here
    const int width = 1000, height = 1414;
    RecordingCanvas canvas = page(DrawReportTextPage, width, height);
    expectTidyPage(canvas);
    std::vector<RecordingCanvas::Text> red = redTexts(canvas);
    ASSERT_EQ(red.size(), 4u);  // the out-of-date line, the long line in two, the advice
    EXPECT_EQ(red[1].text + " " + red[2].text, longLine);
    EXPECT_EQ(red[3].text, "Необходимо увеличить глубину заложения фундамента.");
    EXPECT_LT(yOf(canvas, "РАСЧЕТНЫЕ ДАННЫЕ"), red[1].y);
    EXPECT_LT(red[3].y, yOf(canvas, "-Площадь подошвы фундамента"));
    const int spacing = yOf(canvas, "-Длина подошвы фундамента") - yOf(canvas, "-Площадь подошвы фундамента");
    EXPECT_EQ(spacing, 30);  // 1.5 lines: the page has room

    for (int group = 0; group < 8; ++group) {
        context.failures.insert(context.failures.end(),
                                {"", "Невозможно подобрать ступени фундамента.",
                                 "Необходимо увеличить глубину заложения фундамента."});
    }
    canvas = page(DrawReportTextPage, width, height);
    expectTidyPage(canvas);
    red = redTexts(canvas);
    EXPECT_EQ(red.size(), 4u + 16u);
    const int last = yOf(canvas, "pmin = 146.560кПа.");
    EXPECT_LT(red.back().y, yOf(canvas, "-Площадь подошвы фундамента"));
    EXPECT_LE(last + 20, height - whole(height / 29.7));
    EXPECT_LT(yOf(canvas, "-Длина подошвы фундамента") - yOf(canvas, "-Площадь подошвы фундамента"), spacing);
}

// No admissible base: the text page gives the red lines where the results would be, and no zeros;
// the tables page says that the foundation was not designed, with the red lines, and draws no table
// (the scheme's page draws the scheme document, whose rule SchemeDrawingTest checks)
TEST_F(PrintedReportTest, NoBaseNoResults) {
    record.result = CalculationResult();  // no admissible base
    record.result.ran = true;
    context.failures = {
        "", "Размеры подошвы не подобраны: ни одна подошва до 10x10 м не проходит проверку давлений.",
        "Необходимо изменить нагрузки, данные грунта или глубину заложения фундамента."};
    const RecordingCanvas text = page(DrawReportTextPage);
    expectTidyPage(text);
    EXPECT_EQ(text.textsOf("NII = 1100.000кН;").size(), 1u);
    EXPECT_TRUE(text.textsOf("-Площадь подошвы фундамента").empty());
    EXPECT_TRUE(text.textsOf("A = 0.000м2;").empty());
    ASSERT_EQ(redTexts(text).size(), 2u);
    EXPECT_LT(yOf(text, "РАСЧЕТНЫЕ ДАННЫЕ"), redTexts(text)[0].y);

    const RecordingCanvas canvas = page(DrawReportTablesPage);
    EXPECT_TRUE(canvas.lines().empty() && canvas.rectangles().empty());
    const std::vector<RecordingCanvas::Text> red = redTexts(canvas);
    ASSERT_EQ(red.size(), 3u);
    EXPECT_EQ(red[0].text.rfind("Фундамент не запроектирован: ", 0), 0u) << red[0].text;
    EXPECT_EQ(red[1].text, context.failures[1]);
    EXPECT_EQ(red[2].text, context.failures[2]);
}

// Page 3: the scheme fits the page, every line and text on it: a base too long for the page at the
// settings' scale is drawn at the first drawing scale at which it fits, and the page says so; one
// that fits keeps the settings' scale
TEST_F(PrintedReportTest, SchemeReducedToFitThePage) {
    const int width = 1000, height = 1414;
    const auto inside = [&](const RecordingCanvas& canvas) {
        bool all = true;
        for (const auto& line : canvas.lines()) {
            all = all && std::max(line.from.x, line.to.x) <= width &&
                  std::max(line.from.y, line.to.y) <= height;
        }
        for (const auto& text : canvas.texts()) {
            all = all && RecordingCanvas::rightOf(text) <= width && RecordingCanvas::bottomOf(text) <= height;
        }
        return all;
    };
    RecordingCanvas canvas = page(DrawReportSchemePage, width, height);
    EXPECT_EQ(canvas.textsOf("Масштаб 1:75").size(), 1u);
    EXPECT_TRUE(inside(canvas));

    StepsResult& steps = record.result.steps;
    steps.l = steps.lStep[1] = 9.3f;
    steps.b = steps.bStep[1] = 7.8f;
    record.result.depth.d = 2.1f;
    RecordingCanvas asSet(width, height);
    DrawSchemeDocument(asSet, width / 16, context, 75);
    EXPECT_FALSE(inside(asSet));  // the table would run off the sheet
    canvas = page(DrawReportSchemePage, width, height);
    EXPECT_EQ(canvas.textsOf("Масштаб 1:200 (в настройках 1:75; схема уменьшена по размеру листа)").size(),
              1u);
    EXPECT_TRUE(inside(canvas));
    EXPECT_EQ(canvas.textsOf("Основные").size(), 1u);  // the table is there
    // 9.3 m at 1:200 with a unit of 62 pixels: 100 · 62 / 200 a metre
    const auto& base = canvas.lines().front();
    EXPECT_NEAR(base.to.x - base.from.x, 9.3 * 31, 1.0);
}
