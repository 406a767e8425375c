#include <gtest/gtest.h>

#include <regex>

#include "editor/common_setup_options.h"
#include "editor/main_window_logic.h"
#include "editor/transfer_dialog_logic.h"
#include "support/doubles.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

TEST(FileArgument, TheFirstArgumentThatIsNoSwitch) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, ""},
        {{"/D", "--demo"}, ""},
        {{"/d", "/home/skipper/boat.dat"}, "/home/skipper/boat.dat"},
        {{"--screenshots", "shots", "boat.dat"}, "boat.dat"},
        {{"--demo", "a.dat", "b.dat"}, "a.dat"},
    };
    for (const auto& [arguments, file] : cases) EXPECT_EQ(FileArgument(arguments), file);
}

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

TEST(ConfirmUnsavedChanges, TheThreeAnswers) {
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
        const bool closes =
            ConfirmUnsavedChanges(state, prompt, [&] { return c.valid; }, [&] { ++saves; return c.saved; });
        EXPECT_EQ(closes, c.closes);
        EXPECT_EQ(saves, c.saves);
        ASSERT_EQ(prompt.shown().size(), static_cast<size_t>(c.asked));
        if (c.asked) {
            EXPECT_EQ(prompt.shown()[0].text, "TWS data has changed.\r\nDo you want to save changes?");
            EXPECT_EQ(prompt.shown()[0].buttons, Buttons::YesNoCancel);
        }
    }
}

TEST(LogFileFailure, OnlyUnexpectedFailuresAndOnlyInDebugMode) {
    const Message readError{"FileRead Error!!", "PC Program for KV150/KV170 Series", MessageIcon::Exclamation};
    const Message saveError{"FileSave Error!!", "PC Program for KV150/KV170 Series", MessageIcon::Exclamation};
    const Message badFile{"bad file!!", "PC Program for KV150/KV170 Series"};
    const struct {
        bool debug;
        std::vector<Message> messages;
        bool logged;
    } cases[] = {
        {true, {saveError}, true},  {true, {readError}, true}, {false, {saveError}, false},
        {true, {badFile}, false},   {true, {}, false},
    };
    for (const auto& c : cases) {
        EditorState state;
        state.debug = c.debug;
        test::RecordingLog log;
        EXPECT_EQ(LogFileFailure(state, &log, "frmMain.SaveFileAs", c.messages, "/x/boat.dat: No such file or directory"),
                  c.logged);
        const std::vector<std::string> expected =
            c.logged ? std::vector<std::string>{"frmMain.SaveFileAs -> 0/x/boat.dat: No such file or directory"}
                     : std::vector<std::string>{};
        EXPECT_EQ(log.lines, expected) << c.debug << " " << c.messages.size();
    }
    EditorState debug;
    debug.debug = true;
    EXPECT_FALSE(LogFileFailure(debug, nullptr, "frmMain.SaveFileAs", {saveError}, "x")) << "no log, no entry";
}

TEST(HelpContext, ControlsAndControlArraysByObjectName) {
    const std::pair<const char*, int> cases[] = {
        {"tvTreeView", 1054}, {"grdMarine", 1022},  {"chkCEnable", 1028}, {"chkCGroup_2", 1028},
        {"chkDEnable_9", 1028}, {"chkCTXEnable", 1029}, {"chkCDup", 1030}, {"chkCTXOnly", 1031},
        {"chkCTXPower", 1032}, {"chkCScan", 1033}, {"chkDScan_0", 1033}, {"txtCTag", 1034},
        {"cmbScramble", 1064}, {"txtCRF", 0},        {"chkCEnable_", 0},  {"chkCGroup_x", 0},
        {"chkCGroupX_1", 0},   {"", 0},
    };
    for (const auto& [name, number] : cases) EXPECT_EQ(HelpContextOf(name), number) << name;
    EXPECT_EQ(HelpAnchor(1054), "topic-1054");
}

TEST(HelpContext, TheManualHasAnAnchorForEveryNumber) {
    const std::string manual = test::ReadText(std::filesystem::path(KV_TEST_SOURCE_DIR) / ".." / "docs" / "manual.html");
    std::vector<int> numbers{kDiagnosticHelp};
    for (const HelpContext& entry : HelpContexts()) numbers.push_back(entry.number);
    for (const int number : numbers)
        EXPECT_NE(manual.find("id=\"" + HelpAnchor(number) + "\""), std::string::npos) << number;
}

// The manual is a web page of its own: every picture it shows and every
// link inside it resolves.
TEST(HelpContext, EveryPictureAndLinkOfTheManualResolves) {
    const std::filesystem::path docs = std::filesystem::path(KV_TEST_SOURCE_DIR) / ".." / "docs";
    const std::string manual = test::ReadText(docs / "manual.html");
    const std::regex reference(R"re((src|href)="([^"]*)")re");
    int checked = 0;
    for (auto it = std::sregex_iterator(manual.begin(), manual.end(), reference); it != std::sregex_iterator(); ++it) {
        const std::string target = (*it)[2];
        ++checked;
        if (target.starts_with("#")) {
            EXPECT_NE(manual.find("id=\"" + target.substr(1) + "\""), std::string::npos) << target;
        } else if (!target.starts_with("http")) {
            EXPECT_TRUE(std::filesystem::exists(docs / target)) << target;
        }
    }
    EXPECT_GE(checked, 9) << "the pictures of the manual";
}

TEST(HelpContext, NoManualOrNoBrowser) {
    EXPECT_EQ(HelpNotShown(false), (Message{"Unable to display Help Contents. There is no Help associated with this project.",
                                            "TLN58", MessageIcon::Information, Buttons::Ok}));
    EXPECT_EQ(HelpNotShown(true), (Message{"The help could not be opened: no web browser could be started.",
                                           "PC Program for KV150/KV170 Series", MessageIcon::Critical, Buttons::Ok}));
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

TEST(ProgressFillLeft, NeverLeavesTheFrame) {
    EXPECT_EQ(ProgressFillLeft(200, 0), -200);
    EXPECT_EQ(ProgressFillLeft(200, 50), -100);
    EXPECT_EQ(ProgressFillLeft(200, 100), 0);
    EXPECT_EQ(ProgressFillLeft(200, 150), 0);
    EXPECT_EQ(ProgressFillLeft(200, -5), -200);
    EXPECT_EQ(TransferTitle(TransferMode::Read), "Read from Radio");
    EXPECT_EQ(TransferTitle(TransferMode::Program), "Program to Radio");
    EXPECT_EQ(TransferInstructions(),
              "1.Connect the TWS cable between the PC serial port and the radio.\r\n2.Turn on the radio.\r\n"
              "3.Press the [OK] button to start.");
}

}  // namespace
}  // namespace kv
