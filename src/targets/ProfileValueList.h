#pragma once
// The value list of a user profile: decimal fields joined by commas, counted from 1.
// Field n is the text between the (n-1)-th and the n-th comma (or the end), trimmed;
// an empty, missing or non-numeric field is 0.

#include <QString>

#include <array>

namespace targets {

class ProfileValues {
public:
    static constexpr int FieldCount = 11;

    ProfileValues() = default;   // every field 0
    static ProfileValues Parse(const QString &valueList);

    // Field `number` (1..11); 0 outside that range.
    int Field(int number) const;

    int OutputFormatIndex() const { return Field(1); }
    int AspectIndex() const { return Field(2); }
    int ResolutionIndex() const { return Field(3); }
    int FrameRateIndex() const { return Field(4); }
    int VideoBitRate() const { return Field(5); }          // kbps
    int AudioBitrateIndex() const { return Field(6); }
    int AudioSampleRateIndex() const { return Field(7); }
    int VolumeStep() const { return Field(8); }
    bool IsProtected() const { return Field(9) != 0; }    // can be used, not overwritten or removed
    int VideoCodecIndex() const { return Field(10); }
    int AudioCodecIndex() const { return Field(11); }

private:
    std::array<int, FieldCount> fields_{};
};

// What the options dialog's video editor saves (list indexes, the bitrate in kbps).
struct VideoProfileChoice {
    int outputFormatIndex = 0;
    int resolutionIndex = 0;
    int frameRateIndex = 0;
    int videoBitRate = 0;
    int audioBitrateIndex = 0;
    int audioSampleRateIndex = 0;
    int volumeIndex = 0;
    int videoCodecIndex = 0;
};

// "format,0,resolution,frame rate,bitrate,audio bitrate,sample rate,volume,0,video codec":
// aspect and protection are 0, the audio codec is not written.
QString VideoProfileValueList(const VideoProfileChoice &choice);
// What the main window's parameter panel saves: every field but the protection.
struct PanelProfileChoice {
    VideoProfileChoice video;
    int aspectIndex = 0;
    int audioCodecIndex = 0;
};

// All eleven fields: the video editor's, with the aspect in field 2 and the audio
// codec in field 11; the protection (field 9) is 0.
QString PanelProfileValueList(const PanelProfileChoice &choice);
// "0,0,0,0,0,<audio bitrate>,<sample rate>,0,0,0".
QString MusicProfileValueList(int audioBitrateIndex, int audioSampleRateIndex);

} // namespace targets
