// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/HtmlReport.h"

#include <algorithm>

#include "core/model/NumberFormat.h"
#include "core/reports/DimensionRows.h"
#include "core/reports/MaterialsTables.h"
#include "core/settlement/SettlementPass.h"
#include "core/settlement/SettlementReport.h"

namespace fundis {

namespace {

constexpr const char* kBreak = "\r\n";
constexpr const char* kBlankCell = "<TD>&#160";

// A number in general notation with the report's decimal separator: people read this page.
std::string general(double value, int digits, char separator) {
    std::string text = formatGeneral(value, digits);
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

// The page as a text stream writes it: "%g" numbers with the current precision.
class Page {
  public:
    explicit Page(char separator) : separator_(separator) {}
    Page& operator<<(const char* text) {
        text_ += text;
        return *this;
    }
    Page& operator<<(const std::string& text) {
        text_ += text;
        return *this;
    }
    Page& operator<<(float value) {
        text_ += general(value, precision_, separator_);
        return *this;
    }
    void line(const std::string& text) {
        text_ += text;
        text_ += kBreak;
    }
    void endLine() { text_ += kBreak; }
    void setPrecision(int digits) { precision_ = digits; }
    char separator() const { return separator_; }
    std::string take() { return std::move(text_); }

  private:
    std::string text_;
    int precision_ = 6;
    char separator_;
};

void writeCombination(Page& page, const ProjectRecord& data, int combination) {
    page << "<ul><li>Изгибающий момент MII=" << data.MII[combination] << "кН.м; MI=" << data.MI[combination]
         << "кН.м";
    page.endLine();
    page << "<li>Сжимающая сила NII=" << data.NII[combination] << "кН; NI=" << data.NI[combination] << "кН;";
    page.endLine();
    page << "<li>Поперечная сила QII=" << data.QII[combination] << "кН; QI=" << data.QI[combination]
         << "кН;</ul>";
    page.endLine();
}

// Label column plus one column a step, at least three; the pedestal's and the column's symbols
// stand after a blank.
void writeDimensionTable(Page& page, const Design& design) {
    const char* const labels[] = {
        "<TD> Размеры",     "<TR><TD> подкол-ка,м", "<TR><TD> Размеры",    "<TR><TD> колонны,м",
        "<TR><TD> Размеры", "<TR><TD> ступеней",    "<TR><TD>фундамента,", "<TR><TD>м",
        "<TR><TD>&#160",    "<TR><TD>&#160"};
    const char separator = page.separator();
    const CellRows rows =
        dimensionRows(design, [separator](float value) { return general(value, 5, separator); });
    for (std::size_t row = 0; row < rows.size(); ++row) {
        page.line(labels[row]);
        for (const std::string& cell : rows[row]) {
            if (cell.empty()) {
                page.line(kBlankCell);
            } else {
                page.line((row == 0 || row == 2 ? "<TD> " : "<TD>") + cell);
            }
        }
    }
}

void writeTables(Page& page, const Design& design) {
    page.line("<P>РАЗМЕРЫ ФУНДАМЕНТА");
    page.line("<TABLE BORDER=\"2\">");
    page.line("<TR>");
    writeDimensionTable(page, design);
    page.line("</TABLE>");

    page.line("<P>АРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА");
    page.line("<TABLE BORDER=\"2\">");
    page.line("<TR><TD>&#160<TD>Сторона L<TD>Сторона B");
    const auto number = [&page](float value) { return general(value, 5, page.separator()); };
    const char* const barLabels[] = {"<TR><TD>Площадь раб.арм.,см2<TD>", "<TR><TD>Кол-во стержней, шт<TD>",
                                     "<TR><TD>Диаметр раб.арм.,мм<TD>"};
    const CellRows bars = reinforcementRows(design.result.reinforcement, number, number);
    for (std::size_t row = 0; row < bars.size(); ++row) {
        page.line(barLabels[row] + bars[row][0] + "<TD>" + bars[row][1]);
    }
    page.line("</TABLE>");
}

// The bill of materials in the forms of ГОСТ 21.501: the list of positions (form 7) and the steel schedule.
void writeMaterials(Page& page, const BillOfMaterials& bill) {
    const char sep = page.separator();
    const auto cell = [](const std::string& text) {
        return "<TD>" + (text.empty() ? "&#160" : escapedHtml(text));
    };
    page.line("<P>СПЕЦИФИКАЦИЯ");
    page.line("<TABLE BORDER=\"2\">");
    page.line("<TR><TD>Поз.<TD>Обозначение<TD>Наименование<TD>Кол.<TD>Масса ед., кг<TD>Примечание");
    page.line("<TR><TD>&#160<TD>&#160<TD align=center>Детали<TD>&#160<TD>&#160<TD>&#160");
    for (const BarPosition& bar : bill.bars) {
        page.line("<TR>" + cell(std::to_string(bar.mark)) + cell(bar.steel.standard) + cell(barName(bar)) +
                  cell(std::to_string(bar.count)) + cell(hundredthsText(bar.unitMass, sep)) +
                  cell(hundredthsText(bar.mass, sep) + " кг"));
    }
    page.line("<TR><TD>&#160<TD>&#160<TD align=center>Материалы<TD>&#160<TD>&#160<TD>&#160");
    page.line("<TR><TD>&#160<TD>&#160" + cell("Бетон класса " + bill.concrete.concreteClass) +
              cell(litresAsCubicMetres(bill.concrete.volume, sep)) + "<TD>&#160<TD>м3");
    page.line("</TABLE>");

    page.line("<P>ВЕДОМОСТЬ РАСХОДА СТАЛИ, КГ");
    page.line("<TABLE BORDER=\"2\">");
    std::size_t columns = 0;
    std::string classes = "<TR>";
    std::string standards = "<TR>";
    std::string diameters = "<TR>";
    std::string values = "<TR>" + cell(kFoundationMark);
    std::size_t next = 0;
    for (const SteelClassTotal& total : bill.classTotals) {
        std::size_t span = 1;  // its "Итого"
        for (; next < bill.steel.size() && bill.steel[next].steel.name == total.steel.name; ++next) {
            diameters += cell("Ø" + std::to_string(bill.steel[next].diameter));
            values += cell(tenthsText(bill.steel[next].mass, sep));
            ++span;
        }
        diameters += cell("Итого");
        values += cell(tenthsText(total.mass, sep));
        const std::string spanning = "<TD colspan=" + std::to_string(span) + " align=center>";
        classes +=
            spanning + "Арматура класса " + escapedHtml(total.steel.name.empty() ? "—" : total.steel.name);
        standards += spanning + escapedHtml(total.steel.standard.empty() ? "—" : total.steel.standard);
        columns += span;
    }
    page.line("<TR><TD rowspan=4>Марка элемента<TD colspan=" + std::to_string(columns) +
              " align=center>Изделия арматурные<TD rowspan=4>Всего");
    page.line(classes);
    page.line(standards);
    page.line(diameters);
    page.line(values + cell(tenthsText(bill.steelTotal, sep)));
    page.line("</TABLE>");
    page.line("<P>" + escapedHtml(kNotDesignedByProgram) + "</P>");
}

// Red lines as the report pane shows them, a paragraph a group (the report parts its groups with
// blank lines).
void writeRedLines(Page& page, const std::vector<std::string>& lines) {
    std::string paragraph;
    const auto close = [&] {
        if (!paragraph.empty()) {
            page.line("<P><FONT color=red><B>" + paragraph + "</B></FONT></P>");
            paragraph.clear();
        }
    };
    for (const std::string& line : lines) {
        if (line.empty()) {
            close();
        } else {
            paragraph += (paragraph.empty() ? "" : "<BR>") + escapedHtml(line);
        }
    }
    close();
}

// The settlement block: the same values and sublayer table as the printed page, 5 significant digits.
void writeSettlement(Page& page, const SettlementResult& result) {
    const auto number = [separator = page.separator()](double value) { return general(value, 5, separator); };
    page.line("<P>РАСЧЕТ ОСАДКИ ФУНДАМЕНТА");
    page.line("<li>Среднее давление по подошве p=" + number(result.p) + "кПа;");
    page.line("<li>Природное давление на уровне подошвы σzg0=" + number(result.sigmaZg0) + "кПа;");
    page.line("<li>Дополнительное давление p0=" + number(result.p0) + "кПа;");
    if (result.noAdditionalPressure) {
        page.line("<li>Дополнительное давление p0 не больше нуля: осадки нет.");
        return;
    }
    page.line("<li>Отношение сторон подошвы η=l/b=" + number(result.eta) + ";");
    page.line("<li>Граница сжимаемой толщи σzp=k·σzg, k=" + number(result.k) +
              (result.k < 0.2 ? " (слабый грунт, E &lt; 5МПа);" : ";"));
    page.line("<TABLE BORDER=\"2\">");
    const SublayerTable table = sublayerTable(result, page.separator());
    std::string heading = "<TR>";
    for (int column = 0; column < kSublayerColumns; ++column) {
        heading += "<TD>" + sublayerHeading(table, column);
    }
    page.line(heading);
    for (const auto& values : table.rows) {
        std::string row = "<TR>";
        for (double value : values) {
            row += "<TD>" + number(value);
        }
        page.line(row);
    }
    page.line("</TABLE>");
    page.line("<li>Нижняя граница сжимаемой толщи Hc=" + number(result.Hc) + "м;");
    page.line("<li>Осадка фундамента s=" + number(result.s * 100) + "см;");
    page.line("<li>Предельная осадка su=" + number(result.su * 100) + "см.");
    if (result.exceeds) {
        page.line("<P><FONT color=red><B>Осадка фундамента превышает предельную.</B></FONT>");
    }
}

}  // namespace

std::string escapedHtml(const std::string& text, bool quotes) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += quotes ? "&quot;" : "\"";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string htmlReport(const ReportContext& context) {
    const Design design = shownDesign(context);
    const ProjectRecord& data = design.inputs;
    const CalculationResult& result = design.result;
    Page page(context.decimalSeparator);
    page << "\xEF\xBB\xBF";
    page.line("<HTML><HEAD><TITLE>РАСЧЕТНЫЕ ДАННЫЕ</TITLE>");
    page.line("</HEAD>");
    page.line("<BODY><FONT face=\"Times New Roman\" size=3>");
    if (context.outOfDate) {
        writeRedLines(page, {kOutOfDateLine});
    }
    page.line("<P align=center><B>ИСХОДНЫЕ ДАННЫЕ</B></P>");
    page.line("<P><ul>РАСЧЕТНЫЕ СОЧЕТАНИЯ НАГРУЗОК");
    page.line("<li>Максимальный момент");
    writeCombination(page, data, 1);
    page.line("<li>Максимальная сжимающая сила");
    writeCombination(page, data, 2);
    page.line("<li>Максимальная поперечная сила");
    writeCombination(page, data, 3);

    page.line("<P>ХАРАКТЕРИСТИКИ ГРУНТА ОСНОВАНИЯ");
    page << "<li>Вес грунта ниже подошвы фундамента<FONT face=\"Symbol\"> γ"
         << "<FONT face=\"Times New Roman\"size=1>II<FONT size=3>=" << data.Yii << "кН/м3;";
    page.endLine();
    page << "<li>Вес грунта выше подошвы фундамента<FONT face=\"Symbol\"> γ"
         << "<FONT face=\"Times New Roman\"size=1>II<FONT size=3>'=" << data.Yii1 << "кН/м3;";
    page.endLine();
    page << "<li>Угол внутреннего трения<FONT face=\"Symbol\"> φ"
         << "<FONT face=\"Times New Roman\"size=1>II<FONT size=3>=" << data.fii << "°;";
    page.endLine();
    page << "<li>Удельное сцепление с<FONT size=1>II<FONT size=3>=" << data.cii << "кПа;";
    page.endLine();
    page << "<p>Отметка верха подколонника " << data.pedestalTop << "м;";
    page.endLine();
    page.line("<p>Кратность размеров фундамента:");
    page << "<li>длины и ширины " << data.d_l << "м;"
         << "<li>высоты " << data.d_h << "м;";
    page.endLine();
    page << "<p>Исходные данные взяты из файла\"" << escapedHtml(context.fileName) << "\"</p>";
    page.endLine();
    if (context.craneAndWind) {
        page.line("<p>При расчете учитывались крановые и ветровые нагрузки.</p>");
    }
    page.line("<P align=center><B>РАСЧЕТНЫЕ ДАННЫЕ</B></P>");
    page.setPrecision(5);
    writeRedLines(page, context.failures);
    if (!baseDesigned(context)) {
        page << "</BODY></HTML>";  // no base: its sizes and pressures would be zeros of no calculation
        return page.take();
    }

    page << "<P align=justify>"
         << "<li>Площадь подошвы фундамента A= " << result.base.A << "м2;";
    page.endLine();
    page << "<li>Длина подошвы фундамента l=" << designedLength(result) << "м;";
    page.endLine();
    page << "<li>Ширина подошвы фундамента b=" << designedWidth(result) << "м;";
    page.endLine();
    page << "<li>Глубина заложения подошвы d=" << designedDepth(result) << "м;";
    page.endLine();
    page << "<li>Расчетное сопротивление грунта основания R=" << result.base.R << "кПа;";
    page.endLine();
    page << "<li>Среднее давление по подошве p=" << result.base.pEnv << "кПа;";
    page.endLine();
    page << "<li>Максимальное давление по подошве pmax=" << result.base.pmaxEnv << "кПа;";
    page.endLine();
    page << "<li>Минимальное давление по подошве pmin=" << result.base.pminEnv << "кПа.";
    page.endLine();
    if (foundationShaped(context)) {
        writeTables(page, design);
        if (shownQuantities(context).designed) {
            writeMaterials(page, shownQuantities(context));
        }
    }
    if (context.settlement != nullptr && context.settlement->result.status) {
        writeSettlement(page, context.settlement->result);
    }
    page << "</BODY></HTML>";
    return page.take();
}

}  // namespace fundis
