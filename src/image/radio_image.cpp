#include "image/radio_image.h"

#include <cctype>
#include <cmath>

namespace kv {
namespace {

constexpr bool IsAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void TrimRight(std::string& s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
}

}  // namespace

uint16_t ReadWordBE(const RadioImage& image, int address) {
    return static_cast<uint16_t>(image[address] << 8 | image[address + 1]);
}

void WriteWordBE(RadioImage& image, int address, long value) {
    const unsigned word = value < 0 ? 0xFFFFu : static_cast<unsigned>(value) & 0xFFFFu;
    image[address] = static_cast<uint8_t>(word >> 8);
    image[address + 1] = static_cast<uint8_t>(word);
}

uint16_t ReadWordLE(const RadioImage& image, int address) {
    return static_cast<uint16_t>(image[address + 1] << 8 | image[address]);
}

bool IsNameReadChar(uint8_t byte) {
    static constexpr auto kReadable = [] {
        std::array<bool, 256> table{};
        for (int c = 0; c < 128; ++c)
            table[static_cast<size_t>(c)] = IsAsciiAlnum(static_cast<char>(c)) || c == ' ' || c == '-' || c == '/' || c == ',' || c == '_';
        return table;
    }();
    return kReadable[byte];
}

bool IsNameWriteChar(char c) {
    static constexpr auto kWritable = [] {
        std::array<bool, 256> table{};
        for (char w : std::string_view("0123456789 -+().*/,_")) table[static_cast<unsigned char>(w)] = true;
        for (int c = 0; c < 128; ++c)
            if (IsAsciiAlnum(static_cast<char>(c))) table[static_cast<size_t>(c)] = true;
        return table;
    }();
    return kWritable[static_cast<unsigned char>(c)];
}

bool IsCallSignChar(char c) { return IsAsciiAlnum(c) || c == '-' || c == '/' || c == '_' || c == ','; }

std::string ReadName(const RadioImage& image, Span field) {
    const uint8_t* first = image.bytes.data() + field.address;
    size_t length = 0;
    while (length < field.length && IsNameReadChar(first[length])) ++length;
    while (length > 0 && first[length - 1] == ' ') --length;
    return std::string(reinterpret_cast<const char*>(first), length);
}

std::string ReadNameFixed(const RadioImage& image, Span field) {
    std::string text;
    for (int a = field.address; a < field.end(); ++a)
        if (IsNameReadChar(image[a])) text += static_cast<char>(image[a]);
    TrimRight(text);
    return text;
}

void WriteName(RadioImage& image, Span field, std::string_view text) {
    for (int i = 0; i < field.length; ++i) {
        const bool inText = static_cast<size_t>(i) < text.size();
        image[field.address + i] = inText && IsNameWriteChar(text[i]) ? static_cast<uint8_t>(text[i]) : 0xFF;
    }
}

void WriteNameRightJustified(RadioImage& image, Span field, std::string_view text) {
    std::string padded(field.length > text.size() ? field.length - text.size() : 0, ' ');
    padded += text;
    const std::string_view last = std::string_view(padded).substr(padded.size() - field.length);
    for (int i = 0; i < field.length; ++i)
        image[field.address + i] = IsCallSignChar(last[i]) ? static_cast<uint8_t>(last[i]) : 0xFF;
}

std::string ReadBcdDigits(const RadioImage& image, int address) {
    std::string digits;
    for (int i = 0; i < 10; ++i) {
        const uint8_t byte = image[address + i / 2];
        const int nibble = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
        if (nibble > 9) break;
        digits += static_cast<char>('0' + nibble);
    }
    return digits;
}

void WriteBcdDigits(RadioImage& image, int address, std::string_view digits, bool forceTenthZero) {
    for (int i = 0; i < 10; ++i) {
        int nibble = 0xF;
        if (static_cast<size_t>(i) < digits.size() && digits[i] >= '0' && digits[i] <= '9') nibble = digits[i] - '0';
        if (i == 9 && forceTenthZero) nibble = 0;
        uint8_t& byte = image[address + i / 2];
        byte = i % 2 == 0 ? static_cast<uint8_t>((byte & 0x0F) | nibble << 4)
                          : static_cast<uint8_t>((byte & 0xF0) | nibble);
    }
}

double ReadFrequency(const RadioImage& image, int address) {
    // The digits read as the text "DD.DDDD"; a nibble above 9 ends the text.
    long whole = 0, fraction = 0, scale = 1;
    for (int i = 0; i < 6; ++i) {
        const uint8_t byte = image[address + i / 2];
        const int nibble = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
        if (nibble > 9) break;
        if (i < 2) {
            whole = whole * 10 + nibble;
        } else {
            fraction = fraction * 10 + nibble;
            scale *= 10;
        }
    }
    // In 100 Hz units, so the result is the double nearest the decimal value.
    const long units = whole * 10000 + fraction * (10000 / scale);
    return units > 0 && units < 1000000 ? static_cast<double>(1000000 + units) / 10000.0 : 0.0;
}

void WriteFrequency(RadioImage& image, double mhz, int address) {
    long units = 0;
    if (mhz > 100.0) units = std::lround((mhz - 100.0) * 10000.0);
    if (units < 0 || units > 999999) units = 0;
    for (int i = 2; i >= 0; --i) {
        const int low = static_cast<int>(units % 10);
        units /= 10;
        const int high = static_cast<int>(units % 10);
        units /= 10;
        image[address + i] = static_cast<uint8_t>(high << 4 | low);
    }
}

}  // namespace kv
