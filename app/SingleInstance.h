#pragma once

// Only one copy of the program runs per user. A later start connects to the running one through
// a local socket with a per-user name, hands over its file arguments and ends; the running copy
// receives them through startRequested() and brings its window forward.

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

    // A name of this user's own, so that two users on one machine each run their own copy.
    static QString defaultServerName();

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

    QString name_;
    QLocalServer* server_ = nullptr;
};

} // namespace tombrel
