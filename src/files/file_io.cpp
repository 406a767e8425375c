#include "files/file_io.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <system_error>

namespace kv {
namespace fs = std::filesystem;
namespace {

std::string Describe(const fs::path& path, const std::string& reason) { return path.string() + ": " + reason; }

std::string Errno(int error) { return std::generic_category().message(error); }

// The file a path names once symbolic links are followed; a dangling link
// names the file it would create.
fs::path FollowLinks(const fs::path& path, std::string& error) {
    fs::path at = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(at, ec))) return at;
        const fs::path target = fs::read_symlink(at, ec);
        if (ec) {
            error = ec.message();
            return {};
        }
        at = target.is_absolute() ? target : at.parent_path() / target;
    }
    error = Errno(ELOOP);
    return {};
}

// A fixed short prefix: the temporary name fits wherever the target's does.
constexpr const char* kTemporaryPattern = ".kv-XXXXXX";

int MakeTemporary(const fs::path& folder, std::string& temp) {
    temp = (folder / kTemporaryPattern).string();
    return mkstemp(temp.data());
}

fs::path FolderOf(const fs::path& path) { return path.has_parent_path() ? path.parent_path() : fs::path("."); }

}  // namespace

FileLength RegularFileLength(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec) return {false, 0, Describe(path, ec.message())};
    if (fs::is_directory(status)) return {false, 0, Describe(path, "is a directory")};
    if (!fs::is_regular_file(status)) return {false, 0, Describe(path, "is not a regular file")};
    const uintmax_t length = fs::file_size(path, ec);
    if (ec) return {false, 0, Describe(path, ec.message())};
    return {true, length, ""};
}

