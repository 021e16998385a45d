#include "forms/options/VideoProfileEditor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "ChoiceListWidgets.h"
#include "ProfileEntryTexts.h"
#include "TargetCatalogue.h"
#include "controls/FormBuilding.h"
#include "controls/PictureButton.h"
#include "forms/options/OptionProfileAccess.h"

namespace {

// Output types of the editor: the targets before the music ones.
constexpr int VideoTypeCount = targets::TargetAAC;

constexpr int RowTop = 8;
constexpr int RowStep = 28;
constexpr int RowHeight = 22;

QRect LeftLabel(int row) { return {16, RowTop + row * RowStep, 112, RowHeight}; }
QRect LeftControl(int row, int width = 100) { return {130, RowTop + row * RowStep, width, RowHeight}; }
QRect RightLabel(int row, int width = 110) { return {242, RowTop + row * RowStep, width, RowHeight}; }
QRect RightControl(int row, int width = 110) { return {354, RowTop + row * RowStep, width, RowHeight}; }

// Clears a list and sets its enabled state, as a format selection does before it reads.
void ClearList(QComboBox *combo, bool enabled)
{
    targets::ApplyChoiceList(*combo, targets::ChoiceList{.items = {}, .selectedIndex = -1, .enabled = enabled});
}

} // namespace

VideoProfileEditor::VideoProfileEditor(QWidget *form, const ProgramOptions &programOptions)
    : QWidget(form), options_(programOptions)
{
    setObjectName(QStringLiteral("Panel1"));
    setGeometry(0, 44, 480, 182);
    BuildControls();
    ConnectHandlers();
    for (int target = 0; target < VideoTypeCount; ++target)
        suiComboBox_Type->addItem(targets::TargetName(target));
    suiComboBox_Type->setCurrentIndex(0);   // its lists are read when the dialog is shown
}

void VideoProfileEditor::BuildControls()
{
    using options::AddEditorCombo;
    AddLabel(this, QStringLiteral("Label22"), QStringLiteral("Output Type :"), LeftLabel(0));
    suiComboBox_Type = AddEditorCombo(this, QStringLiteral("suiComboBox_Type"), LeftControl(0));
    AddLabel(this, QStringLiteral("Label14"), QStringLiteral("Profile :"), RightLabel(0, 50));
    suiComboBox_Profile = AddEditorCombo(this, QStringLiteral("suiComboBox_Profile"), QRect(296, RowTop, 168, RowHeight));
    AddLabel(this, QStringLiteral("Label12"), QStringLiteral("Output File Format :"), LeftLabel(1));
    suiComboBox_VideoFormat = AddEditorCombo(this, QStringLiteral("suiComboBox_VideoFormat"), LeftControl(1));
    AddLabel(this, QStringLiteral("Label23"), QStringLiteral("Video Codec :"), RightLabel(1));
    suiComboBox_VideoCodec = AddEditorCombo(this, QStringLiteral("suiComboBox_VideoCodec"), RightControl(1));
    AddLabel(this, QStringLiteral("Label3"), QStringLiteral("Video Resolution : "), LeftLabel(2));
    suiComboBox_Resolution = AddEditorCombo(this, QStringLiteral("suiComboBox_Resolution"), LeftControl(2));
    AddLabel(this, QStringLiteral("Label4"), QStringLiteral("Video Frame Rate :"), RightLabel(2));
    suiComboBox_VideoFrameRate = AddEditorCombo(this, QStringLiteral("suiComboBox_VideoFrameRate"), RightControl(2));
    AddLabel(this, QStringLiteral("Label5"), QStringLiteral("Video Quality :"), LeftLabel(3));
    suiSpinEdit_VideoBitRate = new QSpinBox(this);
    suiSpinEdit_VideoBitRate->setObjectName(QStringLiteral("suiSpinEdit_VideoBitRate"));
    suiSpinEdit_VideoBitRate->setGeometry(LeftControl(3, 64));
    suiSpinEdit_VideoBitRate->setButtonSymbols(QAbstractSpinBox::NoButtons);
    AddLabel(this, QStringLiteral("Label10"), QStringLiteral("Kbps"), QRect(198, RowTop + 3 * RowStep, 32, RowHeight));
    AddLabel(this, QStringLiteral("Label6"), QStringLiteral("Audio Quality :"), RightLabel(3));
    suiComboBox_AudioBitRate = AddEditorCombo(this, QStringLiteral("suiComboBox_AudioBitRate"), RightControl(3, 76));
    AddLabel(this, QStringLiteral("Label2"), QStringLiteral("Kbps"), QRect(434, RowTop + 3 * RowStep, 30, RowHeight));
    AddLabel(this, QStringLiteral("Label11"), QStringLiteral("Audio Sample Rate :"), LeftLabel(4));
    suiComboBox_AudioSampleRate = AddEditorCombo(this, QStringLiteral("suiComboBox_AudioSampleRate"), LeftControl(4, 76));
    AddLabel(this, QStringLiteral("Label9"), QStringLiteral("Hz"), QRect(210, RowTop + 4 * RowStep, 20, RowHeight));
    suiComboBox_Volume = AddEditorCombo(this, QStringLiteral("suiComboBox_Volume"), RightControl(4));
    suiComboBox_Volume->hide();
    AddLabel(this, QStringLiteral("Label13"), QStringLiteral("Profile Name :"), LeftLabel(5));
    suiEdit_ProfileName = AddLineEdit(this, QStringLiteral("suiEdit_ProfileName"), QString(), LeftControl(5, 126));
    const int buttonTop = RowTop + 5 * RowStep - 4;
    suiImageButton_Add = AddPictureButton(this, QStringLiteral("suiImageButton_Add"), QStringLiteral("caption"),
                                          {266, buttonTop}, QStringLiteral("Save the profile"));
    suiImageButton_Add->setText(QStringLiteral("Save"));
    suiImageButton_Del = AddPictureButton(this, QStringLiteral("suiImageButton_Del"), QStringLiteral("caption"),
                                          {368, buttonTop}, QStringLiteral("Remove the profile"));
    suiImageButton_Del->setText(QStringLiteral("Remove"));
}

