#pragma once
// Settings that X_Global_CMD and X_SetPar_Global leave for the next probe,
// frame service or conversion. Guarded by a mutex: the host may set them on one
// thread and convert on another.

#include <string>

namespace korvid {

struct ConversionSettings {
    int threads = 0;              // 0: let the codecs choose
    bool deinterlace = false;
    bool forceSync = false;       // stretch audio to the video clock
    bool transportStream = false;
    int videoStreamId = -1;
};

struct WorkFileCommand {
    std::string workFile;
    std::string sourceFrameRateText = "-1";   // "-1": unknown
};

ConversionSettings CurrentConversionSettings();
void SetConversionSettings(const ConversionSettings &settings);

WorkFileCommand CurrentWorkFileCommand();
void SetWorkFileCommand(const WorkFileCommand &command);

} // namespace korvid
