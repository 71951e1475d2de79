// Compare, Compare with file... and Find Duplicates: the entries of both lists' context menus,
// Ctrl+D, and the dialogs that show what the core found.

#include "ui/MainWindow.h"

#include "core/sides/RegListRules.h"
#include "ui/ArchiveListModel.h"
#include "ui/PaneListView.h"
#include "ui/RegListModel.h"
#include "ui/UiText.h"
#include "ui/ViewSelection.h"

#include <QAction>
#include <QShortcut>

namespace tombrel {

namespace {

QString placeAndTitle(const PlacedRecord& r) {
    return from1252(r.place) + QStringLiteral("  ") + from1252(r.record.rawTitle());
}

// A registration backup or an archive, by either pane's filter.
constexpr std::string_view kCompareFileFilter =
    "Registration files (*.bup *.yra)|*.bup;*.yra|All Files (*.*)|*.*||";

} // namespace

void MainWindow::installCompareCommands() {
    hooks_.compareDialog = [this](const std::vector<CompareRow>& rows, const QString& a,
                                  const QString& b) {
        CompareDialog dialog(rows, a, b, lang_, this);
        dialog.exec();
    };
    hooks_.fileComparisonDialog = [this](const FileComparison& comparison, const QString& a,
                                         const QString& b) {
        FileComparisonDialog dialog(comparison, a, b, lang_, this);
        dialog.exec();
    };
    hooks_.duplicatesDialog = [this](const std::vector<DuplicateGroup>& groups,
                                     const std::vector<std::vector<DuplicateLine>>& members,
                                     const std::function<void(size_t, size_t)>& picked) {
        DuplicatesDialog dialog(groups, members, picked, lang_, this);
        dialog.exec();
    };

    auto* compare = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    compare->setContext(Qt::WindowShortcut);
    connect(compare, &QShortcut::activated, this, &MainWindow::compareSelected);

    // The same entries on both lists, each acting on its own pane; the lists' context menus end
    // with them (MainWindowMenus.cpp).
    for (PaneListView* list : {regList_, archList_}) {
        const bool archive = list == archList_;
        // The window's Ctrl+D runs it; the menu names the key after a tab.
        auto* compareAction =
            new QAction(uiText(msg::CompareButton, lang_) + QLatin1Char('\t') +
                            QKeySequence(Qt::CTRL | Qt::Key_D).toString(QKeySequence::NativeText),
                        list);
        compareAction->setObjectName(QStringLiteral("compare"));
        connect(compareAction, &QAction::triggered, this, [this, archive] {
            lastFocusedPane_ = archive ? Pane::Archive : Pane::Registration;
            compareSelected();
        });
        auto* withFile = new QAction(uiText(msg::CompareWithFile, lang_), list);
        withFile->setObjectName(QStringLiteral("compareWithFile"));
        connect(withFile, &QAction::triggered, this, [this, archive] { compareWithFile(archive); });
        auto* duplicates = new QAction(uiText(msg::FindDuplicatesButton, lang_), list);
        duplicates->setObjectName(QStringLiteral("findDuplicates"));
        connect(duplicates, &QAction::triggered, this,
                [this, archive] { findDuplicates(archive, false); });
        auto* both = new QAction(uiText(msg::FindDuplicatesButton, lang_) + QStringLiteral(" (") +
                                     uiText(msg::DuplicatesBothPanes, lang_) + QStringLiteral(")"),
                                 list);
        both->setObjectName(QStringLiteral("findDuplicatesBothPanes"));
        connect(both, &QAction::triggered, this,
                [this, archive] { findDuplicates(archive, true); });
        list->addActions({compareAction, withFile, duplicates, both});
    }
}

void MainWindow::compareSelected() {
    const bool archiveFocused = focusedPane() == Pane::Archive;
    const std::optional<ComparePair> pair =
        registrationsToCompare(reg_.lines(), selectionOf(*regList_), arch_.list(),
                               selectionOf(*archList_), archiveFocused);
    if (!pair) {
        ui_.warn(userMessage(msg::CompareSelectTwo));
        return;
    }
    FieldNames names;
    names.styles = &styleNames_;
    names.disk = &diskStyles_;
    names.model = reg_.keyboardModel();
    names.language = lang_;
    hooks_.compareDialog(compareRegistrations(pair->a.record, pair->b.record, names),
                         placeAndTitle(pair->a), placeAndTitle(pair->b));
    afterCommand(archiveFocused ? Pane::Archive : Pane::Registration);
}

void MainWindow::compareWithFile(bool archivePane) {
    const Pane pane = archivePane ? Pane::Archive : Pane::Registration;
    if (archivePane ? !arch_.isOpen() : !reg_.isOpen())
        return;
    FileDialogRequest request;
    request.caption = &msg::CompareWithFileTitle;
    request.filter = std::string(kCompareFileFilter);
    const std::optional<std::string> path = ui_.chooseFileToOpen(request);
    if (!path || path->empty())
        return;
    ComparableFile other;
    {
        BusyScope busy(ui_);
        other = readComparableFile(*path);
    }
    if (!other.file) {
        for (const UserMessage& message : other.messages)
            ui_.warn(message);
        afterCommand(pane);
        return;
    }
    // The pane as its file would hold it.
    const PlacedFile mine = archivePane ? placeArchiveLines(arch_.list())
                                        : placeBackupLines(canonicalRegList(reg_.lines()));
    FieldNames names;
    names.styles = &styleNames_;
    names.disk = &diskStyles_;
    names.model = reg_.keyboardModel();
    names.language = lang_;
    const FileComparison comparison = compareFiles(mine, *other.file, names);
    const QString paneName =
        uiText(archivePane ? msg::ArchivePaneName : msg::RegistrationPaneName, lang_);
    hooks_.fileComparisonDialog(comparison, paneName, fromUtf8(*path));
    afterCommand(pane);
}

void MainWindow::selectPlacedLine(bool archivePane, size_t registration) {
    if (!archivePane) {
        const PlacedFile placed = placeBackupLines(reg_.lines());
        if (registration < placed.registrations.size())
            showSelection(*regList_,
                          ListSelection::single(placed.registrations[registration].line));
        lastFocusedPane_ = Pane::Registration;
        updateCommandStates();
        return;
    }
    PlacedFile placed = placeArchiveLines(arch_.list());
    if (registration >= placed.registrations.size())
        return;
    if (placed.registrations[registration].line < 0) {
        // Inside a collapsed category: opened so that the line can be seen.
        arch_.expandCategory(placed.registrations[registration].category);
        archModel_->reload();
        placed = placeArchiveLines(arch_.list());
    }
    showSelection(*archList_, ListSelection::single(placed.registrations[registration].line));
    lastFocusedPane_ = Pane::Archive;
    updateCommandStates();
}

void MainWindow::findDuplicates(bool archivePane, bool bothPanes) {
    const Pane pane = archivePane ? Pane::Archive : Pane::Registration;
    // Which panes take part, in the order the groups list them.
    std::vector<bool> panes;
    if ((bothPanes || !archivePane) && reg_.isOpen())
        panes.push_back(false);
    if ((bothPanes || archivePane) && arch_.isOpen())
        panes.push_back(true);
    if (panes.empty())
        return;
    std::vector<PlacedFile> files;
    for (bool archive : panes)
        files.push_back(archive ? placeArchiveLines(arch_.list()) : placeBackupLines(reg_.lines()));
    std::vector<const PlacedFile*> pointers;
    for (const PlacedFile& f : files)
        pointers.push_back(&f);
    std::vector<DuplicateGroup> groups;
    {
        BusyScope busy(ui_);
        groups = tombrel::findDuplicates(pointers);
    }
    std::vector<std::vector<DuplicateLine>> lines;
    for (const DuplicateGroup& g : groups) {
        std::vector<DuplicateLine>& members = lines.emplace_back();
        for (const DuplicateMember& m : g.members) {
            const PlacedRecord& r = files[static_cast<size_t>(m.file)].registrations[m.index];
            members.push_back(
                {uiText(panes[static_cast<size_t>(m.file)] ? msg::ArchivePaneName
                                                           : msg::RegistrationPaneName,
                        lang_),
                 from1252(r.place), from1252(r.record.rawTitle())});
        }
    }
    hooks_.duplicatesDialog(groups, lines, [&](size_t group, size_t member) {
        const DuplicateMember& m = groups[group].members[member];
        selectPlacedLine(panes[static_cast<size_t>(m.file)], m.index);
    });
    afterCommand(pane);
}

} // namespace tombrel
