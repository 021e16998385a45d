#pragma once
// The fixed catalogue of conversion targets: numbers, names, output sub-folders and the
// eight categories with their selector buttons. Target number 0..42 and category number
// 0..7 are the keys the whole program uses; the tables never change at run time.

#include <QString>
#include <QVector>

#include <array>

namespace targets {

constexpr int TargetCount = 43;
constexpr int CategoryCount = 8;
// Targets 0..41 get a selector record; 42 (WAV) has a button that is never registered.
constexpr int RegisteredTargetCount = 42;
// Targets 0..38 have a remembered parameter panel in the main window.
constexpr int RememberedPanelCount = 39;

// Target numbers that other code tests by number.
enum TargetNumber : int {
    TargetAVI = 0, TargetMP4, TargetAVC, TargetMPEG, TargetWMV, TargetMOV, TargetYoutube,
    TargetVOB_File, TargetDVD_Folder, TargetDVD_Disc, TargetDVD_ISO,
    TargetHDAVI, TargetHDMP4, TargetHDMPEG, TargetHDTS, TargetHDWMV, TargetHDMOV, TargetHDYoutube,
    TargetiPad, TargetiPod, TargetiPhone, TargetAppleTV, TargetAppleTV_HD,
    TargetPSP, TargetPS3, TargetPS3_HD,
    TargetXbox, TargetXbox_HD, TargetZune, TargetZune_HD,
    TargetPDA, TargetBlackBerry, TargetGeneral, TargetZEN, TargetNokia, TargetAndroid,
    TargetAAC, TargetAC3, TargetM4A, TargetMP3, TargetOGG, TargetWMA, TargetWAV,
};

enum CategoryNumber : int {
    CategoryGeneralVideo = 0, CategoryHDVideo, CategoryApple, CategorySony,
    CategoryMicrosoft, CategoryPortable, CategoryMusic, CategoryDVD,
};

// Selected when the main window is first shown.
constexpr int StartCategory = CategoryApple;

inline constexpr std::array<const char *, TargetCount> TargetNames = {
    "AVI", "MP4", "AVC", "MPEG", "WMV", "MOV", "Youtube",
    "VOB_File", "DVD_Folder", "DVD_Disc", "DVD_ISO",
    "HDAVI", "HDMP4", "HDMPEG", "HDTS", "HDWMV", "HDMOV", "HDYoutube",
    "iPad", "iPod", "iPhone", "AppleTV", "AppleTV_HD",
    "PSP", "PS3", "PS3_HD",
    "Xbox", "Xbox_HD", "Zune", "Zune_HD",
    "PDA", "BlackBerry", "General", "ZEN", "Nokia", "Android",
    "AAC", "AC3", "M4A", "MP3", "OGG", "WMA", "WAV",
};

// Output sub-folders below the output root; each ends with "/".
inline constexpr std::array<const char *, TargetCount> TargetFolders = {
    "AVI/", "MP4/", "AVC/", "MPEG/", "WMV/", "MOV/", "Youtube/",
    "DVD/", "DVD/", "DVD/", "DVD/",
    "HD_AVI/", "HD_MP4/", "HD_MPEG/", "HD_TS/", "HD_WMV/", "HD_MOV/", "HD_Youtube/",
    "iPad/", "iPod/", "iPhone/", "AppleTV/", "Apple_TV_HD/",
    "PSP/", "PS3/", "PS3_HD/",
    "Xbox/", "Xbox_HD/", "Zune/", "Zune_HD/",
    "PDA/", "BlackBerry/", "General/", "ZEN/", "Nokia/", "Android/",
    "AAC/", "AC3/", "M4A/", "MP3/", "OGG/", "WMA/", "WAV/",
};

// True for the device targets 18..35, which show the display-name and artist fields.
inline constexpr std::array<bool, TargetCount> DeviceTargets = [] {
    std::array<bool, TargetCount> flags{};
    for (int target = TargetiPad; target <= TargetAndroid; ++target)
        flags[target] = true;
    return flags;
}();

// One target button: its control name, caption ("" when the button has none),
// the row it sits in (a category number) and its pixel offset in that row.
struct TargetButtonInfo {
    const char *buttonName;
    const char *caption;
    int category;      // the category the target belongs to
    int row;           // the category whose row holds the button (MP3 sits in the Apple row)
    int rowOffset;
    bool hidden;       // DVD_Disc and DVD_ISO are built but never shown
};

struct CategoryInfo {
    const char *buttonName;
    const char *caption;
    const char *rowName;
    int defaultTarget;
    int barOffset;     // pixel offset of the button in the category bar
};

bool IsValidTarget(int target);
bool IsValidCategory(int category);
bool IsRegisteredTarget(int target);      // 0..41: has a selector record
bool IsSelectableTarget(int target);     // registered and with a shown button (not DVD Disc, DVD ISO)
bool IsDvdTarget(int target);             // 7..10: DVD settings list, authoring
bool IsHdFileTarget(int target);          // 11..16: resolution list replaced in aspect mode 1
bool IsDeviceTarget(int target);          // DeviceTargets, false outside 0..42
bool IsAudioOnlyTarget(int target);       // 39 (MP3): the panel hides every video setting
bool IsMusicTarget(int target);           // 36..42: the output has sound and no picture
bool HasRememberedPanel(int target);      // 0..38

// Texts of a target; empty for numbers outside the catalogue.
QString TargetName(int target);
QString TargetFolder(int target);
// The target number of a name as in TargetNames (exact match), or -1.
int TargetNumberOfName(const QString &name);

// Button data of a target; asserts a valid number.
const TargetButtonInfo &TargetButton(int target);
const CategoryInfo &Category(int category);

int CategoryOfTarget(int target);         // -1 outside the catalogue
int DefaultTargetOfCategory(int category);  // -1 outside 0..7
// Targets whose category is `category`, in ascending number.
QVector<int> TargetsOfCategory(int category);
// Buttons placed in the row of `category`, left to right (hidden ones included).
QVector<int> TargetsInRow(int category);

} // namespace targets
