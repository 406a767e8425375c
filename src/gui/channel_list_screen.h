// The RG, LMR and EXP grids; a row jumps to its channel's editor.
#pragma once

#include <QLabel>

#include "gui/channel_screen.h"
#include "gui/grid_table.h"

namespace kv {

class ChannelListScreen : public ChannelScreen {
    Q_OBJECT
public:
    ChannelListScreen(ScreenContext context, ChannelHost host, QWidget* parent);
    void Fill() override;

private:
    void BuildLayout();
    void ConnectSignals();

    GridTable* grid_ = nullptr;
    QLabel* title_ = nullptr;
};

}  // namespace kv
