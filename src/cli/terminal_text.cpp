#include "cli/terminal_text.h"

#include <unistd.h>

#include <array>
#include <cstdio>

namespace kv::cli {
namespace {

void Escape(unsigned char c, std::string& out) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02x", c);
    out += hex;
}

// The bytes of the UTF-8 character a byte starts; 0 for one that starts none.
size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Escapes what it is given on its way to `target`, holding back only an
// unfinished character until the rest comes.
class TerminalBuffer : public std::streambuf {
public:
    TerminalBuffer(std::ostream& target, bool carriageReturns) : target_(target), carriageReturns_(carriageReturns) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }

protected:
    int_type overflow(int_type c) override {
        if (!Drain(false)) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return Drain(true) && target_.flush() ? 0 : -1; }

private:
    bool Drain(bool end) {
        held_.append(pbase(), pptr());
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        std::string shown;
        held_.erase(0, AppendForTerminal(held_, end, shown, carriageReturns_));
        return static_cast<bool>(target_ << shown);
    }

    std::ostream& target_;
    bool carriageReturns_;
    std::array<char, 4096> buffer_{};
    std::string held_;
};

}  // namespace

size_t AppendForTerminal(std::string_view text, bool end, std::string& out, bool carriageReturns) {
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c == '\r' && i + 1 == text.size() && !end) break;  // its LF may follow
            const bool lineEnd = c == '\n' || (c == '\r' && (carriageReturns || (i + 1 < text.size() && text[i + 1] == '\n')));
            if ((c < 0x20 && c != '\t' && !lineEnd) || c == 0x7F)
                Escape(c, out);
            else
                out += static_cast<char>(c);
            ++i;
            continue;
        }
        const size_t length = SequenceLength(c);
        size_t whole = 1;
        while (whole < length && i + whole < text.size() && IsContinuation(text[i + whole])) ++whole;
        if (whole < length && i + whole == text.size() && !end) break;  // the rest may follow
        const bool c1 = c == 0xC2 && whole == 2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (length == 0 || whole < length || c1) {
            Escape(c, out);  // a continuation byte left over is escaped in its turn
            ++i;
            continue;
        }
        out.append(text.substr(i, length));
        i += length;
    }
    return i;
}

std::string ForTerminal(std::string_view text) {
    std::string out;
    AppendForTerminal(text, true, out);
    return out;
}

TerminalOutput::TerminalOutput(std::ostream& target, int fd, bool diagnostics) : target_(target) {
    if (isatty(fd) == 0) return;
    buffer_ = std::make_unique<TerminalBuffer>(target, diagnostics);
    escaped_ = std::make_unique<std::ostream>(buffer_.get());
    if (diagnostics) escaped_->setf(std::ios::unitbuf);
}

TerminalOutput::~TerminalOutput() {
    if (escaped_) escaped_->flush();
}

}  // namespace kv::cli
