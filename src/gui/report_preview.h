// frmPrn: the report preview of File > Print to File. Shows a wait text,
// builds the report on its first timer tick and saves it as a text file.
#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QTimer>

#include "gui/services.h"
#include "model/session.h"

namespace kv {

class ReportPreview : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kWaitText = QT_TR_NOOP("Now, making text image. Please wait...");
    static constexpr const char* kFilter = QT_TR_NOOP("Text files(*.txt)|*.txt|All files(*.*)|*.*");

    ReportPreview(const RadioSession& session, Prompt& prompt, FileChooser& files, std::filesystem::path folder,
                  QWidget* parent);

    QString text() const { return text_->toPlainText(); }
    bool built() const { return built_; }
    // File > Save. False when cancelled or failed.
    bool Save();

private:
    void Build();

    const RadioSession& s_;
    Prompt& prompt_;
    FileChooser& files_;
    std::filesystem::path folder_;
    QPlainTextEdit* text_ = nullptr;
    QTimer* timer_ = nullptr;
    std::string report_;
    bool built_ = false;
};

}  // namespace kv
