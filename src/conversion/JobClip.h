#pragma once
// The facts of one clip that job assembly reads. The clip list fills one from its
// clip record (TVideoInfo) when a clip is about to be converted.

#include <QString>

namespace conversion {

enum ContainerKind : int { ContainerOther = -1, ContainerWindowsMedia = 0, ContainerTransportStream = 1, ContainerMatroska = 2 };

struct JobClip {
    QString fileName;                 // FileName: full path of the source
    QString outputName;               // OutputName from the naming template
    int titleNumber = 0;              // TitleNumber
    int durationSeconds = 0;          // Duration
    int startSeconds = 0;             // StartTime
    int endSeconds = 0;               // EndTime
    float frameRate = 0.0f;           // FrameRate; 0 when unknown
    int containerKind = ContainerOther;   // ContainerKind
    int videoStreamId = -1;           // VideoStreamID
    int audioStreamId = 0;            // AudioStreamID
    int audioRowCount = 0;            // number of audio streams
    int firstTickedAudioRow = -1;     // index of the chosen audio stream, -1 when none
    int subtitleCount = -1;           // entries of SubtitleList, -1 when the clip has no list
    int subtitleIndex = 0;            // SubtitleIndex
    int width = 0;                    // coded Width
    int height = 0;                   // coded Height
    int aspectIndex = -1;             // AspectIndex into the display-aspect table
    bool aspectFromCode = false;      // AspectFromCode
};

} // namespace conversion
