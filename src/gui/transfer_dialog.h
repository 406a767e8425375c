// frmRadio_102: the modal dialog every radio transfer runs in. It tells the
// user how to connect the radio, shows which way the data flow, runs the
// transfer job on a worker thread on OK, shows progress, the steps and the
// time left and, in debug mode, the link's notes.
#pragma once

#include <QDialog>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "editor/transfer_dialog_logic.h"

namespace kv {

class TransferDialog : public QDialog, private TransferEvents {
    Q_OBJECT
public:
    // choices: the program options the dialog shows and changes (program mode only).
    TransferDialog(TransferMode mode, bool debug, TransferJob* job, QWidget* parent, ProgramChoices* choices = nullptr);

    bool completed() const { return completed_; }
    const TransferDialogState& state() const { return state_; }

    // The OK and Cancel buttons, also for tests. OK starts the transfer and
    // returns; the dialog's timer follows it (Poll).
    void Start();
    void CancelPressed();
    // The timer's tick: shows what the transfer reported and asks its questions.
    void Poll();

    // What the transfer reports, shown (on the window's thread).
    void Progress(const TransferProgress& progress) override;
    void Note(const std::string& text) override;
    void Phase(const std::string& text) override;
    void Waiting(const std::string& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceFill();

    TransferMode mode_;
    bool debug_;
    TransferJob* job_;
    TransferDialogState state_;
    QTimer timer_;
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
