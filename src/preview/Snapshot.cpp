// The snapshot button: the frame the preview stands at, saved in the clip's own
// picture size as a BMP or JPEG file the user names.

#include "PreviewPanel.h"

#include "ModalQuestions.h"
#include "PictureFiles.h"
#include "SnapshotRules.h"
#include "VideoInfo.h"

#include <QFileInfo>
#include <QWidget>

namespace {
// The dialog names no filter index, so the chosen name's extension stands for it:
// ".bmp" for the BMP filter, anything else for the first one (JPEG).
int FilterIndexOfChoice(const QString &chosen)
{
    return QFileInfo(chosen).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0 ? 2 : 1;
}

bool SavePicture(const QImage &picture, const QString &fileName, SnapshotFormat format)
{
    if (format == SnapshotFormat::Bmp)
        return SaveBmp24(picture, fileName);
    if (format == SnapshotFormat::Jpeg)
        return SaveJpeg100(picture, fileName);
    return false;
}
} // namespace

void TPreviewPanel::suiImageButton_SnapshootClick()
{
    if (!frames_.FrameReady || !clip_)
        return;
    QWidget *window = Panel_Preview ? Panel_Preview->window() : nullptr;
    const QString chosen = platform::questions().saveFile(window, QString(), QStringLiteral("Picture"),
                                                          platform::QtFilterFromWindowsFilter(QStringLiteral("JPG (*.jpg)|*.jpg|BMP (*.bmp)|*.bmp")));
    if (chosen.isEmpty())
        return;
    if (window)
        window->repaint();
    const QSize size = SnapshotSize(clip_->Width, clip_->Height, clip_->AspectFromCode, clip_->AspectIndex);
    const QImage picture = frames_.FetchFrame(size.width(), size.height());
    const SnapshotFormat format = SnapshotFormatOfFilter(FilterIndexOfChoice(chosen));
    const QString fileName = SnapshotFileName(chosen, format);
    if (!SavePicture(picture, fileName, format))
        platform::questions().error(window, QString(), QStringLiteral("Cannot create file \"%1\".").arg(fileName));
}
