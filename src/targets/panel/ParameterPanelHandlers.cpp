// The parameter panel's wiring and its small handlers: output format, volume,
// engine switches, DVD settings and the size fields' focus.

#include "ParameterPanel.h"

#include "ChoiceListWidgets.h"
#include "DefinitionSections.h"
#include "ModalQuestions.h"
#include "ProductTexts.h"
#include "mainform/TMainForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

using namespace targets;

void ParameterPanel::connectHandlers()
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
    for (QCheckBox *box : {c.suiCheckBox_DVD_NTSC, c.suiCheckBox_DVD_PAL, c.suiCheckBox_DVD_169, c.suiCheckBox_DVD_43})
        connect(box, &QCheckBox::clicked, this, [this, box] { suiCheckBox_DVD_NTSCMouseUp(*box); });
}

bool ParameterPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (auto *field = qobject_cast<QSpinBox *>(watched))   // not while the field is being destroyed
            suiSpinEdit_VideoWidthExit(*field);
    }
    return QObject::eventFilter(watched, event);
}

void ParameterPanel::suiComboBox_OutputFormatChange()
{
    refillCodecLists();
    RefreshOutputNames();
}

// The codec lists depend on the output format: its sub-section answers what the target section lacks.
void ParameterPanel::refillCodecLists()
{
    const ProfileDefinitions &reader = definitions();
    const QString subSection =
        OutputFormatSubSection(reader, targetSection_, c.suiComboBox_OutputFormat->currentIndex());
    ApplyChoiceList(*c.suiComboBox_VideoCodec,
                    ReadChoiceListWithFallback(reader, targetSection_, subSection, QStringLiteral("VideoCodec")));
    ApplyChoiceList(*c.suiComboBox_AudioCodec,
                    ReadChoiceListWithFallback(reader, targetSection_, subSection, QStringLiteral("AudioCodec")));
}

// The codec choice is read when a run starts; nothing on the panel follows from it.
void ParameterPanel::suiComboBox_VideoCodecChange() {}

void ParameterPanel::suiTrackBar_VolumeChange()
{
    c.Label_DB->setText(VolumeLabelText(c.suiTrackBar_Volume->value()));
    c.Label_DB->repaint();
}

void ParameterPanel::noticeWhenChecked(const QCheckBox &box, EngineSwitch engineSwitch)
{
    if (box.isChecked())
        platform::questions().information(&form_, kDisplayTitle, EngineSwitchNotice(engineSwitch));
}

void ParameterPanel::suiCheckBox_HQEClick()
{
    noticeWhenChecked(*c.suiCheckBox_HQE, EngineSwitch::HighQuality);
}

void ParameterPanel::suiCheckBox_DeInterlaceClick()
{
    noticeWhenChecked(*c.suiCheckBox_DeInterlace, EngineSwitch::Deinterlace);
}

void ParameterPanel::suiCheckBox_ForceSyncClick()
{
    noticeWhenChecked(*c.suiCheckBox_ForceSync, EngineSwitch::ForceSync);
}

// The boxes of a pair act as radio buttons: the released one is checked, its partner not.
void ParameterPanel::suiCheckBox_DVD_NTSCMouseUp(QCheckBox &released)
{
    const std::pair<QCheckBox *, QCheckBox *> pairs[] = {{c.suiCheckBox_DVD_NTSC, c.suiCheckBox_DVD_PAL},
                                                         {c.suiCheckBox_DVD_169, c.suiCheckBox_DVD_43}};
    for (const auto &[first, second] : pairs) {
        if (&released != first && &released != second)
            continue;
        released.setChecked(true);
        (&released == first ? second : first)->setChecked(false);
    }
}

void ParameterPanel::suiComboBox_DVDPFChange()
{
    const std::optional<DvdBoxes> boxes = DvdBoxesOfSetting(c.suiComboBox_DVDPF->currentIndex());
    if (!boxes)
        return;
    c.suiCheckBox_DVD_NTSC->setChecked(boxes->ntsc);
    c.suiCheckBox_DVD_PAL->setChecked(boxes->pal);
    c.suiCheckBox_DVD_43->setChecked(boxes->fourThree);
    c.suiCheckBox_DVD_169->setChecked(boxes->wide);
}
