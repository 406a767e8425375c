#include "gui/channel_editor_screen.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/screen_widgets.h"
#include "report/converters.h"
#include "report/report.h"
#include "rules/channel_lists.h"

namespace kv {
namespace {

// A frequency field shows "---.----" for no frequency.
QString FieldFrequency(double mhz) { return Q(FrequencyText(mhz)); }

}  // namespace

ChannelEditorScreen::ChannelEditorScreen(ScreenContext context, ChannelHost host, QWidget* parent)
    : ChannelScreen(context, std::move(host), parent), ctcssEntries_(CtcssEntries()), dcsEntries_(DcsEntries()) {
    setObjectName("pictChannel");
    BuildControls();
    BuildLayout();
    ConnectBoxes();
    ConnectLists();
    ConnectFields();
}

void ChannelEditorScreen::BuildControls() {
    title_ = Title("", "lblChannelTitle", this);
    const auto building = [this] { return Building(); };
    const auto check = [this](const QString& text, const QString& name) {
        auto* box = new QCheckBox(text, this);
        box->setObjectName(name);
        return box;
    };
    enable_ = check(tr("Enable"), "chkCEnable");
    number_[0] = new FieldEdit(Field::ChannelNumberFirst, "txtCN_0", building, this);
    number_[1] = new FieldEdit(Field::ChannelNumberSecond, "txtCN_1", building, this);
    tag_ = new FieldEdit(Field::ChannelName, "txtCTag", building, this);
    rx_ = new FieldEdit(Field::RxFrequency, "txtCRF", building, this);
    tx_ = new FieldEdit(Field::TxFrequency, "txtCTF", building, this);
    txEnable_ = check("TX", "chkCTXEnable");
    txOnly_ = check(tr("Low Power Only"), "chkCTXOnly");
    txPower_ = check(tr("Power Up"), "chkCTXPower");
    scan_ = check(tr("Scan Memory"), "chkCScan");
    comp_ = check("", "chkComp");
    compLabel_ = LabelFor(tr("Compander"), comp_, this);
    compLabel_->setObjectName("lblComp");
    auto* bandwidth = new QButtonGroup(this);
    wide_[0] = new QRadioButton(tr("Wide"), this);
    wide_[0]->setObjectName("optCWide_0");
    wide_[1] = new QRadioButton(tr("Narrow"), this);
    wide_[1]->setObjectName("optCWide_1");
    bandwidth->addButton(wide_[0], 0);
    bandwidth->addButton(wide_[1], 1);
    for (int d = 0; d < 2; ++d) {
        ctcss_[d] = new QComboBox(this);
        ctcss_[d]->setObjectName(Indexed("cmbCTCSS", d));
        FillCombo(ctcss_[d], ctcssEntries_);
        dcs_[d] = new QComboBox(this);
        dcs_[d]->setObjectName(Indexed("cmbDCS", d));
        FillCombo(dcs_[d], dcsEntries_);
    }
    scramble_ = Combo("cmbScramble", {"0", "1", "2", "3", "4", "5", "6", "7"}, this);

    dup_ = check(tr("Duplex"), "chkCDup");
    static const char* const groupNames[] = {"USA", "INTL", "CAN"};
    groups_ = new QWidget(this);
    auto* groupRow = new QHBoxLayout(groups_);
    groupRow->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < 3; ++k) {
        group_[k] = check(groupNames[k], Indexed("chkCGroup", k));
        groupRow->addWidget(group_[k]);
    }
}

