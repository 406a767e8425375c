#include "gui/channel_screens.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "model/channel_plans.h"
#include "report/converters.h"
#include "report/report.h"
#include "rules/channel_lists.h"
#include "util/texts.h"

namespace kv {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
// A frequency field shows "---.----" for no frequency.
QString FieldFrequency(double mhz) { return Q(FrequencyText(mhz)); }

QString Indexed(const char* name, int i) { return QString("%1_%2").arg(name).arg(i); }

QLabel* Title(const QString& text, const char* objectName, QWidget* parent) {
    auto* title = new QLabel(text, parent);
    title->setObjectName(objectName);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    return title;
}

QComboBox* Combo(const char* objectName, const QStringList& entries, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->addItems(entries);
    return combo;
}

void FillCombo(QComboBox* combo, const std::vector<ListEntry>& entries) {
    combo->clear();
    for (const ListEntry& e : entries) combo->addItem(Q(e.text), e.value);
}

}  // namespace

// ---------------------------------------------------------------- grid

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

GridTable::GridTable(const QString& objectName, QWidget* parent) : QTableWidget(parent) {
    setObjectName(objectName);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setVisible(false);
    setFont(QFont("Liberation Mono"));
    setProperty("kvHint", QString(text::kGridHint));
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (activate) activate(row);
    });
}

std::vector<int> GridTable::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void GridTable::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0 && activate) {
        activate(currentRow());
        return;
    }
    const std::pair<bool, std::function<void()>*> commands[] = {
        {event->matches(QKeySequence::Copy), &copy},
        {event->matches(QKeySequence::Paste), &paste},
        {event->key() == Qt::Key_Delete, &remove},
    };
    for (const auto& [pressed, command] : commands)
        if (pressed && *command) {
            (*command)();
            return;
        }
    QTableWidget::keyPressEvent(event);
}

void GridTable::Refill(const std::vector<std::string>& titles, const std::vector<std::vector<std::string>>& rows) {
    setUpdatesEnabled(false);
    clear();
    setColumnCount(static_cast<int>(titles.size()));
    QStringList headers;
    for (const std::string& t : titles) headers << Q(t);
    setHorizontalHeaderLabels(headers);
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount() && c < static_cast<int>(rows[static_cast<size_t>(r)].size()); ++c)
            setItem(r, c, new QTableWidgetItem(Q(rows[static_cast<size_t>(r)][static_cast<size_t>(c)])));
    resizeColumnsToContents();
    setUpdatesEnabled(true);
}

// ---------------------------------------------------------------- Available CH Group

