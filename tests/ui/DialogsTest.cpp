#include "ui/ChooseLanguageDialog.h"
#include "ui/ControlIds.h"
#include "ui/DialogButtons.h"
#include "ui/KeyboardStorageDevicesDialog.h"
#include "ui/SelectKeyboardTypeDialog.h"
#include "ui/SettingsDialog.h"
#include "ui/Text1252Validator.h"
#include "ui/TitleEditDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tombrel;

namespace {

QStringList labelTexts(const QWidget* widget) {
    QStringList texts;
    for (const QLabel* label : widget->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

// Types text key by key, as a user would; characters without a key of their own arrive the way
// an input method delivers them.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// A radio button takes clicks on its indicator and text only, not on the rest of its width.
void clickRadio(QRadioButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void titleDialogTakesOverTheTypedText_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("result"); // Windows-1252
        const int bank = int(TitleEditDialog::Kind::BankTitle);
        const int category = int(TitleEditDialog::Kind::Category);
        QTest::newRow("bank keeps blanks") << bank << "  Word  " << QByteArray("  Word  ");
        QTest::newRow("bank all blanks") << bank << "   " << QByteArray("   ");
        QTest::newRow("bank empty") << bank << "" << QByteArray();
        QTest::newRow("bank stops at 16")
            << bank << "ABCDEFGHIJKLMNOPQRST" << QByteArray("ABCDEFGHIJKLMNOP");
        QTest::newRow("bank accented") << bank << "Caf\u00e9 \u20ac" << QByteArray("Caf\xE9 \x80");
        QTest::newRow("bank refuses what it cannot store")
            << bank << "A\u03a9B\u4e2d" << QByteArray("AB");
        QTest::newRow("category trims") << category << "  Word  " << QByteArray("Word");
        QTest::newRow("category all blanks") << category << "   " << QByteArray();
        QTest::newRow("category inner blanks stay")
            << category << " Big  Band " << QByteArray("Big  Band");
        QTest::newRow("category stops at 40")
            << category << QString(45, QLatin1Char('x')) << QByteArray(40, 'x');
        QTest::newRow("category trims after the limit")
            << category << QString(39, QLatin1Char('y')) + QStringLiteral("  z")
            << QByteArray(39, 'y');
    }

    void titleDialogTakesOverTheTypedText() {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(QByteArray, result);
        TitleEditDialog dialog(TitleEditDialog::Kind(kind), Language::English, "old");
        dialog.show();
        QLineEdit* edit = dialog.findChild<QLineEdit*>(QString::number(ids::titleEdit::Text));
        QVERIFY(edit);
        edit->clear();
        typeText(edit, typed);
        QTest::mouseClick(dialogButton(&dialog, ids::Ok), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QByteArray::fromStdString(dialog.text()), result);
    }

    void titleDialogShowsTheStoredText() {
        // Stored titles are Windows-1252; a longer starting text is cut to the limit.
        TitleEditDialog bank(TitleEditDialog::Kind::BankTitle, Language::English,
                             "Caf\xE9 \x80 and more text");
        QCOMPARE(bank.edit()->text(), QStringLiteral("Caf\u00e9 \u20ac and more "));
        QCOMPARE(bank.text(), std::string("Caf\xE9 \x80 and more "));
    }

    void titleDialogCancelLeavesTheCallerAlone() {
        TitleEditDialog dialog(TitleEditDialog::Kind::Category, Language::German, "Pop");
        dialog.show();
        QTest::mouseClick(dialogButton(&dialog, ids::Cancel), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void titleDialogCaptions_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("cancel");
        const int bank = int(TitleEditDialog::Kind::BankTitle);
        const int category = int(TitleEditDialog::Kind::Category);
        const int en = int(Language::English), de = int(Language::German);
        QTest::newRow("bank en") << bank << en << "Edit Bank Title"
                                 << "Bank Title:"
                                 << "Cancel";
        QTest::newRow("bank de") << bank << de << "Bank-Titel bearbeiten"
                                 << "Bank-Titel:"
                                 << "Abbrechen";
        QTest::newRow("category en") << category << en << "Edit Category"
                                     << "Category:"
                                     << "Cancel";
        QTest::newRow("category de") << category << de << "Kategorie bearbeiten"
                                     << "Kategorie:"
                                     << "Abbrechen";
    }

    void titleDialogCaptions() {
        QFETCH(int, kind);
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, label);
        QFETCH(QString, cancel);
        TitleEditDialog dialog(TitleEditDialog::Kind(kind), Language(language), {});
        QCOMPARE(dialog.windowTitle(), title);
        QVERIFY(labelTexts(&dialog).contains(label));
        QCOMPARE(dialogButton(&dialog, ids::Ok)->text(), QStringLiteral("OK"));
        QVERIFY(dialogButton(&dialog, ids::Ok)->isDefault());
        QCOMPARE(dialogButton(&dialog, ids::Cancel)->text(), cancel);
    }

    void keyboardType_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("pick"); // -2: leave the list as it opened
        QTest::addColumn<int>("shownIndex");
        QTest::addColumn<int>("chosen");
        QTest::newRow("none, OK gives the PSR-9000") << 0 << -2 << -1 << 1;
        QTest::newRow("PSR-9000 preselected") << 1 << -2 << 0 << 1;
        QTest::newRow("pro preselected") << 2 << -2 << 1 << 2;
        QTest::newRow("none, pro picked") << 0 << 1 << -1 << 2;
        QTest::newRow("pro, PSR-9000 picked") << 2 << 0 << 1 << 1;
    }

    void keyboardType() {
        QFETCH(int, current);
        QFETCH(int, pick);
        QFETCH(int, shownIndex);
        QFETCH(int, chosen);
        SelectKeyboardTypeDialog dialog(keyboardModelFromInt(current), Language::English);
        dialog.show();
        QCOMPARE(dialog.list()->currentIndex(), shownIndex);
        if (pick != -2)
            dialog.list()->setCurrentIndex(pick);
        QTest::mouseClick(dialogButton(&dialog, ids::Ok), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(dialog.chosenModel()), chosen);
    }

    void keyboardTypeTexts() {
        SelectKeyboardTypeDialog english(KeyboardModel::None, Language::English);
        QCOMPARE(english.windowTitle(), QStringLiteral("Select Keyboard Type"));
        QCOMPARE(english.list()->count(), 2);
        QCOMPARE(english.list()->itemText(0), QStringLiteral("PSR9000 "));
        QCOMPARE(english.list()->itemText(1), QStringLiteral("9000Pro"));
        QVERIFY(labelTexts(&english).contains(QStringLiteral("Keyboard:")));
        SelectKeyboardTypeDialog german(KeyboardModel::None, Language::German);
        QCOMPARE(german.windowTitle(), QStringLiteral("Keyboardtyp ausw\u00e4hlen"));
        QCOMPARE(dialogButton(&german, ids::Cancel)->text(), QStringLiteral("Abbrechen"));
        QVERIFY(labelTexts(&german).contains(QStringLiteral("Keyboard:")));
    }

    void chooseLanguage() {
        ChooseLanguageDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose Language"));
        QCOMPARE(dialog.germanButton()->text(), QStringLiteral("Deutsch (German)"));
        QCOMPARE(dialog.englishButton()->text(), QStringLiteral("English"));
        QVERIFY(!dialog.germanButton()->isChecked() && !dialog.englishButton()->isChecked());
        QPushButton* ok = dialogButton(&dialog, ids::Ok);
        QVERIFY(!ok->isEnabled());
        QVERIFY(!dialog.chosenLanguage());
        clickRadio(dialog.germanButton());
        QVERIFY(ok->isEnabled());
        clickRadio(dialog.englishButton());
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenLanguage(), std::optional<Language>(Language::English));
    }

