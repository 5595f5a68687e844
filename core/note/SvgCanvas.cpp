// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/note/SvgCanvas.h"

#include <algorithm>
#include <cmath>

#include "core/model/NumberFormat.h"
#include "core/reports/HtmlReport.h"
#include "core/reports/SchemeDrawing.h"

namespace fundis {

namespace {

const char* colourName(CanvasColor color) {
    switch (color) {
        case CanvasColor::Blue:
            return "#0000ff";
        case CanvasColor::Red:
            return "#ff0000";
        case CanvasColor::White:
            return "#ffffff";
        case CanvasColor::Black:
            break;
    }
    return "#000000";
}

constexpr double kBaseline = 0.95;  // of the font's size, below the top of a 1.2-size line

std::size_t codePoints(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

void SvgCanvas::setPen(int width, CanvasColor color) {
    penWidth_ = std::max(1, width);
    penColor_ = color;
}

void SvgCanvas::setBrush(CanvasColor color, BrushStyle style) {
    brushColor_ = color;
    brushStyle_ = style;
}

void SvgCanvas::extend(int x, int y) {
    if (!any_) {
        left_ = right_ = x;
        top_ = bottom_ = y;
        any_ = true;
        return;
    }
    left_ = std::min(left_, x);
    right_ = std::max(right_, x);
    top_ = std::min(top_, y);
    bottom_ = std::max(bottom_, y);
}

void SvgCanvas::moveTo(int x, int y) { position_ = {x, y}; }

void SvgCanvas::lineTo(int x, int y) {
    body_ += "<line x1=\"" + std::to_string(position_.x) + "\" y1=\"" + std::to_string(position_.y) +
             "\" x2=\"" + std::to_string(x) + "\" y2=\"" + std::to_string(y) + "\" stroke=\"" +
             colourName(penColor_) + "\" stroke-width=\"" + std::to_string(penWidth_) + "\"/>\n";
    extend(position_.x, position_.y);
    extend(x, y);
    position_ = {x, y};
}

void SvgCanvas::rectangle(int x1, int y1, int x2, int y2) {
    std::string fill = "none";
    if (brushStyle_ == BrushStyle::Solid) {
        fill = colourName(brushColor_);
    } else if (brushStyle_ == BrushStyle::BackwardDiagonal) {
        fill = "url(#hatch)";
        hatchUsed_ = true;
    }
    const int x = std::min(x1, x2);
    const int y = std::min(y1, y2);
    body_ += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
             std::to_string(std::abs(x2 - x1) - 1) + "\" height=\"" + std::to_string(std::abs(y2 - y1) - 1) +
             "\" fill=\"" + fill + "\" stroke=\"" + colourName(penColor_) + "\" stroke-width=\"" +
             std::to_string(penWidth_) + "\"/>\n";
    extend(x1, y1);
    extend(x2, y2);
}

void SvgCanvas::ellipse(int x1, int y1, int x2, int y2) {
    const std::string fill = brushStyle_ == BrushStyle::Solid ? colourName(brushColor_) : "none";
    body_ += "<ellipse cx=\"" + std::to_string((x1 + x2) / 2.0) + "\" cy=\"" +
             std::to_string((y1 + y2) / 2.0) + "\" rx=\"" + std::to_string(std::abs(x2 - x1) / 2.0) +
             "\" ry=\"" + std::to_string(std::abs(y2 - y1) / 2.0) + "\" fill=\"" + fill + "\" stroke=\"" +
             colourName(penColor_) + "\" stroke-width=\"" + std::to_string(penWidth_) + "\"/>\n";
    extend(x1, y1);
    extend(x2, y2);
}

void SvgCanvas::textOut(int x, int y, const std::string& text) {
    const double size = fontPixels();
    if (brushStyle_ == BrushStyle::Solid) {
        body_ += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
                 std::to_string(textWidth(text)) + "\" height=\"" + std::to_string(textHeight(text)) +
                 "\" fill=\"" + colourName(brushColor_) + "\"/>\n";
    }
    std::string style = "font-family:" +
                        (font_.face.empty() ? std::string("sans-serif")
                                            : "'" + escapedHtml(font_.face, true) + "',sans-serif") +
                        ";font-size:" + std::to_string(static_cast<int>(std::lround(size))) + "px";
    if (font_.bold) {
        style += ";font-weight:bold";
    }
    if (font_.underline) {
        style += ";text-decoration:underline";
    }
    // placed by its baseline, which every reader of SVG knows (LibreOffice ignores dominant-baseline):
    // the ascent of a sans face and half the line's gap below the top of the text's line
    const long baseline = y + std::lround(kBaseline * size);
    body_ += R"(<text x=")" + std::to_string(x) + R"(" y=")" + std::to_string(baseline) + R"(" fill=")" +
             colourName(font_.color) + R"(" style=")" + style + R"(">)" + escapedHtml(text, true) +
             "</text>\n";
    extend(x, y);
    extend(x + textWidth(text), y + textHeight(text));
}

int SvgCanvas::textWidth(const std::string& text) const {
    return static_cast<int>(std::lround(0.55 * fontPixels() * static_cast<double>(codePoints(text))));
}

int SvgCanvas::textHeight(const std::string&) const {
    return static_cast<int>(std::lround(1.2 * fontPixels()));
}

SvgCanvas::Box SvgCanvas::box() const {
    const int margin = 10;
    return {any_ ? left_ - margin : 0, any_ ? top_ - margin : 0, any_ ? right_ - left_ + 2 * margin : width_,
            any_ ? bottom_ - top_ + 2 * margin : height_};
}

std::string SvgCanvas::svg() const {
    const Box b = box();
    return element(b, R"(width="100%" style="max-width:)" + std::to_string(b.width) + R"(px" role="img")");
}

std::string SvgCanvas::pageSvg() const {
    const Box page{0, 0, width_, height_};
    if (perMillimetre_ > 0.0) {
        return element(page, "width=\"" + formatGeneral(width_ / perMillimetre_, 6) + "mm\" height=\"" +
                                 formatGeneral(height_ / perMillimetre_, 6) + R"(mm" role="img")");
    }
    return element(page, R"(width="100%" style="max-width:)" + std::to_string(width_) + R"(px" role="img")");
}

SvgCanvas SvgCanvas::paper(double widthMm, double heightMm) {
    constexpr double kPerMillimetre = 96.0 / 25.4;
    SvgCanvas canvas(static_cast<int>(std::lround(widthMm * kPerMillimetre)),
                     static_cast<int>(std::lround(heightMm * kPerMillimetre)));
    canvas.perMillimetre_ = kPerMillimetre;
    return canvas;
}

std::string SvgCanvas::svgDocument(double widthMillimetres, double heightMillimetres) const {
    // the sizes written with a point whatever the locale
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" +
           element(box(), "width=\"" + formatFixed(widthMillimetres, 1, '.') + "mm\" height=\"" +
                              formatFixed(heightMillimetres, 1, '.') + "mm\"");
}

std::string SvgCanvas::element(const Box& b, const std::string& attributes) const {
    const int left = b.left;
    const int top = b.top;
    const int width = b.width;
    const int height = b.height;
    std::string out = R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox=")" + std::to_string(left) + " " +
                      std::to_string(top) + " " + std::to_string(width) + " " + std::to_string(height) +
                      "\" " + attributes + ">\n";
    if (hatchUsed_) {
        out +=
            "<defs><pattern id=\"hatch\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\">"
            "<path d=\"M0,0 L8,8\" stroke=\"#0000ff\" stroke-width=\"1\"/></pattern></defs>\n";
    }
    out += "<rect x=\"" + std::to_string(left) + "\" y=\"" + std::to_string(top) + "\" width=\"" +
           std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" fill=\"#ffffff\"/>\n";
    return out + body_ + "</svg>\n";
}

NotePicture schemePicture(const Design& design, int scale, char decimalSeparator, double widthMillimetres,
                          double heightMillimetres) {
    SvgCanvas canvas(1600, 1100);
    DrawFoundationScheme(canvas, kScreenSchemeUnit, design, scale, decimalSeparator);
    const SvgCanvas::Box b = canvas.box();
    double width = widthMillimetres;
    double height = width * b.height / std::max(1, b.width);
    if (height > heightMillimetres) {
        width *= heightMillimetres / height;
        height = heightMillimetres;
    }
    return {canvas.svgDocument(width, height), width, height};
}

std::string schemeSvg(const Design& design, int scale, char decimalSeparator) {
    SvgCanvas canvas(1600, 1100);
    DrawFoundationScheme(canvas, kScreenSchemeUnit, design, scale, decimalSeparator);
    return canvas.svg();
}

}  // namespace fundis
