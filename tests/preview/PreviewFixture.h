#pragma once
// The program's main window with its clip list and preview, the test engine
// in the program's folder and one clip made current.

#include "ClipListPanel.h"
#include "PreviewPanel.h"
#include "ScriptedQuestions.h"
#include "SettingsSandbox.h"
#include "TestEngine.h"
#include "VideoInfo.h"
#include "forms/ProgramWindows.h"

#include <QLabel>
#include <gtest/gtest.h>
#include <memory>

class PreviewFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void MakeClip(TVideoInfo &clip, const QString &fileName, int duration, uint32_t topRgb);
    // Presses, moves by dx and releases the named range bar control.
    void DragAndRelease(const char *controlName, int dx);
    bool WaitUntilIdle();   // the frame service ready and no frame pending
    QWidget *Control(const char *name) const;
    bool Seeking() const;
    QStringList FrameCalls() const;   // the frame service's calls by name and arguments

    SettingsSandbox sandbox;
    ScriptedQuestions questions;
    TestEngine engine;
    TVideoInfo clip;
    TVideoInfo otherClip;
    std::unique_ptr<ProgramWindows> windows;
    ClipListPanel *clipList = nullptr;
    PreviewPanel *preview = nullptr;
};
