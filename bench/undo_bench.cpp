// Undo and redo: recording one edit (finding what differs from the last
// step), and undoing plus redoing a one-field edit and a marine insert,
// which moves the records after it.
#include <benchmark/benchmark.h>

#include <functional>

#include "editor/edit_history.h"
#include "full_radio.h"
#include "rules/channel_lists.h"

namespace kv {
namespace {

void BM_RecordAnEdit(benchmark::State& state) {
    RadioSession s = bench::FullRadio();
    ChangeRecorder recorder(s.settings);
    int n = 0;
    for (auto _ : state) {
        s.settings.CHEXP[7].ChTag = (++n % 2) ? "HARBOR" : "MARINA";
        benchmark::DoNotOptimize(recorder.Take(s.settings, s.model));
    }
}
BENCHMARK(BM_RecordAnEdit)->Unit(benchmark::kMicrosecond);

void UndoAndRedo(benchmark::State& state, const std::function<void(RadioSettings&)>& edit) {
    RadioSession s = bench::FullRadio();
    ChangeRecorder recorder(s.settings);
    edit(s.settings);
    const SettingsChange change = *recorder.Take(s.settings, s.model);
    for (auto _ : state) {
        change.Revert(s.settings);
        change.Apply(s.settings);
        benchmark::DoNotOptimize(s.settings.CHUSA[1].ChTag);
    }
    state.counters["records"] = static_cast<double>(change.recordCount());
}

void BM_UndoRedoOfAName(benchmark::State& state) {
    UndoAndRedo(state, [](RadioSettings& st) { st.CHUSA[1].ChTag = "CALLING"; });
}
BENCHMARK(BM_UndoRedoOfAName)->Unit(benchmark::kMicrosecond);

void BM_UndoRedoOfAMarineInsert(benchmark::State& state) {
    UndoAndRedo(state, [](RadioSettings& st) { InsertMarineChannel(st.CHUSA, 0, MarinePanel{}); });
}
BENCHMARK(BM_UndoRedoOfAMarineInsert)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kv
