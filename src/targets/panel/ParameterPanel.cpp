#include "ParameterPanel.h"

#include "ChoiceListWidgets.h"
#include "DefinitionSections.h"
#include "OptionVariables.h"
#include "PanelJobValues.h"
#include "TargetCatalogue.h"
#include "mainform/TMainForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>

using namespace targets;

ParameterPanel::ParameterPanel(TMainForm &form) : QObject(&form), form_(form), c(PanelControls::Find(form))
{
    setObjectName(QStringLiteral("ParameterPanel"));
    connectHandlers();
    form_.setSelectTargetHandler([this](int target) { SelectTarget(target); });
    // The DVD boxes start as the selector's first setting says, so what is shown is what is made.
    suiComboBox_DVDPFChange();
}

const ProfileDefinitions &ParameterPanel::definitions()
{
    if (!definitions_)
        definitions_.emplace(ProfileDefinitions::loadShipped());
    return *definitions_;
}

const ProfileDefinitions *ParameterPanel::Definitions() const
{
    return definitions_ ? &*definitions_ : nullptr;
}

void ParameterPanel::SelectTarget(int target)
{
    remembered_.store(form_.CurTargetType, currentPanel());
    form_.CurTargetType = target;
    FillFromDefinitions();
    BuildProfileList();
    ApplyProfile(c.suiComboBox_PF->currentIndex());
    suiComboBox_ProfileChange();
    c.suiEdit_OutputFolder->setText(g_s_OutputFolder + TargetFolder(target));
    RefreshOutputNames();
    showControlsFor(target);
    if (const RememberedPanel *slot = remembered_.filledSlot(target))
        restorePanel(*slot);
}

void ParameterPanel::FillFromDefinitions()
{
    const ProfileDefinitions &reader = definitions();
    targetSection_ = TargetSectionName(form_.CurTargetType);
    const QString subSection = FirstFillSubSection(reader, targetSection_);
    const auto fillList = [&](QComboBox *list, const char *base) {
        ApplyChoiceList(*list, ReadChoiceListWithFallback(reader, targetSection_, subSection, QLatin1String(base)));
    };
    const auto fillNumber = [&](const char *base) {
        return ReadNumberSettingWithFallback(reader, targetSection_, subSection, QLatin1String(base));
    };
    fillVolume(targetSection_, subSection);
    fillAspectList(*c.suiComboBox_Profile,
                   ReadChoiceListWithFallback(reader, targetSection_, subSection, QStringLiteral("VideoAspect")));
    ApplyChoiceList(*c.suiComboBox_AudioChannel, ReadChoiceList(reader, targetSection_, QStringLiteral("AudioChannel")));
    fillList(c.suiComboBox_AudioBitRate, "AudioBitrate");
    fillList(c.suiComboBox_AudioCodec, "AudioCodec");
    fillList(c.suiComboBox_AudioSampleRate, "AudioSampleRate");
    fillList(c.suiComboBox_VideoCodec, "VideoCodec");
    fillList(c.suiComboBox_OutputFormat, "OutputFormat");
    fillList(c.suiComboBox_VideoFrameRate, "VideoFrameRate");
    ApplyNumberSetting(*c.suiSpinEdit_VideoBitRate, fillNumber("VideoBitRate"));
    fillSizeField(*c.suiSpinEdit_VideoWidth, fillNumber("VideoWidth"));
    fillSizeField(*c.suiSpinEdit_VideoHeight, fillNumber("VideoHeight"));
    fillAspectList(*c.suiComboBox_Resolution,
                   ReadChoiceListWithFallback(reader, targetSection_, subSection, QStringLiteral("VideoResolution")));
}

void ParameterPanel::fillVolume(const QString &section, const QString &fallbackSection)
{
    ApplyChoiceList(*c.suiComboBox_Volume,
                    ReadChoiceListWithFallback(definitions(), section, fallbackSection, QStringLiteral("AudioVolume")));
    const VolumeTrack track = VolumeTrackOf(ItemTexts(*c.suiComboBox_Volume), c.suiComboBox_Volume->currentIndex());
    c.suiTrackBar_Volume->setRange(track.minimum, track.maximum);
    c.suiTrackBar_Volume->setValue(track.position);
    suiTrackBar_VolumeChange();
}

RememberedPanel ParameterPanel::currentPanel() const
{
    RememberedPanel panel;
    panel.audioCodecIndex = c.suiComboBox_AudioCodec->currentIndex();
    panel.audioSampleRateIndex = c.suiComboBox_AudioSampleRate->currentIndex();
    panel.audioChannelIndex = c.suiComboBox_AudioChannel->currentIndex();
    panel.audioBitrateIndex = c.suiComboBox_AudioBitRate->currentIndex();
    panel.volumePosition = c.suiTrackBar_Volume->value();
    panel.videoCodecIndex = c.suiComboBox_VideoCodec->currentIndex();
    panel.frameRateIndex = c.suiComboBox_VideoFrameRate->currentIndex();
    panel.videoBitRate = c.suiSpinEdit_VideoBitRate->value();
    panel.aspectIndex = c.suiComboBox_Profile->currentIndex();
    panel.videoWidth = c.suiSpinEdit_VideoWidth->value();
    panel.videoHeight = c.suiSpinEdit_VideoHeight->value();
    panel.outputFormatIndex = c.suiComboBox_OutputFormat->currentIndex();
    return panel;
}

