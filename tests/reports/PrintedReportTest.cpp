#include "reports/PrintedReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reports/RecordingCanvas.h"
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

class PrintedReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        record = twoStepFoundation();
        context.data = &record;
        context.fileName = "C:/Проекты/ф1.dan";
        context.decimalSeparator = '.';
    }

    const RecordingCanvas::Text& only(const RecordingCanvas& canvas, const std::string& text) {
        const auto found = canvas.textsOf(text);
        EXPECT_EQ(found.size(), 1u) << '"' << text << '"';
        static RecordingCanvas::Text none{};
        return found.empty() ? none : canvas.texts()[indexOf(canvas, text)];
    }
    static std::size_t indexOf(const RecordingCanvas& canvas, const std::string& text) {
        const auto& texts = canvas.texts();
        return static_cast<std::size_t>(
            std::find_if(texts.begin(), texts.end(), [&](const auto& t) { return t.text == text; }) -
            texts.begin());
    }

    TProjectData record;
    ReportContext context;
};

// Page 1: the columns at 2, 9, 13 and 15 cm and the lines 1.5 lh or 2 lh apart.
TEST_F(PrintedReportTest, TextPageColumnsAndLines) {
    RecordingCanvas canvas(kWidth, kHeight);
    fundis::DrawReportTextPage(canvas, context);

    const struct {
        const char* text;
        int x, y;
    } rows[] = {
        {"ИСХОДНЫЕ ДАННЫЕ", 2400 - 150 + 456, 228},
        {"  Расчетные сочетания нагрузок:", 456, 268},
        {" -Максимальный момент", 456, 298},
        {"MII = 120.000кН.м;", 2052, 328},
        {"MI = 132.000кН.м;", 3420, 328},
        {"NII = 900.000кН;", 2052, 358},
        {"QI = 33.000кН;", 3420, 388},
        {" -Максимальная сжимающая сила", 456, 418},
        {"NII = 1100.000кН;", 2052, 478},
        {" -Максимальная поперечная сила", 456, 538},
        {"QII = 45.000кН;", 2052, 628},
        {"  Характеристики грунта основания:", 456, 668},
        {"-Вес грунта ниже подошвы фундамента", 456, 698},
        {"-Удельное сцепление", 456, 788},
        {"  Отметка верха подколонника", 456, 828},
        {"=-0.150м;", 2964, 828},
        {"  Кратность размеров фундамента:", 456, 868},
        {"-Длины и ширины", 456, 898},
        {"-Высоты", 456, 928},
        {"  Исходные данные взяты из файла \"C:/Проекты/ф1.dan\"", 456, 968},
        {"РАСЧЕТНЫЕ ДАННЫЕ", 2706, 1008},
        {"-Площадь подошвы фундамента", 456, 1038},
        {"A = 4.320м2;", 2964, 1038},
        {"-Глубина заложения подошвы", 456, 1128},
        {"R = 273.818кПа;", 2964, 1158},
        {"pmin = 146.560кПа.", 2964, 1248},
    };
    for (const auto& row : rows) {
        const auto& text = only(canvas, row.text);
        EXPECT_EQ(text.x, row.x) << row.text;
        EXPECT_EQ(text.y, row.y) << row.text;
    }
    EXPECT_EQ(canvas.textsOf("  ~Изгибающий момент").size(), 3u);
    for (const auto& text : canvas.texts()) {
        EXPECT_EQ(text.font.face, "Times New Roman") << text.text;
        EXPECT_LT(text.y, kHeight) << "one page holds it all: " << text.text;
    }
}

TEST_F(PrintedReportTest, CraneAndWindLineOnlyWhenTicked) {
    const std::string craneLine = "  При расчете учитывались ветровая и снеговая нагрузки.";
    const std::string fileLine = "  Исходные данные взяты из файла \"C:/Проекты/ф1.dan\"";
    for (const bool ticked : {false, true}) {
        context.craneAndWind = ticked;
        RecordingCanvas canvas(kWidth, kHeight);
        fundis::DrawReportTextPage(canvas, context);
        const int fileY = only(canvas, fileLine).y;
        const int headingY = only(canvas, "РАСЧЕТНЫЕ ДАННЫЕ").y;
        if (ticked) {
            const auto& crane = only(canvas, craneLine);
            EXPECT_EQ(crane.x, 456);
            EXPECT_EQ(crane.y, fileY + 30);
            EXPECT_EQ(headingY, crane.y + 40);
        } else {
            EXPECT_TRUE(canvas.textsOf(craneLine).empty());
            EXPECT_EQ(headingY, fileY + 40);
        }
        EXPECT_EQ(only(canvas, "pmin = " + std::string("146.560кПа.")).y, headingY + 8 * 30);
    }
}

