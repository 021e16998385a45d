#include "FileHandOver.h"

#include "SingleInstance.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace platform {

namespace {

QString SocketPath(const QString &key)
{
    return PerUserRuntimePath(key, QStringLiteral(".socket"));
}

constexpr char kReceived = 'k';

} // namespace

FileHandOverServer::FileHandOverServer(const QString &key, QObject *parent)
    : QObject(parent), server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(SocketPath(key));
    server_->listen(SocketPath(key));
    connect(server_, &QLocalServer::newConnection, this, &FileHandOverServer::AcceptConnections);
}

bool FileHandOverServer::IsListening() const
{
    return server_->isListening();
}

// One message per connection: a QDataStream'd list of paths; the answer is one byte.
void FileHandOverServer::AcceptConnections()
{
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            QDataStream stream(socket);
            stream.startTransaction();
            QStringList files;
            stream >> files;
            if (!stream.commitTransaction())
                return;   // the rest is still on its way
            socket->write(&kReceived, 1);
            socket->flush();
            emit FilesHandedOver(files);
        });
    }
}

// The running copy may still be starting (its socket not yet made): try again until the deadline.
bool HandFilesOver(const QString &key, const QStringList &files, int timeoutMilliseconds)
{
    const QDeadlineTimer deadline(timeoutMilliseconds);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(SocketPath(key));
        if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            QThread::msleep(100);
            continue;
        }
        QDataStream stream(&socket);
        stream << files;
        if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            return false;
        while (socket.bytesAvailable() < 1) {
            if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
                return false;
        }
        return socket.read(1) == QByteArray(1, kReceived);
    }
    return false;
}

} // namespace platform
