// The user profiles of the parameter panel: choosing one from the list, saving the
// panel as one and removing one.

#include "ParameterPanel.h"

#include "ModalQuestions.h"
#include "ProductTexts.h"
#include "mainform/TMainForm.h"
#include "mainform/TargetSelector.h"

#include <QComboBox>

using namespace targets;

// The entry last chosen on this target is shown again, without putting its profile on.
void ParameterPanel::ShowRememberedProfileEntry()
{
    const QVector<TTargetType> &targetTypes = form_.TargetSelectorControl()->TargetTypes();
    if (state_.target >= 0 && state_.target < targetTypes.size())
        SelectProfileEntry(state_, targetTypes[state_.target].ProfileIndex);
}

void ParameterPanel::suiComboBox_PFChange()
{
    const int entry = c.suiComboBox_PF->currentIndex();
    ChooseProfileEntry(state_, entry, Inputs());
    Show();
    RefreshOutputNames();
    RememberProfileIndex(entry);
}

// The target buttons put this entry back when the target is chosen again.
void ParameterPanel::RememberProfileIndex(int entry)
{
    QVector<TTargetType> &targetTypes = form_.TargetSelectorControl()->TargetTypes();
    if (form_.CurTargetType >= 0 && form_.CurTargetType < targetTypes.size())
        targetTypes[form_.CurTargetType].ProfileIndex = entry;
}

namespace {

ProfileQuestions QuestionsOver(QWidget *parent)
{
    return {[parent](const QString &text) { platform::Questions().Information(parent, kDisplayTitle, text); },
            [parent](const QString &text) { return platform::Questions().Confirm(parent, kDisplayTitle, text); }};
}

} // namespace

void ParameterPanel::suiImageButton_SaveProfileClick()
{
    const MainWindowProfileList &profiles = state_.profiles;
    if (!profiles.available)
        return;
    const int entry = state_.profileIndex;
    const QString offered = entry >= 0 ? profiles.entries[entry].name : QStringLiteral("Custom Profile");
    const QString name =
        platform::Questions().AskText(&form_, kDisplayTitle, QStringLiteral("Profile Name :"), offered).trimmed();
    if (name.isEmpty())
        return;
    if (!Profiles().SaveProfile(profiles.section, name, PanelProfileValueList(ProfileChoiceOf(state_)),
                                QuestionsOver(&form_)))
        return;
    // The panel already holds the saved values: the new entry is only selected, not applied.
    BuildProfileList(state_, Inputs());
    const QStringList names = ProfileNames(state_);
    for (int saved = 0; saved < names.size(); ++saved) {
        if (names[saved].compare(name, Qt::CaseInsensitive) == 0) {
            SelectProfileEntry(state_, saved);
            RememberProfileIndex(saved);
        }
    }
    Show();
}

void ParameterPanel::suiImageButton_RemoveProfileClick()
{
    const int entry = state_.profileIndex;
    if (!state_.profiles.available || entry < 0)
        return;
    const ProfileEntry &chosen = state_.profiles.entries[entry];
    if (!Profiles().RemoveProfile(state_.profiles.section, chosen.name, chosen.slot, QuestionsOver(&form_)))
        return;
    BuildProfileList(state_, Inputs());
    Show();
    RememberProfileIndex(state_.profileIndex);
}
