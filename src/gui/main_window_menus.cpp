// The main window's menus and toolbar: building them, and refilling the
// menus whose entries change (recent files, regions, serial ports). A menu
// command is one AddCommand line in its menu's builder.
#include <QMenuBar>
#include <QToolBar>

#include "files/session_commands.h"
#include "gui/language_menu.h"
#include "gui/main_window.h"
#include "qt/translations.h"
#include "util/texts.h"

namespace kv {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QAction* MainWindow::AddCommand(QMenu* menu, const QString& caption, const char* name, std::function<void()> command) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, std::move(command));
    return action;
}

void MainWindow::BuildMenus() {
    BuildFileMenu();
    BuildEditMenu();
    BuildTransferMenu();
    BuildRegionMenu();
    BuildOptionsMenu();
    BuildHelpMenu();
}

void MainWindow::BuildFileMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("mnuFile");
    AddCommand(file, tr("&New"), "mnuFileNew", [this] { FileNew(); })->setShortcut(QKeySequence::New);
    AddCommand(file, tr("&Open"), "mnuFileOpen", [this] { FileOpen(); })->setShortcut(QKeySequence::Open);
    AddCommand(file, tr("&Save"), "mnuFileSave", [this] { FileSave(); })->setShortcut(QKeySequence::Save);
    AddCommand(file, tr("Save &As..."), "mnuFileSaveAs", [this] { FileSaveAs(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    AddCommand(file, tr("&Print"), "mnuFilePrint", [this] { Print(); })->setShortcut(QKeySequence::Print);
    AddCommand(file, tr("Export PDF..."), "mnuFileExportPdf", [this] { ExportPdf(); });
    AddCommand(file, tr("P&rint to File"), "mnuFilePrintToFile", [this] { PrintToFile(); });
    file->addSeparator();
    AddCommand(file, tr("Restore from &Backup..."), "mnuFileRestoreBackup", [this] { FileRestoreBackup(); });
    recentMenu_ = file->addMenu(tr("Recent &Files"));
    recentMenu_->setObjectName("mnuFileRecent");
    RebuildRecentMenu();
    file->addSeparator();
    AddCommand(file, tr("Export Channels (CSV)..."), "mnuFileExportCsv", [this] { ExportChannels(); });
    AddCommand(file, tr("Export Channels (Generic CSV)..."), "mnuFileExportGenericCsv", [this] { ExportChannels(CsvLayout::Generic); });
    AddCommand(file, tr("Import Channels (CSV)..."), "mnuFileImportCsv", [this] { ImportChannels(); });
    file->addSeparator();
    AddCommand(file, tr("E&xit"), "mnuFileExit", [this] { close(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void MainWindow::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName("mnuEdit");
    history_->AddActions(edit, [this] { return CurrentScreen() != nullptr && CurrentScreen()->SettleActiveField(); });
    edit->addSeparator();
    QMenu* model = edit->addMenu(tr("&Model"));
    model->setObjectName("mnuEditModel");
    for (int code = 0; code < kModelCount; ++code) {
        const ModelTraits& traits = TraitsOf(code);
        if (!traits.menuCaption) continue;
        QAction* action = AddCommand(model, qt::Term(traits.menuCaption), "", [this, code] { EditModel(code); });
        action->setObjectName(QString("mnuEditModelKind_%1").arg(code));
        action->setCheckable(true);
        // The entries of the DSC models are kept, hidden and disabled.
        action->setVisible(traits.offered);
        action->setEnabled(traits.offered);
        modelActions_[code] = action;
    }
}

void MainWindow::BuildTransferMenu() {
    QMenu* transfer = menuBar()->addMenu(tr("&Transfer"));
    transfer->setObjectName("mnuTransfer");
    transferProgram_ = AddCommand(transfer, tr("&Program to Radio"), "mnuTransferProgram", [this] { TransferProgram(); });
    transferRead_ = AddCommand(transfer, tr("&Read from Radio"), "mnuTransferRead", [this] { TransferRead(); });
    transfer->addSeparator();
    AddCommand(transfer, tr("Program &Fleet..."), "mnuTransferFleet", [this] { TransferFleet(); })
        ->setEnabled(static_cast<bool>(services_.fleet.openPort));
}

void MainWindow::BuildRegionMenu() {
    regionMenu_ = menuBar()->addMenu(tr("&Region"));
    regionMenu_->setObjectName("mnuDestination");
    for (int i = 0; i < kMaxDestinations; ++i) {
        QAction* action = AddCommand(regionMenu_, QString(), "", [this, i] { PickDestination(i); });
        action->setObjectName(QString("mnuDestinationChild_%1").arg(i));
        action->setCheckable(true);
        action->setVisible(false);
        destinationActions_[i] = action;
    }
}

void MainWindow::BuildOptionsMenu() {
    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName("mnuOptions");
    portMenu_ = options->addMenu(tr("&SerialPort"));
    portMenu_->setObjectName("mnuOptionsSerialPort");
    portNone_ = portMenu_->addAction(qt::Term(text::kNoPort));
    portNone_->setObjectName("mnuOptionsSerialPortNone");
    for (int i = 0; i < kMaxPorts; ++i) {
        QAction* action = AddCommand(portMenu_, QString(), "", [this, i] { ChoosePort(i); });
        action->setObjectName(QString("mnuOptionsSerialPort1_%1").arg(i));
        action->setCheckable(true);
        action->setVisible(false);
        portActions_[i] = action;
    }
    // The list of ports is read again each time the submenu opens.
    connect(portMenu_, &QMenu::aboutToShow, this, &MainWindow::RebuildPortMenu);
    AddLanguageMenu(options, services_.store, services_.prompt, services_.programFolder);
}

void MainWindow::BuildHelpMenu() {
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("mnuHelp");
    QAction* contents = AddCommand(help, tr("&Contents"), "mnuHelpContents", [this] { HelpContents(); });
    contents->setShortcut(QKeySequence::HelpContents);
    contents->setShortcutContext(Qt::WidgetShortcut);
    AddCommand(help, tr("&About"), "mnuHelpAbout", [this] { HelpAbout(); });
}

void MainWindow::BuildToolbar() {
    QToolBar* bar = addToolBar(tr("Toolbar"));
    bar->setObjectName("Toolbar1");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const auto icon = [this](QStyle::StandardPixmap p) { return style()->standardIcon(p); };
    struct Button {
        const char* key;
        const char* caption;
        QStyle::StandardPixmap icon;
        const char* menuItem;
    };
    const Button buttons[] = {
        {"New", QT_TR_NOOP("New"), QStyle::SP_FileIcon, "mnuFileNew"},
        {"Open", QT_TR_NOOP("Open"), QStyle::SP_DialogOpenButton, "mnuFileOpen"},
        {"Save", QT_TR_NOOP("Save"), QStyle::SP_DialogSaveButton, "mnuFileSave"},
        {"Print", QT_TR_NOOP("Print"), QStyle::SP_FileDialogDetailedView, "mnuFilePrint"},
        {"Program", QT_TR_NOOP("Program"), QStyle::SP_ArrowUp, "mnuTransferProgram"},
        {"Read", QT_TR_NOOP("Read"), QStyle::SP_ArrowDown, "mnuTransferRead"},
        {"Program2", QT_TR_NOOP("Program"), QStyle::SP_ArrowUp, "mnuTransferProgram"},
        {"Read2", QT_TR_NOOP("Read"), QStyle::SP_ArrowDown, "mnuTransferRead"},
    };
    for (const Button& b : buttons) {
        QAction* action = bar->addAction(icon(b.icon), tr(b.caption));
        action->setObjectName(QString("tbr") + b.key);
        action->setData(QString(b.key));
        // A button runs its menu command only while that item is enabled.
        const QString menuItem = b.menuItem;
        connect(action, &QAction::triggered, this, [this, menuItem] {
            if (auto* item = findChild<QAction*>(menuItem); item && item->isEnabled()) item->trigger();
        });
        toolbarButtons_[b.key] = action;
    }
    toolbarButtons_["Program2"]->setVisible(false);
    toolbarButtons_["Read2"]->setVisible(false);
    if (e_.debug) {
        QAction* diagnostic = bar->addAction(icon(QStyle::SP_MessageBoxQuestion), tr("Help"));
        diagnostic->setObjectName("tbrDiagnosticHelp");
        connect(diagnostic, &QAction::triggered, this, [this] { HelpContext(kDiagnosticHelp); });
    }
}

void MainWindow::RebuildRecentMenu() {
    recentMenu_->clear();
    const auto files = ReadRecentFiles(services_.store);
    for (size_t i = 0; i < files.size(); ++i) {
        const std::filesystem::path file = files[i];
        QAction* action = recentMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(Q(file.string())), this,
                                                 [this, file] { OpenRecent(file); });
        action->setObjectName(QString("mnuFileRecent_%1").arg(i));
    }
    recentMenu_->setEnabled(!files.empty());
}

void MainWindow::ShowDestinationCaptions() {
    const auto& names = destinations_.list.names;
    for (int i = 0; i < kMaxDestinations; ++i) {
        const bool used = static_cast<size_t>(i) < names.size();
        destinationActions_[i]->setText(used ? Q(names[static_cast<size_t>(i)]) : QString());
        destinationActions_[i]->setVisible(used);
    }
}

void MainWindow::CheckDestination(std::optional<size_t> entry) {
    destinations_.checked = entry;
    for (int i = 0; i < kMaxDestinations; ++i)
        destinationActions_[i]->setChecked(entry && *entry == static_cast<size_t>(i));
}

// The chosen port is its device: under a new number it keeps its mark; gone,
// no port is chosen and the status bar says which is missing; back, it is
// chosen again.
void MainWindow::RebuildPortMenu() {
    ports_ = services_.ports.Ports();
    if (ports_.size() > static_cast<size_t>(kMaxPorts)) ports_.resize(kMaxPorts);
    portNone_->setVisible(ports_.empty());
    const std::string wanted = selectedDevice();
    int chosen = -1;
    for (int i = 0; i < kMaxPorts; ++i) {
        const bool used = static_cast<size_t>(i) < ports_.size();
        portActions_[i]->setVisible(used);
        portActions_[i]->setText(used ? Q(ports_[static_cast<size_t>(i)].caption) : QString());
        if (used && !wanted.empty() && ports_[static_cast<size_t>(i)].device == wanted) chosen = i;
    }
    if (chosen >= 0) {
        portNumber_ = ports_[static_cast<size_t>(chosen)].number;
        portDevice_ = wanted;
        SetMissingPort("");
    } else {
        SetMissingPort(wanted);
    }
    for (int i = 0; i < kMaxPorts; ++i) portActions_[i]->setChecked(i == chosen);
}

void MainWindow::UpdateModelChecks() {
    for (auto& [code, action] : modelActions_) action->setChecked(IsCurrentModel(s_, code));
}

}  // namespace kv
