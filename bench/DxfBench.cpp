// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "core/reports/DxfExport.h"
#include "support/SampleProject.h"

using namespace fundis;

namespace {

// The whole scheme of a two-step foundation as a DXF file in memory: the drawing on the DXF canvas
// and the file written by dxflib (goal: 10 ms).
void schemeDxfFile(benchmark::State& state) {
    const SampleDesign sample = twoStepFoundation();
    ReportContext context = sample.context();
    context.schemeScale = 75;
    context.decimalSeparator = ',';
    context.outOfDate = true;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string file = schemeDxf(context);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(schemeDxfFile)->Unit(benchmark::kMillisecond);

}  // namespace
