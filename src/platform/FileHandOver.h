#pragma once
// Files handed from a refused second copy to the running one, over a local socket
// of this user's own. The running copy listens (taking over a socket left by a copy
// that crashed: only the holder of the single-copy guard listens); a second copy
// connects, sends its files (possibly none: "come to the front") and ends.

#include <QObject>
#include <QStringList>

class QLocalServer;

namespace platform {

class FileHandOverServer : public QObject {
    Q_OBJECT
public:
    // Listens on the socket named after `key`; call only while holding the guard.
    explicit FileHandOverServer(const QString &key, QObject *parent = nullptr);
    bool IsListening() const;

signals:
    void FilesHandedOver(const QStringList &files);

private:
    void AcceptConnections();
    QLocalServer *server_;
};

// The second copy's side: true once the running copy has the files.
bool HandFilesOver(const QString &key, const QStringList &files, int timeoutMilliseconds);

} // namespace platform
