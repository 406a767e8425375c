// Options > Language: the system's language, English or a translation.
#pragma once

#include <QMenu>
#include <filesystem>

#include "files/config_store.h"
#include "util/prompt.h"

namespace kv {

// Adds the Language submenu (mnuOptionsLanguage) to `options`. A choice is
// remembered in the store and installed at once: the messages speak it from
// then on, the rest of the window from the next start.
void AddLanguageMenu(QMenu* options, ConfigStore& store, Prompt& prompt, const std::filesystem::path& dataFolder);

}  // namespace kv
