#include "mainform/ParameterPanelLayout.h"

#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>

#include <limits>

#include "ChoiceListWidgets.h"
#include "controls/FormBuilding.h"
#include "controls/PictureButton.h"

namespace {

constexpr int kRowTop = 476;
constexpr int kRowStep = 26;
constexpr int kRowHeight = 22;
// Label left, label width, control left, control width of the three columns.
constexpr int kColumns[3][4] = {{32, 144, 176, 110}, {306, 118, 424, 158}, {602, 110, 714, 146}};
// Below the window's visible area.
constexpr int kOutOfSightTop = 760;
const QColor kAspectGreen = targets::AspectControlColour();

QRect LabelCell(int column, int row)
{
    return {kColumns[column][0], kRowTop + row * kRowStep, kColumns[column][1], kRowHeight};
}

QRect ControlCell(int column, int row, int width = 0)
{
    return {kColumns[column][2], kRowTop + row * kRowStep, width > 0 ? width : kColumns[column][3], kRowHeight};
}

QComboBox *AddCombo(QWidget *parent, const char *name, const QRect &geometry, const QStringList &items = {})
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setGeometry(geometry);
    combo->addItems(items);
    SetFieldColour(combo, targets::ParameterControlColour(true));
    return combo;
}

QSpinBox *AddSpin(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setGeometry(geometry);
    // Until the first fill the fields take any number, negative ones included.
    spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    spin->setValue(812);
    spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    SetFieldColour(spin, targets::ParameterControlColour(true));
    return spin;
}

QCheckBox *AddCheck(QWidget *parent, const char *name, const QString &text, const QRect &geometry, bool checked)
{
    return AddCheckBox(parent, QLatin1String(name), text, geometry, checked);
}

void BuildVideoColumn(QWidget *form)
{
    AddLabel(form, "Label9", "Output Format :", LabelCell(0, 0));
    AddCombo(form, "suiComboBox_OutputFormat", ControlCell(0, 0), {"avi"})->setCurrentIndex(0);
    AddLabel(form, "Label20", "Video Codec :", LabelCell(0, 1));
    AddCombo(form, "suiComboBox_VideoCodec", ControlCell(0, 1));
    AddLabel(form, "Label1", "Output Image Setting :", LabelCell(0, 2));
    SetFieldColour(AddCombo(form, "suiComboBox_Profile", ControlCell(0, 2),
                       {"Original Size and Keep Aspect Ratio", "Custom Size and Keep Aspect Ratio",
                        "Custom Size with Custom Aspect Ratio"}), kAspectGreen);
    AddLabel(form, "Label3", "Video Resolution (W : H) :", LabelCell(0, 3));
    SetFieldColour(AddCombo(form, "suiComboBox_Resolution", ControlCell(0, 3)), kAspectGreen);
    const QRect size = ControlCell(0, 3);
    SetFieldColour(AddSpin(form, "suiSpinEdit_VideoWidth", QRect(size.left(), size.top(), 48, kRowHeight)), kAspectGreen);
    AddLabel(form, "Label21", ":", QRect(size.left() + 48, size.top(), 12, kRowHeight))->setAlignment(Qt::AlignCenter);
    SetFieldColour(AddSpin(form, "suiSpinEdit_VideoHeight", QRect(size.left() + 60, size.top(), 48, kRowHeight)), kAspectGreen);
    for (const char *name : {"suiSpinEdit_VideoWidth", "Label21", "suiSpinEdit_VideoHeight"})
        form->findChild<QWidget *>(QLatin1String(name))->hide();
    AddLabel(form, "Label4", "Video Frame Rate :", LabelCell(0, 4));
    AddCombo(form, "suiComboBox_VideoFrameRate", ControlCell(0, 4), {"23.97", "24", "25", "29.97"});
    AddLabel(form, "Label5", "Video Quality :", LabelCell(0, 5));
    AddSpin(form, "suiSpinEdit_VideoBitRate", ControlCell(0, 5, 72));
    AddLabel(form, "Label12", "Kbps", QRect(ControlCell(0, 5).left() + 76, ControlCell(0, 5).top(), 32, kRowHeight));
}

void BuildAudioColumn(QWidget *form)
{
    AddLabel(form, "Label8", "Format :", LabelCell(1, 0));
    AddCombo(form, "suiComboBox_AudioCodec", ControlCell(1, 0));
    AddLabel(form, "Label6", "Audio Quality :", LabelCell(1, 1));
    AddCombo(form, "suiComboBox_AudioBitRate", ControlCell(1, 1, 96));
    AddLabel(form, "Label2", "Kbps", QRect(ControlCell(1, 1).left() + 100, ControlCell(1, 1).top(), 34, kRowHeight));
    AddLabel(form, "Label18", "Audio Sample Rate :", LabelCell(1, 2));
    AddCombo(form, "suiComboBox_AudioSampleRate", ControlCell(1, 2));
    AddLabel(form, "Label10", "Volume :", LabelCell(1, 3));
    auto *volume = new QSlider(Qt::Horizontal, form);
    volume->setObjectName(QStringLiteral("suiTrackBar_Volume"));
    volume->setGeometry(ControlCell(1, 3, 84));
    volume->setRange(0, 9);
    AddLabel(form, "Label_DB", "+ 0 db.", QRect(ControlCell(1, 3).left() + 88, ControlCell(1, 3).top(), 46, kRowHeight));
    AddLabel(form, "Label19", "Display Name :", LabelCell(1, 4));
    AddLineEdit(form, "suiEdit_DVDName", QStringLiteral("Video"), ControlCell(1, 4));
    AddLabel(form, "Label23", "Artist Name :", LabelCell(1, 5));
    AddLineEdit(form, "suiEdit_ArtistName", QStringLiteral("Unknown"), ControlCell(1, 5));
}

