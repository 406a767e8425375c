// Reading and writing comma- or tab-separated text (RFC 4180): quoted cells
// may hold the separator, line breaks and doubled quotes. A byte-order mark,
// CR LF or LF line ends and blank lines are accepted; text that is not
// UTF-8, holds a NUL byte, or is too large for a channel list is refused
// before any of it is taken.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// A channel list is a few kilobytes; these bounds leave room to spare.
inline constexpr size_t kLargestDelimitedText = 1024 * 1024;
inline constexpr size_t kLongestDelimitedRow = 4096;

struct TextRow {
    int number = 0;  // counted from 1 in the text, blank lines included
    std::vector<std::string> cells;
};

struct DelimitedText {
    std::vector<TextRow> rows;  // blank lines left out
    std::string error;          // empty when the text was read
};

DelimitedText ReadDelimited(std::string_view text, char separator);

// The separator of a text whose first line is a header: ';' when that line
// holds semicolons and no commas outside quotes, else ','; 0 when it holds
// both (spreadsheets of comma-decimal locales write ';').
char HeaderSeparator(std::string_view text);

// One row: cells quoted where they hold the separator, a quote, a line break
// or spaces at either end, then the line end.
std::string WriteDelimitedRow(const std::vector<std::string>& cells, char separator, std::string_view lineEnd);

// A text cell a spreadsheet would take for a formula (one starting with =,
// +, -, @, a tab or a CR) is written with a leading apostrophe, so that it
// shows as text; so is one whose apostrophe would otherwise be read as that
// mark. FromSpreadsheetText takes the mark off again: the pair keeps every
// text as it was.
std::string SpreadsheetText(std::string_view text);
std::string FromSpreadsheetText(std::string_view cell);

}  // namespace kv
