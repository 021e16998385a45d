#include "TranscodeFilters.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/error.h>
}

namespace korvid {

namespace {

std::string ErrorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

} // namespace

std::unique_ptr<FilterChain> FilterChain::Create(bool isVideo, const std::string &sourceArguments,
                                                 const std::string &chain, std::string *error)
{
    std::unique_ptr<FilterChain> result(new FilterChain);
    result->graph_ = avfilter_graph_alloc();
    if (!result->graph_)
        return nullptr;
    // Filters run on the caller's thread; the pipeline already overlaps its stages.
    result->graph_->nb_threads = 1;
    int status = result->CreateEnds(isVideo, sourceArguments);
    if (status >= 0)
        status = result->ParseBetweenEnds(chain);
    if (status >= 0)
        status = avfilter_graph_config(result->graph_, nullptr);
    if (status < 0) {
        if (error)
            *error = "filter \"" + chain + "\": " + ErrorText(status);
        return nullptr;
    }
    return result;
}

int FilterChain::CreateEnds(bool isVideo, const std::string &sourceArguments)
{
    const AVFilter *source = avfilter_get_by_name(isVideo ? "buffer" : "abuffer");
    const AVFilter *sink = avfilter_get_by_name(isVideo ? "buffersink" : "abuffersink");
    const int status = avfilter_graph_create_filter(&source_, source, "in", sourceArguments.c_str(), nullptr, graph_);
    return status < 0 ? status : avfilter_graph_create_filter(&sink_, sink, "out", nullptr, nullptr, graph_);
}

int FilterChain::ParseBetweenEnds(const std::string &chain)
{
    AVFilterInOut *outputs = avfilter_inout_alloc();
    AVFilterInOut *inputs = avfilter_inout_alloc();
    int status = AVERROR(ENOMEM);
    if (outputs && inputs) {
        outputs->name = av_strdup("in");
        outputs->filter_ctx = source_;
        inputs->name = av_strdup("out");
        inputs->filter_ctx = sink_;
        status = avfilter_graph_parse_ptr(graph_, chain.c_str(), &inputs, &outputs, nullptr);
    }
    avfilter_inout_free(&outputs);
    avfilter_inout_free(&inputs);
    return status;
}

FilterChain::~FilterChain()
{
    avfilter_graph_free(&graph_);
}

bool FilterChain::Push(AVFrame *frame)
{
    return av_buffersrc_add_frame_flags(source_, frame, 0) >= 0;
}

bool FilterChain::Close(int64_t endPts)
{
    return av_buffersrc_close(source_, endPts, AV_BUFFERSRC_FLAG_PUSH) >= 0;
}

int FilterChain::Pull(AVFrame *frame)
{
    return av_buffersink_get_frame(sink_, frame);
}

} // namespace korvid
