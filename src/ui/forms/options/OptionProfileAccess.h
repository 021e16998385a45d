#pragma once
// What the options dialog's profile editors share: the user profile store, the definition
// file (read afresh for each operation), the store's questions shown through the program's
// modal questions, and the editors' small controls.

#include "ProfileDefinitions.h"
#include "ProfileStore.h"

#include <QRect>

class ProgramOptions;
class QComboBox;
class QWidget;

namespace options {

// The name field's text when the selected entry has no name.
inline const QString CustomProfileName = QStringLiteral("Custom Profile");

targets::ProfileStore UserProfiles(const ProgramOptions &options);   // PfSetting.ini in the settings folder
targets::ProfileDefinitions ReadDefinitions();                       // PfDef.dll beside the program
targets::ProfileQuestions QuestionsShownOver(QWidget *parent);
// "Ostrel-" + the type's name: the dialog's definition section of a type.
QString DefinitionSectionOfType(const QString &typeName);
// A slot's name for the name field: "Custom Profile" for a free slot.
QString NameForField(const QString &slotName);

// A drop-down list of a profile editor, painted as an enabled parameter control.
QComboBox *AddEditorCombo(QWidget *parent, const QString &name, const QRect &geometry);

} // namespace options
