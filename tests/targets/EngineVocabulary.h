#pragma once
// What the conversion engine and its encoders accept: the values a definition file may
// offer and the combinations of container, codec, sample rate and bit rate that encode.

#include <QSet>
#include <QString>

namespace vocabulary {

inline const QSet<QString> VideoCodecs{"h264", "mpeg4", "xvid", "mpeg1", "mpeg2", "wmv2",
                                       "flv", "h263", "dvd", "mpeg2ts"};
inline const QSet<QString> AudioCodecs{"aac", "mp3", "ac3", "mp2", "wmav2", "vorbis", "pcm"};
inline const QSet<QString> Containers{"mp4", "m4v", "mov", "3gp", "avi", "asf", "wmv", "mpg", "mpeg",
                                      "mpeg2", "vob", "dvd", "ts", "m2ts", "mpeg2ts", "flv", "mkv",
                                      "mp3", "aac", "ac3", "m4a", "ogg", "wma", "wav"};

// Video codecs a container carries.
bool ContainerCarriesVideo(const QString &container, const QString &videoCodec);
// Audio codecs a container carries. Containers whose entry points may take the container's
// usual audio codec instead of the chosen one (MP4 family, MOV, FLV, ASF) allow only that one.
bool ContainerCarriesAudio(const QString &container, const QString &audioCodec);
// Whether the audio encoder accepts this sample rate (Hz) and bit rate (kbit/s).
bool AudioEncoderAccepts(const QString &audioCodec, int sampleRate, int bitRate);
// FLV stores MP3 only at 44.1, 22.05 and 11.025 kHz.
bool ContainerCarriesSampleRate(const QString &container, const QString &audioCodec, int sampleRate);
// MPEG-1/2 video knows only the broadcast and film frame rates.
bool VideoEncoderAcceptsFrameRate(const QString &videoCodec, const QString &frameRate);

} // namespace vocabulary
