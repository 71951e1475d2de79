#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace tombrel {

namespace {

// A request: magic, payload length, payload (the arguments in UTF-8, each ended by a NUL).
constexpr quint32 kMagic = 0x544D4252; // "TMBR"
constexpr quint32 kMaxPayload = 1u << 20;
constexpr qint64 kHeaderSize = 8;
constexpr char kAcknowledge = 'A';

QByteArray encodeRequest(const QStringList& arguments) {
    QByteArray payload;
    for (const QString& argument : arguments) {
        payload += argument.toUtf8();
        payload += '\0';
    }
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out << kMagic << static_cast<quint32>(payload.size());
    request += payload;
    return request;
}

QStringList decodePayload(const QByteArray& payload) {
    QStringList arguments;
    qsizetype start = 0;
    for (qsizetype i = 0; i < payload.size(); ++i) {
        if (payload[i] == '\0') {
            arguments << QString::fromUtf8(payload.mid(start, i - start));
            start = i + 1;
        }
    }
    return arguments;
}

#ifdef Q_OS_UNIX
qint64 currentUser() {
    return static_cast<qint64>(::geteuid());
}

// A folder of this user's alone: a real folder (no link), owned by the user, that nobody else may
// enter or write to.
bool isPrivateFolder(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           static_cast<qint64>(info.st_uid) == currentUser() && (info.st_mode & 077) == 0;
}

// Makes `path` a private folder of this user when it is missing; one of the user's own with too
// wide a mode is narrowed. Anything that belongs to someone else, or a link, is left alone.
bool ensurePrivateFolder(const QByteArray& path) {
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        static_cast<qint64>(info.st_uid) != currentUser())
        return false;
    if ((info.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0)
        return false;
    return isPrivateFolder(path);
}

// Where QLocalSocket looks for a socket of this name.
QString socketPath(const QString& name) {
    return name.startsWith(QLatin1Char('/')) ? name : QDir(QDir::tempPath()).filePath(name);
}

// The socket file is a socket (not a link to one) and belongs to `owner`.
bool socketFileBelongsTo(const QString& name, qint64 owner) {
    struct stat info {};
    return ::lstat(QFile::encodeName(socketPath(name)).constData(), &info) == 0 &&
           S_ISSOCK(info.st_mode) && static_cast<qint64>(info.st_uid) == owner;
}

// The user on the other end of a connected local socket; -1 when the system does not say.
qint64 peerUser(qintptr descriptor) {
    if (descriptor < 0)
        return -1;
#ifdef SO_PEERCRED
    struct ucred credentials {};
    socklen_t length = sizeof credentials;
    if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials,
                     &length) != 0)
        return -1;
    return static_cast<qint64>(credentials.uid);
#else
    uid_t user = 0;
    gid_t group = 0;
    if (::getpeereid(static_cast<int>(descriptor), &user, &group) != 0)
        return -1;
    return static_cast<qint64>(user);
#endif
}
#endif

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), name_(std::move(serverName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    const QByteArray hash =
        QCryptographicHash::hash((user + QDir::homePath()).toUtf8(), QCryptographicHash::Sha1);
    const QString name = QStringLiteral("Tombrel-") + QString::fromLatin1(hash.toHex().left(16));
#ifdef Q_OS_UNIX
    const QString folder =
        socketFolder(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(name);
#else
    // A named pipe; the server's access option keeps it to this user.
    return name;
#endif
}

QString SingleInstance::socketFolder(const QString& runtimeFolder) {
#ifdef Q_OS_UNIX
    if (!runtimeFolder.isEmpty() && isPrivateFolder(QFile::encodeName(runtimeFolder)))
        return runtimeFolder;
    const QString fallback =
        QDir(QDir::tempPath()).filePath(QStringLiteral("Tombrel-%1").arg(currentUser()));
    return ensurePrivateFolder(QFile::encodeName(fallback)) ? fallback : QString();
#else
    return runtimeFolder.isEmpty() ? QDir::tempPath() : runtimeFolder;
#endif
}

bool SingleInstance::belongsToExpectedOwner(const QLocalSocket& socket) const {
#ifdef Q_OS_UNIX
    const qint64 owner = expectedOwner_ >= 0 ? expectedOwner_ : currentUser();
    return peerUser(socket.socketDescriptor()) == owner;
#else
    Q_UNUSED(socket);
    return true;
#endif
}

bool SingleInstance::handOverToRunning(const QStringList& arguments, int timeoutMs) {
    if (name_.isEmpty())
        return false;
#ifdef Q_OS_UNIX
    // Another user's listener at this name gets nothing, and this start runs by itself.
    if (!socketFileBelongsTo(name_, expectedOwner_ >= 0 ? expectedOwner_ : currentUser()))
        return false;
#endif
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    // The file may have been replaced after it was looked at: the peer itself must be ours.
    if (!belongsToExpectedOwner(socket)) {
        socket.abort();
        return false;
    }
    socket.write(encodeRequest(arguments));
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // Only a copy that confirmed the request counts as running; anything else listening under
    // the name does not keep this start from running.
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    char reply = 0;
    socket.getChar(&reply);
    socket.disconnectFromServer();
    return reply == kAcknowledge;
}

bool SingleInstance::listen() {
    if (server_)
        return server_->isListening();
    if (name_.isEmpty())
        return false;
    // Listening would quietly take the name from a copy that still runs (the socket file is
    // replaced), so first make sure that nobody answers on it.
    {
        QLocalSocket probe;
        probe.connectToServer(name_);
        if (probe.waitForConnected(500))
            return false;
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    if (server_->listen(name_))
        return true;
    if (server_->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // Nobody answered: a copy that crashed left its socket file behind.
    QLocalServer::removeServer(name_);
    return server_->listen(name_);
}

bool SingleInstance::isListening() const {
    return server_ && server_->isListening();
}

void SingleInstance::acceptConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        // Only this user's own later starts hand over files.
        if (!belongsToExpectedOwner(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        readRequest(socket);
    }
}

void SingleInstance::readRequest(QLocalSocket* socket) {
    if (socket->bytesAvailable() < kHeaderSize)
        return;
    QDataStream header(socket->peek(kHeaderSize));
    quint32 magic = 0, length = 0;
    header >> magic >> length;
    if (magic != kMagic || length > kMaxPayload) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < kHeaderSize + length)
        return;
    socket->skip(kHeaderSize);
    const QStringList arguments = decodePayload(socket->read(length));
    socket->putChar(kAcknowledge);
    socket->flush();
    Q_EMIT startRequested(arguments);
}

} // namespace tombrel
