#include "PanelControls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace {

template <typename Control>
void FindInto(Control *&control, const QWidget &form, const char *name)
{
    control = form.findChild<Control *>(QLatin1String(name));
}

} // namespace

PanelControls PanelControls::Find(const QWidget &form)
{
    PanelControls found;
#define PELORIN_FIND(name) FindInto(found.name, form, #name)
    PELORIN_FIND(suiComboBox_OutputFormat);
    PELORIN_FIND(suiComboBox_VideoCodec);
    PELORIN_FIND(suiComboBox_AudioCodec);
    PELORIN_FIND(suiComboBox_Profile);
    PELORIN_FIND(suiComboBox_Resolution);
    PELORIN_FIND(suiComboBox_VideoFrameRate);
    PELORIN_FIND(suiComboBox_AudioBitRate);
    PELORIN_FIND(suiComboBox_AudioSampleRate);
    PELORIN_FIND(suiComboBox_AudioChannel);
    PELORIN_FIND(suiComboBox_Volume);
    PELORIN_FIND(suiComboBox_CPU);
    PELORIN_FIND(suiComboBox_PF);
    PELORIN_FIND(suiComboBox_DVDPF);
    PELORIN_FIND(suiSpinEdit_VideoWidth);
    PELORIN_FIND(suiSpinEdit_VideoHeight);
    PELORIN_FIND(suiSpinEdit_VideoBitRate);
    PELORIN_FIND(suiTrackBar_Volume);
    PELORIN_FIND(Label_DB);
    PELORIN_FIND(suiCheckBox_HQE);
    PELORIN_FIND(suiCheckBox_DeInterlace);
    PELORIN_FIND(suiCheckBox_ForceSync);
    PELORIN_FIND(suiCheckBox_AddLetterBox);
    PELORIN_FIND(suiCheckBox_DVD_NTSC);
    PELORIN_FIND(suiCheckBox_DVD_PAL);
    PELORIN_FIND(suiCheckBox_DVD_169);
    PELORIN_FIND(suiCheckBox_DVD_43);
    PELORIN_FIND(suiImageButton_SaveProfile);
    PELORIN_FIND(suiImageButton_RemoveProfile);
    PELORIN_FIND(suiCheckBox_AddLetterBox_VOB);
    PELORIN_FIND(suiEdit_DVDName);
    PELORIN_FIND(suiEdit_ArtistName);
    PELORIN_FIND(suiEdit_OutputFolder);
#undef PELORIN_FIND
    return found;
}

QStringList ItemTexts(const QComboBox &list)
{
    QStringList texts;
    for (int index = 0; index < list.count(); ++index)
        texts.append(list.itemText(index));
    return texts;
}

void SelectQuietly(QComboBox &list, int index)
{
    const QSignalBlocker blocker(list);
    list.setCurrentIndex(index);
}
