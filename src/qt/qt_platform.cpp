#include "qt/qt_platform.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QSerialPortInfo>
#include <QStandardPaths>
#include <QThread>

#include "files/error_log.h"

namespace kv::qt {
namespace {

constexpr const char* kApplication = "TLN58";

QString KeyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section + "/" + key);
}

}  // namespace

std::vector<PortInfo> AvailablePorts() {
    std::vector<PortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        QString description = info.description();
        const QString maker = info.manufacturer();
        if (!maker.isEmpty() && !description.contains(maker)) description += " (" + maker + ")";
        ports.push_back({info.systemLocation().toStdString(), description.trimmed().toStdString()});
    }
    return ports;
}

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kApplication, kApplication)) {}

SettingsStore::SettingsStore(const std::filesystem::path& iniFile)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(iniFile.string()), QSettings::IniFormat)) {}

std::optional<std::string> SettingsStore::Get(const std::string& section, const std::string& key) const {
    const QVariant value = settings_->value(KeyOf(section, key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void SettingsStore::Set(const std::string& section, const std::string& key, const std::string& value) {
    settings_->setValue(KeyOf(section, key), QString::fromStdString(value));
}

std::filesystem::path ErrorLogPath() {
    const std::string programDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath().toStdString() : std::string(".");
    if (access(programDir.c_str(), W_OK) == 0) return std::filesystem::path(programDir) / kErrorLogName;
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(userDir);
    return std::filesystem::path(userDir.toStdString()) / kErrorLogName;
}

std::filesystem::path BackupFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(data.toStdString()) / "kvprog" / "backups";
}

std::function<void()> StartQtThread(std::function<void()> work) {
    std::shared_ptr<QThread> thread(QThread::create(std::move(work)));
    thread->start();
    return [thread] { thread->wait(); };
}

}  // namespace kv::qt
