#include "ui/FolderTree.h"
#include "ui/ControlIds.h"
#include "ui/DialogButtons.h"
#include "ui/DiskStyleFolderDialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QMutex>
#include <QPushButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

using namespace tombrel;

namespace {

// A small folder structure made for each test.
class Fixture {
public:
    explicit Fixture(const QStringList& folders, const QStringList& files = {}) {
        for (const QString& folder : folders)
            QDir().mkpath(path(folder));
        for (const QString& file : files) {
            QFile f(path(file));
            f.open(QIODevice::WriteOnly);
            f.write("x");
        }
    }
    QString path(const QString& relative = {}) const {
        return QDir::toNativeSeparators(relative.isEmpty() ? dir_.path() : dir_.filePath(relative));
    }
    std::vector<FolderRoot> roots() const {
        return {{dir_.path(), QStringLiteral("Top"), {}, false}};
    }

private:
    QTemporaryDir dir_;
};

QStringList childTexts(const QAbstractItemModel* model, const QModelIndex& parent) {
    QStringList texts;
    for (int row = 0; row < model->rowCount(parent); ++row)
        texts << model->index(row, 0, parent).data().toString();
    return texts;
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

// The tree reads folders in the background: these wait for it.
bool selectAndWait(FolderTree& tree, const QString& path) {
    QSignalSpy finished(&tree, &FolderTree::selectionFinished);
    tree.selectFolderPath(path);
    if (finished.isEmpty() && !finished.wait(5000))
        return false;
    return finished.first().first().toBool();
}

bool fillAndWait(FolderTreeModel& model, const QModelIndex& index) {
    model.fetchMore(index);
    return QTest::qWaitFor([&] { return model.isFilled(index) && !model.isReading(); }, 5000);
}

// A double click as the window system delivers it: press, release, double click, release. The
// first press comes well after any earlier click, so that it starts a double click of its own.
void doubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at, QApplication::doubleClickInterval() + 10);
    QMouseEvent event(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

} // namespace

class FolderTreeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsVisibleFoldersOnlyInNameOrder() {
        Fixture fx({"b", "A/child", "Disk 10", "Disk 2", ".hidden/inner", "apple"}, {"file.txt"});
        FolderTreeModel model;
        model.reset(fx.roots(), false);
        QCOMPARE(childTexts(&model, {}), QStringList{"Top"});
        const QModelIndex top = model.index(0, 0);
        QVERIFY(model.hasChildren(top));
        QVERIFY(model.canFetchMore(top));
        QCOMPARE(model.rowCount(top), 0); // nothing is read before the node is opened
        model.fetchMore(top);
        QVERIFY(!model.canFetchMore(top));
        QVERIFY(fillAndWait(model, top));
        QCOMPARE(childTexts(&model, top), (QStringList{"A", "apple", "b", "Disk 2", "Disk 10"}));
        QVERIFY(model.hasChildren(childNamed(&model, top, "A")));
        QVERIFY(!model.hasChildren(childNamed(&model, top, "b")));
        QCOMPARE(model.path(childNamed(&model, top, "b")),
                 QDir::fromNativeSeparators(fx.path("b")));
    }

