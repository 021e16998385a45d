#pragma once
// A filter graph with one buffer source and one buffer sink, described by a
// filter chain text ("fps=25,scale=640:360").

#include <memory>
#include <string>

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavutil/frame.h>
}

namespace korvid {

class FilterChain {
public:
    // `sourceArguments` are the buffer/abuffer source's options; `isVideo` picks the pair.
    static std::unique_ptr<FilterChain> Create(bool isVideo, const std::string &sourceArguments,
                                               const std::string &chain, std::string *error);
    ~FilterChain();
    FilterChain(const FilterChain &) = delete;
    FilterChain &operator=(const FilterChain &) = delete;

    AVFilterContext *Sink() const { return sink_; }

    // Takes the frame's data (the frame is left empty); null marks the end of input.
    bool Push(AVFrame *frame);
    // Marks the end of input at `endPts`, so the last frame keeps its duration.
    bool Close(int64_t endPts);
    // 0 with a frame, AVERROR(EAGAIN) when it needs input, AVERROR_EOF at the end.
    int Pull(AVFrame *frame);

private:
    FilterChain() = default;
    int CreateEnds(bool isVideo, const std::string &sourceArguments);
    int ParseBetweenEnds(const std::string &chain);
    AVFilterGraph *graph_ = nullptr;
    AVFilterContext *source_ = nullptr;
    AVFilterContext *sink_ = nullptr;
};

} // namespace korvid