// Each row remembers its widgets, so a channel kind can hide what it lacks.
void ChannelEditorScreen::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    auto* form = new QGridLayout;
    int r = 0;
    const auto put = [&](const QString& label, QWidget* a, QWidget* b = nullptr) {
        auto* title = LabelFor(label, a, this);
        form->addWidget(title, r, 0);
        form->addWidget(a, r, 1);
        if (b) form->addWidget(b, r, 2);
        ++r;
        std::vector<QWidget*> row{title, a};
        if (b) row.push_back(b);
        return row;
    };
    const auto append = [](std::vector<QWidget*>& to, const std::vector<QWidget*>& row) {
        to.insert(to.end(), row.begin(), row.end());
    };
    form->addWidget(enable_, r++, 1);
    notMarine_ = {enable_};
    // The two halves of the display side by side.
    auto* display = new QWidget(this);
    auto* halves = new QHBoxLayout(display);
    halves->setContentsMargins(0, 0, 0, 0);
    halves->addWidget(number_[0]);
    halves->addWidget(number_[1]);
    halves->addStretch();
    const std::vector<QWidget*> displayRow = put(tr("CH Display"), display);
    static_cast<QLabel*>(displayRow.front())->setBuddy(number_[0]);
    append(notMarine_, displayRow);
    put(tr("CH Name"), tag_);
    put("RX[MHz]", rx_);
    put("TX[MHz]", tx_);
    form->addWidget(dup_, r++, 1);
    form->addWidget(txEnable_, r, 1);
    form->addWidget(scan_, r++, 2);
    form->addWidget(txOnly_, r, 1);
    form->addWidget(txPower_, r++, 2);
    groupRow_ = put(tr("CH Group"), groups_);
    append(notMarine_, put(tr("Bandwidth"), wide_[0], wide_[1]));
    append(notMarine_, put(tr("CTCSS TX / RX"), ctcss_[0], ctcss_[1]));
    append(notMarine_, put(tr("DCS TX / RX"), dcs_[0], dcs_[1]));
    form->addWidget(compLabel_, r, 0);
    form->addWidget(comp_, r++, 1);
    append(notMarine_, {compLabel_, comp_});
    append(notMarine_, put(tr("Scramble"), scramble_));
    // The second control of a row: the row's label and its own part.
    const std::pair<QWidget*, QString> seconds[] = {{number_[0], tr("CH Display left")}, {number_[1], tr("CH Display right")},
                                                    {ctcss_[0], tr("CTCSS TX")}, {ctcss_[1], tr("CTCSS RX")},
                                                    {dcs_[0], tr("DCS TX")}, {dcs_[1], tr("DCS RX")}};
    for (const auto& [control, name] : seconds) Name(control, name);
    form->setColumnStretch(3, 1);
    layout->addLayout(form);
    layout->addStretch();
    OrderTabsAsShown(this);
}

// The check boxes and the bandwidth buttons.
void ChannelEditorScreen::ConnectBoxes() {
    connect(enable_, &QCheckBox::toggled, this, [this](bool on) {
        ChannelRecord* ch = Editable(enable_);
        if (!ch) return;
        SetChannelEnable(c_.session.model, choice_.kind, *ch, on);
        Changed();
        Fill();  // on model 5 the record may have changed group
        if (host_.refreshCaptions) host_.refreshCaptions();
    });
    for (int k = 0; k < 3; ++k) {
        connect(group_[k], &QCheckBox::toggled, this, [this, k](bool on) {
            ChannelRecord* ch = Editable(group_[k]);
            if (!ch) return;
            SetChannelGroup(*ch, k, on);
            Changed();
            if (host_.refreshCaptions) host_.refreshCaptions();
        });
    }
    connect(dup_, &QCheckBox::toggled, this, [this](bool on) {
        ChannelRecord* ch = Editable(dup_);
        if (!ch) return;
        SetDuplexBox(*ch, on);
        Changed();
        ShowMarineFrequencies(*ch);
    });
    connect(txEnable_, &QCheckBox::toggled, this, [this](bool on) {
        ChannelRecord* ch = Editable(txEnable_);
        if (!ch) return;
        SetTransmit(*ch, on);
        Changed();
        Fill();  // the low-power box follows
    });
    const auto flag = [this](QCheckBox* box, bool ChannelRecord::*field) {
        connect(box, &QCheckBox::toggled, this, [this, box, field](bool on) {
            ChannelRecord* ch = Editable(box);
            if (!ch) return;
            ch->*field = on;
            Changed();
        });
    };
    flag(txPower_, &ChannelRecord::PowUp);
    flag(scan_, &ChannelRecord::ScanMemory);
    flag(comp_, &ChannelRecord::RxComp);
    connect(txOnly_, &QCheckBox::toggled, this, [this](bool on) {
        ChannelRecord* ch = Editable(txOnly_);
        if (!ch) return;
        SetLowPowerOnly(*ch, on);
        Changed();
        UpdateEnables();
    });
    connect(wide_[1], &QRadioButton::toggled, this, [this](bool narrow) {
        ChannelRecord* ch = Editable(wide_[1]);
        if (!ch) return;
        ch->Narrow = narrow;
        Changed();
    });
}

// The tone and scramble lists.
void ChannelEditorScreen::ConnectLists() {
    for (int d = 0; d < 2; ++d) {
        const bool transmit = d == 0;
        connect(ctcss_[d], &QComboBox::currentIndexChanged, this, [this, d, transmit](int position) {
            ChannelRecord* ch = Editable(ctcss_[d]);
            if (!ch || position < 0) return;
            SelectCtcss(*ch, transmit, ctcss_[d]->itemData(position).toInt());
            Changed();
            Fill();
        });
        connect(dcs_[d], &QComboBox::currentIndexChanged, this, [this, d, transmit](int position) {
            ChannelRecord* ch = Editable(dcs_[d]);
            if (!ch || position < 0) return;
            SelectDcs(*ch, transmit, dcs_[d]->itemData(position).toInt());
            Changed();
            Fill();
        });
    }
    connect(scramble_, &QComboBox::currentIndexChanged, this, [this](int position) {
        ChannelRecord* ch = Editable(scramble_);
        if (!ch || position < 0) return;
        ch->Scramble = static_cast<int16_t>(position);
        Changed();
    });
}

