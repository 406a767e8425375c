#include "gui/undo_history.h"

#include <QCoreApplication>
#include <QUndoCommand>

namespace kv {
namespace {

// The names of the steps in the window's language: the history's own words,
// else a label of the screens (a Common Setup list).
std::string UndoWord(const char* english) {
    for (const char* context : {"Undo", "Messages"})
        if (const QString word = QCoreApplication::translate(context, english); word != QString::fromUtf8(english))
            return word.toStdString();
    return english;
}

}  // namespace

class SettingsCommand : public QUndoCommand {
public:
    SettingsCommand(UndoHistory& history, SettingsChange change, QString mergeKey)
        : QUndoCommand(QString::fromStdString(change.label())), h_(history), change_(std::move(change)),
          mergeKey_(std::move(mergeKey)) {}

    // The first redo is the push: the edit is already in the settings.
    void redo() override {
        if (!pushed_) {
            pushed_ = true;
            return;
        }
        change_.Apply(h_.s_.settings);
        h_.recorder_.Redone(change_);
        h_.Show();
    }
    void undo() override {
        change_.Revert(h_.s_.settings);
        h_.recorder_.Undone(change_);
        h_.Show();
    }
    int id() const override { return mergeKey_.isEmpty() ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const SettingsCommand*>(other);
        if (next->mergeKey_ != mergeKey_ || !change_.SameRecords(next->change_)) return false;
        change_.MergeWith(next->change_);
        // Typed and erased again: the step goes.
        setObsolete(change_.ChangesNothing());
        return true;
    }

private:
    UndoHistory& h_;
    SettingsChange change_;
    QString mergeKey_;
    bool pushed_ = false;
};

UndoHistory::UndoHistory(RadioSession& session, EditorState& editor, std::function<void()> refresh, QObject* parent)
    : QObject(parent), s_(session), e_(editor), refresh_(std::move(refresh)), recorder_(session.settings, UndoWord) {}

void UndoHistory::AddActions(QMenu* menu, std::function<bool()> settle) {
    settle_ = std::move(settle);
    QAction* undo = menu->addAction(tr("&Undo"), this, [this] { Undo(); });
    undo->setObjectName("mnuEditUndo");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = menu->addAction(tr("&Redo"), this, [this] { Redo(); });
    redo->setObjectName("mnuEditRedo");
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    const auto follow = [this, undo, redo] {
        undo->setEnabled(stack_.canUndo());
        redo->setEnabled(stack_.canRedo());
        undo->setText(stack_.canUndo() ? tr("&Undo %1").arg(stack_.undoText()) : tr("&Undo"));
        redo->setText(stack_.canRedo() ? tr("&Redo %1").arg(stack_.redoText()) : tr("&Redo"));
    };
    connect(&stack_, &QUndoStack::indexChanged, this, follow);
    connect(&stack_, &QUndoStack::cleanChanged, this, follow);
    follow();
}

void UndoHistory::Record(const QString& field, const std::string& label) {
    auto change = recorder_.Take(s_.settings, s_.model, label);
    if (!change) return;
    const QString key = field.isEmpty() ? QString() : field + "#" + QString::number(typing_);
    stack_.push(new SettingsCommand(*this, std::move(*change), key));
    e_.dataChanged = true;
}

bool UndoHistory::Undo() {
    if (settle_ && settle_()) return true;
    Record();  // an edit not yet recorded is undone first
    if (!stack_.canUndo()) return false;
    ++typing_;
    stack_.undo();
    FollowClean();
    return true;
}

bool UndoHistory::Redo() {
    if (settle_) settle_();
    Record();
    if (!stack_.canRedo()) return false;
    ++typing_;
    stack_.redo();
    FollowClean();
    return true;
}

// Back at the saved state the data count as unchanged; away from it, changed.
void UndoHistory::FollowClean() { e_.dataChanged = !stack_.isClean(); }

void UndoHistory::Saved() {
    recorder_.Reset(s_.settings);
    stack_.setClean();
    ++typing_;
}

void UndoHistory::Clear() {
    recorder_.Reset(s_.settings);
    stack_.clear();
    ++typing_;
}

}  // namespace kv
