#include "reports/PrintedReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/RecordingCanvas.h"
#include "tests/reports/ReportTestRecord.h"

using fundis::RecordingCanvas;
using fundis::ReportContext;
using fundis::TProjectData;

namespace {

// A 600 dpi printer's printable area: cm = 4800 div 21 = 228, top = trunc(6787 / 29.7) = 228.
// The recording canvas gives "Times New Roman" 12 a line height lh of 20 and 9 px a character.
// The table inset P is 228 / 4 = 57: rows of 20 + 22.8 px, cell texts 11.4 px in.
constexpr int kWidth = 4800;
constexpr int kHeight = 6787;

struct Placed {
    std::string text;
    int x, y;
};

// The one text that reads `text`; a blank one (and a failure) when there is none or several.
RecordingCanvas::Text only(const RecordingCanvas& canvas, const std::string& text) {
    const auto found = canvas.textsOf(text);
    EXPECT_EQ(found.size(), 1u) << '"' << text << '"';
    return found.empty() ? RecordingCanvas::Text{} : found[0];
}

void expectPlaced(const RecordingCanvas& canvas, const std::vector<Placed>& texts) {
    for (const Placed& expected : texts) {
        const auto text = only(canvas, expected.text);
        EXPECT_EQ(std::make_pair(text.x, text.y), std::make_pair(expected.x, expected.y)) << expected.text;
    }
}

using Corners = std::array<int, 4>;
Corners corners(const RecordingCanvas::Rectangle& r) { return {r.x1, r.y1, r.x2, r.y2}; }

struct Grid {
    std::vector<int> xs;  // vertical rules
    std::vector<int> ys;  // horizontal rules
};

// The rules of the table whose frame is `frame`, from the recorded lines.
Grid rulesInside(const RecordingCanvas& canvas, const RecordingCanvas::Rectangle& frame) {
    Grid grid;
    for (const auto& line : canvas.lines()) {
        if (line.from.x == line.to.x && line.from.x > frame.x1 && line.from.x < frame.x2 &&
            line.from.y == frame.y1 && line.to.y == frame.y2) {
            grid.xs.push_back(line.from.x);
        }
        if (line.from.y == line.to.y && line.from.y > frame.y1 && line.from.y < frame.y2 &&
            line.from.x == frame.x1 && line.to.x == frame.x2) {
            grid.ys.push_back(line.from.y);
        }
    }
    std::sort(grid.xs.begin(), grid.xs.end());
    std::sort(grid.ys.begin(), grid.ys.end());
    return grid;
}

class PrintedReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        record = twoStepFoundation();
        context.data = &record;
        context.fileName = "C:/Проекты/ф1.dan";
        context.decimalSeparator = '.';
    }
    RecordingCanvas page(void (*draw)(fundis::Canvas&, const ReportContext&), int width = kWidth) const {
        RecordingCanvas canvas(width, width == kWidth ? kHeight : width * 1414 / 1000);
        draw(canvas, context);
        return canvas;
    }
    RecordingCanvas textPage() const { return page(fundis::DrawReportTextPage); }
    RecordingCanvas tablesPage() const { return page(fundis::DrawReportTablesPage); }
    void setSteps(int steps, float c, float cb) {
        record.nSteps = steps;
        for (int i = 1; i <= 5; ++i) {
            record.c[i] = c * static_cast<float>(i);
            record.cb[i] = cb * static_cast<float>(i);
            record.h[i] = 0.3f;
        }
    }

    TProjectData record;
    ReportContext context;
};

// Page 1: the columns at 2, 9, 13 and 15 cm and the lines 1.5 lh or 2 lh apart.
TEST_F(PrintedReportTest, TextPageColumnsAndLines) {
    const RecordingCanvas canvas = textPage();
    expectPlaced(canvas, {
                             {"ИСХОДНЫЕ ДАННЫЕ", 2400 - 150 + 456, 228},
                             {"  Расчетные сочетания нагрузок:", 456, 268},
                             {" -Максимальный момент", 456, 298},
                             {"MII = 120.000кН.м;", 2052, 328},
                             {"MI = 132.000кН.м;", 3420, 328},
                             {" -Максимальная сжимающая сила", 456, 418},
                             {"  Характеристики грунта основания:", 456, 668},
                             {"=-0.150м;", 2964, 828},
                             {"РАСЧЕТНЫЕ ДАННЫЕ", 2706, 1008},
                             {"A = 4.320м2;", 2964, 1038},
                         });
    EXPECT_EQ(canvas.textsOf("  ~Изгибающий момент").size(), 3u);
    for (const auto& text : canvas.texts()) {
        EXPECT_EQ(text.font.face, "Times New Roman") << text.text;
        EXPECT_LT(text.y, kHeight) << "one page holds it all: " << text.text;
    }
}

