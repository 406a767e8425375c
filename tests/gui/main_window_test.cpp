#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "files/image_file.h"
#include "image/address_map.h"
#include "files/settings_file.h"
#include "gui/field_edit.h"
#include "gui/gui_rig.h"
#include "rules/channel_lists.h"
#include "support/sessions.h"
#include "util/texts.h"

namespace kv::test {
namespace {

// The entries' captions, each with its shortcut where it has one.
QStringList Captions(const QList<QAction*>& actions, bool visibleOnly = true) {
    QStringList out;
    for (QAction* a : actions)
        if (!a->isSeparator() && (!visibleOnly || a->isVisible()))
            out << a->text() + (a->shortcut().isEmpty() ? "" : "\t" + a->shortcut().toString());
    return out;
}

using Menus = Window;
using Tree = Window;
using EditModel = Window;
using RegionMenu = Window;
using CommonSetup = Window;
using Exit = Window;
using Files = Window;
using Help = Window;

TEST_F(Window, AnEmptyStoreStartsWithTheKv170UsaOnPortOne) {
    EXPECT_EQ(rig.session.model, 5);
    EXPECT_TRUE(rig.session.Sel1());
    EXPECT_EQ(w.CurrentKey(), "General");
    EXPECT_EQ(w.selectedPort(), 1);
    EXPECT_EQ(w.windowTitle(), "TLN58  PC Program for KV150/KV170 Series[*]");
    const auto& menu = w.destinationMenu();
    ASSERT_TRUE(menu.checked);
    EXPECT_EQ(menu.list.names[*menu.checked], "KV170-usa");
    EXPECT_TRUE(rig.Find<QAction>(QString("mnuDestinationChild_%1").arg(*menu.checked))->isChecked());
    EXPECT_TRUE(rig.Find<QAction>("mnuEditModelKind_5")->isChecked());
    EXPECT_TRUE(rig.prompt.shown().empty());
    // The remembered port only counts while the computer still has it.
    EXPECT_FALSE(rig.store->Get("ComPath", "ComNum")) << "a port chosen at start is not stored again";
}

TEST(FirstStart, TheRememberedPortByItsDeviceElseByItsNumber) {
    const struct {
        const char* number;
        const char* device;  // nullptr: stored without one
        int selected;
    } cases[] = {
        {"7", nullptr, 0},         // gone: nothing selected
        {"2", "/dev/ttyUSB0", 3},  // the adapter came back as port 3
        {"2", "/dev/ttyUSB9", 0},  // a device that is gone: none, and the status bar says which
        {"2", nullptr, 2},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.ports.ports = {{1, "/dev/ttyS0", "/dev/ttyS0"},
                           {2, "/dev/ttyS1", "/dev/ttyS1"},
                           {3, "/dev/ttyUSB0 FT232R USB UART", "/dev/ttyUSB0"}};
        rig.store->Set("ComPath", "ComNum", c.number);
        if (c.device) rig.store->Set("ComPath", "ComName", c.device);
        rig.store->Set("ModelPath", "ModelNum", "6");
        MainWindow& w = rig.Start();
        EXPECT_EQ(w.selectedPort(), c.selected) << c.number << " " << (c.device ? c.device : "");
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(rig.Find<QAction>(QString("mnuOptionsSerialPort1_%1").arg(i))->isChecked(), i + 1 == c.selected);
        EXPECT_EQ(rig.Find<QLabel>("sbPortNote")->text().startsWith("/dev/ttyUSB9, "), c.device && !c.selected);
        EXPECT_EQ(rig.session.model, 6);
        EXPECT_FALSE(w.destinationMenu().checked) << "model 6 has no default destination";
    }
}

TEST_F(Menus, TopLevelMenusAndTheirEntriesInOrder) {
    EXPECT_EQ(Captions(w.menuBar()->actions()),
              QStringList({"&File", "&Edit", "&Transfer", "&Region", "&Options", "&Help"}));
    EXPECT_EQ(Captions(rig.Find<QMenu>("mnuFile")->actions()),
              QStringList({"&New\tCtrl+N", "&Open\tCtrl+O", "&Save\tCtrl+S", "Save &As...\tCtrl+Shift+S",
                           "&Print\tCtrl+P", "Export PDF...", "P&rint to File", "Restore from &Backup...", "Recent &Files",
                           "Export Channels (CSV)...", "Export Channels (Generic CSV)...",
                           "Import Channels (CSV)...", "E&xit\tCtrl+Q"}));
    EXPECT_EQ(Captions(rig.Find<QMenu>("mnuEdit")->actions()),
              QStringList({"&Undo\tCtrl+Z", "&Redo\tCtrl+Shift+Z", "&Model"}));
    EXPECT_EQ(Captions(rig.Find<QMenu>("mnuEditModel")->actions()), QStringList({"&KV170 Series", "&KV170X Series"}));
    EXPECT_EQ(Captions(rig.Find<QMenu>("mnuEditModel")->actions(), false).size(), 4);
    EXPECT_FALSE(rig.Find<QAction>("mnuEditModelKind_0")->isEnabled());
    EXPECT_EQ(Captions(rig.Find<QMenu>("mnuTransfer")->actions()),
              QStringList({"&Program to Radio", "&Read from Radio", "Program &Fleet..."}));
    EXPECT_EQ(Captions(rig.Find<QMenu>("mnuDestination")->actions()), QStringList({"KV150-usa", "KV170-usa"}));
    // The SerialPort submenu is the first item of the fifth menu.
    EXPECT_EQ(rig.Find<QMenu>("mnuOptions")->actions().first()->menu(), rig.Find<QMenu>("mnuOptionsSerialPort"));
    EXPECT_FALSE(rig.Find<QAction>("tbrRead2")->isVisible());
    EXPECT_FALSE(rig.Find<QAction>("tbrProgram2")->isVisible());
    EXPECT_FALSE(rig.Find<QAction>("tbrDiagnosticHelp")) << "only in debug mode";
}

TEST_F(Menus, TheSerialPortListIsReadAgainWhenItOpens) {
    QMenu* ports = rig.Find<QMenu>("mnuOptionsSerialPort");
    EXPECT_EQ(Captions(ports->actions()), QStringList({"/dev/ttyS0", "/dev/ttyUSB0 FT232R USB UART"}));
    rig.ports.ports.clear();
    emit ports->aboutToShow();
    EXPECT_EQ(Captions(ports->actions()), QStringList({"(not exist)"}));
    EXPECT_EQ(w.selectedPort(), 0) << "the chosen device is gone";
    rig.ports.ports = {{3, "/dev/ttyUSB0 FT232R USB UART", "/dev/ttyUSB0"}, {4, "/dev/ttyS0", "/dev/ttyS0"}};
    emit ports->aboutToShow();
    EXPECT_EQ(w.selectedPort(), 4) << "it is back, under another number";
    rig.Find<QAction>("mnuOptionsSerialPort1_0")->trigger();
    EXPECT_EQ(w.selectedPort(), 3);
    EXPECT_EQ(rig.store->Get("ComPath", "ComNum"), "3");
    EXPECT_EQ(rig.store->Get("ComPath", "ComName"), "/dev/ttyUSB0");
}

TEST_F(Tree, FollowsTheModel) {
    auto* tree = rig.Find<QTreeWidget>("tvTreeView");
    EXPECT_EQ(NodeKeys(tree, "General"), QStringList({"Usable", "Common", "ATIS"}));
    EXPECT_TRUE(NodeKeys(tree, "Program").contains("PW"));
    ASSERT_TRUE(w.SelectNodeByKey("Program"));
    EXPECT_TRUE(w.ScreenWidget(ScreenKind::Empty)->findChild<QLabel*>()->text().startsWith("Programmable Channel\n"))
        << "a page that leads to the lists";

    rig.Answer({Answer::Ok});
    w.EditModel(6);
    EXPECT_FALSE(NodeKeys(tree, "Program").contains("PW")) << "model 6 has no weather channels";
    EXPECT_EQ(w.CurrentKey(), "General");
}

TEST_F(EditModel, AsksAndSwitchesOnlyOnOk) {
    rig.Answer({Answer::Cancel});
    w.EditModel(6);
    EXPECT_EQ(rig.session.model, 5);
    EXPECT_TRUE(rig.Find<QAction>("mnuEditModelKind_5")->isChecked());
    ASSERT_EQ(rig.prompt.shown().size(), 1u);
    EXPECT_EQ(rig.prompt.shown()[0].text, "Do yo want to program the KV170X series?");

    rig.Answer({Answer::Ok});
    w.EditModel(6);
    EXPECT_EQ(rig.session.model, 6);
    EXPECT_EQ(rig.store->Get("ModelPath", "ModelNum"), "6");
    EXPECT_TRUE(rig.Find<QAction>("mnuEditModelKind_6")->isChecked());
    EXPECT_FALSE(rig.Find<QAction>("mnuEditModelKind_5")->isChecked());
    EXPECT_EQ(Captions(rig.Find<QMenu>("mnuDestination")->actions()).size(), 12);

    rig.Answer({});
    w.EditModel(6);
    EXPECT_TRUE(rig.prompt.shown().empty()) << "the current model asks nothing";

    // A refused field keeps the model and puts the clicked check mark back.
    w.SelectNodeByKey("ATIS");
    TypeInto(rig.Find<FieldEdit>("txtATIScode"), "123");
    rig.Find<QAction>("mnuEditModelKind_5")->trigger();
    EXPECT_EQ(rig.session.model, 6);
    EXPECT_TRUE(rig.Find<QAction>("mnuEditModelKind_6")->isChecked());
    EXPECT_FALSE(rig.Find<QAction>("mnuEditModelKind_5")->isChecked());
}

TEST_F(RegionMenu, ChangesDestinationOrSaysIniFileReadError) {
    const auto& names = w.destinationMenu().list.names;
    const int kv150 = static_cast<int>(std::find(names.begin(), names.end(), "KV150-usa") - names.begin());
    rig.files.names = {rig.dir / "boat"};
    ASSERT_TRUE(w.FileSaveAs());
    rig.Answer({Answer::Cancel});
    w.PickDestination(kv150);
    EXPECT_TRUE(rig.session.Sel1());
    EXPECT_EQ(TextsOf(rig.prompt), std::vector<std::string>{"Do yo want to change to KV150-usa?"});

    rig.Answer({Answer::Ok});
    w.PickDestination(kv150);
    EXPECT_FALSE(rig.session.Sel1());
    EXPECT_EQ(rig.store->Get("IniFilePath", "IniFileName_5"), "KV150-usa");
    EXPECT_EQ(w.windowTitle(), "TLN58  PC Program for KV150/KV170 Series[*]") << "default data are new: Save asks a name";
    EXPECT_TRUE(rig.Find<QAction>(QString("mnuDestinationChild_%1").arg(kv150))->isChecked());

    // A damaged file: the message, and the check mark stays where it was.
    WriteText(rig.dir / "KV170-usa_019A.ini", "short");
    rig.Answer({Answer::Ok});
    w.PickDestination(1 - kv150);
    EXPECT_EQ(TextsOf(rig.prompt), (std::vector<std::string>{"Do yo want to change to KV170-usa?", "IniFileRead Error!!"}));
    EXPECT_TRUE(rig.Find<QAction>(QString("mnuDestinationChild_%1").arg(kv150))->isChecked());
    EXPECT_FALSE(rig.Find<QAction>(QString("mnuDestinationChild_%1").arg(1 - kv150))->isChecked());
    EXPECT_FALSE(rig.session.Sel1());
}

struct AtisTest : Window {
    void SetUp() override {
        Window::SetUp();
        w.SelectNodeByKey("ATIS");
        code = rig.Find<FieldEdit>("txtATIScode");
        ASSERT_TRUE(code);
    }
    FieldEdit* code = nullptr;
};

TEST_F(AtisTest, ANineDigitCodeIsRefusedAndKeepsTheUserOnTheScreen) {
    rig.session.settings.Atis.AtisCode = "1111122222";
    w.SelectNodeByKey("ATIS");
    TypeInto(code, "12a345 6789");
    EXPECT_EQ(code->text(), "123456789") << "letters and spaces are not typed";
    ASSERT_TRUE(code->hasFocus());
    rig.Find<QTreeWidget>("tvTreeView")->setCurrentItem(
        rig.Find<QTreeWidget>("tvTreeView")->findItems("Common Setup", Qt::MatchRecursive).first());
    // The tree took the focus: the refused code is silently put back.
    EXPECT_EQ(rig.session.settings.Atis.AtisCode, "1111122222");

    w.SelectNodeByKey("ATIS");
    TypeInto(code, "123456789");
    EXPECT_FALSE(w.ValidateActiveField());
    ASSERT_FALSE(rig.prompt.shown().empty());
    EXPECT_EQ(rig.prompt.shown().back(), DataErrorMessage("ATISNo"));
    EXPECT_EQ(rig.session.settings.Atis.AtisCode, "1111122222");
    EXPECT_FALSE(w.FileSave()) << "a refused field stops a save";
    rig.editor.dataChanged = true;
    rig.Answer({Answer::Yes});
    rig.files.names = {rig.dir / "exit.dat"};
    EXPECT_FALSE(w.close()) << "and Exit, its question answered Yes";
    EXPECT_FALSE(std::filesystem::exists(rig.dir / "exit.dat"));
    EXPECT_EQ(w.CurrentKey(), "ATIS");

    TypeInto(code, "1234567890");
    EXPECT_TRUE(w.ValidateActiveField());
    EXPECT_EQ(rig.session.settings.Atis.AtisCode, "1234567890");
    EXPECT_TRUE(rig.editor.dataChanged);
}

TEST_F(AtisTest, MidsArePaddedWhenLeftAndGroupsStoreOnlyTheirOwnFlag) {
    auto* tabs = rig.Find<QTabWidget>("tbsATIS");
    tabs->setCurrentIndex(1);
    auto* mid = rig.Find<FieldEdit>("txtATISMid_4");
    auto* display = rig.Find<FieldEdit>("txtATISDisp_4");
    TypeInto(mid, "7");
    TypeInto(display, "aB-1");
    EXPECT_EQ(mid->text(), "007");
    EXPECT_EQ(rig.session.settings.Atis.CallSign[4].MID, "007");
    EXPECT_EQ(rig.session.settings.Atis.CallSign[4].Display, "aB1");
    auto* empty = rig.Find<FieldEdit>("txtATISMid_5");
    TypeInto(empty, "", display);
    EXPECT_EQ(empty->text(), "");

    tabs->setCurrentIndex(0);
    rig.session.settings.Atis.UsableAtisChGroup = {true, true, true, true};
    w.SelectNodeByKey("ATIS");
    rig.editor.dataChanged = false;
    rig.Find<QCheckBox>("chkATISChGroup_1")->click();
    EXPECT_EQ(rig.session.settings.Atis.UsableAtisChGroup, (std::array<bool, 4>{true, false, true, true}));
    EXPECT_TRUE(rig.editor.dataChanged);
}

TEST_F(AtisTest, KillerGroupsOnlyForModelTypesZeroAndThree) {
    EXPECT_FALSE(rig.Find<QWidget>("pictATISKiller")->isVisibleTo(&w));
    rig.session.model = 0;
    w.SelectNodeByKey("General");
    w.SelectNodeByKey("ATIS");
    EXPECT_TRUE(rig.Find<QWidget>("pictATISKiller")->isVisibleTo(&w));
}

TEST_F(CommonSetup, ScanOffLocksResumeAndTheWeatherAlertFollowsTheModel) {
    rig.session.settings.Common.SCAN = true;
    w.SelectNodeByKey("Common");
    auto* resume = rig.Find<QComboBox>("cmbCommonResume");
    EXPECT_TRUE(resume->isEnabled());
    rig.Find<QComboBox>("cmbCommonScan")->setCurrentIndex(0);
    EXPECT_FALSE(resume->isEnabled());
    EXPECT_FALSE(rig.Find<QComboBox>("cmbCommonPTTSCAN")->isEnabled());
    EXPECT_FALSE(rig.Find<QComboBox>("cmbCommonRotary")->isVisibleTo(&w));
    auto* weather = rig.Find<QComboBox>("cmbCommonWeater");
    EXPECT_TRUE(weather->isVisibleTo(&w));

    rig.Answer({Answer::No, Answer::Ok});  // the edits go, the model changes
    w.EditModel(6);
    w.SelectNodeByKey("Common");
    EXPECT_FALSE(weather->isVisibleTo(&w)) << "model 6 has no weather alert";
}

QStringList CheckedActions(const Rig& rig) {
    QStringList names;
    for (QAction* a : rig.window->findChildren<QAction*>())
        if (a->isCheckable() && a->isChecked()) names << a->objectName();
    names.sort();
    return names;
}

// Exit, and every command that replaces the data, asks first while they are
// unsaved; a command that goes on clears the undo history, Exit closes the
// window and keeps its geometry; programming the radio replaces nothing and
// asks nothing.
TEST(UnsavedChanges, CommandsThatReplaceTheDataAskFirst) {
    const auto destination = [](Rig& r, const char* name) {
        const auto& names = r.window->destinationMenu().list.names;
        const auto at = std::find(names.begin(), names.end(), name) - names.begin();
        r.Find<QAction>(QString("mnuDestinationChild_%1").arg(at))->trigger();
    };
    const struct {
        const char* command;
        bool asks, replaces, transfer;
        std::deque<Answer> ownAnswers;  // the command's own question
        std::function<void(Rig&)> run;
    } commands[] = {
        {"File > New", true, true, false, {}, [](Rig& r) { r.Find<QAction>("mnuFileNew")->trigger(); }},
        {"File > Open", true, true, false, {},
         [](Rig& r) {
             r.files.names.push_back(r.dir / "other.dat");
             r.Find<QAction>("mnuFileOpen")->trigger();
         }},
        {"Ctrl+F2", true, true, false, {},
         [](Rig& r) {
             r.files.names.push_back(r.dir / "other.hex");
             r.window->OpenImage();
         }},
        {"Edit > Model", true, true, false, {Answer::Ok}, [](Rig& r) { r.Find<QAction>("mnuEditModelKind_6")->trigger(); }},
        {"Region", true, true, false, {Answer::Ok}, [&](Rig& r) { destination(r, "KV150-usa"); }},
        {"Transfer > Read", true, true, true, {}, [](Rig& r) { r.Find<QAction>("mnuTransferRead")->trigger(); }},
        {"Transfer > Program", false, false, true, {}, [](Rig& r) { r.Find<QAction>("mnuTransferProgram")->trigger(); }},
        {"Restore from Backup", true, true, false, {}, [](Rig& r) { r.window->RestoreBackup(r.dir / "other.hex"); }},
        {"Exit", true, false, false, {}, [](Rig& r) { r.Find<QAction>("mnuFileExit")->trigger(); }},
    };
    const struct {
        bool changed;
        Answer answer;
        bool saveNamed;  // the save dialog gives a name
    } cases[] = {
        {false, Answer::Cancel, true}, {true, Answer::Cancel, true}, {true, Answer::No, true},
        {true, Answer::Yes, true},     {true, Answer::Yes, false},
    };
    const std::string marker = "5555555555";
    for (const auto& command : commands) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(command.command) + (c.changed ? " changed, answer " : " unchanged, answer ") +
                         std::to_string(static_cast<int>(c.answer)) + (c.saveNamed ? "" : ", save cancelled"));
            Rig rig(true);
            RadioSession other = FreshSession(5);
            other.settings.Atis.AtisCode = "1111111111";
            ASSERT_TRUE(SaveSettingsFile(other, rig.dir / "other.dat").ok);
            ASSERT_TRUE(SaveImageFile(other, rig.dir / "other.hex").ok);
            MainWindow& w = rig.Start();
            RadioSettings edited = rig.session.settings;
            edited.Atis.AtisCode = marker;
            w.ApplyChange("Paste rows", edited);
            rig.editor.dataChanged = c.changed;
            const QStringList checks = CheckedActions(rig);
            const QString title = w.windowTitle();

