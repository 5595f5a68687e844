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
    body_ += R"(<text x=")" + std::to_string(x) + R"(" y=")" + std::to_string(y) +
             R"(" dominant-baseline="text-before-edge" fill=")" + colourName(font_.color) + R"(" style=")" +
             style + R"(">)" + escapedHtml(text, true) + "</text>\n";
    extend(x, y);
    extend(x + textWidth(text), y + textHeight(text));
}

int SvgCanvas::textWidth(const std::string& text) const {
    return static_cast<int>(std::lround(0.55 * fontPixels() * static_cast<double>(codePoints(text))));
}

int SvgCanvas::textHeight(const std::string&) const {
    return static_cast<int>(std::lround(1.2 * fontPixels()));
}

std::string SvgCanvas::svg() const {
    const int margin = 10;
    const int left = any_ ? left_ - margin : 0;
    const int top = any_ ? top_ - margin : 0;
    const int width = any_ ? right_ - left_ + 2 * margin : width_;
    const int height = any_ ? bottom_ - top_ + 2 * margin : height_;
    return element(left, top, width, height);
}

std::string SvgCanvas::pageSvg() const { return element(0, 0, width_, height_); }

SvgCanvas SvgCanvas::paper(double widthMm, double heightMm) {
    constexpr double kPerMillimetre = 96.0 / 25.4;
    SvgCanvas canvas(static_cast<int>(std::lround(widthMm * kPerMillimetre)),
                     static_cast<int>(std::lround(heightMm * kPerMillimetre)));
    canvas.perMillimetre_ = kPerMillimetre;
    return canvas;
}

std::string SvgCanvas::element(int left, int top, int width, int height) const {
    std::string size = R"(width="100%" style="max-width:)" + std::to_string(width) + "px\"";
    if (perMillimetre_ > 0.0 && left == 0 && top == 0) {
        size = "width=\"" + formatGeneral(width / perMillimetre_, 6) + "mm\" height=\"" +
               formatGeneral(height / perMillimetre_, 6) + "mm\"";
    }
    std::string out = R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox=")" + std::to_string(left) + " " +
                      std::to_string(top) + " " + std::to_string(width) + " " + std::to_string(height) +
                      "\" " + size + " role=\"img\">\n";
    if (hatchUsed_) {
        out +=
            "<defs><pattern id=\"hatch\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\">"
            "<path d=\"M0,0 L8,8\" stroke=\"#0000ff\" stroke-width=\"1\"/></pattern></defs>\n";
    }
    out += "<rect x=\"" + std::to_string(left) + "\" y=\"" + std::to_string(top) + "\" width=\"" +
           std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" fill=\"#ffffff\"/>\n";
    return out + body_ + "</svg>\n";
}

std::string schemeSvg(const Design& design, int scale, char decimalSeparator) {
    SvgCanvas canvas(1600, 1100);
    DrawFoundationScheme(canvas, kScreenSchemeUnit, design, scale, decimalSeparator);
    return canvas.svg();
}

}  // namespace fundis
