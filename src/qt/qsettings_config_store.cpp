#include "qt/qsettings_config_store.h"

namespace kv {
namespace {

constexpr const char* kApplication = "TLN58";

QString KeyOf(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

QSettingsConfigStore::QSettingsConfigStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kApplication, kApplication)) {}

QSettingsConfigStore::QSettingsConfigStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

std::optional<std::string> QSettingsConfigStore::Get(std::string_view section, std::string_view key) const {
    const QVariant value = settings_->value(KeyOf(section, key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void QSettingsConfigStore::Set(std::string_view section, std::string_view key, std::string_view value) {
    settings_->setValue(KeyOf(section, key), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

}  // namespace kv
