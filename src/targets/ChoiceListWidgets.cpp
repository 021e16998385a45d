#include "ChoiceListWidgets.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>

namespace targets {
namespace {

void PaintBase(QWidget &control, bool enabled)
{
    QPalette palette = control.palette();
    const QColor colour = ParameterControlColour(enabled);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    control.setPalette(palette);
}

} // namespace

QColor ParameterControlColour(bool enabled)
{
    return enabled ? QColor(202, 202, 202) : QColor(255, 255, 255);
}

QColor AspectControlColour()
{
    return QColor(203, 233, 171);
}

void ApplyChoiceList(QComboBox &combo, const ChoiceList &list)
{
    const QSignalBlocker blocker(combo);
    combo.clear();
    combo.addItems(list.items);
    combo.setCurrentIndex(list.selectedIndex);
    combo.setEnabled(list.enabled);
    PaintBase(combo, list.enabled);
}

void ApplyNumberSetting(QSpinBox &spin, const NumberSetting &setting)
{
    spin.setRange(setting.minimum, setting.maximum);
    spin.setValue(setting.value);
    spin.setSingleStep(setting.step);
    spin.setEnabled(setting.enabled);
    PaintBase(spin, setting.enabled);
}

} // namespace targets