// The soil symbols: the letters themselves, the subscript II at size 6 half a line-height right.
TEST_F(PrintedReportTest, SoilSymbolsWithGreekLettersAndSubscripts) {
    RecordingCanvas canvas(kWidth, kHeight);
    fundis::DrawReportTextPage(canvas, context);

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
        const std::size_t value = indexOf(canvas, group.value);
        ASSERT_LT(value, texts.size()) << group.value;
        ASSERT_GE(value, 2u);
        const auto& letter = texts[value - 2];
        const auto& subscript = texts[value - 1];
        EXPECT_EQ(letter.text, group.letter);
        EXPECT_EQ(letter.x, 2964);
        EXPECT_EQ(letter.y, group.y);
        EXPECT_EQ(letter.font.sizePoints, 12);
        EXPECT_EQ(subscript.text, "II");
        EXPECT_EQ(subscript.x, 2964 + 10);
        EXPECT_EQ(subscript.y, group.y + 8);  // 0.42 lh
        EXPECT_EQ(subscript.font.sizePoints, 6);
        EXPECT_EQ(subscript.font.face, "Times New Roman");
        EXPECT_EQ(texts[value].x, group.valueX) << group.value;
        EXPECT_EQ(texts[value].y, group.y);
        EXPECT_EQ(texts[value].font.sizePoints, 12);
    }
    // no symbol font tricks: the Latin stand-ins of the Symbol face never appear
    EXPECT_TRUE(canvas.textsOf("g").empty());
    EXPECT_TRUE(canvas.textsOf("f").empty());
    EXPECT_TRUE(canvas.textsOf("c").empty());
    EXPECT_EQ(canvas.textsOf("γ").size(), 2u);
    EXPECT_EQ(canvas.textsOf("II").size(), 4u);
}

TEST_F(PrintedReportTest, NumbersUseTheDecimalSeparator) {
    context.decimalSeparator = ',';
    RecordingCanvas text(kWidth, kHeight);
    fundis::DrawReportTextPage(text, context);
    EXPECT_EQ(text.textsOf("MII = 120,000кН.м;").size(), 1u);
    EXPECT_EQ(text.textsOf("=-0,150м;").size(), 1u);
    EXPECT_EQ(text.textsOf("R = 273,818кПа;").size(), 1u);
    EXPECT_TRUE(text.textsOf("R = 273.818кПа;").empty());
}

struct Grid {
    std::vector<int> xs;  // vertical rules
    std::vector<int> ys;  // horizontal rules
};

// The rules of the table whose frame is `frame`, from the recorded lines.
Grid rulesInside(const RecordingCanvas& canvas, const RecordingCanvas::Rectangle& frame) {
    Grid grid;
    for (const auto& line : canvas.lines()) {
        const bool vertical = line.from.x == line.to.x;
        const bool horizontal = line.from.y == line.to.y;
        if (vertical && line.from.x > frame.x1 && line.from.x < frame.x2 && line.from.y == frame.y1 &&
            line.to.y == frame.y2) {
            grid.xs.push_back(line.from.x);
        }
        if (horizontal && line.from.y > frame.y1 && line.from.y < frame.y2 && line.from.x == frame.x1 &&
            line.to.x == frame.x2) {
            grid.ys.push_back(line.from.y);
        }
    }
    std::sort(grid.xs.begin(), grid.xs.end());
    std::sort(grid.ys.begin(), grid.ys.end());
    return grid;
}

