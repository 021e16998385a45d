#include "forms/NoticeWindow.h"

#include "controls/PictureButton.h"
#include "forms/DialogChrome.h"
#include "skin/Skin.h"

NoticeWindow::NoticeWindow(QWidget *parent) : SkinnedDialog(QStringLiteral("NOTICE"), WindowDragger::Mode::FollowCursor, parent)
{
    setObjectName(QStringLiteral("NoticeForm"));
    setStyleSheet(skin::StyleSheet());
    connect(AddDialogChrome(this, QStringLiteral("Notice")), &PictureButton::clicked, this, &QDialog::reject);
}
