// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/MaterialsTables.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/reports/Verdict.h"

namespace fundis {

namespace {

constexpr double kTableSize = 8;   // points
constexpr double kTitleSize = 10;  // points
// ГОСТ 21.501's rows: 8 mm, the heading 15 mm
constexpr double kRow = 0.8;
constexpr double kHeading = 1.5;

using Lines = std::vector<std::string>;

int px(double value) { return static_cast<int>(std::trunc(value)); }

void setSize(Canvas& canvas, double points, bool bold = false) {
    CanvasFont font = canvas.font();
    font.sizePoints = points;
    font.bold = bold;
    font.underline = false;
    font.color = CanvasColor::Black;
    canvas.setFont(font);
}

void line(Canvas& canvas, double x1, double y1, double x2, double y2) {
    canvas.moveTo(px(x1), px(y1));
    canvas.lineTo(px(x2), px(y2));
}

// A frame with the heavier pen of a table's outline.
void frame(Canvas& canvas, double left, double top, double right, double bottom) {
    canvas.setPen(2, CanvasColor::Black);
    line(canvas, left, top, right, top);
    line(canvas, right, top, right, bottom);
    line(canvas, right, bottom, left, bottom);
    line(canvas, left, bottom, left, top);
    canvas.setPen(1, CanvasColor::Black);
}

double widest(const Canvas& canvas, const Lines& lines) {
    double width = 0;
    for (const std::string& text : lines) {
        width = std::max(width, static_cast<double>(canvas.textWidth(text)));
    }
    return width;
}

// The first of the ways to write a cell whose lines all fit `width`, else the last.
Lines fitting(const Canvas& canvas, const std::vector<Lines>& ways, double width) {
    for (const Lines& way : ways) {
        if (widest(canvas, way) <= width) {
            return way;
        }
    }
    return ways.back();
}

// Lines of text centred down the cell; across, centred or from the left inset.
void cell(Canvas& canvas, double left, double top, double width, double height, const Lines& lines,
          bool centred, double inset) {
    const double th = canvas.textHeight("#");
    double y = top + (height - th * static_cast<double>(lines.size())) / 2;
    for (const std::string& text : lines) {
        const double x = centred ? left + (width - canvas.textWidth(text)) / 2 : left + inset;
        if (!text.empty()) {
            canvas.textOut(px(x), px(y), text);
        }
        y += th;
    }
}

double title(Canvas& canvas, double x, double y, double width, const std::string& text, double u) {
    setSize(canvas, kTitleSize);
    canvas.textOut(px(x + (width - canvas.textWidth(text)) / 2), px(y), text);
    const double below = y + canvas.textHeight("#") + 0.2 * u;
    setSize(canvas, kTableSize);
    return below;
}

struct SpecificationRow {
    Lines cells[6];
    bool heading = false;  // a section's name in the name column: «Детали», «Материалы»
};

double drawSpecification(Canvas& canvas, double x, double y, double u, const BillOfMaterials& bill,
                         char sep) {
    const double widths[6] = {1.5 * u, 6 * u, 6.5 * u, 1 * u, 1.5 * u, 2 * u};
    const double inset = 0.1 * u;
    y = title(canvas, x, y, kSpecificationWidth * u, "Спецификация", u);
    const Lines header[6] = {
        {"Поз."},
        {"Обозначение"},
        {"Наименование"},
        fitting(canvas, {{"Кол."}, {"Кол-", "во"}}, widths[3] - inset),
        fitting(canvas, {{"Масса", "ед., кг"}, {"Масса", "ед.,", "кг"}}, widths[4] - inset),
        fitting(canvas, {{"Примечание"}, {"Приме-", "чание"}}, widths[5] - inset),
    };
    std::vector<SpecificationRow> rows;
    rows.push_back({{{}, {}, {"Детали"}, {}, {}, {}}, true});
    for (const BarPosition& bar : bill.bars) {
        rows.push_back({{{std::to_string(bar.mark)},
                         {bar.steel.standard},
                         {barName(bar)},
                         {std::to_string(bar.count)},
                         {hundredthsText(bar.unitMass, sep)},
                         {hundredthsText(bar.mass, sep) + " кг"}},
                        false});
    }
    rows.push_back({{{}, {}, {"Материалы"}, {}, {}, {}}, true});
    const std::string volume = litresAsCubicMetres(bill.concrete.volume, sep);
    const bool volumeFits = canvas.textWidth(volume) <= widths[3] - inset;
    rows.push_back({{{},
                     {},
                     {"Бетон класса " + bill.concrete.concreteClass},
                     {volumeFits ? volume : std::string()},
                     {},
                     {volumeFits ? "м³" : volume + " м³"}},
                    false});

    const double width = kSpecificationWidth * u;
    const double bottom = y + kHeading * u + kRow * u * static_cast<double>(rows.size());
    double left = x;
    for (int column = 0; column < 6; ++column) {
        cell(canvas, left, y, widths[column], kHeading * u, header[column], true, inset);
        if (column > 0) {
            line(canvas, left, y, left, bottom);
        }
        left += widths[column];
    }
    canvas.setPen(2, CanvasColor::Black);
    line(canvas, x, y + kHeading * u, x + width, y + kHeading * u);
    canvas.setPen(1, CanvasColor::Black);
    double top = y + kHeading * u;
    for (const SpecificationRow& row : rows) {
        left = x;
        for (int column = 0; column < 6; ++column) {
            // the names and designations from the left, the numbers centred; a section's name centred
            const bool centred = row.heading || column == 0 || column == 3 || column == 4;
            cell(canvas, left, top, widths[column], kRow * u, row.cells[column], centred, inset);
            left += widths[column];
        }
        top += kRow * u;
        if (top < bottom) {
            line(canvas, x, top, x + width, top);
        }
    }
    frame(canvas, x, y, x + width, bottom);
    return bottom;
}

double drawSteelSchedule(Canvas& canvas, double x, double y, double u, const BillOfMaterials& bill,
                         char sep) {
    const double inset = 0.1 * u;
    const double room = 0.3 * u;  // a text's clearance in its cell
    // the columns: the mark, a column a diameter and an "Итого" a class, "Всего"
    struct Column {
        double width;
        std::string text;  // the diameter's or the total's header
        std::string value;
    };
    std::vector<Column> columns;
    const Lines markHeader = {"Марка", "элемента"};
    columns.push_back({std::max(2.0 * u, widest(canvas, markHeader) + room), "", kFoundationMark});
    struct Span {
        std::size_t first, last;
        Lines name;
        std::string standard;
    };
    std::vector<Span> spans;
    std::size_t next = 0;
    for (const SteelClassTotal& total : bill.classTotals) {
        Span span{columns.size(),
                  0,
                  {"Арматура класса", total.steel.name.empty() ? "—" : total.steel.name},
                  total.steel.standard.empty() ? "—" : total.steel.standard};
        for (; next < bill.steel.size() && bill.steel[next].steel.name == total.steel.name; ++next) {
            const SteelColumn& steel = bill.steel[next];
            const std::string header = "Ø" + std::to_string(steel.diameter);
            const std::string value = tenthsText(steel.mass, sep);
            columns.push_back(
                {std::max(1.5 * u, std::max(canvas.textWidth(header), canvas.textWidth(value)) + room),
                 header, value});
        }
        const std::string sum = tenthsText(total.mass, sep);
        columns.push_back({std::max(1.5 * u, canvas.textWidth(sum) + room), "Итого", sum});
        span.last = columns.size() - 1;
        // a class's name and standard fit over its columns: the total takes what is missing
        double spanWidth = 0;
        for (std::size_t i = span.first; i <= span.last; ++i) {
            spanWidth += columns[i].width;
        }
        const double needed =
            std::max(widest(canvas, span.name), static_cast<double>(canvas.textWidth(span.standard)));
        columns[span.last].width += std::max(0.0, needed + room - spanWidth);
        spans.push_back(span);
    }
    const std::string all = tenthsText(bill.steelTotal, sep);
    columns.push_back({std::max(1.5 * u, canvas.textWidth(all) + room), "Всего", all});

    double width = 0;
    std::vector<double> lefts;
    for (const Column& column : columns) {
        lefts.push_back(x + width);
        width += column.width;
    }
    // "Изделия арматурные" over the classes
    const double productsLeft = lefts[1];
    const double productsRight = lefts.back();
    const std::string products = "Изделия арматурные";
    if (canvas.textWidth(products) + room > productsRight - productsLeft) {
        columns[columns.size() - 2].width +=
            canvas.textWidth(products) + room - (productsRight - productsLeft);
        width = 0;
        lefts.clear();
        for (const Column& column : columns) {
            lefts.push_back(x + width);
            width += column.width;
        }
    }
    y = title(canvas, x, y, std::max(width, kSpecificationWidth * u), "Ведомость расхода стали, кг", u);
    const double rowProducts = y;
    const double rowClass = rowProducts + kRow * u;
    const double rowStandard = rowClass + 1.2 * u;
    const double rowDiameter = rowStandard + kRow * u;
    const double rowValues = rowDiameter + kRow * u;
    const double bottom = rowValues + kRow * u;
    const double right = x + width;
    const double headerHeight = rowValues - rowProducts;

    cell(canvas, lefts[0], rowProducts, columns[0].width, headerHeight, markHeader, true, inset);
    cell(canvas, lefts.back(), rowProducts, columns.back().width, headerHeight, {"Всего"}, true, inset);
    cell(canvas, lefts[1], rowProducts, lefts.back() - lefts[1], kRow * u, {products}, true, inset);
    line(canvas, lefts[1], rowClass, lefts.back(), rowClass);
    for (const Span& span : spans) {
        const double spanLeft = lefts[span.first];
        const double spanRight = lefts[span.last] + columns[span.last].width;
        cell(canvas, spanLeft, rowClass, spanRight - spanLeft, 1.2 * u, span.name, true, inset);
        cell(canvas, spanLeft, rowStandard, spanRight - spanLeft, kRow * u, {span.standard}, true, inset);
        line(canvas, spanLeft, rowStandard, spanRight, rowStandard);
        line(canvas, spanLeft, rowDiameter, spanRight, rowDiameter);
        if (span.first > 1) {
            line(canvas, spanLeft, rowClass, spanLeft, bottom);
        }
    }
    for (std::size_t i = 1; i < columns.size(); ++i) {
        const bool inClass = i + 1 < columns.size();
        line(canvas, lefts[i], inClass && i > 1 ? rowDiameter : rowProducts, lefts[i], bottom);
        if (inClass) {
            cell(canvas, lefts[i], rowDiameter, columns[i].width, kRow * u, {columns[i].text}, true, inset);
        }
    }
    canvas.setPen(2, CanvasColor::Black);
    line(canvas, x, rowValues, right, rowValues);
    canvas.setPen(1, CanvasColor::Black);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        cell(canvas, lefts[i], rowValues, columns[i].width, kRow * u, {columns[i].value}, true, inset);
    }
    frame(canvas, x, rowProducts, right, bottom);
    return bottom;
}

}  // namespace

