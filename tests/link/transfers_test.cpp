// Read and program transfers against the simulated radio, in-process on a
// virtual clock.
#include <gtest/gtest.h>

#include <algorithm>

#include "image/address_map.h"
#include "link/wire.h"
#include "link_rig.h"
#include "util/texts.h"

namespace kv {
namespace {

using test::DefaultSession;
using test::LinkRig;
using test::ProgrammedRadio;

constexpr int kIdentificationReads = 5;
const int kReadBlocks = static_cast<int>(ReadBlocks(kImageSize - 1).size());

sim::SimOptions WithFault(const std::string& fault) {
    sim::SimOptions options = test::Synced();
    options.faults = {*sim::ParseFault(fault)};
    return options;
}

TEST(ReadTransfer, TakesTheRadiosMemoryAndDecodesIt) {
    const RadioImage radio = ProgrammedRadio(5);
    LinkRig rig(DefaultSession(5), radio);
    const RadioImage before = rig.session.image;
    EXPECT_EQ(rig.Read(), TransferOutcome::Completed);
    EXPECT_TRUE(rig.state.TransferDone);
    EXPECT_EQ(rig.Texts(), std::vector<std::string>{text::kComplete});
    EXPECT_EQ(kReadBlocks, 849);
    EXPECT_EQ(rig.radio.blockRequests(), kIdentificationReads + kReadBlocks);
    for (int a = 0; a < kImageSize; ++a) {
        const bool read = a >= map::clone::FirstBlock && (a < map::clone::ReadGapStart || a >= map::clone::ReadGapEnd);
        ASSERT_EQ(rig.session.image[a], read ? radio[a] : before[a]) << a;
    }
    EXPECT_EQ(rig.session.settings.CHEXP[3].ChTag, "RADIO3");
    EXPECT_EQ(rig.session.settings.Common.SQL, 7);
    EXPECT_EQ(rig.sink.progress.back().percent, 100);
    EXPECT_FALSE(rig.line.IsOpen());
    EXPECT_TRUE(rig.line.dtr() && rig.line.rts());  // set before the port closes
}

TEST(ReadTransfer, WakesASleepingRadioFirst) {
    LinkRig rig(DefaultSession(5), ProgrammedRadio(5), test::Synced(false));
    EXPECT_EQ(rig.Read(), TransferOutcome::Completed);
    EXPECT_TRUE(rig.line.sent().starts_with("#CMDSY\r\nP0ACMD:002\r\n#CMDSY\r\n#CMDSY\r\n"));
}

TEST(ReadTransfer, EveryFaultLeavesImageAndSettingsUnchanged) {
    struct Case {
        const char* fault;
        std::vector<std::string> texts;
    };
    const std::string comm = text::kCommunicationError;
    const Case cases[] = {
        {"drop-byte", {comm}},
        {"corrupt-byte", {comm}},
        {"silent", {comm}},
        {"error", {text::kConfirmSync, comm}},
        {"wrong-address", {text::kAddressError, comm}},
        {"bad-checksum", {comm}},
        {"short-data", {text::kDataError, comm}},
        {"hangup", {comm}},
    };
    const int first = kIdentificationReads + 1, last = kIdentificationReads + kReadBlocks;
    for (const Case& c : cases) {
        for (int at : {first, 400, last}) {
            const std::string fault = std::string(c.fault) + "@" + std::to_string(at);
            LinkRig rig(DefaultSession(5), ProgrammedRadio(5), WithFault(fault));
            const RadioSession before = rig.session;
            EXPECT_EQ(rig.Read(), TransferOutcome::Failed) << fault;
            EXPECT_TRUE(rig.session.image == before.image) << fault;
            EXPECT_TRUE(rig.session.settings == before.settings) << fault;
            EXPECT_EQ(rig.Texts(), c.texts) << fault;
            EXPECT_EQ(rig.prompt.shown().back().caption, text::kReadFromRadio) << fault;
            EXPECT_FALSE(rig.state.TransferDone) << fault;
            EXPECT_FALSE(rig.line.IsOpen()) << fault;
            EXPECT_LT(rig.clock.Now(), std::chrono::seconds(60)) << fault;
        }
    }
}

TEST(ReadTransfer, AFaultInTheModelCheckIsACommunicationError) {
    for (int at = 1; at <= kIdentificationReads; ++at) {
        LinkRig rig(DefaultSession(5), ProgrammedRadio(5), WithFault("silent@" + std::to_string(at)));
        const RadioSession before = rig.session;
        EXPECT_EQ(rig.Read(), TransferOutcome::Failed);
        ASSERT_EQ(rig.prompt.shown().size(), 1u);
        EXPECT_EQ(rig.prompt.shown()[0].text, text::kCommunicationError);
        EXPECT_EQ(rig.prompt.shown()[0].caption, text::kModelCheck);
        EXPECT_EQ(rig.radio.blockRequests(), at);
        EXPECT_TRUE(rig.session.image == before.image);
    }
}

TEST(ReadTransfer, ResynchronisedAfterARefusalItCompletes) {
    LinkRig rig(DefaultSession(5), ProgrammedRadio(5), WithFault("error@300"), {Answer::Ok});
    EXPECT_EQ(rig.Read(), TransferOutcome::Completed);
    EXPECT_EQ(rig.Texts(), (std::vector<std::string>{text::kConfirmSync, text::kComplete}));
}

TEST(ReadTransfer, BadAnswersEndTheReadWithinTheDeadlines) {
    const std::vector<std::string> answers = {
        std::string(200, '\0'),
        std::string(10240, 'Z'),               // 10 KB without CR
        "#CMDOK\r\n#CEPDT\t0",                 // stops halfway
        "#CMDOK\r\n" + std::string(10240, 'A') + "\r\n",
        "\xFF\xFE#CMDOK\r\n",
    };
    for (const std::string& answer : answers) {
        LinkRig rig(DefaultSession(5), ProgrammedRadio(5));
        rig.radio.SetAnswerFilter([&](int request, const std::string& normal) { return request == 100 ? answer : normal; });
        const RadioSession before = rig.session;
        EXPECT_EQ(rig.Read(), TransferOutcome::Failed);
        EXPECT_TRUE(rig.session.image == before.image);
        EXPECT_TRUE(rig.session.settings == before.settings);
        EXPECT_EQ(rig.Texts().back(), text::kCommunicationError);
        EXPECT_LT(rig.clock.Now(), std::chrono::seconds(60));
    }
}

TEST(ReadTransfer, CancelSendsCanWaitsForAckAndChangesNothing) {
    LinkRig rig(DefaultSession(5), ProgrammedRadio(5));
    bool pressed = false;
    rig.pump = [&] {
        if (!pressed && rig.radio.blockRequests() == 300) rig.state.CancelFlag = pressed = true;
    };
    const RadioSession before = rig.session;
    EXPECT_EQ(rig.Read(), TransferOutcome::Cancelled);
    EXPECT_TRUE(rig.session.image == before.image);
    EXPECT_TRUE(rig.session.settings == before.settings);
    EXPECT_EQ(rig.radio.blockRequests(), 300);
    EXPECT_TRUE(rig.line.sent().ends_with("\x18"));
    const auto texts = rig.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), text::kCommunicationError), 0);
    EXPECT_LT(rig.clock.Now(), std::chrono::seconds(30));  // the ACK came at once
}

