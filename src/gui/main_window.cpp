#include "gui/main_window.h"

#include "files/backups.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSet>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QSvgWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/channel_csv.h"
#include "files/file_io.h"
#include "files/image_file.h"
#include "files/session_commands.h"
#include "files/settings_file.h"
#include "gui/about_dialog.h"
#include "gui/atis_screen.h"
#include "gui/channel_screens.h"
#include "gui/common_setup_screen.h"
#include "gui/fleet_dialog.h"
#include "gui/report_preview.h"
#include "gui/screen_widgets.h"
#include "print/report_printer.h"
#include "gui/transfer_dialog.h"
#include "image/defaults.h"
#include "link/link_texts.h"
#include "link/port_list.h"
#include "qt/translations.h"
#include "rules/narrowband.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {
namespace {

// The file dialogs' filters, the names in the window's language (MainWindow::tr).
constexpr const char* kDatFilter = QT_TRANSLATE_NOOP("kv::MainWindow", "dat files(*.dat)|*.dat|All files(*.*)|*.*");
constexpr const char* kPdfFilter = QT_TRANSLATE_NOOP("kv::MainWindow", "PDF files(*.pdf)|*.pdf|All files(*.*)|*.*");
constexpr const char* kCsvFilter = QT_TRANSLATE_NOOP("kv::MainWindow", "csv files(*.csv)|*.csv|All files(*.*)|*.*");
// The undo step of the narrowband conversion a save may make.
constexpr const char* kNarrowingStep = QT_TRANSLATE_NOOP("kv::MainWindow", "Narrow bandwidth");
constexpr const char* kHexFilter = QT_TRANSLATE_NOOP("kv::MainWindow", "hex files(*.hex)|*.hex|All files(*.*)|*.*");
// The caption of the narrowband rule's box before a save.
constexpr const char* kSaveCaption = KV_TEXT("Messages", "Save");

std::vector<PortEntry> PortEntries(const std::vector<PortMenuEntry>& menu) {
    std::vector<PortEntry> entries;
    for (const PortMenuEntry& port : menu) entries.push_back({port.number, true, port.device, port.caption});
    return entries;
}

// Shows the wait cursor and disables the window for a scope.
class Busy {
public:
    explicit Busy(QWidget* window) : window_(window) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        window_->setEnabled(false);
    }
    ~Busy() {
        window_->setEnabled(true);
        QApplication::restoreOverrideCursor();
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    QWidget* window_;
};

QWidget* TitledPage(const char* objectName, const QString& caption, QLabel** captionLabel = nullptr) {
    auto* page = new QWidget;
    page->setObjectName(objectName);
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(caption, page);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setMaximumWidth(label->fontMetrics().averageCharWidth() * 70);  // lines a reader can follow
    layout->addWidget(label, 0, Qt::AlignCenter);
    if (captionLabel) *captionLabel = label;
    return page;
}

}  // namespace

MainWindow::MainWindow(RadioSession& session, EditorState& editor, MainWindowServices services)
    : s_(session), e_(editor), services_(services) {
    LoadPictures();
    setObjectName("frmMain");
    // Drop-down lists open as lists of a dozen entries below the box, never
    // over the whole screen (some styles otherwise size the popup to the list).
    setStyleSheet("QComboBox { combobox-popup: 0; }");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    s_.model = ReadModelChoice(services_.store);
    history_ = new UndoHistory(s_, e_, [this] { ShowRestored(); }, this);
    // Undo and redo across the saved state settle the data-changed flag after the stack moved.
    connect(&history_->stack(), &QUndoStack::cleanChanged, this, &MainWindow::ShowModified, Qt::QueuedConnection);
    BuildMenus();
    BuildToolbar();
    BuildScreens();
    status_ = new QLabel(this);
    status_->setObjectName("sbStatusBar");
    statusBar()->addWidget(status_, 1);
    portNote_ = new QLabel(this);
    portNote_->setObjectName("sbPortNote");
    statusBar()->addPermanentWidget(portNote_);

    RebuildPortMenu();
    const PortChoice remembered = ReadPortChoice(services_.store);
    if (const int index = IndexOfRememberedPort(PortEntries(ports_), remembered.number, remembered.name); index >= 0)
        ChoosePort(index);
    else
        SetMissingPort(remembered.name);

    MakeNewSettings(true);
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::OnFocusChanged);
    if (e_.debug) {
        connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3), this), &QShortcut::activated, this,
                &MainWindow::SaveImage);
        connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2), this), &QShortcut::activated, this,
                &MainWindow::OpenImage);
    }
    // F1: the topic of the control with the focus, else the contents.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this] {
        const QWidget* focus = QApplication::focusWidget();
        HelpContext(focus ? HelpContextOf(focus->objectName().toStdString()) : 0);
    });
    FitToScreen();
    QApplication::restoreOverrideCursor();
}

