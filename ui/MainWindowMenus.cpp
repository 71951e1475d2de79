// The context menus of both lists: right click, the menu key and Shift+F10 open the pane's menu,
// whose commands run exactly as their buttons do and are enabled by the same rules; Expand all
// and Collapse all on the archive pane.

#include "ui/MainWindow.h"

#include "core/commands/CommandStates.h"
#include "core/commands/EditHistory.h"
#include "ui/ArchiveListModel.h"
#include "ui/ControlIds.h"
#include "ui/PaneListView.h"
#include "ui/UiText.h"
#include "ui/ViewSelection.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>

#include <algorithm>

namespace tombrel {

namespace {

// A menu entry's text: the caption, and after a tab the key that runs it (the menu shows it in
// its own column).
QString entryText(const QString& caption, const QString& key) {
    return key.isEmpty() ? caption : caption + QLatin1Char('\t') + key;
}

QString keyText(QKeySequence::StandardKey key) {
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

} // namespace

void MainWindow::installContextMenus() {
    for (PaneListView* list : {regList_, archList_}) {
        const bool archive = list == archList_;
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this,
                [this, archive](const QPoint& pos) { showPaneMenu(archive, pos); });
    }
}

QMenu* MainWindow::buildPaneMenu(bool archivePane) {
    PaneListView* list = archivePane ? archList_ : regList_;
    auto* menu = new QMenu(list);
    menu->setObjectName(archivePane ? QStringLiteral("archiveMenu")
                                    : QStringLiteral("registrationMenu"));
    menu->setAccessibleName(uiText(archivePane ? msg::ArchivePane : msg::RegistrationPane, lang_));

    // A command of the pane: its button's caption, the key the window has for it (the button's
    // tool tip names it) and the button's enabled state; choosing it clicks the button, so it
    // runs as the button does.
    const auto command = [this, menu](int id, const Message& caption) {
        auto* button = qobject_cast<QPushButton*>(control(id));
        if (!button)
            return;
        QAction* action = menu->addAction(entryText(uiText(caption, lang_), button->toolTip()));
        action->setObjectName(QString::number(id));
        action->setEnabled(commandAllowed(id));
        connect(action, &QAction::triggered, button, &QPushButton::click);
    };

    // Undo and Redo name the step they take, as the buttons' tool tips do.
    const bool canUndo = history_->canUndo();
    const bool canRedo = history_->canRedo();
    QAction* undo =
        menu->addAction(entryText(canUndo ? fromUtf8(undoToolTip(history_->undoName(), lang_))
                                          : uiText(msg::UndoButton, lang_),
                                  keyText(QKeySequence::Undo)));
    undo->setObjectName(QStringLiteral("undo"));
    undo->setEnabled(canUndo);
    connect(undo, &QAction::triggered, this, &MainWindow::undoStep);
    QAction* redo =
        menu->addAction(entryText(canRedo ? fromUtf8(redoToolTip(history_->redoName(), lang_))
                                          : uiText(msg::RedoButton, lang_),
                                  keyText(QKeySequence::Redo)));
    redo->setObjectName(QStringLiteral("redo"));
    redo->setEnabled(canRedo);
    connect(redo, &QAction::triggered, this, &MainWindow::redoStep);
    menu->addSeparator();

    // The pane's clipboard actions, before Delete.
    menu->addAction(archivePane ? archiveCutAction_ : regCutAction_);
    menu->addAction(archivePane ? archiveCopyAction_ : regCopyAction_);
    menu->addAction(archivePane ? archivePasteAction_ : regPasteAction_);
    menu->addSeparator();

    if (archivePane) {
        command(ids::main::ArchiveDelete, msg::DeleteButton);
        menu->addSeparator();
        command(ids::main::NewCategory, msg::NewCategoryButton);
        command(ids::main::EditCategory, msg::EditCategoryButton);
        command(ids::main::SortCategory, msg::SortCategoryButton);
        command(ids::main::ArchiveNewBank, msg::NewBankButton);
        command(ids::main::ArchiveNewEntry, msg::NewEntryButton);
        command(ids::main::ArchiveEditEntry, msg::EditEntryButton);
        command(ids::main::ArchiveUp, msg::UpButton);
        command(ids::main::ArchiveDown, msg::DownButton);
        menu->addSeparator();
        command(ids::main::CopyToRegistrations, msg::CopyToRegistrationsButton);
        command(ids::main::MoveToRegistrations, msg::MoveToRegistrationsButton);
        menu->addSeparator();
        const CategoryViewStates views =
            categoryViewStates(ArchivePaneState{arch_.isOpen(), arch_.isUntitled(), &arch_.list()});
        QAction* expand = menu->addAction(uiText(msg::ExpandAll, lang_));
        expand->setObjectName(QStringLiteral("expandAll"));
        expand->setEnabled(views.expandAll);
        connect(expand, &QAction::triggered, this, &MainWindow::expandAllCategories);
        QAction* collapse = menu->addAction(uiText(msg::CollapseAll, lang_));
        collapse->setObjectName(QStringLiteral("collapseAll"));
        collapse->setEnabled(views.collapseAll);
        connect(collapse, &QAction::triggered, this, &MainWindow::collapseAllCategories);
        menu->addSeparator();
        command(ids::main::ArchiveMultiChange, msg::MultiChangeButton);
        command(ids::main::ArchiveSearch, msg::SearchButton);
        command(ids::main::ArchiveUpdateStyles, msg::UpdateStylesButton);
        command(ids::main::ArchiveProtocol, msg::ProtocolButton);
        command(ids::main::ArchiveExportJson, msg::ExportJsonButton);
        command(ids::main::ArchiveImportJson, msg::ImportJsonButton);
    } else {
        command(ids::main::RegDelete, msg::DeleteButton);
        menu->addSeparator();
        command(ids::main::RegNewBank, msg::NewBankButton);
        command(ids::main::RegNewEntry, msg::NewEntryButton);
        command(ids::main::RegEditEntry, msg::EditEntryButton);
        command(ids::main::RegUp, msg::UpButton);
        command(ids::main::RegDown, msg::DownButton);
        menu->addSeparator();
        command(ids::main::CopyToArchive, msg::CopyToArchiveButton);
        command(ids::main::MoveToArchive, msg::MoveToArchiveButton);
        menu->addSeparator();
        command(ids::main::RegMultiChange, msg::MultiChangeButton);
        command(ids::main::RegSearch, msg::SearchButton);
        command(ids::main::RegUpdateStyles, msg::UpdateStylesButton);
        command(ids::main::RegProtocol, msg::ProtocolButton);
        command(ids::main::RegExportJson, msg::ExportJsonButton);
        command(ids::main::RegImportJson, msg::ImportJsonButton);
    }

    // The list's own entries (Compare, Find Duplicates), unless placed above already.
    const QList<QAction*> placed = menu->actions();
    bool separated = false;
    for (QAction* action : list->actions()) {
        if (placed.contains(action))
            continue;
        if (!separated)
            menu->addSeparator();
        separated = true;
        menu->addAction(action);
    }
    return menu;
}

void MainWindow::showPaneMenu(bool archivePane, const QPoint& pos) {
    PaneListView* list = archivePane ? archList_ : regList_;
    lastFocusedPane_ = archivePane ? Pane::Archive : Pane::Registration;
    // The lists report the place in their viewport; a place from the keyboard outside it (the
    // current line scrolled away) is brought inside.
    const QRect area = list->viewport()->rect();
    const QPoint at(std::clamp(pos.x(), area.left(), std::max(area.left(), area.right())),
                    std::clamp(pos.y(), area.top(), std::max(area.top(), area.bottom())));
    QMenu* menu = buildPaneMenu(archivePane);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(list->viewport()->mapToGlobal(at));
}

void MainWindow::expandAllCategories() {
    if (!arch_.isOpen())
        return;
    // Showing lines is no step of the edit history: the file does not store it.
    ListSelection selection = selectionOf(*archList_);
    arch_.expandAllCategories(&selection);
    archModel_->reload();
    showSelection(*archList_, selection);
    afterCommand(Pane::Archive);
}

void MainWindow::collapseAllCategories() {
    if (!arch_.isOpen())
        return;
    ListSelection selection = selectionOf(*archList_);
    arch_.collapseAllCategories(&selection);
    archModel_->reload();
    showSelection(*archList_, selection);
    afterCommand(Pane::Archive);
}

} // namespace tombrel
