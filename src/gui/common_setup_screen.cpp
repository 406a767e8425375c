#include "gui/common_setup_screen.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <QSvgWidget>

#include "gui/screen_widgets.h"
#include "qt/translations.h"

namespace kv {

CommonSetupScreen::CommonSetupScreen(ScreenContext context, QWidget* parent) : Screen(context, parent) {
    setObjectName("pictCommon");
    auto* outer = new QVBoxLayout(this);
    auto* title = new QLabel(tr("Common Setup"), this);
    title->setObjectName("lblCommonTitle");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    outer->addWidget(title);
    auto* grid = new QGridLayout;
    int row = 0;
    for (const CommonList list : kCommonLists) {
        const CommonListLayout& layout = LayoutOf(list);
        auto* combo = new QComboBox(this);
        combo->setObjectName(layout.objectName);
        auto* label = LabelFor(qt::Term(layout.label) + ":", combo, this);
        label->setObjectName(QString(layout.objectName).replace("cmb", "lbl"));
        for (const std::string& entry : layout.entries) combo->addItem(qt::Term(entry));
        connect(combo, &QComboBox::currentIndexChanged, this, [this, list](int entry) { OnChosen(list, entry); });
        grid->addWidget(label, row, 0);
        grid->addWidget(combo, row, 1);
        lists_[list] = combo;
        labels_[list] = label;
        ++row;
    }
    weatherPicture_ = new QSvgWidget(":/kvprog/weather.svg", this);
    weatherPicture_->setObjectName("pictCommonWeather");
    weatherPicture_->setFixedSize(28, 28);
    grid->addWidget(weatherPicture_, row - 2, 2);  // beside the weather alert list
    grid->setColumnStretch(3, 1);
    outer->addLayout(grid);
    outer->addStretch();
    OrderTabsAsShown(this);
    // The rotary-knob beep is not offered on these radios.
    lists_[CommonList::Rotary]->hide();
    labels_[CommonList::Rotary]->hide();
}

void CommonSetupScreen::Fill() {
    ScreenBuilding building(c_.editor);
    for (const auto& [list, combo] : lists_) combo->setCurrentIndex(EntryFor(list, c_.session.settings.Common));
    const bool weather = c_.session.traits().weather;
    lists_[CommonList::Weather]->setVisible(weather);
    labels_[CommonList::Weather]->setVisible(weather);
    weatherPicture_->setVisible(weather);
    ApplyScanState();
}

void CommonSetupScreen::OnChosen(CommonList list, int entry) {
    if (list == CommonList::Scan) ApplyScanState();
    if (Building() || entry < 0) return;
    StoreEntry(list, entry, c_.session.settings.Common);
    MarkChanged();
}

void CommonSetupScreen::ApplyScanState() {
    // Without scanning, the resume time and the PTT scan clear mean nothing.
    const bool scan = lists_[CommonList::Scan]->currentIndex() == 1;
    for (const CommonList list : {CommonList::Resume, CommonList::PttScan}) {
        lists_[list]->setEnabled(scan);
        labels_[list]->setEnabled(scan);
    }
}

}  // namespace kv
