#pragma once
// A conversion job: the texts an entry point receives, the defaults its target
// implies, and the job read from both. Reading fails on any value that is given
// but not understood; it never guesses.

#include "ConvertVocabulary.h"
#include "JobValues.h"

#include <cstdint>
#include <optional>
#include <string>

namespace korvid {

// The values of a target entry point by meaning; null pointers are "not given".
struct JobTexts {
    const char *sourceFile = nullptr;
    const char *startText = nullptr;
    const char *lengthText = nullptr;
    const char *targetFile = nullptr;
    const char *outputFormat = nullptr;
    const char *engineCodec = nullptr;
    const char *audioCodec = nullptr;
    const char *audioSampleRate = nullptr;
    const char *audioBitrate = nullptr;
    const char *videoBitRate = nullptr;
    const char *displayAspect = nullptr;
    const char *pictureSize = nullptr;
    const char *frameSize = nullptr;
    const char *videoFrameRate = nullptr;
    const char *audioTrack = nullptr;
    const char *subtitleTrack = nullptr;
    const char *volume = nullptr;
    const char *titleName = nullptr;
    const char *artistName = nullptr;
    const char *comment = nullptr;
    int32_t highQuality = 0;
    int32_t tvSystem = 0;
};

enum class H264Profile { Baseline, Main, High };

// What an entry point implies when the job leaves a value out.
struct TargetDefaults {
    const char *name;
    const char *container;        // null: the container comes from the target file's extension
    const char *videoCodec;       // null: audio only
    H264Profile h264Profile;
    const char *frameSize;        // null: the source's size
    bool mpegTarget;              // TvSystem decides the frame rate
};

enum class TvSystem { None, Ntsc, Pal };

struct VideoJob {
    const VideoCodecInfo *codec = nullptr;
    std::optional<PixelSize> frameSize;           // absent: the source's size
    std::optional<PixelSize> pictureSize;         // absent: fills the frame
    std::optional<DisplayAspectValue> aspect;     // absent: the source's display aspect when the
                                                  // size is absent too, else square pixels
    std::optional<Fraction> frameRate;            // absent ("Auto", "nodef"): the source's rate
    int bitRateKbps = 0;                          // 0: 0.1 bit per pixel and frame, 200..20000 kbit/s
    bool highQuality = false;
    TvSystem tvSystem = TvSystem::None;
    H264Profile h264Profile = H264Profile::High;
};

struct AudioJob {
    const AudioCodecInfo *codec = nullptr;
    int sampleRate = 0;                           // 0: the source's rate (both then made legal)
    int bitRateKbps = 0;                          // 0: 128 kbit/s, AC-3 192 kbit/s
    double volumeDb = 0;
};

struct ConversionJob {
    std::string sourceFile;
    std::string targetFile;
    double startSeconds = 0;
    double lengthSeconds = 0;                     // 0: to the end
    const ContainerInfo *container = nullptr;
    std::string muxer;
    std::optional<VideoJob> video;                // absent: audio-only target
    AudioJob audio;
    int audioTrack = -1;
    int subtitleTrack = -1;
    std::string title;
    std::string artist;
    std::string comment;
};

// Reads the job; on failure returns nothing and says why in *error.
std::optional<ConversionJob> ReadJob(const TargetDefaults &target, const JobTexts &texts, std::string *error);

} // namespace korvid
