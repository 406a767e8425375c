#include "files/session_commands.h"

#include "files/default_data.h"
#include "image/defaults.h"
#include "util/texts.h"

namespace kv {

bool IsCurrentModel(const RadioSession& s, int code) { return code == s.traits().checkedEntry; }

bool SwitchModel(RadioSession& s, int code, Prompt& prompt, ConfigStore& store) {
    if (IsCurrentModel(s, code)) return false;
    const Message ask{"Do yo want to program the " + SeriesWord(code) + " series?", text::kWindowTitle,
                      MessageIcon::Exclamation, Buttons::OkCancel};
    if (prompt.Show(ask) != Answer::Ok) return false;
    s.model = code;
    WriteModelChoice(store, code);
    ResetToDefaults(s);
    return true;
}

SettingsLoad OpenSettingsFile(RadioSession& s, const std::filesystem::path& path, Prompt& prompt, ConfigStore& store) {
    SettingsLoad load = LoadSettingsFile(s, path);
    if (load.result == LoadResult::SwitchModel && SwitchModel(s, load.requestedModel, prompt, store)) {
        load = LoadSettingsFile(s, path);
        if (load.result == LoadResult::Loaded) RememberLoadedDestination(s, store);
    }
    for (const Message& message : load.messages) prompt.Show(message);
    if (load.result == LoadResult::Loaded && !load.warnings.empty()) prompt.Show(OutOfRangeMessage(load.warnings));
    return load;
}

Message OutOfRangeMessage(const std::vector<std::string>& warnings) {
    constexpr size_t kShown = 20;
    std::string text = "Some values of the file are out of range for the radio and were left as they were:";
    for (size_t i = 0; i < warnings.size() && i < kShown; ++i) text += "\r\n" + warnings[i];
    if (warnings.size() > kShown) text += "\r\n... and " + std::to_string(warnings.size() - kShown) + " more";
    return {text, text::kWindowTitle, MessageIcon::Exclamation, Buttons::Ok};
}

FileOutcome SaveAskingForProtectedFiles(const std::function<FileOutcome(ReadOnlyFiles)>& save,
                                        const std::filesystem::path& path, Prompt& prompt) {
    FileOutcome outcome = save(ReadOnlyFiles::Refuse);
    if (outcome.ok || !IsReadOnlyRefusal(outcome.detail)) return outcome;
    const Message ask{path.string() + " is write-protected.\r\nDo you want to replace it?", text::kWindowTitle,
                      MessageIcon::Exclamation, Buttons::YesNo};
    if (prompt.Show(ask) == Answer::Yes) return save(ReadOnlyFiles::Replace);
    return {false, {}, outcome.detail};
}

}  // namespace kv
