#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

bool IsReadOnlyRefusal(const std::string& error) { return error.ends_with(": " + Errno(EACCES)); }

fs::path TemporaryFileBeside(const fs::path& target, std::string& error) {
    std::string temp;
    const int fd = MakeTemporary(FolderOf(target), temp);
    if (fd < 0) {
        error = Describe(target, Errno(errno));
        return {};
    }
    ::close(fd);
    return temp;
}

std::string WriteFileAtomically(const fs::path& path, const void* data, size_t size, ReadOnlyFiles readOnly) {
    std::string linkError;
    const fs::path file = FollowLinks(path, linkError);
    if (file.empty()) return Describe(path, linkError);
    std::error_code ec;
    if (fs::is_directory(file, ec)) return Describe(path, "is a directory");
    // Keep the permissions an existing file had; a new file gets the usual 0644.
    struct stat old {};
    const bool exists = ::stat(file.c_str(), &old) == 0;
    if (exists && (old.st_mode & 0222) == 0 && readOnly == ReadOnlyFiles::Refuse) return Describe(path, Errno(EACCES));
    const mode_t mode = exists ? old.st_mode & 07777 : 0644;
    std::string temp;
    const int fd = MakeTemporary(FolderOf(file), temp);
    if (fd < 0) return Describe(path, Errno(errno));
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        return Describe(path, Errno(error));
    };
    const auto* bytes = static_cast<const char*>(data);
    for (size_t done = 0; done < size;) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        done += static_cast<size_t>(n);
    }
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

}  // namespace kv
