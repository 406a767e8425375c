#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
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

}  // namespace

int SaveScreenshots(MainWindow& window, const QString& folder) {
    QDir().mkpath(folder);
    int saved = 0;
    const std::pair<const char*, const char*> screens[] = {
        {"General", "main-general"}, {"Program", "main-programmable"}, {"Common", "main-common-setup"},
        {"ATIS", "main-atis"},       {"PU", "main-usa-group"},        {"R1", "main-rg-channel"},
        {"Usable", "main-available-groups"}, {"PW", "main-weather"},    {"PR", "main-rg-grid"},
        {"PU1", "main-usa-channel"}, {"LMRChannel", "main-lmr-grid"}, {"L1", "main-lmr-channel"},
    };
    window.resize(900, 600);
    for (const auto& [key, name] : screens)
        if (window.SelectNodeByKey(key)) saved += window.grab().save(QDir(folder).filePath(QString(name) + ".png"));
    window.SelectNodeByKey("ATIS");
    if (auto* tabs = window.findChild<QTabWidget*>("tbsATIS")) {
        tabs->setCurrentIndex(1);
        saved += window.grab().save(QDir(folder).filePath("main-atis-call-signs.png"));
        tabs->setCurrentIndex(0);
    }
    window.SelectNodeByKey("PU");
    if (auto* add = window.findChild<QPushButton*>("cmdAdd")) {
        add->click();
        saved += window.grab().save(QDir(folder).filePath("main-usa-add.png"));
        if (auto* cancel = window.findChild<QPushButton*>("cmdCancel")) cancel->click();
    }
    window.PrintToFile();
    if (auto* preview = window.findChild<ReportPreview*>("frmPrn")) {
        QElapsedTimer waited;
        waited.start();
        while (!preview->built() && waited.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        saved += preview->grab().save(QDir(folder).filePath("report-preview.png"));
        preview->close();
    }
    for (const TransferMode mode : {TransferMode::Read, TransferMode::Program}) {
        TransferDialog dialog(mode, false, nullptr, &window);
        dialog.resize(465, 290);
        dialog.Progress({.percent = 40});
        saved += dialog.grab().save(QDir(folder).filePath(mode == TransferMode::Read ? "transfer-read.png" : "transfer-program.png"));
    }
    TransferDialog debug(TransferMode::Read, true, nullptr, &window);
    debug.resize(465, 290);
    debug.Note("status check.. OK");
    debug.Progress({.percent = 75});
    saved += debug.grab().save(QDir(folder).filePath("transfer-read-debug.png"));
    const auto fleet = window.NewFleetDialog();
    fleet->resize(720, 560);
    saved += fleet->grab().save(QDir(folder).filePath("fleet.png"));
    AboutDialog about(&window);
    saved += Save(&about, folder, "about");
    window.SelectNodeByKey("General");
    return saved;
}

}  // namespace kv
