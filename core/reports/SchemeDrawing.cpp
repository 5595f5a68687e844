// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/SchemeDrawing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/calc/ReinforceBase.h"
#include "core/model/NumberFormat.h"
#include "core/reports/DimensionRows.h"
#include "core/reports/MaterialsTables.h"
#include "core/reports/Verdict.h"

namespace fundis {

namespace {

int px(double value) { return static_cast<int>(std::trunc(value)); }

void line(Canvas& canvas, double x1, double y1, double x2, double y2) {
    canvas.moveTo(px(x1), px(y1));
    canvas.lineTo(px(x2), px(y2));
}

void setFontSize(Canvas& canvas, double size) {
    CanvasFont font = canvas.font();
    font.sizePoints = size;
    canvas.setFont(font);
}

std::string numbered(const char* letter, int step) { return letter + std::to_string(step); }

// DrawDimension with its label centred on `labelCentre` along the line instead of the span's middle.
void drawDimension(double p1, double p2, double p3, DimensionSide kind, const std::string& text,
                   Canvas& canvas, double labelCentre);

// Centres for labels of the given lengths, each as near its wished centre as it can be without
// coming nearer than `gap` to the others: labels that would overlap move apart as a group about the
// mean of their wished centres, and stay between `low` and `high` (the chain's own extent, clear of
// the chain across the corner) when they fit there. `wished` is in increasing order.
std::vector<double> spreadLabels(const std::vector<double>& wished, const std::vector<double>& lengths,
                                 double gap, double low, double high) {
    struct Group {
        std::size_t first, last;
        double start;
    };
    // the centre of item `j` from the start of a group beginning with item `first`
    const auto offset = [&](std::size_t first, std::size_t j) {
        double along = 0;
        for (std::size_t m = first; m < j; ++m) {
            along += lengths[m] + gap;
        }
        return along + lengths[j] / 2;
    };
    const auto bestStart = [&](std::size_t first, std::size_t last) {
        double sum = 0;
        for (std::size_t j = first; j <= last; ++j) {
            sum += wished[j] - offset(first, j);
        }
        return sum / static_cast<double>(last - first + 1);
    };
    std::vector<Group> groups;
    for (std::size_t i = 0; i < wished.size(); ++i) {
        groups.push_back({i, i, wished[i] - lengths[i] / 2});
        while (groups.size() > 1) {
            const Group& before = groups[groups.size() - 2];
            const Group& after = groups.back();
            const double beforeEnd =
                before.start + offset(before.first, before.last) + lengths[before.last] / 2;
            if (beforeEnd + gap <= after.start) {
                break;
            }
            const Group merged{before.first, after.last, bestStart(before.first, after.last)};
            groups.pop_back();
            groups.back() = merged;
        }
    }
    std::vector<double> centres(wished.size());
    for (const Group& group : groups) {
        for (std::size_t j = group.first; j <= group.last; ++j) {
            centres[j] = group.start + offset(group.first, j);
        }
    }
    if (centres.empty() || offset(0, centres.size() - 1) + lengths.back() / 2 > high - low) {
        return centres;
    }
    // in from the ends: pushed up from `low`, then down from `high`
    double edge = low - gap;
    for (std::size_t i = 0; i < centres.size(); ++i) {
        centres[i] = std::max(centres[i], edge + gap + lengths[i] / 2);
        edge = centres[i] + lengths[i] / 2;
    }
    edge = high + gap;
    for (std::size_t i = centres.size(); i-- > 0;) {
        centres[i] = std::min(centres[i], edge - gap - lengths[i] / 2);
        edge = centres[i] - lengths[i] / 2;
    }
    return centres;
}

// Dimensions along one line, side by side (the steps' overhangs and the pedestal, the steps'
// heights): drawn together, so that labels longer than their spans move apart instead of running
// into each other.
class DimensionChain {
  public:
    explicit DimensionChain(Canvas& canvas) : canvas_(canvas) {}

    void add(double p1, double p2, double p3, DimensionSide kind, const std::string& text) {
        const double span = isHorizontal(kind) ? p2 - p1 : p3 - p2;
        items_.push_back({p1, p2, p3, kind, canvas_.dimensionLabel(text, std::fabs(span))});
    }

    // All of them, as DrawDimension draws one.
    void draw() {
        std::stable_sort(items_.begin(), items_.end(),
                         [](const Item& a, const Item& b) { return a.middle() < b.middle(); });
        std::vector<double> wished;
        std::vector<double> lengths;
        double low = 0;
        double high = 0;
        for (const Item& item : items_) {
            const bool horizontal = isHorizontal(item.kind);
            wished.push_back(item.middle());
            lengths.push_back(horizontal ? canvas_.textWidth(item.text) : canvas_.textHeight(item.text));
            const double from = horizontal ? std::min(item.p1, item.p2) : std::min(item.p2, item.p3);
            const double to = horizontal ? std::max(item.p1, item.p2) : std::max(item.p2, item.p3);
            low = &item == &items_.front() ? from : std::min(low, from);
            high = &item == &items_.front() ? to : std::max(high, to);
        }
        const std::vector<double> centres =
            spreadLabels(wished, lengths, canvas_.textWidth("#") / 2.0, low, high);
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const Item& item = items_[i];
            drawDimension(item.p1, item.p2, item.p3, item.kind, item.text, canvas_, centres[i]);
        }
        items_.clear();
    }

