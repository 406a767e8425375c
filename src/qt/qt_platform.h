// The rest of the platform on Qt: the port inventory, the per-user settings
// store "TLN58" and the place of the error log.
#pragma once

#include <QSettings>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "files/config_store.h"
#include "link/port_list.h"

namespace kv::qt {

// The present serial ports, with the USB product and manufacturer where known.
std::vector<PortInfo> AvailablePorts();

// QSettings under the application name "TLN58"; sections and keys as they
// are ("ComPath/ComNum"). A file path gives an INI file instead (tests).
class SettingsStore : public ConfigStore {
public:
    SettingsStore();
    explicit SettingsStore(const std::filesystem::path& iniFile);
    std::optional<std::string> Get(const std::string& section, const std::string& key) const override;
    void Set(const std::string& section, const std::string& key, const std::string& value) override;

private:
    std::unique_ptr<QSettings> settings_;
};

// "err.log" in the program's folder when it is writable, else in the
// per-user data folder.
std::filesystem::path ErrorLogPath();

// The backups folder, shared by kvprog and kvtool: kvprog/backups in the
// per-user data location (~/.local/share/kvprog/backups on Linux).
std::filesystem::path BackupFolder();

// Runs work on a QThread (QSerialPort wants its thread to be Qt's) and gives
// back how to wait for its end.
std::function<void()> StartQtThread(std::function<void()> work);

}  // namespace kv::qt
