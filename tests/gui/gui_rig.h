// A main window on the offscreen platform with every service faked: the
// store in a temporary file, scripted answers that record every message,
// fake ports, file dialogs, help viewer, error log and transfer job.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

#include "editor/transfer_dialog_logic.h"
#include "files/backups.h"
#include "files/default_data.h"
#include "gui/main_window.h"
#include "gui/transfer_dialog.h"
#include "qt/qt_platform.h"
#include "support/doubles.h"
#include "support/temp_dir.h"

namespace kv::test {

class FakePorts : public PortSource {
public:
    std::vector<PortMenuEntry> ports;
    std::vector<PortMenuEntry> Ports() override { return ports; }
};

class FakeFiles : public FileChooser {
public:
    std::deque<std::optional<std::filesystem::path>> names;
    std::vector<std::string> filters;
    std::vector<std::filesystem::path> folders;
    std::optional<std::filesystem::path> OpenName(const std::filesystem::path& f, const std::string& filter) override {
        return Next(f, filter);
    }
    std::optional<std::filesystem::path> SaveName(const std::filesystem::path& f, const std::string& filter) override {
        return Next(f, filter);
    }

private:
    std::optional<std::filesystem::path> Next(const std::filesystem::path& folder, const std::string& filter) {
        folders.push_back(folder);
        filters.push_back(filter);
        if (names.empty()) return std::nullopt;
        auto name = names.front();
        names.pop_front();
        return name;
    }
};

class FakeHelp : public HelpViewer {
public:
    bool available = true;
    std::vector<std::string> anchors;
    bool Open(const std::filesystem::path&, const std::string& anchor) override {
        anchors.push_back(anchor);
        return available;
    }
};

// A "printer" that is a PDF file, or none when no path is set (cancel).
class FakePrinters : public PrinterChooser {
public:
    std::optional<std::filesystem::path> pdf;
    bool Choose(QPrinter& printer) override {
        if (!pdf) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf->string()));
        return true;
    }
};

// A transfer that reports progress and, for a read, changes the data. `during` runs on the worker thread.
class FakeTransfer : public TransferJob {
public:
    TransferOutcome end = TransferOutcome::Completed;
    std::function<void(TransferEvents&)> during;
    RadioSession* session = nullptr;
    std::vector<TransferMode> modes;
    TransferOutcome Run(TransferMode mode, TransferEvents& events, Prompt&) override {
        modes.push_back(mode);
        events.Progress({.percent = 50});
        if (during) during(events);
        return end;
    }
    void Finish(TransferMode mode, TransferOutcome outcome) override {
        if (outcome == TransferOutcome::Completed && mode == TransferMode::Read && session)
            session->settings.Atis.AtisCode = "9876543210";
    }
};

// Picks the scripted entry of the backups it is shown (nothing when out of picks).
class FakeBackups : public BackupChooser {
public:
    std::deque<size_t> picks;
    std::vector<std::vector<BackupEntry>> shown;
    std::optional<std::filesystem::path> Choose(const std::vector<BackupEntry>& entries) override {
        shown.push_back(entries);
        if (picks.empty() || picks.front() >= entries.size()) return std::nullopt;
        const size_t pick = picks.front();
        picks.pop_front();
        return entries[pick].path;
    }
};

// The default data files, written once for the whole run: each write syncs the file to the disk.
inline const TempDir& DefaultDataFiles() {
    static const TempDir folder;
    static const std::string error = WriteDefaultDataFiles(folder.path());
    EXPECT_EQ(error, "");
    return folder;
}

struct Rig {
    TempDir dir;
    std::unique_ptr<qt::SettingsStore> store;
    ScriptedPrompt prompt;
    FakePorts ports;
    FakeFiles files;
    FakeHelp help;
    FakePrinters printers;
    FakeTransfer transfer;
    FakeBackups backups;
    TransferJob* job = nullptr;  // the radio link when set, else the fake transfer
    RecordingLog log;
    FleetLinks fleet;  // Program Fleet is off unless a test gives the ports
    RadioSession session;
    EditorState editor;
    std::unique_ptr<MainWindow> window;

    explicit Rig(bool debug = false, bool defaultData = true) {
        if (defaultData)
            for (const auto& file : std::filesystem::directory_iterator(DefaultDataFiles().path()))
                std::filesystem::copy_file(file.path(), dir / file.path().filename().string());
        std::filesystem::create_directory(documents());
        WriteText(dir / "manual.html", "<html></html>");
        store = std::make_unique<qt::SettingsStore>(dir / "TLN58.conf");
        ports.ports = {{1, "/dev/ttyS0", "/dev/ttyS0"}, {3, "/dev/ttyUSB0 FT232R USB UART", "/dev/ttyUSB0"}};
        transfer.session = &session;
        editor.debug = debug;
    }

    // Starts the window as the program does and waits for "General".
    MainWindow& Start() {
        session.today = [] { return CivilDate{2026, 12, 6}; };
        window = std::make_unique<MainWindow>(session, editor,
                                              MainWindowServices{prompt, *store, ports, files, help, printers,
                                                                 job ? job : &transfer, dir.path(), 0, &log,
                                                                 &backups, dir / "backups", documents(), fleet});
        bool shown = false;
        QObject::connect(window.get(), &MainWindow::generalShown, [&shown] { shown = true; });
        window->show();
        window->StartTimer();
        for (int i = 0; i < 100 && !shown; ++i) QApplication::processEvents();
        return *window;
    }

    // The user's documents folder: where the file dialogs start.
    std::filesystem::path documents() const { return dir / "Documents"; }

    void Answer(std::deque<kv::Answer> answers) { prompt = ScriptedPrompt(std::move(answers)); }

    template <typename T>
    T* Find(const QString& name) const {
        return window->findChild<T*>(name);
    }
};

// A started window, active, for the tests that set up nothing before the start.
struct Window : ::testing::Test {
    Rig rig;
    MainWindow& w = rig.Start();
    void SetUp() override { QApplication::setActiveWindow(&w); }
};

// Types into a field as a user does: the focus, everything selected, the
// keys; then, when `leave` is given, the focus on to it as a click gives it.
inline void TypeInto(QWidget* field, const QString& text, QWidget* leave = nullptr) {
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    QTest::keyClicks(field, text);
    if (!leave) return;
    leave->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
}

// The keys of the tree's nodes under parentKey (the top nodes for none).
inline QStringList NodeKeys(QTreeWidget* tree, const QString& parentKey = {}) {
    QStringList keys;
    for (QTreeWidgetItem* item : tree->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive)) {
        const QString parent = item->parent() ? item->parent()->data(0, Qt::UserRole).toString() : QString();
        if (parent == parentKey) keys << item->data(0, Qt::UserRole).toString();
    }
    return keys;
}

// The caption of the node with this key; empty when there is none.
inline QString Caption(QTreeWidget* tree, const QString& key) {
    for (QTreeWidgetItem* item : tree->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive))
        if (item->data(0, Qt::UserRole).toString() == key) return item->text(0);
    return {};
}

// Presses OK in a transfer dialog and serves its events until the transfer ended.
inline void RunTransfer(TransferDialog& dialog) {
    dialog.Start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.state().busy(); }, 60000)) << "the transfer ended";
}

// Presses OK in the modal transfer dialog once it is open, then Cancel if it is still open.
inline void PressOkWhenOpen() {
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<TransferDialog*>(w); dialog && dialog->isVisible()) {
                RunTransfer(*dialog);
                if (dialog->isVisible()) dialog->CancelPressed();
                return;
            }
    });
}

}  // namespace kv::test
