// Available CH Group: per group usable, priority channel, TX TOT and status
// icon; the EXP group's usable box on model type 5.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <array>
#include <vector>

#include "gui/channel_screen.h"
#include "gui/field_edit.h"

namespace kv {

class UsableScreen : public ChannelScreen {
    Q_OBJECT
public:
    static constexpr int kGroups = 4;
    UsableScreen(ScreenContext context, ChannelHost host, QWidget* parent);
    void Fill() override;

private:
    void BuildLayout();
    void PlaceBoxes(int columns);
    int BoxesWidth(int columns) const;
    void resizeEvent(QResizeEvent* event) override;
    void ConnectSignals();
    void FillPriority(int k);
    void UpdateEnables();

    std::array<QCheckBox*, kGroups> usable_{};
    std::array<QComboBox*, kGroups> priority_{}, tot_{}, status_{};
    std::array<QLabel*, kGroups> priorityLabel_{}, totLabel_{}, statusLabel_{}, nameLabel_{};
    std::array<FieldEdit*, kGroups> names_{};
    std::array<QWidget*, kGroups> boxes_{};
    std::array<std::vector<ListEntry>, kGroups> priorityEntries_{};
    QCheckBox* usableExp_ = nullptr;
    QGridLayout* boxGrid_ = nullptr;
    int columns_ = 0;
};

}  // namespace kv
