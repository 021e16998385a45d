#pragma once
// The preview's frame service: a worker thread that opens one file and decodes
// the picture at each requested second, reporting through the host's window.
//
// Messages: KORVID_MSG_READY once the file is opened (or failed to open);
// KORVID_MSG_FRAME per handled seek (wparam 1 = the picture is the current
// picture now, 0 = none); KORVID_MSG_CLOSED from stop() after the worker ended.
// A seek that arrives while another decodes replaces any still waiting.

#include "korvid.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace korvid {

class MediaInput;

class FrameService {
public:
    FrameService(KorvidWindow *window, std::string path, int decoderThreads);
    ~FrameService();   // stops and joins without posting
    FrameService(const FrameService &) = delete;
    FrameService &operator=(const FrameService &) = delete;

    void requestSeek(int seconds);
    // Ends the worker (interrupting a decode), joins it, then posts CLOSED.
    void stop();

private:
    void run();
    void handleSeek(MediaInput *input, int seconds);
    std::optional<int> waitForSeek();
    void post(uint32_t message, uintptr_t wparam) const;
    void shutDownWorker();

    KorvidWindow *window_;
    std::string path_;
    int decoderThreads_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<int> pendingSeek_;
    bool stopping_ = false;
    MediaInput *activeInput_ = nullptr;   // guarded by mutex_, to interrupt it
    std::thread worker_;
};

} // namespace korvid
