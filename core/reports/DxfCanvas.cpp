// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/DxfCanvas.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <system_error>

#include "core/model/TextCodec.h"

namespace fundis {

namespace {

// Arial's proportions to its em: what a CAD program shows for the style's TrueType face.
constexpr double kAscent = 0.905;
constexpr double kLineHeight = 1.149;
constexpr double kCapHeight = 0.716;
// Letters narrowed as the screen's narrow face has them, so that the labels fit the table as there.
constexpr double kWidthFactor = 0.85;
constexpr double kScreenDpi = 96.0;
// Screen pixels between hatching strokes, as the screen's pattern brush repeats.
constexpr double kHatchSpacing = 8.0;
// Pieces of an outline meet when their ends lie this many canvas units apart or less.
constexpr int kJoinTolerance = 3;
constexpr int kHugePage = 1000000000;

// LibreCAD finds a text's font by the name of its style among its own fonts (the part before a "#",
// as QCAD's files wrote it), and falls back to one without Russian letters; AutoCAD takes the style's
// TrueType file. So the styles bear the name of LibreCAD's Unicode font and point at Arial.
const char* const kStyle = "unicode";
const char* const kBoldStyle = "unicode#bold";

// dxflib writes through a DL_WriterA; this one keeps the file in memory (so that it is saved in
// one piece) and writes numbers without the process locale.
class MemoryWriter : public DL_WriterA {
  public:
    explicit MemoryWriter(std::string& out) : DL_WriterA("", DL_Codes::AC1015), out_(out) {}

    // dxflib's active viewport looks at an A4 sheet at the origin; while this is set, its centre
    // (groups 12, 22) and height (40) are those of the drawing instead, so that it opens in view.
    struct View {
        double centreX, centreY, height;
    };
    std::optional<View> view;

    void dxfReal(int gc, double value) const override {
        if (view && gc == 12) {
            value = view->centreX;
        } else if (view && gc == 22) {
            value = view->centreY;
        } else if (view && gc == 40) {
            value = view->height;
        }
        char buffer[64];
        if (!std::isfinite(value)) {
            value = 0.0;
        }
        // to a millionth: a drawing in millimetres needs no more, and the file reads "-1505.11"
        // rather than "-1505.1100000000001"
        if (std::fabs(value) < 1e12) {
            value = std::round(value * 1e6) / 1e6;
        }
        if (value == 0.0) {
            value = 0.0;  // no "-0"
        }
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
        if (result.ec != std::errc()) {
            put(gc, "0.0");  // too long to be a size in a drawing
            return;
        }
        std::string text(buffer, result.ptr);
        if (text.find('.') == std::string::npos) {
            text += ".0";
        }
        put(gc, text.c_str());
    }
    void dxfInt(int gc, int value) const override {
        char buffer[16];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        *result.ptr = '\0';
        put(gc, buffer);
    }
    void dxfHex(int gc, int value) const override {
        char buffer[16];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<unsigned>(value), 16);
        *result.ptr = '\0';
        for (char* c = buffer; *c != '\0'; ++c) {
            if (*c >= 'a' && *c <= 'f') {
                *c = static_cast<char>(*c - 'a' + 'A');
            }
        }
        put(gc, buffer);
    }
    void dxfString(int gc, const char* value) const override { put(gc, value); }
    void dxfString(int gc, const std::string& value) const override { put(gc, value.c_str()); }

  private:
    void put(int gc, const char* value) const {
        // the group code right-aligned in three places, as AutoCAD writes it
        if (gc < 10) {
            out_ += "  ";
        } else if (gc < 100) {
            out_ += ' ';
        }
        char buffer[16];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, gc);
        out_.append(buffer, result.ptr);
        out_ += '\n';
        out_ += value;
        out_ += '\n';
    }

    std::string& out_;
};

const DxfLayer& layerOf(DrawingLayer layer) {
    for (const DxfLayer& entry : dxfLayers()) {
        if (entry.layer == layer) {
            return entry;
        }
    }
    return dxfLayers().front();
}

