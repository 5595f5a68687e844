// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/note/CalculationNote.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "core/calc/ReinforceBase.h"
#include "core/calc/SizeBase.h"
#include "core/input/InputProcessing.h"
#include "core/model/NumberFormat.h"
#include "core/model/ProjectForm.h"
#include "core/quantities/BillOfMaterials.h"
#include "core/reports/MaterialsTables.h"

namespace fundis {

namespace {

const char* const kBases = "СНиП 2.02.01-83";
const char* const kConcrete = "СНиП 2.03.01-84";
const char* const kManual = "Пособие по проектированию фундаментов на естественном основании, 1989";
const char* const kOwnRule = "принято в программе";
const char* const kDrawings = "ГОСТ 21.501-2011";
const char* const kMet = "выполняется";
const char* const kNotMet = "не выполняется";

const char* const kCombinationNames[4] = {"", "Максимальный момент", "Максимальная сжимающая сила",
                                          "Максимальная поперечная сила"};

std::string clause(const std::string& code, const std::string& where) { return code + ", " + where; }

// A value below 1 to six decimals at most (six significant digits from 0,1 up), trailing zeros dropped.
std::string smallNumber(double value) {
    std::string text = formatFixed(value, 6, '.');
    while (text.find('.') != std::string::npos && (text.back() == '0' || text.back() == '.')) {
        text.pop_back();
    }
    return text;
}

// The blocks and the number forms of one note.
class NoteWriter {
  public:
    NoteWriter(CalculationNote& note, char separator) : note_(note), separator_(separator) {}

    // A value as it went into a formula: six significant digits, which is more than any input or
    // size of the design has and less than the noise of single precision ("0,15", not "0,1499999"),
    // never in exponent form; a negative one in brackets.
    std::string v(double value) const {
        if (std::fabs(value) < 5e-7) {
            value = 0;  // the rounding noise of single precision, not a value of the design
        }
        // and no more than six decimals: below 1 the seventh place is noise as well
        std::string text = std::fabs(value) < 1 ? smallNumber(value) : formatGeneral(value, 6);
        if (text == "-0") {
            text = "0";
        }
        std::replace(text.begin(), text.end(), '.', separator_);
        return value < 0 ? "(" + text + ")" : text;
    }
    // A result as the report shows it: three decimals.
    std::string r(double value) const { return formatFixed(value, 3, separator_); }
    std::string whole(double value) const { return formatFixed(value, 0, separator_); }
    char separator() const { return separator_; }

    void add(NoteBlockKind kind, std::string text) {
        NoteBlock block;
        block.kind = kind;
        block.text = std::move(text);
        note_.blocks.push_back(std::move(block));
    }
    void title(std::string text) { add(NoteBlockKind::Title, std::move(text)); }
    void heading(std::string text) { add(NoteBlockKind::Heading, std::move(text)); }
    void sub(std::string text) { add(NoteBlockKind::Subheading, std::move(text)); }
    void para(std::string text) { add(NoteBlockKind::Paragraph, std::move(text)); }
    void fail(std::string text) { add(NoteBlockKind::Failure, std::move(text)); }
    // A verdict: black when met, red when not.
    void verdict(bool met, std::string text) {
        add(met ? NoteBlockKind::Paragraph : NoteBlockKind::Failure, std::move(text));
    }

    void formula(std::string symbol, std::string expression, std::string substituted, std::string result,
                 std::string unit, std::string where) {
        NoteBlock block;
        block.kind = NoteBlockKind::Formula;
        block.formula = {std::move(symbol),
                         std::move(expression),
                         std::move(substituted),
                         std::move(result),
                         std::move(unit),
                         std::move(where),
                         {}};
        block.text = formulaLine(block.formula);
        note_.blocks.push_back(std::move(block));
    }

    void table(std::vector<std::string> header, std::vector<NoteTableRow> rows) {
        NoteBlock block;
        block.kind = NoteBlockKind::Table;
        block.header = std::move(header);
        block.rows = std::move(rows);
        note_.blocks.push_back(std::move(block));
    }

    // "a ≤ b — выполняется", or "a > b — не выполняется" when it is not met
    std::string check(const std::string& left, const std::string& relation, const std::string& right,
                      bool met) const {
        std::string shown = relation;
        if (!met) {
            shown = relation == "≤" ? ">" : relation == "≥" ? "<" : "≠";
        }
        return left + " " + shown + " " + right + " — " + (met ? kMet : kNotMet);
    }

  private:
    CalculationNote& note_;
    char separator_;
};

std::string listItem(const ProjectForm& form, ListField field) {
    const int index = form.choice(field);
    const std::vector<std::string>& items = listItems(field);
    return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)]
                                                                : std::string("не выбрано");
}

// Summary rows of section 9.
struct Summary {
    std::vector<NoteTableRow> rows;
    void add(const std::string& what, const std::string& condition, bool met) {
        rows.push_back({{what, condition, met ? kMet : kNotMet}, !met});
    }
    void skipped(const std::string& what, const std::string& why) {
        rows.push_back({{what, why, "не требуется"}, false});
    }
    // a check an earlier failure kept from running
    void notRun(const std::string& what, const std::string& why) {
        rows.push_back({{what, why, "не выполнена"}, true});
    }
};

struct Context {
    const ProjectPass& pass;
    const ProjectRecord& in;  // the inputs (and, after the run, the record's results)
    const CalculationResult& result;
    NoteWriter& w;
    Summary& summary;
};

// 1. Исходные данные
void writeInputs(const Context& x) {
    NoteWriter& w = x.w;
    const ProjectRecord& in = x.in;
    const ProjectForm& form = x.pass.input;
    w.heading("1. Исходные данные");
    w.sub("Нагрузки на уровне верха подколонника (II — для расчета по деформациям, I — по прочности)");
    std::vector<NoteTableRow> loads;
    for (int j = 1; j <= 3; ++j) {
        loads.push_back({{std::to_string(j) + ". " + kCombinationNames[j], w.r(in.NII[j]), w.r(in.MII[j]),
                          w.r(in.QII[j]), w.r(in.NI[j]), w.r(in.MI[j]), w.r(in.QI[j])},
                         false});
    }
    w.table({"Сочетание", "NII, кН", "MII, кН·м", "QII, кН", "NI, кН", "MI, кН·м", "QI, кН"},
            std::move(loads));

    w.sub("Грунт основания");
    w.table(
        {"Величина", "Значение", "Источник"},
        {{{"Вид грунта (для R)", listItem(form, ListField::soil), "задано"}, false},
         {{"Вид грунта (для глубины промерзания)", listItem(form, ListField::frostSoil), "задано"}, false},
         {{"φII, °", w.v(in.fii), "задано"}, false},
         {{"cII, кПа", w.v(in.cii), "задано"}, false},
         {{"γII (ниже подошвы), кН/м³", w.v(in.Yii), "задано"}, false},
         {{"γ'II (выше подошвы), кН/м³", w.v(in.Yii1), "задано"}, false},
         {{"γc1", w.v(in.Yc1), in.Yc1Given ? std::string("задано") : clause(kBases, "табл. 3")}, false},
         {{"γc2", w.v(in.Yc2),
           in.Yc2Given ? std::string("задано")
                       : clause(kBases, "табл. 3") + "; схема здания: " + listItem(form, ListField::scheme) +
                             ", L/H: " + listItem(form, ListField::LHChoice)},
          false},
         {{"k", w.v(in.k),
           in.kGiven ? std::string("задано")
                     : clause(kBases, "п. 2.41") + "; характеристики: " + listItem(form, ListField::method)},
          false}});
    if (in.db > 0.0f) {
        w.table({"Подвал", "Значение", "Источник"},
                {{{"db (от уровня планировки до пола подвала), м", w.v(in.db), "задано"}, false},
                 {{"hs (грунт над подошвой со стороны подвала), м",
                   in.hs > 0.0f ? w.v(in.hs) : std::string("не задано"),
                   in.hs > 0.0f ? "задано" : "d − db − hcf (раздел 3)"},
                  false},
                 {{"hcf (пол подвала), м", w.v(in.hcf), "задано"}, false},
                 {{"γcf (пол подвала), кН/м³", w.v(in.Ycf), "задано"}, false}});
    }

    w.sub("Сооружение и фундамент");
    const bool pedestalGiven = in.luc != 0.0f && in.buc != 0.0f;
    w.table(
        {"Величина", "Значение", "Источник"},
        {{{"Mt (сумма отрицательных среднемесячных температур), °C", w.v(in.Mt), "задано"}, false},
         {{"Тип пола; температура, °C; вылет подошвы",
           listItem(form, ListField::floorType) + "; " + listItem(form, ListField::temperature) + "; " +
               listItem(form, ListField::overhangChoice),
           "задано"},
          false},
         {{"Сечение колонны lc × bc, м", w.v(in.lc) + " × " + w.v(in.bc), "задано"}, false},
         {{"Сечение подколонника luc × buc, м",
           pedestalGiven ? w.v(in.luc) + " × " + w.v(in.buc) : std::string("не задано"),
           pedestalGiven ? "задано" : "по таблице sizepdkl.dat (" + std::string(kOwnRule) + ")"},
          false},
         {{"Глубина стакана, м", w.v(in.socketDepth), "задано"}, false},
         {{"Толщина днища стакана, м", w.v(in.socketBottom), "задано"}, false},
         {{"Отметка верха подколонника, м", w.v(in.pedestalTop), "задано"}, false},
         {{"Отметка природного рельефа, м", w.v(in.groundLevel), "задано"}, false},
         {{"Глубина заложения d, м", x.result.depth.given ? w.v(in.d) : "не задана",
           x.result.depth.given ? "задано" : "по глубине промерзания и стакану (раздел 2)"},
          false},
         {{"Модуль размеров подошвы d_l, м", w.v(in.d_l), "задано"}, false},
         {{"Модуль высоты d_h, м", w.v(in.d_h), "задано"}, false},
         {{"Защитный слой dz, м; диаметр арматуры da, м", w.v(in.dz) + "; " + w.v(in.da), "задано"}, false}});
    std::vector<NoteTableRow> given;
    if (in.stepMethod == StepMethod::Manual1989) {
        given.push_back(
            {{"Вылеты ступеней", listItem(form, ListField::stepMethod), "задано (раздел 5)"}, false});
    }
    if (in.bGiven > 0.0f && in.lGiven > 0.0f) {
        given.push_back(
            {{"Подошва b × l, м", w.v(in.bGiven) + " × " + w.v(in.lGiven), "задано (раздел 4)"}, false});
    }
    if (!in.stepsGiven.empty()) {
        std::string heights;
        for (const float height : in.stepsGiven) {
            heights += (heights.empty() ? "" : " + ") + w.v(height);
        }
        given.push_back({{"Высоты ступеней снизу вверх, м", heights, "задано (раздел 5)"}, false});
    }
    if (in.Ymt != 20.0f) {
        given.push_back({{"γmt (фундамент с грунтом на уступах), кН/м³", w.v(in.Ymt), "задано"}, false});
    }
    if (!given.empty()) {
        w.table({"Задано в исходных данных", "Значение", "Источник"}, std::move(given));
    }

    w.sub("Материалы");
    std::string rbtSource = "Rb.dat, класс бетона " + listItem(form, ListField::concreteClass);
    if (in.Yb2Given) {
        rbtSource += "; ×γb2 = " + w.v(in.Yb2) + " (задано; γb2 — " + clause(kConcrete, "табл. 15") + ")";
    } else if (form.craneAndWind) {
        rbtSource +=
            "; с учетом крановых и ветровых нагрузок ×1,1 (γb2, " + clause(kConcrete, "табл. 15") + ")";
    }
    w.table({"Величина", "Значение", "Источник"}, {{{"Rbt, МПа", w.v(in.Rbt), rbtSource}, false},
                                                   {{"Rs, кПа", w.v(in.Rs), "задано"}, false},
                                                   {{"Rsc, кПа", w.v(in.Rsc), "задано"}, false}});
    w.para(
        "Таблицы программы: table3.dat (γc1, γc2), table4.dat (Mγ, Mq, Mc), Rb.dat (Rbt), k1.dat (k1), "
        "hstup.dat (наборы высот ступеней), sizepdkl.dat (сечения подколонников).");
}

