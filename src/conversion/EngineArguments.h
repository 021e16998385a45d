#pragma once
// The argument lists of the target entry points as data: each list names, in order,
// the job value that fills each parameter. A list is checked at compile time against
// the entry point's declared parameter types.

#include "ConvertJob.h"
#include "korvid.h"

#include <QByteArray>

#include <array>
#include <cstddef>
#include <cstdint>

namespace conversion {

enum class EngineArgument : std::uint8_t {
    // texts
    SourceFile, TitleNumber, StartText, AudioSampleRate, DisplayAspect, EngineCodec, OutputFormat,
    VideoBitRate, AudioBitrate, PictureSize, FrameSize, TitleName, ArtistName, CommentMyVideo,
    CommentUnknown, VideoFrameRate, AudioTrack, SubtitleTrack, TargetFile, Volume, LengthText, AudioCodec,
    // integers
    Two, HighQuality, TvSystem, Stamp,
    // the progress window's handle
    Window,
};

constexpr std::size_t EngineTextArgumentCount = std::size_t(EngineArgument::AudioCodec) + 1;

enum class ArgumentType { Text, Integer, Window };

constexpr ArgumentType TypeOfArgument(EngineArgument argument)
{
    if (argument == EngineArgument::Window)
        return ArgumentType::Window;
    return std::size_t(argument) < EngineTextArgumentCount ? ArgumentType::Text : ArgumentType::Integer;
}

// The values of one job in the form the engine takes them. Texts stay valid as long
// as this object lives.
class EngineArgumentValues {
public:
    EngineArgumentValues(const ConvertJob &job, KorvidWindow *window);

    template <typename Parameter>
    Parameter As(EngineArgument argument) const;

private:
    std::array<QByteArray, EngineTextArgumentCount> texts_;
    std::int32_t highQuality_;
    std::int32_t tvSystem_;
    KorvidWindow *window_;
};

template <>
inline const char *EngineArgumentValues::As<const char *>(EngineArgument argument) const
{
    return texts_[std::size_t(argument)].constData();
}

template <>
inline KorvidWindow *EngineArgumentValues::As<KorvidWindow *>(EngineArgument) const
{
    return window_;
}

template <>
inline std::int32_t EngineArgumentValues::As<std::int32_t>(EngineArgument argument) const
{
    switch (argument) {
    case EngineArgument::Two: return 2;
    case EngineArgument::HighQuality: return highQuality_;
    case EngineArgument::TvSystem: return tvSystem_;
    default: return KORVID_INTERFACE_STAMP;
    }
}

} // namespace conversion
