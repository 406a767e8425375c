// A marine group's grid with its Add/Edit/Delete buttons and the add/edit
// panel.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "gui/channel_screen.h"
#include "gui/field_edit.h"
#include "gui/grid_table.h"

namespace kv {

class MarineGridScreen : public ChannelScreen {
    Q_OBJECT
public:
    MarineGridScreen(ScreenContext context, ChannelHost host, QWidget* parent);
    void Fill() override;
    bool ValidateActiveField() override { return true; }

    // The commands of the buttons.
    void Add();
    void Edit();
    void Delete();
    void Save();
    void Cancel();

private:
    MarineGroup& Group() { return c_.session.settings.Marine(choice_.group); }
    void BuildLayout();
    QWidget* BuildPanel();
    void ConnectSignals();
    // The panel for the grid row selected (-1: none).
    void OpenPanel(bool adding, int row);
    void ShowPanelFrequencies();
    void ClosePanel();
    void ListChanged();

    QLabel* title_ = nullptr;
    GridTable* grid_ = nullptr;
    QWidget* buttons_ = nullptr;
    QPushButton *add_ = nullptr, *edit_ = nullptr, *delete_ = nullptr, *save_ = nullptr, *cancel_ = nullptr;
    QWidget* panel_ = nullptr;
    QComboBox *baseCh_ = nullptr, *simpDup_ = nullptr, *txPower_ = nullptr, *powUp_ = nullptr,
              *statusNo_ = nullptr, *statusIcon_ = nullptr;
    FieldEdit* name_ = nullptr;
    QLabel *rxShown_ = nullptr, *txShown_ = nullptr;
    bool adding_ = false;
    int row_ = -1;     // the grid row selected when the panel opened
    int record_ = -1;  // the record it shows, when editing
};

}  // namespace kv
