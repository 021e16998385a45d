// The parameter panel's handlers: each puts the control's change through the PanelState
// functions and fills the controls from the state again.

#include "ParameterPanel.h"

#include "ModalQuestions.h"
#include "ProductTexts.h"
#include "mainform/TMainForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>

using namespace targets;

void ParameterPanel::ConnectHandlers()
{
    const auto onChoice = [this](QComboBox *list, void (ParameterPanel::*handler)()) {
        connect(list, &QComboBox::currentIndexChanged, this, handler);
    };
    onChoice(c.suiComboBox_Profile, &ParameterPanel::suiComboBox_ProfileChange);
    onChoice(c.suiComboBox_OutputFormat, &ParameterPanel::suiComboBox_OutputFormatChange);
    onChoice(c.suiComboBox_Resolution, &ParameterPanel::suiComboBox_ResolutionChange);
    onChoice(c.suiComboBox_VideoCodec, &ParameterPanel::suiComboBox_VideoCodecChange);
    onChoice(c.suiComboBox_DVDPF, &ParameterPanel::suiComboBox_DVDPFChange);
    onChoice(c.suiComboBox_PF, &ParameterPanel::suiComboBox_PFChange);
    if (c.suiImageButton_SaveProfile)
        connect(c.suiImageButton_SaveProfile, &QAbstractButton::clicked, this, &ParameterPanel::suiImageButton_SaveProfileClick);
    if (c.suiImageButton_RemoveProfile)
        connect(c.suiImageButton_RemoveProfile, &QAbstractButton::clicked, this,
                &ParameterPanel::suiImageButton_RemoveProfileClick);
    connect(c.suiSpinEdit_VideoWidth, &QSpinBox::valueChanged, this, &ParameterPanel::suiSpinEdit_VideoWidthChange);
    connect(c.suiSpinEdit_VideoHeight, &QSpinBox::valueChanged, this, &ParameterPanel::suiSpinEdit_VideoHeightChange);
    c.suiSpinEdit_VideoWidth->installEventFilter(this);
    c.suiSpinEdit_VideoHeight->installEventFilter(this);
    connect(c.suiTrackBar_Volume, &QSlider::valueChanged, this, &ParameterPanel::suiTrackBar_VolumeChange);
    connect(c.suiCheckBox_HQE, &QCheckBox::clicked, this, &ParameterPanel::suiCheckBox_HQEClick);
    connect(c.suiCheckBox_DeInterlace, &QCheckBox::clicked, this, &ParameterPanel::suiCheckBox_DeInterlaceClick);
    connect(c.suiCheckBox_ForceSync, &QCheckBox::clicked, this, &ParameterPanel::suiCheckBox_ForceSyncClick);
    for (const auto &[box, dvdBox] : DvdBoxControls())
        connect(box, &QCheckBox::clicked, this, [this, box = box] { suiCheckBox_DVD_NTSCMouseUp(*box); });
}

std::array<std::pair<QCheckBox *, DvdBox>, 4> ParameterPanel::DvdBoxControls() const
{
    return {{{c.suiCheckBox_DVD_NTSC, DvdBox::Ntsc},
             {c.suiCheckBox_DVD_PAL, DvdBox::Pal},
             {c.suiCheckBox_DVD_169, DvdBox::Wide},
             {c.suiCheckBox_DVD_43, DvdBox::FourThree}}};
}

// Changes without a handler of their own, from the user or from another part of the
// program (the disc label found for suiEdit_DVDName, the folder button, the core list).
void ParameterPanel::ConnectStateEdits()
{
    const std::pair<QComboBox *, PanelList> lists[] = {
        {c.suiComboBox_AudioCodec, PanelList::AudioCodec},
        {c.suiComboBox_VideoFrameRate, PanelList::FrameRate},
        {c.suiComboBox_AudioBitRate, PanelList::AudioBitrate},
        {c.suiComboBox_AudioSampleRate, PanelList::AudioSampleRate},
        {c.suiComboBox_AudioChannel, PanelList::AudioChannel}};
    for (const auto &[control, list] : lists)
        connect(control, &QComboBox::currentIndexChanged, this, [this, list](int index) { ChooseFromList(list, index); });
    connect(c.suiSpinEdit_VideoBitRate, &QSpinBox::valueChanged, this, [this](int kbps) { SetVideoBitRate(state_, kbps); });
    // The main window fills the core list at start-up: the panel takes its items as they are.
    connect(c.suiComboBox_CPU, &QComboBox::currentIndexChanged, this, [this](int index) {
        state_.cpu = ChoiceList{ItemTexts(*c.suiComboBox_CPU), -1, c.suiComboBox_CPU->isEnabled()};
        SelectChoice(state_, PanelList::Cpu, index);
    });

    const std::pair<QCheckBox *, EngineSwitch> switches[] = {{c.suiCheckBox_HQE, EngineSwitch::HighQuality},
                                                             {c.suiCheckBox_DeInterlace, EngineSwitch::Deinterlace},
                                                             {c.suiCheckBox_ForceSync, EngineSwitch::ForceSync}};
    for (const auto &[box, engineSwitch] : switches)
        connect(box, &QCheckBox::toggled, this, [this, engineSwitch](bool on) { SetEngineSwitch(state_, engineSwitch, on); });
    for (const auto &[box, dvdBox] : DvdBoxControls())
        connect(box, &QCheckBox::toggled, this, [this, dvdBox](bool on) { SetDvdBox(state_, dvdBox, on); });
    connect(c.suiCheckBox_AddLetterBox, &QCheckBox::toggled, this, [this](bool on) { state_.addLetterBox = on; });
    connect(c.suiCheckBox_AddLetterBox_VOB, &QCheckBox::toggled, this, [this](bool on) { state_.addLetterBoxVob = on; });

    connect(c.suiEdit_DVDName, &QLineEdit::textChanged, this, [this](const QString &text) { state_.dvdName = text; });
    connect(c.suiEdit_ArtistName, &QLineEdit::textChanged, this, [this](const QString &text) { state_.artistName = text; });
    connect(c.suiEdit_OutputFolder, &QLineEdit::textChanged, this,
            [this](const QString &text) { state_.outputFolder = text; });
    AnnounceStateEdits();
}

