#pragma once
// TestEngine: the scripted engine for tests of the program.
//
// The program reaches the engine only by loading "Korvid.dll" (libKorvid.so)
// from its folder. A TestEngine loads <build>/test-engine/libKorvid.so itself,
// keeps it loaded (so its script and records survive the program's own load and
// release per probe, clip and preview), resets it, and makes that folder the
// program's folder (platform::SetProgramFolderForTesting). Everything the program
// then asks the engine is recorded and answered from the script; see
// test_engine/test_engine_control.h for the answers after a reset.
//
//   TestEngine engine;                                   // in the test or fixture
//   engine.SetCoreCount(4);
//   engine.SetProbe(path, TestEngine::VideoInfo(60, 29.97f, 1280, 720));
//   engine.SetEntryDelay("X_SetPar_D2IPOD_VIDEO", -1);  // runs until stopped or FinishRunning()
//   engine.AddProgress(10, 25);                          // what X_Get_Info reports
//   ... drive the window ...
//   EXPECT_TRUE(engine.WaitForCalls("X_SetPar_D2IPOD_VIDEO"));
//   QStringList arguments = TestEngine::Arguments(engine.Calls("X_SetPar_D2IPOD_VIDEO").first());
//
// Variants: TestEngine("test-engine-missing") loads a build without X_TO_HD_ZUNE
// (for "a library missing one name"), TestEngine("test-engine-no-reason") one
// without the optional X_Get_Last_Error; more can be built with
// pelorin_add_test_engine() in CMake. For "no engine at all" use NoEngine below.
//
// Messages go to the raw KorvidWindow pointers the program handed over. Destroy
// the windows only after WaitForPosts() or after this object (its destructor
// drops pending posts); one TestEngine per test.

#include "korvid.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class TestEngine {
public:
    explicit TestEngine(const QString &variant = QStringLiteral("test-engine"));
    ~TestEngine();
    TestEngine(const TestEngine &) = delete;
    TestEngine &operator=(const TestEngine &) = delete;

    // <build>/<variant>/, the folder holding that variant's libKorvid.so.
    static QString Folder(const QString &variant = QStringLiteral("test-engine"));

    void Reset();
    void SetCoreCount(int count);
    void SetLastError(const QString &reason);
    void SetEntryResult(const QString &name, int result);
    void SetEntryDelay(const QString &name, int milliseconds);   // -1: until stopped or FinishRunning()
    void FinishRunning();
    void SetProbe(const QString &path, const EngineFileInfo &info, int result = 0);
    void SetPicture(const QString &path, uint32_t topRgb, uint32_t bottomRgb);   // 0xRRGGBB
    void AddProgress(int secondsDone, int framesPerSecond, int producing = 1);
    void SetWriteTargetFiles(bool enabled);
    void ClearPosts(const QString &name);
    void AddPost(const QString &name, uint32_t message, uintptr_t wparam = 0, intptr_t lparam = 0, int delayMilliseconds = 0);
    bool PostNow(uint32_t message, uintptr_t wparam = 0, intptr_t lparam = 0);
    bool WaitForPosts(int timeoutMilliseconds = 5000);
    bool WaitForCalls(const QString &name, int count = 1, int timeoutMilliseconds = 5000);

    QStringList Calls() const;                          // "Name|arg|arg|...", in order
    QStringList Calls(const QString &name) const;       // only those of one entry point
    int CallCount(const QString &name) const;
    static QStringList Arguments(const QString &call);  // the arguments of one recorded call

    // A probe record: the given video with 128 kbps, 44100 Hz audio and square pixels.
    static EngineFileInfo VideoInfo(int durationSeconds, float frameRate, int width, int height);

private:
    struct Controls;
    void *handle_ = nullptr;
    std::unique_ptr<Controls> controls_;
};

// No engine: the program's folder is an empty folder while this object lives.
class NoEngine {
public:
    NoEngine();
    ~NoEngine();

private:
    QTemporaryDir emptyFolder_;
};