// Where the laying depth the stages worked at came from: the depth entered, the frost or the socket,
// and the rounding of the foundation's height to its module.
std::string depthSource(const CalculationResult& r) {
    const DepthResult& depth = r.depth;
    std::string source = depth.socketGoverns ? "по глубине стакана с днищем"
                         : depth.given       ? "задана"
                                             : "по глубине промерзания";
    // a height already on the module (within 0.1 mm) was not rounded
    if (std::fabs(static_cast<double>(depth.Hf) - depth.HfExact) > 0.0001) {
        source += ", с высотой фундамента, округленной до модуля d_h";
    }
    return source;
}

// 2. Глубина заложения
void writeDepth(const Context& x) {
    NoteWriter& w = x.w;
    const DepthResult& depth = x.result.depth;
    const ProjectRecord& in = x.in;
    w.heading("2. Глубина заложения");
    if (depth.given) {
        w.para("Глубина заложения задана: d = " + w.v(depth.dStart) +
               " м; глубина промерзания не вычисляется.");
    } else {
        w.para("d0 = " + w.v(depth.d0) + " м — по виду грунта «" +
               listItem(x.pass.input, ListField::frostSoil) + "» (" + clause(kBases, "п. 2.27") + ").");
        w.formula("dfn", "d0·√Mt", w.v(depth.d0) + "·√" + w.v(std::fabs(depth.Mt)), w.r(depth.dfn), "м",
                  clause(kBases, "п. 2.27, формула (2)"));
        w.para("kh = " + w.v(depth.kh) +
               " — по табл. 1 (пол, температура в помещении), с поправкой на вылет подошвы (" +
               clause(kBases, "п. 2.28, табл. 1, примечание") + ").");
        w.formula("df", "kh·dfn", w.v(depth.kh) + "·" + w.v(depth.dfn), w.r(depth.df), "м",
                  clause(kBases, "п. 2.28, формула (3)"));
        w.para("По глубине промерзания d = df = " + w.r(depth.df) + " м.");
    }
    w.formula("dст", "hстак + hдн − отм. верха подколонника + отм. рельефа",
              w.v(in.socketDepth) + " + " + w.v(in.socketBottom) + " − " + w.v(in.pedestalTop) + " + " +
                  w.v(in.groundLevel),
              w.r(depth.dSocket), "м",
              std::string("стакан и его днище помещаются в фундаменте, ") + kOwnRule);
    w.para(depth.socketGoverns
               ? "Глубину определяет стакан: dст = " + w.r(depth.dSocket) + " м > " + w.r(depth.dStart) +
                     " м."
               : "Глубину определяет " + std::string(depth.given ? "заданное значение" : "промерзание") +
                     ": " + w.r(depth.dStart) + " м ≥ dст = " + w.r(depth.dSocket) + " м.");
    const double dUsed = depth.socketGoverns ? depth.dSocket : depth.dStart;
    w.formula("Hf", "d − отм. рельефа + отм. верха подколонника",
              w.v(dUsed) + " − " + w.v(in.groundLevel) + " + " + w.v(in.pedestalTop), w.r(depth.HfExact), "м",
              "");
    w.para("Высота фундамента округлена вверх до модуля d_h = " + w.v(in.d_h) + " м: Hf = " + w.r(depth.Hf) +
           " м (" + kOwnRule + ").");
    w.formula("d", "Hf + отм. рельефа − отм. верха подколонника",
              w.v(depth.Hf) + " + " + w.v(in.groundLevel) + " − " + w.v(in.pedestalTop), w.r(depth.d), "м",
              "");
    w.para("Принята глубина заложения d = " + w.r(depth.d) + " м — " + depthSource(x.result) + ".");
}

// Where γc1 and γc2 came from: the soil, the building's scheme and L/H (interpolated in table 3
// between 1,5 and 4; a flexible building takes γc2 = 1).
std::string reliabilitySource(const ProjectForm& form, const NoteWriter& w) {
    std::string text = "по виду грунта «" + listItem(form, ListField::soil) + "»";
    if (form.choice(ListField::scheme) == 1) {
        return text + "; здание с гибкой конструктивной схемой: γc2 = 1";
    }
    const std::optional<float> LH = lengthToHeightRatio(form);
    if (!LH) {
        return text;
    }
    return text + ", жесткой схеме здания и L/H = " + w.v(*LH) + " (между 1,5 и 4 — линейная интерполяция)";
}

// 3. Расчетное сопротивление грунта
void writeResistance(const Context& x) {
    NoteWriter& w = x.w;
    const BaseSizeResult& base = x.result.base;
    const SoilResistanceResult& s = base.soil;
    w.heading("3. Расчетное сопротивление грунта");
    if (!base.found) {
        w.para("Подошва не подобрана; ниже — R для последней проверенной ширины b = " + w.v(s.b) + " м.");
    }
    if (s.Yc1Given || s.Yc2Given || s.kGiven) {
        w.para("γc1 = " + w.v(s.Yc1) + (s.Yc1Given ? " (задано)" : "") + ", γc2 = " + w.v(s.Yc2) +
               (s.Yc2Given ? " (задано)" : "") + " — " + clause(kBases, "табл. 3") + " (" +
               reliabilitySource(x.pass.input, w) + "); k = " + w.v(s.k) + (s.kGiven ? " (задано)" : "") +
               " — " + clause(kBases, "п. 2.41") + ". Заданные значения заменяют табличные.");
    } else {
        w.para("γc1 = " + w.v(s.Yc1) + ", γc2 = " + w.v(s.Yc2) + " — " + clause(kBases, "табл. 3") + " (" +
               reliabilitySource(x.pass.input, w) + "); k = " + w.v(s.k) + " — " + clause(kBases, "п. 2.41") +
               ".");
    }
    if (s.fiiLow != s.fiiHigh) {
        w.para("Mγ, Mq, Mc — " + clause(kBases, "табл. 4") + " при φII = " + w.v(x.in.fii) +
               "°, линейная интерполяция между строками φ1 = " + w.v(s.fiiLow) +
               "° и φ2 = " + w.v(s.fiiHigh) + "°:");
        const char* const names[3] = {"Mγ", "Mq", "Mc"};
        const float values[3] = {s.My, s.Mq, s.Mc};
        for (std::size_t i = 0; i < 3; ++i) {
            const char* const name = names[i];
            w.formula(
                name, std::string(name) + "(φ1) + [" + name + "(φ2) − " + name + "(φ1)]·(φII − φ1)/(φ2 − φ1)",
                w.v(s.low[i]) + " + (" + w.v(s.high[i]) + " − " + w.v(s.low[i]) + ")·(" + w.v(x.in.fii) +
                    " − " + w.v(s.fiiLow) + ")/(" + w.v(s.fiiHigh) + " − " + w.v(s.fiiLow) + ")",
                w.r(values[i]), "", clause(kBases, "табл. 4"));
        }
    } else {
        w.para("Mγ = " + w.v(s.My) + ", Mq = " + w.v(s.Mq) + ", Mc = " + w.v(s.Mc) + " — " +
               clause(kBases, "табл. 4") + " при φII = " + w.v(x.in.fii) + "° (строка таблицы).");
    }
    w.para("kz = " + w.v(s.kz) + " — при b < 10 м kz = 1, иначе kz = z0/b + 0,2 при z0 = 8 м (" +
           clause(kBases, "п. 2.41") + ").");
    if (s.basement) {
        if (s.hsFromDepth) {
            w.formula("hs", "d − db − hcf", w.v(s.d) + " − " + w.v(s.dbGiven) + " − " + w.v(s.hcf), w.r(s.hs),
                      "м", std::string("грунт над подошвой со стороны подвала, ") + kOwnRule);
        }
        w.formula("d1", "hs + hcf·γcf/γ'II",
                  w.v(s.hs) + " + " + w.v(s.hcf) + "·" + w.v(s.Ycf) + "/" + w.v(s.Yii1), w.r(s.d1), "м",
                  clause(kBases, "п. 2.41, формула (8)"));
        w.para(s.dbLimited ? "db = " + w.v(s.dbGiven) + " м больше 2 м: принято db = 2 м (" +
                                 clause(kBases, "п. 2.41") + "; при ширине подвала более 20 м задают db = 0)."
                           : "db = " + w.v(s.db) + " м (" + clause(kBases, "п. 2.41") +
                                 "; при ширине подвала более 20 м задают db = 0).");
        w.formula("R", "γc1·γc2/k·[Mγ·kz·b·γII + Mq·d1·γ'II + (Mq − 1)·db·γ'II + Mc·cII]",
                  w.v(s.Yc1) + "·" + w.v(s.Yc2) + "/" + w.v(s.k) + "·[" + w.v(s.My) + "·" + w.v(s.kz) + "·" +
                      w.v(s.b) + "·" + w.v(s.Yii) + " + " + w.v(s.Mq) + "·" + w.v(s.d1) + "·" + w.v(s.Yii1) +
                      " + (" + w.v(s.Mq) + " − 1)·" + w.v(s.db) + "·" + w.v(s.Yii1) + " + " + w.v(s.Mc) +
                      "·" + w.v(s.cii) + "]",
                  w.r(s.R), "кПа", clause(kBases, "формула (7)"));
        return;
    }
    w.para("Здание без подвала: d1 = d = " + w.v(s.d) + " м, db = 0 (" + kOwnRule + ").");
    w.formula("R", "γc1·γc2/k·[Mγ·kz·b·γII + Mq·d1·γ'II + Mc·cII]",
              w.v(s.Yc1) + "·" + w.v(s.Yc2) + "/" + w.v(s.k) + "·[" + w.v(s.My) + "·" + w.v(s.kz) + "·" +
                  w.v(s.b) + "·" + w.v(s.Yii) + " + " + w.v(s.Mq) + "·" + w.v(s.d) + "·" + w.v(s.Yii1) +
                  " + " + w.v(s.Mc) + "·" + w.v(s.cii) + "]",
              w.r(s.R), "кПа", clause(kBases, "формула (7)"));
}

