#include "forms/TProcessForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>

#include "ProgramOptions.h"
#include "controls/FormBuilding.h"
#include "controls/ElidingLabel.h"
#include "controls/PictureButton.h"
#include "forms/DialogChrome.h"
#include "skin/Skin.h"

namespace {

// Rows of figures, then the bar, the upload status and the two choice rows, with the
// stop button below them all in the window's lower right corner.
constexpr int kCaptionLeft = 24;
constexpr int kValueLeft = 150;
constexpr int kRightEdge = 436;
constexpr int kFirstRowTop = 50;
constexpr int kRowHeight = 16;
constexpr int kBarTop = 201;
constexpr int kBarHeight = 14;
constexpr int kBarWidth = 352;
constexpr int kCopyFileTop = 222;
constexpr int kPowerOffTop = 244;
constexpr int kLastChoiceTop = 266;
constexpr int kChoiceHeight = 20;

} // namespace

TProcessForm::TProcessForm(ProgramOptions &options, QWidget *parent)
    : SkinnedDialog(QStringLiteral("PROCESS"), WindowDragger::Mode::FollowCursor, parent), options_(options)
{
    setObjectName(QStringLiteral("ProcessForm"));
    setStyleSheet(skin::StyleSheet());
    connect(AddDialogChrome(this, QStringLiteral("Converting")), &PictureButton::clicked, this, &QDialog::reject);
    AddRunLabels();
    AddProgressBar();
    AddButtons();
    const CompletionOptions &completion = options_.completion;
    powerOff_ = AddChoice("suiCheckBox_PowerOff", QStringLiteral("Shut down computer when conversion completed"),
                          kPowerOffTop, completion.powerOff);
    upload_ = AddChoice("suiCheckBox_Upload", QStringLiteral("Upload files when conversion completed"), kLastChoiceTop,
                        completion.upload);
    openFolder_ = AddChoice("suiCheckBox_OpenFolder", QStringLiteral("Open output folder when conversion completed"),
                            kLastChoiceTop, completion.openFolder);
    upload_->hide();
    // "Upload Now" follows its check box on the same row.
    uploadNow_->move(upload_->geometry().right() + 12, kLastChoiceTop);
}

TProcessForm::~TProcessForm()
{
    options_.completion = {powerOff_->isChecked(), openFolder_->isChecked(), upload_->isChecked()};
    options_.SaveCompletion();
}

void TProcessForm::reject()
{
    if (MayClose(true))
        SkinnedDialog::reject();
}

void TProcessForm::closeEvent(QCloseEvent *event)
{
    if (MayClose(false))
        SkinnedDialog::closeEvent(event);
    else
        event->ignore();
}

bool TProcessForm::MayClose(bool explain) const
{
    return !closeGuard_ || closeGuard_(explain);
}

QCheckBox *TProcessForm::AddChoice(const char *name, const QString &text, int top, bool checked)
{
    auto *check = new QCheckBox(text, this);
    check->setObjectName(QLatin1String(name));
    check->move(kCaptionLeft, top);
    check->adjustSize();
    check->resize(check->width(), kChoiceHeight);
    check->setChecked(checked);
    return check;
}

void TProcessForm::AddRunLabels()
{
    const std::pair<const char *, const char *> rows[] = {
        {"Current Clip :", "Label_TitleName"}, {"Destination Name :", "Label_DesName"},
        {"Start Time :", "Label_StartTime"},   {"Stop Time :", "Label_StopTime"},
        {"Duration :", "Label_Length"},        {"Current Time :", "Label_CurrentTime"},
        {"FPS :", "Label_FPS"},                {"Remaining Time :", "Label_CurrentFrame"},
        {"Whole Run :", "Label_RunProgress"},
    };
    int top = kFirstRowTop;
    for (const auto &[caption, name] : rows) {
        AddLabel(this, QString(), QLatin1String(caption), QRect(kCaptionLeft, top, kValueLeft - kCaptionLeft, kRowHeight));
        AddValueLabel(name, QRect(kValueLeft, top, kRightEdge - kValueLeft, kRowHeight));
        top += kRowHeight;
    }
    AddValueLabel("Label_CopyFile", QRect(kCaptionLeft, kCopyFileTop, kRightEdge - kCaptionLeft, kRowHeight));
    uploadNow_ = AddLabel(this, QStringLiteral("Label_Upload"), QStringLiteral("Upload Now"), QRect(0, 0, 90, kChoiceHeight));
    uploadNow_->setCursor(Qt::PointingHandCursor);
    uploadNow_->installEventFilter(this);
    uploadNow_->hide();
}

bool TProcessForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == uploadNow_ && event->type() == QEvent::MouseButtonRelease && uploadNow_->isEnabled()) {
        const auto *release = static_cast<QMouseEvent *>(event);
        if (release->button() == Qt::LeftButton && uploadNow_->rect().contains(release->position().toPoint()))
            emit UploadNowClicked();
    }
    return SkinnedDialog::eventFilter(watched, event);
}

// Paths and file names can be longer than the row: they are cut with "…" and shown whole on hover.
void TProcessForm::AddValueLabel(const char *name, const QRect &geometry)
{
    auto *label = new ElidingLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
}

// A real progress control, so that assistive technology reads its value; the
// percentage beside it is the run's own figure.
void TProcessForm::AddProgressBar()
{
    auto *bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("Panel_Progress"));
    bar->setAccessibleName(QStringLiteral("Conversion progress"));
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setGeometry(kCaptionLeft, kBarTop, kBarWidth, kBarHeight);
    const int percentLeft = kCaptionLeft + kBarWidth + 8;
    AddLabel(this, QStringLiteral("Label_Percent"), QStringLiteral("0"), QRect(percentLeft, kBarTop - 2, 32, kRowHeight))
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AddLabel(this, QStringLiteral("Label_PercentSign"), QStringLiteral("%"), QRect(percentLeft + 34, kBarTop - 2, 14, kRowHeight));
}

void TProcessForm::AddButtons()
{
    AddPictureButton(this, QStringLiteral("suiImageButton_StopConvert"), QStringLiteral("stop"), {kRightEdge - 110, 292},
                     QStringLiteral("Stop"));
    AddPictureButton(this, QStringLiteral("suiImageButton_Min"), QStringLiteral("minimize"), {width() - 70, 8},
                     QStringLiteral("Minimize"));
}