    void chooseLanguageEscapeChoosesNothing() {
        ChooseLanguageDialog dialog;
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    void storageDevices_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("descriptions");
        QTest::newRow("en") << int(Language::English) << "Keyboard Storage Devices"
                            << QStringList{"floppy disk", "internal hard disk- partition 0",
                                           "internal hard disk- partition 1",
                                           "external SCSI device\n(x = SCSI-Id, y = partition)"};
        QTest::newRow("de") << int(Language::German) << "Bezeichnung der Keyboard Speichermedien"
                            << QStringList{
                                   "Diskette", "Interne Festplatte - Partition 0",
                                   "Interne Festplatte - Partition 1",
                                   "Externes SCSI-Ger\u00e4t\n(x = SCSI-Id, y = Partition)"};
    }

    void storageDevices() {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QStringList, descriptions);
        KeyboardStorageDevicesDialog dialog{Language(language)};
        QCOMPARE(dialog.windowTitle(), title);
        const QStringList labels = labelTexts(&dialog);
        const QStringList names{"FDDRV:", "ATA00:", "ATA01:", "SCSxy:"};
        QCOMPARE(qsizetype(keyboardStorageDevices().size()), names.size());
        for (qsizetype i = 0; i < names.size(); ++i) {
            QCOMPARE(QString::fromLatin1(keyboardStorageDevices()[size_t(i)].name), names[i]);
            QVERIFY2(labels.contains(names[i]), qPrintable(names[i]));
            QVERIFY2(labels.contains(descriptions[i]), qPrintable(descriptions[i]));
        }
        QVERIFY(dialogButton(&dialog, ids::Ok));
        QVERIFY(!dialogButton(&dialog, ids::Cancel));
    }

    void capitalsInKeyboardPaths_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("device") << "fddrv:"
                                << "FDDRV:";
        QTest::newRow("mixed") << "ata00:songs\\My"
                               << "ATA00:SONGS\\MY";
        QTest::newRow("accented") << "\u00e4\u00e9\u00ff\u0161"
                                  << "\u00c4\u00c9\u0178\u0160";
        QTest::newRow("sharp s has no capital") << "stra\u00dfe"
                                                << "STRA\u00dfE";
        QTest::newRow("not storable") << "a\u03a9b"
                                      << "AB";
    }

    void capitalsInKeyboardPaths() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit edit;
        edit.setValidator(new Text1252Validator(true, &edit));
        edit.show();
        typeText(&edit, typed);
        QCOMPARE(edit.text(), shown);
    }

    void settingsShowAndReturnTheValues() {
        SettingsDialog::Values values;
        values.backupStructure = false;
        values.noNetworkAccess = true;
        values.hideEmptyEntries = true;
        values.keyboardPaths = {"FDDRV:", "ATA00:", "", "", "SCS01:"};
        values.pcPaths = {"A:", "/home/m\xC3\xBCller/Songs", "", "", ""};
        values.playerPaths = {"/usr/bin/timidity", "", ""};
        SettingsDialog dialog(values, true, Language::English);
        QVERIFY(dialog.values() == values);
        QCOMPARE(dialog.findChild<QLineEdit*>(QString::number(ids::settings::PcPath2))->text(),
                 QStringLiteral("/home/m\u00fcller/Songs"));
        QCOMPARE(dialog.findChild<QLineEdit*>(QString::number(ids::settings::Player1))->text(),
                 QStringLiteral("/usr/bin/timidity"));
    }

    void settingsFilterBoxesOnlyInExtendedMode_data() {
        QTest::addColumn<bool>("extended");
        QTest::newRow("normal") << false;
        QTest::newRow("extended") << true;
    }

    void settingsFilterBoxesOnlyInExtendedMode() {
        QFETCH(bool, extended);
        SettingsDialog::Values values;
        values.hideDuplicateBankTitles = true;
        SettingsDialog dialog(values, extended, Language::English);
        dialog.show();
        for (int id : {ids::settings::HideDuplicateBankTitles, ids::settings::HideEmptyEntries})
            QCOMPARE(dialog.findChild<QCheckBox*>(QString::number(id))->isVisible(), extended);
        QVERIFY(dialog.findChild<QCheckBox*>(QString::number(ids::settings::BackupStructure))
                    ->isVisible());
        // Hidden boxes hand their values back untouched.
        QVERIFY(dialog.values().hideDuplicateBankTitles);
    }

    void settingsMappingFields() {
        SettingsDialog dialog({}, false, Language::English);
        dialog.show();
        QLineEdit* keyboard =
            dialog.findChild<QLineEdit*>(QString::number(ids::settings::KeyboardPath2));
        QLineEdit* pc = dialog.findChild<QLineEdit*>(QString::number(ids::settings::PcPath2));
        typeText(keyboard, QStringLiteral("ata00:"));
        typeText(pc, QStringLiteral("e:"));
        QCOMPARE(dialog.values().keyboardPaths[1], std::string("ATA00:"));
#ifdef Q_OS_WIN
        QCOMPARE(dialog.values().pcPaths[1], std::string("E:"));
#else
        // Folder names differ by case here, so the PC side keeps what was typed.
        QCOMPARE(dialog.values().pcPaths[1], std::string("e:"));
#endif
    }

    void settingsPlayerChoice() {
        SettingsDialog::Values values;
        values.playerPaths = {"old1", "old2", "old3"};
        SettingsDialog dialog(values, false, Language::English);
        QStringList asked;
        QString answer = QStringLiteral("/opt/player/bin/play");
        dialog.setPlayerChooser([&](const QString& current) {
            asked << current;
            return answer;
        });
        dialog.show();
        QTest::mouseClick(
            dialog.findChild<QPushButton*>(QString::number(ids::settings::PlayerButton2)),
            Qt::LeftButton);
        answer.clear(); // cancelled
        QTest::mouseClick(
            dialog.findChild<QPushButton*>(QString::number(ids::settings::PlayerButton3)),
            Qt::LeftButton);
        QCOMPARE(asked, (QStringList{"old2", "old3"}));
        const SettingsDialog::Values after = dialog.values();
        QCOMPARE(after.playerPaths[0], std::string("old1"));
        QCOMPARE(QString::fromStdString(after.playerPaths[1]),
                 QDir::toNativeSeparators(QStringLiteral("/opt/player/bin/play")));
        QCOMPARE(after.playerPaths[2], std::string("old3"));
        QVERIFY(dialog.isVisible()); // the "..." buttons never close the dialog
    }

    void settingsCaptions_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts"); // caption, the four check boxes, the mapping group
                                                // and its two headings, Cancel
        QTest::newRow("en") << int(Language::English)
                            << QStringList{"Settings",
                                           "Use Yamaha backup structure",
                                           "No network access",
                                           "Hide duplicate bank titles",
                                           "Hide \"<empty>\" entries if possible",
                                           "Song path mapping",
                                           "Keyboard path",
                                           "PC path",
                                           "Cancel"};
        QTest::newRow("de") << int(Language::German)
                            << QStringList{"Einstellungen",
                                           "Yamaha Backup-Struktur verwenden",
                                           "Kein Netzwerkzugriff",
                                           "Gleiche Banktitel unterdr\u00fccken",
                                           "Leere Eintr\u00e4ge unterdr\u00fccken",
                                           "Zuordnung der Laufwerke/Pfade",
                                           "Keyboard Bezeich.",
                                           "PC Bezeichnung",
                                           "Abbrechen"};
    }

    void settingsCaptions() {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        SettingsDialog dialog({}, true, Language(language));
        QCOMPARE(dialog.windowTitle(), texts[0]);
        QCOMPARE(
            dialog.findChild<QCheckBox*>(QString::number(ids::settings::BackupStructure))->text(),
            texts[1]);
        QCOMPARE(
            dialog.findChild<QCheckBox*>(QString::number(ids::settings::NoNetworkAccess))->text(),
            texts[2]);
        QCOMPARE(
            dialog.findChild<QCheckBox*>(QString::number(ids::settings::HideDuplicateBankTitles))
                ->text(),
            texts[3]);
        QCOMPARE(
            dialog.findChild<QCheckBox*>(QString::number(ids::settings::HideEmptyEntries))->text(),
            texts[4]);
        QCOMPARE(dialog.findChild<QGroupBox*>(QString::number(ids::settings::Mapping))->title(),
                 texts[5]);
        QCOMPARE(dialog.findChild<QLabel*>(QString::number(ids::settings::KeyboardHeading))->text(),
                 texts[6]);
        QCOMPARE(dialog.findChild<QLabel*>(QString::number(ids::settings::PcHeading))->text(),
                 texts[7]);
        QCOMPARE(dialogButton(&dialog, ids::Cancel)->text(), texts[8]);
        // These stay English in both languages.
        QCOMPARE(
            dialog.findChild<QPushButton*>(QString::number(ids::settings::MappingInfo))->text(),
            QStringLiteral("Info"));
        const QStringList labels = labelTexts(&dialog);
        for (const char* text :
             {"Player 1:", "Player 2:", "Player 3:", "(e.g.   ATA00:    <->   E:)"})
            QVERIFY2(labels.contains(QLatin1String(text)), text);
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
