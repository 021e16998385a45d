// The aspect handling of the parameter panel: the aspect mode, the HD targets'
// resolution list, target MPEG's per-mode lists and the size fields.

#include "ParameterPanel.h"

#include "ChoiceListWidgets.h"
#include "DefinitionSections.h"
#include "TargetCatalogue.h"
#include "controls/FormBuilding.h"
#include "mainform/TMainForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

using namespace targets;

// The aspect and size controls keep their light green whatever their state.
void ParameterPanel::fillAspectList(QComboBox &list, const ChoiceList &choices)
{
    ApplyChoiceList(list, choices);
    SetFieldColour(&list, AspectControlColour());
}

void ParameterPanel::fillSizeField(QSpinBox &field, const NumberSetting &setting)
{
    ApplyNumberSetting(field, setting);
    SetFieldColour(&field, AspectControlColour());
}

int ParameterPanel::resolveAspectMode() const
{
    return AspectModeOf(ResolveChoiceValue(*definitions_, targetSection_, QStringLiteral("VideoAspect"),
                                           c.suiComboBox_Profile->currentIndex()));
}

void ParameterPanel::suiComboBox_ProfileChange()
{
    if (!definitions_)
        return;
    if (c.suiSpinEdit_VideoWidth->isEnabled())
        lastCustomSize_ = QSize(c.suiSpinEdit_VideoWidth->value(), c.suiSpinEdit_VideoHeight->value());
    aspectMode_ = resolveAspectMode();
    if (IsHdFileTarget(form_.CurTargetType))
        refillHdResolution();
    const bool customSize = aspectMode_ != OriginalSizeAspectMode;
    c.suiSpinEdit_VideoWidth->setEnabled(customSize);
    c.suiSpinEdit_VideoHeight->setEnabled(customSize);
    c.suiComboBox_Resolution->setEnabled(customSize);
    RefreshOutputNames();
    if (form_.CurTargetType == TargetMPEG) {
        MpegAspectHandling();
        RefreshOutputNames();
    }
    syncSizeFields();
}

// A resolution chosen before (by the user or a profile) survives the refill when the list
// still offers it; otherwise the definitions' preselection holds.
void ParameterPanel::refillHdResolution()
{
    if (aspectMode_ == OriginalSizeAspectMode) {
        fillAspectList(*c.suiComboBox_Resolution, ChoiceList{{OriginalSizeItem}, 0, false});
        return;
    }
    const QString chosen = c.suiComboBox_Resolution->currentText();
    ChoiceList resolutions = ReadChoiceList(*definitions_, targetSection_, QStringLiteral("VideoResolution"));
    if (resolutions.items.contains(chosen))
        resolutions.selectedIndex = int(resolutions.items.indexOf(chosen));
    fillAspectList(*c.suiComboBox_Resolution, resolutions);
}

// Target MPEG: an aspect mode above 10 has its own complete parameter set and a fixed
// picture size, so the size fields give way to the letter-box switch.
void ParameterPanel::MpegAspectHandling()
{
    aspectMode_ = resolveAspectMode();
    const ProfileDefinitions &reader = *definitions_;
    fillVolume(targetSection_, targetSection_);
    const bool ownSection = UsesAspectModeSection(TargetMPEG, aspectMode_);
    const QString section = ownSection ? JoinSection(targetSection_, QString::number(aspectMode_)) : targetSection_;
    c.suiCheckBox_AddLetterBox->setVisible(ownSection);
    setShown({"Label3", "Label21", "suiSpinEdit_VideoWidth", "suiSpinEdit_VideoHeight"}, !ownSection);
    // Each fill replaces the list's items, so no list keeps the previous mode's choices.
    const auto fillList = [&](QComboBox *list, const char *base) {
        ApplyChoiceList(*list, ReadChoiceList(reader, section, QLatin1String(base)));
    };
    fillList(c.suiComboBox_VideoCodec, "VideoCodec");
    fillList(c.suiComboBox_VideoFrameRate, "VideoFrameRate");
    fillList(c.suiComboBox_AudioBitRate, "AudioBitrate");
    fillList(c.suiComboBox_AudioCodec, "AudioCodec");
    fillList(c.suiComboBox_AudioChannel, "AudioChannel");
    fillList(c.suiComboBox_AudioSampleRate, "AudioSampleRate");
    ApplyNumberSetting(*c.suiSpinEdit_VideoBitRate, ReadNumberSetting(reader, section, QStringLiteral("VideoBitRate")));
    fillSizeField(*c.suiSpinEdit_VideoWidth, ReadNumberSetting(reader, section, QStringLiteral("VideoWidth")));
    fillSizeField(*c.suiSpinEdit_VideoHeight, ReadNumberSetting(reader, section, QStringLiteral("VideoHeight")));
    fillList(c.suiComboBox_OutputFormat, "OutputFormat");
    const bool sizeEditable = c.suiSpinEdit_VideoWidth->isEnabled() && aspectMode_ != OriginalSizeAspectMode;
    c.suiSpinEdit_VideoWidth->setEnabled(sizeEditable);
    c.suiSpinEdit_VideoHeight->setEnabled(sizeEditable);
}

void ParameterPanel::syncSizeFields()
{
    const std::optional<QSize> clipSize =
        environment.currentClipSize ? environment.currentClipSize() : std::optional<QSize>();
    if (const std::optional<QSize> size = SyncedSize(aspectMode_, lastCustomSize_, clipSize)) {
        c.suiSpinEdit_VideoWidth->setValue(size->width());
        c.suiSpinEdit_VideoHeight->setValue(size->height());
    }
}

void ParameterPanel::suiSpinEdit_VideoWidthExit(QSpinBox &field)
{
    field.interpretText();
    field.setValue(RoundTowardZeroToMultipleOf4(field.value()));
}

void ParameterPanel::suiSpinEdit_VideoWidthChange()
{
    RefreshOutputNames();
}

void ParameterPanel::suiSpinEdit_VideoHeightChange()
{
    RefreshOutputNames();
}

void ParameterPanel::suiComboBox_ResolutionChange()
{
    RefreshOutputNames();
}
