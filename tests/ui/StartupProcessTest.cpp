// Starts the program itself twice, as a user would, with a home, a runtime folder and a temporary
// folder of the test's own so that neither the user's settings nor a running copy of the user's
// are touched.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

class StartupProcessTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondStartHandsOverAndEnds() {
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral(".config/Harvolt")));
        QFile settings(home.filePath(QStringLiteral(".config/Harvolt/Tombrel.conf")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Param]\nLanguage=E\n");
        settings.close();
        // The runtime folder is the user's alone.
        const QString runtime = home.filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkdir(runtime));
        QVERIFY(
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
        env.insert(QStringLiteral("TMPDIR"), home.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

        QProcess first;
        first.setProcessEnvironment(env);
        first.start(QStringLiteral(TOMBREL_BINARY), {});
        QVERIFY(first.waitForStarted());
        // The first copy is ready once its socket exists, in the runtime folder and not loose in
        // the temporary one.
        QTRY_VERIFY_WITH_TIMEOUT(
            !QDir(runtime).entryList({QStringLiteral("Tombrel-*")}, QDir::System).isEmpty(), 10000);
        QVERIFY(QDir(home.path()).entryList({QStringLiteral("Tombrel-*")}, QDir::System).isEmpty());

        QProcess second;
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(TOMBREL_BINARY), {QStringLiteral("Show.buf/REG.bup")});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        first.kill();
        first.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(StartupProcessTest)
#include "StartupProcessTest.moc"
