#include "ui/SongPlayer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <optional>

using namespace tombrel;

namespace {

void writeFile(const QString& path, const QByteArray& content, bool executable) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QVERIFY(file.setPermissions(permissions));
}

// Records what would have been started.
struct FakeLauncher {
    bool startResult = true;
    bool openResult = true;
    QString started;
    QStringList arguments;
    QString opened;

    SongLauncher launcher() {
        SongLauncher l;
        l.startProgram = [this](const QString& program, const QStringList& args, QString* error) {
            started = program;
            arguments = args;
            if (!startResult)
                *error = QStringLiteral("the system says no");
            return startResult;
        };
        l.openDocument = [this](const QUrl& url) {
            opened = url.toLocalFile();
            return openResult;
        };
        return l;
    }
};

} // namespace

class SongPlayerTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString song_, player_, notExecutable_, garbage_, batch_, bareSong_, bareText_;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        song_ = dir_.filePath(QStringLiteral("SONG.MID"));
        player_ = dir_.filePath(QStringLiteral("player"));
        notExecutable_ = dir_.filePath(QStringLiteral("readme"));
        garbage_ = dir_.filePath(QStringLiteral("garbage"));
        writeFile(song_, "MThd", false);
        writeFile(player_, "#!/bin/sh\nexit 0\n", true);
        writeFile(notExecutable_, "text", false);
        writeFile(garbage_, QByteArray(64, '\x01'), true);
        // A script that starts like a MIDI file: the desktop would run it by its extension.
        batch_ = dir_.filePath(QStringLiteral("PARTY.BAT"));
        writeFile(batch_, "MThd\r\ncalc.exe\r\n", true);
        bareSong_ = dir_.filePath(QStringLiteral("SONG"));
        writeFile(bareSong_, "MThd", false);
        bareText_ = dir_.filePath(QStringLiteral("NOTES"));
        writeFile(bareText_, "text", false);
    }

    void eachFailureHasItsMessage_data() {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::newRow("program missing") << int(PlayFailure::ProgramNotFound) << "File not found!"
                                         << "Datei nicht gefunden!";
        QTest::newRow("folder missing")
            << int(PlayFailure::ProgramFolderNotFound) << "Path not found!"
            << "Verzeichnis nicht gefunden!";
        QTest::newRow("not runnable") << int(PlayFailure::AccessDenied) << "Access denied!"
                                      << "Zugriff auf die Datei verweigert!";
        QTest::newRow("no association")
            << int(PlayFailure::NoAssociation) << "No association for '.mid' files!"
            << "Keine Anwendung f\u00fcr '.mid'-Dateien zugeordnet!";
        QTest::newRow("refused") << int(PlayFailure::StartFailed) << "Unknown error!"
                                 << "Unbekannter Fehler!";
    }

    void eachFailureHasItsMessage() {
        QFETCH(int, failure);
        QFETCH(QString, english);
        QFETCH(QString, german);
        const Message& m = playFailureMessage(PlayFailure(failure));
        QCOMPARE(QString::fromUtf8(m.en.data(), qsizetype(m.en.size())), english);
        QCOMPARE(QString::fromUtf8(m.de.data(), qsizetype(m.de.size())), german);
    }

    void playerProgramIsCheckedBeforeStarting_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("problem"); // -1: none
        QTest::newRow("executable file") << player_ << -1;
        QTest::newRow("on the search path") << "sh" << -1;
        QTest::newRow("missing file")
            << dir_.filePath("nothing") << int(PlayFailure::ProgramNotFound);
        QTest::newRow("missing bare name")
            << "no-such-player-here" << int(PlayFailure::ProgramNotFound);
        QTest::newRow("missing folder")
            << dir_.filePath("gone/player") << int(PlayFailure::ProgramFolderNotFound);
        QTest::newRow("a folder") << dir_.path() << int(PlayFailure::AccessDenied);
        QTest::newRow("not executable") << notExecutable_ << int(PlayFailure::AccessDenied);
    }

    void playerProgramIsCheckedBeforeStarting() {
        QFETCH(QString, program);
        QFETCH(int, problem);
        QString resolved;
        const std::optional<PlayFailure> found = playerProgramProblem(program, &resolved);
        QCOMPARE(found ? int(*found) : -1, problem);
        if (!found)
            QVERIFY(QDir::isAbsolutePath(resolved));
    }

    void playSong_data() {
        QTest::addColumn<QString>("song");
        QTest::addColumn<QString>("player");
        QTest::addColumn<bool>("launcherSucceeds");
        QTest::addColumn<QString>("message"); // English, empty: none
        QTest::addColumn<QString>("started");
        QTest::addColumn<QString>("opened");
        QTest::newRow("empty field") << ""
                                     << "" << true << ""
                                     << ""
                                     << "";
        QTest::newRow("song missing")
            << dir_.filePath("NONE.MID") << player_ << true << "Midi file not found!"
            << ""
            << "";
        QTest::newRow("song is a folder") << dir_.path() << "" << true << "Midi file not found!"
                                          << ""
                                          << "";
        QTest::newRow("associated program") << song_ << "" << true << ""
                                            << "" << song_;
        QTest::newRow("no associated program")
            << song_ << "" << false << "No association for '.mid' files!"
            << "" << song_;
        QTest::newRow("script named as the song") << batch_ << "" << true << "Midi file not found!"
                                                  << ""
                                                  << "";
        QTest::newRow("file without extension that is a MIDI file") << bareSong_ << "" << true << ""
                                                                    << "" << bareSong_;
        QTest::newRow("file without extension that is none")
            << bareText_ << "" << true << "Midi file not found!"
            << ""
            << "";
        // A player program gets the path as its argument and decides itself what it plays.
        QTest::newRow("script handed to a player")
            << batch_ << player_ << true << "" << player_ << "";
        QTest::newRow("player") << song_ << player_ << true << "" << player_ << "";
        QTest::newRow("player refused")
            << song_ << player_ << false << "the system says no\n\nUnknown error!" << player_ << "";
        QTest::newRow("player missing")
            << song_ << dir_.filePath("nothing") << true << "File not found!"
            << ""
            << "";
    }

    void playSong() {
        QFETCH(QString, song);
        QFETCH(QString, player);
        QFETCH(bool, launcherSucceeds);
        QFETCH(QString, message);
        QFETCH(QString, started);
        QFETCH(QString, opened);
        FakeLauncher fake;
        fake.startResult = fake.openResult = launcherSucceeds;
        const std::optional<UserMessage> shown = tombrel::playSong(song, player, fake.launcher());
        QString text;
        if (shown) {
            text = QString::fromStdString(shown->text(Language::English));
            if (!shown->platformError.empty())
                text = QString::fromStdString(shown->platformError) + "\n\n" + text;
        }
        QCOMPARE(text, message);
        QCOMPARE(fake.started, started);
        QCOMPARE(fake.opened, opened);
        if (!started.isEmpty())
            QCOMPARE(fake.arguments, QStringList{song});
    }

    void aProgramTheSystemCannotRunIsReportedWithItsWords() {
        const std::optional<UserMessage> shown =
            tombrel::playSong(song_, garbage_, SongLauncher::platform());
        QVERIFY(shown);
        QCOMPARE(shown->message, &msg::PlayUnknownError);
        QVERIFY(!shown->platformError.empty());
    }
};

QTEST_GUILESS_MAIN(SongPlayerTest)
#include "SongPlayerTest.moc"
