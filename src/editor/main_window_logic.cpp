#include "editor/main_window_logic.h"

#include <algorithm>
#include <cctype>

#include "util/advice.h"
#include "util/texts.h"

namespace kv {
namespace {

bool IsDebugPiece(std::string_view piece) {
    return piece.size() == 2 && piece[0] == '/' && std::toupper(static_cast<unsigned char>(piece[1])) == 'D';
}

}  // namespace

bool HasDebugSwitch(std::string_view commandLine) {
    size_t start = 0;
    while (start <= commandLine.size()) {
        const size_t end = std::min(commandLine.find(' ', start), commandLine.size());
        if (IsDebugPiece(commandLine.substr(start, end - start))) return true;
        start = end + 1;
    }
    return false;
}

std::string FileArgument(const std::vector<std::string>& arguments) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--screenshots") ++i;  // its folder
        else if (!a.starts_with("--") && !IsDebugPiece(a)) return a;
    }
    return "";
}

bool HasDebugSwitch(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(), [](const std::string& a) { return HasDebugSwitch(a); });
}

std::string WindowTitle(const std::filesystem::path& currentFile) {
    std::string title = std::string(text::kProductWord) + "  " + text::kWindowTitle;
    if (!currentFile.empty()) title += " - " + currentFile.filename().string();
    return title;
}

bool ConfirmUnsavedChanges(const EditorState& state, Prompt& prompt, const std::function<bool()>& validate,
                           const std::function<bool()>& save) {
    if (!state.dataChanged) return true;
    const Message ask{std::string(text::kDataChanged) + "\r\n" + text::kSaveChanges, text::kWindowTitle,
                      MessageIcon::Exclamation, Buttons::YesNoCancel};
    switch (prompt.Show(ask)) {
        case Answer::Yes: return validate() && save();
        case Answer::No: return true;
        default: return false;
    }
}

bool LogFileFailure(const EditorState& state, ErrorLog* log, const char* procedure,
                    const std::vector<Message>& messages, const std::string& detail) {
    if (!state.debug || log == nullptr) return false;
    const bool unexpected = std::any_of(messages.begin(), messages.end(), [](const Message& m) {
        return m.text == text::kFileReadError || m.text == text::kFileSaveError;
    });
    if (!unexpected) return false;
    // The file layer describes a failure as "PATH: reason" and keeps no
    // error number of its own.
    log->Log(procedure, 0, detail);
    return true;
}

std::string HelpAnchor(int contextNumber) { return "topic-" + std::to_string(contextNumber); }

const std::vector<HelpContext>& HelpContexts() {
    static const std::vector<HelpContext> table = {
        {"tvTreeView", 1054},    // the tree of screens
        {"grdMarine", 1022},     // the marine channel grid
        {"chkCEnable", 1028},    // a channel's enable box
        {"chkCGroup", 1028},     // its three group boxes
        {"chkDEnable", 1028},    // a weather channel's enable box
        {"chkCTXEnable", 1029},  // TX
        {"chkCDup", 1030},       // simplex on the ship's or the coast's frequency
        {"chkCTXOnly", 1031},    // low power only
        {"chkCTXPower", 1032},   // power up
        {"chkCScan", 1033},      // scan memory
        {"chkDScan", 1033},      // a weather channel's scan memory
        {"txtCTag", 1034},       // the channel name
        {"cmbScramble", 1064},   // the scrambler code
    };
    return table;
}

int HelpContextOf(std::string_view objectName) {
    // "chkDEnable_3" is member 3 of the control array "chkDEnable".
    const size_t underscore = objectName.rfind('_');
    if (underscore != std::string_view::npos && underscore + 1 < objectName.size() &&
        std::all_of(objectName.begin() + static_cast<std::ptrdiff_t>(underscore) + 1, objectName.end(),
                    [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }))
        objectName = objectName.substr(0, underscore);
    for (const HelpContext& entry : HelpContexts())
        if (entry.control == objectName) return entry.number;
    return 0;
}

Message HelpNotShown(bool manualPresent, const std::filesystem::path& manual) {
    if (!manualPresent) return {text::kNoHelp, text::kProductWord, MessageIcon::Information, Buttons::Ok};
    if (manual.empty()) return {text::kHelpNotOpened, text::kWindowTitle, MessageIcon::Critical, Buttons::Ok};
    return Advised(Advice::HelpManual, text::kWindowTitle, MessageIcon::Critical, Buttons::Ok, {manual.string()});
}

}  // namespace kv
