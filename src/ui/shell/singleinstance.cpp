#include "ui/shell/singleinstance.h"

#include "app/instancelock.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace orv {

InstanceServer::InstanceServer(const QString& name, std::function<bool(const QString&)> accepts,
                               std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), accepts_(std::move(accepts)),
      open_(std::move(open)) {
    // Only this user may hand projects over.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours: a socket still there belongs to a run that crashed.
    QLocalServer::removeServer(name);
    server_->listen(name);
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::answer);
}

bool InstanceServer::listening() const {
    return server_->isListening();
}

void InstanceServer::answer() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            const std::optional<QString> path = handoverPath(socket->peek(4096));
            if (!path) return;
            socket->readAll();
            const bool accepted = accepts_(*path);
            socket->write(handoverReply(accepted));
            socket->flush();
            // Opening shows windows and perhaps messages: the second start has its answer
            // first and ends meanwhile.
            if (accepted) QTimer::singleShot(0, this, [this, p = *path] { open_(p); });
        });
    }
}

bool handOverProject(const QString& serverName, const QString& path, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(handoverRequest(path));
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    QByteArray reply;
    while (!reply.contains('\n') && socket.waitForReadyRead(timeoutMs))
        reply += socket.readAll();
    return handoverOpened(reply);
}

} // namespace orv