// Focus moves while the widgets are torn down: no handler may see them.
MainWindow::~MainWindow() { disconnect(qApp, nullptr, this, nullptr); }

void MainWindow::StartTimer() {
    QTimer::singleShot(0, this, [this] {
        SelectNodeByKey("General");
        emit generalShown();
    });
}

// ---------------------------------------------------------------- building

void MainWindow::BuildScreens() {
    auto* splitter = new QSplitter(this);
    splitter->setObjectName("splitter");
    tree_ = new QTreeWidget(splitter);
    tree_->setObjectName("tvTreeView");
    tree_->setAccessibleName(tr("Screens"));
    tree_->setAccessibleDescription(qt::Term(text::kSelectionHint));
    // The caption, and a channel's name beside it.
    tree_->setColumnCount(2);
    tree_->setHeaderHidden(true);
    tree_->header()->setStretchLastSection(true);
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    stack_ = new QStackedWidget(splitter);
    stack_->setObjectName("pictScreens");
    splitter->addWidget(tree_);
    splitter->addWidget(stack_);
    splitter->setStretchFactor(1, 1);
    splitter->setCollapsible(0, false);
    setCentralWidget(splitter);

    // The general page carries the logo.
    auto* general = new QWidget;
    general->setObjectName("pictGeneral");
    auto* generalLayout = new QVBoxLayout(general);
    auto* logo = new QSvgWidget(":/kvprog/logo.svg", general);
    logo->setObjectName("pictLogo");
    logo->setFixedSize(320, 160);
    generalLayout->addStretch();
    generalLayout->addWidget(logo, 0, Qt::AlignCenter);
    auto* product = new QLabel(qt::Term(text::kWindowTitle), general);
    product->setAlignment(Qt::AlignCenter);
    generalLayout->addWidget(product);
    generalLayout->addStretch();
    screens_[ScreenKind::General] = general;

    // "Programmable Channel" leads to its lists.
    QWidget* empty = TitledPage("pictEmpty", tr("Programmable Channel\n\nChoose a channel list below this entry of the "
                                                "tree: the marine groups switched on in Available CH Group Setup, Weather "
                                                "(on models that have it) and RG Channel."));
    screens_[ScreenKind::Empty] = empty;
    screens_[ScreenKind::Blank] = TitledPage("pictBlank", "");

    // An edit typed into a field is one undo step until the focus moves on
    // (the screens' own focus handlers, connected before the window's, still
    // belong to the typing they finish).
    const ScreenContext context{s_, e_, services_.prompt, [this](const QWidget* field) {
                                    if (!field) field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
                                    history_->Record(field ? field->objectName() : QString());
                                    ShowModified();
                                }};
    screens_[ScreenKind::Common] = new CommonSetupScreen(context, nullptr);
    screens_[ScreenKind::Atis] = new AtisScreen(context, nullptr);

    const ChannelHost host{
        [this] { RebuildTreeKeepingSelection(); },
        [this] { RefreshCaptions(); },
        [this](const QString& key) { SelectNodeByKey(key); },
        [this](const std::string& label, const RadioSettings& after) { ApplyChange(label, after); }};
    screens_[ScreenKind::Usable] = new UsableScreen(context, host, nullptr);
    screens_[ScreenKind::MarineGrid] = new MarineGridScreen(context, host, nullptr);
    screens_[ScreenKind::WeatherGrid] = new WeatherScreen(context, host, nullptr);
    auto* lists = new ChannelListScreen(context, host, nullptr);
    auto* editor = new ChannelEditorScreen(context, host, nullptr);
    for (const ScreenKind kind : {ScreenKind::RgGrid, ScreenKind::LmrGrid, ScreenKind::ExpGrid}) screens_[kind] = lists;
    for (const ScreenKind kind :
         {ScreenKind::MarineChannel, ScreenKind::RgChannel, ScreenKind::LmrChannel, ScreenKind::ExpChannel})
        screens_[kind] = editor;

    // Grids and pages of their own take the whole area; forms keep their width.
    for (QWidget* page : {general, empty, screens_[ScreenKind::Blank], screens_[ScreenKind::MarineGrid],
                          static_cast<QWidget*>(lists)})
        stack_->addWidget(areas_[page] = ScrolledScreen(page, true));
    for (QWidget* page : {screens_[ScreenKind::Common], screens_[ScreenKind::Atis], screens_[ScreenKind::Usable],
                          screens_[ScreenKind::WeatherGrid], static_cast<QWidget*>(editor)})
        stack_->addWidget(areas_[page] = ScrolledScreen(page, false));

    connect(tree_, &QTreeWidget::currentItemChanged, this, &MainWindow::OnTreeChanged);
}

