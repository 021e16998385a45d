// The snapshot button: the frame the preview stands at, saved in the clip's own
// picture size as a BMP or JPEG file the user names.

#include "PreviewPanel.h"

#include "ModalQuestions.h"
#include "PictureFiles.h"
#include "SettingsFolder.h"
#include "SnapshotRules.h"
#include "VideoInfo.h"

#include <QFileInfo>
#include <QWidget>

namespace {
bool SavePicture(const QImage &picture, const QString &fileName, SnapshotFormat format)
{
    if (format == SnapshotFormat::Bmp)
        return SaveBmp24(picture, fileName);
    return SaveJpeg100(picture, fileName);
}
} // namespace

void PreviewPanel::suiImageButton_SnapshootClick()
{
    if (!frames_.FrameReady || !clip_)
        return;
    QWidget *window = Panel_Preview ? Panel_Preview->window() : nullptr;
    const int shownSecond = frames_.LastFrameSecond >= 0 ? frames_.LastFrameSecond : clip_->StartTime;
    const QString proposed = SnapshotStartFolder(snapshotFolder_, platform::UserPicturesFolder())
        + SnapshotProposedName(clip_->FileName, shownSecond);
    const platform::SaveFileChoice choice = platform::Questions().SaveFileChoosingFilter(
        window, QString(), proposed,
        platform::QtFilterFromWindowsFilter(QStringLiteral("JPG (*.jpg)|*.jpg|BMP (*.bmp)|*.bmp")));
    if (choice.path.isEmpty())
        return;
    snapshotFolder_ = QFileInfo(choice.path).absolutePath() + QLatin1Char('/');
    if (window)
        window->repaint();
    const QSize size = SnapshotSize(clip_->Width, clip_->Height, clip_->AspectFromCode, clip_->AspectIndex);
    const QImage picture = frames_.FetchFrame(size.width(), size.height());
    const SnapshotFormat format = SnapshotFormatOfFilter(choice.filterIndex);
    if (format == SnapshotFormat::None)
        return;
    if (picture.isNull()) {
        platform::Questions().Error(window, QString(), QStringLiteral("No picture of this frame to save."));
        return;
    }
    const QString fileName = SnapshotFileName(choice.path, format);
    if (!SavePicture(picture, fileName, format))
        platform::Questions().Error(window, QString(), QStringLiteral("Cannot create file \"%1\".").arg(fileName));
}
