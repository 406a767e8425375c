// Whole-file reads and atomic writes. Failures come back as values that name
// the path and the reason.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
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

// What writing to a path does; every output of both programs (settings and
// image files, reports, PDFs, CSV, logs, backups) goes through this decision.
enum class OutputKind {
    File,     // a regular file, or nothing yet: replaced whole (temporary file, sync, rename)
    Stream,   // a character device, FIFO or socket (a terminal, /dev/null, a pipe): written
              // into in order, and the node stays what it was
    Refused,  // a directory or a block device
};
struct OutputTarget {
    OutputKind kind = OutputKind::File;
    std::string error;  // "PATH: reason" when refused
};
OutputTarget OutputTargetOf(const std::filesystem::path& path);

// Writes `size` bytes to the path as OutputTargetOf decides. A file: a
// temporary file beside the target, flushed and synced, then renamed over
// the target; on failure the target is untouched and no temporary file is
// left. A symbolic link is written through: the file it names is replaced
// in its own folder and the link stays. A file without write permission is
// refused ("Permission denied", as other programs do) unless the caller has
// the user's word to replace it; the new file keeps the old one's
// permissions. A stream is opened (a socket connected to) and written; a
// FIFO waits for its reader as a shell's redirection does.
// Returns an empty string on success, else "PATH: reason".
std::string WriteFileAtomically(const std::filesystem::path& path, const void* data, size_t size,
                                ReadOnlyFiles readOnly = ReadOnlyFiles::Refuse);

// Whether WriteFileAtomically(path, ...) of `size` bytes can succeed: the
// folder exists, a file of that size can be made there (a full disk, a
// folder without write permission fail here), and an existing file is not
// write-protected; a stream only needs write permission (nothing is written
// into it). Leaves nothing behind. Empty when it can, else "PATH: reason".
std::string CheckFileWritable(const std::filesystem::path& path, size_t size);

// The reason of an error "PATH: reason" about `path`, for a message that
// names the path once already (or should name another one).
std::string ReasonOf(const std::string& error, const std::filesystem::path& path);

// True when `error` (from WriteFileAtomically) is the refusal of a
// write-protected file, which the user may choose to replace.
bool IsReadOnlyRefusal(const std::string& error);

// A new empty file beside the target (a short name: ".kv-" and six random
// characters, whatever the target's name), for a writer that needs a path of
// its own; a stream's is made in the temporary folder instead. Empty with
// `error` set when none can be made.
std::filesystem::path TemporaryFileBeside(const std::filesystem::path& target, std::string& error);

struct NewFile {
    std::filesystem::path path;  // empty when nothing was written
    std::string error;           // "PATH: reason"
};
// Writes a new file under the first of nameFor(1), nameFor(2), ... that
// nobody has taken, whole or not at all: written and synced under a
// temporary name, then linked to the new name, which fails rather than
// replaces a file another process made in the meantime.
NewFile WriteNewFile(const std::function<std::filesystem::path(int)>& nameFor, const void* data, size_t size);

}  // namespace kv
