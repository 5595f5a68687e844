// SPDX-License-Identifier: GPL-3.0-or-later
// The documents tabulate the pedestal, the column and the steps with one builder (the HTML page's
// table is pinned by its whole page): each size stands under its own symbol, in as many columns
// as there are steps.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>

#include "core/reports/PrintedReport.h"
#include "core/reports/SchemeDrawing.h"
#include "support/RecordingCanvas.h"
#include "support/SampleProject.h"

using namespace fundis;

namespace {

using SizesBySymbol = std::map<std::string, std::string>;

const std::regex kSymbol("[bl]uc|huc|[bl]c|c[0-9]+|cb[0-9]+|h[0-9]+");

// Every size a different number, so that a value under the wrong symbol shows.
SampleDesign distinctSizes(int steps) {
    SampleDesign data = twoStepFoundation();
    data.result.pedestal.buc = 0.91f;
    data.result.pedestal.luc = 1.22f;
    data.result.steps.huc = 0.73f;
    data.inputs.bc = 0.44f;
    data.inputs.lc = 0.46f;
    StepsResult& s = data.result.steps;
    s.nSteps = steps;
    for (int i = 1; i <= 4; ++i) {
        s.c[i] = 0.1f * static_cast<float>(i) + 0.01f;
        s.cb[i] = 0.1f * static_cast<float>(i) + 0.02f;
        s.h[i] = 0.1f * static_cast<float>(i) + 0.03f;
    }
    return data;
}

// A drawn table: the nearest text below a symbol in black, at the same left edge.
SizesBySymbol drawnSizes(const RecordingCanvas& canvas) {
    SizesBySymbol sizes;
    for (const auto& symbol : canvas.texts()) {
        if (symbol.font.color == CanvasColor::Black && std::regex_match(symbol.text, kSymbol)) {
            const RecordingCanvas::Text* below = nullptr;
            for (const auto& text : canvas.texts()) {
                if (text.x == symbol.x && text.y > symbol.y && (below == nullptr || text.y < below->y)) {
                    below = &text;
                }
            }
            sizes[symbol.text] = below ? below->text : "(none)";
        }
    }
    return sizes;
}

}  // namespace

// Each size under its symbol on the printed page and on the scheme; steps taller than the foundation
// leave the pedestal no height: a dash, never a negative size
TEST(DimensionRows, EachSizeUnderItsSymbol) {
    const std::pair<const char*, const char*> rows[] = {{"buc", "0.910"}, {"luc", "1.220"}, {"huc", "0.730"},
                                                        {"bc", "0.440"},  {"lc", "0.460"},  {"c1", "0.110"},
                                                        {"c4", "0.410"},  {"cb2", "0.220"}, {"cb3", "0.320"},
                                                        {"h1", "0.130"},  {"h4", "0.430"}};
    SampleDesign data = distinctSizes(4);
    RecordingCanvas printed(4800, 6787);
    DrawReportTablesPage(printed, data.context());
    RecordingCanvas scheme(1400, 1000);
    DrawFoundationScheme(scheme, kScreenSchemeUnit, data.design(), 75, '.');
    const SizesBySymbol documents[] = {drawnSizes(printed), drawnSizes(scheme)};
    for (const auto& [symbol, size] : rows) {
        EXPECT_EQ(documents[0].at(symbol), size) << "printed report, " << symbol;
        EXPECT_EQ(documents[1].at(symbol), size) << "scheme, " << symbol;
    }
    data.result.steps.huc = -0.3f;
    RecordingCanvas tall(4800, 6787);
    DrawReportTablesPage(tall, data.context());
    EXPECT_EQ(drawnSizes(tall).at("huc"), "—");
}

// At least the three columns of the pedestal's sizes; a step count outside the arrays is held to them
TEST(DimensionRows, ColumnsFollowTheSteps) {
    for (const auto& [steps, columns] : {std::pair<int, int>{0, 3}, {2, 3}, {4, 4}, {-4, 3}, {100000, 100}}) {
        const SampleDesign data = distinctSizes(steps);
        RecordingCanvas printed(4800, 6787);
        DrawReportTablesPage(printed, data.context());
        const auto& frame = printed.rectangles().at(0);
        const auto rules =
            std::count_if(printed.lines().begin(), printed.lines().end(), [&](const auto& line) {
                return line.from.x == line.to.x && line.from.y == frame.y1 && line.to.y == frame.y2;
            });
        EXPECT_EQ(rules, columns) << steps;  // a rule left of each value column
        EXPECT_EQ(printed.textsOf("c1").size(), steps > 0 ? 1u : 0u) << steps;
        EXPECT_EQ(printed.textsOf("c3").size(), steps > 2 ? 1u : 0u) << steps;
    }
}
