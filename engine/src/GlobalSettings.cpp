#include "GlobalSettings.h"

#include "JobValues.h"

#include <mutex>

extern "C" {
#include "korvid.h"
}

namespace korvid {

namespace {

std::mutex settingsMutex;
ConversionSettings currentSettings;
WorkFileCommand currentCommand;

constexpr int kMaxThreads = 16;

} // namespace

ConversionSettings CurrentConversionSettings()
{
    std::lock_guard lock(settingsMutex);
    return currentSettings;
}

void SetConversionSettings(const ConversionSettings &settings)
{
    std::lock_guard lock(settingsMutex);
    currentSettings = settings;
}

WorkFileCommand CurrentWorkFileCommand()
{
    std::lock_guard lock(settingsMutex);
    return currentCommand;
}

void SetWorkFileCommand(const WorkFileCommand &command)
{
    std::lock_guard lock(settingsMutex);
    currentCommand = command;
}

} // namespace korvid

extern "C" {

KORVID_API int32_t X_Global_CMD(const char *workFile, const char *frameRateText, int32_t one)
{
    korvid::WorkFileCommand command;
    command.workFile = workFile ? workFile : "";
    const korvid::TextValue rate = korvid::ReadText(frameRateText);
    command.sourceFrameRateText = rate.given ? rate.text : "-1";
    korvid::SetWorkFileCommand(command);
    return 0;
}

KORVID_API int32_t X_SetPar_Global(int32_t threads, int32_t deinterlace, int32_t zero, int32_t forceSync,
                                   int32_t transportStream, int32_t streamId)
{
    korvid::ConversionSettings settings;
    settings.threads = threads < 0 ? 0 : (threads > korvid::kMaxThreads ? korvid::kMaxThreads : threads);
    settings.deinterlace = deinterlace != 0;
    settings.forceSync = forceSync != 0;
    settings.transportStream = transportStream != 0;
    settings.videoStreamId = streamId;
    korvid::SetConversionSettings(settings);
    return 0;
}

} // extern "C"