            const bool asks = c.changed && command.asks, exits = command.asks && !command.replaces;
            const bool goesOn = !asks || c.answer == Answer::No || (c.answer == Answer::Yes && c.saveNamed);
            std::deque<Answer> answers = command.ownAnswers;
            if (asks) answers.push_front(c.answer);
            rig.Answer(answers);
            if (asks && c.answer == Answer::Yes) rig.files.names = {c.saveNamed ? std::optional(rig.dir / "saved.dat")
                                                                                : std::nullopt};
            if (command.transfer) PressOkWhenOpen();  // also where no dialog should open: a fault fails, not hangs
            command.run(rig);

            const auto texts = TextsOf(rig.prompt);
            EXPECT_EQ(std::count(texts.begin(), texts.end(), "TWS data has changed.\r\nDo you want to save changes?"),
                      asks ? 1 : 0);
            EXPECT_EQ(rig.session.settings.Atis.AtisCode == marker, !(goesOn && command.replaces));
            const bool saved = asks && c.answer == Answer::Yes && c.saveNamed;
            ASSERT_EQ(std::filesystem::exists(rig.dir / "saved.dat"), saved);
            if (saved) {
                EXPECT_NE(ReadText(rig.dir / "saved.dat").find("Atis Code=#" + marker + "\r\n"), std::string::npos);
            }
            EXPECT_EQ(rig.transfer.modes.size(), command.transfer && goesOn ? 1u : 0u);
            EXPECT_EQ(w.history().stack().canUndo(), !(goesOn && command.replaces));
            EXPECT_EQ(w.isVisible(), !(goesOn && exits));
            EXPECT_EQ(rig.store->Get("Settings", "MainWidth").has_value(), goesOn && exits) << "the geometry as it closed";
            if (!goesOn) {
                EXPECT_EQ(CheckedActions(rig), checks);
                EXPECT_EQ(w.windowTitle(), title);
                EXPECT_TRUE(rig.editor.dataChanged);
                EXPECT_EQ(rig.session.model, 5);
                EXPECT_EQ(rig.files.folders.size(), c.answer == Answer::Yes ? 1u : 0u) << "no other dialog opened";
            }
        }
    }
}

