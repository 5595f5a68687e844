#include "core/reports/SchemeDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "support/RecordingCanvas.h"
#include "support/SampleProject.h"

using namespace fundis;

namespace {

RecordingCanvas drawn(const ProjectRecord& data, double unit = 33, int scale = 75) {
    RecordingCanvas canvas(1400, 1000);
    DrawFoundationScheme(canvas, unit, data, scale, '.');
    return canvas;
}

}  // namespace

// To scale: the base line is l · 100 u / scale long, the unit taken in whole pixels
TEST(SchemeDrawing, DrawnToScale) {
    const ProjectRecord data = twoStepFoundation();  // l = 2.4 m
    const std::tuple<double, int, double> rows[] = {{33, 75, 44}, {33, 50, 66}, {300.7, 75, 400}};
    for (const auto& [unit, scale, pixelsPerMetre] : rows) {
        SCOPED_TRACE(::testing::Message() << "unit " << unit << ", 1:" << scale);
        const RecordingCanvas canvas = drawn(data, unit, scale);
        ASSERT_FALSE(canvas.lines().empty());
        const auto& base = canvas.lines().front();
        EXPECT_EQ(base.from.y, base.to.y);
        EXPECT_NEAR(base.to.x - base.from.x, 2.4 * pixelsPerMetre, 1.0) << unit << " 1:" << scale;
    }
}

// A step overhang of 0 gets no dimension; the table keeps its heading
TEST(SchemeDrawing, ZeroOverhangsHaveNoDimensions) {
    ProjectRecord data = twoStepFoundation();
    EXPECT_EQ(drawn(data).textsOf("c2").size(), 2u + 2u + 1u);  // section twice, plan twice, table
    EXPECT_EQ(drawn(data).textsOf("cb2").size(), 2u + 1u);
    data.c[2] = data.cb[2] = 0;
    EXPECT_EQ(drawn(data).textsOf("c2").size(), 1u);
    EXPECT_EQ(drawn(data).textsOf("cb2").size(), 1u);
    EXPECT_EQ(drawn(data).textsOf("c1").size(), 5u);
}

// Dimension lines: 1 above the edge, 2 below, 3 left, 4 right; the label centred on the measured
// span and clear of the line; the caller's pen, position and font colour survive
TEST(DrawDimension, FourKinds) {
    for (int kind = 1; kind <= 4; ++kind) {
        RecordingCanvas canvas(500, 500);
        canvas.setPen(2, CanvasColor::Blue);
        canvas.setFont(CanvasFont{});
        canvas.moveTo(5, 7);
        const bool horizontal = kind <= 2;
        horizontal ? DrawDimension(100, 300, 200, kind, "ab", canvas)
                   : DrawDimension(200, 100, 300, kind, "ab", canvas);

        ASSERT_EQ(canvas.lines().size(), 5u) << kind;  // the line, two extensions, two ticks
        // along the line, across it, and the same for the label
        const auto& line = canvas.lines().front();
        const auto& label = canvas.texts().at(0);
        const int from = horizontal ? line.from.x : line.from.y, to = horizontal ? line.to.x : line.to.y;
        const int across = horizontal ? line.from.y : line.from.x;
        const double labelMiddle =
            horizontal ? label.x + canvas.textWidth("ab") / 2.0 : label.y + canvas.textHeight("ab") / 2.0;
        const int labelFarSide =
            horizontal ? label.y + canvas.textHeight("ab") : label.x + canvas.textWidth("ab");
        EXPECT_EQ(std::make_pair(std::min(from, to), std::max(from, to)), std::make_pair(100, 300)) << kind;
        EXPECT_EQ(across < 200, kind == 1 || kind == 3) << kind;
        EXPECT_NEAR(labelMiddle, 200, 1.0) << kind;
        EXPECT_LE(labelFarSide, across) << kind;
        for (const auto& drawnLine : canvas.lines()) {
            EXPECT_EQ(drawnLine.color, CanvasColor::Red);
            EXPECT_EQ(drawnLine.width, 1);
        }
        EXPECT_EQ(label.font.color, CanvasColor::Red);
        EXPECT_TRUE(canvas.penWidth() == 2 && canvas.penColor() == CanvasColor::Blue &&
                    canvas.penPosition().x == 5 && canvas.penPosition().y == 7 &&
                    canvas.font().color == CanvasColor::Black);
    }
}

TEST(SchemeDrawing, ScaleNotPositiveSaysSo) {
    for (int scale : {0, -75}) {
        const RecordingCanvas canvas = drawn(twoStepFoundation(), 33, scale);
        EXPECT_TRUE(canvas.lines().empty());
        ASSERT_EQ(canvas.texts().size(), 1u);
        EXPECT_NE(canvas.texts()[0].text.find("Масштаб"), std::string::npos);
    }
}