void writeCombination(NoteWriter& w, int j, const PressureCheck& check, float R, const BaseSizeResult& base,
                      const DepthResult& depth, const ProjectRecord& in) {
    const std::string A = w.v(base.A);
    const std::string W = "(" + w.v(base.b) + "·" + w.v(base.l) + "²/6)";
    const std::string moment = "|" + w.v(check.M) + " + " + w.v(check.Q) + "·" + w.v(depth.Hf) + "|";
    // γmt, 20 kN/m3 unless given
    const std::string g = w.v(in.Ymt);
    const std::string weight = g + " кН/м³ — средний вес фундамента и грунта на уступах, " +
                               (in.Ymt != 20.0f ? std::string("задано") : std::string(kOwnRule));
    w.sub("Сочетание " + std::to_string(j) + " — " + kCombinationNames[j]);
    w.formula("p", "NII/A + " + g + "·d", w.v(check.N) + "/" + A + " + " + g + "·" + w.v(depth.d),
              w.r(check.p), "кПа", weight);
    if (check.N != 0.0f) {
        w.formula("e", "(MII + QII·Hf)/NII",
                  "(" + w.v(check.M) + " + " + w.v(check.Q) + "·" + w.v(depth.Hf) + ")/" + w.v(check.N),
                  w.r(check.moment / check.N), "м", "");
    }
    w.formula("pmax", "NII/A + " + g + "·d + |MII + QII·Hf|/(b·l²/6)",
              w.v(check.N) + "/" + A + " + " + g + "·" + w.v(depth.d) + " + " + moment + "/" + W,
              w.r(check.pmax), "кПа", "");
    w.formula("pmin", "NII/A + " + g + "·d − |MII + QII·Hf|/(b·l²/6)",
              w.v(check.N) + "/" + A + " + " + g + "·" + w.v(depth.d) + " − " + moment + "/" + W,
              w.r(check.pmin), "кПа", "");
    w.verdict(check.pOk, w.check("p = " + w.r(check.p), "≤", "R = " + w.r(R) + " кПа", check.pOk) + " (" +
                             clause(kBases, "п. 2.41") + ")");
    w.verdict(check.pmaxOk, w.check("pmax = " + w.r(check.pmax), "≤",
                                    "1,2·R = " + w.r(kEdgePressureFactor * R) + " кПа", check.pmaxOk));
    w.verdict(check.pminOk, w.check("pmin = " + w.r(check.pmin), "≥", "0", check.pminOk) +
                                " (отрыв подошвы не допускается, " + kOwnRule + ")");
}

// 4. Размеры подошвы
void writeBase(const Context& x) {
    NoteWriter& w = x.w;
    const BaseSizeResult& base = x.result.base;
    const DepthResult& depth = x.result.depth;
    w.heading("4. Размеры подошвы");
    if (base.given) {
        w.para("Подошва задана: b × l = " + w.r(base.b) + " × " + w.r(base.l) +
               " м; она не подбирается, а проверяется давлениями (" + clause(kBases, "п. 2.41") +
               "), и расчет продолжается при любом исходе; R — при заданной ширине b.");
        w.formula("A", "b·l", w.v(base.b) + "·" + w.v(base.l), w.r(base.A), "м²", "");
        std::vector<NoteTableRow> rows;
        for (int j = 1; j <= 3; ++j) {
            const PressureCheck& check = x.result.pressuresII[j];
            writeCombination(w, j, check, base.R, base, depth, x.in);
            rows.push_back({{std::to_string(j), w.r(check.p), w.r(check.pmax), w.r(check.pmin),
                             check.ok() ? kMet : kNotMet},
                            !check.ok()});
            x.summary.add("Давления под заданной подошвой, сочетание " + std::to_string(j),
                          "p ≤ R, pmax ≤ 1,2·R, pmin ≥ 0 (R = " + w.r(base.R) + " кПа)", check.ok());
        }
        w.sub("Давления под заданной подошвой (R = " + w.r(base.R) + " кПа)");
        w.table({"Сочетание", "p, кПа", "pmax, кПа", "pmin, кПа", "Проверки"}, std::move(rows));
        w.verdict(base.givenPasses,
                  base.givenPasses
                      ? "Заданная подошва проходит проверки давлений; kзап = " + w.r(base.kzap) + "."
                      : "Заданная подошва не проходит проверки давлений: "
                        "необходимо увеличить размеры подошвы.");
        return;
    }
    w.para(
        "Перебор ширины b и длины l с шагом d_l = " + w.v(base.module) + " м до " + w.v(kLargestBaseSide) +
        " м при " + w.v(kSmallestSideRatio) +
        " ≤ b/l ≤ 1; для каждой ширины вычисляется R. Из подошв, проходящих все проверки "
        "давлений, принимается подошва с наименьшим запасом kзап = min[(R − p)/R; (1,2·R − pmax)/(1,2·R)] — "
        "грунт "
        "используется полнее всего (" +
        std::string(kOwnRule) + "). Проверено ширин: " + std::to_string(base.widthsTried) +
        ", допустимых подошв: " + std::to_string(base.admissible) + ".");
    if (!base.found) {
        const std::string side = w.v(kLargestBaseSide);
        w.fail("Ни одна подошва до " + side + " × " + side + " м не проходит проверки давлений.");
        x.summary.add("Подбор подошвы",
                      "хотя бы одна подошва до " + side + " × " + side + " м проходит проверки давлений",
                      false);
        return;
    }
    w.para("Принято: b × l = " + w.r(base.b) + " × " + w.r(base.l) + " м, kзап = " + w.r(base.kzap) + ".");
    w.formula("A", "b·l", w.v(base.b) + "·" + w.v(base.l), w.r(base.A), "м²", "");
    std::vector<NoteTableRow> rows;
    for (int j = 1; j <= 3; ++j) {
        const PressureCheck& check = x.result.pressuresII[j];
        writeCombination(w, j, check, base.R, base, depth, x.in);
        rows.push_back(
            {{std::to_string(j), w.r(check.p), w.r(check.pmax), w.r(check.pmin), check.ok() ? kMet : kNotMet},
             !check.ok()});
        x.summary.add("Давления, сочетание " + std::to_string(j),
                      "p ≤ R, pmax ≤ 1,2·R, pmin ≥ 0 (R = " + w.r(base.R) + " кПа)", check.ok());
    }
    w.sub("Давления под принятой подошвой (R = " + w.r(base.R) + " кПа)");
    w.table({"Сочетание", "p, кПа", "pmax, кПа", "pmin, кПа", "Проверки"}, std::move(rows));
    const BaseSizeResult::Neighbour& smaller = base.smaller;
    if (smaller.exists) {
        std::string why;
        if (smaller.failedCombination != 0) {
            const PressureCheck& check = smaller.checks[static_cast<std::size_t>(smaller.failedCombination)];
            why = "в сочетании " + std::to_string(smaller.failedCombination) + " ";
            if (!check.pOk) {
                why += "p = " + w.r(check.p) + " > R = " + w.r(smaller.R) + " кПа";
            } else if (!check.pmaxOk) {
                why += "pmax = " + w.r(check.pmax) + " > 1,2·R = " + w.r(kEdgePressureFactor * smaller.R) +
                       " кПа";
            } else {
                why += "pmin = " + w.r(check.pmin) + " < 0";
            }
        } else {
            why = "проверки выполняются, но ее запас kзап = " + w.r(smaller.kzap) + " не меньше принятого";
        }
        w.para("Предыдущая подошва перебора b × l = " + w.r(smaller.b) + " × " + w.r(smaller.l) +
               " м отклонена: " + why + ".");
    }
}

