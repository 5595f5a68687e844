// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A drawing surface as the scheme and the printed report see it: a pen with a position, a brush,
// a font, lines, rectangles and text placed by its top-left corner. The screen, the printer, PDF,
// SVG and DXF each provide one; the drawings never ask which. A few hints (the layer, closed
// outlines, the size of the marks) tell a CAD drawing what a picture does not need; the picture
// canvases ignore them.

#include <string>

namespace fundis {

enum class CanvasColor { Black, Blue, Red, White };

enum class BrushStyle {
    Clear,             // outlines only; text has no background
    Solid,             // filled; text gets an opaque background of the brush colour
    BackwardDiagonal,  // hatched "\\\\"
};

struct CanvasFont {
    std::string face;  // empty: the canvas's own face
    double sizePoints = 8;
    CanvasColor color = CanvasColor::Black;
    bool bold = false;
    bool underline = false;
};

// What a line or a text stands for; a CAD drawing keeps each on a layer of its own.
enum class DrawingLayer {
    Outline,        // edges of the foundation's concrete, the floor line
    Column,         // the precast column
    Dimension,      // dimension lines and their labels
    Hatch,          // hatching of the soil and of cut faces
    Reinforcement,  // bars
    Text,           // titles, section marks, notes
    Table,          // tables: rules and cell texts
};

struct CanvasPoint {
    int x = 0;
    int y = 0;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual void setPen(int width, CanvasColor color) = 0;
    virtual int penWidth() const = 0;
    virtual CanvasColor penColor() const = 0;
    virtual void setBrush(CanvasColor color, BrushStyle style) = 0;
    virtual void setFont(const CanvasFont& font) = 0;
    virtual CanvasFont font() const = 0;

    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;  // draws with the pen and moves the pen there
    virtual CanvasPoint penPosition() const = 0;
    // Outline with the pen, filled with the brush unless it is clear; (x2, y2) is excluded.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // The ellipse in the box (x1, y1)-(x2, y2): outlined with the pen, filled with the brush unless it
    // is clear. A canvas without curves gets it as 24 straight pieces, unfilled; the pen stays where it
    // was.
    virtual void ellipse(int x1, int y1, int x2, int y2);
    // Text in the current font, its top-left corner at (x, y); UTF-8.
    virtual void textOut(int x, int y, const std::string& text) = 0;
    virtual int textWidth(const std::string& text) const = 0;
    virtual int textHeight(const std::string& text) const = 0;

    virtual int pageWidth() const = 0;  // pixels of the drawable area
    virtual int pageHeight() const = 0;

    // Hints for a CAD drawing. The layer of what is drawn next.
    void setLayer(DrawingLayer layer) { layer_ = layer; }
    DrawingLayer layer() const { return layer_; }
    // The lines drawn on the current layer between the two calls bound one closed shape, drawn in
    // pieces in any order; a CAD drawing joins them into one closed outline.
    virtual void beginOutline() {}
    virtual void endOutline() {}
    // Canvas units one pixel of the small marks takes (dimension ticks, label clearances): 1 on a
    // picture; a drawing in finer units than the screen's scales its marks with it.
    virtual double markScale() const { return 1.0; }
    // The label of a dimension `span` canvas units long whose symbol is `symbol`: the symbol on a
    // picture, where the table beside gives its value; a working drawing writes the size instead.
    virtual std::string dimensionLabel(const std::string& symbol, double span) const {
        (void)span;
        return symbol;
    }
    // A CAD drawing keeps every size true; a picture may enlarge what would be too small to see (a bar
    // of 12 mm is a dot of a pixel at 1:75).
    virtual bool keepsTrueSizes() const { return false; }
    // Device pixels in a millimetre of paper, for a page that is printed (a printer, a PDF); 0 for
    // a picture that has no paper size (the screen, an image). A drawing to scale needs it.
    virtual double pixelsPerMillimetre() const { return 0.0; }

  private:
    DrawingLayer layer_ = DrawingLayer::Outline;
};

}  // namespace fundis
