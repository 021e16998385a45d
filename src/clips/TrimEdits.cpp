#include "TrimEdits.h"

#include "TimeText.h"
#include "TrimRules.h"
#include "VideoInfo.h"

#include <QEvent>
#include <QLineEdit>

TrimEdits::TrimEdits(QLineEdit *start, QLineEdit *stop, QObject *parent)
    : QObject(parent), suiEdit_Start(start), suiEdit_Stop(stop)
{
    suiEdit_Start->setObjectName(QStringLiteral("suiEdit_Start"));
    suiEdit_Stop->setObjectName(QStringLiteral("suiEdit_Stop"));
    Prepare(suiEdit_Start);
    Prepare(suiEdit_Stop);
    ShowClip(nullptr);
}

void TrimEdits::Prepare(QLineEdit *edit)
{
    edit->setInputMask(QLatin1String(trim::kInputMask));
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this, edit] { suiEditChange(edit); });
    SetColour(edit, normal_);
}

void TrimEdits::SetNormalColour(const QColor &colour)
{
    normal_ = colour;
    RestoreNormalColour();
}

void TrimEdits::ShowClip(TVideoInfo *clip)
{
    clip_ = nullptr;   // no range checks while the texts are replaced
    suiEdit_Start->setText(clip ? TimeText(clip->StartTime) : QString());
    suiEdit_Stop->setText(clip ? TimeText(clip->EndTime) : QString());
    suiEdit_Start->setEnabled(clip != nullptr);
    suiEdit_Stop->setEnabled(clip != nullptr);
    clip_ = clip;
    RestoreNormalColour();
}

void TrimEdits::SetDragging(bool dragging)
{
    SetStartDragging(dragging);
    SetStopDragging(dragging);
}

void TrimEdits::SetStartDragging(bool dragging)
{
    SetColour(suiEdit_Start, dragging ? kDragging : normal_);
}

void TrimEdits::SetStopDragging(bool dragging)
{
    SetColour(suiEdit_Stop, dragging ? kDragging : normal_);
}

void TrimEdits::RestoreNormalColour()
{
    SetDragging(false);
}

QColor TrimEdits::ColourOf(const QLineEdit *edit)
{
    return edit->property("trimColour").value<QColor>();
}

void TrimEdits::SetColour(QLineEdit *edit, const QColor &colour)
{
    edit->setProperty("trimColour", colour);
    edit->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; }").arg(colour.name()));
}

bool TrimEdits::OutOfRange(QLineEdit *edit) const
{
    const int seconds = trim::SecondsOfText(edit->displayText());
    return edit == suiEdit_Start ? trim::StartOutOfRange(seconds, *clip_) : trim::EndOutOfRange(seconds, *clip_);
}

void TrimEdits::suiEditChange(QLineEdit *edit)
{
    if (!clip_) {
        SetColour(edit, normal_);
        return;
    }
    SetColour(edit, OutOfRange(edit) ? kOutOfRange : normal_);
    emit TimesEdited();
}

// An out-of-range time is never stored: the edit shows the clip's time again.
void TrimEdits::suiEditExit(QLineEdit *edit)
{
    if (!clip_)
        return;
    const bool isStart = edit == suiEdit_Start;
    if (OutOfRange(edit)) {
        edit->setText(TimeText(isStart ? clip_->StartTime : clip_->EndTime));
        SetColour(edit, normal_);
        return;
    }
    const int seconds = trim::SecondsOfText(edit->displayText());
    isStart ? clip_->SetStartTime(seconds) : clip_->SetEndTime(seconds);
    emit TimesEdited();   // the names were made while typing, before the time was stored
    emit RangeStored(clip_);
}

bool TrimEdits::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && (watched == suiEdit_Start || watched == suiEdit_Stop))
        suiEditExit(static_cast<QLineEdit *>(watched));
    return QObject::eventFilter(watched, event);
}
