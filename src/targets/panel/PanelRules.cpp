#include "PanelRules.h"

#include "TargetCatalogue.h"

#include <array>

namespace targets {

bool IsCustomSizeAspectMode(int aspectMode)
{
    return aspectMode == 0 || aspectMode == 2;
}

bool UsesAspectModeSection(int target, int aspectMode)
{
    return target == TargetMPEG && aspectMode > 10;
}

PanelVisibility VisibilityOf(int target, int resolutionItemCount)
{
    const bool video = !IsAudioOnlyTarget(target);
    PanelVisibility shown;
    shown.deviceNames = IsDeviceTarget(target);
    shown.audioCodec = true;   // every target offers its codec lists
    shown.videoCodecAndFormat = video;
    shown.videoSettings = video;
    shown.resolutionList = video && resolutionItemCount > 0;
    shown.sizeFields = video && resolutionItemCount == 0;
    shown.dvdSetting = IsDvdTarget(target);
    return shown;
}

int RoundTowardZeroToMultipleOf4(int value)
{
    return value - value % 4;   // % truncates toward zero: -6 % 4 is -2
}

std::optional<QSize> SyncedSize(int aspectMode, QSize lastCustomSize, std::optional<QSize> clipSize)
{
    if (aspectMode == OriginalSizeAspectMode)
        return clipSize;
    if (!IsCustomSizeAspectMode(aspectMode))
        return std::nullopt;
    if (lastCustomSize.width() >= 8 && lastCustomSize.height() >= 8)
        return lastCustomSize;
    return clipSize;
}

VolumeTrack VolumeTrackOf(const QStringList &items, int selectedIndex)
{
    if (items.isEmpty())
        return {0, 0, selectedIndex};
    return {items.first().trimmed().toInt(), items.last().trimmed().toInt(), selectedIndex};
}

QString VolumeLabelText(int position)
{
    return QStringLiteral("+ %1 db.").arg(position);
}

const QStringList &DvdSettingItems()
{
    static const QStringList items = {
        QStringLiteral("DVD Format: NTSC, Aspact Ratio: 4:3 for Standard TV"),
        QStringLiteral("DVD Format: NTSC, Aspact Ratio: 16:9 for Wide-screen TV"),
        QStringLiteral("DVD Format: PAL, Aspact Ratio: 4:3 for Standard TV"),
        QStringLiteral("DVD Format: PAL, Aspact Ratio: 16:9 for Wide-screen TV"),
    };
    return items;
}

std::optional<DvdBoxes> DvdBoxesOfSetting(int settingIndex)
{
    static constexpr std::array<DvdBoxes, 4> Settings = {{
        {true, false, true, false},    // NTSC, 4:3
        {true, false, false, true},    // NTSC, 16:9
        {false, true, true, false},    // PAL, 4:3
        {false, true, false, true},    // PAL, 16:9
    }};
    if (settingIndex < 0 || settingIndex >= int(Settings.size()))
        return std::nullopt;
    return Settings[settingIndex];
}

QString EngineSwitchNotice(EngineSwitch engineSwitch)
{
    switch (engineSwitch) {
    case EngineSwitch::HighQuality:
        return QStringLiteral("This feature can improve the image quality. But it will slow down the converting process.");
    case EngineSwitch::Deinterlace:
        return QStringLiteral("If your original video is interleaving video, the Advanced De-interlace Accelerator can "
                              "make it much clearer.");
    case EngineSwitch::ForceSync:
        return QStringLiteral("If your original file's audio is out of sync with video, the Intelligent A/V "
                              "Synchronizer can help you solve the problem.\nPlease do not use this feature if there "
                              "is no such problem with your original file.");
    }
    return {};
}

} // namespace targets
