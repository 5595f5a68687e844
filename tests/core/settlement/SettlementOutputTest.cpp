// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/model/NumberFormat.h"
#include "core/project/SettlementJson.h"
#include "core/reports/SettlementPicture.h"
#include "core/settlement/SettlementReport.h"
#include "support/RecordingCanvas.h"

using namespace fundis;

namespace {

// The hand-checked one layer: p0 = 20 kPa, Hc = 1.489 m, s = 1.862 mm
const SettlementData kOneLayer{{{5, 20, 10}}, 0.08};

SettlementResult oneLayer(double su) { return computeSettlement(2, 2, 1, 40, {kOneLayer.layers, su}); }

// The lines of one colour, each ending in "\n".
std::string shown(const std::vector<ReportLine>& lines, bool failure) {
    std::string text;
    for (const ReportLine& line : lines) {
        text += line.failure == failure ? line.text + "\n" : "";
    }
    return text;
}

}  // namespace

// The lines with the user's separator; red lines only for failures
TEST(SettlementReport, LinesWithTheUsersSeparatorAndRedOnlyForFailures) {
    const std::vector<ReportLine> lines = settlementReport(oneLayer(0.08), ',');
    const std::string black = shown(lines, false);
    for (const char* line :
         {"\nРАСЧЕТ ОСАДКИ ФУНДАМЕНТА\n", "\nДополнительное давление\t\t\tp0 = 20,000кПа\n",
          "\nz1, м\tz2, м\tζ\tα\tσzp, кПа\tσzg, кПа\t0,2·σzg, кПа\tE, МПа\ts, мм\n"
          "0,000\t0,800\t0,800\t0,800\t15,994\t36,000\t7,200\t10,000\t1,152\n",
          "\nНижняя граница сжимаемой толщи\t\tHc = 1,489м\nОсадка фундамента\t\t\ts = 0,186см\n"
          "Предельная осадка\t\t\tsu = 8,000см\n"}) {
        EXPECT_NE(black.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(shown(lines, true), "");
    // red lines: s > su, and a settlement that could not be computed; p0 ≤ 0 is no failure
    EXPECT_EQ(shown(settlementReport(oneLayer(0.0018), '.'), true),
              "Осадка фундамента превышает предельную.\n");
    const std::vector<ReportLine> none = settlementReport(computeSettlement(2, 2, 1, 10, kOneLayer), '.');
    EXPECT_EQ(shown(none, true), "");
    EXPECT_EQ(none.back().text, "Дополнительное давление p0 не больше нуля: осадки нет.");
    EXPECT_EQ(shown(settlementReport(computeSettlement(0, 0, 1, 40, kOneLayer), '.'), true),
              "Сначала выполните расчет фундамента.\n");
}

// The result's object carries its report (its numbers and sublayers compare-samples.py reads back
// from the settlement samples); one that could not be computed, its message
TEST(SettlementJson, ObjectOrError) {
    const SettlementResult r = oneLayer(0.08);
    EXPECT_NE(settlementJson(r, settlementReport(r, '.'))
                  .find(R"(}], "report": [{"text": "", "failure": false}, {"text": "РАСЧЕТ)"),
              std::string::npos);
    const SettlementResult failed = computeSettlement(0, 2, 1, 40, kOneLayer);
    EXPECT_EQ(
        settlementJson(failed, {{"x", true}}),
        R"({"error": "Сначала выполните расчет фундамента.", "report": [{"text": "x", "failure": true}]})");
}

// Whatever the numbers, the picture stays in its area; with a boundary it shows and labels Hc
TEST(SettlementPicture, StaysInsideItsAreaAndShowsHc) {
    const SettlementData deep{{{0.4, 18, 4}, {1.2, 0, 30}, {0.01, 2000, 8}, {3, 19, 12}}, 0.08};
    const struct {
        const char* what;
        double d;
        SettlementData data;
        SettlementResult result;
        int width, height;
    } rows[] = {
        {"one layer", 1, kOneLayer, oneLayer(0.08), 400, 500},
        {"one layer, a small area", 1, kOneLayer, oneLayer(0.08), 60, 40},
        {"four layers, deep base", 2.5, deep, computeSettlement(3.3, 4.2, 2.5, 900, deep), 300, 700},
        {"no additional pressure", 1, kOneLayer, computeSettlement(2, 2, 1, 5, kOneLayer), 400, 500},
        {"no base", 1, kOneLayer, computeSettlement(0, 0, 1, 40, kOneLayer), 400, 500},
        {"absurd sizes", 1e6, kOneLayer, computeSettlement(1e-3, 1e6, 1e6, 1e30, kOneLayer), 400, 500},
    };
    const int left = 50, top = 30;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        RecordingCanvas canvas(1000, 1000);
        DrawSettlementPicture(canvas, left, top, row.width, row.height, row.d, row.data, row.result, '.');
        const auto inside = [&](int x, int y) {
            return x >= left && x < left + row.width && y >= top && y < top + row.height;
        };
        EXPECT_FALSE(canvas.lines().empty());
        for (const auto& line : canvas.lines()) {
            EXPECT_TRUE(inside(line.from.x, line.from.y) && inside(line.to.x, line.to.y))
                << row.width << "x" << row.height << ": " << line.from.x << "," << line.from.y;
        }
        for (const auto& box : canvas.rectangles()) {  // (x2, y2) is not drawn
            EXPECT_TRUE(inside(box.x1, box.y1) && inside(box.x2 - 1, box.y2 - 1)) << box.x1 << "," << box.y1;
        }
        for (const auto& text : canvas.texts()) {
            EXPECT_TRUE(inside(text.x, text.y) &&
                        inside(RecordingCanvas::rightOf(text) - 1, RecordingCanvas::bottomOf(text) - 1))
                << text.text;
        }
        const bool hasHc = row.result.status.ok() && row.result.Hc > 0;
        const std::string label = "Hc = " + formatFixed(row.result.Hc, 3, '.') + " м";
        EXPECT_EQ(!canvas.textsOf(label).empty(), hasHc && row.width >= 300) << row.width;
    }
}

// Layers thinner than a line of text: their moduli still show, in the layers' order, none over
// another
TEST(SettlementPicture, ModuliOfThinLayersDoNotOverlap) {
    const SettlementData thin{{{0.5, 18, 14}, {0.03, 18, 4.5}, {0.03, 18, 6}, {0.03, 18, 8}, {5, 19, 28}},
                              0.08};
    RecordingCanvas canvas(1000, 1000);
    DrawSettlementPicture(canvas, 0, 0, 400, 500, 1, thin, computeSettlement(2, 2, 1, 40, thin), ',');
    int previousBottom = 0;
    for (const char* modulus : {"E=14,0 МПа", "E=4,5 МПа", "E=6,0 МПа", "E=8,0 МПа", "E=28,0 МПа"}) {
        const auto found = canvas.textsOf(modulus);
        ASSERT_EQ(found.size(), 1u) << modulus;
        EXPECT_GE(found[0].y, previousBottom) << modulus;
        previousBottom = RecordingCanvas::bottomOf(found[0]);
    }
}

// The label of Hc stands under its line unless a layer boundary runs there: then over it, so that
// it hides no boundary; the depth of a boundary near Hc shows beside the depth of Hc (2,49), one
// over the other
TEST(SettlementPicture, HcLabelKeepsClearOfLayerBoundaries) {
    const SettlementResult result = oneLayer(0.08);  // Hc = 1.489 m under a base at d = 1 m
    for (const auto& [boundary, overIt] :
         {std::pair{2.2, false}, {2.509, true}, {2.53, true}, {2.46, false}, {2.45, false}}) {
        SCOPED_TRACE(::testing::Message() << "boundary at " << boundary);
        const SettlementData data{{{boundary, 20, 10}, {5, 20, 10}}, 0.08};
        RecordingCanvas canvas(1000, 1000);
        DrawSettlementPicture(canvas, 0, 0, 400, 500, 1, data, result, ',');
        const auto label = canvas.textsOf("Hc = 1,489 м");
        ASSERT_EQ(label.size(), 1u);
        const int top = label[0].y, bottom = RecordingCanvas::bottomOf(label[0]);
        int hcLine = -1;
        std::vector<int> boundaryLines;
        for (const auto& line : canvas.lines()) {
            const bool across = line.from.y == line.to.y && line.to.x - line.from.x > 300;
            if (across && line.color == CanvasColor::Red) {
                hcLine = line.from.y;
            } else if (across && line.color == CanvasColor::Black && line.from.y > 40) {
                boundaryLines.push_back(line.from.y);
            }
        }
        ASSERT_EQ(boundaryLines.size(), 1u);
        ASSERT_GT(hcLine, 0);
        EXPECT_FALSE(boundaryLines[0] >= top && boundaryLines[0] <= bottom)
            << "line at " << boundaryLines[0] << ", label " << top << ".." << bottom;
        // under the Hc line unless the boundary runs just below it
        EXPECT_TRUE(overIt ? bottom <= hcLine : top >= hcLine) << hcLine << ": " << top << ".." << bottom;
        const auto hcDepth = canvas.textsOf("2,49");
        const auto boundaryDepth = canvas.textsOf(formatFixed(boundary, 2, ','));
        ASSERT_EQ(hcDepth.size(), 1u);
        ASSERT_EQ(boundaryDepth.size(), 1u);
        EXPECT_TRUE(RecordingCanvas::bottomOf(boundaryDepth[0]) <= hcDepth[0].y ||
                    RecordingCanvas::bottomOf(hcDepth[0]) <= boundaryDepth[0].y)
            << boundaryDepth[0].y << " / " << hcDepth[0].y;
    }
}