void VideoProfileEditor::ConnectHandlers()
{
    connect(suiComboBox_Type, &QComboBox::activated, this, &VideoProfileEditor::suiComboBox_TypeChange);
    connect(suiComboBox_VideoFormat, &QComboBox::activated, this, &VideoProfileEditor::suiComboBox_VideoFormatChange);
    connect(suiComboBox_Profile, &QComboBox::activated, this, &VideoProfileEditor::suiComboBox_ProfileChange);
    connect(suiEdit_ProfileName, &QLineEdit::editingFinished, this, &VideoProfileEditor::suiEdit_ProfileNameExit);
    connect(suiImageButton_Add, &PictureButton::clicked, this, &VideoProfileEditor::suiImageButton_AddClick);
    connect(suiImageButton_Del, &PictureButton::clicked, this, &VideoProfileEditor::suiImageButton_DelClick);
}

void VideoProfileEditor::SelectFirstType()
{
    suiComboBox_Type->setCurrentIndex(0);
    suiComboBox_TypeChange();
}

QString VideoProfileEditor::ProfileSection() const
{
    return targets::ProfileSectionName(suiComboBox_Type->currentText());
}

void VideoProfileEditor::suiComboBox_TypeChange()
{
    definitionSection_ = options::DefinitionSectionOfType(suiComboBox_Type->currentText());
    targets::ApplyChoiceList(*suiComboBox_VideoFormat,
                             targets::ReadChoiceList(options::ReadDefinitions(), definitionSection_, "OutputFormat"));
    suiComboBox_VideoFormatChange();
    BuildProfileList();
}

void VideoProfileEditor::suiComboBox_VideoFormatChange()
{
    SelectFormat(suiComboBox_VideoFormat->currentIndex());
}

// The format's lists come from its sub-section when the type has several formats, else
// from the type's own section; nothing is read for an index outside the formats.
void VideoProfileEditor::SelectFormat(int formatIndex)
{
    const bool chosen = formatIndex >= 0;
    for (QComboBox *list : {suiComboBox_Resolution, suiComboBox_VideoFrameRate, suiComboBox_AudioBitRate,
                            suiComboBox_AudioSampleRate, suiComboBox_Volume})
        ClearList(list, chosen);
    ClearList(suiComboBox_VideoCodec, suiComboBox_VideoCodec->isEnabled());
    const targets::ProfileDefinitions reader = options::ReadDefinitions();
    const int formatCount = reader.Integer(definitionSection_, QStringLiteral("OutputFormatCount"), 0);
    if (!chosen || formatIndex >= formatCount)
        return;
    const QString section = formatCount > 1
        ? targets::JoinSection(definitionSection_,
                               reader.Text(definitionSection_, QStringLiteral("OutputFormatText") + QString::number(formatIndex)))
        : definitionSection_;
    const struct { QComboBox *list; const char *family; } lists[] = {
        {suiComboBox_Resolution, "VideoResolution"}, {suiComboBox_VideoFrameRate, "VideoFrameRate"},
        {suiComboBox_AudioBitRate, "AudioBitrate"}, {suiComboBox_AudioSampleRate, "AudioSampleRate"},
        {suiComboBox_Volume, "AudioVolume"}};
    for (const auto &list : lists)
        targets::ApplyChoiceList(*list.list, targets::ReadChoiceList(reader, section, list.family));
    targets::ApplyNumberSetting(*suiSpinEdit_VideoBitRate, targets::ReadNumberSetting(reader, section, "VideoBitRate"));
    targets::ApplyChoiceList(*suiComboBox_VideoCodec, targets::ReadChoiceList(reader, section, "VideoCodec"));
}

