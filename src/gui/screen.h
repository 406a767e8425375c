// A screen of the stacked area: filled from the session when shown, and
// asked to validate its active field before the window changes screen,
// saves, transfers or closes.
#pragma once

#include <QWidget>

#include "editor/main_window_logic.h"
#include "model/session.h"
#include "util/prompt.h"

namespace kv {

struct ScreenContext {
    RadioSession& session;
    EditorState& editor;
    Prompt& prompt;
};

class Screen : public QWidget {
public:
    Screen(ScreenContext context, QWidget* parent) : QWidget(parent), c_(context) {}
    // Fills every control from the record while the screen-building flag is set.
    virtual void Fill() = 0;
    virtual bool ValidateActiveField() { return true; }

protected:
    bool Building() const { return c_.editor.screenBuilding; }
    // An edit reached the record: the data are now changed.
    void MarkChanged() { c_.editor.dataChanged = true; }

    ScreenContext c_;
};

}  // namespace kv
