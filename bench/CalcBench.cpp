// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "core/calc/FoundationDepth.h"
#include "core/calc/SizeBase.h"
#include "core/input/InputProcessing.h"
#include "core/project/ProjectPass.h"
#include "support/SampleProject.h"

using namespace fundis;

namespace {

// The whole pass as "Начать расчет" runs it: the tables read from disk, the dialog's OK, the design.
void fullDesign(benchmark::State& state) {
    PassOptions options;
    options.tablesDir = FUNDIS_TABLES_DIR;
    options.debug = state.range(0) != 0;
    const ProjectForm form = sandProjectForm();
    for (auto _ : state) {
        benchmark::DoNotOptimize(runProjectPass(form, options));
    }
}
BENCHMARK(fullDesign)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The base search alone, on tables already in memory.
void searchInMemory(benchmark::State& state) {
    CodeTables tables;
    if (!loadCodeTables(FUNDIS_TABLES_DIR, tables).ok()) {
        state.SkipWithError("the tables did not load");
        return;
    }
    ProjectForm form = sandProjectForm();
    ProjectRecord project;
    applyInputForm(form, project, tables);
    const DepthResult depth = computeFoundationDepth(project);
    for (auto _ : state) {
        CalculationReport report('.');
        const BaseSizeResult base = SizeBase(project, tables, depth, report, false, {});
        benchmark::DoNotOptimize(base.kzap);
    }
}
BENCHMARK(searchInMemory)->Unit(benchmark::kMicrosecond);

// The debug report at the finest modules, d_l = d_h = 0.01 m: every admissible base of the 1000 x
// 1000 candidates gets a line, some 213,000 of them for the sand project.
void debugReportFinestModules(benchmark::State& state) {
    PassOptions options;
    options.tablesDir = FUNDIS_TABLES_DIR;
    options.debug = true;
    ProjectForm form = sandProjectForm();
    form.text(TextField::d_l) = form.text(TextField::d_h) = "0.01";
    std::size_t lines = 0;
    for (auto _ : state) {
        const ProjectPass pass = runProjectPass(form, options);
        lines = pass.report.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(debugReportFinestModules)->Unit(benchmark::kMillisecond);

}  // namespace
