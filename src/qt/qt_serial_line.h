// The serial line on QSerialPort: 28800 baud, 8N1, no handshaking. Waits
// block on the port with a timeout; they never spin.
#pragma once

#include <QSerialPort>
#include <filesystem>
#include <string>
#include <vector>

#include "link/serial_line.h"

namespace kv::qt {

class QtSerialLine : public SerialLine {
public:
    static constexpr int kBaudRate = 28800;

    // A device name (ttyUSB0) or a path (/dev/ttyUSB0, /dev/pts/3).
    explicit QtSerialLine(std::string port);

    bool Open(LineError& error) override;
    void Close() override;
    bool IsOpen() const override { return port_.isOpen(); }
    bool Write(const uint8_t* data, size_t size) override;
    size_t BytesWaiting() override;
    size_t Read(uint8_t* data, size_t size) override;
    void WaitForInput(std::chrono::microseconds timeout) override;
    bool Broken() const override;
    // A pseudo-terminal refuses the modem lines: that is no failure here.
    void SetDtr(bool on) override;
    void SetRts(bool on) override;

private:
    void NoticeHangup();

    std::string name_;
    QSerialPort port_;
    bool broken_ = false;
};

// What is wrong and what to do, for a port that did not open: missing (with
// the ports that are present), permission denied (with the group to join,
// or the udev rule for the adapter), busy (with the program that holds it,
// when the system tells).
std::string DescribeOpenFailure(const std::string& port, QSerialPort::SerialPortError error, const std::string& qtText);

// The group to join to open the device ("dialout"): the device's group
// when it may read and write it and is not root's; else empty.
std::string GroupToJoin(const std::filesystem::path& device);

// The program that holds the device, "minicom (process 4711)": from its
// LCK..NAME lock file, else from the processes that have it open; empty
// when the system does not tell.
std::string PortHolder(const std::filesystem::path& device,
                       const std::vector<std::filesystem::path>& lockFolders = {"/run/lock", "/var/lock"},
                       const std::filesystem::path& proc = "/proc");

}  // namespace kv::qt
