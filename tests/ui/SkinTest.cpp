// The skin's pictures and cursor files as built into the program.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "LibraryLoader.h"
#include "skin/CursorFile.h"
#include "skin/Skin.h"
#include "skin/WindowShape.h"

namespace {

TEST(Skin, BackgroundsHaveTheirSizesAndMagentaCornersThatTheShapeCuts)
{
    const struct { const char *name; QSize size; } backgrounds[] = {
        {"MAIN", {891, 716}}, {"ABOUT", {430, 234}}, {"FPS", {425, 236}},
        {"OPTION", {960, 360}}, {"PROCESS", {460, 330}}, {"RENAME", {460, 350}},
    };
    for (const auto &background : backgrounds) {
        const QImage image = skin::Background(QLatin1String(background.name));
        ASSERT_EQ(image.size(), background.size) << background.name;
        EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, skin::kKeyColour) << background.name;
        const QRegion shape = skin::WindowShapeFromPicture(image);
        const QPoint corners[] = {{0, 0}, {image.width() - 1, 0}, {0, image.height() - 1},
                                  {image.width() - 1, image.height() - 1}};
        for (const QPoint &corner : corners)
            EXPECT_FALSE(shape.contains(corner)) << background.name;
        EXPECT_TRUE(shape.contains(image.rect().center())) << background.name;
    }
}

TEST(Skin, PicturesHaveTheSizesTheClipRowsAndTheSplashExpect)
{
    EXPECT_EQ(skin::JpegPicture("STARTUP").size(), QSize(400, 220));
    EXPECT_FALSE(skin::JpegPicture("MASK").isNull());
    for (const char *row : {"table_bk1", "table_bk2", "table_bk3"})
        EXPECT_EQ(skin::Picture(QLatin1String(row)).size(), QSize(540, 18)) << row;
    EXPECT_EQ(skin::Picture("Image_Chk").size(), QSize(28, 14));
    EXPECT_EQ(skin::Picture("Image_line").size(), QSize(10, 36));
}

TEST(Skin, EveryButtonSetHasFourStatesOfOneSize)
{
    for (const char *set : {"close", "device_ipod", "device_mp3", "convert", "caption", "handle", "add_files"}) {
        const skin::ButtonPictures pictures = skin::ButtonSet(QLatin1String(set));
        ASSERT_FALSE(pictures.normal.isNull()) << set;
        for (const QPixmap *state : {&pictures.hover, &pictures.pressed, &pictures.disabled})
            EXPECT_EQ(state->size(), pictures.normal.size()) << set;
        EXPECT_NE(pictures.normal.toImage(), pictures.disabled.toImage()) << set;
    }
    EXPECT_FALSE(skin::StyleSheet().isEmpty());
}

TEST(CursorFile, TheShippedCursorsLoadWithTheirHotSpots)
{
    const auto drag = skin::LoadCursorFile(platform::ProgramFolder() + "Cursor/DragWE.cur");
    ASSERT_TRUE(drag.has_value());
    EXPECT_EQ(drag->hotSpot(), QPoint(16, 16));
    EXPECT_EQ(drag->pixmap().size(), QSize(32, 32));
    const auto press = skin::LoadCursorFile(platform::ProgramFolder() + "Cursor/Press.cur");
    ASSERT_TRUE(press.has_value());
    EXPECT_EQ(press->hotSpot(), QPoint(12, 4));
}

TEST(CursorFile, MissingOrBrokenFilesLeaveTheDefaultCursor)
{
    QTemporaryDir folder;
    EXPECT_FALSE(skin::LoadCursorFile(folder.filePath("none.cur")).has_value());
    QFile broken(folder.filePath("broken.cur"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a cursor file at all");
    broken.close();
    EXPECT_FALSE(skin::LoadCursorFile(broken.fileName()).has_value());

    skin::RegisterCursors(platform::ProgramFolder());
    EXPECT_EQ(skin::RegisteredCursor(skin::kDragCursor).hotSpot(), QPoint(16, 16));
    skin::RegisterCursors(folder.path() + "/");
    EXPECT_EQ(skin::RegisteredCursor(skin::kDragCursor).shape(), Qt::ArrowCursor);
    EXPECT_EQ(skin::RegisteredCursor(skin::kPressCursor).shape(), Qt::ArrowCursor);
}

} // namespace
