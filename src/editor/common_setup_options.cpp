#include "editor/common_setup_options.h"

#include <array>

#include "report/converters.h"
#include "util/texts.h"

namespace kv {
namespace {

const std::vector<std::string> kOffOn{KV_TEXT("Messages", "Off"), KV_TEXT("Messages", "On")};

std::vector<std::string> OffsetEntries() { return {OffsetTable().begin(), OffsetTable().end()}; }

// The weather alert is stored as 3 for "On", not 1.
constexpr int kWeatherOn = 3;

int InRange(int value, size_t count) { return value >= 0 && static_cast<size_t>(value) < count ? value : -1; }

}  // namespace

const CommonListLayout& LayoutOf(CommonList list) {
    static const std::array<CommonListLayout, 9> layouts{{
        {"cmbCommonTXPo", KV_TEXT("Messages", "TX Po Display"),
         {KV_TEXT("Messages", "Lo Po Only"), KV_TEXT("Messages", "Lo Po on Changing CH"), KV_TEXT("Messages", "Last TX Po")}},
        {"cmbCommonScan", KV_TEXT("Messages", "SCAN"), kOffOn},
        {"cmbCommonResume", KV_TEXT("Messages", "Resume Time"),
         {KV_TEXT("Messages", "Off"), KV_TEXT("Messages", "1Sec"), KV_TEXT("Messages", "2Sec"), KV_TEXT("Messages", "3Sec")}},
        {"cmbCommonPTTSCAN", KV_TEXT("Messages", "PTT SCAN Clear"), kOffOn},
        {"cmbCommonDual", KV_TEXT("Messages", "Dual Watch"), kOffOn},
        {"cmbCommonOffset", KV_TEXT("Messages", "Offset Time"), OffsetEntries()},
        {"cmbCommonMag", KV_TEXT("Messages", "Magnetic Variation"), {KV_TEXT("Messages", "True"), KV_TEXT("Messages", "Mag")}},
        {"cmbCommonWeater", KV_TEXT("Messages", "Weather Alert"), kOffOn},
        {"cmbCommonRotary", KV_TEXT("Messages", "Rotary Beep"), kOffOn},
    }};
    return layouts[static_cast<size_t>(list)];
}

int EntryFor(CommonList list, const CommonSetup& c) {
    const size_t count = LayoutOf(list).entries.size();
    switch (list) {
        case CommonList::TxPo: return InRange(c.TxPoDisplay, count);
        case CommonList::Scan: return c.SCAN ? 1 : 0;
        case CommonList::Resume: return InRange(c.ResumeTime, count);
        case CommonList::PttScan: return c.PttScanClear ? 1 : 0;
        case CommonList::Dual: return c.DualWatch ? 1 : 0;
        case CommonList::Offset: return InRange(c.OffsetTime, count);
        case CommonList::Mag: return InRange(c.MagneticVariation, count);
        case CommonList::Weather: return c.Weater == kWeatherOn ? 1 : c.Weater == 0 ? 0 : -1;
        case CommonList::Rotary: return c.RotaryBeep ? 1 : 0;
    }
    return -1;
}

void StoreEntry(CommonList list, int entry, CommonSetup& c) {
    if (InRange(entry, LayoutOf(list).entries.size()) < 0) return;
    const auto index = static_cast<int16_t>(entry);
    switch (list) {
        case CommonList::TxPo: c.TxPoDisplay = index; break;
        case CommonList::Scan: c.SCAN = entry == 1; break;
        case CommonList::Resume: c.ResumeTime = index; break;
        case CommonList::PttScan: c.PttScanClear = entry == 1; break;
        case CommonList::Dual: c.DualWatch = entry == 1; break;
        case CommonList::Offset: c.OffsetTime = index; break;
        case CommonList::Mag: c.MagneticVariation = index; break;
        case CommonList::Weather: c.Weater = entry == 1 ? kWeatherOn : 0; break;
        case CommonList::Rotary: c.RotaryBeep = entry == 1; break;
    }
}

}  // namespace kv
