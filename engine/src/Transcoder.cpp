#include "Transcoder.h"

#include "ConvertProgress.h"
#include "FailureReason.h"
#include "GlobalSettings.h"
#include "TranscodeSession.h"

#include <cstdio>
#include <exception>

namespace korvid {

namespace {

int32_t Failed(const std::string &reason)
{
    std::fprintf(stderr, "korvid: %s\n", reason.c_str());
    SetFailureReason(reason);
    return -1;
}

int32_t Convert(KorvidWindow *window, const TargetDefaults &target, const JobTexts &texts)
{
    std::string error;
    const std::optional<ConversionJob> job = ReadJob(target, texts, &error);
    if (!job)
        return Failed(error);
    TranscodeSession session(*job, CurrentConversionSettings(), CurrentWorkFileCommand());
    const bool converted = session.Open() && session.Run(window);
    if (SharedConversionProgress().StopRequested() && !session.WroteAnything())
        return KORVID_RESULT_STOPPED_EMPTY;
    return converted ? 0 : Failed(session.Error());
}

} // namespace

int32_t RunConversion(KorvidWindow *window, const TargetDefaults &target, const JobTexts &texts)
{
    ConversionProgress &progress = SharedConversionProgress();
    progress.Begin();
    SetFailureReason({});
    int32_t result = -1;
    try {
        result = Convert(window, target, texts);
    } catch (const std::exception &exception) {
        result = Failed(exception.what());
    } catch (...) {
        result = Failed("unexpected failure");
    }
    progress.End();
    return result;
}

} // namespace korvid
