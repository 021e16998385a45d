#include "ChoiceListWidgets.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QSignalSpy>
#include <QSpinBox>

using namespace targets;

namespace {

TEST(ChoiceListWidgets, ComboShowsTheListWithoutRunningChangeHandlers)
{
    QComboBox combo;
    combo.addItems({"avi"});
    QSignalSpy changes(&combo, &QComboBox::currentIndexChanged);
    ApplyChoiceList(combo, ChoiceList{{"320:240", "640:480"}, 1, true});
    EXPECT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.currentText(), "640:480");
    EXPECT_TRUE(combo.isEnabled());
    EXPECT_EQ(combo.palette().color(QPalette::Base), QColor(202, 202, 202));
    ApplyChoiceList(combo, ChoiceList{{}, -1, false});
    EXPECT_EQ(combo.count(), 0);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_FALSE(combo.isEnabled());
    EXPECT_EQ(combo.palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_EQ(changes.count(), 0);
}

TEST(ChoiceListWidgets, SpinBoxTakesRangeValueAndStep)
{
    QSpinBox spin;
    ApplyNumberSetting(spin, NumberSetting{100, 1600, 812, 4, true});
    EXPECT_EQ(spin.minimum(), 100);
    EXPECT_EQ(spin.maximum(), 1600);
    EXPECT_EQ(spin.value(), 812);
    EXPECT_EQ(spin.singleStep(), 4);
    EXPECT_TRUE(spin.isEnabled());
    ApplyNumberSetting(spin, NumberSetting{5000, 5000, 5000, 0, false});
    EXPECT_EQ(spin.value(), 5000);
    EXPECT_FALSE(spin.isEnabled());
}

} // namespace
