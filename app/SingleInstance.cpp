#include "app/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#include <unistd.h>

namespace tv {

SingleInstanceGuard::SingleInstanceGuard(const QString& name, QObject* parent)
    : QObject(parent), name_(name + QStringLiteral("-%1").arg(::getuid()))
{
    lock_ = std::make_unique<QLockFile>(QDir::temp().filePath(name_ + QStringLiteral(".lock")));
    // A lock whose holder died is taken over at once.
    lock_->setStaleLockTime(0);
    first_ = lock_->tryLock(0);
    if (!first_)
        return;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    QLocalServer::removeServer(name_);
    server_->listen(name_);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("raise"))
                    emit activationRequested();
            });
        }
    });
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

bool SingleInstanceGuard::notifyFirst(int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    // The first copy may hold the lock a moment before it listens.
    while (clock.elapsed() < timeoutMs) {
        QLocalSocket socket;
        socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
        socket.connectToServer(name_);
        if (socket.waitForConnected(200)) {
            socket.write("raise\n");
            socket.waitForBytesWritten(500);
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(20);
    }
    return false;
}

} // namespace tv
