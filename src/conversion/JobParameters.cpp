#include "JobParameters.h"

#include "DefinitionSections.h"
#include "JobTexts.h"
#include "TargetCatalogue.h"

#include <array>

namespace conversion {
namespace {

using targets::ProfileDefinitions;

// A choice list that job assembly reads: its key family, the panel's selection and
// the job field it fills.
struct ChoiceField {
    const char *base;
    int JobPanelValues::*selection;
    QString ConvertJob::*field;
};

constexpr std::array<ChoiceField, 5> ProfileChoices = {{
    {"VideoFrameRate", &JobPanelValues::videoFrameRateIndex, &ConvertJob::VideoFrameRate},
    {"AudioBitrate", &JobPanelValues::audioBitRateIndex, &ConvertJob::AudioBitrate},
    {"AudioSampleRate", &JobPanelValues::audioSampleRateIndex, &ConvertJob::AudioSampleRate},
    {"AudioCodec", &JobPanelValues::audioCodecIndex, &ConvertJob::AudioCodec},
    {"VideoCodec", &JobPanelValues::videoCodecIndex, &ConvertJob::VideoCodec},
}};

// Every target but MPEG: each value from the target section, else from the output
// format's sub-section.
void ReadProfileChoices(ConvertJob &job, const JobPanelValues &panel, const ProfileDefinitions &definitions,
                        const QString &targetSection, const QString &formatSection)
{
    for (const ChoiceField &choice : ProfileChoices) {
        job.*choice.field = targets::ResolveChoiceValueWithFallback(
            definitions, targetSection, formatSection, QLatin1String(choice.base), panel.*choice.selection);
    }
    job.AspectMode = targets::AspectModeOf(targets::ResolveChoiceValueWithFallback(
        definitions, targetSection, formatSection, QStringLiteral("VideoAspect"), panel.aspectIndex));
}

// MPEG reads its whole parameter set from the aspect mode's own sub-section for modes
// above 10, with no fallback; returns the section the set came from.
QString ReadMpegChoices(ConvertJob &job, const JobPanelValues &panel, const ProfileDefinitions &definitions,
                        const QString &targetSection)
{
    job.AspectMode = targets::AspectModeOf(
        targets::ResolveChoiceValue(definitions, targetSection, QStringLiteral("VideoAspect"), panel.aspectIndex));
    const QString section = job.AspectMode > 10 ? targets::JoinSection(targetSection, QString::number(job.AspectMode))
                                                : targetSection;
    for (const ChoiceField &choice : ProfileChoices) {
        job.*choice.field = targets::ResolveChoiceValue(definitions, section, QLatin1String(choice.base),
                                                        panel.*choice.selection);
    }
    return section;
}

void ApplyDvdReplacements(ConvertJob &job, bool ntsc)
{
    job.VideoFrameRate = ntsc ? QStringLiteral("30000/1001") : QStringLiteral("25");
    job.AudioBitrate = QStringLiteral("192");
    job.AudioSampleRate = QStringLiteral("48000");
    job.AudioCodec = QStringLiteral("ac3");
    job.VideoCodec = job.EngineCodec = QStringLiteral("dvd");
    job.Volume = QStringLiteral("2");
    job.VideoBitRate = QStringLiteral("5000");
    job.VideoResolution = ntsc ? QStringLiteral("720:480") : QStringLiteral("720:576");
    job.OutputFormat = QStringLiteral("dvd");
}

// The frame size: the resolution list's value while the list is shown (its text when
// the definitions have none), else the width and height fields.
QString ReadVideoResolution(const JobPanelValues &panel, const ProfileDefinitions &definitions,
                            const QString &profileSection, const QString &formatSection)
{
    if (!panel.resolutionListVisible)
        return SizeText(panel.videoWidth, panel.videoHeight);
    const QString value = targets::ResolveChoiceValueWithFallback(
        definitions, profileSection, formatSection, QStringLiteral("VideoResolution"), panel.resolutionIndex);
    return value == targets::NoDefinition ? panel.resolutionText : value;
}

bool IsDvdVideoTarget(int target)
{
    return target == targets::TargetVOB_File || target == targets::TargetDVD_Folder;
}

} // namespace

QString ArtistNameText(const QString &artistName)
{
    return CutToCharacters(artistName.isEmpty() ? QStringLiteral("Unkonwn") : artistName, 50);
}

void ReadJobParameters(ConvertJob &job, int target, const JobPanelValues &panel,
                       const ProfileDefinitions &definitions)
{
    const QString targetSection = targets::TargetSectionName(target);
    const QString formatSection = targets::JoinSection(targetSection, panel.outputFormatText);
    job.ArtistName = ArtistNameText(panel.artistName);
    job.OutputFormat = targets::ResolveChoiceValueWithFallback(definitions, formatSection, targetSection,
                                                               QStringLiteral("OutputFormat"), panel.outputFormatIndex);
    QString profileSection = targetSection;
    if (target == targets::TargetMPEG)
        profileSection = ReadMpegChoices(job, panel, definitions, targetSection);
    else
        ReadProfileChoices(job, panel, definitions, targetSection, formatSection);
    job.EngineCodec = job.VideoCodec;
    job.HighQuality = panel.highQuality ? 1 : 0;
    job.VideoBitRate = panel.videoBitRateText.trimmed();
    job.Volume = QString::number(panel.volumePosition);
    if (IsDvdVideoTarget(target))
        ApplyDvdReplacements(job, panel.dvdNtsc);
    else
        job.VideoResolution = ReadVideoResolution(panel, definitions, profileSection, formatSection);
    // Decided after the DVD replacements, so a DVD never takes a source's own rate.
    job.ProfileFrameRate = job.VideoFrameRate;
    job.AutoFrameRate = job.VideoFrameRate == QLatin1String("Auto");
}

} // namespace conversion
