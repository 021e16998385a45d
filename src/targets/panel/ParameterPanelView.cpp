// The panel controls filled from the panel's state. Signals are blocked while a control
// is written (what the state already holds is no user's choice), and a control that
// already shows what the state holds is left alone, so an open list keeps its popup.

#include "ParameterPanel.h"

#include "ChoiceListWidgets.h"
#include "controls/FormBuilding.h"
#include "mainform/TMainForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

using namespace targets;

namespace {

// The aspect and size controls keep their light green whatever their state.
enum class Colour { Parameter, Aspect };

void ShowList(QComboBox *list, const ChoiceList &choices, Colour colour = Colour::Parameter)
{
    if (!list)
        return;
    if (ItemTexts(*list) != choices.items || list->isEnabled() != choices.enabled) {
        ApplyChoiceList(*list, choices);
        if (colour == Colour::Aspect)
            SetFieldColour(list, AspectControlColour());
    } else if (list->currentIndex() != choices.selectedIndex) {
        SelectQuietly(*list, choices.selectedIndex);
    }
}

void ShowNumber(QSpinBox *field, const NumberSetting &setting, Colour colour = Colour::Parameter)
{
    if (!field)
        return;
    if (field->minimum() == setting.minimum && field->maximum() == setting.maximum && field->value() == setting.value
        && field->singleStep() == setting.step && field->isEnabled() == setting.enabled)
        return;
    const QSignalBlocker blocker(field);
    ApplyNumberSetting(*field, setting);
    if (colour == Colour::Aspect)
        SetFieldColour(field, AspectControlColour());
}

void ShowChecked(QCheckBox *box, bool checked)
{
    if (!box || box->isChecked() == checked)
        return;
    const QSignalBlocker blocker(box);
    box->setChecked(checked);
}

void ShowText(QLineEdit *edit, const QString &text)
{
    if (!edit || edit->text() == text)
        return;
    const QSignalBlocker blocker(edit);
    edit->setText(text);
}

} // namespace

void ParameterPanel::Show()
{
    ShowSwitchesAndTexts();
    ShowDvdBoxes();
    if (!state_.targetSection.isEmpty()) {   // before the first fill the controls keep their design-time items
        ShowLists();
        ShowFields();
        ShowVisibility();
    }
    emit StateChanged();
}

void ParameterPanel::ShowLists()
{
    ShowList(c.suiComboBox_OutputFormat, state_.outputFormat);
    ShowList(c.suiComboBox_VideoCodec, state_.videoCodec);
    ShowList(c.suiComboBox_AudioCodec, state_.audioCodec);
    ShowList(c.suiComboBox_Profile, state_.aspect, Colour::Aspect);
    ShowList(c.suiComboBox_Resolution, state_.resolution, Colour::Aspect);
    ShowList(c.suiComboBox_VideoFrameRate, state_.frameRate);
    ShowList(c.suiComboBox_AudioBitRate, state_.audioBitrate);
    ShowList(c.suiComboBox_AudioSampleRate, state_.audioSampleRate);
    ShowList(c.suiComboBox_AudioChannel, state_.audioChannel);
    ShowList(c.suiComboBox_Volume, state_.volumeList);
    ShowProfileList();
}

// The profile list keeps its own colours: it is filled, never painted.
void ParameterPanel::ShowProfileList()
{
    QComboBox &list = *c.suiComboBox_PF;
    const QSignalBlocker blocker(list);
    if (ItemTexts(list) != state_.profiles.texts) {
        list.clear();
        list.addItems(state_.profiles.texts);
    }
    if (list.currentIndex() != state_.profileIndex)
        list.setCurrentIndex(state_.profileIndex);
}

