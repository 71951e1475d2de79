// The main window with both panes, answered by a scripted Interaction: leaving through both
// save-changes prompts, the settings stored on leaving, the button rules on real selections,
// Enter, double clicks, the category tree, the style name selectors, Help and the captions.

#include "ui/MainWindow.h"
#include "app/SettingsStore.h"
#include "app/Startup.h"
#include "core/files/ArchiveFile.h"
#include "core/files/RegBackupFile.h"
#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "core/sides/RegListRules.h"
#include "ui/ArchiveListModel.h"
#include "ui/ControlIds.h"
#include "ui/HelpDocument.h"
#include "ui/PaneLineDelegate.h"
#include "ui/PaneListView.h"

#include "ScriptedInteraction.h"
#include "WindowTestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fstream>

using namespace tombrel;
using namespace tombrel::test;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

using Kind = ScriptedInteraction::Kind;

// A registration backup whose first bank is "Pop" with one named registration.
QString writeRegBackup(const QTemporaryDir& dir, const QString& name = QStringLiteral("REG.bup")) {
    RegList lines{RegEntry::bankLine("Pop"), RegEntry::registration(named("Intro"))};
    const QString path = dir.filePath(name);
    writeFile(path, buildRegBackupImage(lines, KeyboardModel::Psr9000));
    return path;
}

