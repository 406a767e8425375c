// The channel screens: Available CH Group, the marine grids with their
// add/edit panel, the weather screen, the RG/LMR/EXP grids and the
// single-channel editor. The decisions live in editor/channel_screens.h and
// rules/channel_lists.h; these classes only wire widgets to them.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <array>
#include <functional>

#include "editor/channel_csv.h"
#include "editor/channel_screens.h"
#include "gui/field_edit.h"
#include "gui/screen.h"

namespace kv {

// What a channel screen asks of the main window.
struct ChannelHost {
    std::function<void()> rebuildTree;        // the usable groups changed
    std::function<void()> refreshCaptions;       // a channel's caption changed
    std::function<void(const QString&)> jumpTo;  // select the node of a key
    // One change of the settings as a whole (a paste, a delete of rows).
    std::function<void(const std::string& label, const RadioSettings& after)> applyChange;
};

class GridTable;

class ChannelScreen : public Screen {
public:
    ChannelScreen(ScreenContext context, ChannelHost host, QWidget* parent)
        : Screen(context, parent), host_(std::move(host)) {}
    // The node being shown, set before Fill.
    void SetChoice(const ScreenChoice& choice) { choice_ = choice; }

    // Ctrl+C, Ctrl+V: the grid's selected rows as tab-separated text on the
    // clipboard, and the clipboard's rows pasted at the selection.
    void CopyRows();
    void PasteRows();

protected:
    // The grid whose rows are copied and pasted, and the list it shows.
    void WireGrid(GridTable* grid);
    std::optional<ChannelList> List() const { return ListOfScreen(choice_.kind, choice_.group); }

    ChannelHost host_;
    ScreenChoice choice_;
    GridTable* rows_ = nullptr;
};

// A grid whose rows run a command on double click or Enter, and whose
// selected rows are copied, pasted over and deleted with the usual keys.
class GridTable : public QTableWidget {
public:
    GridTable(const QString& objectName, QWidget* parent);
    std::function<void(int row)> activate;
    std::function<void()> copy, paste, remove;
    // The selected rows, in order.
    std::vector<int> SelectedRows() const;
    // Fills titles and cells, with drawing suspended.
    void Refill(const std::vector<std::string>& titles, const std::vector<std::vector<std::string>>& rows);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class UsableScreen : public ChannelScreen {
public:
    static constexpr int kGroups = 4;
    UsableScreen(ScreenContext context, ChannelHost host, QWidget* parent);
    void Fill() override;

private:
    void FillPriority(int k);
    void UpdateEnables();

    std::array<QCheckBox*, kGroups> usable_{};
    std::array<QComboBox*, kGroups> priority_{}, tot_{}, status_{};
    std::array<QLabel*, kGroups> priorityLabel_{}, totLabel_{}, statusLabel_{}, nameLabel_{};
    std::array<FieldEdit*, kGroups> names_{};
    std::array<QWidget*, kGroups> boxes_{};
    std::array<std::vector<ListEntry>, kGroups> priorityEntries_{};
    QCheckBox* usableExp_ = nullptr;
};

class MarineGridScreen : public ChannelScreen {
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
    // The group's priority channel, which follows its channel when records move.
    int32_t& Priority() { return c_.session.settings.UsableGroups[static_cast<size_t>(choice_.group)].PriorityCh; }
    void OpenPanel(bool adding, int record);
    void ShowPanelFrequencies();
    void ClosePanel();
    void ListChanged();

    GridTable* grid_ = nullptr;
    QWidget* buttons_ = nullptr;
    QWidget* panel_ = nullptr;
    QComboBox *baseCh_ = nullptr, *simpDup_ = nullptr, *txPower_ = nullptr, *powUp_ = nullptr,
              *statusNo_ = nullptr, *statusIcon_ = nullptr;
    FieldEdit* name_ = nullptr;
    QLabel *rxShown_ = nullptr, *txShown_ = nullptr;
    bool adding_ = false;
    int record_ = -1;
};

// The weather channels: enable, scan and name per channel.
class WeatherScreen : public ChannelScreen {
public:
    WeatherScreen(ScreenContext context, ChannelHost host, QWidget* parent);
    void Fill() override;

private:
    std::array<QCheckBox*, kWeatherChannels> enable_{}, scan_{};
    std::array<FieldEdit*, kWeatherChannels> names_{};
};

// The RG, LMR and EXP grids; a row jumps to its channel's editor.
class ChannelListScreen : public ChannelScreen {
public:
    ChannelListScreen(ScreenContext context, ChannelHost host, QWidget* parent);
    void Fill() override;

private:
    GridTable* grid_ = nullptr;
    QLabel* title_ = nullptr;
};

class ChannelEditorScreen : public ChannelScreen {
public:
    ChannelEditorScreen(ScreenContext context, ChannelHost host, QWidget* parent);
    void Fill() override;
    bool ValidateActiveField() override;

private:
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
