// The lists' context menus and the files dropped on the window: which entries a selection
// enables, what they run, the ways the menu opens, and dropped backups, backup sets and archives
// opening in their panes (or refused) after the save-changes prompts.

#include "ui/MainWindow.h"

#include "core/commands/EditHistory.h"
#include "core/files/ArchiveFile.h"
#include "core/files/RegBackupFile.h"
#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "ui/ControlIds.h"
#include "ui/PaneListView.h"
#include "ui/ViewSelection.h"

#include "ScriptedInteraction.h"
#include "WindowTestFiles.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <fstream>
#include <memory>

using namespace tombrel;
using namespace tombrel::test;

namespace {

// A registration backup whose first bank is "Pop" with one named registration.
QString writeRegBackup(const QString& path, const std::string& title = "Intro") {
    RegList lines{RegEntry::bankLine("Pop"), RegEntry::registration(named(title))};
    writeFile(path, buildRegBackupImage(lines, KeyboardModel::Psr9000));
    return path;
}

// An archive of two collapsed categories: "Rock" (a bank title line and two registrations) and
// "Jazz" (one registration).
QString writeArchive(const QString& path) {
    ArchiveList list{ArchiveEntry::category("Rock"), ArchiveEntry::category("Jazz")};
    list[0].hiddenChildren = {RegEntry::bankLine("Live"), RegEntry::registration(named("One")),
                              RegEntry::registration(named("Two"))};
    list[1].hiddenChildren = {RegEntry::registration(named("Blue"))};
    writeFile(path, buildArchiveImage(list));
    return path;
}

std::unique_ptr<QMimeData> urlData(const QList<QUrl>& urls) {
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<int>)

class MainWindowMenusTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    ScriptedInteraction ui_;
    StyleNameTable names_;
    DiskStyleTexts disk_;
    std::unique_ptr<MainWindow> window_;

    MainWindow& make(Language lang = Language::English) {
        window_.reset();
        ui_ = ScriptedInteraction();
        MainWindow::Setup setup;
        setup.lang = lang;
        setup.startDirectory = dir_.path();
        window_ = std::make_unique<MainWindow>(setup, names_, disk_, &ui_);
        window_->hooks().storeSettings = [](const Settings&) {
        };
        return *window_;
    }

    MainWindow& makeWithBothFiles(Language lang = Language::English) {
        MainWindow& w = make(lang);
        w.openFiles({writeRegBackup(dir_.filePath(QStringLiteral("REG.bup"))),
                     writeArchive(dir_.filePath(QStringLiteral("Lib.yra")))});
        return w;
    }

    static void select(PaneListView* list, const std::vector<int>& rows) {
        ListSelection selection;
        selection.lines.insert(rows.begin(), rows.end());
        selection.caret = rows.empty() ? -1 : rows.back();
        showSelection(*list, selection);
        if (rows.empty())
            list->selectionModel()->clearSelection();
    }

    static QAction* entry(QMenu* menu, const QString& name) {
        for (QAction* a : menu->actions()) {
            if (a->objectName() == name)
                return a;
        }
        return nullptr;
    }
    static QAction* entry(QMenu* menu, int id) { return entry(menu, QString::number(id)); }

    // Runs an entry of a freshly built menu, as choosing it does.
    void choose(bool archivePane, const QString& name) {
        std::unique_ptr<QMenu> menu(window_->buildPaneMenu(archivePane));
        QAction* a = entry(menu.get(), name);
        QVERIFY2(a, qPrintable(name));
        QVERIFY2(a->isEnabled(), qPrintable(name));
        a->trigger();
    }

    // The name of the pane menu that is open now; empty when none is.
    static QString openMenu() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu ? menu->objectName() : QString();
    }
    static void closeMenu() {
        if (QWidget* menu = QApplication::activePopupWidget())
            menu->close();
    }

    QString regPath() const {
        return QString::fromStdString(window_->registrationSide().currentPath());
    }
    QString archivePath() const {
        return QString::fromStdString(window_->archiveSide().currentPath());
    }