TEST(ReadTransfer, NarrowbandRuleRunsAfterTheRead) {
    RadioSession wide = DefaultSession(5);
    wide.settings.UsableGroups[kLmrGroup].Enable = true;
    ChannelRecord& ch = wide.settings.CHEXP[0];
    ch.Enable = ch.LmrExp = true;
    ch.Rxfreq = ch.Txfreq = 160.0;
    ch.Narrow = false;
    EncodeImage(wide);
    NormalizeImage(wide);
    ImageChecksum(wide.image);
    RadioSession tool = DefaultSession(5);
    tool.today = [] { return CivilDate{2014, 1, 1}; };
    LinkRig rig(tool, wide.image);
    EXPECT_EQ(rig.Read(), TransferOutcome::Completed);
    ASSERT_EQ(rig.prompt.shown().size(), 2u);
    EXPECT_EQ(rig.prompt.shown()[1].caption, "Upload");
    EXPECT_TRUE(rig.session.settings.CHEXP[0].Narrow);
}

TEST(ReadTransfer, TheSmallImageIsReadWithinItsEightKilobytes) {
    const RadioImage radio = ProgrammedRadio(1);
    ASSERT_EQ(radio.lastAddress, kSmallImageSize - 1);
    LinkRig rig(DefaultSession(1), radio);
    EXPECT_EQ(rig.Read(), TransferOutcome::Completed);
    EXPECT_EQ(rig.radio.blockRequests(), 4 + 508);  // no product byte request
    for (const std::string& entry : rig.radio.log())
        EXPECT_LT(*wire::ParseHex(entry.substr(5, 4)), static_cast<unsigned long>(kSmallImageSize)) << entry;
    EXPECT_EQ(rig.session.settings.Common.SQL, 7);
}

