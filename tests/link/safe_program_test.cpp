#include "link/safe_program.h"

#include <gtest/gtest.h>

#include "link/program_preview.h"
#include "link_rig.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {
namespace {

using test::DefaultSession;
using test::LinkRig;
using test::ProgrammedRadio;
using test::Texts;

std::vector<uint8_t> BytesOf(const RadioImage& image) { return {image.bytes.begin(), image.bytes.end()}; }

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
        EXPECT_EQ(rig.radio.written().empty(), answer == Answer::No);
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
    // The fault hits a write: past the backup read, the identity checks and the radio's own bytes.
    const int atWrite = ReadRequests() + 30;
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

TEST(SafeProgram, AWriteBrokenAfterSomeBlocksSaysSoAndWhereTheBackupIs) {
    const int atWrite = ReadRequests() + 30;
    LinkRig rig(Renamed(), MarkedRadio(), {true, {{sim::FaultKind::Error, atWrite}}}, {Answer::Ok});
    Keeper keeper;
    const SafeProgramResult r = ProgramSafely(rig.link, rig.session, {true, true, true, false, keeper.Keep(), {}});
    EXPECT_EQ(r.outcome, TransferOutcome::Failed);
    EXPECT_EQ(r.step, SafeProgramStep::Write);
    EXPECT_GT(r.blocksWritten, 0);
    const Texts shown = rig.Shown();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[shown.size() - 2].rfind("The radio now holds part old and part new data: ", 0), 0u);
    EXPECT_EQ(shown.back().rfind("The backup read before programming can be restored", 0), 0u) << shown.back();
}

}  // namespace
}  // namespace kv
