#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>

#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
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
bool handOverFromThread(const QString& name, const QStringList& arguments, QSignalSpy* spyToWaitOn,
                        qint64 expectedOwner = -1) {
    std::atomic<bool> result = false;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        SingleInstance later(name);
        if (expectedOwner >= 0)
            later.setExpectedOwner(expectedOwner);
        result = later.handOverToRunning(arguments, 1000);
    }));
    thread->start();
    if (spyToWaitOn)
        spyToWaitOn->wait(5000);
    while (!thread->wait(10))
        QCoreApplication::processEvents();
    return result;
}

#ifdef Q_OS_UNIX
int permissionsOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777)
                                                                    : -1;
}

// Runs `body` with TMPDIR pointing at `folder`, so that the fallback folder is made there.
template <class Body> void withTempFolder(const QString& folder, Body body) {
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(folder));
    body();
    qputenv("TMPDIR", saved);
}

constexpr uid_t kNobody = 65534;

// A listener that another user planted at `path`: a child process binds the socket (as this
// user, root), optionally gives the file to the other user, becomes that user and listens. It
// reports on `report` how many bytes a connection brought, or -1 when nobody connected.
pid_t plantForeignListener(const QByteArray& path, bool giveFileAway, int report, int ready) {
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        (giveFileAway && ::chown(path.constData(), kNobody, kNobody) != 0) ||
        ::chmod(path.constData(), 0777) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0 ||
        ::listen(fd, 4) != 0)
        ::_exit(2);
    char go = 'r';
    if (::write(ready, &go, 1) != 1)
        ::_exit(3);
    int received = -1;
    pollfd waiting{fd, POLLIN, 0};
    if (::poll(&waiting, 1, 2000) == 1) {
        const int connection = ::accept(fd, nullptr, nullptr);
        received = 0;
        char buffer[256];
        pollfd data{connection, POLLIN, 0};
        while (::poll(&data, 1, 1500) == 1) {
            const ssize_t n = ::read(connection, buffer, sizeof buffer);
            if (n <= 0)
                break;
            received += int(n);
        }
    }
    if (::write(report, &received, sizeof received) != sizeof received)
        ::_exit(4);
    ::_exit(0);
}
#endif

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

    void listenerOfAnotherUserIsToldNothing() {
        // The running copy is genuine, but the later start expects another owner: it must not
        // send, and runs by itself.
        const QString name = uniqueName();
        SingleInstance running(name);
        QVERIFY(running.listen());
        QSignalSpy spy(&running, &SingleInstance::startRequested);
#ifdef Q_OS_UNIX
        const qint64 other = qint64(::geteuid()) + 1;
#else
        const qint64 other = 1;
#endif
        QVERIFY(!handOverFromThread(name, {QStringLiteral("/secret/REG.bup")}, nullptr, other));
        QTest::qWait(100);
        QCOMPARE(spy.count(), 0);
    }

    void runningCopyServesOnlyItsOwnUser() {
        const QString name = uniqueName();
        SingleInstance running(name);
#ifdef Q_OS_UNIX
        running.setExpectedOwner(qint64(::geteuid()) + 1);
#else
        running.setExpectedOwner(1);
#endif
        QVERIFY(running.listen());
        QSignalSpy spy(&running, &SingleInstance::startRequested);
        QVERIFY(!handOverFromThread(name, {QStringLiteral("x")}, nullptr));
        QCOMPARE(spy.count(), 0);
    }