void ParameterPanel::restorePanel(const RememberedPanel &slot)
{
    for (const RestoreValue &restore : RestoreOrder(slot)) {
        switch (restore.step) {
        case RestoreStep::AudioSampleRate: SelectQuietly(*c.suiComboBox_AudioSampleRate, restore.value); break;
        case RestoreStep::AudioChannel: SelectQuietly(*c.suiComboBox_AudioChannel, restore.value); break;
        case RestoreStep::AudioBitrate: SelectQuietly(*c.suiComboBox_AudioBitRate, restore.value); break;
        case RestoreStep::OutputFormat:
            SelectQuietly(*c.suiComboBox_OutputFormat, restore.value);
            suiComboBox_OutputFormatChange();
            break;
        case RestoreStep::VideoCodec: SelectQuietly(*c.suiComboBox_VideoCodec, restore.value); break;
        case RestoreStep::AudioCodec: SelectQuietly(*c.suiComboBox_AudioCodec, restore.value); break;
        case RestoreStep::FrameRate: SelectQuietly(*c.suiComboBox_VideoFrameRate, restore.value); break;
        case RestoreStep::Aspect:
            SelectQuietly(*c.suiComboBox_Profile, restore.value);
            suiComboBox_ProfileChange();
            break;
        case RestoreStep::VideoBitRate: c.suiSpinEdit_VideoBitRate->setValue(restore.value); break;
        case RestoreStep::VideoWidth: c.suiSpinEdit_VideoWidth->setValue(restore.value); break;
        case RestoreStep::VideoHeight: c.suiSpinEdit_VideoHeight->setValue(restore.value); break;
        case RestoreStep::VolumePosition: c.suiTrackBar_Volume->setValue(restore.value); break;
        }
    }
}

void ParameterPanel::setShown(std::initializer_list<const char *> names, bool shown)
{
    for (const char *name : names)
        if (auto *control = form_.findChild<QWidget *>(QLatin1String(name)))
            control->setVisible(shown);
}

void ParameterPanel::showControlsFor(int target)
{
    const PanelVisibility shown = VisibilityOf(target, c.suiComboBox_Resolution->count());
    setShown({"Label19", "suiEdit_DVDName", "Label23", "suiEdit_ArtistName"}, shown.deviceNames);
    setShown({"Label8", "suiComboBox_AudioCodec"}, shown.audioCodec);
    setShown({"Label20", "suiComboBox_VideoCodec", "Label9", "suiComboBox_OutputFormat"}, shown.videoCodecAndFormat);
    setShown({"Label3", "suiComboBox_VideoFrameRate", "Label4", "Label5", "Label12", "suiSpinEdit_VideoBitRate",
              "Label1", "suiComboBox_Profile", "suiCheckBox_HQE", "suiCheckBox_DeInterlace", "suiCheckBox_ForceSync"},
             shown.videoSettings);
    setShown({"suiComboBox_Resolution"}, shown.resolutionList);
    setShown({"suiSpinEdit_VideoWidth", "suiSpinEdit_VideoHeight", "Label21"}, shown.sizeFields);
    setShown({"Label_DVDSetting", "suiComboBox_DVDPF"}, shown.dvdSetting);
}

void ParameterPanel::RefreshOutputNames()
{
    if (environment.refreshOutputNames)
        environment.refreshOutputNames();
}

naming::OutputPanelValues ParameterPanel::OutputValues() const
{
    naming::OutputPanelValues values;
    values.targetNumber = form_.CurTargetType;
    values.aspectMode = aspectMode_;
    values.resolutionListShown = c.suiComboBox_Resolution->isVisibleTo(&form_);
    values.resolutionText = c.suiComboBox_Resolution->currentText();
    values.sizeFieldsEnabled = c.suiSpinEdit_VideoWidth->isEnabled();
    values.widthText = c.suiSpinEdit_VideoWidth->text();
    values.heightText = c.suiSpinEdit_VideoHeight->text();
    values.outputFormatIndex = c.suiComboBox_OutputFormat->currentIndex();
    values.outputFormatValue =
        definitions_ ? ResolveChoiceValue(*definitions_, targetSection_, QStringLiteral("OutputFormat"),
                                          values.outputFormatIndex)
                     : NoDefinition;
    return values;
}

conversion::JobPanelValues ParameterPanel::JobValues() const
{
    return JobPanelValuesOf(form_);
}
