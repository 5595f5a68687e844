// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/PrintedReport.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/model/NumberFormat.h"
#include "core/reports/DimensionRows.h"
#include "core/reports/MaterialsTables.h"
#include "core/reports/PageGrid.h"
#include "core/reports/SchemeDrawing.h"
#include "core/reports/Verdict.h"

namespace fundis {

namespace {

constexpr char kNotDesignedTables[] = "Фундамент не запроектирован: размеров и армирования нет.";

std::string fixed(double value, char separator) { return formatFixed(value, 3, separator); }

// The text page's writer: lines placed from the top down. A first pass only measures; when the
// page would run past its bottom, the second pass draws with the advances between the lines
// shortened in proportion, so that the page always holds the whole text.
class TextPage {
  public:
    TextPage(Canvas& canvas, const PageGrid& grid, const ReportContext& context, bool draw, double spacing)
        : canvas_(canvas),
          grid_(grid),
          separator_(context.decimalSeparator),
          draw_(draw),
          spacing_(spacing),
          y_(grid_.top) {}

    void advance(double lines) { y_ += lines * spacing_ * grid_.lh; }
    double y() const { return y_; }

    void at(double cm, const std::string& text) { textOut(cm * grid_.cm, y_, text); }

    void heading(const std::string& text) {
        textOut(canvas_.pageWidth() / 2.0 - 7.5 * grid_.lh + 2 * grid_.cm, y_, text);
    }

    std::string number(double value) const { return fixed(value, separator_); }

    // A Greek or Cyrillic letter with the subscript "II", then its value.
    void symbol(const std::string& letter, double valueOffset, const std::string& valueText) {
        const double x0 = 13.0 * grid_.cm;
        const double lh = grid_.lh;
        textOut(x0, y_, letter);
        canvas_.setFont(reportFont(std::trunc(kReportFontSize * 0.57)));
        textOut(x0 + 0.5 * lh, y_ + 0.42 * lh, "II");
        canvas_.setFont(reportFont());
        textOut(x0 + valueOffset * lh, y_, valueText);
    }

    // The calculation's red lines, a little closer than the text lines, wrapped at the margin.
    void redLines(const std::vector<std::string>& lines) {
        if (std::all_of(lines.begin(), lines.end(), [](const std::string& line) { return line.empty(); })) {
            return;
        }
        RedLines how;
        how.x = grid_.left;
        how.width = grid_.right - grid_.left;
        how.pitch = 1.2 * spacing_;
        how.draw = draw_;
        // the next line keeps half a line more from the red ones
        y_ = drawRedLines(canvas_, y_, lines, how) - how.pitch * grid_.lh + 0.5 * spacing_ * grid_.lh;
        canvas_.setFont(reportFont());
    }

  private:
    void textOut(double x, double y, const std::string& text) {
        if (draw_) {
            canvas_.textOut(whole(x), whole(y), text);
        }
    }

    Canvas& canvas_;
    const PageGrid& grid_;
    char separator_;
    bool draw_;
    double spacing_;
    double y_;
};

void loadCombination(TextPage& page, const ProjectRecord& data, int i) {
    page.advance(1.5);
    page.at(2, "  ~Изгибающий момент");
    page.at(9, "MII = " + page.number(data.MII[i]) + "кН.м;");
    page.at(15, "MI = " + page.number(data.MI[i]) + "кН.м;");
    page.advance(1.5);
    page.at(2, "  ~Сжимающая сила");
    page.at(9, "NII = " + page.number(data.NII[i]) + "кН;");
    page.at(15, "NI = " + page.number(data.NI[i]) + "кН;");
    page.advance(1.5);
    page.at(2, "  ~Поперечная сила");
    page.at(9, "QII = " + page.number(data.QII[i]) + "кН;");
    page.at(15, "QI = " + page.number(data.QI[i]) + "кН;");
}

// A ruled table: column widths and a row height in pixels, cell texts inset from the corners.
class Table {
  public:
    Table(Canvas& canvas, double x0, double y0, double row, double inset)
        : canvas_(canvas), x0_(x0), y0_(y0), row_(row), inset_(inset) {}

