// The checks of the start button and their messages.

#include "MainWindowStart.h"

#include "ScriptedQuestions.h"
#include "TargetCatalogue.h"

#include <gtest/gtest.h>

namespace conversion {
namespace {

const QString kTooMany = QStringLiteral("The video clips you added exceed the recommended amount. We will create DVD "
                                        "with the first 99 video files.\nDo you want to continue?");

TEST(StartChecksTest, RefusalsAndTheirMessages)
{
    struct Case {
        StartState state;
        const char *information;
    };
    const Case cases[] = {
        {{true, true, false, targets::TargetAVI, 3}, nullptr},   // adding clips: nothing at all
        {{false, true, true, targets::TargetAVI, 3}, "Seeking disc, please waiting."},
        {{false, false, false, targets::TargetAVI, 3}, "No clip to convert!"},
    };
    for (const Case &c : cases) {
        ScriptedQuestions questions;
        EXPECT_FALSE(StartChecksPass(nullptr, c.state));
        const QStringList shown = questions.Texts(ScriptedQuestions::Kind::Information);
        EXPECT_EQ(shown, c.information ? QStringList{QLatin1String(c.information)} : QStringList{});
        EXPECT_EQ(questions.Asked().size(), shown.size());
    }
}

TEST(StartChecksTest, DiscTargetsAskAboutAHundredClips)
{
    struct Case {
        int target, clips;
        bool asks, answer, passes;
    };
    const Case cases[] = {
        {targets::TargetDVD_Folder, 100, true, true, true},  {targets::TargetDVD_Disc, 120, true, false, false},
        {targets::TargetDVD_ISO, 100, true, false, false},   {targets::TargetDVD_Folder, 99, false, false, true},
        {targets::TargetVOB_File, 150, false, false, true},  {targets::TargetAVI, 100, false, false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "target " << c.target << ", " << c.clips << " clips");
        ScriptedQuestions questions;
        if (c.asks)
            questions.AnswerOkCancel(c.answer);
        EXPECT_EQ(StartChecksPass(nullptr, {false, false, true, c.target, c.clips}), c.passes);
        EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::OkCancel), c.asks ? QStringList{kTooMany} : QStringList{});
    }
}

TEST(StartChecksTest, ClipsWithSoundOnlyAreNamedAndSkippedOnlyWhenTheUserAgrees)
{
    const QStringList songs{"/m/song.mp3", "/m/tone.ogg"};
    const QString question = "These clips have no video and cannot be converted to AVI:\n\n/m/song.mp3\n"
                             "/m/tone.ogg\n\nSkip them and convert the other clips?";
    for (const bool skip : {true, false}) {
        ScriptedQuestions questions;
        questions.AnswerConfirm(skip);
        EXPECT_EQ(StartChecksPass(nullptr, {false, false, true, targets::TargetAVI, 3, songs}), skip);
        EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Confirm), QStringList{question});
    }
    {
        SCOPED_TRACE("a music target converts every clip without asking");
        ScriptedQuestions questions;
        EXPECT_TRUE(StartChecksPass(nullptr, {false, false, true, targets::TargetMP3, 3, songs}));
        EXPECT_TRUE(questions.Asked().isEmpty());
    }
    {
        SCOPED_TRACE("nothing but sound: no run to a video target");
        ScriptedQuestions questions;
        EXPECT_FALSE(StartChecksPass(nullptr, {false, false, true, targets::TargetiPod, 2, songs}));
        EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Information),
                  QStringList{"The clips in the list have no video, so they cannot be converted to iPod.\n"
                              "Choose a music format such as MP3 to convert their sound."});
    }
    {
        SCOPED_TRACE("the DVD limit is asked first; refusing it asks nothing more");
        ScriptedQuestions questions;
        questions.AnswerOkCancel(false);
        EXPECT_FALSE(StartChecksPass(nullptr, {false, false, true, targets::TargetDVD_Folder, 120, songs}));
        EXPECT_TRUE(questions.Texts(ScriptedQuestions::Kind::Confirm).isEmpty());
    }
}

TEST(StartChecksTest, ARunThatWillNotFitAsksBeforeItStarts)
{
    const QString question = "The converted files need about 3.2 GB, but the output folder's drive has only "
                             "850 MB free.\nConvert anyway?";
    for (const bool goOn : {true, false}) {
        ScriptedQuestions questions;
        questions.AnswerConfirm(goOn);
        StartState state{false, false, true, targets::TargetAVI, 3};
        state.predictedBytes = 3'200'000'000;
        state.freeBytes = 850'000'000;
        EXPECT_EQ(StartChecksPass(nullptr, state), goOn);
        EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Confirm), QStringList{question});
    }
    for (const std::optional<qint64> free : {std::optional<qint64>(3'200'000'000), std::optional<qint64>()}) {
        SCOPED_TRACE("enough room, or a drive that cannot tell: no question");
        ScriptedQuestions questions;
        StartState state{false, false, true, targets::TargetAVI, 3};
        state.predictedBytes = 3'200'000'000;
        state.freeBytes = free;
        EXPECT_TRUE(StartChecksPass(nullptr, state));
        EXPECT_TRUE(questions.Asked().isEmpty());
    }
}

} // namespace
} // namespace conversion
