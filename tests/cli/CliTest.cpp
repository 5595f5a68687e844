// SPDX-License-Identifier: GPL-3.0-or-later
// fundis-cli run as a program on whole projects.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <tuple>

#include "core/model/FormFields.h"
#include "support/TempFolder.h"

using fundis::testing::readBytes;
using fundis::testing::TempFolder;
using fundis::testing::writeBytes;

namespace {

const std::string kData = FUNDIS_TEST_DATA_DIR;
const std::string kTables = FUNDIS_TABLES_DIR;

struct Result {
    int code = -1;
    std::string out, err;
};

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char ch : text) {
        out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    }
    return out + "'";
}

// Runs the tool with no kp.ini of the user's, in the C locale unless `environment` says otherwise.
Result runCli(const std::vector<std::string>& arguments, const std::string& environment = "") {
    TempFolder scratch;
    std::string command = "env HOME=" + quoted(scratch.path()) +
                          " XDG_CONFIG_HOME=" + quoted(scratch.path()) + " LC_ALL=C " + environment + " " +
                          quoted(FUNDIS_CLI);
    for (const std::string& argument : arguments) {
        command += " " + quoted(argument);
    }
    const int status =
        std::system((command + " >" + scratch.file("out") + " 2>" + scratch.file("err")).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(scratch.file("out")),
            readBytes(scratch.file("err"))};
}

std::string expected(const std::string& name) { return readBytes(kData + "/" + name + ".expected"); }

int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1)) {
        ++count;
    }
    return count;
}

}  // namespace

// Whole reports, byte for byte, each project under its name; the exit status is the worst one.
// The heavy column at a given 1.35 m depth fails: its steps need the depth to grow to 1.65 m.
TEST(CliReport, WholeReportsOfTheSampleProjects) {
    const std::string sand = kData + "/sand_frost_depth.dan";
    const std::string heavy = kData + "/heavy_shallow_failure.dan";
    Result result = runCli({"--tables", kTables, sand, heavy});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out, "== " + sand + "\n" + expected("sand_frost_depth") + "== " + heavy + "\n" +
                              expected("heavy_shallow_failure"));
    EXPECT_EQ(result.err, "");

    result = runCli({"--tables", kTables, kData + "/given_pedestal_flexible.dan"});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, expected("given_pedestal_flexible"));
    // crane loads, B 15, a wide overhang, L/H 2.5, with the debug data and decimal commas
    result = runCli({"--sep", ",", "--debug", "--tables", kTables, kData + "/loam_crane_debug.dan"});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, expected("loam_crane_debug"));
}

// One line a project, the exit status the worst one; the lines and the numbers of the record are
// the acceptance check's business, the JSON's form ProjectJsonTest's
TEST(CliReport, JsonOneLineAProject) {
    const Result result = runCli({"--json", "--sep", ".", "--tables", kTables,
                                  kData + "/sand_frost_depth.dan", kData + "/heavy_shallow_failure.dan"});
    EXPECT_EQ(result.code, 1) << result.err;
    ASSERT_EQ(countOf(result.out, "\n"), 2);
    EXPECT_EQ(countOf(result.out, "\"failure\": true"), 6);  // all in the second project
    const std::string first = result.out.substr(0, result.out.find('\n'));
    EXPECT_EQ(first.rfind("{\"file\": \"sand_frost_depth.dan\", \"outcome\": \"complete\", \"report\": "
                          "[{\"text\": \"\", \"failure\": false}, "
                          "{\"text\": \"************РАСЧЕТНЫЕ ДАННЫЕ************\", \"failure\": false}",
                          0),
              0u);
}

// Debug data from --debug, else from the settings: --settings, else the user's kp.ini, whose
// program folder also gives the tables
TEST(CliSettings, DebugAndTablesFromTheSettingsFile) {
    const std::string project = kData + "/loam_crane_debug.dan";
    TempFolder folder;
    writeBytes(folder.file("kp.ini"), "5\r\n1\r\n1\r\n/tmp\r\n75\r\n" + kTables + "\r\n");
    Result result = runCli({"--sep", ",", "--settings", folder.file("kp.ini"), project});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, expected("loam_crane_debug"));

    TempFolder config;
    mkdir((config.path() + "/fundis").c_str(), 0700);
    writeBytes(config.path() + "/fundis/kp.ini", readBytes(folder.file("kp.ini")));
    result = runCli({"--sep", ",", project}, "XDG_CONFIG_HOME=" + config.path());
    EXPECT_EQ(result.out, expected("loam_crane_debug"));
    writeBytes(folder.file("kp.ini"), "5\r\n0\r\n1\r\n/tmp\r\n75\r\n" + kTables + "\r\n");  // debug off
    const std::string quiet = runCli({"--sep", ",", "--settings", folder.file("kp.ini"), project}).out;
    EXPECT_TRUE(quiet.find("ОТЛАДОЧНЫЕ") == std::string::npos &&
                quiet.find("b= 2,400м") != std::string::npos);
}

