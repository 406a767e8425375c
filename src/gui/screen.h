// A screen of the stacked area: filled from the session when shown, and
// asked to validate its active field before the window changes screen,
// saves, transfers or closes.
#pragma once

#include <QWidget>
#include <functional>

#include "editor/main_window_logic.h"
#include "model/session.h"
#include "util/prompt.h"

namespace kv {

struct ScreenContext {
    RadioSession& session;
    EditorState& editor;
    Prompt& prompt;
    // The window records the edit for undo; `field`: the text field it was
    // typed into, when the focus has already left it.
    std::function<void(const QWidget* field)> changed;
};

class Screen : public QWidget {
public:
    Screen(ScreenContext context, QWidget* parent) : QWidget(parent), c_(context) {}
    // Fills every control from the record while the screen-building flag is set.
    virtual void Fill() = 0;
    virtual bool ValidateActiveField() { return true; }
    // Before an undo or redo, which nothing may refuse: the field being
    // typed in is put in as leaving it for the tree would (a value that
    // passes is stored, one that does not is put back without a word).
    // True when typing was put back.
    virtual bool SettleActiveField() { return false; }

protected:
    bool Building() const { return c_.editor.screenBuilding; }
    // An edit reached the record: the data are now changed, and the edit
    // becomes a step of the undo history.
    void MarkChanged(const QWidget* field = nullptr) {
        c_.editor.dataChanged = true;
        if (c_.changed) c_.changed(field);
    }

    ScreenContext c_;
};

}  // namespace kv
