#include "gui/fleet_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QVBoxLayout>
#include <chrono>

#include "files/backups.h"
#include "files/data_file.h"
#include "files/session_commands.h"
#include "files/file_io.h"
#include "qt/translations.h"
#include "rules/narrowband.h"
#include "util/advice.h"

namespace kv {
namespace {

constexpr const char* kCaption = KV_TEXT("Messages", "Program Fleet");
constexpr const char* kCurrentData = KV_TEXT("Messages", "the current data");
constexpr uintmax_t kLargestRadiosCsv = 1024 * 1024;
constexpr int kPollMilliseconds = 200;
enum Column { kLabel, kPort, kState, kProgress, kResult, kColumns };

QString Q(const std::string& text) { return QString::fromStdString(text); }

template <class W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

FleetDialog::FleetDialog(const RadioSession& current, MainWindowServices& services, ProgramChoices& choices,
                         QWidget* parent)
    : QDialog(parent), current_(current), services_(services), choices_(choices) {
    setObjectName("frmFleet");
    setWindowTitle(qt::Term(kCaption));
    BuildLayout();
    ConnectSignals();
    setup_.SetTemplate(current_, kCurrentData);
    FillPorts();
    ShowSetup();
}

FleetDialog::~FleetDialog() = default;  // the job's end cancels and waits for its ports

void FleetDialog::BuildLayout() {
    auto* what = new QGroupBox(tr("Programming"), this);
    currentData_ = Named(new QRadioButton(tr("The current data"), what), "optCurrentData");
    templateFile_ = Named(new QRadioButton(tr("A file:"), what), "optTemplateFile");
    chooseTemplate_ = Named(new QPushButton(tr("Choose..."), what), "cmdChooseTemplate");
    currentData_->setChecked(true);
    auto* whatRow = new QHBoxLayout(what);
    whatRow->addWidget(currentData_);
    whatRow->addWidget(templateFile_);
    whatRow->addWidget(chooseTemplate_);
    whatRow->addStretch();

    auto* radios = new QGroupBox(tr("Radios"), this);
    radiosFile_ = Named(new QLabel(tr("No CSV loaded"), radios), "lblRadiosFile");
    loadRadios_ = Named(new QPushButton(tr("Load CSV..."), radios), "cmdLoadRadios");
    auto* radiosRow = new QHBoxLayout(radios);
    radiosRow->addWidget(radiosFile_, 1);
    radiosRow->addWidget(loadRadios_);

    auto* ports = new QGroupBox(tr("Ports"), this);
    portList_ = Named(new QListWidget(ports), "lstPorts");
    portList_->setMaximumHeight(90);
    portList_->setAccessibleName(tr("Ports"));
    backup_ = Named(new QCheckBox(tr("Back up each radio before programming"), ports), "chkBackup");
    verify_ = Named(new QCheckBox(tr("Verify after programming"), ports), "chkVerify");
    backup_->setChecked(choices_.backup);
    verify_->setChecked(choices_.verify);
    auto* portColumn = new QVBoxLayout(ports);
    portColumn->addWidget(portList_);
    portColumn->addWidget(backup_);
    portColumn->addWidget(verify_);

    status_ = Named(new QLabel(this), "lblStatus");
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    table_ = Named(new QTableWidget(0, kColumns, this), "tblRadios");
    table_->setHorizontalHeaderLabels({tr("Label"), tr("Port"), tr("State"), tr("Progress"), tr("Result")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->setAccessibleName(tr("Radios"));
    table_->setTabKeyNavigation(false);  // Tab goes on to the buttons
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(kState, 240);

    start_ = Named(new QPushButton(tr("Start"), this), "cmdStart");
    next_ = Named(new QPushButton(tr("Next"), this), "cmdNext");
    cancel_ = Named(new QPushButton(tr("Cancel"), this), "cmdCancel");
    saveLog_ = Named(new QPushButton(tr("Save Log..."), this), "cmdSaveLog");
    close_ = Named(new QPushButton(tr("Close"), this), "cmdClose");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {start_, next_, cancel_, saveLog_}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(what);
    layout->addWidget(radios);
    layout->addWidget(ports);
    layout->addWidget(status_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(720, 560);
}

void FleetDialog::ConnectSignals() {
    connect(currentData_, &QRadioButton::clicked, this, [this] {
        setup_.SetTemplate(current_, kCurrentData);
        ShowSetup();
    });
    connect(templateFile_, &QRadioButton::clicked, this, [this] { ChooseTemplateFile(); });
    connect(chooseTemplate_, &QPushButton::clicked, this, [this] { ChooseTemplateFile(); });
    connect(loadRadios_, &QPushButton::clicked, this, [this] { LoadRadios(); });
    connect(portList_, &QListWidget::itemChanged, this, [this] { TickedPortsChanged(); });
    connect(start_, &QPushButton::clicked, this, [this] { Start(); });
    connect(next_, &QPushButton::clicked, this, [this] { Next(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { CancelFleet(); });
    connect(saveLog_, &QPushButton::clicked, this, [this] { SaveLog(); });
    connect(close_, &QPushButton::clicked, this, [this] { reject(); });
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
}

void FleetDialog::FillPorts() {
    ports_ = services_.ports.Ports();
    const QSignalBlocker quiet(portList_);
    for (const PortMenuEntry& port : ports_) {
        auto* item = new QListWidgetItem(Q(ShortPortName(port.device) + "  " + port.caption), portList_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    if (ports_.empty()) new QListWidgetItem(tr("No serial port found"), portList_);
}

void FleetDialog::TickedPortsChanged() {
    std::vector<std::string> devices;
    for (int i = 0; i < portList_->count() && static_cast<size_t>(i) < ports_.size(); ++i)
        if (portList_->item(i)->checkState() == Qt::Checked) devices.push_back(ports_[static_cast<size_t>(i)].device);
    setup_.SetPorts(devices);
    ShowSetup();
}

void FleetDialog::ChooseTemplateFile() {
    const auto path = services_.files.OpenName(services_.documentsFolder, tr("dat files(*.dat)|*.dat|hex files(*.hex)|*.hex|All files(*.*)|*.*").toStdString());
    if (path) {
        RadioSession templ;
        const DataFileResult loaded = LoadDataFile(templ, *path, std::nullopt);
        const std::string name = path->filename().string();
        if (!loaded.ok) Tell(loaded.error, MessageIcon::Critical, AdviceText(Advice::FleetTemplateUnread));
        // Defaults in place of what a template cut short lacks reach no radio unasked.
        else if (loaded.missing.empty() || services_.prompt.Show(IncompleteDataQuestion(name, loaded.missing)) == Answer::Yes)
            setup_.SetTemplate(std::move(templ), name);
    }
    const bool fromFile = setup_.templateName() != kCurrentData;
    templateFile_->setChecked(fromFile);
    currentData_->setChecked(!fromFile);
    ShowSetup();
}

void FleetDialog::LoadRadios() {
    const auto path = services_.files.OpenName(services_.documentsFolder, tr("csv files(*.csv)|*.csv|All files(*.*)|*.*").toStdString());
    if (!path) return;
    const FileBytes csv = ReadFileBytes(*path, kLargestRadiosCsv);
    if (!csv.ok) {
        Tell(csv.error, MessageIcon::Critical, AdviceText(Advice::FleetRadiosUnread));
        return;
    }
    setup_.SetRadios(std::string(csv.bytes.begin(), csv.bytes.end()), path->filename().string());
    ShowSetup();
}

// Before the start: what is missing or refused, else whom to connect where;
// the table lists the radios as the CSV has them.
void FleetDialog::ShowSetup() {
    const std::vector<std::string> problems = setup_.Problems();
    QString text = tr("Programming: %1.").arg(qt::Term(setup_.templateName()));
    for (const std::string& problem : problems) text += "\n" + qt::Translated(problem);
    if (problems.empty()) text += "\n" + qt::Translated(setup_.ConnectFirst());
    status_->setText(text);
    radiosFile_->setText(setup_.radiosName().empty() ? tr("No CSV loaded") : Q(setup_.radiosName()));
    table_->setRowCount(static_cast<int>(setup_.radios().radios.size()));
    int row = 0;
    for (const FleetRadio& radio : setup_.radios().radios) {
        table_->setItem(row, kLabel, new QTableWidgetItem(Q(radio.label)));
        table_->setItem(row, kPort, new QTableWidgetItem(Q(ShortPortName(radio.port))));
        for (int c : {kState, kResult}) table_->setItem(row, c, new QTableWidgetItem);
        table_->removeCellWidget(row, kProgress);
        ++row;
    }
    Enable();
}

void FleetDialog::Start() {
    if (running() || !setup_.Problems().empty()) return;
    // The narrowband rule once, on the programming every radio gets.
    RadioSession templ = setup_.templ();
    if (CheckBeforeDownload(templ, services_.prompt, KV_TEXT("Messages", "Download")) == Answer::No) return;
    setup_.SetTemplate(std::move(templ), setup_.templateName());
    choices_.backup = backup_->isChecked();
    choices_.verify = verify_->isChecked();
    FleetOptions options;
    options.backup = choices_.backup;
    options.verify = choices_.verify;
    options.openPort = services_.fleet.openPort;
    options.startThread = services_.fleet.startThread;
    options.keep = [folder = services_.backupFolder](const RadioSession& s, const std::vector<uint8_t>& read) {
        return SaveBackup(folder, s, read, std::chrono::system_clock::now());
    };
    SafeProgramPlan plan;
    plan.backup = options.backup;
    plan.verify = options.verify;
    std::unique_ptr<FleetJob> job = setup_.MakeJob(std::move(options));
    if (!job) return;
    job->Start();
    watch_ = std::make_unique<FleetWatch>(std::move(job), plan);
    timer_.start(kPollMilliseconds);
    Poll();
}

void FleetDialog::Poll() {
    if (!watch_) return;
    const bool done = watch_->Poll();
    ShowRows();
    const std::string request = watch_->ConnectRequest();
    status_->setText(done ? qt::Translated(watch_->EndText()) : !request.empty() ? qt::Translated(request) : tr("Programming..."));
    if (done) timer_.stop();
    Enable();
}

void FleetDialog::ShowRows() {
    const std::vector<FleetRow>& rows = watch_->rows();
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const FleetRow& row = rows[static_cast<size_t>(i)];
        const std::string texts[kColumns] = {row.label, row.port, row.state, "", row.result};
        for (int c : {kLabel, kPort, kState, kResult}) {
            if (!table_->item(i, c)) table_->setItem(i, c, new QTableWidgetItem);
            table_->item(i, c)->setText(c == kState || c == kResult ? qt::Translated(texts[c]) : Q(texts[c]));
        }
        auto* bar = qobject_cast<QProgressBar*>(table_->cellWidget(i, kProgress));
        if (!bar) table_->setCellWidget(i, kProgress, bar = new QProgressBar(table_));
        bar->setValue(row.percent);
    }
}

void FleetDialog::Next() {
    if (!watch_) return;
    watch_->Next();
    Poll();
}

void FleetDialog::CancelFleet() {
    if (running()) watch_->Cancel();
    Poll();
}

void FleetDialog::SaveLog() {
    if (!watch_ || !watch_->done()) return;
    const auto path = services_.files.SaveName(services_.documentsFolder, tr("csv files(*.csv)|*.csv").toStdString());
    if (!path) return;
    const std::string text = FleetLogCsv(watch_->reports());
    if (const std::string error = WriteFileAtomically(*path, text.data(), text.size()); !error.empty())
        Tell(error, MessageIcon::Critical, AdviceText(Advice::SaveElsewhere));
}

void FleetDialog::Enable() {
    const bool busy = running();
    const std::initializer_list<QWidget*> setupControls = {currentData_, templateFile_, chooseTemplate_, loadRadios_,
                                                           portList_,    backup_,       verify_};
    for (QWidget* w : setupControls) w->setEnabled(!busy);
    start_->setEnabled(!busy && setup_.Problems().empty() && static_cast<bool>(services_.fleet.openPort));
    next_->setEnabled(busy && !watch_->ConnectRequest().empty());
    cancel_->setEnabled(busy);
    saveLog_->setEnabled(watch_ && watch_->done());
    close_->setEnabled(!busy);
}

void FleetDialog::Tell(const std::string& text, MessageIcon icon, const std::string& detail) {
    services_.prompt.Show({text, kCaption, icon, Buttons::Ok, detail});
}

// While radios are being written the dialog stays: Cancel first.
void FleetDialog::closeEvent(QCloseEvent* event) {
    if (running()) event->ignore();
    else QDialog::closeEvent(event);
}

void FleetDialog::reject() {
    if (!running()) QDialog::reject();
}

}  // namespace kv
