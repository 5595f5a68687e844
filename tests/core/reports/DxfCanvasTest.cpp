// SPDX-License-Identifier: GPL-3.0-or-later
// The DXF canvas and the scheme as a CAD drawing, read back group by group.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <iterator>
#include <map>
#include <sstream>
#include <tuple>

#include "core/reports/DxfCanvas.h"
#include "core/reports/DxfExport.h"
#include "core/reports/SchemeDrawing.h"
#include "support/RecordingCanvas.h"
#include "support/SampleProject.h"

using namespace fundis;

namespace {

// A number of the file, read without the process's locale.
double number(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// One entity or table record: its type and its groups in file order.
struct Record {
    std::string type;
    std::vector<std::pair<int, std::string>> groups;

    std::string get(int code) const {
        for (const auto& [c, value] : groups) {
            if (c == code) {
                return value;
            }
        }
        return "";
    }
    double at(int code) const { return number(get(code)); }
    std::vector<double> all(int code) const {
        std::vector<double> values;
        for (const auto& [c, value] : groups) {
            if (c == code) {
                values.push_back(number(value));
            }
        }
        return values;
    }
};

// The file as pairs of lines, a group code right-aligned and its value, cut into records at each
// group 0 (an entity, a table record, a section's mark) and each header variable's group 9.
using Drawing = std::vector<Record>;
Drawing parse(const std::string& text) {
    Drawing drawing;
    std::istringstream in(text);
    std::string code, value;
    while (std::getline(in, code) && std::getline(in, value)) {
        const int gc = std::stoi(code);
        if (gc == 0 || gc == 9) {
            drawing.push_back({value, {}});
        } else if (!drawing.empty()) {
            drawing.back().groups.emplace_back(gc, value);
        }
    }
    return drawing;
}

// The records of one type: a table's "LAYER", "STYLE", "VPORT", a header variable, or the entities
// of one type on one layer (table records and variables have no layer).
std::vector<Record> records(const Drawing& drawing, const std::string& type, const std::string& layer = "") {
    std::vector<Record> found;
    std::copy_if(drawing.begin(), drawing.end(), std::back_inserter(found),
                 [&](const Record& r) { return r.type == type && r.get(8) == layer; });
    return found;
}

struct Extent {
    double width, height;
};
Extent extentOf(const Record& polyline) {
    const std::vector<double> xs = polyline.all(10);
    const std::vector<double> ys = polyline.all(20);
    return {*std::max_element(xs.begin(), xs.end()) - *std::min_element(xs.begin(), xs.end()),
            *std::max_element(ys.begin(), ys.end()) - *std::min_element(ys.begin(), ys.end())};
}

bool closed(const Record& polyline) { return (std::stoi(polyline.get(70)) & 1) != 0; }

DxfCanvas::Setup tenthMillimetres() {
    DxfCanvas::Setup setup;
    setup.millimetresPerUnit = 0.1;
    setup.markScale = 2;
    setup.origin = {100, 200};
    return setup;
}

ReportContext contextOf(const SampleDesign& data, int scale) {
    ReportContext context = data.context();
    context.schemeScale = scale;
    context.decimalSeparator = ',';
    return context;
}

}  // namespace

// Lines on the layer of the hint, in model millimetres from the origin with y up; a rectangle is a
// closed polyline at its four corners; a hatched one gets "/" strokes inside it on the hatching layer.
// The file: every layer, the extents of what is drawn, the view centred on it; numbers with a point
// whatever the process's locale (version, units and every layer dxf_samples.py checks)
TEST(DxfCanvas, LinesAndRectanglesInModelMillimetres) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_ALL, "ru_RU.UTF-8");
    DxfCanvas canvas(tenthMillimetres());
    canvas.setLayer(DrawingLayer::Dimension);
    canvas.moveTo(100, 200);
    canvas.lineTo(150, 180);
    canvas.lineTo(150, 180);  // nothing to draw
    canvas.setLayer(DrawingLayer::Column);
    canvas.setBrush(CanvasColor::Blue, BrushStyle::BackwardDiagonal);
    canvas.rectangle(140, 260, 100, 200);
    const Drawing drawing = parse(canvas.document());
    std::setlocale(LC_ALL, saved.c_str());

    const std::vector<Record> lines = records(drawing, "LINE", "DIMENSIONS");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ((std::vector<double>{lines[0].at(10), lines[0].at(20), lines[0].at(11), lines[0].at(21)}),
              (std::vector<double>{0, 0, 5, 2}));
    EXPECT_EQ(lines[0].get(62), "256");  // the layer's colour
    const std::vector<Record> outlines = records(drawing, "LWPOLYLINE", "COLUMN");
    ASSERT_EQ(outlines.size(), 1u);
    EXPECT_TRUE(closed(outlines[0]));
    EXPECT_EQ(outlines[0].all(10), std::vector<double>({0.0, 4.0, 4.0, 0.0}));
    EXPECT_EQ(outlines[0].all(20), std::vector<double>({0.0, 0.0, -6.0, -6.0}));

    // strokes 8 screen pixels (16 units, 1.6 mm) apart, rising to the right, none outside
    const std::vector<Record> strokes = records(drawing, "LINE", "HATCH");
    ASSERT_GE(strokes.size(), 5u);
    for (const Record& stroke : strokes) {
        const double x1 = stroke.at(10), y1 = stroke.at(20), x2 = stroke.at(11), y2 = stroke.at(21);
        EXPECT_NEAR(y2 - y1, x2 - x1, 1e-9);
        for (const auto& [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
            EXPECT_TRUE(x >= 0 && x <= 4 && y >= -6 && y <= 0) << x << " " << y;
        }
    }
    const auto offset = [](const Record& stroke) { return stroke.at(10) - stroke.at(20); };
    EXPECT_NEAR(std::abs(offset(strokes[1]) - offset(strokes[0])), 1.6, 1e-9);
    EXPECT_TRUE(records(drawing, "LWPOLYLINE", "OUTLINE").empty());

    EXPECT_EQ(records(drawing, "$EXTMAX").at(0).get(20), "2.0");
    const std::vector<Record> viewports = records(drawing, "VPORT");
    ASSERT_EQ(viewports.size(), 1u);
    EXPECT_EQ(viewports[0].get(2) + " " + viewports[0].get(12) + " " + viewports[0].get(22),
              "*Active 2.5 -2.0");
}

