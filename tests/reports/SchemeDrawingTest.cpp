#include "reports/SchemeDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "support/RecordingCanvas.h"

using namespace fundis;

namespace {

// Two steps 0.3 + 0.3 under a 0.9 x 1.2 pedestal and a 0.4 x 0.4 column.
TProjectData twoStepFoundation() {
    TProjectData data;
    data.b = data.bStep[1] = 2.1f;
    data.l = data.lStep[1] = 2.7f;
    data.d = 1.65f;
    data.Hf = 1.5f;
    data.pedestalTop = -0.15f;
    data.socketDepth = 0.8f;
    data.luc = 1.2f;
    data.buc = 0.9f;
    data.huc = 0.9f;
    data.lc = data.bc = 0.4f;
    data.hSteps = 0.6f;
    data.nSteps = 2;
    data.h[1] = data.h[2] = 0.3f;
    data.c[1] = 0.45f;
    data.c[2] = data.cb[1] = data.cb[2] = 0.3f;
    data.lStep[2] = 1.8f;
    data.bStep[2] = 1.5f;
    return data;
}

RecordingCanvas drawn(const TProjectData& data, double unit = 33, int scale = 75) {
    RecordingCanvas canvas(1400, 1000);
    DrawFoundationScheme(canvas, unit, data, scale, '.');
    return canvas;
}

// The rightmost soil hatching stroke left of `limit`: thin black strokes leaving the floor line
// Y0 downwards to the left.
int lastHatchStrokeLeftOf(const RecordingCanvas& canvas, int Y0, double limit) {
    int last = -1;
    for (const auto& line : canvas.lines()) {
        if (line.width == 1 && line.color == CanvasColor::Black && line.from.y == Y0 && line.to.y > Y0 &&
            line.to.x < line.from.x && line.from.x < limit) {
            last = std::max(last, line.from.x);
        }
    }
    return last;
}

}  // namespace

TEST(SchemeDrawing, ScreenScaleGivesFortyFourPixelsAMetre) {
    TProjectData data = twoStepFoundation();
    data.l = data.lStep[1] = 2.1f;
    const RecordingCanvas canvas = drawn(data);
    // the first line is the base of the section: X0 = 66, yb = 99 + 1.65 * 44 = 171.6
    ASSERT_FALSE(canvas.lines().empty());
    const auto& base = canvas.lines().front();
    EXPECT_EQ(std::make_tuple(base.from.x, base.from.y, base.to.y, base.width),
              std::make_tuple(66, 171, 171, 2));
    EXPECT_EQ(base.to.x - base.from.x, 92);
    // the title at (5u, 0.5u) in 20 points
    const auto title = canvas.textsOf("Схема фундамента");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(std::make_pair(title[0].x, title[0].y), std::make_pair(165, 16));
    EXPECT_DOUBLE_EQ(title[0].font.sizePoints, 20);

    // printed, the unit 300.7 is truncated to 300: the 2.7 m base at 400 px a metre, from 2u
    const RecordingCanvas printed = drawn(twoStepFoundation(), 300.7);
    ASSERT_FALSE(printed.lines().empty());
    const auto& printedBase = printed.lines().front();
    EXPECT_EQ(printedBase.from.x, 600);
    EXPECT_EQ(printedBase.to.x - printedBase.from.x, 1080);
}

TEST(SchemeDrawing, ZeroOverhangsHaveNoDimensions) {
    TProjectData data = twoStepFoundation();
    const RecordingCanvas normal = drawn(data);
    EXPECT_EQ(normal.textsOf("c2").size(), 2u + 2u + 1u);  // section twice, plan twice, table
    EXPECT_EQ(normal.textsOf("cb2").size(), 2u + 1u);
    data.c[2] = 0;
    data.cb[2] = 0;
    const RecordingCanvas canvas = drawn(data);
    EXPECT_EQ(canvas.textsOf("c2").size(), 1u);  // only the table's column heading
    EXPECT_EQ(canvas.textsOf("cb2").size(), 1u);
    EXPECT_EQ(canvas.textsOf("c1").size(), 5u);
}

TEST(SchemeDrawing, PedestalWithoutHeight) {
    TProjectData data = twoStepFoundation();
    const RecordingCanvas normal = drawn(data);
    EXPECT_EQ(normal.textsOf("huc").size(), 2u);  // the dimension and the table's heading
    // steps, pedestal and column outlines in the plan
    EXPECT_EQ(normal.rectangles().size(), 4u);

    data.hSteps = data.Hf;
    data.huc = 0;
    const RecordingCanvas flat = drawn(data);
    EXPECT_EQ(flat.textsOf("huc").size(), 1u);  // the table's heading only, no dimension
    EXPECT_EQ(flat.rectangles().size(), 3u);
    EXPECT_EQ(flat.textsOf("luc").size(), 3u);  // section, plan, table
    EXPECT_EQ(flat.textsOf("buc").size(), 2u);  // plan, table
}

TEST(SchemeDrawing, ColumnSectionIsHatchedBlue) {
    const RecordingCanvas canvas = drawn(twoStepFoundation());
    const auto& column = canvas.rectangles().back();
    EXPECT_EQ(column.brush, BrushStyle::BackwardDiagonal);
    EXPECT_EQ(column.brushColor, CanvasColor::Blue);
    EXPECT_EQ(column.penColor, CanvasColor::Blue);
    EXPECT_EQ(column.x2 - column.x1, 18);  // 0.4 m from 116.6 to 134.2, each end truncated
    // its width label carries a Cyrillic "с" and an opaque background
    const auto labels = canvas.textsOf("bс");
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].brush, BrushStyle::Solid);
}

