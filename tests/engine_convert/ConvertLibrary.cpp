#include "ConvertLibrary.h"

#include <dlfcn.h>

namespace converttest {

namespace {

const char *text(const std::string &value) { return value.c_str(); }

} // namespace

ConvertLibrary::ConvertLibrary() : handle_(dlopen(KORVID_ENGINE_PATH, RTLD_NOW | RTLD_LOCAL))
{
    if (!handle_)
        return;
#define KORVID_CONVERT_ENTRY(name)                                    \
    name = reinterpret_cast<decltype(&::name)>(dlsym(handle_, #name)); \
    complete_ = complete_ && name;
#include "ConvertEntryList.h"
#undef KORVID_CONVERT_ENTRY
}

ConvertLibrary::~ConvertLibrary()
{
    if (handle_)
        dlclose(handle_);
}

// The common list L of korvid.h after the window and the constant 2.
#define JOB_COMMON_VALUES                                                                                       \
    text(job.source), "0", text(job.start), text(job.sampleRate), text(job.displayAspect), text(job.engineCodec), \
        text(job.outputFormat), text(job.videoBitRate), text(job.audioBitrate), text(job.pictureSize),           \
        text(job.frameSize), text(job.title), text(job.artist), "MyVideo", text(job.frameRate),                 \
        text(job.audioTrack), text(job.subtitleTrack), text(job.target), text(job.volume), text(job.length)

int32_t CallCommon(decltype(&X_SetPar_D2IPOD_VIDEO) entry, KorvidWindow *w, const JobValues &job)
{
    return entry(w, 2, JOB_COMMON_VALUES, KORVID_INTERFACE_STAMP);
}

int32_t CallQuality(decltype(&X_SetPar_D2IMP4) entry, KorvidWindow *w, const JobValues &job)
{
    return entry(w, 2, JOB_COMMON_VALUES, job.highQuality, KORVID_INTERFACE_STAMP);
}

int32_t CallAudioCodec(decltype(&X_TO_HD_APPLETV) entry, KorvidWindow *w, const JobValues &job)
{
    return entry(w, 2, JOB_COMMON_VALUES, text(job.audioCodec), KORVID_INTERFACE_STAMP);
}

int32_t CallQualityAudio(decltype(&X_TO_HD_AVC) entry, KorvidWindow *w, const JobValues &job)
{
    return entry(w, 2, JOB_COMMON_VALUES, job.highQuality, text(job.audioCodec), KORVID_INTERFACE_STAMP);
}

int32_t CallMpeg(decltype(&X_SetPar_D2MPEG) entry, KorvidWindow *w, const JobValues &job)
{
    return entry(w, 2, JOB_COMMON_VALUES, job.highQuality, job.tvSystem, text(job.audioCodec),
                 KORVID_INTERFACE_STAMP);
}

int32_t CallAvi(decltype(&X_SetPar_D2AVI) entry, KorvidWindow *w, const JobValues &job)
{
    return entry(w, 2, text(job.source), "0", text(job.start), text(job.audioCodec), text(job.sampleRate),
                 text(job.displayAspect), text(job.engineCodec), text(job.outputFormat), text(job.videoBitRate),
                 text(job.audioBitrate), text(job.pictureSize), text(job.frameSize), text(job.title),
                 text(job.artist), "MyVideo", text(job.frameRate), text(job.audioTrack), text(job.subtitleTrack),
                 text(job.target), text(job.volume), text(job.length), job.highQuality, KORVID_INTERFACE_STAMP);
}

int32_t CallPsp(decltype(&X_SetPar_D2PSP) entry, KorvidWindow *w, const JobValues &job)
{
    return entry(w, 2, text(job.source), "0", text(job.start), text(job.sampleRate), text(job.displayAspect),
                 text(job.engineCodec), text(job.videoBitRate), text(job.audioBitrate), text(job.pictureSize),
                 text(job.frameSize), text(job.title), text(job.frameRate), text(job.audioTrack),
                 text(job.subtitleTrack), text(job.target), text(job.volume), text(job.length),
                 KORVID_INTERFACE_STAMP);
}

int32_t CallAudioOnly(decltype(&X_SetPar_D2IPOD_MP3) entry, KorvidWindow *w, const JobValues &job)
{
    return entry(w, 2, text(job.source), "0", text(job.start), text(job.sampleRate), text(job.audioBitrate),
                 text(job.title), text(job.artist), "MyVideo", text(job.audioTrack), text(job.target),
                 text(job.volume), text(job.length), text(job.audioCodec), KORVID_INTERFACE_STAMP);
}

} // namespace converttest
