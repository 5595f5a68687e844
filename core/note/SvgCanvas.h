// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A canvas that writes SVG elements, so that the note's HTML page carries the scheme inline
// without the Qt layer. Text widths are estimated from the font size (no font metrics here).

#include <string>

#include "core/reports/Canvas.h"
#include "core/reports/ReportContext.h"

namespace fundis {

class SvgCanvas : public Canvas {
  public:
    SvgCanvas(int width, int height) : width_(width), height_(height) {}

    void setPen(int width, CanvasColor color) override;
    int penWidth() const override { return penWidth_; }
    CanvasColor penColor() const override { return penColor_; }
    void setBrush(CanvasColor color, BrushStyle style) override;
    void setFont(const CanvasFont& font) override { font_ = font; }
    CanvasFont font() const override { return font_; }

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    CanvasPoint penPosition() const override { return position_; }
    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) const override;
    int textHeight(const std::string& text) const override;

    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }

    // The <svg> element with everything drawn, its view box fitted to what was drawn.
    std::string svg() const;
    // The same as an SVG file of its own, shown at the given size.
    std::string svgDocument(double widthMillimetres, double heightMillimetres) const;

    // What was drawn with a margin: the view box.
    struct Box {
        int left, top, width, height;
    };
    Box box() const;

  private:
    std::string element(const std::string& attributes) const;
    void extend(int x, int y);
    double fontPixels() const { return font_.sizePoints * 96.0 / 72.0; }

    int width_, height_;
    int penWidth_ = 1;
    CanvasColor penColor_ = CanvasColor::Black;
    CanvasColor brushColor_ = CanvasColor::White;
    BrushStyle brushStyle_ = BrushStyle::Clear;
    bool hatchUsed_ = false;
    CanvasFont font_;
    CanvasPoint position_;
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    bool any_ = false;
    std::string body_;
};

// The scheme of a design at the scale 1:scale as an inline <svg> element.
std::string schemeSvg(const Design& design, int scale, char decimalSeparator);

// A picture of a document: an SVG file and the size it is shown at.
struct NotePicture {
    std::string svg;  // empty: none
    double widthMillimetres = 0;
    double heightMillimetres = 0;
};

// The scheme as an SVG file for a document, as wide as `widthMillimetres`, or narrower when it
// would be taller than `heightMillimetres`.
NotePicture schemePicture(const Design& design, int scale, char decimalSeparator, double widthMillimetres,
                          double heightMillimetres);

}  // namespace fundis
