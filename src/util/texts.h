// The system's own message texts and captions, exactly as the user sees them.
#pragma once

namespace kv::text {

inline constexpr const char* kWindowTitle = "PC Program for KV150/KV170 Series";
inline constexpr const char* kReadFromRadio = "Read from Radio";
inline constexpr const char* kBadFile = "bad file!!";
inline constexpr const char* kModelTypeError = "ModelType Error !!";
inline constexpr const char* kProductTypeError = "ProductType Error !!";
inline constexpr const char* kFileReadError = "FileRead Error!!";
inline constexpr const char* kFileSaveError = "FileSave Error!!";

// The editor's field checks and main window.
inline constexpr const char* kFieldDataError = "Data Error!!";
inline constexpr const char* kPleaseInputCorrectData = "Please input correct data.";
inline constexpr const char* kProductWord = "TLN58";
inline constexpr const char* kDataChanged = "TWS data has changed.";
inline constexpr const char* kSaveChanges = "Do you want to save changes?";
inline constexpr const char* kIniFileReadError = "IniFileRead Error!!";
inline constexpr const char* kNoSerialPort = "(not exist)";
inline constexpr const char* kSelectionHint = "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.";
inline constexpr const char* kListHint = "[Up]/[Down]:Change of a Selection item.";
inline constexpr const char* kCheckBoxHint = "[Space]:An effective and invalid change.";
inline constexpr const char* kGridHint = "[Double click],[Enter]:Jump the Setting screen.";
inline constexpr const char* kWeatherEnableHint = "Select[x]Enable/[]Disable.";
inline constexpr const char* kNoHelp =
    "Unable to display Help Contents. There is no Help associated with this project.";

// The transfer dialog.
inline constexpr const char* kProgramToRadioTitle = "Program to Radio";
inline constexpr const char* kInstructionConnect = "1.Connect the TWS cable between the PC serial port and the radio.";
inline constexpr const char* kInstructionTurnOn = "2.Turn on the radio.";
inline constexpr const char* kInstructionPressOk = "3.Press the [OK] button to start.";
inline constexpr const char* kDebugStart = "starting at debug mode..";

}  // namespace kv::text
