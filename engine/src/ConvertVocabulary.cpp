#include "ConvertVocabulary.h"

#include "JobValues.h"

#include <iterator>

namespace korvid {

namespace {

constexpr ChromaSiting kLeftSiting{0, 128};     // MPEG-2, H.264, MPEG-4 part 2
constexpr ChromaSiting kCentreSiting{128, 128}; // MPEG-1, H.263 family, WMV

constexpr VideoCodecInfo kVideoCodecs[] = {
    {VideoCodec::H264, "h264", "libx264", false, kLeftSiting},
    {VideoCodec::Mpeg4, "mpeg4", "mpeg4", false, kLeftSiting},
    {VideoCodec::Xvid, "xvid", "mpeg4", false, kLeftSiting},
    {VideoCodec::Mpeg1, "mpeg1", "mpeg1video", true, kCentreSiting},
    {VideoCodec::Mpeg2, "mpeg2", "mpeg2video", true, kLeftSiting},
    {VideoCodec::Wmv2, "wmv2", "wmv2", false, kCentreSiting},
    {VideoCodec::Flv, "flv", "flv", false, kCentreSiting},
    {VideoCodec::H263, "h263", "h263", false, kCentreSiting},
    {VideoCodec::Dvd, "dvd", "mpeg2video", true, kLeftSiting},
    {VideoCodec::Mpeg2Ts, "mpeg2ts", "mpeg2video", true, kLeftSiting},
};

constexpr AudioCodecInfo kAudioCodecs[] = {
    {AudioCodec::Aac, "aac", "aac"},
    {AudioCodec::Mp3, "mp3", "libmp3lame"},
    {AudioCodec::Ac3, "ac3", "ac3"},
    {AudioCodec::Mp2, "mp2", "mp2"},
    {AudioCodec::Wmav2, "wmav2", "wmav2"},
    {AudioCodec::Vorbis, "vorbis", "libvorbis"},
    {AudioCodec::Pcm, "pcm", "pcm_s16le"},
};

// "mpg", "mpeg" and "mpeg2" name program streams; the muxer is chosen by the
// video codec (programStreamMuxer), the one here is only the MPEG-1 case.
constexpr ContainerInfo kContainers[] = {
    {"mp4", "mp4", AudioCodec::Aac, VideoCodec::H264, false},
    {"m4v", "ipod", AudioCodec::Aac, VideoCodec::H264, false},
    {"mov", "mov", AudioCodec::Aac, VideoCodec::H264, false},
    {"3gp", "3gp", AudioCodec::Aac, VideoCodec::H263, false},
    {"avi", "avi", AudioCodec::Mp3, VideoCodec::Xvid, false},
    {"asf", "asf", AudioCodec::Wmav2, VideoCodec::Wmv2, false},
    {"wmv", "asf", AudioCodec::Wmav2, VideoCodec::Wmv2, false},
    {"mpg", "mpeg", AudioCodec::Mp2, VideoCodec::Mpeg1, false},
    {"mpeg", "mpeg", AudioCodec::Mp2, VideoCodec::Mpeg1, false},
    {"mpeg2", "vob", AudioCodec::Mp2, VideoCodec::Mpeg2, false},
    {"vob", "vob", AudioCodec::Ac3, VideoCodec::Mpeg2, false},
    {"dvd", "dvd", AudioCodec::Ac3, VideoCodec::Dvd, false},
    {"ts", "mpegts", AudioCodec::Mp2, VideoCodec::Mpeg2Ts, false},
    {"m2ts", "mpegts", AudioCodec::Ac3, VideoCodec::Mpeg2Ts, false},
    {"mpeg2ts", "mpegts", AudioCodec::Mp2, VideoCodec::Mpeg2Ts, false},
    {"flv", "flv", AudioCodec::Mp3, VideoCodec::Flv, false},
    {"mkv", "matroska", AudioCodec::Aac, VideoCodec::H264, false},
    {"mp3", "mp3", AudioCodec::Mp3, VideoCodec::H264, true},
    {"aac", "adts", AudioCodec::Aac, VideoCodec::H264, true},
    {"ac3", "ac3", AudioCodec::Ac3, VideoCodec::H264, true},
    {"m4a", "ipod", AudioCodec::Aac, VideoCodec::H264, true},
    {"ogg", "ogg", AudioCodec::Vorbis, VideoCodec::H264, true},
    {"wma", "asf", AudioCodec::Wmav2, VideoCodec::H264, true},
    {"wav", "wav", AudioCodec::Pcm, VideoCodec::H264, true},
};

template <typename Table>
auto FindByName(const Table &table, std::string_view name) -> decltype(&table[0])
{
    for (const auto &entry : table) {
        if (EqualsIgnoringCase(entry.name, name))
            return &entry;
    }
    return nullptr;
}

} // namespace

const VideoCodecInfo *FindVideoCodec(std::string_view name) { return FindByName(kVideoCodecs, name); }
const AudioCodecInfo *FindAudioCodec(std::string_view name) { return FindByName(kAudioCodecs, name); }
const ContainerInfo *FindContainer(std::string_view name) { return FindByName(kContainers, name); }

const AudioCodecInfo &AudioCodecInfoOf(AudioCodec codec)
{
    for (const auto &entry : kAudioCodecs) {
        if (entry.codec == codec)
            return entry;
    }
    return kAudioCodecs[0];
}

const VideoCodecInfo &VideoCodecInfoOf(VideoCodec codec)
{
    for (const auto &entry : kVideoCodecs) {
        if (entry.codec == codec)
            return entry;
    }
    return kVideoCodecs[0];
}

const char *ProgramStreamMuxer(VideoCodec video)
{
    return video == VideoCodec::Mpeg1 ? "mpeg" : "vob";
}

} // namespace korvid
