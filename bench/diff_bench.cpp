// What differs between two full programmings, and what a write of one would
// change in a radio holding the other (the preview before programming).
#include <benchmark/benchmark.h>

#include "full_radio.h"
#include "link/program_preview.h"
#include "report/programming_diff.h"

namespace kv {
namespace {

// The full radio, and the same radio with every channel name, tone and
// common setting changed: the largest difference there is.
struct Pair {
    RadioSession before = bench::FullRadio();
    RadioSession after = before;
    Pair() {
        for (MarineGroup* group : {&after.settings.CHUSA, &after.settings.CHINT, &after.settings.CHCAN})
            for (ChannelRecord& ch : *group) ch.ChTag = "RENAMED";
        for (ChannelRecord& ch : after.settings.CHEXP) ch.RxCTCSS = 7;
        after.settings.Common.SQL = 3;
        AsProgrammed(after);
    }
};

void BM_DiffOfTwoFullProgrammings(benchmark::State& state) {
    const Pair p;
    size_t changes = 0;
    for (auto _ : state) changes = DiffProgrammings(p.before, p.after).changes.size();
    state.counters["changes"] = static_cast<double>(changes);
}
BENCHMARK(BM_DiffOfTwoFullProgrammings)->Unit(benchmark::kMicrosecond);

void BM_DiffOfEqualProgrammings(benchmark::State& state) {
    const Pair p;
    for (auto _ : state) benchmark::DoNotOptimize(DiffProgrammings(p.before, p.before).changes.size());
}
BENCHMARK(BM_DiffOfEqualProgrammings)->Unit(benchmark::kMicrosecond);

void BM_PreviewOfAFullWrite(benchmark::State& state) {
    const Pair p;
    const std::vector<uint8_t> radio(p.before.image.bytes.begin(), p.before.image.bytes.end());
    for (auto _ : state) benchmark::DoNotOptimize(DiffOfProgram(p.after, radio).changes.size());
}
BENCHMARK(BM_PreviewOfAFullWrite)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kv