void ParameterPanel::ShowFields()
{
    ShowNumber(c.suiSpinEdit_VideoBitRate, state_.videoBitRate);
    ShowNumber(c.suiSpinEdit_VideoWidth, state_.videoWidth, Colour::Aspect);
    ShowNumber(c.suiSpinEdit_VideoHeight, state_.videoHeight, Colour::Aspect);
    if (c.suiTrackBar_Volume->minimum() != state_.volume.minimum || c.suiTrackBar_Volume->maximum() != state_.volume.maximum
        || c.suiTrackBar_Volume->value() != state_.volume.position) {
        const QSignalBlocker blocker(c.suiTrackBar_Volume);
        c.suiTrackBar_Volume->setRange(state_.volume.minimum, state_.volume.maximum);
        c.suiTrackBar_Volume->setValue(state_.volume.position);
    }
    ShowVolumeLabel();
}

void ParameterPanel::ShowVolumeLabel()
{
    c.Label_DB->setText(VolumeLabelText(state_.volume.position));
    c.Label_DB->repaint();
}

void ParameterPanel::ShowSwitchesAndTexts()
{
    ShowChecked(c.suiCheckBox_HQE, state_.highQuality);
    ShowChecked(c.suiCheckBox_DeInterlace, state_.deinterlace);
    ShowChecked(c.suiCheckBox_ForceSync, state_.forceSync);
    ShowChecked(c.suiCheckBox_AddLetterBox, state_.addLetterBox);
    ShowText(c.suiEdit_DVDName, state_.dvdName);
    ShowText(c.suiEdit_ArtistName, state_.artistName);
    ShowText(c.suiEdit_OutputFolder, state_.outputFolder);
}

void ParameterPanel::ShowDvdBoxes()
{
    if (c.suiComboBox_DVDPF && c.suiComboBox_DVDPF->currentIndex() != state_.dvdSettingIndex)
        SelectQuietly(*c.suiComboBox_DVDPF, state_.dvdSettingIndex);
    ShowChecked(c.suiCheckBox_DVD_NTSC, state_.dvdBoxes.ntsc);
    ShowChecked(c.suiCheckBox_DVD_PAL, state_.dvdBoxes.pal);
    ShowChecked(c.suiCheckBox_DVD_43, state_.dvdBoxes.fourThree);
    ShowChecked(c.suiCheckBox_DVD_169, state_.dvdBoxes.wide);
    ShowChecked(c.suiCheckBox_AddLetterBox_VOB, state_.addLetterBoxVob);
}

void ParameterPanel::SetShown(std::initializer_list<const char *> names, bool shown)
{
    for (const char *name : names)
        if (auto *control = form_.findChild<QWidget *>(QLatin1String(name)))
            control->setVisible(shown);
}

void ParameterPanel::ShowVisibility()
{
    const PanelShown &shown = state_.shown;
    SetShown({"Label19", "suiEdit_DVDName", "Label23", "suiEdit_ArtistName"}, shown.deviceNames);
    SetShown({"Label8", "suiComboBox_AudioCodec"}, shown.audioCodec);
    SetShown({"Label20", "suiComboBox_VideoCodec", "Label9", "suiComboBox_OutputFormat"}, shown.videoCodecAndFormat);
    SetShown({"suiComboBox_VideoFrameRate", "Label4", "Label5", "Label12", "suiSpinEdit_VideoBitRate", "Label1",
              "suiComboBox_Profile", "suiCheckBox_HQE", "suiCheckBox_DeInterlace", "suiCheckBox_ForceSync"},
             shown.videoSettings);
    SetShown({"Label3"}, shown.resolutionLabel);
    SetShown({"suiComboBox_Resolution"}, shown.resolutionList);
    SetShown({"suiSpinEdit_VideoWidth", "suiSpinEdit_VideoHeight", "Label21"}, shown.sizeFields);
    SetShown({"Label_DVDSetting", "suiComboBox_DVDPF"}, shown.dvdSetting);
    SetShown({"suiCheckBox_AddLetterBox"}, shown.letterBox);
    SetShown({"Label_PF", "suiComboBox_PF", "suiImageButton_SaveProfile", "suiImageButton_RemoveProfile"},
             shown.profileList);
}