// The text fields: name, channel number, frequencies.
void ChannelEditorScreen::ConnectFields() {
    connect(tag_, &FieldEdit::edited, this, [this] {
        ChannelRecord* ch = Editable(tag_);
        if (!ch) return;
        ch->ChTag = tag_->text().toStdString();
        tag_->clearChanged();
        Changed();
        if (host_.refreshCaptions) host_.refreshCaptions();  // the tree shows the name
    });
    for (int side = 0; side < 2; ++side) {
        connect(number_[side], &FieldEdit::edited, this, [this, side] {
            ChannelRecord* ch = Editable(number_[side]);
            if (!ch) return;
            // The record holds the number as the radio will show it: a single
            // character of the first field is followed by a space.
            const std::string typed = number_[side]->text().toStdString();
            (side == 0 ? ch->CHDisplayL : ch->CHDisplayR) = side == 0 ? PadChannelNumber(typed) : typed;
            number_[side]->clearChanged();
            Changed();
            if (choice_.kind == ScreenKind::RgChannel && host_.refreshCaptions) host_.refreshCaptions();
        });
    }
    connect(number_[0], &FieldEdit::left, this, [this] {
        if (const ChannelRecord* ch = Channel(); ch && !Building()) number_[0]->setStoredText(Q(ch->CHDisplayL));
    });
    for (FieldEdit* field : {rx_, tx_})
        connect(field, &FieldEdit::left, this, [this, field](CheckMode mode) {
            if (!CheckFrequencyField(field, field == tx_, mode))
                QTimer::singleShot(0, field, [field] { field->setFocus(); });
        });
}

ChannelRecord* ChannelEditorScreen::Channel() { return EditedChannel(c_.session.settings, choice_); }

ChannelRecord* ChannelEditorScreen::Editable(QWidget* control) {
    if (Building() || !control->isEnabled()) return nullptr;
    return Channel();
}

void ChannelEditorScreen::Changed() { MarkChanged(); }

QString ChannelEditorScreen::Heading() const {
    const QString number = QString::number(choice_.index);
    switch (choice_.kind) {
        case ScreenKind::RgChannel: return tr("RG Channel %1").arg(number);
        case ScreenKind::MarineChannel: {
            static const char* const groups[] = {"USA", "INTL", "CANADA"};
            const ChannelRecord* ch = EditedChannel(c_.session.settings, choice_);
            return tr("%1 Channel %2").arg(groups[std::clamp(choice_.group, 0, 2)], Q(MarineChannelLabel(*ch)));
        }
        default: return tr("%1 Channel %2").arg(Q(LmrName(choice_.kind == ScreenKind::LmrChannel, c_.session.model)), number);
    }
}

void ChannelEditorScreen::ShowMarineFrequencies(const ChannelRecord& ch) {
    const RxTx f = MarineFrequencies(ch);
    rx_->setStoredText(FieldFrequency(f.rx));
    tx_->setStoredText(FieldFrequency(f.tx));
}

void ChannelEditorScreen::Fill() {
    ScreenBuilding building(c_.editor);
    const ChannelRecord* ch = Channel();
    if (!ch) return;
    const bool marine = choice_.kind == ScreenKind::MarineChannel;
    for (QWidget* w : notMarine_) w->setVisible(!marine);
    for (QWidget* w : groupRow_)
        w->setVisible(choice_.kind == ScreenKind::LmrChannel || choice_.kind == ScreenKind::ExpChannel);
    dup_->setVisible(marine);
    title_->setText(Heading());
    enable_->setChecked(EnableBoxShown(c_.session.model, choice_.kind, *ch));
    number_[0]->setStoredText(Q(ch->CHDisplayL));
    number_[1]->setStoredText(Q(ch->CHDisplayR));
    tag_->setStoredText(Q(ch->ChTag));
    if (marine) {
        ShowMarineFrequencies(*ch);
    } else {
        rx_->setStoredText(FieldFrequency(ch->Rxfreq));
        tx_->setStoredText(FieldFrequency(ch->Txfreq));
    }
    dup_->setChecked(ch->Duplex == 1);
    for (int k = 0; k < 3; ++k) group_[k]->setChecked(GroupBoxTicked(c_.session.model, choice_.kind, *ch, k));
    txEnable_->setChecked(ch->TxEnable);
    txOnly_->setChecked(ch->LowPower);
    txPower_->setChecked(ch->PowUp);
    scan_->setChecked(ch->ScanMemory);
    comp_->setChecked(ch->RxComp);
    wide_[ch->Narrow ? 1 : 0]->setChecked(true);
    ctcss_[0]->setCurrentIndex(EntryPosition(ctcssEntries_, ch->TxCTCSS));
    ctcss_[1]->setCurrentIndex(EntryPosition(ctcssEntries_, ch->RxCTCSS));
    dcs_[0]->setCurrentIndex(EntryPosition(dcsEntries_, ch->TxDCS));
    dcs_[1]->setCurrentIndex(EntryPosition(dcsEntries_, ch->RxDCS));
    scramble_->setCurrentIndex(ch->Scramble >= 0 && ch->Scramble <= 7 ? ch->Scramble : 0);
    UpdateEnables();
}

