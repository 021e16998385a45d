#pragma once
// Readable failure messages for kept clips in GoogleTest.

#include "ClipListStore.h"

#include <ostream>

inline void PrintTo(const StoredClip &clip, std::ostream *out)
{
    *out << clip.fileName.toStdString() << (clip.checked ? " checked " : " unchecked ") << clip.startSeconds << '-'
         << clip.endSeconds << " audio " << clip.audioIndex << " subtitle " << clip.subtitleIndex << " at "
         << clip.frameRate << " fps";
}
