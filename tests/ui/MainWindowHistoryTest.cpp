// Undo and Redo on the real window: the buttons and their tool tips in both languages, the keys
// wherever the focus is, the lines shown again, the save-changes prompts after undoing, and a
// replaced archive taking its steps with it.

#include "core/commands/EditHistory.h"
#include "core/files/ArchiveFile.h"
#include "core/files/RegBackupFile.h"
#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "ui/ArchiveListModel.h"
#include "ui/ControlIds.h"
#include "ui/MainWindow.h"
#include "ui/PaneListView.h"

#include "ScriptedInteraction.h"
#include "WindowTestFiles.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

using namespace tombrel;
using namespace tombrel::test;

namespace {

// A backup whose first bank "Pop" holds "Intro" and "Verse".
QString writeRegBackup(const QTemporaryDir& dir) {
    RegList lines{RegEntry::bankLine("Pop"), RegEntry::registration(named("Intro")),
                  RegEntry::registration(named("Verse"))};
    const QString path = dir.filePath(QStringLiteral("REG.bup"));
    writeFile(path, buildRegBackupImage(lines, KeyboardModel::Psr9000));
    return path;
}

// Two collapsed categories: "Rock" (a bank title line, "One", "Two") and "Jazz" ("Blue").
QString writeArchive(const QTemporaryDir& dir, const QString& name) {
    ArchiveList list{ArchiveEntry::category("Rock"), ArchiveEntry::category("Jazz")};
    list[0].hiddenChildren = {RegEntry::bankLine("Live"), RegEntry::registration(named("One")),
                              RegEntry::registration(named("Two"))};
    list[1].hiddenChildren = {RegEntry::registration(named("Blue"))};
    const QString path = dir.filePath(name);
    writeFile(path, buildArchiveImage(list));
    return path;
}

constexpr int kUndo = ids::main::Undo;
constexpr int kRedo = ids::main::Redo;

} // namespace

class MainWindowHistoryTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    ScriptedInteraction ui_;
    StyleNameTable names_;
    DiskStyleTexts disk_;
    std::unique_ptr<MainWindow> window_;
    std::optional<std::string> categoryAnswer_;

    MainWindow& make(Language lang = Language::English) {
        window_.reset();
        ui_ = ScriptedInteraction();
        MainWindow::Setup setup;
        setup.lang = lang;
        setup.startDirectory = dir_.path();
        window_ = std::make_unique<MainWindow>(setup, names_, disk_, &ui_);
        window_->hooks().storeSettings = [](const Settings&) {
        };
        window_->hooks().categoryName = [this](const std::string&) {
            return categoryAnswer_;
        };
        window_->openFiles({writeRegBackup(dir_), writeArchive(dir_, QStringLiteral("Lib.yra"))});
        window_->show();
        if (!QTest::qWaitForWindowActive(window_.get()))
            qWarning("the window did not become active");
        return *window_;
    }

    QPushButton* button(int id) { return qobject_cast<QPushButton*>(window_->control(id)); }

    void select(PaneListView* list, std::initializer_list<int> rows) {
        showSelection(*list, ListSelection::of(rows));
        list->setFocus();
    }

    std::vector<std::string> archiveTexts() {
        std::vector<std::string> out;
        // Registrations are indented under their bank title; the titles are enough here.
        for (const ArchiveEntry& line : window_->archiveSide().list())
            out.push_back(line.isCategory   ? line.categoryName
                          : line.isBankLine ? line.bankTitle
                                            : line.record.title());
        return out;
    }

