// X_GetFileinfo_GetPic: the probe of one file and its first picture.
#include "korvid.h"

#include "CurrentPicture.h"
#include "FailureReason.h"
#include "FramePicture.h"
#include "MediaInput.h"
#include "PictureOrientation.h"
#include "ProbeRecord.h"
#include "SourceLimits.h"

#include <cmath>
#include <cstring>

namespace {

using namespace korvid;

// Files whose video does not start within this much audio count as audio-only.
constexpr double kLongestAudioBeforeVideo = 30.0;

static_assert(sizeof(EngineFileInfo) == 40, "the host reads a 40-byte record");

FramePointer FirstPicture(MediaInput &input) {
    FramePointer frame(av_frame_alloc());
    StreamKind kind = StreamKind::Video;
    while (frame && input.ReceiveFrame(frame.get(), &kind) == DecodeStatus::Frame) {
        if (kind == StreamKind::Video)
            return frame;
        if (input.SecondsOf(frame.get(), kind) > kLongestAudioBeforeVideo)
            break;
    }
    return nullptr;
}

int32_t Refused(const std::string &reason) {
    SetFailureReason(reason);
    return -1;
}

int32_t WholeSecond(double seconds) {
    return std::isfinite(seconds) && seconds > 0 ? static_cast<int32_t>(seconds) : 0;
}

// Aspect from the picture itself, and its size where the container had none;
// both as the picture is shown, turned upright.
void DescribePicture(EngineFileInfo &info, const MediaInput &input, AVFrame *picture,
                     PictureOrientation orientation) {
    if (info.width < 1 || info.height < 1) {
        info.width = picture->width;
        info.height = picture->height;
    }
    AVRational sampleAspect = av_guess_sample_aspect_ratio(input.Format(), input.VideoStream(), picture);
    orientation.TurnSize(&info.width, &info.height, &sampleAspect);
    AspectFields aspect = AspectFieldsOf(info.width, info.height, sampleAspect);
    info.aspectCode = aspect.code;
    info.aspectFlag = aspect.flag;
}

// A file with audio but no decodable picture is audio-only: no size, no rate.
void DescribeAudioOnly(EngineFileInfo &info) {
    info.audioOnly = 1;
    info.width = 0;
    info.height = 0;
    info.frameRate = 0;
    info.videoBitRateKbps = 0;
    info.aspectCode = 0;
    info.aspectFlag = 1;
}

} // namespace

// `ten` and `transportStream` are hints of the host that the demuxers do not need.
extern "C" KORVID_API int32_t X_GetFileinfo_GetPic(char *path, int32_t ten, void *engineFileInfo,
                                                   int32_t transportStream) {
    CurrentPicture &current = CurrentPictureOf(PictureOwner::Probe);
    current.Clear();
    ServePictureOf(PictureOwner::Probe);
    SetFailureReason({});
    if (!path || !engineFileInfo)
        return Refused("no file to probe");
    MediaInputOptions options;
    options.firstPictureOnly = true;
    options.exactAudioEdits = false;
    std::string error;
    std::unique_ptr<MediaInput> input = MediaInput::Open(path, options, &error);
    if (!input)
        return Refused(error);
    input->SetDeadline(kProbeSeconds);
    FramePointer picture = input->VideoStream() ? FirstPicture(*input) : nullptr;
    if (input->TimedOut())
        return Refused("reading the first picture took too long");
    if (picture && !IsSupportedPictureSize(picture->width, picture->height, &error))
        return Refused(error);
    EngineFileInfo info = DescribeInput(*input, AudioBitRateOf(*input));
    if (picture) {
        const PictureOrientation orientation = OrientationOf(input->VideoStream());
        DescribePicture(info, *input, picture.get(), orientation);
        const int32_t second = WholeSecond(input->SecondsOf(picture.get(), StreamKind::Video));
        picture = UprightPicture(picture.get(), orientation);
        if (!picture)
            return Refused("the picture cannot be turned upright");
        current.Set(picture.get(), second);
    } else if (input->AudioStream()) {
        DescribeAudioOnly(info);
        current.SetBlack(0);
    } else {
        return Refused("no picture could be decoded (damaged, or larger than 8192x8192)");
    }
    std::memcpy(engineFileInfo, &info, sizeof info);
    return 0;
}
