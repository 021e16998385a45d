#pragma once
// The media library's ANSI C interface, loaded by name on the first probe and
// kept loaded; a failed load is tried again at the next probe. Safe on any thread.

#include "MediaInfoInterfa.h"

#include <memory>

struct BoundMediaInfoLibrary;

// One file opened for the duration of one probe. Without the library the handle
// is null and every query answers kMediaInfoUnavailableText.
class MediaInfoFileHandle : public MediaInfoHandle {
public:
    explicit MediaInfoFileHandle(const QString &fileName);
    ~MediaInfoFileHandle() override;
    MediaInfoFileHandle(const MediaInfoFileHandle &) = delete;
    MediaInfoFileHandle &operator=(const MediaInfoFileHandle &) = delete;

    QString Get(MediaStreamKind kind, int number, const char *parameter) override;

private:
    std::shared_ptr<const BoundMediaInfoLibrary> library_;
    void *handle_ = nullptr;
};