private Q_SLOTS:
    void cleanup() { window_.reset(); }

    void buttonsNameTheStepAndPutTheLinesBack() {
        MainWindow& w = make();
        QVERIFY(!button(kUndo)->isEnabled());
        QVERIFY(!button(kRedo)->isEnabled());
        QCOMPARE(button(kUndo)->toolTip(), QStringLiteral("Nothing to undo"));

        select(w.registrationList(), {1, 2});
        ui_.answerYesNo(true); // "Delete 2 entries?"
        QTest::mouseClick(button(ids::main::RegDelete), Qt::LeftButton);
        QVERIFY(w.registrationSide().lines()[1].record.isEmpty()); // the bank padded again
        QVERIFY(button(kUndo)->isEnabled());
        QCOMPARE(button(kUndo)->toolTip(), QStringLiteral("Undo Delete 2 entries"));
        QVERIFY(w.registrationSide().isModified());

        QTest::mouseClick(button(kUndo), Qt::LeftButton);
        QCOMPARE(w.registrationSide().lines()[1].record.title(), std::string("Intro"));
        QCOMPARE(w.registrationSide().lines()[2].record.title(), std::string("Verse"));
        QCOMPARE(selectionOf(*w.registrationList()), ListSelection::of({1, 2}));
        QVERIFY(!w.registrationSide().isModified());
        QVERIFY(!button(kUndo)->isEnabled());
        QVERIFY(button(kRedo)->isEnabled());
        QCOMPARE(button(kRedo)->toolTip(), QStringLiteral("Redo Delete 2 entries"));

        QTest::mouseClick(button(kRedo), Qt::LeftButton);
        QVERIFY(w.registrationSide().lines()[1].record.isEmpty());
        QVERIFY(w.registrationSide().isModified());
        QCOMPARE(button(kUndo)->toolTip(), QStringLiteral("Undo Delete 2 entries"));
    }

    void keysWorkWhereverTheFocusIs_data() {
        QTest::addColumn<QKeySequence>("redo");
        QTest::newRow("Ctrl+Y") << QKeySequence(Qt::CTRL | Qt::Key_Y);
        QTest::newRow("Ctrl+Shift+Z") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    }

    void keysWorkWhereverTheFocusIs() {
        QFETCH(QKeySequence, redo);
        MainWindow& w = make();
        select(w.registrationList(), {1});
        QTest::mouseClick(button(ids::main::RegDelete), Qt::LeftButton); // one line: no question
        QCOMPARE(w.registrationSide().lines()[1].record.title(), std::string("Verse"));

        // The focus in the other pane's list, then on a button of the window.
        w.archiveList()->setFocus();
        QTest::keySequence(w.archiveList(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(w.registrationSide().lines()[1].record.title(), std::string("Intro"));
        button(ids::main::Settings)->setFocus();
        QTest::keySequence(button(ids::main::Settings), redo);
        QCOMPARE(w.registrationSide().lines()[1].record.title(), std::string("Verse"));
        QVERIFY(w.registrationSide().isModified());
    }

    void germanToolTips() {
        make(Language::German);
        select(window_->registrationList(), {1});
        QTest::mouseClick(button(ids::main::RegDelete), Qt::LeftButton);
        QCOMPARE(button(kUndo)->toolTip(), QStringLiteral("Rückgängig: 1 Eintrag löschen"));
        QCOMPARE(button(kUndo)->text(), QStringLiteral("Rückgängig"));
        QCOMPARE(button(kRedo)->toolTip(), QStringLiteral("Nichts zu wiederholen"));
    }

    void undoingToTheSavedStateLeavesWithoutAsking() {
        MainWindow& w = make();
        select(w.archiveList(), {0});
        categoryAnswer_ = "Hard Rock";
        QTest::mouseClick(button(ids::main::EditCategory), Qt::LeftButton);
        QCOMPARE(archiveTexts().front(), std::string("Hard Rock"));
        QCOMPARE(button(kUndo)->toolTip(), QStringLiteral("Undo Edit Category"));
        QTest::mouseClick(button(kUndo), Qt::LeftButton);
        QCOMPARE(archiveTexts().front(), std::string("Rock"));
        QVERIFY(w.leave()); // nothing asked
        QVERIFY(ui_.events().empty());
    }

    void undoingPastASaveAsksAgain() {
        MainWindow& w = make();
        select(w.archiveList(), {0});
        categoryAnswer_ = "Hard Rock";
        QTest::mouseClick(button(ids::main::EditCategory), Qt::LeftButton);
        QTest::mouseClick(button(ids::main::ArchiveSave), Qt::LeftButton);
        QVERIFY(!w.archiveSide().isModified());
        QTest::keySequence(w.archiveList(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(w.archiveSide().isModified());
        ui_.answer(Answer::Cancel);
        QVERIFY(!w.leave());
        QCOMPARE(ui_.kinds(),
                 std::vector<ScriptedInteraction::Kind>{ScriptedInteraction::Kind::AskYesNoCancel});
    }

    void undoOpensTheCategoryTheLineCameFrom() {
        MainWindow& w = make();
        auto* model = qobject_cast<ArchiveListModel*>(w.archiveList()->model());
        QVERIFY(model->toggleCategory(0)); // Rock open: Live, One, Two
        select(w.archiveList(), {2});
        QTest::mouseClick(button(ids::main::ArchiveDelete), Qt::LeftButton); // Delete "One"
        QCOMPARE(archiveTexts(), (std::vector<std::string>{"Rock", "Live", "Two", "Jazz"}));
        // Collapsing is no step.
        QVERIFY(model->toggleCategory(0));
        QCOMPARE(archiveTexts(), (std::vector<std::string>{"Rock", "Jazz"}));
        QCOMPARE(button(kUndo)->toolTip(), QStringLiteral("Undo Delete 1 entry"));
        QTest::mouseClick(button(kUndo), Qt::LeftButton);
        QCOMPARE(archiveTexts(), (std::vector<std::string>{"Rock", "Live", "One", "Two", "Jazz"}));
        QCOMPARE(selectionOf(*w.archiveList()), ListSelection::single(2));
        QCOMPARE(w.archiveList()->model()->rowCount(), 6); // the trailing line too
    }

    void anotherArchiveTakesItsStepsWithIt() {
        MainWindow& w = make();
        select(w.registrationList(), {1});
        QTest::mouseClick(button(ids::main::RegDelete), Qt::LeftButton); // registrations
        select(w.archiveList(), {0});
        categoryAnswer_ = "Hard Rock";
        QTest::mouseClick(button(ids::main::EditCategory), Qt::LeftButton); // archive
        ui_.answer(Answer::No); // do not save the archive
        w.openFiles({writeArchive(dir_, QStringLiteral("Other.yra"))});
        QCOMPARE(archiveTexts().front(), std::string("Rock"));
        // Every step up to the archive's last one went; nothing older stays.
        QVERIFY(!button(kUndo)->isEnabled());
        QCOMPARE(w.editHistory().undoCount(), size_t(0));
    }
};

QTEST_MAIN(MainWindowHistoryTest)
#include "MainWindowHistoryTest.moc"
