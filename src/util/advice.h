// The texts of the messages that say what is wrong and what to do, in one
// table: per row, the box's main text (the system's own where it has one)
// and the informative text shown beneath it, with %1, %2, ... where the
// values go (the port, the file, the channel, the destinations). A detail of
// several lines joins rows. Rows the window shows are marked for
// translation; the window finds the row a line came from (`MatchSource`),
// translates it and puts the values back.
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
};

struct AdviceRow {
    Advice id;
    const char* text;    // the main text
    const char* detail;  // one line
    bool window = true;  // shown by the window, so translated (kvtool's own rows are not)
};

// The table, a row per `Advice` in its order.
std::span<const AdviceRow> AdviceRows();

// `source` with %1 replaced by values[0], %2 by values[1], and so on.
std::string Filled(std::string_view source, const std::vector<std::string>& values);

// The row's detail with its values.
std::string AdviceText(Advice id, const std::vector<std::string>& values = {});

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
