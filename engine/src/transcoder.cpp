#include "transcoder.h"

#include "convert_progress.h"
#include "failure_reason.h"
#include "global_settings.h"
#include "transcode_session.h"

#include <cstdio>
#include <exception>

namespace korvid {

namespace {

int32_t failed(const std::string &reason)
{
    std::fprintf(stderr, "korvid: %s\n", reason.c_str());
    setFailureReason(reason);
    return -1;
}

int32_t convert(KorvidWindow *window, const TargetDefaults &target, const JobTexts &texts)
{
    std::string error;
    const std::optional<ConversionJob> job = readJob(target, texts, &error);
    if (!job)
        return failed(error);
    TranscodeSession session(*job, conversionSettings(), workFileCommand());
    const bool converted = session.open() && session.run(window);
    if (conversionProgress().stopRequested() && !session.wroteAnything())
        return KORVID_RESULT_STOPPED_EMPTY;
    return converted ? 0 : failed(session.error());
}

} // namespace

int32_t runConversion(KorvidWindow *window, const TargetDefaults &target, const JobTexts &texts)
{
    ConversionProgress &progress = conversionProgress();
    progress.begin();
    setFailureReason({});
    int32_t result = -1;
    try {
        result = convert(window, target, texts);
    } catch (const std::exception &exception) {
        result = failed(exception.what());
    } catch (...) {
        result = failed("unexpected failure");
    }
    progress.end();
    return result;
}

} // namespace korvid
