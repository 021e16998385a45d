#include "ClipProbe.h"

#include "AudioChoice.h"
#include "EngineClient.h"
#include "FrameRateChoice.h"
#include "MediaInfoInterfa.h"
#include "ProbeRules.h"
#include "korvid.h"

#include <QByteArray>
#include <QFileInfo>
#include <QStringList>
#include <cmath>
#include <cstring>

namespace {

// The entry points of a probe pass, bound for the pass's lifetime.
struct EngineProbeCalls {
    std::unique_ptr<EngineClient> client;
    decltype(&X_Global_CMD) globalCommand = nullptr;
    decltype(&X_GetFileinfo_GetPic) fileInfo = nullptr;
    decltype(&X_Get_Frame) getFrame = nullptr;

    bool Load()
    {
        client = EngineClient::Load(EngineClient::Search::ProgramFolderOnly);
        if (!client)
            return false;
        globalCommand = ENGINE_ENTRY(*client, X_Global_CMD);
        fileInfo = ENGINE_ENTRY(*client, X_GetFileinfo_GetPic);
        getFrame = ENGINE_ENTRY(*client, X_Get_Frame);
        return client->MissingEntryPoints().isEmpty();
    }

    // The engine's reason for the probe that just failed on this thread.
    QString FailureReason() const
    {
        const QString text = client->LastError();
        return text.isEmpty() ? QStringLiteral("the engine cannot read it") : text;
    }
};

// Without a dialog to ask, a disagreement is settled as "calculate for me" would.
class CalculatingQuestion : public FrameRateQuestion {
public:
    FrameRateAnswer Ask(const QString &, float, float) override { return {true, false}; }
};

float FiniteOrZero(float value) { return std::isfinite(value) ? value : 0.0f; }

// The engine may write into the path, so it gets a copy with room to spare.
bool ProbeWithEngine(const EngineProbeCalls &engine, const QString &fileName, int transportStream,
                     const QString &settingsFolder, EngineFileInfo &facts)
{
    const QByteArray path = fileName.toUtf8();
    QByteArray buffer(path.size() + 10, '\0');
    std::memcpy(buffer.data(), path.constData(), static_cast<size_t>(path.size()));
    const QByteArray scratchFile = (settingsFolder + QStringLiteral("telvotempfile.tmp")).toUtf8();
    engine.globalCommand(scratchFile.constData(), "29.976", 1);
    return engine.fileInfo(buffer.data(), 10, &facts, transportStream) != -1;
}

void ApplyFrameRate(TVideoInfo &clip, const TMediaInfo &media, const EngineFileInfo &facts,
                    const ClipProbeServices &services)
{
    CalculatingQuestion calculating;
    FrameRateQuestion &question = services.frameRateQuestion ? *services.frameRateQuestion : calculating;
    clip.ContainerKind = probe::ContainerKindOf(media.Format);
    clip.FrameRate = probe::DecideFrameRate(media.Format, FiniteOrZero(media.Video.FrameRate),
                                            FiniteOrZero(facts.frameRate), clip.FileName, question);
}

// The picture's size and aspect as the clip will hold them.
struct PictureGeometry {
    int aspectCode = 0;
    int width = 0;
    int height = 0;
};

PictureGeometry GeometryOf(const EngineFileInfo &facts, const TMediaInfo &media)
{
    if (facts.audioOnly == 1)
        return {};   // no picture: no size or frame rate to make up
    return {facts.aspectCode, probe::SizeWithFallback(facts.width, media.Video.Width, probe::kDefaultWidth),
            probe::SizeWithFallback(facts.height, media.Video.Height, probe::kDefaultHeight)};
}

void ApplyFacts(TVideoInfo &clip, const EngineFileInfo &facts, const TMediaInfo &media,
                const ClipProbeServices &services)
{
    if (clip.Row)
        clip.Row->SetName(probe::RowNameText(clip.FileName));
    clip.SetDuration(facts.durationSeconds);
    clip.SetStartTime(0);
    clip.SetEndTime(facts.durationSeconds);
    clip.SetChecked(true);
    clip.VideoStreamID = media.Video.ID;
    clip.AudioOnly = facts.audioOnly == 1;
    const PictureGeometry geometry = GeometryOf(facts, media);
    clip.SetAspect(geometry.aspectCode, geometry.width, geometry.height);
    if (clip.AudioOnly)
        clip.ContainerKind = probe::ContainerKindOf(media.Format);
    else
        ApplyFrameRate(clip, media, facts, services);
    const probe::EngineFacts infoFacts{facts.videoBitRateKbps, facts.audioBitRateKbps, facts.audioSampleRate,
                                       clip.AudioOnly};
    clip.SetInfoText(probe::InfoText(clip.FileName, probe::SizeText(clip.Width, clip.Height), clip.FrameRate, infoFacts));
    clip.AspectFromCode = !clip.AudioOnly && facts.aspectFlag == 0;
}

// The engine's first picture (rows of blue, green, red bytes) fitted into the
// thumbnail box; black when the engine could not make one.
QImage GrabThumbnail(const EngineProbeCalls &engine, const EngineFileInfo &facts, const TMediaInfo &media,
                     const QString &settingsFolder)
{
    const PictureGeometry geometry = GeometryOf(facts, media);
    const bool aspectFromCode = facts.audioOnly != 1 && facts.aspectFlag == 0;
    const QSize size = probe::ThumbnailSize(geometry.width, geometry.height, aspectFromCode,
                                            DisplayAspectOfIndex(AspectIndexOfEngineCode(geometry.aspectCode)));
    uint8_t *pixels = nullptr;
    int32_t frameSecond = 0;
    const QByteArray bitmapFile = (settingsFolder + QStringLiteral("2.bmp")).toUtf8();
    engine.getFrame(size.width(), size.height(), bitmapFile.constData(), &pixels, &frameSecond);
    QImage thumbnail(size, QImage::Format_BGR888);
    thumbnail.fill(Qt::black);
    if (!pixels)
        return thumbnail;
    const auto rowBytes = static_cast<size_t>(size.width()) * 3;
    for (int y = 0; y < size.height(); ++y)
        std::memcpy(thumbnail.scanLine(y), pixels + rowBytes * static_cast<size_t>(y), rowBytes);
    return thumbnail;
}

void AddAudioRows(TVideoInfo &clip, const TMediaInfo &media, const ClipProbeServices &services)
{
    const auto count = static_cast<uint32_t>(media.AudioStreamCount());
    for (uint32_t index = 0; index < count; ++index) {
        if (const auto stream = media.AudioStreamAt(index)) {
            clip.AddAudioRow(*stream);
            if (!clip.AudioRows.empty())
                clip.AudioRows.back()->SetTreeEnd(index + 1 == count);
        }
    }
    QStringList languages;
    for (const TAudioStream &stream : clip.AudioStreams)
        languages << stream.Language;
    clip.ChooseAudioRow(DefaultAudioIndex(languages, services.optionAudioLanguage, services.localeLanguage));
}

void ShowProbedFacts(TVideoInfo &clip, const TMediaInfo &media)
{
    if (!clip.Row)
        return;
    clip.Row->SetFrameRate(clip.FrameRate);
    clip.Row->SetPictureSize(media.Video.AspectRatio);
    clip.Row->Unhighlight();
}

} // namespace

