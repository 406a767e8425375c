// Transfer > Program Fleet...: one programming into many radios, each with
// its own values from a CSV, on the ticked ports at once. What it decides
// lives in FleetSetup and FleetWatch; this is their widgets.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>
#include <memory>

#include "editor/transfer_dialog_logic.h"
#include "fleet/fleet_setup.h"
#include "gui/services.h"

namespace kv {

class FleetDialog : public QDialog {
    Q_OBJECT
public:
    // current: the window's data, the template unless a file is chosen.
    FleetDialog(const RadioSession& current, MainWindowServices& services, ProgramChoices& choices, QWidget* parent);
    ~FleetDialog() override;

    const FleetSetup& setup() const { return setup_; }
    const FleetWatch* watch() const { return watch_.get(); }
    bool running() const { return watch_ && !watch_->done(); }

    // The buttons, also for tests.
    void ChooseTemplateFile();
    void LoadRadios();
    void Start();
    void Next();
    void CancelFleet();
    void SaveLog();
    // Takes the job's reports into the table (the timer's tick).
    void Poll();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void BuildLayout();
    void ConnectSignals();
    void FillPorts();
    void TickedPortsChanged();
    void ShowSetup();
    void ShowRows();
    void Enable();
    void Tell(const std::string& text, MessageIcon icon, const std::string& detail = {});

    const RadioSession& current_;
    MainWindowServices& services_;
    ProgramChoices& choices_;
    FleetSetup setup_;
    std::unique_ptr<FleetWatch> watch_;
    std::vector<PortMenuEntry> ports_;
    QTimer timer_;

    QRadioButton* currentData_ = nullptr;
    QRadioButton* templateFile_ = nullptr;
    QPushButton* chooseTemplate_ = nullptr;
    QLabel* radiosFile_ = nullptr;
    QPushButton* loadRadios_ = nullptr;
    QListWidget* portList_ = nullptr;
    QCheckBox* backup_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* saveLog_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace kv
