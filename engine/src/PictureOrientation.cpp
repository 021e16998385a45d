#include "PictureOrientation.h"

#include "TranscodeFilters.h"
#include "TranscodeVideoSetup.h"

#include <cmath>
#include <iterator>
#include <utility>

namespace korvid {
namespace {

// Where the picture's x and y axes point on the screen (y downwards), in the
// display matrix's terms: x' = a x + c y, y' = b x + d y.
struct Turn {
    int a, b, c, d;
    const char *filters;
};

// Turned 0, 1, 2 and 3 quarter turns clockwise, then mirrored four ways.
constexpr Turn kTurns[] = {
    {1, 0, 0, 1, ""},
    {0, 1, -1, 0, "transpose=clock"},
    {-1, 0, 0, -1, "hflip,vflip"},
    {0, -1, 1, 0, "transpose=cclock"},
    {-1, 0, 0, 1, "hflip"},                    // mirrored left to right
    {1, 0, 0, -1, "vflip"},                    // mirrored top to bottom
    {0, 1, 1, 0, "transpose=cclock_flip"},     // mirrored about the main diagonal
    {0, -1, -1, 0, "transpose=clock_flip"},    // mirrored about the other diagonal
};

} // namespace

PictureOrientation PictureOrientation::FromDisplayMatrix(const int32_t matrix[9]) {
    const double a = matrix[0], b = matrix[1], c = matrix[3], d = matrix[4];
    int nearest = 0;
    double best = -INFINITY;
    for (int i = 0; i < static_cast<int>(std::size(kTurns)); ++i) {
        const Turn &turn = kTurns[i];
        const double agreement = a * turn.a + b * turn.b + c * turn.c + d * turn.d;
        if (agreement > best) {
            best = agreement;
            nearest = i;
        }
    }
    return PictureOrientation(nearest);
}

bool PictureOrientation::SwapsSides() const {
    return kTurns[index_].a == 0;
}

const char *PictureOrientation::Filters() const {
    return kTurns[index_].filters;
}

void PictureOrientation::TurnSize(int *width, int *height, AVRational *sampleAspect) const {
    if (!SwapsSides())
        return;
    std::swap(*width, *height);
    if (sampleAspect->num > 0 && sampleAspect->den > 0)
        *sampleAspect = av_inv_q(*sampleAspect);
}

void PictureOrientation::TurnChromaPosition(int *horizontal, int *vertical) const {
    const Turn &turn = kTurns[index_];
    const int x = *horizontal - 128, y = *vertical - 128;
    *horizontal = 128 + turn.a * x + turn.c * y;
    *vertical = 128 + turn.b * x + turn.d * y;
}

PictureOrientation OrientationOf(const AVStream *stream) {
    if (!stream)
        return {};
    size_t size = 0;
    const uint8_t *matrix = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &size);
    if (matrix && size >= 9 * sizeof(int32_t))
        return PictureOrientation::FromDisplayMatrix(reinterpret_cast<const int32_t *>(matrix));
    return {};
}

FramePointer UprightPicture(const AVFrame *picture, PictureOrientation orientation) {
    FramePointer copy(av_frame_clone(picture));
    if (!copy || orientation.IsUpright())
        return copy;
    const VideoChainInput input{copy.get(), AVRational{1, AV_TIME_BASE}, false, 0, {}, {}};
    std::unique_ptr<FilterChain> chain =
        FilterChain::Create(true, VideoSourceArguments(input), orientation.Filters(), nullptr);
    FramePointer turned(av_frame_alloc());
    if (!chain || !turned || !chain->Push(copy.get()) || !chain->Push(nullptr) || chain->Pull(turned.get()) < 0)
        return FramePointer(av_frame_clone(picture));
    int horizontal = 0, vertical = 0;
    if (avcodec_enum_to_chroma_pos(&horizontal, &vertical, picture->chroma_location) == 0) {
        orientation.TurnChromaPosition(&horizontal, &vertical);
        turned->chroma_location = avcodec_chroma_pos_to_enum(horizontal, vertical);
    }
    return turned;
}

} // namespace korvid
