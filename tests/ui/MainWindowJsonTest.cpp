// Export JSON... and Import JSON... on both panes of the main window, answered by a scripted
// Interaction: a document comes back as a new untitled file of its kind's pane with the same
// bytes, a refused document changes nothing, warnings come in one message, and the buttons are
// there in both languages and enabled by the rules.

#include "core/files/ArchiveFile.h"
#include "core/files/RegBackupFile.h"
#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "ui/ControlIds.h"
#include "ui/MainWindow.h"

#include "ScriptedInteraction.h"
#include "WindowTestFiles.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <iterator>

using namespace tombrel;
using namespace tombrel::test;

namespace {

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string asText(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

class MainWindowJsonTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    ScriptedInteraction ui_;
    StyleNameTable names_;
    DiskStyleTexts disk_;
    std::unique_ptr<MainWindow> window_;
    std::string regPath_, archivePath_;
    std::vector<uint8_t> regImage_, archiveImage_;

    std::string path(const char* name) const { return dir_.filePath(name).toStdString(); }

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

    MainWindow& makeWithBothFiles() {
        RegList lines{RegEntry::bankLine("Pop"), RegEntry::registration(named("Intro"))};
        regImage_ = buildRegBackupImage(lines, KeyboardModel::Psr9000Pro);
        regPath_ = path("REG_Pro.bup");
        writeFile(regPath_, asText(regImage_));
        ArchiveList list{ArchiveEntry::category("Rock"), ArchiveEntry::category("Jazz")};
        list[0].hiddenChildren = {RegEntry::bankLine("Live"), RegEntry::registration(named("One"))};
        archiveImage_ = buildArchiveImage(list);
        archivePath_ = path("Lib.yra");
        writeFile(archivePath_, asText(archiveImage_));
        MainWindow& w = make();
        w.openFiles({QString::fromStdString(regPath_), QString::fromStdString(archivePath_)});
        ui_.clearEvents();
        return w;
    }

    QPushButton* button(int id) { return qobject_cast<QPushButton*>(window_->control(id)); }

private slots:
    void bothPanesHaveTheButtonsInBothLanguages() {
        for (Language lang : {Language::English, Language::German}) {
            make(lang);
            const QString exportText = QString::fromUtf8(msg::ExportJsonButton.text(lang).data());
            const QString importText = QString::fromUtf8(msg::ImportJsonButton.text(lang).data());
            for (int id : {ids::main::RegExportJson, ids::main::ArchiveExportJson})
                QCOMPARE(button(id)->text(), exportText);
            for (int id : {ids::main::RegImportJson, ids::main::ArchiveImportJson})
                QCOMPARE(button(id)->text(), importText);
            // Nothing open: nothing to export, but a document can always be imported.
            QVERIFY(!button(ids::main::RegExportJson)->isEnabled());
            QVERIFY(!button(ids::main::ArchiveExportJson)->isEnabled());
            QVERIFY(button(ids::main::RegImportJson)->isEnabled());
            QVERIFY(button(ids::main::ArchiveImportJson)->isEnabled());
            QVERIFY(window_->commandAllowed(ids::main::RegImportJson));
            QVERIFY(window_->commandAllowed(ids::main::ArchiveImportJson));
        }
        makeWithBothFiles();
        QVERIFY(button(ids::main::RegExportJson)->isEnabled());
        QVERIFY(button(ids::main::ArchiveExportJson)->isEnabled());
    }

    void aBackupGoesOutAndComesBackAsANewUntitledBackup() {
        MainWindow& w = makeWithBothFiles();
        const std::string json = path("backup.json");
        ui_.fileChosen(json);
        button(ids::main::RegExportJson)->click();
        QVERIFY(readFile(json).find("\"kind\": \"registration-backup\"") != std::string::npos);
        QCOMPARE(ui_.events().front().file.initialPath, path("REG_Pro.json"));

        // Imported through the archive pane's button: the kind decides the pane.
        ui_.fileChosen(json);
        button(ids::main::ArchiveImportJson)->click();
        QVERIFY(ui_.scriptUsedUp());
        RegistrationSide& reg = w.registrationSide();
        QVERIFY(reg.isOpen() && reg.isUntitled() && reg.isModified());
        QCOMPARE(reg.keyboardModel(), KeyboardModel::Psr9000Pro);
        QVERIFY(w.archiveSide().currentPath() == archivePath_); // the archive stays
        QVERIFY(reg.saveRegBackupTo(path("again.bup")));
        QVERIFY(readFile(path("again.bup")) == asText(regImage_));
    }

    void anArchiveComesBackWithItsBytes() {
        MainWindow& w = makeWithBothFiles();
        const std::string json = path("archive.json");
        ui_.fileChosen(json);
        button(ids::main::ArchiveExportJson)->click();
        ui_.fileChosen(json);
        button(ids::main::RegImportJson)->click();
        ArchiveSide& arch = w.archiveSide();
        QVERIFY(arch.isOpen() && arch.isUntitled() && arch.isModified());
        QCOMPARE(arch.countText(), std::string("1"));
        QVERIFY(asText(buildArchiveImage(arch.list())) == asText(archiveImage_));
    }

    void importAsksBeforeDiscardingChangesAndCancelKeepsThem() {
        MainWindow& w = makeWithBothFiles();
        const std::string json = path("backup.json");
        ui_.fileChosen(json);
        button(ids::main::RegExportJson)->click();
        w.registrationSide().setModified();
        ui_.fileChosen(json).answer(Answer::Cancel);
        button(ids::main::RegImportJson)->click();
        QVERIFY(ui_.scriptUsedUp());
        QCOMPARE(w.registrationSide().currentPath(), regPath_);
        QVERIFY(!w.registrationSide().isUntitled());
    }

    void aRefusedDocumentIsShownAndChangesNothing() {
        MainWindow& w = makeWithBothFiles();
        const std::string json = path("broken.json");
        writeFile(json, "{\"format\": \"tombrel\",\n \"version\": 1,,");
        ui_.fileChosen(json);
        button(ids::main::RegImportJson)->click();
        QCOMPARE(ui_.messageIds(), std::vector<const Message*>{&msg::JsonUnexpectedCharacter});
        QCOMPARE(w.registrationSide().currentPath(), regPath_);
        QCOMPARE(w.archiveSide().currentPath(), archivePath_);
        QVERIFY(!w.registrationSide().isModified());
    }

    void warningsComeInOneMessageAfterTheDocumentOpened() {
        MainWindow& w = make();
        const std::string json = path("short.json");
        writeFile(json, R"({"format": "tombrel", "version": 1, "kind": "archive", "lines": [
            {"category": "Sparse", "expanded": true},
            {"registration": {"Title": "Only a title"}}]})");
        ui_.fileChosen(json);
        button(ids::main::ArchiveImportJson)->click();
        QCOMPARE(ui_.messageIds(), std::vector<const Message*>{&msg::JsonImportWarnings});
        QVERIFY(w.archiveSide().isOpen());
        QCOMPARE(w.archiveSide().list().size(), size_t{2}); // expanded: the registration inline
        QCOMPARE(w.archiveSide().list()[1].record.title(), std::string("Only a title"));
    }
};

QTEST_MAIN(MainWindowJsonTest)
#include "MainWindowJsonTest.moc"
