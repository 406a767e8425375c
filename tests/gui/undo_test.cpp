#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "files/image_file.h"
#include "gui/field_edit.h"
#include "gui/gui_rig.h"
#include "report/report.h"
#include "rules/channel_lists.h"
#include "support/sessions.h"
#include "support/temp_dir.h"

namespace kv::test {
namespace {

QString MenuText(const Rig& rig, const char* action) { return rig.Find<QAction>(action)->text(); }

bool TreeHas(const Rig& rig, const QString& key) { return !Caption(rig.Find<QTreeWidget>("tvTreeView"), key).isEmpty(); }

// The key of the tree node of USA channel `label`.
QString UsaNode(const RadioSettings& settings, const std::string& label) {
    for (size_t i = 0; i < settings.CHUSA.size(); ++i)
        if (settings.CHUSA[i].Enable && MarineChannelLabel(settings.CHUSA[i]) == label)
            return QString("PU%1").arg(i + 1);
    return {};
}

using Undo = Window;
using Shortcuts = Window;
using RecentFiles = Window;
using FileDialogs = Window;

TEST_F(Undo, TypingANameIsOneStepTheMenuNamesAndUndoShowsAtOnce) {
    const QString node = UsaNode(rig.session.settings, "16");
    ASSERT_TRUE(w.SelectNodeByKey(node));
    auto* name = rig.Find<FieldEdit>("txtCTag");
    const QString before = name->text();
    EXPECT_EQ(MenuText(rig, "mnuEditUndo"), "&Undo");
    EXPECT_FALSE(rig.Find<QAction>("mnuEditUndo")->isEnabled());

    TypeInto(name, "HARBOR", rig.Find<QTreeWidget>("tvTreeView"));
    EXPECT_EQ(w.history().stack().count(), 1) << "the keys of one field make one step";
    EXPECT_EQ(MenuText(rig, "mnuEditUndo"), "&Undo Name of USA channel 16");
    EXPECT_TRUE(rig.editor.dataChanged);

    ASSERT_TRUE(w.EditUndo());
    EXPECT_EQ(name->text(), before) << "the screen shows the restored name";
    EXPECT_EQ(rig.session.settings.CHUSA[static_cast<size_t>(node.mid(2).toInt() - 1)].ChTag, before.toStdString());
    EXPECT_FALSE(rig.editor.dataChanged) << "back at the data as opened";
    EXPECT_EQ(MenuText(rig, "mnuEditRedo"), "&Redo Name of USA channel 16");
    EXPECT_EQ(w.CurrentKey(), node);

    ASSERT_TRUE(w.EditRedo());
    EXPECT_EQ(name->text(), "HARBOR");
    EXPECT_TRUE(rig.editor.dataChanged);

    // Typing in the field again after the focus left it is a new step.
    name->setFocus();
    QTest::keyClicks(name, "S");
    EXPECT_EQ(w.history().stack().count(), 2);
}

// One edit on each kind of screen: the step's name, and after undo the
// screen shows the value from before, at once.
TEST_F(Undo, EachScreenShowsTheUndoneValue) {
    const struct {
        const char* node;
        const char* control;
        const char* label;
    } cases[] = {
        {"ATIS", "txtATISMid_2", "&Undo MID of ATIS Call Sign 3"},
        {"ATIS", "chkATISChGroup_1", "&Undo Usable ATIS CH Group"},
        {"PW", "chkDScan_2", "&Undo Scan Memory of WX channel 3"},
        {"PW", "txtDTagName_4", "&Undo Name of WX channel 5"},
        {"R2", "chkCScan", "&Undo Scan Memory of RG channel 2"},
        {"R2", "txtCTag", "&Undo Name of RG channel 2"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(w.SelectNodeByKey(c.node)) << c.node;
        auto* control = rig.Find<QWidget>(c.control);
        ASSERT_NE(control, nullptr) << c.control;
        if (QString(c.control).startsWith("txtATISMid")) rig.Find<QTabWidget>("tbsATIS")->setCurrentIndex(1);
        const auto shown = [control] {
            if (auto* box = qobject_cast<QCheckBox*>(control)) return QString::number(box->isChecked());
            return static_cast<QLineEdit*>(control)->text();
        };
        const QString before = shown();
        if (auto* box = qobject_cast<QCheckBox*>(control)) box->toggle();
        else TypeInto(control, "7", rig.Find<QTreeWidget>("tvTreeView"));
        ASSERT_NE(shown(), before) << c.control;
        EXPECT_EQ(MenuText(rig, "mnuEditUndo"), c.label);
        ASSERT_TRUE(w.EditUndo()) << c.control;
        EXPECT_EQ(shown(), before) << c.control;
        EXPECT_EQ(w.CurrentKey(), c.node);
        EXPECT_FALSE(rig.editor.dataChanged) << c.control;
    }
}

TEST_F(Undo, AFrequencyAndTheNarrowLockItBringsAreOneStep) {
    RadioSettings wide = rig.session.settings;
    UseLmrChannel(wide);
    w.ApplyChange("Set up", wide);
    ASSERT_TRUE(w.SelectNodeByKey("L1"));
    TypeInto(rig.Find<FieldEdit>("txtCTF"), "155.0000", rig.Find<QCheckBox>("chkCScan"));  // moving on stores it
    ASSERT_TRUE(rig.session.settings.CHEXP[0].Narrow);
    EXPECT_TRUE(rig.Find<QRadioButton>("optCWide_1")->isChecked()) << "the screen shows the lock";
    EXPECT_FALSE(rig.Find<QRadioButton>("optCWide_0")->isEnabled());
    EXPECT_FALSE(rig.Find<QRadioButton>("optCWide_1")->isEnabled());
    EXPECT_EQ(MenuText(rig, "mnuEditUndo"), "&Undo TX Frequency of LMR channel 1");
    ASSERT_TRUE(w.EditUndo());
    EXPECT_TRUE(rig.session.settings == wide);
    EXPECT_EQ(MenuText(rig, "mnuEditUndo"), "&Undo Set up");
}

TEST_F(Undo, TheChangedMarkFollowsTheSavedState) {
    ASSERT_TRUE(w.SelectNodeByKey("Common"));
    auto* scan = rig.Find<QComboBox>("cmbCommonScan");
    ASSERT_NE(scan, nullptr);
    auto* dual = rig.Find<QComboBox>("cmbCommonDual");
    ASSERT_NE(dual, nullptr);
    scan->setCurrentIndex(1 - scan->currentIndex());
    rig.files.names = {rig.dir / "boat"};
    ASSERT_TRUE(w.FileSaveAs());
    EXPECT_FALSE(rig.editor.dataChanged);
    EXPECT_FALSE(w.isWindowModified()) << "the title's mark";
    const std::string saved = ReadText(rig.dir / "boat.dat");
    const int savedDual = dual->currentIndex();
    dual->setCurrentIndex(1 - savedDual);
    EXPECT_TRUE(rig.editor.dataChanged);
    EXPECT_TRUE(w.isWindowModified());

    // Undo and redo across the saved state: the mark at each step.
    struct Step {
        bool undo;  // else redo
        bool changed;
        int dual;
    };
    const std::vector<Step> steps{
        {true, false, savedDual},   // back at the saved state
        {true, true, savedDual},    // before it
        {false, false, savedDual},  // the saved state again
        {false, true, 1 - savedDual},
        {true, false, savedDual},
    };
    int i = 0;
    for (const Step& step : steps) {
        ASSERT_TRUE(step.undo ? w.EditUndo() : w.EditRedo()) << i;
        EXPECT_EQ(rig.editor.dataChanged, step.changed) << i;
        QCoreApplication::processEvents();
        EXPECT_EQ(w.isWindowModified(), step.changed) << i;
        EXPECT_EQ(dual->currentIndex(), step.dual) << i;
        ++i;
    }
    ASSERT_TRUE(w.FileSave());
    EXPECT_EQ(ReadText(rig.dir / "boat.dat"), saved) << "undone to the saved state: the same file";
}

// An added marine channel is a step: undone while its own node is shown, the
// group's grid is shown without it; redone, it is back.
TEST_F(Undo, AMarineAddIsAStepTheGridAndTheTreeFollow) {
    ASSERT_TRUE(w.SelectNodeByKey("PU"));
    auto* grid = rig.Find<QTableWidget>("grdMarine");
    const int rows = grid->rowCount();
    ASSERT_FALSE(rig.session.settings.CHUSA[static_cast<size_t>(rows)].Enable) << "the listed channels come first";
    grid->setCurrentCell(rows - 1, 0);
    rig.Find<QPushButton>("cmdAdd")->click();
    rig.Find<QPushButton>("cmdSave")->click();
    EXPECT_EQ(grid->rowCount(), rows + 1);
    EXPECT_TRUE(MenuText(rig, "mnuEditUndo").startsWith("&Undo Add USA channel ")) << MenuText(rig, "mnuEditUndo").toStdString();
    const RadioSettings added = rig.session.settings;
    const QString node = QString("PU%1").arg(rows + 1);
    ASSERT_TRUE(w.SelectNodeByKey(node));
    ASSERT_TRUE(w.EditUndo());
    EXPECT_FALSE(TreeHas(rig, node));
    EXPECT_EQ(w.CurrentKey(), "PU");
    EXPECT_EQ(grid->rowCount(), rows);
    EXPECT_FALSE(w.EditUndo()) << "nothing more to undo";
    ASSERT_TRUE(w.EditRedo());
    EXPECT_TRUE(rig.session.settings == added);
    EXPECT_EQ(grid->rowCount(), rows + 1);
}

// Undo and redo go back to states the user has been through: no field's
// check refuses them. Typing that a field refuses is what Undo takes back.
TEST_F(Undo, NoFieldCheckRefusesUndoOrRedo) {
    w.SelectNodeByKey("ATIS");
    auto* code = rig.Find<FieldEdit>("txtATIScode");
    const QString before = code->text();
    TypeInto(code, "123");  // an ATIS code has ten digits
    EXPECT_TRUE(w.EditUndo());
    EXPECT_EQ(code->text(), before);

    // An LMR channel enabled, then given a frequency: undone back through both.
    RadioSettings setUp = rig.session.settings;
    setUp.UsableGroups[kLmrGroup].Enable = true;
    setUp.CHEXP[0].Enable = false;
    setUp.CHEXP[0].CHDisplayL = "1 ";
    w.ApplyChange("Set up", setUp);
    ASSERT_TRUE(w.SelectNodeByKey("L1"));
    rig.Find<QCheckBox>("chkCEnable")->click();
    TypeInto(rig.Find<FieldEdit>("txtCRF"), "150");  // still typing: the first Undo takes the frequency back
    for (const bool undo : {true, true, false, false}) EXPECT_TRUE(undo ? w.EditUndo() : w.EditRedo()) << undo;
    EXPECT_TRUE(rig.session.settings.CHEXP[0].Enable);
    EXPECT_DOUBLE_EQ(rig.session.settings.CHEXP[0].Rxfreq, 150.0);
    EXPECT_TRUE(rig.prompt.shown().empty());
}

TEST_F(Shortcuts, CtrlZUndoesAndCtrlYRedoes) {
    ASSERT_TRUE(w.SelectNodeByKey("Usable"));
    rig.Find<QCheckBox>("chkUsable_1")->toggle();
    const bool toggled = rig.session.settings.UsableGroups[kIntlGroup].Enable;
    auto* tree = rig.Find<QTreeWidget>("tvTreeView");
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(rig.session.settings.UsableGroups[kIntlGroup].Enable, toggled);
    QTest::keyClick(tree, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(rig.session.settings.UsableGroups[kIntlGroup].Enable, toggled);
}

TEST_F(RecentFiles, SavedAndOpenedFilesAreListedNewestFirstAndOpenAgain) {
    EXPECT_FALSE(rig.Find<QMenu>("mnuFileRecent")->isEnabled()) << "none yet";
    for (const char* name : {"a", "b"}) {
        rig.files.names = {rig.dir / name};
        ASSERT_TRUE(w.FileSaveAs());
    }
    const auto recent = [&] {
        QStringList texts;
        for (QAction* a : rig.Find<QMenu>("mnuFileRecent")->actions()) texts << a->text();
        return texts;
    };
    const QString a = QString::fromStdString((rig.dir / "a.dat").string());
    const QString b = QString::fromStdString((rig.dir / "b.dat").string());
    EXPECT_EQ(recent(), QStringList({"&1 " + b, "&2 " + a}));
    EXPECT_EQ(ReadRecentFiles(*rig.store).size(), 2u) << "kept in the user's store";

    w.FileNew();
    rig.Find<QAction>("mnuFileRecent_1")->trigger();
    EXPECT_EQ(rig.editor.currentFile, rig.dir / "a.dat");
    EXPECT_EQ(recent(), QStringList({"&1 " + a, "&2 " + b}));

    // A file that is gone is said so and leaves the list.
    std::filesystem::remove(rig.dir / "b.dat");
    rig.Answer({Answer::Ok, Answer::Ok});
    rig.Find<QAction>("mnuFileRecent_1")->trigger();
    EXPECT_FALSE(rig.prompt.shown().empty());
    EXPECT_EQ(rig.editor.currentFile, rig.dir / "a.dat");
    EXPECT_EQ(recent(), QStringList({"&1 " + a}));
}

TEST_F(FileDialogs, StartInTheFolderLastUsedElseTheDocuments) {
    std::filesystem::create_directory(rig.dir / "boats");
    rig.files.names = {std::nullopt};
    w.FileOpen();
    EXPECT_EQ(rig.files.folders.back(), rig.documents());
    rig.files.names = {rig.dir / "boats" / "tug"};
    ASSERT_TRUE(w.FileSaveAs());
    rig.files.names = {std::nullopt};
    w.FileOpen();
    EXPECT_EQ(rig.files.folders.back(), rig.dir / "boats");
    for (const auto& folder : rig.files.folders) EXPECT_NE(folder, rig.dir.path()) << "never the program's folder";
}

}  // namespace
}  // namespace kv::test