// The pieces of an outline, drawn in any order and direction with other layers between them, join
// into one closed polyline, closed even when its ends stop short of each other; pieces that make
// more than one chain stay open
TEST(DxfCanvas, OutlinePiecesJoinIntoClosedPolylines) {
    DxfCanvas canvas(tenthMillimetres());
    canvas.setLayer(DrawingLayer::Outline);
    canvas.beginOutline();
    canvas.moveTo(100, 200);  // right half of a U, then the left half from the same corner
    canvas.lineTo(200, 200);
    canvas.lineTo(200, 150);
    canvas.setLayer(DrawingLayer::Dimension);
    canvas.moveTo(0, 0);
    canvas.lineTo(10, 10);
    canvas.setLayer(DrawingLayer::Outline);
    canvas.moveTo(100, 200);
    canvas.lineTo(100, 150);
    canvas.lineTo(199, 151);  // within the tolerance of the right half's end
    canvas.endOutline();
    canvas.beginOutline();
    canvas.moveTo(300, 300);
    canvas.lineTo(400, 300);
    canvas.lineTo(400, 400);
    canvas.lineTo(350, 400);  // 5 mm short of the start
    canvas.endOutline();
    canvas.beginOutline();
    canvas.moveTo(500, 500);
    canvas.lineTo(600, 500);
    canvas.lineTo(600, 600);
    canvas.moveTo(700, 700);
    canvas.lineTo(800, 800);
    canvas.endOutline();
    const Drawing drawing = parse(canvas.document());

    const std::vector<Record> outlines = records(drawing, "LWPOLYLINE", "OUTLINE");
    ASSERT_EQ(outlines.size(), 3u);
    for (const auto& [i, isClosed, vertices] : {std::tuple{0, true, "4"}, {1, true, "4"}, {2, false, "3"}}) {
        EXPECT_EQ(closed(outlines[i]), isClosed) << i;
        EXPECT_EQ(outlines[i].get(90), vertices) << i;
    }
    EXPECT_NEAR(extentOf(outlines[0]).width, 10.0, 0.11);
    EXPECT_NEAR(extentOf(outlines[0]).height, 5.0, 0.11);
    EXPECT_EQ(records(drawing, "LINE", "OUTLINE").size(), 1u);  // the other chain, a single piece
    EXPECT_EQ(records(drawing, "LINE", "DIMENSIONS").size(), 1u);
}

