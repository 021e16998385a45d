#include "SecondPictures.h"

#include <cstdlib>

namespace korvid {
namespace {

size_t PictureBytes(const AVFrame *picture) {
    size_t bytes = 0;
    for (const AVBufferRef *buffer : picture->buf)
        bytes += buffer ? buffer->size : 0;
    return bytes;
}

} // namespace

const SecondPictures::Answer *SecondPictures::Find(int second) const {
    auto found = answers_.find(second);
    return found != answers_.end() ? &found->second : nullptr;
}

void SecondPictures::Keep(int second, const AVFrame *picture, int32_t shownSecond, int near) {
    if (answers_.count(second))
        return;
    FramePointer copy(av_frame_clone(picture));
    if (!copy)
        return;
    bytes_ += PictureBytes(copy.get());
    answers_.emplace(second, Answer{std::move(copy), shownSecond});
    MakeRoom(near);
}

// Drops the farthest pictures from `near` until the rest fit; the one at `near` stays.
void SecondPictures::MakeRoom(int near) {
    while (bytes_ > mostBytes_ && answers_.size() > 1) {
        auto first = answers_.begin();
        auto last = std::prev(answers_.end());
        auto farthest = std::abs(first->first - near) >= std::abs(last->first - near) ? first : last;
        if (farthest->first == near)
            break;
        bytes_ -= PictureBytes(farthest->second.picture.get());
        answers_.erase(farthest);
    }
}

} // namespace korvid
