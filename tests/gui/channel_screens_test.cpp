#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "gui/channel_screens.h"
#include "gui/field_edit.h"
#include "gui/gui_rig.h"
#include "gui/report_preview.h"
#include "print/report_printer.h"
#include "report/converters.h"
#include "report/report.h"
#include "rules/channel_lists.h"
#include "support/sessions.h"
#include "util/texts.h"

namespace kv::test {
namespace {

// Types into a field as a user does: everything selected, then the keys.
void Type(FieldEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

// Leaves the first n marine records enabled (BaseCh 1..n), the rest empty.
void ListChannels(MarineGroup& group, int n) {
    for (int i = 0; i < kMarineSlots; ++i) {
        ChannelRecord& ch = group[static_cast<size_t>(i)];
        ch.Enable = i < n;
        ch.BaseCh = static_cast<int16_t>(i < n ? i % 100 + 1 : 0);
        ch.StatusNo.clear();
        ch.StatusIcon.clear();
    }
}

TEST(UsableScreen, SwitchingUsaOffUndoingItAndOnRebuildsTheTreeAtOnce) {
    Rig rig;
    MainWindow& w = rig.Start();
    rig.session.settings.UsableGroups[kUsaGroup].Enable = true;
    w.BuildTree();
    ASSERT_TRUE(w.SelectNodeByKey("Usable"));
    auto* tree = rig.Find<QTreeWidget>("tvTreeView");
    auto* usa = rig.Find<QCheckBox>("chkUsable_0");
    ASSERT_TRUE(usa && usa->isChecked());
    auto* name = rig.Find<FieldEdit>("txtUsable_0");
    EXPECT_TRUE(name->isVisibleTo(&w) && !name->isEnabled()) << "status names are shown, not edited here";
    EXPECT_TRUE(rig.Find<QLabel>("lblUsable_0")->isVisibleTo(&w));
    EXPECT_FALSE(rig.editor.dataChanged) << "building the screen writes nothing";

    tree->findItems("RG Channel", Qt::MatchExactly | Qt::MatchRecursive).value(0)->setExpanded(true);
    usa->setChecked(false);
    EXPECT_FALSE(rig.session.settings.UsableGroups[kUsaGroup].Enable);
    EXPECT_TRUE(rig.editor.dataChanged);
    EXPECT_FALSE(NodeKeys(tree, "Program").contains("PU"));
    EXPECT_TRUE(tree->findItems("RG Channel", Qt::MatchExactly | Qt::MatchRecursive).value(0)->isExpanded())
        << "the tree keeps its open branches";
    EXPECT_FALSE(rig.Find<QComboBox>("cmbUsablePri_0")->isEnabled());
    EXPECT_EQ(w.CurrentKey(), "Usable") << "the screen stays selected";
    EXPECT_EQ(rig.Find<QAction>("mnuEditUndo")->text(), "&Undo Usable of USA CH");

    ASSERT_TRUE(w.EditUndo());
    EXPECT_TRUE(usa->isChecked());
    EXPECT_EQ(NodeKeys(tree, "Program").value(0), "PU");
    EXPECT_TRUE(rig.Find<QComboBox>("cmbUsablePri_0")->isEnabled());
    EXPECT_EQ(w.CurrentKey(), "Usable");

    usa->setChecked(false);
    usa->setChecked(true);
    EXPECT_EQ(NodeKeys(tree, "Program").value(0), "PU") << "ticking rebuilds the tree as well";
    EXPECT_TRUE(rig.Find<QComboBox>("cmbUsablePri_0")->isEnabled());
}

TEST(UsableScreen, ListsWriteTheGroupRecord) {
    Rig rig;
    MainWindow& w = rig.Start();
    ListChannels(rig.session.settings.CHINT, 3);
    rig.session.settings.UsableGroups[kIntlGroup].Enable = true;
    w.BuildTree();
    ASSERT_TRUE(w.SelectNodeByKey("Usable"));
    auto* priority = rig.Find<QComboBox>("cmbUsablePri_1");
    ASSERT_EQ(priority->count(), 4);
    priority->setCurrentIndex(3);
    EXPECT_EQ(rig.session.settings.UsableGroups[kIntlGroup].PriorityCh, 3);
    priority->setCurrentIndex(0);
    EXPECT_EQ(rig.session.settings.UsableGroups[kIntlGroup].PriorityCh, kNoPriority);
    rig.Find<QComboBox>("cmbUsableTot_1")->setCurrentIndex(1);
    EXPECT_TRUE(rig.session.settings.UsableGroups[kIntlGroup].TxTot);
    rig.Find<QComboBox>("cmbUsableSts_1")->setCurrentIndex(1);
    EXPECT_TRUE(rig.session.settings.UsableGroups[kIntlGroup].StatusIcon);
}

struct MarineRig : Rig {
    MainWindow* w = nullptr;
    QTableWidget* grid = nullptr;
    MarineRig(int listed) {
        w = &Start();
        ListChannels(session.settings.CHUSA, listed);
        session.settings.UsableGroups[kUsaGroup].Enable = true;
        w->BuildTree();
        w->SelectNodeByKey("PU");
        grid = Find<QTableWidget>("grdMarine");
    }
    void Click(const char* name) { Find<QPushButton>(name)->click(); }
};

TEST(MarineGrid, ShowsTheChannelsAndAddWithNoRowSelectedAppendsUpTo127Rows) {
    MarineRig rig(kMaxMarineRows - 1);
    ASSERT_EQ(rig.grid->rowCount(), kMaxMarineRows - 1);
    EXPECT_EQ(rig.grid->columnCount(), 10);
    EXPECT_EQ(rig.grid->horizontalHeaderItem(6)->text(), "SIMP/DUP");
    EXPECT_EQ(rig.grid->item(0, 0)->text(), "01");
    ASSERT_EQ(rig.grid->currentRow(), -1) << "the grid opens with no row selected";
    rig.Click("cmdAdd");
    ASSERT_TRUE(rig.Find<QWidget>("pictAddEdit")->isVisibleTo(rig.w));
    auto* base = rig.Find<QComboBox>("cmbBaseCh");
    base->setCurrentIndex(base->findText("72"));
    rig.Click("cmdSave");
    EXPECT_EQ(rig.session.settings.CHUSA[kMaxMarineRows - 1].BaseCh, 72) << "after the last channel";
    EXPECT_EQ(rig.grid->rowCount(), kMaxMarineRows);
    EXPECT_TRUE(rig.prompt.shown().empty());

    const MarineGroup before = rig.session.settings.CHUSA;
    rig.Click("cmdAdd");
    ASSERT_EQ(rig.prompt.shown().size(), 1u);
    EXPECT_EQ(rig.prompt.shown()[0].text, "Too many entries");
    EXPECT_FALSE(rig.Find<QWidget>("pictAddEdit")->isVisibleTo(rig.w));
    EXPECT_EQ(rig.session.settings.CHUSA, before);
}

TEST(MarineGrid, AddInsertsAfterTheSelectedRowAndSaves) {
    MarineRig rig(6);
    const ChannelRecord formerThird = rig.session.settings.CHUSA[3];
    rig.grid->setCurrentCell(2, 0);  // record 2
    rig.Click("cmdAdd");
    EXPECT_FALSE(rig.Find<QWidget>("cmdAdd")->isVisibleTo(rig.w));
    auto* base = rig.Find<QComboBox>("cmbBaseCh");
    base->setCurrentIndex(base->findText("72"));
    rig.Find<QComboBox>("cmbSimpDup")->setCurrentIndex(2);
    rig.Find<QComboBox>("cmbTxPower")->setCurrentIndex(1);
    rig.Find<FieldEdit>("txtChName")->setText("SHIP");
    rig.Click("cmdSave");
    const ChannelRecord& added = rig.session.settings.CHUSA[3];
    EXPECT_TRUE(added.Enable);
    EXPECT_EQ(added.BaseCh, 72);
    EXPECT_EQ(added.Duplex, 2);
    EXPECT_EQ(added.ChTag, "SHIP");
    EXPECT_TRUE(added.TxEnable) << "HI power transmits";
    EXPECT_EQ(rig.session.settings.CHUSA[4].BaseCh, formerThird.BaseCh);
    EXPECT_EQ(rig.grid->rowCount(), 7);
    EXPECT_TRUE(rig.editor.dataChanged);
    EXPECT_TRUE(rig.Find<QWidget>("cmdAdd")->isVisibleTo(rig.w));
}

TEST(MarineGrid, EnterOnARowOpensTheFilledEditPanelThatCancelLeaves) {
    MarineRig rig(4);
    rig.session.settings.CHUSA[1].ChTag = "CALLING";
    rig.w->SelectNodeByKey("PU");
    rig.grid->setCurrentCell(1, 0);
    QTest::keyClick(rig.grid, Qt::Key_Return);
    EXPECT_TRUE(rig.Find<QWidget>("pictAddEdit")->isVisibleTo(rig.w));
    EXPECT_EQ(rig.Find<FieldEdit>("txtChName")->text(), "CALLING");
    rig.Find<FieldEdit>("txtChName")->setText("WORKING");
    const MarineGroup before = rig.session.settings.CHUSA;
    rig.Click("cmdCancel");
    EXPECT_EQ(rig.session.settings.CHUSA, before) << "Cancel leaves the list alone";
    EXPECT_FALSE(rig.editor.dataChanged);
    QTest::keyClick(rig.grid, Qt::Key_Return);
    rig.Find<FieldEdit>("txtChName")->setText("WORKING");
    rig.Click("cmdSave");
    EXPECT_EQ(rig.session.settings.CHUSA[1].ChTag, "WORKING");
    EXPECT_EQ(rig.grid->rowCount(), 4);
}

// A disabled record between listed ones ([CHUSA2] Enable=0 in a file).
TEST(MarineGrid, ARowOfAListWithAGapEditsItsOwnChannel) {
    MarineRig rig(8);
    rig.session.settings.CHUSA[2].Enable = false;
    rig.session.settings.CHUSA[3].ChTag = "SAFTY";
    rig.w->SelectNodeByKey("PU");
    const RadioSettings before = rig.session.settings;
    rig.grid->setCurrentCell(2, 0);
    rig.Click("cmdEdit");
    EXPECT_EQ(rig.Find<FieldEdit>("txtChName")->text(), "SAFTY");
    rig.Click("cmdSave");
    EXPECT_EQ(rig.session.settings, before) << "saved unchanged, the disabled record stays as it was";
}

TEST(MarineGrid, DeleteMovesRecordsUpAndKeepsTheLastChannel) {
    MarineRig rig(7);
    const int16_t sixth = rig.session.settings.CHUSA[6].BaseCh;
    rig.session.settings.UsableGroups[kUsaGroup].PriorityCh = 7;  // record 6
    rig.grid->setCurrentCell(5, 0);
    rig.Click("cmdDelete");
    EXPECT_EQ(rig.session.settings.CHUSA[5].BaseCh, sixth);
    EXPECT_EQ(rig.grid->rowCount(), 6);
    EXPECT_EQ(rig.session.settings.UsableGroups[kUsaGroup].PriorityCh, 6) << "the priority follows its channel";

    MarineRig one(1);
    one.grid->setCurrentCell(0, 0);
    one.Click("cmdDelete");
    EXPECT_TRUE(one.session.settings.CHUSA[0].Enable) << "a group keeps one channel";
    EXPECT_TRUE(one.prompt.shown().empty());
    EXPECT_FALSE(one.editor.dataChanged);
}

struct EditorRig : Rig {
    MainWindow* w = nullptr;
    explicit EditorRig(const QString& key, std::function<void(RadioSettings&)> prepare = {}) {
        w = &Start();
        RadioSettings& st = session.settings;
        st.UsableGroups[kLmrGroup].Enable = true;
        ChannelRecord& ch = st.CHEXP[0];
        ch.Enable = true;
        ch.LmrExp = true;
        ch.Rxfreq = 140.0;
        ch.Txfreq = 140.0;
        ch.CHDisplayL = "1 ";
        ch.Narrow = false;
        SetTransmit(ch, true);
        ch.TxCTCSS = 0;
        ch.TxDCS = 0;
        if (prepare) prepare(st);
        w->BuildTree();
        EXPECT_TRUE(w->SelectNodeByKey(key));
    }
    ChannelRecord& First() { return session.settings.CHEXP[0]; }
};

TEST(ChannelEditor, ToneChoicesClearTheOtherKindOfTheSameDirection) {
    EditorRig rig("L1", [](RadioSettings& st) { st.CHEXP[0].RxDCS = 20; });
    auto* txCtcss = rig.Find<QComboBox>("cmbCTCSS_0");
    auto* txDcs = rig.Find<QComboBox>("cmbDCS_0");
    txDcs->setCurrentIndex(10);
    EXPECT_EQ(rig.First().TxDCS, 10);
    txCtcss->setCurrentIndex(5);
    EXPECT_EQ(rig.First().TxCTCSS, 5);
    EXPECT_EQ(rig.First().TxDCS, 0);
    EXPECT_EQ(txDcs->currentIndex(), 0) << "the list shows the cleared code";
    EXPECT_EQ(rig.First().RxDCS, 20) << "the other direction is untouched";
    txDcs->setCurrentIndex(3);
    EXPECT_EQ(rig.First().TxCTCSS, 0);
    EXPECT_TRUE(rig.editor.dataChanged);
}

TEST(ChannelEditor, SecondModeDcsSurvivesAnEditThatDoesNotTouchIt) {
    EditorRig rig("L1", [](RadioSettings& st) { st.CHEXP[0].TxDCS = 150; });
    EXPECT_EQ(rig.Find<QComboBox>("cmbDCS_0")->currentText(), QString::fromStdString(DcsText(150)));
    rig.Find<QCheckBox>("chkCScan")->toggle();
    rig.Find<QComboBox>("cmbCTCSS_1")->setCurrentIndex(2);
    EXPECT_EQ(rig.First().TxDCS, 150);
}

TEST(ChannelEditor, LowPowerOnlyDisablesPowerUp) {
    EditorRig rig("L1");
    auto* low = rig.Find<QCheckBox>("chkCTXOnly");
    auto* up = rig.Find<QCheckBox>("chkCTXPower");
    EXPECT_TRUE(up->isEnabled());
    low->setChecked(true);
    EXPECT_TRUE(rig.First().LowPower);
    EXPECT_EQ(rig.First().TXPower, 1);
    EXPECT_FALSE(up->isEnabled());
    low->setChecked(false);
    EXPECT_EQ(rig.First().TXPower, 3);
    EXPECT_TRUE(up->isEnabled());
}

TEST(ChannelEditor, UntickingEnableDropsTheTreeMark) {
    EditorRig rig("L1");
    auto* tree = rig.Find<QTreeWidget>("tvTreeView");
    EXPECT_EQ(Caption(tree, "L1"), "1[Enable]");
    rig.Find<QCheckBox>("chkCEnable")->setChecked(false);
    EXPECT_FALSE(rig.First().Enable);
    EXPECT_EQ(Caption(tree, "L1"), "1");
    EXPECT_FALSE(rig.Find<QRadioButton>("optCWide_0")->isEnabled());
}

// Gives the focus as a click does, and lets the focus events run.
void Focus(QWidget* w) {
    w->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
}

void ActivateWindow(MainWindow& w) {
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

TEST(ChannelEditor, ARefusedFrequencyStaysToBeMendedAndOnlyTheTreeRestoresIt) {
    EditorRig rig("L1");
    ActivateWindow(*rig.w);
    auto* rx = rig.Find<FieldEdit>("txtCRF");
    Type(rx, "999.0000");
    Focus(rig.Find<FieldEdit>("txtCTag"));  // moving on inside the screen validates
    ASSERT_EQ(rig.prompt.shown().size(), 1u);
    EXPECT_EQ(rig.prompt.shown()[0], FrequencyErrorMessage(Field::RxFrequency, rig.session.model));
    EXPECT_EQ(rig.prompt.shown()[0].caption, "Rx frequency");
    EXPECT_EQ(rx->text(), "999.0000") << "the typing is left to mend";
    EXPECT_TRUE(rx->hasFocus()) << "the focus goes back to the field";
    EXPECT_DOUBLE_EQ(rig.First().Rxfreq, 140.0);
    EXPECT_FALSE(rig.w->ValidateActiveField()) << "a command asks again";
    EXPECT_EQ(rig.prompt.shown().size(), 2u);

    Focus(rig.Find<QTreeWidget>("tvTreeView"));  // a click in the tree restores
    EXPECT_EQ(rx->text(), "140.0000");
    EXPECT_EQ(rig.prompt.shown().size(), 2u) << "silently";
    EXPECT_TRUE(rig.w->ValidateActiveField());
    EXPECT_DOUBLE_EQ(rig.First().Rxfreq, 140.0);
}

TEST(FieldEdits, ARefusedKeyOverASelectionChangesNothing) {
    const struct {
        const char* key;
        const char* field;
        char refused;
    } cases[] = {{"L1", "txtCRF", 'x'}, {"L1", "txtCTag", '#'}, {"L1", "txtCN_0", '#'}, {"ATIS", "txtATIScode", 'a'}};
    EditorRig rig("L1", [](RadioSettings& st) {
        st.CHEXP[0].ChTag = "HARBOUR";
        st.Atis.AtisCode = "1234567890";
    });
    for (const auto& c : cases) {
        ASSERT_TRUE(rig.w->SelectNodeByKey(c.key));
        auto* field = rig.Find<FieldEdit>(c.field);
        field->setFocus();
        field->selectAll();
        const QString before = field->text();
        ASSERT_FALSE(before.isEmpty()) << c.field;
        QTest::keyClick(field, c.refused);
        EXPECT_EQ(field->text(), before) << c.field;
        EXPECT_EQ(field->selectedText(), before) << c.field << ": the selection stays";
        EXPECT_FALSE(field->changed()) << c.field;
    }
    EXPECT_TRUE(rig.w->ValidateActiveField());
    EXPECT_EQ(rig.First().ChTag, "HARBOUR");
    EXPECT_DOUBLE_EQ(rig.First().Rxfreq, 140.0);
    EXPECT_EQ(rig.session.settings.Atis.AtisCode, "1234567890");
    EXPECT_FALSE(rig.editor.dataChanged);
}

TEST(ChannelEditor, NoFrequencyShowsItsFormAndTypingReplacesIt) {
    EditorRig rig("L1", [](RadioSettings& st) { st.CHEXP[0].Txfreq = 0; });
    auto* tx = rig.Find<FieldEdit>("txtCTF");
    EXPECT_EQ(tx->text(), "---.----");
    tx->setFocus();
    tx->end(false);  // a click behind the text: no selection
    QTest::keyClicks(tx, "156.05");
    EXPECT_EQ(tx->text(), "156.05");
    EXPECT_TRUE(rig.w->ValidateActiveField());
    EXPECT_DOUBLE_EQ(rig.First().Txfreq, 156.05);
    EXPECT_EQ(tx->text(), "156.0500");
    tx->selectAll();
    QTest::keyClick(tx, Qt::Key_Delete);
    EXPECT_TRUE(rig.w->ValidateActiveField());
    EXPECT_EQ(rig.First().Txfreq, 0);
    EXPECT_EQ(tx->text(), "---.----");
}

TEST(ChannelEditor, AnEnabledChannelNeedsAReceiveFrequencyAndANumber) {
    EditorRig rig("L1", [](RadioSettings& st) { st.CHEXP[0].CHDisplayL = ""; });
    EXPECT_FALSE(rig.w->ValidateActiveField());
    ASSERT_EQ(rig.prompt.shown().size(), 1u);
    EXPECT_EQ(rig.prompt.shown()[0],
              ChannelIncompleteMessage("LMR Channel 1", rig.Find<FieldEdit>("txtCRF")->text().toStdString(), ""));

    Type(rig.Find<FieldEdit>("txtCN_0"), "5");
    EXPECT_EQ(rig.First().CHDisplayL, "5 ") << "padded as the radio and the report show it";
    EXPECT_TRUE(rig.w->ValidateActiveField());
    auto* rx = rig.Find<FieldEdit>("txtCRF");
    rx->setFocus();
    rx->selectAll();
    QTest::keyClick(rx, Qt::Key_Delete);
    EXPECT_FALSE(rig.w->ValidateActiveField());
    EXPECT_EQ(rig.First().Rxfreq, 0);

    // Elsewhere in the window, the radio still does not get the channel.
    ASSERT_TRUE(rig.w->SelectNodeByKey("General"));
    PressOkWhenOpen();  // should the dialog open after all, the test fails, not hangs
    rig.w->TransferProgram();
    QApplication::processEvents();  // the unused press goes now, not in a later test
    EXPECT_TRUE(rig.transfer.modes.empty());
    ASSERT_EQ(rig.prompt.shown().size(), 3u);
    EXPECT_NE(rig.prompt.shown()[2].detail.find("LMR CH 1"), std::string::npos) << rig.prompt.shown()[2].detail;
}

TEST(ChannelEditor, ViewingAChannelWritesNothing) {
    for (const bool enabled : {false, true}) {
        EditorRig rig("L1", [enabled](RadioSettings& st) {
            st.CHEXP[0].Enable = enabled;
            st.CHEXP[0].Txfreq = 155.0;
        });
        EXPECT_FALSE(rig.First().Narrow) << enabled;
        EXPECT_FALSE(rig.editor.dataChanged) << enabled;
        // The rule's lock shows only on the channels it names: enabled ones.
        EXPECT_EQ(rig.Find<QRadioButton>("optCWide_1")->isChecked(), enabled);
        EXPECT_FALSE(rig.Find<QRadioButton>("optCWide_0")->isEnabled());
    }
}


TEST(ChannelEditor, TheTransmitBoxShowsOneStateThroughFileAndImage) {
    // An LMR channel ticked, an RG channel unticked.
    for (const auto& [key, ticked] : {std::pair{"L1", true}, {"R2", false}}) {
        Rig rig(true);  // debug mode: the image file commands
        MainWindow& w = rig.Start();
        RadioSettings& st = rig.session.settings;
        st.UsableGroups[kLmrGroup].Enable = true;
        for (ChannelRecord* ch : {&st.CHEXP[0], &st.CHRG[1]}) {
            ch->Enable = true;
            ch->LmrExp = ch == &st.CHEXP[0];
            ch->Rxfreq = ch->Txfreq = 140.5;
            ch->CHDisplayL = "1 ";
            SetTransmit(*ch, !ticked);
        }
        w.BuildTree();
        const auto box = [&rig, key = key] {
            EXPECT_TRUE(rig.window->SelectNodeByKey(key));
            return rig.Find<QCheckBox>("chkCTXEnable");
        };
        ASSERT_EQ(box()->isChecked(), !ticked);
        box()->setChecked(ticked);
        rig.files.names = {rig.dir / "tx.dat", rig.dir / "tx.dat"};
        ASSERT_TRUE(w.FileSaveAs());
        w.FileNew();  // each read starts from new data
        ASSERT_TRUE(w.FileOpen());
        EXPECT_EQ(box()->isChecked(), ticked) << key << " reopened";
        rig.files.names = {rig.dir / "tx.hex", rig.dir / "tx.hex"};
        w.SaveImage();
        w.FileNew();
        w.OpenImage();
        EXPECT_EQ(box()->isChecked(), ticked) << key << " as the radio keeps it";
    }
}

TEST(ChannelEditor, RgDisplayTextsRebuildTheCaption) {
    EditorRig rig("R2");
    auto* left = rig.Find<FieldEdit>("txtCN_0");
    Type(left, "A");
    EXPECT_EQ(rig.session.settings.CHRG[1].CHDisplayL, "A ") << "padded as the radio shows it";
    EXPECT_TRUE(Caption(rig.Find<QTreeWidget>("tvTreeView"), "R2").startsWith("RG2[A"));
}

TEST(ChannelEditor, Model5EnableClaimsTheChannelAndUnlocksItsGroupBoxes) {
    EditorRig rig("E1", [](RadioSettings& st) {
        st.UsableGroups[kExpGroup].Enable = true;
        st.CHEXP[0].UsaGroup = true;
    });
    ASSERT_EQ(rig.session.model, 5);
    auto* tree = rig.Find<QTreeWidget>("tvTreeView");
    auto* enable = rig.Find<QCheckBox>("chkCEnable");
    auto* usa = rig.Find<QCheckBox>("chkCGroup_0");
    EXPECT_FALSE(enable->isChecked()) << "channel 1 is an LMR channel";
    EXPECT_FALSE(usa->isEnabled()) << "an LMR channel is offered in no marine group";
    EXPECT_TRUE(usa->isChecked()) << "not enabled under this node: the flag as stored";

    enable->setChecked(true);
    EXPECT_FALSE(rig.First().LmrExp);
    EXPECT_EQ(Caption(tree, "E1"), "1[Enable]");
    EXPECT_EQ(Caption(tree, "L1"), "1") << "both views of the record follow";
    ASSERT_TRUE(usa->isEnabled());
    usa->setChecked(false);
    EXPECT_FALSE(rig.First().UsaGroup);
    EXPECT_TRUE(rig.editor.dataChanged);
}

TEST(MarineChannelForm, WritesTheMarineRecordWithItsFrequenciesLocked) {
    MarineRig rig(3);
    ChannelRecord& ch = rig.session.settings.CHUSA[1];
    ch.Duplex = 0;
    SetTransmit(ch, false);
    rig.w->BuildTree();
    ASSERT_EQ(NodeKeys(rig.Find<QTreeWidget>("tvTreeView"), "PU"), (QStringList{"PU1", "PU2", "PU3"}));
    ASSERT_TRUE(rig.w->SelectNodeByKey("PU2"));
    auto* rx = rig.Find<FieldEdit>("txtCRF");
    EXPECT_FALSE(rx->isEnabled());
    EXPECT_FALSE(rig.Find<QCheckBox>("chkCEnable")->isVisible()) << "deleting is the grid's";
    EXPECT_FALSE(rig.Find<QComboBox>("cmbCTCSS_0")->isVisible());
    const QString ship = rx->text();

    rig.Find<QCheckBox>("chkCDup")->setChecked(true);
    EXPECT_EQ(ch.Duplex, 1);
    EXPECT_NE(rx->text(), ship) << "the coast frequency is shown";
    rig.Find<QCheckBox>("chkCScan")->setChecked(!ch.ScanMemory);
    EXPECT_EQ(ch.ScanMemory, rig.Find<QCheckBox>("chkCScan")->isChecked());
    rig.Find<QCheckBox>("chkCTXEnable")->setChecked(true);
    EXPECT_TRUE(ch.TxEnable);
    EXPECT_EQ(ch.TXPower, 3);
    EXPECT_TRUE(rig.editor.dataChanged);
}

TEST(MarineGrid, TheEditPanelKeepsTheRowInViewAndListsOpenAtAFewEntries) {
    MarineRig rig(120);
    rig.w->resize(800, 600);
    QApplication::processEvents();
    rig.grid->setCurrentCell(110, 0);
    rig.grid->scrollToItem(rig.grid->item(110, 0), QAbstractItemView::PositionAtBottom);
    rig.Click("cmdEdit");
    QTest::qWait(20);
    const QRect row = rig.grid->visualItemRect(rig.grid->item(110, 0));
    EXPECT_TRUE(rig.grid->viewport()->rect().contains(row)) << "row at " << row.y();

    auto* base = rig.Find<QComboBox>("cmbBaseCh");
    base->showPopup();
    QWidget* popup = base->view()->window();
    EXPECT_LT(popup->height(), 400) << "a list of " << base->count() << " entries";
    base->hidePopup();
}

TEST(StatusHints, FocusOnAChannelControlShowsItsHint) {
    struct Case {
        const char* key;
        const char* control;
        const char* hint;
    } cases[] = {
        {"PR", "grdChannels", text::kGridHint},
        {"PW", "chkDEnable_0", text::kWeatherEnableHint},
        {"PW", "chkDScan_0", text::kCheckBoxHint},
        {"R1", "cmbScramble", text::kListHint},
    };
    Rig rig;
    MainWindow& w = rig.Start();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* status = rig.Find<QLabel>("sbStatusBar");
    for (const Case& c : cases) {
        ASSERT_TRUE(w.SelectNodeByKey(c.key));
        auto* control = rig.Find<QWidget>(c.control);
        control->setEnabled(true);
        control->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(status->text(), c.hint) << c.control;
    }
}

TEST(WeatherScreen, EnableGovernsScanAndName) {
    Rig rig;
    MainWindow& w = rig.Start();
    rig.session.settings.CHWX[0].Enable = false;
    ASSERT_TRUE(w.SelectNodeByKey("PW"));
    auto* scan = rig.Find<QCheckBox>("chkDScan_0");
    EXPECT_FALSE(scan->isEnabled());
    rig.Find<QCheckBox>("chkDEnable_0")->setChecked(true);
    EXPECT_TRUE(rig.session.settings.CHWX[0].Enable);
    EXPECT_TRUE(scan->isEnabled());
    scan->setChecked(!rig.session.settings.CHWX[0].ScanMemory);
    EXPECT_EQ(rig.session.settings.CHWX[0].ScanMemory, scan->isChecked());
}

TEST(ChannelGrids, EnterOnARowJumpsToItsChannel) {
    Rig rig;
    MainWindow& w = rig.Start();
    ASSERT_TRUE(w.SelectNodeByKey("PR"));
    auto* grid = rig.Find<QTableWidget>("grdChannels");
    ASSERT_EQ(grid->rowCount(), kRgChannels);
    grid->setCurrentCell(3, 0);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(w.CurrentKey(), "R4");
}

TEST(ReportPreview, ShowsTheReportAndSavesItWithOneLineBreak) {
    Rig rig;
    MainWindow& w = rig.Start();
    w.PrintToFile();
    auto* preview = rig.Find<ReportPreview>("frmPrn");
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->text(), ReportPreview::kWaitText);
    for (int i = 0; i < 200 && !preview->built(); ++i) QTest::qWait(5);
    ASSERT_TRUE(preview->built());
    QString expected = QString::fromStdString(BuildReport(rig.session));
    expected.replace("\r\n", "\n");
    EXPECT_EQ(preview->text(), expected);

    const auto path = rig.dir / "report.txt";
    rig.files.names.push_back(path);
    ASSERT_TRUE(preview->Save());
    EXPECT_EQ(ReadText(path), BuildReport(rig.session) + "\r\n");
    EXPECT_EQ(ReadText(path), ReportFileText(rig.session));

    // Cancel writes nothing; a failure names the model in its caption.
    const auto second = rig.dir / "second.txt";
    EXPECT_FALSE(preview->Save());
    EXPECT_FALSE(std::filesystem::exists(second));
    rig.files.names.push_back(rig.dir / "missing" / "report.txt");
    EXPECT_FALSE(preview->Save());
    ASSERT_EQ(rig.prompt.shown().size(), 1u);
    EXPECT_EQ(rig.prompt.shown()[0].caption, rig.session.ModelName() + " TLN58");
    EXPECT_EQ(rig.prompt.shown()[0].icon, MessageIcon::Exclamation);
    preview->close();
}

}  // namespace
}  // namespace kv::test

namespace kv::test {
namespace {

// Runs of blanks as one space: text extraction does not keep the spacing.
std::string Squeeze(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t';
        if (blank && !out.empty() && out.back() == ' ') continue;
        out += blank ? ' ' : c;
    }
    return out;
}

std::string PdfText(const std::filesystem::path& pdf) {
    const auto text = pdf.string() + ".txt";
    const std::string command = "pdftotext -layout '" + pdf.string() + "' '" + text + "'";
    if (std::system(command.c_str()) != 0) return {};
    return Squeeze(ReadText(text));
}

// The printed pages read back from a PDF: every page's header, then its banner, in order.
void ExpectPrintedPagesInOrder(const RadioSession& session, const std::filesystem::path& pdf) {
    const std::string text = PdfText(pdf);
    ASSERT_FALSE(text.empty()) << "pdftotext read nothing";
    size_t at = 0;
    int page = 1;
    for (const std::string& content : PrintedPages(session)) {
        const std::string header = Squeeze(PrintedPageHeader(session, page++));
        const size_t headerAt = text.find(header, at);
        ASSERT_NE(headerAt, std::string::npos) << header;
        const size_t bannerStart = content.find("#####");
        const std::string banner = Squeeze(content.substr(bannerStart, content.find("\r\n", bannerStart) - bannerStart));
        at = text.find(banner, headerAt);
        ASSERT_NE(at, std::string::npos) << banner;
    }
    EXPECT_EQ(text.find("WX Channel") == std::string::npos, session.model == 6);
}

TEST(ExportPdf, EveryPageCarriesItsBannerAndHeaderInOrder) {
    for (const int model : {5, 6}) {
        Rig rig;
        MainWindow& w = rig.Start();
        EXPECT_FALSE(w.ExportPdf()) << "cancelled";
        rig.files.names.push_back(rig.dir / "missing" / "report.pdf");
        EXPECT_FALSE(w.ExportPdf());
        ASSERT_EQ(rig.prompt.shown().size(), 1u) << "the failure, and nothing on the cancel";
        EXPECT_EQ(rig.prompt.shown()[0].caption, rig.session.ModelName() + " TLN58");
        rig.session.model = model;
        rig.session.settings.UsableGroups[kUsaGroup].Enable = true;
        const auto path = rig.dir / "report.pdf";
        rig.files.names.push_back(path);
        ASSERT_TRUE(w.ExportPdf()) << model;
        ExpectPrintedPagesInOrder(rig.session, path);
    }
}

TEST(FilePrint, PrintsOnThePrinterChosenElseSaysSoAndLeavesTheDataAlone) {
    Rig rig;
    MainWindow& w = rig.Start();
    const RadioSettings before = rig.session.settings;
    EXPECT_FALSE(w.Print()) << "cancelling the dialog prints nothing";
    rig.printers.pdf = rig.dir / "printed.pdf";
    ASSERT_TRUE(w.Print());
    EXPECT_NE(PdfText(*rig.printers.pdf).find(Squeeze(PrintedPageHeader(rig.session, 1))), std::string::npos);
    EXPECT_TRUE(rig.prompt.shown().empty());
    rig.printers.pdf = rig.dir / "missing" / "printed.pdf";
    EXPECT_FALSE(w.Print());
    ASSERT_EQ(rig.prompt.shown().size(), 1u);
    EXPECT_EQ(rig.prompt.shown()[0].text, "The printer could not be started.");
    EXPECT_EQ(rig.prompt.shown()[0].caption, rig.session.ModelName() + " TLN58");
    EXPECT_FALSE(rig.editor.dataChanged);
    EXPECT_TRUE(before == rig.session.settings);
}

}  // namespace
}  // namespace kv::test
