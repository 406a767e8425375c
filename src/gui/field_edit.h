// A text field that obeys its rule: the key filter (typed and pasted text
// alike), the length limit, the status-bar hint, and the field-changed flag
// that a change sets while the screen is not being built.
#pragma once

#include <QLineEdit>
#include <QValidator>
#include <functional>

#include "rules/field_rules.h"

namespace kv {

class FieldValidator : public QValidator {
public:
    FieldValidator(Field field, QObject* parent) : QValidator(parent), field_(field) {}
    State validate(QString& input, int& position) const override;

private:
    Field field_;
};

class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    // building: true while the screen is being filled (changes are ignored).
    FieldEdit(Field field, const QString& objectName, std::function<bool()> building, QWidget* parent = nullptr);

    Field field() const { return field_; }
    bool changed() const { return changed_; }
    void clearChanged() { changed_ = false; }
    // Fills the field from the record without counting as a change.
    void setStoredText(const QString& text);

signals:
    // A change by the user, once the screen is built.
    void edited();

private:
    Field field_;
    bool changed_ = false;
    std::function<bool()> building_;
};

}  // namespace kv
