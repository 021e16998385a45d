// X_Get_Frame and X_Get_Frame_JPEG: the current picture handed to the host.
#include "korvid.h"

#include "BmpFile.h"
#include "CurrentPicture.h"
#include "FramePicture.h"
#include "JpegFile.h"

#include <vector>

namespace {

constexpr int32_t kLargestSide = 8192;

bool IsValidSize(int32_t width, int32_t height) {
    return width >= 1 && height >= 1 && width <= kLargestSide && height <= kLargestSide;
}

// The host reads the pixels until its next call into the engine. One buffer per
// thread: a probe on one thread must not rewrite (or move) the rows that another
// thread is still reading from its frame service.
std::vector<uint8_t> &HostPixels() {
    static thread_local std::vector<uint8_t> pixels;
    return pixels;
}

} // namespace

extern "C" KORVID_API int32_t X_Get_Frame(int32_t width, int32_t height, const char *bmpName, uint8_t **pixels,
                                          int32_t *result) {
    if (pixels)
        *pixels = nullptr;
    if (!IsValidSize(width, height))
        return -1;
    std::vector<uint8_t> &rows = HostPixels();
    int32_t second = 0;
    if (korvid::PictureToServe().RenderBgr(width, height, rows, &second) !=
        korvid::CurrentPicture::Render::Done)
        return -1;
    if (pixels)
        *pixels = rows.data();
    if (result)
        result[0] = second;
    if (bmpName && !korvid::WriteBmp24(bmpName, rows.data(), width, height))
        return -1;
    return 0;
}

extern "C" KORVID_API int32_t X_Get_Frame_JPEG(int32_t width, int32_t height, const char *jpegName) {
    if (!jpegName || (width > kLargestSide || height > kLargestSide))
        return -1;
    int32_t second = 0;
    korvid::FramePointer picture(korvid::PictureToServe().CopyFrame(&second));
    if (!picture)
        return -1;
    return korvid::WriteJpeg(jpegName, picture.get(), width, height) ? 0 : -1;
}
