#include "convert_job.h"

#include <cmath>

namespace korvid {

namespace {

// A job value that failed to read: the reason, for the caller's error text.
struct Failure {
    std::string reason;
};

std::string extensionOf(const std::string &path)
{
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return path.substr(dot + 1);
}

std::string quoted(const char *name, const TextValue &value)
{
    return std::string(name) + " \"" + value.text + "\" is not understood";
}

// A whole or decimal number in [minimum, maximum]; `fallback` when not given.
double readNumber(const char *name, const char *text, double fallback, double minimum, double maximum)
{
    const TextValue value = readText(text);
    if (!value.given)
        return fallback;
    auto number = parseNumber(value.text);
    if (!number || *number < minimum || *number > maximum)
        throw Failure{quoted(name, value)};
    return *number;
}

const ContainerInfo *readContainer(const TargetDefaults &target, const JobTexts &texts)
{
    if (!target.container) {
        const std::string extension = extensionOf(texts.targetFile ? texts.targetFile : "");
        const ContainerInfo *container = findContainer(extension);
        if (!container || !container->audioOnly)
            throw Failure{"the target file's extension \"" + extension + "\" names no audio format"};
        return container;
    }
    const TextValue format = readText(texts.outputFormat);
    const ContainerInfo *container = findContainer(format.given ? format.text : target.container);
    if (!container)
        throw Failure{quoted("OutputFormat", format)};
    return container;
}

const VideoCodecInfo *readVideoCodec(const TargetDefaults &target, const ContainerInfo &container,
                                     const JobTexts &texts)
{
    const TextValue codec = readText(texts.engineCodec);
    if (codec.given) {
        const VideoCodecInfo *info = findVideoCodec(codec.text);
        if (!info)
            throw Failure{quoted("EngineCodec", codec)};
        return info;
    }
    if (target.videoCodec && equalsIgnoringCase(container.name, target.container))
        return findVideoCodec(target.videoCodec);
    return &videoCodecInfo(container.usualVideo);
}

const AudioCodecInfo *readAudioCodec(const ContainerInfo &container, const VideoJob *video, const JobTexts &texts)
{
    if (video && video->codec->codec == VideoCodec::Dvd)
        return &audioCodecInfo(AudioCodec::Ac3);
    const TextValue codec = readText(texts.audioCodec);
    if (!codec.given)
        return &audioCodecInfo(container.usualAudio);
    const AudioCodecInfo *info = findAudioCodec(codec.text);
    if (!info)
        throw Failure{quoted("AudioCodec", codec)};
    return info;
}

std::optional<PixelSize> readSize(const char *name, const char *text, const char *fallback)
{
    const TextValue value = readText(text);
    if (!value.given)
        return fallback ? parseSize(fallback) : std::nullopt;
    auto size = parseSize(value.text);
    if (!size)
        throw Failure{quoted(name, value)};
    return size;
}

std::optional<Fraction> readFrameRate(const char *text)
{
    const TextValue value = readText(text);
    if (!value.given || equalsIgnoringCase(value.text, "auto"))
        return std::nullopt;
    auto rate = parseFrameRate(value.text);
    if (!rate)
        throw Failure{quoted("VideoFrameRate", value)};
    return rate;
}

std::optional<DisplayAspectValue> readAspect(const char *text)
{
    const TextValue value = readText(text);
    if (!value.given)
        return std::nullopt;
    auto aspect = parseDisplayAspect(value.text);
    if (!aspect)
        throw Failure{quoted("DisplayAspect", value)};
    return aspect;
}

TvSystem readTvSystem(const TargetDefaults &target, int32_t tvSystem)
{
    if (!target.mpegTarget)
        return TvSystem::None;
    return tvSystem == 1 ? TvSystem::Ntsc : tvSystem == 2 ? TvSystem::Pal : TvSystem::None;
}

VideoJob readVideo(const TargetDefaults &target, const ContainerInfo &container, const JobTexts &texts)
{
    VideoJob video;
    video.codec = readVideoCodec(target, container, texts);
    video.frameSize = readSize("FrameSize", texts.frameSize, target.frameSize);
    video.pictureSize = readSize("PictureSize", texts.pictureSize, nullptr);
    video.aspect = readAspect(texts.displayAspect);
    video.frameRate = readFrameRate(texts.videoFrameRate);
    video.bitRateKbps = int(readNumber("VideoBitRate", texts.videoBitRate, 0, 1, 200000));
    video.highQuality = texts.highQuality != 0;
    video.tvSystem = readTvSystem(target, texts.tvSystem);
    video.h264Profile = target.h264Profile;
    return video;
}

AudioJob readAudio(const ContainerInfo &container, const VideoJob *video, const JobTexts &texts)
{
    AudioJob audio;
    audio.codec = readAudioCodec(container, video, texts);
    audio.sampleRate = int(readNumber("AudioSampleRate", texts.audioSampleRate, 0, 1000, 192000));
    audio.bitRateKbps = int(readNumber("AudioBitrate", texts.audioBitrate, 0, 1, 1536));
    audio.volumeDb = readNumber("Volume", texts.volume, 0, -60, 60);
    return audio;
}

std::string readRequiredPath(const char *name, const char *text)
{
    if (!text || !*text)
        throw Failure{std::string(name) + " is missing"};
    return text;
}

std::string muxerFor(const ContainerInfo &container, const VideoJob *video)
{
    const bool programStream = equalsIgnoringCase(container.name, "mpg") || equalsIgnoringCase(container.name, "mpeg");
    if (programStream && video)
        return programStreamMuxer(video->codec->codec);
    return container.muxer;
}

ConversionJob readJobOrThrow(const TargetDefaults &target, const JobTexts &texts)
{
    ConversionJob job;
    job.sourceFile = readRequiredPath("SourceFile", texts.sourceFile);
    job.targetFile = readRequiredPath("TargetFile", texts.targetFile);
    job.startSeconds = readNumber("StartText", texts.startText, 0, 0, 1e7);
    job.lengthSeconds = readNumber("LengthText", texts.lengthText, 0, 0, 1e7);
    job.container = readContainer(target, texts);
    if (!job.container->audioOnly && target.videoCodec)
        job.video = readVideo(target, *job.container, texts);
    job.muxer = muxerFor(*job.container, job.video ? &*job.video : nullptr);
    job.audio = readAudio(*job.container, job.video ? &*job.video : nullptr, texts);
    job.audioTrack = int(readNumber("AudioTrack", texts.audioTrack, -1, -1, 1e9));
    job.subtitleTrack = int(readNumber("SubtitleTrack", texts.subtitleTrack, -1, -1, 1e9));
    job.title = readText(texts.titleName).text;
    job.artist = readText(texts.artistName).text;
    job.comment = readText(texts.comment).text;
    return job;
}

} // namespace

std::optional<ConversionJob> readJob(const TargetDefaults &target, const JobTexts &texts, std::string *error)
{
    try {
        return readJobOrThrow(target, texts);
    } catch (const Failure &failure) {
        if (error)
            *error = failure.reason;
        return std::nullopt;
    }
}

} // namespace korvid
