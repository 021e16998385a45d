#include "MediaFixtures.h"

#include <QProcess>
#include <cstdio>

namespace fixtures {

namespace {

QStringList Sources(const QString &size = QStringLiteral("320x240"))
{
    return {"-f", "lavfi", "-i", "testsrc=size=" + size + ":rate=25",
            "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000",
            "-f", "lavfi", "-i", "sine=frequency=880:sample_rate=44100",
            "-t", "1", "-map", "0:v", "-map", "1:a", "-map", "2:a"};
}

QString Made(const QStringList &arguments, const QString &path)
{
    return RunFfmpeg(QStringList(arguments) << path) ? path : QString();
}

} // namespace

bool RunFfmpeg(const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{"-y", "-v", "error", "-nostdin"} + arguments);
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0) {
        std::fprintf(stderr, "ffmpeg failed: %s\n", ffmpeg.readAllStandardError().constData());
        return false;
    }
    return true;
}

QString TransportStreamWithTwoAudioPids(const QString &path)
{
    return Made(Sources() + QStringList{"-c:v", "mpeg2video", "-c:a", "mp2", "-metadata:s:a:0", "language=eng",
                                        "-metadata:s:a:1", "language=ger", "-f", "mpegts"},
                path);
}

QString MatroskaWithTwoLanguages(const QString &path)
{
    return Made(Sources() + QStringList{"-c:v", "libx264", "-c:a", "aac", "-ac:a:1", "2", "-metadata:s:a:0",
                                        "language=eng", "-metadata:s:a:1", "language=fre"},
                path);
}

QString Mp4WithTwoAudioTracks(const QString &path)
{
    return Made(Sources() + QStringList{"-c:v", "mpeg4", "-c:a", "aac"}, path);
}

QString AviWithTwoAudioTracks(const QString &path)
{
    return Made(Sources() + QStringList{"-c:v", "mpeg4", "-c:a", "libmp3lame"}, path);
}

QString OneAudioTrack(const QString &path)
{
    return Made({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25", "-f", "lavfi", "-i",
                 "sine=frequency=440:sample_rate=48000", "-t", "1"},
                path);
}

QString VideoOnly(const QString &path, const QString &size)
{
    return Made({"-f", "lavfi", "-i", "testsrc=size=" + size + ":rate=25", "-t", "1"}, path);
}

QString Mp3Song(const QString &path, bool withCoverPicture)
{
    QStringList arguments{"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=1"};
    if (withCoverPicture)
        arguments << QStringList{"-f", "lavfi", "-i", "testsrc=size=160x120:rate=1:duration=1", "-map", "0:a",
                                 "-map", "1:v", "-c:v", "mjpeg", "-frames:v", "1", "-disposition:v", "attached_pic",
                                 "-id3v2_version", "3"};
    return Made(arguments << QStringList{"-c:a", "libmp3lame", "-b:a", "128k"}, path);
}

} // namespace fixtures
