// Small makers the screens share: every control gets its object name, which
// the tests, the help topics and the hints find it by.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "editor/channel_screens.h"

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

// Entries whose item data are the stored values.
inline void FillCombo(QComboBox* combo, const std::vector<ListEntry>& entries) {
    combo->clear();
    for (const ListEntry& e : entries) combo->addItem(Q(e.text), e.value);
}

}  // namespace kv
