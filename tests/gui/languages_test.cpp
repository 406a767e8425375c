// The window's language: the message box shows a message translated, and
// Options > Language chooses the translation.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>

#include "gui/qt_services.h"
#include "gui_rig.h"
#include "link/link_texts.h"
#include "qt/translations.h"
#include "util/texts.h"

namespace kv {
namespace {

using test::Rig;

// The system's text, what to do beneath it, both in the window's language,
// and a box wide enough for its whole title.
TEST(MessageBox, ShowsTheTextAndWhatToDoInTheWindowsLanguageUnderItsWholeTitle) {
    const Message m{text::kCancelled, text::kWindowTitle, MessageIcon::Critical, Buttons::YesNo,
                    PortCheckAdvice("/dev/ttyUSB0")};
    auto box = MessageBoxOf(m, nullptr);
    EXPECT_EQ(box->text(), "cancel!!");
    EXPECT_EQ(box->informativeText(), QString::fromStdString(m.detail));
    // A short text under a long title: the title bar holds the title, an icon and three buttons.
    auto bare = MessageBoxOf({text::kCancelled, text::kWindowTitle}, nullptr);
    bare->show();
    const QFontMetrics metrics = bare->fontMetrics();
    EXPECT_GE(bare->width(), metrics.horizontalAdvance(bare->windowTitle()) + 4 * metrics.height());
    ASSERT_EQ(qt::UseLanguage(KV_TRANSLATIONS_DIR, "de"), "de");
    box = MessageBoxOf(m, nullptr);
    EXPECT_EQ(box->text(), qt::Translated(m.text));
    EXPECT_NE(box->text(), "cancel!!");
    EXPECT_EQ(box->informativeText(), qt::Translated(m.detail));
    EXPECT_TRUE(box->informativeText().contains("/dev/ttyUSB0"));
    EXPECT_NE(box->button(QMessageBox::No)->text(), "&No");
    qt::UseLanguage(KV_TRANSLATIONS_DIR, "en");
}

// A window started in a language shows its own words, the core's labels,
// lists, tree and hints, and the names of the undo steps in it; the grid's
// name column still takes the room left.
TEST(Languages, TheWindowStartedInALanguageShowsItsAndTheCoresWordsInIt) {
    ASSERT_EQ(qt::UseLanguage(KV_TRANSLATIONS_DIR, "fr"), "fr");
    Rig rig;
    MainWindow& w = rig.Start();
    QTreeWidget* tree = rig.Find<QTreeWidget>("tvTreeView");
    w.SelectNodeByKey("Common");
    const QString common = rig.Find<QLabel>("lblCommonScan")->text();
    const QString hint = rig.Find<QLabel>("sbStatusBar")->text();
    w.SelectNodeByKey("Usable");
    const QString off = rig.Find<QComboBox>("cmbUsablePri_0")->itemText(0);
    w.SelectNodeByKey("PU");
    auto* grid = rig.Find<QTableWidget>("grdMarine");
    const int last = grid->columnCount() - 1;
    rig.session.settings.CHRG[1].Rxfreq = 450.125;
    w.ApplyChange("", rig.session.settings);
    const QString undo = rig.Find<QAction>("mnuEditUndo")->text();
    qt::UseLanguage(KV_TRANSLATIONS_DIR, "en");
    const std::pair<QString, QString> shown[] = {
        {rig.Find<QMenu>("mnuFile")->title(), "&File"},
        {tree->topLevelItem(0)->text(0), "General"},
        {common, "SCAN:"},
        {off, "Off"},
        {hint, text::kSelectionHint},
        {grid->horizontalHeaderItem(last)->text(), "CH Name"},
        {w.windowTitle(), "TLN58  PC Program for KV150/KV170 Series[*]"},
    };
    for (const auto& [text, english] : shown) EXPECT_NE(text, english);
    EXPECT_EQ(grid->horizontalHeader()->sectionResizeMode(last), QHeaderView::Stretch);
    EXPECT_FALSE(undo.contains("Frequency") || undo.contains("channel")) << undo.toStdString();
}

// A choice is remembered, marked, and the messages speak it at once.
TEST(LanguageMenu, AChoiceIsRememberedAndTheMessagesSpeakItAtOnce) {
    Rig rig;
    std::filesystem::copy(KV_TRANSLATIONS_DIR, rig.dir / "translations");
    rig.Start();
    auto* german = rig.Find<QAction>("mnuOptionsLanguage_de");
    ASSERT_TRUE(german);
    german->trigger();
    EXPECT_TRUE(german->isChecked());
    EXPECT_EQ(qt::ReadLanguageChoice(*rig.store), "de");
    ASSERT_EQ(rig.prompt.shown().size(), 1u);
    EXPECT_NE(qt::Translated(rig.prompt.shown()[0].text).toStdString(), rig.prompt.shown()[0].text);
    rig.Find<QAction>("mnuOptionsLanguageSystem")->trigger();
    EXPECT_FALSE(german->isChecked());
    EXPECT_EQ(qt::ReadLanguageChoice(*rig.store), "");
    qt::UseLanguage(KV_TRANSLATIONS_DIR, "en");
}

}  // namespace
}  // namespace kv
