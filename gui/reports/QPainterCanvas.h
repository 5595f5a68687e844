// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The drawing canvas on a QPainter: the screen window, the printer, PDF, SVG and images.

#include <QFont>
#include <QRect>
#include <QString>

#include "core/reports/Canvas.h"

class QPainter;

namespace fundis {

// The faces the drawings ask for, resolved to installed stand-ins where the originals are missing:
// "Times New Roman" -> Liberation Serif (metric-compatible), "MS Sans Serif" -> Liberation Sans
// Narrow (the old bitmap face is narrow; Liberation Sans would push the scheme labels into the lines).
void installFontSubstitutes();

class QPainterCanvas : public Canvas {
  public:
    // `painter` must be active; `defaultFace` is the face of a font that names none.
    explicit QPainterCanvas(QPainter& painter, QString defaultFace = QStringLiteral("MS Sans Serif"));

    void setPen(int width, CanvasColor color) override;
    int penWidth() const override { return penWidth_; }
    CanvasColor penColor() const override { return penColor_; }
    void setBrush(CanvasColor color, BrushStyle style) override;
    void setFont(const CanvasFont& font) override;
    CanvasFont font() const override { return font_; }

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    CanvasPoint penPosition() const override { return position_; }
    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) const override;
    int textHeight(const std::string& text) const override;

    int pageWidth() const override;
    int pageHeight() const override;
    // a printer's or a PDF writer's page; 0 on the screen and on pictures
    double pixelsPerMillimetre() const override;

    // The Qt font the current canvas font stands for on this device.
    const QFont& qtFont() const { return qtFont_; }

  private:
    void applyPen();
    void hatch(const QRect& area);

    QPainter& painter_;
    QString defaultFace_;
    int penWidth_ = 1;
    CanvasColor penColor_ = CanvasColor::Black;
    CanvasColor brushColor_ = CanvasColor::White;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    CanvasFont font_;
    QFont qtFont_;
    CanvasPoint position_;
};

}  // namespace fundis