  private:
    struct Item {
        double p1, p2, p3;
        DimensionSide kind;
        std::string text;
        double middle() const { return isHorizontal(kind) ? (p1 + p2) / 2 : (p2 + p3) / 2; }
    };

    Canvas& canvas_;
    std::vector<Item> items_;
};

// Running positions of the drawing, held in single precision like the record.
// The design as the drawing reads it: references into the inputs and the result, and the sizes that
// more than one stage may give, asked of the result.
struct Drawn {
    explicit Drawn(const Design& d)
        : design(d), in(d.inputs), s(d.result.steps), pedestal(d.result.pedestal) {}
    float l() const { return designedLength(design.result); }
    float b() const { return designedWidth(design.result); }
    float Hf() const { return designedHeight(design.result); }
    float d() const { return designedDepth(design.result); }

    const Design& design;
    const ProjectRecord& in;
    const StepsResult& s;
    const PedestalResult& pedestal;
};

struct Frame {
    float u = 0;
    float k = 0;
    float X0 = 0;
    float Y0 = 0;
    float Yp = 0;
    float yb = 0;
    float TH = 0;
    float W3 = 0;
    // the columns of the dimensions right of the drawing: W3 apart, or wider when their labels are
    // (a working drawing writes "1800" where the picture writes "h"); the tables stand right of them
    float step = 0;
    float tablesX = 0;
};

void drawSection(Canvas& canvas, const Frame& f, const Drawn& fd, int steps) {
    const float u = f.u;
    const float k = f.k;
    DimensionChain heights(canvas);
    DimensionChain widths(canvas);
    // the two halves below bound one shape: the cut of the foundation
    canvas.setLayer(DrawingLayer::Outline);
    canvas.beginOutline();
    // right half, from the base line up the steps to the pedestal and into the socket
    float x = f.X0 + fd.s.lStep[1] * k;
    float y = f.yb;
    canvas.moveTo(px(f.X0), px(f.yb));
    canvas.lineTo(px(x), px(y));
    for (int i = 1; i <= steps; ++i) {
        y -= fd.s.h[i] * k;
        heights.add(f.X0 + fd.l() * k + 0.3f * u, y, y + fd.s.h[i] * k, DimensionSide::Right,
                    numbered("h", i));
        canvas.lineTo(px(x), px(y));
        x -= fd.s.c[i] * k;
        if (fd.s.c[i] != 0.0f) {
            widths.add(x, x + fd.s.c[i] * k, f.yb + 0.2f * u, DimensionSide::Below, numbered("c", i));
        }
        canvas.lineTo(px(x), px(y));
    }
    y -= (fd.Hf() - fd.s.hSteps) * k;
    canvas.lineTo(px(x), px(y));
    widths.add(x, x - fd.pedestal.luc * k, f.yb + 0.2f * u, DimensionSide::Below, "luc");
    if (fd.s.huc > 0.0f) {
        DrawDimension(f.X0 + (fd.l() - fd.pedestal.luc) / 2 * k - 0.3f * u, y, y + fd.s.huc * k,
                      DimensionSide::Left, "huc", canvas);
    }
    // the socket's top edge lies 75 mm from the column face, its bottom 50 mm
    x -= (fd.pedestal.luc - fd.in.lc) / 2 * k;
    canvas.lineTo(px(x), px(y));
    x += 0.075f * k;
    canvas.lineTo(px(x), px(y));
    x -= 0.025f * k;
    y += fd.in.socketDepth * k;
    canvas.lineTo(px(x), px(y));

    // left half, ending with the socket bottom
    x = f.X0;
    y = f.yb;
    canvas.moveTo(px(x), px(y));
    for (int i = 1; i <= steps; ++i) {
        y -= fd.s.h[i] * k;
        canvas.lineTo(px(x), px(y));
        x += fd.s.c[i] * k;
        if (fd.s.c[i] != 0.0f) {
            widths.add(x, x - fd.s.c[i] * k, f.yb + 0.2f * u, DimensionSide::Below, numbered("c", i));
        }
        canvas.lineTo(px(x), px(y));
    }
    y -= (fd.Hf() - fd.s.hSteps) * k;
    canvas.lineTo(px(x), px(y));
    x += (fd.pedestal.luc - fd.in.lc) / 2 * k;
    canvas.lineTo(px(x), px(y));
    x -= 0.075f * k;
    canvas.lineTo(px(x), px(y));
    x += 0.025f * k;
    y += fd.in.socketDepth * k;
    canvas.lineTo(px(x), px(y));
    x += (fd.in.lc + 0.1f) * k;
    canvas.lineTo(px(x), px(y));
    canvas.endOutline();
    heights.draw();
    widths.draw();
}

void drawColumn(Canvas& canvas, const Frame& f, const Drawn& fd) {
    const float u = f.u;
    const float k = f.k;
    canvas.setPen(2, CanvasColor::Blue);
    canvas.setLayer(DrawingLayer::Column);
    const float x = f.X0 + (fd.l() - fd.in.lc) / 2 * k;
    const float y = f.Y0 - 0.5f * u;
    DrawDimension(x, x + fd.in.lc * k, y - 0.2f * u, DimensionSide::Above, "lc", canvas);
    canvas.beginOutline();
    // the column stands 50 mm above the socket bottom
    const float bottom = f.Y0 + (fd.in.socketDepth - fd.in.pedestalTop - 0.05f) * k;
    const float right = x + fd.in.lc * k;
    canvas.moveTo(px(x), px(y));
    canvas.lineTo(px(x), px(bottom));
    canvas.lineTo(px(right), px(bottom));
    canvas.lineTo(px(right), px(y));
    // a break mark at the top: the column goes on above the drawing
    canvas.setPen(1, CanvasColor::Blue);
    const float middle = x + fd.in.lc * k / 2;
    canvas.lineTo(px(middle + 0.2f * u), px(y));
    canvas.lineTo(px(middle), px(y - 0.25f * u));
    canvas.lineTo(px(middle), px(y + 0.25f * u));
    canvas.lineTo(px(middle - 0.2f * u), px(y));
    canvas.lineTo(px(x), px(y));
    canvas.endOutline();
}

void drawFloorAndHatching(Canvas& canvas, const Frame& f, const Drawn& fd) {
    const float u = f.u;
    const float k = f.k;
    canvas.setPen(2, CanvasColor::Black);
    canvas.setLayer(DrawingLayer::Outline);
    const float columnLeft = f.X0 + (fd.l() - fd.in.lc) / 2 * k;
    const float columnRight = f.X0 + (fd.l() + fd.in.lc) / 2 * k;
    const float right = f.X0 + fd.l() * k;
    line(canvas, f.X0, f.Y0, columnLeft, f.Y0);
    line(canvas, columnRight, f.Y0, right, f.Y0);

    canvas.setPen(1, CanvasColor::Black);
    canvas.setLayer(DrawingLayer::Hatch);
    // a pedestal standing out of the ground interrupts the soil at its faces
    const bool pedestalAbove = fd.in.pedestalTop >= 0.0f;
    const float leftLimit = pedestalAbove ? f.X0 + (fd.l() - fd.pedestal.luc) / 2 * k : columnLeft;
    const float rightLimit = pedestalAbove ? f.X0 + (fd.l() + fd.pedestal.luc) / 2 * k : columnRight;
    const float spacing = 0.3f * u;
    if (!(spacing > 0.0f)) {
        return;
    }
    for (float x = f.X0; x <= leftLimit; x += spacing) {
        line(canvas, x, f.Y0, x - spacing, f.Y0 + spacing);
    }
    for (float x = rightLimit + spacing; x <= right; x += spacing) {
        line(canvas, x, f.Y0, x - spacing, f.Y0 + spacing);
    }
}

void drawPlan(Canvas& canvas, const Frame& f, const Drawn& fd, int steps) {
    const float u = f.u;
    const float k = f.k;
    canvas.setPen(2, CanvasColor::Black);
    canvas.setBrush(CanvasColor::White, BrushStyle::Clear);
    canvas.setLayer(DrawingLayer::Outline);
    const float below = f.Yp + fd.b() * k + 0.2f * u;
    const float beside = f.X0 + fd.l() * k + 0.3f * u;
    DimensionChain widths(canvas);
    DimensionChain depths(canvas);
    for (int i = 1; i <= steps; ++i) {
        const float x = f.X0 + (fd.l() - fd.s.lStep[i]) / 2 * k;
        const float y = f.Yp + (fd.b() - fd.s.bStep[i]) / 2 * k;
        if (fd.s.c[i] != 0.0f) {
            widths.add(x, x + fd.s.c[i] * k, below, DimensionSide::Below, numbered("c", i));
            widths.add(2 * f.X0 + (fd.l() - fd.s.c[i]) * k - x, 2 * f.X0 + fd.l() * k - x, below,
                       DimensionSide::Below, numbered("c", i));
        }
        if (fd.s.cb[i] != 0.0f) {
            depths.add(beside, y, y + fd.s.cb[i] * k, DimensionSide::Right, numbered("cb", i));
            depths.add(beside, 2 * f.Yp + (fd.b() - fd.s.cb[i]) * k - y, 2 * f.Yp + fd.b() * k - y,
                       DimensionSide::Right, numbered("cb", i));
        }
        canvas.rectangle(px(x), px(y), px(x + fd.s.lStep[i] * k), px(y + fd.s.bStep[i] * k));
    }

    const float pedestalX = f.X0 + (fd.l() - fd.pedestal.luc) / 2 * k;
    const float pedestalY = f.Yp + (fd.b() - fd.pedestal.buc) / 2 * k;
    widths.add(pedestalX, pedestalX + fd.pedestal.luc * k, below, DimensionSide::Below, "luc");
    depths.add(beside, pedestalY, pedestalY + fd.pedestal.buc * k, DimensionSide::Right, "buc");
    widths.draw();
    depths.draw();
    if (fd.s.hSteps < fd.Hf()) {
        canvas.rectangle(px(pedestalX), px(pedestalY), px(pedestalX + fd.pedestal.luc * k),
                         px(pedestalY + fd.pedestal.buc * k));
    }

    const float columnX = f.X0 + (fd.l() - fd.in.lc) / 2 * k;
    const float columnY = f.Yp + (fd.b() - fd.in.bc) / 2 * k;
    // the white brush gives the two labels an opaque background over the step outlines
    canvas.setBrush(CanvasColor::White, BrushStyle::Solid);
    // "bс" ends in a Cyrillic "с" (U+0441), as the scheme has always labelled the column's width
    DrawDimension(columnX - 0.2f * u, columnY, columnY + fd.in.bc * k, DimensionSide::Left, "bс", canvas);
    DrawDimension(columnX, columnX + fd.in.lc * k, columnY + fd.in.bc * k + 0.2f * u, DimensionSide::Below,
                  "lc", canvas);
    canvas.setBrush(CanvasColor::Blue, BrushStyle::BackwardDiagonal);
    canvas.setPen(canvas.penWidth(), CanvasColor::Blue);
    canvas.setLayer(DrawingLayer::Column);
    canvas.rectangle(px(columnX), px(columnY), px(columnX + fd.in.lc * k), px(columnY + fd.in.bc * k));
    canvas.setBrush(CanvasColor::White, BrushStyle::Clear);
    canvas.setLayer(DrawingLayer::Outline);
}

// One direction of the bottom mesh as the drawing lays it out, in metres.
struct MeshDirection {
    const BarPosition* position = nullptr;  // its line of the bill of materials: mark, name, spacing
    double diameter = 0;
    int count = 0;
    double first = 0;    // the first bar's axis from the face it starts at: dz + d/2
    double spacing = 0;  // between the axes, unrounded
};

MeshDirection meshDirection(const BillOfMaterials& bill, const ReinforcementSide& side, bool alongL, float dz,
                            float across) {
    MeshDirection direction;
    for (const BarPosition& bar : bill.bars) {
        if (alongL ? bar.alongL : bar.alongB) {
            direction.position = &bar;
        }
    }
    direction.diameter = side.diameter;
    direction.count = side.count;
    direction.first = dz + side.diameter / 2.0;
    if (side.count > 1) {
        // the 0.2 m grid the bars were counted on, closer where it does not fit between the covers;
        // what the grid leaves goes to the two edges alike
        const double span = std::max(0.0, across - 2.0 * direction.first);
        direction.spacing = std::min(kMeshGrid, span / (side.count - 1));
        direction.first += (span - direction.spacing * (side.count - 1)) / 2.0;
    }
    return direction;
}

// A position's mark: its number in a circle of `radius` at (cx, cy), on a leader from (x, y); the
// circle white inside, so that what the leader crosses does not run through the number.
void drawMark(Canvas& canvas, double cx, double cy, double radius, double x, double y, int mark) {
    const double dx = x - cx;
    const double dy = y - cy;
    const double length = std::max(1.0, std::hypot(dx, dy));
    line(canvas, cx + dx / length * radius, cy + dy / length * radius, x, y);
    canvas.setBrush(CanvasColor::White, BrushStyle::Solid);
    canvas.ellipse(px(cx - radius), px(cy - radius), px(cx + radius), px(cy + radius));
    canvas.setBrush(CanvasColor::White, BrushStyle::Clear);
    const std::string text = std::to_string(mark);
    canvas.textOut(px(cx - canvas.textWidth(text) / 2.0), px(cy - canvas.textHeight(text) / 2.0), text);
}

// The bottom mesh: in the section the bars of side l at their cover, as a line, with the bars of side b
// over them cut as dots; in the plan a fragment of the mesh at the lower left corner; each direction's
// mark "1", "2" in a circle on a leader left of the drawing, with the bars' diameter beside the
// section's marks and, under the plan, each mark with its bars and their spacing.
void drawMesh(Canvas& canvas, const Frame& f, const Drawn& fd) {
    const BillOfMaterials* bill = fd.design.quantities;
    if (bill == nullptr || !bill->designed || bill->bars.empty()) {
        return;
    }
    const float u = f.u;
    const float k = f.k;
    const double m = canvas.markScale();
    const float dz = fd.in.dz;
    const ReinforcementResult& bars = fd.design.result.reinforcement;
    const MeshDirection alongL = meshDirection(*bill, bars.alongL, true, dz, fd.b());
    const MeshDirection alongB = meshDirection(*bill, bars.alongB, false, dz, fd.l());
    if (alongL.position == nullptr || alongB.position == nullptr) {
        return;
    }
    const CanvasFont font = canvas.font();
    const DrawingLayer layer = canvas.layer();
    const int pen = canvas.penWidth();
    const CanvasColor colour = canvas.penColor();
    setFontSize(canvas, 8);
    const double radius = 0.22 * u;
    const double markX = f.X0 - 0.9 * u;

    // the section: side l's bars the lower row, side b's over them
    const double lowY = f.yb - (dz + alongL.diameter / 2) * k;
    const double highY = f.yb - (dz + alongL.diameter + alongB.diameter / 2) * k;
    canvas.setLayer(DrawingLayer::Reinforcement);
    canvas.setPen(2, CanvasColor::Black);
    line(canvas, f.X0 + dz * k, lowY, f.X0 + (fd.l() - dz) * k, lowY);
    canvas.setPen(1, CanvasColor::Black);
    canvas.setBrush(CanvasColor::Black, BrushStyle::Solid);
    // a bar too thin to be seen at the scale is a dot of a pixel and a half
    const double dot =
        canvas.keepsTrueSizes() ? alongB.diameter / 2 * k : std::max(alongB.diameter / 2 * k, 1.5 * m);
    for (int i = 0; i < alongB.count; ++i) {
        const double x = f.X0 + (alongB.first + i * alongB.spacing) * k;
        canvas.ellipse(px(x - dot), px(highY - dot), px(x + dot), px(highY + dot));
    }
    canvas.setBrush(CanvasColor::White, BrushStyle::Clear);

    canvas.setLayer(DrawingLayer::Text);
    const auto diameterText = [](const MeshDirection& direction) {
        return "Ø" + std::to_string(direction.position->diameter);
    };
    const double lowMarkY = f.yb - 0.3 * u;
    const double highMarkY = lowMarkY - 2.6 * radius;
    drawMark(canvas, markX, lowMarkY, radius, f.X0 + 0.08 * fd.l() * k, lowY, alongL.position->mark);
    drawMark(canvas, markX, highMarkY, radius,
             f.X0 + (alongB.first + std::min(1, alongB.count - 1) * alongB.spacing) * k, highY,
             alongB.position->mark);
    for (const auto& [direction, y] : {std::pair{&alongL, lowMarkY}, std::pair{&alongB, highMarkY}}) {
        const std::string text = diameterText(*direction);
        canvas.textOut(px(markX - radius - 0.1 * u - canvas.textWidth(text)),
                       px(y - canvas.textHeight(text) / 2.0), text);
    }

    // the plan: a fragment of the mesh at the lower left corner, four tenths of each side
    const double left = f.X0;
    const double bottom = f.Yp + fd.b() * k;
    const double fragmentRight = left + 0.4 * fd.l() * k;
    const double fragmentTop = bottom - 0.4 * fd.b() * k;
    canvas.setLayer(DrawingLayer::Reinforcement);
    double markedLow = bottom;
    for (int j = 0; j < alongL.count; ++j) {
        const double y = bottom - (alongL.first + j * alongL.spacing) * k;
        if (y < fragmentTop) {
            break;
        }
        line(canvas, left + dz * k, y, fragmentRight, y);
        markedLow = y;  // the highest bar of the fragment gets the leader
    }
    double markedAcross = left;
    for (int i = 0; i < alongB.count; ++i) {
        const double x = left + (alongB.first + i * alongB.spacing) * k;
        if (x > fragmentRight) {
            break;
        }
        line(canvas, x, bottom - dz * k, x, fragmentTop);
        if (i <= 1) {
            markedAcross = x;
        }
    }
    canvas.setLayer(DrawingLayer::Text);
    const double planLowMarkY = markedLow - 0.5 * u;
    const double planAcrossMarkY = std::max(planLowMarkY + 2.6 * radius, bottom - 0.1 * fd.b() * k);
    drawMark(canvas, markX, planLowMarkY, radius, left + 0.2 * (fragmentRight - left), markedLow,
             alongL.position->mark);
    drawMark(canvas, markX, planAcrossMarkY, radius, markedAcross, bottom - 0.25 * (bottom - fragmentTop),
             alongB.position->mark);

    // under the plan and its overall dimension: each mark with its bars and their spacing
    double y = bottom + 0.2 * u + 1.5 * f.TH + 10 * m + 0.45 * u;
    std::vector<const BarPosition*> listed;
    for (const MeshDirection* direction : {&alongL, &alongB}) {
        if (std::find(listed.begin(), listed.end(), direction->position) != listed.end()) {
            continue;
        }
        listed.push_back(direction->position);
        const BarPosition& bar = *direction->position;
        drawMark(canvas, left + radius, y, radius, left + radius, y, bar.mark);
        const std::string text =
            barName(bar) + ", шаг " + std::to_string(bar.spacing) + ", " + barDirection(bar);
        canvas.textOut(px(left + 2 * radius + 0.15 * u), px(y - canvas.textHeight(text) / 2.0), text);
        y += 2.6 * radius;
    }
    canvas.setFont(font);
    canvas.setLayer(layer);
    canvas.setPen(pen, colour);
}

void drawOverallDimensions(Canvas& canvas, const Frame& f, const Drawn& fd) {
    const float u = f.u;
    const float k = f.k;
    const float right = f.X0 + fd.l() * k;
    const float step = f.step;
    DrawDimension(f.X0, right, f.yb + 0.2f * u + 1.2f * f.TH, DimensionSide::Below, "L", canvas);
    const float top = f.Y0 - fd.in.pedestalTop * k;
    DrawDimension(right + 0.2f * u + step, top, top + fd.Hf() * k, DimensionSide::Right, "h", canvas);
    const float ground = f.Y0 - fd.in.groundLevel * k;
    DrawDimension(right + 0.2f * u + 2 * step, ground, ground + fd.d() * k, DimensionSide::Right, "d",
                  canvas);
    DrawDimension(f.X0, right, f.Yp + fd.b() * k + 0.2f * u + 1.5f * f.TH, DimensionSide::Below, "L", canvas);
    DrawDimension(right + 0.2f * u + step, f.Yp, f.Yp + fd.b() * k, DimensionSide::Right, "B", canvas);
}

void drawSectionMarks(Canvas& canvas, const Frame& f, const Drawn& fd) {
    CanvasFont marks = canvas.font();
    marks.sizePoints = 12;
    marks.color = CanvasColor::Red;
    marks.bold = true;
    marks.underline = true;
    canvas.setFont(marks);
    canvas.setLayer(DrawingLayer::Text);
    const float k = f.k;
    const float markX =
        f.X0 + (fd.l() - fd.pedestal.luc) / 2 * k - static_cast<float>(canvas.textWidth("#")) / 2.0f;
    canvas.textOut(px(markX), px(f.Y0 - 1.2f * f.TH), "I");
    canvas.textOut(px(markX + fd.pedestal.luc * k), px(f.Y0 - 1.2f * f.TH), "I");
    canvas.textOut(px(f.X0 + fd.l() / 2 * k - static_cast<float>(canvas.textWidth("I - I")) / 2.0f),
                   px(f.Yp - 1.2f * f.TH), "I - I");
    marks.sizePoints = 8;
    marks.color = CanvasColor::Black;
    marks.bold = false;
    marks.underline = false;
    canvas.setFont(marks);
    canvas.setPen(1, CanvasColor::Black);
}

void drawDimensionTable(Canvas& canvas, const Frame& f, const Drawn& fd, char separator) {
    const float u = f.u;
    const float xT = f.tablesX;
    const float yT = f.Y0 - u;
    const float rowHeight = f.TH + 0.2f * u;
    // three value columns fit the usual 6.5 units; a fourth step or more widens the table
    const float width = std::max(6.5f * u, 2 * u + 1.5f * u * static_cast<float>(shownSteps(fd.s)));
    auto cell = [&](int row, int column, const std::string& text) {
        if (text.empty()) {
            return;
        }
        const float x = column == 0 ? xT : xT + 2 * u + 1.5f * u * static_cast<float>(column - 1);
        canvas.textOut(px(x + 0.1f * u), px(yT + rowHeight * static_cast<float>(row) + 0.1f * u), text);
    };
    auto value = [&](float v) { return formatFixed(v, 3, separator); };
    canvas.setLayer(DrawingLayer::Table);
    auto block = [&](int row) {
        line(canvas, xT, yT + rowHeight * static_cast<float>(row), xT + width,
             yT + rowHeight * static_cast<float>(row));
    };

    block(0);
    cell(0, 0, "Основные");
    cell(1, 0, "размеры,м");
    cell(0, 1, "d");
    cell(1, 1, value(fd.d()));
    cell(0, 2, "h");
    cell(1, 2, value(fd.Hf()));
    block(2);
    cell(2, 0, "Размеры");
    cell(3, 0, "подошвы,м");
    cell(2, 1, "B");
    cell(3, 1, value(fd.b()));
    cell(2, 2, "L");
    cell(3, 2, value(fd.l()));
    // blocks 3 to 5 hold the pedestal, the column and the steps, a step a column
    const char* const labels[] = {"Размеры",  "под-ка,м",   "Размеры", "колонны,м", "Размеры",
                                  "ступеней", "фундамента", "м",       "",          ""};
    const CellRows rows = dimensionRows(fd.design, value);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        if (row == 0 || row == 2 || row == 4) {
            block(4 + row);
        }
        cell(4 + row, 0, labels[row]);
        for (std::size_t column = 0; column < rows[row].size(); ++column) {
            cell(4 + row, static_cast<int>(column) + 1, rows[row][column]);
        }
    }
    const float bottom = yT + rowHeight * 14;
    block(14);
    line(canvas, xT + width, yT, xT + width, bottom);
    line(canvas, xT, bottom, xT, yT);
    line(canvas, xT + 2 * u, yT, xT + 2 * u, bottom);
}

}  // namespace

