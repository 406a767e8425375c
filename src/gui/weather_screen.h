// The weather channels: enable, scan and name per channel.
#pragma once

#include <QCheckBox>
#include <array>

#include "gui/channel_screen.h"
#include "gui/field_edit.h"

namespace kv {

class WeatherScreen : public ChannelScreen {
    Q_OBJECT
public:
    WeatherScreen(ScreenContext context, ChannelHost host, QWidget* parent);
    void Fill() override;

private:
    void BuildLayout();
    void ConnectSignals();

    std::array<QCheckBox*, kWeatherChannels> enable_{}, scan_{};
    std::array<FieldEdit*, kWeatherChannels> names_{};
};

}  // namespace kv
