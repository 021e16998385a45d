#pragma once
// The conversion engine library as one clip's conversion binds it: every name below
// must be present, in this order, or the engine counts as unavailable.

#include "korvid.h"

#include <array>
#include <memory>

#include <QString>

class EngineClient;

namespace conversion {

enum class EngineName : int {
    X_Get_Info, X_StopConvert, X_Get_Frame_JPEG, X_SetPar_D2IPOD_VIDEO, X_SetPar_D2IPOD_MP3,
    X_SetPar_D2AVI, X_SetPar_D2FLV, X_SetPar_D2WMV, X_SetPar_D2MPEG, X_SetPar_D2IMP4,
    X_SetPar_D2QTMOV, X_SetPar_D2APPLETV_VIDEO, X_SetPar_D2IPHONE_VIDEO, X_SetPar_D2PDA_VIDEO,
    X_SetPar_D2ZUNE_VIDEO, X_SetPar_D2PSP, X_SetPar_D23GP, X_TO_HD_AVI, X_TO_HD_H264, X_TO_HD_MP4,
    X_TO_HD_MOV, X_TO_HD_WMV, X_TO_HD_MPEG, X_TO_HD_MPEG2TS, X_TO_HD_Mobile, X_SetPar_Global,
    X_Global_CMD, X_TO_HD_AVC, X_TO_HD_APPLETV, X_TO_HD_PS3, X_TO_HD_XBOX, X_TO_HD_ZUNE,
};

inline constexpr std::array<const char *, 32> ConversionEngineNames = {
    "X_Get_Info", "X_StopConvert", "X_Get_Frame_JPEG", "X_SetPar_D2IPOD_VIDEO", "X_SetPar_D2IPOD_MP3",
    "X_SetPar_D2AVI", "X_SetPar_D2FLV", "X_SetPar_D2WMV", "X_SetPar_D2MPEG", "X_SetPar_D2IMP4",
    "X_SetPar_D2QTMOV", "X_SetPar_D2APPLETV_VIDEO", "X_SetPar_D2IPHONE_VIDEO", "X_SetPar_D2PDA_VIDEO",
    "X_SetPar_D2ZUNE_VIDEO", "X_SetPar_D2PSP", "X_SetPar_D23GP", "X_TO_HD_AVI", "X_TO_HD_H264", "X_TO_HD_MP4",
    "X_TO_HD_MOV", "X_TO_HD_WMV", "X_TO_HD_MPEG", "X_TO_HD_MPEG2TS", "X_TO_HD_Mobile", "X_SetPar_Global",
    "X_Global_CMD", "X_TO_HD_AVC", "X_TO_HD_APPLETV", "X_TO_HD_PS3", "X_TO_HD_XBOX", "X_TO_HD_ZUNE",
};

const char *EngineNameText(EngineName name);

// A loaded and completely bound engine; destroying it releases the library.
class ConversionEngine {
public:
    // Loads "Korvid.dll" by its bare name and binds every name in order. Null when the
    // library cannot be loaded or a name is missing; the library is then released.
    static std::unique_ptr<ConversionEngine> Load();
    ~ConversionEngine();

    void *Symbol(EngineName name) const { return symbols_[std::size_t(name)]; }

    // The bound function with its declared type: Function<decltype(&X_Get_Info)>(EngineName::X_Get_Info).
    template <typename FunctionPointer>
    FunctionPointer Function(EngineName name) const {
        return reinterpret_cast<FunctionPointer>(Symbol(name));
    }

    // Why the calling thread's last conversion failed, from the engine's optional
    // X_Get_Last_Error; empty when the engine does not say.
    QString LastError() const;

private:
    explicit ConversionEngine(std::unique_ptr<EngineClient> client);
    bool BindAll();

    std::unique_ptr<EngineClient> client_;
    std::array<void *, ConversionEngineNames.size()> symbols_{};
};

} // namespace conversion
