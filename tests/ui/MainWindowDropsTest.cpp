// Drag and drop and the clipboard on the real window: the models' drops of the program's lines
// (inside a pane, onto the other pane, from another copy of the program) and of files at a row,
// each drop one step of the edit history; Cut, Copy and Paste through their actions and keys.

#include "core/commands/LineClipboard.h"
#include "core/files/ArchiveFile.h"
#include "core/files/RegBackupFile.h"
#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "ui/ControlIds.h"
#include "ui/MainWindow.h"
#include "ui/PaneListView.h"
#include "ui/ViewSelection.h"

#include "ScriptedInteraction.h"
#include "WindowTestFiles.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
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

QString linesType() {
    return QString::fromLatin1(kLinesMimeType.data(), static_cast<int>(kLinesMimeType.size()));
}

QMimeData* linesData(const std::string& bytes) {
    auto* data = new QMimeData;
    data->setData(linesType(), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return data;
}

} // namespace

class MainWindowDropsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    ScriptedInteraction ui_;
    StyleNameTable names_;
    DiskStyleTexts disk_;
    std::unique_ptr<MainWindow> window_;

    // Registration pane: 0 [Pop] 1 Intro 2 Verse 3..8 empty, then 63 empty banks. Archive:
    // 0 #Rock (collapsed: [Live] One Two), 1 #Jazz (collapsed: Blue).
    MainWindow& make(Language lang = Language::English) {
        window_.reset();
        ui_ = ScriptedInteraction();
        RegList lines{RegEntry::bankLine("Pop"), RegEntry::registration(named("Intro")),
                      RegEntry::registration(named("Verse"))};
        const QString reg = dir_.filePath(QStringLiteral("REG.bup"));
        writeFile(reg, buildRegBackupImage(lines, KeyboardModel::Psr9000));
        ArchiveList list{ArchiveEntry::category("Rock"), ArchiveEntry::category("Jazz")};
        list[0].hiddenChildren = {RegEntry::bankLine("Live"), RegEntry::registration(named("One")),
                                  RegEntry::registration(named("Two"))};
        list[1].hiddenChildren = {RegEntry::registration(named("Blue"))};
        const QString archive = dir_.filePath(QStringLiteral("Lib.yra"));
        writeFile(archive, buildArchiveImage(list));

        MainWindow::Setup setup;
        setup.lang = lang;
        setup.startDirectory = dir_.path();
        window_ = std::make_unique<MainWindow>(setup, names_, disk_, &ui_);
        window_->hooks().storeSettings = [](const Settings&) {
        };
        window_->openFiles({reg, archive});
        window_->show();
        if (!QTest::qWaitForWindowActive(window_.get()))
            qWarning("the window did not become active");
        return *window_;
    }

    QAbstractItemModel* regModel() { return window_->registrationList()->model(); }
    QAbstractItemModel* archModel() { return window_->archiveList()->model(); }

    // What a drag of these rows carries.
    QMimeData* dragOf(PaneListView* list, std::initializer_list<int> rows) {
        showSelection(*list, ListSelection::of(rows));
        return list->model()->mimeData(list->selectionModel()->selectedIndexes());
    }

    QAction* action(PaneListView* list, const char* name) {
        for (QAction* a : list->actions()) {
            if (a->objectName() == QLatin1String(name))
                return a;
        }
        return nullptr;
    }

    std::vector<std::string> archiveTexts() {
        std::vector<std::string> out;
        for (const ArchiveEntry& line : window_->archiveSide().list())
            out.push_back(line.isCategory   ? "#" + line.categoryName
                          : line.isBankLine ? "[" + line.bankTitle + "]"
                                            : line.record.title());
        return out;
    }
    std::string regTitle(int line) {
        const RegEntry& e = window_->registrationSide().lines()[static_cast<size_t>(line)];
        return e.isBankLine ? "[" + e.bankTitle + "]" : e.record.title();
    }
    QString undoTip() { return window_->control(ids::main::Undo)->toolTip(); }
    void undo() { qobject_cast<QPushButton*>(window_->control(ids::main::Undo))->click(); }

