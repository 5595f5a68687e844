// Filling the main window's report pane with the debug report of a 1 cm plan and height module:
// about 214,000 lines, which must show within a second.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextEdit>
#include <cstdlib>

#include "core/project/ProjectPass.h"
#include "gui/widgets/ReportPane.h"

namespace {

std::vector<fundis::ReportLine> fineDebugReport() {
    fundis::ProjectForm form;
    const std::pair<int, const char*> texts[] = {
        {1, "49"},    {3, "120"},   {4, "1500"}, {5, "30"},   {6, "60"},    {7, "1900"}, {8, "20"},
        {9, "80"},    {10, "1600"}, {11, "60"},  {13, "28"},  {14, "5"},    {16, "18"},  {17, "17"},
        {32, "132"},  {33, "1650"}, {34, "33"},  {35, "66"},  {36, "2090"}, {37, "22"},  {38, "88"},
        {39, "1760"}, {40, "66"},   {27, "0.4"}, {23, "0.4"}, {12, "0.01"}, {20, "0.01"}};
    for (const auto& [number, text] : texts) {
        form.edit(number) = text;
    }
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
