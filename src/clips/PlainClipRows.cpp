#include "PlainClipRows.h"

namespace {

class PlainClipRow : public ClipRow {
public:
    void SetName(const QString &) override {}
    void SetDuration(int, int, int) override {}
    void SetStart(int, int, int) override {}
    void SetEnd(int, int, int) override {}
    void SetFrameRate(float) override {}
    void SetPictureSize(const QString &) override {}
    void SetOutputName(const QString &) override {}
    void SetHint(const QString &) override {}

    void SetStreamID(int id) override { streamId_ = id; }
    void SetAudioLanguage(const QString &language, int) override { language_ = language; }
    void SetAudioFormat(const QString &, int) override {}
    void SetSamplingRate(int) override {}
    void SetBitRate(int) override {}
    void SetTreeEnd(bool) override {}
    int StreamID() const override { return streamId_; }
    QString Language() const override { return language_; }

    void SetChecked(bool checked) override { checked_ = checked; }
    bool IsChecked() const override { return checked_; }
    void SetRowNumber(int) override {}
    void Highlight() override { highlighted_ = true; }
    void Unhighlight() override { highlighted_ = false; }
    bool IsHighlighted() const override { return highlighted_; }

private:
    int streamId_ = 0;
    QString language_;
    bool checked_ = false;
    bool highlighted_ = false;
};

} // namespace

std::unique_ptr<ClipRow> PlainClipRows::MakeClipRow(TVideoInfo &)
{
    return std::make_unique<PlainClipRow>();
}

std::unique_ptr<ClipRow> PlainClipRows::MakeAudioRow(TVideoInfo &)
{
    return std::make_unique<PlainClipRow>();
}
