#include "qt/qt_serial_line.h"

#include <grp.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include <QSerialPortInfo>

#include "link/link_texts.h"
#include "qt/qt_platform.h"

namespace kv::qt {
namespace {

int CeilMilliseconds(std::chrono::microseconds timeout) {
    return static_cast<int>((timeout.count() + 999) / 1000);
}

}  // namespace

QtSerialLine::QtSerialLine(std::string port) : name_(std::move(port)) {
    port_.setPortName(QString::fromStdString(name_));
}

bool QtSerialLine::Open(LineError& error) {
    port_.setBaudRate(kBaudRate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    broken_ = false;
    if (!port_.open(QIODevice::ReadWrite)) {
        error.number = static_cast<int>(port_.error());
        error.description = DescribeOpenFailure(name_, port_.error(), port_.errorString().toStdString());
        port_.clearError();
        return false;
    }
    return true;
}

void QtSerialLine::Close() {
    if (port_.isOpen()) port_.close();
    port_.clearError();
}

bool QtSerialLine::Write(const uint8_t* data, size_t size) {
    if (!port_.isOpen()) return false;
    const qint64 n = port_.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    if (n != static_cast<qint64>(size)) {
        NoticeHangup();
        return false;
    }
    // Without an event loop the bytes leave only while we wait for them to.
    while (port_.bytesToWrite() > 0)
        if (!port_.waitForBytesWritten(1000)) {
            NoticeHangup();
            return false;
        }
    return true;
}

size_t QtSerialLine::BytesWaiting() {
    if (!port_.isOpen()) return 0;
    if (port_.bytesAvailable() == 0 && !Broken() && !port_.waitForReadyRead(0)) NoticeHangup();
    return static_cast<size_t>(port_.bytesAvailable());
}

void QtSerialLine::NoticeHangup() {
    // A device that went away (a pulled USB cable, a closed pseudo-terminal)
    // reports a hangup on its descriptor; Qt's own error does not always say so.
    pollfd fd{static_cast<int>(port_.handle()), POLLIN, 0};
    if (poll(&fd, 1, 0) > 0 && (fd.revents & (POLLHUP | POLLERR | POLLNVAL))) broken_ = true;
}

size_t QtSerialLine::Read(uint8_t* data, size_t size) {
    if (!port_.isOpen()) return 0;
    const qint64 n = port_.read(reinterpret_cast<char*>(data), static_cast<qint64>(size));
    return n > 0 ? static_cast<size_t>(n) : 0;
}

void QtSerialLine::WaitForInput(std::chrono::microseconds timeout) {
    if (!port_.isOpen() || Broken() || port_.bytesAvailable() > 0) return;
    if (!port_.waitForReadyRead(std::max(0, CeilMilliseconds(timeout)))) NoticeHangup();
}

bool QtSerialLine::Broken() const {
    const auto error = port_.error();
    return !port_.isOpen() || broken_ || error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
           error == QSerialPort::WriteError;
}

void QtSerialLine::SetDtr(bool on) {
    if (port_.isOpen() && !port_.setDataTerminalReady(on)) port_.clearError();
}

void QtSerialLine::SetRts(bool on) {
    if (port_.isOpen() && !port_.setRequestToSend(on)) port_.clearError();
}

std::string DescribeOpenFailure(const std::string& port, QSerialPort::SerialPortError error, const std::string& qtText) {
    // No port chosen at all is a missing port too.
    const std::string path = port.empty() || port.find('/') != std::string::npos ? port : "/dev/" + port;
    std::error_code ec;
    if (path.empty() || error == QSerialPort::DeviceNotFoundError || !std::filesystem::exists(path, ec)) {
        std::vector<std::string> present;
        for (const PortInfo& info : AvailablePorts()) present.push_back(info.name);
        return PortMissingText(path, present);
    }
    const bool busy = qtText.find("locked") != std::string::npos || qtText.find("busy") != std::string::npos;
    if (!busy && error == QSerialPort::PermissionError && access(path.c_str(), R_OK | W_OK) != 0) {
        // The adapter's USB numbers, for the udev rule that lets the user at it.
        const QSerialPortInfo info(QString::fromStdString(std::filesystem::path(path).filename().string()));
        const auto hex = [](bool known, quint16 id) { return known ? QString::number(id, 16).rightJustified(4, '0').toStdString() : ""; };
        return PortPermissionText(path, GroupToJoin(path), hex(info.hasVendorIdentifier(), info.vendorIdentifier()),
                                  hex(info.hasProductIdentifier(), info.productIdentifier()));
    }
    if (busy || error == QSerialPort::PermissionError) return PortBusyText(path, PortHolder(path));
    return path + ": " + qtText;
}

std::string GroupToJoin(const std::filesystem::path& device) {
    struct stat info {};
    if (stat(device.c_str(), &info) != 0) return "";
    // Joining a group helps only when the device lets that group read and
    // write; and root's group is never advice to give.
    constexpr mode_t kReadWrite = S_IRGRP | S_IWGRP;
    if (info.st_gid == 0 || (info.st_mode & kReadWrite) != kReadWrite) return "";
    const group* g = getgrgid(info.st_gid);
    return g ? g->gr_name : "";
}

namespace {

// "minicom (process 4711)", or empty when no such process runs.
std::string ProcessName(long pid, const std::filesystem::path& proc) {
    std::ifstream comm(proc / std::to_string(pid) / "comm");
    std::string name;
    if (pid <= 0 || !std::getline(comm, name) || name.empty()) return "";
    return name + " (process " + std::to_string(pid) + ")";
}

// The process a lock file names: UUCP style (the number as text) or
// QLockFile style (the number on the first line).
long LockOwner(const std::filesystem::path& lock) {
    std::ifstream in(lock);
    long pid = 0;
    return in >> pid ? pid : 0;
}

// The entries of a folder of /proc, which may vanish while they are listed: never throws.
template <typename Visit>
void ForEachEntry(const std::filesystem::path& folder, Visit visit) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) visit(it->path());
}

// std::filesystem::equivalent refuses devices: compare what stat says.
bool HasOpen(const std::filesystem::path& fdFolder, const std::filesystem::path& device) {
    struct stat wanted {};
    if (stat(device.c_str(), &wanted) != 0) return false;
    bool found = false;
    ForEachEntry(fdFolder, [&](const std::filesystem::path& fd) {
        struct stat open {};
        found = found || (stat(fd.c_str(), &open) == 0 && open.st_dev == wanted.st_dev && open.st_ino == wanted.st_ino);
    });
    return found;
}

}  // namespace

std::string PortHolder(const std::filesystem::path& device, const std::vector<std::filesystem::path>& lockFolders,
                       const std::filesystem::path& proc) {
    const std::string lockName = "LCK.." + device.filename().string();
    for (const auto& folder : lockFolders)
        if (std::string holder = ProcessName(LockOwner(folder / lockName), proc); !holder.empty()) return holder;
    // Without a lock file, the processes that have the device open.
    std::string holder;
    ForEachEntry(proc, [&](const std::filesystem::path& process) {
        const std::string pid = process.filename().string();
        if (!holder.empty() || pid.empty() || !std::all_of(pid.begin(), pid.end(), [](unsigned char c) { return std::isdigit(c) != 0; })) return;
        if (HasOpen(process / "fd", device)) holder = ProcessName(std::stol(pid), proc);
    });
    return holder;
}

}  // namespace kv::qt
