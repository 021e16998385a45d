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
    FrameRateAnswer ask(const QString &, float, float) override { return {true, false}; }
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
    if (clip.AudioOnly) {
        clip.SetAspect(0, 0, 0);   // no picture: no size or frame rate to make up
        clip.ContainerKind = probe::ContainerKindOf(media.Format);
    } else {
        clip.SetAspect(facts.aspectCode, probe::SizeWithFallback(facts.width, media.Video.Width, probe::kDefaultWidth),
                       probe::SizeWithFallback(facts.height, media.Video.Height, probe::kDefaultHeight));
        ApplyFrameRate(clip, media, facts, services);
    }
    const probe::EngineFacts infoFacts{facts.videoBitRateKbps, facts.audioBitRateKbps, facts.audioSampleRate,
                                       clip.AudioOnly};
    clip.SetInfoText(probe::InfoText(clip.FileName, probe::SizeText(clip.Width, clip.Height), clip.FrameRate, infoFacts));
    clip.AspectFromCode = !clip.AudioOnly && facts.aspectFlag == 0;
}

// Copies the engine's first picture (rows of blue, green, red bytes) into the
// thumbnail; a picture the engine could not make leaves the thumbnail black.
void GrabThumbnail(const EngineProbeCalls &engine, TVideoInfo &clip, const QString &settingsFolder)
{
    const QSize size = probe::ThumbnailSize(clip.Width, clip.Height, clip.AspectFromCode,
                                            DisplayAspectOfIndex(clip.AspectIndex));
    uint8_t *pixels = nullptr;
    int32_t frameSecond = 0;
    const QByteArray bitmapFile = (settingsFolder + QStringLiteral("2.bmp")).toUtf8();
    engine.getFrame(size.width(), size.height(), bitmapFile.constData(), &pixels, &frameSecond);
    clip.Thumbnail = QImage(size, QImage::Format_BGR888);
    clip.Thumbnail.fill(Qt::black);
    if (!pixels)
        return;
    const auto rowBytes = static_cast<size_t>(size.width()) * 3;
    for (int y = 0; y < size.height(); ++y)
        std::memcpy(clip.Thumbnail.scanLine(y), pixels + rowBytes * static_cast<size_t>(y), rowBytes);
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
    for (const auto &row : clip.AudioRows)
        languages << row->Language();
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

std::unique_ptr<TVideoInfo> ProbeClip(const QString &fileName, const ClipProbeServices &services, QString *whyNot)
{
    const auto rejected = [whyNot](const QString &reason) {
        if (whyNot)
            *whyNot = reason;
        return nullptr;
    };
    // A pipe, socket, device or folder could keep both probes waiting for ever.
    const QFileInfo file(fileName);
    if (!file.exists())
        return rejected(QStringLiteral("the file is missing"));
    if (!file.isFile())
        return rejected(QStringLiteral("not a regular file"));
    EngineProbeCalls engine;
    if (!engine.Load())
        return rejected(QStringLiteral("the engine library cannot be loaded"));
    TMediaInfo media;
    TMediaInfoInterfa().GetMediaInfo(fileName, media);
    EngineFileInfo facts{};
    if (!ProbeWithEngine(engine, fileName, probe::TransportStreamFlag(fileName, media.Format),
                         services.settingsFolder, facts))
        return rejected(engine.FailureReason());
    auto clip = std::make_unique<TVideoInfo>(services.rows);
    clip->FileName = fileName;
    ApplyFacts(*clip, facts, media, services);
    GrabThumbnail(engine, *clip, services.settingsFolder);
    ShowProbedFacts(*clip, media);
    AddAudioRows(*clip, media, services);
    return clip;
}
