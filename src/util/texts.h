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

}  // namespace kv::text
