// The texts of the messages that say what is wrong and what to do, in one
// table: per row, the box's main text (the system's own where it has one)
// and the informative text shown beneath it, with %1, %2, ... where the
// values go (the port, the file, the channel, the destinations). A detail of
// several lines joins rows. A row without a detail is a main text made from
// pieces; one without a main text is a line made from pieces that the window
// shows elsewhere (a waiting text, a note, a step, a problem of a CSV file).
// Rows the window shows are marked for translation; the window finds the row
// a line came from (`MatchSource`), translates it and puts the values back.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "util/prompt.h"

namespace kv {

enum class Advice {
    AtisCode,
    Frequency,
    FrequencyInSteps,
    ChannelNoReceive,
    ChannelNoNumber,
    ChannelNoReceiveNoNumber,
    ChannelsIncomplete,
    PortMissing,
    PortMissingNoPorts,
    PortPermissionGroup,
    PortPermissionRule,
    PortPermissionRuleUnknown,
    PortBusy,
    PortBusyUnknown,
    NoEcho,
    PortCheck,
    PartlyWritten,
    AllSentUnconfirmed,
    DestinationReports,
    DestinationProgram,
    DestinationProgramOrRegion,
    DestinationProgramKvtool,
    DestinationProgramKvtoolOrNew,
    DestinationRead,
    DestinationReadKvtool,
    RegionUnmatched,
    RadioModel,
    RadioProduct,
    RadioBusy,
    ConfirmSync,
    Verified,
    FileRead,
    FileSave,
    ImageLength,
    ImageModel,
    ImageProduct,
    SettingsModel,
    HelpManual,

    // The window's own questions and refusals.
    SwitchSeries,
    SwitchDestination,
    DestinationUnread,
    ListFull,
    WriteProtected,
    IncompleteFile,
    Printer,
    SaveElsewhere,
    BackupNotKept,
    BackupUnread,
    BackupUnsaved,
    FleetTemplateUnread,
    FleetRadiosUnread,
    PriorityDeleted,
    MarineKept,
    ReceiveOnlyKept,
    SettingKept,

    // Lines shown elsewhere.
    MissingPort,
    CableWait,
    RadioWait,
    FleetConnect,
    ProgramStep,
    StepBackupBlocks,
    StepReadBlocks,
    StepWriteBlocks,
    StepVerifyBlocks,
    PhaseTimeLeft,
    WriteChanges,
    VerifyFailed,
    VerifyConcerned,
    RestoreBackup,
    AndMore,
    EnabledNode,

    // Channel lists in and out (CSV files, copy and paste).
    NothingImported,
    NothingPasted,
    RowsPasted,
    ExportedOne,
    Exported,
    ImportedOne,
    Imported,
    ChangesOne,
    Changes,
    CsvCell,
    CsvRow,
    CsvTooLarge,
    CsvNotUtf8,
    CsvRowTooLong,
    CsvTooMany,
    CsvFlagScanned,
    CsvScrambler,
    CsvFlag,
    CsvDuplex,
    CsvNameLength,
    CsvNameCharacter,
    CsvDisplayLength,
    CsvDisplayCharacter,
    CsvNotFrequency,
    CsvDecimals,
    CsvFiner,
    CsvOffsetOutsideInSteps,
    CsvOffsetOutside,
    CsvOutsideInSteps,
    CsvOutside,
    CsvTone,
    CsvNotTransmit,
    CsvNotReceive,
    CsvNameLeftOut,
    CsvNameShortened,
    CsvDuplexGeneric,
    CsvCtcss,
    CsvDcs,
    CsvPolarity,
    CsvCrossMode,
    CsvToneMode,
    CsvMode,
    CsvPower,
    CsvCommentLeftOut,
    CsvNotOurColumn,
    CsvRowEnds,
    CsvExpected,
    CsvNotGenericColumn,
    CsvColumnTwice,
    CsvGenericLists,
    CsvSeparators,
    CsvCellsMissing,
    CsvColumnCount,
    CsvKeptAs,
    CsvNotKept,
    CsvNoMarineChannel,
    CsvNoHeader,
    CsvNoChannel,
    CsvChannelTwice,
    CsvPriorityNone,
    CsvPriorityGone,
};

struct AdviceRow {
    Advice id;
    const char* text;    // the main text; "" for a line shown elsewhere
    const char* detail;  // one line; "" for none
    bool window = true;  // shown by the window, so translated (kvtool's own rows are not)
};

// The table, a row per `Advice` in its order.
std::span<const AdviceRow> AdviceRows();

// `source` with %1 replaced by values[0], %2 by values[1], and so on.
std::string Filled(std::string_view source, const std::vector<std::string>& values);

// The row's detail with its values.
std::string AdviceText(Advice id, const std::vector<std::string>& values = {});
// The row's main text with its values.
std::string AdviceMainText(Advice id, const std::vector<std::string>& values = {});

// The row's text and detail with their values.
Message Advised(Advice id, std::string caption, MessageIcon icon, Buttons buttons,
                const std::vector<std::string>& values = {});

// The row's text or detail one line of a message came from, and the values
// it was filled with (values[0] for %1); nothing when no row made it.
struct SourceMatch {
    const char* source;
    std::vector<std::string> values;
};
std::optional<SourceMatch> MatchSource(std::string_view line);

}  // namespace kv
