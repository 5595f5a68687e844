// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A canvas that remembers what was drawn, with fixed text metrics: 6 px a character and 13 px
// high at size 8, in proportion to the font size. For tests and for checking layouts headless.

#include <vector>

#include "core/reports/Canvas.h"

namespace fundis {

class RecordingCanvas : public Canvas {
  public:
    struct Line {
        CanvasPoint from, to;
        int width;
        CanvasColor color;
        DrawingLayer layer;
    };
    struct Rectangle {
        int x1, y1, x2, y2;
        DrawingLayer layer;
    };
    struct Text {
        int x, y;
        std::string text;
        CanvasFont font;
        DrawingLayer layer;
    };

    RecordingCanvas(int width, int height) : width_(width), height_(height) {}

    void setPen(int width, CanvasColor color) override;
    int penWidth() const override { return penWidth_; }
    CanvasColor penColor() const override { return penColor_; }
    void setBrush(CanvasColor, BrushStyle) override {}
    void setFont(const CanvasFont& font) override { font_ = font; }
    CanvasFont font() const override { return font_; }
    void moveTo(int x, int y) override { position_ = {x, y}; }
    void lineTo(int x, int y) override;
    CanvasPoint penPosition() const override { return position_; }
    void rectangle(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) const override;
    int textHeight(const std::string& text) const override;
    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }

    const std::vector<Line>& lines() const { return lines_; }
    const std::vector<Rectangle>& rectangles() const { return rectangles_; }
    const std::vector<Text>& texts() const { return texts_; }
    // The texts with exactly this content, in drawing order.
    std::vector<Text> textsOf(const std::string& text) const;
    // The right and the bottom edge of a drawn text, measured in its own font.
    static int rightOf(const Text& text);
    static int bottomOf(const Text& text);

  private:
    int width_;
    int height_;
    int penWidth_ = 1;
    CanvasColor penColor_ = CanvasColor::Black;
    CanvasFont font_;
    CanvasPoint position_;
    std::vector<Line> lines_;
    std::vector<Rectangle> rectangles_;
    std::vector<Text> texts_;
};

}  // namespace fundis
