// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <string>

#include "core/files/DanFile.h"

using namespace fundis;

namespace {

// A .dan file whose first word is 5 MB: read, refused and its message made. Opening such a file
// once froze the window for seconds; the reading itself is a pass over the bytes.
void BM_ProjectWithAFiveMegabyteWord(benchmark::State& state) {
    std::string bytes(5 * 1024 * 1024, '7');
    for (int value = 2; value <= 51; ++value) {
        bytes += "\r\n0";
    }
    for (auto _ : state) {
        ProjectFile project;
        Status settlementPartRead;
        const Status read = parseProject(bytes, project, settlementPartRead);
        if (read) {
            state.SkipWithError("the file was taken");
            break;
        }
        benchmark::DoNotOptimize(read.message().size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ProjectWithAFiveMegabyteWord)->Unit(benchmark::kMillisecond);

}  // namespace
