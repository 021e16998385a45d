// The user profiles of the parameter panel: the list of the current target's profiles
// and putting one onto the panel.

#include "TParameterPanel.h"

#include "SettingsLocation.h"
#include "mainform/TMainForm.h"
#include "mainform/TargetSelector.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

using namespace targets;

const ProfileStore &TParameterPanel::profileStore()
{
    if (!profileStore_)
        profileStore_.emplace(ProfileSettingsFilePath());
    return *profileStore_;
}

void TParameterPanel::BuildProfileList()
{
    profiles_ = ReadMainWindowProfileList(profileStore(), definitions(), targetSection_);
    const QSignalBlocker blocker(c.suiComboBox_PF);
    c.suiComboBox_PF->clear();
    setShown({"Label_PF", "suiComboBox_PF"}, profiles_.available);
    if (!profiles_.available)
        return;
    c.suiComboBox_PF->addItems(profiles_.texts);
    c.suiComboBox_PF->setCurrentIndex(profiles_.defaultIndex);
}

void TParameterPanel::ApplyProfile(int entry)
{
    if (entry < 0 || entry >= profiles_.entries.size())
        return;
    const std::optional<ProfileEntry> profile =
        profileStore().mainWindowEntry(profiles_.section, profiles_.entries[entry].slot);
    if (!profile)
        return;
    const ProfileValues values = profile->values();
    SelectQuietly(*c.suiComboBox_AudioBitRate, values.audioBitrateIndex());
    SelectQuietly(*c.suiComboBox_AudioSampleRate, values.audioSampleRateIndex());
    c.suiTrackBar_Volume->setValue(values.volumeStep());
    c.suiSpinEdit_VideoBitRate->setValue(values.videoBitRate());
    SelectQuietly(*c.suiComboBox_VideoFrameRate, values.frameRateIndex());
    SelectQuietly(*c.suiComboBox_Profile, values.aspectIndex());
    SelectQuietly(*c.suiComboBox_Resolution, values.resolutionIndex());
    SelectQuietly(*c.suiComboBox_OutputFormat, values.outputFormatIndex());
    refillCodecLists();
    SelectQuietly(*c.suiComboBox_VideoCodec, values.videoCodecIndex());
    SelectQuietly(*c.suiComboBox_AudioCodec, values.audioCodecIndex());
}

void TParameterPanel::suiComboBox_PFChange()
{
    const int entry = c.suiComboBox_PF->currentIndex();
    ApplyProfile(entry);
    suiComboBox_ProfileChange();
    RefreshOutputNames();
    // The target buttons put this entry back when the target is chosen again.
    QVector<TTargetType> &targetTypes = form_.targetSelector()->TargetTypes();
    if (form_.CurTargetType >= 0 && form_.CurTargetType < targetTypes.size())
        targetTypes[form_.CurTargetType].ProfileIndex = entry;
}