// The steps by k1.dat.
void writeStepsByK1(const Context& x) {
    NoteWriter& w = x.w;
    const CalculationResult& result = x.result;
    const PedestalResult& pedestal = result.pedestal;
    const StepsResult& s = result.steps;
    const ProjectRecord& data = x.in;
    w.formula("pK1", "(|MII2 + QII2·(d + отм. верха подколонника)|/(b·l²/6) + NII2/A)·0,001",
              "(|" + w.v(data.MII[2]) + " + " + w.v(data.QII[2]) + "·(" + w.v(result.depth.d) + " + " +
                  w.v(data.pedestalTop) + ")|/(" + w.v(s.b) + "·" + w.v(s.l) + "²/6) + " + w.v(data.NII[2]) +
                  "/" + w.v(result.base.A) + ")·0,001",
              w.r(s.pK1), "МПа", kOwnRule);
    w.formula("h01", "0,3 − dz − da/2", "0,3 − " + w.v(data.dz) + " − " + w.v(data.da) + "/2", w.r(s.h01),
              "м", "");
    const char* relation = s.pyramidCase == 1 ? ">" : s.pyramidCase == 2 ? "=" : "<";
    w.para("2·h01 = " + w.r(2.0 * s.h01) + " " + relation + " b − buc = " +
           w.r(static_cast<double>(s.b) - pedestal.buc) + " м: случай " + std::to_string(s.pyramidCase) +
           "; k1 = " + w.v(s.k1) + " — по таблице k1.dat при pK1 и классе бетона " +
           listItem(x.pass.input, ListField::concreteClass) + " (" + kOwnRule + ").");
    std::string heights;
    for (int i = 1; i <= s.nSteps; ++i) {
        heights += (i > 1 ? " + " : "") + w.v(s.h[i]);
    }
    if (s.fitted) {
        w.para("Набор ступеней из hstup.dat (" + std::string(kOwnRule) +
               "): первый, нижняя ступень которого при k1 "
               "доходит от края подошвы до подколонника, — набор " +
               std::to_string(s.setsTried) + ": hSteps = " + heights + " = " + w.r(s.hSteps) + " м.");
    } else {
        w.fail("Ни один набор ступеней hstup.dat (проверено " + std::to_string(s.setsTried) +
               ") не доходит до подколонника; взят последний: hSteps = " + w.r(s.hSteps) + " м.");
    }
    w.formula("l − 2·[(h1 − dz − da/2)·k1 + hSteps − h1]", "",
              w.v(s.l) + " − 2·[(" + w.v(s.h[1]) + " − " + w.v(data.dz) + " − " + w.v(data.da) + "/2)·" +
                  w.v(s.k1) + " + " + w.v(s.hSteps) + " − " + w.v(s.h[1]) + "]",
              w.r(static_cast<double>(s.l) - s.reach), "м", "");
    w.verdict(s.fitted, w.check("l − 2·[…] = " + w.r(static_cast<double>(s.l) - s.reach), "≤",
                                "luc = " + w.r(pedestal.luc) + " м", s.fitted));
}

// The rows of the 1989 layout's levels along one side.
std::vector<NoteTableRow> levelRows(const NoteWriter& w, const std::vector<StepLevel>& levels) {
    std::vector<NoteTableRow> rows;
    const auto row = [&](int level, const StepPunching& c, bool taken) {
        const std::string allowed = c.nothingOutside ? std::string("—") : w.r(c.pAllowed);
        const std::string table = c.nothingOutside ? std::string("—") : w.r(c.pTable / 1000.0);
        rows.push_back({{std::to_string(level) + (taken ? "" : " (следующий)"), w.r(c.h), w.r(c.c),
                         w.r(c.across), w.r(c.h0), c.nothingOutside ? std::string("—") : w.r(c.A0), w.r(c.bm),
                         table, allowed, c.ok ? (taken ? "принят" : kMet) : kNotMet},
                        !c.ok && taken});
    };
    for (const StepLevel& level : levels) {
        row(level.level, level.taken, true);
        if (level.nextRefused) {
            row(level.level, level.next, false);
        }
    }
    return rows;
}

// The steps by the 1989 manual: the set whose plate the pedestal does not punch, the levels below the
// top each as far as the step above them may punch it.
void writeStepsByManual(const Context& x) {
    NoteWriter& w = x.w;
    const CalculationResult& result = x.result;
    const StepsResult& s = result.steps;
    const ProjectRecord& in = x.in;
    const int j = s.pmaxCombination;
    w.para(
        "Вылеты ступеней — по Пособию 1989: ступени, продавливание и армирование подошвы считаются на "
        "давления от нагрузок I колонны без веса фундамента и грунта на уступах (он нагружает плиту не "
        "больше, чем она его несет).");
    w.formula("pmax", "NI/A + |MI + QI·Hf|/(b·l²/6)",
              w.v(in.NI[j]) + "/" + w.v(result.base.A) + " + |" + w.v(in.MI[j]) + " + " + w.v(in.QI[j]) +
                  "·" + w.v(result.depth.Hf) + "|/(" + w.v(s.b) + "·" + w.v(s.l) + "²/6)",
              w.r(s.pmax), "кПа", "сочетание " + std::to_string(j) + " — наибольшее из трех");
    w.formula("a", "dz + da/2", w.v(in.dz) + " + " + w.v(in.da) + "/2",
              w.r(static_cast<double>(in.dz) + 0.5 * static_cast<double>(in.da)), "м",
              "расстояние до центра нижних стержней; h0 = h − a");
    w.sub(std::string("5.1. Набор высот ступеней: ") +
          (s.givenSteps ? "заданный" : "первый набор hstup.dat, плиту которого подколонник не продавливает"));
    w.para(
        "Плита высотой h продавливается подколонником по пирамиде от граней подколонника до арматуры: "
        "c0 = (l − luc)/2 − h0, cb0 = (b − buc)/2 − h0, A0 = b·c0 − cb0² (без угла при cb0 ≤ 0), bm = buc + "
        "h0, "
        "F = pmax·A0 ≤ Rbt·bm·h0 (" +
        std::string(kConcrete) + ", п. 3.42; " + kManual + ").");
    std::vector<NoteTableRow> trials;
    for (std::size_t i = 0; i < s.trials.size(); ++i) {
        const PlatePunching& t = s.trials[i];
        trials.push_back({{std::to_string(i + 1), w.r(t.h), w.r(t.h0), w.r(t.c0), w.r(t.A0), w.r(t.bm),
                           w.r(t.F), w.r(t.capacity), t.ok ? kMet : kNotMet},
                          !t.ok && i + 1 == s.trials.size()});
    }
    w.table({"Набор", "h, м", "h0, м", "c0, м", "A0, м²", "bm, м", "F, кН", "Rbt·bm·h0, кН", "Проверка"},
            std::move(trials));
    if (!s.trials.empty()) {
        const PlatePunching& t = s.trials.back();
        w.formula("F", "pmax·A0", w.v(s.pmax) + "·" + w.v(t.A0), w.r(t.F), "кН", "");
        w.formula("Rbt·bm·h0", "", w.v(in.Rbt) + "·1000·" + w.v(t.bm) + "·" + w.v(t.h0), w.r(t.capacity),
                  "кН", clause(kConcrete, "п. 3.42"));
        w.verdict(t.ok, w.check("F = " + w.r(t.F), "≤", "Rbt·bm·h0 = " + w.r(t.capacity) + " кН", t.ok));
    }
    std::string heights;
    for (int i = 1; i <= s.nSteps; ++i) {
        heights += (i > 1 ? " + " : "") + w.v(s.h[i]);
    }
    if (s.fitted) {
        w.para("Принят набор " + std::to_string(s.setsTried) + ": hSteps = " + heights + " = " +
               w.r(s.hSteps) + " м.");
    } else {
        w.fail("Ни один набор ступеней не проходит продавливание подколонником (проверено " +
               std::to_string(s.setsTried) + "); взят последний: hSteps = " + heights + " = " +
               w.r(s.hSteps) + " м.");
    }
    w.sub("5.2. Вылеты ступеней");
    w.para(std::string(
               "Уровень i — ступени 1…i (высота h от подошвы), продавливаемые ступенью над ними; c — "
               "расстояние от "
               "края подошвы до грани этой ступени, b — сторона подошвы поперек вылета. Наибольшее давление, "
               "которое воспринимает грань пирамиды: p = Rbt·bm·h0/A0, A0 = b·(c − h0) − (c − h0)², bm = b − "
               "2·c + h0; "
               "при Rbt без γb2 это значения таблицы приложения 3 Пособия 1989"
               " (формула подобрана по значениям таблицы, приведенным в примерах Пособия, с точностью 0,0035 "
               "МПа; "
               "текста таблицы в программе нет, ") +
           kOwnRule + "). Вылет уровня — наибольшее кратное половины модуля d_l = " + w.v(in.d_l) +
           " м, при котором pmax ≤ p (то же, что pmax/γb2 ≤ pтабл), не дальше подколонника; "
           "верхняя ступень доходит до подколонника.");
    const std::vector<std::string> header = {"Уровень", "h, м",    "c, м",  "b, м",
                                             "h0, м",   "A0, м²",  "bm, м", "pтабл (γb2 = 1), МПа",
                                             "p, кПа",  "pmax ≤ p"};
    if (!s.levelsL.empty()) {
        w.para("Вдоль l (поперек — b = " + w.r(s.b) + " м), pmax = " + w.r(s.pmax) + " кПа:");
        w.table(header, levelRows(w, s.levelsL));
        w.para("Поперек момента, вдоль b (поперек — l = " + w.r(s.l) + " м):");
        w.table(header, levelRows(w, s.levelsB));
    }
}

