#include "MediaInfoInterfa.h"

#include "LeadingNumbers.h"
#include "MediaInfoLibrary.h"

namespace {

QString MappedAudioFormat(const QString &format)
{
    if (format == QLatin1String("MPA1L3"))
        return QStringLiteral("MP3");
    if (format == QLatin1String("MPA1L2"))
        return QStringLiteral("MP2");
    return format;
}

} // namespace

void TMediaInfoInterfa::GetMediaInfo(const QString &fileName, TMediaInfo &info) const
{
    MediaInfoFileHandle handle(fileName);
    ReadMediaInfo(handle, info);
}

void TMediaInfoInterfa::ReadMediaInfo(MediaInfoHandle &handle, TMediaInfo &info)
{
    info.Format = handle.Get(MediaStreamKind::General, 0, "Format");
    info.SetVideoStream(GetVideoStream(handle));
    const int32_t audioCount = LeadingInteger(handle.Get(MediaStreamKind::Audio, 0, "StreamCount"));
    for (int32_t number = 0; number < audioCount; ++number)
        info.AddAudioStream(GetAudioStream(handle, number));
}

TVideoStream TMediaInfoInterfa::GetVideoStream(MediaInfoHandle &handle)
{
    const auto get = [&handle](const char *parameter) { return handle.Get(MediaStreamKind::Video, 0, parameter); };
    TVideoStream video;
    video.ID = TruncatedInteger(LeadingReal(get("ID")));
    video.Width = LeadingInteger(get("Width"));
    video.Height = LeadingInteger(get("Height"));
    video.Duration = LeadingInteger(get("Duration"));
    video.FrameRate = SinglePrecision(LeadingReal(get("FrameRate")));
    video.Codec = get("Codec/String");
    video.AspectRatio = get("DisplayAspectRatio/String");
    video.DurationString = get("Duration/String");
    return video;
}

TAudioStream TMediaInfoInterfa::GetAudioStream(MediaInfoHandle &handle, int number)
{
    const auto get = [&handle, number](const char *parameter) { return handle.Get(MediaStreamKind::Audio, number, parameter); };
    TAudioStream audio;
    audio.ID = LeadingInteger(get("ID"));
    if (audio.ID == 0)
        audio.ID = -1;
    audio.SamplingRate = LeadingInteger(get("SamplingRate"));
    audio.BitRate = LeadingInteger(get("BitRate"));
    audio.Channels = LeadingInteger(get("Channel(s)"));
    audio.Duration = LeadingInteger(get("Duration"));
    audio.Codec = MappedAudioFormat(get("Format"));
    audio.Language = get("Language/String");
    audio.DurationString = get("Duration/String");
    return audio;
}
