// The channel lists as comma- or semicolon-separated text (File > Export/Import
// Channels, kvtool csv) and as tab-separated rows (copy and paste in the
// grids). Our own columns are the report's, with its cell texts, followed by
// the columns the report leaves out but the editor can change; frequencies
// are written as stored. The RG, LMR and EXP lists also read and write the
// generic layout of radio-programmer tools (Location, Name, Frequency, ...).
// Import and paste check every cell with the editor's rules and return
// either the whole new settings record or every problem found, never a
// half-changed record.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/screen_tree.h"
#include "model/session.h"
#include "util/prompt.h"

namespace kv {

enum class ChannelList { Usa, Intl, Can, Wx, Rg, Lmr, Exp };

// "usa", "intl", "can", "wx", "rg", "lmr", "exp" (any case).
std::optional<ChannelList> ParseChannelList(std::string_view name);
std::string ChannelListName(ChannelList list);  // "USA", "INTL", "CANADA", "WX", "RG", "LMR", "EXP"
// Whether the model has the list: the weather list on every model but 6; on
// models without an EXP group the 40 land-mobile/expansion records are one
// list, which both "lmr" and "exp" name.
bool ModelHasList(int model, ChannelList list);
// The list a screen shows (a grid) or belongs to (a channel's editor), if any.
std::optional<ChannelList> ListOfScreen(ScreenKind kind, int group);

// Our own columns, or the generic layout of radio-programmer tools: one row
// per channel with "Location", "Name", "Frequency", "Duplex", "Offset", the
// tone columns, "Mode", "Skip", "Power" and the rest, in MHz with six decimals.
enum class CsvLayout { Kvprog, Generic };
struct CsvFormat {
    CsvLayout layout = CsvLayout::Kvprog;
    char separator = ',';  // ';': numbers are written with a decimal comma
};
// The generic layout holds land-mobile channels: the RG, LMR and EXP lists.
bool LayoutHoldsList(CsvLayout layout, ChannelList list);
// The separator a spreadsheet of a locale expects: ';' where numbers have a decimal comma.
char ListSeparatorFor(char decimalPoint);

// The column titles, in order.
std::vector<std::string> CsvColumns(int model, ChannelList list, CsvLayout layout = CsvLayout::Kvprog);

// The whole list as CSV: a header row and a row per record (marine lists:
// per listed channel; the generic layout: per enabled channel), CR LF line
// ends. A name a spreadsheet would take for a formula is written with a
// leading apostrophe, which an import takes off.
std::string ExportChannelsCsv(const RadioSession& session, ChannelList list, CsvFormat format = {});
// The rows an export writes: the channels a list's grid shows (the generic layout: the enabled ones).
int ChannelRowCount(const RadioSession& session, ChannelList list, CsvLayout layout = CsvLayout::Kvprog);

struct ChannelChange {
    std::optional<RadioSettings> settings;  // the record after the change
    std::vector<std::string> problems;      // "row R, column C: why"; empty when settings is set
    std::vector<std::string> notes;         // what the user is told of a change made (a name kept in upper case)
    int channels = 0;                       // the rows taken
};

// Replaces the list with the rows of a CSV text (a header row first, which
// names the layout: our columns in any order, or the generic layout's; a
// header separated by ";" makes a semicolon file, whose numbers may have a
// decimal comma). A marine list becomes the rows' channels, in order, in the slots its listed
// channels held (disabled records between them stay); the group's priority
// follows its channel, or becomes "Off" (a note) when no row names it. The
// other lists take each row into the record its "CH" cell numbers. A cell
// the row cannot change (a marine channel's frequencies) is refused unless
// it repeats what the record shows, and a cell the radio would not keep as
// typed is refused. A generic row goes into the record its "Location"
// numbers; what the radio holds otherwise (a name shortened, a wide channel
// under the narrowband rule) is taken with a note.
ChannelChange ImportChannelsCsv(const RadioSession& session, ChannelList list, std::string_view text);

// The same from a file, refused before it is read when it is larger than a
// channel list can be; a problem of the file itself is named "PATH: why".
ChannelChange ImportChannelsCsvFile(const RadioSession& session, ChannelList list, const std::filesystem::path& path);
// Writes the export atomically; "" or "PATH: why".
std::string ExportChannelsCsvFile(const RadioSession& session, ChannelList list, const std::filesystem::path& path,
                                  CsvFormat format = {});
// The name File > Export Channels suggests: the list's ("usa.csv"), after
// the current file's name when there is one ("boat-usa.csv").
std::string SuggestedCsvName(const std::filesystem::path& currentFile, ChannelList list);

// Rows count from 0 as the list's grid shows them (a marine grid shows the
// listed channels only; see ListedRecords).

// Grid rows as tab-separated text with the CSV columns, without a header,
// for the clipboard.
std::string CopyChannelRows(const RadioSession& session, ChannelList list, const std::vector<int>& rows);

// Pastes tab-separated rows (a header row of ours, in any order, or of the
// generic layout may lead and gives the column order): marine rows are inserted
// after row `selected` as Add does (after the last for -1); other rows
// overwrite the records from row `selected` on, whatever their "CH" cells say.
ChannelChange PasteChannelRows(const RadioSession& session, ChannelList list, int selected, std::string_view text);

// The refusal of an import or a paste: `what` ("Nothing was pasted."), then
// the problems, the first 20 of them when there are more.
Message ChannelProblemsMessage(std::string_view what, const std::vector<std::string>& problems);
// Told when no channel list is on show for File > Export/Import Channels,
// or (generic) none the generic layout holds.
Message NoChannelListMessage(CsvLayout layout = CsvLayout::Kvprog);
// Asked before an import that changes cells as it takes them (its notes): OK takes them.
Message ChannelChangesQuestion(ChannelList list, int channels, const std::filesystem::path& path,
                               const std::vector<std::string>& notes);
// What an export or import took ("12 USA channels imported from PATH."),
// then the change's notes.
enum class ChannelsTaken { Exported, Imported };
Message ChannelsTakenMessage(ChannelList list, int channels, ChannelsTaken how, const std::filesystem::path& path,
                             const std::vector<std::string>& notes = {});

// Deletes the channels of marine grid rows as Delete does; a group keeps its
// last channel. Nothing when nothing was deleted.
std::optional<RadioSettings> DeleteMarineRows(const RadioSession& session, int group, const std::vector<int>& rows);
// The message of a delete that took the group's priority channel with it
// (the priority is then Off); nothing for any other change.
std::optional<Message> PriorityDeletedMessage(const RadioSession& before, int group, const RadioSettings& after);

}  // namespace kv