void DrawDimension(double p1, double p2, double p3, DimensionSide kind, const std::string& text,
                   Canvas& canvas) {
    const double span = isHorizontal(kind) ? p2 - p1 : p3 - p2;
    drawDimension(p1, p2, p3, kind, canvas.dimensionLabel(text, std::fabs(span)), canvas,
                  isHorizontal(kind) ? (p1 + p2) / 2 : (p2 + p3) / 2);
}

namespace {

void drawDimension(double p1, double p2, double p3, DimensionSide kind, const std::string& text,
                   Canvas& canvas, double labelCentre) {
    const CanvasPoint position = canvas.penPosition();
    const int width = canvas.penWidth();
    const CanvasColor color = canvas.penColor();
    const DrawingLayer layer = canvas.layer();
    CanvasFont font = canvas.font();
    const CanvasColor fontColor = font.color;
    canvas.setPen(1, CanvasColor::Red);
    canvas.setLayer(DrawingLayer::Dimension);
    // the marks' sizes in screen pixels
    const double m = canvas.markScale();
    font.color = CanvasColor::Red;
    canvas.setFont(font);

    const int TH = canvas.textHeight("#");
    const int halfText = canvas.textWidth(text) / 2;
    const int halfMark = canvas.textWidth("#") / 2;
    const int Wt = canvas.textWidth(text);
    if (isHorizontal(kind)) {
        const double sign = kind == DimensionSide::Above ? -1.0 : 1.0;
        const double y = p3;
        line(canvas, p1, y + sign * 10 * m, p2, y + sign * 10 * m);
        for (double x : {p1, p2}) {
            line(canvas, x, y, x, y + sign * 12 * m);
            line(canvas, x - 2 * m, y + sign * (kind == DimensionSide::Above ? 8 : 12) * m, x + 2 * m,
                 y + sign * (kind == DimensionSide::Above ? 12 : 8) * m);
        }
        const double labelY = kind == DimensionSide::Above ? y - 10 * m - TH - 2 * m : y + 8 * m - TH;
        canvas.textOut(px(labelCentre - halfText), px(labelY), text);
    } else {
        const double sign = kind == DimensionSide::Left ? -1.0 : 1.0;
        const double x = p1;
        line(canvas, x + sign * 10 * m, p2, x + sign * 10 * m, p3);
        for (double y : {p2, p3}) {
            line(canvas, x + sign * 12 * m, y, x, y);
            if (kind == DimensionSide::Left) {
                line(canvas, x - 12 * m, y - 2 * m, x - 8 * m, y + 2 * m);
            } else {
                line(canvas, x + 12 * m, y + 2 * m, x + 8 * m, y - 2 * m);
            }
        }
        canvas.textOut(px(x + sign * 10 * m - Wt - halfMark), px(labelCentre - TH / 2.0), text);
    }

    canvas.setPen(width, color);
    canvas.setLayer(layer);
    font.color = fontColor;
    canvas.setFont(font);
    canvas.moveTo(position.x, position.y);
}

}  // namespace