TEST_F(Exit, AMinimisedWindowKeepsTheStoredGeometry) {
    w.showMinimized();
    QApplication::processEvents();
    if (!w.isMinimized()) GTEST_SKIP() << "this platform does not minimise";
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(rig.store->Get("Settings", "MainWidth"));
}

TEST_F(Files, SaveAsThenOpenRestoresTheData) {
    rig.session.settings.Atis.AtisCode = "2468024680";
    rig.editor.dataChanged = true;
    rig.files.names = {rig.dir / "boat"};
    ASSERT_TRUE(w.FileSaveAs());
    EXPECT_EQ(rig.files.filters.back(), "dat files(*.dat)|*.dat|All files(*.*)|*.*");
    EXPECT_EQ(rig.files.folders.back(), rig.documents()) << "the first dialog starts in the documents folder";
    EXPECT_NE(ReadText(rig.dir / "boat.dat").find("TYPE=#TWS"), std::string::npos);
    EXPECT_EQ(w.windowTitle(), "TLN58  PC Program for KV150/KV170 Series - boat.dat[*]");
    EXPECT_FALSE(rig.editor.dataChanged);

    w.FileNew();
    EXPECT_EQ(w.windowTitle(), "TLN58  PC Program for KV150/KV170 Series[*]");
    EXPECT_EQ(rig.session.settings.Atis.AtisCode, "");
    rig.files.names = {rig.dir / "boat.dat"};
    ASSERT_TRUE(w.FileOpen());
    EXPECT_EQ(rig.session.settings.Atis.AtisCode, "2468024680");
    EXPECT_EQ(w.windowTitle(), "TLN58  PC Program for KV150/KV170 Series - boat.dat[*]");

    rig.session.settings.Atis.AtisCode = "1";
    ASSERT_TRUE(w.FileSave()) << "Save re-uses the current name without asking";
    EXPECT_EQ(rig.files.names.size(), 0u);
    EXPECT_NE(ReadText(rig.dir / "boat.dat").find("Atis Code=#1\r\n"), std::string::npos);
}

