// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/project/ProjectPass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <functional>

#include "core/calc/CheckPunching.h"
#include "core/files/DanFile.h"
#include "core/model/NumberFormat.h"
#include "core/project/Json.h"
#include "core/project/ProjectJson.h"
#include "support/SampleProject.h"
#include "support/TempFolder.h"

using namespace fundis;

namespace {

PassOptions options(char separator = '.', const std::string& tables = FUNDIS_TABLES_DIR) {
    PassOptions pass;
    pass.tablesDir = tables;
    pass.decimalSeparator = separator;
    return pass;
}

ProjectForm heavyProjectForm() {
    ProjectFile project;
    Status settlementPartRead;
    EXPECT_TRUE(
        readProjectFile(FUNDIS_TEST_DATA_DIR "/heavy_shallow_failure.dan", project, settlementPartRead).ok());
    return project.form;
}

std::string json(const ProjectPass& pass) {
    return projectJson("p.dan", pass.outcome, pass.report, pass.record, pass.calculation, false, nullptr);
}

bool hasLine(const ProjectPass& pass, const std::string& text) {
    return std::any_of(pass.report.begin(), pass.report.end(),
                       [&](const ReportLine& l) { return l.text == text; });
}

}  // namespace

// Complete, with design failures, or not run at all: then the reason names the file and no number
// of any calculation is left in the record. Every pass starts from an empty record: a project run
// after another gets only its own numbers.
TEST(ProjectPass, Outcomes) {
    const ProjectPass sand = runProjectPass(sandProjectForm(), options());
    EXPECT_EQ(sand.outcome, PassOutcome::Complete);
    EXPECT_EQ(sand.input, sandProjectForm());
    EXPECT_FALSE(sand.inputDialogNeeded);
    const ProjectPass heavy = runProjectPass(heavyProjectForm(), options());
    EXPECT_EQ(heavy.outcome, PassOutcome::DesignFailures);
    EXPECT_EQ(json(runProjectPass(sandProjectForm(), options())), json(sand));

    // the tables of the dialog's OK are there, table4.dat is not: not even the OK's numbers are left
    fundis::testing::TempFolder tables;
    for (const char* name : {"Rb.dat", "table3.dat", "k1.dat", "hstup.dat", "sizepdkl.dat"}) {
        std::filesystem::copy_file(std::string(FUNDIS_TABLES_DIR "/") + name, tables.file(name));
    }
    const ProjectPass missing = runProjectPass(sandProjectForm(), options('.', tables.path()));
    EXPECT_EQ(missing.outcome, PassOutcome::NotRun);
    EXPECT_NE(missing.reason.find(tables.file("table4.dat")), std::string::npos) << missing.reason;
    EXPECT_TRUE(missing.report.empty());
    EXPECT_EQ(json(missing), projectJson("p.dan", PassOutcome::NotRun, {}, ProjectRecord(),
                                         CalculationResult(), false, nullptr));
    EXPECT_EQ(json(runProjectPass(heavyProjectForm(), options())), json(heavy));
}

