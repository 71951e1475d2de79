#include "ui/GuiInteraction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tombrel;

namespace {

// Runs `check` on the modal window that `show` opens, then lets `show` return.
template <class Window> void whenShown(std::function<void(Window*)> check) {
    QTimer::singleShot(0, [check] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        QVERIFY(window);
        check(window);
    });
}

UserMessage withPlatformText() {
    UserMessage m = userMessage(msg::ErrorSavingArchive);
    m.platformError = "No space left on device";
    return m;
}

} // namespace

class GuiInteractionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileFiltersInQtsForm_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("qt");
        QTest::newRow("one") << "Midi files (*.mid)|*.mid||" << QStringList{"Midi files (*.mid)"};
        QTest::newRow("two") << "Archive (*.yra)|*.yra|All Files (*.*)|*.*||"
                             << QStringList{"Archive (*.yra)", "All Files (*.*)"};
        QTest::newRow("patterns shown")
            << "Program files|*.exe;*.com||" << QStringList{"Program files (*.exe *.com)"};
        QTest::newRow("name patterns")
            << "FlashStyle backup (STY*.b*)|STY*.b*|All files (*.*)|*.*||"
            << QStringList{"FlashStyle backup (STY*.b*)", "All files (*.*)"};
        QTest::newRow("without the closing bars")
            << "Text file (*.txt)|*.txt" << QStringList{"Text file (*.txt)"};
        QTest::newRow("empty") << "" << QStringList{};
    }

    void fileFiltersInQtsForm() {
        QFETCH(QString, filter);
        QFETCH(QStringList, qt);
        QCOMPARE(qtFileFilters(filter.toStdString()), qt);
    }

    void platformTextComesFirst() {
        QCOMPARE(messageBoxText(withPlatformText(), Language::German),
                 QStringLiteral("No space left on device\n\nFehler beim Speichern des Archivs!"));
        QCOMPARE(messageBoxText(userMessage(msg::InvalidChecksum), Language::English),
                 QStringLiteral("Invalid checksum!"));
    }

    void warningHasTheWarningIconAndOk() {
        GuiInteraction ui(Language::German);
        whenShown<QMessageBox>([](QMessageBox* box) {
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(
                box->text(),
                QStringLiteral("No space left on device\n\nFehler beim Speichern des Archivs!"));
            box->button(QMessageBox::Ok)->click();
        });
        ui.warn(withPlatformText());
    }

    void questionsAnswerByTheirButtons_data() {
        QTest::addColumn<bool>("withCancel");
        QTest::addColumn<int>("press"); // a standard button, or 0 for Escape
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes") << true << int(QMessageBox::Yes) << int(Answer::Yes);
        QTest::newRow("No") << true << int(QMessageBox::No) << int(Answer::No);
        QTest::newRow("Cancel") << true << int(QMessageBox::Cancel) << int(Answer::Cancel);
        QTest::newRow("Escape") << true << 0 << int(Answer::Cancel);
        QTest::newRow("yes/no Yes") << false << int(QMessageBox::Yes) << int(Answer::Yes);
        QTest::newRow("yes/no No") << false << int(QMessageBox::No) << int(Answer::No);
        QTest::newRow("yes/no Escape") << false << 0 << int(Answer::No);
    }

    void questionsAnswerByTheirButtons() {
        QFETCH(bool, withCancel);
        QFETCH(int, press);
        QFETCH(int, answer);
        GuiInteraction ui(Language::English);
        whenShown<QMessageBox>([withCancel, press](QMessageBox* box) {
            QCOMPARE(box->icon(), QMessageBox::Question);
            QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
            if (withCancel)
                buttons |= QMessageBox::Cancel;
            QCOMPARE(box->standardButtons(), buttons);
            if (press)
                box->button(QMessageBox::StandardButton(press))->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        const UserMessage question = userMessage(msg::ArchiveChanged);
        if (withCancel)
            QCOMPARE(int(ui.askYesNoCancel(question)), answer);
        else
            QCOMPARE(ui.askYesNo(question) ? int(Answer::Yes) : int(Answer::No), answer);
    }

    void saveDialogTakesTheRequest() {
        QTemporaryDir dir;
        GuiInteraction ui(Language::German);
        FileDialogRequest request;
        request.caption = &msg::CreateTabProtocolTitle;
        request.filter = "Protocol file (*.txt)|*.txt||";
        request.defaultExtension = "txt";
        request.initialPath = dir.path().toStdString();
        request.overwritePrompt = true;
        whenShown<QFileDialog>([&dir](QFileDialog* dialog) {
            QCOMPARE(dialog->windowTitle(),
                     QStringLiteral("Protokolldatei (mit <Tab> formatiert) speichern"));
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog->nameFilters(), QStringList{"Protocol file (*.txt)"});
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("txt"));
            QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
            QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
            dialog->selectFile(QStringLiteral("listing"));
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own accept is protected
        });
        const std::optional<std::string> path = ui.chooseFileToSave(request);
        QVERIFY(path);
        QCOMPARE(QString::fromStdString(*path), QDir(dir.path()).filePath("listing.txt"));
    }

    void openDialogStartsAtTheGivenFile() {
        QTemporaryDir dir;
        const QString song = dir.filePath(QStringLiteral("SONG.MID"));
        QFile file(song);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        GuiInteraction ui(Language::English);
        FileDialogRequest request;
        request.caption = &msg::SelectMidiFile;
        request.filter = "Midi files (*.mid)|*.mid||";
        request.defaultExtension = "mid";
        request.initialPath = song.toStdString();
        whenShown<QFileDialog>([](QFileDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Select Midi file"));
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
            QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
            dialog->reject();
        });
        QVERIFY(!ui.chooseFileToOpen(request));
    }

    void keyboardTypeComesFromItsDialog() {
        GuiInteraction ui(Language::English);
        whenShown<QDialog>([](QDialog* dialog) {
            auto* list = dialog->findChild<QComboBox*>(QStringLiteral("keyboardType"));
            QVERIFY(list);
            QCOMPARE(list->currentIndex(), 0);
            list->setCurrentIndex(1);
            dialog->accept();
        });
        QCOMPARE(ui.selectKeyboardType(KeyboardModel::Psr9000), KeyboardModel::Psr9000Pro);
    }

    void backupSetDialogIsAHook() {
        GuiInteraction ui(Language::German);
        BackupSetDialogRequest request;
        request.pattern = "REG*.bup";
        QVERIFY(!ui.chooseBackupSet(request));
        ui.setBackupSetDialog([](QWidget*, const BackupSetDialogRequest& r, Language lang) {
            return std::optional<BackupSetChoice>(
                BackupSetChoice{r.pattern + (lang == Language::German ? "-de" : "-en"), "/"});
        });
        QCOMPARE(ui.chooseBackupSet(request)->resultPath, std::string("REG*.bup-de"));
    }

    void waitCursorNests() {
        GuiInteraction ui(Language::English);
        QVERIFY(!QGuiApplication::overrideCursor());
        {
            BusyScope outer(ui);
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            {
                BusyScope inner(ui);
                QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            }
            QVERIFY(QGuiApplication::overrideCursor());
        }
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

QTEST_MAIN(GuiInteractionTest)
#include "GuiInteractionTest.moc"