TEST(SchemeDrawing, HatchingStopsAtColumnOrPedestal) {
    TProjectData data = twoStepFoundation();
    const float k = 44;
    const auto lastLeftStroke = [&](const RecordingCanvas& canvas) {
        return lastHatchStrokeLeftOf(canvas, 99, 66 + data.l * k / 2);
    };
    // below the floor the soil runs up to the column faces
    const int columnFace = static_cast<int>(66 + (data.l - data.lc) / 2 * k);
    const int belowFloor = lastLeftStroke(drawn(data));
    EXPECT_LE(belowFloor, columnFace);
    EXPECT_GT(belowFloor, columnFace - 10);

    // a pedestal standing out of the ground interrupts the soil at its own faces
    data.pedestalTop = 0.15f;
    const int pedestalFace = static_cast<int>(66 + (data.l - data.luc) / 2 * k);
    const int aboveFloor = lastLeftStroke(drawn(data));
    EXPECT_LE(aboveFloor, pedestalFace);
    EXPECT_GT(aboveFloor, pedestalFace - 10);
}

TEST(SchemeDrawing, TableHasAColumnAStep) {
    // xT = X0 + l k + 2u = 66 + 118.8 + 66; the first step column 2u further, the others 1.5u apart
    const int firstColumn = static_cast<int>(66 + 2.7f * 44 + 66 + 66 + 3.3f);
    for (int steps : {0, 3, 5}) {
        TProjectData data = twoStepFoundation();
        data.nSteps = steps;
        for (int i = 1; i <= steps; ++i) {
            data.h[i] = 0.3f;
            data.lStep[i] = 2.7f - 0.3f * (i - 1);
            data.bStep[i] = 2.1f - 0.3f * (i - 1);
            data.c[i] = data.cb[i] = 0.15f;
        }
        const RecordingCanvas canvas = drawn(data);
        EXPECT_FALSE(canvas.textsOf("ступеней").empty());
        for (int i = 1; i <= 5; ++i) {
            const auto heading = canvas.textsOf("h" + std::to_string(i));
            // the section's step dimension is drawn too; the table's heading is the last one
            if (i > steps) {
                EXPECT_TRUE(heading.empty()) << steps << " steps, h" << i;
                continue;
            }
            ASSERT_FALSE(heading.empty());
            EXPECT_NEAR(heading.back().x, firstColumn + 49.5 * (i - 1), 1.0) << steps << " steps, h" << i;
        }
    }
}

// Dimension lines: where they go, where the label stands, and that the caller's state survives
TEST(DrawDimension, FourKinds) {
    using Point = std::pair<int, int>;
    const struct {
        int kind;
        double p1, p2, p3;
        Point lineFrom, lineTo, label;
    } rows[] = {
        {1, 10, 110, 50, {10, 40}, {110, 40}, {54, 25}},
        {2, 10, 110, 50, {10, 60}, {110, 60}, {54, 45}},
        {3, 100, 20, 80, {90, 20}, {90, 80}, {75, 43}},
        {4, 100, 20, 80, {110, 20}, {110, 80}, {95, 43}},
    };
    const auto xy = [](const CanvasPoint& p) { return Point(p.x, p.y); };
    for (const auto& row : rows) {
        RecordingCanvas canvas(500, 500);
        canvas.setPen(2, CanvasColor::Blue);
        canvas.setFont(CanvasFont{});
        canvas.moveTo(5, 7);
        DrawDimension(row.p1, row.p2, row.p3, row.kind, "ab", canvas);

        ASSERT_EQ(canvas.lines().size(), 5u) << row.kind;  // the line, two extensions, two ticks
        EXPECT_EQ(xy(canvas.lines().front().from), row.lineFrom) << row.kind;
        EXPECT_EQ(xy(canvas.lines().front().to), row.lineTo) << row.kind;
        for (const auto& line : canvas.lines()) {
            EXPECT_EQ(line.color, CanvasColor::Red);
            EXPECT_EQ(line.width, 1);
        }
        ASSERT_EQ(canvas.texts().size(), 1u);
        EXPECT_EQ(Point(canvas.texts()[0].x, canvas.texts()[0].y), row.label) << row.kind;
        EXPECT_EQ(canvas.texts()[0].font.color, CanvasColor::Red);

        EXPECT_EQ(canvas.penWidth(), 2);
        EXPECT_EQ(canvas.penColor(), CanvasColor::Blue);
        EXPECT_EQ(xy(canvas.penPosition()), Point(5, 7));
        EXPECT_EQ(canvas.font().color, CanvasColor::Black);
    }
}

TEST(SchemeDrawing, ScaleNotPositiveSaysSo) {
    for (int scale : {0, -75}) {
        const RecordingCanvas canvas = drawn(twoStepFoundation(), 33, scale);
        EXPECT_TRUE(canvas.lines().empty());
        EXPECT_TRUE(canvas.rectangles().empty());
        ASSERT_EQ(canvas.texts().size(), 1u);
        EXPECT_NE(canvas.texts()[0].text.find("Масштаб"), std::string::npos);
    }
}
