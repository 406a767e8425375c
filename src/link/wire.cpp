#include "link/wire.h"

#include <cctype>

namespace kv::wire {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

std::string HexOf(unsigned long value) {
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

std::string Rightmost(const std::string& text, size_t count) {
    return text.size() <= count ? text : text.substr(text.size() - count);
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper >= 'A' && upper <= 'F') return upper - 'A' + 10;
    return -1;
}

}  // namespace

std::string Hex4(int value) { return Rightmost("000" + HexOf(static_cast<unsigned>(value)), 4); }
std::string Hex2(int value) { return Rightmost("0" + HexOf(static_cast<unsigned>(value)), 2); }

std::string HexBytes(std::span<const uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0xF];
    }
    return text;
}

std::optional<unsigned long> ParseHex(std::string_view text) {
    if (text.empty() || text.size() > 8) return std::nullopt;
    unsigned long value = 0;
    for (char c : text) {
        const int digit = DigitValue(c);
        if (digit < 0) return std::nullopt;
        value = value << 4 | static_cast<unsigned long>(digit);
    }
    return value;
}

std::optional<std::vector<uint8_t>> ParseHexBytes(std::string_view text) {
    if (text.size() % 2 != 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = DigitValue(text[i]), low = DigitValue(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    return bytes;
}

uint8_t XorOf(std::string_view text) {
    uint8_t x = 0;
    for (char c : text) x ^= static_cast<uint8_t>(c);
    return x;
}

std::string BuildFrame(std::string_view command, std::string_view p1, std::string_view p2, std::string_view p3) {
    std::string frame(command);
    frame += kTab;
    for (std::string_view p : {p1, p2, p3})
        if (!p.empty()) (frame += p) += kTab;
    frame += Hex2(XorOf(frame));
    frame += static_cast<char>(kCr);
    frame += static_cast<char>(kLf);
    return frame;
}

bool VerifyReplyChecksum(std::string_view line) {
    if (line.size() < 3) return false;
    const auto sum = ParseHex(line.substr(line.size() - 2));
    return sum && *sum == XorOf(line.substr(0, line.size() - 2));
}

std::vector<std::string_view> SplitTabs(std::string_view text) {
    std::vector<std::string_view> pieces;
    size_t start = 0;
    for (size_t tab; (tab = text.find(kTab, start)) != std::string_view::npos; start = tab + 1)
        pieces.push_back(text.substr(start, tab - start));
    pieces.push_back(text.substr(start));
    return pieces;
}

}  // namespace kv::wire
