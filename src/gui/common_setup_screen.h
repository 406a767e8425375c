// The Common Setup screen: one drop-down list per radio-wide setting; a
// choice writes its field at once.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <map>

#include "editor/common_setup_options.h"
#include "gui/screen.h"

namespace kv {

class CommonSetupScreen : public Screen {
    Q_OBJECT
public:
    CommonSetupScreen(ScreenContext context, QWidget* parent);
    void Fill() override;

private:
    void OnChosen(CommonList list, int entry);
    void ApplyScanState();

    std::map<CommonList, QComboBox*> lists_;
    std::map<CommonList, QLabel*> labels_;
    QWidget* weatherPicture_ = nullptr;
};

}  // namespace kv
