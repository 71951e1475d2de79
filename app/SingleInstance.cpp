#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

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
    return QStringLiteral("Tombrel-") + QString::fromLatin1(hash.toHex().left(16));
}

bool SingleInstance::handOverToRunning(const QStringList& arguments, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
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
