// The target entry points: each fills a JobTexts from its own argument list and
// runs the one transcoder with the defaults its target implies.

#include "ConvertJob.h"
#include "Transcoder.h"

extern "C" {
#include "korvid.h"
}

namespace korvid {
namespace {

// Target defaults: name, container, video codec, H.264 profile, frame size, MPEG target.
constexpr TargetDefaults kIpod{"iPod", "mp4", "h264", H264Profile::Baseline, nullptr, false};
constexpr TargetDefaults kIphone{"iPhone", "mp4", "h264", H264Profile::Baseline, nullptr, false};
constexpr TargetDefaults kAppleTv{"AppleTV", "mp4", "h264", H264Profile::Main, nullptr, false};
constexpr TargetDefaults kZune{"Zune", "mp4", "h264", H264Profile::Baseline, nullptr, false};
constexpr TargetDefaults kPda{"PDA", "mp4", "mpeg4", H264Profile::Baseline, nullptr, false};
constexpr TargetDefaults k3gp{"3GP", "3gp", "h263", H264Profile::Baseline, "176:144", false};
constexpr TargetDefaults kMp4{"MP4", "mp4", "mpeg4", H264Profile::High, nullptr, false};
constexpr TargetDefaults kQuickTime{"MOV", "mov", "h264", H264Profile::High, nullptr, false};
constexpr TargetDefaults kFlv{"FLV", "flv", "flv", H264Profile::High, nullptr, false};
constexpr TargetDefaults kAppleTvHd{"AppleTV_HD", "mp4", "h264", H264Profile::High, nullptr, false};
constexpr TargetDefaults kWmv{"WMV", "asf", "wmv2", H264Profile::High, nullptr, false};
constexpr TargetDefaults kHdAvc{"AVC", "mp4", "h264", H264Profile::High, nullptr, false};
constexpr TargetDefaults kHdMp4{"HDMP4", "mp4", "mpeg4", H264Profile::High, nullptr, false};
constexpr TargetDefaults kHdH264{"HDH264", "mp4", "h264", H264Profile::High, nullptr, false};
constexpr TargetDefaults kHdWmv{"HDWMV", "asf", "wmv2", H264Profile::High, nullptr, false};
constexpr TargetDefaults kHdMov{"HDMOV", "mov", "h264", H264Profile::High, nullptr, false};
constexpr TargetDefaults kPs3{"PS3", "mp4", "h264", H264Profile::High, nullptr, false};
constexpr TargetDefaults kXbox{"Xbox", "mp4", "h264", H264Profile::Main, nullptr, false};
constexpr TargetDefaults kHdZune{"Zune_HD", "mp4", "h264", H264Profile::Main, nullptr, false};
constexpr TargetDefaults kMobile{"Mobile", "mp4", "h264", H264Profile::Baseline, nullptr, false};
constexpr TargetDefaults kMpeg{"MPEG", "mpg", "mpeg1", H264Profile::High, nullptr, true};
constexpr TargetDefaults kHdMpeg{"HDMPEG", "mpeg2", "mpeg2", H264Profile::High, nullptr, true};
constexpr TargetDefaults kHdTs{"HDTS", "ts", "mpeg2ts", H264Profile::High, nullptr, true};
constexpr TargetDefaults kAvi{"AVI", "avi", "xvid", H264Profile::High, nullptr, false};
constexpr TargetDefaults kPsp{"PSP", "mp4", "h264", H264Profile::Main, nullptr, false};
constexpr TargetDefaults kAudio{"Audio", nullptr, nullptr, H264Profile::High, nullptr, false};

// The common list L of korvid.h, in order, as a JobTexts.
JobTexts commonTexts(const char *sourceFile, const char *startText, const char *audioSampleRate,
                     const char *displayAspect, const char *engineCodec, const char *outputFormat,
                     const char *videoBitRate, const char *audioBitrate, const char *pictureSize,
                     const char *frameSize, const char *titleName, const char *artistName, const char *comment,
                     const char *videoFrameRate, const char *audioTrack, const char *subtitleTrack,
                     const char *targetFile, const char *volume, const char *lengthText)
{
    JobTexts texts;
    texts.sourceFile = sourceFile;
    texts.startText = startText;
    texts.audioSampleRate = audioSampleRate;
    texts.displayAspect = displayAspect;
    texts.engineCodec = engineCodec;
    texts.outputFormat = outputFormat;
    texts.videoBitRate = videoBitRate;
    texts.audioBitrate = audioBitrate;
    texts.pictureSize = pictureSize;
    texts.frameSize = frameSize;
    texts.titleName = titleName;
    texts.artistName = artistName;
    texts.comment = comment;
    texts.videoFrameRate = videoFrameRate;
    texts.audioTrack = audioTrack;
    texts.subtitleTrack = subtitleTrack;
    texts.targetFile = targetFile;
    texts.volume = volume;
    texts.lengthText = lengthText;
    return texts;
}

JobTexts withExtras(JobTexts texts, int32_t highQuality, int32_t tvSystem, const char *audioCodec)
{
    texts.highQuality = highQuality;
    texts.tvSystem = tvSystem;
    texts.audioCodec = audioCodec;
    return texts;
}

} // namespace
} // namespace korvid