TEST(ModelCheck, RefusesAnotherRadio) {
    struct Case {
        const char* name;
        RadioSession tool;
        RadioImage radio;
        std::vector<std::string> texts;
    };
    RadioImage wordsDiffer = ProgrammedRadio(5);
    wordsDiffer[kImageSize - 1] = 0;
    RadioImage badProduct = ProgrammedRadio(5);
    badProduct[map::ProductByte] = 2;
    RadioImage otherModel = ProgrammedRadio(6);
    otherModel[map::ProductByte] = 3;
    const Case cases[] = {
        {"model 6 radio", DefaultSession(5), otherModel, {text::kModelTypeError}},
        {"words differ", DefaultSession(5), wordsDiffer, {text::kModelTypeError}},
        {"product", DefaultSession(5), badProduct, {text::kProductError}},
        {"both", DefaultSession(5), ProgrammedRadio(6), {text::kModelTypeError, text::kProductError}},
        {"destination", DefaultSession(5, true), ProgrammedRadio(5, false), {text::kDestinationError}},
        {"model 5 radio for 6", DefaultSession(6), ProgrammedRadio(5), {text::kModelTypeError}},
    };
    for (const Case& c : cases) {
        LinkRig rig(c.tool, c.radio);
        const RadioSession before = rig.session;
        EXPECT_EQ(rig.Read(), TransferOutcome::Failed) << c.name;
        EXPECT_EQ(rig.Texts(), c.texts) << c.name;
        EXPECT_EQ(rig.prompt.shown().back().caption, text::kReadFromRadio) << c.name;
        EXPECT_EQ(rig.radio.blockRequests(), kIdentificationReads) << c.name;
        EXPECT_TRUE(rig.session.image == before.image) << c.name;
    }
}

TEST(ModelCheck, RegionOfTheExportModel) {
    struct Case {
        uint8_t radioRegion;
        std::deque<Answer> answers;
        TransferOutcome outcome;
        size_t questions;
    };
    const Case cases[] = {
        {1, {}, TransferOutcome::Completed, 0},
        {kNoRegion, {}, TransferOutcome::Completed, 0},
        {2, {Answer::No}, TransferOutcome::Failed, 1},
        {2, {Answer::Yes}, TransferOutcome::Completed, 1},
    };
    for (const Case& c : cases) {
        LinkRig rig(DefaultSession(6, true, 1), ProgrammedRadio(6, true, c.radioRegion), test::Synced(), c.answers);
        EXPECT_EQ(rig.Read(), c.outcome) << int(c.radioRegion);
        const auto& shown = rig.prompt.shown();
        const auto questions = std::count_if(shown.begin(), shown.end(), [](const Message& m) { return m.buttons == Buttons::YesNo; });
        EXPECT_EQ(static_cast<size_t>(questions), c.questions);
        if (c.questions) {
            EXPECT_EQ(shown[0].text, "The region selection is unmatched.\r\nDo you want to read the data?");
        }
    }
}

TEST(ModelCheck, BusyRadioIsNotReadyAfterCancel) {
    LinkRig rig(DefaultSession(5), ProgrammedRadio(5), WithFault("busy"));
    EXPECT_EQ(rig.Read(), TransferOutcome::Failed);
    EXPECT_EQ(rig.Texts(), (std::vector<std::string>{text::kRadioBusy, text::kRadioNotReady}));
    EXPECT_EQ(rig.radio.blockRequests(), 0);
}

