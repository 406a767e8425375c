#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>

#include "gui/about_dialog.h"
#include "gui/fleet_dialog.h"
#include "gui/app.h"
#include "gui/main_window.h"
#include "gui/report_preview.h"
#include "gui/transfer_dialog.h"

namespace kv {
namespace {

bool Save(QWidget* widget, const QString& folder, const QString& name) {
    widget->adjustSize();
    return widget->grab().save(QDir(folder).filePath(name + ".png"));
}

// The colours of a dark desktop theme, as Fusion draws them.
QPalette DarkPalette() {
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), muted(128, 128, 128), accent(42, 130, 218);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, muted);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, accent);
    p.setColor(QPalette::Highlight, accent);
    p.setColor(QPalette::HighlightedText, Qt::white);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, muted);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    return p;
}

// As the desktop changes its theme: every widget takes the new colours.
void SetPalette(const QPalette& palette) {
    QApplication::setPalette(palette);
    QEvent changed(QEvent::ApplicationPaletteChange);
    for (QWidget* widget : QApplication::allWidgets()) QCoreApplication::sendEvent(widget, &changed);
}

// Every screen and dialog at one window size, into `folder`.
int SaveAll(MainWindow& window, const QString& folder, QSize size) {
    QDir().mkpath(folder);
    int saved = 0;
    const auto shot = [&](const QString& name) { return window.grab().save(QDir(folder).filePath(name + ".png")); };
    window.resize(size);
    // The LMR group switched on for its screens, and off again afterwards.
    window.SelectNodeByKey("Usable");
    auto* lmr = window.findChild<QCheckBox*>("chkUsable_3");
    const bool lmrWasOn = lmr && lmr->isChecked();
    if (lmr && !lmrWasOn) lmr->click();
    const std::pair<const char*, const char*> screens[] = {
        {"General", "main-general"}, {"Program", "main-programmable"}, {"Common", "main-common-setup"},
        {"ATIS", "main-atis"},       {"PU", "main-usa-group"},        {"R1", "main-rg-channel"},
        {"Usable", "main-available-groups"}, {"PW", "main-weather"},    {"PR", "main-rg-grid"},
        {"PU1", "main-usa-channel"}, {"LMRChannel", "main-lmr-grid"}, {"L1", "main-lmr-channel"},
    };
    for (const auto& [key, name] : screens)
        if (window.SelectNodeByKey(key)) saved += shot(name);
    window.SelectNodeByKey("ATIS");
    if (auto* tabs = window.findChild<QTabWidget*>("tbsATIS")) {
        tabs->setCurrentIndex(1);
        saved += shot("main-atis-call-signs");
        tabs->setCurrentIndex(0);
    }
    window.SelectNodeByKey("PU");
    if (auto* add = window.findChild<QPushButton*>("cmdAdd")) {
        add->click();
        saved += shot("main-usa-add");
        if (auto* cancel = window.findChild<QPushButton*>("cmdCancel")) cancel->click();
    }
    if (lmr && !lmrWasOn) window.EditUndo();
    window.PrintToFile();
    if (auto* preview = window.findChild<ReportPreview*>("frmPrn")) {
        QElapsedTimer waited;
        waited.start();
        while (!preview->built() && waited.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        saved += preview->grab().save(QDir(folder).filePath("report-preview.png"));
        preview->close();
    }
    ProgramChoices choices;
    for (const TransferMode mode : {TransferMode::Read, TransferMode::Program}) {
        TransferDialog dialog(mode, false, nullptr, &window, mode == TransferMode::Program ? &choices : nullptr);
        dialog.Progress({.percent = 40});
        saved += dialog.grab().save(QDir(folder).filePath(mode == TransferMode::Read ? "transfer-read.png" : "transfer-program.png"));
    }
    TransferDialog debug(TransferMode::Read, true, nullptr, &window);
    debug.Note("status check.. OK");
    debug.Progress({.percent = 75});
    saved += debug.grab().save(QDir(folder).filePath("transfer-read-debug.png"));
    const auto fleet = window.NewFleetDialog();
    saved += fleet->grab().save(QDir(folder).filePath("fleet.png"));
    AboutDialog about(&window);
    saved += Save(&about, folder, "about");
    window.SelectNodeByKey("General");
    return saved;
}

}  // namespace

// At the smallest and a large common window size, and in a dark theme.
int SaveScreenshots(MainWindow& window, const QString& folder) {
    int saved = 0;
    for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)})
        saved += SaveAll(window, QDir(folder).filePath(QString("%1x%2").arg(size.width()).arg(size.height())), size);
    const QPalette light = QApplication::palette();
    SetPalette(DarkPalette());
    saved += SaveAll(window, QDir(folder).filePath("dark"), QSize(1024, 768));
    SetPalette(light);
    return saved;
}

}  // namespace kv
