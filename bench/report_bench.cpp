// The whole text report of a fully programmed radio.
#include <benchmark/benchmark.h>

#include "full_radio.h"
#include "report/report.h"

namespace kv {
namespace {

void BM_BuildReport(benchmark::State& state) {
    const RadioSession s = bench::FullRadio();
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string report = BuildReport(s);
        bytes = report.size();
        benchmark::DoNotOptimize(report.data());
    }
    state.counters["report_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_BuildReport)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kv
