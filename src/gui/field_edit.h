// A text field that obeys its rule: the key filter (typed and pasted text
// alike), the length limit, the status-bar hint, and the field-changed flag
// that a change sets while the screen is not being built.
#pragma once

#include <QLineEdit>
#include <QValidator>
#include <functional>

#include "rules/field_rules.h"

namespace kv {

class FieldEdit;

class FieldValidator : public QValidator {
public:
    explicit FieldValidator(FieldEdit* edit);
    State validate(QString& input, int& position) const override;

private:
    FieldEdit* edit_;
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
    // The text before the edit the validator is looking at.
    const QString& shownText() const { return shown_; }
    // True while the record's value is being shown: it passes as it is.
    bool storing() const { return storing_; }

signals:
    // A change by the user, once the screen is built.
    void edited();
    // The focus went elsewhere (or Enter was pressed): check the value.
    // Moving on inside the screen validates; a click elsewhere (the tree)
    // is the restoring mode, which silently puts a refused value back.
    void left(kv::CheckMode mode);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    Field field_;
    bool changed_ = false;
    bool storing_ = false;
    QString shown_;
    std::function<bool()> building_;
};

}  // namespace kv