// ---------------------------------------------------------------- tree

// The branches open before stay open.
void MainWindow::BuildTree() {
    ScreenBuilding building(e_);
    const QSignalBlocker block(tree_);
    QSet<QString> open;
    for (QTreeWidgetItem* item : tree_->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive))
        if (item->isExpanded()) open.insert(item->data(0, Qt::UserRole).toString());
    tree_->clear();
    currentNode_ = nullptr;
    treeShown_ = BuildScreenTree(s_);
    AddTreeNodes(nullptr, treeShown_);
    for (QTreeWidgetItem* item : tree_->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive))
        item->setExpanded(open.contains(item->data(0, Qt::UserRole).toString()));
}

void MainWindow::AddTreeNodes(QTreeWidgetItem* parent, const std::vector<ScreenNode>& nodes) {
    for (const ScreenNode& node : nodes) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
        item->setText(0, qt::Translated(node.caption));
        item->setText(1, Q(node.name));
        item->setData(0, Qt::UserRole, Q(node.key));
        AddTreeNodes(item, node.children);
    }
}

// A usable group went on or off: the tree is built again and the same node
// selected, without building its screen again.
void MainWindow::RebuildTreeKeepingSelection() {
    const QString key = CurrentKey();
    BuildTree();
    const QSignalBlocker block(tree_);
    for (QTreeWidgetItem* item : tree_->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive)) {
        if (item->data(0, Qt::UserRole).toString().compare(key, Qt::CaseInsensitive) != 0) continue;
        tree_->setCurrentItem(item);
        if (item->parent()) item->parent()->setExpanded(true);
        currentNode_ = item;
    }
}

// On model 5 one channel edit can change the captions of two nodes.
void MainWindow::RefreshCaptions() {
    std::map<QString, const ScreenNode*> nodes;
    const std::vector<ScreenNode> tree = BuildScreenTree(s_);
    const std::function<void(const std::vector<ScreenNode>&)> collect = [&](const std::vector<ScreenNode>& level) {
        for (const ScreenNode& node : level) {
            nodes[Q(node.key).toUpper()] = &node;
            collect(node.children);
        }
    };
    collect(tree);
    for (QTreeWidgetItem* item : tree_->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive))
        if (auto found = nodes.find(item->data(0, Qt::UserRole).toString().toUpper()); found != nodes.end()) {
            item->setText(0, qt::Translated(found->second->caption));
            item->setText(1, Q(found->second->name));
        }
}

void MainWindow::PrintToFile() {
    if (!ValidateActiveField()) return;
    auto* preview = new ReportPreview(s_, services_.prompt, services_.files, DialogStart(), this);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowModality(Qt::ApplicationModal);
    preview->show();
}

bool MainWindow::Print() {
    if (!ValidateActiveField()) return false;
    QPrinter printer(QPrinter::HighResolution);
    if (!services_.printers.Choose(printer)) return false;
    std::string error;
    {
        Busy busy(this);
        error = PrintReport(s_, printer);
    }
    if (error.empty()) return true;
    services_.prompt.Show({error, s_.ModelName() + " " + text::kProductWord, MessageIcon::Exclamation, Buttons::Ok,
                           AdviceText(Advice::Printer)});
    return false;
}

bool MainWindow::ExportPdf() {
    if (!ValidateActiveField()) return false;
    const auto name = ChooseSaveName(tr(kPdfFilter).toStdString());
    if (!name || name->empty()) return false;
    std::string error;
    {
        Busy busy(this);
        error = ExportReportPdf(s_, *name);
    }
    if (error.empty()) return true;
    services_.prompt.Show({error, s_.ModelName() + " " + text::kProductWord, MessageIcon::Exclamation, Buttons::Ok,
                           AdviceText(Advice::SaveElsewhere)});
    return false;
}

bool MainWindow::SelectNodeByKey(const QString& key) {
    const auto found = tree_->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive);
    for (QTreeWidgetItem* item : found) {
        if (item->data(0, Qt::UserRole).toString().compare(key, Qt::CaseInsensitive) != 0) continue;
        {
            const QSignalBlocker block(tree_);
            tree_->setCurrentItem(item);
        }
        if (item->parent()) item->parent()->setExpanded(true);
        ShowScreenForNode(item);
        return true;
    }
    return false;
}

