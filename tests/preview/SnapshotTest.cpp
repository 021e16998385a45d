// The snapshot button on a running frame service: the clip's own picture size,
// the file name the chosen name and format lead to, the files read back.

#include "PreviewFixture.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

namespace {

struct SnapshotCase {
    int width, height;
    bool aspectFromCode;
    int aspectIndex;
    const char *chosen;
    int filterIndex;   // 1 JPG, 2 BMP
    const char *saved;
    const char *format;
    QSize size;
};

QAbstractButton *SnapshotButton(const ProgramWindows &windows)
{
    return windows.MainForm->findChild<QAbstractButton *>("suiImageButton_Snapshoot");
}

} // namespace

TEST_F(PreviewFixture, SnapshotsAreSavedInTheClipsSizeUnderTheChosenName)
{
    const SnapshotCase cases[] = {
        {720, 576, true, 1, "shot.jpeg", 1, "shot.jpeg.jpg", "jpeg", {720, 404}},
        {720, 576, true, 0, "shot.JPG", 1, "shot.JPG", "jpeg", {720, 540}},
        {720, 576, true, 4, "Picture", 1, "Picture.jpg", "jpeg", {720, 576}},
        {720, 576, false, 0, "frame.bmp", 1, "frame.bmp.jpg", "jpeg", {720, 576}},
        {1280, 720, false, 1, "Picture.jpg", 2, "Picture.jpg.bmp", "bmp", {1280, 720}},
        {1280, 720, false, 1, "frame.bmp", 2, "frame.bmp", "bmp", {1280, 720}},
        {320, 240, false, 0, "frame.BMP", 2, "frame.BMP", "bmp", {320, 240}},
        {320, 240, false, 0, "Picture", 2, "Picture.bmp", "bmp", {320, 240}},
    };
    QTemporaryDir folder;
    DragAndRelease("Image_Left", 67);
    ASSERT_TRUE(WaitUntilIdle());
    for (const SnapshotCase &c : cases) {
        SCOPED_TRACE(c.chosen);
        clip.Width = c.width;
        clip.Height = c.height;
        clip.AspectFromCode = c.aspectFromCode;
        clip.AspectIndex = c.aspectIndex;
        questions.AnswerSaveFile(folder.filePath(c.chosen), c.filterIndex);
        SnapshotButton(*windows)->click();
        const QStringList filters = questions.Asked().last().filter.split(";;");
        ASSERT_EQ(filters.size(), 2);
        EXPECT_TRUE(filters[0].startsWith("JPG (*.jpg)") && filters[1].startsWith("BMP (*.bmp)")) << filters.join(";;").toStdString();
        QImageReader reader(folder.filePath(c.saved));
        EXPECT_EQ(reader.format(), QByteArray(c.format));
        const QImage saved = reader.read();
        EXPECT_EQ(saved.size(), c.size);
        const QRgb top = saved.pixel(c.size.width() / 2, 2);   // the top half is red, JPEG nearly so
        EXPECT_GT(qRed(top), 245);
        EXPECT_LT(qGreen(top) + qBlue(top), 20);
    }
}

TEST_F(PreviewFixture, TheSaveDialogProposesTheClipsNameAndTimeInThePicturesFolderThenTheLastFolder)
{
    QTemporaryDir chosenFolder;
    DragAndRelease("Image_Left", 67);
    ASSERT_TRUE(WaitUntilIdle());
    questions.AnswerSaveFile(QString());
    SnapshotButton(*windows)->click();   // no pictures folder yet: the home folder
    EXPECT_EQ(questions.Asked().last().text, sandbox.HomeFolder() + "first clip 00-05-00");

    ASSERT_TRUE(QDir().mkpath(sandbox.PicturesFolder()));
    questions.AnswerSaveFile(chosenFolder.filePath("kept.jpg"), 1);
    SnapshotButton(*windows)->click();
    EXPECT_EQ(questions.Asked().last().text, sandbox.PicturesFolder() + "first clip 00-05-00");
    EXPECT_TRUE(QFile::exists(chosenFolder.filePath("kept.jpg")));

    questions.AnswerSaveFile(QString());
    SnapshotButton(*windows)->click();
    EXPECT_EQ(questions.Asked().last().text, chosenFolder.path() + "/first clip 00-05-00");
}

TEST_F(PreviewFixture, BmpSnapshotsHoldTwentyFourBitPixels)
{
    QTemporaryDir folder;
    DragAndRelease("Image_Left", 67);
    ASSERT_TRUE(WaitUntilIdle());
    questions.AnswerSaveFile(folder.filePath("frame.bmp"), 2);
    SnapshotButton(*windows)->click();
    QFile file(folder.filePath("frame.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    ASSERT_EQ(header.size(), 30);
    EXPECT_EQ(header.left(2), "BM");
    EXPECT_EQ(static_cast<uchar>(header[28]), 24);   // bits per pixel
}

TEST_F(PreviewFixture, NoSnapshotWithoutARunningServiceWhenCancelledOrWithAnotherFilter)
{
    QTemporaryDir folder;
    SnapshotButton(*windows)->setEnabled(true);
    SnapshotButton(*windows)->click();   // no service yet: no dialog is asked
    EXPECT_TRUE(questions.Asked().isEmpty());

    DragAndRelease("Image_Left", 67);
    ASSERT_TRUE(WaitUntilIdle());
    questions.AnswerSaveFile(QString());
    SnapshotButton(*windows)->click();
    EXPECT_EQ(questions.Asked().size(), 1);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_EQ(engine.CallCount("X_Get_Frame"), 1);   // only the preview's own frame

    questions.AnswerSaveFile(folder.filePath("frame.bmp"), 3);
    SnapshotButton(*windows)->click();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(questions.Texts(ScriptedQuestions::Kind::Error).isEmpty());
}

TEST_F(PreviewFixture, ASnapshotTheEngineHasNoPictureForSavesNoFileAndSaysSo)
{
    QTemporaryDir folder;
    DragAndRelease("Image_Left", 67);
    ASSERT_TRUE(WaitUntilIdle());
    clip.Width = 9000;   // beyond what the engine scales to
    questions.AnswerSaveFile(folder.filePath("wide.jpg"), 1);
    SnapshotButton(*windows)->click();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Error).size(), 1);
}
