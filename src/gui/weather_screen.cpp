#include "gui/weather_screen.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "gui/screen_widgets.h"
#include "model/channel_plans.h"
#include "qt/translations.h"
#include "util/texts.h"

namespace kv {

WeatherScreen::WeatherScreen(ScreenContext context, ChannelHost host, QWidget* parent)
    : ChannelScreen(context, std::move(host), parent) {
    setObjectName("pictWeather");
    BuildLayout();
    ConnectSignals();
}

void WeatherScreen::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Title(tr("Weather Channel"), "lblWeatherTitle", this));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("CH"), this), 0, 0);
    grid->addWidget(new QLabel(tr("Enable"), this), 0, 1);
    grid->addWidget(new QLabel(tr("Scan"), this), 0, 2);
    grid->addWidget(new QLabel(tr("CH Name"), this), 0, 3);
    const auto& list = WeatherList();
    for (int i = 0; i < kWeatherChannels; ++i) {
        grid->addWidget(new QLabel(list[static_cast<size_t>(i)].label, this), i + 1, 0);
        enable_[i] = new QCheckBox(this);
        enable_[i]->setObjectName(Indexed("chkDEnable", i));
        enable_[i]->setProperty("kvHint", qt::Term(text::kWeatherEnableHint));
        scan_[i] = new QCheckBox(this);
        scan_[i]->setObjectName(Indexed("chkDScan", i));
        names_[i] = new FieldEdit(Field::WeatherName, Indexed("txtDTagName", i), [this] { return Building(); }, this);
        const QString channel = list[static_cast<size_t>(i)].label;
        Name(enable_[i], tr("Enable %1").arg(channel));
        Name(scan_[i], tr("Scan %1").arg(channel));
        Name(names_[i], tr("CH Name %1").arg(channel));
        grid->addWidget(enable_[i], i + 1, 1);
        grid->addWidget(scan_[i], i + 1, 2);
        grid->addWidget(names_[i], i + 1, 3);
    }
    grid->setColumnStretch(4, 1);
    layout->addLayout(grid);
    layout->addStretch();
    OrderTabsAsShown(this);
}

void WeatherScreen::ConnectSignals() {
    for (int i = 0; i < kWeatherChannels; ++i) {
        connect(enable_[i], &QCheckBox::toggled, this, [this, i](bool on) {
            scan_[i]->setEnabled(on);
            names_[i]->setEnabled(on);
            if (Building()) return;
            c_.session.settings.CHWX[static_cast<size_t>(i)].Enable = on;
            MarkChanged();
        });
        connect(scan_[i], &QCheckBox::toggled, this, [this, i](bool on) {
            if (Building() || !scan_[i]->isEnabled()) return;
            c_.session.settings.CHWX[static_cast<size_t>(i)].ScanMemory = on;
            MarkChanged();
        });
        connect(names_[i], &FieldEdit::edited, this, [this, i] {
            c_.session.settings.CHWX[static_cast<size_t>(i)].ChTag = names_[i]->text().toStdString();
            names_[i]->clearChanged();
            MarkChanged();
        });
    }
}

void WeatherScreen::Fill() {
    ScreenBuilding building(c_.editor);
    for (int i = 0; i < kWeatherChannels; ++i) {
        const ChannelRecord& ch = c_.session.settings.CHWX[static_cast<size_t>(i)];
        enable_[i]->setChecked(ch.Enable);
        scan_[i]->setChecked(ch.ScanMemory);
        names_[i]->setStoredText(Q(ch.ChTag));
        scan_[i]->setEnabled(ch.Enable);
        names_[i]->setEnabled(ch.Enable);
    }
}

}  // namespace kv
