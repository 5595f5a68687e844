// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/Hints.h"

#include <QVariant>
#include <QWidget>

namespace fundis {

QString shortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString longHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void setHint(QWidget* widget, const QString& hint) {
    widget->setProperty("hint", hint);
    widget->setToolTip(shortHint(hint));
    widget->setStatusTip(longHint(hint));
}

}  // namespace fundis
