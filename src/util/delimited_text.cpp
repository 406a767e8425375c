#include "util/delimited_text.h"

#include <algorithm>

#include "util/advice.h"

namespace kv {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The offset of the first byte that breaks UTF-8 or is NUL, or npos.
size_t FirstNonTextByte(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0) return i;
        const size_t length = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (length == 0 || (length == 2 && c < 0xC2) || i + length > text.size()) return i;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return i;
        i += length;
    }
    return std::string_view::npos;
}

bool IsBlank(const TextRow& row) { return row.cells.size() == 1 && row.cells[0].empty(); }

}  // namespace

DelimitedText ReadDelimited(std::string_view text, char separator) {
    DelimitedText out;
    if (text.size() > kLargestDelimitedText) {
        out.error = AdviceText(Advice::CsvTooLarge, {std::to_string(kLargestDelimitedText / 1024)});
        return out;
    }
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    if (const size_t bad = FirstNonTextByte(text); bad != std::string_view::npos) {
        out.error = AdviceText(Advice::CsvNotUtf8, {std::to_string(bad + 1)});
        return out;
    }
    TextRow row{1, {std::string()}};
    size_t rowStart = 0;
    bool quoted = false;
    const auto endRow = [&](size_t next) {
        if (!IsBlank(row)) out.rows.push_back(std::move(row));
        row = TextRow{row.number + 1, {std::string()}};
        rowStart = next;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        if (i - rowStart > kLongestDelimitedRow) {
            out.error = AdviceText(Advice::CsvRowTooLong, {std::to_string(row.number), std::to_string(kLongestDelimitedRow)});
            out.rows.clear();
            return out;
        }
        const char c = text[i];
        std::string& cell = row.cells.back();
        if (quoted) {
            if (c != '"') cell += c;
            else if (i + 1 < text.size() && text[i + 1] == '"') cell += text[++i];
            else quoted = false;
        } else if (c == '"' && cell.empty()) {
            quoted = true;
        } else if (c == separator) {
            row.cells.emplace_back();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            endRow(i + 1);
        } else {
            cell += c;
        }
    }
    if (quoted) {
        out.error = AdviceText(Advice::CsvRow, {std::to_string(row.number)});
        out.rows.clear();
        return out;
    }
    endRow(text.size());
    return out;
}

char HeaderSeparator(std::string_view text) {
    bool quoted = false, comma = false, semicolon = false;
    for (const char c : text.substr(0, std::min(text.size(), kLongestDelimitedRow))) {
        if (c == '"') quoted = !quoted;
        else if (quoted) continue;
        else if (c == ',') comma = true;
        else if (c == ';') semicolon = true;
        else if ((c == '\n' || c == '\r') && (comma || semicolon)) break;
    }
    return comma && semicolon ? 0 : semicolon ? ';' : ',';
}

std::string WriteDelimitedRow(const std::vector<std::string>& cells, char separator, std::string_view lineEnd) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
        const std::string& cell = cells[i];
        if (i > 0) line += separator;
        const bool quote = cell.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string::npos ||
                           (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
        if (!quote) {
            line += cell;
            continue;
        }
        line += '"';
        for (const char c : cell) line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    line += lineEnd;
    return line;
}

namespace {
constexpr std::string_view kFormulaStarts = "=+-@\t\r";
bool MarkedText(std::string_view cell) {
    return cell.size() > 1 && cell[0] == '\'' && (kFormulaStarts.find(cell[1]) != std::string_view::npos || cell[1] == '\'');
}
}  // namespace

std::string SpreadsheetText(std::string_view text) {
    const bool formula = !text.empty() && kFormulaStarts.find(text[0]) != std::string_view::npos;
    return (formula || MarkedText(text) ? "'" : "") + std::string(text);
}

std::string FromSpreadsheetText(std::string_view cell) {
    return std::string(MarkedText(cell) ? cell.substr(1) : cell);
}

}  // namespace kv
