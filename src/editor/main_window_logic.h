// The parts of the main window that are decisions rather than widgets: the
// editor's flags, the command line, the window title, the question about
// unsaved changes, the error log of the file commands and the help contexts.
#pragma once

#include "editor/transfer_dialog_logic.h"
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "files/error_log.h"
#include "util/prompt.h"

namespace kv {

// The editor's flags, beside the session.
struct EditorState {
    bool debug = false;           // "/D" on the command line
    bool screenBuilding = false;  // change handlers ignore their events while set
    bool dataChanged = false;
    std::filesystem::path currentFile;  // empty for new data
    ProgramChoices program;             // backup before and verify after programming
    // A settings file that lacked parts when it was opened: while it is the
    // current file, Program asks first (IncompleteDataQuestion).
    std::filesystem::path incompleteFile;
    std::vector<std::string> missingParts;
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

// The settings file named on the command line (the desktop's "Open with"):
// the first argument that is neither the "/D" switch nor an option ("--demo",
// "--screenshots FOLDER"); empty when there is none.
std::string FileArgument(const std::vector<std::string>& arguments);

// "TLN58  PC Program for KV150/KV170 Series", and " - boat.dat" when a file
// is current.
std::string WindowTitle(const std::filesystem::path& currentFile);

// Closing the main window, and every command that replaces the data as a
// whole (File > New, File > Open, an image file, Edit > Model, a Region,
// Transfer > Read), asks "TWS data has changed." with Yes/No/Cancel while
// the data-changed flag is set. Yes validates the active field and saves; a
// failed validation or save stops the command, as Cancel does; No goes on
// without saving. True when the command may go on.
bool ConfirmUnsavedChanges(const EditorState& state, Prompt& prompt, const std::function<bool()>& validate,
                           const std::function<bool()>& save);

// The main window's procedures as the error log names them.
namespace procedure {
inline constexpr const char* kSaveFileAs = "frmMain.SaveFileAs";        // writing a settings file
inline constexpr const char* kReadFileAs = "frmMain.ReadFileAs";        // reading a settings file
inline constexpr const char* kSaveHexFileAs = "frmMain.SaveHexFileAs";  // writing an image file
inline constexpr const char* kReadHexFileAs = "frmMain.ReadHexFileAs";  // reading an image file
}  // namespace procedure

// A file command that failed unexpectedly (the file could not be read or
// written: the messages carry "FileRead Error!!" or "FileSave Error!!") is
// logged in debug mode under its procedure, with the failure's detail as
// the description. Refusals of the file's contents ("bad file!!", a model
// mismatch) are answers, not errors, and are not logged. True when logged.
bool LogFileFailure(const EditorState& state, ErrorLog* log, const char* procedure,
                    const std::vector<Message>& messages, const std::string& detail);

// Context help. The manual's anchor of a help context number ("topic-1054").
std::string HelpAnchor(int contextNumber);

struct HelpContext {
    std::string_view control;  // object name; a control array's base name ("chkDEnable")
    int number;
};
// Every control that has a help context number of its own, in one table.
const std::vector<HelpContext>& HelpContexts();
// The number of a control by its object name; a control array's member
// ("chkDEnable_3") has its base name's. 0 when the control has none.
int HelpContextOf(std::string_view objectName);
// The help topic of the diagnostic help button (debug mode).
inline constexpr int kDiagnosticHelp = 1012;

// What the user is told when the manual does not open: no manual beside the
// program, or no browser that could show it (then where the manual is, to be
// opened by hand).
Message HelpNotShown(bool manualPresent, const std::filesystem::path& manual = {});

// The per-user store keeps the window's geometry on exit ("Settings").
struct WindowGeometry {
    int left = 0, top = 0, width = 0, height = 0;
};

}  // namespace kv
