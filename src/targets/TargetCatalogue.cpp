#include "TargetCatalogue.h"

#include <QtGlobal>

#include <algorithm>

namespace targets {
namespace {

constexpr std::array<TargetButtonInfo, TargetCount> TargetButtons = {{
    {"sb_AVI", "to AVI", CategoryGeneralVideo, CategoryGeneralVideo, 0, false},
    {"sb_MP4", "to MP4", CategoryGeneralVideo, CategoryGeneralVideo, 116, false},
    {"sb_AVC", "to AVC", CategoryGeneralVideo, CategoryGeneralVideo, 232, false},
    {"sb_MPEG", "to MPEG", CategoryGeneralVideo, CategoryGeneralVideo, 348, false},
    {"sb_WMV", "to WMV", CategoryGeneralVideo, CategoryGeneralVideo, 464, false},
    {"sb_MOV", "to MOV", CategoryGeneralVideo, CategoryGeneralVideo, 580, false},
    {"sb_Youtube", "to Youtube", CategoryGeneralVideo, CategoryGeneralVideo, 696, false},
    {"sb_VOB_File", "to VOB", CategoryDVD, CategoryDVD, 0, false},
    {"sb_DVD_Folder", "to DVD Folder", CategoryDVD, CategoryDVD, 116, false},
    {"sb_DVD_Disc", "to DVD Disc", CategoryDVD, CategoryDVD, 232, true},
    {"sb_DVD_ISO", "to DVD ISO", CategoryDVD, CategoryDVD, 348, true},
    {"sb_HD_AVI", "to HD AVI", CategoryHDVideo, CategoryHDVideo, 0, false},
    {"sb_HD_MP4", "to HD MP4", CategoryHDVideo, CategoryHDVideo, 116, false},
    {"sb_HD_MPEG", "to HD MPEG", CategoryHDVideo, CategoryHDVideo, 232, false},
    {"sb_HD_TS", "to HD TS", CategoryHDVideo, CategoryHDVideo, 348, false},
    {"sb_HD_WMV", "to HD WMV", CategoryHDVideo, CategoryHDVideo, 464, false},
    {"sb_HD_MOV", "to HD MOV", CategoryHDVideo, CategoryHDVideo, 580, false},
    {"sb_HD_Youtube", "to HD Youtube", CategoryHDVideo, CategoryHDVideo, 696, false},
    {"sb_iPad", "", CategoryApple, CategoryApple, 116, false},
    {"sb_iPod", "", CategoryApple, CategoryApple, 0, false},
    {"sb_iPhone", "", CategoryApple, CategoryApple, 232, false},
    {"sb_AppleTV", "", CategoryApple, CategoryApple, 348, false},
    {"sb_AppleTV_HD", "", CategoryApple, CategoryApple, 464, false},
    {"sb_PSP", "to PSP", CategorySony, CategorySony, 0, false},
    {"sb_PS3", "to PS3", CategorySony, CategorySony, 116, false},
    {"sb_PS3_HD", "to PS3 HD", CategorySony, CategorySony, 232, false},
    {"sb_Xbox", "to Xbox", CategoryMicrosoft, CategoryMicrosoft, 0, false},
    {"sb_Xbox_HD", "to Xbox HD", CategoryMicrosoft, CategoryMicrosoft, 116, false},
    {"sb_Zune", "to Zune", CategoryMicrosoft, CategoryMicrosoft, 232, false},
    {"sb_Zune_HD", "to Zune HD", CategoryMicrosoft, CategoryMicrosoft, 348, false},
    {"sb_PDA", "to PDA", CategoryPortable, CategoryPortable, 464, false},
    {"sb_BlackBerry", "to blackBerry", CategoryPortable, CategoryPortable, 116, false},
    {"sb_General", "to General", CategoryPortable, CategoryPortable, 348, false},
    {"sb_ZEN", "to ZEN", CategoryPortable, CategoryPortable, 580, false},
    {"sb_Nokia", "to Nokia", CategoryPortable, CategoryPortable, 232, false},
    {"sb_Android", "to Android", CategoryPortable, CategoryPortable, 0, false},
    {"sb_AAC", "to AAC", CategoryMusic, CategoryMusic, 0, false},
    {"sb_AC3", "to AC3", CategoryMusic, CategoryMusic, 116, false},
    {"sb_M4A", "to M4a", CategoryMusic, CategoryMusic, 232, false},
    {"sb_MP3", "", CategoryMusic, CategoryApple, 582, false},
    {"sb_OGG", "to OGG", CategoryMusic, CategoryMusic, 464, false},
    {"sb_WMA", "to WMA", CategoryMusic, CategoryMusic, 580, false},
    {"sb_WAV", "", CategoryMusic, CategoryMusic, 696, true},
}};

constexpr std::array<CategoryInfo, CategoryCount> Categories = {{
    {"sb_GeneralVideo", "to General Video", "ip_GeneralVideo", TargetAVI, 0},
    {"sb_HD_Video", "to HD Video", "ip_HD_Video", TargetHDAVI, 216},
    {"sb_Apple", "to Apple", "ip_Apple", TargetiPod, 310},
    {"sb_Sony", "to Sony", "ip_Sony", TargetPSP, 404},
    {"sb_Microsoft", "to Microsoft", "ip_Microsoft", TargetXbox, 498},
    {"sb_Portable", "to Portable", "ip_Portable", TargetNokia, 592},
    {"sb_Music", "to Music", "ip_Music", TargetMP3, 685},
    {"sb_DVD", "to DVD", "ip_DVD", TargetVOB_File, 122},
}};

} // namespace

bool IsValidTarget(int target) { return target >= 0 && target < TargetCount; }
bool IsValidCategory(int category) { return category >= 0 && category < CategoryCount; }
bool IsRegisteredTarget(int target) { return target >= 0 && target < RegisteredTargetCount; }
bool IsDvdTarget(int target) { return target >= TargetVOB_File && target <= TargetDVD_ISO; }
bool IsSelectableTarget(int target) { return IsRegisteredTarget(target) && !TargetButtons[target].hidden; }
bool IsHdFileTarget(int target) { return target >= TargetHDAVI && target <= TargetHDMOV; }
bool IsDeviceTarget(int target) { return IsValidTarget(target) && DeviceTargets[target]; }
bool IsAudioOnlyTarget(int target) { return target == TargetMP3; }
bool IsMusicTarget(int target) { return target >= TargetAAC && target <= TargetWAV; }
bool HasRememberedPanel(int target) { return target >= 0 && target < RememberedPanelCount; }

QString TargetName(int target)
{
    return IsValidTarget(target) ? QString::fromLatin1(TargetNames[target]) : QString();
}

QString TargetFolder(int target)
{
    return IsValidTarget(target) ? QString::fromLatin1(TargetFolders[target]) : QString();
}

int TargetNumberOfName(const QString &name)
{
    for (int target = 0; target < TargetCount; ++target) {
        if (name == QLatin1String(TargetNames[target]))
            return target;
    }
    return -1;
}

const TargetButtonInfo &TargetButton(int target)
{
    Q_ASSERT(IsValidTarget(target));
    return TargetButtons[target];
}

const CategoryInfo &Category(int category)
{
    Q_ASSERT(IsValidCategory(category));
    return Categories[category];
}

int CategoryOfTarget(int target)
{
    return IsValidTarget(target) ? TargetButtons[target].category : -1;
}

int DefaultTargetOfCategory(int category)
{
    return IsValidCategory(category) ? Categories[category].defaultTarget : -1;
}

QVector<int> TargetsOfCategory(int category)
{
    QVector<int> members;
    for (int target = 0; target < TargetCount; ++target) {
        if (TargetButtons[target].category == category)
            members.append(target);
    }
    return members;
}

QVector<int> TargetsInRow(int category)
{
    QVector<int> placed;
    for (int target = 0; target < TargetCount; ++target) {
        if (TargetButtons[target].row == category)
            placed.append(target);
    }
    std::sort(placed.begin(), placed.end(), [](int left, int right) {
        return TargetButtons[left].rowOffset < TargetButtons[right].rowOffset;
    });
    return placed;
}

} // namespace targets
