// A fully programmed model type 5 radio for the benchmarks: every group
// usable and every EXP channel in use, with names, tones and frequencies.
#pragma once

#include <string>

#include "image/codec.h"
#include "image/defaults.h"

namespace kv::bench {

inline RadioSession FullRadio() {
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

}  // namespace kv::bench
