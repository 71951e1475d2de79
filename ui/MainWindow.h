#pragma once

// The program's one window: the style name selectors at the top, the registration pane on the
// left, the archive pane on the right, and Exit, Settings, Save Sty. Loc. and Help. It holds both
// panes' state for the whole run, shows what the core holds, and runs every command through the
// core. After every command and every change of a selection the buttons are enabled by the
// command-state rules. Every change of a pane's content is a step of the edit history, which Undo
// and Redo walk. Escape, Exit and the close box leave through both save-changes prompts.

#include "core/commands/Compare.h"
#include "core/commands/Duplicates.h"
#include "core/commands/EditStepName.h"
#include "core/commands/EntryDialogs.h"
#include "core/commands/LineClipboard.h"
#include "core/names/StyleNameModes.h"
#include "core/sides/ArchiveSide.h"
#include "core/sides/RegistrationSide.h"
#include "core/sides/Settings.h"
#include "core/text/Messages.h"
#include "export/Protocol.h"
#include "ui/CompareDialogs.h"
#include "ui/PaneDrops.h"
#include "ui/SearchDialog.h"
#include "ui/SettingsDialog.h"
#include "ui/ViewSelection.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QComboBox;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tombrel {

class ArchiveListModel;
struct CopiedLines;
class DiskStyleTexts;
class EditHistory;
class EntryDialogs;
class Interaction;
class PaneListView;
class RegListModel;
class StyleNameTable;

class MainWindow : public QDialog, private PaneDrops {
    Q_OBJECT
public:
    struct Setup {
        Language lang = Language::English;
        bool extendedMode = false;
        Settings settings;      // as read when the program started
        QString startDirectory; // the working directory at start; the current one when empty
        // Where Help looks for its document; the start folder, the program's folder and the
        // sources when empty.
        QStringList helpFolders;
    };

    // The dialogs and services that the core does not reach through Interaction. Each has a
    // working default; tests put their own in.
    struct Hooks {
        // The category dialog (New and Edit Category): the name after OK (Windows-1252).
        std::function<std::optional<std::string>(const std::string& current)> categoryName;
        // The bank title dialog (Edit Entry on a bank line of either pane).
        std::function<std::optional<std::string>(const std::string& current)> bankTitle;
        // The Edit Entry dialog on a registration, in place.
        std::function<EditEntryResult(RegRecord& record, KeyboardModel model)> editEntry;
        // The Multi Change dialog: the form to apply after OK.
        std::function<std::optional<MultiChangeForm>(const MultiChangeForm& common)> multiChange;
        // The Search dialog over the window until the user closes it.
        std::function<void(SearchSide side, const SearchNext& searchNext)> searchDialog;
        // The protocol type dialog.
        std::function<std::optional<ProtocolType>()> protocolType;
        // The explanation before Save Sty. Loc. (`update` false) and Update Styles (true); true
        // to go on.
        std::function<bool(bool update)> styleLocationsInfo;
        // The Error List dialog after Update Styles.
        std::function<void(const std::vector<std::string>& errors)> errorList;
        // The Settings dialog: the values after OK.
        std::function<std::optional<SettingsDialog::Values>(const SettingsDialog::Values& current,
                                                            bool extendedMode)>
            settingsDialog;
        // The disk style folder dialog: the folder after OK.
        std::function<std::optional<std::string>(const std::string& current)> diskStyleFolder;
        // Opens a document with the program the desktop has for it; false when that failed.
        std::function<bool(const QString& path)> openDocument;
        // Stores the settings; called once, when the program is left.
        std::function<void(const Settings& settings)> storeSettings;
        // The Compare dialog of two registrations, headed by their places and titles.
        std::function<void(const std::vector<CompareRow>& rows, const QString& a, const QString& b)>
            compareDialog;
        // The places where a pane and a file differ.
        std::function<void(const FileComparison& comparison, const QString& a, const QString& b)>
            fileComparisonDialog;
        // The duplicate groups; `picked(group, member)` selects a member's line in its pane.
        std::function<void(const std::vector<DuplicateGroup>& groups,
                           const std::vector<std::vector<DuplicateLine>>& members,
                           const std::function<void(size_t group, size_t member)>& picked)>
            duplicatesDialog;
    };

