#include "VideoInfo.h"

int AspectIndexOfEngineCode(int code)
{
    switch (code) {
    case 1: return 2;
    case 2: return 0;
    case 3: return 1;
    case 4: return 3;
    default: return 4;
    }
}

double DisplayAspectOfIndex(int aspectIndex)
{
    if (aspectIndex < 0 || aspectIndex >= static_cast<int>(kDisplayAspects.size()))
        return 0.0;
    return kDisplayAspects[static_cast<size_t>(aspectIndex)];
}

namespace {

int StorableSeconds(int seconds)
{
    return (seconds < 0 || seconds > kMaxClipSeconds) ? 0 : seconds;
}

struct ClockTime {
    int hours, minutes, seconds;
};

ClockTime ClockTimeOf(int seconds)
{
    return {seconds / 3600, seconds % 3600 / 60, seconds % 60};
}

} // namespace

TVideoInfo::TVideoInfo(ClipRowFactory *rows)
    : Thumbnail(240, 180, QImage::Format_RGB888), rowFactory_(rows)
{
    Thumbnail.fill(Qt::black);
    if (rowFactory_)
        Row = rowFactory_->MakeClipRow(*this);
}

void TVideoInfo::SetDuration(int seconds)
{
    Duration = StorableSeconds(seconds);
    if (Row) {
        const ClockTime time = ClockTimeOf(Duration);
        Row->SetDuration(time.hours, time.minutes, time.seconds);
    }
}

void TVideoInfo::SetStartTime(int seconds)
{
    StartTime = StorableSeconds(seconds);
    if (Row) {
        const ClockTime time = ClockTimeOf(StartTime);
        Row->SetStart(time.hours, time.minutes, time.seconds);
    }
}

void TVideoInfo::SetEndTime(int seconds)
{
    EndTime = StorableSeconds(seconds);
    if (Row) {
        const ClockTime time = ClockTimeOf(EndTime);
        Row->SetEnd(time.hours, time.minutes, time.seconds);
    }
}

void TVideoInfo::SetAspect(int engineAspectCode, int width, int height)
{
    Width = width;
    Height = height;
    SizeRatio = height > 0 ? static_cast<double>(width) / height : 1.0;
    AspectIndex = AspectIndexOfEngineCode(engineAspectCode);
}

void TVideoInfo::SetChecked(bool checked)
{
    if (checked == Checked)
        return;
    Checked = checked;
    if (Row)
        Row->SetChecked(checked);
    if (CheckedChanged)
        CheckedChanged(*this);
}

void TVideoInfo::SetSelected(bool selected)
{
    if (Row)
        selected ? Row->Highlight() : Row->Unhighlight();
    for (const auto &audioRow : AudioRows)
        selected ? audioRow->Highlight() : audioRow->Unhighlight();
    Selected = selected;
}

void TVideoInfo::SetInfoText(const QString &text)
{
    InfoText = text;
    if (Row)
        Row->SetHint(text);
}

void TVideoInfo::SetOutputName(const QString &name)
{
    OutputName = name;
    if (!Row)
        return;
    Row->SetOutputName(name);
    Row->SetHint(InfoText + QStringLiteral("\nOutput Name : ") + name);
}

void TVideoInfo::SetNumber(int number)
{
    if (Row)
        Row->SetRowNumber(number);
    for (const auto &audioRow : AudioRows)
        audioRow->SetRowNumber(number);
}

void TVideoInfo::AddAudioRow(const TAudioStream &stream)
{
    AudioStreams.push_back(stream);
    if (!rowFactory_)
        return;
    std::unique_ptr<ClipRow> row = rowFactory_->MakeAudioRow(*this);
    row->SetStreamID(stream.ID);
    row->SetAudioLanguage(stream.Language, stream.ID);
    row->SetAudioFormat(stream.Codec, stream.Channels);
    row->SetSamplingRate(stream.SamplingRate);
    row->SetBitRate(stream.BitRate);
    row->Unhighlight();
    AudioRows.push_back(std::move(row));
}

void TVideoInfo::ChooseAudioRow(int index)
{
    if (index < 0 || index >= static_cast<int>(AudioStreams.size()))
        return;
    AudioIndex = index;
    AudioStreamID = AudioStreams[static_cast<size_t>(index)].ID;
    // Untick first: a row's tick reaches the clip, and the chosen row leaves it ticked.
    for (const auto &audioRow : AudioRows)
        audioRow->SetChecked(false);
    if (index < static_cast<int>(AudioRows.size()))
        AudioRows[static_cast<size_t>(index)]->SetChecked(true);
}

int TVideoInfo::ChosenAudioIndex() const
{
    return AudioStreams.empty() ? -1 : AudioIndex;
}

int TVideoInfo::IndexOfAudioRow(const ClipRow *row) const
{
    for (size_t index = 0; index < AudioRows.size(); ++index) {
        if (AudioRows[index].get() == row)
            return static_cast<int>(index);
    }
    return -1;
}