#ifdef Q_OS_UNIX
    void plantedListenerGetsNoPaths_data() {
        QTest::addColumn<bool>("giveFileAway");
        // The socket file itself shows the other owner.
        QTest::newRow("file of another user") << true;
        // The file looks like this user's; the process listening on it is not.
        QTest::newRow("listener of another user") << false;
    }

    void plantedListenerGetsNoPaths() {
        QFETCH(bool, giveFileAway);
        if (::geteuid() != 0)
            QSKIP("planting another user's listener needs root");
        QTemporaryDir dir;
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
        const QString path = dir.filePath(QStringLiteral("Tombrel-planted"));
        int report[2], ready[2];
        QVERIFY(::pipe(report) == 0 && ::pipe(ready) == 0);
        const pid_t child =
            plantForeignListener(QFile::encodeName(path), giveFileAway, report[1], ready[1]);
        // Only the child writes: should it fail, the reads below end instead of waiting.
        ::close(report[1]);
        ::close(ready[1]);
        QVERIFY(child > 0);
        char go = 0;
        QCOMPARE(::read(ready[0], &go, 1), ssize_t(1));

        SingleInstance later(path);
        QVERIFY(!later.handOverToRunning({QStringLiteral("/home/anna/Show.buf/REG.bup")}, 1000));

        int received = -2;
        QCOMPARE(::read(report[0], &received, sizeof received), ssize_t(sizeof received));
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(report[0]);
        ::close(ready[0]);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        // Refused by the file: no connection at all; refused by the peer: connected, nothing sent.
        QCOMPARE(received, giveFileAway ? -1 : 0);
    }

    void socketFolderIsPrivateToTheUser() {
        QTemporaryDir temp;
        const QString fallback =
            QDir(temp.path()).filePath(QStringLiteral("Tombrel-%1").arg(::geteuid()));
        withTempFolder(temp.path(), [&] {
            // A private runtime folder is taken as it is.
            QTemporaryDir runtime;
            QVERIFY(QFile::setPermissions(runtime.path(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            QCOMPARE(SingleInstance::socketFolder(runtime.path()), runtime.path());

            // None, or one others may enter: a private folder of its own in the temporary one.
            QCOMPARE(SingleInstance::socketFolder(QString()), fallback);
            QCOMPARE(permissionsOf(fallback), 0700);
            QVERIFY(::chmod(QFile::encodeName(runtime.path()).constData(), 0755) == 0);
            QCOMPARE(SingleInstance::socketFolder(runtime.path()), fallback);

            // The user's own folder left too open is narrowed.
            QVERIFY(::chmod(QFile::encodeName(fallback).constData(), 0777) == 0);
            QCOMPARE(SingleInstance::socketFolder(QString()), fallback);
            QCOMPARE(permissionsOf(fallback), 0700);

            // A link planted at the name is not followed.
            QVERIFY(QDir(fallback).removeRecursively());
            QVERIFY(QFile::link(runtime.path(), fallback));
            QCOMPARE(SingleInstance::socketFolder(QString()), QString());
            QVERIFY(QFile::remove(fallback));

            if (::geteuid() == 0) {
                // A folder of another user at the name.
                QVERIFY(QDir().mkdir(fallback));
                QVERIFY(::chown(QFile::encodeName(fallback).constData(), kNobody, kNobody) == 0);
                QCOMPARE(SingleInstance::socketFolder(QString()), QString());
            }
        });
    }

    void noSafeFolderMeansEveryStartRuns() {
        SingleInstance alone{QString()};
        QVERIFY(!alone.handOverToRunning({QStringLiteral("a")}, 200));
        QVERIFY(!alone.listen());
    }
#endif

    void defaultNameBelongsToTheUser() {
        const QString name = SingleInstance::defaultServerName();
        QVERIFY(QFileInfo(name).fileName().startsWith(QStringLiteral("Tombrel-")));
        QCOMPARE(name, SingleInstance::defaultServerName());
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", "/somewhere/else");
        const QString other = SingleInstance::defaultServerName();
        qputenv("HOME", home);
        QVERIFY(other != name);
#ifdef Q_OS_UNIX
        // In the user's runtime folder (or the private fallback), never loose in /tmp.
        const QString folder = QFileInfo(name).path();
        QCOMPARE(folder, SingleInstance::socketFolder(
                             QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)));
        QCOMPARE(permissionsOf(folder) & 077, 0);
        QVERIFY(folder != QDir::tempPath());
#endif
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
