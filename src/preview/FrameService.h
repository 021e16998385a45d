#pragma once
// The engine's frame service for the preview: the library loaded on demand for
// the preview session, its four frame entry points, and the states the engine
// reports through the main window's messages (KORVID_MSG_READY, _FRAME, _CLOSED).

#include "korvid.h"

#include <QImage>
#include <QString>
#include <functional>
#include <memory>

class EngineClient;

class FrameService {
public:
    static constexpr uint32_t kMessageReady = KORVID_MSG_READY;
    static constexpr uint32_t kMessageFrame = KORVID_MSG_FRAME;
    static constexpr uint32_t kMessageClosed = KORVID_MSG_CLOSED;

    enum class State { Unloaded, Starting, Ready, Closing };

    // The engine keeps its work file in `scratchFolder` (ending with "/").
    explicit FrameService(const QString &scratchFolder);
    ~FrameService();

    // Handles the pending window messages between the shutdown's waits.
    void SetMessagePump(std::function<void()> pump) { pump_ = std::move(pump); }

    bool EnsureFrameEngine();
    void Start(KorvidWindow *window, const QString &fileName, int seekSecond);
    void Seek(int second);
    // A 24-bit picture of the engine's current frame; a null image without a
    // library or when the engine gives no picture.
    QImage FetchFrame(int width, int height);
    void ShutdownFrameEngine();

    void Ready();
    void Closed();

    State CurrentState() const;
    // A shutdown is waiting for the engine; the messages handled meanwhile must not start a service.
    static bool ShutdownInProgress();
    bool IsLoaded() const { return FrameLibrary != nullptr; }

    bool FrameReady = false;
    bool FrameClosed = false;
    int LastFrameSecond = -1;
    int StartSecond = 0;   // the second asked for when the service was started

private:
    bool Bind();
    void Release();
    // Waits in 100 ms steps with the messages handled; false after the time-out.
    bool WaitFor(const bool &flag);

    std::unique_ptr<EngineClient> FrameLibrary;
    decltype(&X_GetFrame_Init) FrameInit = nullptr;
    decltype(&X_Get_Frame) FrameGet = nullptr;
    decltype(&X_Set_NextFrame_Time) FrameSeek = nullptr;
    decltype(&X_GetFrame_UnInit) FrameUninit = nullptr;
    decltype(&X_Global_CMD) GlobalCommand = nullptr;
    bool started_ = false;
    bool closing_ = false;
    QString scratchFolder_;
    std::function<void()> pump_;
};
