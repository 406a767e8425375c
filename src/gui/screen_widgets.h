// Small makers the screens share: every control gets its object name, which
// the tests, the help topics and the hints find it by, and an accessible
// name, which a screen reader says.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "editor/channel_screens.h"
#include "qt/translations.h"

class QScrollArea;

namespace kv {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// The name of the i-th control of an array of controls: "chkUsable_2".
inline QString Indexed(const char* name, int i) { return QString("%1_%2").arg(name).arg(i); }

// A screen's bold title.
inline QLabel* Title(const QString& text, const char* objectName, QWidget* parent) {
    auto* title = new QLabel(text, parent);
    title->setObjectName(objectName);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    return title;
}

inline QComboBox* Combo(const char* objectName, const QStringList& entries, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->addItems(entries);
    return combo;
}

// Entries whose item data are the stored values; the words among them
// ("Off") in the window's language.
inline void FillCombo(QComboBox* combo, const std::vector<ListEntry>& entries) {
    combo->clear();
    for (const ListEntry& e : entries) combo->addItem(qt::Term(e.text), e.value);
}

// The label of a control: a screen reader names the control by it (lists
// through the label's relation, the other controls by their accessible
// name). The label must share the control's parent.
QLabel* LabelFor(const QString& text, QWidget* control, QWidget* parent);
// A control without a label of its own, named after what stands beside it.
void Name(QWidget* control, const QString& name);

// A text field as wide as `characters` of its font, and no wider.
void FitCharacters(QWidget* field, int characters);

// Tab goes through the controls of `root` in the order its layouts show
// them: rows of a grid left to right, top to bottom; a box's items in turn.
void OrderTabsAsShown(QWidget* root);

// A screen in a scroll area, so that no window is too small for it: a form
// keeps its width, centred; a grid (`fill`) takes the whole area.
QScrollArea* ScrolledScreen(QWidget* screen, bool fill);

}  // namespace kv
