#include "RunLog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace conversion {

namespace {

QString Speed(const ClipLogEntry &entry)
{
    if (entry.seconds <= 0)
        return QStringLiteral("-");
    return QString::number(entry.convertedSeconds / entry.seconds, 'f', 2) + QLatin1Char('x');
}

} // namespace

RunLog::RunLog(QString settingsFolder, Clock now)
    : folder_(QDir(settingsFolder).filePath(QStringLiteral("logs"))), now_(std::move(now))
{
}

QString RunLog::FilePath() const
{
    return QDir(folder_).filePath(now_().date().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".log"));
}

void RunLog::RunStarted(const QString &target, int clipCount, const QString &outputFolder)
{
    RemoveOldLogs();
    Write(QStringLiteral("run started: target %1, %2 clip(s), output folder %3").arg(target).arg(clipCount).arg(outputFolder));
}

void RunLog::ClipEnded(const ClipLogEntry &entry)
{
    const QString clip = QStringLiteral("clip %1: ").arg(entry.clipNumber);
    Write(clip + QStringLiteral("source %1").arg(entry.source));
    Write(clip + QStringLiteral("output %1").arg(entry.output));
    Write(clip + QStringLiteral("engine %1").arg(entry.engineCall));
    QString result = clip + entry.result;
    if (!entry.reason.isEmpty())
        result += QStringLiteral(" (") + entry.reason + QLatin1Char(')');
    Write(result + QStringLiteral(" in %1 s, speed %2").arg(entry.seconds, 0, 'f', 1).arg(Speed(entry)));
}

void RunLog::RunEnded(int converted, int failed, bool stopped)
{
    Write(QStringLiteral("run %1: %2 converted, %3 failed").arg(stopped ? QStringLiteral("stopped") : QStringLiteral("ended")).arg(converted).arg(failed));
}

void RunLog::Write(const QString &text)
{
    if (!QDir().mkpath(folder_))
        return;
    QFile file(FilePath());
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return;
    const QString line = now_().toString(QStringLiteral("HH:mm:ss ")) + text + QLatin1Char('\n');
    file.write(line.toUtf8());
}

void RunLog::RemoveOldLogs()
{
    static const QRegularExpression logName(QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})\\.log$"));
    const QDate oldestKept = now_().date().addDays(-(KeptDays - 1));
    const QDir dir(folder_);
    for (const QString &name : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = logName.match(name);
        if (!match.hasMatch())
            continue;
        const QDate day = QDate::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd"));
        if (day.isValid() && day < oldestKept)
            QFile::remove(dir.filePath(name));
    }
}

} // namespace conversion