TEST_F(PrintedReportTest, CraneAndWindLineOnlyWhenTicked) {
    const std::string craneLine = "  При расчете учитывались ветровая и снеговая нагрузки.";
    for (const bool ticked : {false, true}) {
        context.craneAndWind = ticked;
        const RecordingCanvas canvas = textPage();
        const int fileY = only(canvas, "  Исходные данные взяты из файла \"C:/Проекты/ф1.dan\"").y;
        const int headingY = only(canvas, "РАСЧЕТНЫЕ ДАННЫЕ").y;
        if (ticked) {
            const auto crane = only(canvas, craneLine);
            EXPECT_EQ(crane.x, 456);
            EXPECT_EQ(crane.y, fileY + 30);
            EXPECT_EQ(headingY, crane.y + 40);
        } else {
            EXPECT_TRUE(canvas.textsOf(craneLine).empty());
            EXPECT_EQ(headingY, fileY + 40);
        }
        EXPECT_EQ(only(canvas, "pmin = 146.560кПа.").y, headingY + 8 * 30);
    }
}

// The soil symbols: the letters themselves, the subscript II at size 6 half a line-height right.
TEST_F(PrintedReportTest, SoilSymbolsWithGreekLettersAndSubscripts) {
    const RecordingCanvas canvas = textPage();
    const struct {
        const char* value;  // the value text identifies the group
        const char* letter;
        int valueX;
        int y;
    } groups[] = {
        {"=18.500кН/м3;", "γ", 2964 + 20, 698},
        {"'=17.000кН/м3;", "γ", 2964 + 22, 728},
        {"=28.000°;", "φ", 2964 + 20, 758},
        {"=4.000кПа;", "\xD1\x81", 2964 + 20, 788},  // the Cyrillic "с"
    };
    const auto& texts = canvas.texts();
    for (const auto& group : groups) {
        const auto value = std::find_if(texts.begin(), texts.end(),
                                        [&](const auto& text) { return text.text == group.value; });
        ASSERT_NE(value, texts.end()) << group.value;
        ASSERT_GE(value - texts.begin(), 2);
        // text, column, line and size of the letter, its subscript and the value
        const auto cell = [](const RecordingCanvas::Text& t) {
            return std::make_tuple(t.text, t.x, t.y, t.font.sizePoints);
        };
        EXPECT_EQ(cell(value[-2]), std::make_tuple(std::string(group.letter), 2964, group.y, 12.0));
        EXPECT_EQ(cell(value[-1]),
                  std::make_tuple(std::string("II"), 2964 + 10, group.y + 8, 6.0));  // 0.42 lh
        EXPECT_EQ(cell(*value), std::make_tuple(std::string(group.value), group.valueX, group.y, 12.0));
    }
    // no symbol font tricks: the Latin stand-ins of the Symbol face never appear
    for (const char* latin : {"g", "f", "c"}) {
        EXPECT_TRUE(canvas.textsOf(latin).empty()) << latin;
    }
    EXPECT_EQ(canvas.textsOf("II").size(), 4u);
}

TEST_F(PrintedReportTest, NumbersUseTheDecimalSeparator) {
    context.decimalSeparator = ',';
    const RecordingCanvas text = textPage();
    EXPECT_EQ(text.textsOf("MII = 120,000кН.м;").size(), 1u);
    EXPECT_EQ(text.textsOf("=-0,150м;").size(), 1u);
    EXPECT_EQ(text.textsOf("R = 273,818кПа;").size(), 1u);
    EXPECT_TRUE(text.textsOf("R = 273.818кПа;").empty());
}

// Page 2, the dimension table: a 148.8 px label column, value columns of 67.8 px, at least three;
// cell texts at column left + 11.4, row top + 11.4, rows of 42.8 from 258.
TEST_F(PrintedReportTest, DimensionTableOfFiveSteps) {
    setSteps(5, 0.1f, 0.09f);
    const RecordingCanvas canvas = tablesPage();
    EXPECT_EQ(only(canvas, "РАЗМЕРЫ ФУНДАМЕНТА").y, 228);
    ASSERT_EQ(canvas.rectangles().size(), 2u);
    const auto& frame = canvas.rectangles()[0];
    EXPECT_EQ(corners(frame), (Corners{456, 258, 943, 258 + 428}));
    EXPECT_EQ(frame.brush, fundis::BrushStyle::Clear);
    const Grid grid = rulesInside(canvas, frame);
    EXPECT_EQ(grid.xs, (std::vector<int>{604, 672, 740, 808, 876}));
    EXPECT_EQ(grid.ys, (std::vector<int>{343, 429}));
    for (const auto& line : canvas.lines()) {
        EXPECT_EQ(line.width, 2);
    }
    EXPECT_EQ(canvas.textsOf("Размеры").size(), 3u);
    expectPlaced(canvas, {{"buc", 616, 269},
                          {"huc", 751, 269},
                          {"подколонника,м", 467, 312},
                          {"0.750", 751, 312},
                          {"колонны,м", 467, 397},
                          {"c5", 887, 440},
                          {"cb5", 887, 526},
                          {"0.450", 887, 569},
                          {"м", 467, 569},
                          {"h1", 616, 611}});
}

