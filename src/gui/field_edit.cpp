#include "gui/field_edit.h"

#include <QVariant>

namespace kv {

QValidator::State FieldValidator::validate(QString& input, int& position) const {
    const std::string typed = input.toStdString();
    const std::string kept = FilterText(field_, typed, RuleOf(field_).maxLength);
    if (kept != typed) {
        // Refused characters are dropped; a lower-case channel name letter is raised.
        const int removed = static_cast<int>(typed.size()) - static_cast<int>(kept.size());
        input = QString::fromStdString(kept);
        position = std::clamp(position - std::max(removed, 0), 0, static_cast<int>(input.size()));
    }
    return Acceptable;
}

FieldEdit::FieldEdit(Field field, const QString& objectName, std::function<bool()> building, QWidget* parent)
    : QLineEdit(parent), field_(field), building_(std::move(building)) {
    setObjectName(objectName);
    setValidator(new FieldValidator(field, this));
    if (RuleOf(field).maxLength > 0) setMaxLength(RuleOf(field).maxLength);
    setProperty("kvHint", QString::fromUtf8(RuleOf(field).hint));
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (building_ && building_()) return;
        if (!isEnabled()) return;
        changed_ = true;
        emit edited();
    });
}

void FieldEdit::setStoredText(const QString& text) {
    const QSignalBlocker block(this);
    setText(text);
    changed_ = false;
}

}  // namespace kv
