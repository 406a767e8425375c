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


// The radio link.
inline constexpr const char* kProgramToRadio = "Program to Radio";
inline constexpr const char* kModelCheck = "Model Check";
inline constexpr const char* kPortInitError = "port inicialize error!!";
inline constexpr const char* kCommunicationError = "Communication Error!!";
inline constexpr const char* kAcmdError = "ACMD Command error!!";
inline constexpr const char* kLinkError = "error!!";
inline constexpr const char* kCancelled = "cancel!!";
inline constexpr const char* kTimeOut = "time out!!";
inline constexpr const char* kRadioBusy = "Radio is busy!!";
inline constexpr const char* kConfirmSync = "confirm the synchronization of the communication";
inline constexpr const char* kAddressError = "address error!!";
inline constexpr const char* kDataError = "data error!!";
inline constexpr const char* kRadioNotReady = "Radio not ready!!";
inline constexpr const char* kComplete = "Complete!!";
inline constexpr const char* kProductError = "Product Error !!";
inline constexpr const char* kDestinationError = "Destination Error !!";
inline constexpr const char* kRegionUnmatched = "The region selection is unmatched.";
inline constexpr const char* kAskRead = "Do you want to read the data?";
inline constexpr const char* kAskWrite = "Do you want to write the data?";
inline constexpr const char* kNoPort = "(not exist)";

// The editor's field checks and main window.
inline constexpr const char* kFieldDataError = "Data Error!!";
inline constexpr const char* kPleaseInputCorrectData = "Please input correct data.";
inline constexpr const char* kProductWord = "TLN58";
inline constexpr const char* kDataChanged = "TWS data has changed.";
inline constexpr const char* kSaveChanges = "Do you want to save changes?";
inline constexpr const char* kIniFileReadError = "IniFileRead Error!!";
inline constexpr const char* kSelectionHint = "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.";
inline constexpr const char* kListHint = "[Up]/[Down]:Change of a Selection item.";
inline constexpr const char* kCheckBoxHint = "[Space]:An effective and invalid change.";
inline constexpr const char* kGridHint = "[Double click],[Enter]:Jump the Setting screen.";
inline constexpr const char* kWeatherEnableHint = "Select[x]Enable/[]Disable.";
inline constexpr const char* kNoHelp =
    "Unable to display Help Contents. There is no Help associated with this project.";
inline constexpr const char* kHelpNotOpened = "The help could not be opened: no web browser could be started.";

// The transfer dialog.
inline constexpr const char* kInstructionConnect = "1.Connect the TWS cable between the PC serial port and the radio.";
inline constexpr const char* kInstructionTurnOn = "2.Turn on the radio.";
inline constexpr const char* kInstructionPressOk = "3.Press the [OK] button to start.";
inline constexpr const char* kDebugStart = "starting at debug mode..";

}  // namespace kv::text
