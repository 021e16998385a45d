// What other tests rely on in the test engine: the full export list, the
// recording format, scripted answers, posts, and state surviving a release.

#include "EngineWindow.h"
#include "LibraryLoader.h"
#include "TestEngine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <future>

using platform::Library;

namespace {

QStringList HeaderEntryPoints()
{
    QFile header(QStringLiteral(KORVID_HEADER));
    header.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(header.readAll());
    QStringList names;
    static const QRegularExpression declaration(QStringLiteral("KORVID_API\\s+int32_t\\s+(\\w+)\\s*\\("));
    for (const QRegularExpressionMatch &match : declaration.globalMatch(text))
        names.append(match.captured(1));
    return names;
}

class MessageSink : public QObject {
public:
    bool event(QEvent *event) override
    {
        if (event->type() != platform::EngineMessageEvent::EventType())
            return QObject::event(event);
        const auto *message = static_cast<platform::EngineMessageEvent *>(event);
        received.append(QStringLiteral("%1/%2").arg(message->message).arg(message->wparam));
        return true;
    }
    QStringList received;
};

QStringList WaitForMessages(MessageSink &sink, int count)
{
    QElapsedTimer timer;
    timer.start();
    while (sink.received.size() < count && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return sink.received;
}

TEST(TestEngine, ExportsEveryEntryPointOfTheHeader)
{
    TestEngine engine;
    const QStringList names = HeaderEntryPoints();
    ASSERT_GE(names.size(), 38);
    const auto library = Library::LoadByName(QStringLiteral("Korvid.dll"));
    ASSERT_TRUE(library);
    for (const QString &name : names)
        EXPECT_TRUE(library->Symbol(name.toLatin1().constData())) << name.toStdString();
}

TEST(TestEngine, MissingVariantLacksOnlyItsOneName)
{
    TestEngine engine(QStringLiteral("test-engine-missing"));
    const auto library = Library::LoadByName(QStringLiteral("Korvid.dll"));
    ASSERT_TRUE(library);
    for (const QString &name : HeaderEntryPoints())
        EXPECT_EQ(library->Symbol(name.toLatin1().constData()) == nullptr, name == QLatin1String("X_TO_HD_ZUNE"))
            << name.toStdString();
}

TEST(TestEngine, LastErrorGivesTheScriptedReasonCutToTheBuffer)
{
    TestEngine engine;
    engine.SetLastError(QStringLiteral("no video stream"));
    const auto library = Library::LoadByName(QStringLiteral("Korvid.dll"));
    ASSERT_TRUE(library);
    const auto getLastError = library->Bind<decltype(&X_Get_Last_Error)>("X_Get_Last_Error");
    ASSERT_TRUE(getLastError);
    char buffer[9];
    EXPECT_EQ(getLastError(buffer, sizeof buffer), 15);
    EXPECT_STREQ(buffer, "no video");
}

TEST(TestEngine, StateSurvivesTheProgramsReleaseOfTheLibrary)
{
    TestEngine engine;
    engine.SetCoreCount(4);
    for (int use = 0; use < 2; ++use) {
        const auto library = Library::LoadByName(QStringLiteral("Korvid.dll"));
        EXPECT_EQ(library->Bind<decltype(&X_Get_CPU_Core_Number)>("X_Get_CPU_Core_Number")(), 4);
    }
    EXPECT_EQ(engine.CallCount(QStringLiteral("X_Get_CPU_Core_Number")), 2);
}

TEST(TestEngine, RecordsEveryArgumentInOrder)
{
    TestEngine engine;
    const auto library = Library::LoadByName(QStringLiteral("Korvid.dll"));
    library->Bind<decltype(&X_Global_CMD)>("X_Global_CMD")("/tmp/work.tmp", "-1", 1);
    library->Bind<decltype(&X_SetPar_Global)>("X_SetPar_Global")(2, 0, 0, 1, 0, -1);
    library->Bind<decltype(&X_SetPar_D2IPOD_MP3)>("X_SetPar_D2IPOD_MP3")(
        nullptr, 2, "/in/ä.avi", "0", "0", "44100", "128", "t", "a", "c", "1", nullptr, "100", "60", "mp3", 19990817);
    EXPECT_EQ(engine.Calls(), (QStringList{
        QStringLiteral("X_Global_CMD|/tmp/work.tmp|-1|1"),
        QStringLiteral("X_SetPar_Global|2|0|0|1|0|-1"),
        QStringLiteral("X_SetPar_D2IPOD_MP3|0|2|/in/ä.avi|0|0|44100|128|t|a|c|1|(null)|100|60|mp3|19990817"),
    }));
}

TEST(TestEngine, ProbeAnswersFromTheScript)
{
    TestEngine engine;
    engine.SetProbe(QStringLiteral("/clips/a.avi"), TestEngine::VideoInfo(61, 25.0f, 640, 480));
    const auto library = Library::LoadByName(QStringLiteral("Korvid.dll"));
    const auto probe = library->Bind<decltype(&X_GetFileinfo_GetPic)>("X_GetFileinfo_GetPic");
    EngineFileInfo info{};
    char known[] = "/clips/a.avi";
    char unknown[] = "/clips/b.avi";
    EXPECT_EQ(probe(known, 10, &info, 0), 0);
    EXPECT_EQ(info.durationSeconds, 61);
    EXPECT_EQ(info.width, 640);
    EXPECT_EQ(probe(unknown, 10, &info, 0), -1);
}

TEST(TestEngine, FramesShowTheCurrentPictureTopRowFirst)
{
    QTemporaryDir folder;
    TestEngine engine;
    engine.SetProbe(QStringLiteral("/clips/a.avi"), TestEngine::VideoInfo(60, 25.0f, 640, 480));
    engine.SetPicture(QStringLiteral("/clips/a.avi"), 0xFF0000, 0x0000FF);
    const auto library = Library::LoadByName(QStringLiteral("Korvid.dll"));
    EngineFileInfo info{};
    char path[] = "/clips/a.avi";
    library->Bind<decltype(&X_GetFileinfo_GetPic)>("X_GetFileinfo_GetPic")(path, 10, &info, 0);
    const auto frame = library->Bind<decltype(&X_Get_Frame)>("X_Get_Frame");
    uint8_t *pixels = nullptr;
    int32_t result[2] = {-1, -1};
    const QByteArray bmp = folder.filePath(QStringLiteral("2.bmp")).toUtf8();
    ASSERT_EQ(frame(4, 4, bmp.constData(), &pixels, result), 0);
    ASSERT_TRUE(pixels);
    EXPECT_EQ((std::vector<uint8_t>(pixels, pixels + 3)), (std::vector<uint8_t>{0, 0, 255}));          // B,G,R of red
    EXPECT_EQ((std::vector<uint8_t>(pixels + 36, pixels + 39)), (std::vector<uint8_t>{255, 0, 0}));    // blue, bottom row
    EXPECT_EQ(result[0], 0);
    const QImage written(QString::fromUtf8(bmp));
    EXPECT_EQ(written.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(written.pixel(0, 3), qRgb(0, 0, 255));
    EXPECT_EQ(frame(0, 4, nullptr, &pixels, result), -1);
    EXPECT_EQ(pixels, nullptr);
}

TEST(TestEngine, FrameServicePostsReadyFrameAndClosed)
{
    TestEngine engine;
    MessageSink sink;
    platform::EngineWindow window(&sink);
    const auto library = Library::LoadByName(QStringLiteral("Korvid.dll"));
    library->Bind<decltype(&X_GetFrame_Init)>("X_GetFrame_Init")(window.Handle(), 2, "/clips/a.avi", "", "0");
    library->Bind<decltype(&X_Set_NextFrame_Time)>("X_Set_NextFrame_Time")(12);
    library->Bind<decltype(&X_GetFrame_UnInit)>("X_GetFrame_UnInit")();
    EXPECT_EQ(WaitForMessages(sink, 3), (QStringList{QStringLiteral("2312/0"), QStringLiteral("2412/1"), QStringLiteral("2512/0")}));
}

TEST(TestEngine, ScriptedPostsReplaceTheDefaults)
{
    TestEngine engine;
    engine.ClearPosts(QStringLiteral("X_Set_NextFrame_Time"));
    engine.AddPost(QStringLiteral("X_Set_NextFrame_Time"), KORVID_MSG_FRAME, 0, 0, 50);
    MessageSink sink;
    platform::EngineWindow window(&sink);
    const auto library = Library::LoadByName(QStringLiteral("Korvid.dll"));
    library->Bind<decltype(&X_GetFrame_Init)>("X_GetFrame_Init")(window.Handle(), 2, "/clips/a.avi", "", "0");
    library->Bind<decltype(&X_Set_NextFrame_Time)>("X_Set_NextFrame_Time")(12);
    EXPECT_TRUE(engine.WaitForPosts());
    EXPECT_EQ(WaitForMessages(sink, 2), (QStringList{QStringLiteral("2312/0"), QStringLiteral("2412/0")}));
}

TEST(TestEngine, BlockedConversionEndsOnStopOrFinish)
{
    QTemporaryDir folder;
    const QByteArray target = folder.filePath(QStringLiteral("out.mp4")).toUtf8();
    TestEngine engine;
    engine.SetEntryDelay(QStringLiteral("X_TO_HD_MP4"), -1);
    engine.SetEntryResult(QStringLiteral("X_TO_HD_MP4"), -1);
    const auto library = Library::LoadByName(QStringLiteral("Korvid.dll"));
    const auto convert = library->Bind<decltype(&X_TO_HD_MP4)>("X_TO_HD_MP4");
    const auto run = [&] {
        return std::async(std::launch::async, [&] {
            return convert(nullptr, 2, "in", "0", "0", "44100", "16:9", "h264", "mp4", "1000", "128", "640x360", "640x360",
                           "", "", "", "25", "1", "-1", target.constData(), "100", "60", 1, "aac", 19990817);
        });
    };
    auto stopped = run();
    ASSERT_TRUE(engine.WaitForCalls(QStringLiteral("X_TO_HD_MP4")));
    library->Bind<decltype(&X_StopConvert)>("X_StopConvert")();
    EXPECT_EQ(stopped.get(), 0);
    auto finished = run();
    ASSERT_TRUE(engine.WaitForCalls(QStringLiteral("X_TO_HD_MP4"), 2));
    engine.FinishRunning();
    EXPECT_EQ(finished.get(), -1);
    EXPECT_FALSE(QFile::exists(QString::fromUtf8(target)));
    engine.SetEntryResult(QStringLiteral("X_TO_HD_MP4"), 0);
    engine.SetEntryDelay(QStringLiteral("X_TO_HD_MP4"), 0);
    EXPECT_EQ(run().get(), 0);
    EXPECT_TRUE(QFile::exists(QString::fromUtf8(target)));
}

TEST(TestEngine, ProgressFollowsTheQueueAndRepeatsTheLast)
{
    TestEngine engine;
    engine.AddProgress(5, 30);
    engine.AddProgress(10, 31, 0);
    const auto library = Library::LoadByName(QStringLiteral("Korvid.dll"));
    const auto info = library->Bind<decltype(&X_Get_Info)>("X_Get_Info");
    int32_t record[3] = {};
    QStringList seen;
    for (int poll = 0; poll < 3; ++poll) {
        info(record);
        seen.append(QStringLiteral("%1,%2,%3").arg(record[0]).arg(record[1]).arg(record[2]));
    }
    EXPECT_EQ(seen, (QStringList{QStringLiteral("5,30,1"), QStringLiteral("10,31,0"), QStringLiteral("10,31,0")}));
}

} // namespace