TEST_F(Files, AFileOfTheOtherSeriesAsksToSwitch) {
    RadioSession other = FreshSession(6);
    other.settings.Atis.AtisCode = "1357913579";
    ASSERT_TRUE(SaveSettingsFile(other, rig.dir / "x.dat").ok);

    rig.Answer({Answer::Cancel});
    rig.files.names = {rig.dir / "x.dat"};
    EXPECT_FALSE(w.FileOpen());
    EXPECT_EQ(rig.session.model, 5);
    EXPECT_EQ(TextsOf(rig.prompt), std::vector<std::string>{"Do yo want to program the KV170X series?"});

    rig.Answer({Answer::Ok});
    rig.files.names = {rig.dir / "x.dat"};
    EXPECT_TRUE(w.FileOpen());
    EXPECT_EQ(rig.session.model, 6);
    EXPECT_EQ(rig.session.settings.Atis.AtisCode, "1357913579");
    EXPECT_EQ(rig.store->Get("IniFilePath", "IniFileName_6"), "KV170X-intl");
    EXPECT_EQ(w.windowTitle(), "TLN58  PC Program for KV150/KV170 Series - x.dat[*]");
}

TEST_F(Files, ABrokenFileLeavesTheDataAsTheyWere) {
    rig.session.settings.Atis.AtisCode = "5555555555";
    WriteText(rig.dir / "bad.dat", "[MAIN]\r\nMODELTYPE=2\r\n[ATIS Setup (Common)]\r\nAtis Code=#1\r\n");
    rig.files.names = {rig.dir / "bad.dat"};
    EXPECT_FALSE(w.FileOpen());
    EXPECT_EQ(rig.session.settings.Atis.AtisCode, "5555555555");
    EXPECT_EQ(TextsOf(rig.prompt), std::vector<std::string>{"different model!!"});
    EXPECT_EQ(w.windowTitle(), "TLN58  PC Program for KV150/KV170 Series[*]");
}