// Connected after the edits above, so that followers read the state already changed.
void ParameterPanel::AnnounceStateEdits()
{
    for (QComboBox *list : {c.suiComboBox_AudioCodec, c.suiComboBox_VideoFrameRate, c.suiComboBox_AudioBitRate,
                            c.suiComboBox_AudioSampleRate, c.suiComboBox_AudioChannel, c.suiComboBox_CPU})
        connect(list, &QComboBox::currentIndexChanged, this, &ParameterPanel::StateChanged);
    connect(c.suiSpinEdit_VideoBitRate, &QSpinBox::valueChanged, this, &ParameterPanel::StateChanged);
    QList<QCheckBox *> boxes = {c.suiCheckBox_HQE, c.suiCheckBox_DeInterlace, c.suiCheckBox_ForceSync,
                                c.suiCheckBox_AddLetterBox, c.suiCheckBox_AddLetterBox_VOB};
    for (const auto &[box, dvdBox] : DvdBoxControls())
        boxes << box;
    for (QCheckBox *box : boxes)
        connect(box, &QCheckBox::toggled, this, &ParameterPanel::StateChanged);
    for (QLineEdit *edit : {c.suiEdit_DVDName, c.suiEdit_ArtistName, c.suiEdit_OutputFolder})
        connect(edit, &QLineEdit::textChanged, this, &ParameterPanel::StateChanged);
}

bool ParameterPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (auto *field = qobject_cast<QSpinBox *>(watched))   // not while the field is being destroyed
            suiSpinEdit_VideoWidthExit(*field);
    }
    return QObject::eventFilter(watched, event);
}

void ParameterPanel::ChooseFromList(PanelList list, int index)
{
    SelectChoice(state_, list, index);
}

void ParameterPanel::suiComboBox_ProfileChange()
{
    ChooseAspect(state_, c.suiComboBox_Profile->currentIndex(), Inputs());
    Show();
    RefreshOutputNames();
}

void ParameterPanel::suiComboBox_OutputFormatChange()
{
    ChooseOutputFormat(state_, c.suiComboBox_OutputFormat->currentIndex(), Inputs());
    Show();
    RefreshOutputNames();
}

void ParameterPanel::suiComboBox_ResolutionChange()
{
    ChooseFromList(PanelList::Resolution, c.suiComboBox_Resolution->currentIndex());
    RefreshOutputNames();
}

// The codec choice is read when a run starts; nothing else on the panel follows from it.
void ParameterPanel::suiComboBox_VideoCodecChange()
{
    ChooseFromList(PanelList::VideoCodec, c.suiComboBox_VideoCodec->currentIndex());
}

void ParameterPanel::suiSpinEdit_VideoWidthChange()
{
    SetSizeValue(state_, SizeField::Width, c.suiSpinEdit_VideoWidth->value());
    RefreshOutputNames();
}

void ParameterPanel::suiSpinEdit_VideoHeightChange()
{
    SetSizeValue(state_, SizeField::Height, c.suiSpinEdit_VideoHeight->value());
    RefreshOutputNames();
}

void ParameterPanel::suiSpinEdit_VideoWidthExit(QSpinBox &field)
{
    field.interpretText();   // a typed value not yet taken
    LeaveSizeField(state_, &field == c.suiSpinEdit_VideoWidth ? SizeField::Width : SizeField::Height);
    ShowFields();
    RefreshOutputNames();
}

void ParameterPanel::suiTrackBar_VolumeChange()
{
    SetVolumePosition(state_, c.suiTrackBar_Volume->value());
    ShowVolumeLabel();
}

void ParameterPanel::NoticeWhenChecked(const QCheckBox &box, EngineSwitch engineSwitch)
{
    if (box.isChecked())
        platform::Questions().Information(&form_, kDisplayTitle, EngineSwitchNotice(engineSwitch));
}

void ParameterPanel::suiCheckBox_HQEClick()
{
    NoticeWhenChecked(*c.suiCheckBox_HQE, EngineSwitch::HighQuality);
}

void ParameterPanel::suiCheckBox_DeInterlaceClick()
{
    NoticeWhenChecked(*c.suiCheckBox_DeInterlace, EngineSwitch::Deinterlace);
}

void ParameterPanel::suiCheckBox_ForceSyncClick()
{
    NoticeWhenChecked(*c.suiCheckBox_ForceSync, EngineSwitch::ForceSync);
}

// The boxes of a pair act as radio buttons: the released one is checked, its partner not.
void ParameterPanel::suiCheckBox_DVD_NTSCMouseUp(QCheckBox &released)
{
    for (const auto &[box, dvdBox] : DvdBoxControls()) {
        if (box == &released)
            ReleaseDvdBox(state_, dvdBox);
    }
    ShowDvdBoxes();
}

void ParameterPanel::suiComboBox_DVDPFChange()
{
    ChooseDvdSetting(state_, c.suiComboBox_DVDPF->currentIndex());
    ShowDvdBoxes();
}
