#pragma once
// The target entry points of the engine and their argument lists.

#include "ConversionEngine.h"
#include "EngineArguments.h"

#include <cstdint>
#include <span>

namespace conversion {

namespace argument_lists {

using enum EngineArgument;

template <std::size_t N, std::size_t M>
constexpr std::array<EngineArgument, N + M> Join(const std::array<EngineArgument, N> &first,
                                                 const std::array<EngineArgument, M> &second)
{
    std::array<EngineArgument, N + M> joined{};
    for (std::size_t i = 0; i < N; ++i)
        joined[i] = first[i];
    for (std::size_t i = 0; i < M; ++i)
        joined[N + i] = second[i];
    return joined;
}

// `list` with `inserted` placed before item `position` (counted from 0).
template <std::size_t N>
constexpr std::array<EngineArgument, N + 1> Insert(const std::array<EngineArgument, N> &list, std::size_t position,
                                                   EngineArgument inserted)
{
    std::array<EngineArgument, N + 1> result{};
    for (std::size_t i = 0, from = 0; i <= N; ++i)
        result[i] = i == position ? inserted : list[from++];
    return result;
}

template <std::size_t N>
constexpr std::array<EngineArgument, N> Replace(std::array<EngineArgument, N> list, std::size_t position,
                                                EngineArgument replacement)
{
    list[position] = replacement;
    return list;
}

// The list every video entry point starts with.
inline constexpr std::array<EngineArgument, 22> Common = {
    Window, Two, SourceFile, TitleNumber, StartText, AudioSampleRate, DisplayAspect, EngineCodec,
    OutputFormat, VideoBitRate, AudioBitrate, PictureSize, FrameSize, TitleName, ArtistName,
    CommentMyVideo, VideoFrameRate, AudioTrack, SubtitleTrack, TargetFile, Volume, LengthText,
};

inline constexpr auto Plain = Join(Common, std::array{Stamp});
inline constexpr auto Pda = Join(Replace(Common, 15, CommentUnknown), std::array{Stamp});
inline constexpr auto HighQualityOnly = Join(Common, std::array{HighQuality, Stamp});
inline constexpr auto AudioCodecOnly = Join(Common, std::array{AudioCodec, Stamp});
inline constexpr auto HighQualityAudioCodec = Join(Common, std::array{HighQuality, AudioCodec, Stamp});
inline constexpr auto HighQualityTvSystem = Join(Common, std::array{HighQuality, TvSystem, AudioCodec, Stamp});
inline constexpr auto Avi = Join(Insert(Common, 5, AudioCodec), std::array{HighQuality, Stamp});
inline constexpr std::array<EngineArgument, 20> Psp = {
    Window, Two, SourceFile, TitleNumber, StartText, AudioSampleRate, DisplayAspect, EngineCodec, VideoBitRate,
    AudioBitrate, PictureSize, FrameSize, TitleName, VideoFrameRate, AudioTrack, SubtitleTrack, TargetFile,
    Volume, LengthText, Stamp,
};
inline constexpr std::array<EngineArgument, 16> AudioOnly = {
    Window, Two, SourceFile, TitleNumber, StartText, AudioSampleRate, AudioBitrate, TitleName, ArtistName,
    CommentMyVideo, AudioTrack, TargetFile, Volume, LengthText, AudioCodec, Stamp,
};

} // namespace argument_lists

struct EntryPoint {
    EngineName name;
    std::span<const EngineArgument> arguments;
    std::int32_t (*invoke)(void *symbol, const EngineArgumentValues &values);
};

// The entry point of that name, or null for a name that is no target entry point.
const EntryPoint *FindEntryPoint(EngineName name);

// The call as a line of text, for the run log: X_SetPar_D2IPOD_VIDEO(window, 2, "/a.avi", ...).
QString EngineCallText(const EntryPoint &entry, const EngineArgumentValues &values);

// Calls the entry point in `engine` with the job's values in its argument order.
std::int32_t CallEntryPoint(const EntryPoint &entry, const ConversionEngine &engine, const EngineArgumentValues &values);

} // namespace conversion