constexpr int kByLayer = 256;
constexpr int kRed = 1;

DL_Attributes attributes(DrawingLayer layer, int color = kByLayer) {
    // line weight and line type by layer, the colour too unless given
    return {layerOf(layer).name, color, -1, -1, "BYLAYER"};
}

// One code point from UTF-8 at `i`, which moves past it; -1 for a malformed sequence.
long nextCodePoint(const std::string& text, std::size_t& i) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(i);
    int length = 0;
    long value = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
    } else {
        ++i;
        return -1;
    }
    if (i + static_cast<std::size_t>(length) > text.size()) {
        i = text.size();
        return -1;
    }
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            i += static_cast<std::size_t>(k);
            return -1;
        }
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    i += static_cast<std::size_t>(length);
    return value;
}

// Arial's advance widths in em, near enough for placing labels.
double advance(long c) {
    if (c >= '0' && c <= '9') {
        return 0.556;
    }
    switch (c) {
        case ' ':
        case '.':
        case ',':
        case ':':
        case ';':
        case '!':
        case '/':
        case 'I':
        case 'f':
        case 't':
            return 0.278;
        case 'i':
        case 'j':
        case 'l':
        case '|':
            return 0.222;
        case '-':
        case '(':
        case ')':
        case 'r':
            return 0.333;
        case 'm':
        case 'M':
        case 'W':
        case 0x0416:  // Ж
        case 0x0428:  // Ш
        case 0x0429:  // Щ
        case 0x0436:  // ж
        case 0x0448:  // ш
        case 0x0449:  // щ
            return 0.833;
        default:
            break;
    }
    if ((c >= 'A' && c <= 'Z') || (c >= 0x0410 && c <= 0x042F)) {
        return 0.667;
    }
    if (c >= 0x0430 && c <= 0x044F) {
        return 0.55;
    }
    return 0.556;
}

}  // namespace

const std::vector<DxfLayer>& dxfLayers() {
    static const std::vector<DxfLayer> layers = {
        {DrawingLayer::Outline, "OUTLINE", 7, 50, "CONTINUOUS"},
        {DrawingLayer::Column, "COLUMN", 5, 50, "CONTINUOUS"},
        {DrawingLayer::Dimension, "DIMENSIONS", 1, 18, "CONTINUOUS"},
        {DrawingLayer::Hatch, "HATCH", 8, 18, "CONTINUOUS"},
        {DrawingLayer::Reinforcement, "REINFORCEMENT", 3, 50, "CONTINUOUS"},
        {DrawingLayer::Text, "TEXT", 7, 25, "CONTINUOUS"},
        {DrawingLayer::Table, "TABLE", 7, 25, "CONTINUOUS"},
    };
    return layers;
}

