// The radio's memory as a byte image and the field primitives the codec
// reads and writes it with.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/model_traits.h"

namespace kv {

inline constexpr int kImageSize = 16384;
inline constexpr int kSmallImageSize = 8192;  // model type 1

// The last address in use: 16383, or 8191 for model type 1.
constexpr int ImageLastAddress(int model) { return TraitsOf(model).imageSize - 1; }

// A field of bits inside one byte: the byte's address, the field's highest
// bit (7..0) and its width. Single flags are width 1.
struct Bits {
    uint16_t address;
    uint8_t top;
    uint8_t width;
};

// A run of bytes: names, digit strings, frequencies, words, whole areas.
struct Span {
    uint16_t address;
    uint16_t length;
    constexpr int end() const { return address + length; }
};

// Fields of a record are declared relative to the record; At() places them.
constexpr Bits At(Bits field, int base) { return {static_cast<uint16_t>(base + field.address), field.top, field.width}; }
constexpr Span At(Span field, int base) { return {static_cast<uint16_t>(base + field.address), field.length}; }

struct RadioImage {
    std::array<uint8_t, kImageSize> bytes;
    int lastAddress = kImageSize - 1;

    RadioImage() { bytes.fill(0xFF); }

    uint8_t& operator[](int address) { return bytes[static_cast<size_t>(address)]; }
    uint8_t operator[](int address) const { return bytes[static_cast<size_t>(address)]; }
    int size() const { return lastAddress + 1; }

    friend bool operator==(const RadioImage&, const RadioImage&) = default;
};

constexpr unsigned FieldShift(Bits field) { return field.top + 1u - field.width; }
constexpr unsigned FieldMask(Bits field) { return ((1u << field.width) - 1u) << FieldShift(field); }

inline unsigned ReadBits(const RadioImage& image, Bits field) {
    return (image[field.address] & FieldMask(field)) >> FieldShift(field);
}
// Replaces exactly the field's bits with the low bits of value.
inline void WriteBits(RadioImage& image, Bits field, unsigned value) {
    const unsigned mask = FieldMask(field);
    image[field.address] = static_cast<uint8_t>((image[field.address] & ~mask) | ((value << FieldShift(field)) & mask));
}
inline bool ReadFlag(const RadioImage& image, Bits field) { return ReadBits(image, field) != 0; }
inline void WriteFlag(RadioImage& image, Bits field, bool value) { WriteBits(image, field, value ? 1 : 0); }

uint16_t ReadWordBE(const RadioImage& image, int address);
// A negative value is stored as 0xFF 0xFF.
void WriteWordBE(RadioImage& image, int address, long value);
uint16_t ReadWordLE(const RadioImage& image, int address);

// Name characters. Decoding knows digits, letters, space and - / , _;
// encoding also writes + ( ) . * and turns everything else into 0xFF.
bool IsNameReadChar(uint8_t byte);
bool IsNameWriteChar(char c);
// The narrower set of the call sign fields: digits, letters, - / _ ,
bool IsCallSignChar(char c);

// Up to field.length characters, stopping at the first byte that is no
// character; trailing spaces removed.
std::string ReadName(const RadioImage& image, Span field);
// All field.length bytes, skipping those that are no character.
std::string ReadNameFixed(const RadioImage& image, Span field);
// Exactly field.length bytes: the text's characters, then 0xFF.
void WriteName(RadioImage& image, Span field, std::string_view text);
// Padded on the left with spaces, the last field.length characters, in the
// call sign character set (spaces become 0xFF).
void WriteNameRightJustified(RadioImage& image, Span field, std::string_view text);

// Ten packed decimal nibbles in five bytes; a nibble above 9 ends the text.
std::string ReadBcdDigits(const RadioImage& image, int address);
// Digits first, 0xF for the rest; with forceTenthZero the tenth nibble is 0.
void WriteBcdDigits(RadioImage& image, int address, std::string_view digits, bool forceTenthZero);

// Three bytes of packed decimal: the frequency less 100 MHz in 100 Hz units.
double ReadFrequency(const RadioImage& image, int address);
void WriteFrequency(RadioImage& image, double mhz, int address);

}  // namespace kv
