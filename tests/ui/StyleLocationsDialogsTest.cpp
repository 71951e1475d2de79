#include "ui/StyleLocationsDialogs.h"
#include "ui/ControlIds.h"
#include "ui/UiText.h"

#include "ScriptedInteraction.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

using namespace tombrel;
using test::ScriptedInteraction;

namespace {

template <class W> W* find(const QWidget& dialog, int id) {
    W* w = dialog.findChild<W*>(QString::number(id));
    if (!w)
        qFatal("no control %d", id);
    return w;
}

QString text(const Message& m, Language lang) {
    return uiText(m, lang);
}

QByteArray fileContent(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

} // namespace

class StyleLocationsDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void explanations_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("start"); // the text begins with
        QTest::addColumn<QString>("cancel");
        const int save = int(StyleLocationsInfoDialog::Kind::Save);
        const int update = int(StyleLocationsInfoDialog::Kind::Update);
        const int en = int(Language::English), de = int(Language::German);
        QTest::newRow("save en") << save << en << "Save Current Style Locations"
                                 << "The titles and the locations"
                                 << "Cancel";
        QTest::newRow("save de") << save << de << "Aktuelle Positionen der Styles speichern"
                                 << "Die Titel der derzeit geladenen"
                                 << "Abbrechen";
        QTest::newRow("update en") << update << en << "Update Style Locations"
                                   << "This function will update"
                                   << "Cancel";
        QTest::newRow("update de") << update << de << "Aktualisieren der Style-Positionen"
                                   << "Hiermit werden in allen Registrationen"
                                   << "Abbrechen";
    }

    void explanations() {
        QFETCH(int, kind);
        QFETCH(int, lang);
        QFETCH(QString, title);
        QFETCH(QString, start);
        QFETCH(QString, cancel);
        StyleLocationsInfoDialog dialog{StyleLocationsInfoDialog::Kind(kind), Language(lang)};
        QCOMPARE(dialog.windowTitle(), title);
        QLabel* body = find<QLabel>(dialog, ids::styleLocations::InfoText);
        QVERIFY(body->text().startsWith(start));
        QVERIFY(body->alignment() & Qt::AlignHCenter);
        QCOMPARE(find<QPushButton>(dialog, ids::Ok)->text(), QStringLiteral("OK"));
        QCOMPARE(find<QPushButton>(dialog, ids::Cancel)->text(), cancel);
    }

    void errorListShowsEveryLineInOrder_data() {
        QTest::addColumn<int>("lang");
        QTest::newRow("English") << int(Language::English);
        QTest::newRow("German") << int(Language::German);
    }

    void errorListShowsEveryLineInOrder() {
        QFETCH(int, lang);
        const Language l = Language(lang);
        ScriptedInteraction ui;
        ErrorListDialog dialog({"<01/1>    Caf\xE9", "Zulu        (Disco)", "Alpha"}, ui, l);
        QCOMPARE(dialog.windowTitle(), text(msg::ErrorListDialogTitle, l));
        QCOMPARE(find<QLabel>(dialog, ids::styleLocations::ErrorHeading)->text(),
                 text(msg::ErrorListHeading, l));
        QCOMPARE(find<QPushButton>(dialog, ids::styleLocations::SaveList)->text(),
                 text(msg::SaveListButton, l));
        QCOMPARE(find<QPushButton>(dialog, ids::Ok)->text(), QStringLiteral("OK"));
        const QAbstractItemModel* lines =
            find<QListView>(dialog, ids::styleLocations::ErrorList)->model();
        QCOMPARE(lines->rowCount(), 3);
        QCOMPARE(lines->index(0, 0).data().toString(), QStringLiteral("<01/1>    Caf\u00e9"));
        QCOMPARE(lines->index(1, 0).data().toString(), QStringLiteral("Zulu        (Disco)"));
        QCOMPARE(lines->index(2, 0).data().toString(), QStringLiteral("Alpha"));
    }

    void saveListWritesTheLines_data() {
        QTest::addColumn<QString>("name"); // "-": cancelled; relative to a fresh folder
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("warned");
        QTest::newRow("saved") << "errors.txt" << QByteArray("<01/1>    A\r\nB        (X)\r\n")
                               << false;
        QTest::newRow("cancelled") << "-" << QByteArray("<missing>") << false;
        QTest::newRow("no such folder") << "gone/errors.txt" << QByteArray("<missing>") << true;
    }

    void saveListWritesTheLines() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, warned);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        ScriptedInteraction ui;
        if (name == "-")
            ui.fileDialogCancelled();
        else
            ui.fileChosen(path.toStdString());
        ErrorListDialog dialog({"<01/1>    A", "B        (X)"}, ui, Language::German);
        dialog.show();
        QTest::mouseClick(find<QPushButton>(dialog, ids::styleLocations::SaveList), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        const FileDialogRequest& request = ui.events()[0].file;
        QCOMPARE(request.caption, &msg::SaveErrorListFileTitle);
        QCOMPARE(request.filter, std::string("Text file (*.txt)|*.txt||"));
        QCOMPARE(request.defaultExtension, std::string("txt"));
        QVERIFY(request.overwritePrompt);
        QCOMPARE(fileContent(path), content);
        QCOMPARE(ui.messageIds().size(), size_t(warned ? 1 : 0));
        if (warned)
            QCOMPARE(ui.messageIds()[0], &msg::ErrorCreatingErrorListFile);
        QCOMPARE(ui.busyDepth(), 0);
    }

    void saveStyleLocationsTellsWhatIsMissing_data() {
        QTest::addColumn<int>("flash");
        QTest::addColumn<int>("disk");
        QTest::addColumn<QList<const Message*>>("messages");
        QTest::addColumn<bool>("asksForFile");
        const int individual = int(FlashNameMode::Individual),
                  factory = int(FlashNameMode::Factory);
        const int folder = int(DiskStyleMode::Folder), number = int(DiskStyleMode::Number);
        QTest::newRow("both loaded") << individual << folder << QList<const Message*>{} << true;
        QTest::newRow("flash only")
            << individual << number << QList<const Message*>{&msg::HintNoDiskDirectFolderLoaded}
            << true;
        QTest::newRow("disk only")
            << factory << folder << QList<const Message*>{&msg::HintNoFlashStyleBackupLoaded}
            << true;
        QTest::newRow("nothing loaded")
            << factory << number << QList<const Message*>{&msg::NoIndividualStyleNamesLoaded}
            << false;
    }

    void saveStyleLocationsTellsWhatIsMissing() {
        QFETCH(int, flash);
        QFETCH(int, disk);
        QFETCH(QList<const Message*>, messages);
        QFETCH(bool, asksForFile);
        StyleNameTable names;
        names.setIndividualName(0, "Disco");
        DiskStyleTexts texts;
        std::array<std::string, kDiskStyleCount> all{};
        for (int k = 0; k < kDiskStyleCount; ++k)
            all[size_t(k)] = diskStyleFolderText(k, k == 3 ? "Salsa" : "<Empty>");
        texts.setTexts(all);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("locations.txt"));
        ScriptedInteraction ui;
        if (asksForFile)
            ui.fileChosen(path.toStdString());
        saveStyleLocations(ui, Language::English, names, FlashNameMode(flash), texts,
                           DiskStyleMode(disk));
        std::vector<const Message*> want(messages.begin(), messages.end());
        QCOMPARE(ui.messageIds(), want);
        QVERIFY(ui.scriptUsedUp());
        if (!asksForFile) {
            QVERIFY(!QFile::exists(path));
            return;
        }
        QCOMPARE(ui.events().back().file.caption, &msg::SaveStyleLocationsFileTitle);
        QVERIFY(ui.events().back().file.overwritePrompt);
        QCOMPARE(ui.busyScopes(), 1);
        const std::string expected =
            styleLocationsText(names, FlashNameMode(flash), texts, DiskStyleMode(disk));
        QCOMPARE(fileContent(path), QByteArray::fromStdString(expected));
        QVERIFY(!expected.empty());
    }

    void loadOldStyleLocationsReadsTheChosenFile_data() {
        QTest::addColumn<QString>("name");    // "-": cancelled
        QTest::addColumn<int>("definitions"); // -1: nothing comes back
        QTest::addColumn<bool>("warned");
        QTest::newRow("read") << "old.txt" << 2 << false;
        QTest::newRow("cancelled") << "-" << -1 << false;
        QTest::newRow("cannot be read") << "missing.txt" << -1 << true;
    }

    void loadOldStyleLocationsReadsTheChosenFile() {
        QFETCH(QString, name);
        QFETCH(int, definitions);
        QFETCH(bool, warned);
        QTemporaryDir dir;
        QFile old(dir.filePath(QStringLiteral("old.txt")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("F130=Disco\r\nnot a line\r\nD004=Salsa\r\n");
        old.close();
        ScriptedInteraction ui;
        if (name == "-")
            ui.fileDialogCancelled();
        else
            ui.fileChosen(dir.filePath(name).toStdString());
        const std::optional<StyleLocationList> list = loadOldStyleLocations(ui, Language::German);
        QCOMPARE(list ? int(list->size()) : -1, definitions);
        if (list)
            QCOMPARE((*list)[1], (StyleLocation{249, "Salsa"}));
        const FileDialogRequest& request = ui.events()[0].file;
        QCOMPARE(request.caption, &msg::LoadStyleLocationsFileTitle);
        QVERIFY(!request.overwritePrompt);
        QCOMPARE(ui.messageIds().size(), size_t(warned ? 1 : 0));
    }
};

QTEST_MAIN(StyleLocationsDialogsTest)
#include "StyleLocationsDialogsTest.moc"
