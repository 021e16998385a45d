// The user profiles of the parameter panel: the list of the current target's profiles
// and putting one onto the panel.

#include "ParameterPanel.h"

#include "ModalQuestions.h"
#include "ProductTexts.h"
#include "SettingsLocation.h"
#include "mainform/TMainForm.h"
#include "mainform/TargetSelector.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

using namespace targets;

const ProfileStore &ParameterPanel::profileStore()
{
    if (!profileStore_)
        profileStore_.emplace(ProfileSettingsFilePath());
    return *profileStore_;
}

void ParameterPanel::BuildProfileList()
{
    profiles_ = ReadMainWindowProfileList(profileStore(), definitions(), targetSection_);
    const QSignalBlocker blocker(c.suiComboBox_PF);
    c.suiComboBox_PF->clear();
    setShown({"Label_PF", "suiComboBox_PF", "suiImageButton_SaveProfile", "suiImageButton_RemoveProfile"},
             profiles_.available);
    if (!profiles_.available)
        return;
    c.suiComboBox_PF->addItems(profiles_.texts);
    c.suiComboBox_PF->setCurrentIndex(profiles_.defaultIndex);
}

void ParameterPanel::ApplyProfile(int entry)
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

void ParameterPanel::suiComboBox_PFChange()
{
    const int entry = c.suiComboBox_PF->currentIndex();
    ApplyProfile(entry);
    suiComboBox_ProfileChange();
    RefreshOutputNames();
    rememberProfileIndex(entry);
}

// The target buttons put this entry back when the target is chosen again.
void ParameterPanel::rememberProfileIndex(int entry)
{
    QVector<TTargetType> &targetTypes = form_.targetSelector()->TargetTypes();
    if (form_.CurTargetType >= 0 && form_.CurTargetType < targetTypes.size())
        targetTypes[form_.CurTargetType].ProfileIndex = entry;
}

namespace {

ProfileQuestions QuestionsOver(QWidget *parent)
{
    return {[parent](const QString &text) { platform::questions().information(parent, kDisplayTitle, text); },
            [parent](const QString &text) { return platform::questions().confirm(parent, kDisplayTitle, text); }};
}

} // namespace

void ParameterPanel::suiImageButton_SaveProfileClick()
{
    if (!profiles_.available)
        return;
    const int entry = c.suiComboBox_PF->currentIndex();
    const QString offered = entry >= 0 ? profiles_.entries[entry].name : QStringLiteral("Custom Profile");
    const QString name =
        platform::questions().askText(&form_, kDisplayTitle, QStringLiteral("Profile Name :"), offered).trimmed();
    if (name.isEmpty())
        return;
    PanelProfileChoice choice;
    choice.video = {c.suiComboBox_OutputFormat->currentIndex(), c.suiComboBox_Resolution->currentIndex(),
                    c.suiComboBox_VideoFrameRate->currentIndex(), c.suiSpinEdit_VideoBitRate->value(),
                    c.suiComboBox_AudioBitRate->currentIndex(), c.suiComboBox_AudioSampleRate->currentIndex(),
                    c.suiTrackBar_Volume->value(), c.suiComboBox_VideoCodec->currentIndex()};
    choice.aspectIndex = c.suiComboBox_Profile->currentIndex();
    choice.audioCodecIndex = c.suiComboBox_AudioCodec->currentIndex();
    if (!profileStore().SaveProfile(profiles_.section, name, PanelProfileValueList(choice), QuestionsOver(&form_)))
        return;
    BuildProfileList();
    selectProfileNamed(name);
}

void ParameterPanel::suiImageButton_RemoveProfileClick()
{
    const int entry = c.suiComboBox_PF->currentIndex();
    if (!profiles_.available || entry < 0)
        return;
    const ProfileEntry &chosen = profiles_.entries[entry];
    if (!profileStore().RemoveProfile(profiles_.section, chosen.name, chosen.slot, QuestionsOver(&form_)))
        return;
    BuildProfileList();
    rememberProfileIndex(c.suiComboBox_PF->currentIndex());
}

// The panel already holds the saved values: the entry is only selected, not applied.
void ParameterPanel::selectProfileNamed(const QString &name)
{
    for (int entry = 0; entry < profiles_.entries.size(); ++entry) {
        if (profiles_.entries[entry].name.compare(name, Qt::CaseInsensitive) == 0) {
            SelectQuietly(*c.suiComboBox_PF, entry);
            rememberProfileIndex(entry);
            return;
        }
    }
}
