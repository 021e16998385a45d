// The entry points of korvid.h, answering from the test engine's script. They are
// defined inside extern "C" so that any drift from the header's declarations is
// a compile error (conflicting C declarations) rather than a silent overload.

#include "Pictures.h"
#include "TestEngineState.h"
#include "korvid.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

using testengine::CallText;
using testengine::State;

namespace {

int32_t Answer(const char *name, std::string call, KorvidWindow *postTo)
{
    State &state = State::Instance();
    state.Record(std::move(call));
    state.SchedulePosts(name, postTo);
    state.WaitDelay(name, false);
    return state.ResultOf(name);
}

void WriteTargetFile(const char *targetFile)
{
    if (!targetFile)
        return;
    if (FILE *file = std::fopen(targetFile, "wb")) {
        std::fputs("test engine output\n", file);
        std::fclose(file);
    }
}

// A conversion: begins (posting 2312), runs for its delay unless stopped, and on
// success leaves a file behind at targetFile.
int32_t Convert(const char *name, std::string call, KorvidWindow *window, const char *targetFile)
{
    State &state = State::Instance();
    state.BeginTarget();
    state.Record(std::move(call));
    state.SchedulePosts(name, window);
    if (state.WaitDelay(name, true))
        return 0;
    const int32_t result = state.ResultOf(name);
    bool writeFile = false;
    {
        std::lock_guard lock(state.mutex);
        writeFile = state.writeTargetFiles;
    }
    if (result == 0 && writeFile)
        WriteTargetFile(targetFile);
    return result;
}

bool ValidFrameSize(int32_t width, int32_t height)
{
    return width >= 1 && width <= 8192 && height >= 1 && height <= 8192;
}

// As in the engine, a thread's last probe names the picture it is served, so that
// probes on several threads each get their own file's first picture; a thread that
// starts a frame service is served the frame service's picture.
thread_local std::string probedOnThisThread;

// The current picture at width x height; the caller holds the state's lock.
std::vector<uint8_t> CurrentFrame(State &state, int32_t width, int32_t height)
{
    const std::string &path = probedOnThisThread.empty() ? state.currentPicture : probedOnThisThread;
    const testengine::Picture picture = state.pictures[path];
    return testengine::TwoColourFrame(width, height, picture.topRgb, picture.bottomRgb);
}

} // namespace

#define COMMON_VALUES                                                                                              \
    w, two, sourceFile, titleNumber, startText, audioSampleRate, displayAspect, engineCodec, outputFormat,          \
        videoBitRate, audioBitrate, pictureSize, frameSize, titleName, artistName, comment, videoFrameRate,         \
        audioTrack, subtitleTrack, targetFile, volume, lengthText
#define AVI_VALUES                                                                                                 \
    w, two, sourceFile, titleNumber, startText, audioCodec, audioSampleRate, displayAspect, engineCodec,            \
        outputFormat, videoBitRate, audioBitrate, pictureSize, frameSize, titleName, artistName, comment,           \
        videoFrameRate, audioTrack, subtitleTrack, targetFile, volume, lengthText
#define CONVERT(...) Convert(__func__, CallText(__func__, __VA_ARGS__), w, targetFile)

