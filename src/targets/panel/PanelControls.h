#pragma once
// The parameter controls of the main window, found by their control names. They show
// the panel's state (ParameterPanel), which job assembly and naming read.

#include <QStringList>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;
class QWidget;

struct PanelControls {
    QComboBox *suiComboBox_OutputFormat = nullptr;
    QComboBox *suiComboBox_VideoCodec = nullptr;
    QComboBox *suiComboBox_AudioCodec = nullptr;
    QComboBox *suiComboBox_Profile = nullptr;        // "Output Image Setting": the aspect choice
    QComboBox *suiComboBox_Resolution = nullptr;
    QComboBox *suiComboBox_VideoFrameRate = nullptr;
    QComboBox *suiComboBox_AudioBitRate = nullptr;
    QComboBox *suiComboBox_AudioSampleRate = nullptr;
    QComboBox *suiComboBox_AudioChannel = nullptr;
    QComboBox *suiComboBox_Volume = nullptr;         // never shown; the track bar mirrors it
    QComboBox *suiComboBox_CPU = nullptr;
    QComboBox *suiComboBox_PF = nullptr;
    QComboBox *suiComboBox_DVDPF = nullptr;
    QSpinBox *suiSpinEdit_VideoWidth = nullptr;
    QSpinBox *suiSpinEdit_VideoHeight = nullptr;
    QSpinBox *suiSpinEdit_VideoBitRate = nullptr;
    QSlider *suiTrackBar_Volume = nullptr;
    QLabel *Label_DB = nullptr;
    QCheckBox *suiCheckBox_HQE = nullptr;
    QCheckBox *suiCheckBox_DeInterlace = nullptr;
    QCheckBox *suiCheckBox_ForceSync = nullptr;
    QCheckBox *suiCheckBox_AddLetterBox = nullptr;
    QCheckBox *suiCheckBox_DVD_NTSC = nullptr;
    QCheckBox *suiCheckBox_DVD_PAL = nullptr;
    QCheckBox *suiCheckBox_DVD_169 = nullptr;
    QCheckBox *suiCheckBox_DVD_43 = nullptr;
    QCheckBox *suiCheckBox_AddLetterBox_VOB = nullptr;
    QLineEdit *suiEdit_DVDName = nullptr;
    QLineEdit *suiEdit_ArtistName = nullptr;
    QLineEdit *suiEdit_OutputFolder = nullptr;
    QAbstractButton *suiImageButton_SaveProfile = nullptr;     // beside suiComboBox_PF
    QAbstractButton *suiImageButton_RemoveProfile = nullptr;

    // Controls a form lacks stay null.
    static PanelControls Find(const QWidget &form);
};

// The texts of a list's items, in order.
QStringList ItemTexts(const QComboBox &list);
// Selects an item without running the list's change handler; callers run what they need.
void SelectQuietly(QComboBox &list, int index);