FileBytes ReadFileBytes(const fs::path& path, uintmax_t maxBytes) {
    const FileLength length = RegularFileLength(path);
    if (!length.ok) return {false, {}, length.error};
    if (length.length > maxBytes)
        return {false, {}, Describe(path, "file too large (" + std::to_string(maxBytes >> 10) + " KB at most)")};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {false, {}, Describe(path, Errno(errno))};
    FileBytes result;
    result.bytes.resize(static_cast<size_t>(length.length));
    in.read(reinterpret_cast<char*>(result.bytes.data()), static_cast<std::streamsize>(result.bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(result.bytes.size()))
        return {false, {}, Describe(path, "read error")};
    result.ok = true;
    return result;
}

std::string ReasonOf(const std::string& error, const fs::path& path) {
    const std::string named = Describe(path, "");
    return error.starts_with(named) ? error.substr(named.size()) : error;
}

bool IsReadOnlyRefusal(const std::string& error) { return error.ends_with(": " + Errno(EACCES)); }

OutputTarget OutputTargetOf(const fs::path& path) {
    struct stat info {};
    // Nothing there yet, or nothing to be learnt: the file's write says why it cannot be made.
    if (::stat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return {};
    if (S_ISDIR(info.st_mode)) return {OutputKind::Refused, Describe(path, "is a directory")};
    if (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)) return {OutputKind::Stream, ""};
    // A disk: never written over by a save.
    return {OutputKind::Refused, Describe(path, "is a block device")};
}

fs::path TemporaryFileBeside(const fs::path& target, std::string& error) {
    std::error_code ec;
    const fs::path folder =
        OutputTargetOf(target).kind == OutputKind::Stream ? fs::temp_directory_path(ec) : FolderOf(target);
    std::string temp;
    const int fd = MakeTemporary(folder, temp);
    if (fd < 0) {
        error = Describe(target, Errno(errno));
        return {};
    }
    ::close(fd);
    return temp;
}

namespace {

// The file a write of `path` replaces, with the mode the new one gets;
// empty with `error` set when the write is refused before it starts.
struct WriteTarget {
    fs::path file;
    mode_t mode = 0644;
};
WriteTarget TargetOf(const fs::path& path, ReadOnlyFiles readOnly, std::string& error) {
    std::string linkError;
    const fs::path file = FollowLinks(path, linkError);
    if (file.empty()) return error = Describe(path, linkError), WriteTarget{};
    // Keep the permissions an existing file had; a new file gets the usual 0644.
    struct stat old {};
    const bool exists = ::stat(file.c_str(), &old) == 0;
    if (exists && (old.st_mode & 0222) == 0 && readOnly == ReadOnlyFiles::Refuse)
        return error = Describe(path, Errno(EACCES)), WriteTarget{};
    return {file, exists ? static_cast<mode_t>(old.st_mode & 07777) : static_cast<mode_t>(0644)};
}

// Writes everything to fd; 0 or the errno of the failure.
int WriteAll(int fd, const char* bytes, size_t size) {
    for (size_t done = 0; done < size;) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

// A reader that went away (a closed pipe) is a failure to report, not a
// signal that ends the program: SIGPIPE is held back while a stream is
// written, and one raised there is taken away again.
class HoldBackSigpipe {
public:
    HoldBackSigpipe() {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        wasPending_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe_, &old_);
    }
    ~HoldBackSigpipe() {
        const timespec now{};
        if (!wasPending_)
            while (sigtimedwait(&pipe_, nullptr, &now) == SIGPIPE) {}
        pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }
    HoldBackSigpipe(const HoldBackSigpipe&) = delete;
    HoldBackSigpipe& operator=(const HoldBackSigpipe&) = delete;

private:
    sigset_t pipe_{}, old_{};
    bool wasPending_ = false;
};

bool IsFifo(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

// A device or FIFO opened as it is (no file is made where none is); a socket connected to.
int OpenStream(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string name = path.string();
        if (name.size() >= sizeof address.sun_path) return errno = ENAMETOOLONG, -1;
        std::memcpy(address.sun_path, name.c_str(), name.size() + 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return fd;
        const int error = errno;
        ::close(fd);
        return errno = error, -1;
    }
    // Opened without waiting: a FIFO nobody reads would hold the open (and a
    // window) for ever. The writes then wait for the reader as usual.
    int fd = -1;
    do fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    while (fd < 0 && errno == EINTR);
    if (fd >= 0 && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        const int error = errno;
        ::close(fd);
        return errno = error, -1;
    }
    return fd;
}

std::string WriteStream(const fs::path& path, const void* data, size_t size) {
    const HoldBackSigpipe held;
    const int fd = OpenStream(path);
    if (fd < 0 && errno == ENXIO && IsFifo(path))
        return Describe(path, "no program reads from this FIFO; start the one that reads it, then write again");
    if (fd < 0) return Describe(path, Errno(errno));
    int failure = WriteAll(fd, static_cast<const char*>(data), size);
    if (::close(fd) != 0 && failure == 0 && errno != EINTR) failure = errno;
    return failure == 0 ? "" : Describe(path, Errno(failure));
}

}  // namespace

std::string CheckFileWritable(const fs::path& path, size_t size) {
    const OutputTarget output = OutputTargetOf(path);
    if (output.kind == OutputKind::Refused) return output.error;
    if (output.kind == OutputKind::Stream)
        return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 ? "" : Describe(path, Errno(errno));
    std::string error;
    const WriteTarget target = TargetOf(path, ReadOnlyFiles::Refuse, error);
    if (target.file.empty()) return error;
    std::string temp;
    const int fd = MakeTemporary(FolderOf(target.file), temp);
    if (fd < 0) return Describe(path, Errno(errno));
    const std::vector<char> zeros(size, 0);
    int failure = WriteAll(fd, zeros.data(), zeros.size());
    if (failure == 0 && ::fsync(fd) != 0) failure = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    return failure == 0 ? "" : Describe(path, Errno(failure));
}

std::string WriteFileAtomically(const fs::path& path, const void* data, size_t size, ReadOnlyFiles readOnly) {
    const OutputTarget output = OutputTargetOf(path);
    if (output.kind == OutputKind::Refused) return output.error;
    if (output.kind == OutputKind::Stream) return WriteStream(path, data, size);
    std::string refusal;
    const WriteTarget target = TargetOf(path, readOnly, refusal);
    if (target.file.empty()) return refusal;
    const fs::path& file = target.file;
    const mode_t mode = target.mode;
    std::string temp;
    const int fd = MakeTemporary(FolderOf(file), temp);
    if (fd < 0) return Describe(path, Errno(errno));
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        return Describe(path, Errno(error));
    };
    if (const int failure = WriteAll(fd, static_cast<const char*>(data), size); failure != 0) return fail(failure);
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return Describe(path, Errno(error));
    }
    if (::rename(temp.c_str(), file.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return Describe(path, Errno(error));
    }
    return "";
}

NewFile WriteNewFile(const std::function<fs::path(int)>& nameFor, const void* data, size_t size) {
    constexpr int kNames = 1000;
    const fs::path first = nameFor(1);
    std::string temp;
    const int fd = MakeTemporary(FolderOf(first), temp);
    if (fd < 0) return {{}, Describe(first, Errno(errno))};
    int failure = WriteAll(fd, static_cast<const char*>(data), size);
    if (failure == 0 && (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0)) failure = errno;
    if (::close(fd) != 0 && failure == 0) failure = errno;
    NewFile made;
    fs::path name = first;
    // link() fails on a name that exists, whoever made it and however recently.
    for (int n = 1; failure == 0; name = nameFor(++n)) {
        if (::link(temp.c_str(), name.c_str()) == 0) {
            made.path = name;
            break;
        }
        if (errno != EEXIST || n == kNames) failure = errno;
    }
    ::unlink(temp.c_str());
    if (failure != 0) made.error = Describe(name, Errno(failure));
    return made;
}

}  // namespace kv