TEST(ProgramTable, WhatEachStepWrites) {
    RadioSession s = DefaultSession(5);
    for (auto& g : s.settings.UsableGroups) g.Enable = true;
    const auto singles = [](int block, std::vector<int> skip) {
        std::vector<int> a;
        for (int i = block; i < block + 16; ++i)
            if (std::find(skip.begin(), skip.end(), i) == skip.end()) a.push_back(i);
        return a;
    };
    const auto addresses = [&](int block) {
        std::vector<int> a;
        for (Span w : ProgramWrites(s, block))
            for (int i = w.address; i < w.end(); ++i) a.push_back(i);
        return a;
    };
    EXPECT_EQ(addresses(0x40), singles(0x40, {0x40, 0x41, 0x4A}));
    EXPECT_EQ(addresses(0x50), singles(0x50, {0x5C}));
    EXPECT_EQ(addresses(0xA0), singles(0xA0, {0xA9, 0xAA, 0xAB, 0xAC, 0xAE, 0xAF}));
    EXPECT_EQ(addresses(0xE0), std::vector<int>{0xEF});
    for (int block : {0xB0, 0xC0, 0xD0, 0xF0, 0x200, 0x2F0, 0x3090, 0x3FF0}) EXPECT_TRUE(addresses(block).empty()) << block;
    for (int block : {0x60, 0x90, 0x100, 0x1F0, 0x300, 0x3080}) {
        const auto w = ProgramWrites(s, block);
        ASSERT_EQ(w.size(), 1u) << block;
        EXPECT_EQ(w[0].address, block);
        EXPECT_EQ(w[0].length, 16);
    }
}

TEST(ProgramTable, UnusedGroupsAreSkipped) {
    struct Case {
        int group;
        std::vector<int> skipped;
        std::vector<int> written;
    };
    const Case cases[] = {
        {kUsaGroup, {0x300, 0x4D0, 0xC00, 0x1730}, {0x4E0, 0x1740, 0xB80}},
        {kIntlGroup, {0x500, 0x6D0, 0x1740, 0x2270}, {0x4F0, 0x6E0, 0x2280}},
        {kCanGroup, {0x700, 0x8D0, 0x2280, 0x2DB0}, {0x8E0, 0x2DC0}},
    };
    for (const Case& c : cases) {
        RadioSession s = DefaultSession(5);
        for (auto& g : s.settings.UsableGroups) g.Enable = true;
        s.settings.UsableGroups[c.group].Enable = false;
        for (int a : c.skipped) EXPECT_TRUE(ProgramWrites(s, a).empty()) << c.group << " " << a;
        for (int a : c.written) EXPECT_EQ(ProgramWrites(s, a).size(), 1u) << c.group << " " << a;
    }
    RadioSession s = DefaultSession(5);
    s.settings.UsableGroups[kLmrGroup].Enable = false;
    s.settings.UsableGroups[kExpGroup].Enable = true;
    EXPECT_EQ(ProgramWrites(s, 0x900).size(), 1u);
    s.settings.UsableGroups[kExpGroup].Enable = false;
    for (int a : {0x900, 0xB70, 0x2E40, 0x3010}) EXPECT_TRUE(ProgramWrites(s, a).empty()) << a;
    EXPECT_EQ(ProgramWrites(s, 0x3020).size(), 1u);
}

RadioImage RadioWithOwnBits() {
    RadioImage radio = ProgrammedRadio(5);
    radio[map::clone::SelectionByte] |= map::clone::kRadioSelectionBit;
    return radio;
}

TEST(ProgramTransfer, WritesExactlyTheTableAndKeepsTheRadiosOwnBytes) {
    RadioSession tool = DefaultSession(5);
    tool.settings.Common.SQL = 3;
    tool.settings.UsableGroups[kIntlGroup].Enable = false;
    tool.image[map::clone::SelectionByte] &= static_cast<uint8_t>(~map::clone::kRadioSelectionBit);
    const RadioImage radioBefore = RadioWithOwnBits();
    LinkRig rig(tool, radioBefore);
    EXPECT_EQ(rig.Program(), TransferOutcome::Completed);
    EXPECT_EQ(rig.Texts(), std::vector<std::string>{text::kComplete});
    EXPECT_EQ(rig.prompt.shown()[0].caption, text::kProgramToRadio);
    const std::vector<int> expected = ProgrammedAddresses(rig.session);
    EXPECT_EQ(rig.radio.written(), expected);
    const RadioImage& radio = rig.radio.image();
    std::vector<bool> written(kImageSize, false);
    for (int a : expected) written[static_cast<size_t>(a)] = true;
    for (int a = 0; a < kImageSize; ++a)
        ASSERT_EQ(radio[a], written[static_cast<size_t>(a)] ? rig.session.image[a] : radioBefore[a]) << a;
    EXPECT_EQ(radio[map::clone::RadioOwnedByte], radioBefore[map::clone::RadioOwnedByte]);
    EXPECT_TRUE(radio[map::clone::SelectionByte] & map::clone::kRadioSelectionBit);
    EXPECT_EQ(radio[map::clone::ProgramMark], map::clone::kProgramMarkValue);
    for (int a : expected) {
        EXPECT_FALSE(a >= 0x500 && a < 0x6E0) << a;
        EXPECT_FALSE(a >= 0x1740 && a < 0x2280) << a;
    }
}

