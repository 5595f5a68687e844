#include "app/ReportTabs.h"

#include <QSet>
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
        for (const QString& part : line.split(QLatin1Char('\n'))) {
            if (part.contains(QLatin1Char('\t'))) {
                tabbed << part;
            }
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

}  // namespace fundis
