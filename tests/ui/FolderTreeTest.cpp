#include "ui/FolderTree.h"
#include "ui/ControlIds.h"
#include "ui/DialogButtons.h"
#include "ui/DiskStyleFolderDialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
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
        QCOMPARE(tree.selectFolderPath(wanted), found);
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
        QCOMPARE(tree.selectedFolderPath(), fx.path("A/child"));
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
        const bool selected = tree.selectFolderPath(fx.path("Share/Songs"));
        QCOMPARE(selected, !hide);
        QCOMPARE(tree.selectFolderPath(fx.path("Local")), true);
        const QModelIndex top = model->index(0, 0);
        QCOMPARE(childTexts(model, top).contains(QStringLiteral("Share")), !hide);
        if (!hide) {
            // Below the share everything counts as network.
            QVERIFY(tree.selectFolderPath(fx.path("Share/Songs")));
            QVERIFY(tree.folderModel()->isNetwork(tree.currentIndex()));
        }
    }

    void hookGivesFoldersTheirOwnTextAndIcon() {
        Fixture fx({"Show.buf", "Plain", "Alpha"});
        FolderTree tree;
        QStringList seenPaths;
        tree.setItemHook(
            [&](const QString& name, const QString& path) -> std::optional<FolderItemLook> {
                seenPaths << path;
                if (!name.endsWith(QStringLiteral(".buf")))
                    return std::nullopt;
                return FolderItemLook{QStringLiteral("Zulu Show"), {}, {}};
            });
        tree.initFolderTree(false, fx.path("Plain"), fx.roots());
        const QAbstractItemModel* model = tree.model();
        const QModelIndex top = model->index(0, 0);
        // Sorted by the text shown.
        QCOMPARE(childTexts(model, top), (QStringList{"Alpha", "Plain", "Zulu Show"}));
        QVERIFY(seenPaths.contains(fx.path("Show.buf")));
        const QModelIndex show = childNamed(model, top, "Zulu Show");
        QCOMPARE(show.data(Qt::ToolTipRole).toString(), fx.path("Show.buf"));
        QCOMPARE(show.data(Qt::EditRole).toString(), QStringLiteral("Show.buf"));
    }

    void newFolderIsAddedInOrderAndCanBeRenamed() {
        Fixture fx({"A", "C/inner"});
        FolderTreeModel model;
        model.reset(fx.roots(), false);
        const QModelIndex top = model.index(0, 0);
        model.fetchMore(top);
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
        model.fetchMore(c);
        QVERIFY(model.setData(c, QStringLiteral("Renamed")));
        QVERIFY(QDir(fx.path("Renamed/inner")).exists());
        QCOMPARE(model.path(model.index(0, 0, c)),
                 QDir::fromNativeSeparators(fx.path("Renamed/inner")));
        QVERIFY(model.indexForPath(fx.path("Renamed/inner")).isValid());
        // The top level is not renamed.
        QVERIFY(!(model.flags(top) & Qt::ItemIsEditable));
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
        QCOMPARE(dialog.folderPath(), fx.path("Styles"));
        QVERIFY(dialogButton(&dialog, ids::Ok)->isEnabled());
    }

    void diskStyleDialogDoubleClick() {
        Fixture fx({"Styles/Pop", "Styles/Jazz"});
        DiskStyleFolderDialog dialog(Language::English, fx.path("Styles"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        FolderTree* tree = dialog.tree();
        const QModelIndex styles = tree->currentIndex();
        QVERIFY(tree->isExpanded(styles));

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
