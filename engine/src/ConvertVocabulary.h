#pragma once
// The engine's vocabulary of video codecs, audio codecs and containers, and what
// each name means in FFmpeg terms. Names are matched without regard to case.

#include <string_view>

namespace korvid {

enum class VideoCodec { H264, Mpeg4, Xvid, Mpeg1, Mpeg2, Wmv2, Flv, H263, Dvd, Mpeg2Ts };
enum class AudioCodec { Aac, Mp3, Ac3, Mp2, Wmav2, Vorbis, Pcm };

// Where a codec places chroma samples (in 1/256 of a luma sample).
struct ChromaSiting {
    int horizontal;
    int vertical;
};

struct VideoCodecInfo {
    VideoCodec codec;
    const char *name;         // the job value
    const char *encoder;      // FFmpeg encoder name
    bool mpegVideo;           // MPEG-1/2 elementary video: fixed rates, four aspects
    ChromaSiting siting;      // what the encoder's bitstream implies
};

struct AudioCodecInfo {
    AudioCodec codec;
    const char *name;
    const char *encoder;
};

struct ContainerInfo {
    const char *name;         // the job value
    const char *muxer;        // FFmpeg muxer name
    AudioCodec usualAudio;    // audio codec when the job names none
    VideoCodec usualVideo;    // video codec when the job names none
    bool audioOnly;
};

const VideoCodecInfo *FindVideoCodec(std::string_view name);
const AudioCodecInfo *FindAudioCodec(std::string_view name);
const AudioCodecInfo &AudioCodecInfoOf(AudioCodec codec);
const VideoCodecInfo &VideoCodecInfoOf(VideoCodec codec);
const ContainerInfo *FindContainer(std::string_view name);

// The MPEG program stream muxer that suits `video`: MPEG-1 system streams carry
// MPEG-1 video, everything else goes into an MPEG-2 program stream.
const char *ProgramStreamMuxer(VideoCodec video);

} // namespace korvid
