// The single-channel editor of a marine, RG, LMR or EXP channel; the rows a
// kind of channel lacks are hidden.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <array>
#include <vector>

#include "gui/channel_screen.h"
#include "gui/field_edit.h"

namespace kv {

class ChannelEditorScreen : public ChannelScreen {
    Q_OBJECT
public:
    ChannelEditorScreen(ScreenContext context, ChannelHost host, QWidget* parent);
    void Fill() override;
    bool ValidateActiveField() override;
    bool SettleActiveField() override;

private:
    void BuildControls();
    void BuildLayout();
    void ConnectBoxes();
    void ConnectLists();
    void ConnectFields();
    ChannelRecord* Channel();
    // The guard of every handler: not while building, not while disabled.
    ChannelRecord* Editable(QWidget* control);
    void Changed();
    void UpdateEnables();
    bool CheckFrequencyField(FieldEdit* field, bool transmit, CheckMode mode);
    QString Heading() const;
    void ShowMarineFrequencies(const ChannelRecord& channel);

    QLabel* title_ = nullptr;
    QCheckBox *enable_ = nullptr, *txEnable_ = nullptr, *txOnly_ = nullptr, *txPower_ = nullptr, *scan_ = nullptr,
              *comp_ = nullptr, *dup_ = nullptr;
    std::array<QCheckBox*, 3> group_{};
    QWidget* groups_ = nullptr;  // the row of the three group boxes
    // The rows a marine channel lacks, and the group row only LMR/EXP channels have.
    std::vector<QWidget*> notMarine_, groupRow_;
    std::array<FieldEdit*, 2> number_{};
    FieldEdit *tag_ = nullptr, *rx_ = nullptr, *tx_ = nullptr;
    std::array<QRadioButton*, 2> wide_{};
    std::array<QComboBox*, 2> ctcss_{}, dcs_{};
    QLabel* compLabel_ = nullptr;
    QComboBox* scramble_ = nullptr;
    std::vector<ListEntry> ctcssEntries_, dcsEntries_;
};

}  // namespace kv
