// The window's undo and redo: each edit of the settings becomes a command on
// a QUndoStack. The change itself (which records, before and after) is
// kvcore's SettingsChange; a command only applies or reverts it and has the
// window show the result.
#pragma once

#include <QAction>
#include <QMenu>
#include <QUndoStack>
#include <functional>

#include "editor/edit_history.h"
#include "editor/main_window_logic.h"
#include "model/session.h"

namespace kv {

class UndoHistory : public QObject {
    Q_OBJECT
public:
    // refresh: the window shows the settings again (screens and tree).
    UndoHistory(RadioSession& session, EditorState& editor, std::function<void()> refresh, QObject* parent);

    // Edit > Undo and Redo, with their keys. They go back to states the user
    // has been through, so no field's check refuses them: `settle` first puts
    // the field being typed in as leaving it would, true when it put typing
    // back (that typing was what Undo takes back).
    void AddActions(QMenu* menu, std::function<bool()> settle);

    // An edit reached the settings: what differs from the last step becomes
    // a step. Edits typed into one field (the same `field`, until the focus
    // moves) make one step. An empty label names the step by what changed.
    void Record(const QString& field = {}, const std::string& label = {});
    // The focus moved: the next typing starts a new step.
    void EndTyping() { ++typing_; }

    bool Undo();
    bool Redo();
    // The data were saved: this is the state that is not "changed".
    void Saved();
    // The data were replaced as a whole: nothing to undo any more.
    void Clear();

    const QUndoStack& stack() const { return stack_; }

private:
    friend class SettingsCommand;
    void Show() { refresh_(); }
    void FollowClean();

    RadioSession& s_;
    EditorState& e_;
    std::function<void()> refresh_;
    std::function<bool()> settle_;
    ChangeRecorder recorder_;
    QUndoStack stack_;
    int typing_ = 0;
};

}  // namespace kv
