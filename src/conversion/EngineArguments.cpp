#include "EngineArguments.h"

namespace conversion {
namespace {

QString TextOf(const ConvertJob &job, EngineArgument argument)
{
    switch (argument) {
    case EngineArgument::SourceFile: return job.SourceFile;
    case EngineArgument::TitleNumber: return job.TitleNumberText;
    case EngineArgument::StartText: return job.StartText;
    case EngineArgument::AudioSampleRate: return job.AudioSampleRate;
    case EngineArgument::DisplayAspect: return job.DisplayAspect;
    case EngineArgument::EngineCodec: return job.EngineCodec;
    case EngineArgument::OutputFormat: return job.OutputFormat;
    case EngineArgument::VideoBitRate: return job.VideoBitRate;
    case EngineArgument::AudioBitrate: return job.AudioBitrate;
    case EngineArgument::PictureSize: return job.PictureSize;
    case EngineArgument::FrameSize: return job.FrameSize;
    case EngineArgument::TitleName: return job.TitleName;
    case EngineArgument::ArtistName: return job.ArtistName;
    case EngineArgument::CommentMyVideo: return QStringLiteral("MyVideo");
    case EngineArgument::CommentUnknown: return QStringLiteral("Unknown");
    case EngineArgument::VideoFrameRate: return job.VideoFrameRate;
    case EngineArgument::AudioTrack: return job.AudioTrack;
    case EngineArgument::SubtitleTrack: return job.SubtitleTrack;
    case EngineArgument::TargetFile: return job.TargetFile;
    case EngineArgument::Volume: return job.Volume;
    case EngineArgument::LengthText: return job.LengthText;
    case EngineArgument::AudioCodec: return job.AudioCodec;
    default: return {};
    }
}

} // namespace

EngineArgumentValues::EngineArgumentValues(const ConvertJob &job, KorvidWindow *window)
    : highQuality_(job.HighQuality), tvSystem_(job.TvSystem), window_(window)
{
    for (std::size_t i = 0; i < texts_.size(); ++i)
        texts_[i] = TextOf(job, EngineArgument(i)).toUtf8();
}

} // namespace conversion
