#include "TestEngine.h"

#include "LibraryLoader.h"
#include "test_engine_control.h"

#include <QFile>
#include <QtGlobal>

#include <dlfcn.h>

struct TestEngine::Controls {
    decltype(&TestEngine_Reset) reset;
    decltype(&TestEngine_SetCoreCount) setCoreCount;
    decltype(&TestEngine_SetLastError) setLastError;
    decltype(&TestEngine_SetEntryResult) setEntryResult;
    decltype(&TestEngine_SetEntryDelay) setEntryDelay;
    decltype(&TestEngine_FinishRunning) finishRunning;
    decltype(&TestEngine_SetProbe) setProbe;
    decltype(&TestEngine_SetPicture) setPicture;
    decltype(&TestEngine_AddProgress) addProgress;
    decltype(&TestEngine_SetWriteTargetFiles) setWriteTargetFiles;
    decltype(&TestEngine_ClearPosts) clearPosts;
    decltype(&TestEngine_AddPost) addPost;
    decltype(&TestEngine_PostNow) postNow;
    decltype(&TestEngine_WaitForPosts) waitForPosts;
    decltype(&TestEngine_CallCount) callCount;
    decltype(&TestEngine_Call) call;
    decltype(&TestEngine_WaitForCalls) waitForCalls;
};

namespace {

template <typename Function>
void Bind(void *handle, Function &function, const char *name)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    if (!function)
        qFatal("The test engine lacks %s", name);
}

QByteArray Text(const QString &text)
{
    return text.toUtf8();
}

} // namespace

QString TestEngine::Folder(const QString &variant)
{
    return QStringLiteral(PELORIN_BUILD_DIR "/") + variant + QLatin1Char('/');
}

// Opened like the program opens it (RTLD_NODELETE), so both share one copy.
TestEngine::TestEngine(const QString &variant)
    : controls_(std::make_unique<Controls>())
{
    const QByteArray path = QFile::encodeName(Folder(variant) + QStringLiteral("libKorvid.so"));
    handle_ = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!handle_)
        qFatal("Cannot load the test engine %s: %s", path.constData(), dlerror());
    Controls &c = *controls_;
    Bind(handle_, c.reset, "TestEngine_Reset");
    Bind(handle_, c.setCoreCount, "TestEngine_SetCoreCount");
    Bind(handle_, c.setLastError, "TestEngine_SetLastError");
    Bind(handle_, c.setEntryResult, "TestEngine_SetEntryResult");
    Bind(handle_, c.setEntryDelay, "TestEngine_SetEntryDelay");
    Bind(handle_, c.finishRunning, "TestEngine_FinishRunning");
    Bind(handle_, c.setProbe, "TestEngine_SetProbe");
    Bind(handle_, c.setPicture, "TestEngine_SetPicture");
    Bind(handle_, c.addProgress, "TestEngine_AddProgress");
    Bind(handle_, c.setWriteTargetFiles, "TestEngine_SetWriteTargetFiles");
    Bind(handle_, c.clearPosts, "TestEngine_ClearPosts");
    Bind(handle_, c.addPost, "TestEngine_AddPost");
    Bind(handle_, c.postNow, "TestEngine_PostNow");
    Bind(handle_, c.waitForPosts, "TestEngine_WaitForPosts");
    Bind(handle_, c.callCount, "TestEngine_CallCount");
    Bind(handle_, c.call, "TestEngine_Call");
    Bind(handle_, c.waitForCalls, "TestEngine_WaitForCalls");
    Reset();
    platform::SetProgramFolderForTesting(Folder(variant));
}

TestEngine::~TestEngine()
{
    Reset();
    platform::SetProgramFolderForTesting(QString());
    dlclose(handle_);
}

void TestEngine::Reset() { controls_->reset(); }
void TestEngine::SetCoreCount(int count) { controls_->setCoreCount(count); }
void TestEngine::SetLastError(const QString &reason) { controls_->setLastError(reason.toUtf8().constData()); }
void TestEngine::SetEntryResult(const QString &name, int result) { controls_->setEntryResult(Text(name).constData(), result); }
void TestEngine::SetEntryDelay(const QString &name, int milliseconds) { controls_->setEntryDelay(Text(name).constData(), milliseconds); }
void TestEngine::FinishRunning() { controls_->finishRunning(); }

void TestEngine::SetProbe(const QString &path, const EngineFileInfo &info, int result)
{
    controls_->setProbe(Text(path).constData(), &info, result);
}

void TestEngine::SetPicture(const QString &path, uint32_t topRgb, uint32_t bottomRgb)
{
    controls_->setPicture(Text(path).constData(), topRgb & 0xFFFFFF, bottomRgb & 0xFFFFFF);
}

void TestEngine::AddProgress(int secondsDone, int framesPerSecond, int producing)
{
    controls_->addProgress(secondsDone, framesPerSecond, producing);
}

void TestEngine::SetWriteTargetFiles(bool enabled) { controls_->setWriteTargetFiles(enabled ? 1 : 0); }
void TestEngine::ClearPosts(const QString &name) { controls_->clearPosts(Text(name).constData()); }

void TestEngine::AddPost(const QString &name, uint32_t message, uintptr_t wparam, intptr_t lparam, int delayMilliseconds)
{
    controls_->addPost(Text(name).constData(), message, wparam, lparam, delayMilliseconds);
}

bool TestEngine::PostNow(uint32_t message, uintptr_t wparam, intptr_t lparam)
{
    return controls_->postNow(message, wparam, lparam) != 0;
}

bool TestEngine::WaitForPosts(int timeoutMilliseconds) { return controls_->waitForPosts(timeoutMilliseconds) != 0; }

bool TestEngine::WaitForCalls(const QString &name, int count, int timeoutMilliseconds)
{
    return controls_->waitForCalls(Text(name).constData(), count, timeoutMilliseconds) != 0;
}

QStringList TestEngine::Calls() const
{
    QStringList result;
    const int count = controls_->callCount();
    for (int index = 0; index < count; ++index)
        result.append(QString::fromUtf8(controls_->call(index)));
    return result;
}

QStringList TestEngine::Calls(const QString &name) const
{
    QStringList result;
    for (const QString &call : Calls()) {
        if (call == name || call.startsWith(name + QLatin1Char('|')))
            result.append(call);
    }
    return result;
}

int TestEngine::CallCount(const QString &name) const
{
    return int(Calls(name).size());
}

QStringList TestEngine::Arguments(const QString &call)
{
    return call.split(QLatin1Char('|')).mid(1);
}

EngineFileInfo TestEngine::VideoInfo(int durationSeconds, float frameRate, int width, int height)
{
    EngineFileInfo info{};
    info.durationSeconds = durationSeconds;
    info.frameRate = frameRate;
    info.videoBitRateKbps = 1000.0f;
    info.width = width;
    info.height = height;
    info.aspectCode = 1;
    info.audioSampleRate = 44100;
    info.audioBitRateKbps = 128.0f;
    info.aspectFlag = 1;
    return info;
}

NoEngine::NoEngine()
{
    platform::SetProgramFolderForTesting(emptyFolder_.path());
}

NoEngine::~NoEngine()
{
    platform::SetProgramFolderForTesting(QString());
}