    void addColumn(double width) { edges_.push_back((edges_.empty() ? x0_ : edges_.back()) + width); }

    double left() const { return x0_; }
    double right() const { return edges_.empty() ? x0_ : edges_.back(); }
    double columnLeft(int column) const { return column == 0 ? x0_ : edges_[column - 1]; }
    double rowTop(int row) const { return y0_ + row * row_; }

    void frame(int rows) {
        canvas_.rectangle(whole(left()), whole(rowTop(0)), whole(right()), whole(rowTop(rows)));
    }
    void horizontal(int row) {
        canvas_.moveTo(whole(left()), whole(rowTop(row)));
        canvas_.lineTo(whole(right()), whole(rowTop(row)));
    }
    void vertical(int column, int rows) {
        canvas_.moveTo(whole(columnLeft(column)), whole(rowTop(0)));
        canvas_.lineTo(whole(columnLeft(column)), whole(rowTop(rows)));
    }
    void cell(int row, int column, const std::string& text) {
        if (!text.empty()) {
            canvas_.textOut(whole(columnLeft(column) + 0.2 * inset_), whole(rowTop(row) + 0.2 * inset_),
                            text);
        }
    }

  private:
    Canvas& canvas_;
    double x0_;
    double y0_;
    double row_;
    double inset_;
    std::vector<double> edges_;
};

// The scales of drawings, ГОСТ 2.302, that the printed scheme may be reduced to.
constexpr int kDrawingScales[] = {2, 4, 5, 10, 15, 20, 25, 40, 50, 75, 100, 200, 400, 500, 800, 1000};

// Measures what a drawing covers without drawing: the text metrics are the page's own.
class ExtentCanvas : public Canvas {
  public:
    explicit ExtentCanvas(Canvas& page) : page_(page), font_(page.font()) {}

    void setPen(int width, CanvasColor color) override {
        penWidth_ = width;
        penColor_ = color;
    }
    int penWidth() const override { return penWidth_; }
    CanvasColor penColor() const override { return penColor_; }
    void setBrush(CanvasColor, BrushStyle) override {}
    void setFont(const CanvasFont& font) override {
        font_ = font;
        page_.setFont(font);
    }
    CanvasFont font() const override { return font_; }
    void moveTo(int x, int y) override { position_ = {x, y}; }
    void lineTo(int x, int y) override {
        cover(position_.x, position_.y);
        cover(x, y);
        position_ = {x, y};
    }
    CanvasPoint penPosition() const override { return position_; }
    void rectangle(int x1, int y1, int x2, int y2) override {
        cover(x1, y1);
        cover(x2, y2);
    }
    void textOut(int x, int y, const std::string& text) override {
        cover(x, y);
        cover(x + page_.textWidth(text), y + std::abs(page_.textHeight(text)));
    }
    int textWidth(const std::string& text) const override { return page_.textWidth(text); }
    int textHeight(const std::string& text) const override { return page_.textHeight(text); }
    int pageWidth() const override { return page_.pageWidth(); }
    int pageHeight() const override { return page_.pageHeight(); }
    double pixelsPerMillimetre() const override { return page_.pixelsPerMillimetre(); }

    int right() const { return right_; }
    int bottom() const { return bottom_; }

  private:
    void cover(int x, int y) {
        right_ = std::max(right_, x);
        bottom_ = std::max(bottom_, y);
    }

