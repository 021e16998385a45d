#include "forms/options/MusicProfileEditor.h"

#include <QComboBox>
#include <QLineEdit>

#include "ChoiceListWidgets.h"
#include "ProfileEntryTexts.h"
#include "TargetCatalogue.h"
#include "controls/FormBuilding.h"
#include "controls/PictureButton.h"
#include "forms/options/OptionProfileAccess.h"

namespace {

constexpr int RowTop = 8;
constexpr int RowStep = 28;
constexpr int RowHeight = 22;

QRect LabelCell(int row) { return {16, RowTop + row * RowStep, 130, RowHeight}; }
QRect ControlCell(int row, int width = 150) { return {150, RowTop + row * RowStep, width, RowHeight}; }

QStringList MusicTypeNames()
{
    QStringList names;
    for (int target = targets::TargetAAC; target < targets::TargetCount; ++target)
        names.append(targets::TargetName(target));
    return names;
}

} // namespace

MusicProfileEditor::MusicProfileEditor(QWidget *form, const ProgramOptions &programOptions)
    : QWidget(form), options_(programOptions)
{
    setObjectName(QStringLiteral("Panel2"));
    // Beside the video profile editor, in the window's right half.
    setGeometry(480, 44, 480, 182);
    BuildControls();
    ConnectHandlers();
    suiComboBox_AudioFormat->addItems(MusicTypeNames());
    suiComboBox_AudioFormat->setCurrentIndex(0);
    suiComboBox_AudioFormatChange();
}

void MusicProfileEditor::BuildControls()
{
    using options::AddEditorCombo;
    AddLabel(this, QStringLiteral("Label16"), QStringLiteral("Auido Format :"), LabelCell(0));
    suiComboBox_AudioFormat = AddEditorCombo(this, QStringLiteral("suiComboBox_AudioFormat"), ControlCell(0, 100));
    AddLabel(this, QStringLiteral("Label1"), QStringLiteral("Profile :"), LabelCell(1));
    suiComboBox_Profile_Music = AddEditorCombo(this, QStringLiteral("suiComboBox_Profile_Music"), ControlCell(1, 300));
    AddLabel(this, QStringLiteral("Label17"), QStringLiteral("Audio Quality :"), LabelCell(2));
    suiComboBox_AudioBitRate_Music = AddEditorCombo(this, QStringLiteral("suiComboBox_AudioBitRate_Music"), ControlCell(2, 100));
    AddLabel(this, QStringLiteral("Label19"), QStringLiteral("Audio Sample Rate :"), LabelCell(3));
    suiComboBox_AudioSampleRate_Music =
        AddEditorCombo(this, QStringLiteral("suiComboBox_AudioSampleRate_Music"), ControlCell(3, 100));
    AddLabel(this, QStringLiteral("Label21"), QStringLiteral("Profile Name :"), LabelCell(4));
    suiEdit_ProfileName_Music = AddLineEdit(this, QStringLiteral("suiEdit_ProfileName_Music"), QString(), ControlCell(4));
    const int buttonTop = RowTop + 5 * RowStep;
    suiImageButton_Add_Music = AddPictureButton(this, QStringLiteral("suiImageButton_Add_Music"), QStringLiteral("caption"),
                                                {150, buttonTop}, QStringLiteral("Save the profile"));
    suiImageButton_Add_Music->setText(QStringLiteral("Save"));
    suiImageButton_Del_Music = AddPictureButton(this, QStringLiteral("suiImageButton_Del_Music"), QStringLiteral("caption"),
                                                {252, buttonTop}, QStringLiteral("Remove the profile"));
    suiImageButton_Del_Music->setText(QStringLiteral("Remove"));
}

void MusicProfileEditor::ConnectHandlers()
{
    connect(suiComboBox_AudioFormat, &QComboBox::activated, this, &MusicProfileEditor::suiComboBox_AudioFormatChange);
    connect(suiComboBox_Profile_Music, &QComboBox::activated, this, &MusicProfileEditor::suiComboBox_Profile_MusicChange);
    connect(suiEdit_ProfileName_Music, &QLineEdit::editingFinished, this, &MusicProfileEditor::suiEdit_ProfileName_MusicExit);
    connect(suiImageButton_Add_Music, &PictureButton::clicked, this, &MusicProfileEditor::suiImageButton_Add_MusicClick);
    connect(suiImageButton_Del_Music, &PictureButton::clicked, this, &MusicProfileEditor::suiImageButton_Del_MusicClick);
}

