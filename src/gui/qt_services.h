// The real services: message boxes, file and print dialogs, the system
// browser for the manual, and the computer's serial ports.
#pragma once

#include <QMessageBox>
#include <QWidget>
#include <functional>
#include <memory>

#include "gui/services.h"

namespace kv {

// The box a message shows, in the window's language: the message's text,
// its detail as the informative text beneath, and a width that keeps the
// title whole.
std::unique_ptr<QMessageBox> MessageBoxOf(const Message& message, QWidget* parent);

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

// A list of the kept reads, newest first, with OK and Cancel.
class DialogBackupChooser : public BackupChooser {
public:
    explicit DialogBackupChooser(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}
    std::optional<std::filesystem::path> Choose(const std::vector<BackupEntry>& entries) override;

private:
    std::function<QWidget*()> parent_;
};

// The system's print dialog, without print-to-file and selection (File >
// Export PDF... writes files).
class DialogPrinterChooser : public PrinterChooser {
public:
    explicit DialogPrinterChooser(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}
    bool Choose(QPrinter& printer) override;

private:
    std::function<QWidget*()> parent_;
};

class BrowserHelpViewer : public HelpViewer {
public:
    bool Open(const std::filesystem::path& manual, const std::string& anchor) override;
};

// The computer's serial ports, numbered as the menu shows them, and the
// simulated radio of --demo after them.
class DevicePortSource : public PortSource {
public:
    std::vector<PortMenuEntry> Ports() override;
    void AddSimulatedRadio(const std::string& device) { simulated_ = device; }

private:
    std::string simulated_;
};

// The fleet's ports: each a serial port on a Qt thread of its own.
FleetLinks SerialFleetLinks();

inline constexpr const char* kSimulatedRadioCaption = QT_TRANSLATE_NOOP("kv::DevicePortSource", "Simulated radio");

}  // namespace kv