// 5. Подколонник и ступени
void writeSteps(const Context& x) {
    NoteWriter& w = x.w;
    const CalculationResult& result = x.result;
    const PedestalResult& pedestal = result.pedestal;
    const StepsResult& s = result.steps;
    const ProjectRecord& in = x.in;
    w.heading("5. Подколонник и ступени");
    if (pedestal.fromTable) {
        w.para(pedestal.found ? "Сечение подколонника luc × buc = " + w.v(pedestal.luc) + " × " +
                                    w.v(pedestal.buc) + " м — по таблице sizepdkl.dat для колонны " +
                                    w.v(in.lc) + " × " + w.v(in.bc) + " м (" + kOwnRule + ")."
                              : "В таблице sizepdkl.dat нет подколонника для колонны " + w.v(in.lc) + " × " +
                                    w.v(in.bc) + " м.");
    } else {
        w.para("Сечение подколонника luc × buc = " + w.v(pedestal.luc) + " × " + w.v(pedestal.buc) +
               " м — задано.");
    }
    if (!result.stepsRan) {
        return;
    }
    if (s.b != s.bSearch || s.l != s.lSearch) {
        w.para("Подошва расширена до сечения подколонника: b × l = " + w.r(s.b) + " × " + w.r(s.l) +
               " м (площадь A поиска сохранена, " + kOwnRule + ").");
    }
    if (s.method == StepMethod::Manual1989) {
        writeStepsByManual(x);
    } else {
        writeStepsByK1(x);
    }
    std::vector<NoteTableRow> rows;
    for (int i = 1; i <= s.nSteps; ++i) {
        rows.push_back(
            {{std::to_string(i), w.r(s.h[i]), w.r(s.lStep[i]), w.r(s.bStep[i]), w.r(s.c[i]), w.r(s.cb[i])},
             false});
    }
    w.sub(s.method == StepMethod::Manual1989
              ? std::string("Ступени (вылеты c, cb — по 5.2)")
              : "Ступени (вылеты c, cb округлены вниз до половины модуля d_l, " + std::string(kOwnRule) +
                    ")");
    w.table({"Ступень", "h, м", "l, м", "b, м", "c, м", "cb, м"}, std::move(rows));
    if (s.huc >= 0.0f) {
        w.formula("huc", "Hf − hSteps", w.v(result.depth.Hf) + " − " + w.v(s.hSteps), w.r(s.huc), "м", "");
    } else {
        w.fail("Hf = " + w.r(result.depth.Hf) + " м < hSteps = " + w.r(s.hSteps) +
               " м: ступени выше фундамента, для подколонника места нет (huc не определена).");
    }
    x.summary.add("Подбор ступеней",
                  s.method == StepMethod::Manual1989 ? "плита не продавливается подколонником"
                                                     : "нижняя ступень доходит до подколонника",
                  s.fitted);
    const ClosingResult& closing = result.closing;
    w.verdict(!closing.stepsTooTall, w.check("hSteps = " + w.r(s.hSteps), "≤",
                                             "Hf = " + w.r(result.depth.Hf) + " м", !closing.stepsTooTall));
    if (closing.stepsTooTall) {
        w.fail("Необходимая глубина заложения фундамента d = " + w.r(closing.requiredD) + " м.");
    }
    x.summary.add("Высота ступеней", "hSteps ≤ Hf", !closing.stepsTooTall);
}

// The area outside the pyramid on the loaded side, its corners cut where the pyramid leaves less
// room along b than along l.
void writeOutsideArea(NoteWriter& w, const PunchingCheck& check, float b, double alongL, double alongB,
                      const char* lengthName, const char* widthName) {
    const double e = (alongL - alongB) / 2.0;
    w.formula("e", std::string("[(l − ") + lengthName + ") − (b − " + widthName + ")]/2",
              "(" + w.v(alongL) + " − " + w.v(alongB) + ")/2", w.r(e), "м", "");
    if (e < check.prod_h) {
        w.formula("A0", "c0·b − (c0 − e)²",
                  w.v(check.prod_h) + "·" + w.v(b) + " − (" + w.v(check.prod_h) + " − " + w.v(e) + ")²",
                  w.r(check.prod_A), "м²", std::string("углы срезаны, так как e < c0; ") + kOwnRule);
    } else {
        w.formula("A0", "c0·b", w.v(check.prod_h) + "·" + w.v(b), w.r(check.prod_A), "м²", kOwnRule);
    }
    if (check.prod_h <= 0.0f) {
        w.para("c0 ≤ 0: пирамида продавливания выходит за подошву, вне ее нет нагруженной площади.");
    }
}

// 6. Продавливание
void writePunching(const Context& x) {
    NoteWriter& w = x.w;
    const CalculationResult& result = x.result;
    const PunchingResult& punching = result.punching;
    const StepsResult& s = result.steps;
    const PedestalResult& pedestal = result.pedestal;
    const ProjectRecord& in = x.in;
    w.heading("6. Продавливание");
    std::vector<NoteTableRow> rows;
    for (int j = 1; j <= 3; ++j) {
        rows.push_back(
            {{std::to_string(j), w.r(punching.p[j]), w.r(punching.pmax[j]), w.r(punching.pmin[j])}, false});
    }
    const bool byManual = s.method == StepMethod::Manual1989;
    w.sub(byManual
              ? std::string("Давления по расчету по прочности от нагрузок I колонны, без веса фундамента и "
                            "грунта (") +
                    kManual + ")"
              : std::string(
                    "Давления по расчету по прочности (нагрузки I, тот же вид формул, что в разделе 4)"));
    w.table({"Сочетание", "p, кПа", "pmax, кПа", "pmin, кПа"}, std::move(rows));
    w.para("p12 = max pmax = " + w.r(punching.p12) + " кПа.");
    const std::string where = std::string(kConcrete) + ", п. 3.42; " + kManual;

    w.sub("6.1. Продавливание колонной от низа подколонника");
    const PunchingCheck& a = punching.byPedestal;
    const bool aRuns = a.ran;
    // steps taller than the foundation leave no pedestal to punch from: the check cannot run
    const bool noPedestalHeight = result.closing.stepsTooTall;
    if (noPedestalHeight) {
        w.fail("Hf = " + w.r(result.depth.Hf) + " м < hSteps = " + w.r(s.hSteps) +
               " м: ступени выше фундамента, проверка не выполнена (см. раздел 5).");
    } else {
        w.para("Условие проверки: Hf − hSteps + 0,001 ≥ (luc − lc)/2: " + w.r(a.conditionLeft + 0.001) +
               (aRuns ? " ≥ " : " < ") + w.r(a.conditionRight) + " м — " +
               (aRuns ? "проверка выполняется."
                      : "подколонник ниже своей пирамиды продавливания, проверка не требуется."));
    }
    if (aRuns && byManual) {
        w.formula("h0", "hSteps − dz − da/2", w.v(s.hSteps) + " − " + w.v(in.dz) + " − " + w.v(in.da) + "/2",
                  w.r(a.h0), "м", "");
        w.formula("c0", "(l − luc)/2 − h0", "(" + w.v(s.l) + " − " + w.v(pedestal.luc) + ")/2 − " + w.v(a.h0),
                  w.r(a.prod_h), "м", kManual);
        const double cb0 = (static_cast<double>(s.b) - pedestal.buc) / 2.0 - a.h0;
        w.formula("cb0", "(b − buc)/2 − h0",
                  "(" + w.v(s.b) + " − " + w.v(pedestal.buc) + ")/2 − " + w.v(a.h0), w.r(cb0), "м", "");
        w.formula("A0", cb0 > 0.0 ? "b·c0 − cb0²" : "b·c0",
                  w.v(s.b) + "·" + w.v(a.prod_h) + (cb0 > 0.0 ? " − " + w.v(cb0) + "²" : std::string()),
                  w.r(a.prod_A), "м²", kManual);
        w.formula("bm", "buc + h0", w.v(pedestal.buc) + " + " + w.v(a.h0), w.r(a.bm), "м", "");
        w.formula("F", "p12·A0", w.v(punching.p12) + "·" + w.v(a.prod_A), w.r(a.prod_F), "кН", "");
        const double capacity = a.resistance * a.h0;
        w.formula("Rbt·bm·h0", "", w.v(in.Rbt) + "·1000·" + w.v(a.bm) + "·" + w.v(a.h0), w.r(capacity), "кН",
                  where);
        w.verdict(!a.fails,
                  w.check("F = " + w.r(a.prod_F), "≤", "Rbt·bm·h0 = " + w.r(capacity) + " кН", !a.fails));
        x.summary.add("Продавливание от низа подколонника", "F ≤ Rbt·bm·h0", !a.fails);
    } else if (aRuns) {
        w.formula("h0", "hSteps − dz − da/2", w.v(s.hSteps) + " − " + w.v(in.dz) + " − " + w.v(in.da) + "/2",
                  w.r(a.h0), "м", "");
        w.formula("c0", "(l − luc)/2 − hSteps",
                  "(" + w.v(s.l) + " − " + w.v(pedestal.luc) + ")/2 − " + w.v(s.hSteps), w.r(a.prod_h), "м",
                  "");
        w.formula("bm", "buc + h0", w.v(pedestal.buc) + " + " + w.v(a.h0), w.r(a.bm), "м", "");
        writeOutsideArea(w, a, s.b, static_cast<double>(s.l) - pedestal.luc,
                         static_cast<double>(s.b) - pedestal.buc, "luc", "buc");
        w.formula("F", "p12·A0", w.v(punching.p12) + "·" + w.v(a.prod_A), w.r(a.prod_F), "кН", "");
        if (a.computable) {
            // F as the line above printed it
            w.formula("F/(Rbt·bm)", "", w.r(a.prod_F) + "/(" + w.v(in.Rbt) + "·1000·" + w.v(a.bm) + ")",
                      w.r(a.needed), "м", where);
            w.verdict(!a.fails,
                      w.check("F/(Rbt·bm) = " + w.r(a.needed), "≤", "h0 = " + w.r(a.h0) + " м", !a.fails));
        } else {
            w.fail("Rbt·bm = 0: прочность на продавливание не обеспечена.");
        }
        x.summary.add("Продавливание от низа подколонника", "F ≤ Rbt·bm·h0", !a.fails);
    } else if (noPedestalHeight) {
        x.summary.notRun("Продавливание от низа подколонника", "ступени выше фундамента");
    } else {
        x.summary.skipped("Продавливание от низа подколонника", "подколонник ниже своей пирамиды");
    }

    w.sub("6.2. Продавливание колонной дна стакана");
    const PunchingCheck& b = punching.socketBottom;
    w.para("Условие проверки: Hf − hстак < (luc − lc)/2 + hSteps и < (buc − bc)/2 + hSteps: " +
           w.r(b.conditionLeft) + " м; " + w.r(b.conditionRight) + " м; " +
           w.r(punching.socketConditionRightB) + " м — " +
           (b.ran ? "проверка выполняется."
                  : "дно стакана выше пирамиды продавливания, проверка не требуется."));
    if (b.ran) {
        w.formula("h0", "Hf − hстак − dz − da/2",
                  w.v(result.depth.Hf) + " − " + w.v(in.socketDepth) + " − " + w.v(in.dz) + " − " +
                      w.v(in.da) + "/2",
                  w.r(b.h0), "м", "");
        w.formula("bm", "bc + h0", w.v(in.bc) + " + " + w.v(b.h0), w.r(b.bm), "м", "");
        w.formula("c0", "(l − lc)/2 − (Hf − hстак + 0,05)",
                  "(" + w.v(s.l) + " − " + w.v(in.lc) + ")/2 − (" + w.v(b.conditionLeft) + " + 0,05)",
                  w.r(b.prod_h), "м", "");
        writeOutsideArea(w, b, s.b, static_cast<double>(s.l) - in.lc, static_cast<double>(s.b) - in.bc, "lc",
                         "bc");
        if (b.computable) {
            w.formula("pпр", "h0·Rbt·1000·bm/A0",
                      w.v(b.h0) + "·" + w.v(in.Rbt) + "·1000·" + w.v(b.bm) + "/" + w.v(b.prod_A),
                      w.r(b.capacity), "кПа",
                      std::string("несущая способность граней пирамиды как краевое давление, ") + kOwnRule);
            w.verdict(!b.fails, w.check("p12 = " + w.r(punching.p12), "≤",
                                        "pпр = " + w.r(b.capacity) + " кПа", !b.fails));
            if (byManual) {
                // as the course projects that follow the manual write it: the column's force against
                // the capacity over the whole base, for a load without eccentricity
                bool central = true;
                float N = 0;
                for (int j = 1; j <= 3; ++j) {
                    central = central && in.MI[j] == 0.0f && in.QI[j] == 0.0f;
                    N = std::max(N, in.NI[j]);
                }
                const double area = static_cast<double>(s.b) * s.l;
                w.para(central
                           ? w.check("N = " + w.r(N), "≤",
                                     "b·l·Rbt·bm·h0/A0 = " + w.r(area * b.capacity) + " кН",
                                     N <= area * b.capacity) +
                                 " (то же условие для центральной нагрузки, " + kManual + ")."
                           : std::string("Нагрузка внецентренная: сравнивается краевое давление от нагрузок "
                                         "колонны p12 (") +
                                 kManual + ").");
            }
        } else {
            w.para("A0 ≤ 0: вне пирамиды продавливания нет площади, продавливать нечему.");
        }
        x.summary.add("Продавливание дна стакана", "p12 ≤ h0·Rbt·bm/A0", !b.fails);
    } else {
        x.summary.skipped("Продавливание дна стакана", "дно стакана выше пирамиды");
    }
}