void MainWindow::OnTreeChanged(QTreeWidgetItem* current, QTreeWidgetItem*) {
    status_->setText(qt::Term(text::kSelectionHint));
    if (current == nullptr) return;
    if (!ValidateActiveField()) {
        // Stay on the screen whose field is refused.
        const QSignalBlocker block(tree_);
        tree_->setCurrentItem(currentNode_);
        return;
    }
    ShowScreenForNode(current);
}

void MainWindow::ShowScreenForNode(QTreeWidgetItem* node) {
    const QString key = node->data(0, Qt::UserRole).toString();
    const QString parentKey = node->parent() ? node->parent()->data(0, Qt::UserRole).toString() : QString();
    const ScreenChoice choice = ScreenForNode(key.toStdString(), parentKey.toStdString());
    currentNode_ = node;
    status_->setText(qt::Term(text::kSelectionHint));
    ShowScreen(choice);
}

void MainWindow::ShowScreen(const ScreenChoice& choice) {
    ScreenBuilding building(e_);
    shown_ = choice;
    QWidget* page = screens_.at(choice.kind);
    if (auto* channels = dynamic_cast<ChannelScreen*>(page)) channels->SetChoice(choice);
    if (auto* screen = dynamic_cast<Screen*>(page)) screen->Fill();
    stack_->setCurrentWidget(areas_.at(page));
}

QString MainWindow::CurrentKey() const {
    return currentNode_ ? currentNode_->data(0, Qt::UserRole).toString() : QString();
}

Screen* MainWindow::CurrentScreen() const {
    for (const auto& [page, area] : areas_)
        if (area == stack_->currentWidget()) return dynamic_cast<Screen*>(page);
    return nullptr;
}

// A window that fits the screen it opens on, the tree as wide as its captions
// and channel names.
void MainWindow::FitToScreen() {
    const QRect room = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(room.width() - 40, 1100), std::min(room.height() - 60, 760));  // the frame fits too
    // The captions at their depth, a name of 12 characters and the scroll bar.
    const QFontMetrics metrics = tree_->fontMetrics();
    const int captions = 2 * tree_->indentation() + metrics.horizontalAdvance(qt::Term("Available CH Group Setup"));
    const int treeWidth = captions + metrics.horizontalAdvance("COMMERCIAL12") + 4 * metrics.averageCharWidth() +
                          style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    tree_->setMinimumWidth(captions);
    if (auto* splitter = qobject_cast<QSplitter*>(centralWidget()))
        splitter->setSizes({treeWidth, std::max(width() - treeWidth, 400)});
}

QWidget* MainWindow::ScreenWidget(ScreenKind kind) const { return screens_.at(kind); }

bool MainWindow::ValidateActiveField() {
    Screen* screen = CurrentScreen();
    return screen == nullptr || screen->ValidateActiveField();
}

// ---------------------------------------------------------------- data as a whole

// New data are the default data of the destination the Region menu marks,
// as at start-up: a radio of that destination takes them (the model's own
// defaults carry selection bits no radio of a destination has).
void MainWindow::MakeNewSettings(bool startUp) {
    {
        ScreenBuilding building(e_);
        ResetToDefaults(s_);
        if (startUp)
            RebuildDestinationMenu();
        else if (destinations_.checked &&
                 !LoadDestinationData(s_, destinations_.list, *destinations_.checked, services_.programFolder))
            CheckDestination(std::nullopt);
    }
    UpdateModelChecks();
    BuildTree();
    SelectNodeByKey("General");
    status_->clear();
    StartUnnamedData();
}

// Data that are in no file yet: no name in the title, nothing to save, nothing to undo.
void MainWindow::StartUnnamedData() {
    e_.currentFile.clear();
    e_.dataChanged = false;
    history_->Clear();
    UpdateTitle();
}

void MainWindow::Refresh() {
    BuildTree();
    SelectNodeByKey("General");
    UpdateTitle();
}

std::optional<ChannelList> MainWindow::ShownChannelList() {
    if (!ValidateActiveField()) return std::nullopt;
    const std::optional<ChannelList> list = ListOfScreen(shown_.kind, shown_.group);
    if (!list) services_.prompt.Show(NoChannelListMessage());
    return list;
}

