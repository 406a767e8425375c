// What travels on the wire: framed commands and answers with their XOR
// checksum, numbers as hexadecimal text, and the three control bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kv::wire {

inline constexpr char kTab = '\t';
inline constexpr uint8_t kCr = 0x0D;
inline constexpr uint8_t kLf = 0x0A;
inline constexpr uint8_t kWake = 'P';
inline constexpr uint8_t kWakeConfirm = '0';
inline constexpr uint8_t kCan = 0x18;
inline constexpr uint8_t kAck = 0x06;

inline constexpr std::string_view kSync = "#CMDSY";
inline constexpr std::string_view kOk = "#CMDOK";
inline constexpr std::string_view kChecksumFailed = "#CMDSM";
inline constexpr std::string_view kUnknownAnswer = "#CMDUN";
inline constexpr std::string_view kReadAnswerWrong = "#CMDER";
inline constexpr std::string_view kModeCommand = "ACMD:002";
inline constexpr std::string_view kStatusRequest = "#CEPSR";
inline constexpr std::string_view kStatusAnswer = "#CEPSD";
inline constexpr std::string_view kReadRequest = "#CEPRD";
inline constexpr std::string_view kReadAnswer = "#CEPDT";
inline constexpr std::string_view kWriteRequest = "#CEPWR";
inline constexpr std::string_view kRefusal = "ERROR";
inline constexpr std::string_view kModeAccepted = "OK";
inline constexpr std::string_view kStatusReady = "00";
inline constexpr std::string_view kStatusBusy = "01";
inline constexpr size_t kCodeWordLength = 6;
// The pieces SplitTabs gives of a whole answer after its code word: the
// empty one before the first TAB, the fields, the checksum.
inline constexpr size_t kStatusAnswerPieces = 3;  // status
inline constexpr size_t kReadAnswerPieces = 5;    // address, length, data

// "ABCD": four upper-case digits, the rightmost four of "000" + hex.
std::string Hex4(int value);
// "1F": two upper-case digits, the rightmost two of "0" + hex.
std::string Hex2(int value);
// Two digits per byte, high nibble first.
std::string HexBytes(std::span<const uint8_t> bytes);
// Hexadecimal of either letter case; nullopt for empty text or a non-digit.
std::optional<unsigned long> ParseHex(std::string_view text);
std::optional<std::vector<uint8_t>> ParseHexBytes(std::string_view text);

// Command word, TAB, each non-empty parameter and a TAB, the checksum, CR LF.
std::string BuildFrame(std::string_view command, std::string_view p1 = {}, std::string_view p2 = {},
                       std::string_view p3 = {});
// The XOR of every byte of the text.
uint8_t XorOf(std::string_view text);
// The line without CR LF: its last two characters, as hexadecimal, equal the
// XOR of all characters before them.
bool VerifyReplyChecksum(std::string_view line);

// The pieces between TABs (the first is what precedes the first TAB).
std::vector<std::string_view> SplitTabs(std::string_view text);

}  // namespace kv::wire
