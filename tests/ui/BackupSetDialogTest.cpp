#include "ui/BackupSetDialog.h"
#include "ui/BackupSetIcons.h"
#include "ui/ControlIds.h"
#include "ui/DialogButtons.h"
#include "ui/FolderTree.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace tombrel;

namespace {

// Sets made in a temporary folder: a folder with BACKUP.INI is a set, one without is not.
class Shelf {
public:
    Shelf() {
        makeSet(QStringLiteral("Show.B07"), {QStringLiteral("REG.bup")});
        makeSet(QStringLiteral("Live.buf"), {QStringLiteral("reg_pro.BUP")});
        makeSet(QStringLiteral("Styles.buf"), {QStringLiteral("STY.B01")});
        makeSet(QStringLiteral("Disk.B00"), {});
        QDir(dir_.path()).mkpath(QStringLiteral("Data.buf"));
        touch(QStringLiteral("Data.buf/REG.bup"));
        QDir(dir_.path()).mkpath(QStringLiteral("Plain"));
    }
    std::string path(const QString& relative = {}) const {
        return QDir::toNativeSeparators(relative.isEmpty() ? dir_.path() : dir_.filePath(relative))
            .toStdString();
    }
    std::vector<FolderRoot> roots() const {
        return {{dir_.path(), QStringLiteral("Shelf"), {}, false}};
    }
    void touch(const QString& relative) const {
        QFile file(dir_.filePath(relative));
        file.open(QIODevice::WriteOnly);
        file.write("x");
    }

private:
    void makeSet(const QString& name, const QStringList& files) {
        QDir(dir_.path()).mkpath(name);
        touch(name + QStringLiteral("/BACKUP.INI"));
        for (const QString& file : files)
            touch(name + QLatin1Char('/') + file);
    }
    QTemporaryDir dir_;
};

BackupSetDialog::Options options(BackupSetDialog::Mode mode, const std::string& initialPath = {}) {
    BackupSetDialog::Options o;
    o.mode = mode;
    o.caption = QStringLiteral("Registration backup");
    o.matchingSetIcon = backupSetIcon(BackupSetIcon::Registration);
    o.pattern = "REG*.bup";
    o.initialPath = initialPath;
    return o;
}

QModelIndex childNamed(const QAbstractItemModel* model, const QModelIndex& parent,
                       const QString& text) {
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        if (index.data().toString() == text)
            return index;
    }
    return {};
}

// The tree reads folders in the background: waits until it has gone where it was sent and has
// read what is open.
bool settled(const BackupSetDialog& dialog) {
    return QTest::qWaitFor(
        [&] { return !dialog.tree()->isSelecting() && !dialog.tree()->folderModel()->isReading(); },
        5000);
}

bool selectAndWait(FolderTree* tree, const QString& path) {
    QSignalSpy finished(tree, &FolderTree::selectionFinished);
    tree->selectFolderPath(path);
    if (finished.isEmpty() && !finished.wait(5000))
        return false;
    return finished.first().first().toBool();
}

void doubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at, QApplication::doubleClickInterval() + 10);
    QMouseEvent event(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

} // namespace

class BackupSetDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void setFoldersShowTheirSetNames() {
        Shelf shelf;
        const BackupSetDialog::Options o = options(BackupSetDialog::Mode::Open, shelf.path());
        BackupSetDialog dialog(o, Language::English, shelf.roots());
        QVERIFY(settled(dialog));
        const QAbstractItemModel* model = dialog.tree()->model();
        const QModelIndex top = model->index(0, 0);
        QStringList texts;
        for (int row = 0; row < model->rowCount(top); ++row)
            texts << model->index(row, 0, top).data().toString();
        // Data.buf has no BACKUP.INI and keeps its folder name; Disk.B00 has no disk number.
        QCOMPARE(texts,
                 (QStringList{"Data.buf", "Disk", "Live", "Plain", "Show [Disk-07]", "Styles"}));

