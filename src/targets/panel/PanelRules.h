#pragma once
// Rules of the main window's parameter panel that need no window: which controls a
// target shows, the volume track bar's range, the size rules of the width and height
// fields, the DVD settings and the texts of the engine-switch notices.

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace targets {

// The single resolution item of the HD targets while the output keeps the source size.
inline const QString OriginalSizeItem = QStringLiteral("Original Width : Height");

// Aspect mode 1 keeps the source size; modes 0 and 2 take a custom size.
constexpr int OriginalSizeAspectMode = 1;
bool IsCustomSizeAspectMode(int aspectMode);
// Target MPEG reads every list of an aspect mode above 10 from that mode's own section.
bool UsesAspectModeSection(int target, int aspectMode);

// Which optional controls the panel shows for a target, given the number of items
// its resolution list holds after the fill.
struct PanelVisibility {
    bool deviceNames = false;          // Label19, suiEdit_DVDName, Label23, suiEdit_ArtistName
    bool audioCodec = false;           // Label8, suiComboBox_AudioCodec
    bool videoCodecAndFormat = false;  // Label20, suiComboBox_VideoCodec, Label9, suiComboBox_OutputFormat
    bool videoSettings = false;        // frame rate, video bitrate, aspect and the three engine switches
    bool resolutionList = false;       // suiComboBox_Resolution
    bool sizeFields = false;           // suiSpinEdit_VideoWidth, suiSpinEdit_VideoHeight, Label21
    bool dvdSetting = false;           // Label_DVDSetting, suiComboBox_DVDPF

    bool operator==(const PanelVisibility &) const = default;
};
PanelVisibility VisibilityOf(int target, int resolutionItemCount);

// A width or height left by the user becomes a multiple of 4, rounded toward zero.
int RoundTowardZeroToMultipleOf4(int value);

// The size the width and height fields take after an aspect change: the clip's size
// in mode 1, the last custom size in modes 0 and 2 (the clip's size when a number of
// it is below 8); nothing when there is no clip to take a size from or in other modes.
std::optional<QSize> SyncedSize(int aspectMode, QSize lastCustomSize, std::optional<QSize> clipSize);

// The volume track bar mirrors the volume list: its range runs from the number of the
// first item to that of the last (0 to 0 for an empty list), its position is the
// selected item's index.
struct VolumeTrack {
    int minimum = 0;
    int maximum = 0;
    int position = 0;

    bool operator==(const VolumeTrack &) const = default;
};
VolumeTrack VolumeTrackOf(const QStringList &items, int selectedIndex);
QString VolumeLabelText(int position);   // "+ 3 db."

// The four items of suiComboBox_DVDPF, in order.
const QStringList &DvdSettingItems();

// The check boxes a DVD setting of suiComboBox_DVDPF sets; nothing outside 0..3.
struct DvdBoxes {
    bool ntsc = false;
    bool pal = false;
    bool fourThree = false;
    bool wide = false;

    bool operator==(const DvdBoxes &) const = default;
};
std::optional<DvdBoxes> DvdBoxesOfSetting(int settingIndex);

enum class EngineSwitch { HighQuality, Deinterlace, ForceSync };
// What checking an engine switch tells the user.
QString EngineSwitchNotice(EngineSwitch engineSwitch);

} // namespace targets