extern "C" {

int32_t X_Get_CPU_Core_Number(void)
{
    Answer(__func__, CallText(__func__), nullptr);
    std::lock_guard lock(State::Instance().mutex);
    return State::Instance().coreCount;
}

int32_t X_Get_Last_Error(char *buffer, int32_t size)
{
    Answer(__func__, CallText(__func__, static_cast<const void *>(buffer), size), nullptr);
    std::lock_guard lock(State::Instance().mutex);
    const std::string &reason = State::Instance().lastError;
    if (buffer && size > 0) {
        const size_t copied = std::min(reason.size(), static_cast<size_t>(size - 1));
        std::memcpy(buffer, reason.data(), copied);
        buffer[copied] = '\0';
    }
    return static_cast<int32_t>(reason.size());
}

int32_t X_Global_CMD(const char *workFile, const char *frameRateText, int32_t one)
{
    return Answer(__func__, CallText(__func__, workFile, frameRateText, one), nullptr);
}

int32_t X_GetFileinfo_GetPic(char *path, int32_t ten, void *engineFileInfo, int32_t transportStream)
{
    State &state = State::Instance();
    Answer(__func__, CallText(__func__, path, ten, engineFileInfo, transportStream), nullptr);
    std::lock_guard lock(state.mutex);
    const auto found = path ? state.probes.find(path) : state.probes.end();
    if (found == state.probes.end())
        return -1;
    if (engineFileInfo)
        std::memcpy(engineFileInfo, &found->second.info, sizeof(EngineFileInfo));
    state.currentPicture = path;
    probedOnThisThread = path;
    return found->second.result;
}

int32_t X_Get_Frame(int32_t width, int32_t height, const char *bmpName, uint8_t **pixels, int32_t *result)
{
    State &state = State::Instance();
    const int32_t answer = Answer(__func__, CallText(__func__, width, height, bmpName, pixels, result), nullptr);
    static thread_local std::vector<uint8_t> frameBuffer;   // read by the caller until its next call
    std::lock_guard lock(state.mutex);
    if (!ValidFrameSize(width, height)) {
        if (pixels)
            *pixels = nullptr;
        return -1;
    }
    frameBuffer = CurrentFrame(state, width, height);
    if (pixels)
        *pixels = frameBuffer.data();
    if (result)
        result[0] = state.frameSecond;
    if (bmpName)
        testengine::WriteBmp(bmpName, frameBuffer, width, height);
    return answer;
}

int32_t X_Get_Frame_JPEG(int32_t width, int32_t height, const char *jpegName)
{
    State &state = State::Instance();
    const int32_t answer = Answer(__func__, CallText(__func__, width, height, jpegName), nullptr);
    std::lock_guard lock(state.mutex);
    if (!ValidFrameSize(width, height))
        return -1;
    if (jpegName)
        testengine::WriteJpeg(jpegName, CurrentFrame(state, width, height), width, height);
    return answer;
}

int32_t X_GetFrame_Init(KorvidWindow *w, int32_t two, const char *path, const char *unused, const char *startSecondsText)
{
    State &state = State::Instance();
    {
        std::lock_guard lock(state.mutex);
        state.frameWindow = w;
        probedOnThisThread.clear();
        state.frameSecond = startSecondsText ? std::atoi(startSecondsText) : 0;
        if (path && state.probes.count(path))
            state.currentPicture = path;
    }
    return Answer(__func__, CallText(__func__, w, two, path, unused, startSecondsText), w);
}

int32_t X_Set_NextFrame_Time(int32_t seconds)
{
    State &state = State::Instance();
    KorvidWindow *window = nullptr;
    {
        std::lock_guard lock(state.mutex);
        state.frameSecond = seconds;
        window = state.frameWindow;
    }
    return Answer(__func__, CallText(__func__, seconds), window);
}

int32_t X_GetFrame_UnInit(void)
{
    State &state = State::Instance();
    KorvidWindow *window = nullptr;
    {
        std::lock_guard lock(state.mutex);
        window = std::exchange(state.frameWindow, nullptr);
    }
    return Answer(__func__, CallText(__func__), window);
}

int32_t X_SetPar_Global(int32_t threads, int32_t deinterlace, int32_t zero, int32_t forceSync, int32_t transportStream,
                        int32_t streamId)
{
    return Answer(__func__, CallText(__func__, threads, deinterlace, zero, forceSync, transportStream, streamId), nullptr);
}

int32_t X_Get_Info(int32_t *record)
{
    State &state = State::Instance();
    const int32_t answer = Answer(__func__, CallText(__func__, record), nullptr);
    std::lock_guard lock(state.mutex);
    if (!state.progress.empty()) {
        state.lastProgress = state.progress.front();
        state.progress.pop_front();
    }
    if (record) {
        record[0] = state.lastProgress.secondsDone;
        record[1] = state.lastProgress.framesPerSecond;
        record[2] = state.lastProgress.producing;
    }
    return answer;
}

int32_t X_StopConvert(void)
{
    State::Instance().RequestStop();
    return Answer(__func__, CallText(__func__), nullptr);
}

#define TARGET_L(name) \
    int32_t name(KORVID_COMMON_ARGS, int32_t stamp) { return CONVERT(COMMON_VALUES, stamp); }
#define TARGET_L_QUALITY(name) \
    int32_t name(KORVID_COMMON_ARGS, int32_t highQuality, int32_t stamp) { return CONVERT(COMMON_VALUES, highQuality, stamp); }
#define TARGET_L_QUALITY_AUDIO(name)                                                                    \
    int32_t name(KORVID_COMMON_ARGS, int32_t highQuality, const char *audioCodec, int32_t stamp)        \
    {                                                                                                   \
        return CONVERT(COMMON_VALUES, highQuality, audioCodec, stamp);                                  \
    }
#define TARGET_L_QUALITY_TV_AUDIO(name)                                                                        \
    int32_t name(KORVID_COMMON_ARGS, int32_t highQuality, int32_t tvSystem, const char *audioCodec, int32_t stamp) \
    {                                                                                                          \
        return CONVERT(COMMON_VALUES, highQuality, tvSystem, audioCodec, stamp);                               \
    }
#define TARGET_AVI(name) \
    int32_t name(KORVID_AVI_ARGS, int32_t highQuality, int32_t stamp) { return CONVERT(AVI_VALUES, highQuality, stamp); }

TARGET_L(X_SetPar_D2IPOD_VIDEO)
TARGET_L(X_SetPar_D2IPHONE_VIDEO)
TARGET_L(X_SetPar_D2APPLETV_VIDEO)
TARGET_L(X_SetPar_D2ZUNE_VIDEO)
TARGET_L(X_SetPar_D2PDA_VIDEO)
TARGET_L(X_SetPar_D23GP)

TARGET_L_QUALITY(X_SetPar_D2IMP4)
TARGET_L_QUALITY(X_SetPar_D2QTMOV)
TARGET_L_QUALITY(X_SetPar_D2FLV)

int32_t X_TO_HD_APPLETV(KORVID_COMMON_ARGS, const char *audioCodec, int32_t stamp)
{
    return CONVERT(COMMON_VALUES, audioCodec, stamp);
}

TARGET_L_QUALITY_AUDIO(X_SetPar_D2WMV)
TARGET_L_QUALITY_AUDIO(X_TO_HD_AVC)
TARGET_L_QUALITY_AUDIO(X_TO_HD_MP4)
TARGET_L_QUALITY_AUDIO(X_TO_HD_H264)
TARGET_L_QUALITY_AUDIO(X_TO_HD_WMV)
TARGET_L_QUALITY_AUDIO(X_TO_HD_MOV)
TARGET_L_QUALITY_AUDIO(X_TO_HD_PS3)
TARGET_L_QUALITY_AUDIO(X_TO_HD_XBOX)
TARGET_L_QUALITY_AUDIO(X_TO_HD_ZUNE)
TARGET_L_QUALITY_AUDIO(X_TO_HD_Mobile)

TARGET_L_QUALITY_TV_AUDIO(X_SetPar_D2MPEG)
TARGET_L_QUALITY_TV_AUDIO(X_TO_HD_MPEG)
TARGET_L_QUALITY_TV_AUDIO(X_TO_HD_MPEG2TS)

TARGET_AVI(X_SetPar_D2AVI)
TARGET_AVI(X_TO_HD_AVI)

int32_t X_SetPar_D2PSP(KorvidWindow *w, int32_t two, const char *sourceFile, const char *titleNumber,
                       const char *startText, const char *audioSampleRate, const char *displayAspect,
                       const char *engineCodec, const char *videoBitRate, const char *audioBitrate,
                       const char *pictureSize, const char *frameSize, const char *titleName,
                       const char *videoFrameRate, const char *audioTrack, const char *subtitleTrack,
                       const char *targetFile, const char *volume, const char *lengthText, int32_t stamp)
{
    return CONVERT(w, two, sourceFile, titleNumber, startText, audioSampleRate, displayAspect, engineCodec,
                   videoBitRate, audioBitrate, pictureSize, frameSize, titleName, videoFrameRate, audioTrack,
                   subtitleTrack, targetFile, volume, lengthText, stamp);
}

int32_t X_SetPar_D2IPOD_MP3(KorvidWindow *w, int32_t two, const char *sourceFile, const char *titleNumber,
                            const char *startText, const char *audioSampleRate, const char *audioBitrate,
                            const char *titleName, const char *artistName, const char *comment,
                            const char *audioTrack, const char *targetFile, const char *volume,
                            const char *lengthText, const char *audioCodec, int32_t stamp)
{
    return CONVERT(w, two, sourceFile, titleNumber, startText, audioSampleRate, audioBitrate, titleName, artistName,
                   comment, audioTrack, targetFile, volume, lengthText, audioCodec, stamp);
}

} // extern "C"