double DrawMaterialsTables(Canvas& canvas, double x, double y, double unit, const BillOfMaterials& bill,
                           char decimalSeparator) {
    const double u = std::trunc(unit);
    const DrawingLayer layer = canvas.layer();
    const CanvasFont font = canvas.font();
    canvas.setLayer(DrawingLayer::Table);
    canvas.setBrush(CanvasColor::White, BrushStyle::Clear);
    canvas.setPen(1, CanvasColor::Black);
    setSize(canvas, kTableSize);
    if (!bill.designed) {
        canvas.textOut(px(x), px(y), "Фундамент не запроектирован: спецификации нет.");
        y += canvas.textHeight("#");
    } else {
        y = drawSpecification(canvas, x, y, u, bill, decimalSeparator) + 0.6 * u;
        y = drawSteelSchedule(canvas, x, y, u, bill, decimalSeparator) + 0.3 * u;
        // a little narrower than the tables: a CAD program may show the text in a wider face
        for (const std::string& text :
             wrapText(canvas, kNotDesignedByProgram, 0.85 * kSpecificationWidth * u)) {
            canvas.textOut(px(x), px(y), text);
            y += canvas.textHeight("#");
        }
    }
    canvas.setFont(font);
    canvas.setLayer(layer);
    return y;
}

}  // namespace fundis
