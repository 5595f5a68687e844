// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/SettlementPicture.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "core/model/NumberFormat.h"

namespace fundis {

namespace {

struct Point {
    double x, y;
};

// Everything drawn goes through here, so nothing leaves the area whatever the numbers.
class Area {
  public:
    Area(Canvas& canvas, int left, int top, int width, int height)
        : canvas_(canvas), left_(left), top_(top), right_(left + width - 1), bottom_(top + height - 1) {}

    void line(Point from, Point to) {
        canvas_.moveTo(clampX(from.x), clampY(from.y));
        canvas_.lineTo(clampX(to.x), clampY(to.y));
    }

    void polyline(const std::vector<Point>& points) {
        for (std::size_t i = 1; i < points.size(); ++i) {
            line(points[i - 1], points[i]);
        }
    }

    // Filled with the brush; (x2, y2) excluded as the canvas does.
    void rectangle(Point from, Point to) {
        canvas_.rectangle(clampX(from.x), clampY(from.y), clampX(to.x) + 1, clampY(to.y) + 1);
    }

    // The canvas has no dash style: dashes are short segments along the polyline.
    void dashed(const std::vector<Point>& points, double dash, double gap) {
        dash = std::max(dash, 1.0);
        gap = std::max(gap, 1.0);
        double phase = 0;  // along the current dash or gap
        bool drawing = true;
        for (std::size_t i = 1; i < points.size(); ++i) {
            // clamped first, so that no stroke is longer than the area
            const Point a = clamped(points[i - 1]);
            const Point b = clamped(points[i]);
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            if (!(length > 0)) {
                continue;
            }
            const double dx = (b.x - a.x) / length;
            const double dy = (b.y - a.y) / length;
            double done = 0;
            while (done < length) {
                const double piece = std::min(length - done, (drawing ? dash : gap) - phase);
                if (drawing) {
                    line({a.x + dx * done, a.y + dy * done},
                         {a.x + dx * (done + piece), a.y + dy * (done + piece)});
                }
                done += piece;
                phase += piece;
                if (phase >= (drawing ? dash : gap)) {
                    phase = 0;
                    drawing = !drawing;
                }
            }
        }
    }

    // Text with its top-left corner at (x, y), moved inside the area; left out (false) when it
    // cannot fit.
    bool text(double x, double y, const std::string& text) {
        const int w = canvas_.textWidth(text);
        const int h = canvas_.textHeight(text);
        if (w > right_ - left_ + 1 || h > bottom_ - top_ + 1 || !std::isfinite(x) || !std::isfinite(y)) {
            return false;
        }
        canvas_.textOut(clampTo(x, left_, right_ + 1 - w), clampTo(y, top_, bottom_ + 1 - h), text);
        return true;
    }

    Canvas& canvas() { return canvas_; }

  private:
    int clampX(double x) const { return clampTo(x, left_, right_); }
    Point clamped(Point p) const {
        return {static_cast<double>(clampX(p.x)), static_cast<double>(clampY(p.y))};
    }
    int clampY(double y) const { return clampTo(y, top_, bottom_); }
    static int clampTo(double value, int low, int high) {
        if (!(value >= low)) {  // NaN too
            return low;
        }
        return value > high ? high : static_cast<int>(std::lround(value));
    }

    Canvas& canvas_;
    int left_, top_, right_, bottom_;
};

void setFontLook(Canvas& canvas, CanvasColor color, bool bold) {
    CanvasFont font = canvas.font();
    font.color = color;
    font.bold = bold;
    canvas.setFont(font);
}

// The layout: depths (m below the relief) and stresses (kPa) to pixels.
struct Frame {
    double x0, x1;  // the plot between the depth labels and the right edge
    double y0, y1;  // the relief and the deepest depth shown
    double axis;
    double depth;  // m shown
    double pixelsPerKpa;
    double th, margin;  // text height and the gap beside texts
    double baseDepth;
    bool baseKnown;
    int stroke;  // pixels of a thin line: more than one on a printer's page, so it does not vanish

