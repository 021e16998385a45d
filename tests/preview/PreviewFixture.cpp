#include "PreviewFixture.h"
#include "RangeBarMouse.h"

#include <QTest>

void PreviewFixture::SetUp()
{
    MakeClip(clip, QStringLiteral("/media/first clip.mp4"), 600, 0xFF0000);
    MakeClip(otherClip, QStringLiteral("/media/second clip.mp4"), 5, 0x00FF00);
    windows = std::make_unique<ProgramWindows>(sandbox.ProgramFolder());
    clipList = new ClipListPanel(windows->MainForm.get());
    preview = new PreviewPanel(windows->MainForm.get(), clipList, windows->Options.SettingsFolder());
    windows->MainForm->show();
    preview->CurrentClipChanged(&clip);
}

void PreviewFixture::TearDown()
{
    preview->ShutdownFrameEngine();
    engine.WaitForPosts();
    windows.reset();
}

void PreviewFixture::MakeClip(TVideoInfo &record, const QString &fileName, int duration, uint32_t topRgb)
{
    record.FileName = fileName;
    record.SetDuration(duration);
    record.SetEndTime(duration);
    record.Width = 320;
    record.Height = 240;
    record.Thumbnail = QImage(160, 120, QImage::Format_BGR888);
    record.Thumbnail.fill(Qt::gray);
    engine.SetProbe(fileName, TestEngine::VideoInfo(duration, 25.0f, 320, 240));
    engine.SetPicture(fileName, topRgb, 0x0000FF);
}

QWidget *PreviewFixture::Control(const char *name) const
{
    return windows->MainForm->findChild<QWidget *>(QString::fromLatin1(name));
}

bool PreviewFixture::Seeking() const
{
    return Control("Label_Info")->isVisibleTo(windows->MainForm.get());
}

void PreviewFixture::DragAndRelease(const char *controlName, int dx)
{
    ::DragAndRelease(Control(controlName), dx);
}

bool PreviewFixture::WaitUntilIdle()
{
    return QTest::qWaitFor([this] {
        return preview->FrameState() == FrameService::State::Ready && !Seeking();
    }, 5000);
}

QStringList PreviewFixture::FrameCalls() const
{
    QStringList found;
    for (const QString &call : engine.Calls()) {
        const QString name = call.section('|', 0, 0);
        if (name.startsWith("X_GetFrame") || name == "X_Get_Frame" || name == "X_Set_NextFrame_Time"
            || name == "X_Global_CMD")
            found << call;
    }
    return found;
}