// Page 2, the dimension table: a 148.8 px label column, value columns of 67.8 px, at least three.
TEST_F(PrintedReportTest, DimensionTableColumnsFollowTheSteps) {
    const struct {
        int steps;
        int right;
        std::vector<int> rules;
    } cases[] = {
        {2, 808, {604, 672, 740}},
        {0, 808, {604, 672, 740}},
        {5, 943, {604, 672, 740, 808, 876}},
    };
    for (const auto& c : cases) {
        record.nSteps = c.steps;
        for (int i = 1; i <= 5; ++i) {
            record.c[i] = 0.1f * i;
            record.cb[i] = 0.05f * i;
            record.h[i] = 0.3f;
        }
        RecordingCanvas canvas(kWidth, kHeight);
        fundis::DrawReportTablesPage(canvas, context);

        EXPECT_EQ(only(canvas, "РАЗМЕРЫ ФУНДАМЕНТА").y, 228);
        ASSERT_EQ(canvas.rectangles().size(), 2u);
        const auto& frame = canvas.rectangles()[0];
        EXPECT_EQ(frame.x1, 456) << c.steps;
        EXPECT_EQ(frame.y1, 258);
        EXPECT_EQ(frame.x2, c.right) << c.steps;
        EXPECT_EQ(frame.y2, 258 + 428);
        EXPECT_EQ(frame.brush, fundis::BrushStyle::Clear);
        const Grid grid = rulesInside(canvas, frame);
        EXPECT_EQ(grid.xs, c.rules) << c.steps;
        EXPECT_EQ(grid.ys, (std::vector<int>{343, 429})) << c.steps;
        for (const auto& line : canvas.lines()) {
            EXPECT_EQ(line.width, 2);
        }

        for (const char* label : {"подколонника,м", "колонны,м", "ступеней", "фундамента,", "м"}) {
            EXPECT_EQ(canvas.textsOf(label).size(), 1u) << label;
        }
        EXPECT_EQ(canvas.textsOf("Размеры").size(), 3u);
        EXPECT_EQ(canvas.textsOf("c1").size(), c.steps >= 1 ? 1u : 0u);
        EXPECT_EQ(canvas.textsOf("cb5").size(), c.steps >= 5 ? 1u : 0u);
        EXPECT_EQ(canvas.textsOf("h3").size(), c.steps >= 3 ? 1u : 0u);
    }
}

TEST_F(PrintedReportTest, DimensionTableCellsStandInTheirSlots) {
    record.nSteps = 5;
    for (int i = 1; i <= 5; ++i) {
        record.c[i] = 0.15f;
        record.cb[i] = 0.1f;
        record.h[i] = 0.3f;
    }
    record.cb[5] = 0.45f;
    RecordingCanvas canvas(kWidth, kHeight);
    fundis::DrawReportTablesPage(canvas, context);
    // column left + 11.4, row top + 11.4; rows of 42.8 from 258
    const struct {
        const char* text;
        int x, y;
    } cells[] = {
        {"подколонника,м", 467, 312},
        {"buc", 616, 269},
        {"huc", 751, 269},
        {"0.900", 616, 312},
        {"1.200", 684, 312},
        {"0.750", 751, 312},
        {"bc", 616, 355},
        {"колонны,м", 467, 397},
        {"c5", 887, 440},
        {"cb5", 887, 526},
        {"0.450", 887, 569},
        {"h1", 616, 611},
        {"м", 467, 569},
    };
    for (const auto& cell : cells) {
        const auto& text = only(canvas, cell.text);
        EXPECT_EQ(text.x, cell.x) << cell.text;
        EXPECT_EQ(text.y, cell.y) << cell.text;
    }
}

// A value wider than "#.###" widens its own column instead of crossing the rule.
TEST_F(PrintedReportTest, WideValuesWidenTheirColumn) {
    const struct {
        float huc;
        float c2;
        std::vector<int> rules;
        int right;
    } cases[] = {
        {0.75f, 0.3f, {604, 672, 740}, 808},
        {-0.3f, 0.3f, {604, 672, 740}, 817},    // "-0.300": 54 + 22.8
        {0.75f, 12.5f, {604, 672, 749}, 817},   // "12.500" in the second step column
        {-0.3f, -12.5f, {604, 672, 758}, 835},  // "-12.500": 63 + 22.8
    };
    for (const auto& c : cases) {
        record.huc = c.huc;
        record.c[2] = c.c2;
        RecordingCanvas canvas(kWidth, kHeight);
        fundis::DrawReportTablesPage(canvas, context);
        ASSERT_EQ(canvas.rectangles().size(), 2u);
        const auto& frame = canvas.rectangles()[0];
        EXPECT_EQ(frame.x2, c.right) << c.huc << " " << c.c2;
        EXPECT_EQ(rulesInside(canvas, frame).xs, c.rules) << c.huc << " " << c.c2;
    }
}