// Texts: the Russian letters in code page 1251, the diameter sign as %%c, the superscripts as digits,
// other letters beyond the code page as \U+XXXX (pairs beyond the plane), control characters as
// spaces, broken UTF-8 as "?"; a TEXT entity with its baseline below the top-left corner, capitals
// 0.716 of the em, in the Arial style (LibreCAD's own rendering of the sample is looked at by hand)
TEST(DxfCanvas, TextsInCodePage1251AndArial) {
    const std::pair<std::string, std::string> rows[] = {
        {"Схема", "\xD1\xF5\xE5\xEC\xE0"},
        {"bс h1", "b\xF1 h1"},
        {"м²\t", "\xEC\x32 "},
        {"Ø12, 3,5 м³, 2×3, 20 °C", "%%c12, 3,5 \xEC\x33, 2x3, 20 \xB0\x43"},
        {"p ≤ R", "p \\U+2264 R"},
        {"\xF0\x9F\x8F\x97", "\\U+D83C\\U+DFD7"},
        {"a\xD0", "a?"},
        {"\xFF\x62", "?b"}};
    for (const auto& [utf8, written] : rows) {
        EXPECT_EQ(dxfText(utf8), written) << utf8;
    }

    DxfCanvas canvas(tenthMillimetres());
    CanvasFont font;
    font.sizePoints = 12;  // 16 screen pixels, 32 units, 3.2 mm
    canvas.setFont(font);
    canvas.setLayer(DrawingLayer::Text);
    canvas.textOut(100, 200, "Размеры");
    font.bold = true;
    canvas.setFont(font);
    canvas.textOut(100, 300, "I");
    EXPECT_GT(canvas.textWidth("Размеры"), canvas.textWidth("Размер"));
    EXPECT_EQ(canvas.textHeight("#"), static_cast<int>(std::lround(1.149 * 32)));
    const Drawing drawing = parse(canvas.document());

    const std::vector<Record> texts = records(drawing, "TEXT", "TEXT");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].get(1), dxfText("Размеры"));
    EXPECT_NEAR(texts[0].at(40), 0.716 * 3.2, 1e-9);
    EXPECT_NEAR(texts[0].at(20), -0.1 * std::lround(0.905 * 32), 1e-9);
    EXPECT_EQ(texts[0].get(7), "unicode");
    EXPECT_EQ(texts[1].get(7), "unicode#bold");
    std::map<std::string, std::string> fonts;
    for (const Record& style : records(drawing, "STYLE")) {
        fonts[style.get(2)] = style.get(3);
    }
    EXPECT_EQ(fonts["unicode"], "arial.ttf");
    EXPECT_EQ(fonts["unicode#bold"], "arialbd.ttf");
}

// The scheme at true size whatever the print scale: the base, the steps and the pedestal as closed
// rectangles of their sizes at every scale; the texts grow with the scale, so that the sheet at 1:S
// looks alike (the cut, the columns and the texts of each layer dxf_samples.py checks on every sample).
// The rules of the other documents: the out-of-date line and the red lines of the calculation stand in
// red above the title; the table's numbers keep the user's decimal separator; a scale of 0 draws the
// message instead (a foundation not designed dxf_samples.py checks)
TEST(DxfExport, SchemeAtTrueSizeWithTheNotes) {
    const SampleDesign data = twoStepFoundation();
    std::map<int, double> titleHeights;
    for (const int scale : {20, 75, 200}) {
        SCOPED_TRACE(::testing::Message() << "1:" << scale);
        ReportContext context = contextOf(data, scale);
        context.failures = {"", "Первая", "Вторая"};
        context.outOfDate = true;
        const Drawing drawing = parse(schemeDxf(context));
        std::vector<std::pair<double, double>> rectangles;
        for (const Record& outline : records(drawing, "LWPOLYLINE", "OUTLINE")) {
            const Extent extent = extentOf(outline);
            if (outline.get(90) == "4") {
                rectangles.emplace_back(std::round(extent.width), std::round(extent.height));
                EXPECT_NEAR(extent.width, std::round(extent.width), 0.05);
            }
        }
        EXPECT_EQ(rectangles,
                  (std::vector<std::pair<double, double>>{{2400, 1800}, {1800, 1500}, {1200, 900}}));
        double titleY = 0;
        std::vector<double> noteYs;
        for (const Record& text : records(drawing, "TEXT", "TEXT")) {
            const bool title = text.get(1) == dxfText("Схема фундамента");
            if (title) {
                titleHeights[scale] = text.at(40);
                titleY = text.at(20);
            } else if (text.get(1) == dxfText(kOutOfDateLine) || text.get(1) == dxfText("Первая") ||
                       text.get(1) == dxfText("Вторая")) {
                noteYs.push_back(text.at(20));
            }
            // the notes and the section marks red, the title in the layer's colour
            EXPECT_EQ(text.get(62), title ? "256" : "1") << text.get(1);
        }
        ASSERT_EQ(noteYs.size(), 3u);
        EXPECT_GT(noteYs[0], noteYs[1]);
        EXPECT_GT(noteYs[1], noteYs[2]);
        EXPECT_GT(noteYs[2], titleY);
        std::vector<std::string> table;
        for (const Record& text : records(drawing, "TEXT", "TABLE")) {
            table.push_back(text.get(1));
        }
        for (const char* cell : {"2,400", "24,127", "10,179", "12", "9", "16"}) {
            EXPECT_NE(std::find(table.begin(), table.end(), cell), table.end()) << cell;
        }
    }
    ASSERT_EQ(titleHeights.size(), 3u);
    EXPECT_NEAR(titleHeights[200] / titleHeights[20], 10.0, 1e-6);
    // on the sheet at 1:S the scheme window's unit of 33 pixels is a centimetre: the title's 20 points
    // (26.7 pixels) have capitals of 0.716 em, 5.8 mm
    EXPECT_NEAR(titleHeights[75] / 75, 20 * 96 / 72.0 * 10 / 33 * 0.716, 0.01);

    const Drawing drawing = parse(schemeDxf(contextOf(data, 0)));
    EXPECT_TRUE(records(drawing, "LWPOLYLINE", "OUTLINE").empty());
    const std::vector<Record> texts = records(drawing, "TEXT", "TEXT");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].get(1).find("1:"), std::string::npos);
}

