// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The drawing canvas of a CAD drawing: what is drawn on it becomes a DXF file (R2000, written with
// dxflib) in millimetres of the model. The canvas works in whole units of `millimetresPerUnit`
// with y down, as the pictures do; the file has y up. Lines go to the layer of the canvas hint;
// rectangles and the pieces of an outline become closed polylines, a hatched rectangle gets its
// hatching as lines on the hatching layer, texts are TEXT entities in a TrueType style, in code page
// 1251. Everything takes the colour of its layer, except red
// texts on a layer of another colour, which stay red.

#include <string>
#include <vector>

#include "core/reports/Canvas.h"

namespace fundis {

// The layers of the file, in the order of DrawingLayer.
struct DxfLayer {
    DrawingLayer layer;
    const char* name;
    int color;       // AutoCAD colour index
    int lineWeight;  // hundredths of a millimetre
    const char* lineType;
};
const std::vector<DxfLayer>& dxfLayers();

class DxfCanvas : public Canvas {
  public:
    struct Setup {
        double millimetresPerUnit = 0.01;
        // canvas units a screen pixel takes: the marks, the text and the hatching are sized by it
        double markScale = 1.0;
        // the canvas point that becomes the model's origin
        CanvasPoint origin;
        // the scale the drawing is meant to be plotted at: the line types' dash lengths follow it
        int plotScale = 100;
    };

    explicit DxfCanvas(const Setup& setup);

    void setPen(int width, CanvasColor color) override;
    int penWidth() const override { return penWidth_; }
    CanvasColor penColor() const override { return penColor_; }
    void setBrush(CanvasColor color, BrushStyle style) override;
    void setFont(const CanvasFont& font) override { font_ = font; }
    CanvasFont font() const override { return font_; }

    void moveTo(int x, int y) override { position_ = {x, y}; }
    void lineTo(int x, int y) override;
    CanvasPoint penPosition() const override { return position_; }
    void rectangle(int x1, int y1, int x2, int y2) override;
    // A circle as a CIRCLE entity; another ellipse as a closed polyline.
    void ellipse(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) const override;
    int textHeight(const std::string& text) const override;

    // A drawing has no page: as large as anything drawn on it may be.
    int pageWidth() const override;
    int pageHeight() const override;

    void beginOutline() override;
    void endOutline() override;
    double markScale() const override { return setup_.markScale; }
    bool keepsTrueSizes() const override { return true; }
    // The size in whole millimetres of the model, as a working drawing writes it.
    std::string dimensionLabel(const std::string& symbol, double span) const override;

    // The whole DXF file of what was drawn (an outline still open is left out).
    std::string document() const;

    // What was drawn, in model millimetres, y up.
    struct Point {
        double x = 0;
        double y = 0;
    };
    struct Polyline {
        DrawingLayer layer;
        std::vector<Point> points;
        bool closed = false;
    };
    struct Circle {
        DrawingLayer layer;
        Point centre;
        double radius;
    };
    struct Text {
        DrawingLayer layer;
        Point baseline;  // the left end of the baseline
        double height;   // of the capitals
        std::string text;
        bool bold;
        bool red;  // red on a layer of another colour: a warning or a mark the picture stresses
    };

  private:
    struct Segment {
        CanvasPoint from, to;
    };

    Point model(CanvasPoint point) const;
    void addPolyline(DrawingLayer layer, const std::vector<CanvasPoint>& points, bool closed);
    void hatch(int left, int top, int right, int bottom);
    double emOf(const CanvasFont& font) const;

    Setup setup_;
    int penWidth_ = 1;
    CanvasColor penColor_ = CanvasColor::Black;
    BrushStyle brushStyle_ = BrushStyle::Clear;
    CanvasFont font_;
    CanvasPoint position_;
    bool inOutline_ = false;
    DrawingLayer outlineLayer_ = DrawingLayer::Outline;
    std::vector<Segment> outline_;
    std::vector<Polyline> polylines_;  // a line is a polyline of two points
    std::vector<Circle> circles_;
    std::vector<Text> texts_;
};

// A UTF-8 text as a DXF file before R2007 holds it: in the code page the header declares, 1251, so
// that the Russian letters show in every CAD program (LibreCAD shows \U+XXXX escapes as ◊); the
// diameter sign as %%c, "²", "³" and "×" as "2", "3" and "x"; another letter beyond the code page as
// \U+XXXX (beyond the Basic Multilingual Plane as its UTF-16 pair); a malformed byte becomes "?".
std::string dxfText(const std::string& utf8);

}  // namespace fundis
