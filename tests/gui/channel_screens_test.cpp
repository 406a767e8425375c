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
#include "model/settings_fields.h"
#include "print/report_printer.h"
#include "report/converters.h"
#include "report/report.h"
#include "rules/channel_lists.h"
#include "support/sessions.h"
#include "util/texts.h"

namespace kv::test {
namespace {

using UsableScreen = Window;
using Screens = Window;
using StatusHints = Window;
using WeatherScreen = Window;
using ChannelGrids = Window;
using ReportPreviewWindow = Window;
using ExportPdf = Window;
using FilePrint = Window;

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

TEST_F(UsableScreen, SwitchingUsaOffUndoingItAndOnRebuildsTheTreeAtOnce) {
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

// Each control writes its field at once and marks the data changed; showing a screen writes nothing.
TEST_F(Screens, EachControlWritesItsField) {
    const struct {
        const char* node;
        const char* control;
        int value;  // the list's entry, or the box ticked
        const char* field;
        const char* written;
    } cases[] = {
        {"Usable", "cmbUsablePri_1", 3, "Usable CH Group Setup[1].Priority CH", "3"},
        {"Usable", "cmbUsablePri_1", 0, "Usable CH Group Setup[1].Priority CH", "-1"},
        {"Usable", "cmbUsableTot_1", 1, "Usable CH Group Setup[1].TX TOT", "true"},
        {"Usable", "cmbUsableSts_1", 1, "Usable CH Group Setup[1].Status Icon", "true"},
        {"Common", "cmbCommonWeater", 0, "Common Setup.Weater", "0"},
        {"Common", "cmbCommonWeater", 1, "Common Setup.Weater", "3"},
        {"Common", "cmbCommonScan", 0, "Common Setup.SCAN", "false"},
        {"PW", "chkDScan_0", 1, "CHWX[0].ScanMemory", "true"},
        {"PW", "chkDEnable_0", 0, "CHWX[0].Enable", "false"},
        {"PU2", "chkCDup", 1, "CHUSA[1].Duplex", "1"},
        {"PU2", "chkCScan", 1, "CHUSA[1].ScanMemory", "true"},
        {"PU2", "chkCTXEnable", 0, "CHUSA[1].TXPower", "0"},
        {"PU2", "chkCTXEnable", 1, "CHUSA[1].TXPower", "3"},
        {"L1", "cmbDCS_0", 10, "CHEXP[0].TxDCS", "10"},
        {"L1", "cmbCTCSS_1", 5, "CHEXP[0].RxCTCSS", "5"},
        {"L1", "chkCTXOnly", 1, "CHEXP[0].TXPower", "1"},
        {"L1", "chkCEnable", 0, "CHEXP[0].Enable", "false"},
    };
    UseLmrChannel(rig.session.settings);
    w.BuildTree();
    for (const auto& c : cases) {
        rig.editor.dataChanged = false;
        ASSERT_TRUE(w.SelectNodeByKey(c.node)) << c.node;
        EXPECT_FALSE(rig.editor.dataChanged) << c.node;
        auto* control = rig.Find<QWidget>(c.control);
        if (auto* list = qobject_cast<QComboBox*>(control)) list->setCurrentIndex(c.value);
        else static_cast<QCheckBox*>(control)->setChecked(c.value);
        EXPECT_EQ(SettingText(FindSetting(rig.session, c.field).value), c.written) << c.control;
        EXPECT_TRUE(rig.editor.dataChanged) << c.control;
    }
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

// Enter or Edit on a row opens the panel on the row's own channel, also past a
// disabled record ([CHUSA2] Enable=0 in a file); Cancel leaves the list alone,
// Save writes that record only.
TEST(MarineGrid, EnterOrEditOpensTheRowsChannelThatCancelLeavesAndSaveWrites) {
    MarineRig rig(8);
    rig.session.settings.CHUSA[2].Enable = false;
    rig.session.settings.CHUSA[3].ChTag = "SAFTY";
    rig.w->SelectNodeByKey("PU");
    RadioSettings expected = rig.session.settings;
    rig.grid->setCurrentCell(2, 0);
    QTest::keyClick(rig.grid, Qt::Key_Return);
    EXPECT_TRUE(rig.Find<QWidget>("pictAddEdit")->isVisibleTo(rig.w));
    auto* name = rig.Find<FieldEdit>("txtChName");
    EXPECT_EQ(name->text(), "SAFTY");
    name->setText("WORKING");
    rig.Click("cmdCancel");
    EXPECT_EQ(rig.session.settings, expected) << "Cancel leaves the list alone";
    EXPECT_FALSE(rig.editor.dataChanged);
    rig.Click("cmdEdit");
    EXPECT_EQ(name->text(), "SAFTY") << "filled from the record again";
    name->setText("WORKING");
    rig.Click("cmdSave");
    expected.CHUSA[3].ChTag = "WORKING";
    EXPECT_EQ(rig.session.settings, expected) << "the row's own record; the disabled one stays as it was";
    EXPECT_EQ(rig.grid->rowCount(), 7);
}

// The Delete key removes the selected rows as one step, the button the current row;
// a delete that takes the priority channel says that the priority is Off.
TEST(MarineGrid, DeleteRemovesTheSelectedRowsAsOneStep) {
    MarineRig rig(4);
    rig.session.settings.UsableGroups[kUsaGroup].PriorityCh = MarineMemoryIndex(2);
    for (const int row : {0, 2})
        rig.grid->selectionModel()->select(rig.grid->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    rig.grid->setFocus();
    QTest::keyClick(rig.grid, Qt::Key_Delete);
    EXPECT_EQ(rig.session.settings.CHUSA[0].BaseCh, 2);
    EXPECT_EQ(rig.session.settings.CHUSA[1].BaseCh, 4);
    EXPECT_EQ(rig.grid->rowCount(), 2) << "the grid shows it at once";
    EXPECT_EQ(rig.Find<QAction>("mnuEditUndo")->text(), "&Undo Delete USA channels");
    EXPECT_TRUE(rig.editor.dataChanged);
    EXPECT_EQ(TextsOf(rig.prompt), test::Texts{"CH 03 was the USA priority channel: the priority is now Off."});
    EXPECT_EQ(rig.session.settings.UsableGroups[kUsaGroup].PriorityCh, kNoPriority);
    rig.grid->setCurrentCell(1, 0);
    rig.Click("cmdDelete");
    EXPECT_EQ(TextsOf(rig.prompt).size(), 1u) << "no priority, nothing more to say";
    EXPECT_EQ(ListedChannelCount(rig.session.settings.CHUSA), 1);
    EXPECT_EQ(rig.grid->rowCount(), 1);
}

// The window, active, on the screen of `key` with land-mobile channel 1 in use.
struct EditorRig : Rig {
    MainWindow* w = nullptr;
    explicit EditorRig(const QString& key, std::function<void(RadioSettings&)> prepare = {}) {
        w = &Start();
        QApplication::setActiveWindow(w);
        UseLmrChannel(session.settings);
        if (prepare) prepare(session.settings);
        w->BuildTree();
        EXPECT_TRUE(w->SelectNodeByKey(key));
    }
    ChannelRecord& First() { return session.settings.CHEXP[0]; }
};

// A tone of one kind clears the other kind of its direction: the lists show it.
TEST(ChannelEditor, AToneChoiceClearsTheOtherKind) {
    EditorRig rig("L1", [](RadioSettings& st) { st.CHEXP[0].TxDCS = 10; });
    auto* dcs = rig.Find<QComboBox>("cmbDCS_0");
    rig.Find<QComboBox>("cmbCTCSS_0")->setCurrentIndex(5);
    EXPECT_EQ(dcs->currentIndex(), 0) << "the list shows the cleared code";
    dcs->setCurrentIndex(3);
    EXPECT_EQ(rig.Find<QComboBox>("cmbCTCSS_0")->currentIndex(), 0);
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
    EXPECT_FALSE(up->isEnabled());
    low->setChecked(false);
    EXPECT_TRUE(up->isEnabled());
}

TEST(ChannelEditor, UntickingEnableDropsTheTreeMark) {
    EditorRig rig("L1");
    auto* tree = rig.Find<QTreeWidget>("tvTreeView");
    EXPECT_EQ(Caption(tree, "L1"), "1[Enable]");
    rig.Find<QCheckBox>("chkCEnable")->setChecked(false);
    EXPECT_EQ(Caption(tree, "L1"), "1");
    EXPECT_FALSE(rig.Find<QRadioButton>("optCWide_0")->isEnabled());
}

TEST(ChannelEditor, ARefusedFrequencyStaysToBeMendedAndOnlyTheTreeRestoresIt) {
    EditorRig rig("L1");
    auto* rx = rig.Find<FieldEdit>("txtCRF");
    TypeInto(rx, "999.0000", rig.Find<FieldEdit>("txtCTag"));  // moving on inside the screen validates
    ASSERT_EQ(rig.prompt.shown().size(), 1u);
    EXPECT_EQ(rig.prompt.shown()[0], FrequencyErrorMessage(Field::RxFrequency, rig.session.model));
    EXPECT_EQ(rig.prompt.shown()[0].caption, "Rx frequency");
    EXPECT_EQ(rx->text(), "999.0000") << "the typing is left to mend";
    EXPECT_TRUE(rx->hasFocus()) << "the focus goes back to the field";
    EXPECT_DOUBLE_EQ(rig.First().Rxfreq, 140.0);
    EXPECT_FALSE(rig.w->ValidateActiveField()) << "a command asks again";
    EXPECT_EQ(rig.prompt.shown().size(), 2u);

    rig.Find<QTreeWidget>("tvTreeView")->setFocus(Qt::MouseFocusReason);  // a click in the tree restores
    QApplication::processEvents();
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
        const QString before = field->text();
        ASSERT_FALSE(before.isEmpty()) << c.field;
        TypeInto(field, QString(c.refused));
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

    TypeInto(rig.Find<FieldEdit>("txtCN_0"), "5");
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


// The transmit box of a land-mobile channel that transmits and of an RG
// channel as a read of the radio leaves it (TxEnable alone tells): the box
// shows the record and writes it.
TEST(ChannelEditor, TheTransmitBoxShowsAndWritesItsRecord) {
    for (const bool rg : {false, true}) {
        EditorRig rig(rg ? "R2" : "L1", [](RadioSettings& st) {
            ChannelRecord& silent = st.CHRG[1];
            silent.Enable = true;
            silent.Rxfreq = silent.Txfreq = 140.5;
            silent.TxEnable = false;
            silent.TXPower = 0;
        });
        const ChannelRecord& ch = rg ? rig.session.settings.CHRG[1] : rig.First();
        auto* box = rig.Find<QCheckBox>("chkCTXEnable");
        ASSERT_EQ(box->isChecked(), !rg);
        box->setChecked(rg);
        EXPECT_EQ(ch.TxEnable, rg);
        EXPECT_EQ(ch.TxDisabled, !rg);
        EXPECT_EQ(ch.TXPower, rg ? 3 : 0);
    }
}

TEST(ChannelEditor, RgDisplayTextsRebuildTheCaption) {
    EditorRig rig("R2");
    TypeInto(rig.Find<FieldEdit>("txtCN_0"), "A");
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

TEST(MarineChannelForm, TheFrequenciesAreLockedAndFollowTheDuplexBox) {
    MarineRig rig(3);
    rig.session.settings.CHUSA[1].Duplex = 0;
    rig.w->BuildTree();
    ASSERT_EQ(NodeKeys(rig.Find<QTreeWidget>("tvTreeView"), "PU"), (QStringList{"PU1", "PU2", "PU3"}));
    ASSERT_TRUE(rig.w->SelectNodeByKey("PU2"));
    auto* rx = rig.Find<FieldEdit>("txtCRF");
    EXPECT_FALSE(rx->isEnabled());
    EXPECT_FALSE(rig.Find<QCheckBox>("chkCEnable")->isVisible()) << "deleting is the grid's";
    EXPECT_FALSE(rig.Find<QComboBox>("cmbCTCSS_0")->isVisible());
    const QString ship = rx->text();

    rig.Find<QCheckBox>("chkCDup")->setChecked(true);
    EXPECT_NE(rx->text(), ship) << "the coast frequency is shown";
}

TEST(MarineGrid, TheEditPanelKeepsTheRowInViewAndListsOpenAtAFewEntries) {
    MarineRig rig(120);
    rig.w->resize(800, 600);
    QApplication::processEvents();
    rig.grid->setCurrentCell(110, 0);
    rig.grid->scrollToItem(rig.grid->item(110, 0), QAbstractItemView::PositionAtBottom);
    rig.Click("cmdEdit");
    const auto inView = [&] { return rig.grid->viewport()->rect().contains(rig.grid->visualItemRect(rig.grid->item(110, 0))); };
    EXPECT_TRUE(QTest::qWaitFor(inView)) << "row at " << rig.grid->visualItemRect(rig.grid->item(110, 0)).y();

    auto* base = rig.Find<QComboBox>("cmbBaseCh");
    base->showPopup();
    QWidget* popup = base->view()->window();
    EXPECT_LT(popup->height(), 400) << "a list of " << base->count() << " entries";
    base->hidePopup();
}

TEST_F(StatusHints, FocusOnAChannelControlShowsItsHint) {
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

TEST_F(WeatherScreen, EnableGovernsScan) {
    rig.session.settings.CHWX[0].Enable = false;
    ASSERT_TRUE(w.SelectNodeByKey("PW"));
    auto* scan = rig.Find<QCheckBox>("chkDScan_0");
    EXPECT_FALSE(scan->isEnabled());
    rig.Find<QCheckBox>("chkDEnable_0")->setChecked(true);
    EXPECT_TRUE(scan->isEnabled());
}

TEST_F(ChannelGrids, EnterOnARowJumpsToItsChannel) {
    ASSERT_TRUE(w.SelectNodeByKey("PR"));
    auto* grid = rig.Find<QTableWidget>("grdChannels");
    ASSERT_EQ(grid->rowCount(), kRgChannels);
    grid->setCurrentCell(3, 0);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(w.CurrentKey(), "R4");
}

TEST_F(ReportPreviewWindow, ShowsTheReportAndSavesItWithOneLineBreak) {
    w.PrintToFile();
    auto* preview = rig.Find<ReportPreview>("frmPrn");
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->text(), ReportPreview::kWaitText);
    ASSERT_TRUE(QTest::qWaitFor([preview] { return preview->built(); }));
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

TEST_F(ExportPdf, EveryPageCarriesItsBannerAndHeaderInOrder) {
    EXPECT_FALSE(w.ExportPdf()) << "cancelled";
    rig.files.names.push_back(rig.dir / "missing" / "report.pdf");
    EXPECT_FALSE(w.ExportPdf());
    ASSERT_EQ(rig.prompt.shown().size(), 1u) << "the failure, and nothing on the cancel";
    EXPECT_EQ(rig.prompt.shown()[0].caption, rig.session.ModelName() + " TLN58");
    for (const int model : {5, 6}) {
        rig.session.model = model;
        rig.session.settings.UsableGroups[kUsaGroup].Enable = true;
        const auto path = rig.dir / "report.pdf";
        rig.files.names.push_back(path);
        ASSERT_TRUE(w.ExportPdf()) << model;
        ExpectPrintedPagesInOrder(rig.session, path);
    }
}

TEST_F(FilePrint, PrintsOnThePrinterChosenElseSaysSoAndLeavesTheDataAlone) {
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
