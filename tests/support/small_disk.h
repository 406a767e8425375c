// A nearly full file system of its own for one test: a small tmpfs mounted
// on a temporary folder (as root), with only `freeBytes` left. Where
// mounting is not allowed, mounted() is false and the test skips.
#pragma once

#include <sys/mount.h>
#include <sys/statvfs.h>

#include <fstream>
#include <string>

#include "support/temp_dir.h"

namespace kv::test {

class SmallDisk {
public:
    explicit SmallDisk(size_t freeBytes) {
        mounted_ = ::mount("tmpfs", dir_.path().c_str(), "tmpfs", 0, "size=256k") == 0;
        if (!mounted_) return;
        // Fill it, then give back what the test may use.
        std::ofstream filler(dir_ / ".filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && Free() > 0) {}
        filler.close();
        std::error_code ec;
        const auto size = std::filesystem::file_size(dir_ / ".filler", ec);
        std::filesystem::resize_file(dir_ / ".filler", size > freeBytes ? size - freeBytes : 0, ec);
    }
    ~SmallDisk() {
        if (mounted_) ::umount(dir_.path().c_str());
    }
    bool mounted() const { return mounted_; }
    std::filesystem::path operator/(const std::string& name) const { return dir_ / name; }
    // The files a test left, beside the filler.
    size_t FileCount() const {
        size_t n = 0;
        for (const auto& e : std::filesystem::directory_iterator(dir_.path())) n += e.path().filename() != ".filler";
        return n;
    }

private:
    size_t Free() const {
        struct statvfs fs {};
        return ::statvfs(dir_.path().c_str(), &fs) == 0 ? fs.f_bavail * fs.f_frsize : 0;
    }
    TempDir dir_;
    bool mounted_ = false;
};

}  // namespace kv::test