bool MainWindow::ExportChannels(CsvLayout layout) {
    const std::optional<ChannelList> list = ShownChannelList();
    if (!list) return false;
    if (!LayoutHoldsList(layout, *list)) {
        services_.prompt.Show(NoChannelListMessage(layout));
        return false;
    }
    auto path = ChooseSaveName(tr(kCsvFilter).toStdString(), SuggestedCsvName(e_.currentFile, *list));
    if (!path) return false;
    if (!path->has_extension()) path->replace_extension(".csv");
    // A spreadsheet of a comma-decimal locale reads ";"; the other tools read the generic layout with ",".
    const QString point = QLocale().decimalPoint();
    const char separator = layout == CsvLayout::Generic || point.isEmpty() ? ',' : ListSeparatorFor(point.at(0).toLatin1());
    const std::string error = ExportChannelsCsvFile(s_, *list, *path, {layout, separator});
    if (!error.empty())
        services_.prompt.Show(
            {error, text::kWindowTitle, MessageIcon::Critical, Buttons::Ok, AdviceText(Advice::SaveElsewhere)});
    else
        services_.prompt.Show(
            ChannelsTakenMessage(*list, ChannelRowCount(s_, *list, layout), ChannelsTaken::Exported, *path));
    return error.empty();
}

bool MainWindow::ImportChannels() {
    const std::optional<ChannelList> list = ShownChannelList();
    if (!list) return false;
    const auto path = ChooseOpenName(tr(kCsvFilter).toStdString());
    if (!path) return false;
    ChannelChange change = ImportChannelsCsvFile(s_, *list, *path);
    if (!change.settings) {
        for (std::string& problem : change.problems) problem = ReasonOf(problem, *path);  // the file named once
        Message nothing = ChannelProblemsMessage(AdviceMainText(Advice::NothingImported, {path->string()}), change.problems);
        nothing.detail = AdviceText(Advice::NothingImported);
        services_.prompt.Show(nothing);
        return false;
    }
    // What the import changes as it takes the cells is asked before it applies.
    if (!change.notes.empty() &&
        services_.prompt.Show(ChannelChangesQuestion(*list, change.channels, *path, change.notes)) != Answer::Ok)
        return false;
    if (*change.settings != s_.settings)
        ApplyChange(tr("Import %1 channels").arg(Q(ChannelListName(*list))).toStdString(), *change.settings);
    services_.prompt.Show(ChannelsTakenMessage(*list, change.channels, ChannelsTaken::Imported, *path));
    return true;
}

// The modified mark ("*" in Qt's convention) follows the data-changed flag.
void MainWindow::UpdateTitle() {
    // The product's name in the window's language; the file's as it is.
    setWindowTitle(Q(WindowTitle(e_.currentFile)).replace(text::kWindowTitle, qt::Term(text::kWindowTitle)) + "[*]");
    ShowModified();
}

void MainWindow::ShowModified() { setWindowModified(e_.dataChanged); }

void MainWindow::ShowAll(const std::vector<Message>& messages) {
    for (const Message& m : messages) services_.prompt.Show(m);
}

// Unsaved data: the question of Exit, before a command replaces them.
bool MainWindow::ConfirmUnsaved() {
    return ConfirmUnsavedChanges(e_, services_.prompt, [this] { return ValidateActiveField(); },
                                 [this] { return FileSave(); });
}

void MainWindow::FileNew() {
    if (!ValidateActiveField() || !ConfirmUnsaved()) return;
    MakeNewSettings(false);
}

bool MainWindow::FileOpen() {
    if (!ValidateActiveField() || !ConfirmUnsaved()) return false;
    const auto path = ChooseOpenName(tr(kDatFilter).toStdString());
    return path && OpenFile(*path);
}

bool MainWindow::OpenFile(const std::filesystem::path& path) {
    const int before = s_.model;
    SettingsLoad load;
    {
        Busy busy(this);
        load = OpenSettingsFile(s_, path, services_.prompt, services_.store);
    }
    if (s_.model != before) {
        // The file asked for the other series and the user agreed.
        Pause(200, services_.pauseScale);
        UpdateModelChecks();
        // The other model's destinations, without loading one over the file.
        destinations_.list = FindDefaultDataFiles(services_.programFolder, s_.model);
        ShowDestinationCaptions();
        CheckDestinationOfData();
    }
    if (load.result != LoadResult::Loaded) {
        LogFileFailure(e_, services_.log, procedure::kReadFileAs, load.messages, load.detail);
        if (s_.model != before) {
            e_.currentFile.clear();
            e_.dataChanged = false;
            history_->Clear();
            Refresh();
        }
        return false;
    }
    e_.currentFile = path;
    e_.incompleteFile = load.missing.empty() ? std::filesystem::path() : path;
    e_.missingParts = load.missing;
    e_.dataChanged = false;
    history_->Clear();
    Remember(path);
    Refresh();
    return true;
}

