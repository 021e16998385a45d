#pragma once
// One conversion from open to finish: the source, the output file, the audio
// and video stages, and the reading loop that feeds them. The reading loop runs
// on the caller's thread; the video stage adds a filter and an encoder thread.

#include "ConvertJob.h"
#include "FramePointer.h"
#include "GlobalSettings.h"
#include "MediaInput.h"
#include "PictureSubtitles.h"
#include "TranscodeAudio.h"
#include "TranscodeOutput.h"
#include "TranscodeTimeline.h"
#include "TranscodeVideo.h"

#include <memory>
#include <string>

extern "C" {
#include "korvid.h"
}

namespace korvid {

class TranscodeSession {
public:
    TranscodeSession(const ConversionJob &job, const ConversionSettings &settings, const WorkFileCommand &command);
    ~TranscodeSession();

    // Opens the source and the output and writes the header.
    bool Open();
    // Converts until the end, the clip's length or a stop; posts READY to `window`
    // once under way. False on failure (the output file is then removed).
    bool Run(KorvidWindow *window);
    const std::string &Error() const { return error_; }
    // Whether any picture (audio, for audio targets) reached the output file.
    bool WroteAnything() const { return output_ && output_->WroteMainStream(); }

private:
    bool OpenInput();
    bool OpenVideo();
    bool OpenAudio();
    bool OpenPictureSubtitles();
    bool Fail(const std::string &reason);
    bool SeekToStart();
    double FirstFrameSeconds();
    bool ReadAll();
    bool HandleFrame(AVFrame *frame, StreamKind kind);
    bool HandleVideo(AVFrame *frame, double seconds);
    bool HandleAudio(AVFrame *frame, double seconds);
    bool PushLeadFrame(int64_t nextPts);
    bool PastTheEnd() const;
    int64_t FrameDurationMicroseconds(const AVFrame &frame) const;
    static double AudioDurationSeconds(const AVFrame &frame);
    bool Finish();

    const ConversionJob &job_;
    const ConversionSettings settings_;
    const WorkFileCommand command_;
    std::unique_ptr<MediaInput> input_;
    std::unique_ptr<OutputFile> output_;
    std::unique_ptr<VideoStage> video_;
    std::unique_ptr<AudioStage> audio_;
    std::unique_ptr<PictureSubtitles> pictureSubtitles_;
    VideoGeometry geometry_;
    FramePointer leadFrame_;   // the latest frame before the clip's start
    StreamTimeline videoTimeline_{false};
    StreamTimeline audioTimeline_{false};
    double lastVideoSeconds_ = -1e9;
    double lastAudioSeconds_ = -1e9;
    bool producedAnything_ = false;
    std::string error_;
};

} // namespace korvid
