#pragma once
// The real engine's conversion entry points, bound with dlopen/dlsym as the
// program binds them, and the job values a test hands to them.

#include "korvid.h"

#include <string>

namespace converttest {

// Every value of a target entry point, as the texts the program passes.
struct JobValues {
    std::string source;
    std::string target;
    std::string start = "0";
    std::string length = "0";
    std::string outputFormat = "mp4";
    std::string engineCodec = "h264";
    std::string audioCodec = "aac";
    std::string sampleRate = "44100";
    std::string audioBitrate = "96";
    std::string videoBitRate = "300";
    std::string displayAspect = "1:1";
    std::string pictureSize = "nodef";
    std::string frameSize = "160:120";
    std::string frameRate = "Auto";
    std::string audioTrack = "-1";
    std::string subtitleTrack = "-1";
    std::string volume = "0";
    std::string title = "Clip title";
    std::string artist = "Clip artist";
    int32_t highQuality = 0;
    int32_t tvSystem = 0;
};

class ConvertLibrary {
public:
    ConvertLibrary();    // loads KORVID_ENGINE_PATH
    ~ConvertLibrary();   // dlclose
    ConvertLibrary(const ConvertLibrary &) = delete;
    ConvertLibrary &operator=(const ConvertLibrary &) = delete;

    bool Loaded() const { return handle_ && complete_; }

#define KORVID_CONVERT_ENTRY(name) decltype(&::name) name = nullptr;
#include "ConvertEntryList.h"
#undef KORVID_CONVERT_ENTRY

private:
    void *handle_ = nullptr;
    bool complete_ = true;
};

// Argument-list shapes of the entry points (see korvid.h). Each passes the job
// values in that entry point's own order and the interface stamp last.
int32_t CallCommon(decltype(&X_SetPar_D2IPOD_VIDEO) entry, KorvidWindow *w, const JobValues &job);
int32_t CallQuality(decltype(&X_SetPar_D2IMP4) entry, KorvidWindow *w, const JobValues &job);
int32_t CallAudioCodec(decltype(&X_TO_HD_APPLETV) entry, KorvidWindow *w, const JobValues &job);
int32_t CallQualityAudio(decltype(&X_TO_HD_AVC) entry, KorvidWindow *w, const JobValues &job);
int32_t CallMpeg(decltype(&X_SetPar_D2MPEG) entry, KorvidWindow *w, const JobValues &job);
int32_t CallAvi(decltype(&X_SetPar_D2AVI) entry, KorvidWindow *w, const JobValues &job);
int32_t CallPsp(decltype(&X_SetPar_D2PSP) entry, KorvidWindow *w, const JobValues &job);
int32_t CallAudioOnly(decltype(&X_SetPar_D2IPOD_MP3) entry, KorvidWindow *w, const JobValues &job);

} // namespace converttest
