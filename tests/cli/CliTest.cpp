// fundis-cli run as a program on whole projects.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "../files/TempFolder.h"

using fundis::testing::readBytes;
using fundis::testing::TempFolder;
using fundis::testing::writeBytes;

namespace {

const std::string kData = FUNDIS_TEST_DATA_DIR;
const std::string kTables = FUNDIS_TABLES_DIR;

struct Result {
    int code = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char ch : text) {
        out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    }
    return out + "'";
}

// Runs the tool with no kp.ini of the user's and the C locale, unless `environment` says otherwise.
Result runCli(const std::vector<std::string>& arguments, const std::string& environment = "") {
    TempFolder scratch;
    std::string command = "env HOME=" + quoted(scratch.path()) +
                          " XDG_CONFIG_HOME=" + quoted(scratch.path()) + " LC_ALL=C " + environment + " " +
                          quoted(FUNDIS_CLI);
    for (const std::string& argument : arguments) {
        command += " " + quoted(argument);
    }
    command += " >" + quoted(scratch.file("out")) + " 2>" + quoted(scratch.file("err"));
    const int status = std::system(command.c_str());
    Result result;
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readBytes(scratch.file("out"));
    result.err = readBytes(scratch.file("err"));
    return result;
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

// Whole plain-text reports, byte for byte; the numbers of many more projects are the acceptance
// check's business (it reads the JSON). Under the C locale the separator is "."; the heavy column
// at a given 1.35 m depth fails (the steps need 1.5 m, the depth must grow to 1.65 m).
TEST(CliReport, SeveralProjectsEachUnderItsName) {
    const std::string first = kData + "/sand_frost_depth.dan";
    const std::string second = kData + "/heavy_shallow_failure.dan";
    const Result result = runCli({"--tables", kTables, first, second});
    EXPECT_EQ(result.code, 1);  // the worst of the two
    EXPECT_EQ(result.out, "== " + first + "\n" + expected("sand_frost_depth") + "== " + second + "\n" +
                              expected("heavy_shallow_failure"));
    EXPECT_EQ(result.err, "");
}

TEST(CliReport, JsonHoldsTheRecordAndTheDialogFlagOneLineAProject) {
    const Result result = runCli({"--json", "--sep", ".", "--tables", kTables,
                                  kData + "/sand_frost_depth.dan", kData + "/heavy_shallow_failure.dan"});
    EXPECT_EQ(result.code, 1) << result.err;
    ASSERT_EQ(countOf(result.out, "\n"), 2);
    EXPECT_EQ(countOf(result.out, "\"failure\": true"), 3);  // all in the second project
    EXPECT_LT(result.out.find("\n"), result.out.find("\"failure\": true"));
    const std::string json = result.out.substr(0, result.out.find("\n"));
    const std::string start =
        "{\"file\": \"sand_frost_depth.dan\", \"report\": [{\"text\": \"\", \"failure\": false}, "
        "{\"text\": \"************РАСЧЕТНЫЕ ДАННЫЕ************\", \"failure\": false}";
    EXPECT_EQ(json.compare(0, start.size(), start), 0) << json.substr(0, 200);
    EXPECT_NE(json.find("\"text\": \"Ширина подошвы\\t\\t\\t\\tb= 1.800м\""), std::string::npos);
    // floats as the shortest text that reads back to the same float, integers as integers
    for (const char* field :
         {"\"Mt\": 36.5,", "\"kh\": 0.699999988079071,", "\"Rs\": 365000,", "\"MII\": [95, 40, 60],",
          "\"NI\": [943, 1161.5, 1000.5],", "\"nb\": 9}", "\"input_dialog_needed\": false}"}) {
        EXPECT_NE(json.find(field), std::string::npos) << field;
    }
    // steps: h from entry 0 (the no-fit flag), the others from entry 1
    EXPECT_NE(json.find("\"h\": [0, 0.44999998807907104, 0.30000001192092896],"), std::string::npos);
    // the second overhang carries the float rounding of the summed plan modules: (2.4 - 1.2 - 0.9) / 2
    EXPECT_NE(json.find("\"c\": [0.6000000238418579, 0.14999991655349731],"), std::string::npos);
}

TEST(CliReport, EmptyFrictionAndCohesionAreReportedAndTheRunGoesOn) {
    TempFolder folder;
    std::string project = readBytes(kData + "/sand_frost_depth.dan");
    // Edit13 "30" and Edit14 "2" are lines 22 and 23
    const std::string from = "\r\n0.3\r\n30\r\n2\r\n";
    ASSERT_NE(project.find(from), std::string::npos);
    project.replace(project.find(from), from.size(), "\r\n0.3\r\n#\r\n#\r\n");
    writeBytes(folder.file("p.dan"), project);
    const Result result = runCli({"--json", "--sep", ".", "--tables", kTables, folder.file("p.dan")});
    EXPECT_NE(result.out.find("\"input_dialog_needed\": true}"), std::string::npos);
    EXPECT_NE(result.err.find("Edit13"), std::string::npos) << result.err;
    EXPECT_NE(result.out.find("РАЗМЕРЫ ПОДОШВЫ ФУНДАМЕНТА"), std::string::npos);
}

// Debug output from --debug, else from the settings: --settings, else the user's kp.ini; the tables
// follow the settings too. The loam project: crane loads, B 15, wide overhang, L/H 2.5.
TEST(CliSettings, DebugAndTablesFromTheOptionOrTheSettingsFile) {
    const std::string project = kData + "/loam_crane_debug.dan";
    const Result option = runCli({"--sep", ",", "--debug", "--tables", kTables, project});
    EXPECT_EQ(option.code, 0) << option.err;
    EXPECT_EQ(option.out, expected("loam_crane_debug"));
    EXPECT_EQ(option.err, "");

    TempFolder folder;
    writeBytes(folder.file("kp.ini"), "5\r\n1\r\n1\r\n/tmp\r\n75\r\n" + kTables + "\r\n");
    const Result result = runCli({"--sep", ",", "--settings", folder.file("kp.ini"), project});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, expected("loam_crane_debug"));

    // the same file as the user's own kp.ini
    TempFolder config;
    mkdir((config.path() + "/fundis").c_str(), 0700);
    writeBytes(config.path() + "/fundis/kp.ini", readBytes(folder.file("kp.ini")));
    const Result user = runCli({"--sep", ",", project}, "XDG_CONFIG_HOME=" + config.path());
    EXPECT_EQ(user.code, 0) << user.err;
    EXPECT_EQ(user.out, expected("loam_crane_debug"));

    // debug off in the file: no debug block
    writeBytes(folder.file("kp.ini"), "5\r\n0\r\n1\r\n/tmp\r\n75\r\n" + kTables + "\r\n");
    const Result quiet = runCli({"--sep", ",", "--settings", folder.file("kp.ini"), project});
    EXPECT_EQ(quiet.out.find("ОТЛАДОЧНЫЕ"), std::string::npos);
    EXPECT_NE(quiet.out.find("b= 2,400м"), std::string::npos);
}