void ChannelEditorScreen::UpdateEnables() {
    ChannelRecord* ch = Channel();
    if (!ch) return;
    // Power code 0 ("do not transmit") has no low-power variant.
    txOnly_->setEnabled(ch->TxEnable);
    txPower_->setEnabled(!(txOnly_->isChecked() && txOnly_->isEnabled()));
    // A marine channel takes its frequencies from its base channel.
    const bool marine = choice_.kind == ScreenKind::MarineChannel;
    rx_->setEnabled(!marine);
    tx_->setEnabled(!marine);
    dup_->setEnabled(DuplexBoxUsable(*ch));
    for (QCheckBox* box : group_) box->setEnabled(GroupBoxesUsable(c_.session.model, choice_.kind, *ch));
    comp_->setEnabled(dcs_[1]->isEnabled());
    compLabel_->setEnabled(dcs_[1]->isEnabled());
    const BandwidthOptions options = BandwidthFor(c_.session.model, *ch, c_.session.today());
    // Building a screen writes nothing: the lock is shown (the image gets the
    // narrow bit all the same) and written once the user changes the channel.
    if (options.forceNarrow && !ch->Narrow && !Building()) {
        ch->Narrow = true;
        MarkChanged();
    }
    {
        ScreenBuilding building(c_.editor);
        wide_[options.forceNarrow || ch->Narrow ? 1 : 0]->setChecked(true);
    }
    wide_[0]->setEnabled(options.enabled);
    wide_[1]->setEnabled(options.enabled);
}

bool ChannelEditorScreen::CheckFrequencyField(FieldEdit* field, bool transmit, CheckMode mode) {
    if (Building() || !field->isEnabled()) return true;
    ChannelRecord* ch = Channel();
    if (!ch || !field->changed()) return true;
    double& stored = transmit ? ch->Txfreq : ch->Rxfreq;
    const auto result = CheckFrequency(c_.session.model, field->text().toStdString(), stored, mode);
    if (result.stored) {
        stored = *result.stored;
        field->setStoredText(Q(result.fieldText));
        // The narrow lock a frequency brings is part of the same undo step.
        if (transmit) UpdateEnables();
        MarkChanged();
        return true;
    }
    // A refused value never reaches the record. Restoring puts the stored one
    // back without a word; validating says why and leaves the typing to mend.
    if (mode == CheckMode::Restoring) {
        field->setStoredText(Q(result.fieldText));
        return false;
    }
    c_.prompt.Show(FrequencyErrorMessage(field->field(), c_.session.model));
    return false;
}

bool ChannelEditorScreen::ValidateActiveField() {
    for (FieldEdit* field : {rx_, tx_})
        if ((field->hasFocus() || field->changed()) && !CheckFrequencyField(field, field == tx_, CheckMode::Validating)) {
            field->setFocus();
            return false;
        }
    const ChannelRecord* ch = Channel();
    const std::string rx = rx_->text().toStdString(), number = number_[0]->text().toStdString();
    if (ch && rx_->isEnabled() && enable_->isChecked() && !ChannelComplete(rx, number)) {
        c_.prompt.Show(ChannelIncompleteMessage(Heading().toStdString(), rx, number));
        return false;
    }
    return true;
}

bool ChannelEditorScreen::SettleActiveField() {
    bool putBack = false;
    for (FieldEdit* field : {rx_, tx_})
        if (field->changed() && !CheckFrequencyField(field, field == tx_, CheckMode::Restoring)) putBack = true;
    return putBack;
}

}  // namespace kv
