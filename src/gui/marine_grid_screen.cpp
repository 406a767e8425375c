#include "gui/marine_grid_screen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/screen_widgets.h"
#include "model/channel_plans.h"
#include "report/converters.h"
#include "report/report.h"
#include "rules/channel_lists.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {

MarineGridScreen::MarineGridScreen(ScreenContext context, ChannelHost host, QWidget* parent)
    : ChannelScreen(context, std::move(host), parent) {
    setObjectName("pictMarine");
    BuildLayout();
    ConnectSignals();
}

void MarineGridScreen::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    title_ = Title("", "lblMarineTitle", this);
    layout->addWidget(title_);
    grid_ = new GridTable("grdMarine", this);
    layout->addWidget(grid_, 1);

    buttons_ = new QWidget(this);
    auto* buttonRow = new QHBoxLayout(buttons_);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    const auto button = [this, buttonRow](const QString& text, const char* name) {
        auto* b = new QPushButton(text, buttons_);
        b->setObjectName(name);
        buttonRow->addWidget(b);
        return b;
    };
    add_ = button(tr("Add"), "cmdAdd");
    edit_ = button(tr("Edit"), "cmdEdit");
    delete_ = button(tr("Delete"), "cmdDelete");
    buttonRow->addStretch();
    layout->addWidget(buttons_);

    panel_ = BuildPanel();
    layout->addWidget(panel_);
    panel_->hide();
    OrderTabsAsShown(this);
}

// The add/edit panel: the fields of one marine channel, Save and Cancel.
QWidget* MarineGridScreen::BuildPanel() {
    auto* panel = new QGroupBox(tr("Channel"), this);
    panel->setObjectName("pictAddEdit");
    auto* form = new QGridLayout(panel);
    baseCh_ = new QComboBox(panel);
    baseCh_->setObjectName("cmbBaseCh");
    const auto& table = MarineFrequencyTable();
    for (int k = 0; k < kMarineFrequencyCount; ++k) baseCh_->addItem(Q(table[static_cast<size_t>(k)].text), k);
    simpDup_ = Combo("cmbSimpDup", {"TX SIMP", "RX SIMP", "DUP", "Reverse DUP"}, panel);
    txPower_ = Combo("cmbTxPower", {"OFF", "HI", "LOW"}, panel);
    powUp_ = Combo("cmbPowUp", {"-", "UP"}, panel);
    statusNo_ = Combo("cmbStatusNo", {tr("None"), "10", "20"}, panel);
    statusIcon_ = Combo("cmbStatusIcon", {"-", "A", "B"}, panel);
    name_ = new FieldEdit(Field::ChannelName, "txtChName", [this] { return Building(); }, panel);
    rxShown_ = new QLabel(panel);
    rxShown_->setObjectName("lblRxFreq");
    txShown_ = new QLabel(panel);
    txShown_->setObjectName("lblTxFreq");
    int r = 0;
    // The codes the radio shows (SIMP/DUP, RX[MHz]) stay as they are.
    for (auto [label, control] : std::initializer_list<std::pair<QString, QWidget*>>{
             {tr("Base CH"), baseCh_}, {"SIMP/DUP", simpDup_}, {tr("TX Power"), txPower_}, {tr("Power Up"), powUp_},
             {tr("Status No."), statusNo_}, {tr("Status Icon"), statusIcon_}, {tr("CH Name"), name_},
             {"RX[MHz]", rxShown_}, {"TX[MHz]", txShown_}}) {
        form->addWidget(LabelFor(label, control, panel), r, 0);
        form->addWidget(control, r++, 1);
    }
    save_ = new QPushButton(tr("Save"), panel);
    save_->setObjectName("cmdSave");
    cancel_ = new QPushButton(tr("Cancel"), panel);
    cancel_->setObjectName("cmdCancel");
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(save_);
    buttonRow->addWidget(cancel_);
    buttonRow->addStretch();
    form->addLayout(buttonRow, r, 0, 1, 3);
    form->setColumnStretch(2, 1);
    return panel;
}

void MarineGridScreen::ConnectSignals() {
    grid_->activate = [this](int) { Edit(); };
    WireGrid(grid_);
    grid_->remove = [this] { Delete(); };
    grid_->insert = [this] { Add(); };
    // Escape leaves the panel as Cancel does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), panel_);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &MarineGridScreen::Cancel);
    connect(add_, &QPushButton::clicked, this, &MarineGridScreen::Add);
    connect(edit_, &QPushButton::clicked, this, &MarineGridScreen::Edit);
    connect(delete_, &QPushButton::clicked, this, &MarineGridScreen::Delete);
    connect(save_, &QPushButton::clicked, this, &MarineGridScreen::Save);
    connect(cancel_, &QPushButton::clicked, this, &MarineGridScreen::Cancel);
    for (QComboBox* c : {baseCh_, simpDup_, txPower_})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { ShowPanelFrequencies(); });
}

