#include "editor/main_window_logic.h"

#include <algorithm>
#include <cctype>

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

bool HasDebugSwitch(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(), [](const std::string& a) { return HasDebugSwitch(a); });
}

std::string WindowTitle(const std::filesystem::path& currentFile) {
    std::string title = std::string(text::kProductWord) + "  " + text::kWindowTitle;
    if (!currentFile.empty()) title += " - " + currentFile.filename().string();
    return title;
}

bool MayClose(const EditorState& state, Prompt& prompt, const std::function<bool()>& validate,
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

}  // namespace kv