// Exit status 2 and one line on stderr when nothing could be computed
TEST(CliErrors, NotRun) {
    TempFolder folder;
    writeBytes(folder.file("short.dan"), "0\r\n0\r\n0\r\n");
    for (const char* name : {"Rb.dat", "table3.dat", "k1.dat", "hstup.dat", "sizepdkl.dat"}) {
        writeBytes(folder.file(name), readBytes(kTables + "/" + name));
    }
    const std::string project = kData + "/sand_frost_depth.dan";
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"--tables", kTables, folder.file("none.dan")}, folder.file("none.dan")},
        {{"--tables", kTables, folder.file("short.dan")},
         "строка 4: файл кончается, не дойдя до поля Вылет подошвы"},
        {{"--tables", folder.path(), project}, folder.file("table4.dat")},
        {{"--settings", folder.file("no-kp.ini"), project}, "no-kp.ini"},
        {{"--bogus", project}, "--bogus"},
        {{"--tables"}, "--tables"},
        {{}, ".dan"},
        {{"--html", folder.file("a.htm"), project, project}, "один проект"},
        {{"--dxf", folder.file("a.dxf"), project, project}, "--explain и --bom пишут один файл"},
    };
    for (const auto& [arguments, message] : rows) {
        SCOPED_TRACE(message);
        const Result result = runCli(arguments);
        EXPECT_EQ(result.code, 2) << message;
        EXPECT_EQ(result.err.rfind("fundis-cli: ", 0), 0u) << result.err;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_EQ(countOf(result.err, "\n"), 1) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

// A settlement part that cannot be read: the design is reported as it is, the settlement block is
// the one red line that says why, stderr names the file once and the status is "red lines"
TEST(CliErrors, UnreadSettlementPart) {
    TempFolder folder;
    const std::string project = folder.file("project.dan");
    writeBytes(project, readBytes(kData + "/sand_frost_depth.dan") + "\r\nT\r\n1");
    const std::string reason = "осадка: метка S — вместо нее «T»";
    const Result result = runCli({"--tables", kTables, project});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out, expected("sand_frost_depth") + "\nРАСЧЕТ ОСАДКИ ФУНДАМЕНТА\n\n" + reason + "\n");
    EXPECT_EQ(result.err, "fundis-cli: " + project + ": " + reason + "\n");
}

// A field rule refusing the calculation: the report is the one line that names the field, in JSON
// the outcome "not run", the exit status 2, nothing exported; a field that may stay empty still runs
// (each rule ProjectPassTest checks)
TEST(CliErrors, FieldRulesRefuseTheCalculation) {
    // the sand project with one value of its file replaced, found by the field's name
    const std::string sand = readBytes(kData + "/sand_frost_depth.dan");
    const auto withValue = [&](const char* name, const std::string& word) {
        const fundis::FormField* field = fundis::findFormField(name);
        EXPECT_NE(field, nullptr) << name;
        const long line = field - fundis::formFields().data();
        std::size_t start = 0;
        for (long i = 0; i < line; ++i) {
            start = sand.find("\r\n", start) + 2;
        }
        return sand.substr(0, start) + word + sand.substr(sand.find("\r\n", start));
    };
    TempFolder folder;
    // a value far outside its usual range runs, and standard error says so
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"Yii", "#", "Вес грунта ниже подошвы (вкладка «Грунт»): пусто", ""},
        {"buc", "#", nullptr, ""},
        {"Mt", "1000000", nullptr,
         ": необычное значение: Mt (вкладка «Сооружение»): «1000000» — обычно от 0 до 250"},
    };
    for (const auto& [name, word, problem, warning] : rows) {
        const std::string project = folder.file(std::string(name) + ".dan");
        writeBytes(project, withValue(name, word));
        const Result text = runCli({"--tables", kTables, "--html", folder.file("r.htm"), project});
        const Result json = runCli({"--json", "--tables", kTables, project});
        if (problem == nullptr) {
            EXPECT_EQ(text.code, 0) << name << text.out;
            EXPECT_NE(json.out.find("\"outcome\": \"complete\""), std::string::npos) << name;
            if (*warning == '\0') {
                EXPECT_EQ(text.err, "");
            } else {
                EXPECT_NE(text.err.find(project + warning), std::string::npos) << text.err;
            }
            continue;
        }
        EXPECT_EQ(text.code, 2) << name;
        EXPECT_EQ(text.out, std::string("Расчет не выполнен: ") + problem +
                                ". Исправьте исходные данные (Расчет → Ввод данных).\n");
        EXPECT_EQ(text.err, "fundis-cli: " + project + ": документы не сохранены: расчет не выполнен\n");
        EXPECT_EQ(readBytes(folder.file("r.htm")), "") << name;
        EXPECT_EQ(json.code, 2) << name;
        EXPECT_EQ(json.out.rfind(
                      "{\"file\": \"" + std::string(name) +
                          ".dan\", \"outcome\": \"not run\", \"report\": [{\"text\": \"Расчет не выполнен: " +
                          problem,
                      0),
                  0u)
            << json.out;
        EXPECT_EQ(countOf(json.out, "\"failure\": true"), 1) << name;
    }
}

