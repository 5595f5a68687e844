// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/ReportPane.h"

#include <QFontMetricsF>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <cmath>

namespace fundis {

qreal columnAfterTabs(const QString& line, qreal tabDistance, const TextWidth& width) {
    qreal x = 0;
    qsizetype start = 0;
    bool anyTab = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != QLatin1Char('\t')) {
            continue;
        }
        anyTab = true;
        x += width(line.mid(start, i - start));
        // a tab always moves on, even from a stop
        x = (std::floor(x / tabDistance + 1e-9) + 1) * tabDistance;
        start = i + 1;
    }
    return anyTab ? x : -1;
}

qreal chooseTabDistance(const QStringList& lines, const TextWidth& width, int shortest, int longest) {
    QStringList tabbed;
    for (const QString& line : lines) {
        if (line.contains(QLatin1Char('\t'))) {
            tabbed << line;
        }
    }
    int best = shortest;
    qsizetype fewest = -1;
    for (int distance = shortest; distance <= longest; ++distance) {
        QSet<qint64> columns;
        for (const QString& line : tabbed) {
            columns.insert(std::llround(columnAfterTabs(line, distance, width)));
        }
        if (fewest < 0 || columns.size() < fewest) {
            fewest = columns.size();
            best = distance;
        }
    }
    return best;
}

namespace {

const QColor kFailureColor(255, 0, 0);

QTextCharFormat lineFormat(bool failure) {
    QTextCharFormat format;
    format.setForeground(failure ? kFailureColor : QColor(0, 0, 0));
    format.setFontWeight(failure ? QFont::Bold : QFont::Normal);
    return format;
}

bool isFailure(const QTextCharFormat& format) {
    return format.foreground().color() == kFailureColor && format.fontWeight() == QFont::Bold;
}

}  // namespace

void fillReportPane(QTextEdit& pane, const std::vector<ReportLine>& lines) {
    // built aside and handed over whole: the pane lays it out once, not once a line
    auto* document = new QTextDocument(&pane);
    document->setDefaultFont(pane.font());
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QStringList tabbed;
    bool first = true;
    for (const ReportLine& line : lines) {
        const QString text = QString::fromStdString(line.text);
        const QTextCharFormat format = lineFormat(line.failure);
        if (first) {
            cursor.setBlockCharFormat(format);
            first = false;
        } else {
            cursor.insertBlock(QTextBlockFormat(), format);
        }
        cursor.insertText(text, format);
        if (text.contains(QLatin1Char('\t'))) {
            tabbed << text;
        }
    }
    cursor.endEditBlock();
    const QFontMetricsF metrics(pane.font());
    document->setDefaultTextOption([&] {
        QTextOption option = document->defaultTextOption();
        option.setTabStopDistance(chooseTabDistance(
            tabbed, [&metrics](const QString& part) { return metrics.horizontalAdvance(part); }));
        return option;
    }());
    // the pane deletes the document it replaces when it is the document's parent
    pane.setDocument(document);
}

std::vector<ReportLine> reportPaneLines(const QTextEdit& pane) {
    std::vector<ReportLine> lines;
    if (pane.document()->isEmpty()) {
        return lines;
    }
    for (QTextBlock block = pane.document()->begin(); block.isValid(); block = block.next()) {
        // an empty line has no fragment: its style is the block's
        const QTextCharFormat format =
            block.begin().atEnd() ? block.charFormat() : block.begin().fragment().charFormat();
        lines.push_back({block.text().toStdString(), isFailure(format)});
    }
    return lines;
}

}  // namespace fundis
