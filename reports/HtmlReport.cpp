#include "reports/HtmlReport.h"

#include <algorithm>

#include "model/NumberFormat.h"

namespace fundis {

namespace {

constexpr const char* kBreak = "\r\n";
constexpr const char* kBlankCell = "<TD>&#160";

// The page as a text stream writes it: "%g" numbers with the current precision.
class Page {
  public:
    Page& operator<<(const char* text) {
        text_ += text;
        return *this;
    }
    Page& operator<<(const std::string& text) {
        text_ += text;
        return *this;
    }
    Page& operator<<(float value) {
        text_ += formatGeneral(value, precision_);
        return *this;
    }
    Page& operator<<(int value) {
        text_ += std::to_string(value);
        return *this;
    }
    void line(const std::string& text) {
        text_ += text;
        text_ += kBreak;
    }
    void endLine() { text_ += kBreak; }
    void setPrecision(int digits) { precision_ = digits; }
    std::string take() { return std::move(text_); }

  private:
    std::string text_;
    int precision_ = 6;
};

std::string escaped(const std::string& text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += ch;
        }
    }
    return out;
}

void writeCombination(Page& page, const TProjectData& data, int combination) {
    page << "<ul><li>Изгибающий момент MII=" << data.MII[combination] << "кН.м; MI=" << data.MI[combination]
         << "кН.м";
    page.endLine();
    page << "<li>Сжимающая сила NII=" << data.NII[combination] << "кН; NI=" << data.NI[combination] << "кН;";
    page.endLine();
    page << "<li>Поперечная сила QII=" << data.QII[combination] << "кН; QI=" << data.QI[combination]
         << "кН;</ul>";
    page.endLine();
}

void blankCells(Page& page, int count) {
    for (int i = 0; i < count; ++i) {
        page.line(kBlankCell);
    }
}

// Label column plus one column a step, at least three.
void writeDimensionTable(Page& page, const TProjectData& data) {
    const int steps = std::clamp(data.nSteps, 0, kStepEntries - 1);
    const int columns = std::max(steps, 3);
    const int stepBlanks = std::max(3 - steps, 0);

    page.line("<TD> Размеры");
    page.line("<TD> buc");
    page.line("<TD> luc");
    page.line("<TD> huc");
    blankCells(page, columns - 3);

    page.line("<TR><TD> подкол-ка,м");
    page << "<TD>" << data.buc;
    page.endLine();
    page << "<TD>" << data.luc;
    page.endLine();
    page << "<TD>" << data.huc;
    page.endLine();
    blankCells(page, columns - 3);

    page.line("<TR><TD> Размеры");
    page.line("<TD> bc");
    page.line("<TD> lc");
    blankCells(page, columns - 2);

    page.line("<TR><TD> колонны,м");
    page << "<TD>" << data.bc;
    page.endLine();
    page << "<TD>" << data.lc;
    page.endLine();
    blankCells(page, columns - 2);

    auto headerRow = [&](const char* label, const char* letter) {
        page.line(label);
        for (int i = 1; i <= steps; ++i) {
            page << "<TD>" << letter << i;
            page.endLine();
        }
        blankCells(page, stepBlanks);
    };
    auto valueRow = [&](const char* label, const StepArray& values) {
        page.line(label);
        for (int i = 1; i <= steps; ++i) {
            page << "<TD>" << values[i];
            page.endLine();
        }
        blankCells(page, stepBlanks);
    };
    headerRow("<TR><TD> Размеры", "c");
    valueRow("<TR><TD> ступеней", data.c);
    headerRow("<TR><TD>фундамента,", "cb");
    valueRow("<TR><TD>м", data.cb);
    headerRow("<TR><TD>&#160", "h");
    valueRow("<TR><TD>&#160", data.h);
}

}  // namespace

std::string htmlReport(const TProjectData& data, const std::string& fileName, bool craneAndWind) {
    Page page;
    page << "\xEF\xBB\xBF";
    page.line("<HTML><HEAD><TITLE>РАСЧЕТНЫЕ ДАННЫЕ</TITLE>");
    page.line("</HEAD>");
    page.line("<BODY><FONT face=\"Times New Roman\" size=3>");
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
    page << "<p>Исходные данные взяты из файла\"" << escaped(fileName) << "\"</p>";
    page.endLine();
    if (craneAndWind) {
        page.line("<p>При расчете учитывались ветровая и снеговая нагрузки.</p>");
    }
    page.line("<P align=center><B>РАСЧЕТНЫЕ ДАННЫЕ</B></P>");
    page.setPrecision(5);

    page << "<P align=justify>"
         << "<li>Площадь подошвы фундамента A= " << data.A << "м2;";
    page.endLine();
    page << "<li>Длина подошвы фундамента l=" << data.l << "м;";
    page.endLine();
    page << "<li>Ширина подошвы фундамента b=" << data.b << "м;";
    page.endLine();
    page << "<li>Глубина заложеия подошвы d=" << data.d << "м;";
    page.endLine();
    page << "<li>Расчетное сопротивление грунта основания R=" << data.R << "кПа;";
    page.endLine();
    page << "<li>Среднее давление по подошве p=" << data.pEnv << "кПа;";
    page.endLine();
    page << "<li>Максимальное давление по подошве pmax=" << data.pmaxEnv << "кПа;";
    page.endLine();
    page << "<li>Минимальное давление по подошве pmin=" << data.pminEnv << "кПа.";
    page.endLine();
    page.line("<P>РАЗМЕРЫ ФУНДАМЕНТА");
    page.line("<TABLE BORDER=\"2\">");
    page.line("<TR>");
    writeDimensionTable(page, data);
    page.line("</TABLE>");

    // m² to cm² and m to mm, in single precision
    const float Asl = data.Asl * 10000.0f;
    const float Asb = data.Asb * 10000.0f;
    const float dsl = data.dsl * 1000.0f;
    const float dsb = data.dsb * 1000.0f;
    page.line("<P>АРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА");
    page.line("<TABLE BORDER=\"2\">");
    page.line("<TR><TD>&#160<TD>Сторона L<TD>Сторона B");
    page << "<TR><TD>Площадь раб.арм.,см2<TD>" << Asl << "<TD>" << Asb;
    page.endLine();
    page << "<TR><TD>Кол-во стрежней, шт<TD>" << data.nl << "<TD>" << data.nb;
    page.endLine();
    page << "<TR><TD>Диаметр раб.арм.,мм<TD>" << dsl << "<TD>" << dsb;
    page.endLine();
    page.line("</TABLE>");
    page << "</BODY></HTML>";
    return page.take();
}

}  // namespace fundis
