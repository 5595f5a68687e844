#include <benchmark/benchmark.h>

#include <fstream>
#include <map>
#include <sstream>

#include "calc/Calculation.h"
#include "calc/CalculationReport.h"
#include "calc/SizeBase.h"
#include "calc/TableLookup.h"

using namespace fundis;

namespace {

// A 0.5 x 0.5 column on dense sand, as the input dialog leaves the record.
TProjectData typicalProject() {
    TProjectData data;
    data.Mt = 72;
    data.kh = 0.9f;
    data.d0 = 0.23f;
    data.MII = {0, 106, 48, 64};
    data.NII = {0, 1547.7f, 1951, 1579};
    data.QII = {0, 31.5f, 21, 51.2f};
    data.MI = {0, 125, 56, 75.2f};
    data.NI = {0, 1818.7f, 2293, 1856};
    data.QI = {0, 37, 24.7f, 60};
    data.fii = 34.1f;
    data.cii = 38;
    data.Yii = 18.5f;
    data.Yii1 = 20.36f;
    data.Yc1 = data.Yc2 = 1.3f;
    data.k = 1.1f;
    data.d_l = data.d_h = 0.3f;
    data.socketDepth = 0.9f;
    data.socketBottom = 0.5f;
    data.lc = data.bc = 0.5f;
    data.da = 0.02f;
    data.dz = 0.07f;
    data.Rs = 365000;
    data.Rbt = 0.66f;
    return data;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The whole pass as the command runs it: every table read from disk, table4.dat once per width.
void fullDesign(benchmark::State& state) {
    CalculationOptions options;
    options.programDir = FUNDIS_TABLES_DIR;
    options.debug = state.range(0) != 0;
    for (auto _ : state) {
        TProjectData data = typicalProject();
        benchmark::DoNotOptimize(runCalculation(data, options));
    }
}
BENCHMARK(fullDesign)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The base search alone, tables held in memory.
void searchInMemory(benchmark::State& state) {
    const TableSet tables = TableSet::inMemory({{"table4.dat", fileText(FUNDIS_TABLES_DIR "/table4.dat")}});
    for (auto _ : state) {
        TProjectData data = typicalProject();
        data.d = 1.8f;
        data.Hf = 1.8f;
        CalculationReport report('.');
        SizeBase(data, tables, report, false, {});
        benchmark::DoNotOptimize(data.kzap);
    }
}
BENCHMARK(searchInMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
