#include "reports/SchemeDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "reports/RecordingCanvas.h"

using namespace fundis;

namespace {

// Two steps 0.3 + 0.3 under a 0.9 x 1.2 pedestal and a 0.4 x 0.4 column.
TProjectData twoStepFoundation() {
    TProjectData data;
    data.b = 2.1f;
    data.l = 2.7f;
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
    data.c[2] = 0.3f;
    data.cb[1] = 0.3f;
    data.cb[2] = 0.3f;
    data.lStep[1] = 2.7f;
    data.bStep[1] = 2.1f;
    data.lStep[2] = 1.8f;
    data.bStep[2] = 1.5f;
    return data;
}

RecordingCanvas drawn(const TProjectData& data, double unit = 33, int scale = 75) {
    RecordingCanvas canvas(1400, 1000);
    DrawFoundationScheme(canvas, unit, data, scale, '.');
    return canvas;
}

bool hasText(const RecordingCanvas& canvas, const std::string& text) { return !canvas.textsOf(text).empty(); }

// soil hatching: thin black strokes leaving the floor line downwards to the left
std::vector<RecordingCanvas::Line> hatching(const RecordingCanvas& canvas, int Y0) {
    std::vector<RecordingCanvas::Line> strokes;
    for (const auto& line : canvas.lines()) {
        if (line.width == 1 && line.color == CanvasColor::Black && line.from.y == Y0 && line.to.y > Y0 &&
            line.to.x < line.from.x) {
            strokes.push_back(line);
        }
    }
    return strokes;
}

}  // namespace

TEST(SchemeDrawing, ScreenScaleGivesFortyFourPixelsAMetre) {
    TProjectData data = twoStepFoundation();
    data.l = data.lStep[1] = 2.1f;
    const RecordingCanvas canvas = drawn(data);
    // the first line is the base of the section: X0 = 66, yb = 99 + 1.65 * 44 = 171.6
    ASSERT_FALSE(canvas.lines().empty());
    const auto& base = canvas.lines().front();
    EXPECT_EQ(base.from.x, 66);
    EXPECT_EQ(base.from.y, 171);
    EXPECT_EQ(base.to.x - base.from.x, 92);
    EXPECT_EQ(base.to.y, 171);
    EXPECT_EQ(base.width, 2);
    const auto title = canvas.textsOf("Схема фундамента");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].x, 165);
    EXPECT_EQ(title[0].y, 16);
    EXPECT_DOUBLE_EQ(title[0].font.sizePoints, 20);
}

TEST(SchemeDrawing, PrintedSchemeKeepsTheProportions) {
    const RecordingCanvas screen = drawn(twoStepFoundation(), 33);
    const RecordingCanvas printed = drawn(twoStepFoundation(), 300.7);  // the unit is truncated to 300
    const auto& a = screen.lines().front();
    const auto& b = printed.lines().front();
    EXPECT_EQ(b.from.x, 600);
    EXPECT_EQ(b.to.x - b.from.x, 1080);  // 2.7 m at 400 px a metre
    EXPECT_NEAR(static_cast<double>(b.to.x - b.from.x) / (a.to.x - a.from.x), 300.0 / 33,
                0.1);  // within a pixel of truncation
}

TEST(SchemeDrawing, ZeroOverhangsHaveNoDimensions) {
    TProjectData data = twoStepFoundation();
    EXPECT_EQ(drawn(data).textsOf("c2").size(), 2u + 2u + 1u);  // section twice, plan twice, table
    EXPECT_EQ(drawn(data).textsOf("cb2").size(), 2u + 1u);
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
    EXPECT_TRUE(hasText(normal, "huc"));
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
    auto lastLeftStroke = [&](const RecordingCanvas& canvas) {
        int last = -1;
        for (const auto& stroke : hatching(canvas, 99)) {
            if (stroke.from.x < 66 + data.l * k / 2) {
                last = std::max(last, stroke.from.x);
            }
        }
        return last;
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
        EXPECT_TRUE(hasText(canvas, "ступеней"));
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
    struct Row {
        int kind;
        double p1, p2, p3;
        CanvasPoint lineFrom, lineTo, label;
    };
    const Row rows[] = {
        {1, 10, 110, 50, {10, 40}, {110, 40}, {54, 25}},
        {2, 10, 110, 50, {10, 60}, {110, 60}, {54, 45}},
        {3, 100, 20, 80, {90, 20}, {90, 80}, {75, 43}},
        {4, 100, 20, 80, {110, 20}, {110, 80}, {95, 43}},
    };
    for (const Row& row : rows) {
        RecordingCanvas canvas(500, 500);
        canvas.setPen(2, CanvasColor::Blue);
        CanvasFont font;
        font.color = CanvasColor::Black;
        canvas.setFont(font);
        canvas.moveTo(5, 7);
        DrawDimension(row.p1, row.p2, row.p3, row.kind, "ab", canvas);

        ASSERT_FALSE(canvas.lines().empty());
        const auto& dimension = canvas.lines().front();
        EXPECT_EQ(dimension.from.x, row.lineFrom.x) << row.kind;
        EXPECT_EQ(dimension.from.y, row.lineFrom.y) << row.kind;
        EXPECT_EQ(dimension.to.x, row.lineTo.x) << row.kind;
        EXPECT_EQ(dimension.to.y, row.lineTo.y) << row.kind;
        EXPECT_EQ(canvas.lines().size(), 5u) << row.kind;  // the line, two extensions, two ticks
        for (const auto& line : canvas.lines()) {
            EXPECT_EQ(line.color, CanvasColor::Red);
            EXPECT_EQ(line.width, 1);
        }
        ASSERT_EQ(canvas.texts().size(), 1u);
        EXPECT_EQ(canvas.texts()[0].x, row.label.x) << row.kind;
        EXPECT_EQ(canvas.texts()[0].y, row.label.y) << row.kind;
        EXPECT_EQ(canvas.texts()[0].font.color, CanvasColor::Red);

        EXPECT_EQ(canvas.penWidth(), 2);
        EXPECT_EQ(canvas.penColor(), CanvasColor::Blue);
        EXPECT_EQ(canvas.penPosition().x, 5);
        EXPECT_EQ(canvas.penPosition().y, 7);
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
