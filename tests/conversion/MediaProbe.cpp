#include "MediaProbe.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace conversion::testing_support {
namespace {

QByteArray RunTool(const QString &program, const QStringList &arguments, QString *error = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        if (error)
            *error = QString::fromUtf8(process.readAllStandardError()).trimmed();
        return {};
    }
    return process.readAllStandardOutput();
}

void ReadStreams(ProbedMedia &media, const QJsonArray &streams)
{
    for (const QJsonValue &value : streams) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value(QLatin1String("codec_type")).toString();
        if (type == QLatin1String("video") && media.videoCodec.isEmpty()) {
            media.videoCodec = stream.value(QLatin1String("codec_name")).toString();
            media.width = stream.value(QLatin1String("width")).toInt();
            media.height = stream.value(QLatin1String("height")).toInt();
            media.displayAspect = stream.value(QLatin1String("display_aspect_ratio")).toString();
        } else if (type == QLatin1String("audio") && media.audioCodec.isEmpty()) {
            media.audioCodec = stream.value(QLatin1String("codec_name")).toString();
        }
    }
}

} // namespace

ProbedMedia ProbeMedia(const QString &path)
{
    ProbedMedia media;
    const QByteArray json = RunTool(QStringLiteral("ffprobe"),
                                    {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_format"),
                                     QStringLiteral("-show_streams"), QStringLiteral("-of"), QStringLiteral("json"), path},
                                    &media.error);
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    if (root.isEmpty())
        return media;
    const QJsonObject format = root.value(QLatin1String("format")).toObject();
    media.readable = true;
    media.formatName = format.value(QLatin1String("format_name")).toString();
    media.durationSeconds = format.value(QLatin1String("duration")).toString().toDouble();
    ReadStreams(media, root.value(QLatin1String("streams")).toArray());
    return media;
}

bool MakeTestClip(const QString &path, int seconds, int width, int height)
{
    const QString size = QStringLiteral("%1x%2").arg(width).arg(height);
    const QStringList arguments = {
        QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
        QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
        QStringLiteral("testsrc2=size=%1:rate=25:duration=%2").arg(size).arg(seconds),
        QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
        QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1").arg(seconds),
        QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-q:v"), QStringLiteral("5"),
        QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-ac"), QStringLiteral("2"),
        QStringLiteral("-shortest"), path};
    QProcess process;
    process.start(QStringLiteral("ffmpeg"), arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace conversion::testing_support
