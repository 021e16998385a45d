/*
 * test_engine_control.h - controls of the test engine library.
 *
 * The test engine is a libKorvid.so built to <build>/test-engine/ that exports
 * every entry point of korvid.h, records each call with all its arguments and
 * answers as scripted. Tests normally use the C++ class TestEngine
 * (tests/support/TestEngine.h), which loads this same file and points the
 * program's folder at it; these C functions are what that class calls.
 *
 * Recorded calls read "Name|arg|arg|...": texts as given ("(null)" for a null
 * text), integers in decimal, pointers as "ptr" or "0" (null). Every call is
 * recorded, X_Get_Info included, in the order the calls arrived.
 *
 * Answers after TestEngine_Reset():
 *   - every entry point returns 0 unless TestEngine_SetEntryResult says otherwise;
 *   - X_Get_CPU_Core_Number returns 1;
 *   - X_Get_Last_Error gives the reason set by TestEngine_SetLastError ("" when none);
 *   - X_GetFileinfo_GetPic returns the result given to TestEngine_SetProbe for
 *     its path (filling the record), or -1 for a path never set up; a set-up
 *     path also becomes the current picture;
 *   - X_Get_Frame fills a width x height B,G,R buffer with the current picture
 *     (top half and bottom half colours, grey when not set), puts the last
 *     requested frame second into result[0] and writes a 24-bit BMP when given
 *     a name; X_Get_Frame_JPEG writes a JPEG of the same picture; sizes outside
 *     1..8192 give -1;
 *   - X_Get_Info fills the record from the queue of TestEngine_AddProgress (the
 *     last entry repeats; zeros when none was added);
 *   - Posts (asynchronous, from the engine's own thread, in order): X_GetFrame_Init
 *     posts 2312 to its window, X_Set_NextFrame_Time 2412 with wparam 1 and
 *     X_GetFrame_UnInit 2512, both to the window of the last X_GetFrame_Init;
 *     every target entry point posts 2312 to its window when it starts;
 *   - target entry points return at once and, when they succeed, write a small
 *     file at targetFile (if its folder exists).
 */
#ifndef TEST_ENGINE_CONTROL_H
#define TEST_ENGINE_CONTROL_H

#include <stdint.h>

#include "korvid.h"

#ifdef __cplusplus
extern "C" {
#endif

#define TEST_ENGINE_API __attribute__((visibility("default")))

/* Back to the answers above; forgets recorded calls and drops pending posts. */
TEST_ENGINE_API void TestEngine_Reset(void);

TEST_ENGINE_API void TestEngine_SetCoreCount(int32_t count);
/* The reason X_Get_Last_Error gives from now on. */
TEST_ENGINE_API void TestEngine_SetLastError(const char *reason);
/* Result of the entry point `name` (for X_GetFileinfo_GetPic see SetProbe). */
TEST_ENGINE_API void TestEngine_SetEntryResult(const char *name, int32_t result);
/* The entry point `name` blocks this long before it returns. For target entry
 * points -1 blocks until X_StopConvert or TestEngine_FinishRunning; X_StopConvert
 * ends the wait early and the call then returns 0 (a user stop). */
TEST_ENGINE_API void TestEngine_SetEntryDelay(const char *name, int32_t milliseconds);
/* Lets a blocked target entry point finish with its scripted result. */
TEST_ENGINE_API void TestEngine_FinishRunning(void);

TEST_ENGINE_API void TestEngine_SetProbe(const char *path, const EngineFileInfo *info, int32_t result);
/* Colours as 0xRRGGBB for the top and bottom half of the path's picture. */
TEST_ENGINE_API void TestEngine_SetPicture(const char *path, uint32_t topRgb, uint32_t bottomRgb);
TEST_ENGINE_API void TestEngine_AddProgress(int32_t secondsDone, int32_t framesPerSecond, int32_t producing);
TEST_ENGINE_API void TestEngine_SetWriteTargetFiles(int32_t enabled);

/* Posts made when the entry point `name` is called: ClearPosts removes them
 * (defaults included), AddPost appends one, sent delayMilliseconds after the call. */
TEST_ENGINE_API void TestEngine_ClearPosts(const char *name);
TEST_ENGINE_API void TestEngine_AddPost(const char *name, uint32_t message, uintptr_t wparam, intptr_t lparam,
                                        int32_t delayMilliseconds);
/* Posts now to the last window handed to the engine; 0 when there is none. */
TEST_ENGINE_API int32_t TestEngine_PostNow(uint32_t message, uintptr_t wparam, intptr_t lparam);
/* 1 once every scheduled post has been delivered, 0 on time-out. */
TEST_ENGINE_API int32_t TestEngine_WaitForPosts(int32_t timeoutMilliseconds);

TEST_ENGINE_API int32_t TestEngine_CallCount(void);
/* The index-th recorded call; valid until the next TestEngine_Reset. "" when out of range. */
TEST_ENGINE_API const char *TestEngine_Call(int32_t index);
/* 1 once `name` has been called at least `count` times, 0 on time-out. */
TEST_ENGINE_API int32_t TestEngine_WaitForCalls(const char *name, int32_t count, int32_t timeoutMilliseconds);

#ifdef __cplusplus
}
#endif

#endif /* TEST_ENGINE_CONTROL_H */
