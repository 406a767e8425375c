// What the main window needs from its surroundings, as small interfaces a
// test can fake: the serial ports present, the file and print dialogs, the
// help viewer, the error log and the pauses of the long commands.
#pragma once

#include <QPrinter>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/config_store.h"
#include "files/error_log.h"
#include "fleet/fleet_job.h"
#include "util/prompt.h"

namespace kv {

class TransferJob;
struct BackupEntry;

// One serial port of the Options > SerialPort menu.
struct PortMenuEntry {
    int number = 0;       // the number remembered as "ComNum"
    std::string caption;  // name and description
    std::string device;   // "/dev/ttyUSB0", remembered as "ComName"
};

class PortSource {
public:
    virtual ~PortSource() = default;
    virtual std::vector<PortMenuEntry> Ports() = 0;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // filter: "dat files(*.dat)|*.dat|All files(*.*)|*.*"; nothing when cancelled.
    virtual std::optional<std::filesystem::path> OpenName(const std::filesystem::path& folder,
                                                          const std::string& filter) = 0;
    virtual std::optional<std::filesystem::path> SaveName(const std::filesystem::path& folder,
                                                          const std::string& filter) = 0;
};

class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    // Sets up the printer the user picks; false when cancelled.
    virtual bool Choose(QPrinter& printer) = 0;
};

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Opens the manual at an anchor ("" for its start); false when it cannot.
    virtual bool Open(const std::filesystem::path& manual, const std::string& anchor) = 0;
};

// File > Restore from Backup: picks one of the kept reads (damaged ones
// are listed but cannot be picked); nothing when cancelled.
class BackupChooser {
public:
    virtual ~BackupChooser() = default;
    virtual std::optional<std::filesystem::path> Choose(const std::vector<BackupEntry>& entries) = 0;
};

// How a fleet reaches its ports: each port's line (and the clock its waits
// run on), made on the port's own thread, and how such a thread starts
// (a std::thread when not given).
struct FleetLinks {
    std::function<FleetOptions::PortLine(const std::string& device)> openPort;
    std::function<std::function<void()>(std::function<void()>)> startThread;
};

struct MainWindowServices {
    Prompt& prompt;
    ConfigStore& store;
    PortSource& ports;
    FileChooser& files;
    HelpViewer& help;
    PrinterChooser& printers;
    TransferJob* transfers = nullptr;          // the radio link
    std::filesystem::path programFolder;       // default data files, manual
    int pauseScale = 1;                        // 0 in tests: the 200/500 ms pauses become none
    ErrorLog* log = nullptr;                   // err.log; the window writes it in debug mode only
    BackupChooser* backups = nullptr;          // File > Restore from Backup
    std::filesystem::path backupFolder;        // where every whole read is kept
    std::filesystem::path documentsFolder;     // where the file dialogs start before one was used
    FleetLinks fleet;                          // Transfer > Program Fleet (none: the entry is off)
};

// The pause of a long command: pumps window events, never blocks them.
void Pause(int milliseconds, int scale);

// The system's filter text as a Qt file-dialog filter ("dat files(*.dat);;All files(*.*)").
QString QtFilter(const std::string& filter);

// Registers the pictures (radio, computer, logo) before a widget shows one.
void LoadPictures();

}  // namespace kv