std::string dxfText(const std::string& utf8) {
    static const char* const digits = "0123456789ABCDEF";
    std::string out;
    out.reserve(utf8.size());
    const auto escape = [&](long unit) {
        out += "\\U+";
        for (int shift = 12; shift >= 0; shift -= 4) {
            out += digits[(unit >> shift) & 0xF];
        }
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const long c = nextCodePoint(utf8, i);
        if (c < 0 || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            out += '?';
        } else if (c < 0x20) {
            out += ' ';  // a line break or a tab would end the group
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c == 0x00D8 || c == 0x00F8 || c == 0x2300) {
            out += "%%c";  // the diameter sign as every CAD program draws it
        } else if (c == 0x00B2 || c == 0x00B3) {
            out += c == 0x00B2 ? '2' : '3';  // "м2", "м3", as drawings write them
        } else if (c == 0x00D7) {
            out += 'x';
        } else if (const std::string byte = utf8ToCp1251(std::string_view(utf8).substr(start, i - start));
                   byte != "?") {
            out += byte;
        } else if (c <= 0xFFFF) {
            escape(c);
        } else {
            escape(0xD800 + ((c - 0x10000) >> 10));
            escape(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

DxfCanvas::DxfCanvas(const Setup& setup) : setup_(setup) {}

void DxfCanvas::setPen(int width, CanvasColor color) {
    penWidth_ = width;
    penColor_ = color;
}

void DxfCanvas::setBrush(CanvasColor, BrushStyle style) { brushStyle_ = style; }

DxfCanvas::Point DxfCanvas::model(CanvasPoint point) const {
    return {(point.x - setup_.origin.x) * setup_.millimetresPerUnit,
            -(point.y - setup_.origin.y) * setup_.millimetresPerUnit};
}

void DxfCanvas::addPolyline(DrawingLayer layer, const std::vector<CanvasPoint>& points, bool closed) {
    Polyline polyline{layer, {}, closed};
    polyline.points.reserve(points.size());
    for (const CanvasPoint& point : points) {
        polyline.points.push_back(model(point));
    }
    polylines_.push_back(std::move(polyline));
}

void DxfCanvas::lineTo(int x, int y) {
    const CanvasPoint from = position_;
    position_ = {x, y};
    if (from.x == x && from.y == y) {
        return;
    }
    if (inOutline_ && layer() == outlineLayer_) {
        outline_.push_back({from, position_});
        return;
    }
    addPolyline(layer(), {from, position_}, false);
}

void DxfCanvas::rectangle(int x1, int y1, int x2, int y2) {
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2);
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    if (brushStyle_ == BrushStyle::BackwardDiagonal) {
        hatch(left, top, right, bottom);
    }
    addPolyline(layer(), {{left, top}, {right, top}, {right, bottom}, {left, bottom}}, true);
}

void DxfCanvas::ellipse(int x1, int y1, int x2, int y2) {
    // a box whose sides differ by the whole units they were cut to is a circle's
    if (std::abs(std::abs(x2 - x1) - std::abs(y2 - y1)) > kJoinTolerance) {
        Canvas::ellipse(x1, y1, x2, y2);
        return;
    }
    const Point a = model({x1, y1});
    const Point b = model({x2, y2});
    circles_.push_back(
        {layer(), {(a.x + b.x) / 2, (a.y + b.y) / 2}, (std::fabs(b.x - a.x) + std::fabs(b.y - a.y)) / 4});
}

void DxfCanvas::hatch(int left, int top, int right, int bottom) {
    // "/" strokes as the screen's brush draws them, anchored to the drawing, cut to the rectangle
    const long spacing = std::max(1L, std::lround(kHatchSpacing * setup_.markScale));
    const long first =
        static_cast<long>(std::ceil((static_cast<double>(left) + top) / static_cast<double>(spacing))) *
        spacing;
    for (long sum = first; sum <= static_cast<long>(right) + bottom; sum += spacing) {
        const long x1 = std::max<long>(left, sum - bottom);
        const long x2 = std::min<long>(right, sum - top);
        if (x1 < x2) {
            addPolyline(DrawingLayer::Hatch,
                        {{static_cast<int>(x1), static_cast<int>(sum - x1)},
                         {static_cast<int>(x2), static_cast<int>(sum - x2)}},
                        false);
        }
    }
}

void DxfCanvas::beginOutline() {
    endOutline();
    inOutline_ = true;
    outlineLayer_ = layer();
}

void DxfCanvas::endOutline() {
    if (!inOutline_) {
        return;
    }
    inOutline_ = false;
    const auto near = [](CanvasPoint a, CanvasPoint b) {
        return std::abs(a.x - b.x) <= kJoinTolerance && std::abs(a.y - b.y) <= kJoinTolerance;
    };
    // the pieces joined end to end into chains; when they make one chain, that is the shape and
    // it is closed (a straight gap between its ends is an edge the picture left short); several
    // chains are drawn as they are
    std::vector<std::vector<CanvasPoint>> chains;
    std::vector<bool> used(outline_.size(), false);
    for (std::size_t start = 0; start < outline_.size(); ++start) {
        if (used[start]) {
            continue;
        }
        used[start] = true;
        std::vector<CanvasPoint> chain = {outline_[start].from, outline_[start].to};
        for (bool grown = true; grown;) {
            grown = false;
            for (std::size_t i = 0; i < outline_.size(); ++i) {
                if (used[i]) {
                    continue;
                }
                const Segment& piece = outline_[i];
                if (near(piece.from, chain.back())) {
                    chain.push_back(piece.to);
                } else if (near(piece.to, chain.back())) {
                    chain.push_back(piece.from);
                } else if (near(piece.to, chain.front())) {
                    chain.insert(chain.begin(), piece.from);
                } else if (near(piece.from, chain.front())) {
                    chain.insert(chain.begin(), piece.to);
                } else {
                    continue;
                }
                used[i] = true;
                grown = true;
            }
        }
        if (chain.size() > 3 && near(chain.front(), chain.back())) {
            chain.pop_back();
        }
        chains.push_back(std::move(chain));
    }
    for (const std::vector<CanvasPoint>& chain : chains) {
        addPolyline(outlineLayer_, chain, chains.size() == 1 && chain.size() > 2);
    }
    outline_.clear();
}

double DxfCanvas::emOf(const CanvasFont& font) const {
    const double points = font.sizePoints > 0 ? font.sizePoints : 1.0;
    return points * kScreenDpi / 72.0 * setup_.markScale;
}

void DxfCanvas::textOut(int x, int y, const std::string& text) {
    if (text.empty()) {
        return;
    }
    const double em = emOf(font_);
    const Point baseline = model({x, static_cast<int>(std::lround(y + kAscent * em))});
    const bool red = font_.color == CanvasColor::Red && layerOf(layer()).color != kRed;
    texts_.push_back({layer(), baseline, kCapHeight * em * setup_.millimetresPerUnit, text, font_.bold, red});
}

int DxfCanvas::textWidth(const std::string& text) const {
    double width = 0;
    for (std::size_t i = 0; i < text.size();) {
        width += advance(nextCodePoint(text, i));
    }
    return static_cast<int>(std::lround(width * kWidthFactor * emOf(font_)));
}

int DxfCanvas::textHeight(const std::string&) const {
    return static_cast<int>(std::lround(kLineHeight * emOf(font_)));
}

std::string DxfCanvas::dimensionLabel(const std::string&, double span) const {
    return std::to_string(std::llround(span * setup_.millimetresPerUnit));
}

int DxfCanvas::pageWidth() const { return kHugePage; }

int DxfCanvas::pageHeight() const { return kHugePage; }

std::string DxfCanvas::document() const {
    // the extents of what was drawn, for the header
    double minX = std::numeric_limits<double>::max();
    double minY = minX;
    double maxX = -minX;
    double maxY = -minX;
    const auto extend = [&](const Point& point) {
        minX = std::min(minX, point.x);
        minY = std::min(minY, point.y);
        maxX = std::max(maxX, point.x);
        maxY = std::max(maxY, point.y);
    };
    for (const Polyline& polyline : polylines_) {
        for (const Point& point : polyline.points) {
            extend(point);
        }
    }
    for (const Circle& circle : circles_) {
        extend({circle.centre.x - circle.radius, circle.centre.y - circle.radius});
        extend({circle.centre.x + circle.radius, circle.centre.y + circle.radius});
    }
    for (const Text& text : texts_) {
        extend(text.baseline);
        extend({text.baseline.x, text.baseline.y + text.height});
    }
    if (minX > maxX) {
        minX = minY = maxX = maxY = 0;
    }

    std::string out;
    out.reserve(std::size_t{64} * 1024 + polylines_.size() * 300 + circles_.size() * 200 +
                texts_.size() * 400);
    MemoryWriter dw(out);
    DL_Dxf dxf;
    const double plotScale = std::max(1, setup_.plotScale);

    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4);  // millimetres
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, 1);  // metric
    dw.dxfString(9, "$DWGCODEPAGE");
    dw.dxfString(3, "ANSI_1251");
    dw.dxfString(9, "$LTSCALE");
    dw.dxfReal(40, plotScale);  // dashes sized for the sheet at the plot scale
    dw.dxfString(9, "$EXTMIN");
    dw.dxfReal(10, minX);
    dw.dxfReal(20, minY);
    dw.dxfReal(30, 0.0);
    dw.dxfString(9, "$EXTMAX");
    dw.dxfReal(10, maxX);
    dw.dxfReal(20, maxY);
    dw.dxfReal(30, 0.0);
    dw.sectionEnd();

    dw.sectionTables();
    dw.view = MemoryWriter::View{(minX + maxX) / 2, (minY + maxY) / 2, std::max(1.0, 1.1 * (maxY - minY))};
    dxf.writeVPort(dw);
    dw.view.reset();
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();

    dw.tableLayers(static_cast<int>(dxfLayers().size()) + 1);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, -1, 25, "CONTINUOUS"));
    for (const DxfLayer& layer : dxfLayers()) {
        dxf.writeLayer(dw, DL_LayerData(layer.name, 0),
                       DL_Attributes("", layer.color, -1, layer.lineWeight, layer.lineType));
    }
    dw.tableEnd();

    dw.tableStyle(3);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    // Arial, by its file for the programs that look a font up by file and by its family in the
    // ACAD data for the ones that look it up by name; it has Cyrillic letters everywhere
    for (const bool bold : {false, true}) {
        dw.dxfString(0, "STYLE");
        dw.handle();
        dw.dxfString(100, "AcDbSymbolTableRecord");
        dw.dxfString(100, "AcDbTextStyleTableRecord");
        dw.dxfString(2, bold ? kBoldStyle : kStyle);
        dw.dxfInt(70, 0);
        dw.dxfReal(40, 0.0);
        dw.dxfReal(41, kWidthFactor);
        dw.dxfReal(50, 0.0);
        dw.dxfInt(71, 0);
        dw.dxfReal(42, 2.5 * plotScale);
        dw.dxfString(3, bold ? "arialbd.ttf" : "arial.ttf");
        dw.dxfString(4, "");
        dw.dxfString(1001, "ACAD");
        dw.dxfString(1000, "Arial");
        dw.dxfInt(1071, bold ? 0x2000022 : 0x22);
    }
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    // for dimensions a CAD user adds: 2.5 mm on the sheet
    dxf.writeDimStyle(dw, 2.5 * plotScale, 1.25 * plotScale, 0.625 * plotScale, 0.625 * plotScale,
                      2.5 * plotScale);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, block);
    }
    dw.sectionEnd();

    dw.sectionEntities();
    for (const Polyline& polyline : polylines_) {
        const DL_Attributes attrib = attributes(polyline.layer);
        if (polyline.points.size() == 2 && !polyline.closed) {
            const Point& a = polyline.points[0];
            const Point& b = polyline.points[1];
            dxf.writeLine(dw, DL_LineData(a.x, a.y, 0.0, b.x, b.y, 0.0), attrib);
            continue;
        }
        dxf.writePolyline(
            dw, DL_PolylineData(static_cast<int>(polyline.points.size()), 0, 0, polyline.closed ? 1 : 0),
            attrib);
        for (const Point& point : polyline.points) {
            dxf.writeVertex(dw, DL_VertexData(point.x, point.y, 0.0, 0.0));
        }
        dxf.writePolylineEnd(dw);
    }
    for (const Circle& circle : circles_) {
        dxf.writeCircle(dw, DL_CircleData(circle.centre.x, circle.centre.y, 0.0, circle.radius),
                        attributes(circle.layer));
    }
    for (const Text& text : texts_) {
        dxf.writeText(dw,
                      DL_TextData(text.baseline.x, text.baseline.y, 0.0, text.baseline.x, text.baseline.y,
                                  0.0, text.height, kWidthFactor, 0, 0, 0, dxfText(text.text),
                                  text.bold ? kBoldStyle : kStyle, 0.0),
                      attributes(text.layer, text.red ? kRed : kByLayer));
    }
    dw.sectionEnd();
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    return out;
}

}  // namespace fundis
