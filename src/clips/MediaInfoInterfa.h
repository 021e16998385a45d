#pragma once
// The media probe: asks the media library for the container format, the first
// video stream and every audio stream of one file.

#include "MediaStreams.h"

#include <QString>

// Stream kinds with the media library's numbers.
enum class MediaStreamKind { General = 0, Video = 1, Audio = 2 };

// The answer of every query while the media library cannot be loaded.
inline constexpr const char *kMediaInfoUnavailableText = "Unable to load MediaInfo.dll";

// One file opened in the media library, answering text queries by parameter name.
class MediaInfoHandle {
public:
    virtual ~MediaInfoHandle() = default;
    virtual QString Get(MediaStreamKind kind, int number, const char *parameter) = 0;
};

class TMediaInfoInterfa {
public:
    // Probes fileName (full path) into info, which is empty on entry. Never fails
    // visibly: without the library every answer is kMediaInfoUnavailableText.
    void GetMediaInfo(const QString &fileName, TMediaInfo &info) const;

    // Fills info from the queries of an open handle.
    static void ReadMediaInfo(MediaInfoHandle &handle, TMediaInfo &info);
    static TVideoStream GetVideoStream(MediaInfoHandle &handle);
    static TAudioStream GetAudioStream(MediaInfoHandle &handle, int number);
};

// The library stays loaded once loaded. Tests point the probe at another library
// name (an unloadable one, then the real one) and the next probe loads afresh.
void SetMediaInfoLibraryNameForTesting(const QString &windowsName);
