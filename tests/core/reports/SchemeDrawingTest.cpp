// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/SchemeDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "support/RecordingCanvas.h"
#include "support/SampleProject.h"

using namespace fundis;

namespace {

RecordingCanvas drawn(const SampleDesign& data, double unit = kScreenSchemeUnit, int scale = 75) {
    RecordingCanvas canvas(1400, 1000);
    DrawFoundationScheme(canvas, unit, data.design(), scale, '.');
    return canvas;
}

}  // namespace

// To scale: the base line is l · 100 u / scale long, the unit taken in whole pixels; a scale not
// positive draws the message saying so instead
TEST(SchemeDrawing, DrawnToScale) {
    const SampleDesign data = twoStepFoundation();  // l = 2.4 m
    const std::tuple<double, int, double> rows[] = {{33, 75, 44}, {33, 50, 66}, {300.7, 75, 400}};
    for (const auto& [unit, scale, pixelsPerMetre] : rows) {
        SCOPED_TRACE(::testing::Message() << "unit " << unit << ", 1:" << scale);
        const RecordingCanvas canvas = drawn(data, unit, scale);
        ASSERT_FALSE(canvas.lines().empty());
        const auto& base = canvas.lines().front();
        EXPECT_EQ(base.from.y, base.to.y);
        EXPECT_NEAR(base.to.x - base.from.x, 2.4 * pixelsPerMetre, 1.0) << unit << " 1:" << scale;
    }
    for (int scale : {0, -75}) {
        const RecordingCanvas canvas = drawn(data, 33, scale);
        EXPECT_TRUE(canvas.lines().empty()) << scale;
        ASSERT_EQ(canvas.texts().size(), 1u) << scale;
        EXPECT_NE(canvas.texts()[0].text.find("Масштаб"), std::string::npos);
    }
}

// A step overhang of 0 gets no dimension; the table keeps its heading
TEST(SchemeDrawing, ZeroOverhangsHaveNoDimensions) {
    SampleDesign data = twoStepFoundation();
    EXPECT_EQ(drawn(data).textsOf("c2").size(), 2u + 2u + 1u);  // section twice, plan twice, table
    EXPECT_EQ(drawn(data).textsOf("cb2").size(), 2u + 1u);
    data.result.steps.c[2] = data.result.steps.cb[2] = 0;
    EXPECT_EQ(drawn(data).textsOf("c2").size(), 1u);
    EXPECT_EQ(drawn(data).textsOf("cb2").size(), 1u);
    EXPECT_EQ(drawn(data).textsOf("c1").size(), 5u);
}

// Dimension lines above, below, left or right of the edge, on their layer; the label centred on the
// measured span and clear of the line; the caller's pen, position, font colour and layer survive
TEST(DrawDimension, FourKinds) {
    for (DimensionSide kind :
         {DimensionSide::Above, DimensionSide::Below, DimensionSide::Left, DimensionSide::Right}) {
        SCOPED_TRACE(::testing::Message() << "side " << static_cast<int>(kind));
        RecordingCanvas canvas(500, 500);
        canvas.setPen(2, CanvasColor::Blue);
        canvas.setFont(CanvasFont{});
        canvas.moveTo(5, 7);
        canvas.setLayer(DrawingLayer::Table);
        const bool horizontal = isHorizontal(kind);
        horizontal ? DrawDimension(100, 300, 200, kind, "ab", canvas)
                   : DrawDimension(200, 100, 300, kind, "ab", canvas);

        ASSERT_EQ(canvas.lines().size(), 5u);  // the line, two extensions, two ticks
        // along the line, across it, and the same for the label
        const auto& line = canvas.lines().front();
        const auto& label = canvas.texts().at(0);
        const int from = horizontal ? line.from.x : line.from.y, to = horizontal ? line.to.x : line.to.y;
        const int across = horizontal ? line.from.y : line.from.x;
        const double labelMiddle =
            horizontal ? label.x + canvas.textWidth("ab") / 2.0 : label.y + canvas.textHeight("ab") / 2.0;
        const int labelFarSide =
            horizontal ? label.y + canvas.textHeight("ab") : label.x + canvas.textWidth("ab");
        EXPECT_EQ(std::make_pair(std::min(from, to), std::max(from, to)), std::make_pair(100, 300));
        EXPECT_EQ(across < 200, kind == DimensionSide::Above || kind == DimensionSide::Left);
        EXPECT_NEAR(labelMiddle, 200, 1.0);
        EXPECT_LE(labelFarSide, across);
        for (const auto& drawnLine : canvas.lines()) {
            EXPECT_EQ(drawnLine.color, CanvasColor::Red);
            EXPECT_EQ(drawnLine.width, 1);
            EXPECT_EQ(drawnLine.layer, DrawingLayer::Dimension);
        }
        EXPECT_TRUE(label.font.color == CanvasColor::Red && label.layer == DrawingLayer::Dimension);
        EXPECT_TRUE(canvas.penWidth() == 2 && canvas.penColor() == CanvasColor::Blue &&
                    canvas.penPosition().x == 5 && canvas.penPosition().y == 7 &&
                    canvas.font().color == CanvasColor::Black && canvas.layer() == DrawingLayer::Table);
    }
}

