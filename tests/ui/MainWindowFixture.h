#pragma once
// Every window of the program, created as at start-up inside a private settings
// world, with the modal questions and the desktop answered by doubles.

#include <gtest/gtest.h>

#include <memory>

#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"
#include "SettingsSandbox.h"
#include "forms/ProgramWindows.h"

class MainWindowFixture : public ::testing::Test {
protected:
    void Start();
    void Finish();   // destroys the windows, as at the end of the process

    TMainForm &Form() { return *windows->MainForm; }
    template <typename Widget = QWidget>
    Widget *Control(const char *name)
    {
        auto *found = Form().findChild<Widget *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void Click(const char *buttonName);

    SettingsSandbox sandbox;
    ScriptedQuestions questions;
    RecordingDesktop desktop;
    std::unique_ptr<ProgramWindows> windows;
};
