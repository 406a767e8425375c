#include <gtest/gtest.h>

#include "editor/common_setup_options.h"
#include "editor/main_window_logic.h"
#include "editor/transfer_dialog_logic.h"

namespace kv {
namespace {

TEST(HasDebugSwitch, OnlyAWholePieceCounts) {
    const std::pair<std::string, bool> cases[] = {
        {"/D", true}, {"/d", true}, {"file.dat /D", true}, {"/DX", false}, {"-D", false},
        {"", false},  {"x  /d", true}, {"/D/D", false},
    };
    for (const auto& [line, debug] : cases) EXPECT_EQ(HasDebugSwitch(line), debug) << line;
    EXPECT_TRUE(HasDebugSwitch(std::vector<std::string>{"--demo", "/d"}));
}

TEST(WindowTitle, NamesTheBareFile) {
    EXPECT_EQ(WindowTitle({}), "TLN58  PC Program for KV150/KV170 Series");
    EXPECT_EQ(WindowTitle("/home/skipper/boats/boat.dat"), "TLN58  PC Program for KV150/KV170 Series - boat.dat");
}

struct ExitCase {
    bool changed;
    Answer answer;
    bool valid, saved;
    bool closes;
    int asked, saves;
};

TEST(MayClose, TheThreeAnswers) {
    const ExitCase cases[] = {
        {false, Answer::Cancel, true, true, true, 0, 0}, {true, Answer::Cancel, true, true, false, 1, 0},
        {true, Answer::No, true, true, true, 1, 0},      {true, Answer::Yes, true, true, true, 1, 1},
        {true, Answer::Yes, false, true, false, 1, 0},   {true, Answer::Yes, true, false, false, 1, 1},
    };
    for (const ExitCase& c : cases) {
        EditorState state;
        state.dataChanged = c.changed;
        ScriptedPrompt prompt({c.answer});
        int saves = 0;
        const bool closes = MayClose(state, prompt, [&] { return c.valid; }, [&] { ++saves; return c.saved; });
        EXPECT_EQ(closes, c.closes);
        EXPECT_EQ(saves, c.saves);
        ASSERT_EQ(prompt.shown().size(), static_cast<size_t>(c.asked));
        if (c.asked) {
            EXPECT_EQ(prompt.shown()[0].text, "TWS data has changed.\r\nDo you want to save changes?");
            EXPECT_EQ(prompt.shown()[0].buttons, Buttons::YesNoCancel);
        }
    }
}

TEST(ScreenBuilding, ClearsTheFlagOnEveryPath) {
    EditorState state;
    try {
        ScreenBuilding building(state);
        EXPECT_TRUE(state.screenBuilding);
        throw 1;
    } catch (int) {
    }
    EXPECT_FALSE(state.screenBuilding);
}

TEST(CommonSetupOptions, EntriesMapToTheirFields) {
    CommonSetup c;
    StoreEntry(CommonList::Weather, 1, c);
    EXPECT_EQ(c.Weater, 3);
    EXPECT_EQ(EntryFor(CommonList::Weather, c), 1);
    StoreEntry(CommonList::Weather, 0, c);
    EXPECT_EQ(c.Weater, 0);
    c.Weater = 1;  // not a value the list offers
    EXPECT_EQ(EntryFor(CommonList::Weather, c), -1);

    StoreEntry(CommonList::Offset, 0, c);
    EXPECT_EQ(c.OffsetTime, 0);
    EXPECT_EQ(LayoutOf(CommonList::Offset).entries.size(), 25u);
    StoreEntry(CommonList::Offset, 25, c);
    EXPECT_EQ(c.OffsetTime, 0) << "an entry beyond the list writes nothing";

    StoreEntry(CommonList::Scan, 1, c);
    EXPECT_TRUE(c.SCAN);
    StoreEntry(CommonList::Resume, 3, c);
    EXPECT_EQ(c.ResumeTime, 3);
    c.TxPoDisplay = 7;
    EXPECT_EQ(EntryFor(CommonList::TxPo, c), -1);
    EXPECT_EQ(LayoutOf(CommonList::TxPo).entries[1], "Lo Po on Changing CH");
}

class CountingJob : public TransferJob {
public:
    TransferEnd Run(int, TransferEvents& events) override {
        events.Progress(50);
        busyInside = state->busy();
        return TransferEnd::Completed;
    }
    TransferDialogState* state = nullptr;
    bool busyInside = false;
};

class SilentEvents : public TransferEvents {
public:
    void Progress(int) override {}
    void Note(const std::string&) override {}
    void Pump() override {}
    bool CancelRequested() const override { return false; }
};

TEST(TransferDialogState, CancelClosesWhenIdleAndRequestsWhenBusy) {
    TransferDialogState state;
    EXPECT_EQ(state.Cancel(), TransferDialogState::CancelAction::Close);
    EXPECT_TRUE(state.MayClose());

    CountingJob job;
    job.state = &state;
    SilentEvents events;
    EXPECT_EQ(state.Start(job, kTransferRead, events), TransferEnd::Completed);
    EXPECT_TRUE(job.busyInside);
    EXPECT_FALSE(state.busy());
    EXPECT_TRUE(state.MayClose());
}

TEST(ProgressFillLeft, NeverLeavesTheFrame) {
    EXPECT_EQ(ProgressFillLeft(200, 0), -200);
    EXPECT_EQ(ProgressFillLeft(200, 50), -100);
    EXPECT_EQ(ProgressFillLeft(200, 100), 0);
    EXPECT_EQ(ProgressFillLeft(200, 150), 0);
    EXPECT_EQ(ProgressFillLeft(200, -5), -200);
    EXPECT_EQ(TransferDialogTitle(kTransferRead), "Read from Radio");
    EXPECT_EQ(TransferDialogTitle(kTransferProgram), "Program to Radio");
    EXPECT_EQ(TransferInstructions(),
              "1.Connect the TWS cable between the PC serial port and the radio.\r\n2.Turn on the radio.\r\n"
              "3.Press the [OK] button to start.");
}

}  // namespace
}  // namespace kv
