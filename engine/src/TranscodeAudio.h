#pragma once
// The audio stage of the pipeline: filter (resample, sync, volume, trim, format)
// and encode on the reading thread; audio is cheap next to video.

#include "TranscodeAudioSetup.h"
#include "TranscodeEncoder.h"
#include "TranscodeFilters.h"

#include <memory>

namespace korvid {

class AudioStage {
public:
    struct Setup {
        bool forceSync;
        double volumeDb;
        double lengthSeconds;
    };
    AudioStage(const Setup &setup, std::unique_ptr<StreamEncoder> encoder);
    ~AudioStage();
    AudioStage(const AudioStage &) = delete;
    AudioStage &operator=(const AudioStage &) = delete;

    // Takes a decoded frame whose pts counts source samples from the clip's start.
    bool Push(AVFrame *frame);
    // Flushes the filters and the encoder.
    bool Finish();

private:
    bool SameFormat(const AVFrame &frame) const;
    bool BuildChain(const AVFrame *firstFrame);
    bool EncodeFiltered();

    Setup setup_;
    std::unique_ptr<StreamEncoder> encoder_;
    std::unique_ptr<FilterChain> chain_;
    int inputFormat_ = -1;             // of the frames the chain was built for
    int inputRate_ = 0;
    AVChannelLayout inputLayout_{};
    int64_t nextPts_ = 0;              // in the encoder's time base
};

} // namespace korvid