// Forwards the common list L (minus the window and the constant) to commonTexts.
#define KORVID_COMMON_TEXTS                                                                                   \
    korvid::commonTexts(sourceFile, startText, audioSampleRate, displayAspect, engineCodec, outputFormat,   \
                        videoBitRate, audioBitrate, pictureSize, frameSize, titleName, artistName, comment, \
                        videoFrameRate, audioTrack, subtitleTrack, targetFile, volume, lengthText)

#define KORVID_PLAIN_TARGET(entry, defaults)                                                    \
    KORVID_API int32_t entry(KORVID_COMMON_ARGS, int32_t stamp)                                 \
    {                                                                                           \
        return korvid::RunConversion(w, defaults, KORVID_COMMON_TEXTS);                         \
    }

#define KORVID_QUALITY_TARGET(entry, defaults)                                                  \
    KORVID_API int32_t entry(KORVID_COMMON_ARGS, int32_t highQuality, int32_t stamp)            \
    {                                                                                           \
        return korvid::RunConversion(w, defaults,                                               \
                                     korvid::withExtras(KORVID_COMMON_TEXTS, highQuality, 0, nullptr)); \
    }

#define KORVID_QUALITY_AUDIO_TARGET(entry, defaults)                                                        \
    KORVID_API int32_t entry(KORVID_COMMON_ARGS, int32_t highQuality, const char *audioCodec, int32_t stamp) \
    {                                                                                                       \
        return korvid::RunConversion(w, defaults,                                                           \
                                     korvid::withExtras(KORVID_COMMON_TEXTS, highQuality, 0, audioCodec));  \
    }

#define KORVID_MPEG_TARGET(entry, defaults)                                                                   \
    KORVID_API int32_t entry(KORVID_COMMON_ARGS, int32_t highQuality, int32_t tvSystem, const char *audioCodec, \
                             int32_t stamp)                                                                   \
    {                                                                                                         \
        return korvid::RunConversion(w, defaults,                                                             \
                                     korvid::withExtras(KORVID_COMMON_TEXTS, highQuality, tvSystem, audioCodec)); \
    }

#define KORVID_AVI_TARGET(entry, defaults)                                                      \
    KORVID_API int32_t entry(KORVID_AVI_ARGS, int32_t highQuality, int32_t stamp)               \
    {                                                                                           \
        return korvid::RunConversion(w, defaults,                                               \
                                     korvid::withExtras(KORVID_COMMON_TEXTS, highQuality, 0, audioCodec)); \
    }

