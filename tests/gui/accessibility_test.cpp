// Every control of every screen and dialog has a name a screen reader
// says, and Tab alone reaches each control in the order the screen shows.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

#include "gui/fleet_dialog.h"
#include "gui_rig.h"

namespace kv::test {
namespace {

// A list's accessible name is its entry on Linux; it is named by its label.
QString SpokenName(QWidget* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    if (!qobject_cast<QComboBox*>(control)) return face->text(QAccessible::Name);
    for (const auto& [label, relation] : face->relations(QAccessible::Label)) return label->text(QAccessible::Name);
    return control->accessibleName();
}

// The controls shown and enabled (of a group of option buttons, the chosen
// one: the arrows choose another).
std::vector<QWidget*> Controls(QWidget* root) {
    std::vector<QWidget*> controls;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const auto* option = qobject_cast<QRadioButton*>(w);
        const bool control = (qobject_cast<QAbstractButton*>(w) && !qobject_cast<QAbstractItemView*>(w->parent())) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QTabBar*>(w) ||
                             (qobject_cast<QAbstractItemView*>(w) && !qobject_cast<QHeaderView*>(w));
        if (control && w->isVisible() && w->isEnabled() && !(option && !option->isChecked())) controls.push_back(w);
    }
    return controls;
}

// Tab from `start` round to it again: every control of `root` is named,
// reached, and reached after the controls above and left of it.
void WalkWithTab(QWidget* root, QWidget* start, const QString& where) {
    start->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> reached{start};
    for (QWidget* window = root->window(); reached.size() < 200;) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        if (window->focusWidget() == start) break;
        reached.push_back(window->focusWidget());
    }
    for (QWidget* control : Controls(root)) {
        EXPECT_FALSE(SpokenName(control).isEmpty()) << where.toStdString() << ": " << control->objectName().toStdString();
        EXPECT_NE(std::find(reached.begin(), reached.end(), control), reached.end())
            << where.toStdString() << ": Tab never reaches " << control->objectName().toStdString();
    }
    // A step back up goes to a new column on the right.
    for (size_t i = 1; i < reached.size(); ++i) {
        const QPoint from = reached[i - 1]->mapTo(root->window(), QPoint()), to = reached[i]->mapTo(root->window(), QPoint());
        EXPECT_FALSE(to.y() + reached[i]->height() <= from.y() && to.x() <= from.x())
            << where.toStdString() << ": Tab goes back from " << reached[i - 1]->objectName().toStdString() << " to "
            << reached[i]->objectName().toStdString();
    }
}

TEST(Accessibility, EveryScreenOfTheTreeAndTheDialogsWithTheKeyboardAlone) {
    Rig rig;
    MainWindow& w = rig.Start();
    w.activateWindow();
    // Every group on, so that the tree leads to every kind of screen.
    w.SelectNodeByKey("Usable");
    for (const char* group : {"chkUsable_3", "chkUsableEXP"})
        if (auto* box = rig.Find<QCheckBox>(group); !box->isChecked()) box->click();
    auto* tree = rig.Find<QTreeWidget>("tvTreeView");
    auto* stack = rig.Find<QStackedWidget>("pictScreens");
    QStringList keys;
    for (QTreeWidgetItem* item : tree->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive))
        keys << item->data(0, Qt::UserRole).toString();
    ASSERT_TRUE(keys.contains("L40") && keys.contains("E40") && keys.contains("PC1"));
    for (const QString& key : keys) {
        ASSERT_TRUE(w.SelectNodeByKey(key));
        WalkWithTab(stack->currentWidget(), tree, key);
        // The other tabs of a tab strip, chosen with the arrow keys.
        for (QTabBar* tabs : stack->currentWidget()->findChildren<QTabBar*>())
            for (int i = 1; i < tabs->count(); ++i) {
                QTest::keyClick(tabs, Qt::Key_Right);
                WalkWithTab(stack->currentWidget(), tree, key + " tab " + tabs->tabText(i));
            }
        // A marine grid's add/edit panel: Insert opens it, Escape leaves it.
        if (auto* grid = stack->currentWidget()->findChild<QTableWidget*>("grdMarine"); grid && grid->isVisible()) {
            QTest::keyClick(grid, Qt::Key_Insert);
            ASSERT_TRUE(rig.Find<QWidget>("pictAddEdit")->isVisible()) << key.toStdString();
            WalkWithTab(stack->currentWidget(), tree, key + " panel");
            rig.Find<QWidget>("txtChName")->setFocus();
            QTest::keyClick(rig.Find<QWidget>("txtChName"), Qt::Key_Escape);
            EXPECT_FALSE(rig.Find<QWidget>("pictAddEdit")->isVisible()) << key.toStdString();
        }
    }

    TransferDialog transfer(TransferMode::Program, false, &rig.transfer, &w, &rig.editor.program);
    const std::unique_ptr<FleetDialog> fleet = w.NewFleetDialog();
    for (QDialog* dialog : {static_cast<QDialog*>(&transfer), static_cast<QDialog*>(fleet.get())}) {
        dialog->show();
        const std::vector<QWidget*> controls = Controls(dialog);
        QWidget* first = dialog->nextInFocusChain();
        while (std::find(controls.begin(), controls.end(), first) == controls.end()) first = first->nextInFocusChain();
        WalkWithTab(dialog, first, dialog->objectName());
        dialog->hide();
    }
}

}  // namespace
}  // namespace kv::test
