// Any bytes as a settings file: the loader must neither crash nor read
// outside a buffer, whatever the model.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/settings_file.h"
#include "image/defaults.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static kv::RadioSession defaults = [] {
        kv::RadioSession s;
        kv::ResetToDefaults(s);
        return s;
    }();
    kv::RadioSession s = defaults;
    const kv::SettingsTable table =
        kv::SettingsTable::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    s.model = size > 0 ? data[0] % kv::kModelCount : 5;  // every model reads the same text its own way
    if (kv::ApplySettingsTable(s, table).result == kv::LoadResult::Loaded) {
        const std::string again = kv::SettingsFileText(s);
        if (again.empty()) __builtin_trap();
    }
    return 0;
}
