// The ATIS screen: the channel groups that send the ATIS identification,
// the killer groups of model types 0 and 3, the ten-digit ATIS code and the
// table of twenty call signs.
#pragma once

#include <QCheckBox>
#include <QTabWidget>
#include <array>

#include "gui/field_edit.h"
#include "gui/screen.h"

namespace kv {

class AtisScreen : public Screen {
    Q_OBJECT
public:
    static constexpr int kCallSigns = 20;

    AtisScreen(ScreenContext context, QWidget* parent);
    ~AtisScreen() override;
    void Fill() override;
    bool ValidateActiveField() override;
    bool SettleActiveField() override { return code_->changed() && !CheckAtisCode(CheckMode::Restoring); }

private:
    QWidget* BuildCommonTab();
    QWidget* BuildCallSignTab();
    void OnFocusChanged(QWidget* old, QWidget* now);
    // The code's check; in validating mode a refusal tells the user.
    bool CheckAtisCode(CheckMode mode);
    void LeaveMid(int i);
    void OnTabChanged(int index);

    QTabWidget* tabs_ = nullptr;
    QWidget* killerPanel_ = nullptr;
    std::array<QCheckBox*, 4> groups_{};
    std::array<QCheckBox*, 4> killers_{};
    FieldEdit* code_ = nullptr;
    std::array<FieldEdit*, kCallSigns> mids_{};
    std::array<FieldEdit*, kCallSigns> displays_{};
    bool telling_ = false;  // a refusal is being shown: focus moves are not leaves
};

}  // namespace kv
