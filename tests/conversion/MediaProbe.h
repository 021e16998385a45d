#pragma once
// What an independent reader (ffprobe) sees in a media file, and making short test clips.

#include <QString>

namespace conversion::testing_support {

struct ProbedMedia {
    bool readable = false;
    QString formatName;        // ffprobe's format_name, e.g. "mov,mp4,m4a,3gp,3g2,mj2"
    double durationSeconds = 0;
    QString videoCodec;        // empty when there is no video stream
    int width = 0;
    int height = 0;
    QString displayAspect;     // e.g. "16:9"; empty when the stream names none
    QString audioCodec;        // empty when there is no audio stream
    QString error;             // ffprobe's complaint when not readable
};

ProbedMedia ProbeMedia(const QString &path);

// A clip of test pattern and tone made by the ffmpeg program; false when it failed.
bool MakeTestClip(const QString &path, int seconds, int width, int height);

} // namespace conversion::testing_support
