#include "util/advice.h"

#include <array>

#include "util/texts.h"

namespace kv {
namespace {

using enum Advice;

constexpr AdviceRow kRows[] = {
    // The editor's field checks.
    {AtisCode, text::kFieldDataError,
     KV_TEXT("Messages", "The ATIS code has exactly ten digits. Type all ten, or empty the field for no ATIS code.")},
    {Frequency, text::kFieldDataError,
     KV_TEXT("Messages",
             "%1 must lie between %2 and %3 MHz. Enter a frequency in that band, or empty the field for no "
             "frequency.")},
    {FrequencyInSteps, text::kFieldDataError,
     KV_TEXT("Messages",
             "%1 must lie between %2 and %3 MHz, in steps of 25 kHz. Enter such a frequency, or empty the field for "
             "no frequency.")},
    {ChannelNoReceive, text::kIncompleteChannel,
     KV_TEXT("Messages", "%1 is enabled but has no receive frequency (RX[MHz]). Enter it, untick Enable, or undo.")},
    {ChannelNoNumber, text::kIncompleteChannel,
     KV_TEXT("Messages", "%1 is enabled but has no channel number (CH Display). Enter it, untick Enable, or undo.")},
    {ChannelNoReceiveNoNumber, text::kIncompleteChannel,
     KV_TEXT("Messages",
             "%1 is enabled but has no receive frequency (RX[MHz]) and no channel number (CH Display). Enter them, "
             "untick Enable, or undo.")},
    {ChannelsIncomplete, text::kIncompleteChannel,
     KV_TEXT("Messages",
             "No receive frequency or channel number: %1. Enter what each lacks, or untick its Enable, then program "
             "again.")},

    // The port: why it did not open (%1 the port).
    {PortMissing, text::kPortInitError, KV_TEXT("Messages", "%1 does not exist. The ports that do: %2.")},
    {PortMissingNoPorts, text::kPortInitError,
     KV_TEXT("Messages", "%1 does not exist. This computer has no serial port now: plug in the programming cable.")},
    {PortPermissionGroup, text::kPortInitError,
     KV_TEXT("Messages",
             "%1: permission denied. Join the group that owns the device (sudo usermod -aG %2 $USER), then log in "
             "again.")},
    {PortPermissionRule, text::kPortInitError,
     KV_TEXT("Messages",
             "%1: permission denied. The device allows only its owner. Grant access with a udev rule for the "
             "adapter: a file /etc/udev/rules.d/70-kvprog.rules holding the line SUBSYSTEM==\"tty\", "
             "ATTRS{idVendor}==\"%2\", ATTRS{idProduct}==\"%3\", GROUP=\"dialout\", MODE=\"0660\"; then join dialout "
             "(sudo usermod -aG dialout $USER), log in again and plug the adapter in again.")},
    {PortPermissionRuleUnknown, text::kPortInitError,
     KV_TEXT("Messages",
             "%1: permission denied. The device allows only its owner. Grant access with a udev rule for the "
             "adapter: a file /etc/udev/rules.d/70-kvprog.rules holding the line SUBSYSTEM==\"tty\", "
             "ATTRS{idVendor}==\"VVVV\", ATTRS{idProduct}==\"PPPP\", GROUP=\"dialout\", MODE=\"0660\" (udevadm info "
             "-a -n %1 shows the adapter's idVendor and idProduct); then join dialout (sudo usermod -aG dialout "
             "$USER), log in again and plug the adapter in again.")},
    {PortBusy, text::kPortInitError, KV_TEXT("Messages", "%1 is busy: %2 holds it. Close %2 and try again.")},
    {PortBusyUnknown, text::kPortInitError,
     KV_TEXT("Messages", "%1 is busy: another program holds it. Close that program and try again.")},

    // The exchange with the radio.
    {NoEcho, text::kCommunicationError,
     KV_TEXT("Messages",
             "Nothing came back from %1 within %2 s, not even the echo the programming cable gives of every byte: "
             "no cable answers on that port.")},
    {PortCheck, text::kCommunicationError,
     KV_TEXT("Messages",
             "The radio did not answer properly on %1. Check that the radio is switched on and in PC-programming "
             "mode, that the cable is seated at both ends, and that %1 is the port the cable is on.")},
    {PartlyWritten,
     KV_TEXT("Messages", "The radio now holds part old and part new data: %1 of %2 blocks were written."),
     KV_TEXT("Messages", "Write again, or restore the backup.")},
    {DestinationReports, text::kDestinationError, KV_TEXT("Messages", "The radio reports %1; the data are for %2.")},
    {DestinationProgram, text::kDestinationError,
     KV_TEXT("Messages",
             "Data for one destination are not programmed into a radio of another. Read this radio (Transfer > "
             "Read) to change what it holds.")},
    {DestinationProgramOrRegion, text::kDestinationError,
     KV_TEXT("Messages",
             "Data for one destination are not programmed into a radio of another. Read this radio (Transfer > "
             "Read) to change what it holds, or choose %1 in the Region menu to start from its default data.")},
    {DestinationProgramKvtool, text::kDestinationError,
     "Data for one destination are not programmed into a radio of another. Program a file made for %1: read this "
     "radio (kvtool read) and change that file.",
     false},
    {DestinationProgramKvtoolOrNew, text::kDestinationError,
     "Data for one destination are not programmed into a radio of another. Program a file made for %1: read this "
     "radio (kvtool read) and change that file, or start from its default data (kvtool new --destination %1).",
     false},
    {DestinationRead, text::kDestinationError,
     KV_TEXT("Messages", "A read replaces all the data with the radio's. Switch to %1 and read the radio?")},
    {DestinationReadKvtool, text::kDestinationError, "(kvtool read %1 reads it without this question.)", false},
    {RegionUnmatched, text::kRegionUnmatched, KV_TEXT("Messages", "The radio is set for %1; the data are for %2.")},
    {RadioModel, text::kModelTypeError,
     KV_TEXT("Messages",
             "The radio on %1 is not of the %2 series the data are for. Choose the radio's series under Edit > "
             "Model, then try again.")},
    {RadioProduct, text::kProductError,
     KV_TEXT("Messages", "The radio on %1 is of the %2 series, but of a product version these data are not for.")},
    {RadioBusy, text::kRadioBusy,
     KV_TEXT("Messages", "The radio on %1 reports that it is busy. Press Retry when it is free, or Cancel to stop.")},
    {ConfirmSync, text::kConfirmSync,
     KV_TEXT("Messages",
             "The radio on %1 refused a request several times. OK synchronizes with it again and repeats the "
             "request; Cancel stops.")},
    {Verified, text::kComplete, KV_TEXT("Messages", "Verified: the radio holds every byte that was written.")},

    // Files (%1 the file, with the reason where the system gave one).
    {FileRead, text::kFileReadError,
     KV_TEXT("Messages", "Could not read %1. Check the file's name and that you may read it.")},
    {FileSave, text::kFileSaveError,
     KV_TEXT("Messages",
             "Could not write %1. Check that the folder exists, that you may write to it and that the disk has room, "
             "or save under another name.")},
    {ImageLength, text::kBadFile,
     KV_TEXT("Messages",
             "%1 is not an image file of a %2: its length does not fit. Open an image file of this model, or choose "
             "the file's model under Edit > Model first.")},
    {ImageModel, text::kModelTypeError,
     KV_TEXT("Messages",
             "%1 holds the data of another model than a %2. Choose the file's model under Edit > Model, then open it "
             "again.")},
    {ImageProduct, text::kProductTypeError,
     KV_TEXT("Messages", "%1 holds the data of another product version than a %2.")},
    {SettingsModel, text::kDifferentModel,
     KV_TEXT("Messages",
             "The file names no model this program programs (MODELTYPE=%1). Open a settings file of a KV150 or "
             "KV170 series radio.")},
    {HelpManual, text::kHelpNotOpened, KV_TEXT("Messages", "The manual is %1; open it in a web browser.")},
};

constexpr bool InOrder() {
    for (size_t i = 0; i < std::size(kRows); ++i)
        if (static_cast<size_t>(kRows[i].id) != i) return false;
    return true;
}
static_assert(InOrder(), "a row per Advice, in its order");

bool IsPlaceholder(std::string_view s, size_t at) {
    return at + 1 < s.size() && s[at] == '%' && s[at + 1] >= '1' && s[at + 1] <= '9';
}

size_t NextPlaceholder(std::string_view s) {
    for (size_t at = 0; at < s.size(); ++at)
        if (IsPlaceholder(s, at)) return at;
    return std::string_view::npos;
}

using Values = std::array<std::optional<std::string>, 9>;

// Whether `line` is `source` with values in its places; a value that comes
// twice must read the same both times.
bool Matches(std::string_view source, std::string_view line, Values& values) {
    const size_t at = NextPlaceholder(source);
    if (at != 0) {
        const std::string_view literal = source.substr(0, at);
        if (!line.starts_with(literal)) return false;
        return at == std::string_view::npos ? line.size() == literal.size()
                                            : Matches(source.substr(at), line.substr(literal.size()), values);
    }
    std::optional<std::string>& value = values[static_cast<size_t>(source[1] - '1')];
    const std::string_view rest = source.substr(2);
    const std::string_view literal = rest.substr(0, NextPlaceholder(rest));
    const auto take = [&](std::string_view candidate, std::string_view after) {
        if (value && *value != candidate) return false;
        const Values before = values;
        value = std::string(candidate);
        if (Matches(rest, after, values)) return true;
        values = before;
        return false;
    };
    if (literal.empty()) return take(line, {});
    for (size_t end = line.find(literal); end != std::string_view::npos; end = line.find(literal, end + 1))
        if (take(line.substr(0, end), line.substr(end))) return true;
    return false;
}

}  // namespace

std::span<const AdviceRow> AdviceRows() { return kRows; }

std::string Filled(std::string_view source, const std::vector<std::string>& values) {
    std::string text;
    for (size_t at = 0; at < source.size(); ++at) {
        const size_t n = IsPlaceholder(source, at) ? static_cast<size_t>(source[at + 1] - '1') : values.size();
        if (n < values.size()) {
            text += values[n];
            ++at;
        } else {
            text += source[at];
        }
    }
    return text;
}

std::string AdviceText(Advice id, const std::vector<std::string>& values) {
    return Filled(kRows[static_cast<size_t>(id)].detail, values);
}

Message Advised(Advice id, std::string caption, MessageIcon icon, Buttons buttons,
                const std::vector<std::string>& values) {
    return {Filled(kRows[static_cast<size_t>(id)].text, values), std::move(caption), icon, buttons,
            AdviceText(id, values)};
}

std::optional<SourceMatch> MatchSource(std::string_view line) {
    for (const AdviceRow& row : kRows)
        for (const char* source : {row.text, row.detail}) {
            Values values;
            if (NextPlaceholder(source) == std::string_view::npos || !Matches(source, line, values)) continue;
            SourceMatch match{source, {}};
            for (const auto& value : values) {
                if (!value) break;
                match.values.push_back(*value);
            }
            return match;
        }
    return std::nullopt;
}

}  // namespace kv
