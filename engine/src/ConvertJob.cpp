#include "ConvertJob.h"

#include <cmath>

namespace korvid {

namespace {

// A job value that failed to read: the reason, for the caller's error text.
struct Failure {
    std::string reason;
};

std::string ExtensionOf(const std::string &path)
{
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return path.substr(dot + 1);
}

std::string Quoted(const char *name, const TextValue &value)
{
    return std::string(name) + " \"" + value.text + "\" is not understood";
}

// A whole or decimal number in [minimum, maximum]; `fallback` when not given.
double ReadNumber(const char *name, const char *text, double fallback, double minimum, double maximum)
{
    const TextValue value = ReadText(text);
    if (!value.given)
        return fallback;
    auto number = ParseNumber(value.text);
    if (!number || *number < minimum || *number > maximum)
        throw Failure{Quoted(name, value)};
    return *number;
}

const ContainerInfo *ReadContainer(const TargetDefaults &target, const JobTexts &texts)
{
    if (!target.container) {
        const std::string extension = ExtensionOf(texts.targetFile ? texts.targetFile : "");
        const ContainerInfo *container = FindContainer(extension);
        if (!container || !container->audioOnly)
            throw Failure{"the target file's extension \"" + extension + "\" names no audio format"};
        return container;
    }
    const TextValue format = ReadText(texts.outputFormat);
    const ContainerInfo *container = FindContainer(format.given ? format.text : target.container);
    if (!container)
        throw Failure{Quoted("OutputFormat", format)};
    return container;
}

const VideoCodecInfo *ReadVideoCodec(const TargetDefaults &target, const ContainerInfo &container,
                                     const JobTexts &texts)
{
    const TextValue codec = ReadText(texts.engineCodec);
    if (codec.given) {
        const VideoCodecInfo *info = FindVideoCodec(codec.text);
        if (!info)
            throw Failure{Quoted("EngineCodec", codec)};
        return info;
    }
    if (target.videoCodec && EqualsIgnoringCase(container.name, target.container))
        return FindVideoCodec(target.videoCodec);
    return &VideoCodecInfoOf(container.usualVideo);
}

const AudioCodecInfo *ReadAudioCodec(const ContainerInfo &container, const VideoJob *video, const JobTexts &texts)
{
    if (video && video->codec->codec == VideoCodec::Dvd)
        return &AudioCodecInfoOf(AudioCodec::Ac3);
    const TextValue codec = ReadText(texts.audioCodec);
    if (!codec.given)
        return &AudioCodecInfoOf(container.usualAudio);
    const AudioCodecInfo *info = FindAudioCodec(codec.text);
    if (!info)
        throw Failure{Quoted("AudioCodec", codec)};
    return info;
}

std::optional<PixelSize> ReadSize(const char *name, const char *text, const char *fallback)
{
    const TextValue value = ReadText(text);
    if (!value.given)
        return fallback ? ParseSize(fallback) : std::nullopt;
    auto size = ParseSize(value.text);
    if (!size)
        throw Failure{Quoted(name, value)};
    return size;
}

std::optional<Fraction> ReadFrameRate(const char *text)
{
    const TextValue value = ReadText(text);
    if (!value.given || EqualsIgnoringCase(value.text, "auto"))
        return std::nullopt;
    auto rate = ParseFrameRate(value.text);
    if (!rate)
        throw Failure{Quoted("VideoFrameRate", value)};
    return rate;
}

std::optional<DisplayAspectValue> ReadAspect(const char *text)
{
    const TextValue value = ReadText(text);
    if (!value.given)
        return std::nullopt;
    auto aspect = ParseDisplayAspect(value.text);
    if (!aspect)
        throw Failure{Quoted("DisplayAspect", value)};
    return aspect;
}

TvSystem ReadTvSystem(const TargetDefaults &target, int32_t tvSystem)
{
    if (!target.mpegTarget)
        return TvSystem::None;
    return tvSystem == 1 ? TvSystem::Ntsc : tvSystem == 2 ? TvSystem::Pal : TvSystem::None;
}

VideoJob ReadVideo(const TargetDefaults &target, const ContainerInfo &container, const JobTexts &texts)
{
    VideoJob video;
    video.codec = ReadVideoCodec(target, container, texts);
    video.frameSize = ReadSize("FrameSize", texts.frameSize, target.frameSize);
    video.pictureSize = ReadSize("PictureSize", texts.pictureSize, nullptr);
    video.aspect = ReadAspect(texts.displayAspect);
    video.frameRate = ReadFrameRate(texts.videoFrameRate);
    video.bitRateKbps = int(ReadNumber("VideoBitRate", texts.videoBitRate, 0, 1, 200000));
    video.highQuality = texts.highQuality != 0;
    video.tvSystem = ReadTvSystem(target, texts.tvSystem);
    video.h264Profile = target.h264Profile;
    return video;
}

AudioJob ReadAudio(const ContainerInfo &container, const VideoJob *video, const JobTexts &texts)
{
    AudioJob audio;
    audio.codec = ReadAudioCodec(container, video, texts);
    audio.sampleRate = int(ReadNumber("AudioSampleRate", texts.audioSampleRate, 0, 1000, 192000));
    audio.bitRateKbps = int(ReadNumber("AudioBitrate", texts.audioBitrate, 0, 1, 1536));
    audio.volumeDb = ReadNumber("Volume", texts.volume, 0, -60, 60);
    return audio;
}

std::string ReadRequiredPath(const char *name, const char *text)
{
    if (!text || !*text)
        throw Failure{std::string(name) + " is missing"};
    return text;
}

std::string MuxerFor(const ContainerInfo &container, const VideoJob *video)
{
    const bool programStream = EqualsIgnoringCase(container.name, "mpg") || EqualsIgnoringCase(container.name, "mpeg");
    if (programStream && video)
        return ProgramStreamMuxer(video->codec->codec);
    return container.muxer;
}

ConversionJob ReadJobOrThrow(const TargetDefaults &target, const JobTexts &texts)
{
    ConversionJob job;
    job.sourceFile = ReadRequiredPath("SourceFile", texts.sourceFile);
    job.targetFile = ReadRequiredPath("TargetFile", texts.targetFile);
    job.startSeconds = ReadNumber("StartText", texts.startText, 0, 0, 1e7);
    job.lengthSeconds = ReadNumber("LengthText", texts.lengthText, 0, 0, 1e7);
    job.container = ReadContainer(target, texts);
    if (!job.container->audioOnly && target.videoCodec)
        job.video = ReadVideo(target, *job.container, texts);
    job.muxer = MuxerFor(*job.container, job.video ? &*job.video : nullptr);
    job.audio = ReadAudio(*job.container, job.video ? &*job.video : nullptr, texts);
    job.audioTrack = int(ReadNumber("AudioTrack", texts.audioTrack, -1, -1, 1e9));
    job.subtitleTrack = int(ReadNumber("SubtitleTrack", texts.subtitleTrack, -1, -1, 1e9));
    job.title = ReadText(texts.titleName).text;
    job.artist = ReadText(texts.artistName).text;
    job.comment = ReadText(texts.comment).text;
    return job;
}

} // namespace

std::optional<ConversionJob> ReadJob(const TargetDefaults &target, const JobTexts &texts, std::string *error)
{
    try {
        return ReadJobOrThrow(target, texts);
    } catch (const Failure &failure) {
        if (error)
            *error = failure.reason;
        return std::nullopt;
    }
}

} // namespace korvid
