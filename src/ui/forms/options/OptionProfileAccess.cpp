#include "forms/options/OptionProfileAccess.h"

#include <QComboBox>

#include "ChoiceListWidgets.h"
#include "ModalQuestions.h"
#include "ProductTexts.h"
#include "ProgramOptions.h"
#include "controls/FormBuilding.h"

namespace options {

targets::ProfileStore UserProfiles(const ProgramOptions &options)
{
    return targets::ProfileStore(options.ProfileSettingsFilePath());
}

targets::ProfileDefinitions ReadDefinitions()
{
    return targets::ProfileDefinitions::LoadShipped();
}

targets::ProfileQuestions QuestionsShownOver(QWidget *parent)
{
    return targets::ProfileQuestions{
        [parent](const QString &text) { platform::Questions().Information(parent, kDisplayTitle, text); },
        [parent](const QString &text) { return platform::Questions().Confirm(parent, kDisplayTitle, text); }};
}

QString DefinitionSectionOfType(const QString &typeName)
{
    return QStringLiteral("Ostrel-") + typeName;
}

QString NameForField(const QString &slotName)
{
    return slotName == targets::NoDefinition ? CustomProfileName : slotName;
}

QComboBox *AddEditorCombo(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setGeometry(geometry);
    SetFieldColour(combo, targets::ParameterControlColour(true));
    return combo;
}

} // namespace options
