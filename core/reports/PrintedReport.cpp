#include "core/reports/PrintedReport.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/model/NumberFormat.h"
#include "core/reports/DimensionRows.h"
#include "core/reports/PageGrid.h"
#include "core/reports/SchemeDrawing.h"

namespace fundis {

namespace {

std::string fixed(double value, char separator) { return formatFixed(value, 3, separator); }

class TextPage {
  public:
    TextPage(Canvas& canvas, const ReportContext& context)
        : canvas_(canvas), grid_(canvas), separator_(context.decimalSeparator), y_(grid_.top) {}

    void advance(double lines) { y_ += lines * grid_.lh; }

    void at(double cm, const std::string& text) { canvas_.textOut(whole(cm * grid_.cm), whole(y_), text); }

    void heading(const std::string& text) {
        canvas_.textOut(whole(canvas_.pageWidth() / 2.0 - 7.5 * grid_.lh + 2 * grid_.cm), whole(y_), text);
    }

    std::string number(double value) const { return fixed(value, separator_); }

    // A Greek or Cyrillic letter with the subscript "II", then its value.
    void symbol(const std::string& letter, double valueOffset, const std::string& valueText) {
        const double x0 = 13.0 * grid_.cm;
        const double lh = grid_.lh;
        canvas_.textOut(whole(x0), whole(y_), letter);
        canvas_.setFont(reportFont(std::trunc(kReportFontSize * 0.57)));
        canvas_.textOut(whole(x0 + 0.5 * lh), whole(y_ + 0.42 * lh), "II");
        canvas_.setFont(reportFont());
        canvas_.textOut(whole(x0 + valueOffset * lh), whole(y_), valueText);
    }

  private:
    Canvas& canvas_;
    PageGrid grid_;
    char separator_;
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

}  // namespace

void DrawReportTextPage(Canvas& canvas, const ReportContext& context) {
    static const ProjectRecord empty;
    const ProjectRecord& data = context.data ? *context.data : empty;
    TextPage page(canvas, context);

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
    const struct {
        const char* label;
        const char* symbol;
        float value;
        const char* unit;
    } results[] = {
        {"-Площадь подошвы фундамента", "A = ", data.A, "м2;"},
        {"-Длина подошвы фундамента", "l = ", data.l, "м;"},
        {"-Ширина подошвы фундамента", "b = ", data.b, "м;"},
        {"-Глубина заложения подошвы", "d = ", data.d, "м;"},
        {"-Расчетное сопротивление грунта основания", "R = ", data.R, "кПа;"},
        {"-Среднее давление по подошве", "p = ", data.pEnv, "кПа;"},
        {"-Максимальное давление по подошве", "pmax = ", data.pmaxEnv, "кПа;"},
        {"-Минимальное давление по подошве", "pmin = ", data.pminEnv, "кПа."},
    };
    for (const auto& result : results) {
        page.advance(1.5);
        page.at(2, result.label);
        page.at(13, result.symbol + page.number(result.value) + result.unit);
    }
}

void DrawReportTablesPage(Canvas& canvas, const ReportContext& context) {
    static const ProjectRecord empty;
    const ProjectRecord& data = context.data ? *context.data : empty;
    const char sep = context.decimalSeparator;
    const PageGrid grid(canvas);
    canvas.setPen(2, CanvasColor::Black);
    canvas.setBrush(CanvasColor::White, BrushStyle::Clear);
    canvas.setFont(reportFont());

    const double x0 = 2.0 * grid.cm;
    canvas.textOut(whole(x0), grid.top, "РАЗМЕРЫ ФУНДАМЕНТА");

    const CellRows rows = dimensionRows(data, [sep](float value) { return fixed(value, sep); });
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
        data, [sep](float value) { return fixed(value, sep); },
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
    static const ProjectRecord empty;
    DrawFoundationScheme(canvas, canvas.pageWidth() / 16, context.data ? *context.data : empty,
                         context.schemeScale, context.decimalSeparator);
}

}  // namespace fundis
