// What the channel screens share: the window they ask for a new tree or a
// jump, and the copy and paste of a grid's rows. The decisions live in
// editor/channel_screens.h and rules/channel_lists.h; the screens only wire
// widgets to them.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "editor/channel_csv.h"
#include "editor/channel_screens.h"
#include "gui/screen.h"

namespace kv {

// What a channel screen asks of the main window.
struct ChannelHost {
    std::function<void()> rebuildTree;        // the usable groups changed
    std::function<void()> refreshCaptions;       // a channel's caption changed
    std::function<void(const QString&)> jumpTo;  // select the node of a key
    // One change of the settings as a whole (a paste, a delete of rows).
    std::function<void(const std::string& label, const RadioSettings& after)> applyChange;
};

class GridTable;

class ChannelScreen : public Screen {
    Q_OBJECT
public:
    ChannelScreen(ScreenContext context, ChannelHost host, QWidget* parent)
        : Screen(context, parent), host_(std::move(host)) {}
    // The node being shown, set before Fill.
    void SetChoice(const ScreenChoice& choice) { choice_ = choice; }

    // Ctrl+C, Ctrl+V: the grid's selected rows as tab-separated text on the
    // clipboard, and the clipboard's rows pasted at the selection.
    void CopyRows();
    void PasteRows();

protected:
    // The grid whose rows are copied and pasted, and the list it shows.
    void WireGrid(GridTable* grid);
    std::optional<ChannelList> List() const { return ListOfScreen(choice_.kind, choice_.group); }

    ChannelHost host_;
    ScreenChoice choice_;
    GridTable* rows_ = nullptr;
};

}  // namespace kv
