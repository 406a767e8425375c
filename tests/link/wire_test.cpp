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
    EXPECT_EQ(wire::Hex4(0x3f), "003F");
    EXPECT_EQ(wire::Hex4(0x12345), "2345");
    EXPECT_EQ(wire::Hex2(0xa), "0A");
    EXPECT_EQ(wire::Hex2(0x1ab), "AB");
    const uint8_t bytes[] = {0x00, 0xAB, 0x0F};
    EXPECT_EQ(wire::HexBytes(bytes), "00AB0F");
    EXPECT_EQ(wire::ParseHex("3fA0"), 0x3FA0u);
    EXPECT_FALSE(wire::ParseHex(""));
    EXPECT_FALSE(wire::ParseHex("0x10"));
    EXPECT_FALSE(wire::ParseHexBytes("ABC"));
    EXPECT_FALSE(wire::ParseHexBytes("G0"));
}

TEST(Wire, ReplyChecksum) {
    const std::string good = "#CEPSD\t00\t";
    const std::string sum = wire::Hex2(wire::XorOf(good));
    EXPECT_TRUE(wire::VerifyReplyChecksum(good + sum));
    std::string lower = sum;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(wire::VerifyReplyChecksum(good + lower));
    EXPECT_FALSE(wire::VerifyReplyChecksum(good + wire::Hex2(wire::XorOf(good) ^ 1)));
    EXPECT_FALSE(wire::VerifyReplyChecksum("ZZ"));
    EXPECT_FALSE(wire::VerifyReplyChecksum("#CEPSD\t00\tXY"));
    EXPECT_TRUE(wire::VerifyReplyChecksum("A41"));  // 'A' ^ nothing else = 0x41
}

TEST(Wire, SplitKeepsEmptyPieces) {
    const auto pieces = wire::SplitTabs("\t0040\t10\t\tAB");
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[0], "");
    EXPECT_EQ(pieces[1], "0040");
    EXPECT_EQ(pieces[3], "");
    EXPECT_EQ(pieces[4], "AB");
}

TEST(SimulatorFaults, ParseTheCommandLineForms) {
    struct Case {
        const char* text;
        bool ok;
        sim::FaultKind kind;
        int at;
    };
    const Case cases[] = {
        {"drop-byte@3", true, sim::FaultKind::DropByte, 3},   {"corrupt-byte@12", true, sim::FaultKind::CorruptByte, 12},
        {"silent@1", true, sim::FaultKind::Silent, 1},        {"error@9", true, sim::FaultKind::Error, 9},
        {"busy", true, sim::FaultKind::Busy, 1},              {"busy@2", true, sim::FaultKind::Busy, 2},
        {"wrong-address@4", true, sim::FaultKind::WrongAddress, 4}, {"bad-checksum@5", true, sim::FaultKind::BadChecksum, 5},
        {"short-data@6", true, sim::FaultKind::ShortData, 6}, {"hangup@7", true, sim::FaultKind::Hangup, 7},
        {"silent", false, {}, 0},  {"silent@0", false, {}, 0}, {"silent@x", false, {}, 0}, {"loud@1", false, {}, 0},
    };
    for (const Case& c : cases) {
        const auto fault = sim::ParseFault(c.text);
        ASSERT_EQ(fault.has_value(), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(fault->kind, c.kind) << c.text;
        EXPECT_EQ(fault->at, c.at) << c.text;
    }
}

}  // namespace
}  // namespace kv
