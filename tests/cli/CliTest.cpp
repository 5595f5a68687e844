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

    // crane loads, B 15, a wide overhang, L/H 2.5, with the debug data and decimal commas
    result = runCli({"--sep", ",", "--debug", "--tables", kTables, kData + "/loam_crane_debug.dan"});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, expected("loam_crane_debug"));
}

// One line a project, the exit status the worst one; the lines and the numbers of the record are
// the sample scripts' business, the JSON's form ProjectJsonTest's, the file's name in it
// FieldRulesRefuseTheCalculation's
TEST(CliReport, JsonOneLineAProject) {
    const Result result = runCli({"--json", "--sep", ".", "--tables", kTables,
                                  kData + "/sand_frost_depth.dan", kData + "/heavy_shallow_failure.dan"});
    EXPECT_EQ(result.code, 1) << result.err;
    ASSERT_EQ(countOf(result.out, "\n"), 2);
    EXPECT_EQ(countOf(result.out, "\"failure\": true"), 6);  // all in the second project
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
        {{"--dxf", folder.file("a.dxf"), project, project},
         "--bom пишут один файл: задайте для них один проект"},
        {{"--explain", folder.file("n.html"), project, project}, "--explain"},
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
// the outcome "not run", the exit status 2, nothing exported; a value far outside its usual range runs
// and standard error says so (each rule ProjectPassTest checks)
TEST(CliErrors, FieldRulesRefuseTheCalculation) {
    TempFolder folder;
    const std::string sand = kData + "/sand_frost_depth.dan";
    const std::string problem = "Вес грунта ниже подошвы (вкладка «Грунт»): пусто";
    const Result text = runCli({"--tables", kTables, "--html", folder.file("r.htm"), "--set", "Yii=", sand});
    EXPECT_EQ(text.code, 2);
    EXPECT_EQ(text.out,
              "Расчет не выполнен: " + problem + ". Исправьте исходные данные (Расчет → Ввод данных).\n");
    EXPECT_EQ(text.err, "fundis-cli: " + sand + ": документы не сохранены: расчет не выполнен\n");
    EXPECT_EQ(readBytes(folder.file("r.htm")), "");
    const Result json = runCli({"--json", "--tables", kTables, "--set", "Yii=", sand});
    EXPECT_EQ(json.code, 2);
    EXPECT_EQ(json.out.rfind("{\"file\": \"sand_frost_depth.dan\", \"outcome\": \"not run\", \"report\": "
                             "[{\"text\": \"Расчет не выполнен: " +
                                 problem,
                             0),
              0u)
        << json.out;

    const Result unusual = runCli({"--tables", kTables, "--set", "Mt=1000000", sand});
    EXPECT_EQ(unusual.code, 0) << unusual.out;
    EXPECT_EQ(unusual.err.rfind(
                  "fundis-cli: " + sand +
                      ": необычное значение: Mt (вкладка «Сооружение»): «1000000» — обычно от 0 до 250",
                  0),
              0u)
        << unusual.err;
    EXPECT_EQ(countOf(unusual.err, "\n"), 1) << unusual.err;
}

// --fields: a line a field, by its name, caption, tab and what it takes; --set NAME=VALUE over the
// file's fields before the calculation, a list by its item or index; a name or a value the field
// cannot take stops the tool before any project, naming what it takes
TEST(CliFields, ListedAndSetByName) {
    const Result fields = runCli({"--fields"});
    EXPECT_EQ(fields.code, 0) << fields.err;
    EXPECT_EQ(countOf(fields.out, "\n"), fundis::kFormFieldCount);
    EXPECT_NE(fields.out.find("\nNII1\tN, Mmax, кН\tНагрузки, II предельное состояние\t"), std::string::npos)
        << fields.out;
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

// The documents of one project, without a display: the HTML page, the DXF drawing and the note
// from the core, the report unchanged on stdout; the PDF, the SVG and the note in PDF when built with
// Qt, with the report's "." kept after Qt starts. (The page itself HtmlReportTest checks, the drawing
// dxf_samples.py, the notes of the samples check-note-documents.py.)
TEST(CliExport, WritesTheDocumentsOfTheProject) {
    TempFolder folder;
    const std::string project = kData + "/sand_frost_depth.dan";
    const std::string noDisplay = "DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM=";
    Result result = runCli({"--tables", kTables, "--html", folder.file("r.htm"), "--dxf",
                            folder.file("s.dxf"), "--explain", folder.file("n.html"), project},
                           noDisplay);
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, expected("sand_frost_depth"));
    EXPECT_NE(readBytes(folder.file("r.htm")).find("<li>Ширина подошвы фундамента b=1.8м;"),
              std::string::npos);
    EXPECT_FALSE(readBytes(folder.file("s.dxf")).empty());
    EXPECT_NE(readBytes(folder.file("n.html")).find("<h2>10. Итог</h2>"), std::string::npos);

    result = runCli({"--pdf", folder.file("r.pdf"), "--svg", folder.file("s.svg"), "--explain",
                     folder.file("n.pdf"), "--tables", kTables, project},
                    noDisplay);
#ifdef FUNDIS_CLI_EXPORT
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, expected("sand_frost_depth"));
    EXPECT_EQ(readBytes(folder.file("r.pdf")).rfind("%PDF-", 0), 0u);
    EXPECT_NE(readBytes(folder.file("s.svg")).find("<svg"), std::string::npos);
    EXPECT_EQ(readBytes(folder.file("n.pdf")).rfind("%PDF-", 0), 0u);
#else
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.err, "fundis-cli: собран без Qt: --pdf и --svg недоступны\n");
    EXPECT_FALSE(readBytes(folder.file("n.pdf")).size() > 0);
#endif
}

// A document that cannot be written: exit status 2 and a message naming the file; a note of a
// calculation that could not run says why
TEST(CliExport, FailuresNameTheFile) {
    TempFolder folder;
    const std::string project = kData + "/sand_frost_depth.dan";
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"--tables", kTables, "--dxf", folder.file("no/s.dxf"), project}, folder.file("no/s.dxf")},
        {{"--tables", kTables, "--explain", folder.file("n.doc"), project},
         folder.file("n.doc") + ": записка сохраняется в .html, .odt или .pdf"},
        {{"--tables", folder.file("no tables"), "--explain", folder.file("none.html"), project},
         folder.file("no tables")},
    };
    for (const auto& [arguments, message] : rows) {
        SCOPED_TRACE(message);
        const Result result = runCli(arguments);
        EXPECT_EQ(result.code, 2);
        EXPECT_EQ(result.err.rfind("fundis-cli: ", 0), 0u) << result.err;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    }
    EXPECT_NE(readBytes(folder.file("none.html")).find("Расчет не выполнен: "), std::string::npos);
}