TEST_F(Files, AWriteProtectedFileIsReplacedOnlyWhenTheUserSaysSo) {
    const auto path = rig.dir / "kept.dat";
    WriteText(path, "old");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    const std::string question = path.string() + " is write-protected.\r\nDo you want to replace it?";
    rig.Answer({Answer::No});
    rig.files.names = {path};
    EXPECT_FALSE(w.FileSaveAs());
    EXPECT_EQ(TextsOf(rig.prompt), std::vector<std::string>{question}) << "no error after the user's No";
    EXPECT_EQ(ReadText(path), "old");

    rig.Answer({Answer::Yes});
    rig.files.names = {path};
    EXPECT_TRUE(w.FileSaveAs());
    EXPECT_NE(ReadText(path).find("TYPE=#TWS"), std::string::npos);
}

// A file cut short: what is missing and what is out of range in one box,
// and Program asks first.
TEST_F(Files, ValuesOutOfTheirRangeAndPartsMissingAreNamedOnceAfterOpening) {
    RadioSession s = FreshSession(5);
    std::string text = SettingsFileText(s);
    text.replace(text.find("SQL=15"), 6, "SQL=99");
    WriteText(rig.dir / "range.dat", text.substr(0, text.find("[CHEXP1]")));
    rig.files.names = {rig.dir / "range.dat"};
    ASSERT_TRUE(w.FileOpen());
    ASSERT_EQ(rig.prompt.shown().size(), 1u);
    for (const char* line : {"[Common Setup] SQL=99: outside 0..15", "[CHEXP1] to [PRISETCH]: missing"})
        EXPECT_NE(rig.prompt.shown()[0].text.find(line), std::string::npos) << rig.prompt.shown()[0].text;
    EXPECT_EQ(rig.session.settings.Common.SQL, 15);
    PressOkWhenOpen();  // should the dialog open after all, the test fails, not hangs
    w.TransferProgram();
    QApplication::processEvents();
    EXPECT_TRUE(rig.transfer.modes.empty()) << "No, the default answer";
    ASSERT_EQ(rig.prompt.shown().size(), 2u);
    EXPECT_EQ(rig.prompt.shown()[1].buttons, Buttons::YesNoDefaultNo);
}