const char* sectionName(const ReinforcementSection& section) {
    return section.kind == SectionKind::StepBoundary   ? "граница ступеней"
           : section.kind == SectionKind::PedestalFace ? "грань подколонника"
                                                       : "грань колонны";
}

void writeSide(const Context& x, const ReinforcementSide& side, bool alongL) {
    NoteWriter& w = x.w;
    const ProjectRecord& in = x.in;
    const std::string name = alongL ? "l" : "b";
    const std::string across = alongL ? "b" : "l";
    w.sub(std::string("Сторона ") + name + (alongL ? " (в плоскости момента)" : " (поперек момента)"));
    if (side.governing < 0) {
        w.para("Ни одно сечение не требует арматуры; принят минимум.");
    } else {
        const ReinforcementSection& g = side.sections[static_cast<std::size_t>(side.governing)];
        std::string where = sectionName(g);
        if (g.kind == SectionKind::StepBoundary) {
            where += " " + std::to_string(g.step) + "–" + std::to_string(g.step + 1);
        }
        w.para("Определяющее сечение: " + where + ", сочетание " + std::to_string(g.combination) + " (" +
               kCombinationNames[g.combination] + "); c = " + w.r(g.c) + " м, h0 = " + w.r(g.h0) + " м.");
        if (alongL) {
            const PunchingResult& punching = x.result.punching;
            const double pmin = punching.pmin[static_cast<std::size_t>(g.combination)];
            w.formula("p1",
                      in.stepMethod == StepMethod::Manual1989
                          ? "pmax (нагрузки I колонны, без веса фундамента)"
                          : "pmax (нагрузки I)",
                      "", w.r(g.p1), "кПа", "");
            w.formula("p2", "pmin + (pmax − pmin)·(l − c)/l",
                      w.v(pmin) + " + (" + w.v(g.p1) + " − " + w.v(pmin) + ")·(" + w.v(x.result.steps.l) +
                          " − " + w.v(g.c) + ")/" + w.v(x.result.steps.l),
                      w.r(g.p2), "кПа", "");
        } else {
            const float N = in.NI[g.combination];
            if (in.stepMethod == StepMethod::Manual1989) {
                w.formula(
                    "p", "NI/A", w.v(N) + "/" + w.v(x.result.base.A), w.r(g.p1), "кПа",
                    std::string("равномерное давление поперек момента от нагрузок колонны, ") + kManual);
            } else {
                const std::string gm = w.v(in.Ymt);
                w.formula("p", "NI/A + " + gm + "·d",
                          w.v(N) + "/" + w.v(x.result.base.A) + " + " + gm + "·" + w.v(x.result.depth.d),
                          w.r(g.p1), "кПа", std::string("равномерное давление поперек момента, ") + kOwnRule);
            }
        }
        w.formula("M", alongL ? "c²·(2·p1 + p2)/6" : "c²·(2·p + p)/6",
                  w.v(g.c) + "²·(2·" + w.v(g.p1) + " + " + w.v(g.p2) + ")/6", w.r(g.M), "кН·м/м", kManual);
        w.formula("As", "M/(0,9·h0·Rs)·10⁴", w.v(g.M) + "/(0,9·" + w.v(g.h0) + "·" + w.v(in.Rs) + ")·10000",
                  w.r(g.As * 1e4), "см²/м", kManual);
        w.formula("As,тр", "As·" + across, w.v(g.As * 1e4) + "·" + w.v(side.across), w.r(side.required * 1e4),
                  "см²", "");
        std::vector<NoteTableRow> rows;
        for (const ReinforcementSection& section : side.sections) {
            if (section.combination != g.combination) {
                continue;
            }
            rows.push_back({{sectionName(section), w.r(section.c), w.r(section.h0), w.r(section.M),
                             w.r(section.As * 1e4)},
                            false});
        }
        w.table({"Сечение (сочетание " + std::to_string(g.combination) + ")", "c, м", "h0, м", "M, кН·м/м",
                 "As, см²/м"},
                std::move(rows));
    }
    w.formula("n", "⌊5·" + across + "⌋ + 1", "⌊5·" + w.v(side.across) + "⌋ + 1", w.whole(side.count), "шт",
              std::string("шаг 0,2 м, ") + kOwnRule);
    w.para(
        "Диаметр — четное число миллиметров больше расчетного √(4·As,тр/(π·n)), не менее 10 мм, при стороне "
        "более 3 м "
        "не менее 12 мм (" +
        std::string(kOwnRule) + "): ds = " + w.whole(side.diameter * 1000.0) + " мм.");
    w.formula("As,факт", "n·π·ds²/4",
              w.whole(side.count) + "·3,1415926·" + w.v(side.diameter * 100.0) + "²/4",
              w.r(side.area * 10000.0f), "см²", "");
    const bool enough = side.area * 1e4 + 1e-9 >= side.required * 1e4;
    w.verdict(enough, w.check("As,факт = " + w.r(side.area * 10000.0f), "≥",
                              "As,тр = " + w.r(side.required * 1e4) + " см²", enough));
}

// 7. Армирование подошвы
void writeReinforcement(const Context& x) {
    x.w.heading("7. Армирование подошвы");
    writeSide(x, x.result.reinforcement.alongL, true);
    writeSide(x, x.result.reinforcement.alongB, false);
}

// Terms rounded to `decimals` places, as whole units of the last place, that add up to the total
// rounded the same way: each is rounded down, and the units still missing go to the terms that lost
// the most (the largest remainder), so that none is more than one unit off its value.
std::vector<long> roundedToTotal(const std::vector<double>& terms, double total, int decimals) {
    const double scale = std::pow(10.0, decimals);
    std::vector<long> units;
    std::vector<std::pair<double, std::size_t>> remainders;
    long sum = 0;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const double scaled = terms[i] * scale;
        const auto down = static_cast<long>(std::floor(scaled + 1e-9));
        units.push_back(down);
        sum += down;
        remainders.emplace_back(scaled - static_cast<double>(down), i);
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    long missing = static_cast<long>(std::llround(total * scale)) - sum;
    for (std::size_t k = 0; missing > 0 && k < remainders.size(); ++k, --missing) {
        ++units[remainders[k].second];
    }
    for (std::size_t k = remainders.size(); missing < 0 && k-- > 0; ++missing) {
        --units[remainders[k].second];
    }
    return units;
}

