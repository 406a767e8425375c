#include "rules/narrowband.h"

#include "model/model_traits.h"
#include "util/texts.h"

namespace kv {
namespace {

constexpr const char* kCaution = KV_TEXT("Messages", "FCC Rule Caution!");
constexpr const char* kBreak = "\r\n\r\n";
constexpr const char* kWideChannels =
    KV_TEXT("Messages",
            "Your Data includes some Wide bandwidth CHs in 150 - 174 MHz band.\r\n"
            "After Jan.1, 2013, You must change their CHs to Narrow bandwidth.");
constexpr const char* kAskBeforeDeadline =
    KV_TEXT("Messages",
            "Do you change their CHs to Narrow bandwidth automatically, and start Do you start downloading them?\r\n"
            "    Yes : It will be change the bandwidth into Narrow and start downloading.\r\n"
            "    No : It will start downloading (w/o changing the bandwidth)");
constexpr const char* kAskAfterDeadline =
    KV_TEXT("Messages", "Your Data was changed Wide CHs to Narrow, and Do you start downloading them?");
constexpr const char* kMustChange =
    KV_TEXT("Messages", "After Jan.1, 2013, You must change some Wide CHs to Narrow in the 150 - 174 MHz band.");
constexpr const char* kChanged = KV_TEXT("Messages", "Your Data was changed Wide CHs to Narrow.");

std::string Paragraphs(std::initializer_list<const char*> parts) {
    std::string text;
    for (const char* part : parts) text += (text.empty() ? "" : kBreak) + std::string(part);
    return text;
}

}  // namespace

WideStatus ChannelWideStatus(int model, const ChannelRecord& channel, const CivilDate& today) {
    if (!TraitsOf(model).narrowband || !channel.LmrExp) return kNotWide;
    if (channel.Txfreq < 150.0 || channel.Txfreq > 174.0) return kNotWide;
    return DaysBetween(today, kNarrowbandDeadline) < 1 ? kWideAfterDeadline : kWideBeforeDeadline;
}

WideStatus FindWideStatus(const RadioSession& s) {
    if (!s.traits().narrowband || !s.settings.UsableGroups[kLmrGroup].Enable) return kNotWide;
    const CivilDate today = s.today();
    for (const ChannelRecord& ch : s.settings.CHEXP) {
        if (!ch.Enable || ch.Narrow) continue;
        if (const WideStatus status = ChannelWideStatus(s.model, ch, today); status != kNotWide) return status;
    }
    return kNotWide;
}

void MakeWideChannelsNarrow(RadioSession& s) {
    const CivilDate today = s.today();
    for (ChannelRecord& ch : s.settings.CHEXP)
        if (ch.Enable && ChannelWideStatus(s.model, ch, today) != kNotWide) ch.Narrow = true;
}

Answer CheckBeforeDownload(RadioSession& s, Prompt& prompt, const std::string& caption) {
    switch (FindWideStatus(s)) {
        case kWideBeforeDeadline: {
            const Message ask{Paragraphs({kCaution, kWideChannels, kAskBeforeDeadline}), caption,
                              MessageIcon::Exclamation, Buttons::YesNo};
            if (prompt.Show(ask) == Answer::Yes) MakeWideChannelsNarrow(s);
            return Answer::Yes;  // the write goes ahead either way
        }
        case kWideAfterDeadline: {
            const Message ask{Paragraphs({kCaution, kWideChannels, kAskAfterDeadline}), caption,
                              MessageIcon::Exclamation, Buttons::YesNo};
            const Answer answer = prompt.Show(ask);
            MakeWideChannelsNarrow(s);
            return answer == Answer::Yes ? Answer::Yes : Answer::No;
        }
        default:
            return Answer::Yes;
    }
}

void CheckAfterChange(RadioSession& s, Prompt& prompt, const std::string& caption) {
    if (FindWideStatus(s) != kWideAfterDeadline) return;
    prompt.Show({Paragraphs({kCaution, kMustChange, kChanged}), caption, MessageIcon::Information, Buttons::Ok});
    MakeWideChannelsNarrow(s);
}

}  // namespace kv
