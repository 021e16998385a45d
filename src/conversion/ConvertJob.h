#pragma once
// The values one clip's engine call receives. The progress window owns one record for
// its whole life: run-wide fields are filled once per run, per-clip fields before every
// clip, and a field that no step sets keeps its last value.

#include <QString>

namespace conversion {

struct ConvertJob {
    // Run-wide: the folder step and ReadJobParameters.
    QString JobFolder;            // output root + the target's sub-folder, ends with "/"
    QString ArtistName;
    QString OutputFormat;
    QString ProfileFrameRate;     // the profile's frame rate; every clip starts from it
    QString VideoFrameRate;
    QString AudioBitrate;
    QString AudioSampleRate;
    QString AudioCodec;
    QString VideoCodec;
    QString EngineCodec;          // VideoCodec, possibly overwritten for the engine call
    int AspectMode = 0;
    QString VideoResolution;      // "W:H"
    bool AutoFrameRate = false;
    int HighQuality = 0;
    QString VideoBitRate;
    QString Volume;

    // Per clip: PrepareClipJob and DecideSourceFrameRate.
    int ClipIndex = 0;
    QString SourceFile;
    QString TitleNumberText;
    int StartSeconds = 0;
    QString StartText;
    int ShownLength = 0;          // end minus start: the basis of the progress figures
    int LengthSeconds = 0;        // 0 converts to the end of the source
    QString LengthText;
    QString SourceFrameRate;      // "-1" when unknown
    bool ForceSync = false;
    bool TransportStream = false;
    int StreamID = 0;
    QString TargetFile;
    QString AudioTrack;
    QString SubtitleTrack;
    QString TitleName;
    QString FrameSize;            // "W:H"
    QString PictureSize;          // "W:H" of the picture inside the frame
    QString DisplayAspect;
    int TvSystem = 0;             // 1 NTSC, 2 PAL, 0 none
};

} // namespace conversion
