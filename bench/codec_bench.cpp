// The image codec and the settings file: decode of a full image; encode +
// normalize + checksum; save + load of a full settings file; loading junk.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "files/data_file.h"
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

// A programmed radio's settings file from disk, as kvtool and the window open it.
void BM_LoadSettingsFileFromDisk(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "kv-bench-radio.dat";
    RadioSession s = bench::FullRadio();
    SaveSettingsFile(s, path);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    for (auto _ : state) {
        RadioSession loaded;
        benchmark::DoNotOptimize(LoadDataFile(loaded, path, std::nullopt).ok);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadSettingsFileFromDisk)->Unit(benchmark::kMillisecond);

// A 100 MB file offered as a settings file is refused before it is read.
void BM_RefuseHundredMegabyteFile(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "kv-bench-huge.dat";
    std::ofstream(path).put('[');
    std::filesystem::resize_file(path, 100u << 20);
    for (auto _ : state) {
        RadioSession loaded;
        benchmark::DoNotOptimize(LoadDataFile(loaded, path, std::nullopt).ok);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_RefuseHundredMegabyteFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kv
