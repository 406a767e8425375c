// Any 16 KB as a radio's memory: decode, then everything that reads the
// decoded settings, must neither crash nor invoke undefined behaviour.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "files/settings_file.h"
#include "image/codec.h"
#include "image/defaults.h"
#include "report/report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kv::RadioSession s;
    s.model = size > 0 ? data[0] % kv::kModelCount : 5;
    s.today = [] { return kv::CivilDate{2026, 12, 6}; };
    std::copy_n(data, std::min<size_t>(size, kv::kImageSize), s.image.bytes.begin());
    s.image.lastAddress = kv::ImageLastAddress(s.model);
    kv::DecodeImage(s);
    if (kv::BuildReport(s).empty()) __builtin_trap();
    (void)kv::SettingsFileText(s);
    kv::EncodeImage(s);
    kv::NormalizeImage(s);
    kv::ImageChecksum(s.image);
    return 0;
}
