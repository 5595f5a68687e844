// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reports/QPainterCanvas.h"

#include <QBrush>
#include <QColor>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <utility>

namespace fundis {

namespace {

QColor qtColor(CanvasColor color) {
    switch (color) {
        case CanvasColor::Blue:
            return {0, 0, 255};
        case CanvasColor::Red:
            return {255, 0, 0};
        case CanvasColor::White:
            return {255, 255, 255};
        case CanvasColor::Black:
            break;
    }
    return {0, 0, 0};
}

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

void substitute(const QStringList& families, const char* face,
                std::initializer_list<const char*> candidates) {
    const QString wanted = QString::fromLatin1(face);
    if (families.contains(wanted, Qt::CaseInsensitive)) {
        return;
    }
    for (const char* candidate : candidates) {
        const QString name = QString::fromLatin1(candidate);
        if (families.contains(name, Qt::CaseInsensitive)) {
            QFont::insertSubstitution(wanted, name);
            return;
        }
    }
}

}  // namespace

void installFontSubstitutes() {
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    const QStringList families = QFontDatabase::families();
    // metric-compatible faces first, so that the page layout keeps its widths
    substitute(families, "Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"});
    substitute(families, "MS Sans Serif", {"Liberation Sans Narrow", "Liberation Sans", "DejaVu Sans"});
    substitute(families, "Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"});
}

QPainterCanvas::QPainterCanvas(QPainter& painter, QString defaultFace)
    : painter_(painter), defaultFace_(std::move(defaultFace)) {
    installFontSubstitutes();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBackgroundMode(Qt::TransparentMode);
    applyPen();
    setBrush(brushColor_, brushStyle_);
    setFont(font_);
}

void QPainterCanvas::applyPen() {
    QPen pen(qtColor(penColor_));
    pen.setWidth(std::max(penWidth_, 1));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
}

void QPainterCanvas::setPen(int width, CanvasColor color) {
    penWidth_ = width;
    penColor_ = color;
    applyPen();
}

void QPainterCanvas::setBrush(CanvasColor color, BrushStyle style) {
    brushColor_ = color;
    brushStyle_ = style;
    switch (style) {
        case BrushStyle::Clear:
            painter_.setBrush(Qt::NoBrush);
            break;
        case BrushStyle::Solid:
            painter_.setBrush(QBrush(qtColor(color), Qt::SolidPattern));
            break;
        case BrushStyle::BackwardDiagonal:
            // drawn as lines by rectangle(): pattern brushes keep 8 device pixels on a 600 dpi page
            painter_.setBrush(Qt::NoBrush);
            break;
    }
}

void QPainterCanvas::setFont(const CanvasFont& font) {
    font_ = font;
    QFont qt(font.face.empty() ? defaultFace_ : fromUtf8(font.face));
    // the face actually used, by name: an SVG viewer knows nothing of the substitutions
    qt.setFamily(QFontInfo(qt).family());
    qt.setPointSizeF(font.sizePoints > 0 ? font.sizePoints : 1.0);
    qt.setBold(font.bold);
    qt.setUnderline(font.underline);
    qt.setStyleStrategy(QFont::PreferOutline);
    qtFont_ = qt;
    painter_.setFont(qtFont_);
}

void QPainterCanvas::moveTo(int x, int y) { position_ = {x, y}; }

void QPainterCanvas::lineTo(int x, int y) {
    painter_.drawLine(position_.x, position_.y, x, y);
    position_ = {x, y};
}

void QPainterCanvas::rectangle(int x1, int y1, int x2, int y2) {
    const int left = std::min(x1, x2);
    const int top = std::min(y1, y2);
    // the outline covers left..right-1: a stroked QRect grows by the pen width
    const int width = std::max(std::abs(x2 - x1) - 1, 0);
    const int height = std::max(std::abs(y2 - y1) - 1, 0);
    const QRect outline(left, top, width, height);
    if (brushStyle_ == BrushStyle::BackwardDiagonal) {
        hatch(outline);
    }
    painter_.drawRect(outline);
}

void QPainterCanvas::ellipse(int x1, int y1, int x2, int y2) {
    painter_.drawEllipse(QRectF(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1)));
}

void QPainterCanvas::hatch(const QRect& area) {
    // "/" strokes 8 screen pixels apart, anchored to the page like a brush pattern; each stroke is
    // cut to the rectangle here, since SVG output knows no clipping
    const double scale = std::max(1.0, painter_.device()->logicalDpiX() / 96.0);
    const int spacing = static_cast<int>(std::lround(8 * scale));
    QPen pen(qtColor(brushColor_));
    pen.setWidth(std::max(1, static_cast<int>(std::lround(scale / 2))));
    pen.setCapStyle(Qt::FlatCap);
    painter_.save();
    painter_.setPen(pen);
    const int left = area.left();
    const int right = area.right() + 1;
    const int top = area.top();
    const int bottom = area.bottom() + 1;
    const int first = static_cast<int>(std::ceil((left + top) / double(spacing))) * spacing;
    for (int sum = first; sum <= right + bottom; sum += spacing) {
        // the points x + y = sum inside the rectangle
        const int x1 = std::max(left, sum - bottom);
        const int x2 = std::min(right, sum - top);
        if (x1 < x2) {
            painter_.drawLine(x1, sum - x1, x2, sum - x2);
        }
    }
    painter_.restore();
}

void QPainterCanvas::textOut(int x, int y, const std::string& text) {
    const QString qtText = fromUtf8(text);
    const QFontMetrics metrics(qtFont_, painter_.device());
    painter_.save();
    if (brushStyle_ == BrushStyle::Solid) {
        painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(qtText), metrics.height()),
                          qtColor(brushColor_));
    }
    painter_.setPen(qtColor(font_.color));
    painter_.drawText(x, y + metrics.ascent(), qtText);
    painter_.restore();
}

int QPainterCanvas::textWidth(const std::string& text) const {
    return QFontMetrics(qtFont_, painter_.device()).horizontalAdvance(fromUtf8(text));
}

int QPainterCanvas::textHeight(const std::string&) const {
    // the line height of the font, as a GDI text extent gives it, whatever the characters
    return QFontMetrics(qtFont_, painter_.device()).height();
}

int QPainterCanvas::pageWidth() const { return painter_.device()->width(); }

int QPainterCanvas::pageHeight() const { return painter_.device()->height(); }

double QPainterCanvas::pixelsPerMillimetre() const {
    const QPaintDevice* device = painter_.device();
    if (dynamic_cast<const QPagedPaintDevice*>(device) == nullptr || device->logicalDpiX() <= 0) {
        return 0.0;
    }
    return device->logicalDpiX() / 25.4;
}

}  // namespace fundis
