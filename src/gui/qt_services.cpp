#include "gui/qt_services.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/backups.h"

#include "link/port_list.h"
#include "qt/qt_platform.h"
#include "qt/qt_serial_line.h"
#include "qt/translations.h"

#include <QDesktopServices>
#include <QPrintDialog>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QUrl>
#include <algorithm>

namespace kv {
namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical: return QMessageBox::Critical;
        case MessageIcon::Exclamation: return QMessageBox::Warning;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return QMessageBox::Ok;
        case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo:
        case Buttons::YesNoDefaultNo: return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Answer AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Retry: return Answer::Retry;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return Answer::Cancel;
    }
}

// The buttons in the window's language, also where Qt's own translations are missing.
void TranslateButtons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Ok, QT_TRANSLATE_NOOP("kv::MessageBoxPrompt", "OK")},
        {QMessageBox::Cancel, QT_TRANSLATE_NOOP("kv::MessageBoxPrompt", "Cancel")},
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("kv::MessageBoxPrompt", "&Yes")},
        {QMessageBox::No, QT_TRANSLATE_NOOP("kv::MessageBoxPrompt", "&No")},
        {QMessageBox::Retry, QT_TRANSLATE_NOOP("kv::MessageBoxPrompt", "Retry")},
    };
    for (const auto& [button, name] : names)
        if (QAbstractButton* shown = box.button(button))
            shown->setText(QCoreApplication::translate("kv::MessageBoxPrompt", name));
}

// A message box is as wide as its layout asks: a short text under a long
// caption would cut the title off. The title bar's font is the window
// manager's, usually bold; room for its icon and buttons besides.
void KeepTitleWhole(QMessageBox& box) {
    QFont font = box.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(box.windowTitle()) * 11 / 10 + 8 * metrics.height();
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

}  // namespace

std::unique_ptr<QMessageBox> MessageBoxOf(const Message& message, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(IconOf(message.icon), qt::Translated(message.caption),
                                             qt::Translated(message.text), ButtonsOf(message.buttons), parent);
    if (!message.detail.empty()) box->setInformativeText(qt::Translated(message.detail));
    if (message.buttons == Buttons::YesNoDefaultNo) box->setDefaultButton(QMessageBox::No);
    TranslateButtons(*box);
    KeepTitleWhole(*box);
    return box;
}

Answer MessageBoxPrompt::Show(const Message& message) {
    return AnswerOf(MessageBoxOf(message, parent_ ? parent_() : nullptr)->exec());
}

std::optional<std::filesystem::path> DialogFileChooser::OpenName(const std::filesystem::path& folder,
                                                                 const std::string& filter) {
    const QString name = QFileDialog::getOpenFileName(parent_ ? parent_() : nullptr, QString(),
                                                      QString::fromStdString(folder.string()), QtFilter(filter));
    if (name.isEmpty()) return std::nullopt;
    return std::filesystem::path(name.toStdString());
}

std::optional<std::filesystem::path> DialogFileChooser::SaveName(const std::filesystem::path& folder,
                                                                 const std::string& filter) {
    const QString name = QFileDialog::getSaveFileName(parent_ ? parent_() : nullptr, QString(),
                                                      QString::fromStdString(folder.string()), QtFilter(filter));
    if (name.isEmpty()) return std::nullopt;
    return std::filesystem::path(name.toStdString());
}

bool DialogPrinterChooser::Choose(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

bool BrowserHelpViewer::Open(const std::filesystem::path& manual, const std::string& anchor) {
    if (!std::filesystem::exists(manual)) return false;
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(manual.string()));
    if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
    return QDesktopServices::openUrl(url);
}

std::vector<PortMenuEntry> DevicePortSource::Ports() {
    PortList list;
    list.Create(qt::AvailablePorts());
    std::vector<PortMenuEntry> ports;
    for (int i = 0; i < list.ComCount(); ++i)
        ports.push_back({list.Entry(i).number, list.RefComName(i), list.Entry(i).name});
    if (!simulated_.empty())
        ports.push_back({list.ComCount() + 1,
                         QCoreApplication::translate("kv::DevicePortSource", kSimulatedRadioCaption).toStdString(),
                         simulated_});
    return ports;
}

std::optional<std::filesystem::path> DialogBackupChooser::Choose(const std::vector<BackupEntry>& entries) {
    QDialog dialog(parent_());
    dialog.setObjectName("frmBackups");
    dialog.setWindowTitle(QCoreApplication::translate("kv::DialogBackupChooser", "Restore from Backup"));
    auto* layout = new QVBoxLayout(&dialog);
    const char* none =
        QT_TRANSLATE_NOOP("kv::DialogBackupChooser", "No backups yet: every read of a radio is kept here.");
    const char* some =
        QT_TRANSLATE_NOOP("kv::DialogBackupChooser", "Every read of a radio is kept here, newest first:");
    const char* heading = entries.empty() ? none : some;
    layout->addWidget(new QLabel(QCoreApplication::translate("kv::DialogBackupChooser", heading), &dialog));
    auto* list = new QListWidget(&dialog);
    list->setObjectName("lstBackups");
    list->setMinimumWidth(560);
    for (const BackupEntry& e : entries) {
        auto* item = new QListWidgetItem(QString::fromStdString(BackupLine(e)), list);
        if (!e.problem.empty()) item->setFlags(Qt::NoItemFlags);  // damaged: shown, not restorable
    }
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("kv::DialogBackupChooser", "Restore"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("kv::MessageBoxPrompt", "Cancel"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    QObject::connect(list, &QListWidget::currentRowChanged, &dialog, [&](int row) {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(row >= 0 && entries[static_cast<size_t>(row)].problem.empty());
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, [&] {
        if (buttons->button(QDialogButtonBox::Ok)->isEnabled()) dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
    const BackupEntry& chosen = entries[static_cast<size_t>(list->currentRow())];
    if (!chosen.problem.empty()) return std::nullopt;
    return chosen.path;
}

FleetLinks SerialFleetLinks() {
    return {[](const std::string& device) {
                return FleetOptions::PortLine{nullptr, std::make_shared<qt::QtSerialLine>(device)};
            },
            qt::StartQtThread};
}

}  // namespace kv
