#include <gtest/gtest.h>

#include "link/wire.h"
#include "sim/radio_simulator.h"

namespace kv {
namespace {

TEST(Wire, FramesCarryTheXorOfEverythingBeforeTheChecksum) {
    EXPECT_EQ(wire::BuildFrame("#CEPSR", "00"), "#CEPSR\t00\t74\r\n");
    EXPECT_EQ(wire::BuildFrame("#CEPRD", "0040", "10"), "#CEPRD\t0040\t10\t6F\r\n");
    // An empty parameter adds nothing, not even its TAB.
    EXPECT_EQ(wire::BuildFrame("#CEPRD", "", "0040", "10"), wire::BuildFrame("#CEPRD", "0040", "10"));
}

TEST(Wire, NumbersAreUpperCaseHexKeptToTheirWidth) {
    EXPECT_EQ(wire::Hex4(0x12345), "2345");
    EXPECT_EQ(wire::Hex2(0xa), "0A");
    EXPECT_EQ(wire::Hex2(0x1ab), "AB");
    const uint8_t bytes[] = {0x00, 0xAB, 0x0F};
    EXPECT_EQ(wire::HexBytes(bytes), "00AB0F");
    EXPECT_EQ(wire::ParseHex("3fA0"), 0x3FA0u);
    for (const char* bad : {"", "0x10"}) EXPECT_FALSE(wire::ParseHex(bad)) << bad;
    for (const char* bad : {"ABC", "G0"}) EXPECT_FALSE(wire::ParseHexBytes(bad)) << bad;
}

TEST(Wire, ReplyChecksumIsTwoHexDigitsOfEitherCase) {
    const std::pair<const char*, bool> cases[] = {
        {"#CEPRD\t0040\t10\t6F", true},  {"#CEPRD\t0040\t10\t6f", true}, {"#CEPRD\t0040\t10\t6E", false},
        {"#CEPRD\t0040\t10\tXY", false}, {"ZZ", false},                  {"A41", true},  // 'A' alone XORs to 41
    };
    for (const auto& [line, ok] : cases) EXPECT_EQ(wire::VerifyReplyChecksum(line), ok) << line;
}

TEST(Wire, SplitKeepsEmptyPieces) {
    EXPECT_EQ(wire::SplitTabs("\t0040\t10\t\tAB"), (std::vector<std::string_view>{"", "0040", "10", "", "AB"}));
}

TEST(SimulatorFaults, ParseTheCommandLineForms) {
    const std::pair<const char*, std::optional<sim::Fault>> cases[] = {
        {"drop-byte@3", sim::Fault{sim::FaultKind::DropByte, 3}},
        {"short-data@12", sim::Fault{sim::FaultKind::ShortData, 12}},
        {"store-wrong@9", sim::Fault{sim::FaultKind::StoreWrong, 9}},
        {"busy", sim::Fault{sim::FaultKind::Busy, 1}},
        {"silent", std::nullopt}, {"silent@0", std::nullopt}, {"silent@x", std::nullopt}, {"loud@1", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        const auto fault = sim::ParseFault(text);
        ASSERT_EQ(fault.has_value(), expected.has_value()) << text;
        if (!fault) continue;
        EXPECT_EQ(fault->kind, expected->kind) << text;
        EXPECT_EQ(fault->at, expected->at) << text;
    }
}

}  // namespace
}  // namespace kv