extern "C" {

KORVID_PLAIN_TARGET(X_SetPar_D2IPOD_VIDEO, korvid::kIpod)
KORVID_PLAIN_TARGET(X_SetPar_D2IPHONE_VIDEO, korvid::kIphone)
KORVID_PLAIN_TARGET(X_SetPar_D2APPLETV_VIDEO, korvid::kAppleTv)
KORVID_PLAIN_TARGET(X_SetPar_D2ZUNE_VIDEO, korvid::kZune)
KORVID_PLAIN_TARGET(X_SetPar_D2PDA_VIDEO, korvid::kPda)
KORVID_PLAIN_TARGET(X_SetPar_D23GP, korvid::k3gp)

KORVID_QUALITY_TARGET(X_SetPar_D2IMP4, korvid::kMp4)
KORVID_QUALITY_TARGET(X_SetPar_D2QTMOV, korvid::kQuickTime)
KORVID_QUALITY_TARGET(X_SetPar_D2FLV, korvid::kFlv)

KORVID_API int32_t X_TO_HD_APPLETV(KORVID_COMMON_ARGS, const char *audioCodec, int32_t stamp)
{
    return korvid::RunConversion(w, korvid::kAppleTvHd, korvid::withExtras(KORVID_COMMON_TEXTS, 0, 0, audioCodec));
}

KORVID_QUALITY_AUDIO_TARGET(X_SetPar_D2WMV, korvid::kWmv)
KORVID_QUALITY_AUDIO_TARGET(X_TO_HD_AVC, korvid::kHdAvc)
KORVID_QUALITY_AUDIO_TARGET(X_TO_HD_MP4, korvid::kHdMp4)
KORVID_QUALITY_AUDIO_TARGET(X_TO_HD_H264, korvid::kHdH264)
KORVID_QUALITY_AUDIO_TARGET(X_TO_HD_WMV, korvid::kHdWmv)
KORVID_QUALITY_AUDIO_TARGET(X_TO_HD_MOV, korvid::kHdMov)
KORVID_QUALITY_AUDIO_TARGET(X_TO_HD_PS3, korvid::kPs3)
KORVID_QUALITY_AUDIO_TARGET(X_TO_HD_XBOX, korvid::kXbox)
KORVID_QUALITY_AUDIO_TARGET(X_TO_HD_ZUNE, korvid::kHdZune)
KORVID_QUALITY_AUDIO_TARGET(X_TO_HD_Mobile, korvid::kMobile)

KORVID_MPEG_TARGET(X_SetPar_D2MPEG, korvid::kMpeg)
KORVID_MPEG_TARGET(X_TO_HD_MPEG, korvid::kHdMpeg)
KORVID_MPEG_TARGET(X_TO_HD_MPEG2TS, korvid::kHdTs)

KORVID_AVI_TARGET(X_SetPar_D2AVI, korvid::kAvi)
KORVID_AVI_TARGET(X_TO_HD_AVI, korvid::kAvi)

KORVID_API int32_t X_SetPar_D2PSP(KorvidWindow *w, int32_t two, const char *sourceFile, const char *titleNumber,
                                  const char *startText, const char *audioSampleRate, const char *displayAspect,
                                  const char *engineCodec, const char *videoBitRate, const char *audioBitrate,
                                  const char *pictureSize, const char *frameSize, const char *titleName,
                                  const char *videoFrameRate, const char *audioTrack, const char *subtitleTrack,
                                  const char *targetFile, const char *volume, const char *lengthText, int32_t stamp)
{
    return korvid::RunConversion(w, korvid::kPsp,
                                 korvid::commonTexts(sourceFile, startText, audioSampleRate, displayAspect, engineCodec,
                                                     nullptr, videoBitRate, audioBitrate, pictureSize, frameSize,
                                                     titleName, nullptr, nullptr, videoFrameRate, audioTrack,
                                                     subtitleTrack, targetFile, volume, lengthText));
}

KORVID_API int32_t X_SetPar_D2IPOD_MP3(KorvidWindow *w, int32_t two, const char *sourceFile, const char *titleNumber,
                                       const char *startText, const char *audioSampleRate, const char *audioBitrate,
                                       const char *titleName, const char *artistName, const char *comment,
                                       const char *audioTrack, const char *targetFile, const char *volume,
                                       const char *lengthText, const char *audioCodec, int32_t stamp)
{
    korvid::JobTexts texts = korvid::commonTexts(sourceFile, startText, audioSampleRate, nullptr, nullptr, nullptr,
                                                 nullptr, audioBitrate, nullptr, nullptr, titleName, artistName,
                                                 comment, nullptr, audioTrack, nullptr, targetFile, volume, lengthText);
    texts.audioCodec = audioCodec;
    return korvid::RunConversion(w, korvid::kAudio, texts);
}

} // extern "C"
