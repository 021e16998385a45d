#pragma once
// The frame service's answers kept by the second asked for, so that a second
// asked again, or decoded ahead while the preview was idle, is shown at once.
// Bounded by the pictures' bytes: the pictures farthest from the second last
// asked for give way first. Used by the frame service's worker thread only.

#include "FramePointer.h"

#include <cstddef>
#include <cstdint>
#include <map>

namespace korvid {

class SecondPictures {
public:
    struct Answer {
        FramePointer picture;   // upright, as served
        int32_t shownSecond;    // the second the host is told (the last picture's past the end)
    };

    explicit SecondPictures(size_t mostBytes) : mostBytes_(mostBytes) {}

    const Answer *Find(int second) const;
    // Keeps a new reference to the picture; `near` is the second the preview is at.
    void Keep(int second, const AVFrame *picture, int32_t shownSecond, int near);
    size_t Bytes() const { return bytes_; }

private:
    void MakeRoom(int near);

    size_t mostBytes_;
    size_t bytes_ = 0;
    std::map<int, Answer> answers_;
};

} // namespace korvid