// A field the calculation cannot go without refuses the whole pass: one red line names every such
// field by label, group and tab, and says what is wrong; nothing is calculated. Each rule once: a
// required field empty or not above 0 (text that is no number reads as 0), φii outside 0…45°, Mt
// only while the depth d is empty, a cohesion, a depth or a size below 0, a list the calculation
// reads with no item chosen (the frost's lists only without a depth). Fields that may stay empty
// keep their meaning and run; with neither φII nor сII given the window would open the dialog first.
TEST(ProjectPass, FieldRulesRefuseTheCalculation) {
    using T = TextField;
    struct Row {
        std::vector<std::pair<T, const char*>> typed;
        const char* line;  // nullptr: the calculation runs
        std::vector<std::pair<ListField, int>> chosen = {};
    };
    const Row rows[] = {
        {{{T::Yii, ""}}, "Расчет не выполнен: Вес грунта ниже подошвы (вкладка «Грунт»): пусто. "},
        {{{T::NI2, "0"}, {T::da, "abc"}, {T::NII1, "-5"}},
         "Расчет не выполнен: N, Mmax, II предельное состояние (вкладка «Нагрузки»): «-5» не больше 0; "
         "da (вкладка «Фундамент»): «abc» не больше 0; N, Nmax, I предельное состояние (вкладка «Нагрузки»): "
         "«0» не больше 0. "},
        {{{T::fii, "45.5"}}, "Расчет не выполнен: φii (вкладка «Грунт»): «45.5» вне пределов 0…45 град. "},
        {{{T::fii, "-1"}}, "Расчет не выполнен: φii (вкладка «Грунт»): «-1» вне пределов 0…45 град. "},
        {{{T::Mt, ""}},
         "Расчет не выполнен: Mt (вкладка «Сооружение»): пусто, а глубина заложения d не задана. "},
        {{{T::Mt, ""}, {T::d, "1.5"}}, nullptr},
        {{{T::fii, "45"}, {T::MII1, ""}, {T::QI3, ""}, {T::buc, ""}, {T::groundLevel, ""}}, nullptr},
        {{{T::fii, ""}}, nullptr},  // reads as 0°, within the range
        {{{T::fii, ""}, {T::cii, ""}}, nullptr},
        {{{T::fii, ""}, {T::cii, "0"}}, nullptr},
        {{{T::cii, "-50"}}, "Расчет не выполнен: сii (вкладка «Грунт»): «-50» меньше 0. "},
        {{{T::d, "-1.5"}, {T::luc, "-0.9"}},
         "Расчет не выполнен: Высота сечения подколонника luc (вкладка «Фундамент»): «-0.9» меньше 0; d "
         "(вкладка «Фундамент»): «-1.5» меньше 0. "},
        {{},
         "Расчет не выполнен: Тип грунта для опр. расчетного сопротивления (вкладка «Грунт»): не выбрано. ",
         {{ListField::soil, -1}}},
        {{},
         "Расчет не выполнен: Температура (вкладка «Сооружение»): не выбрано. ",
         {{ListField::temperature, 9}}},
        {{{T::d, "1.8"}}, nullptr, {{ListField::temperature, -1}, {ListField::frostSoil, -1}}},
    };
    for (const Row& row : rows) {
        ProjectForm form = sandProjectForm();
        std::string what;
        for (const auto& [field, text] : row.typed) {
            form.text(field) = text;
            what += std::string(formField(field).name) + "=\"" + text + "\" ";
        }
        for (const auto& [field, choice] : row.chosen) {
            form.choice(field) = choice;
            what += std::string(formField(field).name) + "=" + std::to_string(choice) + " ";
        }
        const ProjectPass pass = runProjectPass(form, options());
        EXPECT_EQ(pass.inputDialogNeeded, form.text(T::fii).empty() && form.text(T::cii).empty()) << what;
        if (row.line == nullptr) {
            EXPECT_NE(pass.outcome, PassOutcome::NotRun) << what << pass.reason;
            continue;
        }
        EXPECT_EQ(pass.outcome, PassOutcome::NotRun) << what;
        ASSERT_EQ(pass.report.size(), 1u) << what;
        EXPECT_TRUE(pass.report[0].failure) << what;
        EXPECT_EQ(pass.report[0].text.rfind(row.line, 0), 0u) << what << "\n" << pass.report[0].text;
        EXPECT_EQ(pass.reason, pass.report[0].text) << what;
        EXPECT_EQ(json(pass), projectJson("p.dan", PassOutcome::NotRun, pass.report, ProjectRecord(),
                                          CalculationResult(), false, nullptr))
            << what;
    }
}

