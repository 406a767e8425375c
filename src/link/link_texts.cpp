#include "link/link_texts.h"

#include "util/advice.h"
#include "util/texts.h"

namespace kv {
namespace {

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

std::optional<Destination> DestinationOf(int model, const DestinationBits& bits) {
    return DestinationFor(model, bits.sel1, bits.region);
}

std::string NameOf(int model, const DestinationBits& bits) {
    const auto destination = DestinationOf(model, bits);
    return destination ? destination->name : ModelName(model, bits.sel1);
}

// The name, and where both sides bear the same one, the bits that differ.
std::string Described(int model, const DestinationBits& bits, const DestinationBits& other) {
    const std::string name = NameOf(model, bits);
    if (name != NameOf(model, other)) return name;
    std::vector<std::string> differ;
    const auto flag = [](const char* key, bool set) { return std::string(key) + (set ? " set" : " clear"); };
    if (bits.sel1 != other.sel1) differ.push_back(flag("SEL1", bits.sel1));
    if (bits.sel2 != other.sel2) differ.push_back(flag("SEL2", bits.sel2));
    return name + " (" + Joined(differ) + ")";
}

// kvtool's options that set up a read for the radio: only a radio with SEL2
// clear, as a destination's default data leave it, has them.
std::string ReadOptions(int model, const DestinationBits& radio) {
    if (radio.sel2) return "";
    std::string options = std::string("--variant ") + (radio.sel1 ? "KV170" : "KV150");
    const auto destination = DestinationOf(model, radio);
    if (TraitsOf(model).region && radio.region < kRegionCount && destination)
        options += " --region " + destination->name.substr(destination->name.rfind('-') + 1);
    return options;
}

}  // namespace

std::string DestinationErrorDetail(int model, const DestinationBits& radio, const DestinationBits& data,
                                   TransferMode mode, Frontend frontend) {
    using enum Advice;
    const std::string name = NameOf(model, radio);
    const bool window = frontend == Frontend::Window;
    std::string text = AdviceText(DestinationReports, {Described(model, radio, data), Described(model, data, radio)});
    if (mode == TransferMode::Read) {
        text += "\r\n" + AdviceText(DestinationRead, {name});
        if (const std::string options = ReadOptions(model, radio); !window && !options.empty())
            text += "\r\n" + AdviceText(DestinationReadKvtool, {options});
        return text;
    }
    const bool named = DestinationOf(model, radio).has_value();
    const Advice advice = window ? (named ? DestinationProgramOrRegion : DestinationProgram)
                                 : (named ? DestinationProgramKvtoolOrNew : DestinationProgramKvtool);
    return text + "\r\n" + AdviceText(advice, {name});
}

std::string PortShown(const std::string& port) { return port.empty() ? KV_TEXT("Messages", "the chosen port") : port; }

std::string RegionMismatchDetail(int model, bool sel1, uint8_t radioRegion, uint8_t dataRegion) {
    const auto name = [&](uint8_t region) {
        const auto destination = DestinationFor(model, sel1, region);
        return destination ? destination->name : std::to_string(region);
    };
    return AdviceText(Advice::RegionUnmatched, {name(radioRegion), name(dataRegion)});
}

std::string PortCheckAdvice(const std::string& port) { return AdviceText(Advice::PortCheck, {PortShown(port)}); }

std::string MissingPortNote(const std::string& port) {
    return AdviceText(Advice::MissingPort, {port});
}

std::string PortMissingText(const std::string& port, const std::vector<std::string>& existing) {
    if (existing.empty()) return AdviceText(Advice::PortMissingNoPorts, {PortShown(port)});
    return AdviceText(Advice::PortMissing, {PortShown(port), Joined(existing)});
}

std::string PortPermissionText(const std::string& port, const std::string& group, const std::string& vendor,
                               const std::string& product) {
    using enum Advice;
    if (!group.empty()) return AdviceText(PortPermissionGroup, {PortShown(port), group});
    if (vendor.empty() || product.empty()) return AdviceText(PortPermissionRuleUnknown, {PortShown(port)});
    return AdviceText(PortPermissionRule, {PortShown(port), vendor, product});
}

std::string PortBusyText(const std::string& port, const std::string& holder) {
    if (holder.empty()) return AdviceText(Advice::PortBusyUnknown, {PortShown(port)});
    return AdviceText(Advice::PortBusy, {PortShown(port), holder});
}

Message PartlyWrittenMessage(int written, int total, const std::string& caption) {
    // The last block counted may be one whose answer was lost: "part old" is
    // then the last block at most, and "1 of 1 written" would read as done.
    if (written >= total)
        return Advised(Advice::AllSentUnconfirmed, caption, MessageIcon::Exclamation, Buttons::Ok);
    return Advised(Advice::PartlyWritten, caption, MessageIcon::Exclamation, Buttons::Ok,
                   {std::to_string(written), std::to_string(total)});
}

std::string ReceiveOnlyKeptText(const std::vector<std::string>& kept) {
    std::string text =
        KV_TEXT("Messages", "The radio's memory gives receive-only channels another mode; the data keep them receive-only:");
    for (const std::string& line : kept) text += "\r\n" + line;
    return text + "\r\n" + KV_TEXT("Messages", "Program the radio to put it right.");
}

std::string RadioChangedText() {
    return KV_TEXT("Messages",
                   "The radio no longer holds what it held when it was read: another radio, or its memory changed. "
                   "Nothing was written. Program again to read it afresh.");
}

std::string NoEchoText(const std::string& port, int seconds) {
    return AdviceText(Advice::NoEcho, {PortShown(port), std::to_string(seconds)}) + "\r\n" + PortCheckAdvice(port);
}

std::string CableWaitText(const std::string& port) {
    return AdviceText(Advice::CableWait, {PortShown(port)});
}

std::string RadioWaitText(const std::string& port) {
    return AdviceText(Advice::RadioWait, {PortShown(port)});
}

}  // namespace kv
