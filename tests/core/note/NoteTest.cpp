// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation note as the builder makes it: its sections, formula lines and verdicts for the
// sand project, a project with layers and projects that fail or do not run.

#include "core/note/CalculationNote.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "core/files/DanFile.h"
#include "core/model/NumberFormat.h"
#include "core/note/SvgCanvas.h"
#include "support/SampleProject.h"

using namespace fundis;

namespace {

PassOptions passOptions(char separator = ',') {
    PassOptions options;
    options.tablesDir = FUNDIS_TABLES_DIR;
    options.decimalSeparator = separator;
    return options;
}

// Three layers under the sand project's base, the building type with su = 8 cm.
SettlementInputs threeLayers() {
    SettlementInputs inputs;
    inputs.layers = {{"1,5", "18", "12"}, {"2", "19", "20"}, {"3", "19,5", "25"}};
    inputs.buildingType = 0;
    return inputs;
}

std::vector<std::string> lines(const ProjectPass* pass, char separator = ',') {
    return noteTextLines(buildCalculationNote(pass, {"sand.dan", separator, false}));
}

bool has(const std::vector<std::string>& text, const std::string& line) {
    return std::find(text.begin(), text.end(), line) != text.end();
}

// The lines that start with `prefix`.
std::vector<std::string> starting(const std::vector<std::string>& text, const std::string& prefix) {
    std::vector<std::string> found;
    std::copy_if(text.begin(), text.end(), std::back_inserter(found),
                 [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
    return found;
}

std::vector<const NoteBlock*> blocksOf(const CalculationNote& note, NoteBlockKind kind) {
    std::vector<const NoteBlock*> found;
    for (const NoteBlock& block : note.blocks) {
        if (block.kind == kind) {
            found.push_back(&block);
        }
    }
    return found;
}

}  // namespace

// The formula line's parts in order, an empty part left out
TEST(NoteFormula, JoinsItsParts) {
    EXPECT_EQ(formulaLine({"A", "b·l", "1,2·1,8", "2,160", "м²", "", "(4.1)"}),
              "A = b·l = 1,2·1,8 = 2,160 м²");
    EXPECT_EQ(formulaLine({"p1", "pmax", "", "10,000", "кПа", "п. 1", ""}), "p1 = pmax = 10,000 кПа (п. 1)");
    EXPECT_EQ(formulaLine({"η", "", "", "1,091", "", "", ""}), "η = 1,091");
}

// Before a calculation and when the pass could not run at all
TEST(CalculationNote, SaysWhenThereIsNothingToShow) {
    const std::vector<std::string> none = lines(nullptr);
    EXPECT_TRUE(has(none, "Сначала выполните расчет."));
    EXPECT_FALSE(buildCalculationNote(nullptr, {}).calculated);
    EXPECT_TRUE(starting(none, "1. ").empty());

    PassOptions noTables = passOptions();
    noTables.tablesDir = "/nonexistent/tables";
    const ProjectPass notRun = runProjectPass(sandProjectForm(), noTables);
    ASSERT_EQ(notRun.outcome, PassOutcome::NotRun);
    const CalculationNote note = buildCalculationNote(&notRun, {});
    EXPECT_FALSE(note.calculated);
    EXPECT_TRUE(has(noteTextLines(note), "Расчет не выполнен: " + notRun.reason));
}

// The sand project: eleven sections in order, a formula line a combination, the program's own rules
// named as such, every number with the user's separator (the values themselves are recomputed for every
// sample by check-note-documents.py); the formulas numbered by section; the note of inputs changed
// after the calculation, and its HTML page
TEST(CalculationNote, SandProject) {
    const ProjectPass sand = runProjectPass(sandProjectForm(), passOptions());
    ASSERT_EQ(sand.outcome, PassOutcome::Complete);
    const CalculationNote note = buildCalculationNote(&sand, {"sand.dan", ',', false});
    std::vector<std::string> headings;
    for (const NoteBlock* block : blocksOf(note, NoteBlockKind::Heading)) {
        headings.push_back(block->text);
    }
    EXPECT_EQ(headings, (std::vector<std::string>{
                            "1. Исходные данные", "2. Глубина заложения", "3. Расчетное сопротивление грунта",
                            "4. Размеры подошвы", "5. Подколонник и ступени", "6. Продавливание",
                            "7. Армирование подошвы", "8. Спецификация и расход материалов",
                            "9. Осадка основания", "10. Итог", "11. Список использованных источников"}));
    const std::vector<std::string> text = noteTextLines(note);
    // the candidate just before the chosen base (l one module shorter); each combination's three
    // pressures and three verdicts, the weight of 20 kN/m3 as the program's; the formula and the check
    // of each combination and the pressure across b; the cantilever across b under the 1st limit
    // state's mean pressure, as the bars are computed
    const std::tuple<const char*, std::size_t, bool> formulas[] = {
        {"Предыдущая подошва перебора b × l = 1,800 × 1,800 м отклонена: в сочетании 1 pmax = ", 1, false},
        {"pmax = NII/A + 20·d + |MII + QII·Hf|/(b·l²/6) = ", 3, false},
        {"p = NII/A + 20·d = ", 3, true},
        {"p = ", 7, false},
        {"p = NI/A + 20·d = 1161,5/", 1, true}};
    for (const auto& [prefix, count, programsOwn] : formulas) {
        const std::vector<std::string> found = starting(text, prefix);
        ASSERT_EQ(found.size(), count) << prefix;
        EXPECT_TRUE(!programsOwn || found[0].find("принято в программе") != std::string::npos) << found[0];
    }
    EXPECT_TRUE(has(text, "Все проверки выполняются."));
    EXPECT_TRUE(
        has(text, "Слои грунта под подошвой не заданы — осадка не рассчитывалась («Расчет осадки»)."));
    EXPECT_TRUE(has(text, std::string("Группа: ") + kFieldBlank));
    // the formulas numbered by section in order, "(4.1)", "(4.2)"...; no number put into a formula or
    // coming out of it carries the other separator
    int section = 0, count = 0, numbered = 0;
    for (const NoteBlock& block : note.blocks) {
        if (block.kind == NoteBlockKind::Heading) {
            section = std::atoi(block.text.c_str());
            count = 0;
        } else if (block.kind == NoteBlockKind::Formula) {
            EXPECT_EQ(block.formula.number,
                      "(" + std::to_string(section) + "." + std::to_string(++count) + ")")
                << block.text;
            ++numbered;
            EXPECT_EQ(block.formula.substituted.find('.'), std::string::npos) << block.text;
            EXPECT_EQ(block.formula.result.find('.'), std::string::npos) << block.text;
            if (block.formula.unit != "шт" &&
                block.formula.unit != "мм") {  // counts and millimetres are whole
                EXPECT_NE(block.formula.result.find(','), std::string::npos) << block.text;
            }
        }
    }
    EXPECT_GT(numbered, 40);
    // with "." chosen the same lines carry the point
    const ProjectPass point = runProjectPass(sandProjectForm(), passOptions('.'));
    const std::vector<std::string> withPoint = lines(&point, '.');
    EXPECT_EQ(withPoint.size(), text.size());
    EXPECT_NE(
        starting(withPoint, "R = ").front().find(formatFixed(point.calculation.base.R, 3, '.') + " кПа"),
        std::string::npos);
    // b one module narrower where l would be shorter than b (2,4 × 2,4 m)
    ProjectFile square;
    Status squareSettlement;
    ASSERT_TRUE(readProjectFile(FUNDIS_TEST_DATA_DIR "/loam_crane_debug.dan", square, squareSettlement).ok());
    const ProjectPass squarePass = runProjectPass(square.form, passOptions());
    EXPECT_EQ(starting(noteTextLines(buildCalculationNote(&squarePass, {"loam.dan", ',', false})),
                       "Предыдущая подошва перебора b × l = 2,100 × 2,400 м отклонена: ")
                  .size(),
              1u);

    SCOPED_TRACE("inputs changed after the calculation, as a page");
    EXPECT_TRUE(blocksOf(note, NoteBlockKind::Failure).empty());
    const CalculationNote stale = buildCalculationNote(&sand, {"a<b>.dan", ',', true});
    ASSERT_FALSE(blocksOf(stale, NoteBlockKind::Failure).empty());
    EXPECT_EQ(blocksOf(stale, NoteBlockKind::Failure).front()->text,
              "Исходные данные изменены после расчета: записка показывает последний расчет. Выполните расчет "
              "заново.");
    // the HTML page stands alone: UTF-8, the scheme inline, red lines marked, text escaped
    const std::string svg = schemeSvg({sand.record, sand.calculation, &sand.quantities}, 75, ',');
    EXPECT_EQ(svg.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"", 0), 0u);
    EXPECT_NE(svg.find(">Схема фундамента</text>"), std::string::npos);
    const std::string page = noteHtml(stale, svg);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_LT(page.find(svg), page.find("<h2>1. Исходные данные</h2>"));  // npos is not less
    EXPECT_NE(page.find("<p class=\"failure\">Исходные данные изменены после расчета"), std::string::npos);
    EXPECT_NE(page.find("Проект: a&lt;b&gt;.dan."), std::string::npos);
}

// A project with layers gets section 8 with a row a sublayer; one that fails marks the failing check
// red in the summary (the values and every red line of each sample are read back by
// check-note-documents.py)
TEST(CalculationNote, SettlementAndFailures) {
    const ProjectPass pass = runProjectPass(sandProjectForm(), threeLayers(), passOptions());
    ASSERT_TRUE(pass.settlement);
    const SettlementResult& s = pass.settlement->result;
    ASSERT_TRUE(s.status.ok());
    const CalculationNote note = buildCalculationNote(&pass, {"", ',', false});
    const auto tables = blocksOf(note, NoteBlockKind::Table);
    const bool sublayers = std::any_of(tables.begin(), tables.end(), [&](const NoteBlock* table) {
        return !table->header.empty() && table->header.front() == "№" &&
               table->rows.size() == s.sublayers.size();
    });
    EXPECT_TRUE(sublayers);

    // a heavy column on the sand: punching through the socket bottom fails
    ProjectForm heavy = sandProjectForm();
    heavy.text(TextField::socketBottom) = "0.1";  // a thin socket bottom
    heavy.text(TextField::QI2) = heavy.text(TextField::NI3) = heavy.text(TextField::NI2) = "4000";
    const ProjectPass failed = runProjectPass(heavy, passOptions());
    ASSERT_EQ(failed.outcome, PassOutcome::DesignFailures);
    const CalculationNote failedNote = buildCalculationNote(&failed, {});
    const auto summary = blocksOf(failedNote, NoteBlockKind::Table).back();
    const bool redRow = std::any_of(summary->rows.begin(), summary->rows.end(), [](const NoteTableRow& row) {
        return row.failure && row.cells[2] == "не выполняется";
    });
    EXPECT_TRUE(redRow);

    // steps taller than the foundation: no negative huc, and the pedestal's punching check says that
    // it did not run and why, in red, instead of "не требуется"
    ProjectFile tall;
    Status settlementRead;
    ASSERT_TRUE(
        readProjectFile(FUNDIS_TEST_DATA_DIR "/heavy_shallow_failure.dan", tall, settlementRead).ok());
    const ProjectPass tallPass = runProjectPass(tall.form, passOptions());
    ASSERT_TRUE(tallPass.calculation.closing.stepsTooTall);
    const CalculationNote tallNote = buildCalculationNote(&tallPass, {});
    const std::vector<std::string> text = noteTextLines(tallNote);
    EXPECT_TRUE(starting(text, "huc =").empty());
    const auto tallSummary = blocksOf(tallNote, NoteBlockKind::Table).back();
    const bool notRun =
        std::any_of(tallSummary->rows.begin(), tallSummary->rows.end(), [](const NoteTableRow& row) {
            return row.failure && row.cells[0] == "Продавливание от низа подколонника" &&
                   row.cells[2] == "не выполнена";
        });
    EXPECT_TRUE(notRun);
}

// The note says where each value came from: the laying depth (entered, the frost, the socket, and the
// rounding to the height module), the pedestal (entered or sizepdkl.dat), the base (searched, or
// widened to the pedestal) and φII as typed, a typed 0 as 0
TEST(CalculationNote, WhereTheValuesCameFrom) {
    using T = TextField;
    const struct {
        const char* what;
        std::vector<std::pair<T, const char*>> texts;
        std::vector<const char*> present;
        std::vector<const char*> absent;
    } rows[] = {
        {"the sand project: the socket, rounded; the pedestal from the table",
         {},
         {"Принята глубина заложения d = 1,650 м — по глубине стакана с днищем, с высотой фундамента, "
          "округленной до модуля d_h.",
          "Сечение подколонника luc × buc, м | не задано | по таблице sizepdkl.dat",
          "м — по таблице sizepdkl.dat"},
         {"Подошва расширена"}},
        {"a shallow socket: the frost depth",
         {{T::socketDepth, "0.3"}, {T::socketBottom, "0.2"}},
         {"по глубине промерзания, с высотой фундамента, округленной до модуля d_h."},
         {"по глубине стакана"}},
        {"the depth entered, on the module",
         {{T::d, "2.25"}},
         {"Глубина заложения d, м | 2,25 | задано", "Принята глубина заложения d = 2,250 м — задана."},
         {"по глубине промерзания."}},
        {"the pedestal entered, wider than the base: widened",
         {{T::luc, "3.3"}, {T::buc, "3"}},
         {"Сечение подколонника luc × buc, м | 3,3 × 3 | задано", "м — задано.",
          "Подошва расширена до сечения подколонника: b × l = 3,000 × 3,300 м"},
         {"по таблице sizepdkl.dat ("}},
        {"φII typed as 0", {{T::fii, "0"}, {T::cii, "30"}}, {"φII, ° | 0 | задано"}, {"1e-06", "1e-6"}},
        // the added fields: each value says it was given, with its formula and clause
        {"given coefficients, γb2 and γmt",
         {{T::Yc1Given, "1"}, {T::Yc2Given, "1"}, {T::kGiven, "1"}, {T::Yb2Given, "0.9"}, {T::Ymt, "18"}},
         {"γc1 | 1 | задано", "k | 1 | задано", "γc1 = 1 (задано), γc2 = 1 (задано)",
          "×γb2 = 0,9 (задано; γb2 — СНиП 2.03.01-84, табл. 15)",
          "γmt (фундамент с грунтом на уступах), кН/м³ | 18 | задано",
          "p = NII/A + 18·d = ", "18 кН/м³ — средний вес фундамента и грунта на уступах, задано",
          "на уступах 18 кН/м³. Проверка", "Принятые 18 кН/м³ "},
         {"20·d"}},
        {"a basement, its hs from the depth",
         {{T::db, "2.5"}, {T::hcf, "0.1"}, {T::Ycf, "22"}},
         {"hs = d − db − hcf = 1,65 − 2,5 − 0,1 = -0,950 м",
          "d1 = hs + hcf·γcf/γ'II = (-0,95) + 0,1·22/18 = -0,828 м "
          "(СНиП 2.02.01-83, п. 2.41, формула (8))",
          "db = 2,5 м больше 2 м: принято db = 2 м",
          "R = γc1·γc2/k·[Mγ·kz·b·γII + Mq·d1·γ'II + (Mq − 1)·db·γ'II + Mc·cII] = ",
          "Подошва фундамента не ниже пола подвала: d1 = hs + hcf·Ycf/Yii1 = -0,828м."},
         {"Здание без подвала"}},
        {"a given base and the 1989 manual's steps",
         {{T::bGiven, "2.4"}, {T::lGiven, "2.7"}},
         {"Подошва задана: b × l = 2,400 × 2,700 м", "Подошва b × l, м | 2,4 × 2,7 | задано (раздел 4)",
          "Вылеты ступеней | по Пособию 1989 | задано (раздел 5)", "5.2. Вылеты ступеней", "F = pmax·A0 = ",
          "Давления по расчету по прочности от нагрузок I колонны, без веса фундамента и грунта",
          "Ступени (вылеты c, cb — по 5.2)", "n = ⌊5·b⌋ + 1 = ⌊5·2,4⌋ + 1 = 13 шт",
          "n = ⌊5·l⌋ + 1 = ⌊5·2,7⌋ + 1 = 14 шт"},
         {"Перебор ширины", "pK1 = "}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ProjectForm form = sandProjectForm();
        for (const auto& [field, text] : row.texts) {
            form.text(field) = text;
        }
        if (form.text(T::bGiven) == "2.4") {
            form.choice(ListField::stepMethod) = static_cast<int>(StepMethod::Manual1989);
        }
        const ProjectPass pass = runProjectPass(form, passOptions());
        ASSERT_NE(pass.outcome, PassOutcome::NotRun) << pass.reason;
        std::string text;
        for (const std::string& line : lines(&pass)) {
            text += line + "\n";
        }
        for (const char* piece : row.present) {
            EXPECT_NE(text.find(piece), std::string::npos) << piece << "\n" << text;
        }
        for (const char* piece : row.absent) {
            EXPECT_EQ(text.find(piece), std::string::npos) << piece;
        }
    }
}