// Values far outside their usual ranges run, and the pass says which, with the range and its source
// (fundis-cli writes them to its standard error, the note at its top, the dialog's OK lists them)
TEST(ProjectPass, ImplausibleValuesAreSaidNotRefused) {
    ProjectForm form = sandProjectForm();
    EXPECT_TRUE(runProjectPass(form, options()).warnings.empty());
    form.text(TextField::Mt) = "1e6";
    form.text(TextField::Yii) = "1000000";
    form.text(TextField::dz) = "0,5";
    const ProjectPass pass = runProjectPass(form, options());
    EXPECT_NE(pass.outcome, PassOutcome::NotRun);
    ASSERT_EQ(pass.warnings.size(), 3u);
    EXPECT_EQ(
        pass.warnings[0].rfind("Mt (вкладка «Сооружение»): «1e6» — обычно от 0 до 250 (СНиП 2.01.01-82", 0),
        0u)
        << pass.warnings[0];
    EXPECT_NE(pass.warnings[1].find("«1000000» — обычно от 8 до 24 кН/м3"), std::string::npos)
        << pass.warnings[1];
    EXPECT_NE(pass.warnings[2].find("dz"), std::string::npos);
    form = sandProjectForm();
    form.text(TextField::Mt) = "-36.5";  // typed with its minus sign: the same frost
    EXPECT_TRUE(runProjectPass(form, options()).warnings.empty());
}

