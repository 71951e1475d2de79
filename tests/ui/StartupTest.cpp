#include "app/Startup.h"
#include "app/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tombrel;

Q_DECLARE_METATYPE(std::optional<tombrel::Language>)

class StartupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void extendedModeWord_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("on");
        QTest::newRow("as written") << QStringLiteral("Korvath") << true;
        QTest::newRow("capitals") << QStringLiteral("KORVATH") << true;
        QTest::newRow("small letters") << QStringLiteral("korvath") << true;
        QTest::newRow("trailing blank") << QStringLiteral("Korvath ") << false;
        QTest::newRow("shorter") << QStringLiteral("Korvat") << false;
        QTest::newRow("other word") << QStringLiteral("yes") << false;
        QTest::newRow("empty") << QString() << false;
    }

    void extendedModeWord() {
        QFETCH(QString, value);
        QFETCH(bool, on);
        QCOMPARE(isExtendedModeWord(value), on);
        qputenv("Tombrel", value.toUtf8());
        QCOMPARE(extendedModeFromEnvironment(), on);
        qunsetenv("Tombrel");
        QVERIFY(!extendedModeFromEnvironment());
    }

    void language_data() {
        QTest::addColumn<QString>("stored"); // "-" for no value at all
        QTest::addColumn<std::optional<Language>>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("storedAfter"); // "-" for no value
        const int de = int(Language::German), en = int(Language::English);
        using L = std::optional<Language>;
        QTest::newRow("G stored") << "G" << L{} << false << de << "G";
        QTest::newRow("E stored") << "E" << L{} << false << en << "E";
        QTest::newRow("first start, German") << "-" << L{Language::German} << true << de << "G";
        QTest::newRow("first start, English") << "-" << L{Language::English} << true << en << "E";
        QTest::newRow("first start, Escape") << "-" << L{} << true << en << "-";
        QTest::newRow("small g is no language") << "g" << L{Language::German} << true << de << "G";
        QTest::newRow("unknown value, Escape") << "X" << L{} << true << en << "X";
    }

    void language() {
        QFETCH(QString, stored);
        QFETCH(std::optional<Language>, answer);
        QFETCH(bool, asked);
        QFETCH(int, language);
        QFETCH(QString, storedAfter);
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
        if (stored != QLatin1String("-"))
            store.setString("Language", stored.toStdString());
        bool wasAsked = false;
        const Language result = startLanguage(store, [&] {
            wasAsked = true;
            return answer;
        });
        QCOMPARE(wasAsked, asked);
        QCOMPARE(int(result), language);
        if (storedAfter == QLatin1String("-"))
            QVERIFY(!store.contains("Language"));
        else
            QCOMPARE(QString::fromStdString(store.stringValue("Language")), storedAfter);
    }

    void storeReadsDefaultsForMissingAndUnreadableValues() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.ini"));
        {
            QSettings raw(file, QSettings::IniFormat);
            raw.setValue(QStringLiteral("Param/TopPos"), QStringLiteral("not a number"));
            raw.setValue(QStringLiteral("Param/LeftPos"), -7);
            raw.setValue(QStringLiteral("Other/LastKeyboard"), 2); // another section is not ours
        }
        SettingsStore store(file);
        QCOMPARE(store.intValue("TopPos", -1), -1);
        QCOMPARE(store.intValue("LeftPos", -1), -7);
        QCOMPARE(store.intValue("LastKeyboard", 1), 1);
        QCOMPARE(store.stringValue("KeyboardPath1", "FDDRV:"), std::string("FDDRV:"));
        QCOMPARE(store.stringValue("PCPath2"), std::string());
    }

    void numberedNames_data() {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("name");
        QTest::newRow("recent 1") << "LastOpenReg" << 1 << 2 << "LastOpenReg01";
        QTest::newRow("recent 20") << "LastOpenArch" << 20 << 2 << "LastOpenArch20";
        QTest::newRow("path 5") << "KeyboardPath" << 5 << 1 << "KeyboardPath5";
    }

    void numberedNames() {
        QFETCH(QString, prefix);
        QFETCH(int, number);
        QFETCH(int, digits);
        QFETCH(QString, name);
        QCOMPARE(QString::fromStdString(
                     SettingsStore::numberedName(prefix.toStdString(), number, digits)),
                 name);
    }

    void valuesSurviveARestartAndShorterListsLeaveNothingBehind() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.ini"));
        {
            SettingsStore store(file);
            store.setInt("LastKeyboard", 2);
            store.setString("LastBackupDir", "/home/m\xC3\xBCller/Shows");
            store.setStringList("LastOpenReg", {"a", "b", "c"}, 20, 2);
            store.setStringList("LastOpenReg", {"z"}, 20, 2);
            QVERIFY(store.sync());
        }
        SettingsStore store(file);
        QCOMPARE(store.intValue("LastKeyboard", 1), 2);
        QCOMPARE(store.stringValue("LastBackupDir"), std::string("/home/m\xC3\xBCller/Shows"));
        const std::vector<std::string> recent = store.stringList("LastOpenReg", 20, 2);
        QCOMPARE(recent.size(), size_t(20));
        QCOMPARE(recent[0], std::string("z"));
        for (size_t i = 1; i < recent.size(); ++i)
            QCOMPARE(recent[i], std::string());
        QSettings raw(file, QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Param/LastOpenReg01")).toString(), QStringLiteral("z"));
        QCOMPARE(raw.value(QStringLiteral("Param/LastKeyboard")).toInt(), 2);
    }

    void userStoreLivesUnderTheCompanyAndProgramName() {
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        {
            SettingsStore store;
            store.setString("Language", "G");
            QVERIFY(store.sync());
        }
#ifndef Q_OS_WIN
        QFile file(dir.filePath(QStringLiteral("Harvolt/Tombrel.conf")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY2(content.contains("[Param]\nLanguage=G"), content.constData());
#endif
        SettingsStore again;
        QCOMPARE(again.stringValue("Language"), std::string("G"));
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "StartupTest.moc"
