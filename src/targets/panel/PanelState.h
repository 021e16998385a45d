#pragma once
// The main window's parameter panel as a value: every list's items and selection, the
// fields, switches, texts, DVD settings and which controls are shown, changed only by the
// plain functions below, which make the same steps as the window's handlers. The window's
// panel (ParameterPanel) shows a PanelState; a program without a window uses it directly:
//
//     const auto definitions = targets::ProfileDefinitions::LoadShipped();
//     const targets::ProfileStore store(options.ProfileSettingsFilePath());
//     const targets::PanelInputs inputs{definitions, &store, clipSize, options.outputFolder};
//     targets::PanelState panel;
//     targets::SelectTarget(panel, targets::TargetiPod, inputs);   // fill, preselected profile
//     if (auto problem = targets::ApplyProfileNamed(panel, "My profile", inputs)) ...;
//     if (auto problem = targets::SetByKey(panel, "VideoBitRate", "700", inputs)) ...;
//     conversion::JobPanelValues job = conversion::JobPanelValuesOf(panel);   // JobPanelValues.h
//
// Every function returning std::optional<QString> answers nothing when done, else why not.

#include "OutputPanelValues.h"
#include "PanelRules.h"
#include "ProfileDefinitions.h"
#include "ProfileEntryTexts.h"
#include "ProfileStore.h"
#include "RememberedPanels.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <limits>
#include <optional>

namespace targets {

// Which controls the panel shows. The defaults are the window's before the first fill.
struct PanelShown {
    bool deviceNames = true;          // Label19, suiEdit_DVDName, Label23, suiEdit_ArtistName
    bool audioCodec = true;           // Label8, suiComboBox_AudioCodec
    bool videoCodecAndFormat = true;  // Label20, suiComboBox_VideoCodec, Label9, suiComboBox_OutputFormat
    bool videoSettings = true;        // Label4, Label5, Label12, Label1, frame rate, bit rate, aspect, engine switches
    bool resolutionLabel = true;      // Label3
    bool resolutionList = true;       // suiComboBox_Resolution
    bool sizeFields = false;          // suiSpinEdit_VideoWidth, suiSpinEdit_VideoHeight, Label21
    bool dvdSetting = false;          // Label_DVDSetting, suiComboBox_DVDPF
    bool letterBox = true;            // suiCheckBox_AddLetterBox (outside the visible area)
    bool profileList = true;          // Label_PF, suiComboBox_PF, suiImageButton_SaveProfile, suiImageButton_RemoveProfile

    bool operator==(const PanelShown &) const = default;
};

// A spin field: its range (the maximum never below the minimum) and its value within it.
inline constexpr NumberSetting DesignTimeNumber{std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                                                812, 1, true};

struct PanelState {
    int target = -1;                  // CurTargetType
    QString targetSection;            // "Ostrel-" + the target's name; empty before the first fill
    int aspectMode = 0;               // resolved value of the selected aspect choice
    QSize lastCustomSize{0, 0};

    // The lists, with their design-time items until the first fill.
    ChoiceList outputFormat{{QStringLiteral("avi")}, 0, true};
    ChoiceList videoCodec{{}, -1, true};
    ChoiceList audioCodec{{}, -1, true};
    ChoiceList aspect{{QStringLiteral("Original Size and Keep Aspect Ratio"),
                       QStringLiteral("Custom Size and Keep Aspect Ratio"),
                       QStringLiteral("Custom Size with Custom Aspect Ratio")},
                      0, true};          // suiComboBox_Profile, "Output Image Setting"
    ChoiceList resolution{{}, -1, true};
    ChoiceList frameRate{{QStringLiteral("23.97"), QStringLiteral("24"), QStringLiteral("25"), QStringLiteral("29.97")},
                         0, true};
    ChoiceList audioBitrate{{}, -1, true};
    ChoiceList audioSampleRate{{}, -1, true};
    ChoiceList audioChannel{{QStringLiteral("1 Channel Mono"), QStringLiteral("2 Channels Stereo")}, 0, true};
    ChoiceList volumeList{{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                           QStringLiteral("8"), QStringLiteral("9")},
                          0, true};      // suiComboBox_Volume, never shown
    ChoiceList cpu{{QStringLiteral("1")}, 0, false};   // suiComboBox_CPU, filled at start-up

    NumberSetting videoBitRate = DesignTimeNumber;
    NumberSetting videoWidth = DesignTimeNumber;    // its enabled state is the height field's too
    NumberSetting videoHeight = DesignTimeNumber;
    VolumeTrack volume{0, 9, 0};                     // suiTrackBar_Volume; Label_DB shows VolumeLabelText

    bool highQuality = false;         // suiCheckBox_HQE
    bool deinterlace = false;         // suiCheckBox_DeInterlace
    bool forceSync = false;           // suiCheckBox_ForceSync
    bool addLetterBox = true;         // suiCheckBox_AddLetterBox

    int dvdSettingIndex = 0;                          // suiComboBox_DVDPF (items: DvdSettingItems)
    DvdBoxes dvdBoxes = *DvdBoxesOfSetting(0);        // the boxes start as the first setting says
    bool addLetterBoxVob = true;                      // suiCheckBox_AddLetterBox_VOB

