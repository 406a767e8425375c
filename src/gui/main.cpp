// kvprog: the programmer's window.
//   kvprog [/D] [--demo]             the window; "/D" turns on debug mode; --demo adds a
//                                    simulated radio to Options > SerialPort and selects it
//   kvprog --benchmark-startup       prints the time to the "General" screen and exits
//   kvprog --benchmark-screens       prints how long each change of screen takes and exits
//   kvprog --screenshots FOLDER      saves a PNG of every screen and dialog and exits
#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <unistd.h>

#include "gui/app.h"
#include "gui/link_transfer_job.h"
#include "gui/main_window.h"
#include "gui/qt_services.h"
#include "qt/qt_platform.h"
#include "qt/translations.h"
#include "sim/demo_radio.h"
#include "util/version.h"

namespace {

// Seconds since the process started, from the kernel's start time (10 ms steps).
double SecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && rest >> field; ++i) {
    }
    const double started = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9 - started;
}

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (std::find(arguments.begin(), arguments.end(), "--version") != arguments.end()) {
        std::printf("kvprog %s\n", kv::VersionText());
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("TLN58");
    QApplication::setApplicationVersion(kv::VersionText());

    const auto has = [&](const char* flag) { return std::find(arguments.begin(), arguments.end(), flag) != arguments.end(); };
    const bool benchmark = has("--benchmark-startup");
    const bool benchmarkScreens = has("--benchmark-screens");
    QString screenshots;
    for (size_t i = 0; i + 1 < arguments.size(); ++i)
        if (arguments[i] == "--screenshots") screenshots = QString::fromStdString(arguments[i + 1]);

    kv::RadioSession session;
    kv::EditorState editor;
    editor.debug = kv::HasDebugSwitch(arguments);

    kv::MainWindow* window = nullptr;
    const auto parent = [&window]() -> QWidget* { return window; };
    kv::MessageBoxPrompt prompt(parent);
    kv::DialogFileChooser files(parent);
    kv::BrowserHelpViewer help;
    kv::DialogPrinterChooser printers(parent);
    kv::DevicePortSource ports;
    kv::qt::SettingsStore store;
    const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    const std::filesystem::path folder = kv::DataFolder(programFolder);
    if (const std::string note = kv::MissingDataNote(programFolder); !note.empty())
        std::fprintf(stderr, "kvprog: %s\n", note.c_str());
    // The window speaks the language chosen under Options > Language, else the system's.
    const std::string language = kv::qt::ReadLanguageChoice(store);
    const std::filesystem::path translations = kv::qt::TranslationsFolder(folder);
    if (kv::qt::UseLanguage(translations, language) == "en" && !language.empty() && language != "en")
        std::fprintf(stderr, "kvprog: no translation into \"%s\" in %s: the window speaks English\n", language.c_str(),
                     translations.c_str());

    kv::FileErrorLog errorLog(kv::qt::ErrorLogPath(), editor.debug);
    kv::LinkTransferJob transfers(
        session, prompt, [&] { return window ? window->selectedDevice() : std::string(); }, &errorLog,
        editor.debug);

    kv::DialogBackupChooser backups(parent);
    editor.program = kv::LoadProgramChoices(store);
    transfers.KeepReadsIn(kv::qt::BackupFolder());
    transfers.FollowChoices(&editor.program);

    const std::filesystem::path documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    kv::MainWindow main(session, editor,
                        {prompt, store, ports, files, help, printers, &transfers, folder, 1, &errorLog, &backups,
                         kv::qt::BackupFolder(), documents, kv::SerialFleetLinks()});
    window = &main;

    // --demo: a radio holding the start-up data, on a pseudo-terminal of its own.
    std::unique_ptr<kv::sim::DemoRadio> demo;
    if (has("--demo")) {
        demo = std::make_unique<kv::sim::DemoRadio>(session);
        if (demo->Start()) {
            ports.AddSimulatedRadio(demo->path());
            main.RebuildPortMenu();
            const auto entries = ports.Ports();
            main.ChoosePort(static_cast<int>(entries.size()) - 1);
        } else {
            std::fprintf(stderr, "kvprog: the simulated radio could not start (no pseudo-terminal)\n");
        }
    }
    // A settings file named on the command line ("Open with" of the desktop) opens once the window stands.
    std::filesystem::path toOpen = kv::FileArgument(arguments);
    QObject::connect(&main, &kv::MainWindow::generalShown, &main, [&] {
        if (!toOpen.empty()) main.OpenFile(std::exchange(toOpen, {}));
        if (benchmark) {
            std::printf("kvprog start-up to the General screen: %.1f ms since process start, %.1f ms since main\n",
                        SecondsSinceProcessStart() * 1000.0, static_cast<double>(sinceMain.nsecsElapsed()) / 1e6);
            QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
        } else if (benchmarkScreens) {
            kv::BenchmarkScreens(main, session);
            QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
        } else if (!screenshots.isEmpty()) {
            const int saved = kv::SaveScreenshots(main, screenshots);
            std::printf("%d screenshots in %s\n", saved, screenshots.toLocal8Bit().constData());
            QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
        }
    });
    main.show();
    main.StartTimer();
    return QApplication::exec();
}
