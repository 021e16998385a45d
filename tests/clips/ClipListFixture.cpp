#include "ClipListFixture.h"

#include "WaitUntil.h"

#include "LibraryLoader.h"
#include "MediaInfoInterfa.h"

#include <QLabel>

void ClipListFixture::SetUpTestSuite()
{
    media = new QTemporaryDir;
    const QString base = media->path() + QLatin1Char('/');
    twoAudioTs = fixtures::TransportStreamWithTwoAudioPids(base + "two audio.ts");
    noAudioMp4 = fixtures::VideoOnly(base + "silent.mp4", QStringLiteral("320x240"));
    oneAudioMp4 = fixtures::OneAudioTrack(base + "one audio.mp4");
    twoLanguageMkv = fixtures::MatroskaWithTwoLanguages(base + "languages.mkv");
}

void ClipListFixture::TearDownTestSuite()
{
    delete media;
    media = nullptr;
}

void ClipListFixture::SetUp()
{
    ASSERT_FALSE(twoAudioTs.isEmpty() || noAudioMp4.isEmpty() || oneAudioMp4.isEmpty() || twoLanguageMkv.isEmpty());
    engine = std::make_unique<TestEngine>();
    questions = std::make_unique<ScriptedQuestions>();
    panel = std::make_unique<ClipListPanel>();
    panel->environment.settingsFolder = [this] { return settings.path() + QLatin1Char('/'); };
}

void ClipListFixture::TearDown()
{
    panel.reset();
    EXPECT_EQ(questions->UnusedAnswers(), 0);
    questions.reset();
    engine.reset();
    SetMediaInfoLibraryNameForTesting(QStringLiteral("MediaInfo.dll"));
}

QString ClipListFixture::Scripted(const QString &path, int durationSeconds, float frameRate, int width, int height)
{
    engine->SetProbe(path, TestEngine::VideoInfo(durationSeconds, frameRate, width, height));
    engine->SetPicture(path, 0xFF0000, 0x0000FF);
    return path;
}

void ClipListFixture::AddFiles(const QStringList &files)
{
    questions->AnswerOpenFiles(files);
    panel->suiImageButton_OpenDirClick();
    EXPECT_TRUE(WaitUntil([this] { return !panel->Model().Busy(); })) << "the adding pass did not end";
}

QList<int> ClipListFixture::RowTops() const
{
    QList<int> tops;
    for (const TInfoListItem *row : panel->Rows())
        tops << row->y();
    return tops;
}

QList<int> ClipListFixture::RowNumbers() const
{
    QList<int> numbers;
    for (const TInfoListItem *row : panel->Rows())
        numbers << row->RowNumber();
    return numbers;
}

QString ClipListFixture::LabelText(TInfoListItem *row, const char *labelName) const
{
    const QLabel *label = row->LabelNamed(QLatin1String(labelName));
    return label ? label->text() : QStringLiteral("<no label>");
}
