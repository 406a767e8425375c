#include "gui/field_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QStackedWidget>
#include <QVariant>
#include <algorithm>

#include "gui/screen_widgets.h"
#include "qt/translations.h"

namespace kv {

namespace {
// The screen a widget belongs to: its ancestor just below the stacked area.
const QWidget* ScreenOf(const QWidget* w) {
    while (w->parentWidget() && !qobject_cast<const QStackedWidget*>(w->parentWidget())) w = w->parentWidget();
    return w;
}
}  // namespace

FieldValidator::FieldValidator(FieldEdit* edit) : QValidator(edit), edit_(edit) {}

QValidator::State FieldValidator::validate(QString& input, int& position) const {
    const std::string shown = edit_->shownText().toStdString();
    const std::string typed = input.toStdString();
    if (edit_->storing() || typed == shown) return Acceptable;
    const auto text = EditedText(edit_->field(), shown, typed, edit_->maxLength());
    // A refused key or paste: the edit is undone, selection and all.
    if (!text) return Invalid;
    if (*text != typed) {
        const int after = static_cast<int>(input.size()) - position;  // the cursor keeps its place from the end
        input = QString::fromStdString(*text);
        position = std::clamp(static_cast<int>(input.size()) - after, 0, static_cast<int>(input.size()));
    }
    return Acceptable;
}

FieldEdit::FieldEdit(Field field, const QString& objectName, std::function<bool()> building, QWidget* parent)
    : QLineEdit(parent), field_(field), building_(std::move(building)) {
    setObjectName(objectName);
    setValidator(new FieldValidator(this));
    if (RuleOf(field).maxLength > 0) setMaxLength(RuleOf(field).maxLength);
    setProperty("kvHint", qt::Term(RuleOf(field).hint));
    setAccessibleDescription(qt::Term(RuleOf(field).hint));
    // As wide as the longest value it takes (a frequency: "---.----").
    const int longest = RuleOf(field).maxLength > 0 ? RuleOf(field).maxLength : 8;
    FitCharacters(this, std::max(longest, 4) + 1);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (building_ && building_()) return;
        if (!isEnabled()) return;
        changed_ = true;
        emit edited();
    });
    connect(this, &QLineEdit::returnPressed, this, [this] { emit left(CheckMode::Validating); });
}

void FieldEdit::setStoredText(const QString& text) {
    const QSignalBlocker block(this);
    storing_ = true;
    setText(text);
    storing_ = false;
    shown_ = text;
    changed_ = false;
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A menu, a list's popup or a message box: the command that follows
    // validates, and a message box of our own must not check again.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
    const QWidget* next = QApplication::focusWidget();
    const bool inside = next != nullptr && ScreenOf(this)->isAncestorOf(next);
    emit left(inside ? CheckMode::Validating : CheckMode::Restoring);
}

}  // namespace kv
