// SPDX-License-Identifier: GPL-3.0-or-later
// fundis-gui-check [--json] [--sep C] [--tables DIR] [--debug] PROJECT.dan...: fundis-cli's --json
// made by the real windows offscreen. For each project a fresh main window and input dialog open
// the project as "Открыть" does, confirm it with OK and run "Начать расчет"; the JSON is built from
// what the window then shows: the report pane's lines and the last calculation. The report's
// decimal separator is the locale's, as in the window (--sep is accepted and ignored).

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>

#include "cli/CliOptions.h"
#include "core/project/ProjectJson.h"
#include "gui/app/MainWindow.h"
#include "gui/input/InputDialog.h"
#include "gui/settings/SettingsDialog.h"
#include "gui/settlement/SettlementWindow.h"
#include "tools/ScriptedDialogs.h"

namespace {

QString absolute(const std::string& path) {
    return QDir::current().absoluteFilePath(QString::fromStdString(path));
}

int checkProject(const fundis::CliOptions& options, const std::string& path) {
    fundis::ScriptedDialogs dialogs;
    dialogs.acceptQuestions = true;
    fundis::setDialogs(&dialogs);
    fundis::MainWindow main;
    auto* input = new fundis::InputDialog(&main);
    auto* settingsDialog = new fundis::SettingsDialog(&main);
    main.attachDialogs(input, settingsDialog);
    main.firstActivation();
    // the settings a user would set for this run: the tables' folder and the debug data
    if (options.tablesDir) {
        main.settings().programDir = QDir(absolute(*options.tablesDir)).absolutePath().toStdString();
    }
    main.settings().debugMode = options.debug ? 1 : 0;

    dialogs.files << absolute(path);
    main.openProject();
    main.startCalculation();
    // the settlement as its window shows it, "Рассчитать" pressed when the project has layers
    std::optional<fundis::SettlementPass> settlement;
    const auto& calculated = main.lastCalculation();
    if (main.document().settlementInputs().hasLayers() || (calculated && calculated->settlement)) {
        dialogs.onExec = [&settlement](QDialog& dialog) {
            if (auto* window = qobject_cast<fundis::SettlementWindow*>(&dialog)) {
                if (window->inputs().hasLayers()) {
                    window->calculate();
                }
                settlement = window->result();
            }
            return int(QDialog::Rejected);
        };
        main.showSettlement();
    }
    fundis::setDialogs(nullptr);

    for (const QString& message : dialogs.messages) {
        std::fprintf(stderr, "fundis-gui-check: %s: %s\n", path.c_str(), message.toLocal8Bit().constData());
    }
    const auto& calculation = main.lastCalculation();
    const std::vector<fundis::ReportLine> lines = main.reportLines();
    const std::string file = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    if (!calculation) {
        // refused: the pane holds the line that names the fields, and nothing was calculated
        if (!lines.empty()) {
            const fundis::ProjectForm shown = input->form();
            std::printf("%s\n",
                        fundis::projectJson(file, fundis::PassOutcome::NotRun, lines, fundis::ProjectRecord(),
                                            fundis::CalculationResult(),
                                            fundis::inputDialogNeeded(shown.text(fundis::TextField::fii),
                                                                      shown.text(fundis::TextField::cii)),
                                            nullptr)
                            .c_str());
            std::fflush(stdout);
        }
        return fundis::kExitNotRun;
    }
    const bool failed = fundis::anyFailure(lines) || (settlement && fundis::anyFailure(settlement->report));
    const fundis::PassOutcome outcome =
        failed ? fundis::PassOutcome::DesignFailures : fundis::PassOutcome::Complete;
    std::printf("%s\n",
                fundis::projectJson(file, outcome, lines, calculation->record, calculation->calculation,
                                    calculation->inputDialogNeeded, settlement ? &*settlement : nullptr)
                    .c_str());
    std::fflush(stdout);
    return fundis::exitStatus(outcome);
}

}  // namespace

int main(int argc, char** argv) {
    // never the user's kp.ini: a scratch configuration folder of its own
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    fundis::CliOptions options;
    std::string error;
    if (!fundis::parseCliArguments(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "fundis-gui-check: %s\n", error.c_str());
        return fundis::kExitNotRun;
    }
    int worst = fundis::kExitComplete;
    for (const std::string& path : options.projects) {
        worst = std::max(worst, checkProject(options, path));
    }
    return worst;
}
