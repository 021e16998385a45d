#include "FrameService.h"

#include "CurrentPicture.h"
#include "FramePicture.h"
#include "MediaInput.h"
#include "PictureOrientation.h"
#include "SourceLimits.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace korvid {
namespace {

// A pause this long after a seek counts as a released handle.
constexpr std::chrono::milliseconds kIdleBeforeAhead{150};
constexpr int kSecondsAhead = 8;
constexpr size_t kMostKeptBytes = 64u << 20;

} // namespace

FrameService::FrameService(KorvidWindow *window, std::string path, int decoderThreads)
    : window_(window), path_(std::move(path)), decoderThreads_(decoderThreads), answers_(kMostKeptBytes) {
    worker_ = std::thread(&FrameService::Run, this);
}

FrameService::~FrameService() {
    ShutDownWorker();
}

void FrameService::RequestSeek(int seconds) {
    std::lock_guard lock(mutex_);
    pendingSeek_ = seconds;
    seekWaiting_ = true;
    wake_.notify_one();
}

void FrameService::Stop() {
    ShutDownWorker();
    Post(KORVID_MSG_CLOSED, 0);
}

void FrameService::ShutDownWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        if (activeInput_)
            activeInput_->RequestStop();
        wake_.notify_one();
    }
    if (worker_.joinable())
        worker_.join();
}

void FrameService::Post(uint32_t message, uintptr_t wparam) const {
    if (window_ && window_->post)
        window_->post(window_, message, wparam, 0);
}

// A waiting seek first; else, once the preview has been idle long enough, the
// next second ahead; else sleep until one of them or the stop comes.
FrameService::Turn FrameService::NextTurn() {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (stopping_)
            return Turn{true, std::nullopt};
        if (pendingSeek_) {
            Turn turn{false, pendingSeek_};
            pendingSeek_.reset();
            seekWaiting_ = false;
            return turn;
        }
        if (!NextSecondAhead())
            wake_.wait(lock);
        else if (std::chrono::steady_clock::now() >= aheadFrom_)
            return Turn{};
        else
            wake_.wait_until(lock, aheadFrom_);
    }
}

void FrameService::Run() {
    MediaInputOptions options;
    options.decoderThreads = decoderThreads_;
    options.openAudio = false;
    options.exactAudioEdits = false;
    std::unique_ptr<MediaInput> input = MediaInput::Open(path_, options);
    {
        std::lock_guard lock(mutex_);
        activeInput_ = input.get();
        if (stopping_ && input)
            input->RequestStop();
    }
    if (input && input->VideoStream()) {
        const double duration = input->DurationSeconds();
        fileEnd_ = duration > 0 && duration < INT_MAX ? static_cast<int>(duration) : INT_MAX;
    }
    Post(KORVID_MSG_READY, 0);
    for (Turn turn = NextTurn(); !turn.stop; turn = NextTurn()) {
        if (turn.seek)
            HandleSeek(input.get(), *turn.seek);
        else if (std::optional<int> second = NextSecondAhead())
            DecodeAhead(input.get(), *second);
    }
    std::lock_guard lock(mutex_);
    activeInput_ = nullptr;
}

// The first second after the last one asked for whose picture is not kept yet.
std::optional<int> FrameService::NextSecondAhead() const {
    for (int second = lastAsked_; lastAsked_ >= 0 && second < aheadEnd_;)
        if (!answers_.Find(++second))
            return second;
    return std::nullopt;
}

void FrameService::Serve(const SecondPictures::Answer &answer) {
    CurrentPictureOf(PictureOwner::FrameService).Set(answer.picture.get(), answer.shownSecond);
    Post(KORVID_MSG_FRAME, 1);
}

// The picture at or before the second; past the end, the last picture.
void FrameService::HandleSeek(MediaInput *input, int seconds) {
    lastAsked_ = seconds;
    aheadEnd_ = seconds < fileEnd_ - kSecondsAhead ? seconds + kSecondsAhead : fileEnd_;
    bool reachedEnd = false;
    if (!answers_.Find(seconds))
        DecodeAnswer(input, seconds, &reachedEnd);
    if (const SecondPictures::Answer *answer = answers_.Find(seconds))
        Serve(*answer);
    else
        Post(KORVID_MSG_FRAME, 0);
    aheadFrom_ = std::chrono::steady_clock::now() + kIdleBeforeAhead;
}

// One second ahead of the last one asked for, given up as soon as a seek waits.
void FrameService::DecodeAhead(MediaInput *input, int second) {
    input->YieldWhen(&seekWaiting_);
    bool reachedEnd = false;
    const bool decoded = DecodeAnswer(input, second, &reachedEnd);
    input->YieldWhen(nullptr);
    if (input->Yielded())
        return;
    // A second that cannot be decoded, or whose picture does not fit beside the
    // nearer ones, ends decoding ahead until the next seek.
    if (!decoded || !answers_.Find(second))
        aheadEnd_ = second - 1;
}

// Decodes the second's picture and keeps it; false when there is none (or it
// gave way to a seek).
bool FrameService::DecodeAnswer(MediaInput *input, int seconds, bool *reachedEnd) {
    if (!input)
        return false;
    FramePointer picture(av_frame_alloc());
    std::vector<PassedSecond> passed;
    input->KeepPassedSeconds(&passed);
    input->SetDeadline(kSeekSeconds);   // a seek that cannot finish gives no picture
    const bool decoded = picture && input->DecodeVideoAt(seconds, picture.get(), reachedEnd);
    input->ClearDeadline();
    input->KeepPassedSeconds(nullptr);
    KeepPassed(input, passed);
    if (!decoded)
        return false;
    const double shown = input->SecondsOf(picture.get(), StreamKind::Video);
    const int32_t second = *reachedEnd && std::isfinite(shown) ? static_cast<int32_t>(std::max(0.0, shown)) : seconds;
    if (*reachedEnd)
        fileEnd_ = std::min(fileEnd_, seconds);   // later seconds show the same picture
    picture = UprightPicture(picture.get(), OrientationOf(input->VideoStream()));
    if (!picture)
        return false;
    answers_.Keep(seconds, picture.get(), second, lastAsked_);
    return true;
}

// The seconds a seek passed on its way: a drag back, or a seek to an earlier
// second of the same group of pictures, is then answered at once.
void FrameService::KeepPassed(MediaInput *input, const std::vector<PassedSecond> &passed) {
    const PictureOrientation orientation = OrientationOf(input->VideoStream());
    for (const PassedSecond &second : passed) {
        if (answers_.Find(second.second))
            continue;
        FramePointer picture = UprightPicture(second.picture.get(), orientation);
        if (picture)
            answers_.Keep(second.second, picture.get(), second.second, lastAsked_);
    }
}

} // namespace korvid
