#include "app/ReportTabs.h"

#include <gtest/gtest.h>

using fundis::chooseTabDistance;
using fundis::columnAfterTabs;

// every character 6 px wide
static qreal sixPixels(const QString& text) { return 6.0 * text.size(); }

// Where the text after the tabs starts
TEST(ReportTabs, ColumnAfterTabs) {
    const struct {
        const char* line;
        qreal distance;
        qreal column;
    } rows[] = {
        {"ab\tc", 8, 16},                                 // 12 px -> next stop 16
        {"abcd\tc", 8, 32},                               // 24 px is a stop: the tab still moves on
        {"\tc", 48, 48},    {"abcdefghij\t\t", 48, 144},  // 60 px -> 96 -> 144
        {"a\tb\tc", 8, 16},                               // 6 -> 8, +6 = 14 -> 16
        {"no tabs", 8, -1},
    };
    for (const auto& row : rows) {
        EXPECT_DOUBLE_EQ(columnAfterTabs(QString::fromLatin1(row.line), row.distance, sixPixels), row.column)
            << row.line;
    }
}

// The distance that puts the values of differently long labels into one column
TEST(ReportTabs, ChoosesTheDistanceThatAlignsTheValues) {
    // labels of 60, 30 and 96 px with 1, 2 and 1 tabs
    const QStringList lines = {"abcdefghij\tx = 1", "abcde\t\ty = 2", "abcdefghijklmnop\tz = 3",
                               "no tab here"};
    const qreal distance = chooseTabDistance(lines, sixPixels, 24, 96);
    EXPECT_DOUBLE_EQ(distance, 49);  // the shortest distance with a single column: 98 for all three
    const qreal first = columnAfterTabs(lines[0], distance, sixPixels);
    EXPECT_DOUBLE_EQ(columnAfterTabs(lines[1], distance, sixPixels), first);
    EXPECT_DOUBLE_EQ(columnAfterTabs(lines[2], distance, sixPixels), first);
}

// Lines broken with "\n" count by their parts; no tabbed lines gives the shortest distance
TEST(ReportTabs, SplitsLinesAndFallsBackToTheShortest) {
    EXPECT_DOUBLE_EQ(chooseTabDistance({"    \nabcde\t\ty", "abcdefghij\tx"}, sixPixels, 24, 96),
                     chooseTabDistance({"abcde\t\ty", "abcdefghij\tx"}, sixPixels, 24, 96));
    EXPECT_DOUBLE_EQ(chooseTabDistance({"plain", "text"}, sixPixels, 30, 90), 30);
}
