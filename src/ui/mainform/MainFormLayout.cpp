#include "mainform/MainFormLayout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ProductTexts.h"
#include "controls/FormBuilding.h"
#include "controls/ImagePanel.h"
#include "controls/PictureButton.h"
#include "skin/Skin.h"

namespace {

// A picture button with the name a screen reader says for it: the text its picture
// shows, or what it does.
PictureButton *AddNamedButton(QWidget *parent, const char *name, const char *pictureSet, const QPoint &position,
                              const char *accessibleName, const char *hint = nullptr)
{
    PictureButton *button = AddPictureButton(parent, QLatin1String(name), QLatin1String(pictureSet), position,
                                             QLatin1String(hint ? hint : accessibleName));
    button->setAccessibleName(QLatin1String(accessibleName));
    return button;
}

QLabel *AddPicture(QWidget *parent, const QString &name, const QPixmap &picture, const QPoint &position)
{
    QLabel *label = AddLabel(parent, name, QString(), QRect(position, picture.size()));
    label->setPixmap(picture);
    return label;
}

void BuildColumnHeaders(QWidget *form)
{
    const struct { const char *name; const char *text; int left; int width; } columns[] = {
        {"Label_HeadName", "Name", 9, 118},      {"Label_HeadDuration", "Duration", 128, 52},
        {"Label_HeadFps", "FPS", 180, 55},       {"Label_HeadSize", "Size", 235, 125},
        {"Label_HeadStart", "Start", 362, 50},   {"Label_HeadEnd", "End", 412, 53},
        {"Label_HeadOutput", "Output Name", 412, 78},
        // Over the rows' last column and on to the scroll bar's edge, which its text needs.
        {"Label_HeadPredictedSize", "Est. Size", 494, 56},
    };
    for (const auto &column : columns)
        AddLabel(form, QLatin1String(column.name), QLatin1String(column.text),
                 QRect(26 + column.left, 85, column.width, 18), QStringLiteral("listHeader"));
}

void BuildAddProgress(QWidget *form)
{
    auto *panel = new ImagePanel(form, QStringLiteral("Panel_AddProgress"));
    panel->setGeometry(128, 136, 350, 104);
    panel->setProperty("skinClass", QStringLiteral("popup"));
    panel->setAttribute(Qt::WA_StyledBackground);
    AddLabel(panel, QStringLiteral("Label_AddInfo"), QStringLiteral("Adding clips, please wait..."),
             QRect(20, 12, 310, 20), QStringLiteral("popupTitle"));
    auto *track = new ImagePanel(panel, QStringLiteral("Panel_AddTrack"), skin::Picture(QStringLiteral("Image_ProgressBack")));
    track->setGeometry(20, 42, 271, 14);
    auto *bar = new ImagePanel(track, QStringLiteral("Panel_Progress1"), skin::Picture(QStringLiteral("Image_Progress")));
    bar->setGeometry(0, 3, 0, 8);
    AddLabel(panel, QStringLiteral("Label_Percent"), QStringLiteral("0"), QRect(298, 39, 32, 20), QStringLiteral("popupTitle"));
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), panel);
    cancel->setObjectName(QStringLiteral("Button_CancelAdding"));
    cancel->setAccessibleName(QStringLiteral("Cancel adding clips"));
    cancel->setGeometry(250, 66, 80, 28);
}

} // namespace

void BuildTitleBar(QWidget *form)
{
    AddLabel(form, QStringLiteral("Label_Title"), kDisplayTitle, QRect(66, 13, 400, 22),
             QStringLiteral("title"));
    AddLabel(form, QStringLiteral("Label_Subtitle"),
             QStringLiteral("Convert videos to every format, HD file, device and audio format, and to DVD"),
             QRect(66, 35, 560, 16), QStringLiteral("subtitle"));
    AddNamedButton(form, "suiImageButton_Option", "option", {671, 18}, "Options");
    AddNamedButton(form, "suiImageButton_About", "about", {703, 18}, "About");
    AddNamedButton(form, "suiImageButton_Home", "home", {735, 18}, "Homepage");
    AddNamedButton(form, "suiImageButton_Mail", "mail", {767, 18}, "Contact");
    AddNamedButton(form, "suiImageButton_Min", "minimize", {813, 18}, "Minimize");
    AddNamedButton(form, "suiImageButton_Close", "close", {845, 18}, "Close");
}