namespace {

// The top-left corner of the title as the scheme has always had it, in units.
constexpr float kTitleTop = 0.5f;
constexpr double kTitleSize = 20;
constexpr double kHeaderSize = 10;

void drawTitle(Canvas& canvas, float u, double y) {
    canvas.setLayer(DrawingLayer::Text);
    setFontSize(canvas, kTitleSize);
    canvas.textOut(px(5 * u), px(y), "Схема фундамента");
    canvas.setLayer(DrawingLayer::Outline);
}

// Without a positive scale, k = 100 u / S has no value: say what to set instead of drawing nothing.
void drawScaleProblem(Canvas& canvas, float u, double y) {
    CanvasFont font = canvas.font();
    font.sizePoints = 12;
    font.color = CanvasColor::Black;
    canvas.setFont(font);
    canvas.setLayer(DrawingLayer::Text);
    canvas.textOut(px(2 * u), px(y),
                   "Масштаб схемы должен быть положительным числом: "
                   "Настройка → Настройка параметров → Масштаб 1:");
}

// Where the scheme's parts go for a unit and a scale (above 0), `shift` pixels lower than the usual
// place, and the label font's size.
Frame frameOf(Canvas& canvas, double unit, const Drawn& fd, int schemeScale, float shift) {
    Frame f;
    f.u = static_cast<float>(std::trunc(unit));
    f.k = 100.0f * f.u / static_cast<float>(schemeScale);
    const CanvasPoint origin = SchemeOrigin(unit);
    f.X0 = static_cast<float>(origin.x);
    f.Y0 = static_cast<float>(origin.y) + shift;
    f.Yp = f.Y0 + fd.d() * f.k + 2.5f * f.u;
    f.yb = f.Y0 + (fd.Hf() - fd.in.pedestalTop) * f.k;
    setFontSize(canvas, 8);
    f.TH = static_cast<float>(canvas.textHeight("#"));
    f.W3 = static_cast<float>(canvas.textWidth("###"));
    f.step = f.W3;
    const std::pair<const char*, float> labels[] = {{"h", fd.Hf()}, {"d", fd.d()}, {"B", fd.b()}};
    for (const auto& [symbol, size] : labels) {
        const auto width = static_cast<float>(canvas.textWidth(canvas.dimensionLabel(symbol, size * f.k)) +
                                              canvas.textWidth("#"));
        f.step = std::max(f.step, width + 0.1f * f.u);
    }
    f.tablesX = f.X0 + fd.l() * f.k + std::max(2 * f.u, 0.7f * f.u + 2 * f.step);
    return f;
}

// The section, the plan, the marks and the table, all `shift` pixels lower than the usual place.
void drawBody(Canvas& canvas, double unit, const Drawn& fd, int schemeScale, char decimalSeparator,
              float shift) {
    const Frame f = frameOf(canvas, unit, fd, schemeScale, shift);
    canvas.setPen(2, CanvasColor::Black);
    canvas.setBrush(CanvasColor::White, BrushStyle::Clear);
    const int steps = shownSteps(fd.s);

    drawSection(canvas, f, fd, steps);
    drawColumn(canvas, f, fd);
    drawFloorAndHatching(canvas, f, fd);
    drawPlan(canvas, f, fd, steps);
    drawMesh(canvas, f, fd);
    drawOverallDimensions(canvas, f, fd);
    drawSectionMarks(canvas, f, fd);
    drawDimensionTable(canvas, f, fd, decimalSeparator);
}

}  // namespace

