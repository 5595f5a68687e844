// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/input/FoundationPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRegion>

#include "gui/widgets/Fonts.h"

namespace fundis {

namespace {

// the section, in the tab's pixels
constexpr int kGrade = 88;          // finished grade "0.000"
constexpr int kRelief = 60;         // natural relief
constexpr int kPedestalTop = 107;   // a little below grade, as -0.150 is
constexpr int kSocketBottom = 150;  // socket depth above, bottom thickness below
constexpr int kUpperStepTop = 178;
constexpr int kLowerStepTop = 196;
constexpr int kBase = 218;
constexpr int kMat = 211;
constexpr int kPedestalLeft = 102, kPedestalRight = 148;
constexpr int kUpperStepLeft = 94, kUpperStepRight = 156;
constexpr int kBaseLeft = 40, kBaseRight = 210;
constexpr int kColumnLeft = 115, kColumnRight = 135, kColumnTop = 50, kColumnBottom = 146;
constexpr int kSocketLeft = 110, kSocketRight = 140;

// a dimension line with the slash ticks of building drawings
void horizontalDimension(QPainter& p, int y, int x1, int x2) {
    p.drawLine(x1 - 3, y, x2 + 3, y);
    for (int x : {x1, x2}) {
        p.drawLine(x - 3, y + 3, x + 3, y - 3);
    }
}

void verticalDimension(QPainter& p, int x, int y1, int y2) {
    p.drawLine(x, y1 - 3, x, y2 + 3);
    for (int y : {y1, y2}) {
        p.drawLine(x - 3, y + 3, x + 3, y - 3);
    }
}

// a level mark: the triangle's point on the level; its top edge, drawn on to `shelfRight`, is the
// shelf the value stands on (none when the level line itself carries the value)
void levelMark(QPainter& p, int x, int y, int shelfRight = 0) {
    const QPolygon triangle({QPoint(x, y), QPoint(x - 5, y - 6), QPoint(x + 5, y - 6)});
    p.drawPolygon(triangle);
    if (shelfRight > x + 5) {
        p.drawLine(x + 5, y - 6, shelfRight, y - 6);
    }
}

void soilHatch(QPainter& p, int x1, int x2, int y) {
    for (int x = x1; x + 6 <= x2; x += 8) {
        p.drawLine(x, y + 6, x + 6, y);
    }
}

}  // namespace

FoundationPicture::FoundationPicture(QWidget* tab) : QWidget(tab) {
    setGeometry(kLeft, kTop, kWidth, kHeight);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FoundationPicture::setTextPlaces(const QList<QRect>& places) {
    textPlaces_ = places;
    update();
}

void FoundationPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.translate(-kLeft, -kTop);
    draw(painter, textPlaces_);
}

void FoundationPicture::draw(QPainter& p, const QList<QRect>& textPlaces) {
    const QRect picture(kLeft, kTop, kWidth, kHeight);
    p.fillRect(picture, Qt::white);

    QRegion clip(picture);
    for (const QRect& place : textPlaces) {
        clip -= QRegion(place.adjusted(-1, 0, 1, 0));
    }
    p.setClipRegion(clip);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPen thin(Qt::black, 1);
    const QPen outline(Qt::black, 2);

    // soil: grade line with hatching, the natural relief dashed
    p.setPen(thin);
    p.drawLine(kLeft + 3, kGrade, kColumnLeft - 1, kGrade);
    p.drawLine(kColumnRight + 1, kGrade, kLeft + kWidth - 3, kGrade);
    soilHatch(p, kLeft + 3, kPedestalLeft - 6, kGrade);
    soilHatch(p, kPedestalRight + 8, kLeft + kWidth - 3, kGrade);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawLine(kLeft + 3, kRelief, 70, kRelief);
    p.setPen(thin);
    p.setBrush(Qt::white);
    levelMark(p, 22, kRelief, 54);  // the ground level's text stands on this shelf
    levelMark(p, 62, kGrade, 96);
    p.setFont(fundis::windowFont(10));
    p.drawText(QRect(64, kGrade - 19, 34, 12), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("0.000"));

    // concrete section: pedestal on two steps
    const QPolygon section({QPoint(kPedestalLeft, kPedestalTop), QPoint(kPedestalRight, kPedestalTop),
                            QPoint(kPedestalRight, kUpperStepTop), QPoint(kUpperStepRight, kUpperStepTop),
                            QPoint(kUpperStepRight, kLowerStepTop), QPoint(kBaseRight, kLowerStepTop),
                            QPoint(kBaseRight, kBase), QPoint(kBaseLeft, kBase),
                            QPoint(kBaseLeft, kLowerStepTop), QPoint(kUpperStepLeft, kLowerStepTop),
                            QPoint(kUpperStepLeft, kUpperStepTop), QPoint(kPedestalLeft, kUpperStepTop)});
    p.setPen(outline);
    p.setBrush(QColor(236, 236, 236));
    p.drawPolygon(section);
    const QPolygon socket({QPoint(kSocketLeft, kPedestalTop), QPoint(kSocketLeft + 2, kSocketBottom),
                           QPoint(kSocketRight - 2, kSocketBottom), QPoint(kSocketRight, kPedestalTop)});
    p.setPen(thin);
    p.setBrush(Qt::white);
    p.drawPolygon(socket);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(kSocketLeft + 1, kPedestalTop, kSocketRight - 1, kPedestalTop);

    // the precast column set in the socket
    p.setPen(outline);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(kColumnLeft, kColumnTop, kColumnRight - kColumnLeft, kColumnBottom - kColumnTop);
    p.setBrush(Qt::NoBrush);

    // the mat of bottom bars: one layer along the section, the other cut across
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(kBaseLeft + 4, kMat, kBaseRight - 4, kMat);
    p.setBrush(Qt::black);
    p.setPen(thin);
    for (int x = kBaseLeft + 8; x <= kBaseRight - 8; x += 11) {
        p.drawEllipse(QPoint(x, kMat - 3), 2, 2);
    }
    p.setBrush(Qt::NoBrush);
    p.drawLine(176, 187, 169, kMat - 5);  // leader from "da"
    p.drawLine(64, 191, 52, kMat + 3);    // leader from "dz" to the cover under the bars
    p.drawLine(kBaseLeft + 6, kMat + 3, 56, kMat + 3);

    // dimensions: pedestal and column sections at the top
    horizontalDimension(p, 22, kPedestalLeft, kPedestalRight);
    p.drawLine(kPedestalLeft, 18, kPedestalLeft, kPedestalTop - 2);
    p.drawLine(kPedestalRight, 18, kPedestalRight, kPedestalTop - 2);
    horizontalDimension(p, 44, kColumnLeft, kColumnRight);
    p.drawLine(kColumnLeft, 40, kColumnLeft, kColumnTop - 1);
    p.drawLine(kColumnRight, 40, kColumnRight, kColumnTop - 1);

    // pedestal-top level, socket depth and bottom thickness on the right
    levelMark(p, 188, kPedestalTop);
    p.drawLine(kPedestalRight + 1, kPedestalTop, 248, kPedestalTop);
    p.drawLine(kPedestalRight + 1, kSocketBottom, 248, kSocketBottom);
    p.drawLine(kSocketLeft + 2, kSocketBottom, kSocketRight - 2, kSocketBottom);
    p.drawLine(kBaseRight + 1, kBase, 248, kBase);
    verticalDimension(p, 244, kPedestalTop, kSocketBottom);
    verticalDimension(p, 244, kSocketBottom, kBase);

    // laying depth on the left, base length below
    p.drawLine(kBaseLeft - 1, kBase, 12, kBase);
    verticalDimension(p, 16, kGrade, kBase);
    horizontalDimension(p, 231, kBaseLeft, kBaseRight);
    p.drawLine(kBaseLeft, kBase + 1, kBaseLeft, 235);
    p.drawLine(kBaseRight, kBase + 1, kBaseRight, 235);
    p.setFont(fundis::windowFont(11));
    p.drawText(QRect(117, 219, 16, 12), Qt::AlignCenter, QStringLiteral("l"));
}

}  // namespace fundis