// An archive of two categories, "Rock" (a bank title line and two registrations) and "Jazz"
// (one registration).
QString writeArchive(const QTemporaryDir& dir, const QString& name = QStringLiteral("Lib.yra")) {
    ArchiveList list{ArchiveEntry::category("Rock"), ArchiveEntry::category("Jazz")};
    list[0].hiddenChildren = {RegEntry::bankLine("Live"), RegEntry::registration(named("One")),
                              RegEntry::registration(named("Two"))};
    list[1].hiddenChildren = {RegEntry::registration(named("Blue"))};
    const QString path = dir.filePath(name);
    writeFile(path, buildArchiveImage(list));
    return path;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    ScriptedInteraction ui_;
    StyleNameTable names_;
    DiskStyleTexts disk_;
    std::unique_ptr<MainWindow> window_;
    std::vector<Settings> stored_;
    std::vector<std::string> categoryAsked_;
    std::optional<std::string> categoryAnswer_;
    std::vector<std::string> bankTitleAsked_;
    std::optional<std::string> bankTitleAnswer_;

    MainWindow& make(MainWindow::Setup setup = {}) {
        window_.reset();
        ui_ = ScriptedInteraction();
        stored_.clear();
        categoryAsked_.clear();
        bankTitleAsked_.clear();
        if (setup.startDirectory.isEmpty())
            setup.startDirectory = dir_.path();
        window_ = std::make_unique<MainWindow>(setup, names_, disk_, &ui_);
        MainWindow::Hooks& hooks = window_->hooks();
        hooks.storeSettings = [this](const Settings& s) {
            stored_.push_back(s);
        };
        hooks.categoryName = [this](const std::string& current) {
            categoryAsked_.push_back(current);
            return categoryAnswer_;
        };
        hooks.bankTitle = [this](const std::string& current) {
            bankTitleAsked_.push_back(current);
            return bankTitleAnswer_;
        };
        // Dialogs a test does not expect fail it instead of waiting for a user.
        hooks.editEntry = [](RegRecord&, KeyboardModel) {
            QTest::qFail("Edit Entry was not expected", __FILE__, __LINE__);
            return EditEntryResult::Cancel;
        };
        hooks.multiChange = [](const MultiChangeForm&) {
            QTest::qFail("Multi Change was not expected", __FILE__, __LINE__);
            return std::optional<MultiChangeForm>();
        };
        hooks.searchDialog = [](SearchSide, const SearchNext&) {
            QTest::qFail("Search was not expected", __FILE__, __LINE__);
        };
        hooks.protocolType = [] {
            QTest::qFail("the protocol type was not expected", __FILE__, __LINE__);
            return std::optional<ProtocolType>();
        };
        hooks.styleLocationsInfo = [](bool) {
            QTest::qFail("the style locations dialog was not expected", __FILE__, __LINE__);
            return false;
        };
        hooks.errorList = [](const std::vector<std::string>&) {
            QTest::qFail("the error list was not expected", __FILE__, __LINE__);
        };
        hooks.settingsDialog = [](const SettingsDialog::Values&, bool) {
            QTest::qFail("the Settings dialog was not expected", __FILE__, __LINE__);
            return std::optional<SettingsDialog::Values>();
        };
        hooks.openDocument = [](const QString&) {
            return true;
        };
        return *window_;
    }

    // The window with a backup in the left pane and an archive in the right one.
    MainWindow& makeWithBothFiles() {
        MainWindow& w = make();
        w.openFiles({writeRegBackup(dir_), writeArchive(dir_)});
        return w;
    }

    QPushButton* button(int id) { return qobject_cast<QPushButton*>(window_->control(id)); }

    void select(PaneListView* list, const std::vector<int>& rows) {
        ListSelection selection;
        selection.lines.insert(rows.begin(), rows.end());
        selection.caret = rows.empty() ? -1 : rows.back();
        showSelection(*list, selection);
        if (rows.empty())
            list->selectionModel()->clearSelection();
    }

    // A double click as the user makes it: a click, then the second press.
    void doubleClick(PaneListView* list, const QPoint& at) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    QPoint rowPoint(PaneListView* list, int row, int x) {
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        return QPoint(x, rect.center().y());
    }

private Q_SLOTS:
    // A question the script did not expect fails the running test through the scripted
    // Interaction itself.
    void cleanup() { window_.reset(); }

    // ---- Start-up and leaving ------------------------------------------------------------------

    void firstStartAsksForTheLanguageAndTheSecondDoesNot() {
        const QString file = dir_.filePath(QStringLiteral("language.ini"));
        int asked = 0;
        const auto answer = [&] {
            ++asked;
            return std::optional<Language>(Language::German);
        };
        {
            SettingsStore store(file);
            QCOMPARE(startLanguage(store, answer), Language::German);
        }
        SettingsStore store(file);
        QCOMPARE(startLanguage(store, answer), Language::German);
        QCOMPARE(asked, 1);
    }

    void settingsWrittenOnLeavingReadBackTheSame_data() {
        QTest::addColumn<bool>("extended");
        QTest::newRow("extended mode") << true;
        QTest::newRow("normal mode") << false;
    }

    void settingsWrittenOnLeavingReadBackTheSame() {
        QFETCH(bool, extended);
        Settings given;
        given.yamahaBackupStruktur = false;
        given.noNetworkAccess = true;
        given.flashStyleMode = 2;
        given.flashStyleFile = "/sets/Show.buf/STY0.bup";
        given.diskStyleMode = 1;
        given.diskStyleDirectory = "/styles/M\xC3\xBCller";
        given.lastBackupDir = "/sets";
        given.lastKeyboard = 2;
        given.lastOpenReg[0] = "/a/REG.bup";
        given.lastOpenReg[1] = "/b/REG_Pro.bup";
        for (int i = 0; i < kRecentFileCount; ++i)
            given.lastOpenArch[static_cast<size_t>(i)] = "/lib/" + std::to_string(i) + ".yra";
        given.keyboardPath = {"ATA00:", "FDDRV:\xC4", "", "", "SCS12:"}; // single-byte text
        given.pcPath = {"E:", "A:", "", "", "/mnt/scsi"};
        given.topPos = 30;
        given.leftPos = 40;
        given.playerPath = {"/usr/bin/timidity", "", "/opt/player"};

        const QString file = dir_.filePath(QStringLiteral("roundtrip.ini"));
        QFile::remove(file);
        {
            // An earlier run with the extended mode left both filters on.
            QSettings raw(file, QSettings::IniFormat);
            raw.setValue(QStringLiteral("Param/HideDuplicateBankTitles"), 1);
            raw.setValue(QStringLiteral("Param/HideEmptyEntries"), 1);
        }
        MainWindow::Setup setup;
        setup.extendedMode = extended;
        setup.settings = given;
        MainWindow& w = make(setup);
        w.hooks().storeSettings = [&](const Settings& settings) {
            stored_.push_back(settings);
            SettingsStore store(file);
            store.writeSettings(settings, extended);
            QVERIFY(store.sync());
        };
        // Settings changed during the run are the ones stored.
        w.hooks().settingsDialog = [](SettingsDialog::Values values, bool) {
            values.hideDuplicateBankTitles = values.hideEmptyEntries = true;
            values.playerPaths[1] = "/usr/bin/fluidsynth";
            return std::optional(values);
        };
        button(ids::main::Settings)->click();
        QVERIFY(w.leave());
        QCOMPARE(stored_.size(), size_t(1));

        Settings expected = given;
        expected.hideDuplicateBankTitles = expected.hideEmptyEntries = extended;
        expected.playerPath[1] = "/usr/bin/fluidsynth";
        const Settings readBack = SettingsStore(file).readSettings(extended);
        QVERIFY(readBack == expected);
        // Without the extended mode the filters stay stored as the earlier run left them.
        QSettings raw(file, QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Param/HideEmptyEntries")).toInt(), 1);
        QCOMPARE(raw.value(QStringLiteral("Param/KeyboardPath2")).toString(),
                 QString::fromUtf8("FDDRV:\xC3\x84"));
    }

    void leaving_data() {
        QTest::addColumn<int>("route"); // 0 Exit, 1 Escape, 2 close box, 3 Escape in a list
        QTest::addColumn<bool>("regModified");
        QTest::addColumn<bool>("archiveModified");
        QTest::addColumn<std::vector<int>>("answers"); // Answer values, in order
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("left");
        const auto A = [](Answer a) {
            return static_cast<int>(a);
        };
        const char* routes[] = {"Exit", "Escape", "close", "Escape in the list"};
        for (int route = 0; route < 4; ++route) {
            const QByteArray name(routes[route]);
            QTest::newRow(name + ", nothing changed")
                << route << false << false << std::vector<int>{} << 0 << true;
            QTest::newRow(name + ", registrations kept by Cancel")
                << route << true << true << std::vector<int>{A(Answer::Cancel)} << 1 << false;
            QTest::newRow(name + ", archive kept by Cancel")
                << route << true << true << std::vector<int>{A(Answer::No), A(Answer::Cancel)} << 2
                << false;
            QTest::newRow(name + ", both dropped")
                << route << true << true << std::vector<int>{A(Answer::No), A(Answer::No)} << 2
                << true;
            QTest::newRow(name + ", only the archive changed")
                << route << false << true << std::vector<int>{A(Answer::No)} << 1 << true;
        }
    }

    void leaving() {
        QFETCH(int, route);
        QFETCH(bool, regModified);
        QFETCH(bool, archiveModified);
        QFETCH(std::vector<int>, answers);
        QFETCH(int, questions);
        QFETCH(bool, left);
        MainWindow& w = makeWithBothFiles();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.registrationSide().setModified(regModified);
        w.archiveSide().setModified(archiveModified);
        for (int a : answers)
            ui_.answer(static_cast<Answer>(a));

        if (route == 0)
            button(ids::main::Exit)->click();
        else if (route == 1)
            QTest::keyClick(&w, Qt::Key_Escape);
        else if (route == 2)
            w.close();
        else
            QTest::keyClick(w.registrationList(), Qt::Key_Escape);

        QVERIFY(ui_.scriptUsedUp());
        QCOMPARE(static_cast<int>(ui_.events().size()), questions);
        if (questions >= 1)
            QCOMPARE(ui_.events()[0].message.message,
                     regModified ? &msg::RegistrationsChanged : &msg::ArchiveChanged);
        if (questions == 2)
            QCOMPARE(ui_.events()[1].message.message, &msg::ArchiveChanged);
        QCOMPARE(w.isVisible(), !left);
        QCOMPARE(stored_.size(), size_t(left ? 1 : 0));
    }

    void sessionEnd_data() {
        QTest::addColumn<bool>("interactionAllowed");
        QTest::addColumn<bool>("dialogOpen");
        QTest::addColumn<bool>("regModified");
        QTest::addColumn<bool>("archiveModified");
        QTest::addColumn<std::vector<int>>("answers"); // Answer values, in order
        QTest::addColumn<bool>("mayEnd");
        QTest::addColumn<bool>("left");
        const auto A = [](Answer a) {
            return static_cast<int>(a);
        };
        QTest::newRow("nothing changed")
            << true << false << false << false << std::vector<int>{} << true << true;
        QTest::newRow("archive kept by Cancel")
            << true << false << false << true << std::vector<int>{A(Answer::Cancel)} << false
            << false;
        QTest::newRow("registrations kept by Cancel")
            << true << false << true << true << std::vector<int>{A(Answer::Cancel)} << false
            << false;
        QTest::newRow("both dropped")
            << true << false << true << true << std::vector<int>{A(Answer::No), A(Answer::No)}
            << true << true;
        // Nothing may be asked: nothing is saved or dropped behind the user's back.
        QTest::newRow("no interaction allowed")
            << false << false << true << true << std::vector<int>{} << true << false;
        QTest::newRow("a dialog is still open")
            << true << true << true << true << std::vector<int>{} << false << false;
    }

    void sessionEnd() {
        QFETCH(bool, interactionAllowed);
        QFETCH(bool, dialogOpen);
        QFETCH(bool, regModified);
        QFETCH(bool, archiveModified);
        QFETCH(std::vector<int>, answers);
        QFETCH(bool, mayEnd);
        QFETCH(bool, left);
        MainWindow& w = makeWithBothFiles();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.registrationSide().setModified(regModified);
        w.archiveSide().setModified(archiveModified);
        for (int a : answers)
            ui_.answer(static_cast<Answer>(a));
        QDialog editor(&w);
        if (dialogOpen) {
            editor.setWindowModality(Qt::ApplicationModal);
            editor.show();
            QVERIFY(QTest::qWaitForWindowExposed(&editor));
        }

        QCOMPARE(commitSessionData(w, interactionAllowed), mayEnd);

        QVERIFY(ui_.scriptUsedUp());
        // Every answer given was to a question, and nothing else was asked.
        QCOMPARE(ui_.events().size(), answers.size());
        QCOMPARE(w.isVisible(), !left);
        QCOMPARE(stored_.size(), size_t(left ? 1 : 0));
        if (!left) {
            QCOMPARE(w.registrationSide().isModified(), regModified);
            QCOMPARE(w.archiveSide().isModified(), archiveModified);
        }
    }

    void enterDoesNothing_data() {
        QTest::addColumn<int>("focus"); // a control id
        QTest::newRow("Exit") << ids::main::Exit;
        QTest::newRow("registration list") << ids::main::RegList;
        QTest::newRow("archive list") << ids::main::ArchiveList;
        QTest::newRow("Close of the archive") << ids::main::ArchiveClose;
    }

    void enterDoesNothing() {
        QFETCH(int, focus);
        MainWindow& w = makeWithBothFiles();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        select(w.archiveList(), {0});
        QWidget* target = w.control(focus);
        target->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(target, key);
        QVERIFY(w.isVisible());
        QVERIFY(stored_.empty());
        QVERIFY(ui_.events().empty());
        QVERIFY(categoryAsked_.empty());
        QVERIFY(w.archiveSide().isOpen());
        QVERIFY(w.registrationSide().isOpen());
    }

    // ---- Button rules --------------------------------------------------------------------------

    void buttonStates_data() {
        QTest::addColumn<bool>("archiveOpen");
        QTest::addColumn<std::vector<int>>("regRows"); // 577 = the trailing line
        QTest::addColumn<std::vector<int>>("archiveRows");
        QTest::addColumn<std::vector<int>>("enabled");
        QTest::addColumn<std::vector<int>>("disabled");
        using V = std::vector<int>;
        // Always enabled while a backup is open: Save, Save As, Close, Search, Protocol, Update
        // Styles; checked in every row through the lists below where it matters.
        QTest::newRow("nothing selected")
            << false << V{} << V{}
            << V{ids::main::RegSave,   ids::main::RegSaveAs,   ids::main::RegClose,
                 ids::main::RegSearch, ids::main::RegProtocol, ids::main::RegUpdateStyles}
            << V{ids::main::RegNewBank,     ids::main::RegNewEntry,   ids::main::RegEditEntry,
                 ids::main::CopyToArchive,  ids::main::MoveToArchive, ids::main::RegDelete,
                 ids::main::RegMultiChange, ids::main::RegUp,         ids::main::RegDown,
                 ids::main::ArchiveSave,    ids::main::NewCategory};
        QTest::newRow("only the trailing line")
            << false << V{576} << V{} << V{ids::main::RegNewBank, ids::main::RegNewEntry}
            << V{ids::main::RegEditEntry, ids::main::RegDelete, ids::main::RegMultiChange,
                 ids::main::RegUp,        ids::main::RegDown,   ids::main::CopyToArchive,
                 ids::main::MoveToArchive};
        QTest::newRow("first bank line")
            << false << V{0} << V{}
            << V{ids::main::RegNewBank, ids::main::RegNewEntry,    ids::main::RegEditEntry,
                 ids::main::RegDelete,  ids::main::RegMultiChange, ids::main::RegDown}
            << V{ids::main::RegUp, ids::main::CopyToArchive, ids::main::MoveToArchive};
        QTest::newRow("last bank line")
            << false << V{567} << V{} << V{ids::main::RegEditEntry, ids::main::RegUp}
            << V{ids::main::RegDown};
        QTest::newRow("first registration")
            << false << V{1} << V{} << V{ids::main::RegEditEntry, ids::main::RegDown}
            << V{ids::main::RegUp};
        QTest::newRow("last registration")
            << false << V{575} << V{} << V{ids::main::RegEditEntry, ids::main::RegUp}
            << V{ids::main::RegDown};
        QTest::newRow("two lines")
            << false << V{1, 2} << V{} << V{ids::main::RegDelete, ids::main::RegMultiChange}
            << V{ids::main::RegNewBank, ids::main::RegNewEntry, ids::main::RegEditEntry,
                 ids::main::RegUp, ids::main::RegDown};
        QTest::newRow("to the archive's category")
            << true << V{1} << V{0}
            << V{ids::main::CopyToArchive,       ids::main::MoveToArchive,
                 ids::main::EditCategory,        ids::main::SortCategory,
                 ids::main::ArchiveNewBank,      ids::main::ArchiveNewEntry,
                 ids::main::ArchiveDelete,       ids::main::NewCategory,
                 ids::main::CopyToRegistrations, ids::main::MoveToRegistrations,
                 ids::main::ArchiveDown}
            << V{ids::main::ArchiveEditEntry, ids::main::ArchiveUp};
        QTest::newRow("to two archive lines")
            << true << V{1} << V{0, 1} << V{ids::main::ArchiveDelete, ids::main::ArchiveMultiChange}
            << V{ids::main::CopyToArchive, ids::main::MoveToArchive,  ids::main::EditCategory,
                 ids::main::NewCategory,   ids::main::ArchiveNewBank, ids::main::ArchiveNewEntry};
        QTest::newRow("from the archive's last category")
            << true << V{576} << V{1}
            << V{ids::main::CopyToRegistrations, ids::main::MoveToRegistrations,
                 ids::main::ArchiveUp, ids::main::EditCategory, ids::main::SortCategory}
            << V{ids::main::ArchiveDown, ids::main::ArchiveEditEntry};
    }

    void buttonStates() {
        QFETCH(bool, archiveOpen);
        QFETCH(std::vector<int>, regRows);
        QFETCH(std::vector<int>, archiveRows);
        QFETCH(std::vector<int>, enabled);
        QFETCH(std::vector<int>, disabled);
        MainWindow& w = make();
        QStringList files{writeRegBackup(dir_)};
        if (archiveOpen)
            files << writeArchive(dir_);
        w.openFiles(files);
        QCOMPARE(w.registrationList()->model()->rowCount(), 577);
        select(w.registrationList(), regRows);
        select(w.archiveList(), archiveRows);
        for (int id : enabled)
            QVERIFY2(w.commandAllowed(id), qPrintable(QString::number(id)));
        for (int id : disabled)
            QVERIFY2(!w.commandAllowed(id), qPrintable(QString::number(id)));
        // No button is enabled against the rules, and the file commands follow them.
        for (int id = ids::main::FirstPaneId; id <= ids::main::LastPaneId; ++id) {
            auto* b = button(id);
            if (b && !w.commandAllowed(id))
                QVERIFY2(!b->isEnabled(), qPrintable(QString::number(id)));
        }
        for (int id : {ids::main::RegSave, ids::main::RegSaveAs, ids::main::RegClose,
                       ids::main::ArchiveSave, ids::main::ArchiveSaveAs, ids::main::ArchiveClose})
            QCOMPARE(button(id)->isEnabled(), w.commandAllowed(id));
    }

    void closedPanesLeaveOnlyTheirNewAndOpen() {
        MainWindow& w = make();
        for (int id :
             {ids::main::RegNew, ids::main::RegOpen, ids::main::ArchiveNew, ids::main::ArchiveOpen,
              ids::main::Exit, ids::main::Settings, ids::main::Help})
            QVERIFY2(button(id)->isEnabled(), qPrintable(QString::number(id)));
        for (int id : {ids::main::RegSave, ids::main::RegSaveAs, ids::main::RegClose,
                       ids::main::ArchiveSave, ids::main::ArchiveSaveAs, ids::main::ArchiveClose,
                       ids::main::NewCategory, ids::main::EditCategory, ids::main::SortCategory})
            QVERIFY2(!button(id)->isEnabled(), qPrintable(QString::number(id)));
        QVERIFY(!w.registrationList()->isEnabled());
        QVERIFY(!w.archiveList()->isEnabled());
        QCOMPARE(w.registrationList()->model()->rowCount(), 0);
    }

    // ---- The archive's tree --------------------------------------------------------------------

    void doubleClickOnACategoryEditsIt() {
        MainWindow& w = makeWithBothFiles();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        PaneListView* list = w.archiveList();
        categoryAnswer_ = "Rock & Roll";
        doubleClick(list, rowPoint(list, 0, 60));
        QCOMPARE(categoryAsked_, std::vector<std::string>{"Rock"});
        QCOMPARE(w.archiveSide().lineText(0), std::string("Rock & Roll"));
        QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("Rock & Roll"));
        QVERIFY(w.archiveSide().isModified());

        // A registration line opens Edit Entry instead.
        std::vector<std::string> edited;
        w.hooks().editEntry = [&](RegRecord& record, KeyboardModel) {
            edited.push_back(record.title());
            return EditEntryResult::Cancel;
        };
        w.archiveSide().expandCategory(0);
        static_cast<ArchiveListModel*>(list->model())->reload();
        doubleClick(list, rowPoint(list, 2, 60));
        QCOMPARE(categoryAsked_.size(), size_t(1));
        QCOMPARE(edited, std::vector<std::string>{"One"});
        // Quick clicks on a category's box toggle it; they do not open the category.
        doubleClick(list, rowPoint(list, 0, PaneLineDelegate::kToggleZone / 2));
        QCOMPARE(categoryAsked_.size(), size_t(1));
    }

    void clickOnTheBoxExpandsAndCollapses() {
        MainWindow& w = makeWithBothFiles();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        PaneListView* list = w.archiveList();
        QCOMPARE(list->model()->rowCount(), 3); // two categories and the trailing line
        select(list, {1});
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          rowPoint(list, 0, PaneLineDelegate::kToggleZone / 2));
        QCOMPARE(list->model()->rowCount(), 6);
        QCOMPARE(w.archiveSide().lineText(1), std::string("Live"));
        QVERIFY(!w.archiveSide().isModified());
        // A click right of the box only selects.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          rowPoint(list, 0, PaneLineDelegate::kToggleZone + 10));
        QCOMPARE(list->model()->rowCount(), 6);
        // The keyboard collapses the current category.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Minus);
        QCOMPARE(list->model()->rowCount(), 3);
        QCOMPARE(selectionOf(*list).lines, std::set<int>{0});
        // Edit Category follows the selection after the tree changed.
        QVERIFY(button(ids::main::EditCategory)->isEnabled());
    }

    void newCategoryGoesBeforeTheSelectedOne() {
        MainWindow& w = makeWithBothFiles();
        select(w.archiveList(), {1});
        categoryAnswer_ = "Latin";
        button(ids::main::NewCategory)->click();
        QCOMPARE(categoryAsked_, std::vector<std::string>{""});
        QCOMPARE(w.archiveSide().lineText(1), std::string("Latin"));
        QCOMPARE(selectionOf(*w.archiveList()).lines, std::set<int>{1});
        QVERIFY(w.archiveSide().isModified());
        // Cancel changes nothing.
        categoryAnswer_ = std::nullopt;
        button(ids::main::NewCategory)->click();
        QCOMPARE(w.archiveList()->model()->rowCount(), 4);
    }

    // ---- List commands -------------------------------------------------------------------------

    void transfers_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("regChanged");
        QTest::addColumn<QString>("archiveCount");
        QTest::newRow("Copy >>") << ids::main::CopyToArchive << false << "4";
        QTest::newRow("Move >>") << ids::main::MoveToArchive << true << "4";
        QTest::newRow("<< Copy") << ids::main::CopyToRegistrations << true << "3";
        QTest::newRow("<< Move") << ids::main::MoveToRegistrations << true << "2";
    }

    void transfers() {
        QFETCH(int, id);
        QFETCH(bool, regChanged);
        QFETCH(QString, archiveCount);
        MainWindow& w = makeWithBothFiles();
        w.archiveSide().expandCategory(1); // Jazz: its registration "Blue" is line 2
        static_cast<ArchiveListModel*>(w.archiveList()->model())->reload();
        const bool toArchive = id == ids::main::CopyToArchive || id == ids::main::MoveToArchive;
        select(w.registrationList(), {1});
        select(w.archiveList(), {toArchive ? 0 : 2});
        QVERIFY(button(id)->isEnabled());
        button(id)->click();
        QCOMPARE(w.registrationSide().isModified(), regChanged);
        QCOMPARE(w.archiveSide().isModified(), toArchive || id == ids::main::MoveToRegistrations);
        QCOMPARE(qobject_cast<QLabel*>(w.control(ids::main::ArchiveCount))->text(), archiveCount);
        QCOMPARE(w.archiveList()->model()->rowCount(),
                 static_cast<int>(w.archiveSide().list().size()) + 1);
        QCOMPARE(w.registrationList()->model()->rowCount(),
                 static_cast<int>(w.registrationSide().lines().size()) + 1);
        if (!toArchive)
            QVERIFY(w.registrationSide().regLineText(1).find("Blue") != std::string::npos);
    }

    void keysActOnTheFocusedPane() {
        MainWindow& w = makeWithBothFiles();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        select(w.registrationList(), {0});
        select(w.archiveList(), {0});

        // Delete in the archive asks about the category with its lines; No keeps them.
        w.archiveList()->setFocus();
        ui_.answerYesNo(false);
        QTest::keyClick(w.archiveList(), Qt::Key_Delete);
        QCOMPARE(ui_.messageIds(), std::vector<const Message*>{&msg::DeleteCategoriesAndEntries});
        QCOMPARE(w.archiveSide().list().size(), size_t(2));
        QVERIFY(w.registrationSide().lines()[0].isBankLine); // the other pane is left alone

        // F2 on a category edits it, on a bank line its title.
        categoryAnswer_ = std::nullopt;
        QTest::keyClick(w.archiveList(), Qt::Key_F2);
        QCOMPARE(categoryAsked_, std::vector<std::string>{"Rock"});
        w.registrationList()->setFocus();
        bankTitleAnswer_ = "Hits";
        QTest::keyClick(w.registrationList(), Qt::Key_F2);
        QCOMPARE(bankTitleAsked_, std::vector<std::string>{"Pop"});
        QCOMPARE(w.registrationSide().regLineText(0), std::string("<01>\tHits"));
        QVERIFY(w.registrationSide().isModified());

        // A double click on a bank line edits its title as well.
        doubleClick(w.registrationList(), rowPoint(w.registrationList(), 9, 60));
        QCOMPARE(bankTitleAsked_, (std::vector<std::string>{"Pop", "<No Name>"}));
    }

    void editEntryStepsThroughTheBank() {
        MainWindow& w = makeWithBothFiles();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        std::vector<std::string> edited;
        std::vector<KeyboardModel> models;
        w.hooks().editEntry = [&](RegRecord& record, KeyboardModel model) {
            models.push_back(model);
            edited.push_back(record.title());
            if (edited.size() == 1) {
                record.setTitle("Opening");
                return EditEntryResult::Next;
            }
            return EditEntryResult::Cancel;
        };
        doubleClick(w.registrationList(), rowPoint(w.registrationList(), 1, 80));
        QCOMPARE(edited, (std::vector<std::string>{"Intro", "<Empty>"}));
        QCOMPARE(models, (std::vector<KeyboardModel>(2, KeyboardModel::Psr9000)));
        QCOMPARE(w.registrationList()->model()->index(1, 0).data().toString(),
                 QStringLiteral("<01/1>\t        Opening"));
        QCOMPARE(selectionOf(*w.registrationList()).lines, std::set<int>{2});
        QVERIFY(w.registrationSide().isModified());
        QVERIFY(!w.archiveSide().isModified());
    }

    void multiChangeWritesTheChosenFields() {
        MainWindow& w = makeWithBothFiles();
        select(w.registrationList(), {1, 2, 3});
        size_t gathered = 0;
        w.hooks().multiChange = [&](const MultiChangeForm& common) {
            gathered = common.set.size();
            MultiChangeForm chosen = common;
            chosen.setField(MultiChangeField::SongVolume, true);
            chosen.songVolume = 77;
            return std::optional(chosen);
        };
        button(ids::main::RegMultiChange)->click();
        QVERIFY(gathered > 0);
        for (int row : {1, 2, 3})
            QCOMPARE(w.registrationSide().lines()[static_cast<size_t>(row)].record.songVolume(),
                     77);
        QCOMPARE(w.registrationSide().lines()[4].record.songVolume(),
                 RegRecord::empty().songVolume());
        QVERIFY(w.registrationSide().isModified());
    }

    void searchSelectsTheHitAndOpensItsCategory() {
        MainWindow& w = makeWithBothFiles();
        select(w.archiveList(), {0});
        std::vector<bool> found;
        w.hooks().searchDialog = [&](SearchSide side, const SearchNext& next) {
            QCOMPARE(side, SearchSide::Archive);
            SearchRequest request;
            request.text = "blue";
            found.push_back(next(request));
            request.text = "nowhere";
            found.push_back(next(request));
        };
        button(ids::main::ArchiveSearch)->click();
        QCOMPARE(found, (std::vector<bool>{true, false}));
        // Jazz (line 1) was expanded to show its registration "Blue" at line 2.
        QCOMPARE(w.archiveList()->model()->rowCount(), 4);
        QCOMPARE(selectionOf(*w.archiveList()).lines, std::set<int>{2});
        QVERIFY(button(ids::main::ArchiveEditEntry)->isEnabled());
    }

    void protocolOfEitherPane_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("expected");
        QTest::newRow("registrations") << ids::main::RegProtocol << "Intro";
        QTest::newRow("archive") << ids::main::ArchiveProtocol << "Blue";
    }

    void protocolOfEitherPane() {
        QFETCH(int, id);
        QFETCH(QString, expected);
        MainWindow& w = makeWithBothFiles();
        w.hooks().protocolType = [] {
            return std::optional(ProtocolType::Tab);
        };
        const QString path = dir_.filePath(QStringLiteral("protocol %1.txt").arg(id));
        ui_.fileChosen(path.toStdString());
        button(id)->click();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromLatin1(file.readAll()).contains(expected));
        QCOMPARE(ui_.kinds(), std::vector{Kind::SaveFile});
    }

    void saveStyleLocationsNeedsIndividualNames() {
        MainWindow& w = make();
        w.start();
        std::vector<bool> asked;
        w.hooks().styleLocationsInfo = [&](bool update) {
            asked.push_back(update);
            return true;
        };
        QVERIFY(button(ids::main::SaveStyleLocations)->isEnabled());
        button(ids::main::SaveStyleLocations)->click();
        QCOMPARE(asked, std::vector<bool>{false});
        QCOMPARE(ui_.messageIds(), std::vector<const Message*>{&msg::NoIndividualStyleNamesLoaded});
    }

    // ---- Files ---------------------------------------------------------------------------------

    void handedFilesGoToTheirPanes() {
        MainWindow& w = make();
        const QString archive = writeArchive(dir_);
        const QString backup = writeRegBackup(dir_, QStringLiteral("named like an archive.yra"));
        w.openFiles({archive, backup});
        QCOMPARE(QString::fromStdString(w.registrationSide().currentPath()), backup);
        QCOMPARE(QString::fromStdString(w.archiveSide().currentPath()), archive);
        QCOMPARE(qobject_cast<QLabel*>(w.control(ids::main::RegCount))->text(),
                 QStringLiteral("512"));
        QCOMPARE(qobject_cast<QLabel*>(w.control(ids::main::ArchiveCount))->text(),
                 QStringLiteral("3"));
        QCOMPARE(qobject_cast<QLabel*>(w.control(ids::main::KeyboardName))->text(),
                 QStringLiteral("PSR9000"));
        QCOMPARE(selectionOf(*w.registrationList()).lines, std::set<int>{0});
        QCOMPARE(w.registrationList()->model()->index(1, 0).data().toString(),
                 QStringLiteral("<01/1>\t        Intro"));
    }

    void filesHandedWhileADialogIsOpenWaitForIt() {
        MainWindow& w = make();
        w.show();
        const QString backup = writeRegBackup(dir_);
        bool openWhileDialog = true;
        QDialog dialog(&w);
        QTimer::singleShot(0, &dialog, [&] {
            // Another start hands a file over while this dialog works on the lists.
            w.openFiles({backup});
            openWhileDialog = w.registrationSide().isOpen();
            dialog.reject();
        });
        dialog.exec();
        QVERIFY(!openWhileDialog);
        QTRY_VERIFY(w.registrationSide().isOpen());
        QCOMPARE(QString::fromStdString(w.registrationSide().currentPath()), backup);
    }

    void startReopensTheRecentArchiveUnlessOneIsHanded() {
        MainWindow::Setup setup;
        const QString recent = writeArchive(dir_, QStringLiteral("Recent.yra"));
        setup.settings.lastOpenArch[0] = recent.toStdString();
        make(setup).start();
        QCOMPARE(QString::fromStdString(window_->archiveSide().currentPath()), recent);

        // A missing recent archive would be reported if it were read.
        setup.settings.lastOpenArch[0] = dir_.filePath(QStringLiteral("gone.yra")).toStdString();
        const QString handed = writeArchive(dir_, QStringLiteral("Handed.yra"));
        make(setup).start({handed});
        QCOMPARE(QString::fromStdString(window_->archiveSide().currentPath()), handed);
        QVERIFY(ui_.events().empty());
    }

    // ---- Settings and style names --------------------------------------------------------------

    void settingsDialogShowsTheFiltersOnlyInExtendedMode_data() {
        QTest::addColumn<bool>("extended");
        QTest::newRow("extended") << true;
        QTest::newRow("normal") << false;
    }

    void settingsDialogShowsTheFiltersOnlyInExtendedMode() {
        QFETCH(bool, extended);
        MainWindow::Setup setup;
        setup.extendedMode = extended;
        MainWindow& w = make(setup);
        // The window's own Settings dialog.
        w.hooks().settingsDialog = [&w](const SettingsDialog::Values& values, bool mode) {
            SettingsDialog dialog(values, mode, w.language(), &w);
            return dialog.exec() == QDialog::Accepted ? std::optional(dialog.values())
                                                      : std::nullopt;
        };
        std::vector<bool> shown;
        QTimer::singleShot(0, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog && dialog != &w);
            for (int id :
                 {ids::settings::HideDuplicateBankTitles, ids::settings::HideEmptyEntries}) {
                auto* box = dialog->findChild<QCheckBox*>(QString::number(id));
                shown.push_back(box && box->isVisible());
                if (box)
                    box->setChecked(true);
            }
            static_cast<QDialog*>(dialog)->accept();
        });
        button(ids::main::Settings)->click();
        QCOMPARE(shown, (std::vector<bool>{extended, extended}));
        // Only the extended mode takes the filters over.
        QCOMPARE(w.registrationSide().options().filters.hideEmptyEntries, extended);
        QCOMPARE(w.currentSettings().hideDuplicateBankTitles, extended);
    }

    void settingsChangeRebuildsTheOpenList() {
        MainWindow::Setup setup;
        setup.extendedMode = true;
        MainWindow& w = make(setup);
        w.openFiles({writeRegBackup(dir_)});
        w.hooks().settingsDialog = [](SettingsDialog::Values values, bool) {
            values.hideEmptyEntries = true;
            values.pcPaths[1] = "D:";
            return std::optional(values);
        };
        button(ids::main::Settings)->click();
        // Only the first bank holds a registration; everything after it is hidden.
        QCOMPARE(w.registrationList()->model()->rowCount(), 3);
        QCOMPARE(qobject_cast<QLabel*>(w.control(ids::main::RegCount))->text(),
                 QStringLiteral("1"));
        QVERIFY(!w.registrationSide().isModified());
        QCOMPARE(w.currentSettings().pcPath[1], std::string("D:"));
    }

    void cancelledIndividualChoiceGivesFactoryNames() {
        MainWindow::Setup setup;
        setup.settings.flashStyleMode = 1;
        MainWindow& w = make(setup);
        w.start();
        QVERIFY(qobject_cast<QRadioButton*>(w.control(ids::main::FlashDefault))->isChecked());
        ui_.backupSetDialogCancelled();
        qobject_cast<QRadioButton*>(w.control(ids::main::FlashIndividual))->click();
        QVERIFY(qobject_cast<QRadioButton*>(w.control(ids::main::FlashFactory))->isChecked());
        QCOMPARE(names_.longName(kFirstFlashStyle), std::string("Flash I - 60's Rock 1"));
        QCOMPARE(w.currentSettings().flashStyleMode, 0);
    }

    void diskStyleFolderChoice() {
        MainWindow& w = make();
        const QString folder = dir_.filePath(QStringLiteral("styles"));
        QVERIFY(QDir().mkpath(folder));
        w.hooks().diskStyleFolder = [&](const std::string&) {
            return std::optional(folder.toStdString());
        };
        qobject_cast<QRadioButton*>(w.control(ids::main::DiskFolder))->click();
        // No style file there: told so, back to numbers, the folder stays in its field.
        QCOMPARE(ui_.messageIds(), std::vector<const Message*>{&msg::NoStyleFilesFound});
        QVERIFY(qobject_cast<QRadioButton*>(w.control(ids::main::DiskNumber))->isChecked());
        QCOMPARE(qobject_cast<QLabel*>(w.control(ids::main::DiskFolderText))->text(),
                 QDir::toNativeSeparators(folder));
        QCOMPARE(disk_.text(0), std::string("DiskStyle <001>"));
    }

    // ---- Help ----------------------------------------------------------------------------------

    void helpLooksInTheStartFolderFirst() {
        const QStringList candidates = helpDocumentCandidates(
            Language::English, {QStringLiteral("/start"), QStringLiteral("/prog"), QString()});
        QCOMPARE(candidates, (QStringList{"/start/Tombrel_e.htm", "/start/docs/help/Tombrel_e.htm",
                                          "/prog/Tombrel_e.htm", "/prog/docs/help/Tombrel_e.htm"}));
        QCOMPARE(helpDocumentName(Language::German), QStringLiteral("Tombrel.htm"));
    }

    void help_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("present"); // where the document lies, empty for nowhere
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("warning"); // the message shown, empty for none
        const int en = int(Language::English), de = int(Language::German);
        QTest::newRow("English beside the program")
            << en << "prog/Tombrel_e.htm" << true << QString();
        QTest::newRow("German in the start folder's docs")
            << de << "start/docs/help/Tombrel.htm" << true << QString();
        QTest::newRow("only the other language")
            << en << "start/Tombrel.htm" << true << QStringLiteral("HelpNotFound");
        QTest::newRow("nowhere") << de << QString() << true << QStringLiteral("HelpNotFound");
        QTest::newRow("no program for it")
            << en << "start/Tombrel_e.htm" << false << QStringLiteral("HelpCannotBeOpened");
    }

    void help() {
        QFETCH(int, language);
        QFETCH(QString, present);
        QFETCH(bool, opens);
        QFETCH(QString, warning);
        QTemporaryDir folders;
        QVERIFY(QDir(folders.path()).mkpath(QStringLiteral("start/docs/help")));
        QVERIFY(QDir(folders.path()).mkpath(QStringLiteral("prog")));
        if (!present.isEmpty())
            writeFile(folders.filePath(present), {'<', 'p', '>'});
        MainWindow::Setup setup;
        setup.lang = static_cast<Language>(language);
        setup.helpFolders = {folders.filePath(QStringLiteral("start")),
                             folders.filePath(QStringLiteral("prog"))};
        MainWindow& w = make(setup);
        QStringList opened;
        w.hooks().openDocument = [&](const QString& path) {
            opened << path;
            return opens;
        };
        button(ids::main::Help)->click();
        if (warning.isEmpty()) {
            QCOMPARE(opened, QStringList{folders.filePath(present)});
            QVERIFY(ui_.events().empty());
        } else {
            QCOMPARE(ui_.messageIds(),
                     std::vector<const Message*>{warning == QLatin1String("HelpNotFound")
                                                     ? &msg::HelpNotFound
                                                     : &msg::HelpCannotBeOpened});
            // The message names the document it looked for.
            QVERIFY(ui_.events()[0].message.text(Language::English).find("Tombrel") !=
                    std::string::npos);
        }
    }

    // ---- Look ----------------------------------------------------------------------------------

    void captions_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("caption");
        const int en = int(Language::English), de = int(Language::German);
        QTest::newRow("Exit") << en << 1 << "Exit";
        QTest::newRow("Ende") << de << 1 << "Ende";
        QTest::newRow("Save As") << en << ids::main::RegSaveAs << "Save As";
        QTest::newRow("Speich.unt.") << de << ids::main::ArchiveSaveAs << "Speich.unt.";
        QTest::newRow("Copy >>") << de << ids::main::CopyToArchive << "Kopieren >>";
        QTest::newRow("<< Move") << de << ids::main::MoveToRegistrations << "<< Verschieb.";
        QTest::newRow("Multi Change")
            << de << ids::main::ArchiveMultiChange << QString::fromUtf8("Mehrf. Änd.");
        QTest::newRow("Save Sty. Loc.") << de << ids::main::SaveStyleLocations << "Sty.Pos.speich.";
        QTest::newRow("Kateg. sort.") << de << ids::main::SortCategory << "Kateg. sort.";
        QTest::newRow("Factory stays English") << de << ids::main::FlashFactory << "Factory";
        QTest::newRow("Folder: stays English") << de << ids::main::DiskFolder << "Folder:";
        QTest::newRow("Archiv") << de << ids::main::ArchivePane << "Archiv";
        QTest::newRow("Titel der Flash Styles")
            << de << ids::main::FlashGroup << "Titel der Flash Styles";
    }

    void captions() {
        QFETCH(int, language);
        QFETCH(int, id);
        QFETCH(QString, caption);
        MainWindow::Setup setup;
        setup.lang = static_cast<Language>(language);
        MainWindow& w = make(setup);
        QWidget* c = w.control(id);
        QVERIFY(c);
        if (auto* b = qobject_cast<QAbstractButton*>(c))
            QCOMPARE(b->text(), caption);
        else
            QCOMPARE(qobject_cast<QGroupBox*>(c)->title(), caption);
    }

    void modifiedMarkFollowsEveryCommand_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("word");
        QTest::newRow("English") << int(Language::English) << "modified";
        QTest::newRow("German") << int(Language::German) << QString::fromUtf8("geändert");
    }

    // Each pane marks its unsaved changes beside its count, with the file's name as its recent
    // box shows it; the window title stays as it is.
    void modifiedMarkFollowsEveryCommand() {
        QFETCH(int, language);
        QFETCH(QString, word);
        MainWindow::Setup setup;
        setup.lang = static_cast<Language>(language);
        MainWindow& w = make(setup);
        const QString title = w.windowTitle();
        auto* regMark = w.findChild<QLabel*>(QStringLiteral("registrationModifiedMark"));
        auto* archMark = w.findChild<QLabel*>(QStringLiteral("archiveModifiedMark"));
        QVERIFY(regMark && archMark);
        QVERIFY(!regMark->accessibleDescription().isEmpty());
        QCOMPARE(regMark->text(), QString());
        w.openFiles({writeRegBackup(dir_), writeArchive(dir_)});
        QCOMPARE(regMark->text(), QString());
        QCOMPARE(archMark->text(), QString());

        // The backup sits in a plain folder: with the backup structure on, the recent box shows
        // the folder.
        const QString regMarked =
            QStringLiteral("* %1 (%2)").arg(QFileInfo(dir_.path()).fileName(), word);
        select(w.registrationList(), {1});
        button(1020)->click(); // New Entry
        QCOMPARE(regMark->text(), regMarked);
        QCOMPARE(archMark->text(), QString());

        select(w.registrationList(), {1});
        select(w.archiveList(), {0});
        button(1021)->click(); // Copy >>
        QCOMPARE(archMark->text(), QStringLiteral("* Lib.yra (%1)").arg(word));

        button(1003)->click(); // Save on the registration side
        QVERIFY(!w.registrationSide().isModified());
        QCOMPARE(regMark->text(), QString());
        QCOMPARE(archMark->text(), QStringLiteral("* Lib.yra (%1)").arg(word));

        button(1007)->click(); // Save on the archive side
        QCOMPARE(archMark->text(), QString());

        // A list made by New has no name yet.
        ui_.keyboardChosen(KeyboardModel::Psr9000);
        button(1001)->click();
        select(w.registrationList(), {0});
        button(1030)->click(); // New Bank
        QVERIFY(w.registrationSide().isUntitled());
        QCOMPARE(regMark->text(), QStringLiteral("* (%1)").arg(word));
        QCOMPARE(w.windowTitle(), title);
    }

    void windowTitleAndRegistrationPaneStayEnglish() {
        MainWindow::Setup setup;
        setup.lang = Language::German;
        MainWindow& w = make(setup);
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("Tombrel  -  Registration Editor for Yamaha PSR-9000 / 9000pro"));
        QCOMPARE(w.findChild<QGroupBox*>(QStringLiteral("registrationPane"))->title(),
                 QStringLiteral("Registration"));
    }

    void everyControlOfTheWindowIsThere() {
        MainWindow& w = make();
        const int all[] = {ids::main::Exit,
                           ids::main::RegNew,
                           ids::main::RegOpen,
                           ids::main::RegSave,
                           ids::main::RegClose,
                           ids::main::ArchiveNew,
                           ids::main::ArchiveOpen,
                           ids::main::ArchiveSave,
                           ids::main::ArchiveClose,
                           ids::main::RegSaveAs,
                           ids::main::RegList,
                           ids::main::ArchiveList,
                           ids::main::ArchiveNewEntry,
                           ids::main::CopyToRegistrations,
                           ids::main::MoveToRegistrations,
                           ids::main::ArchiveDelete,
                           ids::main::ArchiveUp,
                           ids::main::ArchiveDown,
                           ids::main::KeyboardName,
                           ids::main::FlashFactory,
                           ids::main::RegNewEntry,
                           ids::main::CopyToArchive,
                           ids::main::RegRecent,
                           ids::main::ArchiveRecent,
                           ids::main::MoveToArchive,
                           ids::main::RegDelete,
                           ids::main::RegUp,
                           ids::main::RegCount,
                           ids::main::ArchiveCount,
                           ids::main::RegDown,
                           ids::main::RegNewBank,
                           ids::main::ArchiveNewBank,
                           ids::main::NewCategory,
                           ids::main::RegEditEntry,
                           ids::main::ArchiveEditEntry,
                           ids::main::EditCategory,
                           ids::main::ArchiveSaveAs,
                           ids::main::FlashDefault,
                           ids::main::FlashIndividual,
                           ids::main::FlashFile,
                           ids::main::RegSearch,
                           ids::main::ArchiveSearch,
                           ids::main::Settings,
                           ids::main::RegProtocol,
                           ids::main::ArchiveProtocol,
                           ids::main::DiskFolderText,
                           ids::main::SaveStyleLocations,
                           ids::main::RegUpdateStyles,
                           ids::main::ArchiveUpdateStyles,
                           ids::main::Help,
                           ids::main::Undo,
                           ids::main::Redo,
                           ids::main::RegMultiChange,
                           ids::main::ArchiveMultiChange,
                           ids::main::SortCategory,
                           ids::main::DiskNumber,
                           ids::main::DiskFolder,
                           ids::main::FlashGroup,
                           ids::main::DiskGroup,
                           ids::main::ArchivePane};
        for (int id : all)
            QVERIFY2(w.findChildren<QWidget*>(QString::number(id)).size() == 1,
                     qPrintable(QString::number(id)));
    }

    void fitsASmallScreen_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << int(Language::English);
        QTest::newRow("German") << int(Language::German);
    }

    void fitsASmallScreen() {
        QFETCH(int, language);
        MainWindow::Setup setup;
        setup.lang = static_cast<Language>(language);
        MainWindow& w = make(setup);
        // 1280 x 800 with room for the title bar and a task bar.
        QVERIFY(w.minimumSize().width() <= 1280);
        QVERIFY(w.minimumSize().height() <= 720);
        QVERIFY(w.minimumSizeHint().height() <= 720);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
