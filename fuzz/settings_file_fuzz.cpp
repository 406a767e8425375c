// Any bytes as a settings file, the whole way from file to radio and
// printout: the file names its model as it does for the program, then the
// loaded data are encoded, normalized, checksummed, decoded again and
// reported. Nothing may crash, read outside a buffer or misbehave.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/settings_file.h"
#include "image/codec.h"
#include "image/defaults.h"
#include "report/report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::array<kv::RadioSession, kv::kModelCount> defaults = [] {
        std::array<kv::RadioSession, kv::kModelCount> sessions;
        for (int model = 0; model < kv::kModelCount; ++model) {
            sessions[model].model = model;
            sessions[model].today = [] { return kv::CivilDate{2026, 12, 6}; };
            kv::ResetToDefaults(sessions[model]);
        }
        return sessions;
    }();
    if (size > kv::kLargestSettingsFile) return 0;
    const kv::SettingsTable table = kv::SettingsTable::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const int model = kv::SettingsFileModel(table);
    if (!kv::IsValidModel(model)) return 0;  // the program refuses such a file
    kv::RadioSession s = defaults[static_cast<size_t>(model)];
    if (kv::ApplySettingsTable(s, table).result != kv::LoadResult::Loaded) __builtin_trap();
    if (kv::SettingsFileText(s).empty()) __builtin_trap();
    kv::EncodeImage(s);
    kv::NormalizeImage(s);
    kv::ImageChecksum(s.image);
    kv::DecodeImage(s);
    if (kv::BuildReport(s).empty()) __builtin_trap();
    return 0;
}
