// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "core/settlement/Settlement.h"
#include "core/settlement/SettlementReport.h"

using namespace fundis;

namespace {

// Twenty thin layers under a 1.2 x 2.1 m base at 2.7 m: about twenty sublayers down to Hc ≈ 5 m.
SettlementInputs twentyLayers() {
    const char* const cells[20][3] = {
        {"0,99", "16,5", "27,4"}, {"0,46", "19,5", "7,4"},  {"0,55", "17,7", "30,8"},
        {"0,35", "18,3", "14,1"}, {"0,55", "18,4", "43,4"}, {"0,73", "20,8", "12,5"},
        {"1,13", "17,8", "13,4"}, {"0,97", "20,6", "6,3"},  {"0,54", "19,9", "19,3"},
        {"0,52", "16", "7,6"},    {"0,86", "20,9", "44,9"}, {"0,75", "16,1", "18,6"},
        {"1,01", "20,2", "30,9"}, {"0,51", "18,6", "24,6"}, {"0,86", "17,3", "42,9"},
        {"1,1", "16,8", "17,4"},  {"1,09", "17,4", "42,8"}, {"0,76", "19,5", "33,5"},
        {"0,49", "17,4", "15,9"}, {"0,91", "19,5", "11,1"},
    };
    SettlementInputs inputs;
    for (const auto& row : cells) {
        inputs.layers.push_back({row[0], row[1], row[2]});
    }
    inputs.buildingType = 2;
    return inputs;
}

// What the "Рассчитать" button does: read the cells, compute, write the report block.
void BM_SettlementOfTwentyLayers(benchmark::State& state) {
    const SettlementInputs inputs = twentyLayers();
    for (auto _ : state) {
        SettlementData data;
        if (!parseSettlementInputs(inputs, data)) {
            state.SkipWithError("the cells do not read");
            break;
        }
        const SettlementResult result = computeSettlement(1.2000000476837158, 2.0999999046325684,
                                                          2.700000047683716, 685.7460327148438, data);
        benchmark::DoNotOptimize(settlementReport(result, ','));
    }
}
BENCHMARK(BM_SettlementOfTwentyLayers)->Unit(benchmark::kMicrosecond);

}  // namespace