CanvasPoint SchemeOrigin(double unit) {
    const int u = px(unit);
    return {2 * u, 3 * u};
}

void DrawFoundationScheme(Canvas& canvas, double unit, const Design& design, int schemeScale,
                          char decimalSeparator) {
    const auto u = static_cast<float>(std::trunc(unit));
    if (schemeScale <= 0) {
        drawScaleProblem(canvas, u, 2 * u);
        return;
    }
    drawBody(canvas, unit, Drawn(design), schemeScale, decimalSeparator, 0);
    drawTitle(canvas, u, kTitleTop * u);
}

namespace {

// A row of the scheme's tables, and where the reinforcement table starts: under the dimension
// table, whose 14 rows start a unit above the floor, a row of the title's height apart.
float tableRow(const Frame& f) { return f.TH + 0.2f * f.u; }
float reinforcementTitleTop(const Frame& f) { return f.Y0 - f.u + tableRow(f) * 15; }

void drawReinforcementTable(Canvas& canvas, double unit, const Design& design, int schemeScale,
                            char decimalSeparator, float shift) {
    const Drawn fd(design);
    const Frame f = frameOf(canvas, unit, fd, schemeScale, shift);
    const float u = f.u;
    const float rowHeight = tableRow(f);
    const float x0 = f.tablesX;
    const float titleY = reinforcementTitleTop(f);
    const float y0 = titleY + rowHeight;
    const CellRows bars = reinforcementRows(
        design.result.reinforcement, [&](float value) { return formatFixed(value, 3, decimalSeparator); },
        [&](float value) { return formatFixed(value, 0, decimalSeparator); });
    const std::string cells[4][3] = {
        {"", "Сторона L", "Сторона B"},
        {"Площадь раб.арм.,см2", bars[0][0], bars[0][1]},
        {"Кол-во стержней, шт", bars[1][0], bars[1][1]},
        {"Диаметр раб.арм.,мм", bars[2][0], bars[2][1]},
    };
    canvas.setPen(1, CanvasColor::Black);
    canvas.setLayer(DrawingLayer::Table);
    canvas.textOut(px(x0), px(titleY + 0.1f * u), "АРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА");
    float lefts[4] = {x0, 0, 0, 0};
    for (int column = 0; column < 3; ++column) {
        int width = 0;
        for (const auto& row : cells) {
            width = std::max(width, canvas.textWidth(row[column]));
        }
        // room to spare: a CAD program may show the texts in a wider face than the one measured
        lefts[column + 1] = lefts[column] + 1.15f * static_cast<float>(width) + 0.3f * u;
    }
    const float bottom = y0 + rowHeight * 4;
    for (int row = 0; row <= 4; ++row) {
        line(canvas, x0, y0 + rowHeight * static_cast<float>(row), lefts[3],
             y0 + rowHeight * static_cast<float>(row));
    }
    for (const float x : lefts) {
        line(canvas, x, y0, x, bottom);
    }
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (!cells[row][column].empty()) {
                canvas.textOut(px(lefts[column] + 0.1f * u),
                               px(y0 + rowHeight * static_cast<float>(row) + 0.1f * u), cells[row][column]);
            }
        }
    }
    canvas.setLayer(DrawingLayer::Outline);
}

