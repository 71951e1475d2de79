// The Compare, file comparison and Duplicates dialogs, and the window's commands that open
// them: Ctrl+D on the selections of both panes, "Compare with file..." and "Find Duplicates"
// from the lists' context menus, and a picked group member selected in its pane.

#include "ui/CompareDialogs.h"
#include "core/files/ArchiveFile.h"
#include "core/files/RegBackupFile.h"
#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "ui/ArchiveListModel.h"
#include "ui/MainWindow.h"
#include "ui/PaneListView.h"
#include "ui/ViewSelection.h"

#include "ScriptedInteraction.h"
#include "WindowTestFiles.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <fstream>

using namespace tombrel;
using namespace tombrel::test;

namespace {

RegRecord named(const std::string& title, int tempo = 120) {
    RegRecord r = RegRecord::empty();
    r.setTitle(title);
    r.setActive(true);
    r.setTempo(tempo);
    return r;
}

ArchiveList library(int twoTempo = 100) {
    ArchiveList list{ArchiveEntry::category("Rock"), ArchiveEntry::category("Jazz")};
    list[0].hiddenChildren = {RegEntry::registration(named("One", 90)),
                              RegEntry::registration(named("Two", twoTempo))};
    list[1].hiddenChildren = {RegEntry::registration(named("intro  ", 77))};
    return list;
}

QAction* action(PaneListView* list, const char* name) {
    for (QAction* a : list->actions()) {
        if (a->objectName() == QLatin1String(name))
            return a;
    }
    return nullptr;
}

} // namespace

class CompareDialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    ScriptedInteraction ui_;
    StyleNameTable names_;
    DiskStyleTexts disk_;
    std::unique_ptr<MainWindow> window_;

    struct Shown {
        std::vector<CompareRow> rows;
        QString a, b;
        std::optional<FileComparison> files;
        std::vector<DuplicateGroup> groups;
        std::vector<std::vector<DuplicateLine>> members;
    } shown_;
    std::function<void(const std::function<void(size_t, size_t)>&)> pick_;

    // A backup with "Intro" at <01/1> and "Outro" at <01/2> beside the archive of library().
    MainWindow& make() {
        window_.reset();
        ui_ = ScriptedInteraction();
        shown_ = Shown();
        window_ = std::make_unique<MainWindow>(MainWindow::Setup{}, names_, disk_, &ui_);
        MainWindow::Hooks& hooks = window_->hooks();
        hooks.storeSettings = [](const Settings&) {
        };
        hooks.compareDialog = [this](const std::vector<CompareRow>& rows, const QString& a,
                                     const QString& b) {
            shown_.rows = rows;
            shown_.a = a;
            shown_.b = b;
        };
        hooks.fileComparisonDialog = [this](const FileComparison& c, const QString& a,
                                            const QString& b) {
            shown_.files = c;
            shown_.a = a;
            shown_.b = b;
        };
        hooks.duplicatesDialog = [this](const std::vector<DuplicateGroup>& groups,
                                        const std::vector<std::vector<DuplicateLine>>& members,
                                        const std::function<void(size_t, size_t)>& picked) {
            shown_.groups = groups;
            shown_.members = members;
            if (pick_)
                pick_(picked);
        };
        const QString reg = dir_.filePath(QStringLiteral("REG.bup"));
        writeFile(reg, buildRegBackupImage({RegEntry::bankLine("Pop"),
                                            RegEntry::registration(named("Intro", 120)),
                                            RegEntry::registration(named("Outro", 96))},
                                           KeyboardModel::Psr9000));
        const QString archive = dir_.filePath(QStringLiteral("Lib.yra"));
        writeFile(archive, buildArchiveImage(library()));
        window_->openFiles({reg, archive});
        return *window_;
    }

    void expandRock(MainWindow& w) {
        w.archiveSide().expandCategory(0);
        qobject_cast<ArchiveListModel*>(w.archiveList()->model())->reload();
    }

    std::vector<std::string> differingRows() const {
        std::vector<std::string> out;
        for (const CompareRow& r : shown_.rows) {
            if (r.differs)
                out.push_back(r.name + ": " + r.a + " / " + r.b);
        }
        return out;
    }