// --fields: a line a field, by its name, caption, tab and what it takes; --set NAME=VALUE over the
// file's fields before the calculation, a list by its item or index; a name or a value the field
// cannot take stops the tool before any project, naming what it takes
TEST(CliFields, ListedAndSetByName) {
    const Result fields = runCli({"--fields"});
    EXPECT_EQ(fields.code, 0) << fields.err;
    EXPECT_EQ(countOf(fields.out, "\n"), fundis::kFormFieldCount);
    for (const fundis::FormField& field : fundis::formFields()) {
        EXPECT_NE(("\n" + fields.out)
                      .find("\n" + std::string(field.name) + "\t" + fundis::fieldCaption(field) + "\t"),
                  std::string::npos)
            << field.name;
    }
    EXPECT_NE(fields.out.find("\nstepMethod\tВылеты ступеней\tФундамент\tсписок: 0 «по Пособию 1989», 1 «по "
                              "таблице k1»\n"),
              std::string::npos);

    const std::string sand = kData + "/sand_frost_depth.dan";
    const Result given = runCli({"--json", "--tables", kTables, "--set", "Yc1Given=1", "--set=Yc2Given=1,0",
                                 "--set", "kGiven=1", "--set", "stepMethod=по Пособию 1989", sand});
    EXPECT_EQ(given.code, 0) << given.err;
    EXPECT_NE(given.out.find("\"Yc1\": 1, \"Yc2\": 1, \"k\": 1,"), std::string::npos) << given.out;

    // the sand project's class B 15 is in both tables; B 20 is in neither of a folder of before
    TempFolder before;
    for (const char* name : {"table3.dat", "table4.dat", "k1.dat", "hstup.dat", "sizepdkl.dat"}) {
        writeBytes(before.file(name), readBytes(kTables + "/" + name));
    }
    writeBytes(before.file("Rb.dat"), "# 7.5 9.5 0.66\r\n# 8.5 11.0 0.75\r\n");
    const std::string refusal =
        "Расчет не выполнен: Класс бетона (вкладка «Фундамент»): «B 20» нет в таблице ";
    const std::tuple<std::vector<std::string>, std::string> rows[] = {
        {{"--set", "nope=1", sand}, "--set nope=1: нет поля «nope» (имена полей: --fields)"},
        {{"--set", "concreteClass=9", sand}, "«9» — не пункт списка; пункты: 0 «B 12,5», 1 «B 15», 2 «B 20»"},
        {{"--set", "Ymt", sand}, "--set ждет ИМЯ=ЗНАЧЕНИЕ"},
        {{"--tables", before.path(), "--set", "concreteClass=B 20", "--set", "stepMethod=0", sand},
         refusal + before.path() + "/Rb.dat (в ней «B 12,5», «B 15»)"},
        {{"--tables", kTables, "--set", "concreteClass=2", sand},
         refusal +
             "k1.dat (в ней «B 12,5», «B 15»): выберите класс из них или вылеты ступеней «по Пособию 1989»"},
    };
    for (const auto& [arguments, message] : rows) {
        SCOPED_TRACE(message);
        const Result result = runCli(arguments);
        EXPECT_EQ(result.code, 2);
        EXPECT_NE((result.out + result.err).find(message), std::string::npos) << result.out << result.err;
    }
    const Result newConcrete =
        runCli({"--tables", kTables, "--set", "concreteClass=B 20", "--set", "stepMethod=0", sand});
    EXPECT_LE(newConcrete.code, 1) << newConcrete.out << newConcrete.err;
}

