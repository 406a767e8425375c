// Decode of a full image; encode + normalize + checksum.
#include <benchmark/benchmark.h>

#include "image/codec.h"
#include "image/defaults.h"

namespace kv {
namespace {

RadioSession ProgrammedRadio() {
    RadioSession s;
    s.model = 5;
    s.today = [] { return CivilDate{2026, 12, 6}; };
    ResetToDefaults(s);
    for (int n = 0; n < kExpChannels; ++n) {
        ChannelRecord& ch = s.settings.CHEXP[n];
        ch.Enable = true;
        ch.LmrExp = n % 2 == 0;
        ch.Txfreq = ch.Rxfreq = 150.0 + n * 0.5;
        ch.ChTag = "CHANNEL";
        ch.TxCTCSS = static_cast<int16_t>(n % 50 + 1);
    }
    EncodeImage(s);
    return s;
}

void BM_DecodeImage(benchmark::State& state) {
    RadioSession s = ProgrammedRadio();
    for (auto _ : state) {
        DecodeImage(s);
        benchmark::DoNotOptimize(s.settings.CHEXP[39].Txfreq);
    }
}
BENCHMARK(BM_DecodeImage)->Unit(benchmark::kMicrosecond);

void BM_EncodeNormalizeChecksum(benchmark::State& state) {
    RadioSession s = ProgrammedRadio();
    for (auto _ : state) {
        EncodeImage(s);
        NormalizeImage(s);
        ImageChecksum(s.image);
        benchmark::DoNotOptimize(s.image[95]);
    }
}
BENCHMARK(BM_EncodeNormalizeChecksum)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kv

#include "files/settings_file.h"

namespace kv {
namespace {

void BM_SettingsFileSaveAndLoad(benchmark::State& state) {
    RadioSession s = ProgrammedRadio();
    DecodeImage(s);
    for (auto _ : state) {
        const std::string text = SettingsFileText(s);
        RadioSession loaded = s;
        const SettingsLoad load = ApplySettingsTable(loaded, SettingsTable::Parse(text));
        benchmark::DoNotOptimize(load.result);
    }
}
BENCHMARK(BM_SettingsFileSaveAndLoad)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kv
