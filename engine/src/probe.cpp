// X_GetFileinfo_GetPic: the probe of one file and its first picture.
#include "korvid.h"

#include "current_picture.h"
#include "failure_reason.h"
#include "frame_picture.h"
#include "media_input.h"
#include "picture_orientation.h"
#include "probe_record.h"
#include "source_limits.h"

#include <cmath>
#include <cstring>

namespace {

using namespace korvid;

// Files whose video does not start within this much audio count as audio-only.
constexpr double kLongestAudioBeforeVideo = 30.0;

static_assert(sizeof(EngineFileInfo) == 40, "the host reads a 40-byte record");

FramePointer firstPicture(MediaInput &input) {
    FramePointer frame(av_frame_alloc());
    StreamKind kind = StreamKind::Video;
    while (frame && input.receiveFrame(frame.get(), &kind) == DecodeStatus::Frame) {
        if (kind == StreamKind::Video)
            return frame;
        if (input.secondsOf(frame.get(), kind) > kLongestAudioBeforeVideo)
            break;
    }
    return nullptr;
}

int32_t refused(const std::string &reason) {
    setFailureReason(reason);
    return -1;
}

int32_t wholeSecond(double seconds) {
    return std::isfinite(seconds) && seconds > 0 ? static_cast<int32_t>(seconds) : 0;
}

// Aspect from the picture itself, and its size where the container had none;
// both as the picture is shown, turned upright.
void describePicture(EngineFileInfo &info, const MediaInput &input, AVFrame *picture,
                     PictureOrientation orientation) {
    if (info.width < 1 || info.height < 1) {
        info.width = picture->width;
        info.height = picture->height;
    }
    AVRational sampleAspect = av_guess_sample_aspect_ratio(input.format(), input.videoStream(), picture);
    orientation.turnSize(&info.width, &info.height, &sampleAspect);
    AspectFields aspect = aspectFieldsOf(info.width, info.height, sampleAspect);
    info.aspectCode = aspect.code;
    info.aspectFlag = aspect.flag;
}

// A file with audio but no decodable picture is audio-only: no size, no rate.
void describeAudioOnly(EngineFileInfo &info) {
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
    CurrentPicture &current = currentPicture(PictureOwner::Probe);
    current.clear();
    servePictureOf(PictureOwner::Probe);
    setFailureReason({});
    if (!path || !engineFileInfo)
        return refused("no file to probe");
    MediaInputOptions options;
    options.firstPictureOnly = true;
    options.exactAudioEdits = false;
    std::string error;
    std::unique_ptr<MediaInput> input = MediaInput::open(path, options, &error);
    if (!input)
        return refused(error);
    input->setDeadline(kProbeSeconds);
    FramePointer picture = input->videoStream() ? firstPicture(*input) : nullptr;
    if (input->timedOut())
        return refused("reading the first picture took too long");
    if (picture && !isSupportedPictureSize(picture->width, picture->height, &error))
        return refused(error);
    EngineFileInfo info = describeInput(*input, audioBitRateOf(*input));
    if (picture) {
        const PictureOrientation orientation = orientationOf(input->videoStream());
        describePicture(info, *input, picture.get(), orientation);
        const int32_t second = wholeSecond(input->secondsOf(picture.get(), StreamKind::Video));
        picture = uprightPicture(picture.get(), orientation);
        if (!picture)
            return refused("the picture cannot be turned upright");
        current.set(picture.get(), second);
    } else if (input->audioStream()) {
        describeAudioOnly(info);
        current.setBlack(0);
    } else {
        return refused("no picture could be decoded (damaged, or larger than 8192x8192)");
    }
    std::memcpy(engineFileInfo, &info, sizeof info);
    return 0;
}