TEST(ImageFiles, CtrlF3AndCtrlF2OnlyInDebugMode) {
    Rig plain;
    plain.Start().SaveImage();
    EXPECT_TRUE(plain.files.filters.empty());

    Rig rig(true);
    MainWindow& w = rig.Start();
    EXPECT_TRUE(rig.Find<QAction>("tbrDiagnosticHelp"));
    rig.session.settings.Atis.AtisCode = "1212121212";
    rig.files.names = {rig.dir / "radio.hex"};
    w.SaveImage();
    EXPECT_EQ(std::filesystem::file_size(rig.dir / "radio.hex"), 16384u);
    EXPECT_EQ(rig.files.filters.back(), "hex files(*.hex)|*.hex|All files(*.*)|*.*");

    w.FileNew();
    std::vector<uint8_t> bytes = test::ReadAll(rig.dir / "radio.hex");
    bytes[map::UsaGroup.EntryAt(35) + 1] |= 0x10;  // channel 70 on the coast frequency
    test::WriteAll(rig.dir / "radio.hex", bytes);
    rig.files.names = {rig.dir / "radio.hex"};
    w.OpenImage();
    EXPECT_EQ(rig.session.settings.Atis.AtisCode, "1212121212");
    EXPECT_EQ(w.windowTitle(), "TLN58  PC Program for KV150/KV170 Series - radio.hex[*]");
    ASSERT_EQ(rig.prompt.shown().size(), 1u);
    EXPECT_NE(rig.prompt.shown()[0].text.find("[CHUSA35] Duplex=1: channel 70 receives only, kept simplex"), std::string::npos);
    rig.Answer({});

    WriteText(rig.dir / "short.hex", "abc");
    rig.files.names = {rig.dir / "short.hex"};
    w.OpenImage();
    EXPECT_EQ(TextsOf(rig.prompt), std::vector<std::string>{"bad file!!"});
    EXPECT_EQ(rig.session.settings.Atis.AtisCode, "1212121212");
}