private Q_SLOTS:
    void cleanup() {
        window_.reset();
        QApplication::clipboard()->clear();
    }

    void dragInsideThePaneMovesOrCopiesAsOneStep() {
        MainWindow& w = make();
        std::unique_ptr<QMimeData> data(dragOf(w.registrationList(), {1}));
        QVERIFY(data);
        // Onto itself or right below itself nothing would change: refused.
        QVERIFY(!regModel()->canDropMimeData(data.get(), Qt::MoveAction, 1, 0, {}));
        QVERIFY(!regModel()->canDropMimeData(data.get(), Qt::MoveAction, 2, 0, {}));
        QVERIFY(regModel()->canDropMimeData(data.get(), Qt::MoveAction, 3, 0, {}));
        QVERIFY(regModel()->dropMimeData(data.get(), Qt::MoveAction, 3, 0, {}));
        QCOMPARE(regTitle(1), std::string("Verse"));
        QCOMPARE(regTitle(2), std::string("Intro"));
        QCOMPARE(selectionOf(*w.registrationList()), ListSelection::single(2));
        QCOMPARE(undoTip(), QStringLiteral("Undo Move 1 entry"));
        QVERIFY(w.registrationSide().isModified());
        undo();
        QCOMPARE(regTitle(1), std::string("Intro"));
        QVERIFY(!w.registrationSide().isModified());

        // Ctrl: a copy, which pushes the later registrations on by a slot.
        data.reset(dragOf(w.archiveList(), {0}));
        QVERIFY(archModel()->dropMimeData(data.get(), Qt::CopyAction, 2, 0, {}));
        QCOMPARE(archiveTexts(), (std::vector<std::string>{"#Rock", "#Jazz", "#Rock"}));
        QCOMPARE(w.archiveSide().list()[2].hiddenChildren.size(), size_t{3});
        QCOMPARE(undoTip(), QStringLiteral("Undo Copy 1 entry"));
        // A category is never dropped inside a category.
        qobject_cast<QPushButton*>(w.control(ids::main::Undo))->click();
        data.reset(dragOf(w.archiveList(), {0}));
        QVERIFY(archModel()->canDropMimeData(data.get(), Qt::MoveAction, 2, 0, {}));
        QVERIFY(!archModel()->canDropMimeData(data.get(), Qt::MoveAction, 0, 0, {}));
    }

    void dropOnTheOtherPaneIsATransferToTheLineUnderTheMouse() {
        MainWindow& w = make();
        std::unique_ptr<QMimeData> data(dragOf(w.registrationList(), {1, 2}));
        // On the collapsed category Jazz: at its end, as Copy >> with Jazz selected.
        QVERIFY(
            archModel()->dropMimeData(data.get(), Qt::CopyAction, -1, 0, archModel()->index(1, 0)));
        QCOMPARE(archiveTexts(),
                 (std::vector<std::string>{"#Rock", "#Jazz", "Blue", "Intro", "Verse"}));
        QCOMPARE(regTitle(1), std::string("Intro")); // copied
        QCOMPARE(undoTip(), QStringLiteral("Undo Copy 2 entries to the archive"));
        undo();

        // Shift: moved, and one Undo puts both panes back.
        data.reset(dragOf(w.registrationList(), {1, 2}));
        QVERIFY(
            archModel()->dropMimeData(data.get(), Qt::MoveAction, -1, 0, archModel()->index(1, 0)));
        QVERIFY(w.registrationSide().lines()[1].record.isEmpty());
        QCOMPARE(undoTip(), QStringLiteral("Undo Move 2 entries to the archive"));
        undo();
        QCOMPARE(regTitle(1), std::string("Intro"));
        QCOMPARE(archiveTexts(), (std::vector<std::string>{"#Rock", "#Jazz"}));

        // The other way: a collapsed category's lines onto a registration line.
        data.reset(dragOf(w.archiveList(), {1}));
        QVERIFY(
            regModel()->dropMimeData(data.get(), Qt::CopyAction, -1, 0, regModel()->index(2, 0)));
        QCOMPARE(regTitle(2), std::string("Blue"));
        QCOMPARE(regTitle(3), std::string("Verse"));
    }

    void linesFromAnotherCopyOfTheProgramArePutInAsCopies() {
        make();
        const std::unique_ptr<QMimeData> data(linesData(
            encodeClipboardLines(ArchiveList{ArchiveEntry(RegEntry::registration(named("X")))})));
        // Lines never go before the first category.
        QVERIFY(!archModel()->canDropMimeData(data.get(), Qt::CopyAction, 0, 0, {}));
        QVERIFY(archModel()->dropMimeData(data.get(), Qt::MoveAction, 2, 0, {}));
        QCOMPARE(archiveTexts(), (std::vector<std::string>{"#Rock", "#Jazz", "X"}));
        QCOMPARE(undoTip(), QStringLiteral("Undo Paste 1 entry"));
        QVERIFY(regModel()->dropMimeData(data.get(), Qt::CopyAction, 1, 0, {}));
        QCOMPARE(regTitle(1), std::string("X"));
        QCOMPARE(regTitle(2), std::string("Intro"));

        // Bytes that only claim the type are refused, and nothing changes.
        const std::unique_ptr<QMimeData> hostile(linesData("TMBLINES\x01\x02\xff\xff\xff\xff"));
        QVERIFY(!archModel()->canDropMimeData(hostile.get(), Qt::CopyAction, 2, 0, {}));
        QVERIFY(!regModel()->dropMimeData(hostile.get(), Qt::CopyAction, 1, 0, {}));
        QCOMPARE(regTitle(1), std::string("X"));
    }

    void localFilesAreTakenOtherUrlsAreNot() {
        make();
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(dir_.filePath(QStringLiteral("Lib.yra")))});
        QMimeData web;
        web.setUrls({QUrl::fromLocalFile(dir_.filePath(QStringLiteral("REG.bup"))),
                     QUrl(QStringLiteral("https://example.org/REG.bup"))});
        for (QAbstractItemModel* model : {regModel(), archModel()}) {
            QVERIFY(model->canDropMimeData(&files, Qt::CopyAction, 1, 0, {}));
            QVERIFY(!model->canDropMimeData(&web, Qt::CopyAction, 1, 0, {}));
            QVERIFY(model->dropMimeData(&files, Qt::CopyAction, 1, 0, {}));
        }
        QCOMPARE(archiveTexts(), (std::vector<std::string>{"#Rock", "#Jazz"}));
    }

    void cutCopyAndPasteThroughTheActions() {
        MainWindow& w = make();
        PaneListView* reg = w.registrationList();
        PaneListView* arch = w.archiveList();
        showSelection(*reg, ListSelection::single(1));
        QVERIFY(!action(arch, "paste")->isEnabled()); // nothing on the clipboard yet
        action(reg, "copy")->trigger();
        const QMimeData* clip = QApplication::clipboard()->mimeData();
        QVERIFY(clip && clip->hasFormat(linesType()));
        QCOMPARE(clip->text(), QStringLiteral("<01/1>\t        Intro\n"));
        showSelection(*arch, ListSelection::single(1));
        QVERIFY(action(arch, "paste")->isEnabled());
        action(arch, "paste")->trigger();
        QCOMPARE(archiveTexts(), (std::vector<std::string>{"#Rock", "#Jazz", "Blue", "Intro"}));
        QCOMPARE(undoTip(), QStringLiteral("Undo Paste 1 entry"));

        // Cut asks nothing and is one step.
        showSelection(*arch, ListSelection::of({2, 3}));
        action(arch, "cut")->trigger();
        QCOMPARE(archiveTexts(), (std::vector<std::string>{"#Rock", "#Jazz"}));
        QVERIFY(ui_.events().empty());
        QCOMPARE(undoTip(), QStringLiteral("Undo Cut 2 entries"));

        // Ctrl+V in the focused list pastes there.
        showSelection(*reg, ListSelection::single(1));
        reg->setFocus();
        QTest::keySequence(reg, QKeySequence::Paste);
        QCOMPARE(regTitle(1), std::string("Blue"));
        QCOMPARE(regTitle(2), std::string("Intro"));
        QCOMPARE(regTitle(3), std::string("Intro"));
        QCOMPARE(regTitle(4), std::string("Verse"));
        QTest::keySequence(reg, QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(regTitle(1), std::string("Intro"));
    }

    void unreadableClipboardIsReported() {
        MainWindow& w = make();
        QApplication::clipboard()->setMimeData(linesData("TMBLINES\x01"));
        showSelection(*w.registrationList(), ListSelection::single(1));
        action(w.registrationList(), "paste")->trigger();
        QCOMPARE(ui_.messageIds(), (std::vector<const Message*>{&msg::ClipboardLinesUnreadable}));
        QCOMPARE(regTitle(1), std::string("Intro"));
        QVERIFY(!w.registrationSide().isModified());
    }

    void germanTextsAndKeys() {
        MainWindow& w = make(Language::German);
        QCOMPARE(action(w.archiveList(), "cut")->text(), QStringLiteral("Ausschneiden"));
        QCOMPARE(action(w.archiveList(), "copy")->text(), QStringLiteral("Kopieren"));
        QCOMPARE(action(w.registrationList(), "paste")->text(), QStringLiteral("Einfügen"));
        QCOMPARE(action(w.registrationList(), "paste")->shortcut(),
                 QKeySequence(QKeySequence::Paste));
        QCOMPARE(action(w.registrationList(), "paste")->shortcutContext(),
                 Qt::WidgetWithChildrenShortcut);
    }

    void dropPlaceFollowsTheMouseAndTheModifiers() {
        MainWindow& w = make();
        PaneListView* reg = w.registrationList();
        const QRect line2 = reg->visualRect(reg->model()->index(2, 0));
        const QPoint upper(line2.center().x(), line2.top() + 1);
        const QPoint lower(line2.center().x(), line2.bottom() - 1);
        const Qt::DropActions both = Qt::CopyAction | Qt::MoveAction;
        PaneListView::DropPlace place = reg->dropPlaceAt(upper, reg, Qt::NoModifier, both);
        QCOMPARE(place.row, 2);
        QVERIFY(!place.onLine);
        QCOMPARE(place.action, Qt::MoveAction);
        place = reg->dropPlaceAt(lower, reg, Qt::ControlModifier, both);
        QCOMPARE(place.row, 3);
        QCOMPARE(place.action, Qt::CopyAction);
        // From the other pane: the line itself; Shift moves.
        place = reg->dropPlaceAt(lower, w.archiveList(), Qt::NoModifier, both);
        QCOMPARE(place.row, 2);
        QVERIFY(place.onLine);
        QCOMPARE(place.action, Qt::CopyAction);
        place = reg->dropPlaceAt(lower, w.archiveList(), Qt::ShiftModifier, both);
        QCOMPARE(place.action, Qt::MoveAction);
        // Below the last line: the end.
        place = reg->dropPlaceAt(QPoint(5, reg->viewport()->height() - 1), nullptr, Qt::NoModifier,
                                 Qt::CopyAction);
        QVERIFY(place.row <= reg->model()->rowCount() - 1);
    }

    void dropIndicatorIsDrawnBetweenTheLines() {
        MainWindow& w = make();
        PaneListView* reg = w.registrationList();
        std::unique_ptr<QMimeData> data(dragOf(reg, {1}));
        const QRect line4 = reg->visualRect(reg->model()->index(4, 0));
        const QPoint at(line4.center().x(), line4.top() + 2);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(reg->viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                            Qt::NoModifier);
        QApplication::sendEvent(reg->viewport(), &move);
        QVERIFY(move.isAccepted());
        const QImage image = reg->viewport()->grab().toImage();
        if (qEnvironmentVariableIsSet("TOMBREL_DROP_SCREENSHOT"))
            w.grab().save(qEnvironmentVariable("TOMBREL_DROP_SCREENSHOT"));
        // The indicator line runs along the top of line 4.
        const QColor highlight = reg->palette().color(QPalette::Highlight);
        int marked = 0;
        for (int x = 0; x < image.width(); x += 8) {
            const QColor c = image.pixelColor(x, line4.top());
            marked += c == highlight ? 1 : 0;
        }
        QVERIFY(marked > image.width() / 16);
        QDragLeaveEvent leave;
        QApplication::sendEvent(reg->viewport(), &leave);
    }
};

QTEST_MAIN(MainWindowDropsTest)
#include "MainWindowDropsTest.moc"
