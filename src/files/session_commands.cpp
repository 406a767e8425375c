#include "files/session_commands.h"

#include "files/default_data.h"
#include "image/defaults.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {

bool IsCurrentModel(const RadioSession& s, int code) { return code == s.traits().checkedEntry; }

bool SwitchModel(RadioSession& s, int code, Prompt& prompt, ConfigStore& store) {
    if (IsCurrentModel(s, code)) return false;
    const Message ask = Advised(Advice::SwitchSeries, text::kWindowTitle, MessageIcon::Exclamation, Buttons::OkCancel,
                                {SeriesWord(code)});
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
    if (load.result == LoadResult::Loaded && !load.warnings.empty()) prompt.Show(LoadWarningsMessage(load.warnings));
    return load;
}

namespace {
std::string Lines(std::string text, const std::vector<std::string>& lines, size_t shown) {
    for (size_t i = 0; i < lines.size() && i < shown; ++i) text += "\r\n" + lines[i];
    if (lines.size() > shown) text += "\r\n" + AdviceText(Advice::AndMore, {std::to_string(lines.size() - shown)});
    return text;
}
}  // namespace

Message LoadWarningsMessage(const std::vector<std::string>& warnings) {
    return {Lines(KV_TEXT("Messages", "Not all of the file could be taken as it stands:"), warnings, 20), text::kWindowTitle,
            MessageIcon::Exclamation, Buttons::Ok};
}

Message IncompleteDataQuestion(const std::string& file, const std::vector<std::string>& missing) {
    return {Lines(AdviceMainText(Advice::IncompleteFile, {file}), missing, 5) + "\r\n" +
                KV_TEXT("Messages", "For what is missing the radio would get the default values or those loaded before."
                                    "\r\nProgram the radio anyway?"),
            text::kProgramToRadio, MessageIcon::Exclamation, Buttons::YesNoDefaultNo};
}

FileOutcome SaveAskingForProtectedFiles(const std::function<FileOutcome(ReadOnlyFiles)>& save,
                                        const std::filesystem::path& path, Prompt& prompt) {
    FileOutcome outcome = save(ReadOnlyFiles::Refuse);
    if (outcome.ok || !IsReadOnlyRefusal(outcome.detail)) return outcome;
    const Message ask{AdviceMainText(Advice::WriteProtected, {path.string()}) + "\r\n" +
                          KV_TEXT("Messages", "Do you want to replace it?"),
                      text::kWindowTitle, MessageIcon::Exclamation, Buttons::YesNo};
    if (prompt.Show(ask) == Answer::Yes) return save(ReadOnlyFiles::Replace);
    return {false, {}, outcome.detail};
}

}  // namespace kv