// Exit code 2 and one line on stderr when nothing could be computed
TEST(CliErrors, CouldNotRun) {
    TempFolder folder;
    writeBytes(folder.file("short.dan"), "0\r\n0\r\n0\r\n");
    const std::string project = kData + "/sand_frost_depth.dan";
    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } rows[] = {
        {{"--tables", kTables, folder.file("none.dan")}, "none.dan"},
        {{"--tables", kTables, folder.file("short.dan")},
         "строка 4: файл кончается раньше значения ComboBox4"},
        {{"--tables", "/nonexistent", project}, "/nonexistent/Rb.dat"},
        {{"--settings", folder.file("no-kp.ini"), project}, "no-kp.ini"},
        {{"--bogus", project}, "--bogus"},
        {{"--sep", "ab", project}, "--sep"},
        {{"--sep", "5", project}, "--sep"},
        {{"--tables"}, "--tables"},
        {{}, ".dan"},
        {{"--html", folder.file("a.htm"), project, project}, "один проект"},
    };
    for (const auto& row : rows) {
        const Result result = runCli(row.arguments);
        EXPECT_EQ(result.code, 2) << row.message;
        EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
        EXPECT_EQ(countOf(result.err, "\n"), 1) << result.err;
        EXPECT_EQ(result.err.compare(0, 12, "fundis-cli: "), 0) << result.err;
    }
}