private Q_SLOTS:
    void cleanup() { window_.reset(); }

    // ---- The entries
    // -----------------------------------------------------------------------------

    void entriesFollowTheSelection_data() {
        using V = std::vector<int>;
        QTest::addColumn<bool>("archivePane");
        QTest::addColumn<V>("regRows");
        QTest::addColumn<V>("archiveRows");
        QTest::addColumn<V>("enabled");
        QTest::addColumn<V>("disabled");
        // Registration rows: 0 bank Pop, 1 Intro, 2..8 empty slots, ... 576 the trailing line.
        // Archive rows (collapsed): 0 Rock, 1 Jazz, 2 the trailing line.
        QTest::newRow("a registration, an archive line")
            << false << V{1} << V{0}
            << V{ids::main::RegDelete,     ids::main::RegEditEntry, ids::main::CopyToArchive,
                 ids::main::MoveToArchive, ids::main::RegDown,      ids::main::RegMultiChange,
                 ids::main::RegSearch,     ids::main::RegImportJson}
            << V{ids::main::RegUp};
        QTest::newRow("the trailing registration line")
            << false << V{576} << V{0} << V{ids::main::RegNewBank, ids::main::RegNewEntry}
            << V{ids::main::RegEditEntry, ids::main::RegDelete, ids::main::CopyToArchive,
                 ids::main::RegMultiChange};
        QTest::newRow("no registration line")
            << false << V{} << V{0} << V{ids::main::RegSearch, ids::main::RegProtocol}
            << V{ids::main::RegDelete, ids::main::RegEditEntry, ids::main::RegNewBank,
                 ids::main::CopyToArchive, ids::main::MoveToArchive};
        QTest::newRow("two registrations, two archive lines")
            << false << V{1, 2} << V{0, 1} << V{ids::main::RegDelete, ids::main::RegMultiChange}
            << V{ids::main::RegEditEntry, ids::main::CopyToArchive, ids::main::RegUp,
                 ids::main::RegDown};
        QTest::newRow("a category")
            << true << V{0} << V{0}
            << V{ids::main::EditCategory,        ids::main::SortCategory,
                 ids::main::ArchiveDelete,       ids::main::ArchiveDown,
                 ids::main::CopyToRegistrations, ids::main::MoveToRegistrations,
                 ids::main::NewCategory}
            << V{ids::main::ArchiveEditEntry, ids::main::ArchiveUp};
        QTest::newRow("two archive lines")
            << true << V{1, 2} << V{0, 1}
            << V{ids::main::ArchiveDelete, ids::main::ArchiveMultiChange}
            << V{ids::main::NewCategory, ids::main::EditCategory, ids::main::ArchiveNewEntry,
                 ids::main::CopyToRegistrations};
        QTest::newRow("the trailing archive line")
            << true << V{} << V{2} << V{ids::main::NewCategory, ids::main::ArchiveNewEntry}
            << V{ids::main::ArchiveDelete, ids::main::EditCategory, ids::main::CopyToRegistrations};
    }

    void entriesFollowTheSelection() {
        QFETCH(bool, archivePane);
        QFETCH(std::vector<int>, regRows);
        QFETCH(std::vector<int>, archiveRows);
        QFETCH(std::vector<int>, enabled);
        QFETCH(std::vector<int>, disabled);
        MainWindow& w = makeWithBothFiles();
        select(w.registrationList(), regRows);
        select(w.archiveList(), archiveRows);
        std::unique_ptr<QMenu> menu(w.buildPaneMenu(archivePane));
        for (int id : enabled) {
            QAction* a = entry(menu.get(), id);
            QVERIFY2(a && a->isEnabled(), qPrintable(QString::number(id)));
        }
        for (int id : disabled) {
            QAction* a = entry(menu.get(), id);
            QVERIFY2(a && !a->isEnabled(), qPrintable(QString::number(id)));
        }
        // Every command entry is enabled exactly as its button, and belongs to this pane.
        const QWidget* pane =
            archivePane ? w.archiveList()->parentWidget() : w.registrationList()->parentWidget();
        int commands = 0;
        for (QAction* a : menu->actions()) {
            bool isId = false;
            const int id = a->objectName().toInt(&isId);
            if (!isId)
                continue;
            ++commands;
            auto* button = qobject_cast<QPushButton*>(w.control(id));
            QVERIFY2(button, qPrintable(a->objectName()));
            QVERIFY2(pane->isAncestorOf(button), qPrintable(a->objectName()));
            QCOMPARE(a->isEnabled(), button->isEnabled());
            QVERIFY(!a->text().isEmpty());
        }
        QVERIFY(commands > 0);
        // Nothing was done yet, so there is nothing to undo or redo.
        QVERIFY(!entry(menu.get(), QStringLiteral("undo"))->isEnabled());
        QVERIFY(!entry(menu.get(), QStringLiteral("redo"))->isEnabled());
        // The list's own entries close the menu.
        QVERIFY(entry(menu.get(), QStringLiteral("compare")));
        QVERIFY(entry(menu.get(), QStringLiteral("findDuplicates")));
    }

    void closedPanesOfferOnlyWhatNeedsNoFile() {
        MainWindow& w = make();
        for (bool archivePane : {false, true}) {
            std::unique_ptr<QMenu> menu(w.buildPaneMenu(archivePane));
            for (QAction* a : menu->actions()) {
                const QString name = a->objectName();
                const bool always = name == QString::number(ids::main::RegImportJson) ||
                                    name == QString::number(ids::main::ArchiveImportJson) ||
                                    name == QStringLiteral("compareWithFile") ||
                                    name.startsWith(QStringLiteral("findDuplicates")) ||
                                    name == QStringLiteral("compare");
                if (!a->isSeparator() && !always)
                    QVERIFY2(!a->isEnabled(), qPrintable(name));
            }
        }
    }

    void entriesRunTheirCommandAndUndoIt() {
        MainWindow& w = makeWithBothFiles();
        select(w.registrationList(), {1});
        // One entry goes without a question.
        choose(false, QString::number(ids::main::RegDelete));
        QCOMPARE(w.registrationSide().lines()[1].record.title(), std::string("<Empty>"));
        QVERIFY(w.registrationSide().isModified());

        std::unique_ptr<QMenu> menu(w.buildPaneMenu(true));
        QAction* undo = entry(menu.get(), QStringLiteral("undo"));
        QVERIFY(undo->isEnabled());
        // The step is named, and the key follows after a tab.
        QVERIFY2(undo->text().startsWith(QStringLiteral("Undo Delete 1 entry\t")),
                 qPrintable(undo->text()));
        undo->trigger();
        QCOMPARE(w.registrationSide().lines()[1].record.title(), std::string("Intro"));
        QVERIFY(!w.registrationSide().isModified());
        choose(false, QStringLiteral("redo"));
        QCOMPARE(w.registrationSide().lines()[1].record.title(), std::string("<Empty>"));
    }

    void expandAndCollapseAllKeepTheSelectedLine() {
        MainWindow& w = makeWithBothFiles();
        PaneListView* list = w.archiveList();
        select(list, {1}); // Jazz
        {
            std::unique_ptr<QMenu> menu(w.buildPaneMenu(true));
            QVERIFY(entry(menu.get(), QStringLiteral("expandAll"))->isEnabled());
            QVERIFY(!entry(menu.get(), QStringLiteral("collapseAll"))->isEnabled());
        }
        choose(true, QStringLiteral("expandAll"));
        // Rock, Live, One, Two, Jazz, Blue and the trailing line.
        QCOMPARE(list->model()->rowCount(), 7);
        QCOMPARE(selectionOf(*list).lines, std::set<int>{4});
        QCOMPARE(list->currentIndex().row(), 4);
        // Showing lines changes nothing the file keeps: no step, no changes.
        QVERIFY(!w.editHistory().canUndo());
        QVERIFY(!w.archiveSide().isModified());
        {
            std::unique_ptr<QMenu> menu(w.buildPaneMenu(true));
            QVERIFY(!entry(menu.get(), QStringLiteral("expandAll"))->isEnabled());
            QVERIFY(entry(menu.get(), QStringLiteral("collapseAll"))->isEnabled());
        }

        // A line deleted while shown comes back by Undo after everything was collapsed.
        select(list, {2}); // One
        choose(true, QString::number(ids::main::ArchiveDelete));
        QCOMPARE(w.archiveSide().registrationCount(), 2);
        select(list, {2}); // Two, now inside Rock
        choose(true, QStringLiteral("collapseAll"));
        QCOMPARE(list->model()->rowCount(), 3);
        QCOMPARE(selectionOf(*list).lines, std::set<int>{0}); // its category
        choose(true, QStringLiteral("undo"));
        QCOMPARE(w.archiveSide().registrationCount(), 3);
        QVERIFY(!w.archiveSide().isModified());
    }

    void textsComeInTheWindowsLanguage() {
        MainWindow& w = makeWithBothFiles(Language::German);
        std::unique_ptr<QMenu> archive(w.buildPaneMenu(true));
        QCOMPARE(entry(archive.get(), QStringLiteral("expandAll"))->text(),
                 QStringLiteral("Alle aufklappen"));
        QCOMPARE(entry(archive.get(), QStringLiteral("collapseAll"))->text(),
                 QStringLiteral("Alle zuklappen"));
        QCOMPARE(entry(archive.get(), ids::main::CopyToRegistrations)->text(),
                 QStringLiteral("<< Kopieren"));
        std::unique_ptr<QMenu> reg(w.buildPaneMenu(false));
        QVERIFY(
            entry(reg.get(), ids::main::RegDelete)->text().startsWith(QStringLiteral("Löschen\t")));
        QCOMPARE(entry(reg.get(), ids::main::MoveToArchive)->text(),
                 QStringLiteral("Verschieb. >>"));
        QVERIFY(entry(reg.get(), QStringLiteral("undo"))
                    ->text()
                    .startsWith(QStringLiteral("Rückgängig\t")));
        QVERIFY(!reg->accessibleName().isEmpty());
    }

    // ---- Opening the menu --------------------------------------------------------------------

    void rightClickMenuKeyAndShiftF10OpenThePanesMenu() {
        MainWindow& w = makeWithBothFiles();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        PaneListView* reg = w.registrationList();
        PaneListView* archive = w.archiveList();

        // A right click selects the line under the pointer and opens that pane's menu for it
        // (Qt Test's click does not make the window system's menu event; it is sent as the
        // platform sends it).
        select(archive, {0});
        const QPoint jazz = archive->visualRect(archive->model()->index(1, 0)).center();
        QTest::mouseClick(archive->viewport(), Qt::RightButton, {}, jazz);
        QContextMenuEvent click(QContextMenuEvent::Mouse, jazz,
                                archive->viewport()->mapToGlobal(jazz));
        QApplication::sendEvent(archive->viewport(), &click);
        QTRY_COMPARE(openMenu(), QStringLiteral("archiveMenu"));
        closeMenu();
        QCOMPARE(selectionOf(*archive).lines, std::set<int>{1});

        // Shift+F10 on the focused list, at its current line.
        reg->setFocus();
        select(reg, {1});
        QTest::keyClick(reg, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_COMPARE(openMenu(), QStringLiteral("registrationMenu"));
        closeMenu();
        QTest::keyClick(archive, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_COMPARE(openMenu(), QStringLiteral("archiveMenu"));
        closeMenu();

        // The menu key: the platform sends the focused list a context menu event from the
        // keyboard.
        const QPoint at = reg->visualRect(reg->currentIndex()).center();
        QContextMenuEvent key(QContextMenuEvent::Keyboard, at, reg->viewport()->mapToGlobal(at));
        QApplication::sendEvent(reg, &key);
        QTRY_COMPARE(openMenu(), QStringLiteral("registrationMenu"));
        closeMenu();
    }

    // ---- Dropped files -----------------------------------------------------------------------

    void droppedFilesOpenInTheirPanes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("registrations");
        QTest::newRow("a registration backup named like an archive") << "odd.yra" << true;
        QTest::newRow("an archive") << "Other.yra" << false;
        QTest::newRow("a backup-set folder") << "Show.buf" << true;
    }

    void droppedFilesOpenInTheirPanes() {
        QFETCH(QString, name);
        QFETCH(bool, registrations);
        const QString set = dir_.filePath(QStringLiteral("Show.buf"));
        QDir().mkpath(set);
        writeRegBackup(set + QStringLiteral("/REG.bup"), "FromSet");
        writeFile(set + QStringLiteral("/BACKUP.INI"), {'x'});
        writeRegBackup(dir_.filePath(QStringLiteral("odd.yra")), "Odd");
        writeArchive(dir_.filePath(QStringLiteral("Other.yra")));

        MainWindow& w = makeWithBothFiles();
        const QString regBefore = regPath();
        const QString archiveBefore = archivePath();
        w.openDroppedFiles({dir_.filePath(name)});
        QVERIFY(ui_.events().empty());
        const QString expected = name == QStringLiteral("Show.buf")
                                     ? set + QStringLiteral("/REG.bup")
                                     : dir_.filePath(name);
        QCOMPARE(registrations ? regPath() : archivePath(), QDir::cleanPath(expected));
        QCOMPARE(registrations ? archivePath() : regPath(),
                 registrations ? archiveBefore : regBefore);
    }

    void droppedUnknownFileIsRefusedBeforeAnyQuestion() {
        const QString notes = dir_.filePath(QStringLiteral("notes.txt"));
        writeFile(notes, {'h', 'i'});
        const QString folder = dir_.filePath(QStringLiteral("Empty.buf"));
        QDir().mkpath(folder);
        MainWindow& w = makeWithBothFiles();
        w.registrationSide().setModified();
        w.archiveSide().setModified();
        w.openDroppedFiles({notes, folder});
        QCOMPARE(ui_.messageIds(), (std::vector<const Message*>{&msg::UnknownDocumentKind,
                                                                &msg::NoRegBackupInFolder}));
        QVERIFY(QString::fromStdString(ui_.events()[0].message.text(Language::English))
                    .contains(notes));
        // Both panes still hold their files and their changes.
        QCOMPARE(regPath(), dir_.filePath(QStringLiteral("REG.bup")));
        QCOMPARE(archivePath(), dir_.filePath(QStringLiteral("Lib.yra")));
        QVERIFY(w.registrationSide().isModified());
        QVERIFY(w.archiveSide().isModified());
        QCOMPARE(w.archiveList()->model()->rowCount(), 3);
    }

    void droppedFileAsksAboutUnsavedChangesFirst() {
        const QString other = writeRegBackup(dir_.filePath(QStringLiteral("Other.bup")), "Other");
        MainWindow& w = makeWithBothFiles();
        const QString first = regPath();
        w.registrationSide().setModified();
        ui_.answer(Answer::Cancel);
        w.openDroppedFiles({other});
        QCOMPARE(ui_.messageIds(), std::vector<const Message*>{&msg::RegistrationsChanged});
        QCOMPARE(regPath(), first);
        QVERIFY(w.registrationSide().isModified());

        ui_.answer(Answer::No);
        w.openDroppedFiles({other});
        QCOMPARE(regPath(), other);
        QVERIFY(!w.registrationSide().isModified());
        QCOMPARE(w.registrationList()->model()->index(1, 0).data().toString(),
                 QStringLiteral("<01/1>\t        Other"));
    }

    // The window takes a drag of local files as a copy (so that a file manager never deletes
    // what it thinks was moved), and opens them once the drop has returned.
    void dropEventOnTheWindowOpensTheFiles() {
        MainWindow& w = make();
        const QString backup = writeRegBackup(dir_.filePath(QStringLiteral("REG.bup")));
        const QString archive = writeArchive(dir_.filePath(QStringLiteral("Lib.yra")));
        const std::unique_ptr<QMimeData> data =
            urlData({QUrl::fromLocalFile(backup), QUrl::fromLocalFile(archive),
                     QUrl(QStringLiteral("https://example.org/REG.bup"))});
        const QPoint at = w.rect().center();
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;

        QDragEnterEvent enter(at, offered, data.get(), Qt::LeftButton, Qt::NoModifier);
        enter.setDropAction(Qt::MoveAction);
        QApplication::sendEvent(&w, &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);

        QDropEvent drop(QPointF(at), offered, data.get(), Qt::LeftButton, Qt::NoModifier);
        drop.setDropAction(Qt::MoveAction);
        QApplication::sendEvent(&w, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QVERIFY(!w.registrationSide().isOpen()); // not inside the drop
        QTRY_COMPARE(regPath(), backup);
        QTRY_COMPARE(archivePath(), archive);
        QVERIFY(ui_.events().empty());
    }

    void dragsWithoutLocalFilesAreRefused() {
        MainWindow& w = make();
        auto text = std::make_unique<QMimeData>();
        text->setText(QStringLiteral("/tmp/REG.bup"));
        const std::unique_ptr<QMimeData> remote =
            urlData({QUrl(QStringLiteral("https://example.org/REG.bup"))});
        for (const QMimeData* data : {static_cast<const QMimeData*>(text.get()),
                                      static_cast<const QMimeData*>(remote.get())}) {
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(&w, &enter);
            QVERIFY(!enter.isAccepted());
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&w, &drop);
            QVERIFY(!drop.isAccepted());
        }
        QTest::qWait(10);
        QVERIFY(!w.registrationSide().isOpen());
        QVERIFY(!w.archiveSide().isOpen());
        QVERIFY(ui_.events().empty());
    }
};

QTEST_MAIN(MainWindowMenusTest)
#include "MainWindowMenusTest.moc"
