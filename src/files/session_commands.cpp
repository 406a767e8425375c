#include "files/session_commands.h"

#include "files/default_data.h"
#include "image/defaults.h"
#include "util/texts.h"

namespace kv {

bool IsCurrentModel(const RadioSession& s, int code) { return code == s.model || (code == 5 && s.model == 4); }

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
    return load;
}

}  // namespace kv
