#include "FrameService.h"

#include "LibraryLoader.h"
#include "OptionVariables.h"

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

TFrameService::TFrameService()
    : pump_([] { QCoreApplication::processEvents(); })
{
}

TFrameService::~TFrameService()
{
    ShutdownFrameEngine();
}

bool TFrameService::EnsureFrameEngine()
{
    if (FrameLibrary)
        return true;
    FrameLibrary = platform::Library::loadByName(QStringLiteral("Korvid.dll"));
    if (!FrameLibrary)
        return false;
    if (!bind()) {
        release();
        return false;
    }
    const QByteArray workFile = (g_s_Application_Data_Path + QStringLiteral("telvotempfile.tmp")).toUtf8();
    GlobalCommand(workFile.constData(), "29.976", 1);
    return true;
}

bool TFrameService::bind()
{
    FrameInit = FrameLibrary->bind<decltype(&X_GetFrame_Init)>("X_GetFrame_Init");
    FrameGet = FrameLibrary->bind<decltype(&X_Get_Frame)>("X_Get_Frame");
    FrameSeek = FrameLibrary->bind<decltype(&X_Set_NextFrame_Time)>("X_Set_NextFrame_Time");
    FrameUninit = FrameLibrary->bind<decltype(&X_GetFrame_UnInit)>("X_GetFrame_UnInit");
    const bool probeBound = FrameLibrary->symbol("X_GetFileinfo_GetPic") != nullptr;
    GlobalCommand = FrameLibrary->bind<decltype(&X_Global_CMD)>("X_Global_CMD");
    return FrameInit && FrameGet && FrameSeek && FrameUninit && probeBound && GlobalCommand;
}

void TFrameService::Start(KorvidWindow *window, const QString &fileName, int seekSecond)
{
    const QByteArray path = fileName.toUtf8();
    const QByteArray second = QByteArray::number(seekSecond);
    started_ = true;
    StartSecond = seekSecond;
    FrameInit(window, 2, path.constData(), "", second.constData());
}

void TFrameService::Seek(int second)
{
    if (FrameSeek)
        FrameSeek(second);
}

QImage TFrameService::FetchFrame(int width, int height)
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

void TFrameService::ShutdownFrameEngine()
{
    if (!FrameLibrary || ShuttingDown)
        return;
    ShuttingDown = true;
    // Without a started service there is nothing to wait for. A service whose
    // readiness never came is still stopped: its worker must not outlive the library.
    if (started_) {
        waitFor(FrameReady);
        FrameClosed = false;
        closing_ = true;
        FrameUninit();
        waitFor(FrameClosed);
    }
    release();
    ShuttingDown = false;
}

bool TFrameService::waitFor(const bool &flag)
{
    for (int step = 0; !flag && step < kMaximumWaitSteps; ++step) {
        QThread::msleep(100);
        pump_();
    }
    return flag;
}

void TFrameService::release()
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

void TFrameService::Ready()
{
    FrameReady = true;
    FrameClosed = false;
}

void TFrameService::Closed()
{
    FrameReady = false;
    FrameClosed = true;
}

bool TFrameService::ShutdownInProgress()
{
    return ShuttingDown;
}

TFrameService::State TFrameService::CurrentState() const
{
    if (!FrameLibrary)
        return State::Unloaded;
    if (closing_)
        return State::Closing;
    return FrameReady ? State::Ready : State::Starting;
}
