#include "TargetCatalogue.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

using namespace targets;

namespace {

QStringList NamesOf(const QVector<int> &numbers)
{
    QStringList names;
    for (int target : numbers)
        names << TargetName(target);
    return names;
}

} // namespace

TEST(TargetCatalogue, NamesAreUniqueAndFindTheirNumber)
{
    QSet<QString> seen;
    for (int target = 0; target < TargetCount; ++target) {
        const QString name = TargetName(target);
        ASSERT_FALSE(name.isEmpty()) << target;
        EXPECT_FALSE(seen.contains(name)) << name.toStdString();
        seen.insert(name);
        EXPECT_EQ(TargetNumberOfName(name), target);
    }
    EXPECT_EQ(seen.size(), 43);
    EXPECT_EQ(TargetNumberOfName("ipod"), -1);   // names match exactly
    EXPECT_TRUE(TargetName(-1).isEmpty());
    EXPECT_TRUE(TargetFolder(TargetCount).isEmpty());
}

TEST(TargetCatalogue, FoldersFollowTheNamesExceptTheDocumentedOnes)
{
    for (int target = 0; target < TargetCount; ++target) {
        const QString folder = TargetFolder(target);
        ASSERT_TRUE(folder.endsWith('/')) << folder.toStdString();
        QString expected = TargetName(target) + '/';
        if (IsDvdTarget(target))
            expected = "DVD/";
        else if (target == TargetAppleTV_HD)
            expected = "Apple_TV_HD/";
        else if (target >= TargetHDAVI && target <= TargetHDYoutube)
            expected = "HD_" + TargetName(target).mid(2) + '/';
        EXPECT_EQ(folder, expected) << target;
    }
}

TEST(TargetCatalogue, NumberRangesAndFlags)
{
    for (int target = 0; target < TargetCount; ++target) {
        EXPECT_EQ(IsDeviceTarget(target), target >= 18 && target <= 35) << target;
        EXPECT_EQ(DeviceTargets[target], IsDeviceTarget(target));
        EXPECT_EQ(IsDvdTarget(target), target >= 7 && target <= 10) << target;
        EXPECT_EQ(IsHdFileTarget(target), target >= 11 && target <= 16) << target;
        EXPECT_EQ(HasRememberedPanel(target), target <= 38) << target;
        EXPECT_EQ(IsRegisteredTarget(target), target <= 41) << target;
        EXPECT_EQ(IsAudioOnlyTarget(target), target == 39) << target;
    }
    EXPECT_FALSE(IsDeviceTarget(-1));
    EXPECT_FALSE(IsDeviceTarget(43));
}

TEST(TargetCatalogue, EveryTargetBelongsToOneCategoryWhoseDefaultIsAMember)
{
    int members = 0;
    for (int category = 0; category < CategoryCount; ++category) {
        const QVector<int> targets = TargetsOfCategory(category);
        members += targets.size();
        for (int target : targets)
            EXPECT_EQ(CategoryOfTarget(target), category);
        EXPECT_TRUE(targets.contains(DefaultTargetOfCategory(category))) << category;
    }
    EXPECT_EQ(members, TargetCount);
    EXPECT_EQ(DefaultTargetOfCategory(StartCategory), TargetiPod);
    EXPECT_EQ(DefaultTargetOfCategory(CategoryMusic), TargetMP3);
    EXPECT_EQ(DefaultTargetOfCategory(8), -1);
}

TEST(TargetCatalogue, RowsHoldTheirButtonsLeftToRight)
{
    EXPECT_EQ(NamesOf(TargetsInRow(CategoryApple)),
              QStringList({"iPod", "iPad", "iPhone", "AppleTV", "AppleTV_HD", "MP3"}));
    EXPECT_EQ(NamesOf(TargetsInRow(CategoryPortable)),
              QStringList({"Android", "BlackBerry", "Nokia", "General", "PDA", "ZEN"}));
    EXPECT_EQ(NamesOf(TargetsInRow(CategoryMusic)),
              QStringList({"AAC", "AC3", "M4A", "OGG", "WMA", "WAV"}));
    EXPECT_EQ(NamesOf(TargetsInRow(CategoryDVD)),
              QStringList({"VOB_File", "DVD_Folder", "DVD_Disc", "DVD_ISO"}));
    EXPECT_TRUE(TargetButton(TargetDVD_Disc).hidden);
    EXPECT_TRUE(TargetButton(TargetWAV).hidden);
    EXPECT_FALSE(TargetButton(TargetMP3).hidden);
}

TEST(TargetCatalogue, ButtonAndRowNamesAreUnique)
{
    QSet<QString> names;
    for (int target = 0; target < TargetCount; ++target)
        names.insert(TargetButton(target).buttonName);
    for (int category = 0; category < CategoryCount; ++category) {
        names.insert(Category(category).buttonName);
        names.insert(Category(category).rowName);
    }
    EXPECT_EQ(names.size(), TargetCount + 2 * CategoryCount);
}
