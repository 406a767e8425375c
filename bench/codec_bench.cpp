// Decode of a full image; encode + normalize + checksum.
#include <benchmark/benchmark.h>

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

}  // namespace
}  // namespace kv

#include "files/settings_file.h"

namespace kv {
namespace {

void BM_SettingsFileSaveAndLoad(benchmark::State& state) {
    RadioSession s = bench::FullRadio();
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

#include <random>

namespace kv {
namespace {

// 10 MB of junk with headers and key lines mixed in: loading stays linear.
void BM_LoadTenMegabytesOfJunk(benchmark::State& state) {
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
    RadioSession s = bench::FullRadio();
    for (auto _ : state) {
        RadioSession loaded = s;
        const SettingsLoad load = ApplySettingsTable(loaded, SettingsTable::Parse(junk));
        benchmark::DoNotOptimize(load.result);
    }
}
BENCHMARK(BM_LoadTenMegabytesOfJunk)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kv