    void selectsAFolderByPath_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("found");
        QTest::newRow("nested") << "A/child/deep" << true;
        QTest::newRow("first level") << "b" << true;
        QTest::newRow("with trailing separator") << "A/child/" << true;
        QTest::newRow("with dots") << "b/../A/child" << true;
        QTest::newRow("missing folder") << "A/none" << false;
        QTest::newRow("a file") << "A/song.mid" << false;
        QTest::newRow("hidden folder") << ".hidden" << false;
        QTest::newRow("name that only starts like a folder") << "A/chi" << false;
    }

    void selectsAFolderByPath() {
        QFETCH(QString, relative);
        QFETCH(bool, found);
        Fixture fx({"b", "A/child/deep", "A/children", ".hidden"}, {"A/song.mid"});
        FolderTree tree;
        tree.initFolderTree(false, {}, fx.roots());
        QCOMPARE(tree.selectedFolderPath(), fx.path()); // the first top-level node
        QSignalSpy spy(&tree, &FolderTree::selectedFolderChanged);
        const QString wanted = fx.path() + QDir::separator() + QDir::toNativeSeparators(relative);
        QCOMPARE(selectAndWait(tree, wanted), found);
        if (found) {
            const QString clean =
                QDir::toNativeSeparators(QDir::cleanPath(QDir::fromNativeSeparators(wanted)));
            QCOMPARE(tree.selectedFolderPath(), clean);
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.at(0).at(0).toString(), clean);
            for (QModelIndex up = tree.currentIndex().parent(); up.isValid(); up = up.parent())
                QVERIFY(tree.isExpanded(up));
        } else {
            QCOMPARE(tree.selectedFolderPath(), fx.path());
        }
    }

    void initialPathIsSelected() {
        Fixture fx({"A/child"});
        FolderTree tree;
        tree.initFolderTree(false, fx.path("A/child"), fx.roots());
        QTRY_COMPARE(tree.selectedFolderPath(), fx.path("A/child"));
    }

    void networkSharesHideWhenAsked_data() {
        QTest::addColumn<bool>("hide");
        QTest::newRow("shown") << false;
        QTest::newRow("hidden") << true;
    }

    void networkSharesHideWhenAsked() {
        QFETCH(bool, hide);
        Fixture fx({"Local", "Share/Songs", "Remote/Songs"});
        std::vector<FolderRoot> roots = fx.roots();
        roots.push_back({fx.path("Remote"), QStringLiteral("Remote"), {}, true});
        FolderTree tree;
        tree.initFolderTree(hide, {}, roots, {fx.path("Share")});
        const QAbstractItemModel* model = tree.model();
        QCOMPARE(model->rowCount(), hide ? 1 : 2);
        const bool selected = selectAndWait(tree, fx.path("Share/Songs"));
        QCOMPARE(selected, !hide);
        QCOMPARE(selectAndWait(tree, fx.path("Local")), true);
        const QModelIndex top = model->index(0, 0);
        QCOMPARE(childTexts(model, top).contains(QStringLiteral("Share")), !hide);
        if (!hide) {
            // Below the share everything counts as network.
            QVERIFY(selectAndWait(tree, fx.path("Share/Songs")));
            QVERIFY(tree.folderModel()->isNetwork(tree.currentIndex()));
        }
    }

    void hookGivesFoldersTheirOwnTextAndIcon() {
        Fixture fx({"Show.buf", "Plain", "Alpha"});
        FolderTree tree;
        // The hook runs on the tree's reading threads.
        QMutex seenLock;
        QStringList seenPaths;
        const QIcon showIcon = QApplication::style()->standardIcon(QStyle::SP_DriveCDIcon);
        tree.setItemHook(
            [&](const QString& name, const QString& path) -> std::optional<FolderItemLook> {
                {
                    QMutexLocker lock(&seenLock);
                    seenPaths << path;
                }
                if (!name.endsWith(QStringLiteral(".buf")))
                    return std::nullopt;
                return FolderItemLook{QStringLiteral("Zulu Show"), 7};
            },
            {{7, showIcon}});
        tree.initFolderTree(false, fx.path("Plain"), fx.roots());
        QTRY_COMPARE(tree.selectedFolderPath(), fx.path("Plain"));
        const QAbstractItemModel* model = tree.model();
        const QModelIndex top = model->index(0, 0);
        // Sorted by the text shown.
        QCOMPARE(childTexts(model, top), (QStringList{"Alpha", "Plain", "Zulu Show"}));
        {
            QMutexLocker lock(&seenLock);
            QVERIFY(seenPaths.contains(fx.path("Show.buf")));
        }
        const QModelIndex show = childNamed(model, top, "Zulu Show");
        QCOMPARE(show.data(Qt::ToolTipRole).toString(), fx.path("Show.buf"));
        QCOMPARE(show.data(Qt::EditRole).toString(), QStringLiteral("Show.buf"));
        QCOMPARE(show.data(Qt::DecorationRole).value<QIcon>().cacheKey(), showIcon.cacheKey());
        QCOMPARE(tree.folderModel()->kind(show), 7);
        QCOMPARE(tree.folderModel()->kind(childNamed(model, top, "Alpha")), 0);
    }

    void newFolderIsAddedInOrderAndCanBeRenamed() {
        Fixture fx({"A", "C/inner"});
        FolderTreeModel model;
        model.reset(fx.roots(), false);
        const QModelIndex top = model.index(0, 0);
        QVERIFY(fillAndWait(model, top));
        QVERIFY(QDir().mkdir(fx.path("B")));
        const QModelIndex added = model.addFolder(top, QStringLiteral("B"));
        QCOMPARE(added.row(), 1);
        QCOMPARE(childTexts(&model, top), (QStringList{"A", "B", "C"}));

        // Renaming onto an existing folder is refused and changes nothing on disk.
        QSignalSpy failures(&model, &FolderTreeModel::renameFailed);
        QVERIFY(!model.setData(added, QStringLiteral("A")));
        QCOMPARE(failures.count(), 1);
        QVERIFY(QDir(fx.path("B")).exists());
        QVERIFY(!model.setData(added, QStringLiteral("x/y")));
        QVERIFY(QDir(fx.path("B")).exists());

        const QModelIndex c = childNamed(&model, top, "C");
        QVERIFY(fillAndWait(model, c));
        QVERIFY(model.setData(c, QStringLiteral("Renamed")));
        QVERIFY(QDir(fx.path("Renamed/inner")).exists());
        QCOMPARE(model.path(model.index(0, 0, c)),
                 QDir::fromNativeSeparators(fx.path("Renamed/inner")));
        QVERIFY(model.indexForPath(fx.path("Renamed/inner")).isValid());
        // The top level is not renamed.
        QVERIFY(!(model.flags(top) & Qt::ItemIsEditable));
    }

    void foldersMadeOrRemovedElsewhereShowUp() {
        Fixture fx({"A", "B/inner"});
        FolderTreeModel model;
        model.reset(fx.roots(), false);
        const QModelIndex top = model.index(0, 0);
        QVERIFY(fillAndWait(model, top));
        QVERIFY(fillAndWait(model, childNamed(&model, top, "B")));
        QVERIFY(QDir().mkdir(fx.path("Another")));
        QTRY_COMPARE(childTexts(&model, top), (QStringList{"A", "Another", "B"}));
        QVERIFY(QDir(fx.path("A")).removeRecursively());
        QTRY_COMPARE(childTexts(&model, top), (QStringList{"Another", "B"}));
        // Inside a folder that was read as well, and a folder that lost its last subfolder no
        // longer opens.
        const QModelIndex b = childNamed(&model, top, "B");
        QVERIFY(QDir(fx.path("B/inner")).removeRecursively());
        QTRY_COMPARE(model.rowCount(b), 0);
        QVERIFY(!model.hasChildren(b));
    }

