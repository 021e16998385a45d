#include "PanelJobValues.h"

#include "PanelControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>

namespace {

int IndexOf(const QComboBox *list)
{
    return list ? list->currentIndex() : -1;
}

QString TextOf(const QComboBox *list)
{
    return list ? list->currentText() : QString();
}

int ValueOf(const QSpinBox *field)
{
    return field ? field->value() : 0;
}

bool CheckedOr(const QCheckBox *box, bool fallback)
{
    return box ? box->isChecked() : fallback;
}

QString TextOr(const QLineEdit *edit, const QString &fallback)
{
    return edit ? edit->text() : fallback;
}

} // namespace

conversion::JobPanelValues JobPanelValuesOf(const QWidget &form)
{
    const PanelControls c = PanelControls::Find(form);
    conversion::JobPanelValues panel;
    panel.outputFormatIndex = IndexOf(c.suiComboBox_OutputFormat);
    panel.outputFormatText = TextOf(c.suiComboBox_OutputFormat);
    panel.videoCodecIndex = IndexOf(c.suiComboBox_VideoCodec);
    panel.audioCodecIndex = IndexOf(c.suiComboBox_AudioCodec);
    panel.aspectIndex = IndexOf(c.suiComboBox_Profile);
    panel.videoFrameRateIndex = IndexOf(c.suiComboBox_VideoFrameRate);
    panel.audioBitRateIndex = IndexOf(c.suiComboBox_AudioBitRate);
    panel.audioSampleRateIndex = IndexOf(c.suiComboBox_AudioSampleRate);
    panel.cpuIndex = IndexOf(c.suiComboBox_CPU);
    panel.resolutionListVisible = c.suiComboBox_Resolution && c.suiComboBox_Resolution->isVisibleTo(&form);
    panel.resolutionIndex = IndexOf(c.suiComboBox_Resolution);
    panel.resolutionText = TextOf(c.suiComboBox_Resolution);
    panel.videoWidth = ValueOf(c.suiSpinEdit_VideoWidth);
    panel.videoHeight = ValueOf(c.suiSpinEdit_VideoHeight);
    panel.videoBitRateText = c.suiSpinEdit_VideoBitRate ? c.suiSpinEdit_VideoBitRate->text() : QString();
    panel.volumePosition = c.suiTrackBar_Volume ? c.suiTrackBar_Volume->value() : 0;
    panel.highQuality = CheckedOr(c.suiCheckBox_HQE, panel.highQuality);
    panel.deinterlace = CheckedOr(c.suiCheckBox_DeInterlace, panel.deinterlace);
    panel.forceSync = CheckedOr(c.suiCheckBox_ForceSync, panel.forceSync);
    panel.addLetterBox = CheckedOr(c.suiCheckBox_AddLetterBox, panel.addLetterBox);
    panel.dvdNtsc = CheckedOr(c.suiCheckBox_DVD_NTSC, panel.dvdNtsc);
    panel.dvdWide = CheckedOr(c.suiCheckBox_DVD_169, panel.dvdWide);
    panel.addLetterBoxVob = CheckedOr(c.suiCheckBox_AddLetterBox_VOB, panel.addLetterBoxVob);
    panel.dvdName = TextOr(c.suiEdit_DVDName, panel.dvdName);
    panel.artistName = TextOr(c.suiEdit_ArtistName, panel.artistName);
    return panel;
}
