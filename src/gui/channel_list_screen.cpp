#include "gui/channel_list_screen.h"

#include <QVBoxLayout>

#include "gui/screen_widgets.h"
#include "report/converters.h"
#include "report/report.h"
#include "rules/channel_lists.h"

namespace kv {

ChannelListScreen::ChannelListScreen(ScreenContext context, ChannelHost host, QWidget* parent)
    : ChannelScreen(context, std::move(host), parent) {
    setObjectName("pictChannelList");
    BuildLayout();
    ConnectSignals();
}

void ChannelListScreen::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    title_ = Title("", "lblChannelListTitle", this);
    layout->addWidget(title_);
    grid_ = new GridTable("grdChannels", this);
    layout->addWidget(grid_, 1);
}

void ChannelListScreen::ConnectSignals() {
    grid_->activate = [this](int row) {
        const QTableWidgetItem* first = grid_->item(row, 0);
        if (first && host_.jumpTo) host_.jumpTo(Q(JumpKey(choice_.kind, first->text().toInt())));
    };
    WireGrid(grid_);
}

void ChannelListScreen::Fill() {
    ScreenBuilding building(c_.editor);
    std::vector<std::vector<std::string>> rows;
    const RadioSettings& st = c_.session.settings;
    if (choice_.kind == ScreenKind::RgGrid) {
        title_->setText(tr("RG Channel"));
        for (int i = 0; i < kRgChannels; ++i) rows.push_back(RgGridRow(st.CHRG[static_cast<size_t>(i)], i + 1));
    } else {
        const bool lmr = choice_.kind == ScreenKind::LmrGrid;
        title_->setText(tr("%1 Channel").arg(Q(LmrName(lmr, c_.session.model))));
        for (int i = 0; i < kExpChannels; ++i) {
            ChannelRecord ch = st.CHEXP[static_cast<size_t>(i)];
            ch.Enable = EnabledInGroup(c_.session.model, ch, lmr);
            rows.push_back(ExpansionGridRow(ch, i + 1));
        }
    }
    grid_->setAccessibleName(title_->text());
    grid_->Refill(ExpansionGridTitles(), rows);
}

}  // namespace kv