void BuildClipListArea(QWidget *form)
{
    BuildColumnHeaders(form);
    QWidget *list = AddPanel(form, QStringLiteral("Panel_Info"), QRect(26, 103, 540, 162));
    AddPanel(list, QStringLiteral("suiImagePanel_InfoMove"), QRect(0, 0, 540, 0));
    QWidget *bar = AddPanel(form, QStringLiteral("Panel_Bar"), QRect(567, 103, 14, 162));
    AddPicture(bar, QStringLiteral("Image_Bar"), skin::Picture(QStringLiteral("Image_Bar")), {2, 2});
    QWidget *intro = AddPanel(form, QStringLiteral("Panel_Intro"), QRect(26, 85, 555, 182));
    AddPicture(intro, QStringLiteral("Image"), QPixmap::fromImage(skin::JpegPicture(QStringLiteral("MASK"))), {0, 0});
    BuildAddProgress(form);
    AddNamedButton(form, "suiImageButton_OpenDir", "add_files", {18, 290}, "Add Files", "Add clip(s)");
    AddNamedButton(form, "suiImageButton_OpenFile", "remove", {142, 290}, "Remove", "Remove the selected clip");
    AddNamedButton(form, "suiImageButton_Clear", "clear", {250, 290}, "Clear", "Clear the list");
    AddNamedButton(form, "suiImageButton_Rename", "output_name", {348, 290}, "Output Name", "Output name template");
    // The run's predicted total beside the list's buttons; shown once the list has clips.
    QLabel *total = AddLabel(form, QStringLiteral("Label_RunTotal"), QString(), QRect(482, 287, 106, 36));
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    total->setWordWrap(true);
    total->setAccessibleDescription(QStringLiteral("Predicted size of the run's files and the output drive's free space"));
    total->hide();
}

void BuildPreviewArea(QWidget *form)
{
    auto *preview = new ImagePanel(form, QStringLiteral("Panel_Preview"), skin::Picture(QStringLiteral("preview_idle")));
    preview->setGeometry(625, 85, 240, 180);
    QLabel *image = AddLabel(preview, QStringLiteral("Image_Preview"), QString(), QRect(0, 0, 240, 180));
    image->setAlignment(Qt::AlignCenter);
    AddLabel(preview, QStringLiteral("Label_Info"), QStringLiteral("Seeking please wait..."), QRect(56, 69, 140, 18),
             QStringLiteral("seeking"))->hide();

    QWidget *range = AddPanel(form, QStringLiteral("Panel_Progress"), QRect(625, 276, 154, 16));
    AddPicture(range, QStringLiteral("Image_ProgressBack"), skin::Picture(QStringLiteral("Image_ProgressBack")), {0, 0});
    auto *stretch = new ImagePanel(range, QStringLiteral("Image_Stretch"), skin::Picture(QStringLiteral("Image_Stretch")));
    stretch->setGeometry(10, 4, 0, 8);
    AddNamedButton(range, "Image_Left", "handle", {0, 1}, "Trim Start")->setEnabled(false);
    AddNamedButton(range, "Image_Right", "handle", {144, 1}, "Trim End")->setEnabled(false);
    AddNamedButton(form, "suiImageButton_Snapshoot", "snapshot", {835, 271}, "Snapshot")->setEnabled(false);

    AddLabel(form, QStringLiteral("Label_StartCaption"), QStringLiteral("Start"), QRect(625, 302, 32, 20));
    AddLineEdit(form, QStringLiteral("suiEdit_Start"), QString(), QRect(659, 300, 74, 22))->setEnabled(false);
    AddLabel(form, QStringLiteral("Label_StopCaption"), QStringLiteral("End"), QRect(757, 302, 30, 20));
    AddLineEdit(form, QStringLiteral("suiEdit_Stop"), QString(), QRect(787, 300, 74, 22))->setEnabled(false);
    for (const char *name : {"suiEdit_Start", "suiEdit_Stop"}) {
        auto *edit = form->findChild<QLineEdit *>(QLatin1String(name));
        edit->setInputMask(QStringLiteral("90:00:00;_"));
        SetFieldColour(edit, QColor(0xCA, 0xCA, 0xCA));
    }
}

void BuildBottomBar(QWidget *form)
{
    AddLabel(form, QStringLiteral("Label_OutputFolder"), QStringLiteral("Output Folder :"), QRect(20, 684, 96, 20));
    auto *folder = AddLineEdit(form, QStringLiteral("suiEdit_OutputFolder"), QString(), QRect(116, 681, 424, 24));
    folder->setReadOnly(true);
    folder->setAccessibleName(QStringLiteral("Output Folder"));
    AddNamedButton(form, "suiImageButton_Browse", "browse", {548, 680}, "Choose Output Folder", "Choose the output folder");
    AddNamedButton(form, "suiImageButton_Open", "open_folder", {582, 680}, "Open Output Folder", "Open the output folder");
    AddNamedButton(form, "suiImageButton_StartConvert", "convert", {713, 675}, "Convert", "Start converting");
}

void BuildHiddenPictures(QWidget *form)
{
    for (const char *name : {"Image_Chk", "Image_line", "table_bk1", "table_bk2", "table_bk3"})
        AddPicture(form, QLatin1String(name), skin::Picture(QLatin1String(name)), {0, 0})->hide();
}
