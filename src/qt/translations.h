// The window's languages, on Qt's own translations. lupdate collects the
// marked texts of the sources (tr() in the window, KV_TEXT in the core) into
// translations/kvprog_xx.ts; lrelease builds the .qm files into the
// program's data folder. English is the source text and needs none.
#pragma once

#include <QString>
#include <filesystem>
#include <string>

#include "files/config_store.h"

namespace kv::qt {

struct Language {
    const char* code;  // ISO 639-1
    const char* name;  // in the language itself, as the menu shows it
};
inline constexpr Language kLanguages[] = {
    {"en", "English"}, {"nl", "Nederlands"}, {"de", "Deutsch"}, {"sv", "Svenska"}, {"fr", "Français"},
};

// The translations under the program's data folder.
std::filesystem::path TranslationsFolder(const std::filesystem::path& dataFolder);

// The language chosen under Options > Language: a code of kLanguages, or
// "" to follow the system.
std::string ReadLanguageChoice(const ConfigStore& store);
void WriteLanguageChoice(ConfigStore& store, const std::string& code);

// Installs the translation of `code` ("" for the system's languages, in
// their order of preference) from `folder`, with Qt's own for the standard
// dialogs where the system has them, in place of those installed before.
// A language without a translation, or one whose file is missing or damaged,
// leaves English. Gives the code of the language installed, "en" for English.
std::string UseLanguage(const std::filesystem::path& folder, const std::string& code);

// A text of the core in the window's language, line by line: a marked text
// (several lines marked as one are found whole), or a line of a row of the
// message table, its values put back in. A line no translation knows stays
// English. Lines are separated by "\n".
QString Translated(const std::string& english);

// A marked word or label of the core as it stands (a list's entry, a field's
// label, an option): no lines, no values. Cheap enough for every entry of a
// long list.
QString Term(const std::string& english);

}  // namespace kv::qt