void MarineGridScreen::Fill() {
    ScreenBuilding building(c_.editor);
    ClosePanel();
    std::vector<std::vector<std::string>> rows;
    const MarineGroup& group = Group();
    for (const ChannelRecord& ch : group)
        if (ch.Enable) rows.push_back(MarineGridRow(ch));
    static const char* const groups[] = {"USA", "INTL", "CANADA"};
    title_->setText(tr("%1 Channel").arg(groups[std::clamp(choice_.group, 0, 2)]));
    grid_->setAccessibleName(title_->text());
    grid_->Refill(MarineGridTitles(), rows);
}

void MarineGridScreen::Add() {
    if (!CanAddMarineChannel(Group())) {
        c_.prompt.Show(Advised(Advice::ListFull, text::kProductWord, MessageIcon::Information, Buttons::Ok,
                               {ChannelListName(*List()), std::to_string(kMaxMarineRows)}));
        return;
    }
    // Without a selection the new channel goes after the last one.
    OpenPanel(true, grid_->currentRow());
}

// Rows show the listed records only: the row's own record is edited.
void MarineGridScreen::Edit() {
    const int row = grid_->currentRow();
    if (RecordOfRow(Group(), row) < 0) return;
    OpenPanel(false, row);
}

void MarineGridScreen::Delete() {
    std::vector<int> rows = grid_->SelectedRows();
    if (rows.empty() && grid_->currentRow() >= 0) rows.push_back(grid_->currentRow());
    if (rows.empty()) return;
    const std::optional<RadioSettings> after = DeleteMarineRows(c_.session, choice_.group, rows);
    if (!after || !host_.applyChange) return;
    const std::optional<Message> priorityGone = PriorityDeletedMessage(c_.session, choice_.group, *after);
    host_.applyChange(tr("Delete %1 channels").arg(Q(ChannelListName(*List()))).toStdString(), *after);
    grid_->setCurrentCell(std::min(rows.front(), grid_->rowCount() - 1), 0);
    if (priorityGone) c_.prompt.Show(*priorityGone);
}

void MarineGridScreen::OpenPanel(bool adding, int row) {
    ScreenBuilding building(c_.editor);
    adding_ = adding;
    row_ = row;
    record_ = adding ? -1 : RecordOfRow(Group(), row);
    const MarinePanel p = record_ < 0 ? MarinePanel{} : PanelFromChannel(Group()[static_cast<size_t>(record_)]);
    baseCh_->setCurrentIndex(adding ? 0 : std::max(0, baseCh_->findData(p.baseCh)));
    simpDup_->setCurrentIndex(p.duplex);
    txPower_->setCurrentIndex(static_cast<int>(p.power));
    powUp_->setCurrentIndex(p.powUp ? 1 : 0);
    statusNo_->setCurrentIndex(p.statusNo);
    statusIcon_->setCurrentIndex(p.statusIcon);
    name_->setStoredText(Q(p.name));
    ShowPanelFrequencies();
    buttons_->hide();
    panel_->show();
    baseCh_->setFocus();
    // The panel takes room from the grid: the row being edited stays in view.
    // (Once the layout has given the panel its room.)
    QTimer::singleShot(0, grid_, [grid = grid_] {
        if (QTableWidgetItem* row = grid->item(grid->currentRow(), 0)) grid->scrollToItem(row);
    });
}

void MarineGridScreen::ShowPanelFrequencies() {
    ChannelRecord probe;
    probe.BaseCh = static_cast<int16_t>(baseCh_->currentData().toInt());
    probe.Duplex = static_cast<uint8_t>(simpDup_->currentIndex());
    const RxTx f = MarineFrequencies(probe);
    rxShown_->setText(Q(Freq3(f.rx)));
    txShown_->setText(Q(Freq3Tx(f.tx, txPower_->currentIndex() == 0)));
}

void MarineGridScreen::Save() {
    MarinePanel p;
    p.baseCh = baseCh_->currentData().toInt();
    p.duplex = simpDup_->currentIndex();
    p.power = static_cast<PanelPower>(txPower_->currentIndex());
    p.powUp = powUp_->currentIndex() == 1;
    p.statusNo = statusNo_->currentIndex();
    p.statusIcon = statusIcon_->currentIndex();
    p.name = name_->text().toStdString();
    const PanelSaved saved = SaveMarinePanel(c_.session.settings, choice_.group, row_, adding_, p);
    ListChanged();
    if (saved.row >= 0 && saved.row < grid_->rowCount()) grid_->setCurrentCell(saved.row, 0);
    grid_->setFocus();
    if (saved.kept)
        c_.prompt.Show({AdviceMainText(Advice::MarineKept, {saved.kept->channel, KeptReceiveOnlyText(*saved.kept)}),
                        text::kProductWord, MessageIcon::Information, Buttons::Ok});
}

void MarineGridScreen::Cancel() {
    ClosePanel();
    grid_->setFocus();
}

// The list's channels are also the group node's children in the tree.
void MarineGridScreen::ListChanged() {
    MarkChanged();
    Fill();
    if (host_.rebuildTree) host_.rebuildTree();
}

void MarineGridScreen::ClosePanel() {
    panel_->hide();
    buttons_->show();
}

}  // namespace kv
