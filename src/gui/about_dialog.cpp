#include "gui/about_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QLabel>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "gui/services.h"
#include "qt/translations.h"
#include "util/texts.h"
#include "util/version.h"

namespace kv {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    LoadPictures();
    setObjectName("frmAbout");
    setWindowTitle(tr("About %1").arg(text::kProductWord));
    auto* layout = new QVBoxLayout(this);
    auto* logo = new QSvgWidget(":/kvprog/logo.svg", this);
    logo->setFixedSize(240, 120);
    layout->addWidget(logo, 0, Qt::AlignCenter);
    auto* product = new QLabel(QString("<b>%1</b><br>%2<br>%3")
                                   .arg(qt::Term(text::kWindowTitle), text::kProductWord, tr("Version %1").arg(kv::VersionText())),
                               this);
    product->setObjectName("lblVersion");
    product->setAlignment(Qt::AlignCenter);
    layout->addWidget(product);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOK");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace kv
