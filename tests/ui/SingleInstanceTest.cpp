#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using tombrel::SingleInstance;

namespace {

QString uniqueName() {
    static int counter = 0;
    return QStringLiteral("tombrel-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(++counter);
}

// The later start blocks while it waits for the running copy's answer, so it runs on a thread
// of its own while this thread's event loop serves the running copy.
bool handOverFromThread(const QString& name, const QStringList& arguments,
                        QSignalSpy* spyToWaitOn) {
    std::atomic<bool> result = false;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        SingleInstance later(name);
        result = later.handOverToRunning(arguments);
    }));
    thread->start();
    if (spyToWaitOn)
        spyToWaitOn->wait(5000);
    while (!thread->wait(10))
        QCoreApplication::processEvents();
    return result;
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void laterStartHandsItsArgumentsOver_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no files") << QStringList{};
        QTest::newRow("one file with blanks")
            << QStringList{QStringLiteral("/tmp/My Show.buf/REG.bup")};
        QTest::newRow("several, non-ASCII, empty")
            << QStringList{QStringLiteral("/tmp/Über.yra"), QString(), QStringLiteral("/x/\u00e9")};
    }

    void laterStartHandsItsArgumentsOver() {
        QFETCH(QStringList, arguments);
        const QString name = uniqueName();
        SingleInstance running(name);
        QVERIFY(running.listen());
        QSignalSpy spy(&running, &SingleInstance::startRequested);

        QVERIFY(handOverFromThread(name, arguments, &spy));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toStringList(), arguments);
    }

    void withoutARunningCopyTheStartRunsItself() {
        SingleInstance first(uniqueName());
        QVERIFY(!first.handOverToRunning({QStringLiteral("a")}, 500));
        QVERIFY(first.listen());
        QVERIFY(first.isListening());
    }

    void aLiveCopyKeepsItsName() {
        const QString name = uniqueName();
        SingleInstance running(name);
        QVERIFY(running.listen());
        SingleInstance second(name);
        QVERIFY(!second.listen());
        QSignalSpy spy(&running, &SingleInstance::startRequested);
        QVERIFY(handOverFromThread(name, {QStringLiteral("b")}, &spy));
        QCOMPARE(spy.count(), 1);
    }

    void malformedRequestIsDroppedAndTheNextOneServed() {
        const QString name = uniqueName();
        SingleInstance running(name);
        QVERIFY(running.listen());
        QSignalSpy spy(&running, &SingleInstance::startRequested);

        QLocalSocket stranger;
        stranger.connectToServer(name);
        QVERIFY(stranger.waitForConnected(2000));
        stranger.write(QByteArray("GET / HTTP/1.0\r\n\r\n"));
        stranger.flush();
        QTRY_COMPARE(stranger.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(spy.count(), 0);

        // A length beyond any argument list is refused before anything is read.
        QLocalSocket huge;
        huge.connectToServer(name);
        QVERIFY(huge.waitForConnected(2000));
        huge.write(QByteArray::fromHex("544D4252FFFFFFFF"));
        huge.flush();
        QTRY_COMPARE(huge.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(spy.count(), 0);

        QVERIFY(handOverFromThread(name, {QStringLiteral("c")}, &spy));
        QCOMPARE(spy.count(), 1);
    }

#ifdef Q_OS_UNIX
    void nameLeftBehindByACrashIsTakenOver() {
        // A copy that was killed leaves its socket file: bound once, never listened on again.
        const QString name = uniqueName();
        const QByteArray path = QDir(QDir::tempPath()).filePath(name).toLocal8Bit();
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);

        SingleInstance restarted(name);
        QVERIFY(!restarted.handOverToRunning({}, 500));
        QVERIFY(restarted.listen());
        QSignalSpy spy(&restarted, &SingleInstance::startRequested);
        QVERIFY(handOverFromThread(name, {QStringLiteral("d")}, &spy));
        QCOMPARE(spy.count(), 1);
    }
#endif

    void defaultNameBelongsToTheUser() {
        const QString name = SingleInstance::defaultServerName();
        QVERIFY(name.startsWith(QStringLiteral("Tombrel-")));
        QCOMPARE(name, SingleInstance::defaultServerName());
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", "/somewhere/else");
        const QString other = SingleInstance::defaultServerName();
        qputenv("HOME", home);
        QVERIFY(other != name);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