ProbedFile ProbeFile(const QString &fileName, const QString &settingsFolder)
{
    ProbedFile probed;
    probed.fileName = fileName;
    // A pipe, socket, device or folder could keep both probes waiting for ever.
    const QFileInfo file(fileName);
    if (!file.exists()) {
        probed.whyNot = QStringLiteral("the file is missing");
        return probed;
    }
    if (!file.isFile()) {
        probed.whyNot = QStringLiteral("not a regular file");
        return probed;
    }
    EngineProbeCalls engine;
    if (!engine.Load()) {
        probed.whyNot = QStringLiteral("the engine library cannot be loaded");
        return probed;
    }
    TMediaInfoInterfa().GetMediaInfo(fileName, probed.media);
    if (!ProbeWithEngine(engine, fileName, probe::TransportStreamFlag(fileName, probed.media.Format), settingsFolder,
                         probed.facts)) {
        probed.whyNot = engine.FailureReason();
        return probed;
    }
    probed.thumbnail = GrabThumbnail(engine, probed.facts, probed.media, settingsFolder);
    return probed;
}

std::unique_ptr<TVideoInfo> ClipOfProbe(const ProbedFile &probed, const ClipProbeServices &services)
{
    if (!probed.whyNot.isEmpty())
        return nullptr;
    auto clip = std::make_unique<TVideoInfo>(services.rows);
    clip->FileName = probed.fileName;
    ApplyFacts(*clip, probed.facts, probed.media, services);
    clip->Thumbnail = probed.thumbnail;
    ShowProbedFacts(*clip, probed.media);
    AddAudioRows(*clip, probed.media, services);
    return clip;
}

std::unique_ptr<TVideoInfo> ProbeClip(const QString &fileName, const ClipProbeServices &services, QString *whyNot)
{
    const ProbedFile probed = ProbeFile(fileName, services.settingsFolder);
    if (whyNot)
        *whyNot = probed.whyNot;
    return ClipOfProbe(probed, services);
}
