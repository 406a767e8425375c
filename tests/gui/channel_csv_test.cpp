// Copy and paste of grid rows and File > Export/Import
// Channels (CSV), through the window's keys and menu.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLocale>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor/channel_csv.h"
#include "gui/gui_rig.h"
#include "report/report.h"
#include "rules/channel_lists.h"
#include "support/sessions.h"
#include "util/delimited_text.h"

namespace kv::test {
namespace {

using ::testing::HasSubstr;

struct GridRig : Rig {
    QTableWidget* grid = nullptr;
    explicit GridRig(const QString& key, const char* gridName) {
        Start();
        session.settings.UsableGroups[kLmrGroup].Enable = true;
        window->BuildTree();
        window->SelectNodeByKey(key);
        grid = Find<QTableWidget>(gridName);
    }
    void SelectRows(std::initializer_list<int> rows) {
        grid->clearSelection();
        for (int row : rows)
            grid->selectionModel()->select(grid->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        grid->setCurrentCell(*rows.begin(), 0, QItemSelectionModel::NoUpdate);
        grid->setFocus();
    }
    void Press(QKeySequence::StandardKey key) {
        const QKeySequence sequence(key);
        QTest::keyClick(grid, Qt::Key(sequence[0].key()), sequence[0].keyboardModifiers());
    }
    void Trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }
};

TEST(GridRows, SpreadsheetRowsPasteIntoAMarineListAsOneChange) {
    GridRig rig("PU", "grdMarine");
    const RadioSession before = rig.session;
    const std::string sheet = "CH\tRX(MHz)\tTX(MHz)\tTX\tLOW\tUP\tDUP\tMEM\tVS\tCH Name\n"
                              "16\t156.800\t156.800\tTX\t---\t--\tTX SIMP\tMEM\t--\tCALL\n"
                              "1019\t\t\tTX\tlow\t--\tRX SIMP\t---\t--\t\n";
    QGuiApplication::clipboard()->setText(QString::fromStdString(sheet));
    rig.SelectRows({1});
    rig.Press(QKeySequence::Paste);
    const ChannelChange expected = PasteChannelRows(before, ChannelList::Usa, 1, sheet);
    ASSERT_TRUE(expected.settings);
    EXPECT_EQ(rig.session.settings, *expected.settings) << "the rows go in after the selection";
    EXPECT_EQ(rig.grid->rowCount(), ListedChannelCount(before.settings.CHUSA) + 2) << "the grid shows the paste at once";
    EXPECT_TRUE(rig.editor.dataChanged);

    // A bad cell: the whole paste is refused with every reason, nothing changes.
    const RadioSettings pasted = rig.session.settings;
    QGuiApplication::clipboard()->setText("16\t\t\tTX\t---\t--\tTX SIMP\tyes\t--\t\n16C\t\t\tTX\t---\t--\tTX SIMP\t---\t--\t\n");
    rig.Press(QKeySequence::Paste);
    ASSERT_EQ(rig.prompt.shown().size(), 1u);
    EXPECT_THAT(rig.prompt.shown()[0].text, HasSubstr("Nothing was pasted.\r\nrow 1, column MEM"));
    EXPECT_THAT(rig.prompt.shown()[0].text, HasSubstr("\r\nrow 2, column CH"));
    EXPECT_EQ(rig.session.settings, pasted);
}

TEST(GridRows, CopiedLandMobileRowsPasteOverTheSelectedOnes) {
    GridRig rig("LMRChannel", "grdChannels");
    UseLmrChannel(rig.session.settings, 1, 157.013).ChTag = "HARBOUR";
    rig.window->SelectNodeByKey("LMRChannel");
    rig.SelectRows({1, 2});
    rig.Press(QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), CopyChannelRows(rig.session, ChannelList::Lmr, {1, 2}));
    rig.SelectRows({20});
    rig.Press(QKeySequence::Paste);
    EXPECT_EQ(rig.session.settings.CHEXP[20].ChTag, "HARBOUR");
    EXPECT_EQ(rig.session.settings.CHEXP[20].Rxfreq, 157.013);
    EXPECT_TRUE(rig.session.settings.CHEXP[20].Enable);
    EXPECT_EQ(rig.grid->item(20, 1)->text(), "ENABLE");
    EXPECT_TRUE(rig.editor.dataChanged);
}

TEST(ChannelsCsvMenu, ExportsAndImportsTheListOnShow) {
    GridRig rig("PR", "grdChannels");
    const auto path = rig.dir / "rg.csv";
    rig.files.names = {path};
    rig.Trigger("mnuFileExportCsv");
    EXPECT_EQ(ReadText(path), ExportChannelsCsv(rig.session, ChannelList::Rg));
    EXPECT_EQ(rig.files.filters.back(), "csv files(*.csv)|*.csv|All files(*.*)|*.*");
    EXPECT_EQ(rig.files.folders.back().filename(), "rg.csv") << "the dialog suggests a name";
    ASSERT_EQ(rig.prompt.shown().size(), 1u);
    EXPECT_EQ(rig.prompt.shown()[0].text, "8 RG channels exported to " + path.string() + ".");

    rig.files.names = {path};
    rig.Trigger("mnuFileImportCsv");
    EXPECT_FALSE(rig.editor.dataChanged) << "importing the list as it is changes nothing";
    ASSERT_EQ(rig.prompt.shown().size(), 2u);
    EXPECT_EQ(rig.prompt.shown()[1].text, "8 RG channels imported from " + path.string() + ".");

    // An export of the list with the second channel numbered, tuned and enabled.
    RadioSession edited = rig.session;
    edited.settings.CHRG[1].Enable = true;
    edited.settings.CHRG[1].CHDisplayL = "12";
    edited.settings.CHRG[1].Rxfreq = 156.0125;
    WriteText(path, ExportChannelsCsv(edited, ChannelList::Rg));
    rig.files.names = {path};
    rig.Trigger("mnuFileImportCsv");
    EXPECT_EQ(rig.session.settings, edited.settings);
    EXPECT_TRUE(rig.editor.dataChanged);
    EXPECT_EQ(rig.grid->item(1, 1)->text().toStdString(), "ENABLE") << "the grid shows the import";

    // A refused file changes nothing and says why.
    const RadioSettings imported = rig.session.settings;
    WriteText(path, "CH,CHD\r\n");
    rig.files.names = {path};
    rig.Trigger("mnuFileImportCsv");
    ASSERT_EQ(rig.prompt.shown().size(), 4u);
    EXPECT_THAT(rig.prompt.shown()[3].text, HasSubstr("Nothing was imported from "));
    EXPECT_THAT(rig.prompt.shown()[3].text, HasSubstr("row 1, column 3: \"USA\" expected, the row ends"));
    EXPECT_EQ(rig.session.settings, imported);
    WriteText(path, std::string("\x7F" "ELF\0", 5));  // a problem of the file itself: the path named once
    rig.files.names = {path};
    rig.Trigger("mnuFileImportCsv");
    EXPECT_EQ(rig.prompt.shown().back().text.find(path.string(), 30), std::string::npos) << rig.prompt.shown().back().text;

    // Without a list on show there is nothing to export.
    rig.window->SelectNodeByKey("Common");
    rig.Trigger("mnuFileExportCsv");
    EXPECT_EQ(rig.prompt.shown().back(), NoChannelListMessage());
    rig.window->SelectNodeByKey("PU");
    rig.Trigger("mnuFileExportGenericCsv");
    EXPECT_EQ(rig.prompt.shown().back(), NoChannelListMessage(CsvLayout::Generic));
}

TEST(ChannelsCsvMenu, OwnLayoutInTheLocalesSeparatorGenericInCommasChangesAskedFirst) {
    GridRig rig("PR", "grdChannels");
    rig.session.settings.CHRG[0].Enable = true;
    const auto path = rig.dir / "rg.csv";
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    rig.files.names = {path};
    rig.Trigger("mnuFileExportCsv");
    EXPECT_EQ(ReadText(path), ExportChannelsCsv(rig.session, ChannelList::Rg, {CsvLayout::Kvprog, ';'}));
    rig.files.names = {path};
    rig.Trigger("mnuFileExportGenericCsv");
    QLocale::setDefault(before);
    EXPECT_EQ(ReadText(path), ExportChannelsCsv(rig.session, ChannelList::Rg, {CsvLayout::Generic, ','}));
    EXPECT_EQ(rig.prompt.shown().back().text, "1 RG channel exported to " + path.string() + ".");

    WriteText(path, "Location,Name,Frequency\r\n2,Marina-Haven-West,156.025\r\n");
    const RadioSettings exported = rig.session.settings;
    for (const Answer answer : {Answer::Cancel, Answer::Ok}) {
        rig.Answer({answer});
        rig.files.names = {path};
        rig.Trigger("mnuFileImportCsv");
        EXPECT_THAT(rig.prompt.shown().front().text, HasSubstr("row 2, column Name: \"Marina-Haven-West\" is shortened to \"MARINA-HAVEN\""));
        EXPECT_EQ(rig.session.settings.CHRG[1].ChTag, answer == Answer::Ok ? "MARINA-HAVEN" : exported.CHRG[1].ChTag);
    }
}

}  // namespace
}  // namespace kv::test
