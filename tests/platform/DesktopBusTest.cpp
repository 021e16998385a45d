// The real desktop services against test services of our own on a private bus.

#include "BusServices.h"
#include "Desktop.h"
#include "DesktopBus.h"
#include "RecordingDesktop.h"
#include "WaitUntil.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Stands in for the desktop's default handler of folders.
class FolderHandler : public QObject {
    Q_OBJECT
public:
    FolderHandler() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~FolderHandler() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QStringList opened;
public slots:
    void Open(const QUrl &url) { opened << url.toLocalFile(); }
};

class DesktopBusTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(bus.Running()) << "dbus-daemon did not start"; }
    BusServices bus;
};

TEST_F(DesktopBusTest, ANotificationSaysWhatHappenedAndItsActionOpensTheFolder)
{
    bus.Start({BusServices::Notifications});
    RecordingDesktop recording;   // where the action's folder goes
    platform::DesktopBus desktop;
    ASSERT_TRUE(desktop.Notify("3 files converted to iPod", "/out/iPod", "/out/iPod"));
    EXPECT_EQ(bus.Calls(), QStringList{"Notify|3 files converted to iPod|/out/iPod|open-folder,Open Folder"});

    bus.InvokeLastNotificationAction("open-folder");
    EXPECT_TRUE(WaitUntil([&] { return recording.Calls() == QStringList{"openFolder|/out/iPod"}; }))
        << recording.Calls().join(' ').toStdString();
}

TEST_F(DesktopBusTest, TheSleepInhibitorIsHeldUntilReleased)
{
    bus.Start({BusServices::Login});
    platform::DesktopBus desktop;
    ASSERT_TRUE(desktop.InhibitSleep("Converting 3 clip(s) to iPod"));
    EXPECT_EQ(bus.Calls(), QStringList{"Inhibit|sleep:idle|Converting 3 clip(s) to iPod|block"});
    EXPECT_FALSE(bus.InhibitorReleased());
    desktop.ReleaseSleep();
    EXPECT_TRUE(WaitUntil([this] { return bus.InhibitorReleased(); }));
}

TEST_F(DesktopBusTest, TaskbarProgressGoesOutAsTheLauncherEntrySignal)
{
    bus.Start({});
    platform::DesktopBus desktop;
    desktop.ShowTaskbarProgress(0.5);
    desktop.ShowTaskbarProgress(-1);
    ASSERT_TRUE(bus.WaitForCalls(2));
    EXPECT_EQ(bus.Calls().join('\n').toStdString(), QStringList({"LauncherEntry|application://com.pelorin.VideoConverter.desktop|0.5|true",
                                        "LauncherEntry|application://com.pelorin.VideoConverter.desktop|0|false"})
                                                          .join('\n')
                                                          .toStdString());
}

TEST_F(DesktopBusTest, WithoutServicesTheCallsFailAtOnce)
{
    bus.Start({});
    platform::DesktopBus desktop;
    QDeadlineTimer deadline(3000);
    EXPECT_FALSE(desktop.Notify("summary", "body", "/out"));
    EXPECT_FALSE(desktop.InhibitSleep("reason"));
    desktop.ReleaseSleep();
    EXPECT_FALSE(deadline.hasExpired()) << "an absent service must not be waited for";
}

TEST_F(DesktopBusTest, TheFileManagerShowsTheFileSelected)
{
    bus.Start({BusServices::FileManager});
    FolderHandler handler;
    EXPECT_TRUE(platform::CurrentDesktop().ShowFileInFolder("/out/iPod/clip.mp4"));
    EXPECT_EQ(bus.Calls(), QStringList{"ShowItems|file:///out/iPod/clip.mp4"});
    EXPECT_TRUE(handler.opened.isEmpty());
}

TEST_F(DesktopBusTest, WithoutAFileManagerTheFolderOpensWithTheDefaultHandler)
{
    bus.Start({});
    FolderHandler handler;
    EXPECT_TRUE(platform::CurrentDesktop().ShowFileInFolder("/out/iPod/clip.mp4"));
    EXPECT_EQ(handler.opened, QStringList{"/out/iPod"});
}

} // namespace

#include "DesktopBusTest.moc"
