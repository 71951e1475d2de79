#pragma once

// Only one copy of the program runs per user. A later start connects to the running one through
// a local socket with a per-user name, hands over its file arguments and ends; the running copy
// receives them through startRequested() and brings its window forward.
//
// The paths a user opens are nobody else's business: on Unix the socket lives in the user's own
// runtime folder, and a later start hands nothing to a listener that belongs to another user
// (the socket file's owner and the connected peer's credentials are both checked); the running
// copy likewise serves only its own user.

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

namespace tombrel {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // A name of this user's own, so that two users on one machine each run their own copy. On
    // Unix the full path of the socket in socketFolder(); empty when there is no safe folder for
    // it, and then every start simply runs.
    static QString defaultServerName();
    // The folder for the socket: `runtimeFolder` (the user's runtime folder) when it is a private
    // folder of this user, otherwise "Tombrel-<user id>" in the temporary folder, made private to
    // this user; empty when neither is safe (for example a folder of that name that belongs to
    // someone else or is a symbolic link).
    static QString socketFolder(const QString& runtimeFolder);

    // The user the running copy must belong to, by default the one running this start. Tests set
    // another to see a foreign listener refused.
    void setExpectedOwner(qint64 userId) { expectedOwner_ = userId; }

    // Hands `arguments` to a running copy. True when it took them: this start should end.
    bool handOverToRunning(const QStringList& arguments, int timeoutMs = 3000);

    // Listens for later starts. A name left behind by a copy that ended without cleaning up is
    // taken over; a live copy's name is not. False when later starts cannot find this one.
    bool listen();
    bool isListening() const;

Q_SIGNALS:
    void startRequested(const QStringList& arguments);

private:
    void acceptConnection();
    void readRequest(QLocalSocket* socket);
    bool belongsToExpectedOwner(const QLocalSocket& socket) const;

    QString name_;
    qint64 expectedOwner_ = -1; // -1: this user
    QLocalServer* server_ = nullptr;
};

} // namespace tombrel