void MusicProfileEditor::suiComboBox_AudioFormatChange()
{
    const targets::ProfileDefinitions reader = options::ReadDefinitions();
    const QString section = options::DefinitionSectionOfType(suiComboBox_AudioFormat->currentText());
    targets::ApplyChoiceList(*suiComboBox_AudioBitRate_Music, targets::ReadChoiceList(reader, section, "AudioBitrate"));
    targets::ApplyChoiceList(*suiComboBox_AudioSampleRate_Music,
                             targets::ReadChoiceList(reader, section, "AudioSampleRate"));
}

void MusicProfileEditor::BuildProfileList()
{
    const targets::ProfileStore store = options::UserProfiles(options_);
    const targets::ProfileDefinitions reader = options::ReadDefinitions();
    entries_.clear();
    suiComboBox_Profile_Music->clear();
    for (const QString &typeName : MusicTypeNames()) {
        const QString definitionSection = options::DefinitionSectionOfType(typeName);
        for (const targets::ProfileEntry &entry : store.DialogEntries(targets::ProfileSectionName(typeName))) {
            entries_.append(TListMessage{typeName, entry});
            suiComboBox_Profile_Music->addItem(targets::MusicEntryText(reader, definitionSection, entry));
        }
    }
    if (entries_.isEmpty())
        return;
    suiComboBox_Profile_Music->setCurrentIndex(0);
    suiComboBox_Profile_MusicChange();
}

const TListMessage *MusicProfileEditor::SelectedEntry() const
{
    const int index = suiComboBox_Profile_Music->currentIndex();
    return index >= 0 && index < entries_.size() ? &entries_.at(index) : nullptr;
}

// The entry's type is chosen first, so that its fields 6 and 7 select in that type's lists.
void MusicProfileEditor::suiComboBox_Profile_MusicChange()
{
    const TListMessage *selected = SelectedEntry();
    if (!selected)
        return;
    const targets::ProfileStore store = options::UserProfiles(options_);
    const QString name = store.SlotName(selected->entry.section, selected->entry.slot);
    suiEdit_ProfileName_Music->setText(options::NameForField(name));
    suiComboBox_AudioFormat->setCurrentText(selected->typeName);
    suiComboBox_AudioFormatChange();
    const QString valueList = name == targets::NoDefinition ? name : store.ValueListOf(selected->entry.section, name);
    if (valueList == targets::NoDefinition)
        return;
    const targets::ProfileValues values = targets::ProfileValues::Parse(valueList);
    suiComboBox_AudioBitRate_Music->setCurrentIndex(values.AudioBitrateIndex());
    suiComboBox_AudioSampleRate_Music->setCurrentIndex(values.AudioSampleRateIndex());
}

void MusicProfileEditor::suiEdit_ProfileName_MusicExit()
{
    if (!suiEdit_ProfileName_Music->text().isEmpty())
        return;
    const TListMessage *selected = SelectedEntry();
    suiEdit_ProfileName_Music->setText(options::NameForField(
        selected ? options::UserProfiles(options_).SlotName(selected->entry.section, selected->entry.slot) : targets::NoDefinition));
}

void MusicProfileEditor::suiImageButton_Add_MusicClick()
{
    const QString section = targets::ProfileSectionName(suiComboBox_AudioFormat->currentText());
    const QString valueList = targets::MusicProfileValueList(suiComboBox_AudioBitRate_Music->currentIndex(),
                                                             suiComboBox_AudioSampleRate_Music->currentIndex());
    if (!options::UserProfiles(options_).SaveProfile(section, suiEdit_ProfileName_Music->text().trimmed(), valueList,
                                             options::QuestionsShownOver(window())))
        return;
    BuildProfileList();
    emit ProfilesChanged();
}

// The selected entry's type and slot; with no entry, the chosen audio type's section.
void MusicProfileEditor::suiImageButton_Del_MusicClick()
{
    const TListMessage *selected = SelectedEntry();
    const QString section =
        selected ? selected->entry.section : targets::ProfileSectionName(suiComboBox_AudioFormat->currentText());
    if (!options::UserProfiles(options_).RemoveProfile(section, suiEdit_ProfileName_Music->text().trimmed(),
                                               selected ? selected->entry.slot : -1,
                                               options::QuestionsShownOver(window())))
        return;
    BuildProfileList();
    emit ProfilesChanged();
}
