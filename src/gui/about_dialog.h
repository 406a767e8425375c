// Help > About: the product, the program's version and the logo.
#pragma once

#include <QDialog>

namespace kv {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent);
};

}  // namespace kv
