#include "gui/channel_screen.h"

#include <QClipboard>
#include <QGuiApplication>

#include "gui/grid_table.h"
#include "gui/screen_widgets.h"
#include "rules/channel_lists.h"
#include "util/advice.h"

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
    // Without a selection marine rows go after the last channel, as Add puts one.
    const int at = choice_.kind == ScreenKind::MarineGrid ? current : selected.empty() ? std::max(current, 0) : selected.front();
    const ChannelChange change =
        PasteChannelRows(c_.session, *list, at, QGuiApplication::clipboard()->text().toStdString());
    if (!change.settings) {
        Message nothing = ChannelProblemsMessage(AdviceMainText(Advice::NothingPasted), change.problems);
        nothing.detail = AdviceText(Advice::NothingPasted);
        c_.prompt.Show(nothing);
        return;
    }
    if (host_.applyChange && *change.settings != c_.session.settings)
        host_.applyChange(tr("Paste %1 channels").arg(Q(ChannelListName(*list))).toStdString(), *change.settings);
    if (!change.notes.empty()) {
        Message told = ChannelProblemsMessage(
            AdviceMainText(Advice::RowsPasted, {std::to_string(change.channels), ChannelListName(*list)}), change.notes);
        told.icon = MessageIcon::Information;
        c_.prompt.Show(told);
    }
}

}  // namespace kv
