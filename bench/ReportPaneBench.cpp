// SPDX-License-Identifier: GPL-3.0-or-later
// Filling the main window's report pane with the debug report of a 1 cm plan and height module:
// about 214,000 lines, which must show within a second.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextEdit>
#include <cstdlib>

#include "core/project/ProjectPass.h"
#include "gui/widgets/ReportPane.h"
#include "support/SampleProject.h"

namespace {

std::vector<fundis::ReportLine> fineDebugReport() {
    fundis::ProjectForm form = columnProjectForm();
    form.choices = fundis::ProjectForm().choices;  // the first items, as a new project has them
    form.text(fundis::TextField::d_l) = form.text(fundis::TextField::d_h) = "0.01";
    fundis::PassOptions options;
    options.tablesDir = FUNDIS_TABLES_DIR;
    options.debug = true;
    options.decimalSeparator = ',';
    return fundis::runProjectPass(form, options).report;
}

void BM_FillReportPaneWithTheFineDebugReport(benchmark::State& state) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    int argc = 1;
    char name[] = "report_pane_bench";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    const std::vector<fundis::ReportLine> report = fineDebugReport();
    QTextEdit pane;
    pane.resize(1000, 700);
    pane.show();
    for (auto _ : state) {
        fundis::fillReportPane(pane, report);
        QApplication::processEvents();  // the layout and the first paint
    }
    state.counters["lines"] = static_cast<double>(report.size());
}
BENCHMARK(BM_FillReportPaneWithTheFineDebugReport)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
