// frmRadio_102: the modal dialog every radio transfer runs in. It tells the
// user how to connect the radio, shows which way the data flow, runs the
// transfer job on OK, shows progress and, in debug mode, the link's notes.
#pragma once

#include <QDialog>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "editor/transfer_dialog_logic.h"

namespace kv {

class TransferDialog : public QDialog, private TransferEvents {
    Q_OBJECT
public:
    // choices: the program options the dialog shows and changes (program mode only).
    TransferDialog(TransferMode mode, bool debug, TransferJob* job, QWidget* parent, int pauseScale = 1,
                   ProgramChoices* choices = nullptr);

    bool completed() const { return completed_; }
    const TransferDialogState& state() const { return state_; }

    // The OK and Cancel buttons, also for tests.
    void Start();
    void CancelPressed();

    // TransferEvents
    void Progress(const TransferProgress& progress) override;
    void Note(const std::string& text) override;
    void Phase(const std::string& text) override;
    void Waiting(const std::string& text) override;
    bool Pump() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceFill();

    TransferMode mode_;
    bool debug_;
    int pauseScale_;
    TransferJob* job_;
    TransferDialogState state_;
    bool completed_ = false;
    int percent_ = 0;
    QLabel* monitor_ = nullptr;
    QLabel* phase_ = nullptr;
    QLabel* waiting_ = nullptr;
    QWidget* progressFrame_ = nullptr;
    QLabel* fill_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace kv
