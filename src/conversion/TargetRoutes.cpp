#include "TargetRoutes.h"

#include "TargetCatalogue.h"

namespace conversion {
namespace {

using namespace targets;

enum class Tested { Nothing, EngineCodec, OutputFormat };

// One way a target reaches the engine; a target's routes are tried in table order and
// the first whose test holds is taken.
struct Route {
    int target;
    EngineName entry;
    Tested tested = Tested::Nothing;
    const char *equals = nullptr;               // exact, case-sensitive
    const char *codecAndFormatBecome = nullptr; // EngineCodec and OutputFormat
    const char *formatBecomes = nullptr;        // OutputFormat only
};

using enum EngineName;

const Route Routes[] = {
    {TargetAVI, X_SetPar_D2AVI},
    {TargetMP4, X_SetPar_D2IMP4},
    {TargetAVC, X_TO_HD_AVC},
    {TargetMPEG, X_SetPar_D2MPEG},
    {TargetWMV, X_SetPar_D2WMV},
    {TargetMOV, X_SetPar_D2QTMOV},
    {TargetYoutube, X_SetPar_D2IMP4, Tested::EngineCodec, "mpeg4"},
    {TargetYoutube, X_TO_HD_AVC, Tested::EngineCodec, "h264"},
    {TargetYoutube, X_TO_HD_MPEG, Tested::EngineCodec, "mpeg2", "mpeg2"},
    {TargetYoutube, X_SetPar_D2FLV, Tested::EngineCodec, "flv"},
    {TargetVOB_File, X_SetPar_D2MPEG, Tested::Nothing, nullptr, nullptr, "dvd"},
    {TargetDVD_Folder, X_SetPar_D2MPEG, Tested::Nothing, nullptr, nullptr, "dvd"},
    {TargetHDAVI, X_TO_HD_AVI},
    {TargetHDMP4, X_TO_HD_AVC, Tested::EngineCodec, "h264"},
    {TargetHDMP4, X_TO_HD_MP4},
    {TargetHDMPEG, X_TO_HD_MPEG, Tested::Nothing, nullptr, "mpeg2"},
    {TargetHDTS, X_TO_HD_MPEG2TS, Tested::Nothing, nullptr, "mpeg2ts"},
    {TargetHDWMV, X_TO_HD_WMV},
    {TargetHDMOV, X_TO_HD_MOV},
    {TargetHDYoutube, X_TO_HD_MP4, Tested::EngineCodec, "mpeg4"},
    {TargetHDYoutube, X_TO_HD_H264},
    {TargetiPad, X_SetPar_D2IPOD_VIDEO},
    {TargetiPod, X_SetPar_D2IPOD_VIDEO},
    {TargetiPhone, X_SetPar_D2IPHONE_VIDEO},
    {TargetAppleTV, X_SetPar_D2APPLETV_VIDEO},
    {TargetAppleTV_HD, X_TO_HD_APPLETV},
    {TargetPSP, X_SetPar_D2PSP},
    {TargetPS3, X_TO_HD_PS3},
    {TargetPS3_HD, X_TO_HD_PS3},
    {TargetXbox, X_TO_HD_XBOX, Tested::OutputFormat, "mov", nullptr, "mp4"},
    {TargetXbox, X_TO_HD_XBOX},
    {TargetXbox_HD, X_TO_HD_XBOX, Tested::OutputFormat, "mov", nullptr, "mp4"},
    {TargetXbox_HD, X_TO_HD_XBOX},
    {TargetZune, X_SetPar_D2WMV, Tested::OutputFormat, "asf"},
    {TargetZune, X_SetPar_D2ZUNE_VIDEO},
    {TargetZune_HD, X_TO_HD_ZUNE},
    {TargetPDA, X_SetPar_D2PDA_VIDEO},
    {TargetBlackBerry, X_TO_HD_Mobile},
    {TargetGeneral, X_TO_HD_Mobile},
    {TargetZEN, X_TO_HD_Mobile},
    {TargetNokia, X_TO_HD_Mobile},
    {TargetAndroid, X_TO_HD_Mobile},
    {TargetAAC, X_SetPar_D2IPOD_MP3},
    {TargetAC3, X_SetPar_D2IPOD_MP3},
    {TargetM4A, X_SetPar_D2IPOD_MP3},
    {TargetMP3, X_SetPar_D2IPOD_MP3},
    {TargetOGG, X_SetPar_D2IPOD_MP3},
    {TargetWMA, X_SetPar_D2IPOD_MP3},
    {TargetWAV, X_SetPar_D2IPOD_MP3},
};

bool Holds(const Route &route, const ConvertJob &job)
{
    switch (route.tested) {
    case Tested::EngineCodec: return job.EngineCodec == QLatin1String(route.equals);
    case Tested::OutputFormat: return job.OutputFormat == QLatin1String(route.equals);
    default: return true;
    }
}

void Prepare(const Route &route, ConvertJob &job)
{
    if (route.codecAndFormatBecome)
        job.EngineCodec = job.OutputFormat = QLatin1String(route.codecAndFormatBecome);
    if (route.formatBecomes)
        job.OutputFormat = QLatin1String(route.formatBecomes);
}

} // namespace

std::optional<EngineName> RouteTarget(int target, ConvertJob &job)
{
    for (const Route &route : Routes) {
        if (route.target == target && Holds(route, job)) {
            Prepare(route, job);
            return route.entry;
        }
    }
    return std::nullopt;
}

} // namespace conversion