TEST(ProgramTransfer, NoAnswerToTheNarrowbandQuestionWritesNothing) {
    RadioSession tool = DefaultSession(5);
    tool.today = [] { return CivilDate{2014, 1, 1}; };
    tool.settings.UsableGroups[kLmrGroup].Enable = true;
    ChannelRecord& ch = tool.settings.CHEXP[0];
    ch.Enable = ch.LmrExp = true;
    ch.Rxfreq = ch.Txfreq = 160.0;
    LinkRig rig(tool, ProgrammedRadio(5), test::Synced(), {Answer::No});
    EXPECT_EQ(rig.Program(), TransferOutcome::Declined);
    EXPECT_EQ(rig.line.sent().find("#CEPWR"), std::string::npos);
    EXPECT_EQ(rig.radio.blockRequests(), 0);
    EXPECT_EQ(rig.prompt.shown().size(), 1u);
}

TEST(ProgramTransfer, FaultsAreReportedPlainly) {
    const int preamble = kIdentificationReads + 2;
    for (const char* fault : {"silent", "error", "drop-byte", "corrupt-byte", "hangup"}) {
        for (int at : {preamble + 1, preamble + 200}) {
            const std::string f = std::string(fault) + "@" + std::to_string(at);
            LinkRig rig(DefaultSession(5), ProgrammedRadio(5), WithFault(f));
            EXPECT_EQ(rig.Program(), TransferOutcome::Failed) << f;
            EXPECT_EQ(rig.Texts().back(), text::kCommunicationError) << f;
            EXPECT_EQ(rig.prompt.shown().back().caption, text::kProgramToRadio) << f;
            EXPECT_EQ(rig.radio.blockRequests(), at) << f << ": nothing is sent after the failed write";
            EXPECT_FALSE(rig.state.TransferDone);
        }
    }
}

TEST(ProgramTransfer, WithoutTheRadiosOwnBytesNothingIsWritten) {
    for (int at : {kIdentificationReads + 1, kIdentificationReads + 2}) {
        LinkRig rig(DefaultSession(5), ProgrammedRadio(5), WithFault("silent@" + std::to_string(at)));
        EXPECT_EQ(rig.Program(), TransferOutcome::Failed);
        EXPECT_TRUE(rig.radio.written().empty());
        EXPECT_EQ(rig.Texts(), std::vector<std::string>{text::kCommunicationError});
    }
}

TEST(ProgramTransfer, CancelStopsWithoutCan) {
    LinkRig rig(DefaultSession(5), ProgrammedRadio(5));
    bool pressed = false;
    rig.pump = [&] {
        if (!pressed && rig.radio.blockRequests() == 100) rig.state.CancelFlag = pressed = true;
    };
    EXPECT_EQ(rig.Program(), TransferOutcome::Cancelled);
    EXPECT_EQ(rig.radio.blockRequests(), 100);
    EXPECT_EQ(rig.line.sent().find('\x18'), std::string::npos);
    const auto texts = rig.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), text::kCommunicationError), 0);
}

TEST(DebugNotes, FollowTheTransferAndCostTime) {
    LinkRig quiet(DefaultSession(5), ProgrammedRadio(5));
    ASSERT_EQ(quiet.Read(), TransferOutcome::Completed);
    EXPECT_TRUE(quiet.sink.notes.empty());

    LinkRig rig(DefaultSession(5), ProgrammedRadio(5));
    rig.state.DebugMode = true;
    ASSERT_EQ(rig.Read(), TransferOutcome::Completed);
    const std::vector<std::string> expected{"startsync...",  "28800,N,8,1",        "sending '#CMDSY'...",
                                            "sync ok",       "status check..",     "status check.. OK",
                                            "model check...", "radio reading...",  ""};
    EXPECT_EQ(rig.sink.notes, expected);
    EXPECT_EQ(rig.clock.Now() - quiet.clock.Now(), std::chrono::milliseconds(500) * expected.size());
}

}  // namespace
}  // namespace kv
