// Whole-file reads and atomic writes. Failures come back as values that name
// the path and the reason.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kv {

struct FileBytes {
    bool ok = false;
    std::vector<uint8_t> bytes;
    std::string error;  // "PATH: reason" when !ok
};

// Reads the whole file; refuses directories and files over maxBytes.
FileBytes ReadFileBytes(const std::filesystem::path& path, uintmax_t maxBytes);

// The length of a regular file, or an error naming the path.
struct FileLength {
    bool ok = false;
    uintmax_t length = 0;
    std::string error;
};
FileLength RegularFileLength(const std::filesystem::path& path);

// Writes a temporary file beside the target, flushes and syncs it, then
// renames it over the target. On failure the target is untouched.
// Returns an empty string on success, else "PATH: reason".
std::string WriteFileAtomically(const std::filesystem::path& path, const void* data, size_t size);

}  // namespace kv