void drawMaterials(Canvas& canvas, double unit, const Design& design, const BillOfMaterials& bill,
                   int schemeScale, char decimalSeparator, float shift) {
    const Drawn fd(design);
    const Frame f = frameOf(canvas, unit, fd, schemeScale, shift);
    // under the reinforcement table: its title and four rows, and a row apart
    DrawMaterialsTables(canvas, f.tablesX, reinforcementTitleTop(f) + tableRow(f) * 6.5f, unit, bill,
                        decimalSeparator);
}

}  // namespace

void DrawSchemeReinforcementTable(Canvas& canvas, double unit, const Design& design, int schemeScale,
                                  char decimalSeparator) {
    if (schemeScale > 0) {
        drawReinforcementTable(canvas, unit, design, schemeScale, decimalSeparator, 0);
    }
}

void DrawSchemeMaterials(Canvas& canvas, double unit, const Design& design, const BillOfMaterials& bill,
                         int schemeScale, char decimalSeparator) {
    if (schemeScale > 0) {
        drawMaterials(canvas, unit, design, bill, schemeScale, decimalSeparator, 0);
    }
}

void DrawSchemeDocument(Canvas& canvas, double unit, const ReportContext& context, int schemeScale,
                        const std::string& scaleLine, bool withTables) {
    const auto u = static_cast<float>(std::trunc(unit));
    RedLines how;
    how.x = 2 * u;
    how.width = 14 * u;
    how.size = kHeaderSize;
    how.pitch = 1.3;
    double y = kTitleTop * u;
    if (context.outOfDate) {
        y = drawRedLines(canvas, y, {kOutOfDateLine}, how) + 0.2 * u;
    }
    // where the drawing would start under the title alone
    setFontSize(canvas, kTitleSize);
    const double usualBottom = kTitleTop * u + static_cast<float>(canvas.textHeight("#"));
    drawTitle(canvas, u, y);
    y += canvas.textHeight("#");
    if (!scaleLine.empty()) {
        setFontSize(canvas, kHeaderSize);
        canvas.textOut(px(5 * u), px(y), scaleLine);
        y += 1.3 * canvas.textHeight("#");
    }
    if (schemeScale <= 0) {
        drawScaleProblem(canvas, u, y + 0.5 * u);
        return;
    }
    if (!foundationShaped(context)) {
        // no base or no pedestal: a drawing of zeros would be a foundation that is not there
        std::vector<std::string> lines = {kNotDesignedScheme, ""};
        lines.insert(lines.end(), context.failures.begin(), context.failures.end());
        drawRedLines(canvas, y + 0.5 * u, lines, how);
        return;
    }
    if (!context.failures.empty()) {
        y = drawRedLines(canvas, y + 0.3 * u, context.failures, how);
    }
    const float shift = static_cast<float>(std::max(0.0, y - usualBottom));
    drawBody(canvas, unit, Drawn(shownDesign(context)), schemeScale, context.decimalSeparator, shift);
    if (withTables) {
        drawReinforcementTable(canvas, unit, shownDesign(context), schemeScale, context.decimalSeparator,
                               shift);
        drawMaterials(canvas, unit, shownDesign(context), shownQuantities(context), schemeScale,
                      context.decimalSeparator, shift);
    }
}

}  // namespace fundis
