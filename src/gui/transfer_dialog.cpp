#include "gui/transfer_dialog.h"

#include <QApplication>
#include <algorithm>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "gui/services.h"
#include "qt/translations.h"

namespace kv {
namespace {

QSvgWidget* Picture(const char* resource, const char* name, QWidget* parent) {
    auto* picture = new QSvgWidget(resource, parent);
    picture->setObjectName(name);
    picture->setFixedSize(96, 96);
    return picture;
}

}  // namespace

namespace {
constexpr int kPollMilliseconds = 50;
}  // namespace

TransferDialog::TransferDialog(TransferMode mode, bool debug, TransferJob* job, QWidget* parent, ProgramChoices* choices)
    : QDialog(parent), mode_(mode), debug_(debug), job_(job) {
    LoadPictures();
    setObjectName("frmRadio_102");
    setModal(true);
    setWindowTitle(qt::Translated(TransferTitle(mode)));
    QFont arial("Arial");
    setFont(arial);
    resize(465, 290);

    auto* layout = new QVBoxLayout(this);
    auto* message = new QLabel(qt::Translated(TransferInstructions()), this);
    message->setObjectName("lblmess");
    layout->addWidget(message);

    // The source on the left, the destination on the right.
    auto* pictures = new QHBoxLayout;
    QSvgWidget* radio = Picture(":/kvprog/radio.svg", "pictHandy", this);
    QSvgWidget* computer = Picture(":/kvprog/computer.svg", "pictB", this);
    QSvgWidget* arrow = Picture(":/kvprog/arrow-right.svg",
                                "pictA", this);
    arrow->setFixedSize(64, 32);
    pictures->addStretch();
    pictures->addWidget(mode == TransferMode::Read ? radio : computer);
    pictures->addWidget(arrow);
    pictures->addWidget(mode == TransferMode::Read ? computer : radio);
    pictures->addStretch();
    layout->addLayout(pictures);

    waiting_ = new QLabel(this);
    waiting_->setObjectName("lblWait");
    waiting_->setWordWrap(true);
    layout->addWidget(waiting_);

    monitor_ = new QLabel(this);
    monitor_->setObjectName("lblmon");
    monitor_->setVisible(debug);
    layout->addWidget(monitor_);

    if (mode == TransferMode::Program && choices) {
        const auto box = [&](const char* caption, const char* name, bool& choice) {
            auto* check = new QCheckBox(qt::Term(caption), this);
            check->setObjectName(name);
            check->setChecked(choice);
            connect(check, &QCheckBox::toggled, this, [&choice](bool on) { choice = on; });
            layout->addWidget(check);
            return check;
        };
        QCheckBox* backup = box(kBackupChoice, "chkBackup", choices->backup);
        box(kVerifyChoice, "chkVerify", choices->verify);
        // Without a backup read every block is written anyway.
        QCheckBox* everyBlock = box(kEveryBlockChoice, "chkEveryBlock", choices->everyBlock);
        everyBlock->setEnabled(backup->isChecked());
        connect(backup, &QCheckBox::toggled, everyBlock, &QCheckBox::setEnabled);
    }

    phase_ = new QLabel(this);
    phase_->setObjectName("lblPhase");
    phase_->setVisible(mode == TransferMode::Program && choices);
    layout->addWidget(phase_);

    progressFrame_ = new QFrame(this);
    progressFrame_->setObjectName("pictProgress");
    static_cast<QFrame*>(progressFrame_)->setFrameShape(QFrame::Box);
    progressFrame_->setFixedHeight(20);
    fill_ = new QLabel(progressFrame_);
    fill_->setObjectName("lblPercent");
    fill_->setStyleSheet("background-color: palette(highlight);");  // the desktop theme's colour
    layout->addWidget(progressFrame_);

    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName("cmdOK");
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName("cmdCancel");
    help_ = new QPushButton(tr("Help"), this);
    help_->setObjectName("cmdHelp");
    help_->hide();
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addWidget(help_);
    layout->addLayout(buttons);
    ok_->setAutoDefault(false);
    cancel_->setAutoDefault(false);

    resize(width(), std::max(height(), sizeHint().height()));  // room for the program choices
    connect(ok_, &QPushButton::clicked, this, &TransferDialog::Start);
    connect(cancel_, &QPushButton::clicked, this, &TransferDialog::CancelPressed);
    connect(&timer_, &QTimer::timeout, this, &TransferDialog::Poll);
    Note("starting at debug mode..");
    Progress({});
}

void TransferDialog::Start() {
    if (state_.busy() || job_ == nullptr) return;
    ok_->setEnabled(false);
    help_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    state_.Start(*job_, mode_);
    timer_.start(kPollMilliseconds);
}

void TransferDialog::Poll() {
    if (!state_.busy()) return;
    const auto show = [this](const WorkerStatus& status) {
        Progress(status.progress);
        Phase(PhaseLine(status));
        Waiting(status.waiting);
        if (status.notes > 0) Note(status.note);
    };
    show(state_.Status());  // before a message the worker waits on
    const std::optional<TransferOutcome> outcome = state_.Serve();
    if (!outcome) return;
    show(state_.Status());
    timer_.stop();
    QApplication::restoreOverrideCursor();
    Waiting("");
    ok_->setEnabled(true);
    help_->setEnabled(true);
    if (*outcome == TransferOutcome::Completed) {
        completed_ = true;
        accept();
    }
}

void TransferDialog::CancelPressed() {
    if (state_.Cancel() == TransferDialogState::CancelAction::Close) QDialog::reject();
}

void TransferDialog::reject() {
    // Escape and the close box: refused while a transfer runs.
    if (state_.MayClose()) QDialog::reject();
}

void TransferDialog::closeEvent(QCloseEvent* event) {
    if (!state_.MayClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TransferDialog::Progress(const TransferProgress& progress) {
    percent_ = progress.percent;
    PlaceFill();
}

void TransferDialog::PlaceFill() {
    const int width = progressFrame_->width();
    fill_->setGeometry(ProgressFillLeft(width, percent_), 0, width, progressFrame_->height());
}

void TransferDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceFill();
}

void TransferDialog::Note(const std::string& text) {
    if (debug_) monitor_->setText(QString::fromStdString(text));
}

void TransferDialog::Phase(const std::string& text) { phase_->setText(qt::Translated(text)); }

void TransferDialog::Waiting(const std::string& text) { waiting_->setText(qt::Translated(text)); }

}  // namespace kv