TEST_F(Help, TheManualOpensAtTheContextAnchor) {
    w.HelpContents();
    w.HelpContext(1054);
    EXPECT_EQ(rig.help.anchors, (std::vector<std::string>{"", "topic-1054"}));
    rig.help.available = false;
    w.HelpContents();
    std::filesystem::remove(rig.dir / "manual.html");
    w.HelpContents();
    EXPECT_EQ(rig.help.anchors.size(), 3u) << "without a manual the viewer is not started";
    EXPECT_EQ(rig.prompt.shown(), (std::vector<Message>{HelpNotShown(true, rig.dir / "manual.html"), HelpNotShown(false)}));
}

// F1 opens the manual at the anchor of the control that has the focus.
TEST_F(Help, F1OnAControlOpensItsTopic) {
    // The numbers of the names are the editor's: here one control of each kind.
    const struct {
        const char* node;
        const char* control;
        const char* anchor;
    } cases[] = {
        {"General", "tvTreeView", "topic-1054"}, {"PU", "grdMarine", "topic-1022"}, {"PW", "chkDEnable_2", "topic-1028"},
        {"R1", "txtCTag", "topic-1034"},         {"R1", "cmbScramble", "topic-1064"},
        {"ATIS", "txtATIScode", ""},  // no topic of its own: the contents
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(w.SelectNodeByKey(c.node)) << c.node;
        auto* control = rig.Find<QWidget>(c.control);
        ASSERT_TRUE(control) << c.control;
        control->setFocus();
        ASSERT_TRUE(control->hasFocus()) << c.control;
        rig.help.anchors.clear();
        QTest::keyClick(control, Qt::Key_F1);
        EXPECT_EQ(rig.help.anchors, std::vector<std::string>{c.anchor}) << c.control;
    }
    EXPECT_TRUE(rig.prompt.shown().empty());
    rig.help.available = false;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(TextsOf(rig.prompt, TextWithDetail), std::vector<std::string>{"The help could not be opened: no web browser could be started.\r\n"
                                                          "The manual is " + (rig.dir / "manual.html").string() +
                                                          "; open it in a web browser."});
}

