#include "gui/usable_screen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/screen_widgets.h"
#include "report/converters.h"
#include "rules/channel_lists.h"

namespace kv {

UsableScreen::UsableScreen(ScreenContext context, ChannelHost host, QWidget* parent)
    : ChannelScreen(context, std::move(host), parent) {
    setObjectName("pictUsable");
    BuildLayout();
    ConnectSignals();
}

void UsableScreen::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Title(tr("Available CH Group Setup"), "lblUsableTitle", this));
    boxGrid_ = new QGridLayout;
    const QStringList offOn{qt::Term("Off"), qt::Term("On")};
    for (int k = 0; k < kGroups; ++k) {
        auto* box = new QGroupBox(this);
        box->setObjectName(Indexed("fraUsable", k));
        boxes_[k] = box;
        auto* grid = new QGridLayout(box);
        usable_[k] = new QCheckBox(tr("Usable"), box);
        usable_[k]->setObjectName(Indexed("chkUsable", k));
        grid->addWidget(usable_[k], 0, 0, 1, 2);
        const auto addRow = [&](int r, const QString& label, const char* labelName, QLabel*& labelOut, QWidget* control) {
            labelOut = LabelFor(label, control, box);
            labelOut->setObjectName(Indexed(labelName, k));
            grid->addWidget(labelOut, r, 0);
            grid->addWidget(control, r, 1);
        };
        priority_[k] = new QComboBox(box);
        priority_[k]->setObjectName(Indexed("cmbUsablePri", k));
        tot_[k] = Combo("", offOn, box);
        tot_[k]->setObjectName(Indexed("cmbUsableTot", k));
        status_[k] = Combo("", offOn, box);
        status_[k]->setObjectName(Indexed("cmbUsableSts", k));
        names_[k] = new FieldEdit(Field::StatusName, Indexed("txtUsable", k), [this] { return Building(); }, box);
        addRow(1, tr("Priority CH"), "lblUsablePri", priorityLabel_[k], priority_[k]);
        addRow(2, tr("TX TOT"), "lblUsableTot", totLabel_[k], tot_[k]);
        addRow(3, tr("Status Icon"), "lblUsableSts", statusLabel_[k], status_[k]);
        addRow(4, tr("Status Name"), "lblUsable", nameLabel_[k], names_[k]);
        grid->setColumnStretch(2, 1);
    }
    layout->addLayout(boxGrid_);
    usableExp_ = new QCheckBox(tr("EXP CH Usable"), this);
    usableExp_->setObjectName("chkUsableEXP");
    layout->addWidget(usableExp_);
    layout->addStretch();
    PlaceBoxes(4);
    OrderTabsAsShown(this);
}

// Four boxes side by side where they fit, else two rows of two.
void UsableScreen::PlaceBoxes(int columns) {
    if (columns != columns_) {
        columns_ = columns;
        for (int k = 0; k < kGroups; ++k) boxGrid_->addWidget(boxes_[k], k / columns, k % columns);
        for (int c = 0; c < kGroups; ++c) boxGrid_->setColumnStretch(c, c < columns ? 1 : 0);
    }
    // The screen may be narrower than four boxes: they then go in two rows.
    setMinimumWidth(BoxesWidth(2));
}

int UsableScreen::BoxesWidth(int columns) const {
    int box = 0;
    for (const QWidget* b : boxes_) box = std::max(box, b->minimumSizeHint().width());
    const QMargins margins = layout()->contentsMargins();
    return columns * box + (columns - 1) * boxGrid_->horizontalSpacing() + margins.left() + margins.right();
}

void UsableScreen::resizeEvent(QResizeEvent* event) {
    ChannelScreen::resizeEvent(event);
    PlaceBoxes(width() >= BoxesWidth(4) ? 4 : 2);
}

void UsableScreen::ConnectSignals() {
    for (int k = 0; k < kGroups; ++k) {
        connect(usable_[k], &QCheckBox::toggled, this, [this, k](bool on) {
            if (Building()) return;
            SetGroupUsable(c_.session.settings, k, on);
            MarkChanged();
            UpdateEnables();
            if (host_.rebuildTree) host_.rebuildTree();
        });
        connect(priority_[k], &QComboBox::currentIndexChanged, this, [this, k](int position) {
            if (Building() || position < 0) return;
            c_.session.settings.UsableGroups[static_cast<size_t>(k)].PriorityCh = priority_[k]->itemData(position).toInt();
            MarkChanged();
        });
        connect(tot_[k], &QComboBox::currentIndexChanged, this, [this, k](int position) {
            if (Building()) return;
            c_.session.settings.UsableGroups[static_cast<size_t>(k)].TxTot = position == 1;
            MarkChanged();
        });
        connect(status_[k], &QComboBox::currentIndexChanged, this, [this, k](int position) {
            if (Building()) return;
            c_.session.settings.UsableGroups[static_cast<size_t>(k)].StatusIcon = position == 1;
            MarkChanged();
        });
    }
    connect(usableExp_, &QCheckBox::toggled, this, [this](bool on) {
        if (Building()) return;
        SetGroupUsable(c_.session.settings, kExpGroup, on);
        MarkChanged();
        if (host_.rebuildTree) host_.rebuildTree();
    });
}

void UsableScreen::FillPriority(int k) {
    priorityEntries_[k] = PriorityEntries(c_.session, k);
    FillCombo(priority_[k], priorityEntries_[k]);
    priority_[k]->setCurrentIndex(
        EntryPosition(priorityEntries_[k], c_.session.settings.UsableGroups[static_cast<size_t>(k)].PriorityCh));
}

void UsableScreen::Fill() {
    ScreenBuilding building(c_.editor);
    static const char* const titles[] = {"USA CH", "INTL CH", "CANADA CH"};
    const auto& groups = c_.session.settings.UsableGroups;
    for (int k = 0; k < kGroups; ++k) {
        const UsableGroupSetup& g = groups[static_cast<size_t>(k)];
        static_cast<QGroupBox*>(boxes_[k])->setTitle(k < 3 ? titles[k] : Q(FourthGroupName(c_.session.model)));
        usable_[k]->setChecked(g.Enable);
        FillPriority(k);
        tot_[k]->setCurrentIndex(g.TxTot ? 1 : 0);
        status_[k]->setCurrentIndex(g.StatusIcon ? 1 : 0);
        names_[k]->setStoredText(Q(g.StatusName));
    }
    usableExp_->setVisible(c_.session.traits().expGroup);
    usableExp_->setChecked(groups[kExpGroup].Enable);
    UpdateEnables();
}

void UsableScreen::UpdateEnables() {
    for (int k = 0; k < kGroups; ++k) {
        const bool on = usable_[k]->isChecked();
        for (QWidget* w : std::initializer_list<QWidget*>{priority_[k], tot_[k], status_[k], priorityLabel_[k],
                                                          totLabel_[k], statusLabel_[k]})
            w->setEnabled(on);
        // The status names are shown (the settings file carries them) but
        // not edited here.
        names_[k]->setEnabled(false);
        nameLabel_[k]->setEnabled(false);
    }
}

}  // namespace kv