namespace {

// Three steps whose upper two overhang 0.15 m each way: at 1:75 a span of 6.6 px, narrower than its
// label "c2" (12 px) and lower than "cb2" (13 px).
SampleDesign narrowSteps() {
    SampleDesign data = twoStepFoundation();
    data.result.steps.nSteps = 3;
    data.result.steps.c[1] = 0.3f;
    data.result.steps.c[2] = data.result.steps.c[3] = 0.15f;
    data.result.steps.cb[1] = data.result.steps.cb[2] = data.result.steps.cb[3] = 0.15f;
    data.result.steps.lStep[2] = 1.8f;
    data.result.steps.lStep[3] = 1.5f;
    data.result.steps.bStep[2] = 1.5f;
    data.result.steps.bStep[3] = 1.2f;
    data.result.steps.h[3] = 0.15f;
    data.result.steps.hSteps = 0.75f;
    return data;
}

struct Box {
    int left, top, right, bottom;
    std::string text;
};

// The label of a vertical dimension.
bool upright(const std::string& text) {
    return text.rfind("cb", 0) == 0 || text.rfind("h", 0) == 0 || text == "buc" || text == "B" || text == "d";
}

bool overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

// Narrow steps: the labels of a chain of dimensions (c1 c2 c3 luc …, cb1 cb2 cb3 buc …, h1 h2 h3)
// move apart instead of running into each other, stay in their chain's order and near their spans;
// a chain whose labels fit its extent keeps them there, clear of the chain round the corner
TEST(SchemeDrawing, ChainLabelsDoNotOverlap) {
    const std::tuple<SampleDesign, int, bool> rows[] = {
        {narrowSteps(), 75, false}, {narrowSteps(), 100, false}, {twoStepFoundation(), 75, true}};
    for (const auto& [data, scale, fits] : rows) {
        const RecordingCanvas canvas = drawn(data, 33, scale);
        std::vector<Box> labels;
        for (const RecordingCanvas::Text& text : canvas.texts()) {
            if (text.font.color == CanvasColor::Red && !text.font.bold) {
                labels.push_back({text.x, text.y, RecordingCanvas::rightOf(text),
                                  RecordingCanvas::bottomOf(text), text.text});
            }
        }
        ASSERT_GE(labels.size(), 20u);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            for (std::size_t j = i + 1; j < labels.size(); ++j) {
                // one chain: a row of labels on one line, or a column of them ending at one line
                const bool across = upright(labels[i].text) && upright(labels[j].text);
                const bool along = !upright(labels[i].text) && !upright(labels[j].text);
                const bool oneChain = (along && labels[i].top == labels[j].top) ||
                                      (across && labels[i].right == labels[j].right);
                if (fits || oneChain) {
                    EXPECT_FALSE(overlap(labels[i], labels[j]))
                        << labels[i].text << " at " << labels[i].left << "," << labels[i].top << " and "
                        << labels[j].text << " at " << labels[j].left << "," << labels[j].top
                        << ", 1:" << scale;
                }
            }
        }
    }
    // the section's chain reads c1 c2 c3 luc c3 c2 c1 from left to right, each within a label's
    // length of its span's middle
    const RecordingCanvas canvas = drawn(narrowSteps());
    const double k = 44;     // px a metre at 1:75
    const double left = 66;  // X0 = 2 u
    const std::pair<const char*, double> section[] = {
        {"c1", 0.15}, {"c2", 0.375}, {"c3", 0.525}, {"luc", 1.2}, {"c3", 1.875}, {"c2", 2.025}, {"c1", 2.25}};
    const int y = canvas.textsOf("luc").front().y;
    double previous = 0;
    for (const auto& [label, middle] : section) {
        const auto found = std::find_if(canvas.texts().begin(), canvas.texts().end(), [&](const auto& text) {
            return text.text == label && text.y == y && text.x > previous;
        });
        ASSERT_NE(found, canvas.texts().end()) << label << " after " << previous;
        const double width = 6.0 * std::string(label).size();  // at size 8
        EXPECT_NEAR(found->x + width / 2, left + middle * k, width) << label;
        previous = found->x;
    }
    EXPECT_NEAR(canvas.textsOf("luc").front().x + 9.0, left + 1.2 * k, 1.0);
}