    double y(double t) const { return y0 + t / depth * (y1 - y0); }
    double left(double stress) const { return axis - stress * pixelsPerKpa; }
    double right(double stress) const { return axis + stress * pixelsPerKpa; }
    double halfSlab() const { return (x1 - x0) / 6; }
    double halfPedestal() const { return halfSlab() / 3; }
};

// Depths from `from` to `to` with the layer boundaries between, where σzg bends.
std::vector<double> bendDepths(const std::vector<SoilLayer>& layers, double from, double to) {
    std::vector<double> depths{from};
    double boundary = 0;
    for (std::size_t i = 0; i + 1 < layers.size(); ++i) {
        boundary += layers[i].h;
        if (boundary > from && boundary < to) {
            depths.push_back(boundary);
        }
    }
    depths.push_back(to);
    return depths;
}

std::string stressText(double value, char separator) { return formatFixed(value, 1, separator); }

// The relief, hatched beside the pedestal, and the layer boundaries with the layers' moduli.
// Returns the depths of the boundaries drawn.
std::vector<double> drawSoil(Area& area, const Frame& f, const SettlementData& data, char separator) {
    area.canvas().setPen(f.stroke, CanvasColor::Black);
    area.line({f.x0, f.y0}, {f.x1, f.y0});
    for (double x = f.x0 + f.th; x <= f.x1; x += f.th) {
        if (!f.baseKnown || x - f.th / 2 > f.axis + f.halfPedestal() || x < f.axis - f.halfPedestal()) {
            area.line({x, f.y0}, {x - f.th / 2, f.y0 + f.th / 2});
        }
    }
    std::vector<double> boundaries;
    double boundary = 0;
    // a layer thinner than its label pushes the next labels down: they keep their order and never
    // overlap; one that would go below the picture is left out (the table has every modulus)
    double labelsEnd = f.y0;
    for (std::size_t i = 0; i < data.layers.size(); ++i) {
        if (boundary < f.depth) {
            const std::string modulus = "E=" + stressText(data.layers[i].E, separator) + " МПа";
            const double y =
                std::max(f.y(boundary) + (i == 0 ? f.th / 2 + f.margin : f.margin / 2), labelsEnd);
            if (y + f.th <= f.y1 && area.text(f.x0 + f.margin, y, modulus)) {
                labelsEnd = y + f.th;
            }
        }
        boundary += data.layers[i].h;
        if (i + 1 < data.layers.size() && boundary > 0 && boundary < f.depth) {
            area.line({f.x0, f.y(boundary)}, {f.x1, f.y(boundary)});
            boundaries.push_back(boundary);
        }
    }
    return boundaries;
}

// A slab on the base and a pedestal up through the relief, hiding the soil behind them.
void drawFoundation(Area& area, const Frame& f) {
    Canvas& canvas = area.canvas();
    const double slabTop = f.y(f.baseDepth * 0.6);
    const double pedestalTop = f.y0 - f.th;
    const double a = f.halfSlab();
    const double c = f.halfPedestal();
    canvas.setPen(f.stroke, CanvasColor::White);
    canvas.setBrush(CanvasColor::White, BrushStyle::Solid);
    area.rectangle({f.axis - a, slabTop}, {f.axis + a, f.y(f.baseDepth)});
    area.rectangle({f.axis - c, pedestalTop}, {f.axis + c, slabTop});
    canvas.setBrush(CanvasColor::White, BrushStyle::Clear);
    canvas.setPen(2 * f.stroke, CanvasColor::Black);
    area.polyline({{f.axis - c, pedestalTop},
                   {f.axis - c, slabTop},
                   {f.axis - a, slabTop},
                   {f.axis - a, f.y(f.baseDepth)},
                   {f.axis + a, f.y(f.baseDepth)},
                   {f.axis + a, slabTop},
                   {f.axis + c, slabTop},
                   {f.axis + c, pedestalTop}});
}

// σzp right of the axis through the sublayer boundaries with their ordinates, k·σzg dashed over
// it, the boundary Hc where they meet and the values at the base and at Hc.
void drawAdditionalStress(Area& area, const Frame& f, const SettlementData& data,
                          const SettlementResult& result, const std::vector<double>& boundaries,
                          char separator) {
    Canvas& canvas = area.canvas();
    std::vector<Point> additional{{f.right(result.p0), f.y(f.baseDepth)}};
    canvas.setPen(f.stroke, CanvasColor::Blue);
    for (const Sublayer& sub : result.sublayers) {
        const double y = f.y(f.baseDepth + sub.z2);
        area.line({f.left(sub.sigmaZg), y}, {f.right(sub.sigmaZp), y});
        additional.push_back({f.right(sub.sigmaZp), y});
    }
    area.line({f.axis, f.y(f.baseDepth)}, {f.right(result.p0), f.y(f.baseDepth)});
    canvas.setPen(2 * f.stroke, CanvasColor::Blue);
    area.polyline(additional);
    area.text(f.axis + f.margin, f.y0 - 2.5 * f.th, "σzp, кПа");

    canvas.setPen(f.stroke, CanvasColor::Red);
    std::vector<Point> share;
    for (double t : bendDepths(data.layers, f.baseDepth, f.depth)) {
        share.push_back({f.right(result.k * naturalStress(data.layers, t)), f.y(t)});
    }
    area.dashed(share, f.th / 2, f.th / 3);
    area.text(share.back().x + f.margin, share.back().y - f.th, formatFixed(result.k, 1, separator) + "σzg");

    const double yHc = f.y(f.baseDepth + result.Hc);
    canvas.setPen(2 * f.stroke, CanvasColor::Red);
    area.line({f.x0, yHc}, {f.x1, yHc});
    setFontLook(canvas, CanvasColor::Red, true);
    const std::string label = "Hc = " + formatFixed(result.Hc, 3, separator) + " м";
    // under the line, or over it when a layer boundary runs where the label would stand
    const auto crossesBoundary = [&](double top) {
        return std::any_of(boundaries.begin(), boundaries.end(), [&](double depth) {
            const double y = f.y(depth);
            return y >= top - f.margin / 2 && y <= top + f.th + f.margin / 2;
        });
    };
    const double below = yHc + f.margin / 2;
    const double above = yHc - f.margin / 2 - f.th;
    area.text(f.x1 - canvas.textWidth(label),
              crossesBoundary(below) && !crossesBoundary(above) ? above : below, label);
    setFontLook(canvas, CanvasColor::Black, false);

    const Sublayer& last = result.sublayers.back();
    const double yBase = f.y(f.baseDepth);
    for (auto [y, zp, zg] :
         {std::tuple{yBase, result.p0, result.sigmaZg0}, {yHc, last.sigmaZp, last.sigmaZg}}) {
        area.text(f.right(zp) + f.margin, y - f.th, stressText(zp, separator));
        const std::string natural = stressText(zg, separator);
        area.text(f.left(zg) - f.margin - canvas.textWidth(natural), y - f.th, natural);
    }
}

}  // namespace

void DrawSettlementPicture(Canvas& canvas, int left, int top, int width, int height, double d,
                           const SettlementData& data, const SettlementResult& result,
                           char decimalSeparator) {
    if (width <= 0 || height <= 0) {
        return;
    }
    const CanvasFont savedFont = canvas.font();
    const int savedPenWidth = canvas.penWidth();
    const CanvasColor savedPenColor = canvas.penColor();
    Area area(canvas, left, top, width, height);
    canvas.setBrush(CanvasColor::White, BrushStyle::Clear);
    setFontLook(canvas, CanvasColor::Black, false);

    const bool hasDiagram =
        result.status.ok() && !result.noAdditionalPressure && result.Hc > 0 && !result.sublayers.empty();
    Frame f{};
    f.th = std::max(1, canvas.textHeight("0"));  // the hatching steps by it
    f.margin = f.th / 2;
    f.stroke = std::max(1, static_cast<int>(f.th) / 14);
    f.baseKnown = std::isfinite(d) && d >= 0;
    f.baseDepth = f.baseKnown ? d : 0;
    f.x0 = left + canvas.textWidth("00.00") + 2 * f.margin;
    f.x1 = left + width - 1 - f.margin;
    f.y0 = top + 2.5 * f.th;  // room for the titles and the pedestal above the relief
    f.y1 = top + height - 1 - f.margin;
    f.axis = (f.x0 + f.x1) / 2;
    // a fifth below Hc shows σzp passing under k·σzg
    f.depth = f.baseDepth + (hasDiagram ? 1.2 * result.Hc : std::max(f.baseDepth, 2.0));
    if (!std::isfinite(f.depth) || !(f.depth > 0)) {
        f.depth = 1;
    }
    // one stress scale on both sides, so that k·σzg meets σzp where the method says
    const double largestStress = std::max(hasDiagram ? result.p0 : 0.0, naturalStress(data.layers, f.depth));
    const double room = (f.x1 - f.x0) / 2 - canvas.textWidth("0000.0");
    f.pixelsPerKpa = largestStress > 0 && std::isfinite(largestStress) && room > 0 ? room / largestStress : 0;

    std::vector<double> depthMarks{0};
    const std::vector<double> boundaries = drawSoil(area, f, data, decimalSeparator);
    depthMarks.insert(depthMarks.end(), boundaries.begin(), boundaries.end());
    if (f.baseKnown) {
        drawFoundation(area, f);
        depthMarks.push_back(f.baseDepth);
    }

    // the depth axis through the centre of the base, and σzg from the relief down left of it
    canvas.setPen(f.stroke, CanvasColor::Black);
    area.line({f.axis, f.y0 - f.th}, {f.axis, f.y1});
    area.polyline(
        {{f.axis - f.margin / 2, f.y1 - f.margin}, {f.axis, f.y1}, {f.axis + f.margin / 2, f.y1 - f.margin}});
    area.text(f.axis + f.margin, f.y1 - f.th, "z");
    canvas.setPen(2 * f.stroke, CanvasColor::Blue);
    std::vector<Point> natural;
    for (double t : bendDepths(data.layers, 0, f.depth)) {
        natural.push_back({f.left(naturalStress(data.layers, t)), f.y(t)});
    }
    area.polyline(natural);
    area.text(f.x0, f.y0 - 2.5 * f.th, "σzg, кПа");

    if (hasDiagram) {
        drawAdditionalStress(area, f, data, result, boundaries, decimalSeparator);
        depthMarks.push_back(f.baseDepth + result.Hc);
    }

    // depth labels left of the plot, Hc and the base first; a label that would overlap one already
    // there stands over or under its line instead, and is left out only when neither is free
    std::vector<double> shownAt;
    for (auto mark = depthMarks.rbegin(); mark != depthMarks.rend(); ++mark) {
        const double middle = f.y(*mark) - f.th / 2;
        const auto free = [&](double y) {
            return y >= top && y + f.th <= top + height &&
                   std::none_of(shownAt.begin(), shownAt.end(),
                                [&](double other) { return std::fabs(other - y) < f.th; });
        };
        // its own place, or the nearest one beside a label already there, a text line from its line at most
        std::vector<double> places{middle};
        for (double other : shownAt) {
            for (double beside : {other - f.th - 1, other + f.th + 1}) {
                if (std::fabs(beside - middle) <= f.th) {
                    places.push_back(beside);
                }
            }
        }
        std::stable_sort(places.begin(), places.end(),
                         [&](double a, double b) { return std::fabs(a - middle) < std::fabs(b - middle); });
        const auto place = std::find_if(places.begin(), places.end(), free);
        if (place != places.end() &&
            area.text(left + f.margin, *place, formatFixed(*mark, 2, decimalSeparator))) {
            shownAt.push_back(*place);
        }
    }

    canvas.setFont(savedFont);
    canvas.setPen(savedPenWidth, savedPenColor);
}

}  // namespace fundis
