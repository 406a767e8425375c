#include "image/radio_image.h"

#include <cctype>
#include <cmath>

namespace kv {
namespace {

unsigned Mask(Bits field) { return ((1u << field.width) - 1u) << (field.top + 1 - field.width); }
unsigned Shift(Bits field) { return field.top + 1u - field.width; }

bool IsAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void TrimRight(std::string& s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
}

}  // namespace

unsigned ReadBits(const RadioImage& image, Bits field) {
    return (image[field.address] & Mask(field)) >> Shift(field);
}

void WriteBits(RadioImage& image, Bits field, unsigned value) {
    const unsigned mask = Mask(field);
    image[field.address] = static_cast<uint8_t>((image[field.address] & ~mask) | ((value << Shift(field)) & mask));
}

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
    const char c = static_cast<char>(byte);
    return byte < 0x80 && (IsAsciiAlnum(c) || c == ' ' || c == '-' || c == '/' || c == ',' || c == '_');
}

bool IsNameWriteChar(char c) {
    switch (c) {
        case ' ': case '-': case '+': case '(': case ')': case '.': case '*': case '/': case ',': case '_':
            return true;
        default:
            return IsAsciiAlnum(c);
    }
}

bool IsCallSignChar(char c) { return IsAsciiAlnum(c) || c == '-' || c == '/' || c == '_' || c == ','; }

std::string ReadName(const RadioImage& image, Span field) {
    std::string text;
    for (int a = field.address; a < field.end() && IsNameReadChar(image[a]); ++a)
        text += static_cast<char>(image[a]);
    TrimRight(text);
    return text;
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