void VideoProfileEditor::BuildProfileList()
{
    const targets::ProfileStore store = options::UserProfiles(options_);
    const targets::ProfileDefinitions reader = options::ReadDefinitions();
    const QString section = ProfileSection();
    entries_ = store.DialogEntries(section);
    suiComboBox_Profile->clear();
    for (const targets::ProfileEntry &entry : entries_)
        suiComboBox_Profile->addItem(targets::DialogEntryText(reader, definitionSection_, entry));
    suiComboBox_Profile->setCurrentIndex(store.DefaultIndex(section));
    suiComboBox_ProfileChange();
}

int VideoProfileEditor::SelectedSlot() const
{
    const int index = suiComboBox_Profile->currentIndex();
    return index >= 0 && index < entries_.size() ? entries_.at(index).slot : -1;
}

// Shows the selected entry's name and, when it has a value list, its choices; the video
// codec stays as the format selection filled it.
void VideoProfileEditor::suiComboBox_ProfileChange()
{
    const targets::ProfileStore store = options::UserProfiles(options_);
    const QString section = ProfileSection();
    const QString name = store.SlotName(section, SelectedSlot());
    suiEdit_ProfileName->setText(options::NameForField(name));
    const QString valueList = name == targets::NoDefinition ? name : store.ValueListOf(section, name);
    if (valueList == targets::NoDefinition)
        return;
    const targets::ProfileValues values = targets::ProfileValues::Parse(valueList);
    suiComboBox_VideoFormat->setCurrentIndex(values.OutputFormatIndex());
    SelectFormat(suiComboBox_VideoFormat->currentIndex());
    suiComboBox_Resolution->setCurrentIndex(values.ResolutionIndex());
    suiComboBox_VideoFrameRate->setCurrentIndex(values.FrameRateIndex());
    suiSpinEdit_VideoBitRate->setValue(values.VideoBitRate());
    suiComboBox_AudioBitRate->setCurrentIndex(values.AudioBitrateIndex());
    suiComboBox_AudioSampleRate->setCurrentIndex(values.AudioSampleRateIndex());
    suiComboBox_Volume->setCurrentIndex(values.VolumeStep());
}

void VideoProfileEditor::suiEdit_ProfileNameExit()
{
    if (suiEdit_ProfileName->text().isEmpty())
        suiEdit_ProfileName->setText(options::NameForField(options::UserProfiles(options_).SlotName(ProfileSection(), SelectedSlot())));
}

targets::VideoProfileChoice VideoProfileEditor::ChoiceFromControls() const
{
    return targets::VideoProfileChoice{
        .outputFormatIndex = suiComboBox_VideoFormat->currentIndex(),
        .resolutionIndex = suiComboBox_Resolution->currentIndex(),
        .frameRateIndex = suiComboBox_VideoFrameRate->currentIndex(),
        .videoBitRate = suiSpinEdit_VideoBitRate->value(),
        .audioBitrateIndex = suiComboBox_AudioBitRate->currentIndex(),
        .audioSampleRateIndex = suiComboBox_AudioSampleRate->currentIndex(),
        .volumeIndex = suiComboBox_Volume->currentIndex(),
        .videoCodecIndex = suiComboBox_VideoCodec->currentIndex(),
    };
}

void VideoProfileEditor::suiImageButton_AddClick()
{
    if (!options::UserProfiles(options_).SaveProfile(ProfileSection(), suiEdit_ProfileName->text().trimmed(),
                                             targets::VideoProfileValueList(ChoiceFromControls()),
                                             options::QuestionsShownOver(window())))
        return;
    BuildProfileList();
    emit ProfilesChanged();
}

void VideoProfileEditor::suiImageButton_DelClick()
{
    if (!options::UserProfiles(options_).RemoveProfile(ProfileSection(), suiEdit_ProfileName->text().trimmed(), SelectedSlot(),
                                               options::QuestionsShownOver(window())))
        return;
    BuildProfileList();
    emit ProfilesChanged();
}