#ifdef Q_OS_UNIX
    void linkLoopsAreShownButNeverOpened() {
        Fixture fx({"A/B", "C/deep", "X", "Y"});
        const auto link = [&](const char* target, const char* at) {
            QVERIFY(QFile::link(QString::fromLatin1(target), fx.path(QLatin1String(at))));
        };
        link(".", "A/self");   // the folder itself
        link("..", "A/B/up");  // the folder above
        link("../C", "A/toC"); // elsewhere: a folder like any other
        link("../Y", "X/toY"); // two links that lead to each other
        link("../X", "Y/toX");
        link("/nowhere/at/all", "A/dangling");

        FolderTreeModel model;
        model.reset(fx.roots(), false);
        // Open everything there is, as a user clicking through would; a loop would never end.
        std::vector<QModelIndex> open{model.index(0, 0)};
        QStringList seen;
        for (size_t i = 0; i < open.size() && open.size() < 200; ++i) {
            if (model.canFetchMore(open[i]))
                QVERIFY(fillAndWait(model, open[i]));
            for (int row = 0; row < model.rowCount(open[i]); ++row) {
                const QModelIndex child = model.index(row, 0, open[i]);
                seen << QDir(fx.path()).relativeFilePath(model.path(child));
                open.push_back(child);
            }
        }
        seen.sort();
        QCOMPARE(seen,
                 (QStringList{"A", "A/B", "A/B/up", "A/self", "A/toC", "A/toC/deep", "C", "C/deep",
                              "X", "X/toY", "X/toY/toX", "Y", "Y/toX", "Y/toX/toY"}));
        for (const char* loop : {"A/self", "A/B/up", "X/toY/toX", "Y/toX/toY"}) {
            const QModelIndex index = model.indexForPath(fx.path(QLatin1String(loop)));
            QVERIFY2(index.isValid(), loop);
            QVERIFY2(!model.hasChildren(index) && !model.canFetchMore(index), loop);
        }
        // The tree does not walk into a loop when asked for a path through one either.
        FolderTree tree;
        tree.initFolderTree(false, {}, fx.roots());
        QVERIFY(!selectAndWait(tree, fx.path("A/self/B")));
        QVERIFY(selectAndWait(tree, fx.path("A/toC/deep")));
    }
