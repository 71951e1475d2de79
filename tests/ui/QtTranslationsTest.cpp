// Qt's own texts in the window's language: the standard buttons of message boxes and the file
// dialog in German only while the program's language is German, whatever the desktop's locale,
// and the program's own captions untouched by them.

#include "ui/QtTranslations.h"

#include "ui/EditEntryDialog.h"
#include "ui/GuiInteraction.h"
#include "ui/MainWindow.h"

#include "ScriptedInteraction.h"
#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tombrel;

namespace {

// The texts of the standard buttons in the question box that `ask` opens.
QStringList questionButtons(const std::function<void()>& ask) {
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton* button : box->buttons())
            texts << button->text();
        box->reject();
    });
    ask();
    texts.sort();
    return texts;
}

// Every caption of a window: buttons, labels and group boxes, with their object names.
QStringList captionsOf(const QWidget& window) {
    QStringList captions{window.windowTitle()};
    for (const QAbstractButton* b : window.findChildren<QAbstractButton*>())
        captions << b->objectName() + QLatin1Char('=') + b->text();
    for (const QLabel* l : window.findChildren<QLabel*>())
        captions << l->objectName() + QLatin1Char('=') + l->text();
    for (const QGroupBox* g : window.findChildren<QGroupBox*>())
        captions << g->objectName() + QLatin1Char('=') + g->title();
    return captions;
}

struct Tables {
    StyleNameTable styles;
    DiskStyleTexts disk;
    Tables() {
        styles.fillFactoryNames(true);
        disk.fillDiskNumberNames();
    }
};

} // namespace

class QtTranslationsTest : public QObject {
    Q_OBJECT
    Tables tables_;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(QFileInfo::exists(qtTranslationsFolder() + QStringLiteral("/qtbase_de.qm")),
                 "Qt's German translations are not installed (qt6-translations-l10n)");
    }

    void cleanup() {
        applyQtTranslations(Language::English);
        QLocale::setDefault(QLocale::c());
    }

    void messageBoxButtonsFollowTheWindowsLanguage_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("desktopLocale");
        QTest::addColumn<QStringList>("buttons");
        const QStringList german{QStringLiteral("&Ja"), QStringLiteral("&Nein"),
                                 QStringLiteral("Abbrechen")};
        const QStringList english{QStringLiteral("&No"), QStringLiteral("&Yes"),
                                  QStringLiteral("Cancel")};
        QTest::newRow("German on an English desktop") << int(Language::German) << "en_US" << german;
        QTest::newRow("German on a German desktop") << int(Language::German) << "de_DE" << german;
        QTest::newRow("English on a German desktop")
            << int(Language::English) << "de_DE" << english;
        QTest::newRow("English on an English desktop")
            << int(Language::English) << "en_US" << english;
    }

    // Through the real window: it installs the translations for its language.
    void messageBoxButtonsFollowTheWindowsLanguage() {
        QFETCH(int, lang);
        QFETCH(QString, desktopLocale);
        QFETCH(QStringList, buttons);
        QLocale::setDefault(QLocale(desktopLocale));
        MainWindow::Setup setup;
        setup.lang = Language(lang);
        test::ScriptedInteraction scripted;
        MainWindow window(setup, tables_.styles, tables_.disk, &scripted);
        QCOMPARE(qtTranslationsInstalled(), Language(lang) == Language::German);
        GuiInteraction ui(Language(lang), &window);
        const QStringList shown =
            questionButtons([&ui] { ui.askYesNoCancel(userMessage(msg::RegistrationsChanged)); });
        QCOMPARE(shown, buttons);
    }

    void fileDialogSpeaksGerman() {
        QVERIFY(applyQtTranslations(Language::German));
        GuiInteraction ui(Language::German);
        FileDialogRequest request;
        request.caption = &msg::SelectMidiFile;
        request.filter = "Midi files (*.mid)|*.mid||";
        QString accept;
        QString reject;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            QVERIFY(buttons);
            for (QAbstractButton* b : buttons->buttons()) {
                if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole)
                    accept = b->text();
                else if (buttons->buttonRole(b) == QDialogButtonBox::RejectRole)
                    reject = b->text();
            }
            dialog->reject();
        });
        QVERIFY(!ui.chooseFileToOpen(request));
        QCOMPARE(accept.remove(QLatin1Char('&')), QStringLiteral("Öffnen"));
        QCOMPARE(reject.remove(QLatin1Char('&')), QStringLiteral("Abbrechen"));
    }

    // A language chosen while the program runs takes Qt's texts along.
    void switchingTheLanguageInstallsAndRemoves() {
        const auto yes = [] {
            return QCoreApplication::translate("QPlatformTheme", "&Yes");
        };
        QVERIFY(applyQtTranslations(Language::German));
        QVERIFY(qtTranslationsInstalled());
        QCOMPARE(yes(), QStringLiteral("&Ja"));
        QVERIFY(applyQtTranslations(Language::German)); // a second call changes nothing
        QCOMPARE(yes(), QStringLiteral("&Ja"));
        QVERIFY(applyQtTranslations(Language::English));
        QVERIFY(!qtTranslationsInstalled());
        QCOMPARE(yes(), QStringLiteral("&Yes"));
        QVERIFY(applyQtTranslations(Language::English));
        QVERIFY(applyQtTranslations(Language::German));
        QCOMPARE(yes(), QStringLiteral("&Ja"));
    }

    void ownCaptionsStayAsTheyAre_data() {
        QTest::addColumn<int>("lang");
        QTest::newRow("German") << int(Language::German);
        QTest::newRow("English") << int(Language::English);
    }

    // The window and the editors show the same captions with and without Qt's translations.
    void ownCaptionsStayAsTheyAre() {
        QFETCH(int, lang);
        test::ScriptedInteraction scripted;
        EditEntryContext context;
        context.styles = &tables_.styles;
        context.diskStyles = &tables_.disk;
        context.interaction = &scripted;
        context.lang = Language(lang);
        RegRecord record = RegRecord::empty();

        applyQtTranslations(Language::English);
        const QStringList editorPlain = captionsOf(EditEntryDialog(record, context));
        applyQtTranslations(Language::German);
        const QStringList editorTranslated = captionsOf(EditEntryDialog(record, context));
        QCOMPARE(editorTranslated, editorPlain);

        MainWindow::Setup setup;
        setup.lang = Language(lang);
        MainWindow window(setup, tables_.styles, tables_.disk, &scripted);
        const QStringList before = captionsOf(window);
        // Switching Qt's texts while the window is open leaves its captions alone.
        applyQtTranslations(Language(lang) == Language::German ? Language::English
                                                               : Language::German);
        QCOMPARE(captionsOf(window), before);
        applyQtTranslations(Language(lang));
        QCOMPARE(captionsOf(window), before);
    }
};

QTEST_MAIN(QtTranslationsTest)
#include "QtTranslationsTest.moc"
