// The real services: message boxes, file dialogs, the system browser for
// the manual, and a port list the link's adapter will replace.
#pragma once

#include <QWidget>
#include <functional>

#include "gui/services.h"

namespace kv {

class MessageBoxPrompt : public Prompt {
public:
    explicit MessageBoxPrompt(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}
    Answer Show(const Message& message) override;

private:
    std::function<QWidget*()> parent_;
};

class DialogFileChooser : public FileChooser {
public:
    explicit DialogFileChooser(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}
    std::optional<std::filesystem::path> OpenName(const std::filesystem::path& folder,
                                                  const std::string& filter) override;
    std::optional<std::filesystem::path> SaveName(const std::filesystem::path& folder,
                                                  const std::string& filter) override;

private:
    std::function<QWidget*()> parent_;
};

class BrowserHelpViewer : public HelpViewer {
public:
    bool Open(const std::filesystem::path& manual, const std::string& anchor) override;
};

// The serial devices the system lists in /dev (ttyS*, ttyUSB*, ttyACM*),
// numbered 1, 2, ... in natural order. The link's QSerialPortInfo list
// takes its place when the two are joined.
class DevicePortSource : public PortSource {
public:
    std::vector<PortMenuEntry> Ports() override;
};

}  // namespace kv
