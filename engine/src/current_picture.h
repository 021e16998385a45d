#pragma once
// The picture that X_Get_Frame serves: the probe's first picture, or the frame
// service's last decoded frame. Shared by the host's thread and the frame
// service's worker, so every access is locked.

#include <cstdint>
#include <mutex>
#include <vector>

extern "C" {
#include <libavutil/frame.h>
}

namespace korvid {

class CurrentPicture {
public:
    static CurrentPicture &instance();

    void set(const AVFrame *frame, int32_t second);   // takes a new reference
    void setBlack(int32_t second);                    // a picture without video
    void clear();                                     // no picture at all

    enum class Render { Done, NoPicture, Failed };
    // Scales the picture to width x height blue-green-red rows.
    Render renderBgr(int width, int height, std::vector<uint8_t> &rows, int32_t *second);
    // A new reference to the picture (null when black or none).
    AVFrame *copyFrame(int32_t *second);

private:
    CurrentPicture() = default;
    ~CurrentPicture();

    std::mutex mutex_;
    AVFrame *frame_ = nullptr;
    bool black_ = false;
    int32_t second_ = 0;
};

} // namespace korvid
