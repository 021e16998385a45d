// Where the panel's controls stand as targets change: the DVD settings only for the DVD
// targets, and for every category every visible control inside the window, none over another.

#include "PanelFixture.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>

#include "TargetCatalogue.h"

namespace {

class PanelLayoutTest : public PanelFixture {};

TEST_F(PanelLayoutTest, DvdSettingsShowInThePanelForTheDvdTargetsOnly)
{
    StartWithShippedDefinitions();
    const QStringList dvdControls = {"DVDPanel", "suiCheckBox_DVD_NTSC", "suiCheckBox_DVD_PAL", "suiCheckBox_DVD_169",
                                     "suiCheckBox_DVD_43", "suiComboBox_DVDPF"};
    const auto dvdControlsVisible = [&](bool expected) {
        for (const QString &name : dvdControls)
            EXPECT_EQ(Control(name.toLatin1().constData())->isVisible(), expected) << name.toStdString();
    };
    dvdControlsVisible(false);
    Click("sb_DVD");
    dvdControlsVisible(true);
    Click("sb_DVD_Folder");
    dvdControlsVisible(true);
    EXPECT_TRUE(Control("suiEdit_DVDName")->isHidden());   // the panel takes the device names' place
    Click("sb_HD_Video");
    dvdControlsVisible(false);
    Click("sb_Apple");
    EXPECT_TRUE(Control("suiEdit_DVDName")->isVisible());
    dvdControlsVisible(false);
}

// Every visible control lies inside the window and no two of them overlap, for every
// target of every category's row.
TEST_F(PanelLayoutTest, EveryTargetShowsItsControlsInsideTheWindowWithoutOverlap)
{
    StartWithShippedDefinitions();
    const QRect window(QPoint(), Form().size());
    const auto checkLayout = [&](const QString &state) {
        QVector<QPair<QString, QRect>> shown;
        for (QWidget *widget : Form().findChildren<QWidget *>()) {
            const auto *label = qobject_cast<QLabel *>(widget);
            const bool isControl = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget) ||
                                   qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractSpinBox *>(widget) ||
                                   qobject_cast<QAbstractSlider *>(widget) || (label && !label->text().isEmpty());
            if (!isControl || !widget->isVisible())
                continue;
            // Inner parts of composite controls (a combo's line edit, a spin box's editor) go with their control.
            if (qobject_cast<QComboBox *>(widget->parentWidget()) || qobject_cast<QAbstractSpinBox *>(widget->parentWidget()))
                continue;
            const QRect area(widget->mapTo(&Form(), QPoint()), widget->size());
            if (!window.intersects(area))
                continue;   // kept out of sight on purpose (the audio channel list, the MPEG letter box)
            EXPECT_TRUE(window.contains(area)) << state.toStdString() << ": " << widget->objectName().toStdString();
            shown.append({widget->objectName(), area});
        }
        for (int i = 0; i < shown.size(); ++i)
            for (int j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(shown[i].second.intersects(shown[j].second))
                    << state.toStdString() << ": " << shown[i].first.toStdString() << " and "
                    << shown[j].first.toStdString();
    };
    for (int category = 0; category < targets::CategoryCount; ++category) {
        Click(targets::Category(category).buttonName);
        for (int target : targets::TargetsInRow(category)) {
            auto *button = Control<QAbstractButton>(targets::TargetButton(target).buttonName);
            if (!button->isVisible())
                continue;
            if (button->isEnabled())
                button->click();
            checkLayout(targets::TargetName(target));
        }
    }
}

} // namespace