// Three value columns even without steps; a value wider than "#.###" widens its own column
// instead of crossing the rule.
TEST_F(PrintedReportTest, ColumnsKeepThreeAndWidenForWideValues) {
    const struct {
        int steps;
        float huc, c2;
        std::vector<int> rules;
        int right;
    } cases[] = {
        {0, 0.75f, 0.3f, {604, 672, 740}, 808},
        {2, -0.3f, 0.3f, {604, 672, 740}, 817},    // "-0.300": 54 + 22.8
        {2, 0.75f, 12.5f, {604, 672, 749}, 817},   // "12.500" in the second step column
        {2, -0.3f, -12.5f, {604, 672, 758}, 835},  // "-12.500": 63 + 22.8
    };
    for (const auto& c : cases) {
        record.nSteps = c.steps;
        record.huc = c.huc;
        record.c[2] = c.c2;
        const RecordingCanvas canvas = tablesPage();
        ASSERT_EQ(canvas.rectangles().size(), 2u);
        const auto& frame = canvas.rectangles()[0];
        EXPECT_EQ(frame.x2, c.right) << c.steps << " " << c.huc << " " << c.c2;
        EXPECT_EQ(rulesInside(canvas, frame).xs, c.rules) << c.steps << " " << c.huc << " " << c.c2;
        EXPECT_EQ(canvas.textsOf("c1").size(), c.steps > 0 ? 1u : 0u);
    }
}

// The reinforcement table 2 lh below the dimension table: areas in cm2, counts and diameters whole.
TEST_F(PrintedReportTest, ReinforcementTable) {
    record.Asl = 0.001256f;
    record.Asb = 0.000785f;
    record.dsb = 0.01f;
    context.decimalSeparator = ',';
    const RecordingCanvas canvas = tablesPage();
    EXPECT_EQ(only(canvas, "АРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА").y, 686 + 40);
    ASSERT_EQ(canvas.rectangles().size(), 2u);
    const auto& frame = canvas.rectangles()[1];
    EXPECT_EQ(corners(frame), (Corners{456, 756, 866, 927}));  // 456 + (180 + 22.8) + 2 * (81 + 22.8)
    const Grid grid = rulesInside(canvas, frame);
    EXPECT_EQ(grid.xs, (std::vector<int>{658, 762}));
    EXPECT_EQ(grid.ys, (std::vector<int>{798, 841, 884}));
    expectPlaced(canvas, {
                             {"Сторона L", 670, 767},
                             {"Площадь раб.арм.,см2", 467, 810},
                             {"12,560", 670, 810},
                             {"7,850", 774, 810},
                             {"12", 670, 853},
                             {"9", 774, 853},
                             {"Диаметр раб.арм.,мм", 467, 895},
                             {"16", 670, 895},
                             {"10", 774, 895},
                         });
    EXPECT_TRUE(canvas.textsOf("12,000").empty());
}

// Page 3: the scheme at unit = page width div 16; its title stands at (5u, 0.5u).
TEST_F(PrintedReportTest, SchemePageUsesTheWidthOfThePage) {
    context.schemeScale = 75;
    const struct {
        int width;
        int x, y;
    } pages[] = {{4961, 1550, 155}, {816, 255, 25}};
    for (const auto& p : pages) {
        expectPlaced(page(fundis::DrawReportSchemePage, p.width), {{"Схема фундамента", p.x, p.y}});
    }
}

TEST_F(PrintedReportTest, AnEmptyRecordStillPrints) {
    const TProjectData empty;
    context.data = &empty;
    context.fileName.clear();
    const RecordingCanvas text = textPage();
    EXPECT_EQ(text.textsOf("  Исходные данные взяты из файла \"\"").size(), 1u);
    EXPECT_EQ(text.textsOf("A = 0.000м2;").size(), 1u);
    EXPECT_EQ(tablesPage().textsOf("0").size(), 4u);  // bar counts and diameters
}

}  // namespace