// The reinforcement table: under the table of dimensions, its title above it, every cell's text
// inside its column, the numbers in the user's form
TEST(SchemeDrawing, ReinforcementTableUnderTheDimensions) {
    const SampleDesign data = twoStepFoundation();
    RecordingCanvas canvas(1400, 1400);
    DrawFoundationScheme(canvas, kScreenSchemeUnit, data.design(), 75, ',');
    const std::size_t schemeLines = canvas.lines().size();
    int lowest = 0;
    for (const auto& text : canvas.texts()) {
        lowest = std::max(lowest, text.layer == DrawingLayer::Table ? text.y : 0);
    }
    DrawSchemeReinforcementTable(canvas, kScreenSchemeUnit, data.design(), 75, ',');
    const auto title = canvas.textsOf("АРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_GT(title[0].y, lowest + canvas.textHeight("#"));
    std::vector<int> rules;  // the x of the vertical rules, left to right
    for (std::size_t i = schemeLines; i < canvas.lines().size(); ++i) {
        const auto& rule = canvas.lines()[i];
        EXPECT_EQ(rule.layer, DrawingLayer::Table);
        EXPECT_GT(std::min(rule.from.y, rule.to.y), title[0].y);
        if (rule.from.x == rule.to.x) {
            rules.push_back(rule.from.x);
        }
    }
    ASSERT_EQ(rules.size(), 4u);
    const std::pair<const char*, int> cells[] = {
        {"Сторона L", 1}, {"Сторона B", 2}, {"24,127", 1},
        {"10,179", 2},    {"12", 1},        {"9", 2},
        {"16", 1},        {"12", 2},        {"Кол-во стержней, шт", 0}};
    for (const auto& [text, column] : cells) {
        const auto found = canvas.textsOf(text);
        const bool inside = std::any_of(found.begin(), found.end(), [&](const RecordingCanvas::Text& cell) {
            return cell.layer == DrawingLayer::Table && cell.x > rules[column] &&
                   cell.x + canvas.textWidth(text) < rules[column + 1];
        });
        EXPECT_TRUE(inside) << text;
    }
    RecordingCanvas none(100, 100);
    DrawSchemeReinforcementTable(none, kScreenSchemeUnit, data.design(), 0, ',');
    EXPECT_TRUE(none.texts().empty() && none.lines().empty());
}

// The marks grow with the canvas's mark scale (the scheme's layers dxf_samples.py checks)
TEST(SchemeDrawing, MarksGrowWithTheMarkScale) {
    class CoarseCanvas : public RecordingCanvas {
      public:
        CoarseCanvas() : RecordingCanvas(5000, 5000) {}
        double markScale() const override { return 10; }
    };
    RecordingCanvas fine(500, 500);
    CoarseCanvas coarse;
    DrawDimension(100, 300, 200, DimensionSide::Below, "ab", fine);
    DrawDimension(100, 300, 200, DimensionSide::Below, "ab", coarse);
    // the extension lines: 12 pixels, times the mark scale
    EXPECT_EQ(fine.lines().at(1).to.y - fine.lines().at(1).from.y, 12);
    EXPECT_EQ(coarse.lines().at(1).to.y - coarse.lines().at(1).from.y, 120);
}