TEST(CliHelp, DescribesEveryOption) {
    const Result result = runCli({"--help"});
    EXPECT_EQ(result.code, 0);
    for (const char* option : {"--tables", "--settings", "--debug", "--sep", "--json", "--html", "--pdf",
                               "--svg", "--dxf", "--explain", "--set", "--fields", "Код завершения"}) {
        EXPECT_NE(result.out.find(option), std::string::npos) << option;
    }
}

// The documents of the project: the HTML page of its results (the page itself, its red lines and
// separator HtmlReportTest checks, the context of a pass ProjectPassTest); the PDF and the SVG when
// built with Qt, without a display and with the report's "." kept after Qt starts
TEST(CliExport, WritesTheDocumentsOfTheProject) {
    TempFolder folder;
    const std::string project = kData + "/sand_frost_depth.dan";
    Result result = runCli({"--tables", kTables, "--html", folder.file("r.htm"), project});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_NE(readBytes(folder.file("r.htm")).find("<li>Ширина подошвы фундамента b=1.8м;"),
              std::string::npos);
    const std::vector<std::string> documents = {
        "--pdf", folder.file("r.pdf"), "--svg", folder.file("s.svg"), "--tables", kTables, project};
    result = runCli(documents, "DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM=");
#ifdef FUNDIS_CLI_EXPORT
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, expected("sand_frost_depth"));
    EXPECT_EQ(readBytes(folder.file("r.pdf")).rfind("%PDF-", 0), 0u);
    EXPECT_NE(readBytes(folder.file("s.svg")).find("<svg"), std::string::npos);
#else
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.err, "fundis-cli: собран без Qt: --pdf и --svg недоступны\n");
#endif
}

// The DXF drawing comes from the core: no Qt and no display needed, the report unchanged on stdout
TEST(CliExport, WritesTheDxfDrawingWithoutQt) {
    TempFolder folder;
    const std::string project = kData + "/sand_frost_depth.dan";
    const Result result = runCli({"--tables", kTables, "--dxf", folder.file("s.dxf"), project},
                                 "DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM=");
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, expected("sand_frost_depth"));
    EXPECT_FALSE(readBytes(folder.file("s.dxf")).empty());  // its contents dxf_samples.py reads back

    // a folder that is not there: exit status 2 and a message naming the file
    const Result missing = runCli({"--tables", kTables, "--dxf", folder.file("no/s.dxf"), project});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err.rfind("fundis-cli: ", 0), 0u);
    EXPECT_NE(missing.err.find(folder.file("no/s.dxf")), std::string::npos) << missing.err;
}

// The calculation note: the format by the file's extension, one project only, and a note that says
// why when the calculation could not run (what the notes of the samples hold check-note-documents.py
// reads back)
TEST(CliExport, WritesTheCalculationNote) {
    TempFolder folder;
    const std::string project = kData + "/sand_frost_depth.dan";
    Result result = runCli({"--tables", kTables, "--explain", folder.file("n.html"), project});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, expected("sand_frost_depth"));
    EXPECT_NE(readBytes(folder.file("n.html")).find("<h2>10. Итог</h2>"), std::string::npos);

    result = runCli({"--tables", kTables, "--explain", folder.file("n.doc"), project});
    EXPECT_EQ(result.code, 2);
    EXPECT_NE(result.err.find(folder.file("n.doc") + ": записка сохраняется в .html, .odt или .pdf"),
              std::string::npos)
        << result.err;
    result = runCli({"--tables", kTables, "--explain", folder.file("n.html"), project, project});
    EXPECT_EQ(result.code, 2);
    EXPECT_NE(result.err.find("--explain"), std::string::npos) << result.err;

    result = runCli({"--tables", folder.file("no tables"), "--explain", folder.file("none.html"), project});
    EXPECT_EQ(result.code, 2);
    EXPECT_NE(readBytes(folder.file("none.html")).find("Расчет не выполнен: "), std::string::npos);

    result = runCli({"--tables", kTables, "--explain", folder.file("n.pdf"), project},
                    "DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM=");
#ifdef FUNDIS_CLI_EXPORT
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(readBytes(folder.file("n.pdf")).rfind("%PDF-", 0), 0u);
#else
    EXPECT_EQ(result.code, 2);
    EXPECT_FALSE(readBytes(folder.file("n.pdf")).size() > 0);
#endif
}
