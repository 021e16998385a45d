#include "EngineVocabulary.h"

#include <QHash>

namespace vocabulary {
namespace {

using Names = QSet<QString>;

const QHash<QString, Names> VideoByContainer{
    {"avi", {"xvid", "mpeg4", "h264", "mpeg1", "mpeg2"}},
    {"mkv", {"xvid", "mpeg4", "h264", "mpeg1", "mpeg2"}},
    {"mp4", {"h264", "mpeg4"}}, {"m4v", {"h264", "mpeg4"}}, {"mov", {"h264", "mpeg4"}},
    {"3gp", {"h264", "mpeg4", "h263"}},
    {"asf", {"wmv2"}}, {"wmv", {"wmv2"}},
    {"mpg", {"mpeg1", "mpeg2", "dvd"}}, {"mpeg", {"mpeg1", "mpeg2", "dvd"}},
    {"mpeg2", {"mpeg2", "dvd"}}, {"vob", {"mpeg1", "mpeg2", "dvd"}}, {"dvd", {"dvd"}},
    {"ts", {"mpeg2ts", "mpeg2", "h264"}}, {"m2ts", {"mpeg2ts", "mpeg2", "h264"}},
    {"mpeg2ts", {"mpeg2ts", "mpeg2", "h264"}},
    {"flv", {"flv", "h264"}},
};

const QHash<QString, Names> AudioByContainer{
    {"avi", {"mp3", "ac3", "mp2", "pcm"}}, {"mkv", {"aac", "mp3", "ac3", "vorbis"}},
    {"mp4", {"aac"}}, {"m4v", {"aac"}}, {"mov", {"aac"}}, {"3gp", {"aac"}},
    {"asf", {"wmav2"}}, {"wmv", {"wmav2"}}, {"flv", {"mp3"}},
    {"mpg", {"mp2", "ac3"}}, {"mpeg", {"mp2", "ac3"}}, {"mpeg2", {"mp2", "ac3"}},
    {"vob", {"mp2", "ac3"}}, {"dvd", {"ac3"}},
    {"ts", {"mp2", "ac3", "aac"}}, {"m2ts", {"mp2", "ac3", "aac"}}, {"mpeg2ts", {"mp2", "ac3", "aac"}},
    {"mp3", {"mp3"}}, {"aac", {"aac"}}, {"m4a", {"aac"}}, {"ac3", {"ac3"}},
    {"ogg", {"vorbis"}}, {"wma", {"wmav2"}}, {"wav", {"pcm"}},
};

const QSet<int> MpegOneRates{32000, 44100, 48000};
const QSet<int> MpegTwoRates{16000, 22050, 24000};
const QSet<int> LayerTwoRatesOne{32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
const QSet<int> LayerThreeRatesOne{32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
const QSet<int> LowSampleRateBitRates{8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
const QSet<int> Ac3BitRates{32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320,
                            384, 448, 512, 576, 640};
const QSet<int> AacSampleRates{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};

bool MpegAudioAccepts(int sampleRate, int bitRate, const QSet<int> &mpegOneBitRates)
{
    if (MpegOneRates.contains(sampleRate))
        return mpegOneBitRates.contains(bitRate);
    return MpegTwoRates.contains(sampleRate) && LowSampleRateBitRates.contains(bitRate);
}

} // namespace

bool ContainerCarriesVideo(const QString &container, const QString &videoCodec)
{
    return VideoByContainer.value(container).contains(videoCodec);
}

bool ContainerCarriesAudio(const QString &container, const QString &audioCodec)
{
    return AudioByContainer.value(container).contains(audioCodec);
}

bool AudioEncoderAccepts(const QString &audioCodec, int sampleRate, int bitRate)
{
    if (audioCodec == "mp2")
        return MpegAudioAccepts(sampleRate, bitRate, LayerTwoRatesOne);
    if (audioCodec == "mp3")
        return MpegAudioAccepts(sampleRate, bitRate, LayerThreeRatesOne);
    if (audioCodec == "ac3")
        return MpegOneRates.contains(sampleRate) && Ac3BitRates.contains(bitRate);
    if (audioCodec == "aac")
        return AacSampleRates.contains(sampleRate) && bitRate >= 16 && bitRate <= 320;
    if (audioCodec == "wmav2")
        return sampleRate >= 22050 && sampleRate <= 48000 && bitRate >= 32 && bitRate <= 192;
    if (audioCodec == "vorbis")   // managed stereo bit rates of libvorbis
        return (sampleRate == 44100 || sampleRate == 48000) && bitRate >= 64 && bitRate <= 320;
    if (audioCodec == "pcm")
        return AacSampleRates.contains(sampleRate);
    return false;
}

bool ContainerCarriesSampleRate(const QString &container, const QString &audioCodec, int sampleRate)
{
    if (container == "flv" && audioCodec == "mp3")
        return sampleRate == 44100 || sampleRate == 22050 || sampleRate == 11025;
    return true;
}

bool VideoEncoderAcceptsFrameRate(const QString &videoCodec, const QString &frameRate)
{
    static const QSet<QString> MpegFrameRates{"Auto", "24000/1001", "24", "25", "30000/1001",
                                              "30", "50", "60000/1001", "60"};
    static const QSet<QString> MpegVideo{"mpeg1", "mpeg2", "mpeg2ts", "dvd"};
    return !MpegVideo.contains(videoCodec) || MpegFrameRates.contains(frameRate);
}

} // namespace vocabulary
