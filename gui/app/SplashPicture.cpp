// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/SplashPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>

#include "gui/widgets/Fonts.h"

namespace fundis {

QPixmap splashPicture(qreal devicePixelRatio) {
    // drawn in the screen's pixels, so that a scaled screen shows it sharp
    QPixmap picture(QSize(350, 266) * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 266);
    sky.setColorAt(0, QColor(214, 230, 250));
    sky.setColorAt(1, QColor(255, 255, 255));
    p.fillRect(QRect(0, 0, 350, 266), sky);

    // soil below the grade line, the pad and its column in section
    const int grade = 120;
    p.fillRect(QRect(0, grade, 350, 146), QColor(222, 205, 170));
    p.setPen(QPen(QColor(120, 95, 60), 1));
    for (int x = -140; x < 350; x += 12) {
        p.drawLine(x, 266, x + 146, grade);
    }
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(0, grade, 350, grade);

    const QPolygon pad({QPoint(205, 104), QPoint(265, 104), QPoint(265, 160), QPoint(285, 160),
                        QPoint(285, 180), QPoint(315, 180), QPoint(315, 206), QPoint(155, 206),
                        QPoint(155, 180), QPoint(185, 180), QPoint(185, 160), QPoint(205, 160)});
    p.setBrush(QColor(190, 190, 190));
    p.drawPolygon(pad);
    p.setBrush(QColor(245, 245, 245));
    p.drawRect(220, 104, 30, 42);
    p.setBrush(QColor(150, 150, 160));
    p.drawRect(224, 30, 22, 112);
    p.setPen(QPen(QColor(30, 30, 30), 3));
    p.drawLine(162, 198, 308, 198);

    // the load on the column
    p.setPen(QPen(QColor(170, 20, 20), 3));
    p.drawLine(235, 4, 235, 24);
    p.setBrush(QColor(170, 20, 20));
    p.drawPolygon(QPolygon({QPoint(228, 18), QPoint(242, 18), QPoint(235, 28)}));

    p.setPen(QColor(0, 0, 110));
    QFont title = windowFont(40);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(14, 20, 200, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ФУНДИС"));
    p.setFont(windowFont(12));
    p.drawText(QRect(16, 70, 200, 48), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Расчет столбчатого фундамента под сборную колонну"));
    p.setFont(windowFont(12));
    p.setPen(Qt::black);
    p.drawText(QRect(16, 150, 130, 20), Qt::AlignLeft, QStringLiteral("СНиП 2.02.01-83"));
    p.end();
    return picture;
}

}  // namespace fundis
