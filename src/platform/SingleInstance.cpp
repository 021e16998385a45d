#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <unistd.h>

namespace platform {

// Per user: the runtime folder belongs to the user; the temporary folder is
// shared, so the user id goes into the name there.
QString PerUserRuntimePath(const QString &key, const QString &suffix)
{
    QString safeKey = key;
    safeKey.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime + QLatin1Char('/') + safeKey + suffix;
    return QDir::tempPath() + QLatin1Char('/') + safeKey + QLatin1Char('-') + QString::number(getuid()) + suffix;
}

// A lock left by a copy that died is stale (its process is gone) and is taken over.
SingleInstanceGuard::SingleInstanceGuard(const QString &key)
    : lock_(std::make_unique<QLockFile>(PerUserRuntimePath(key, QStringLiteral(".lock"))))
{
    lock_->setStaleLockTime(0);
    first_ = lock_->tryLock(0);
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

} // namespace platform
