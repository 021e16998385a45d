#pragma once
// What a clip record needs of the rows that show it in the clip list: one clip
// row and one audio row per audio stream. The widgets implement it; plain code
// and tests can work without rows.

#include <QString>
#include <memory>

class TVideoInfo;
struct TAudioStream;

class ClipRow {
public:
    virtual ~ClipRow() = default;

    // Clip row texts.
    virtual void SetName(const QString &text) = 0;
    virtual void SetDuration(int hours, int minutes, int seconds) = 0;
    virtual void SetStart(int hours, int minutes, int seconds) = 0;
    virtual void SetEnd(int hours, int minutes, int seconds) = 0;
    virtual void SetFrameRate(float framesPerSecond) = 0;
    virtual void SetPictureSize(const QString &aspectText) = 0;
    virtual void SetOutputName(const QString &text) = 0;
    virtual void SetHint(const QString &text) = 0;
    // The output file's predicted size ("≈350 MB"); empty when the run will not convert the clip.
    virtual void SetPredictedSize(const QString &) {}

    // Audio row texts and facts.
    virtual void SetStreamID(int id) = 0;
    virtual void SetAudioLanguage(const QString &language, int id) = 0;
    virtual void SetAudioFormat(const QString &codec, int channels) = 0;
    virtual void SetSamplingRate(int hertz) = 0;
    virtual void SetBitRate(int bitsPerSecond) = 0;
    virtual void SetTreeEnd(bool isLast) = 0;

    // Tick, stripe and selection.
    virtual void SetChecked(bool checked) = 0;
    virtual bool IsChecked() const = 0;
    virtual void SetRowNumber(int number) = 0;
    virtual void Highlight() = 0;
    virtual void Unhighlight() = 0;
    virtual bool IsHighlighted() const = 0;
};

// Makes the rows of a clip; the clip owns what it gets.
class ClipRowFactory {
public:
    virtual ~ClipRowFactory() = default;
    virtual std::unique_ptr<ClipRow> MakeClipRow(TVideoInfo &owner) = 0;
    virtual std::unique_ptr<ClipRow> MakeAudioRow(TVideoInfo &owner) = 0;
};
