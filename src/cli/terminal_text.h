// Text read from files, printed where a person reads it. On a terminal a
// control character from a file (an ESC sequence in a channel name would
// move the cursor, recolour the screen or retitle the window) is shown
// escaped, as "\x1b"; into a file or a pipe the bytes go as they are.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace kv::cli {

// `text` as a terminal may show it: C0 controls other than tab and line
// ends (a CR only before its LF), DEL, C1 controls and bytes that are not
// UTF-8 as "\xNN". Appends to `out` and returns how much of `text` it took:
// all of it at the `end`, else up to an unfinished character or a last CR.
// With `carriageReturns` a lone CR passes (a progress bar redrawn in place).
size_t AppendForTerminal(std::string_view text, bool end, std::string& out, bool carriageReturns = false);

std::string ForTerminal(std::string_view text);

// kvtool's standard output or error: what the commands print goes through
// ForTerminal when `fd` is a terminal, else to `target` as it is. The error
// stream (`diagnostics`) keeps its lone CRs and is flushed at every output,
// as std::cerr is, so that a question stands before its answer is read.
class TerminalOutput {
public:
    TerminalOutput(std::ostream& target, int fd, bool diagnostics = false);
    ~TerminalOutput();
    std::ostream& stream() { return escaped_ ? *escaped_ : target_; }

private:
    std::ostream& target_;
    std::unique_ptr<std::streambuf> buffer_;
    std::unique_ptr<std::ostream> escaped_;
};

}  // namespace kv::cli
