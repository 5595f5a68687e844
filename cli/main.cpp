// SPDX-License-Identifier: GPL-3.0-or-later
// fundis-cli: the calculation of saved projects without the windows.

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/DocumentExport.h"
#include "core/files/DanFile.h"
#include "core/files/DataLocation.h"
#include "core/files/Settings.h"
#include "core/model/FileIo.h"
#include "core/model/NumberFormat.h"
#include "core/note/CalculationNote.h"
#include "core/note/NoteOdt.h"
#include "core/note/SvgCanvas.h"
#include "core/project/ProjectJson.h"
#include "core/project/ProjectPass.h"
#include "core/reports/DxfExport.h"
#include "core/reports/HtmlReport.h"

namespace fundis {

namespace {

void complain(const std::string& text) { std::fprintf(stderr, "fundis-cli: %s\n", text.c_str()); }

std::string baseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The extension of a file name in lower case ("" when it has none).
std::string lowerSuffix(const std::string& path) {
    const std::string name = baseName(path);
    const std::size_t dot = name.rfind('.');
    std::string suffix = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return suffix;
}

struct Run {
    const CliOptions& options;
    Settings settings;
    PassOptions pass;
    bool colour = false;
};

void printReport(const Run& run, const std::string& path, const std::vector<ReportLine>& lines) {
    if (run.options.projects.size() > 1 && !path.empty()) {
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

// With `noteOnly` the documents of the last calculation are left out: a pass that did not run
// has only its note, which says why.
Status exportFiles(const Run& run, const std::string& path, const ProjectPass& pass, bool noteOnly = false) {
    const ReportContext context =
        documentContext(&pass, {path, run.settings.schemeScale, run.pass.decimalSeparator});
    if (run.options.htmlFile && !noteOnly) {
        if (Status saved = saveFileAtomically(*run.options.htmlFile, htmlReport(context)); !saved) {
            return saved;
        }
    }
    if (run.options.dxfFile && !noteOnly) {
        if (Status saved = writeSchemeDxf(*run.options.dxfFile, context); !saved) {
            return saved;
        }
    }
    if (run.options.bomFile && !noteOnly) {
        if (Status saved = saveFileAtomically(*run.options.bomFile, billOfMaterialsCsv(pass.quantities));
            !saved) {
            return saved;
        }
    }
    DocumentRequest request;
    if (!noteOnly) {
        request.pdfFile = run.options.pdfFile.value_or("");
        request.svgFile = run.options.svgFile.value_or("");
    }
    CalculationNote note;
    if (run.options.explainFile) {
        NoteOptions noteOptions;
        noteOptions.fileName = path;
        noteOptions.decimalSeparator = run.pass.decimalSeparator;
        note = buildCalculationNote(&pass, noteOptions);
        const std::string& file = *run.options.explainFile;
        const std::string suffix = lowerSuffix(file);
        if (suffix == "html" || suffix == "htm") {
            const std::string svg = note.calculated ? schemeSvg(shownDesign(context), context.schemeScale,
                                                                context.decimalSeparator)
                                                    : "";
            if (Status saved = saveFileAtomically(file, noteHtml(note, svg)); !saved) {
                return saved;
            }
        } else if (suffix == "odt") {
            if (Status saved = saveFileAtomically(file, noteOdt(note, context)); !saved) {
                return saved;
            }
        } else if (suffix == "pdf") {
            request.noteFile = file;
            request.note = &note;
        } else {
            return Status::failure("--explain " + file + ": записка сохраняется в .html, .odt или .pdf");
        }
    }
    if (!request.pdfFile.empty() || !request.svgFile.empty() || !request.noteFile.empty()) {
        return exportDocuments(request, context);
    }
    return {};
}

int runProject(const Run& run, const std::string& path) {
    ProjectFile project;
    PassOptions options = run.pass;
    if (const Status read = readProjectFile(path, project, options.settlementPartRead); !read) {
        complain(read.message());
        return kExitNotRun;
    }
    if (!options.settlementPartRead) {
        complain(path + ": " + options.settlementPartRead.message());
    }
    // --set: the fields given on the command line, over the file's, before the calculation
    for (const auto& [name, value] : run.options.assignments) {
        if (const Status set = setField(project.form, name, value); !set) {
            std::string line = path + ": --set ";
            line += name;
            line += "=";
            line += value;
            line += ": " + set.message();
            complain(line);
            return kExitNotRun;
        }
    }
    const ProjectPass pass = runProjectPass(project.form, project.settlement, options);
    if (pass.outcome == PassOutcome::NotRun && pass.report.empty()) {
        complain(path + ": расчет не выполнен: " + pass.reason + " (папку таблиц задает --tables)");
        if (const Status written = exportFiles(run, path, pass, true); !written) {
            complain(written.message());
        }
        return kExitNotRun;
    }
    for (const std::string& warning : pass.warnings) {
        std::string line = path;
        line += ": необычное значение: ";
        line += warning;
        complain(line);
    }
    if (pass.inputDialogNeeded) {
        complain(path + ": не заданы ни " + fieldTitle(formField(TextField::fii)) + ", ни " +
                 fieldTitle(formField(TextField::cii)) +
                 "; программа открыла бы окно ввода данных, расчет продолжается с тем, что есть");
    }
    if (run.options.json) {
        std::printf("%s\n", projectJson(baseName(path), pass).c_str());
    } else {
        printReport(run, path, pass.report);
        if (pass.settlement) {
            printReport(run, "", pass.settlement->report);
        }
    }
    std::fflush(stdout);
    if (pass.outcome == PassOutcome::NotRun) {
        // the report is the one line that names the fields to mend; there is nothing to export
        if (run.options.htmlFile || run.options.pdfFile || run.options.svgFile || run.options.dxfFile ||
            run.options.bomFile) {
            complain(path + ": документы не сохранены: расчет не выполнен");
        }
        // the note says why nothing was calculated
        if (const Status written = exportFiles(run, path, pass, true); !written) {
            complain(written.message());
        }
        return kExitNotRun;
    }
    if (const Status exported = exportFiles(run, path, pass); !exported) {
        complain(exported.message());
        return kExitNotRun;
    }
    return exitStatus(pass.outcome);
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
    if (options.version) {
        std::printf("fundis-cli (Фундис) %s\n", FUNDIS_VERSION);
        return kExitComplete;
    }
    if (options.fields) {
        std::fputs(fieldList().c_str(), stdout);
        return kExitComplete;
    }
    const bool noteNeedsQt = options.explainFile && lowerSuffix(*options.explainFile) == "pdf";
    if ((options.pdfFile || options.svgFile) && !documentExportAvailable()) {
        complain("собран без Qt: --pdf и --svg недоступны");
        return kExitNotRun;
    }
    if (noteNeedsQt && !documentExportAvailable()) {
        complain("собран без Qt: записка в PDF недоступна, --explain ФАЙЛ.html и ФАЙЛ.odt доступны");
        return kExitNotRun;
    }

    Run run{options, {}, {}, false};
    bool haveSettings = false;
    if (options.settingsFile) {
        std::string bytes;
        if (const Status read = readWholeFile(*options.settingsFile, bytes); !read) {
            complain(read.message());
            return kExitNotRun;
        }
        parseSettings(bytes, run.settings);
        haveSettings = true;
    } else {
        const std::string userFile = settingsFilePath();
        if (!userFile.empty() && isFile(userFile)) {
            haveSettings = readSettingsFile(userFile, run.settings).fileOpened;
        }
    }
    run.pass.debug = options.debug || (haveSettings && run.settings.debugMode != 0);
    run.pass.decimalSeparator = options.decimalSeparator.value_or(userDecimalSeparator());
    if (options.tablesDir) {
        run.pass.tablesDir = *options.tablesDir;
    } else if (haveSettings && !run.settings.programDir.empty()) {
        run.pass.tablesDir = run.settings.programDir;
    } else {
        run.pass.tablesDir = installedTablesDir();
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
