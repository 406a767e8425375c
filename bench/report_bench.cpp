// The whole text report of a fully programmed radio.
#include <benchmark/benchmark.h>

#include "image/codec.h"
#include "image/defaults.h"
#include "report/report.h"

namespace kv {
namespace {

// Model type 5 with every list section present and every EXP channel in use.
RadioSession FullRadio() {
    RadioSession s;
    s.model = 5;
    s.today = [] { return CivilDate{2026, 1, 15}; };
    ResetToDefaults(s);
    for (int group = kUsaGroup; group <= kExpGroup; ++group) s.settings.UsableGroups[group].Enable = true;
    for (int n = 0; n < kExpChannels; ++n) {
        ChannelRecord& ch = s.settings.CHEXP[n];
        ch.Enable = true;
        ch.LmrExp = n % 2 == 0;
        ch.Rxfreq = 150.0125 + n * 0.5;
        ch.Txfreq = ch.Rxfreq + 0.0003;
        ch.CHDisplayL = "BN";
        ch.CHDisplayR = std::to_string(n);
        ch.ChTag = "CHANNEL";
        ch.RxCTCSS = static_cast<int16_t>(n % 50 + 1);
        ch.TxDCS = static_cast<int16_t>(n + 100);
    }
    EncodeImage(s);
    DecodeImage(s);
    return s;
}

void BM_BuildReport(benchmark::State& state) {
    const RadioSession s = FullRadio();
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
