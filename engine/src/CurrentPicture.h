#pragma once
// The pictures that X_Get_Frame serves: the probe's first picture and the frame
// service's last decoded frame, each kept apart so neither replaces the other.
// Shared by the host's threads and the frame service's worker; every access is locked.

#include <cstdint>
#include <mutex>
#include <vector>

extern "C" {
#include <libavutil/frame.h>
}

namespace korvid {

class CurrentPicture {
public:
    void Set(const AVFrame *frame, int32_t second);   // takes a new reference
    void SetBlack(int32_t second);                    // a picture without video
    void Clear();                                     // no picture at all

    enum class Render { Done, NoPicture, Failed };
    // Scales the picture to width x height blue-green-red rows.
    Render RenderBgr(int width, int height, std::vector<uint8_t> &rows, int32_t *second);
    bool HasPicture();
    // A new reference to the picture (null when black or none).
    AVFrame *CopyFrame(int32_t *second);

    CurrentPicture() = default;
    ~CurrentPicture();
    CurrentPicture(const CurrentPicture &) = delete;
    CurrentPicture &operator=(const CurrentPicture &) = delete;

private:
    std::mutex mutex_;
    AVFrame *frame_ = nullptr;
    bool black_ = false;
    int32_t second_ = 0;
};

enum class PictureOwner { Probe, FrameService };

CurrentPicture &CurrentPictureOf(PictureOwner owner);

// X_Get_Frame serves the picture of the calling thread's last request: a probe,
// or a frame service's start or seek. A thread that asked for neither gets the
// frame service's picture when there is one, else the probe's.
void ServePictureOf(PictureOwner owner);
CurrentPicture &PictureToServe();

} // namespace korvid