// The scheme as a document: the out-of-date line above the title, the red lines under the title and
// above every line of the drawing, which moves down to make room and keeps its scale. Without a
// foundation: the title, a statement and the red lines, and nothing drawn
TEST(SchemeDocument, VerdictAboveTheDrawing) {
    const SampleDesign data = twoStepFoundation();
    ReportContext context = data.context();
    RecordingCanvas plain(1400, 1000);
    DrawSchemeDocument(plain, 33, context, 75);
    RecordingCanvas usual = drawn(data);
    ASSERT_EQ(plain.lines().size(), usual.lines().size());
    EXPECT_EQ(plain.lines().front().from.y, usual.lines().front().from.y);  // nothing above: as ever

    context.outOfDate = true;
    context.failures = {"", "Невозможно подобрать ступени фундамента.",
                        "Необходимо увеличить глубину заложения фундамента."};
    RecordingCanvas marked(1400, 1000);
    DrawSchemeDocument(marked, 33, context, 75);
    // the texts in drawing order: the out-of-date line (wrapped to the drawing's width), the title,
    // the red lines
    std::vector<RecordingCanvas::Text> texts = marked.texts();
    const auto title = std::find_if(texts.begin(), texts.end(),
                                    [](const auto& text) { return text.text == "Схема фундамента"; });
    ASSERT_TRUE(title != texts.end() && texts.end() - title >= 3);
    std::string outOfDate;
    for (auto text = texts.begin(); text != title; ++text) {
        outOfDate += (outOfDate.empty() ? "" : " ") + text->text;
        EXPECT_TRUE(text->font.color == CanvasColor::Red && text->font.bold && text->y < title->y);
    }
    EXPECT_EQ(outOfDate, kOutOfDateLine);
    for (const int i : {1, 2}) {
        EXPECT_EQ(title[i].text, context.failures[i]);
        EXPECT_TRUE(title[i].font.color == CanvasColor::Red && title[i].font.bold && title[i].y > title->y);
    }
    const int verdictBottom = title[2].y + marked.textHeight("#");
    int top = 1 << 30;
    for (const auto& line : marked.lines()) {
        top = std::min({top, line.from.y, line.to.y});
    }
    EXPECT_GT(top, verdictBottom);
    const int shift = marked.lines().front().from.y - usual.lines().front().from.y;
    EXPECT_GT(shift, 0);
    EXPECT_EQ(marked.lines().front().to.x - marked.lines().front().from.x,
              usual.lines().front().to.x - usual.lines().front().from.x);

    const SampleDesign none;  // no admissible base
    context.inputs = &none.inputs;
    context.result = &none.result;
    context.outOfDate = false;
    RecordingCanvas empty(1400, 1000);
    DrawSchemeDocument(empty, 33, context, 75);
    EXPECT_TRUE(empty.lines().empty() && empty.rectangles().empty());
    ASSERT_EQ(empty.texts().size(), 4u);  // the title, the statement, the two red lines
    EXPECT_EQ(empty.texts()[1].text, kNotDesignedScheme);
    EXPECT_EQ(empty.texts()[3].text, context.failures[2]);
}

// The bottom mesh with its quantities: the marks "1" and "2" in the section, in the plan and under
// it with the bars and their spacing; none without quantities (the bars at true size dxf_samples.py
// checks on every sample)
TEST(SchemeDrawing, BottomMesh) {
    SampleDesign data = twoStepFoundation();
    data.inputs.dz = 0.05f;
    data.inputs.Rs = 365000;
    ReinforcementSide& l = data.result.reinforcement.alongL;
    ReinforcementSide& b = data.result.reinforcement.alongB;
    l.side = b.across = 2.4f;
    b.side = l.across = 1.8f;
    const BillOfMaterials bill = billOfMaterials(data.inputs, data.result, "B 15");
    RecordingCanvas canvas(1400, 1000);
    DrawFoundationScheme(canvas, kScreenSchemeUnit, {data.inputs, data.result, &bill}, 75, '.');
    for (const auto& [text, count] :
         {std::pair<std::string, std::size_t>{"1", 3},
          {"2", 3},
          {"Ø16", 1},
          {"Ø16 А-III, l = 2300, шаг " + std::to_string(bill.bars[0].spacing) + ", вдоль l", 1}}) {
        EXPECT_EQ(canvas.textsOf(text).size(), count) << text;
    }
    const RecordingCanvas bare = drawn(data);
    EXPECT_TRUE(std::none_of(bare.lines().begin(), bare.lines().end(), [](const RecordingCanvas::Line& line) {
        return line.layer == DrawingLayer::Reinforcement;
    }));
}