private Q_SLOTS:
    void cleanup() {
        window_.reset();
        pick_ = nullptr;
    }

    void compareDialogMarksDifferencesAndFiltersThem() {
        const std::vector<CompareRow> rows =
            compareRegistrations(named("Piano", 120), named("Piano", 96), FieldNames{});
        CompareDialog dialog(rows, QStringLiteral("A"), QStringLiteral("B"), Language::German);
        QTableWidget* table = dialog.table();
        QCOMPARE(table->rowCount(), static_cast<int>(rows.size()));
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Feld"));
        QCOMPARE(dialog.onlyDifferences()->text(), QStringLiteral("nur Unterschiede"));
        QVERIFY(!table->accessibleName().isEmpty());
        int tempoRow = -1;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, 0)->toolTip() == QLatin1String("Tempo"))
                tempoRow = row;
        }
        QVERIFY(tempoRow >= 0);
        QCOMPARE(table->item(tempoRow, 1)->text(), QStringLiteral("120"));
        QCOMPARE(table->item(tempoRow, 2)->text(), QStringLiteral("96"));
        QVERIFY(table->item(tempoRow, 0)->font().bold());
        QVERIFY(!table->item(0, 0)->font().bold());
        // The kept bytes come last, in hex.
        QCOMPARE(table->item(table->rowCount() - 1, 1)->text(), QStringLiteral("00 50"));

        dialog.onlyDifferences()->setChecked(true);
        int visible = 0;
        for (int row = 0; row < table->rowCount(); ++row)
            visible += table->isRowHidden(row) ? 0 : 1;
        QCOMPARE(visible, 1);
        QVERIFY(!table->isRowHidden(tempoRow));
        dialog.onlyDifferences()->setChecked(false);
        QVERIFY(!table->isRowHidden(0));
    }

    void fileComparisonDialogListsPlacesAndFields() {
        PlacedFile a, b;
        a.registrations.push_back({"Rock/1", named("One", 90)});
        b.registrations.push_back({"Rock/1", named("One", 80)});
        FileComparisonDialog dialog(compareFiles(a, b, {}), QStringLiteral("Archive"),
                                    QStringLiteral("other.yra"), Language::English);
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("summary"))->text(),
                 QStringLiteral("1 places differ."));
        QTreeWidget* tree = dialog.tree();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Rock/1"));
        QCOMPARE(tree->topLevelItem(0)->text(1), QStringLiteral("changed"));
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("Tempo"));
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(3), QStringLiteral("80"));
    }

    void duplicatesDialogReportsThePickedMember() {
        DuplicateGroup group{DuplicateKind::Title, {{0, 0}, {1, 3}}};
        std::vector<std::pair<size_t, size_t>> picked;
        DuplicatesDialog dialog(
            {group},
            {{{QStringLiteral("Registration"), QStringLiteral("<01/1>"), QStringLiteral("Intro")},
              {QStringLiteral("Archive"), QStringLiteral("Jazz/1"), QStringLiteral("intro")}}},
            [&](size_t g, size_t m) {
                picked.push_back({g, m});
            },
            Language::English);
        QTreeWidget* tree = dialog.tree();
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Same title (2)"));
        tree->setCurrentItem(tree->topLevelItem(0)); // a group line picks nothing
        tree->setCurrentItem(tree->topLevelItem(0)->child(1));
        QCOMPARE(picked, (std::vector<std::pair<size_t, size_t>>{{0, 1}}));
    }

    void ctrlDComparesTwoInOnePaneOrOneInEach() {
        MainWindow& w = make();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        expandRock(w);
        // Two in the archive pane, which has the focus.
        w.archiveList()->setFocus();
        showSelection(*w.archiveList(), ListSelection::of({1, 2}));
        QTest::keyClick(w.archiveList(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(shown_.a, QStringLiteral("Rock/1  One"));
        QCOMPARE(shown_.b, QStringLiteral("Rock/2  Two"));
        QCOMPARE(differingRows(),
                 (std::vector<std::string>{"Title: \"One\" / \"Two\"", "Tempo: 90 / 100"}));
        // One in each pane, from the registration list's context entry.
        showSelection(*w.archiveList(), ListSelection::of({2}));
        showSelection(*w.registrationList(), ListSelection::of({2}));
        action(w.registrationList(), "compare")->trigger();
        QCOMPARE(shown_.a, QStringLiteral("<01/2>  Outro"));
        QCOMPARE(shown_.b, QStringLiteral("Rock/2  Two"));
        QVERIFY(ui_.messageIds().empty());

        // Three registrations: the user is told what to select.
        shown_ = Shown();
        showSelection(*w.registrationList(), ListSelection::of({1, 2, 3}));
        w.registrationList()->setFocus();
        QTest::keyClick(w.registrationList(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(shown_.rows.empty());
        QCOMPARE(ui_.messageIds(), std::vector<const Message*>{&msg::CompareSelectTwo});
    }

    void compareWithFileShowsThePlacesOrTheReadersMessage() {
        MainWindow& w = make();
        const QString other = dir_.filePath(QStringLiteral("Other.yra"));
        writeFile(other, buildArchiveImage(library(60)));
        ui_.fileChosen(other.toStdString());
        action(w.archiveList(), "compareWithFile")->trigger();
        QVERIFY(shown_.files);
        QCOMPARE(shown_.files->differences.size(), size_t(1));
        QCOMPARE(shown_.files->differences[0].place, std::string("Rock/2"));
        QCOMPARE(shown_.files->differences[0].fields[0].field, std::string("Tempo"));
        QCOMPARE(shown_.b, other);

        // The pane against its own file: the same.
        ui_.fileChosen(dir_.filePath(QStringLiteral("REG.bup")).toStdString());
        action(w.registrationList(), "compareWithFile")->trigger();
        QVERIFY(shown_.files->same());

        shown_ = Shown();
        const QString bad = dir_.filePath(QStringLiteral("Bad.yra"));
        writeFile(bad, {'n', 'o'});
        ui_.fileChosen(bad.toStdString());
        action(w.archiveList(), "compareWithFile")->trigger();
        QVERIFY(!shown_.files);
        QCOMPARE(ui_.messageIds().back(), &msg::NotAnArchive);
    }

    void findDuplicatesAcrossBothPanesSelectsThePickedLine() {
        MainWindow& w = make();
        pick_ = [](const std::function<void(size_t, size_t)>& picked) {
            picked(0, 1);
        };
        action(w.registrationList(), "findDuplicatesBothPanes")->trigger();
        QCOMPARE(shown_.groups.size(), size_t(1));
        QCOMPARE(shown_.groups[0].by, DuplicateKind::Title);
        QCOMPARE(shown_.members[0][0].place, QStringLiteral("<01/1>"));
        QCOMPARE(shown_.members[0][1].pane, QStringLiteral("Archive"));
        QCOMPARE(shown_.members[0][1].place, QStringLiteral("Jazz/1"));
        // The picked member sat in the collapsed "Jazz": it is opened and its line selected.
        QCOMPARE(selectionOf(*w.archiveList()).lines, (std::set<int>{2}));
        QVERIFY(w.archiveSide().list()[1].expanded);

        // One pane alone has no duplicates.
        pick_ = nullptr;
        action(w.archiveList(), "findDuplicates")->trigger();
        QVERIFY(shown_.groups.empty());
    }
};

QTEST_MAIN(CompareDialogsTest)
#include "CompareDialogsTest.moc"
