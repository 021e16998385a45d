#pragma once
// The media probe's result: the container format, the first video stream and
// every audio stream of one file, as the media library reports them.

#include <QString>
#include <QVector>
#include <cstdint>
#include <optional>

struct TMediaStream {
    int32_t ID = 0;              // audio: -1 when the stream has no identifier
    int32_t Duration = 0;        // milliseconds
    QString DurationString;
    QString Codec;
};

struct TAudioStream : TMediaStream {
    QString Language;            // empty when the file names none
    int32_t SamplingRate = 0;    // Hz
    int32_t BitRate = 0;         // bits per second
    int32_t Channels = 0;
};

struct TVideoStream : TMediaStream {
    QString AspectRatio;         // display aspect text such as "16:9", unparsed
    int32_t Width = 0;
    int32_t Height = 0;
    float FrameRate = 0.0f;
};

class TMediaInfo {
public:
    QVector<TAudioStream> AudioStreams;   // ordered by ID taken as unsigned
    TVideoStream Video;
    QString Format;                        // container format of the whole file

    void SetVideoStream(const TVideoStream &stream) { Video = stream; }
    // Inserts before the first stream whose unsigned ID is not smaller, so a
    // stream without identifier (-1) goes after all streams that have one and
    // streams with equal IDs come out latest first.
    void AddAudioStream(const TAudioStream &stream);
    std::optional<TAudioStream> AudioStreamAt(uint32_t index) const;
    int AudioStreamCount() const { return AudioStreams.size(); }
};