bool MainWindow::FileSave() {
    if (!ValidateActiveField()) return false;
    if (e_.currentFile.empty()) return FileSaveAs();
    CheckAfterChange(s_, services_.prompt, kSaveCaption);
    history_->Record({}, tr(kNarrowingStep).toStdString());
    return SaveTo(e_.currentFile);
}

bool MainWindow::FileSaveAs() {
    if (!ValidateActiveField()) return false;
    CheckAfterChange(s_, services_.prompt, kSaveCaption);
    history_->Record({}, tr(kNarrowingStep).toStdString());
    auto path = ChooseSaveName(tr(kDatFilter).toStdString());
    if (!path) return false;
    if (!path->has_extension()) path->replace_extension(".dat");
    return SaveTo(*path);
}

bool MainWindow::SaveTo(const std::filesystem::path& path) {
    FileOutcome outcome;
    {
        Busy busy(this);
        outcome = SaveAskingForProtectedFiles(
            [&](ReadOnlyFiles readOnly) { return SaveSettingsFile(s_, path, readOnly); }, path, services_.prompt);
        Pause(500, services_.pauseScale);
    }
    ShowAll(outcome.messages);
    LogFileFailure(e_, services_.log, procedure::kSaveFileAs, outcome.messages, outcome.detail);
    if (!outcome.ok) return false;
    e_.currentFile = path;
    e_.dataChanged = false;
    history_->Saved();
    Remember(path);
    UpdateTitle();
    // The narrowband rule may have changed channels the screens show.
    if (auto* screen = CurrentScreen()) {
        ScreenBuilding building(e_);
        screen->Fill();
    }
    return true;
}

void MainWindow::SaveImage() {
    if (!e_.debug || !ValidateActiveField()) return;
    const auto path = ChooseSaveName(tr(kHexFilter).toStdString());
    if (!path) return;
    FileOutcome outcome;
    {
        Busy busy(this);
        outcome = SaveAskingForProtectedFiles(
            [&](ReadOnlyFiles readOnly) { return SaveImageFile(s_, *path, readOnly); }, *path, services_.prompt);
        Pause(500, services_.pauseScale);
    }
    ShowAll(outcome.messages);
    LogFileFailure(e_, services_.log, procedure::kSaveHexFileAs, outcome.messages, outcome.detail);
}

void MainWindow::OpenImage() {
    if (!e_.debug || !ValidateActiveField() || !ConfirmUnsaved()) return;
    const auto path = ChooseOpenName(tr(kHexFilter).toStdString());
    if (!path) return;
    FileOutcome outcome;
    std::vector<std::string> warnings;
    {
        Busy busy(this);
        outcome = OpenImageFile(s_, *path, &warnings);
    }
    ShowAll(outcome.messages);
    LogFileFailure(e_, services_.log, procedure::kReadHexFileAs, outcome.messages, outcome.detail);
    if (!outcome.ok) return;
    if (!warnings.empty()) services_.prompt.Show(LoadWarningsMessage(warnings));
    e_.currentFile = *path;
    e_.dataChanged = false;
    history_->Clear();
    Refresh();
}

void MainWindow::EditModel(int code) {
    if (!ValidateActiveField() || IsCurrentModel(s_, code) || !ConfirmUnsaved() ||
        !SwitchModel(s_, code, services_.prompt, services_.store)) {
        UpdateModelChecks();  // a click on a checkable entry toggles it: put it back
        return;
    }
    // The destinations differ per model: the Region menu follows the switch.
    MakeNewSettings(true);
}

// ---------------------------------------------------------------- undo, recent files, dialogs

bool MainWindow::EditUndo() { return history_->Undo(); }
bool MainWindow::EditRedo() { return history_->Redo(); }

void MainWindow::ApplyChange(const std::string& label, const RadioSettings& after) {
    history_->Record();  // an edit made before is a step of its own
    s_.settings = after;
    history_->Record({}, label);
    ShowModified();
    ShowRestored();
}

// The node shown before, else its group's node (an undone add takes the
// channel's node away), else "General".
void MainWindow::ShowRestored() {
    if (currentNode_ && BuildScreenTree(s_) == treeShown_) {
        ShowScreenForNode(currentNode_);  // the tree stays as it is
        return;
    }
    const QString key = CurrentKey();
    const QString parentKey =
        currentNode_ && currentNode_->parent() ? currentNode_->parent()->data(0, Qt::UserRole).toString() : QString();
    BuildTree();
    for (const QString& candidate : {key, parentKey, QString("General")})
        if (!candidate.isEmpty() && SelectNodeByKey(candidate)) return;
}

void MainWindow::Remember(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    RememberRecentFile(services_.store, error ? file : absolute);
    RebuildRecentMenu();
}

