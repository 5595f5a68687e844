// SPDX-License-Identifier: GPL-3.0-or-later
// The report pane: filled in one go, read back line by line; tabs that line up the values.

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QTextEdit>

#include "gui/widgets/ReportPane.h"

using fundis::ReportLine;

// What goes in comes out: texts with their tabs, failures red bold, empty red lines included
TEST(ReportPane, KeepsLinesAndTheirStyle) {
    QTextEdit pane;
    const std::vector<ReportLine> lines = {{"", false},
                                           {"Ширина подошвы\t\t\t\tb= 2,400м", false},
                                           {"", true},
                                           {"Невозможно подобрать ступени.", true},
                                           {"после", false}};
    fundis::fillReportPane(pane, lines);
    const std::vector<ReportLine> back = fundis::reportPaneLines(pane);
    ASSERT_EQ(back.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(back[i].text, lines[i].text) << i;
        EXPECT_EQ(back[i].failure, lines[i].failure) << i;
    }
    fundis::fillReportPane(pane, {});
    EXPECT_TRUE(fundis::reportPaneLines(pane).empty());
}

// A tab always moves on; the distance chosen puts every value in one column where one exists
TEST(ReportPane, TabDistanceLinesUpTheValues) {
    const fundis::TextWidth tenEach = [](const QString& text) { return 10.0 * text.size(); };
    EXPECT_EQ(fundis::columnAfterTabs(QStringLiteral("ab\tc"), 40, tenEach), 40);
    EXPECT_EQ(fundis::columnAfterTabs(QStringLiteral("abcd\tc"), 40, tenEach), 80);  // from a stop
    EXPECT_EQ(fundis::columnAfterTabs(QStringLiteral("no tabs"), 40, tenEach), -1);

    const QStringList lines = {QStringLiteral("Ширина\t\t\tb="), QStringLiteral("Сопротивление грунта\tR="),
                               QStringLiteral("без табуляции")};
    const qreal distance = fundis::chooseTabDistance(lines, tenEach);
    EXPECT_EQ(fundis::columnAfterTabs(lines[0], distance, tenEach),
              fundis::columnAfterTabs(lines[1], distance, tenEach));
    EXPECT_EQ(fundis::chooseTabDistance({QStringLiteral("без табуляции")}, tenEach), 24);
}
