#include "app/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

namespace tv {

namespace {

QString userTag() { return QString::number(::getuid()); }

QString guardName(const QString& name) { return name + QLatin1Char('-') + userTag(); }

// A folder fit for the lock: a real folder (not a link) owned by this user.
bool ownFolder(const QString& path)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return false;
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid();
}

} // namespace

QString SingleInstanceGuard::runtimeFolder()
{
    // Qt's own RuntimeLocation falls back to the temporary folder, which is
    // exactly what a second copy with another TMPDIR must not see differently.
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (ownFolder(xdg))
        return QDir::cleanPath(xdg);
    const QString run = QStringLiteral("/run/user/") + userTag();
    if (ownFolder(run))
        return run;
    const QString own = QStringLiteral("/tmp/tallyvale-") + userTag();
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return ownFolder(own) ? own : QStringLiteral("/tmp");
}

QString SingleInstanceGuard::lockPath(const QString& name)
{
    return runtimeFolder() + QLatin1Char('/') + guardName(name) + QStringLiteral(".lock");
}

SingleInstanceGuard::SingleInstanceGuard(const QString& name, QObject* parent)
    : QObject(parent), name_(guardName(name))
{
    lock_ = std::make_unique<QLockFile>(lockPath(name));
    // A lock whose holder died is taken over at once.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0))
        return;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    // An abstract name is held only while its owner lives, so a name in use
    // means another copy runs even if it found its lock somewhere else (a
    // different XDG_RUNTIME_DIR).
    if (!server_->listen(name_) && server_->serverError() == QAbstractSocket::AddressInUseError) {
        delete server_;
        server_ = nullptr;
        lock_->unlock();
        return;
    }
    first_ = true;
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