UsableScreen::UsableScreen(ScreenContext context, ChannelHost host, QWidget* parent)
    : ChannelScreen(context, std::move(host), parent) {
    setObjectName("pictUsable");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Title("Available CH Group Setup", "lblUsableTitle", this));
    auto* row = new QHBoxLayout;
    const QStringList offOn{"Off", "On"};
    for (int k = 0; k < kGroups; ++k) {
        auto* box = new QGroupBox(this);
        box->setObjectName(Indexed("fraUsable", k));
        boxes_[k] = box;
        auto* grid = new QGridLayout(box);
        usable_[k] = new QCheckBox("Usable", box);
        usable_[k]->setObjectName(Indexed("chkUsable", k));
        grid->addWidget(usable_[k], 0, 0, 1, 2);
        const auto addRow = [&](int r, const char* label, const char* labelName, QLabel*& labelOut, QWidget* control) {
            labelOut = new QLabel(label, box);
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
        addRow(1, "Priority CH", "lblUsablePri", priorityLabel_[k], priority_[k]);
        addRow(2, "TX TOT", "lblUsableTot", totLabel_[k], tot_[k]);
        addRow(3, "Status Icon", "lblUsableSts", statusLabel_[k], status_[k]);
        addRow(4, "Status Name", "lblUsable", nameLabel_[k], names_[k]);
        row->addWidget(box);

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
    layout->addLayout(row);
    usableExp_ = new QCheckBox("EXP CH Usable", this);
    usableExp_->setObjectName("chkUsableEXP");
    layout->addWidget(usableExp_);
    connect(usableExp_, &QCheckBox::toggled, this, [this](bool on) {
        if (Building()) return;
        SetGroupUsable(c_.session.settings, kExpGroup, on);
        MarkChanged();
        if (host_.rebuildTree) host_.rebuildTree();
    });
    layout->addStretch();
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
    usableExp_->setVisible(c_.session.model == 5);
    usableExp_->setChecked(groups[kExpGroup].Enable);
    UpdateEnables();
}

void UsableScreen::UpdateEnables() {
    for (int k = 0; k < kGroups; ++k) {
        const bool on = usable_[k]->isChecked();
        for (QWidget* w : std::initializer_list<QWidget*>{priority_[k], tot_[k], status_[k], priorityLabel_[k],
                                                          totLabel_[k], statusLabel_[k]})
            w->setEnabled(on);
        // The status names are kept (the settings file carries them) but
        // not edited here, so they are not shown.
        names_[k]->setVisible(false);
        nameLabel_[k]->setVisible(false);
    }
}

// ---------------------------------------------------------------- marine grids

MarineGridScreen::MarineGridScreen(ScreenContext context, ChannelHost host, QWidget* parent)
    : ChannelScreen(context, std::move(host), parent) {
    setObjectName("pictMarine");
    auto* layout = new QVBoxLayout(this);
    grid_ = new GridTable("grdMarine", this);
    grid_->activate = [this](int) { Edit(); };
    WireGrid(grid_);
    grid_->remove = [this] { Delete(); };
    layout->addWidget(grid_, 1);

    buttons_ = new QWidget(this);
    auto* buttonRow = new QHBoxLayout(buttons_);
    const auto button = [this, buttonRow](const char* text, const char* name, void (MarineGridScreen::*command)()) {
        auto* b = new QPushButton(text, buttons_);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, command);
        buttonRow->addWidget(b);
    };
    button("Add", "cmdAdd", &MarineGridScreen::Add);
    button("Edit", "cmdEdit", &MarineGridScreen::Edit);
    button("Delete", "cmdDelete", &MarineGridScreen::Delete);
    buttonRow->addStretch();
    layout->addWidget(buttons_);

    panel_ = new QGroupBox("Channel", this);
    panel_->setObjectName("pictAddEdit");
    auto* form = new QGridLayout(panel_);
    QStringList baseChannels;
    baseCh_ = new QComboBox(panel_);
    baseCh_->setObjectName("cmbBaseCh");
    const auto& table = MarineFrequencyTable();
    for (int k = 0; k < kMarineFrequencyCount; ++k) baseCh_->addItem(Q(table[static_cast<size_t>(k)].text), k);
    simpDup_ = Combo("cmbSimpDup", {"TX SIMP", "RX SIMP", "DUP", "Reverse DUP"}, panel_);
    txPower_ = Combo("cmbTxPower", {"OFF", "HI", "LOW"}, panel_);
    powUp_ = Combo("cmbPowUp", {"-", "UP"}, panel_);
    statusNo_ = Combo("cmbStatusNo", {"None", "10", "20"}, panel_);
    statusIcon_ = Combo("cmbStatusIcon", {"-", "A", "B"}, panel_);
    name_ = new FieldEdit(Field::ChannelName, "txtChName", [this] { return Building(); }, panel_);
    rxShown_ = new QLabel(panel_);
    rxShown_->setObjectName("lblRxFreq");
    txShown_ = new QLabel(panel_);
    txShown_->setObjectName("lblTxFreq");
    int r = 0;
    for (auto [label, control] : std::initializer_list<std::pair<const char*, QWidget*>>{
             {"Base CH", baseCh_}, {"SIMP/DUP", simpDup_}, {"TX Power", txPower_}, {"Power Up", powUp_},
             {"Status No.", statusNo_}, {"Status Icon", statusIcon_}, {"CH Name", name_},
             {"RX[MHz]", rxShown_}, {"TX[MHz]", txShown_}}) {
        form->addWidget(new QLabel(label, panel_), r, 0);
        form->addWidget(control, r++, 1);
    }
    auto* save = new QPushButton("Save", panel_);
    save->setObjectName("cmdSave");
    auto* cancel = new QPushButton("Cancel", panel_);
    cancel->setObjectName("cmdCancel");
    form->addWidget(save, r, 0);
    form->addWidget(cancel, r, 1);
    connect(save, &QPushButton::clicked, this, &MarineGridScreen::Save);
    connect(cancel, &QPushButton::clicked, this, &MarineGridScreen::Cancel);
    for (QComboBox* c : {baseCh_, simpDup_, txPower_})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { ShowPanelFrequencies(); });
    layout->addWidget(panel_);
    panel_->hide();
}

void MarineGridScreen::Fill() {
    ScreenBuilding building(c_.editor);
    ClosePanel();
    std::vector<std::vector<std::string>> rows;
    const MarineGroup& group = Group();
    for (const ChannelRecord& ch : group)
        if (ch.Enable) rows.push_back(MarineGridRow(ch));
    grid_->Refill(MarineGridTitles(), rows);
}

void MarineGridScreen::Add() {
    if (!CanAddMarineChannel(Group())) {
        c_.prompt.Show({"Too many entries", text::kProductWord, MessageIcon::Information, Buttons::Ok});
        return;
    }
    // Without a selection the new channel goes after the last one.
    const int row = grid_->currentRow();
    OpenPanel(true, row >= 0 ? row : ListedChannelCount(Group()) - 1);
}