    QString dvdName = QStringLiteral("Video");        // suiEdit_DVDName
    QString artistName = QStringLiteral("Unknown");   // suiEdit_ArtistName
    QString outputFolder;                             // suiEdit_OutputFolder

    MainWindowProfileList profiles;   // what suiComboBox_PF lists
    int profileIndex = -1;            // its selected entry

    PanelShown shown;
    RememberedPanels remembered;      // what the user left on each target

    bool operator==(const PanelState &) const = default;
};

// What the panel reads besides its own state.
struct PanelInputs {
    const ProfileDefinitions &definitions;
    const ProfileStore *profileStore = nullptr;   // none: no target has user profiles
    std::optional<QSize> clipSize;                // the clip shown in the detail area, if any
    QString outputRoot;                           // the options' output root, ending with "/"
};

// --- The window's steps --------------------------------------------------------------

// Stores the current target's panel, fills the panel for `target` from the definitions,
// builds its profile list and puts the preselected profile on, runs the aspect handling,
// shows the target's controls and puts back what the user left on `target`.
void SelectTarget(PanelState &state, int target, const PanelInputs &inputs);
// The same with `profile` put on in place of the profile list's preselected entry
// (none: the definitions' preselection).
void SelectTargetWithProfile(PanelState &state, int target, const PanelInputs &inputs,
                             const std::optional<ProfileValues> &profile);

// suiComboBox_ProfileChange: another "Output Image Setting" entry (an index outside the list selects none).
void ChooseAspect(PanelState &state, int index, const PanelInputs &inputs);
// The aspect handling alone, for the entry already selected.
void RunAspectHandling(PanelState &state, const PanelInputs &inputs);
// suiComboBox_OutputFormatChange: another output format; both codec lists follow it.
void ChooseOutputFormat(PanelState &state, int index, const PanelInputs &inputs);
// suiComboBox_PFChange: puts the profile of list entry `entry` on and runs the aspect handling.
void ChooseProfileEntry(PanelState &state, int entry, const PanelInputs &inputs);
// Selects a profile list entry without putting its profile on (the panel holds it already,
// or the entry is the one last chosen on the target); an entry outside the list changes nothing.
void SelectProfileEntry(PanelState &state, int entry);
// Reads the current target's profile list again; its preselected entry becomes selected.
void BuildProfileList(PanelState &state, const PanelInputs &inputs);
// What saving the panel as a profile writes.
PanelProfileChoice ProfileChoiceOf(const PanelState &state);

// The lists whose choice changes nothing else on the panel.
enum class PanelList { VideoCodec, AudioCodec, Resolution, FrameRate, AudioBitrate, AudioSampleRate, AudioChannel, Cpu };
void SelectChoice(PanelState &state, PanelList list, int index);
ChoiceList &ListOf(PanelState &state, PanelList list);

enum class SizeField { Width, Height };
// A value put in a size field, held within its range (typing does not round).
void SetSizeValue(PanelState &state, SizeField field, int value);
// suiSpinEdit_VideoWidthExit: the field's value becomes a multiple of 4, rounded toward zero.
void LeaveSizeField(PanelState &state, SizeField field);
void SetVideoBitRate(PanelState &state, int kbps);   // held within the field's range
void SetVolumePosition(PanelState &state, int position);   // held within the track bar's range
void SetEngineSwitch(PanelState &state, EngineSwitch engineSwitch, bool on);

// suiComboBox_DVDPFChange: the DVD check boxes as setting `index` says (nothing outside 0..3).
void ChooseDvdSetting(PanelState &state, int index);
enum class DvdBox { Ntsc, Pal, Wide, FourThree };
// suiCheckBox_DVD_NTSCMouseUp: the released box is checked and its partner not.
void ReleaseDvdBox(PanelState &state, DvdBox box);
// One box checked or cleared on its own, its partner left as it is.
void SetDvdBox(PanelState &state, DvdBox box, bool on);

// --- Profiles and single edits by key ---------------------------------------------------

// The names of the current target's saved profiles, as its profile list holds them.
QStringList ProfileNames(const PanelState &state);
// Chooses the profile named `name` (any case) in the profile list, as the user would.
std::optional<QString> ApplyProfileNamed(PanelState &state, const QString &name, const PanelInputs &inputs);

// The keys of single edits: the definition file's families of the values a profile saves,
// then the other values of the panel.
struct PanelKey {
    const char *name;
    const char *meaning;
};
const QList<PanelKey> &PanelKeys();

// One edit: a list by an entry's shown text or its engine value, a spin field by a whole
// number, a switch by on/off, a text as given. Follows up as the window does (codec lists
// after the output format, the aspect handling after the aspect).
std::optional<QString> SetByKey(PanelState &state, const QString &key, const QString &value,
                                const PanelInputs &inputs);
// "choices: 64, 96, *128" (the selected one marked), a spin field's value and range, or the value.
QString ChoicesText(const PanelState &state, const QString &key);

// --- What others read -----------------------------------------------------------------

naming::OutputPanelValues OutputPanelValuesOf(const PanelState &state, const ProfileDefinitions &definitions);

} // namespace targets
