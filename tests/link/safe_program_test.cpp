#include "link/safe_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>

#include "link/program_preview.h"
#include "link/transfer_worker.h"
#include "link/wire.h"
#include "link_rig.h"
#include "util/advice.h"
#include "support/random_settings.h"
#include "util/texts.h"

namespace kv {
namespace {

using test::DefaultSession;
using test::LinkRig;
using test::ProgrammedRadio;
using test::Texts;

std::vector<uint8_t> BytesOf(const RadioImage& image) { return {image.bytes.begin(), image.bytes.end()}; }

// The write requests the radio served.
long Writes(const sim::RadioSimulator& radio) {
    return std::ranges::count_if(radio.log(), [](const std::string& line) { return line.starts_with("write"); });
}

// A backup keeper that remembers what it was given, or fails.
struct Keeper {
    std::vector<std::vector<uint8_t>> kept;
    std::string failure;
    std::function<SavedBackup(const RadioSession&, const std::vector<uint8_t>&)> Keep() {
        return [this](const RadioSession&, const std::vector<uint8_t>& radio) {
            if (!failure.empty()) return SavedBackup{{}, failure};
            kept.push_back(radio);
            return SavedBackup{"/backups/" + std::to_string(kept.size()) + ".hex", ""};
        };
    }
};

// A radio programmed before by this tool (it carries the program mark).
RadioImage MarkedRadio() {
    RadioImage radio = ProgrammedRadio(5);
    radio[map::clone::ProgramMark] = map::clone::kProgramMarkValue;
    return radio;
}

// The tool's data: the radio's programming with channel 16 renamed.
RadioSession Renamed() {
    RadioSession tool = DefaultSession(5);
    tool.image = MarkedRadio();
    DecodeImage(tool);
    tool.settings.CHUSA[13].ChTag = "CALL";
    return tool;
}

TEST(ProgramPreview, PredictsTheRadioAfterTheWriteByteForByte) {
    RadioSession tool = Renamed();
    tool.settings.UsableGroups[kIntlGroup].Enable = false;
    tool.settings.CHEXP[2].ChTag = "HARBOUR";
    // The radio's own byte and selection bit differ from the tool's: the radio keeps them.
    tool.image[map::clone::RadioOwnedByte] = 0x11;
    tool.image[map::clone::SelectionByte] &= static_cast<uint8_t>(~map::clone::kRadioSelectionBit);
    RadioImage radioBefore = ProgrammedRadio(5);
    radioBefore[map::clone::SelectionByte] |= map::clone::kRadioSelectionBit;
    const std::vector<uint8_t> predicted = ImageAfterProgram(tool, BytesOf(radioBefore));
    LinkRig rig(tool, radioBefore);
    ASSERT_EQ(rig.Program(), TransferOutcome::Completed);
    EXPECT_EQ(BytesOf(rig.radio.image()), predicted);
}

TEST(SafeProgram, CancelAtThePreviewWritesNothingAndKeepsTheBackup) {
    const RadioImage radioBefore = MarkedRadio();
    LinkRig rig(Renamed(), radioBefore, test::Synced(), {Answer::Cancel});
    Keeper keeper;
    const SafeProgramResult r = ProgramSafely(rig.link, rig.session, {true, true, true, false, keeper.Keep(), {}});
    EXPECT_EQ(r.outcome, TransferOutcome::Declined);
    EXPECT_EQ(r.step, SafeProgramStep::Preview);
    EXPECT_EQ(rig.Shown(), (Texts{"This write changes 1 setting:\r\nUSA channel 16 (row 14) name: DISTRESS -> CALL",
                                  kNothingWritten}));
    EXPECT_EQ(rig.prompt.shown()[0].buttons, Buttons::OkCancel);
    EXPECT_TRUE(rig.radio.written().empty());
    EXPECT_EQ(rig.radio.image(), radioBefore);
    ASSERT_EQ(keeper.kept.size(), 1u);
    EXPECT_EQ(r.backupPath, "/backups/1.hex");
    EXPECT_TRUE(std::equal(keeper.kept[0].begin() + 64, keeper.kept[0].end(), radioBefore.bytes.begin() + 64))
        << "the backup holds what the radio held";
}

TEST(SafeProgram, AConfirmedWriteIsVerified) {
    LinkRig rig(Renamed(), ProgrammedRadio(5), test::Synced(), {Answer::Ok});
    Keeper keeper;
    const SafeProgramResult r = ProgramSafely(rig.link, rig.session, {true, true, true, false, keeper.Keep(), {}});
    EXPECT_EQ(r.outcome, TransferOutcome::Completed);
    EXPECT_EQ(r.step, SafeProgramStep::Done);
    EXPECT_EQ(rig.Shown().size(), 2u) << "the preview, then the end: nothing between write and verify";
    EXPECT_EQ(rig.Shown().back(), text::kComplete);
    EXPECT_EQ(rig.prompt.shown().back().detail, AdviceText(Advice::Verified));
    EXPECT_EQ(ReadName(rig.radio.image(), {static_cast<uint16_t>(map::UsaGroup.NameAt(13)), 12}), "CALL");
    // What each step costs: the name spans two blocks; the program mark, and
    // bytes 93 and 95 of the common area (the test radio's own byte 90 came
    // after its checksum) make three more; the read-back adds the blocks of
    // what the radio keeps of its own.
    const int steps = ProgramBlockCount(rig.session);
    EXPECT_EQ(rig.events.phases, (Texts{"Step 1 of 4: reading the radio into a backup: 849 blocks",
                                        "Step 2 of 4: what the write changes",
                                        "Step 3 of 4: writing 5 of " + std::to_string(steps) + " blocks",
                                        "Step 4 of 4: reading back 6 blocks to verify"}));
    EXPECT_EQ(rig.radio.blockRequests(), 5 + 849 + 2 + 5 + 6) << "one connection: identity checked once";
}

TEST(SafeProgram, WhenNothingChangesItSaysSoAndWritesOnlyWhenTheUserInsists) {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        RadioSession same = DefaultSession(5);
        same.image = MarkedRadio();
        DecodeImage(same);
        const RadioImage radio = same.image;
        LinkRig rig(same, radio, test::Synced(), {answer});
        const SafeProgramResult r = ProgramSafely(rig.link, rig.session, {true, false, true, false, nullptr, {}});
        EXPECT_EQ(rig.Shown().front(), kNothingChanges);
        EXPECT_EQ(Writes(rig.radio), answer == Answer::No ? 0 : ProgramBlockCount(rig.session)) << "every block";
        EXPECT_EQ(r.outcome, answer == Answer::No ? TransferOutcome::Declined : TransferOutcome::Completed);
    }
}

TEST(SafeProgram, ABackupThatCannotBeSavedIsAQuestionWhoseDefaultWritesNothing) {
    LinkRig rig(Renamed(), ProgrammedRadio(5));  // no scripted answer: the safe one, No
    Keeper keeper;
    keeper.failure = "/backups: Permission denied";
    const SafeProgramResult r = ProgramSafely(rig.link, rig.session, {true, true, true, false, keeper.Keep(), {}});
    EXPECT_EQ(r.outcome, TransferOutcome::Declined);
    EXPECT_EQ(rig.Shown(), Texts{"The backup could not be saved: /backups: Permission denied\r\nProgram the radio "
                                 "without a backup?"});
    EXPECT_TRUE(rig.radio.written().empty());
    // A backup file the user named: no question, and no write even where the answer would be Yes.
    LinkRig named(Renamed(), ProgrammedRadio(5), test::Synced(), {Answer::Yes});
    const SafeProgramPlan plan{true, true, false, false, keeper.Keep(), {}, true};
    EXPECT_EQ(ProgramSafely(named.link, named.session, plan).outcome, TransferOutcome::Declined);
    EXPECT_TRUE(named.radio.written().empty());
}

TEST(SafeProgram, ADryRunReadsAndWorksOutTheChangesWithoutAskingOrWriting) {
    LinkRig rig(Renamed(), MarkedRadio());
    const SafeProgramResult r = ProgramSafely(rig.link, rig.session, {false, false, true, true, nullptr, {}});
    EXPECT_EQ(r.step, SafeProgramStep::Preview);
    ASSERT_EQ(r.preview.changes.size(), 1u);
    EXPECT_EQ(r.preview.changes[0].path, "CHUSA[13].ChTag");
    EXPECT_TRUE(rig.Shown().empty());
    EXPECT_TRUE(rig.radio.written().empty());
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// The block requests of a dry run: a full read with its identity checks.
int ReadRequests() {
    LinkRig probe(Renamed(), MarkedRadio());
    ProgramSafely(probe.link, probe.session, {false, false, true, true, nullptr, {}});
    return probe.radio.blockRequests();
}

TEST(SafeProgram, VerifyCatchesARadioThatStoresABlockWrongly) {
    // The fault hits the name's first block, the third write: past the
    // backup read, the identity checks and the radio's own bytes.
    const int atWrite = ReadRequests() + 5;
    LinkRig rig(Renamed(), MarkedRadio(), {true, {{sim::FaultKind::StoreWrong, atWrite}}}, {Answer::Ok});
    Keeper keeper;
    const SafeProgramResult r = ProgramSafely(rig.link, rig.session, {true, true, true, false, keeper.Keep(), {}});
    EXPECT_EQ(r.outcome, TransferOutcome::Failed);
    EXPECT_EQ(r.step, SafeProgramStep::Verify);
    ASSERT_EQ(r.verifyDifferences.size(), 1u);
    const std::string text = rig.Shown().back();
    EXPECT_EQ(text.rfind("Verify failed: the radio holds 1 byte(s) other than those written: 0x", 0), 0u) << text;
    EXPECT_NE(text.find("\r\nSettings concerned: "), std::string::npos) << text;
    EXPECT_NE(text.find("can be restored to put the radio back as it was: /backups/1.hex"), std::string::npos);
}

TEST(SafeProgram, AVerifyReadThatBreaksSaysTheWriteWasWholeButNotVerified) {
    LinkRig probe(Renamed(), MarkedRadio());
    ProgramSafely(probe.link, probe.session, {false, false, true, false, nullptr, {}});
    LinkRig rig(Renamed(), MarkedRadio(), {true, {{sim::FaultKind::Hangup, probe.radio.blockRequests() + 30}}});
    const SafeProgramResult r = ProgramSafely(rig.link, rig.session, {false, true, true, false, nullptr, {}});
    EXPECT_EQ(r.step, SafeProgramStep::Verify);
    EXPECT_EQ(r.blocksWritten, ProgramBlockCount(rig.session)) << "the write was whole";
    EXPECT_EQ(rig.Shown().back(), kWrittenNotVerified);
    for (const std::string& text : rig.Shown()) EXPECT_EQ(text.find(text::kComplete), std::string::npos) << text;
}

TEST(SafeProgram, AWriteBrokenInTheMiddleCountsTheBlocksOfThatWriteAndSaysWhereTheBackupIs) {
    // The second of the four steps that differ is refused: one was written.
    const int atWrite = ReadRequests() + 4;
    LinkRig rig(Renamed(), MarkedRadio(), {true, {{sim::FaultKind::Error, atWrite}}}, {Answer::Ok});
    Keeper keeper;
    const SafeProgramResult r = ProgramSafely(rig.link, rig.session, {true, true, true, false, keeper.Keep(), {}});
    EXPECT_EQ(r.outcome, TransferOutcome::Failed);
    EXPECT_EQ(r.step, SafeProgramStep::Write);
    EXPECT_EQ(r.blocksWritten, 1);
    EXPECT_EQ(r.blocksPlanned, 4);
    const Texts shown = rig.Shown();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[shown.size() - 2], PartlyWrittenMessage(1, 4, "").text);
    EXPECT_EQ(shown.back().rfind("The backup read before programming can be restored", 0), 0u) << shown.back();
}

// What a full write leaves in the radio, and what a read followed by a
// write of only the blocks that differ leaves: the same, byte for byte, on
// every model and destination, for small edits of the radio's own data and
// for another programming entirely.
TEST(SafeProgram, AWriteOfWhatDiffersLeavesTheRadioAsAFullWriteDoes) {
    std::vector<std::pair<int, Destination>> destinations;
    for (int model = 0; model < kModelCount; ++model) destinations.push_back({model, {"", true, kNoRegion}});
    for (int model : {5, 6})
        for (const Destination& d : CanonicalDestinations(model)) destinations.push_back({model, d});
    for (const auto& [model, d] : destinations)
        for (unsigned seed = 1; seed <= 4; ++seed) {
            const std::string where = "model " + std::to_string(model) + " " + d.name + " seed " + std::to_string(seed);
            test::RandomSettings random(seed * 101 + static_cast<unsigned>(model) * 7 + d.region);
            RadioSession held = DefaultSession(model, d.sel1, d.region);
            held.settings = random.Make(model, d.sel1);
            test::Encode(held);
            sim::WriteRadioIdentification(held.image, model);
            RadioSession data = held;
            if (seed % 2 == 0) {
                data.settings = random.Make(model, d.sel1);  // another programming entirely
            } else {
                for (int edit = random.Int(1, 4); edit > 0; --edit) {  // a few bytes of the radio's own data
                    const int at = random.Int(map::clone::FirstBlock + 2, map::clone::ProgramEnd - 1);
                    if (at != map::clone::SelectionByte) data.image[at] = static_cast<uint8_t>(random.Int(0, 255));
                }
                DecodeImage(data);
            }
            LinkRig full(data, held.image);
            ASSERT_EQ(full.Program(), TransferOutcome::Completed) << where;
            LinkRig rig(data, held.image);
            SafeProgramPlan plan{true, true, false, false, nullptr, {}};
            plan.everyBlock = seed == 4;  // as asked for: the full write after the read
            const SafeProgramResult r = ProgramSafely(rig.link, rig.session, plan);
            ASSERT_EQ(r.outcome, TransferOutcome::Completed) << where << ": " << test::TextsOf(rig.prompt).back();
            EXPECT_EQ(rig.radio.image(), full.radio.image()) << where;
            EXPECT_EQ(Writes(rig.radio) < Writes(full.radio), !plan.everyBlock) << where;
        }
}


}  // namespace
}  // namespace kv

