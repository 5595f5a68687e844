// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The report pane of the main window: a read-only rich-text view of the report lines, failures in
// red bold. The report's columns are made with tabs ("Ширина подошвы\t\t\t\tb= "); how well they
// line up depends on the font, so the pane picks the tab distance that lines them up best.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/model/ReportLine.h"

class QTextEdit;

namespace fundis {

// Replaces the pane's text with `lines` in one go (a debug report has a couple of hundred
// thousand lines).
void fillReportPane(QTextEdit& pane, const std::vector<ReportLine>& lines);

// The pane's lines as they show: text and red bold.
std::vector<ReportLine> reportPaneLines(const QTextEdit& pane);

using TextWidth = std::function<qreal(const QString&)>;

// Where the text after the tabs of `line` starts (the line's text up to its last tab measured by
// `width`, each tab moving to the next multiple of `tabDistance`); -1 for a line without tabs.
qreal columnAfterTabs(const QString& line, qreal tabDistance, const TextWidth& width);

// The distance in [`shortest`, `longest`] (whole pixels) with the fewest different columns over
// the tabbed lines of `lines`; of equals, the shortest.
qreal chooseTabDistance(const QStringList& lines, const TextWidth& width, int shortest = 24,
                        int longest = 96);

}  // namespace fundis