// 8. Спецификация и расход материалов
void writeMaterials(const Context& x) {
    NoteWriter& w = x.w;
    const BillOfMaterials& bill = x.pass.quantities;
    const ProjectRecord& in = x.in;
    w.heading("8. Спецификация и расход материалов");
    if (!bill.designed) {
        w.para("Фундамент не запроектирован: спецификации нет.");
        return;
    }
    const int cover = static_cast<int>(std::lround(in.dz * 1000.0));
    w.para(
        "Сетка подошвы из отдельных стержней; стержни стороны l — нижний ряд, стороны b — над ними. Длина "
        "стержня — сторона подошвы за вычетом защитного слоя dz = " +
        std::to_string(cover) + " мм у каждого конца (тот же защитный слой, что снизу; " + kOwnRule +
        "). Число стержней — по разделу 7, крайние стержни на расстоянии dz + d/2 от граней, остальные "
        "равномерно между ними. Масса 1 м — по номинальной площади сечения и плотности стали 7850 кг/м³, "
        "округлена до грамма; масса стержня — масса 1 м на длину, до 0,01 кг; масса позиции — число "
        "стержней на массу одного. Класс стали — по Rs = " +
        w.v(in.Rs / 1000.0) + " МПа (" + clause(kConcrete, "табл. 22") + ").");
    const StepsResult& steps = x.result.steps;
    for (const BarPosition& bar : bill.bars) {
        const std::string n = std::to_string(bar.mark);
        w.sub("Позиция " + n + ": " + barName(bar) + ", " + barDirection(bar));
        const bool both = bar.alongL && bar.alongB;
        const std::string side = bar.alongL ? "l" : "b";
        const std::string across = bar.alongL ? "b" : "l";
        w.formula("l" + n, side + " − 2·dz", std::to_string(bar.side) + " − 2·" + std::to_string(cover),
                  std::to_string(bar.length), "мм", kOwnRule);
        if (both) {
            w.formula("n" + n, "nl + nb",
                      std::to_string(x.result.reinforcement.alongL.count) + " + " +
                          std::to_string(x.result.reinforcement.alongB.count),
                      std::to_string(bar.count), "шт", "равные стержни обеих сторон — одна позиция");
        } else {
            w.formula("n" + n, "⌊5·" + across + "⌋ + 1", "", std::to_string(bar.count), "шт", "раздел 7");
        }
        const int acrossSide = static_cast<int>(std::lround((bar.alongL ? steps.b : steps.l) * 1000.0));
        const int perSide = both ? bar.count / 2 : bar.count;
        if (perSide > 1) {
            w.formula("s" + n, "(" + across + " − 2·dz − d)/(n − 1)",
                      "(" + std::to_string(acrossSide) + " − " + std::to_string(2 * cover) + " − " +
                          std::to_string(bar.diameter) + ")/" + std::to_string(perSide - 1),
                      std::to_string(bar.spacing), "мм", "");
        }
        w.formula("m", "7850·π·d²/4", "7850·π·" + w.v(bar.diameter / 1000.0) + "²/4",
                  formatFixed(bar.massPerMetre, 3, w.separator()), "кг/м", "");
        w.formula("m" + n, "m·l" + n,
                  formatFixed(bar.massPerMetre, 3, w.separator()) + "·" +
                      formatFixed(bar.length / 1000.0, 3, w.separator()),
                  hundredthsText(bar.unitMass, w.separator()), "кг", "");
        std::string product = "n";
        product += n;
        product += "·m";
        product += n;
        w.formula("M" + n, product,
                  std::to_string(bar.count) + "·" + hundredthsText(bar.unitMass, w.separator()),
                  hundredthsText(bar.mass, w.separator()), "кг", "");
    }
    std::string meshSum;
    for (const BarPosition& bar : bill.bars) {
        meshSum += (meshSum.empty() ? "" : " + ") + hundredthsText(bar.mass, w.separator());
    }
    w.formula("Mсетки", "Σ Mi", meshSum, hundredthsText(bill.meshMass, w.separator()), "кг", "");

    w.sub("Спецификация (" + clause(kDrawings, "форма 7") + ")");
    std::vector<NoteTableRow> rows;
    rows.push_back({{"", "", "Детали", "", "", ""}, false});
    for (const BarPosition& bar : bill.bars) {
        rows.push_back(
            {{std::to_string(bar.mark), bar.steel.standard, barName(bar), std::to_string(bar.count),
              hundredthsText(bar.unitMass, w.separator()), hundredthsText(bar.mass, w.separator()) + " кг"},
             false});
    }
    rows.push_back({{"", "", "Материалы", "", "", ""}, false});
    rows.push_back({{"", "", "Бетон класса " + bill.concrete.concreteClass, "", "",
                     litresAsCubicMetres(bill.concrete.volume, w.separator()) + " м³"},
                    false});
    w.table({"Поз.", "Обозначение", "Наименование", "Кол.", "Масса ед., кг", "Примечание"}, std::move(rows));

    w.sub("Ведомость расхода стали, кг (" + std::string(kDrawings) + ")");
    w.para(
        "Масса каждого диаметра — сумма масс его позиций, округленная до 0,1 кг; «Итого» и «Всего» — "
        "суммы этих округленных значений.");
    std::vector<NoteTableRow> steel;
    std::size_t next = 0;
    for (const SteelClassTotal& total : bill.classTotals) {
        for (; next < bill.steel.size() && bill.steel[next].steel.name == total.steel.name; ++next) {
            const SteelColumn& column = bill.steel[next];
            steel.push_back({{kFoundationMark, total.steel.name, total.steel.standard,
                              "Ø" + std::to_string(column.diameter), tenthsText(column.mass, w.separator())},
                             false});
        }
        steel.push_back({{kFoundationMark, total.steel.name, total.steel.standard, "Итого",
                          tenthsText(total.mass, w.separator())},
                         false});
    }
    steel.push_back({{kFoundationMark, "", "", "Всего", tenthsText(bill.steelTotal, w.separator())}, false});
    w.table({"Марка элемента", "Класс", "Обозначение", "Диаметр", "Масса, кг"}, std::move(steel));

    const ConcreteQuantities& c = bill.concrete;
    const auto m3 = [&](long litres) { return litresAsCubicMetres(litres, w.separator()); };
    const auto metres = [&](double value) { return formatFixed(value, 3, w.separator()); };
    w.sub("Бетон класса " + c.concreteClass);
    w.para(
        "Объем — ступени и подколонник за вычетом стакана; размеры в миллиметрах, каждый объем округлен до "
        "0,001 м³, итог — сумма округленных. Стакан — зазоры у колонны 75 мм поверху и 50 мм понизу, как на "
        "схеме (" +
        std::string(kOwnRule) + ").");
    std::string stepsSum;
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        w.formula("V" + std::to_string(k),
                  "h" + std::to_string(k) + "·l" + std::to_string(k) + "·b" + std::to_string(k),
                  metres(steps.h[k]) + "·" + metres(steps.lStep[k]) + "·" + metres(steps.bStep[k]),
                  m3(c.steps[i]), "м³", "");
        stepsSum += m3(c.steps[i]) + " + ";
    }
    w.formula("Vп", "luc·buc·(Hf − hSteps)",
              metres(x.result.pedestal.luc) + "·" + metres(x.result.pedestal.buc) + "·" +
                  metres(c.pedestalHeight / 1000.0),
              m3(c.pedestal), "м³", "");
    const double topL = c.socketTopL / 1000.0;
    const double topB = c.socketTopB / 1000.0;
    const double bottomL = c.socketBottomL / 1000.0;
    const double bottomB = c.socketBottomB / 1000.0;
    w.formula("Vст", "hстак/6·(Aверх + Aниз + 4·Aср)",
              metres(c.socketDepth / 1000.0) + "/6·(" + metres(topL) + "·" + metres(topB) + " + " +
                  metres(bottomL) + "·" + metres(bottomB) + " + 4·" + w.v((topL + bottomL) / 2) + "·" +
                  w.v((topB + bottomB) / 2) + ")",
              m3(c.socket), "м³", "стакан — призматоид");
    w.formula("V", "ΣVi + Vп − Vст", stepsSum + m3(c.pedestal) + " − " + m3(c.socket), m3(c.volume), "м³",
              "");

    w.sub("Вес фундамента и грунта на его уступах");
    w.para("Давления по подошве в разделе 4 вычислены со средним весом фундамента и грунта на уступах " +
           w.v(x.in.Ymt) +
           " кН/м³. "
           "Проверка: вес железобетона 25 кН/м³, грунт — γ'II на объеме призмы l·b·d за вычетом фундамента "
           "(со стаканом) в ее пределах.");
    const auto kN = [&](long hundredths) { return hundredthsText(hundredths, w.separator()); };
    w.formula("Gf", "25·V", "25·" + m3(c.volume), kN(c.weight), "кН", "");
    w.formula("Vd", "l·b·d", metres(steps.l) + "·" + metres(steps.b) + "·" + metres(c.depth / 1000.0),
              m3(c.prism), "м³", "");
    w.formula("Gгр", "γ'II·(Vd − Vф,d)",
              w.v(c.soilWeight) + "·(" + m3(c.prism) + " − " + m3(c.belowGround) + ")", kN(c.soil), "кН",
              "Vф,d — объем фундамента в пределах d");
    w.formula("γm", "(Gf + Gгр)/Vd", "(" + kN(c.weight) + " + " + kN(c.soil) + ")/" + m3(c.prism),
              kN(c.meanWeight), "кН/м³", "");
    // the weight the pressures took, 20 kN/m3 unless given
    const double assumed = x.in.Ymt;
    if (assumed > 0.0) {
        const double difference = (static_cast<double>(c.meanWeight) / 100.0 - assumed) / assumed * 100.0;
        w.para("Принятые " + w.v(assumed) + " кН/м³ " + std::string(difference >= 0 ? "меньше" : "больше") +
               " фактического γm на " + formatFixed(std::fabs(difference), 1, w.separator()) + " %.");
    }
    w.para(kNotDesignedByProgram);
}

