#include "mainform/MainFormLayout.h"

#include <QLabel>
#include <QLineEdit>

#include "ProductTexts.h"
#include "controls/FormBuilding.h"
#include "controls/ImagePanel.h"
#include "controls/PictureButton.h"
#include "skin/Skin.h"

namespace {

QLabel *addPicture(QWidget *parent, const QString &name, const QPixmap &picture, const QPoint &position)
{
    QLabel *label = AddLabel(parent, name, QString(), QRect(position, picture.size()));
    label->setPixmap(picture);
    return label;
}

void buildColumnHeaders(QWidget *form)
{
    const struct { const char *name; const char *text; int left; int width; } columns[] = {
        {"Label_HeadName", "Name", 9, 118},      {"Label_HeadDuration", "Duration", 128, 52},
        {"Label_HeadFps", "FPS", 180, 55},       {"Label_HeadSize", "Size", 235, 125},
        {"Label_HeadStart", "Start", 362, 50},   {"Label_HeadEnd", "End", 412, 53},
        {"Label_HeadOutput", "Output Name", 465, 90},
    };
    for (const auto &column : columns)
        AddLabel(form, QLatin1String(column.name), QLatin1String(column.text),
                 QRect(26 + column.left, 85, column.width, 18), QStringLiteral("listHeader"));
}

void buildAddProgress(QWidget *form)
{
    auto *panel = new ImagePanel(form, QStringLiteral("Panel_AddProgress"));
    panel->setGeometry(128, 136, 350, 76);
    panel->setProperty("skinClass", QStringLiteral("popup"));
    panel->setAttribute(Qt::WA_StyledBackground);
    AddLabel(panel, QStringLiteral("Label_AddInfo"), QStringLiteral("Adding clips, please wait..."),
             QRect(20, 12, 310, 20), QStringLiteral("popupTitle"));
    auto *track = new ImagePanel(panel, QStringLiteral("Panel_AddTrack"), skin::Picture(QStringLiteral("Image_ProgressBack")));
    track->setGeometry(20, 42, 271, 14);
    auto *bar = new ImagePanel(track, QStringLiteral("Panel_Progress1"), skin::Picture(QStringLiteral("Image_Progress")));
    bar->setGeometry(0, 3, 0, 8);
    AddLabel(panel, QStringLiteral("Label_Percent"), QStringLiteral("0"), QRect(298, 39, 32, 20), QStringLiteral("popupTitle"));
}

} // namespace

void BuildTitleBar(QWidget *form)
{
    AddLabel(form, QStringLiteral("Label_Title"), kDisplayTitle, QRect(66, 13, 400, 22),
             QStringLiteral("title"));
    AddLabel(form, QStringLiteral("Label_Subtitle"),
             QStringLiteral("Convert your videos for iPod, iPad, iPhone, Apple TV and MP3"), QRect(66, 35, 460, 16),
             QStringLiteral("subtitle"));
    AddPictureButton(form, QStringLiteral("suiImageButton_About"), QStringLiteral("about"), {703, 18}, QStringLiteral("About"));
    AddPictureButton(form, QStringLiteral("suiImageButton_Home"), QStringLiteral("home"), {735, 18}, QStringLiteral("Homepage"));
    AddPictureButton(form, QStringLiteral("suiImageButton_Mail"), QStringLiteral("mail"), {767, 18}, QStringLiteral("Contact"));
    AddPictureButton(form, QStringLiteral("suiImageButton_Option"), QStringLiteral("option"), {671, 18})->hide();
    AddPictureButton(form, QStringLiteral("suiImageButton_Min"), QStringLiteral("minimize"), {813, 18}, QStringLiteral("Minimize"));
    AddPictureButton(form, QStringLiteral("suiImageButton_Close"), QStringLiteral("close"), {845, 18}, QStringLiteral("Close"));
}