        const auto iconOf = [&](const char* text) {
            return childNamed(model, top, QLatin1String(text))
                .data(Qt::DecorationRole)
                .value<QIcon>()
                .cacheKey();
        };
        // The caller's icon marks the sets that hold a registration backup; the other sets share
        // one icon of their own; plain folders keep the folder icon.
        const qint64 matching = o.matchingSetIcon.cacheKey();
        QCOMPARE(iconOf("Show [Disk-07]"), matching);
        QCOMPARE(iconOf("Live"), matching);
        QVERIFY(iconOf("Styles") != matching);
        QCOMPARE(iconOf("Styles"), iconOf("Disk"));
        QVERIFY(iconOf("Data.buf") != matching);
        QVERIFY(iconOf("Data.buf") != iconOf("Styles"));
        QCOMPARE(iconOf("Data.buf"), iconOf("Plain"));
    }

    void captionsByModeAndLanguage_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("nameEditable");
        const int open = int(BackupSetDialog::Mode::Open), save = int(BackupSetDialog::Mode::Save);
        const int en = int(Language::English), de = int(Language::German);
        QTest::newRow("open en") << open << en << "Open"
                                 << "Cancel"
                                 << "Filename:" << false;
        QTest::newRow("open de") << open << de << "\u00d6ffnen"
                                 << "Abbrechen"
                                 << "Dateiname:" << false;
        QTest::newRow("save en") << save << en << "Save"
                                 << "Cancel"
                                 << "Filename:" << true;
        QTest::newRow("save de") << save << de << "Speichern"
                                 << "Abbrechen"
                                 << "Dateiname:" << true;
    }

    void captionsByModeAndLanguage() {
        QFETCH(int, mode);
        QFETCH(int, language);
        QFETCH(QString, ok);
        QFETCH(QString, cancel);
        QFETCH(QString, label);
        QFETCH(bool, nameEditable);
        Shelf shelf;
        BackupSetDialog dialog(options(BackupSetDialog::Mode(mode)), Language(language),
                               shelf.roots());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Registration backup"));
        QCOMPARE(dialogButton(&dialog, ids::Ok)->text(), ok);
        QCOMPARE(dialogButton(&dialog, ids::Cancel)->text(), cancel);
        QCOMPARE(dialog.findChild<QLabel*>(QString::number(ids::backupSet::NameLabel))->text(),
                 label);
        QCOMPARE(dialog.findChild<QLineEdit*>(QString::number(ids::backupSet::Name))->isEnabled(),
                 nameEditable);
        QVERIFY(dialog.findChild<FolderTree*>(QString::number(ids::backupSet::Tree)));
    }

    void savingByTypedName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("folder");
        // The set on disk is Show.B07; a typed name finds it whatever the case.
        QTest::newRow("disk number of an existing set") << "Show [Disk-07]"
                                                        << "Show.B07";
        QTest::newRow("disk number of a new set") << "Tour [Disk-03]"
                                                  << "Tour.b03";
        QTest::newRow("plain name") << "Live"
                                    << "Live.buf";
        QTest::newRow("name with extension") << "Live.buf"
                                             << "Live.buf";
        QTest::newRow("new set") << "New Songs"
                                 << "New Songs.buf";
    }

    void savingByTypedName() {
        QFETCH(QString, typed);
        QFETCH(QString, folder);
        Shelf shelf;
        BackupSetDialog dialog(options(BackupSetDialog::Mode::Save, shelf.path()),
                               Language::English, shelf.roots());
        dialog.show();
        QVERIFY(settled(dialog));
        QCOMPARE(dialog.currentFolder(), shelf.path());
        dialog.nameField()->clear();
        QTest::keyClicks(dialog.nameField(), typed);
        QTest::mouseClick(dialogButton(&dialog, ids::Ok), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(dialog.resultPath()),
                 QString::fromStdString(shelf.path()) + QDir::separator() + folder);
    }

    void okNeedsAName() {
        Shelf shelf;
        BackupSetDialog dialog(options(BackupSetDialog::Mode::Save, shelf.path("Plain")),
                               Language::English, shelf.roots());
        dialog.show();
        QVERIFY(settled(dialog));
        QVERIFY(dialog.nameField()->text().isEmpty());
        QTest::mouseClick(dialogButton(&dialog, ids::Ok), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QTest::keyClicks(dialog.nameField(), QStringLiteral("   "));
        QTest::mouseClick(dialogButton(&dialog, ids::Ok), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.currentFolder(), shelf.path("Plain"));
    }

    void selectingASetTakesItsName_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("name");    // "-": the field keeps "keep"
        QTest::addColumn<QString>("current"); // relative to the shelf, "." for the shelf
        const int open = int(BackupSetDialog::Mode::Open), save = int(BackupSetDialog::Mode::Save);
        QTest::newRow("open, set with a backup") << open << "Show.B07"
                                                 << "Show [Disk-07]"
                                                 << ".";
        QTest::newRow("open, set without one") << open << "Styles.buf"
                                               << "-"
                                               << "Styles.buf";
        QTest::newRow("open, folder that is no set") << open << "Data.buf"
                                                     << "-"
                                                     << "Data.buf";
        QTest::newRow("save, set with a backup") << save << "Live.buf"
                                                 << "Live"
                                                 << ".";
        QTest::newRow("save, set without one") << save << "Styles.buf"
                                               << "Styles"
                                               << ".";
        QTest::newRow("save, plain folder") << save << "Plain"
                                            << "-"
                                            << "Plain";
    }

    void selectingASetTakesItsName() {
        QFETCH(int, mode);
        QFETCH(QString, selected);
        QFETCH(QString, name);
        QFETCH(QString, current);
        Shelf shelf;
        BackupSetDialog dialog(options(BackupSetDialog::Mode(mode)), Language::English,
                               shelf.roots());
        QVERIFY(settled(dialog));
        dialog.nameField()->setText(QStringLiteral("keep"));
        QVERIFY(selectAndWait(dialog.tree(), QString::fromStdString(shelf.path(selected))));
        QCOMPARE(dialog.nameField()->text(),
                 name == QLatin1String("-") ? QStringLiteral("keep") : name);
        QCOMPARE(dialog.currentFolder(),
                 current == QLatin1String(".") ? shelf.path() : shelf.path(current));
    }

    void openingFindsTheBackupInsideTheSet() {
        Shelf shelf;
        BackupSetDialog dialog(options(BackupSetDialog::Mode::Open, shelf.path("Live.buf")),
                               Language::English, shelf.roots());
        QVERIFY(settled(dialog));
        QCOMPARE(dialog.nameField()->text(), QStringLiteral("Live"));
        QCOMPARE(QString::fromStdString(dialog.resultPath()),
                 QString::fromStdString(shelf.path("Live.buf/reg_pro.BUP")));
    }

    void openingASetThatLostItsBackupGivesTheFolder() {
        Shelf shelf;
        BackupSetDialog dialog(options(BackupSetDialog::Mode::Open, shelf.path("Show.B07")),
                               Language::English, shelf.roots());
        QVERIFY(settled(dialog));
        QCOMPARE(dialog.nameField()->text(), QStringLiteral("Show [Disk-07]"));
        QVERIFY(QFile::remove(QString::fromStdString(shelf.path("Show.B07/REG.bup"))));
        // The reader then refuses the folder with its own message.
        QCOMPARE(QString::fromStdString(dialog.resultPath()).toLower(),
                 QString::fromStdString(shelf.path("Show.b07")).toLower());
    }

    void doubleClickOpensASetWithABackup() {
        Shelf shelf;
        BackupSetDialog dialog(options(BackupSetDialog::Mode::Open, shelf.path("Plain")),
                               Language::English, shelf.roots());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(settled(dialog));
        FolderTree* tree = dialog.tree();
        const QModelIndex top = tree->model()->index(0, 0);
        const auto at = [tree](const QModelIndex& index) {
            tree->scrollTo(index);
            return tree->visualRect(index).center();
        };
        doubleClick(tree->viewport(), at(childNamed(tree->model(), top, "Styles")));
        QVERIFY(dialog.isVisible());
        doubleClick(tree->viewport(), at(childNamed(tree->model(), top, "Live")));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(dialog.resultPath()),
                 QString::fromStdString(shelf.path("Live.buf/reg_pro.BUP")));
    }

    // A path typed or pasted into the line above the tree, then Enter (rows with "paste" put it
    // in through the clipboard and click the dialog's button).
    void typedPathSelectsInTheTree_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed"); // relative to the shelf; "url:" makes a file link
        QTest::addColumn<bool>("paste");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("selected"); // the tree's folder, relative to the shelf
        QTest::addColumn<QString>("result");   // relative to the shelf, after acceptance
        const int open = int(BackupSetDialog::Mode::Open), save = int(BackupSetDialog::Mode::Save);
        QTest::newRow("open, a set with a backup")
            << open << "Show.B07" << false << true << "Show.B07"
            << "Show.B07/REG.bup";
        QTest::newRow("open, the backup file itself")
            << open << "Live.buf/reg_pro.BUP" << false << true << "Live.buf"
            << "Live.buf/reg_pro.BUP";
        QTest::newRow("open, a backup in a folder that is no set")
            << open << "Data.buf/REG.bup" << true << true << "Data.buf"
            << "Data.buf/REG.bup";
        QTest::newRow("open, a file link pasted")
            << open << "url:Live.buf/reg_pro.BUP" << true << true << "Live.buf"
            << "Live.buf/reg_pro.BUP";
        QTest::newRow("open, a plain folder is shown, not opened")
            << open << "Plain" << false << false << "Plain"
            << "";
        QTest::newRow("open, a set without a backup is shown")
            << open << "Styles.buf/" << false << false << "Styles.buf"
            << "";
        QTest::newRow("save, a set is shown with its name")
            << save << "Live.buf" << false << false << "Live.buf"
            << "";
        QTest::newRow("save, a file selects its set")
            << save << "Show.B07/REG.bup" << true << false << "Show.B07"
            << "";
    }

    void typedPathSelectsInTheTree() {
        QFETCH(int, mode);
        QFETCH(QString, typed);
        QFETCH(bool, paste);
        QFETCH(bool, accepted);
        QFETCH(QString, selected);
        QFETCH(QString, result);
        Shelf shelf;
        BackupSetDialog dialog(options(BackupSetDialog::Mode(mode), shelf.path("Plain")),
                               Language::English, shelf.roots());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QLineEdit* line = dialog.pathField();
        QTRY_COMPARE(line->text(), QString::fromStdString(shelf.path("Plain")));
        QString text = QString::fromStdString(shelf.path(typed));
        if (typed.startsWith(QLatin1String("url:")))
            text = QUrl::fromLocalFile(QString::fromStdString(shelf.path(typed.mid(4)))).toString();
        line->setFocus();
        line->selectAll();
        if (paste) {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(line->text(), text);
            QTest::mouseClick(dialogButton(&dialog, 1), Qt::LeftButton);
        } else {
            QTest::keyClicks(line, text);
            QTest::keyClick(line, Qt::Key_Return);
        }
        QCOMPARE(dialog.pathMessage(), QString());
        QCOMPARE(dialog.tree()->selectedFolderPath(), QString::fromStdString(shelf.path(selected)));
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(dialog.isVisible(), !accepted);
        if (accepted) {
            QCOMPARE(QString::fromStdString(dialog.resultPath()).toLower(),
                     QString::fromStdString(shelf.path(result)).toLower());
            return;
        }
        if (mode == int(BackupSetDialog::Mode::Save)) {
            // The set's name was taken: Save now saves into it.
            QTest::mouseClick(dialogButton(&dialog, 1), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(QString::fromStdString(dialog.resultPath()),
                     QString::fromStdString(shelf.path(selected)));
        }
    }

    void typedPathThatCannotBeShown_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("outsideTheTree");
        QTest::addColumn<QString>("message");
        const int en = int(Language::English), de = int(Language::German);
        QTest::newRow("missing, English") << en << false << "There is no folder or file \"%1\".";
        QTest::newRow("missing, German")
            << de << false << "Es gibt keinen Ordner und keine Datei \"%1\".";
        QTest::newRow("outside the tree, English")
            << en << true << "The folder \"%1\" is not shown in the tree.";
        QTest::newRow("outside the tree, German")
            << de << true << "Der Ordner \"%1\" wird im Baum nicht angezeigt.";
    }

    // The dialog stays where it was, says why, and keeps the text selected for correcting.
    void typedPathThatCannotBeShown() {
        QFETCH(int, language);
        QFETCH(bool, outsideTheTree);
        QFETCH(QString, message);
        Shelf shelf;
        QTemporaryDir elsewhere;
        BackupSetDialog dialog(options(BackupSetDialog::Mode::Open, shelf.path("Live.buf")),
                               Language(language), shelf.roots());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // The tree reads its folders in the background: let it reach the folder it starts on.
        QTRY_COMPARE(dialog.tree()->selectedFolderPath(),
                     QString::fromStdString(shelf.path("Live.buf")));
        const QString path = outsideTheTree ? QDir::toNativeSeparators(elsewhere.path())
                                            : QString::fromStdString(shelf.path("Gone.buf"));
        QLineEdit* line = dialog.pathField();
        line->setFocus();
        line->selectAll();
        QTest::keyClicks(line, path);
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_COMPARE(dialog.pathMessage(), message.arg(path));
        QVERIFY(dialog.isVisible());
        QCOMPARE(line->selectedText(), path);
        QCOMPARE(dialog.tree()->selectedFolderPath(),
                 QString::fromStdString(shelf.path("Live.buf")));
        // Typing again takes the message away; a click in the tree shows its folder.
        QTest::keyClick(line, Qt::Key_End);
        QTest::keyClicks(line, QStringLiteral("x"));
        QCOMPARE(dialog.pathMessage(), QString());
        QVERIFY(selectAndWait(dialog.tree(), QString::fromStdString(shelf.path("Plain"))));
        QTRY_COMPARE(line->text(), QString::fromStdString(shelf.path("Plain")));
    }
};

QTEST_MAIN(BackupSetDialogTest)
#include "BackupSetDialogTest.moc"