TEST(CliErrors, MissingCalculationTableIsNotASuccess) {
    TempFolder folder;
    for (const char* name : {"Rb.dat", "table3.dat", "k1.dat", "hstup.dat", "sizepdkl.dat"}) {
        writeBytes(folder.file(name), readBytes(kTables + "/" + name));
    }
    const Result result = runCli({"--tables", folder.path(), kData + "/sand_frost_depth.dan"});
    EXPECT_EQ(result.code, 2);
    EXPECT_NE(result.err.find("table4.dat"), std::string::npos) << result.err;
}

TEST(CliHelp, DescribesEveryOption) {
    const Result result = runCli({"--help"});
    EXPECT_EQ(result.code, 0);
    for (const char* option : {"--tables", "--settings", "--debug", "--sep", "--json", "--html", "--pdf",
                               "--svg", "--help", "Код завершения"}) {
        EXPECT_NE(result.out.find(option), std::string::npos) << option;
    }
}

TEST(CliHtml, WritesTheHtmlReportOfTheProject) {
    TempFolder folder;
    const std::string project = kData + "/sand_frost_depth.dan";
    const Result result = runCli({"--tables", kTables, "--html", folder.file("r.htm"), project});
    ASSERT_EQ(result.code, 0) << result.err;
    const std::string page = readBytes(folder.file("r.htm"));
    EXPECT_EQ(page.compare(0, 3, "\xEF\xBB\xBF"), 0);
    // the project's name and its computed results reach the page
    for (const char* line : {"sand_frost_depth.dan\"</p>\r\n<P align=center><B>РАСЧЕТНЫЕ ДАННЫЕ</B></P>\r\n",
                             "\r\n<li>Ширина подошвы фундамента b=1.8м;\r\n",
                             "\r\n<TR><TD>Кол-во стрежней, шт<TD>12<TD>9\r\n"}) {
        EXPECT_NE(page.find(line), std::string::npos) << line;
    }
}

#ifdef FUNDIS_CLI_EXPORT
TEST(CliExport, WritesThePrintedReportAndTheScheme) {
    TempFolder folder;
    const Result result = runCli({"--tables", kTables, "--pdf", folder.file("r.pdf"), "--svg",
                                  folder.file("s.svg"), kData + "/sand_frost_depth.dan"},
                                 "DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM=");
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, expected("sand_frost_depth"));  // the numbers keep their "." after Qt starts
    EXPECT_EQ(readBytes(folder.file("r.pdf")).compare(0, 5, "%PDF-"), 0);
    EXPECT_NE(readBytes(folder.file("s.svg")).find("<svg"), std::string::npos);
}
#else
TEST(CliExport, WithoutQtTheExportIsRefused) {
    TempFolder folder;
    for (const char* option : {"--pdf", "--svg"}) {
        const Result result =
            runCli({"--tables", kTables, option, folder.file("x"), kData + "/sand_frost_depth.dan"});
        EXPECT_EQ(result.code, 2) << option;
        EXPECT_EQ(result.err, "fundis-cli: собран без Qt: --pdf и --svg недоступны\n");
        EXPECT_EQ(result.out, "");
    }
}
#endif
