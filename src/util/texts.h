// The system's own message texts and captions, exactly as the user sees them.
#pragma once

// A text the window shows in the user's language is marked
// KV_TEXT("Messages", "..."). The mark changes nothing here: the core speaks
// English (files, reports, printouts and kvtool keep it). lupdate reads the
// mark as QT_TRANSLATE_NOOP and collects the texts into the translations,
// all in the one context "Messages"; the window looks each up as it shows
// it (src/qt/translations).
#define KV_TEXT(context, text) text

namespace kv::text {

inline constexpr const char* kWindowTitle = KV_TEXT("Messages", "PC Program for KV150/KV170 Series");
inline constexpr const char* kReadFromRadio = KV_TEXT("Messages", "Read from Radio");
inline constexpr const char* kBadFile = KV_TEXT("Messages", "bad file!!");
inline constexpr const char* kModelTypeError = KV_TEXT("Messages", "ModelType Error !!");
inline constexpr const char* kProductTypeError = KV_TEXT("Messages", "ProductType Error !!");
inline constexpr const char* kFileReadError = KV_TEXT("Messages", "FileRead Error!!");
inline constexpr const char* kFileSaveError = KV_TEXT("Messages", "FileSave Error!!");
inline constexpr const char* kDifferentModel = KV_TEXT("Messages", "different model!!");


// The radio link.
inline constexpr const char* kProgramToRadio = KV_TEXT("Messages", "Program to Radio");
inline constexpr const char* kModelCheck = KV_TEXT("Messages", "Model Check");
inline constexpr const char* kPortInitError = KV_TEXT("Messages", "port inicialize error!!");
inline constexpr const char* kCommunicationError = KV_TEXT("Messages", "Communication Error!!");
inline constexpr const char* kAcmdError = KV_TEXT("Messages", "ACMD Command error!!");
inline constexpr const char* kLinkError = KV_TEXT("Messages", "error!!");
inline constexpr const char* kCancelled = KV_TEXT("Messages", "cancel!!");
inline constexpr const char* kTimeOut = KV_TEXT("Messages", "time out!!");
inline constexpr const char* kRadioBusy = KV_TEXT("Messages", "Radio is busy!!");
inline constexpr const char* kConfirmSync = KV_TEXT("Messages", "confirm the synchronization of the communication");
inline constexpr const char* kAddressError = KV_TEXT("Messages", "address error!!");
inline constexpr const char* kDataError = KV_TEXT("Messages", "data error!!");
inline constexpr const char* kRadioNotReady = KV_TEXT("Messages", "Radio not ready!!");
inline constexpr const char* kComplete = KV_TEXT("Messages", "Complete!!");
inline constexpr const char* kProductError = KV_TEXT("Messages", "Product Error !!");
inline constexpr const char* kDestinationError = KV_TEXT("Messages", "Destination Error !!");
inline constexpr const char* kRegionUnmatched = KV_TEXT("Messages", "The region selection is unmatched.");
inline constexpr const char* kAskRead = KV_TEXT("Messages", "Do you want to read the data?");
inline constexpr const char* kAskWrite = KV_TEXT("Messages", "Do you want to write the data?");
inline constexpr const char* kNoPort = KV_TEXT("Messages", "(not exist)");

// The editor's field checks and main window.
inline constexpr const char* kFieldDataError = KV_TEXT("Messages", "Data Error!!");
inline constexpr const char* kPleaseInputCorrectData = KV_TEXT("Messages", "Please input correct data.");
// The refusal of an incomplete channel: both lines (each translated on its own).
inline constexpr const char* kIncompleteChannel = "Data Error!!\r\nPlease input correct data.";
inline constexpr const char* kProductWord = "TLN58";
inline constexpr const char* kDataChanged = KV_TEXT("Messages", "TWS data has changed.");
inline constexpr const char* kSaveChanges = KV_TEXT("Messages", "Do you want to save changes?");
inline constexpr const char* kIniFileReadError = KV_TEXT("Messages", "IniFileRead Error!!");
inline constexpr const char* kSelectionHint =
    KV_TEXT("Messages", "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.");
inline constexpr const char* kListHint = KV_TEXT("Messages", "[Up]/[Down]:Change of a Selection item.");
inline constexpr const char* kCheckBoxHint = KV_TEXT("Messages", "[Space]:An effective and invalid change.");
inline constexpr const char* kGridHint = KV_TEXT("Messages", "[Double click],[Enter]:Jump the Setting screen.");
inline constexpr const char* kWeatherEnableHint = KV_TEXT("Messages", "Select[x]Enable/[]Disable.");
inline constexpr const char* kNoHelp =
    KV_TEXT("Messages", "Unable to display Help Contents. There is no Help associated with this project.");
inline constexpr const char* kHelpNotOpened =
    KV_TEXT("Messages", "The help could not be opened: no web browser could be started.");

// The transfer dialog.
inline constexpr const char* kInstructionConnect =
    KV_TEXT("Messages", "1.Connect the TWS cable between the PC serial port and the radio.");
inline constexpr const char* kInstructionTurnOn =
    KV_TEXT("Messages", "2.Turn on the radio.");
inline constexpr const char* kInstructionPressOk =
    KV_TEXT("Messages", "3.Press the [OK] button to start.");
inline constexpr const char* kDebugStart = "starting at debug mode..";

}  // namespace kv::text