void BuildClipListArea(QWidget *form)
{
    buildColumnHeaders(form);
    QWidget *list = AddPanel(form, QStringLiteral("Panel_Info"), QRect(26, 103, 540, 162));
    AddPanel(list, QStringLiteral("suiImagePanel_InfoMove"), QRect(0, 0, 540, 0));
    QWidget *bar = AddPanel(form, QStringLiteral("Panel_Bar"), QRect(567, 103, 14, 162));
    addPicture(bar, QStringLiteral("Image_Bar"), skin::Picture(QStringLiteral("Image_Bar")), {2, 2});
    QWidget *intro = AddPanel(form, QStringLiteral("Panel_Intro"), QRect(26, 85, 555, 182));
    addPicture(intro, QStringLiteral("Image"), QPixmap::fromImage(skin::JpegPicture(QStringLiteral("MASK"))), {0, 0});
    buildAddProgress(form);
    AddPictureButton(form, QStringLiteral("suiImageButton_OpenDir"), QStringLiteral("add_files"), {18, 290}, QStringLiteral("Add clip(s)"));
    AddPictureButton(form, QStringLiteral("suiImageButton_OpenFile"), QStringLiteral("remove"), {142, 290}, QStringLiteral("Remove the selected clip"));
    AddPictureButton(form, QStringLiteral("suiImageButton_Clear"), QStringLiteral("clear"), {250, 290}, QStringLiteral("Clear the list"));
    AddPictureButton(form, QStringLiteral("suiImageButton_Rename"), QStringLiteral("output_name"), {348, 290}, QStringLiteral("Output name template"));
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
    addPicture(range, QStringLiteral("Image_ProgressBack"), skin::Picture(QStringLiteral("Image_ProgressBack")), {0, 0});
    auto *stretch = new ImagePanel(range, QStringLiteral("Image_Stretch"), skin::Picture(QStringLiteral("Image_Stretch")));
    stretch->setGeometry(10, 4, 0, 8);
    AddPictureButton(range, QStringLiteral("Image_Left"), QStringLiteral("handle"), {0, 1})->setEnabled(false);
    AddPictureButton(range, QStringLiteral("Image_Right"), QStringLiteral("handle"), {144, 1})->setEnabled(false);
    AddPictureButton(form, QStringLiteral("suiImageButton_Snapshoot"), QStringLiteral("snapshot"), {835, 271},
                     QStringLiteral("Snapshot"))->setEnabled(false);

    AddLabel(form, QStringLiteral("Label_StartCaption"), QStringLiteral("Start"), QRect(625, 302, 36, 20));
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
    AddLabel(form, QStringLiteral("Label_Convert"), QStringLiteral("Convert to"), QRect(46, 364, 110, 20), QStringLiteral("section"));
    AddLabel(form, QStringLiteral("Label_ConvertHint"), QStringLiteral("Pick a device"), QRect(46, 384, 110, 18),
             QStringLiteral("subtitle"));
    AddLabel(form, QStringLiteral("Label_OutputFolder"), QStringLiteral("Output Folder :"), QRect(20, 632, 96, 20));
    auto *folder = AddLineEdit(form, QStringLiteral("suiEdit_OutputFolder"), QString(), QRect(116, 629, 424, 24));
    folder->setReadOnly(true);
    AddPictureButton(form, QStringLiteral("suiImageButton_Browse"), QStringLiteral("browse"), {548, 628},
                     QStringLiteral("Choose the output folder"));
    AddPictureButton(form, QStringLiteral("suiImageButton_Open"), QStringLiteral("open_folder"), {582, 628},
                     QStringLiteral("Open the output folder"));
    AddPictureButton(form, QStringLiteral("suiImageButton_StartConvert"), QStringLiteral("convert"), {713, 623},
                     QStringLiteral("Start converting"));
}

void BuildHiddenPictures(QWidget *form)
{
    for (const char *name : {"Image_Chk", "Image_line", "table_bk1", "table_bk2", "table_bk3"})
        addPicture(form, QLatin1String(name), skin::Picture(QLatin1String(name)), {0, 0})->hide();
}
