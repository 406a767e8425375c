#include "gui/channel_screen.h"

#include <QClipboard>
#include <QGuiApplication>

#include "gui/grid_table.h"
#include "gui/screen_widgets.h"
#include "rules/channel_lists.h"

namespace kv {

void ChannelScreen::WireGrid(GridTable* grid) {
    rows_ = grid;
    grid->copy = [this] { CopyRows(); };
    grid->paste = [this] { PasteRows(); };
}

void ChannelScreen::CopyRows() {
    const std::optional<ChannelList> list = List();
    if (!list || !rows_ || rows_->SelectedRows().empty()) return;
    QGuiApplication::clipboard()->setText(Q(CopyChannelRows(c_.session, *list, rows_->SelectedRows())));
}

// Marine rows go in after the current row, as Add puts a channel; other
// rows overwrite the list from the first selected row on.
void ChannelScreen::PasteRows() {
    const std::optional<ChannelList> list = List();
    if (!list || !rows_) return;
    const std::vector<int> selected = rows_->SelectedRows();
    const int current = rows_->currentRow();
    int at = selected.empty() ? std::max(current, 0) : selected.front();
    // Without a selection marine rows go after the last channel, as Add puts one.
    if (choice_.kind == ScreenKind::MarineGrid)
        at = current >= 0 ? current : ListedChannelCount(c_.session.settings.Marine(choice_.group)) - 1;
    const ChannelChange change =
        PasteChannelRows(c_.session, *list, at, QGuiApplication::clipboard()->text().toStdString());
    if (!change.settings) {
        c_.prompt.Show(ChannelProblemsMessage("Nothing was pasted.", change.problems));
        return;
    }
    if (host_.applyChange && *change.settings != c_.session.settings)
        host_.applyChange("Paste " + ChannelListName(*list) + " channels", *change.settings);
}

}  // namespace kv
