// Read and program transfers against the simulated radio, in-process on a
// virtual clock.
#include <gtest/gtest.h>

#include <algorithm>

#include "image/address_map.h"
#include "link_rig.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {
namespace {

using test::DefaultSession;
using test::LinkRig;
using test::ProgrammedRadio;
using test::Texts;
namespace clone = map::clone;

constexpr int kIdentificationReads = 5;
const int kReadBlocks = static_cast<int>(ReadBlocks(kImageSize - 1).size());

sim::SimOptions WithFault(const std::string& fault) { return {true, {*sim::ParseFault(fault)}}; }

TEST(ReadTransfer, TakesTheRadiosMemoryAndDecodesIt) {
    // The 8 KB image of model type 1 has no product byte to ask for; the
    // simulated radio refuses any address beyond it.
    for (const auto& [model, requests] : {std::pair{5, kIdentificationReads + 849}, {1, 4 + 508}}) {
        const RadioImage radio = ProgrammedRadio(model);
        LinkRig rig(DefaultSession(model), radio);
        const RadioImage before = rig.session.image;
        EXPECT_EQ(rig.Read(), TransferOutcome::Completed) << model;
        EXPECT_EQ(rig.Shown(), Texts{text::kComplete}) << model;
        EXPECT_EQ(rig.radio.blockRequests(), requests) << model;
        for (int a = 0; a < radio.size(); ++a) {
            const bool read = a >= clone::FirstBlock && (a < clone::ReadGapStart || a >= clone::ReadGapEnd);
            ASSERT_EQ(rig.session.image[a], read ? radio[a] : before[a]) << model << " " << a;
        }
        EXPECT_EQ(rig.session.settings.Common.SQL, 7) << model;
        EXPECT_EQ(rig.events.progress.back().percent, 100) << model;
        EXPECT_FALSE(rig.line.IsOpen()) << model;
        EXPECT_TRUE(rig.line.dtr() && rig.line.rts()) << model << ": set before the port closes";
    }
    // A radio whose channel 70 was given another mode: the data keep it receive-only and say so.
    RadioImage radio = ProgrammedRadio(5);
    WriteBits(radio, At(map::marine::Duplex, map::UsaGroup.EntryAt(35)), 1);
    LinkRig rig(DefaultSession(5), radio);
    EXPECT_EQ(rig.Read(), TransferOutcome::Completed);
    EXPECT_EQ(rig.session.settings.CHUSA[35].Duplex, 0);
    const std::string kept = "[CHUSA35] Duplex=1: channel 70 receives only, kept simplex";
    EXPECT_EQ(rig.Shown(), (Texts{text::kComplete, ReceiveOnlyKeptText({kept})}));
}

TEST(Transfers, EveryFaultEndsTheTransferAtItsRequestAndChangesNothing) {
    // A read asks 5 identification reads, then the blocks; a program the same
    // 5, the radio's own bytes at 6 and 7 (without them nothing is written),
    // then the writes from 8.
    struct Case {
        TransferMode mode;
        std::string fault;
        Texts texts;
        std::string caption;
    };
    const std::string comm = text::kCommunicationError;
    std::vector<Case> cases;
    const auto add = [&](TransferMode mode, const char* kind, std::vector<int> requests, Texts texts, const char* caption) {
        for (int at : requests) cases.push_back({mode, kind + ("@" + std::to_string(at)), texts, caption});
    };
    add(TransferMode::Read, "silent", {1, 2, 3, 4, 5}, {comm}, text::kModelCheck);
    add(TransferMode::Program, "silent", {6, 7}, {comm}, text::kProgramToRadio);
    const std::vector<int> blocks{kIdentificationReads + 1, 400, kIdentificationReads + kReadBlocks};
    const std::pair<const char*, Texts> anyAnswer[] = {
        {"drop-byte", {comm}}, {"corrupt-byte", {comm}}, {"silent", {comm}},
        {"error", {text::kConfirmSync, comm}}, {"hangup", {comm}},
    };
    for (const auto& [kind, texts] : anyAnswer) {
        add(TransferMode::Read, kind, blocks, texts, text::kReadFromRadio);
        add(TransferMode::Program, kind, {8, 207}, texts, text::kProgramToRadio);
    }
    const std::pair<const char*, Texts> readAnswer[] = {
        {"wrong-address", {text::kAddressError, comm}},
        {"bad-checksum", {comm}},
        {"short-data", {text::kDataError, comm}},
    };
    for (const auto& [kind, texts] : readAnswer) add(TransferMode::Read, kind, blocks, texts, text::kReadFromRadio);
    constexpr int kFirstWrite = 8;
    for (const Case& c : cases) {
        LinkRig rig(DefaultSession(5), ProgrammedRadio(5), WithFault(c.fault));
        const RadioSession before = rig.session;
        const int at = sim::ParseFault(c.fault)->at;
        EXPECT_EQ(rig.Run(c.mode), TransferOutcome::Failed) << c.fault;
        EXPECT_EQ(rig.radio.blockRequests(), at) << c.fault << ": nothing sent after it";
        // The last box names the port to check; then what a broken write left behind: a
        // write whose answer was lost counts, the radio may hold it; one it refused does not.
        Texts texts = c.texts;
        const int written = at - kFirstWrite + (c.fault.starts_with("error") ? 0 : 1);
        if (c.mode == TransferMode::Program && at >= kFirstWrite && written > 0)
            texts.push_back(PartlyWrittenMessage(written, ProgramBlockCount(rig.session), "").text);
        EXPECT_EQ(rig.Shown(), texts) << c.fault;
        EXPECT_EQ(rig.prompt.shown()[c.texts.size() - 1].caption, c.caption) << c.fault;
        EXPECT_EQ(rig.prompt.shown()[c.texts.size() - 1].detail, PortCheckAdvice("")) << c.fault;
        EXPECT_TRUE(rig.session.settings == before.settings) << c.fault;
        EXPECT_TRUE(c.mode == TransferMode::Program || rig.session.image == before.image) << c.fault;
        EXPECT_FALSE(rig.line.IsOpen()) << c.fault;
        EXPECT_LT(rig.clock.Now(), std::chrono::seconds(60)) << c.fault;
    }
}

TEST(ProgramTransfer, AnAnswerWithoutItsDataIsRefusedAndTheNextAttemptWritesTheRadiosOwnByte) {
    // Request 6 reads the radio's own byte 0x5A; the answer lacks its data field.
    LinkRig rig(DefaultSession(5), ProgrammedRadio(5), WithFault("short-data@6"));
    const uint8_t own = rig.radio.image()[clone::RadioOwnedByte];
    EXPECT_EQ(rig.Program(), TransferOutcome::Failed);
    EXPECT_EQ(rig.Shown(), (Texts{text::kDataError, text::kCommunicationError}));
    EXPECT_TRUE(rig.radio.written().empty()) << "nothing written without the radio's own byte";
    EXPECT_EQ(rig.runner.blocksWritten(), 0);
    rig.prompt = ScriptedPrompt();
    EXPECT_EQ(rig.Program(), TransferOutcome::Completed) << "OK pressed again";
    EXPECT_EQ(rig.Shown(), Texts{text::kComplete});
    EXPECT_EQ(rig.radio.image()[clone::RadioOwnedByte], own);
    EXPECT_EQ(rig.runner.blocksWritten(), ProgramBlockCount(rig.session));
}

// A line whose sends stop draining once the radio has served some block
// requests (a port with no device behind it, a cable pulled): each later
// write gives up after the adapter's one-second drain wait and says so.
class StallingLine : public sim::SimulatedLine {
public:
    StallingLine(sim::RadioSimulator& radio, VirtualClock& clock, int stallAfter)
        : SimulatedLine(radio, clock), radio_(radio), clock_(clock), stallAfter_(stallAfter) {}
    bool Write(const uint8_t* data, size_t size) override {
        if (radio_.blockRequests() < stallAfter_) return SimulatedLine::Write(data, size);
        if (!stalledAt) stalledAt = clock_.Now();
        clock_.Advance(std::chrono::seconds(1));
        return false;
    }
    std::optional<Clock::Duration> stalledAt;

private:
    sim::RadioSimulator& radio_;
    VirtualClock& clock_;
    int stallAfter_;
};

TEST(Transfers, ASendThatNeverDrainsEndsWithinItsDeadlineAndNamesThePort) {
    using namespace std::chrono_literals;
    const std::string port = "/dev/ttyS0";
    const Texts failed{text::kCommunicationError + ("\r\n" + PortCheckAdvice(port))};
    const Texts noCable{text::kCommunicationError + ("\r\n" + NoEchoText(port, 3))};
    Texts partly = failed;
    // The write the line gave up on may have left in part: it counts.
    partly.push_back(TextWithDetail(PartlyWrittenMessage(101, ProgramBlockCount(DefaultSession(5)), "")));
    struct Case {
        const char* what;
        TransferMode mode;
        int stallAfter;  // block requests served before
        TransferOutcome outcome;
        std::chrono::seconds bound;  // the deadline of the step that fails, plus 2 s
        Texts texts;
    };
    const Case cases[] = {
        {"no device from the start", TransferMode::Read, 0, TransferOutcome::NotConnected, timing::kSyncTimeout + 2s, noCable},
        {"pulled in the middle of a read", TransferMode::Read, 300, TransferOutcome::Failed, timing::kAnswerTimeout + 2s, failed},
        {"pulled after 100 writes", TransferMode::Program, kIdentificationReads + 2 + 100, TransferOutcome::Failed, timing::kAnswerTimeout + 2s,
         partly},
    };
    for (const Case& c : cases) {
        sim::RadioSimulator radio(ProgrammedRadio(5), test::Synced());
        VirtualClock clock;
        StallingLine line(radio, clock, c.stallAfter);
        ScriptedPrompt prompt;
        NullEvents events;
        TransferState state;
        state.PortName = port;
        state.TransferMode = c.mode;
        CloneLink link(LinkContext{line, clock, prompt, events}, state);
        RadioSession session = DefaultSession(5);
        TransferRunner runner(link, session);
        EXPECT_EQ(runner.Run(), c.outcome) << c.what;
        EXPECT_EQ(test::TextsOf(prompt, TextWithDetail), c.texts) << c.what;
        ASSERT_TRUE(line.stalledAt) << c.what;
        EXPECT_LE(clock.Now() - *line.stalledAt, c.bound) << c.what;
    }
}

TEST(Transfers, CancelEndsAReadWithCanAndAProgramWithout) {
    for (const TransferMode mode : {TransferMode::Read, TransferMode::Program}) {
        LinkRig rig(DefaultSession(5), ProgrammedRadio(5));
        const int at = mode == TransferMode::Read ? 300 : 100;
        rig.CancelAt(at);
        const RadioSession before = rig.session;
        EXPECT_EQ(rig.Run(mode), TransferOutcome::Cancelled) << TransferTitle(mode);
        EXPECT_EQ(rig.radio.blockRequests(), at) << TransferTitle(mode);
        EXPECT_EQ(rig.line.sent().ends_with("\x18"), mode == TransferMode::Read) << TransferTitle(mode);
        EXPECT_EQ(std::ranges::count(rig.Shown(), std::string(text::kCommunicationError)), 0) << TransferTitle(mode);
        // Writes 8 to 99 were acknowledged and write 100 sent before the cancel: the radio is partly written.
        const Texts partly{PartlyWrittenMessage(at - 7, ProgramBlockCount(rig.session), "").text};
        EXPECT_EQ(rig.Shown(), mode == TransferMode::Program ? partly : Texts{}) << TransferTitle(mode);
        EXPECT_LT(rig.clock.Now(), std::chrono::seconds(30)) << TransferTitle(mode) << ": the ACK came at once";
        EXPECT_TRUE(mode == TransferMode::Program || rig.session.image == before.image) << "a cancelled read keeps the image";
        EXPECT_TRUE(mode == TransferMode::Program || rig.session.settings == before.settings) << "and the settings";
    }
}

TEST(ReadTransfer, NarrowbandRuleRunsAfterTheRead) {
    RadioSession wide = DefaultSession(5);
    test::UseLmrChannel(wide.settings, 0, 160.0);  // wide: after the deadline it must become narrow
    test::Encode(wide);
    RadioSession tool = DefaultSession(5);
    tool.today = [] { return CivilDate{2014, 1, 1}; };
    LinkRig rig(tool, wide.image);
    EXPECT_EQ(rig.Read(), TransferOutcome::Completed);
    ASSERT_EQ(rig.prompt.shown().size(), 2u);
    EXPECT_EQ(rig.prompt.shown()[1].caption, "Upload");
    EXPECT_TRUE(rig.session.settings.CHEXP[0].Narrow);
}

TEST(ModelCheck, TheRadioMustBeTheSessionsModelProductDestinationAndRegion) {
    const auto changed = [](int address, uint8_t value, int model = 5) {
        RadioImage radio = ProgrammedRadio(model);
        radio[address] = value;
        return radio;
    };
    const RadioSession exportModel = DefaultSession(6, true, 1);
    const std::string question = "The region selection is unmatched.\r\nDo you want to read the data?";
    const std::string toKv150 = "Destination Error !!\r\nThe radio reports KV150-usa; the data are for KV170-usa.\r\n"
                                "A read replaces all the data with the radio's. Switch to KV150-usa and read the radio?";
    const std::string sel2 = "Destination Error !!\r\nThe radio reports KV170-usa (SEL2 set); the data are for "
                             "KV170-usa (SEL2 clear).\r\nA read replaces all the data with the radio's. Switch to "
                             "KV170-usa and read the radio?";
    const std::string product =
        text::kProductError + ("\r\n" + AdviceText(Advice::RadioProduct, {"the chosen port", "KV170"}));
    using enum TransferOutcome;
    struct Case {
        const char* name;
        RadioSession tool;
        RadioImage radio;
        Texts texts;
        TransferOutcome outcome = Failed;
        std::deque<Answer> answers = {};
    };
    const Case cases[] = {
        {"model 6 radio", DefaultSession(5), changed(map::ProductByte, 3, 6), {text::kModelTypeError}},
        {"words differ", DefaultSession(5), changed(kImageSize - 1, 0), {text::kModelTypeError}},
        {"product", DefaultSession(5), changed(map::ProductByte, 2), {product}},
        {"both", DefaultSession(5), ProgrammedRadio(6), {text::kModelTypeError, text::kProductError}},
        {"destination", DefaultSession(5, true), ProgrammedRadio(5, false), {toKv150}},
        {"destination, switched", DefaultSession(5, true), ProgrammedRadio(5, false), {toKv150, text::kComplete},
         Completed, {Answer::Yes}},
        {"SEL1 alone", DefaultSession(5), changed(168, static_cast<uint8_t>(ProgrammedRadio(5)[168] ^ 0x20)), {toKv150}},
        {"SEL2 alone", DefaultSession(5), changed(168, static_cast<uint8_t>(ProgrammedRadio(5)[168] ^ 0x10)), {sel2}},
        {"other bits of 168", DefaultSession(5), changed(168, static_cast<uint8_t>(ProgrammedRadio(5)[168] ^ 0xCF)), {text::kComplete}, Completed},
        {"model 5 radio for 6", DefaultSession(6), ProgrammedRadio(5), {text::kModelTypeError}},
        {"same region", exportModel, ProgrammedRadio(6, true, 1), {text::kComplete}, Completed},
        {"radio without a region", exportModel, ProgrammedRadio(6, true, kNoRegion), {text::kComplete}, Completed},
        {"another region, No", exportModel, ProgrammedRadio(6, true, 2), {question}, Failed, {Answer::No}},
        {"another region, Yes", exportModel, ProgrammedRadio(6, true, 2), {question, text::kComplete}, Completed,
         {Answer::Yes}},
    };
    for (const Case& c : cases) {
        LinkRig rig(c.tool, c.radio, test::Synced(), c.answers);
        const RadioSession before = rig.session;
        EXPECT_EQ(rig.Read(), c.outcome) << c.name;
        // A destination's and a product's box in full, with what they leave out; the others' text.
        const auto shown = [](const Message& m) {
            return m.text == text::kDestinationError || m.text == text::kProductError ? TextWithDetail(m) : m.text;
        };
        EXPECT_EQ(test::TextsOf(rig.prompt, shown), c.texts) << c.name;
        EXPECT_EQ(rig.prompt.shown().back().caption, text::kReadFromRadio) << c.name;
        const bool destination = c.texts[0].starts_with(text::kDestinationError);
        EXPECT_EQ(rig.prompt.shown()[0].buttons,
                  destination ? Buttons::YesNoDefaultNo : c.texts[0] == question ? Buttons::YesNo : Buttons::Ok)
            << c.name;
        const int blocks = c.outcome == Completed ? kReadBlocks : 0;
        EXPECT_EQ(rig.radio.blockRequests(), kIdentificationReads + blocks) << c.name;
        EXPECT_EQ(rig.session.image == before.image, c.outcome == Failed) << c.name;
    }
}

TEST(ModelCheck, ADestinationErrorNamesBothDestinationsAndWhatToDo) {
    const std::string head = "The radio reports ";
    const std::string refused = "Data for one destination are not programmed into a radio of another. ";
    const std::string read = "A read replaces all the data with the radio's. Switch to ";
    LinkRig rig(DefaultSession(5, true), ProgrammedRadio(5, false));
    EXPECT_EQ(rig.Program(), TransferOutcome::Failed);
    EXPECT_EQ(rig.Shown(), Texts{text::kDestinationError});
    EXPECT_EQ(rig.prompt.shown()[0].detail, head + "KV150-usa; the data are for KV170-usa.\r\n" + refused +
                                 "Read this radio (Transfer > Read) to change what it holds, or choose KV150-usa in "
                                 "the Region menu to start from its default data.");
    EXPECT_TRUE(rig.radio.written().empty());
    using enum TransferMode;
    const struct {
        int model;
        DestinationBits radio, data;
        TransferMode mode;
        std::string text;
    } cases[] = {
        {5, {false, false}, {true, true}, Program,
         head + "KV150-usa; the data are for KV170-usa.\r\n" + refused + "Program a file made for KV150-usa: read this "
             "radio (kvtool read) and change that file, or start from its default data (kvtool new --destination "
             "KV150-usa)."},
        {6, {false, false, 1}, {true, false, 1}, Read,
         head + "KV150-uk; the data are for KV170X-uk.\r\n" + read +
             "KV150-uk and read the radio?\r\n(kvtool read --variant KV150 --region uk reads it without this question.)"},
        {6, {true, true, 1}, {true, false, 1}, Read,
         head + "KV170X-uk (SEL2 set); the data are for KV170X-uk (SEL2 clear).\r\n" + read +
             "KV170X-uk and read the radio?"},
        {4, {false, false}, {true, false}, Program,
         head + "KV150 (SEL1 clear); the data are for KV150 (SEL1 set).\r\n" + refused +
             "Program a file made for KV150: read this radio (kvtool read) and change that file."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DestinationErrorDetail(c.model, c.radio, c.data, c.mode, Frontend::Kvtool), c.text) << c.model;
}

TEST(ModelCheck, BusyRadioIsNotReadyAfterCancel) {
    LinkRig rig(DefaultSession(5), ProgrammedRadio(5), WithFault("busy"));
    EXPECT_EQ(rig.Read(), TransferOutcome::Failed);
    EXPECT_EQ(rig.Shown(), (Texts{text::kRadioBusy, text::kRadioNotReady}));
    EXPECT_EQ(rig.radio.blockRequests(), 0);
}

using Writes = std::vector<std::pair<int, int>>;  // {address, length} of each write of a step

Writes WritesOf(const RadioSession& s, int block) {
    Writes writes;
    for (Span w : ProgramWrites(s, block)) writes.emplace_back(w.address, w.length);
    return writes;
}

TEST(ProgramTable, WhatEachStepWrites) {
    RadioSession s = DefaultSession(5);
    for (auto& g : s.settings.UsableGroups) g.Enable = true;
    const auto singles = [](int block, std::vector<int> skip) {
        Writes writes;
        for (int a = block; a < block + 16; ++a)
            if (std::ranges::find(skip, a) == skip.end()) writes.emplace_back(a, 1);
        return writes;
    };
    const std::pair<int, Writes> cases[] = {
        {0x40, singles(0x40, {0x40, 0x41, 0x4A})},
        {0x50, singles(0x50, {0x5C})},
        {0xA0, singles(0xA0, {0xA9, 0xAA, 0xAB, 0xAC, 0xAE, 0xAF})},
        {0xE0, {{0xEF, 1}}},
    };
    for (const auto& [block, writes] : cases) EXPECT_EQ(WritesOf(s, block), writes) << block;
    for (int block : {0x60, 0x90, 0x100, 0x1F0, 0x300, 0x3080}) EXPECT_EQ(WritesOf(s, block), (Writes{{block, 16}}));
    for (int block : {0xB0, 0xC0, 0xD0, 0xF0, 0x200, 0x2F0, 0x3090, 0x3FF0}) EXPECT_EQ(WritesOf(s, block), Writes{});
}

TEST(ProgramTable, UnusedGroupsAreSkipped) {
    struct Case {
        std::vector<int> unused;
        std::vector<int> skipped;
        std::vector<int> written;
    };
    const Case cases[] = {
        {{kUsaGroup}, {0x300, 0x4D0, 0xC00, 0x1730}, {0x4E0, 0x1740, 0xB80}},
        {{kIntlGroup}, {0x500, 0x6D0, 0x1740, 0x2270}, {0x4F0, 0x6E0, 0x2280}},
        {{kCanGroup}, {0x700, 0x8D0, 0x2280, 0x2DB0}, {0x8E0, 0x2DC0}},
        {{kLmrGroup}, {}, {0x900}},  // the EXP group still uses the area
        {{kLmrGroup, kExpGroup}, {0x900, 0xB70, 0x2E40, 0x3010}, {0x3020}},
    };
    for (const Case& c : cases) {
        RadioSession s = DefaultSession(5);
        for (auto& g : s.settings.UsableGroups) g.Enable = true;
        for (int g : c.unused) s.settings.UsableGroups[g].Enable = false;
        for (int a : c.skipped) EXPECT_EQ(WritesOf(s, a), Writes{}) << c.unused[0] << " " << a;
        for (int a : c.written) EXPECT_EQ(WritesOf(s, a), (Writes{{a, 16}})) << c.unused[0] << " " << a;
    }
}

TEST(ProgramTransfer, WritesExactlyTheTableAndKeepsTheRadiosOwnBytes) {
    RadioSession tool = DefaultSession(5);
    tool.settings.Common.SQL = 3;
    tool.settings.UsableGroups[kIntlGroup].Enable = false;
    tool.image[clone::SelectionByte] &= static_cast<uint8_t>(~clone::kRadioSelectionBit);
    RadioImage radioBefore = ProgrammedRadio(5);
    radioBefore[clone::SelectionByte] |= clone::kRadioSelectionBit;
    LinkRig rig(tool, radioBefore);
    EXPECT_EQ(rig.Program(), TransferOutcome::Completed);
    EXPECT_EQ(rig.Shown(), Texts{text::kComplete});
    EXPECT_EQ(rig.prompt.shown()[0].caption, text::kProgramToRadio);
    const std::vector<int> expected = ProgrammedAddresses(rig.session);
    EXPECT_EQ(rig.radio.written(), expected);
    EXPECT_TRUE(std::ranges::none_of(expected, [](int a) { return a >= 0x500 && a < 0x6E0; })) << "an unused group";
    const RadioImage& radio = rig.radio.image();
    std::vector<bool> written(kImageSize, false);
    for (int a : expected) written[static_cast<size_t>(a)] = true;
    for (int a = 0; a < kImageSize; ++a)
        ASSERT_EQ(radio[a], written[static_cast<size_t>(a)] ? rig.session.image[a] : radioBefore[a]) << a;
    EXPECT_EQ(radio[clone::RadioOwnedByte], radioBefore[clone::RadioOwnedByte]);
    EXPECT_TRUE(radio[clone::SelectionByte] & clone::kRadioSelectionBit);
    EXPECT_EQ(radio[clone::ProgramMark], clone::kProgramMarkValue);
}

TEST(ProgramTransfer, NoAnswerToTheNarrowbandQuestionWritesNothing) {
    RadioSession tool = DefaultSession(5);
    tool.today = [] { return CivilDate{2014, 1, 1}; };
    test::UseLmrChannel(tool.settings, 0, 160.0);
    LinkRig rig(tool, ProgrammedRadio(5), test::Synced(), {Answer::No});
    EXPECT_EQ(rig.Program(), TransferOutcome::Declined);
    EXPECT_EQ(rig.line.sent().find("#CEPWR"), std::string::npos);
    EXPECT_EQ(rig.radio.blockRequests(), 0);
    EXPECT_EQ(rig.prompt.shown().size(), 1u);
}

TEST(DebugNotes, FollowTheTransferAndCostTime) {
    LinkRig quiet(DefaultSession(5), ProgrammedRadio(5));
    ASSERT_EQ(quiet.Read(), TransferOutcome::Completed);
    EXPECT_TRUE(quiet.events.notes.empty());

    LinkRig rig(DefaultSession(5), ProgrammedRadio(5));
    rig.state.DebugMode = true;
    ASSERT_EQ(rig.Read(), TransferOutcome::Completed);
    const std::vector<std::string> expected{"startsync...",  "28800,N,8,1",        "sending '#CMDSY'...",
                                            "sync ok",       "status check..",     "status check.. OK",
                                            "model check...", "radio reading...",  ""};
    EXPECT_EQ(rig.events.notes, expected);
    EXPECT_EQ(rig.clock.Now() - quiet.clock.Now(), std::chrono::milliseconds(500) * expected.size());
}

}  // namespace
}  // namespace kv
