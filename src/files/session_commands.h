// The data halves of the commands that replace a session's data as a whole:
// Edit > Model and File > Open of a settings file. Their questions and
// messages go through the prompt.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/config_store.h"
#include "files/settings_file.h"
#include "util/prompt.h"

namespace kv {

// True when Edit > Model with this code changes nothing: the model is
// already current (code 4 counts as code 5).
bool IsCurrentModel(const RadioSession& session, int code);

// Edit > Model: nothing when the model is already current (code 4 counts as
// code 5); otherwise asks "Do yo want to program the ... series?" and on OK
// switches, remembers the model and resets the data. True when it switched.
bool SwitchModel(RadioSession& session, int code, Prompt& prompt, ConfigStore& store);

// File > Open of a settings file. A file of the other series asks to switch
// the model and, when the user agrees, is loaded again and its destination
// remembered. Failures are shown through the prompt.
SettingsLoad OpenSettingsFile(RadioSession& session, const std::filesystem::path& path, Prompt& prompt,
                              ConfigStore& store);

// What a load could not take as it stands (parts missing, values out of
// range, modes a receive-only channel cannot have), in one box.
Message LoadWarningsMessage(const std::vector<std::string>& warnings);

// Programming data that a file left incomplete asks first: Yes/No, No
// being the default (and the answer without a terminal).
Message IncompleteDataQuestion(const std::string& file, const std::vector<std::string>& missing);

// A save through `save`: a write-protected file is replaced only when the
// user says so, asked once; "No" leaves the file and says nothing more.
FileOutcome SaveAskingForProtectedFiles(const std::function<FileOutcome(ReadOnlyFiles)>& save,
                                        const std::filesystem::path& path, Prompt& prompt);

}  // namespace kv
