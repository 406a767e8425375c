// CSV export of the largest channel list (a marine list of 127 channels)
// and import of its 127 rows; and the 40 rows of the LMR list, in our
// layout and in the generic one.
#include <benchmark/benchmark.h>

#include "editor/channel_csv.h"
#include "full_radio.h"
#include "rules/channel_lists.h"

namespace kv {
namespace {

// The USA list filled to its 127 channels by pasting the plan's own rows.
RadioSession FullMarineRadio() {
    RadioSession s = bench::FullRadio();
    const std::string rows = CopyChannelRows(s, ChannelList::Usa, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    while (ListedChannelCount(s.settings.CHUSA) + 10 <= kMaxMarineRows)
        s.settings = *PasteChannelRows(s, ChannelList::Usa, ListedChannelCount(s.settings.CHUSA) - 1, rows).settings;
    while (ListedChannelCount(s.settings.CHUSA) < kMaxMarineRows)
        s.settings = *PasteChannelRows(s, ChannelList::Usa, 0, rows.substr(0, rows.find('\n') + 1)).settings;
    return s;
}

void BM_ExportCsv(benchmark::State& state, ChannelList list) {
    const RadioSession s = FullMarineRadio();
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string csv = ExportChannelsCsv(s, list);
        bytes = csv.size();
        benchmark::DoNotOptimize(csv.data());
    }
    state.counters["csv_bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(BM_ExportCsv, usa_127, ChannelList::Usa)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ExportCsv, lmr_40, ChannelList::Lmr)->Unit(benchmark::kMicrosecond);

// Every row differs from the record at its place, so every cell is checked.
void BM_ImportCsv(benchmark::State& state, ChannelList list) {
    const RadioSession full = FullMarineRadio();
    const std::string csv = ExportChannelsCsv(full, list);
    RadioSession fresh = bench::FullRadio();
    for (ChannelRecord& ch : fresh.settings.CHEXP) ch.ChTag = "OTHER";
    for (auto _ : state) {
        const ChannelChange change = ImportChannelsCsv(fresh, list, csv);
        if (!change.settings) state.SkipWithError("the import was refused");
        benchmark::DoNotOptimize(change.settings);
    }
}
BENCHMARK_CAPTURE(BM_ImportCsv, usa_127, ChannelList::Usa)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ImportCsv, lmr_40, ChannelList::Lmr)->Unit(benchmark::kMicrosecond);

// 40 generic rows, semicolon-separated with decimal commas, each a channel
// the radio does not hold yet, so every cell is translated and checked.
void BM_ImportGenericCsv(benchmark::State& state) {
    RadioSession full = bench::FullRadio();
    for (ChannelRecord& ch : full.settings.CHEXP) ch.LmrExp = true;
    const std::string csv = ExportChannelsCsv(full, ChannelList::Lmr, {CsvLayout::Generic, ';'});
    RadioSession fresh = bench::FullRadio();
    for (ChannelRecord& ch : fresh.settings.CHEXP) ch = ChannelRecord{};
    for (auto _ : state) {
        const ChannelChange change = ImportChannelsCsv(fresh, ChannelList::Lmr, csv);
        if (!change.settings || change.channels != kExpChannels) state.SkipWithError("the import was refused");
        benchmark::DoNotOptimize(change.settings);
    }
}
BENCHMARK(BM_ImportGenericCsv)->Name("BM_ImportGenericCsv/lmr_40")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kv