    // `ui` answers the commands' questions; the window's own message boxes and dialogs when
    // null. The style name table and the disk style texts live as long as the program.
    MainWindow(const Setup& setup, StyleNameTable& styleNames, DiskStyleTexts& diskStyles,
               Interaction* ui = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Replace single hooks here; each one must stay callable.
    Hooks& hooks() { return hooks_; }

    // Before the window is shown: the style names by the stored modes, the most recent archive
    // (unless `files` hold an archive), then the handed files.
    void start(const QStringList& files = {});
    // Opens registration backups (also the one in a backup-set folder) and archives, each in its
    // pane by its content, after that pane's save-changes prompt; a path of no known kind is
    // refused with a message before any pane is asked. While another window of the program waits
    // for the user, they are opened once it has closed.
    void openFiles(const QStringList& files);
    // Files dropped on the window or on one of the lists: opened as handed files are, with the
    // window brought forward for the questions. A drop handler queues the call, so that the drop
    // has ended (and the dragging program goes on) before a question waits for the user.
    void openDroppedFiles(const QStringList& paths);

    // The context menu of a pane's list (right click, the menu key, Shift+F10): the pane's list
    // commands, enabled as their buttons are, Undo and Redo, Expand all and Collapse all on the
    // archive pane, and the list's own entries (Compare, Find Duplicates). The caller owns it.
    QMenu* buildPaneMenu(bool archivePane);

    Language language() const { return lang_; }
    bool extendedMode() const { return extendedMode_; }
    // Every value the program keeps between runs, as it stands now.
    Settings currentSettings() const;

    RegistrationSide& registrationSide() { return reg_; }
    const EditHistory& editHistory() const { return *history_; }
    ArchiveSide& archiveSide() { return arch_; }
    const StyleNameModes& styleNameModes() const { return styles_; }
    PaneListView* registrationList() const { return regList_; }
    PaneListView* archiveList() const { return archList_; }
    // The control with the given id (its object name), or null.
    QWidget* control(int id) const;

    // Enables every button by the command-state rules and the panes' selections.
    void updateCommandStates();
    // What the rules said for the control at the last update.
    bool commandAllowed(int id) const;

    // Leaving: both save-changes prompts, then the settings are stored and the window closes.
    // False when a prompt was cancelled and the program goes on.
    bool leave();
    // Escape and the close box.
    void reject() override;

    // The Help button.
    void showHelp();

    // Compare (Ctrl+D): the two selected registrations field by field.
    void compareSelected();
    // "Compare with file..." on a pane.
    void compareWithFile(bool archivePane);
    // "Find Duplicates" on a pane, or across both panes.
    void findDuplicates(bool archivePane, bool bothPanes);

protected:
    void changeEvent(QEvent* event) override;
    // Local files dragged over the window are taken as a copy: the dragging program keeps them.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    enum class Pane { Registration, Archive };

    // Drag and drop and the clipboard (MainWindowDrops.cpp). A drag of this window's lines is
    // known by its number while it runs: inside a pane it moves or copies the dragged lines, onto
    // the other pane it is a transfer; lines from elsewhere (another copy of the program) are put
    // in as a copied drop. Every drop, Cut and Paste is one step of the edit history.
    QMimeData* dragData(DropPane pane, const std::vector<int>& rows) override;
    bool canDrop(DropPane pane, const QMimeData* data, Qt::DropAction action, int row) override;
    bool drop(DropPane pane, const QMimeData* data, Qt::DropAction action, int row) override;
    struct LiveDrag {
        quint64 serial = 0;
        Pane pane = Pane::Registration;
        ListSelection rows;
    };
    const LiveDrag* liveDragOf(const QMimeData* data) const;
    // The lines of a drag from elsewhere, read once for all the moves of the mouse.
    const ClipboardLines* foreignLinesOf(const QMimeData* data);
    QMimeData* linesMimeData(const CopiedLines& lines) const;
    void installClipboardCommands();
    void copyLines(Pane pane);
    void cutLines(Pane pane);
    void pasteLines(Pane pane);
    bool clipboardHoldsLines() const;
    // Runs a command of `pane` as one step named `name` and shows the lists it may have changed.
    void
    runNamedStep(Pane pane, int lists, StepName name,
                 const std::function<void(ListSelection& reg, ListSelection& archive)>& command);

    // Building the window (MainWindowLayout.cpp).
    void buildControls();
    QWidget* buildStyleNameRow();
    QGroupBox* buildRegistrationPane();
    QGroupBox* buildArchivePane();
    QPushButton* makeButton(int id, const Message& caption);
    void connectCommands();
    void installShortcuts();

    // Showing the state.
    void refreshRegPane();
    void refreshArchivePane();
    void refreshStyleNameControls();
    // The marks beside the counts, from the sides' modified flags: the one place that reads them
    // after a command.
    void showModifiedMarks();
    QLabel* makeModifiedMark(QWidget* pane, const QString& name) const;
    void fillRecentCombo(QComboBox* combo, const std::vector<std::string>& items, int selected,
                         bool paths);

    // Commands.
    // What tells whether a command replaced a pane's list: its flags, its file and the storage
    // of its lines (a list read from a file is a new one).
    struct PaneSnapshot {
        bool open = false;
        bool untitled = false;
        std::string path;
        const void* lines = nullptr;
        bool operator==(const PaneSnapshot&) const = default;
    };
    PaneSnapshot regSnapshot() const;
    PaneSnapshot archiveSnapshot() const;
    // Runs a file command of a pane and shows its outcome: a replaced list starts with its first
    // line selected, otherwise the selection stays.
    void runRegFileCommand(const std::function<void()>& command);
    void runArchiveFileCommand(const std::function<void()>& command);
    // Runs a list command on both panes' selections as one step of the edit history named
    // `step` and shows the lists it may have changed (the lists are the history's panes).
    enum ListsShown { ShowRegList = 1, ShowArchiveList = 2, ShowBothLists = 3 };
    void
    runListCommand(Pane pane, int lists, StepKind step,
                   const std::function<void(ListSelection& reg, ListSelection& archive)>& command);
    // The step's name: the number of lines taken from the pane the command starts in, and the
    // bank title dialog for Edit Entry on a bank line.
    StepName stepName(Pane pane, StepKind kind, const ListSelection& reg,
                      const ListSelection& archive) const;
    // Runs a command that changes one pane's list as a step of the edit history; the command
    // leaves the selections as the step should show them again.
    void recordStep(Pane pane, StepName step,
                    const std::function<void(ListSelection& reg, ListSelection& archive)>& command);
    // Undo and Redo (MainWindowHistory.cpp): the panes turned show their lines and selections.
    void undoStep();
    void redoStep();
    void showTurnedPanes(unsigned panes, const ListSelection& reg, const ListSelection& archive);
    void updateHistoryButtons();
    // After a file command: a replaced list (the pane opened or closed, or its lines read anew)
    // drops its steps, a saved one is the clean point.
    void followFileCommand(Pane pane, bool replaced);
    void afterCommand(Pane pane);
    void connectListCommands();

    void newCategory();
    void editCategory();
    void sortCategory();
    void toggleCategory(int row);
    void regListDoubleClicked(int row);
    void archiveListDoubleClicked(int row);
    void editSettings();
    void search(Pane pane);
    void writeProtocol(Pane pane);
    // Export JSON... and Import JSON... of either pane (MainWindowJson.cpp).
    void exportJson(Pane pane);
    void importJson(Pane pane);
    void saveStyleLocationsCommand();
    void updateStyleLocationsCommand(Pane pane);
    void installDefaultHooks();
    // Compare and duplicates (MainWindowCompare.cpp): the lists' context entries, Ctrl+D and
    // their dialogs.
    void installCompareCommands();
    void selectPlacedLine(bool archivePane, size_t registration);

    // The lists' context menus (MainWindowMenus.cpp).
    void installContextMenus();
    void showPaneMenu(bool archivePane, const QPoint& pos);
    void expandAllCategories();
    void collapseAllCategories();

    // Style names (MainWindowStyles.cpp).
    void chooseFlashFactory();
    void chooseFlashDefault();
    void chooseFlashIndividual();
    void chooseDiskNumber();
    void chooseDiskFolder();

    // The pane that keyboard shortcuts act on: the one that last had the focus.
    Pane focusedPane() const;
    void clickInFocusedPane(int regId, int archiveId);
    void openPendingFiles();

    Language lang_;
    bool extendedMode_;
    QString startDirectory_;
    QStringList helpFolders_;
    Settings settings_;
    Hooks hooks_;

    std::unique_ptr<Interaction> ownUi_;
    Interaction& ui_;
    StyleNameTable& styleNames_;
    DiskStyleTexts& diskStyles_;
    RegistrationSide reg_;
    ArchiveSide arch_;
    std::unique_ptr<EditHistory> history_;
    StyleNameModes styles_;
    std::unique_ptr<EntryDialogs> entryDialogs_;

    RegListModel* regModel_ = nullptr;
    ArchiveListModel* archModel_ = nullptr;
    PaneListView* regList_ = nullptr;
    PaneListView* archList_ = nullptr;
    QComboBox* regRecent_ = nullptr;
    QComboBox* archRecent_ = nullptr;
    QLabel* keyboardName_ = nullptr;
    QLabel* regCount_ = nullptr;
    QLabel* archCount_ = nullptr;
    QLabel* regModified_ = nullptr;
    QLabel* archModified_ = nullptr;
    QRadioButton* flashFactory_ = nullptr;
    QRadioButton* flashDefault_ = nullptr;
    QRadioButton* flashIndividual_ = nullptr;
    QRadioButton* diskNumber_ = nullptr;
    QRadioButton* diskFolder_ = nullptr;
    QLabel* flashFile_ = nullptr;
    QLabel* diskFolderText_ = nullptr;
    QGroupBox* regPane_ = nullptr;
    QGroupBox* archPane_ = nullptr;

    QAction* regCutAction_ = nullptr;
    QAction* regCopyAction_ = nullptr;
    QAction* regPasteAction_ = nullptr;
    QAction* archiveCutAction_ = nullptr;
    QAction* archiveCopyAction_ = nullptr;
    QAction* archivePasteAction_ = nullptr;
    std::optional<LiveDrag> liveDrag_;
    quint64 dragSerial_ = 0;
    const QMimeData* foreignData_ = nullptr;
    qsizetype foreignSize_ = -1;
    std::optional<ClipboardLines> foreignLines_;
    bool clipboardHoldsLines_ = false;

    std::map<int, bool> allowed_;
    Pane lastFocusedPane_ = Pane::Registration;
    QStringList pendingFiles_;
    bool left_ = false;
};

} // namespace tombrel