// Each added field's effect, on the sand project (a 1.8 x 2.1 m base at d = 1.65 m, Hf = 1.5 m,
// γc1·γc2/k = 1.3·1.1, R = 316.984 kPa, B 12,5, p12 = 395.528 kPa): given coefficients and base,
// γmt, γb2, a basement, given steps, the 1989 manual's pressures without the foundation's weight
TEST(ProjectPass, AddedFieldsChangeTheCalculation) {
    const double W = 1.8 * 2.1 * 2.1 / 6.0;
    // the given base's reserve: the least over the combinations of (R − p)/R and (1,2·R − pmax)/(1,2·R)
    const auto expectReserve = [](const ProjectPass& pass) {
        const double R = pass.calculation.base.R;
        double reserve = 1.0;
        for (int j = 1; j <= 3; ++j) {
            const PressureCheck& c = pass.calculation.pressuresII[static_cast<std::size_t>(j)];
            reserve = std::min({reserve, (R - c.p) / R, (1.2 * R - c.pmax) / (1.2 * R)});
        }
        EXPECT_NEAR(pass.calculation.base.kzap, reserve, 1e-5);
        EXPECT_LT(reserve, 1.0 - pass.calculation.base.pEnv / R);  // here the edge pressure governs
    };
    struct Row {
        const char* what;
        std::vector<std::pair<const char*, const char*>> fields;
        std::function<void(const ProjectPass&)> check;
        std::vector<const char*> lines;  // report lines it must hold
    };
    const Row rows[] = {
        {"given coefficients and base",
         {{"Yc1Given", "1"}, {"Yc2Given", "1"}, {"kGiven", "1"}, {"bGiven", "1.8"}, {"lGiven", "2.1"}},
         [expectReserve](const ProjectPass& pass) {
             EXPECT_NEAR(pass.calculation.base.R, 316.9838 / 1.43, 0.001);
             EXPECT_TRUE(pass.calculation.base.given && !pass.calculation.base.givenPasses);
             expectReserve(pass);
             EXPECT_TRUE(pass.calculation.stepsRan);  // the design goes on
             EXPECT_EQ(pass.outcome, PassOutcome::DesignFailures);
         },
         {"Коэффициент условий работы\t\tYc1 = 1.000", "Коэффициент надежности\t\t\tk = 1.000",
          "Размеры подошвы заданы\t\t\tb= 1.800м, l= 2.100м",
          "Заданная подошва не проходит проверку давлений:",
          "Сочетание 2: p = 300.196кПа > R = 221.667кПа."}},
        {"a given base wider than 10 m, its edge pressure governing the reserve",
         {{"bGiven", "12"}, {"lGiven", "12"}, {"MII2", "5000"}},
         [expectReserve](const ProjectPass& pass) {
             EXPECT_NEAR(pass.calculation.base.soil.kz, 8.0 / 12 + 0.2, 1e-6);
             expectReserve(pass);
         },
         {}},
        {"γmt 0 on the given base",
         {{"Ymt", "0"}, {"bGiven", "1.8"}, {"lGiven", "2.1"}},
         [](const ProjectPass& pass) { EXPECT_NEAR(pass.calculation.base.pEnv, 1010 / 3.78, 0.001); },
         {"Средний вес фундамента с грунтом\tYmt = 0.000кН/м3"}},
        {"γb2 0.9",
         {{"Yb2Given", "0.9"}},
         [](const ProjectPass& pass) { EXPECT_NEAR(pass.record.Rbt, 0.66 * 0.9, 1e-6); },
         {"Коэффициент условий работы бетона\tYb2 = 0.900"}},
        {"a basement deeper than 2 m",
         {{"db", "2.5"}, {"hs", "0.5"}, {"hcf", "0.1"}, {"Ycf", "22"}},
         [](const ProjectPass& pass) {
             const SoilResistanceResult& s = pass.calculation.base.soil;
             const double d1 = 0.5 + 0.1 * 22 / 18.0;
             EXPECT_NEAR(s.d1, d1, 1e-6);
             EXPECT_NEAR(
                 s.R, 1.43 * (s.My * s.kz * s.b * 19.2 + s.Mq * d1 * 18 + (s.Mq - 1) * 2.0 * 18 + s.Mc * 2),
                 0.001);
         },
         {"Подвал\t\t\t\t\tdb = 2.000м, d1 = 0.622м (db = 2.500м принята 2 м)"}},
        {"given steps",
         {{"stepsGiven", "0,3 0,3 0,3"}},
         [](const ProjectPass& pass) {
             const StepsResult& s = pass.calculation.steps;
             EXPECT_EQ(s.nSteps, 3);
             EXPECT_FLOAT_EQ(s.hSteps, 0.9f);
             EXPECT_EQ(s.setsTried, 1);
         },
         {"Высоты ступеней заданы\t\t\t0.300 0.300 0.300м"}},
        {"given steps too low",
         {{"stepsGiven", "0.15"}},
         [](const ProjectPass& pass) { EXPECT_FALSE(pass.calculation.steps.fitted); },
         {"Невозможно подобрать вылеты заданных ступеней фундамента.", kTallerStepsRemedy}},
        {"the 1989 manual",
         {{"stepMethod", "по Пособию 1989"}},
         [W](const ProjectPass& pass) {
             const PunchingResult& punching = pass.calculation.punching;
             EXPECT_NEAR(punching.p12, 395.5284 - 20 * 1.65, 0.001);
             EXPECT_NEAR(pass.calculation.steps.pmax, 1000.5 / 3.78 + (69 + 40.3 * 1.5) / W, 0.001);
             EXPECT_EQ(pass.calculation.steps.pmaxCombination, 3);
             EXPECT_EQ(pass.calculation.steps.method, StepMethod::Manual1989);
         },
         {"Вылеты ступеней\t\t\t\tпо Пособию 1989"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ProjectForm form = sandProjectForm();
        for (const auto& [name, value] : row.fields) {
            ASSERT_TRUE(setField(form, name, value).ok()) << name;
        }
        const ProjectPass pass = runProjectPass(form, options());
        ASSERT_NE(pass.outcome, PassOutcome::NotRun) << pass.reason;
        row.check(pass);
        for (const char* line : row.lines) {
            EXPECT_TRUE(hasLine(pass, line)) << line;
        }
        EXPECT_TRUE(hasLine(pass, "ЗАДАНО В ИСХОДНЫХ ДАННЫХ:"));
    }
    EXPECT_FALSE(hasLine(runProjectPass(sandProjectForm(), options()), "ЗАДАНО В ИСХОДНЫХ ДАННЫХ:"));
}

// The numbers never depend on the process locale: "." or "," only as the user chose. A project file
// whose numbers were written with a decimal comma (by hand, or by a program in a Russian locale) gives
// the same calculation as with points, in either process locale, and is saved back with the points.
TEST(ProjectPass, NumbersIgnoreTheProcessLocale) {
    const std::string pointed = fundis::testing::readBytes(FUNDIS_TEST_DATA_DIR "/sand_frost_depth.dan");
    std::string commas = pointed;
    std::replace(commas.begin(), commas.end(), '.', ',');
    ProjectFile withCommas;
    Status settlementRead;
    ASSERT_TRUE(parseProject(commas, withCommas, settlementRead).ok());
    EXPECT_EQ(withCommas.form.text(TextField::pedestalTop), "-0,150");
    std::string saved;
    ASSERT_TRUE(serializeProject(withCommas, saved).ok());
    EXPECT_EQ(saved, pointed);
    const std::string inC[] = {json(runProjectPass(sandProjectForm(), options('.'))),
                               json(runProjectPass(sandProjectForm(), options(',')))};
    EXPECT_EQ(json(runProjectPass(withCommas.form, options())), inC[0]);
    if (std::setlocale(LC_ALL, "ru_RU.UTF-8") == nullptr) {
        GTEST_SKIP() << "no ru_RU.UTF-8 locale";
    }
    const ProjectPass point = runProjectPass(sandProjectForm(), options('.'));
    const ProjectPass comma = runProjectPass(sandProjectForm(), options(','));
    const std::string commasInRussian = json(runProjectPass(withCommas.form, options()));
    const std::vector<std::string> formats = {formatFixed(1.5, 3, '.'), formatFixed(1.5, 3, ','),
                                              formatGeneral(2.75f, 6)};
    const float read = textToFloat("2.75");
    Table table;
    const bool parsed = parseTable("# 1 2\n# 0 0.25 1.5\n", "t.dat", table).ok();
    std::setlocale(LC_ALL, "C");

    EXPECT_EQ(json(point), inC[0]);
    EXPECT_EQ(json(comma), inC[1]);
    EXPECT_EQ(commasInRussian, inC[0]);
    EXPECT_TRUE(hasLine(point, "Ширина подошвы\t\t\t\tb= 1.800м"));
    EXPECT_TRUE(hasLine(comma, "Ширина подошвы\t\t\t\tb= 1,800м"));
    EXPECT_EQ(formats, (std::vector<std::string>{"1.500", "1,500", "2.75"}));
    EXPECT_EQ(read, 2.75f);
    ASSERT_TRUE(parsed);
    EXPECT_FLOAT_EQ(TableLookup(table, 2, 0), 1.5f);
}

// One JSON line a project: the report lines and every record field, floats that read back exactly
TEST(ProjectJson, ReportAndRecord) {
    SampleDesign sample = twoStepFoundation();
    sample.inputs.kh = 0.7f;
    const std::string line =
        projectJson("a \"b\".dan", PassOutcome::DesignFailures, {{"x\ty", false}, {"red", true}},
                    sample.inputs, sample.result, true, nullptr);
    EXPECT_EQ(
        line.rfind(
            "{\"file\": \"a \\\"b\\\".dan\", \"outcome\": \"design failures\", \"report\": [{\"text\": "
            "\"x\\ty\", \"failure\": false}, "
            "{\"text\": \"red\", \"failure\": true}], \"record\": {\"Mt\": 0, \"kh\": 0.699999988079071,",
            0),
        0u);
    for (const char* field :
         {"\"QI\": [33, 22, 49.5],", "\"h\": [0, 0.30000001192092896, 0.30000001192092896],", "\"nb\": 9,",
          "\"stepMethod\": \"по таблице k1\",", "\"pmaxSteps\": 0}, \"input_dialog_needed\": true"}) {
        EXPECT_NE(line.find(field), std::string::npos) << field;
    }
    EXPECT_EQ(jsonString("\x01\\\xFF\xD0\x96"),
              "\"\\u0001\\\\\xEF\xBF\xBD\xD0\x96\"");  // U+FFFD for a stray byte
    EXPECT_EQ(jsonNumber(static_cast<double>(INFINITY)), "null");
}

// The documents of a pass show its red lines as the report has them, blank lines between the
// groups included, and its record and settlement. A pass that found no base leaves nothing to
// tabulate or draw, and its settlement says that the foundation was not designed
TEST(ProjectPass, DocumentContext) {
    const ProjectPass heavy = runProjectPass(heavyProjectForm(), options());
    ASSERT_EQ(heavy.outcome, PassOutcome::DesignFailures);
    const ReportContext context = documentContext(heavy);
    std::vector<std::string> red;
    for (const ReportLine& line : heavy.report) {
        if (line.failure) {
            red.push_back(line.text);
        }
    }
    EXPECT_EQ(context.failures, red);
    EXPECT_GE(std::count_if(red.begin(), red.end(), [](const std::string& line) { return !line.empty(); }),
              4);
    EXPECT_EQ(context.inputs, &heavy.record);
    EXPECT_EQ(context.result, &heavy.calculation);
    EXPECT_TRUE(foundationShaped(context));
    EXPECT_FALSE(context.outOfDate);

    ProjectForm form = sandProjectForm();
    for (TextField field : {TextField::NII1, TextField::NII2, TextField::NII3, TextField::NI1, TextField::NI2,
                            TextField::NI3}) {
        form.text(field) = "90000";  // no base up to 10 x 10 m carries it
    }
    SettlementInputs layers;
    layers.layers = {{"3", "18", "12"}};
    const ProjectPass none = runProjectPass(form, layers, options());
    const ReportContext empty = documentContext(none);
    EXPECT_FALSE(baseDesigned(empty) || foundationShaped(empty));
    EXPECT_NE(
        std::find(empty.failures.begin(), empty.failures.end(),
                  "Размеры подошвы не подобраны: ни одна подошва до 10x10 м не проходит проверку давлений."),
        empty.failures.end());
    ASSERT_TRUE(none.settlement && empty.settlement == &*none.settlement);
    EXPECT_EQ(none.settlement->result.status.message(), kFoundationNotDesigned);
}

// The one rule for a settlement part that could not be read, as the window and fundis-cli apply it
// (the outcome with red lines, the design's report as it is and the red line that says why fundis-cli's
// test compares whole, with its exit status): layers given since run as usual; a pass refused by the
// fields' rules stays refused
TEST(ProjectPass, UnreadSettlementPart) {
    ProjectFile project;
    std::string bytes;
    ASSERT_TRUE(serializeDan(sandProjectForm(), bytes).ok());
    PassOptions unread = options();
    ASSERT_TRUE(parseProject(bytes + "\r\nT\r\n1", project, unread.settlementPartRead).ok());
    ASSERT_FALSE(unread.settlementPartRead.ok());
    SettlementInputs layers;
    layers.layers = {{"3", "18", "12"}};
    const ProjectPass typed = runProjectPass(project.form, layers, unread);
    ASSERT_TRUE(typed.settlement);
    EXPECT_TRUE(typed.settlement->result.status.ok()) << typed.settlement->result.status.message();

    ProjectForm refused = project.form;
    refused.text(TextField::NII1) = "";
    const ProjectPass notRun = runProjectPass(refused, project.settlement, unread);
    EXPECT_EQ(notRun.outcome, PassOutcome::NotRun);
    EXPECT_FALSE(notRun.settlement);
}

// The documents' context without a pass: nothing is shown as calculated. (The settings' scale and its
// default 1:75, and the separator, the printed scale, the DXF samples and the course project's note
// check; the file name the main window's tests.)
TEST(ProjectPass, DocumentContextWithoutAPass) {
    const ReportContext none = documentContext(nullptr, {"b.dan", 50, '.'});
    EXPECT_EQ(none.result, nullptr);
    EXPECT_EQ(none.schemeScale, 50);
    EXPECT_FALSE(baseDesigned(none));
    EXPECT_EQ(designedLength(shownDesign(none).result), 0.0f);
}