// 9. Осадка
void writeSettlement(const Context& x) {
    NoteWriter& w = x.w;
    w.heading("9. Осадка основания");
    if (!x.pass.settlement) {
        w.para("Слои грунта под подошвой не заданы — осадка не рассчитывалась («Расчет осадки»).");
        return;
    }
    const SettlementResult& s = x.pass.settlement->result;
    w.para("Метод послойного суммирования (" + clause(kBases, "приложение 2") + ").");
    if (!s.status) {
        w.fail("Осадка не рассчитана: " + s.status.message());
        x.summary.add("Осадка", "рассчитана", false);
        return;
    }
    w.formula("p", "среднее давление по подошве (наибольшее из сочетаний II)", "", w.r(s.p), "кПа", "");
    w.formula("σzg0", "Σ γi·hi до подошвы", "", w.r(s.sigmaZg0), "кПа", clause(kBases, "приложение 2, п. 2"));
    w.formula("p0", "p − σzg0", w.v(s.p) + " − " + w.v(s.sigmaZg0), w.r(s.p0), "кПа",
              clause(kBases, "приложение 2, п. 2"));
    if (s.noAdditionalPressure) {
        w.para("p0 ≤ 0: дополнительного давления нет, осадка не возникает.");
        return;
    }
    w.formula("η", "l/b", "", w.r(s.eta), "", "");
    // the sublayers' settlements to a thousandth of a centimetre that add up to s as printed
    std::vector<double> terms;
    for (const Sublayer& sub : s.sublayers) {
        terms.push_back(sub.s * 100.0);
    }
    const std::vector<long> shown = roundedToTotal(terms, s.s * 100.0, 3);
    std::vector<NoteTableRow> rows;
    for (std::size_t i = 0; i < s.sublayers.size(); ++i) {
        const Sublayer& sub = s.sublayers[i];
        rows.push_back(
            {{std::to_string(i + 1), w.r(sub.z1), w.r(sub.z2), w.r(sub.zeta), w.r(sub.alpha),
              w.r(sub.sigmaZp), w.r(sub.sigmaZg), w.r(sub.E), w.r(static_cast<double>(shown[i]) / 1000.0)},
             false});
    }
    w.para("Слои толщиной не более 0,4·b; σzp = α·p0, α по ζ = 2z/b и η (" +
           clause(kBases, "приложение 2, табл. 1") + "); si = β·(σzp,верх + σzp,низ)/2·hi/Ei, β = 0,8.");
    w.table({"№", "z1, м", "z2, м", "ζ", "α", "σzp, кПа", "σzg, кПа", "E, МПа", "si, см"}, std::move(rows));
    w.para("Нижняя граница сжимаемой толщи — где σzp = k·σzg, k = " + w.v(s.k) +
           (s.k < 0.2 ? " (у границы грунт с E < 5 МПа)" : "") + ": Hc = " + w.r(s.Hc) + " м (" +
           clause(kBases, "приложение 2, п. 6") + ").");
    std::string sum;
    for (std::size_t k = 0; k < shown.size(); ++k) {
        sum += (k > 0 ? " + " : "") + w.r(static_cast<double>(shown[k]) / 1000.0);
    }
    w.formula("s", "β·Σ σzp,i·hi/Ei = Σ si", sum, w.r(s.s * 100.0), "см",
              clause(kBases, "приложение 2, формула (1)"));
    w.verdict(!s.exceeds,
              w.check("s = " + w.r(s.s * 100.0), "≤", "su = " + w.r(s.su * 100.0) + " см", !s.exceeds) +
                  " (" + clause(kBases, "приложение 4") + ")");
    x.summary.add("Осадка", "s ≤ su", !s.exceeds);
}

// 11. The codes, standards and manuals the note cites.
void writeSources(NoteWriter& w, const BillOfMaterials& bill) {
    w.heading("11. Список использованных источников");
    std::vector<std::string> sources = {
        "СНиП 2.02.01-83. Основания зданий и сооружений.",
        "СНиП 2.03.01-84. Бетонные и железобетонные конструкции.",
        "Пособие по проектированию фундаментов на естественном основании под колонны зданий и сооружений (к "
        "СНиП 2.03.01-84 и СНиП 2.02.01-83). — 1989.",
    };
    bool gost5781 = false;
    bool gost34028 = false;
    for (const BarPosition& bar : bill.bars) {
        gost5781 = gost5781 || bar.steel.standard == "ГОСТ 5781-82";
        gost34028 = gost34028 || bar.steel.standard == "ГОСТ 34028-2016";
    }
    if (gost5781) {
        sources.emplace_back(
            "ГОСТ 5781-82. Сталь горячекатаная для армирования железобетонных конструкций. "
            "Технические условия.");
    }
    if (gost34028) {
        sources.emplace_back(
            "ГОСТ 34028-2016. Прокат арматурный для железобетонных конструкций. Технические "
            "условия.");
    }
    if (bill.designed) {
        sources.emplace_back(
            "ГОСТ 21.501-2011. СПДС. Правила выполнения рабочей документации архитектурных и "
            "конструктивных решений.");
    }
    for (std::size_t i = 0; i < sources.size(); ++i) {
        w.para(std::to_string(i + 1) + ". " + sources[i]);
    }
}

// Each formula numbered by its section and its place in it: "(4.2)".
void numberFormulas(CalculationNote& note) {
    int section = 0;
    int count = 0;
    for (NoteBlock& block : note.blocks) {
        if (block.kind == NoteBlockKind::Heading) {
            section = std::atoi(block.text.c_str());
            count = 0;
        } else if (block.kind == NoteBlockKind::Formula && section > 0) {
            block.formula.number = "(" + std::to_string(section) + "." + std::to_string(++count) + ")";
        }
    }
}

std::string stopReason(const ProjectPass& pass) {
    for (const ReportLine& line : pass.report) {
        if (line.failure && !line.text.empty()) {
            return line.text;
        }
    }
    return "";
}

}  // namespace

std::string formulaLine(const NoteFormula& formula) {
    std::string line = formula.symbol;
    for (const std::string* part : {&formula.expression, &formula.substituted}) {
        if (!part->empty()) {
            line += " = " + *part;
        }
    }
    line += " = " + formula.result;
    if (!formula.unit.empty()) {
        line += " " + formula.unit;
    }
    if (!formula.clause.empty()) {
        line += " (" + formula.clause + ")";
    }
    return line;
}

CalculationNote buildCalculationNote(const ProjectPass* pass, const NoteOptions& options) {
    CalculationNote note;
    NoteWriter w(note, options.decimalSeparator);
    w.title("Пояснительная записка к расчету фундамента");
    w.para("Проект: " + (options.fileName.empty() ? std::string("Новый проект") : options.fileName) + ".");
    // what the program cannot know: the student fills it in
    for (const char* field : {"Группа", "Студент", "Преподаватель"}) {
        w.add(NoteBlockKind::Field, field);
    }
    if (pass == nullptr) {
        w.para("Сначала выполните расчет.");
        return note;
    }
    if (options.stale) {
        w.fail(
            "Исходные данные изменены после расчета: записка показывает последний расчет. Выполните расчет "
            "заново.");
    }
    for (const std::string& warning : pass->warnings) {
        w.fail("Необычное значение: " + warning);
    }
    if (pass->outcome == PassOutcome::NotRun) {
        // a form that breaks its fields' rules gives the whole line already; a table, only the reason
        const std::string prefix = "Расчет не выполнен: ";
        w.fail(pass->reason.rfind(prefix, 0) == 0 ? pass->reason : prefix + pass->reason);
        return note;
    }
    note.calculated = true;
    Summary summary;
    const Context x{*pass, pass->record, pass->calculation, w, summary};
    writeInputs(x);
    const CalculationResult& result = pass->calculation;
    if (result.ran) {
        writeDepth(x);
        writeResistance(x);
        writeBase(x);
        if (result.base.found) {
            writeSteps(x);
        }
        if (result.stepsRan) {
            writePunching(x);
            writeReinforcement(x);
            writeMaterials(x);
        }
        writeSettlement(x);
    }
    w.heading("10. Итог");
    if (!result.ran) {
        w.fail("Расчет не выполнен: " + stopReason(*pass));
    } else if (result.stop != CalculationStop::None) {
        w.fail("Расчет не выполнен до конца: " + stopReason(*pass));
    }
    if (!summary.rows.empty()) {
        w.table({"Проверка", "Условие", "Результат"}, std::move(summary.rows));
    }
    bool anyFailure = false;
    for (const std::vector<ReportLine>* lines :
         {&pass->report, pass->settlement ? &pass->settlement->report
                                          : static_cast<const std::vector<ReportLine>*>(nullptr)}) {
        if (lines == nullptr) {
            continue;
        }
        for (const ReportLine& line : *lines) {
            if (line.failure && !line.text.empty()) {
                anyFailure = true;
                w.fail(line.text);
            }
        }
    }
    if (!anyFailure) {
        w.para("Все проверки выполняются.");
    }
    writeSources(w, pass->quantities);
    numberFormulas(note);
    return note;
}

std::vector<std::string> noteTextLines(const CalculationNote& note) {
    std::vector<std::string> lines;
    for (const NoteBlock& block : note.blocks) {
        if (block.kind == NoteBlockKind::Field) {
            lines.push_back(block.text + ": " + kFieldBlank);
            continue;
        }
        if (block.kind != NoteBlockKind::Table) {
            lines.push_back(block.text);
            continue;
        }
        std::string header;
        for (const std::string& cell : block.header) {
            header += (header.empty() ? "" : " | ") + cell;
        }
        lines.push_back(header);
        for (const NoteTableRow& row : block.rows) {
            std::string text;
            for (std::size_t i = 0; i < row.cells.size(); ++i) {
                text += (i > 0 ? " | " : "") + row.cells[i];
            }
            lines.push_back(text);
        }
    }
    return lines;
}

}  // namespace fundis