void BuildGeneralColumn(QWidget *form)
{
    // The profile list is narrower than its column to leave room for its save and remove buttons.
    AddLabel(form, "Label_PF", "Profile Setting :", QRect(kColumns[2][0], kRowTop, 88, kRowHeight));
    AddCombo(form, "suiComboBox_PF", QRect(kColumns[2][0] + 88, kRowTop, 116, kRowHeight));
    const struct { const char *name, *pictureSet, *accessibleName; int left; } profileButtons[] = {
        {"suiImageButton_SaveProfile", "profile_save", "Save Profile", 810},
        {"suiImageButton_RemoveProfile", "profile_remove", "Remove Profile", 836},
    };
    for (const auto &button : profileButtons) {
        PictureButton *added = AddPictureButton(form, QLatin1String(button.name), QLatin1String(button.pictureSet),
                                                {button.left, kRowTop}, QLatin1String(button.accessibleName));
        added->setAccessibleName(QLatin1String(button.accessibleName));
    }
    AddLabel(form, "Label7", "CPU Core Use :", LabelCell(2, 1));
    QComboBox *cores = AddCombo(form, "suiComboBox_CPU", ControlCell(2, 1, 60), {"1"});
    cores->setCurrentIndex(0);
    cores->setEnabled(false);
    const QRect wide(kColumns[2][0], 0, kColumns[2][1] + kColumns[2][3] + 2, kRowHeight);
    AddCheck(form, "suiCheckBox_HQE", "Use High Quality Engine", wide.translated(0, kRowTop + 2 * kRowStep), false);
    AddCheck(form, "suiCheckBox_DeInterlace", "Use Advanced De-interlace Accelerator", wide.translated(0, kRowTop + 3 * kRowStep), false);
    AddCheck(form, "suiCheckBox_ForceSync", "Use Intelligent A/V Synchronizer", wide.translated(0, kRowTop + 4 * kRowStep), false);
    AddLabel(form, "Label_DVDSetting", "DVD Setting :", LabelCell(2, 5))->hide();
    QComboBox *dvdSettings = AddCombo(form, "suiComboBox_DVDPF", ControlCell(2, 5),
             {"DVD Format: NTSC, Aspact Ratio: 4:3 for Standard TV", "DVD Format: NTSC, Aspact Ratio: 16:9 for Wide-screen TV",
              "DVD Format: PAL, Aspact Ratio: 4:3 for Standard TV", "DVD Format: PAL, Aspact Ratio: 16:9 for Wide-screen TV"});
    // The list opens wide enough to read its long items whole.
    dvdSettings->view()->setMinimumWidth(dvdSettings->fontMetrics().horizontalAdvance(dvdSettings->itemText(1)) + 24);
    dvdSettings->hide();
}

// Controls whose values are used but which lie outside the visible area or are never shown.
void BuildOutOfSightControls(QWidget *form)
{
    AddCombo(form, "suiComboBox_AudioChannel", QRect(162, kOutOfSightTop, 130, kRowHeight), {"1 Channel Mono", "2 Channels Stereo"});
    AddCheck(form, "suiCheckBox_AddLetterBox", "Auto Add Letter Box", QRect(316, kOutOfSightTop, 200, kRowHeight), true);
    QStringList volumes;
    for (int level = 0; level <= 9; ++level)
        volumes << QString::number(level);
    AddCombo(form, "suiComboBox_Volume", QRect(520, kOutOfSightTop, 60, kRowHeight), volumes)->hide();
}

} // namespace

void BuildParameterPanel(QWidget *form)
{
    BuildVideoColumn(form);
    BuildAudioColumn(form);
    BuildGeneralColumn(form);
    BuildOutOfSightControls(form);
}

void BuildDvdPanel(QWidget *form)
{
    // In the audio column, in the rows the device names use: DVD targets have no device names.
    const QRect area = LabelCell(1, 4).united(ControlCell(1, 6));
    QWidget *panel = AddPanel(form, QStringLiteral("DVDPanel"), area);
    const int pairLeft = kColumns[1][2] - kColumns[1][0];
    const auto cell = [&](int row, int left, int width) { return QRect(left, row * kRowStep, width, kRowHeight); };
    AddLabel(panel, "Label11", "DVD Format :", cell(0, 0, kColumns[1][1]));
    AddCheck(panel, "suiCheckBox_DVD_NTSC", "NTSC DVD", cell(0, pairLeft, 82), true);
    AddCheck(panel, "suiCheckBox_DVD_PAL", "PAL DVD", cell(0, pairLeft + 84, 74), false);
    AddLabel(panel, "Label13", "DVD Aspect Ratio :", cell(1, 0, kColumns[1][1]));
    AddCheck(panel, "suiCheckBox_DVD_169", "16 : 9", cell(1, pairLeft, 82), true);
    AddCheck(panel, "suiCheckBox_DVD_43", "4 : 3", cell(1, pairLeft + 84, 74), false);
    AddCheck(panel, "suiCheckBox_AddLetterBox_VOB", "Auto Add Letter Box", cell(2, pairLeft, 158), true);
    panel->hide();
}