void MarineGridScreen::Edit() {
    const int row = grid_->currentRow();
    if (row < 0) return;
    OpenPanel(false, row);
}

void MarineGridScreen::Delete() {
    std::vector<int> rows = grid_->SelectedRows();
    if (rows.empty() && grid_->currentRow() >= 0) rows.push_back(grid_->currentRow());
    if (rows.empty()) return;
    const std::optional<RadioSettings> after = DeleteMarineRows(c_.session, choice_.group, rows);
    if (!after || !host_.applyChange) return;
    host_.applyChange("Delete " + ChannelListName(*List()) + " channels", *after);
    grid_->setCurrentCell(std::min(rows.front(), grid_->rowCount() - 1), 0);
}

void MarineGridScreen::OpenPanel(bool adding, int record) {
    ScreenBuilding building(c_.editor);
    adding_ = adding;
    record_ = record;
    const MarinePanel p = adding || record < 0 ? MarinePanel{} : PanelFromChannel(Group()[static_cast<size_t>(record)]);
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
    if (adding_) {
        InsertMarineChannel(Group(), record_, p);
        Priority() = PriorityAfterInsert(Priority(), record_);
    }
    else if (record_ >= 0) WritePanel(p, Group()[static_cast<size_t>(record_)]);
    const int shown = adding_ ? record_ + 1 : record_;
    ListChanged();
    if (shown >= 0 && shown < grid_->rowCount()) grid_->setCurrentCell(shown, 0);
}

void MarineGridScreen::Cancel() { ClosePanel(); }

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

// ---------------------------------------------------------------- weather