bool MainWindow::OpenRecent(const std::filesystem::path& path) {
    if (!ValidateActiveField() || !ConfirmUnsaved()) return false;
    if (OpenFile(path)) return true;
    // A file that is gone leaves the list; one that could not be read stays.
    if (!std::filesystem::exists(path)) {
        ForgetRecentFile(services_.store, path);
        RebuildRecentMenu();
    }
    return false;
}

std::filesystem::path MainWindow::DialogStart() const {
    return DialogFolder(services_.store, services_.documentsFolder);
}

std::optional<std::filesystem::path> MainWindow::ChooseOpenName(const std::string& filter) {
    auto name = services_.files.OpenName(DialogStart(), filter);
    if (name && !name->empty()) RememberDialogFolder(services_.store, *name);
    return name;
}

std::optional<std::filesystem::path> MainWindow::ChooseSaveName(const std::string& filter, const std::string& suggested) {
    auto name = services_.files.SaveName(suggested.empty() ? DialogStart() : DialogStart() / suggested, filter);
    if (name && !name->empty()) RememberDialogFolder(services_.store, *name);
    return name;
}

// ---------------------------------------------------------------- Region menu

void MainWindow::RebuildDestinationMenu() {
    destinations_ = BuildDestinationMenu(s_, services_.programFolder, services_.store);
    ShowDestinationCaptions();
    CheckDestination(destinations_.checked);
}

void MainWindow::CheckDestinationOfData() {
    // After a file or a read: the destination that matches the data.
    std::optional<size_t> entry;
    const auto match = DestinationFor(s_.model, s_.Sel1(), s_.region);
    const auto& names = destinations_.list.names;
    for (size_t i = 0; match && i < names.size() && !entry; ++i)
        if (QString::compare(Q(names[i]), Q(match->name), Qt::CaseInsensitive) == 0) entry = i;
    CheckDestination(entry);
}

void MainWindow::PickDestination(int index) {
    const size_t entry = static_cast<size_t>(index);
    if (entry >= destinations_.list.names.size() || destinations_.checked == entry) {
        CheckDestination(destinations_.checked);
        return;
    }
    const std::string name = destinations_.list.names[entry];
    const Message ask =
        Advised(Advice::SwitchDestination, text::kWindowTitle, MessageIcon::Exclamation, Buttons::OkCancel, {name});
    if (!ValidateActiveField() || !ConfirmUnsaved() || services_.prompt.Show(ask) != Answer::Ok) {
        CheckDestination(destinations_.checked);
        return;
    }
    bool loaded = false;
    {
        Busy busy(this);
        SelectNodeByKey("General");
        Pause(500, services_.pauseScale);
        loaded = SelectDestination(s_, destinations_, entry, services_.programFolder, services_.store);
    }
    CheckDestination(destinations_.checked);
    if (!loaded)
        services_.prompt.Show(Advised(Advice::DestinationUnread, text::kWindowTitle, MessageIcon::Exclamation, Buttons::Ok,
                                      {name, services_.programFolder.string()}));
    else
        StartUnnamedData();  // a destination's default data are new data: Save must not put them over a file
    Refresh();
}

// ---------------------------------------------------------------- serial port

void MainWindow::ChoosePort(int index) {
    if (index < 0 || static_cast<size_t>(index) >= ports_.size()) return;
    const PortMenuEntry& port = ports_[static_cast<size_t>(index)];
    portNumber_ = port.number;
    portDevice_ = port.device;
    SetMissingPort("");
    for (int i = 0; i < kMaxPorts; ++i) portActions_[i]->setChecked(i == index);
    // The device name finds the port again when its number has changed.
    if (isVisible()) WritePortChoice(services_.store, {port.number, port.device});
}

// No port is chosen while the one chosen before is absent; the status bar
// says which, until a port is chosen or that one is back.
void MainWindow::SetMissingPort(const std::string& device) {
    missingPort_ = device;
    if (!device.empty()) portNumber_ = 0, portDevice_.clear();
    portNote_->setText(device.empty() ? QString() : qt::Translated(MissingPortNote(device)));
    portNote_->setVisible(!device.empty());
}

// The chosen port's device; with none chosen, the absent one chosen before, so
// that a transfer's failure to open it names it.
std::string MainWindow::selectedDevice() const { return portDevice_.empty() ? missingPort_ : portDevice_; }

// ---------------------------------------------------------------- transfers

