// frmMain: the tree of screens, the stacked screen area, the menus, the
// toolbar and the status bar. The commands are public so tests run them
// exactly as a menu click does; every question goes through the prompt.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStackedWidget>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <map>
#include <vector>

#include "editor/channel_csv.h"
#include "editor/main_window_logic.h"
#include "editor/screen_tree.h"
#include "files/default_data.h"
#include "gui/screen.h"
#include "gui/services.h"
#include "gui/undo_history.h"

namespace kv {

class FleetDialog;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kMaxDestinations = 12;
    static constexpr int kMaxPorts = 64;

    MainWindow(RadioSession& session, EditorState& editor, MainWindowServices services);
    ~MainWindow() override;

    // Start-up's last step: the one-shot timer that selects "General".
    void StartTimer();

    // Commands of the menus and the toolbar.
    void FileNew();
    bool FileOpen();
    // Opens a settings file named on the command line (the desktop's "Open with").
    bool OpenFile(const std::filesystem::path& path);
    bool FileSave();
    bool FileSaveAs();
    void EditModel(int code);
    void PickDestination(int index);
    void ChoosePort(int index);
    void RebuildPortMenu();
    void TransferRead();
    void TransferProgram();
    // Transfer > Program Fleet: the window's data (or a file) into many radios.
    void TransferFleet();
    std::unique_ptr<FleetDialog> NewFleetDialog();
    // File > Restore from Backup: a kept read becomes the window's data.
    void FileRestoreBackup();
    bool RestoreBackup(const std::filesystem::path& path);
    void SaveImage();  // Ctrl+F3, debug mode
    void OpenImage();  // Ctrl+F2, debug mode
    void HelpContents();
    void HelpContext(int contextNumber);
    void HelpAbout();
    void PrintToFile();  // the report preview
    bool Print();        // the printed pages, through the printer dialog
    bool ExportPdf();    // the printed pages as a PDF file
    // File > Export/Import Channels (CSV): the list whose screen is shown.
    // Our layout with the locale's list separator, or the generic layout (commas).
    bool ExportChannels(CsvLayout layout = CsvLayout::Kvprog);
    bool ImportChannels();

    // File > recent files: opens one after the unsaved-changes question.
    bool OpenRecent(const std::filesystem::path& path);
    // Edit > Undo and Redo (Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y).
    bool EditUndo();
    bool EditRedo();
    // A command's change of the settings as one undo step ("Paste rows"):
    // from the current settings to `after`; the screens and the tree follow.
    void ApplyChange(const std::string& label, const RadioSettings& after);
    const UndoHistory& history() const { return *history_; }

    bool ValidateActiveField();
    bool SelectNodeByKey(const QString& key);
    void BuildTree();
    QString CurrentKey() const;
    Screen* CurrentScreen() const;
    QWidget* ScreenWidget(ScreenKind kind) const;
    int selectedPort() const { return portNumber_; }
    std::string selectedDevice() const;
    const DestinationMenu& destinationMenu() const { return destinations_; }

signals:
    // The "General" screen is on show after start-up.
    void generalShown();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The channel list of the screen shown; nothing (and a message) when it shows none.
    std::optional<ChannelList> ShownChannelList();
    // A completed read or a restored backup: the radio's data become the window's, in no file.
    void TakeRadioData();
    // The menus and the toolbar (main_window_menus.cpp).
    QAction* AddCommand(QMenu* menu, const QString& caption, const char* name, std::function<void()> command);
    void BuildMenus();
    void BuildFileMenu();
    void BuildEditMenu();
    void BuildTransferMenu();
    void BuildRegionMenu();
    void BuildOptionsMenu();
    void BuildHelpMenu();
    void BuildToolbar();
    void BuildScreens();
    void FitToScreen();
    void MakeNewSettings(bool startUp);
    void StartUnnamedData();
    void AddTreeNodes(QTreeWidgetItem* parent, const std::vector<ScreenNode>& nodes);
    void OnTreeChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void ShowScreenForNode(QTreeWidgetItem* node);
    void ShowScreen(const ScreenChoice& choice);
    void RebuildTreeKeepingSelection();
    void ShowRestored();  // after undo or redo: the same node, else "General"
    void RebuildRecentMenu();
    void Remember(const std::filesystem::path& file);  // the recent files
    // The file dialogs start in the folder last used, else the documents folder.
    std::optional<std::filesystem::path> ChooseOpenName(const std::string& filter);
    // `suggested`: a file name the dialog offers in its folder.
    std::optional<std::filesystem::path> ChooseSaveName(const std::string& filter, const std::string& suggested = {});
    std::filesystem::path DialogStart() const;
    void RefreshCaptions();
    void RebuildDestinationMenu();
    void ShowDestinationCaptions();
    void CheckDestination(std::optional<size_t> entry);
    void CheckDestinationOfData();
    void UpdateModelChecks();
    void UpdateTitle();
    void ShowModified();
    void Refresh();  // after the data changed as a whole
    void RunTransfer(TransferMode mode);
    bool ConfirmIncompleteData();
    void SetMissingPort(const std::string& device);
    void OnFocusChanged(QWidget* old, QWidget* now);
    bool SaveTo(const std::filesystem::path& path);
    bool ConfirmUnsaved();
    void ShowAll(const std::vector<Message>& messages);

    RadioSession& s_;
    EditorState& e_;
    MainWindowServices services_;
    UndoHistory* history_ = nullptr;
    QMenu* recentMenu_ = nullptr;

    QTreeWidget* tree_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QLabel* status_ = nullptr;
    std::map<ScreenKind, QWidget*> screens_;
    std::map<QWidget*, QWidget*> areas_;  // the scroll area of each page of the stack
    QTreeWidgetItem* currentNode_ = nullptr;
    ScreenChoice shown_;
    std::vector<ScreenNode> treeShown_;  // what the tree shows, to rebuild it only when it changed

    std::map<int, QAction*> modelActions_;  // by model code
    QMenu* regionMenu_ = nullptr;
    std::array<QAction*, kMaxDestinations> destinationActions_{};
    QMenu* portMenu_ = nullptr;
    QAction* portNone_ = nullptr;
    std::array<QAction*, kMaxPorts> portActions_{};
    std::vector<PortMenuEntry> ports_;
    int portNumber_ = 0;
    std::string portDevice_;   // of the chosen port
    std::string missingPort_;  // the device chosen before, now absent
    QLabel* portNote_ = nullptr;
    DestinationMenu destinations_;
    std::map<QString, QAction*> toolbarButtons_;
    QAction* transferRead_ = nullptr;
    QAction* transferProgram_ = nullptr;
};

}  // namespace kv
