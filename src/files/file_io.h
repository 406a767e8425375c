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

// What a write may do to the file it replaces.
enum class ReadOnlyFiles { Refuse, Replace };

// Writes a temporary file beside the target, flushes and syncs it, then
// renames it over the target. On failure the target is untouched and no
// temporary file is left. A symbolic link is written through: the file it
// names is replaced in its own folder and the link stays. A file without
// write permission is refused ("Permission denied", as other programs do)
// unless the caller has the user's word to replace it; the new file keeps
// the old one's permissions.
// Returns an empty string on success, else "PATH: reason".
std::string WriteFileAtomically(const std::filesystem::path& path, const void* data, size_t size,
                                ReadOnlyFiles readOnly = ReadOnlyFiles::Refuse);

// Whether WriteFileAtomically(path, ...) of `size` bytes can succeed: the
// folder exists, a file of that size can be made there (a full disk, a
// folder without write permission fail here), and an existing file is not
// write-protected. Leaves nothing behind. Empty when it can, else "PATH: reason".
std::string CheckFileWritable(const std::filesystem::path& path, size_t size);

// True when `error` (from WriteFileAtomically) is the refusal of a
// write-protected file, which the user may choose to replace.
bool IsReadOnlyRefusal(const std::string& error);

// A new empty file beside the target (a short name: ".kv-" and six random
// characters, whatever the target's name), for a writer that needs a path of
// its own; empty with `error` set when none can be made.
std::filesystem::path TemporaryFileBeside(const std::filesystem::path& target, std::string& error);

}  // namespace kv
