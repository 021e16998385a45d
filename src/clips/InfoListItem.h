#pragma once
// One row of the clip list: a clip row (name, times, frame rate, size, output
// name) or an audio row (language, format, sampling rate, bit rate) under it.
// Labels are made on first use; presses and releases are reported to the list.

#include "ClipRow.h"
#include "RowColumns.h"
#include "RowPictures.h"

#include <QWidget>

class QLabel;
class TLabelInfo;
class TVideoInfo;

class TInfoListItem : public QWidget, public ClipRow {
    Q_OBJECT
public:
    static constexpr int kHeight = 18;
    static constexpr int kWidth = 540;

    TInfoListItem(bool isClipRow, TVideoInfo &owner, const RowPictures &pictures, QWidget *parent = nullptr);

    void SetName(const QString &text) override;
    void SetDuration(int hours, int minutes, int seconds) override;
    void SetStart(int hours, int minutes, int seconds) override;
    void SetEnd(int hours, int minutes, int seconds) override;
    void SetFrameRate(float framesPerSecond) override;
    void SetPictureSize(const QString &aspectText) override;
    void SetOutputName(const QString &text) override;
    void SetHint(const QString &text) override;
    void SetPredictedSize(const QString &text) override;

    void SetStreamID(int id) override { StreamIDValue = id; }
    void SetAudioLanguage(const QString &language, int id) override;
    void SetAudioFormat(const QString &codec, int channels) override;
    void SetSamplingRate(int hertz) override;
    void SetBitRate(int bitsPerSecond) override;
    void SetTreeEnd(bool isLast) override;
    int StreamID() const { return StreamIDValue; }
    QString Language() const { return LanguageText; }

    void SetChecked(bool checked) override;
    bool IsChecked() const override { return Checked; }
    void SetRowNumber(int number) override;
    void Highlight() override;
    void Unhighlight() override;
    bool IsHighlighted() const override { return Highlighted; }

    TVideoInfo &Owner() const { return owner_; }
    bool IsClipRow() const { return isClipRow_; }
    int RowNumber() const { return rowNumber_; }
    int DurationSeconds() const { return durationSeconds_; }
    // The label of a field, or null before its setter ran (for tests and the list).
    QLabel *LabelNamed(const QString &objectName) const;

signals:
    void Pressed(TInfoListItem *row, Qt::MouseButton button);
    void Released(TInfoListItem *row, Qt::MouseButton button, QPoint globalPosition);
    void AudioRowChosen(TInfoListItem *row);   // an unticked audio row's check mark was clicked

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TLabelInfo *Label(TLabelInfo *&slot, const char *objectName, rowcolumns::Column column);
    void ShowCheckPicture();
    void CheckImageClick();

    TLabelInfo *NameLabel = nullptr;
    QLabel *CheckImage = nullptr;
    QLabel *TreeImage = nullptr;
    TLabelInfo *DurationLabel = nullptr;
    TLabelInfo *StartLabel = nullptr;
    TLabelInfo *EndLabel = nullptr;
    TLabelInfo *OutputLabel = nullptr;
    TLabelInfo *FpsLabel = nullptr;
    TLabelInfo *SizeLabel = nullptr;
    TLabelInfo *PredictedSizeLabel = nullptr;
    TLabelInfo *AudioLangLabel = nullptr;
    TLabelInfo *AudioCodecLabel = nullptr;
    TLabelInfo *AudioRateLabel = nullptr;
    TLabelInfo *AudioBitrateLabel = nullptr;
    int durationSeconds_ = 0;
    int StreamIDValue = -1;
    const bool isClipRow_;
    bool Checked = false;
    bool Highlighted = false;
    QString LanguageText;
    int rowNumber_ = 0;
    TVideoInfo &owner_;
    const RowPictures &pictures_;
};

// Makes the rows of the clips of one list, all drawn with the same pictures.
class InfoListItemFactory : public ClipRowFactory {
public:
    explicit InfoListItemFactory(const RowPictures &pictures) : pictures_(pictures) {}
    std::unique_ptr<ClipRow> MakeClipRow(TVideoInfo &owner) override;
    std::unique_ptr<ClipRow> MakeAudioRow(TVideoInfo &owner) override;

private:
    const RowPictures &pictures_;
};
