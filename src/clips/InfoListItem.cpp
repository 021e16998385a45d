#include "InfoListItem.h"

#include "LabelInfo.h"
#include "FrameRateText.h"
#include "RowTexts.h"
#include "TimeText.h"
#include "VideoInfo.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

TInfoListItem::TInfoListItem(bool isClipRow, TVideoInfo &owner, const RowPictures &pictures, QWidget *parent)
    : QWidget(parent), isClipRow_(isClipRow), owner_(owner), pictures_(pictures)
{
    setObjectName(isClipRow ? QStringLiteral("ClipRow") : QStringLiteral("AudioRow"));
    setFixedSize(kWidth, kHeight);
    setCursor(pictures_.cursor);
    setFocusPolicy(Qt::ClickFocus);
    CheckImage = new QLabel(this);
    CheckImage->setObjectName(QStringLiteral("CheckImage"));
    CheckImage->setGeometry(3, 2, 14, 14);
    CheckImage->setCursor(pictures_.cursor);
    // A clip row's check mark takes no clicks: a click on it is a click on the row.
    CheckImage->setAttribute(Qt::WA_TransparentForMouseEvents, isClipRow);
    if (!isClipRow) {
        CheckImage->setGeometry(20, 2, 16, 16);
        CheckImage->installEventFilter(this);
        TreeImage = new QLabel(this);
        TreeImage->setObjectName(QStringLiteral("TreeImage"));
        TreeImage->setGeometry(8, 0, 10, 18);   // the connector picture's width: it stops before the check mark
        TreeImage->setCursor(pictures_.cursor);
        TreeImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    ShowCheckPicture();
}

TLabelInfo *TInfoListItem::Label(TLabelInfo *&slot, const char *objectName, rowcolumns::Column column)
{
    if (!slot) {
        slot = new TLabelInfo(this);
        slot->setObjectName(QLatin1String(objectName));
        slot->setGeometry(column.left, 0, column.width, kHeight);
        slot->show();
        CheckImage->raise();
    }
    return slot;
}

QLabel *TInfoListItem::LabelNamed(const QString &objectName) const
{
    return findChild<QLabel *>(objectName, Qt::FindDirectChildrenOnly);
}

void TInfoListItem::SetName(const QString &text)
{
    Label(NameLabel, "NameLabel", rowcolumns::kName)->setText(text.trimmed());
}

void TInfoListItem::SetDuration(int hours, int minutes, int seconds)
{
    durationSeconds_ = 3600 * hours + 60 * minutes + seconds;
    Label(DurationLabel, "DurationLabel", rowcolumns::kDuration)->setText(TimeText(hours, minutes, seconds));
}

void TInfoListItem::SetStart(int hours, int minutes, int seconds)
{
    Label(StartLabel, "StartLabel", rowcolumns::kStart)->setText(rowtext::Start(hours, minutes, seconds));
}

void TInfoListItem::SetEnd(int hours, int minutes, int seconds)
{
    Label(EndLabel, "EndLabel", rowcolumns::kEnd)->setText(rowtext::End(hours, minutes, seconds, durationSeconds_));
}

void TInfoListItem::SetFrameRate(float framesPerSecond)
{
    Label(FpsLabel, "FpsLabel", rowcolumns::kFps)
        ->setText(owner_.AudioOnly ? QString() : ClipRowFrameRateText(framesPerSecond));
}

void TInfoListItem::SetPictureSize(const QString &aspectText)
{
    Label(SizeLabel, "SizeLabel", rowcolumns::kSize)
        ->setText(owner_.AudioOnly ? rowtext::AudioOnly() : rowtext::PictureSize(owner_.Width, owner_.Height, aspectText));
}

void TInfoListItem::SetOutputName(const QString &text)
{
    Label(OutputLabel, "OutputLabel", rowcolumns::kOutput)->setText(text);
}

void TInfoListItem::SetHint(const QString &text)
{
    setToolTip(text);
}

void TInfoListItem::SetPredictedSize(const QString &text)
{
    TLabelInfo *shown = Label(PredictedSizeLabel, "PredictedSizeLabel", rowcolumns::kPredictedSize);
    shown->setText(text);
    shown->setAccessibleDescription(QStringLiteral("Predicted size of the converted file"));
}

void TInfoListItem::SetAudioLanguage(const QString &language, int id)
{
    LanguageText = language;
    Label(AudioLangLabel, "AudioLangLabel", rowcolumns::kAudioLanguage)->setText(rowtext::AudioLanguage(language, id));
}

void TInfoListItem::SetAudioFormat(const QString &codec, int channels)
{
    Label(AudioCodecLabel, "AudioCodecLabel", rowcolumns::kAudioFormat)->setText(rowtext::AudioFormat(codec, channels));
}

void TInfoListItem::SetSamplingRate(int hertz)
{
    Label(AudioRateLabel, "AudioRateLabel", rowcolumns::kAudioRate)->setText(rowtext::SamplingRate(hertz));
}

void TInfoListItem::SetBitRate(int bitsPerSecond)
{
    Label(AudioBitrateLabel, "AudioBitrateLabel", rowcolumns::kAudioBitrate)->setText(rowtext::BitRate(bitsPerSecond));
}

void TInfoListItem::SetTreeEnd(bool isLast)
{
    if (TreeImage)
        TreeImage->setPixmap(isLast ? pictures_.treeLast : pictures_.treeMiddle);
}

void TInfoListItem::ShowCheckPicture()
{
    if (isClipRow_)
        CheckImage->setPixmap(Checked ? pictures_.clipChecked : pictures_.clipUnchecked);
    else
        CheckImage->setPixmap(Checked ? pictures_.audioChecked : pictures_.audioUnchecked);
}

// The clip hears of every change and ticks its clip row in turn.
void TInfoListItem::SetChecked(bool checked)
{
    const bool changed = checked != Checked;
    Checked = checked;
    ShowCheckPicture();
    if (changed)
        owner_.SetChecked(checked);
}

void TInfoListItem::SetRowNumber(int number)
{
    rowNumber_ = number;
    CheckImage->raise();
    if (!Highlighted)
        update();
}

void TInfoListItem::Highlight()
{
    Highlighted = true;
    update();
}

void TInfoListItem::Unhighlight()
{
    if (!Highlighted)
        return;
    Highlighted = false;
    update();
}

// Clicking an unticked audio row's check mark chooses that audio track.
void TInfoListItem::CheckImageClick()
{
    if (!isClipRow_ && !Checked)
        emit AudioRowChosen(this);
}

void TInfoListItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap &background = Highlighted ? pictures_.highlight
                                            : (rowNumber_ % 2 == 0 ? pictures_.stripeEven : pictures_.stripeOdd);
    if (background.isNull())
        painter.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
    else
        painter.drawPixmap(rect(), background);
}

void TInfoListItem::mousePressEvent(QMouseEvent *event)
{
    emit Pressed(this, event->button());
}

void TInfoListItem::mouseReleaseEvent(QMouseEvent *event)
{
    emit Released(this, event->button(), event->globalPosition().toPoint());
}

// The labels take no mouse events, so the row shows a cut text whole for them.
bool TInfoListItem::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        for (const TLabelInfo *text : findChildren<TLabelInfo *>(Qt::FindDirectChildrenOnly)) {
            if (text->geometry().contains(help->pos()) && text->IsElided()) {
                QToolTip::showText(help->globalPos(), text->text(), this);
                return true;
            }
        }
    }
    return QWidget::event(event);
}

bool TInfoListItem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == CheckImage && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        CheckImageClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

std::unique_ptr<ClipRow> InfoListItemFactory::MakeClipRow(TVideoInfo &owner)
{
    return std::make_unique<TInfoListItem>(true, owner, pictures_);
}

std::unique_ptr<ClipRow> InfoListItemFactory::MakeAudioRow(TVideoInfo &owner)
{
    return std::make_unique<TInfoListItem>(false, owner, pictures_);
}