WeatherScreen::WeatherScreen(ScreenContext context, ChannelHost host, QWidget* parent)
    : ChannelScreen(context, std::move(host), parent) {
    setObjectName("pictWeather");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Title("Weather Channel", "lblWeatherTitle", this));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("CH", this), 0, 0);
    grid->addWidget(new QLabel("Enable", this), 0, 1);
    grid->addWidget(new QLabel("Scan", this), 0, 2);
    grid->addWidget(new QLabel("CH Name", this), 0, 3);
    const auto& list = WeatherList();
    for (int i = 0; i < kWeatherChannels; ++i) {
        grid->addWidget(new QLabel(list[static_cast<size_t>(i)].label, this), i + 1, 0);
        enable_[i] = new QCheckBox(this);
        enable_[i]->setObjectName(Indexed("chkDEnable", i));
        enable_[i]->setProperty("kvHint", QString(text::kWeatherEnableHint));
        scan_[i] = new QCheckBox(this);
        scan_[i]->setObjectName(Indexed("chkDScan", i));
        names_[i] = new FieldEdit(Field::WeatherName, Indexed("txtDTagName", i), [this] { return Building(); }, this);
        grid->addWidget(enable_[i], i + 1, 1);
        grid->addWidget(scan_[i], i + 1, 2);
        grid->addWidget(names_[i], i + 1, 3);
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
    grid->setColumnStretch(4, 1);
    layout->addLayout(grid);
    layout->addStretch();
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

// ---------------------------------------------------------------- RG, LMR, EXP grids

ChannelListScreen::ChannelListScreen(ScreenContext context, ChannelHost host, QWidget* parent)
    : ChannelScreen(context, std::move(host), parent) {
    setObjectName("pictChannelList");
    auto* layout = new QVBoxLayout(this);
    title_ = Title("", "lblChannelListTitle", this);
    layout->addWidget(title_);
    grid_ = new GridTable("grdChannels", this);
    grid_->activate = [this](int row) {
        const QTableWidgetItem* first = grid_->item(row, 0);
        if (first && host_.jumpTo) host_.jumpTo(Q(JumpKey(choice_.kind, first->text().toInt())));
    };
    WireGrid(grid_);
    layout->addWidget(grid_, 1);
}

void ChannelListScreen::Fill() {
    ScreenBuilding building(c_.editor);
    std::vector<std::vector<std::string>> rows;
    const RadioSettings& st = c_.session.settings;
    if (choice_.kind == ScreenKind::RgGrid) {
        title_->setText("RG Channel");
        for (int i = 0; i < kRgChannels; ++i) rows.push_back(RgGridRow(st.CHRG[static_cast<size_t>(i)], i + 1));
    } else {
        const bool lmr = choice_.kind == ScreenKind::LmrGrid;
        title_->setText(Q(LmrName(lmr, c_.session.model) + " Channel"));
        for (int i = 0; i < kExpChannels; ++i) {
            ChannelRecord ch = st.CHEXP[static_cast<size_t>(i)];
            ch.Enable = EnabledInGroup(c_.session.model, ch, lmr);
            rows.push_back(ExpansionGridRow(ch, i + 1));
        }
    }
    grid_->Refill(ExpansionGridTitles(), rows);
}

// ---------------------------------------------------------------- single channel

ChannelEditorScreen::ChannelEditorScreen(ScreenContext context, ChannelHost host, QWidget* parent)
    : ChannelScreen(context, std::move(host), parent), ctcssEntries_(CtcssEntries()), dcsEntries_(DcsEntries()) {
    setObjectName("pictChannel");
    auto* layout = new QVBoxLayout(this);
    title_ = Title("", "lblChannelTitle", this);
    layout->addWidget(title_);
    auto* form = new QGridLayout;
    const auto building = [this] { return Building(); };
    const auto check = [this](const char* text, const QString& name) {
        auto* box = new QCheckBox(text, this);
        box->setObjectName(name);
        return box;
    };
    enable_ = check("Enable", "chkCEnable");
    number_[0] = new FieldEdit(Field::ChannelNumberFirst, "txtCN_0", building, this);
    number_[1] = new FieldEdit(Field::ChannelNumberSecond, "txtCN_1", building, this);
    tag_ = new FieldEdit(Field::ChannelName, "txtCTag", building, this);
    rx_ = new FieldEdit(Field::RxFrequency, "txtCRF", building, this);
    tx_ = new FieldEdit(Field::TxFrequency, "txtCTF", building, this);
    txEnable_ = check("TX", "chkCTXEnable");
    txOnly_ = check("Low Power Only", "chkCTXOnly");
    txPower_ = check("Power Up", "chkCTXPower");
    scan_ = check("Scan Memory", "chkCScan");
    comp_ = check("", "chkComp");
    compLabel_ = new QLabel("Compander", this);
    compLabel_->setObjectName("lblComp");
    auto* bandwidth = new QButtonGroup(this);
    wide_[0] = new QRadioButton("Wide", this);
    wide_[0]->setObjectName("optCWide_0");
    wide_[1] = new QRadioButton("Narrow", this);
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

    dup_ = check("Duplex", "chkCDup");
    static const char* const groupNames[] = {"USA", "INTL", "CAN"};
    auto* groups = new QWidget(this);
    auto* groupRow = new QHBoxLayout(groups);
    groupRow->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < 3; ++k) {
        group_[k] = check(groupNames[k], Indexed("chkCGroup", k));
        groupRow->addWidget(group_[k]);
    }

    // Each row remembers its widgets, so a channel kind can hide what it lacks.
    int r = 0;
    const auto put = [&](const char* label, QWidget* a, QWidget* b = nullptr) {
        auto* title = new QLabel(label, this);
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
    append(notMarine_, put("CH Display", number_[0], number_[1]));
    put("CH Name", tag_);
    put("RX[MHz]", rx_);
    put("TX[MHz]", tx_);
    form->addWidget(dup_, r++, 1);
    form->addWidget(txEnable_, r, 1);
    form->addWidget(scan_, r++, 2);
    form->addWidget(txOnly_, r, 1);
    form->addWidget(txPower_, r++, 2);
    groupRow_ = put("CH Group", groups);
    append(notMarine_, put("Bandwidth", wide_[0], wide_[1]));
    append(notMarine_, put("CTCSS TX / RX", ctcss_[0], ctcss_[1]));
    append(notMarine_, put("DCS TX / RX", dcs_[0], dcs_[1]));
    form->addWidget(compLabel_, r, 0);
    form->addWidget(comp_, r++, 1);
    append(notMarine_, {compLabel_, comp_});
    append(notMarine_, put("Scramble", scramble_));
    form->setColumnStretch(3, 1);
    layout->addLayout(form);
    layout->addStretch();

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
    connect(tag_, &FieldEdit::edited, this, [this] {
        ChannelRecord* ch = Editable(tag_);
        if (!ch) return;
        ch->ChTag = tag_->text().toStdString();
        tag_->clearChanged();
        Changed();
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
        case ScreenKind::RgChannel: return "RG Channel " + number;
        case ScreenKind::MarineChannel: {
            static const char* const groups[] = {"USA", "INTL", "CANADA"};
            const ChannelRecord* ch = EditedChannel(c_.session.settings, choice_);
            return QString("%1 Channel %2").arg(groups[std::clamp(choice_.group, 0, 2)], Q(MarineChannelLabel(*ch)));
        }
        default: return Q(LmrName(choice_.kind == ScreenKind::LmrChannel, c_.session.model)) + " Channel " + number;
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
    for (int k = 0; k < 3; ++k) group_[k]->setChecked(GroupBoxTicked(*ch, k));
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
    if (ch && rx_->isEnabled() && enable_->isChecked() &&
        !ChannelComplete(rx_->text().toStdString(), number_[0]->text().toStdString())) {
        c_.prompt.Show(ChannelIncompleteMessage());
        return false;
    }
    return true;
}

}  // namespace kv
