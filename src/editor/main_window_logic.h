// The parts of the main window that are decisions rather than widgets: the
// editor's flags, the command line, the window title and the exit question.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "util/prompt.h"

namespace kv {

// The editor's flags, beside the session.
struct EditorState {
    bool debug = false;           // "/D" on the command line
    bool screenBuilding = false;  // change handlers ignore their events while set
    bool dataChanged = false;
    std::filesystem::path currentFile;  // empty for new data
};

// Sets the screen-building flag for a scope and clears it on every exit path.
class ScreenBuilding {
public:
    explicit ScreenBuilding(EditorState& state) : state_(state), previous_(state.screenBuilding) {
        state_.screenBuilding = true;
    }
    ~ScreenBuilding() { state_.screenBuilding = previous_; }
    ScreenBuilding(const ScreenBuilding&) = delete;
    ScreenBuilding& operator=(const ScreenBuilding&) = delete;

private:
    EditorState& state_;
    bool previous_;
};

// True when a piece of the command line, split on single spaces, is "/D"
// in any case. Pieces such as "/DX" or "-D" do not count.
bool HasDebugSwitch(std::string_view commandLine);
bool HasDebugSwitch(const std::vector<std::string>& arguments);

// "TLN58  PC Program for KV150/KV170 Series", and " - boat.dat" when a file
// is current.
std::string WindowTitle(const std::filesystem::path& currentFile);

// Closing the main window with unsaved data asks "TWS data has changed."
// with Yes/No/Cancel. Yes validates the active field and saves; a failed
// validation or save keeps the window open. True when it may close.
bool MayClose(const EditorState& state, Prompt& prompt, const std::function<bool()>& validate,
              const std::function<bool()>& save);

// The per-user store keeps the window's geometry on exit ("Settings").
struct WindowGeometry {
    int left = 0, top = 0, width = 0, height = 0;
};

}  // namespace kv
