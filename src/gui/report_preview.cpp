#include "gui/report_preview.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/file_io.h"
#include "report/report.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {

ReportPreview::ReportPreview(const RadioSession& session, Prompt& prompt, FileChooser& files,
                             std::filesystem::path folder, QWidget* parent)
    : QDialog(parent), s_(session), prompt_(prompt), files_(files), folder_(std::move(folder)) {
    setObjectName("frmPrn");
    setWindowTitle(QString::fromStdString(session.ModelName()) + " " + text::kProductWord);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(tr("&File"));
    QAction* save = file->addAction(tr("&Save"));
    save->setObjectName("mnuFileSave");
    connect(save, &QAction::triggered, this, [this] { Save(); });
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName("mnuFileExit");
    connect(exit, &QAction::triggered, this, &QDialog::accept);
    layout->setMenuBar(bar);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("txtPrn");
    text_->setAccessibleName(tr("Report"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFont("Liberation Mono"));
    text_->setPlainText(tr(kWaitText));
    layout->addWidget(text_);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("cmdOK");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    resize(558, 409);
    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setSingleShot(true);
    timer_->setInterval(10);
    connect(timer_, &QTimer::timeout, this, &ReportPreview::Build);
    timer_->start();
}

void ReportPreview::Build() {
    timer_->stop();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    report_ = BuildReport(s_);
    text_->setPlainText(QString::fromStdString(report_));
    built_ = true;
    setEnabled(true);
    QApplication::restoreOverrideCursor();
}

bool ReportPreview::Save() {
    const auto name = files_.SaveName(folder_, tr(kFilter).toStdString());
    if (!name || name->empty()) return false;
    if (!built_) Build();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    const std::string content = report_ + kReportLineBreak;
    const std::string error = WriteFileAtomically(*name, content.data(), content.size());
    setEnabled(true);
    QApplication::restoreOverrideCursor();
    if (!error.empty()) {
        prompt_.Show({error, s_.ModelName() + " " + text::kProductWord, MessageIcon::Exclamation, Buttons::Ok,
                      AdviceText(Advice::SaveElsewhere)});
        return false;
    }
    return true;
}

}  // namespace kv
