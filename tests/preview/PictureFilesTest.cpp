// Writing snapshot pictures where the disk refuses them: a result, never an end of the program.

#include "PictureFiles.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

TEST(PictureFiles, AJpegTheDiskCannotTakeIsAFailedSave)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    QImage noise(640, 480, QImage::Format_RGB888);   // hard to compress: far more than one buffer
    QRandomGenerator random(7);
    for (int row = 0; row < noise.height(); ++row)
        for (qsizetype byte = 0; byte < noise.bytesPerLine(); ++byte)
            noise.scanLine(row)[byte] = uchar(random.bounded(256));
    EXPECT_FALSE(SaveJpeg100(noise, "/dev/full"));
    EXPECT_FALSE(SaveJpeg100(noise, "/no such folder/shot.jpg"));
    EXPECT_FALSE(SaveBmp24(noise, "/no such folder/shot.bmp"));
}
