// The image codec and the settings file: decode of a full image; encode +
// normalize + checksum; save + load of a full settings file; loading junk.
#include <benchmark/benchmark.h>

#include <random>

#include "files/settings_file.h"
#include "full_radio.h"
#include "image/defaults.h"

namespace kv {
namespace {

void BM_DecodeImage(benchmark::State& state) {
    RadioSession s = bench::FullRadio();
    for (auto _ : state) {
        DecodeImage(s);
        benchmark::DoNotOptimize(s.settings.CHEXP[39].Txfreq);
    }
}
BENCHMARK(BM_DecodeImage)->Unit(benchmark::kMicrosecond);

void BM_EncodeNormalizeChecksum(benchmark::State& state) {
    RadioSession s = bench::FullRadio();
    for (auto _ : state) {
        EncodeImage(s);
        NormalizeImage(s);
        ImageChecksum(s.image);
        benchmark::DoNotOptimize(s.image[95]);
    }
}
BENCHMARK(BM_EncodeNormalizeChecksum)->Unit(benchmark::kMicrosecond);

// Parses and applies a settings text over a programmed radio.
SettingsLoad LoadText(const RadioSession& radio, const std::string& text) {
    RadioSession loaded = radio;
    return ApplySettingsTable(loaded, SettingsTable::Parse(text));
}

void BM_SettingsFileSaveAndLoad(benchmark::State& state) {
    const RadioSession s = bench::FullRadio();
    for (auto _ : state) benchmark::DoNotOptimize(LoadText(s, SettingsFileText(s)).result);
}
BENCHMARK(BM_SettingsFileSaveAndLoad)->Unit(benchmark::kMillisecond);

// 10 MB of junk with headers and key lines mixed in: loading stays linear.
std::string TenMegabytesOfJunk() {
    std::mt19937 rng(7);
    std::string junk = "[MAIN]\r\nMODELTYPE=5\r\n";
    while (junk.size() < (10u << 20)) {
        switch (rng() % 4) {
            case 0: junk += "[CHUSA" + std::to_string(rng() % 200000) + "]\r\n"; break;
            case 1: junk += "Position=" + std::to_string(rng() % 300) + "\r\nChTag=#JUNK\r\n"; break;
            default:
                for (int i = 0; i < 64; ++i) junk += static_cast<char>(rng());
        }
    }
    return junk;
}

void BM_LoadTenMegabytesOfJunk(benchmark::State& state) {
    const RadioSession s = bench::FullRadio();
    const std::string junk = TenMegabytesOfJunk();
    for (auto _ : state) benchmark::DoNotOptimize(LoadText(s, junk).result);
}
BENCHMARK(BM_LoadTenMegabytesOfJunk)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kv
