#pragma once
// The clip record: one added source file, what its probe found, its trim range,
// chosen audio stream, frame rate and output name. A clip owns its rows and its
// thumbnail.

#include "ClipRow.h"
#include "MediaStreams.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

// Display aspects indexed by AspectIndex: 4:3, 16:9, square, 2.21:1, unknown.
inline constexpr std::array<double, 5> kDisplayAspects = {4.0 / 3.0, 16.0 / 9.0, 1.0, 2.21, 0.0};
// The engine's aspect code (1 square, 2 4:3, 3 16:9, 4 2.21:1) as an index of kDisplayAspects.
int AspectIndexOfEngineCode(int code);
double DisplayAspectOfIndex(int aspectIndex);

inline constexpr int kMaxClipSeconds = 86400;

class TVideoInfo {
public:
    // rows may be null: the clip then has no rows (plain use and tests).
    explicit TVideoInfo(ClipRowFactory *rows = nullptr);
    ~TVideoInfo() = default;
    TVideoInfo(const TVideoInfo &) = delete;
    TVideoInfo &operator=(const TVideoInfo &) = delete;

    std::unique_ptr<QStringList> AudioList;      // never made by this program
    std::unique_ptr<QStringList> SubtitleList;   // never made by this program
    int Duration = 0;         // seconds
    int StartTime = 0;        // seconds
    int EndTime = 0;          // seconds
    int AspectIndex = -1;
    int AudioIndex = 0;       // into AudioStreams; meaningful only when there are streams
    int SubtitleIndex = 0;
    int TitleNumber = 0;
    bool Checked = false;
    bool Selected = false;
    QString FileName;
    double SizeRatio = 1.0;
    int Width = 0;
    int Height = 0;
    QString InfoText;
    QString OutputName;
    QString VideoStandard;
    int ContainerKind = -1;   // -1 other, 0 Windows Media, 1 transport stream, 2 Matroska
    int AudioStreamID = 0;
    int VideoStreamID = -1;
    QImage Thumbnail;
    bool AspectFromCode = false;
    float FrameRate = 0.0f;   // 0 means unknown ("Auto")
    bool AudioOnly = false;   // the source has sound but no picture: no size, no frame rate
    QString OutputPath;
    std::vector<TAudioStream> AudioStreams;   // the file's audio streams in row order
    std::unique_ptr<ClipRow> Row;
    std::vector<std::unique_ptr<ClipRow>> AudioRows;

    // Seconds outside 0..86400 are stored as 0.
    void SetDuration(int seconds);
    void SetStartTime(int seconds);
    void SetEndTime(int seconds);
    void SetAspect(int engineAspectCode, int width, int height);
    void SetChecked(bool checked);
    void SetSelected(bool selected);
    void SetInfoText(const QString &text);
    void SetOutputName(const QString &name);
    void SetNumber(int number);
    // Keeps the stream and, with a row factory, shows it in an audio row.
    void AddAudioRow(const TAudioStream &stream);
    // Takes the audio stream at index (its ID becomes AudioStreamID) and ticks only its row.
    void ChooseAudioRow(int index);
    // The chosen stream's index, -1 without audio streams.
    int ChosenAudioIndex() const;
    int IndexOfAudioRow(const ClipRow *row) const;

    // Called after the tick changes (the main window follows the first ticked clip).
    std::function<void(TVideoInfo &)> CheckedChanged;

private:
    ClipRowFactory *rowFactory_;
};