// The reinforcement table 2 lh below the dimension table: areas in cm2, counts and diameters whole.
TEST_F(PrintedReportTest, ReinforcementTable) {
    record.Asl = 0.001256f;
    record.Asb = 0.000785f;
    record.nl = 12;
    record.nb = 9;
    record.dsl = 0.016f;
    record.dsb = 0.01f;
    for (const char separator : {'.', ','}) {
        context.decimalSeparator = separator;
        RecordingCanvas canvas(kWidth, kHeight);
        fundis::DrawReportTablesPage(canvas, context);
        const std::string sep(1, separator);

        EXPECT_EQ(only(canvas, "АРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА").y, 686 + 40);
        ASSERT_EQ(canvas.rectangles().size(), 2u);
        const auto& frame = canvas.rectangles()[1];
        EXPECT_EQ(frame.x1, 456);
        EXPECT_EQ(frame.y1, 756);
        EXPECT_EQ(frame.x2, 866);  // 456 + (180 + 22.8) + 2 * (81 + 22.8)
        EXPECT_EQ(frame.y2, 927);
        const Grid grid = rulesInside(canvas, frame);
        EXPECT_EQ(grid.xs, (std::vector<int>{658, 762}));
        EXPECT_EQ(grid.ys, (std::vector<int>{798, 841, 884}));

        const struct {
            std::string text;
            int x, y;
        } cells[] = {
            {"Сторона L", 670, 767},
            {"Сторона B", 774, 767},
            {"Площадь раб.арм.,см2", 467, 810},
            {"12" + sep + "560", 670, 810},
            {"7" + sep + "850", 774, 810},
            {"Кол-во стрежней, шт", 467, 853},
            {"12", 670, 853},
            {"9", 774, 853},
            {"Диаметр раб.арм.,мм", 467, 895},
            {"16", 670, 895},
        };
        for (const auto& cell : cells) {
            const auto& text = only(canvas, cell.text);
            EXPECT_EQ(text.x, cell.x) << cell.text;
            EXPECT_EQ(text.y, cell.y) << cell.text;
        }
        EXPECT_EQ(only(canvas, "10").x, 774);
        EXPECT_TRUE(canvas.textsOf("12" + sep + "000").empty());
    }
}

// Page 3: the scheme at unit = page width div 16; its title stands at (5u, 0.5u).
TEST_F(PrintedReportTest, SchemePageUsesTheWidthOfThePage) {
    context.schemeScale = 75;
    const struct {
        int width;
        int x, y;
    } pages[] = {{4800, 1500, 150}, {4961, 1550, 155}, {816, 255, 25}};
    for (const auto& page : pages) {
        RecordingCanvas canvas(page.width, page.width * 1414 / 1000);
        fundis::DrawReportSchemePage(canvas, context);
        const auto& title = only(canvas, "Схема фундамента");
        EXPECT_EQ(title.x, page.x) << page.width;
        EXPECT_EQ(title.y, page.y) << page.width;
    }
}

TEST_F(PrintedReportTest, AnEmptyRecordStillPrints) {
    TProjectData empty;
    context.data = &empty;
    context.fileName.clear();
    RecordingCanvas text(kWidth, kHeight);
    fundis::DrawReportTextPage(text, context);
    EXPECT_EQ(text.textsOf("  Исходные данные взяты из файла \"\"").size(), 1u);
    EXPECT_EQ(text.textsOf("A = 0.000м2;").size(), 1u);
    RecordingCanvas tables(kWidth, kHeight);
    fundis::DrawReportTablesPage(tables, context);
    EXPECT_EQ(tables.textsOf("0").size(), 4u);  // bar counts and diameters
}

}  // namespace
