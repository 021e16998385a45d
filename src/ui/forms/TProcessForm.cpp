#include "forms/TProcessForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>

#include "OptionsFile.h"
#include "controls/FormBuilding.h"
#include "controls/ImagePanel.h"
#include "controls/PictureButton.h"
#include "forms/DialogChrome.h"
#include "skin/Skin.h"

namespace {

constexpr int kCaptionLeft = 24;
constexpr int kValueLeft = 150;
constexpr int kRowHeight = 20;

} // namespace

TProcessForm::TProcessForm(QWidget *parent) : SkinnedDialog(QStringLiteral("PROCESS"), WindowDragger::Mode::FollowCursor, parent)
{
    setObjectName(QStringLiteral("ProcessForm"));
    setStyleSheet(skin::StyleSheet());
    connect(AddDialogChrome(this, QStringLiteral("Converting")), &PictureButton::clicked, this, &QDialog::reject);
    addRunLabels();
    addProgressBar();
    addButtons();
    const CompletionOptions options = ReadCompletionOptions();
    powerOff_ = addChoice("suiCheckBox_PowerOff", QStringLiteral("Shut down computer when conversion completed"), 236,
                          options.powerOff);
    upload_ = addChoice("suiCheckBox_Upload", QStringLiteral("Upload files when conversion completed"), 262, options.upload);
    openFolder_ = addChoice("suiCheckBox_OpenFolder", QStringLiteral("Open output folder when conversion completed"), 262,
                            options.openFolder);
    upload_->hide();
}

TProcessForm::~TProcessForm()
{
    WriteCompletionOptions({powerOff_->isChecked(), openFolder_->isChecked(), upload_->isChecked()});
}

void TProcessForm::reject()
{
    if (mayClose(true))
        SkinnedDialog::reject();
}

void TProcessForm::closeEvent(QCloseEvent *event)
{
    if (mayClose(false))
        SkinnedDialog::closeEvent(event);
    else
        event->ignore();
}

bool TProcessForm::mayClose(bool explain) const
{
    return !closeGuard_ || closeGuard_(explain);
}

QCheckBox *TProcessForm::addChoice(const char *name, const QString &text, int top, bool checked)
{
    auto *check = new QCheckBox(text, this);
    check->setObjectName(QLatin1String(name));
    check->setGeometry(24, top, 400, 22);
    check->setChecked(checked);
    return check;
}

void TProcessForm::addRunLabels()
{
    const std::pair<const char *, const char *> rows[] = {
        {"Current Clip :", "Label_TitleName"}, {"Destination Name :", "Label_DesName"},
        {"Start Time :", "Label_StartTime"},   {"Stop Time :", "Label_StopTime"},
        {"Duration :", "Label_Length"},        {"Current Time :", "Label_CurrentTime"},
        {"FPS :", "Label_FPS"},                {"Remaining Time :", "Label_CurrentFrame"},
    };
    int top = 48;
    for (const auto &[caption, name] : rows) {
        AddLabel(this, QString(), QLatin1String(caption), QRect(kCaptionLeft, top, kValueLeft - kCaptionLeft, kRowHeight));
        AddLabel(this, QLatin1String(name), QString(), QRect(kValueLeft, top, 290, kRowHeight));
        top += kRowHeight;
    }
    AddLabel(this, QStringLiteral("Label_CopyFile"), QString(), QRect(kCaptionLeft, 214, 410, kRowHeight));
    uploadNow_ = AddLabel(this, QStringLiteral("Label_Upload"), QStringLiteral("Upload Now"), QRect(330, 262, 100, 22));
    uploadNow_->setCursor(Qt::PointingHandCursor);
    uploadNow_->installEventFilter(this);
    uploadNow_->hide();
}

bool TProcessForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == uploadNow_ && event->type() == QEvent::MouseButtonRelease && uploadNow_->isEnabled()) {
        const auto *release = static_cast<QMouseEvent *>(event);
        if (release->button() == Qt::LeftButton && uploadNow_->rect().contains(release->position().toPoint()))
            emit uploadNowClicked();
    }
    return SkinnedDialog::eventFilter(watched, event);
}

void TProcessForm::addProgressBar()
{
    auto *track = new ImagePanel(this, QStringLiteral("Image_ProgressTrack"), skin::Picture(QStringLiteral("Image_ProgressBack")));
    track->setGeometry(kCaptionLeft, 212 - 24, 271, 14);
    auto *panel = AddPanel(this, QStringLiteral("Panel_Progress"), QRect(kCaptionLeft, 212 - 24, 0, 14));
    auto *bar = new ImagePanel(panel, QStringLiteral("Image_Progress"), skin::Picture(QStringLiteral("Image_Progress")));
    bar->setGeometry(0, 0, 271, 14);
    AddLabel(this, QStringLiteral("Label_Percent"), QStringLiteral("0"), QRect(302, 186, 30, kRowHeight));
    AddLabel(this, QString(), QStringLiteral("%"), QRect(334, 186, 20, kRowHeight));
}

void TProcessForm::addButtons()
{
    AddPictureButton(this, QStringLiteral("suiImageButton_StopConvert"), QStringLiteral("stop"), {326, 290},
                     QStringLiteral("Stop"));
    AddPictureButton(this, QStringLiteral("suiImageButton_Min"), QStringLiteral("minimize"), {width() - 70, 8},
                     QStringLiteral("Minimize"));
}
