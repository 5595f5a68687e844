// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/SettlementPage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/model/NumberFormat.h"
#include "core/reports/PageGrid.h"
#include "core/reports/SettlementPicture.h"
#include "core/reports/Verdict.h"
#include "core/settlement/SettlementPass.h"
#include "core/settlement/SettlementReport.h"

namespace fundis {

namespace {

// a long table gets a smaller face before the picture loses its room; below this size it is cut
constexpr double kSmallestTableFont = 6;
constexpr double kPictureFontSize = 10;
constexpr double kTallestPicture = 15;
constexpr double kPictureRoom = 10;  // cm the picture keeps under the table, enough for its labels
using Row = std::array<std::string, kSublayerColumns>;

// The table's texts: two heading rows (symbol, unit), then one row a sublayer.
std::vector<Row> sublayerRows(const SettlementResult& result, char separator) {
    const SublayerTable table = sublayerTable(result, separator);
    std::vector<Row> rows = {table.symbols, table.units};
    for (const auto& values : table.rows) {
        Row row;
        std::transform(values.begin(), values.end(), row.begin(),
                       [separator](double value) { return formatFixed(value, 3, separator); });
        rows.push_back(row);
    }
    return rows;
}

// The ruled sublayer table in the current font: headings centred, numbers flush right so that
// their decimal points line up.
class RuledTable {
  public:
    RuledTable(Canvas& canvas, const std::vector<Row>& rows, int cm) : canvas_(canvas), rows_(rows) {
        pad_ = cm / 5.0;
        row_ = std::abs(canvas.textHeight("#")) + pad_;
        for (int column = 0; column < kSublayerColumns; ++column) {
            int width = 0;
            for (const Row& row : rows) {
                width = std::max(width, canvas.textWidth(row[column]));
            }
            widths_[column] = width + 2 * pad_;
        }
    }

    double width() const {
        double sum = 0;
        for (double w : widths_) {
            sum += w;
        }
        return sum;
    }
    double rowHeight() const { return row_; }

    // The first `shown` rows with their top-left corner at (x0, y0).
    void draw(double x0, double y0, int shown) const {
        const double y1 = y0 + shown * row_;
        // the frame as rules, so that the column rules end on it
        rule(x0, y0, x0 + width(), y0);
        rule(x0, y1, x0 + width(), y1);
        rule(x0 + width(), y0, x0 + width(), y1);
        for (int row = 2; row < shown; ++row) {
            rule(x0, y0 + row * row_, x0 + width(), y0 + row * row_);
        }
        double x = x0;
        for (int column = 0; column < kSublayerColumns; ++column) {
            rule(x, y0, x, y1);
            for (int row = 0; row < shown; ++row) {
                const std::string& text = rows_[row][column];
                const int textWidth = canvas_.textWidth(text);
                const double at =
                    row < 2 ? x + (widths_[column] - textWidth) / 2 : x + widths_[column] - pad_ - textWidth;
                // the unit row hangs under the symbols: one ruled heading of two lines
                const double y = y0 + row * row_ + (row == 0 ? pad_ / 2 : row == 1 ? 0 : pad_ / 2);
                if (!text.empty()) {
                    canvas_.textOut(whole(at), whole(y), text);
                }
            }
            x += widths_[column];
        }
    }

  private:
    void rule(double x1, double y1, double x2, double y2) const {
        canvas_.moveTo(whole(x1), whole(y1));
        canvas_.lineTo(whole(x2), whole(y2));
    }

    Canvas& canvas_;
    const std::vector<Row>& rows_;
    std::array<double, kSublayerColumns> widths_{};
    double pad_ = 0;
    double row_ = 0;
};

class ValueLines {
  public:
    ValueLines(Canvas& canvas, const PageGrid& frame, double y, char separator)
        : canvas_(canvas), frame_(frame), y_(y), separator_(separator) {}

    void add(const std::string& label, const std::string& symbol, double value, const std::string& unit) {
        y_ += 1.5 * frame_.lh;
        canvas_.textOut(whole(frame_.left), whole(y_), label);
        canvas_.textOut(13 * frame_.cm, whole(y_), symbol + " = " + formatFixed(value, 3, separator_) + unit);
    }
    void note(const std::string& text, bool failure) {
        y_ += 1.5 * frame_.lh;
        canvas_.setFont(
            reportFont(kReportFontSize, failure ? CanvasColor::Red : CanvasColor::Black, failure));
        canvas_.textOut(whole(frame_.left), whole(y_), text);
        canvas_.setFont(reportFont(kReportFontSize));
    }
    double bottom() const { return y_ + frame_.lh; }

