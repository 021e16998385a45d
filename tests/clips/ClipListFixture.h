#pragma once
// A clip list panel with the test engine, scripted questions, a settings folder
// and media files made once per test program.

#include "ClipListPanel.h"
#include "MediaFixtures.h"
#include "ScriptedQuestions.h"
#include "TestEngine.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class ClipListFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Scripts the engine's probe of `path` (picture top red, bottom blue) and
    // returns the path.
    QString Scripted(const QString &path, int durationSeconds = 60, float frameRate = 25.0f, int width = 320,
                     int height = 240);
    // Answers the file dialog with `files` and runs the add command.
    void AddFiles(const QStringList &files);
    QList<int> RowTops() const;
    QList<int> RowNumbers() const;
    QString LabelText(TInfoListItem *row, const char *labelName) const;

    static inline QTemporaryDir *media = nullptr;
    static inline QString twoAudioTs, noAudioMp4, oneAudioMp4, twoLanguageMkv;

    std::unique_ptr<TestEngine> engine;
    std::unique_ptr<ScriptedQuestions> questions;
    QTemporaryDir settings;
    std::unique_ptr<ClipListPanel> panel;
};