    Canvas& page_;
    CanvasFont font_;
    int penWidth_ = 1;
    CanvasColor penColor_ = CanvasColor::Black;
    CanvasPoint position_;
    int right_ = 0;
    int bottom_ = 0;
};

void writeTextPage(TextPage& page, const ReportContext& context) {
    const Design design = shownDesign(context);
    const ProjectRecord& data = design.inputs;
    const CalculationResult& result = design.result;
    page.heading("ИСХОДНЫЕ ДАННЫЕ");
    page.advance(2);
    page.at(2, "  Расчетные сочетания нагрузок:");
    page.advance(1.5);
    page.at(2, " -Максимальный момент");
    loadCombination(page, data, 1);
    page.advance(1.5);
    page.at(2, " -Максимальная сжимающая сила");
    loadCombination(page, data, 2);
    page.advance(1.5);
    page.at(2, " -Максимальная поперечная сила");
    loadCombination(page, data, 3);

    page.advance(2);
    page.at(2, "  Характеристики грунта основания:");
    page.advance(1.5);
    page.at(2, "-Вес грунта ниже подошвы фундамента");
    page.symbol("γ", 1.0, "=" + page.number(data.Yii) + "кН/м3;");
    page.advance(1.5);
    page.at(2, "-Вес грунта выше подошвы фундамента");
    page.symbol("γ", 1.1, "'=" + page.number(data.Yii1) + "кН/м3;");
    page.advance(1.5);
    page.at(2, "-Угол внутреннего трения");
    page.symbol("φ", 1.0, "=" + page.number(data.fii) + "°;");
    page.advance(1.5);
    page.at(2, "-Удельное сцепление");
    page.symbol("с", 1.0, "=" + page.number(data.cii) + "кПа;");

    page.advance(2);
    page.at(2, "  Отметка верха подколонника");
    page.at(13, "=" + page.number(data.pedestalTop) + "м;");
    page.advance(2);
    page.at(2, "  Кратность размеров фундамента:");
    page.advance(1.5);
    page.at(2, "-Длины и ширины");
    page.at(13, "=" + page.number(data.d_l) + "м;");
    page.advance(1.5);
    page.at(2, "-Высоты");
    page.at(13, "=" + page.number(data.d_h) + "м;");
    page.advance(2);
    page.at(2, "  Исходные данные взяты из файла \"" + context.fileName + "\"");
    if (context.craneAndWind) {
        page.advance(1.5);
        page.at(2, "  При расчете учитывались крановые и ветровые нагрузки.");
    }

    page.advance(2);
    page.heading("РАСЧЕТНЫЕ ДАННЫЕ");
    if (!context.failures.empty()) {
        page.advance(1.5);
        page.redLines(context.failures);
    }
    if (!baseDesigned(context)) {
        return;  // no base: its sizes and pressures would be zeros of no calculation
    }
    const struct {
        const char* label;
        const char* symbol;
        float value;
        const char* unit;
    } results[] = {
        {"-Площадь подошвы фундамента", "A = ", result.base.A, "м2;"},
        {"-Длина подошвы фундамента", "l = ", designedLength(result), "м;"},
        {"-Ширина подошвы фундамента", "b = ", designedWidth(result), "м;"},
        {"-Глубина заложения подошвы", "d = ", designedDepth(result), "м;"},
        {"-Расчетное сопротивление грунта основания", "R = ", result.base.R, "кПа;"},
        {"-Среднее давление по подошве", "p = ", result.base.pEnv, "кПа;"},
        {"-Максимальное давление по подошве", "pmax = ", result.base.pmaxEnv, "кПа;"},
        {"-Минимальное давление по подошве", "pmin = ", result.base.pminEnv, "кПа."},
    };
    for (const auto& shown : results) {
        page.advance(1.5);
        page.at(2, shown.label);
        page.at(13, shown.symbol + page.number(shown.value) + shown.unit);
    }
}

// "Масштаб 1:scale", saying so when the scale is not the settings' one.
std::string schemeScaleLine(int settingsScale, int scale) {
    std::string line = "Масштаб 1:" + std::to_string(scale);
    if (scale != settingsScale) {
        line += " (в настройках 1:" + std::to_string(settingsScale) + "; схема уменьшена по размеру листа)";
    }
    return line;
}

// The scheme's unit on a page: the scheme draws a metre as 100 units at 1:1, so a unit of 10 mm of
// paper makes the drawing's scale the one the page states. A page without a paper size keeps a
// sixteenth of its width.
double schemePageUnit(const Canvas& canvas) {
    constexpr double kUnitMillimetres = 10.0;
    const double perMillimetre = canvas.pixelsPerMillimetre();
    return perMillimetre > 0.0 ? kUnitMillimetres * perMillimetre : std::trunc(canvas.pageWidth() / 16.0);
}

// The settings' scale when the scheme fits the page at it, else the first drawing scale at which it
// does (the labels keep their size, so the fit is found by measuring, not computed).
int fittedScale(Canvas& canvas, const ReportContext& context, double unit) {
    if (context.schemeScale <= 0 || !foundationShaped(context)) {
        return context.schemeScale;
    }
    // the scheme's labels take the page's own face: the grid's report font must not stay set
    const CanvasFont font = canvas.font();
    const PageGrid grid(canvas);
    // half a centimetre of white at the right, one at the bottom; the drawing keeps its own left margin
    const double right = canvas.pageWidth() - grid.cm / 2.0;
    const double bottom = canvas.pageHeight() - grid.top;
    std::vector<int> candidates = {context.schemeScale};
    for (int scale : kDrawingScales) {
        if (scale > context.schemeScale) {
            candidates.push_back(scale);
        }
    }
    int fitted = candidates.back();
    for (int scale : candidates) {
        canvas.setFont(font);
        ExtentCanvas extent(canvas);
        DrawSchemeDocument(extent, unit, context, scale, schemeScaleLine(context.schemeScale, scale));
        if (extent.right() <= right && extent.bottom() <= bottom) {
            fitted = scale;
            break;
        }
    }
    canvas.setFont(font);
    return fitted;
}

}  // namespace

void DrawReportTextPage(Canvas& canvas, const ReportContext& context) {
    PageGrid grid(canvas);
    drawOutOfDateLine(canvas, grid, context);
    TextPage measure(canvas, grid, context, false, 1.0);
    writeTextPage(measure, context);
    // the last line's top must leave room for the line above the bottom margin
    const double needed = measure.y() - grid.top;
    const double room = grid.bottom - grid.lh - grid.top;
    TextPage page(canvas, grid, context, true, needed > room && needed > 0 ? room / needed : 1.0);
    canvas.setFont(reportFont());
    writeTextPage(page, context);
}

void DrawReportMaterialsPage(Canvas& canvas, const ReportContext& context) {
    PageGrid grid(canvas);
    canvas.setPen(1, CanvasColor::Black);
    canvas.setBrush(CanvasColor::White, BrushStyle::Clear);
    drawOutOfDateLine(canvas, grid, context);
    if (!context.failures.empty()) {
        RedLines how;
        how.x = grid.left;
        how.width = grid.right - grid.left;
        how.pitch = 1.2;
        grid.top = whole(drawRedLines(canvas, grid.top, context.failures, how) + grid.lh);
    }
    canvas.setFont(reportFont());
    canvas.textOut(whole(grid.left), grid.top, "СПЕЦИФИКАЦИЯ И РАСХОД МАТЕРИАЛОВ");
    // centred across the page: the specification's 185 mm take nearly all of it
    const double x = std::max(0.0, (canvas.pageWidth() - kSpecificationWidth * grid.cm) / 2);
    DrawMaterialsTables(canvas, x, grid.top + 2.0 * grid.lh, grid.cm, shownQuantities(context),
                        context.decimalSeparator);
}

void DrawReportTablesPage(Canvas& canvas, const ReportContext& context) {
    const Design design = shownDesign(context);
    const char sep = context.decimalSeparator;
    PageGrid grid(canvas);
    canvas.setPen(2, CanvasColor::Black);
    canvas.setBrush(CanvasColor::White, BrushStyle::Clear);
    drawOutOfDateLine(canvas, grid, context);
    RedLines how;
    how.x = grid.left;
    how.width = grid.right - grid.left;
    how.pitch = 1.2;
    if (!foundationShaped(context)) {
        // nothing to tabulate: the page says why instead of a table of zeros
        std::vector<std::string> lines = {kNotDesignedTables, ""};
        lines.insert(lines.end(), context.failures.begin(), context.failures.end());
        drawRedLines(canvas, grid.top, lines, how);
        return;
    }
    if (!context.failures.empty()) {
        grid.top = whole(drawRedLines(canvas, grid.top, context.failures, how) + grid.lh);
    }
    canvas.setFont(reportFont());

    const double x0 = 2.0 * grid.cm;
    canvas.textOut(whole(x0), grid.top, "РАЗМЕРЫ ФУНДАМЕНТА");

    const CellRows rows = dimensionRows(design, [sep](float value) { return fixed(value, sep); });
    const int valueColumns = static_cast<int>(rows[0].size());
    constexpr int kDimensionRows = 10;
    // the cell texts column by column, row by row
    std::vector<std::vector<std::string>> cells(1 + valueColumns, std::vector<std::string>(kDimensionRows));
    cells[0] = {"Размеры",  "подколонника,м", "Размеры", "колонны,м", "Размеры",
                "ступеней", "фундамента,",    "м",       "",          ""};
    for (int row = 0; row < kDimensionRows; ++row) {
        for (int column = 0; column < valueColumns; ++column) {
            cells[column + 1][row] = rows[row][column];
        }
    }

    Table dimensions(canvas, x0, grid.top + 1.5 * grid.lh, grid.row, grid.inset);
    for (int column = 0; column <= valueColumns; ++column) {
        // "-0.150" or "12.000" would cross the rule of a column sized for "#.###": such a column widens
        int width = canvas.textWidth(column == 0 ? "##############" : "#.###");
        for (const std::string& text : cells[column]) {
            width = std::max(width, canvas.textWidth(text));
        }
        dimensions.addColumn(width + 0.4 * grid.inset);
    }
    dimensions.frame(kDimensionRows);
    dimensions.horizontal(2);
    dimensions.horizontal(4);
    for (int column = 1; column <= valueColumns; ++column) {
        dimensions.vertical(column, kDimensionRows);
    }
    for (int column = 0; column <= valueColumns; ++column) {
        for (int row = 0; row < kDimensionRows; ++row) {
            dimensions.cell(row, column, cells[column][row]);
        }
    }

    const double titleY = dimensions.rowTop(kDimensionRows) + 2.0 * grid.lh;
    canvas.textOut(whole(x0), whole(titleY), "АРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА");

    constexpr int kBarRows = 4;
    const CellRows barRows = reinforcementRows(
        design.result.reinforcement, [sep](float value) { return fixed(value, sep); },
        [sep](float value) { return formatFixed(value, 0, sep); });
    const std::string barCells[3][4] = {
        {"", "Площадь раб.арм.,см2", "Кол-во стержней, шт", "Диаметр раб.арм.,мм"},
        {"Сторона L", barRows[0][0], barRows[1][0], barRows[2][0]},
        {"Сторона B", barRows[0][1], barRows[1][1], barRows[2][1]},
    };
    Table bars(canvas, x0, titleY + 1.5 * grid.lh, grid.row, grid.inset);
    for (const auto& column : barCells) {
        int width = 0;
        for (const std::string& text : column) {
            width = std::max(width, canvas.textWidth(text));
        }
        bars.addColumn(width + 0.4 * grid.inset);
    }
    bars.frame(kBarRows);
    for (int row = 1; row < kBarRows; ++row) {
        bars.horizontal(row);
    }
    for (int column = 1; column < 3; ++column) {
        bars.vertical(column, kBarRows);
    }
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < kBarRows; ++row) {
            bars.cell(row, column, barCells[column][row]);
        }
    }
}

void DrawReportSchemePage(Canvas& canvas, const ReportContext& context) {
    const double unit = schemePageUnit(canvas);
    const int scale = fittedScale(canvas, context, unit);
    const std::string line =
        scale > 0 && foundationShaped(context) ? schemeScaleLine(context.schemeScale, scale) : "";
    DrawSchemeDocument(canvas, unit, context, scale, line);
}

}  // namespace fundis