  private:
    Canvas& canvas_;
    const PageGrid& frame_;
    double y_;
    char separator_;
};

// The table as large as the page lets it be: the face shrinks until the table and the smallest
// picture fit; the rows that still do not fit are left out and the page says how many are shown.
double drawTable(Canvas& canvas, const PageGrid& frame, const SettlementResult& result, double y,
                 char separator) {
    const std::vector<Row> rows = sublayerRows(result, separator);
    const int total = static_cast<int>(rows.size());
    const double room = frame.bottom - y - kPictureRoom * frame.cm;
    double size = kReportFontSize;
    for (;; size -= 0.5) {
        canvas.setFont(reportFont(size));
        const RuledTable table(canvas, rows, frame.cm);
        const bool fits = table.width() <= frame.right - frame.left && total * table.rowHeight() <= room;
        if (fits || size <= kSmallestTableFont) {
            break;
        }
    }
    const RuledTable table(canvas, rows, frame.cm);
    int shown = total;
    if (total * table.rowHeight() > room) {
        shown = std::max(2, static_cast<int>(std::floor(room / table.rowHeight())) - 1);
    }
    table.draw(frame.left, y, shown);
    double end = y + shown * table.rowHeight();
    if (shown < total) {
        canvas.textOut(whole(frame.left), whole(end + table.rowHeight() / 4),
                       "Показаны первые " + std::to_string(shown - 2) + " подслоев из " +
                           std::to_string(total - 2) + ".");
        end += table.rowHeight() * 1.25;
    }
    canvas.setFont(reportFont(kReportFontSize));
    return end;
}

}  // namespace

void DrawReportSettlementPage(Canvas& canvas, const ReportContext& context) {
    PageGrid frame(canvas);
    const char separator = context.decimalSeparator;
    canvas.setPen(2, CanvasColor::Black);
    canvas.setBrush(CanvasColor::White, BrushStyle::Clear);
    drawOutOfDateLine(canvas, frame, context);
    canvas.setFont(reportFont(kReportFontSize));

    const std::string heading = "РАСЧЕТ ОСАДКИ ФУНДАМЕНТА";
    canvas.textOut(whole((canvas.pageWidth() - canvas.textWidth(heading)) / 2.0), frame.top, heading);
    const double firstLine = frame.top + 2.0 * frame.lh;

    const SettlementPass* pass = context.settlement;
    if (pass == nullptr) {
        canvas.textOut(whole(frame.left), whole(firstLine), "Осадка фундамента не рассчитана.");
        return;
    }
    if (!pass->result.status) {
        // the reason, red as in the report, wrapped at the margin
        RedLines how;
        how.x = frame.left;
        how.width = frame.right - frame.left;
        drawRedLines(canvas, firstLine, {pass->result.status.message()}, how);
        canvas.setFont(reportFont(kReportFontSize));
        return;
    }

    const SettlementResult& result = pass->result;
    ValueLines values(canvas, frame, firstLine - 1.5 * frame.lh, separator);
    values.add("-Среднее давление по подошве", "p", result.p, " кПа;");
    values.add("-Природное давление на уровне подошвы", "σzg0", result.sigmaZg0, " кПа;");
    values.add("-Дополнительное давление", "p0", result.p0, " кПа;");
    double pictureTop = 0;
    if (result.noAdditionalPressure) {
        values.note("Дополнительное давление p0 не больше нуля: осадки нет.", false);
        pictureTop = values.bottom() + frame.lh;
    } else {
        values.add("-Отношение сторон подошвы", "η = l/b", result.eta, ";");
        values.add(result.k < 0.2 ? "-Граница σzp = k·σzg (слабый грунт, E < 5 МПа)" : "-Граница σzp = k·σzg",
                   "k", result.k, ";");
        values.add("-Нижняя граница сжимаемой толщи", "Hc", result.Hc, " м;");
        values.add("-Осадка фундамента", "s", result.s * 100, " см;");
        values.add("-Предельная осадка", "su", result.su * 100, " см.");
        if (result.exceeds) {
            values.note("Осадка фундамента превышает предельную.", true);
        }
        pictureTop = drawTable(canvas, frame, result, values.bottom() + frame.lh, separator) + frame.lh;
    }

    const double d = context.settlement->d;
    canvas.setFont(reportFont(kPictureFontSize));
    canvas.setPen(1, CanvasColor::Black);
    // at most 15 cm tall: a short diagram would stretch down the whole page
    const double pictureHeight = std::min(frame.bottom - pictureTop, kTallestPicture * frame.cm);
    DrawSettlementPicture(canvas, whole(frame.left), whole(pictureTop), whole(frame.right - frame.left),
                          whole(pictureHeight), d, pass->data, result, separator);
    canvas.setFont(reportFont(kReportFontSize));
}

}  // namespace fundis
