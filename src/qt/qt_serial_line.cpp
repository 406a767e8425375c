#include "qt/qt_serial_line.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

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
    const std::string path = port.find('/') == std::string::npos ? "/dev/" + port : port;
    std::error_code ec;
    if (error == QSerialPort::DeviceNotFoundError || !std::filesystem::exists(path, ec))
        return path + " does not exist: check the cable is plugged in and the port name (kvtool ports lists them)";
    if (qtText.find("locked") != std::string::npos || qtText.find("busy") != std::string::npos)
        return path + " is busy: another program has it open or locked; close that program and try again";
    if (error == QSerialPort::PermissionError) {
        if (access(path.c_str(), R_OK | W_OK) != 0)
            return path +
                   " permission denied: add your user to the dialout group (sudo usermod -aG dialout $USER), then log "
                   "in again";
        return path + " is busy: another program has it open or locked; close that program and try again";
    }
    return path + ": " + qtText;
}

}  // namespace kv::qt