namespace kv {
namespace {

// A radio whose memory changes after it was read: its own byte 90 changed
// stops the write before it begins (not the radio that was read, or not as
// read); its current channel turned, which a write of what differs leaves
// to the backup, is caught by the verify, with the backup to restore.
TEST(SafeProgram, ARadioThatChangesAfterItWasReadIsStoppedOrCaughtByTheVerify) {
    const int beforeTheWrite = ReadRequests() + 1;  // the read of byte 90 that opens the write
    for (const auto& [address, stopped] : {std::pair{map::clone::RadioOwnedByte, true}, {map::LastDisplayCh + 1, false}}) {
        sim::SimOptions options = test::Synced();
        options.changes = {*sim::ParseMemoryChange(std::to_string(beforeTheWrite) + ":" + wire::Hex4(address) + "=33")};
        LinkRig rig(Renamed(), MarkedRadio(), options, {Answer::Ok});
        Keeper keeper;
        const SafeProgramResult r = ProgramSafely(rig.link, rig.session, {true, true, true, false, keeper.Keep(), {}});
        EXPECT_EQ(r.outcome, TransferOutcome::Failed) << address;
        EXPECT_EQ(rig.radio.written().empty(), stopped) << address;
        if (stopped) {
            EXPECT_EQ(rig.Shown().back(), RadioChangedText());
        } else {
            EXPECT_EQ(r.verifyDifferences, std::vector<int>{address});
            EXPECT_NE(rig.Shown().back().find(RestoreBackupText("/backups/1.hex")), std::string::npos);
        }
    }
}

// A simulated line that holds the worker's next send once the radio has
// served a block request, until the test lets it go.
class GatedLine : public sim::SimulatedLine {
public:
    GatedLine(sim::RadioSimulator& radio, VirtualClock& clock, int gateAt)
        : SimulatedLine(radio, clock), radio_(radio), gateAt_(gateAt) {}
    bool Write(const uint8_t* data, size_t size) override {
        std::unique_lock lock(mutex_);
        if (radio_.blockRequests() == gateAt_) {
            held_ = true;
            moved_.notify_all();
            moved_.wait(lock, [this] { return !held_; });
            gateAt_ = -1;
        }
        lock.unlock();
        return SimulatedLine::Write(data, size);
    }
    bool Held() {
        std::lock_guard lock(mutex_);
        return held_;
    }
    void Release() {
        std::lock_guard lock(mutex_);
        held_ = false;
        moved_.notify_all();
    }

private:
    sim::RadioSimulator& radio_;
    int gateAt_;
    bool held_ = false;
    std::mutex mutex_;
    std::condition_variable moved_;
};

// The program on a worker thread, cancelled from the watching thread in
// each step: the read ends with CAN and writes nothing, the preview
// question is answered for the user, the write stops with its blocks
// counted, the read-back with CAN and the words that it did not complete.
// Held half way through its read, the worker's time left is the time the
// rest of the read takes.
TEST(SafeProgram, CancelFromAnotherThreadInEachStep) {
    const int read = ReadRequests();  // the identity checks and the backup read
    struct Case {
        SafeProgramStep step;
        int gateAt;  // the request served before the cancel (at the preview: held there, then the question)
        TransferOutcome outcome;
        long writes;
        bool can;
        std::string last;
    };
    const Case cases[] = {
        {SafeProgramStep::Backup, 400, TransferOutcome::Cancelled, 0, true, ""},
        {SafeProgramStep::Preview, 400, TransferOutcome::Declined, 0, false, kNothingWritten},
        {SafeProgramStep::Write, read + 3, TransferOutcome::Cancelled, 2, false, PartlyWrittenMessage(2, 4, "").text},
        {SafeProgramStep::Verify, read + 2 + 4 + 1, TransferOutcome::Cancelled, 4, true, kWrittenNotVerified},
    };
    for (const Case& c : cases) {
        const std::string step = StepText({}, c.step);
        sim::RadioSimulator radio(MarkedRadio(), test::Synced());
        VirtualClock clock;
        GatedLine line(radio, clock, c.gateAt);
        TransferState state;
        WorkerLink worker(WorkerLink::Questions::Ask, clock);
        CloneLink link(LinkContext{line, clock, worker, worker}, state);
        RadioSession session = Renamed();
        SafeProgramResult r;
        std::atomic<bool> ended = false;
        const auto join = StartWorker({}, [&] {
            r = ProgramSafely(link, session, {true, true, true, false, nullptr, {}});
            ended = true;
        });
        double left = 0;
        Clock::Duration heldAt{};
        Texts told;
        while (!ended) {
            if (line.Held()) {
                left = worker.Status().secondsLeft;
                heldAt = clock.Now();
                if (c.step != SafeProgramStep::Preview) worker.Cancel();
                line.Release();
            }
            const auto message = worker.Question();
            if (!message) continue;
            told.push_back(message->text);
            if (message->buttons != Buttons::OkCancel || c.step != SafeProgramStep::Preview) {
                worker.Reply(message->buttons == Buttons::OkCancel ? Answer::Ok : SafeAnswer(message->buttons));
                continue;
            }
            const double took = std::chrono::duration<double>(clock.Now() - heldAt).count();
            EXPECT_NEAR(left, took, 0.03 * took) << "the rest of the read";
            worker.Cancel();  // the preview's question: the Cancel button
        }
        join();
        EXPECT_EQ(r.outcome, c.outcome) << step;
        EXPECT_EQ(r.step, c.step) << step;
        EXPECT_EQ(Writes(radio), c.writes) << step;
        EXPECT_EQ(std::ranges::count(radio.log(), std::string("abort")), c.can ? 1 : 0) << step;
        EXPECT_EQ(told.empty() ? "" : told.back(), c.last) << step;
        EXPECT_FALSE(line.IsOpen()) << step;
    }
}

}  // namespace
}  // namespace kv
