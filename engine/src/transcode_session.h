#pragma once
// One conversion from open to finish: the source, the output file, the audio
// and video stages, and the reading loop that feeds them. The reading loop runs
// on the caller's thread; the video stage adds a filter and an encoder thread.

#include "convert_job.h"
#include "frame_pointer.h"
#include "global_settings.h"
#include "media_input.h"
#include "picture_subtitles.h"
#include "transcode_audio.h"
#include "transcode_output.h"
#include "transcode_timeline.h"
#include "transcode_video.h"

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
    bool open();
    // Converts until the end, the clip's length or a stop; posts READY to `window`
    // once under way. False on failure (the output file is then removed).
    bool run(KorvidWindow *window);
    const std::string &error() const { return error_; }
    // Whether any picture (audio, for audio targets) reached the output file.
    bool wroteAnything() const { return output_ && output_->wroteMainStream(); }

private:
    bool openInput();
    bool openVideo();
    bool openAudio();
    bool openPictureSubtitles();
    bool fail(const std::string &reason);
    bool seekToStart();
    double firstFrameSeconds();
    bool readAll();
    bool handleFrame(AVFrame *frame, StreamKind kind);
    bool handleVideo(AVFrame *frame, double seconds);
    bool handleAudio(AVFrame *frame, double seconds);
    bool pushLeadFrame(int64_t nextPts);
    bool pastTheEnd() const;
    int64_t frameDurationMicroseconds(const AVFrame &frame) const;
    static double audioDurationSeconds(const AVFrame &frame);
    bool finish();

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
