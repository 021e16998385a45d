#include "FrameService.h"

#include "EngineClient.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QThread>
#include <cstring>

namespace {
// A shutdown is in progress; a second one started from a message handled while
// it waits must not enter.
bool ShuttingDown = false;

// The engine normally answers within a fraction of a second; an engine that never
// answers must not freeze the program.
constexpr int kMaximumWaitSteps = 100;
} // namespace

FrameService::FrameService(const QString &scratchFolder)
    : scratchFolder_(scratchFolder), pump_([] { QCoreApplication::processEvents(); })
{
}

FrameService::~FrameService()
{
    ShutdownFrameEngine();
}

bool FrameService::EnsureFrameEngine()
{
    if (FrameLibrary)
        return true;
    FrameLibrary = EngineClient::Load();
    if (!FrameLibrary)
        return false;
    if (!Bind()) {
        Release();
        return false;
    }
    const QByteArray workFile = (scratchFolder_ + QStringLiteral("telvotempfile.tmp")).toUtf8();
    GlobalCommand(workFile.constData(), "29.976", 1);
    return true;
}

bool FrameService::Bind()
{
    FrameInit = ENGINE_ENTRY(*FrameLibrary, X_GetFrame_Init);
    FrameGet = ENGINE_ENTRY(*FrameLibrary, X_Get_Frame);
    FrameSeek = ENGINE_ENTRY(*FrameLibrary, X_Set_NextFrame_Time);
    FrameUninit = ENGINE_ENTRY(*FrameLibrary, X_GetFrame_UnInit);
    FrameLibrary->Symbol("X_GetFileinfo_GetPic");   // required, though the preview does not call it
    GlobalCommand = ENGINE_ENTRY(*FrameLibrary, X_Global_CMD);
    return FrameLibrary->MissingEntryPoints().isEmpty();
}

void FrameService::Start(KorvidWindow *window, const QString &fileName, int seekSecond)
{
    const QByteArray path = fileName.toUtf8();
    const QByteArray second = QByteArray::number(seekSecond);
    started_ = true;
    StartSecond = seekSecond;
    FrameInit(window, 2, path.constData(), "", second.constData());
}

void FrameService::Seek(int second)
{
    if (FrameSeek)
        FrameSeek(second);
}

QImage FrameService::FetchFrame(int width, int height)
{
    if (!FrameLibrary || width < 1 || height < 1)
        return {};
    uint8_t *pixels = nullptr;
    int32_t result[16] = {};
    FrameGet(width, height, nullptr, &pixels, result);
    LastFrameSecond = result[0];
    if (!pixels)
        return {};   // the engine has no picture at that size
    QImage picture(width, height, QImage::Format_BGR888);
    const qsizetype rowBytes = static_cast<qsizetype>(width) * 3;
    for (int row = 0; row < height; ++row)
        std::memcpy(picture.scanLine(row), pixels + rowBytes * row, static_cast<size_t>(rowBytes));
    return picture;
}

void FrameService::ShutdownFrameEngine()
{
    if (!FrameLibrary || ShuttingDown)
        return;
    ShuttingDown = true;
    // Without a started service there is nothing to wait for. A service whose
    // readiness never came is still stopped: its worker must not outlive the library.
    if (started_) {
        WaitFor(FrameReady);
        FrameClosed = false;
        closing_ = true;
        FrameUninit();
        WaitFor(FrameClosed);
    }
    Release();
    ShuttingDown = false;
}

bool FrameService::WaitFor(const bool &flag)
{
    for (int step = 0; !flag && step < kMaximumWaitSteps; ++step) {
        QThread::msleep(100);
        pump_();
    }
    return flag;
}

void FrameService::Release()
{
    FrameReady = false;
    LastFrameSecond = -1;
    started_ = false;
    closing_ = false;
    FrameInit = nullptr;
    FrameGet = nullptr;
    FrameSeek = nullptr;
    FrameUninit = nullptr;
    GlobalCommand = nullptr;
    FrameLibrary.reset();
}

void FrameService::Ready()
{
    FrameReady = true;
    FrameClosed = false;
}

void FrameService::Closed()
{
    FrameReady = false;
    FrameClosed = true;
}

bool FrameService::ShutdownInProgress()
{
    return ShuttingDown;
}

FrameService::State FrameService::CurrentState() const
{
    if (!FrameLibrary)
        return State::Unloaded;
    if (closing_)
        return State::Closing;
    return FrameReady ? State::Ready : State::Starting;
}
