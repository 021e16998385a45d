#pragma once
// What job assembly reads from the parameter panel: JobPanelValuesOf takes it from the
// panel's state (the window's or one made without a window) when a run starts; job
// assembly never touches a widget. Choice lists are given by their selected index (-1
// when nothing is selected), which job assembly turns into an engine value through the
// profile definitions.

#include <QString>

namespace targets {
struct PanelState;
}

namespace conversion {

struct JobPanelValues {
    int outputFormatIndex = -1;       // suiComboBox_OutputFormat
    QString outputFormatText;         // its displayed text: names the output-format sub-section
    int videoCodecIndex = -1;         // suiComboBox_VideoCodec
    int audioCodecIndex = -1;         // suiComboBox_AudioCodec
    int aspectIndex = -1;             // suiComboBox_Profile ("Output Image Setting")
    int videoFrameRateIndex = -1;     // suiComboBox_VideoFrameRate
    int audioBitRateIndex = -1;       // suiComboBox_AudioBitRate
    int audioSampleRateIndex = -1;    // suiComboBox_AudioSampleRate
    int cpuIndex = -1;                // suiComboBox_CPU

    bool resolutionListVisible = false;   // suiComboBox_Resolution shown
    int resolutionIndex = -1;
    QString resolutionText;               // its displayed text

    int videoWidth = 0;               // suiSpinEdit_VideoWidth value
    int videoHeight = 0;              // suiSpinEdit_VideoHeight value
    QString videoBitRateText;         // suiSpinEdit_VideoBitRate text, as shown
    int volumePosition = 0;           // suiTrackBar_Volume position

    bool highQuality = false;         // suiCheckBox_HQE
    bool deinterlace = false;         // suiCheckBox_DeInterlace
    bool forceSync = false;           // suiCheckBox_ForceSync
    bool addLetterBox = true;         // suiCheckBox_AddLetterBox (MPEG aspect modes above 10)
    bool dvdNtsc = true;              // suiCheckBox_DVD_NTSC
    bool dvdWide = true;              // suiCheckBox_DVD_169
    bool addLetterBoxVob = true;      // suiCheckBox_AddLetterBox_VOB

    QString dvdName = QStringLiteral("Video");      // suiEdit_DVDName
    QString artistName = QStringLiteral("Unknown"); // suiEdit_ArtistName
};

JobPanelValues JobPanelValuesOf(const targets::PanelState &panel);

} // namespace conversion
