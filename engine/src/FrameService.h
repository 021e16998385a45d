#pragma once
// The preview's frame service: a worker thread that opens one file and decodes
// the picture at each requested second, reporting through the host's window.
//
// Messages: KORVID_MSG_READY once the file is opened (or failed to open);
// KORVID_MSG_FRAME per handled seek (wparam 1 = the picture is the current
// picture now, 0 = none); KORVID_MSG_CLOSED from stop() after the worker ended.
// A seek that arrives while another decodes replaces any still waiting.
//
// Once the preview has been idle for a moment after a seek, the worker decodes
// the following seconds ahead, one at a time, giving way to the next seek
// between packets; answers are kept by second (SecondPictures), with the
// pictures a seek passed at earlier whole seconds, so resuming a drag, going
// back, or asking for a second again, shows its picture at once.

#include "korvid.h"
#include "SecondPictures.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace korvid {

class MediaInput;
struct PassedSecond;

class FrameService {
public:
    FrameService(KorvidWindow *window, std::string path, int decoderThreads);
    ~FrameService();   // stops and joins without posting
    FrameService(const FrameService &) = delete;
    FrameService &operator=(const FrameService &) = delete;

    void RequestSeek(int seconds);
    // Ends the worker (interrupting a decode), joins it, then posts CLOSED.
    void Stop();

private:
    // What the worker does next: a seek, a second decoded ahead, or stopping.
    struct Turn {
        bool stop = false;
        std::optional<int> seek;
    };

    void Run();
    void HandleSeek(MediaInput *input, int seconds);
    bool DecodeAnswer(MediaInput *input, int seconds, bool *reachedEnd);
    void KeepPassed(MediaInput *input, const std::vector<PassedSecond> &passed);
    Turn NextTurn();
    std::optional<int> NextSecondAhead() const;
    void DecodeAhead(MediaInput *input, int second);
    void Serve(const SecondPictures::Answer &answer);
    void Post(uint32_t message, uintptr_t wparam) const;
    void ShutDownWorker();

    KorvidWindow *window_;
    std::string path_;
    int decoderThreads_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<int> pendingSeek_;
    bool stopping_ = false;
    MediaInput *activeInput_ = nullptr;   // guarded by mutex_, to interrupt it
    std::atomic<bool> seekWaiting_{false};   // decoding ahead gives way while set
    // The worker's own: the answers kept, the second last asked for, when
    // decoding ahead may start, the last second to decode ahead, and the last
    // second worth decoding at all (-1: none, the file did not open).
    SecondPictures answers_;
    int lastAsked_ = -1;
    std::chrono::steady_clock::time_point aheadFrom_;
    int aheadEnd_ = -1;
    int fileEnd_ = -1;
    std::thread worker_;
};

} // namespace korvid
