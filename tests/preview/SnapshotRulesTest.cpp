#include "SnapshotRules.h"

#include <gtest/gtest.h>

namespace {

TEST(SnapshotRules, PictureSizeFollowsTheDisplayAspect)
{
    struct Case { int width, height; bool fromCode; int index; QSize expected; };
    const Case cases[] = {
        {720, 576, true, 1, {720, 404}},    // 405 lowered to even
        {720, 576, true, 0, {720, 540}},
        {720, 576, true, 4, {720, 576}},    // the clip's own shape
        {720, 576, true, 2, {720, 720}},
        {720, 480, true, 3, {720, 324}},    // 325.8 -> 325 -> 324
        {1280, 720, false, 0, {1280, 720}},
        {1280, 720, false, 1, {1280, 720}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SnapshotSize(c.width, c.height, c.fromCode, c.index), c.expected)
            << c.width << "x" << c.height << " index " << c.index;
}

TEST(SnapshotRules, FileNamesGetTheFilterExtension)
{
    struct Case { const char *chosen; int filter; const char *saved; };
    const Case cases[] = {
        {"/t/shot.jpeg", 1, "/t/shot.jpeg.jpg"},
        {"/t/shot.JPG", 1, "/t/shot.JPG"},
        {"/t/shot.jpg", 1, "/t/shot.jpg"},
        {"/t/Picture", 1, "/t/Picture.jpg"},
        {"/t/Picture.jpg", 2, "/t/Picture.jpg.bmp"},
        {"/t/Picture.Bmp", 2, "/t/Picture.Bmp"},
        {"/t/x.y/Picture", 2, "/t/x.y/Picture.bmp"},
        {"/t/Picture.jpg", 3, ""},
        {"/t/Picture.jpg", 0, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SnapshotFileName(QString::fromUtf8(c.chosen), SnapshotFormatOfFilter(c.filter)),
                  QString::fromUtf8(c.saved)) << c.chosen << " filter " << c.filter;
}

} // namespace
