// fundis-cli: the calculation of saved projects without the windows.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "calc/Calculation.h"
#include "calc/TableLookup.h"
#include "cli/CliOptions.h"
#include "cli/DocumentExport.h"
#include "cli/ProjectJson.h"
#include "files/DanFile.h"
#include "files/SafeSave.h"
#include "files/Settings.h"
#include "input/InputProcessing.h"
#include "input/ProjectForm.h"
#include "reports/HtmlReport.h"

namespace fundis {

namespace {

constexpr int kExitComplete = 0;
constexpr int kExitFailures = 1;
constexpr int kExitNotRun = 2;

const char* const kTableNames[] = {"table3.dat", "table4.dat", "Rb.dat",
                                   "k1.dat",     "hstup.dat",  "sizepdkl.dat"};

void complain(const std::string& text) { std::fprintf(stderr, "fundis-cli: %s\n", text.c_str()); }

bool isFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Where the desktop program keeps kp.ini.
std::string userSettingsPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') {
        return std::string(config) + "/fundis/kp.ini";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/.config/fundis/kp.ini";
    }
    return {};
}

char localeDecimalSeparator() {
    char separator = '.';
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const char* point = std::localeconv()->decimal_point;
        if (point != nullptr && std::strlen(point) == 1) {
            separator = point[0];
        }
    }
    // the core reads and writes numbers with "."
    std::setlocale(LC_NUMERIC, "C");
    return separator;
}

std::string baseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool namesTable(const std::string& text) {
    return std::any_of(std::begin(kTableNames), std::end(kTableNames),
                       [&](const char* name) { return text.find(name) != std::string::npos; });
}

struct Run {
    const CliOptions& options;
    Settings settings;
    std::string tablesDir;
    bool debug = false;
    char decimalSeparator = '.';
    bool colour = false;
};

void printReport(const Run& run, const std::string& path, const std::vector<ReportLine>& lines) {
    if (run.options.projects.size() > 1) {
        std::printf("== %s\n", path.c_str());
    }
    for (const ReportLine& line : lines) {
        if (line.failure && run.colour && !line.text.empty()) {
            std::printf("\033[1;31m%s\033[0m\n", line.text.c_str());
        } else {
            std::printf("%s\n", line.text.c_str());
        }
    }
}

int runProject(const Run& run, const std::string& path) {
    ProjectForm form;
    const DanReadResult read = readDanFile(path, form);
    if (!read.ok) {
        complain(path + ": " + read.error);
        return kExitNotRun;
    }

    // a fresh record, as after start-up (where the main window also sets d = 0), then the OK
    TProjectData data{};
    int iterations = run.settings.iterations;
    const InputProcessingResult input = applyInputForm(form, data, run.tablesDir, iterations);
    if (!input.problems.empty()) {
        complain(path + ": " + input.problems.front());
        return kExitNotRun;
    }
    const bool dialogNeeded = inputDialogNeeded(form.edit(13), form.edit(14));
    if (dialogNeeded) {
        complain(path +
                 ": не заданы ни угол внутреннего трения (Edit13), ни сцепление (Edit14); "
                 "программа открыла бы окно ввода данных, расчет продолжается с тем, что есть");
    }

    CalculationOptions calculation;
    calculation.programDir = run.tablesDir;
    calculation.debug = run.debug;
    calculation.decimalSeparator = run.decimalSeparator;
    calculation.concreteClassCount = kConcreteClassCount;
    calculation.concreteClassIndex = form.combo(9);
    std::vector<ReportLine> lines;
    try {
        lines = runCalculation(data, calculation);
    } catch (const TableError& error) {
        complain(path + ": " + error.what());
        return kExitNotRun;
    }

    if (run.options.json) {
        std::printf("%s\n", projectJson(baseName(path), lines, data, dialogNeeded).c_str());
    } else {
        printReport(run, path, lines);
    }
    std::fflush(stdout);

    int code = kExitComplete;
    for (const ReportLine& line : lines) {
        if (line.failure && namesTable(line.text)) {
            complain(path + ": " + line.text);
            return kExitNotRun;
        }
        if (line.failure) {
            code = kExitFailures;
        }
    }

    std::string error;
    if (run.options.htmlFile &&
        !saveFileAtomically(*run.options.htmlFile, htmlReport(data, path, form.craneAndWind), error)) {
        complain(error);
        return kExitNotRun;
    }
    if (run.options.pdfFile || run.options.svgFile) {
        DocumentRequest request;
        request.pdfFile = run.options.pdfFile.value_or("");
        request.svgFile = run.options.svgFile.value_or("");
        ReportContext context;
        context.data = &data;
        context.fileName = path;
        context.craneAndWind = form.craneAndWind;
        if (run.settings.schemeScale > 0) {
            context.schemeScale = run.settings.schemeScale;
        }
        context.decimalSeparator = run.decimalSeparator;
        if (!exportDocuments(request, context, error)) {
            complain(error);
            return kExitNotRun;
        }
    }
    return code;
}

int runCli(const std::vector<std::string>& arguments) {
    CliOptions options;
    std::string error;
    if (!parseCliArguments(arguments, options, error)) {
        complain(error + " (справка: fundis-cli --help)");
        return kExitNotRun;
    }
    if (options.help) {
        std::fputs(cliUsage().c_str(), stdout);
        return kExitComplete;
    }
    if ((options.pdfFile || options.svgFile) && !documentExportAvailable()) {
        complain("собран без Qt: --pdf и --svg недоступны");
        return kExitNotRun;
    }

    Run run{options, {}, {}, false, '.', false};
    run.decimalSeparator = localeDecimalSeparator();
    if (options.decimalSeparator) {
        run.decimalSeparator = *options.decimalSeparator;
    }

    bool haveSettings = false;
    if (options.settingsFile) {
        std::string bytes;
        if (!readWholeFile(*options.settingsFile, bytes, error)) {
            complain(error);
            return kExitNotRun;
        }
        parseSettings(bytes, run.settings);
        haveSettings = true;
    } else {
        const std::string userFile = userSettingsPath();
        if (!userFile.empty() && isFile(userFile)) {
            haveSettings = readSettingsFile(userFile, run.settings).fileOpened;
        }
    }
    run.debug = options.debug || (haveSettings && run.settings.debugMode != 0);

    if (options.tablesDir) {
        run.tablesDir = *options.tablesDir;
    } else if (haveSettings && !run.settings.programDir.empty()) {
        run.tablesDir = run.settings.programDir;
    } else if (isFile(std::string(FUNDIS_INSTALL_DATA_DIR) + "/table4.dat")) {
        run.tablesDir = FUNDIS_INSTALL_DATA_DIR;
    } else {
        run.tablesDir = FUNDIS_SOURCE_DATA_DIR;
    }
    run.colour = isatty(STDOUT_FILENO) != 0 && std::getenv("NO_COLOR") == nullptr && !options.json;

    int worst = kExitComplete;
    for (const std::string& path : options.projects) {
        worst = std::max(worst, runProject(run, path));
    }
    return worst;
}

}  // namespace

}  // namespace fundis

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return fundis::runCli(arguments);
}
