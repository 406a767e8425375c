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
    {AllSentUnconfirmed,
     KV_TEXT("Messages", "Every block was sent to the radio, but the transfer broke off: the radio may not hold the last one."),
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

    // The window's own questions and refusals.
    {SwitchSeries, KV_TEXT("Messages", "Do yo want to program the %1 series?"), ""},
    {SwitchDestination, KV_TEXT("Messages", "Do yo want to change to %1?"),
     KV_TEXT("Messages", "The data in the window are replaced with the default data of %1.")},
    {DestinationUnread, text::kIniFileReadError,
     KV_TEXT("Messages",
             "The default data of %1 could not be read from %2. Install the program again, or choose another entry "
             "of the Region menu.")},
    {ListFull, KV_TEXT("Messages", "Too many entries"),
     KV_TEXT("Messages", "The %1 list holds at most %2 channels. Delete a channel before adding another.")},
    {WriteProtected, KV_TEXT("Messages", "%1 is write-protected."), ""},
    {IncompleteFile, KV_TEXT("Messages", "%1 was incomplete when it was loaded:"), ""},
    {Printer, "",
     KV_TEXT("Messages",
             "Check that the printer is switched on, connected and ready, then print again; File > Export PDF... "
             "saves the pages to print later.")},
    {SaveElsewhere, "",
     KV_TEXT("Messages",
             "Check that the folder exists, that you may write to it and that the disk has room, or save under "
             "another name.")},
    {BackupNotKept, KV_TEXT("Messages", "The read could not be kept in the backups folder: %1"),
     KV_TEXT("Messages", "The read itself is complete. Check that you may write to the backups folder and that the disk has room.")},
    {BackupUnread, "", KV_TEXT("Messages", "Choose another backup, or read the radio again.")},
    {BackupUnsaved, KV_TEXT("Messages", "The backup could not be saved: %1"), ""},
    {FleetTemplateUnread, "",
     KV_TEXT("Messages",
             "Choose a settings file (.dat) or an image file (.hex) of a KV150 or KV170 series radio that you may "
             "read.")},
    {FleetRadiosUnread, "", KV_TEXT("Messages", "Choose the radios' CSV file again: check its name and that you may read it.")},
    // Before "CH %1: %2.", which would take its line too.
    {PriorityDeleted, KV_TEXT("Messages", "CH %1 was the %2 priority channel: the priority is now Off."),
     KV_TEXT("Messages", "Choose another priority channel under Available CH Group, or undo the delete (Edit > Undo).")},
    {MarineKept, KV_TEXT("Messages", "CH %1: %2."), ""},
    {ReceiveOnlyKept, "", KV_TEXT("Messages", "channel %1 receives only, kept %2")},
    {SettingKept, "", KV_TEXT("Messages", "[%1] %2=%3: %4")},

    // Lines shown elsewhere: the status bar, the transfer dialog, inside a message, the tree.
    {MissingPort, "",
     KV_TEXT("Messages", "%1, the port chosen before, is not present: no port is chosen (Options > SerialPort).")},
    {CableWait, "", KV_TEXT("Messages", "Testing the cable on %1: waiting for its echo...")},
    {RadioWait, "", KV_TEXT("Messages", "Waiting for the radio on %1 to answer...")},
    {FleetConnect, "", KV_TEXT("Messages", "Connect radio '%1' to %2, then press Next.")},
    {ProgramStep, "", KV_TEXT("Messages", "Step %1 of %2: %3")},
    {StepBackupBlocks, "", KV_TEXT("Messages", "reading the radio into a backup: %1 blocks")},
    {StepReadBlocks, "", KV_TEXT("Messages", "reading the radio: %1 blocks")},
    {StepWriteBlocks, "", KV_TEXT("Messages", "writing %1 of %2 blocks")},
    {StepVerifyBlocks, "", KV_TEXT("Messages", "reading back %1 blocks to verify")},
    {PhaseTimeLeft, "", KV_TEXT("Messages", "%1, %2 left")},
    {WriteChanges, KV_TEXT("Messages", "This write changes %1 settings:"), ""},
    {VerifyFailed, KV_TEXT("Messages", "Verify failed: the radio holds %1 byte(s) other than those written:%2"), ""},
    {VerifyConcerned, "", KV_TEXT("Messages", "Settings concerned:%1")},
    {RestoreBackup, "",
     KV_TEXT("Messages",
             "The backup read before programming can be restored to put the radio back as it was: %1 (File > Restore "
             "from Backup, then Program to Radio; or kvtool program %1 --port PORT).")},
    {AndMore, "", KV_TEXT("Messages", "... and %1 more")},
    {EnabledNode, "", KV_TEXT("Messages", "%1[Enable]")},

    // Channel lists in and out: the boxes, then the lines that say what a CSV file or a paste holds.
    {NothingImported, KV_TEXT("Messages", "Nothing was imported from %1."),
     KV_TEXT("Messages", "Correct what is listed in the file, then import it again.")},
    {NothingPasted, KV_TEXT("Messages", "Nothing was pasted."),
     KV_TEXT("Messages", "Correct what is listed where the rows were copied, then copy and paste them again.")},
    {RowsPasted, KV_TEXT("Messages", "%1 %2 rows pasted."), ""},
    {ExportedOne, KV_TEXT("Messages", "%1 %2 channel exported to %3."), ""},
    {Exported, KV_TEXT("Messages", "%1 %2 channels exported to %3."), ""},
    {ImportedOne, KV_TEXT("Messages", "%1 %2 channel imported from %3."), ""},
    {Imported, KV_TEXT("Messages", "%1 %2 channels imported from %3."), ""},
    {ChangesOne, KV_TEXT("Messages", "%1 %2 channel from %3 is taken with these changes:"), ""},
    {Changes, KV_TEXT("Messages", "%1 %2 channels from %3 are taken with these changes:"), ""},
    {CsvCell, "", KV_TEXT("Messages", "row %1, column %2: %3")},
    {CsvRow, "", KV_TEXT("Messages", "row %1: a quoted cell is not closed")},
    {CsvTooLarge, "", KV_TEXT("Messages", "larger than %1 KB; not a channel list")},
    {CsvNotUtf8, "", KV_TEXT("Messages", "not a UTF-8 text (byte %1)")},
    {CsvRowTooLong, "", KV_TEXT("Messages", "row %1 is longer than %2 bytes; not a channel list")},
    {CsvTooMany, "", KV_TEXT("Messages", "Too many entries (the list holds %1 channels)")},
    {CsvFlagScanned, "", KV_TEXT("Messages", "%1 is neither \"\" (scanned) nor \"S\" (skipped)")},
    {CsvScrambler, "", KV_TEXT("Messages", "%1 is neither a scrambler code 0 to 3 nor \"--\"")},
    {CsvFlag, "", KV_TEXT("Messages", "%1 is neither %2 nor %3")},
    {CsvDuplex, "", KV_TEXT("Messages", "%1 is none of \"TX SIMP\", \"RX SIMP\", \"DUP\", \"Reverse DUP\"")},
    {CsvNameLength, "", KV_TEXT("Messages", "longer than %1 characters")},
    {CsvNameCharacter, "",
     KV_TEXT("Messages", "%1 holds a character a channel name cannot (letters, digits, - / , _ . and space)")},
    {CsvDisplayLength, "", KV_TEXT("Messages", "%1 is longer than the display's four characters")},
    {CsvDisplayCharacter, "", KV_TEXT("Messages", "%1 holds a character the display cannot show")},
    {CsvNotFrequency, "", KV_TEXT("Messages", "%1 is not a frequency in MHz")},
    {CsvDecimals, "", KV_TEXT("Messages", "%1 has more than four decimals (100 Hz)")},
    {CsvFiner, "", KV_TEXT("Messages", "%1 is finer than the radio's steps of 100 Hz")},
    {CsvOffsetOutsideInSteps, "",
     KV_TEXT("Messages", "the transmit frequency %1 MHz (Duplex %2) is outside %3 - %4 MHz, in steps of 25 kHz")},
    {CsvOffsetOutside, "", KV_TEXT("Messages", "the transmit frequency %1 MHz (Duplex %2) is outside %3 - %4 MHz")},
    {CsvOutsideInSteps, "", KV_TEXT("Messages", "%1 is outside %2 - %3 MHz, in steps of 25 kHz")},
    {CsvOutside, "", KV_TEXT("Messages", "%1 is outside %2 - %3 MHz")},
    {CsvTone, "", KV_TEXT("Messages", "%1 is no CTCSS tone (67.0Hz ... 254.1Hz) or DCS code (023N ... 754I)")},
    {CsvNotTransmit, "",
     KV_TEXT("Messages",
             "%1 is not the transmit frequency of channel %2 (%3): a marine channel's frequencies follow its channel "
             "number")},
    {CsvNotReceive, "",
     KV_TEXT("Messages",
             "%1 is not the receive frequency of channel %2 (%3): a marine channel's frequencies follow its channel "
             "number")},
    {CsvNameLeftOut, "", KV_TEXT("Messages", "%1 is left out: this radio keeps no names")},
    {CsvNameShortened, "", KV_TEXT("Messages", "%1 is shortened to %2")},
    {CsvDuplexGeneric, "", KV_TEXT("Messages", "%1 is none of \"\", \"+\", \"-\", \"split\", \"off\"")},
    {CsvCtcss, "", KV_TEXT("Messages", "%1 is no CTCSS tone of the radio (67.0 to 254.1 Hz)")},
    {CsvDcs, "", KV_TEXT("Messages", "%1 is no DCS code of the radio (023 to 754)")},
    {CsvPolarity, "", KV_TEXT("Messages", "%1 is no polarity (N or R for transmit, then for receive)")},
    {CsvCrossMode, "", KV_TEXT("Messages", "%1 is no cross mode (Tone, DTCS or nothing on either side of ->)")},
    {CsvToneMode, "", KV_TEXT("Messages", "%1 is none of \"\", \"Tone\", \"TSQL\", \"DTCS\", \"Cross\"")},
    {CsvMode, "", KV_TEXT("Messages", "%1 does not fit these radios (FM or NFM)")},
    {CsvPower, "", KV_TEXT("Messages", "%1 is no power level (High, Low or watts such as 5.0W)")},
    {CsvCommentLeftOut, "", KV_TEXT("Messages", "%1 is left out: the radio keeps no comments")},
    {CsvNotOurColumn, "", KV_TEXT("Messages", "%1 is no column of the %2 list")},
    {CsvRowEnds, "", KV_TEXT("Messages", "%1 expected, the row ends")},
    {CsvExpected, "", KV_TEXT("Messages", "%1 expected, found %2")},
    {CsvNotGenericColumn, "", KV_TEXT("Messages", "%1 is no column of the generic layout")},
    {CsvColumnTwice, "", KV_TEXT("Messages", "%1 is in column %2 already")},
    {CsvGenericLists, "", KV_TEXT("Messages", "the generic layout holds RG, LMR and EXP channels, not %1 ones")},
    {CsvSeparators, "", KV_TEXT("Messages", "the row is separated by \"%1\", the header by \"%2\"")},
    {CsvCellsMissing, "", KV_TEXT("Messages", "missing; the row has %1 cells, the list %2")},
    {CsvColumnCount, "", KV_TEXT("Messages", "the %1 list has %2 columns")},
    {CsvKeptAs, "", KV_TEXT("Messages", "%1 is kept as %2")},
    {CsvNotKept, "", KV_TEXT("Messages", "the radio would not keep %1 (it would hold %2)")},
    {CsvNoMarineChannel, "",
     KV_TEXT("Messages",
             "%1 is no marine channel (00 to 119, or 1000 to 1099 and 2000 to 2099, and A or B after it)")},
    {CsvNoHeader, "",
     KV_TEXT("Messages",
             "the header names no column of the %1 list (%2, %3, ...) nor of the generic layout (Location, Name, "
             "Frequency, ...)")},
    {CsvNoChannel, "", KV_TEXT("Messages", "%1 is no channel of the %2 list (1 to %3)")},
    {CsvChannelTwice, "", KV_TEXT("Messages", "channel %1 is in row %2 already")},
    {CsvPriorityNone, "", KV_TEXT("Messages", "The %1 priority named no channel of the list before: it becomes Off.")},
    {CsvPriorityGone, "",
     KV_TEXT("Messages", "The %1 priority channel %2 is not in the imported list: the priority becomes Off.")},
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

std::string AdviceMainText(Advice id, const std::vector<std::string>& values) {
    return Filled(kRows[static_cast<size_t>(id)].text, values);
}

Message Advised(Advice id, std::string caption, MessageIcon icon, Buttons buttons,
                const std::vector<std::string>& values) {
    return {AdviceMainText(id, values), std::move(caption), icon, buttons, AdviceText(id, values)};
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