void MainWindow::TransferRead() { RunTransfer(TransferMode::Read); }
void MainWindow::TransferProgram() {
    if (!ValidateActiveField()) return;
    // The radio gets no enabled channel it cannot use.
    if (const std::string incomplete = IncompleteChannels(s_); !incomplete.empty()) {
        services_.prompt.Show(ChannelIncompleteMessage(incomplete));
        return;
    }
    if (ConfirmIncompleteData()) RunTransfer(TransferMode::Program);
}

// Data a file cut short left at other values reach no radio unasked.
bool MainWindow::ConfirmIncompleteData() {
    const std::string file = e_.currentFile.filename().string();
    return e_.incompleteFile.empty() || e_.incompleteFile != e_.currentFile ||
           services_.prompt.Show(IncompleteDataQuestion(file, e_.missingParts)) == Answer::Yes;
}

std::unique_ptr<FleetDialog> MainWindow::NewFleetDialog() {
    return std::make_unique<FleetDialog>(s_, services_, e_.program, this);
}

void MainWindow::TransferFleet() {
    if (!ValidateActiveField() || !ConfirmIncompleteData()) return;
    NewFleetDialog()->exec();
    SaveProgramChoices(services_.store, e_.program);
}

void MainWindow::RunTransfer(TransferMode mode) {
    if (!ValidateActiveField()) return;
    if (!missingPort_.empty()) RebuildPortMenu();  // it may be back
    if (mode == TransferMode::Read && !ConfirmUnsaved()) return;
    TransferDialog dialog(mode, e_.debug, services_.transfers, this, &e_.program);
    dialog.exec();
    if (mode == TransferMode::Program) SaveProgramChoices(services_.store, e_.program);
    if (dialog.completed() && mode == TransferMode::Read) TakeRadioData();
}

void MainWindow::TakeRadioData() {
    s_.region = RegionFromByte(s_.model, s_.image[map::RegionByte]);
    CheckDestinationOfData();
    StartUnnamedData();
    Refresh();
}

void MainWindow::FileRestoreBackup() {
    if (!ValidateActiveField() || services_.backups == nullptr) return;
    const auto path = services_.backups->Choose(ListBackups(services_.backupFolder));
    if (path) RestoreBackup(*path);
}

bool MainWindow::RestoreBackup(const std::filesystem::path& path) {
    if (!ConfirmUnsaved()) return false;
    FileOutcome outcome;
    std::vector<std::string> warnings;
    {
        Busy busy(this);
        outcome = OpenImageFile(s_, path, &warnings);
    }
    ShowAll(outcome.messages);
    if (!outcome.ok) {
        if (outcome.messages.empty())
            services_.prompt.Show({outcome.detail, KV_TEXT("Messages", "Restore from Backup"), MessageIcon::Critical,
                                   Buttons::Ok, AdviceText(Advice::BackupUnread)});
        return false;
    }
    if (!warnings.empty()) services_.prompt.Show(LoadWarningsMessage(warnings));
    TakeRadioData();  // as after a read; the backup stays as it is
    return true;
}

// ---------------------------------------------------------------- help

void MainWindow::HelpContents() { HelpContext(0); }

void MainWindow::HelpContext(int contextNumber) {
    const auto manual = services_.programFolder / "manual.html";
    const bool present = std::filesystem::is_regular_file(manual);
    if (present && services_.help.Open(manual, contextNumber ? HelpAnchor(contextNumber) : "")) return;
    services_.prompt.Show(HelpNotShown(present, manual));
}

void MainWindow::HelpAbout() {
    AboutDialog about(this);
    about.exec();
}

// ---------------------------------------------------------------- hints and exit

void MainWindow::OnFocusChanged(QWidget*, QWidget* now) {
    history_->EndTyping();
    if (now == nullptr || !isAncestorOf(now)) return;
    if (const QVariant hint = now->property("kvHint"); hint.isValid()) status_->setText(hint.toString());
    else if (qobject_cast<QComboBox*>(now)) status_->setText(qt::Term(text::kListHint));
    else if (qobject_cast<QCheckBox*>(now)) status_->setText(qt::Term(text::kCheckBoxHint));
    else if (now == tree_ || qobject_cast<QRadioButton*>(now)) status_->setText(qt::Term(text::kSelectionHint));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ConfirmUnsaved()) {
        event->ignore();
        return;
    }
    if (!isMinimized()) {
        const QRect frame = geometry();
        services_.store.Set("Settings", "MainLeft", std::to_string(frame.x()));
        services_.store.Set("Settings", "MainTop", std::to_string(frame.y()));
        services_.store.Set("Settings", "MainWidth", std::to_string(frame.width()));
        services_.store.Set("Settings", "MainHeight", std::to_string(frame.height()));
    }
    event->accept();
}

}  // namespace kv