// In debug mode a file that cannot be read or written is logged under the
// window's procedure.
TEST(ErrorLog, FileFailuresInDebugModeUnderTheirProcedures) {
    const struct {
        std::function<void(Rig&)> run;
        const char* procedure;
        const char* message;
    } cases[] = {
        {[](Rig& r) {
             r.files.names = {r.dir / "missing" / "boat.dat"};
             r.window->FileSaveAs();
         },
         "frmMain.SaveFileAs", "FileSave Error!!"},
        {[](Rig& r) {
             r.files.names = {r.dir / "missing.dat"};
             r.window->FileOpen();
         },
         "frmMain.ReadFileAs", "FileRead Error!!"},
        {[](Rig& r) {
             r.files.names = {r.dir / "missing" / "radio.hex"};
             r.window->SaveImage();
         },
         "frmMain.SaveHexFileAs", "FileSave Error!!"},
        {[](Rig& r) {
             r.files.names = {r.dir / "missing.hex"};
             r.window->OpenImage();
         },
         "frmMain.ReadHexFileAs", "FileRead Error!!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.procedure);
        Rig rig(true);
        rig.Start();
        c.run(rig);
        EXPECT_EQ(TextsOf(rig.prompt), std::vector<std::string>{c.message});
        ASSERT_EQ(rig.log.lines.size(), 1u);
        EXPECT_TRUE(rig.log.lines[0].starts_with(c.procedure + (" -> 0" + rig.dir.path().string()))) << rig.log.lines[0];
    }
}

}  // namespace
}  // namespace kv::test
