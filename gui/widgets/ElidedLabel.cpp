// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/ElidedLabel.h"

#include <QPainter>
#include <QStyle>

namespace fundis {

ElidedLabel::ElidedLabel(Qt::TextElideMode mode, QWidget* parent) : QLabel(parent), mode_(mode) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

// a few characters, whatever the text: the layout never grows with it
QSize ElidedLabel::minimumSizeHint() const {
    return {fontMetrics().averageCharWidth() * 4, QLabel::minimumSizeHint().height()};
}

QSize ElidedLabel::sizeHint() const { return minimumSizeHint(); }

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin() + 2, 0, -margin() - 2, 0);
    const QString shown = fontMetrics().elidedText(text(), mode_, area.width());
    setToolTip(shown == text() ? QString() : text());
    style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), shown,
                          foregroundRole());
}

}  // namespace fundis
