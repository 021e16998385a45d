#pragma once
// Puts the result of a definition read onto the real controls.

#include "ProfileDefinitions.h"

#include <QColor>

class QComboBox;
class QSpinBox;

namespace targets {

// Grey (202, 202, 202) for enabled parameter controls, white for disabled ones.
QColor ParameterControlColour(bool enabled);
// Light green (203, 233, 171) of the aspect and resolution lists and the width and height
// fields, whatever their state.
QColor AspectControlColour();

// Replaces the items, selection and enabled state. Signals are blocked: filling a list
// is not a user's choice and runs no change handler.
void ApplyChoiceList(QComboBox &combo, const ChoiceList &list);
void ApplyNumberSetting(QSpinBox &spin, const NumberSetting &setting);

} // namespace targets
