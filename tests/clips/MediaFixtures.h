#pragma once
// Small media files made at test time by the ffmpeg program (one second each).

#include <QString>
#include <QStringList>

namespace fixtures {

// Runs ffmpeg with lavfi sources; returns false (and prints why) when it fails.
bool RunFfmpeg(const QStringList &arguments);

// Each writes `path` and returns it, or an empty text when ffmpeg failed.
QString TransportStreamWithTwoAudioPids(const QString &path);   // MPEG-2 video, MP2 "eng" and "ger"
QString MatroskaWithTwoLanguages(const QString &path);          // H.264, AAC "eng" mono and "fre" stereo
QString Mp4WithTwoAudioTracks(const QString &path);             // MPEG-4 video, two AAC tracks
QString AviWithTwoAudioTracks(const QString &path);             // MPEG-4 video, two MP3 tracks
QString VideoOnly(const QString &path, const QString &size);    // one stream, codec from the extension
QString OneAudioTrack(const QString &path);                     // video and one audio track, codecs from the extension
QString Mp3Song(const QString &path, bool withCoverPicture);     // mono 44.1 kHz 128 kbit/s, no language or identifier

} // namespace fixtures
