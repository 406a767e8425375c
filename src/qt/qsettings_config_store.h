// The per-user store on QSettings: application name "TLN58", the sections
// and keys unchanged ("ComPath/ComNum", "ModelPath/ModelNum", ...).
#pragma once

#include <QSettings>
#include <memory>

#include "files/config_store.h"

namespace kv {

class QSettingsConfigStore : public ConfigStore {
public:
    // The user's own store (~/.config/TLN58/TLN58.conf on Linux).
    QSettingsConfigStore();
    // A store in a file of its own, for tests.
    explicit QSettingsConfigStore(const QString& iniPath);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const override;
    void Set(std::string_view section, std::string_view key, std::string_view value) override;
    void Sync() { settings_->sync(); }

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace kv
