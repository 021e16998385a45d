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
    void start();
    void finish();   // destroys the windows, as at the end of the process

    TMainForm &form() { return *windows->MainForm; }
    template <typename Control = QWidget>
    Control *control(const char *name)
    {
        auto *found = form().findChild<Control *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char *buttonName);

    SettingsSandbox sandbox;
    ScriptedQuestions questions;
    RecordingDesktop desktop;
    std::unique_ptr<ProgramWindows> windows;
};