#endif

    void aSlowFolderDoesNotStopTheWindow() {
        Fixture fx({"Slow/x", "Fast/y"});
        QSemaphore release;
        QAtomicInt waiting = 0;
        FolderTree tree;
        tree.setItemHook([&](const QString& name, const QString&) -> std::optional<FolderItemLook> {
            if (name == QLatin1String("x")) {
                // A share that does not answer until the test lets it.
                waiting.storeRelease(1);
                release.acquire();
            }
            return std::nullopt;
        });
        // Whatever happens below, the reading thread is let go at the end.
        const auto letGo = qScopeGuard([&] { release.release(); });
        tree.initFolderTree(false, {},
                            {{fx.path("Slow"), QStringLiteral("Slow"), {}, false},
                             {fx.path("Fast"), QStringLiteral("Fast"), {}, false}});
        tree.resize(300, 300);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        FolderTreeModel* model = tree.folderModel();
        const QModelIndex slow = model->index(0, 0);
        const QModelIndex fast = model->index(1, 0);
        tree.expand(slow);
        QTRY_VERIFY(waiting.loadAcquire() == 1);
        // While the slow folder is being read, the window paints, opens and selects elsewhere.
        tree.expand(fast);
        QTRY_COMPARE(childTexts(model, fast), QStringList{"y"});
        QVERIFY(selectAndWait(tree, fx.path("Fast/y")));
        tree.repaint();
        QVERIFY(model->hasChildren(slow));
        QCOMPARE(model->rowCount(slow), 0);
        QVERIFY(model->isReading());

        release.release();
        QTRY_COMPARE(childTexts(model, slow), QStringList{"x"});
    }

    void defaultTopLevelStartsWithHomeAndHoldsTheRoots() {
        const std::vector<FolderRoot> roots = FolderTree::defaultRoots();
        QVERIFY(roots.size() >= 2);
        QCOMPARE(QDir(roots[0].path), QDir::home());
        const auto drives = QDir::drives();
        for (const QFileInfo& drive : drives) {
            QVERIFY2(std::any_of(roots.begin(), roots.end(),
                                 [&](const FolderRoot& r) {
                                     return QDir(r.path) == QDir(drive.absoluteFilePath());
                                 }),
                     qPrintable(drive.absoluteFilePath()));
        }
    }

    void networkFileSystemTypes_data() {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("network");
        QTest::newRow("nfs") << QByteArray("nfs4") << true;
        QTest::newRow("cifs") << QByteArray("cifs") << true;
        QTest::newRow("sshfs") << QByteArray("fuse.sshfs") << true;
        QTest::newRow("upper case") << QByteArray("NFS") << true;
        QTest::newRow("ext4") << QByteArray("ext4") << false;
        QTest::newRow("vfat") << QByteArray("vfat") << false;
        QTest::newRow("fuse of other kinds") << QByteArray("fuse") << false;
    }

    void networkFileSystemTypes() {
        QFETCH(QByteArray, type);
        QFETCH(bool, network);
        QCOMPARE(isNetworkFileSystemType(type), network);
    }

    void diskStyleDialog_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("en") << int(Language::English) << "Selcet DiskStyle Directory"
                            << "Cancel";
        QTest::newRow("de") << int(Language::German) << "DiskStyle Ordner ausw\u00e4hlen"
                            << "Abbrechen";
    }

    void diskStyleDialog() {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, cancel);
        Fixture fx({"Styles/Pop", "Styles/Jazz"});
        DiskStyleFolderDialog dialog(Language(language), fx.path("Styles"));
        QCOMPARE(dialog.windowTitle(), title);
        QCOMPARE(dialogButton(&dialog, ids::Ok)->text(), QStringLiteral("Ok"));
        QCOMPARE(dialogButton(&dialog, ids::Cancel)->text(), cancel);
        QVERIFY(dialog.findChild<FolderTree*>(QString::number(ids::diskStyleFolder::Tree)));
        QTRY_COMPARE(dialog.folderPath(), fx.path("Styles"));
        QVERIFY(dialogButton(&dialog, ids::Ok)->isEnabled());
    }

    void diskStyleDialogDoubleClick() {
        Fixture fx({"Styles/Pop", "Styles/Jazz"});
        DiskStyleFolderDialog dialog(Language::English, fx.path("Styles"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        FolderTree* tree = dialog.tree();
        QTRY_COMPARE(dialog.folderPath(), fx.path("Styles"));
        const QModelIndex styles = tree->currentIndex();
        QVERIFY(tree->isExpanded(styles));
        QTRY_VERIFY(tree->folderModel()->isFilled(styles) && !tree->folderModel()->isReading());

        // A folder with subfolders opens and closes; the dialog stays.
        const auto at = [tree](const QModelIndex& index) {
            tree->scrollTo(index);
            return tree->visualRect(index).center();
        };
        doubleClick(tree->viewport(), at(styles));
        QVERIFY(dialog.isVisible());
        QVERIFY(!tree->isExpanded(styles));
        doubleClick(tree->viewport(), at(styles));
        QVERIFY(dialog.isVisible());
        QVERIFY(tree->isExpanded(styles));

        // A folder without subfolders is taken at once.
        const QModelIndex jazz = childNamed(tree->model(), styles, "Jazz");
        QVERIFY(jazz.isValid());
        doubleClick(tree->viewport(), at(jazz));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.folderPath(), fx.path("Styles/Jazz"));
    }
};

QTEST_MAIN(FolderTreeTest)
#include "FolderTreeTest.moc"
