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

}  // namespace kv::text
