// Window shapes cut from small background pictures.

#include <gtest/gtest.h>

#include <QImage>
#include <QStringList>

#include "skin/WindowShape.h"

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kWhite = 0xFFFFFFFF;

// Rows of a picture: 'K' key colour (magenta), '.' white, 'B' blue.
QImage Picture(const QStringList &rows)
{
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x) {
            const QChar c = rows[y][x];
            image.setPixel(x, y, c == 'K' ? kMagenta : c == 'B' ? 0xFF0000FF : kWhite);
        }
    return image;
}

// The region as rows of 'x' (inside the window) and '-' (cut away).
QStringList Drawn(const QRegion &region, QSize size)
{
    QStringList rows;
    for (int y = 0; y < size.height(); ++y) {
        QString row;
        for (int x = 0; x < size.width(); ++x)
            row += region.contains(QPoint(x, y)) ? 'x' : '-';
        rows << row;
    }
    return rows;
}

struct ShapeCase {
    const char *name;
    QStringList picture;
    QStringList shape;
    QRgb key = skin::kKeyColour;
};

class WindowShapeTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(WindowShapeTest, CutsOnlyKeyColouredCorners)
{
    const ShapeCase &shapeCase = GetParam();
    const QImage image = Picture(shapeCase.picture);
    EXPECT_EQ(Drawn(skin::WindowShapeFromPicture(image, shapeCase.key), image.size()), shapeCase.shape)
        << shapeCase.name;
}

INSTANTIATE_TEST_SUITE_P(
    Sweeps, WindowShapeTest,
    ::testing::Values(
        ShapeCase{"four corner triangles",
                  {"KK..KK", "K....K", "......", "K....K", "KK..KK"},
                  {"--xx--", "-xxxx-", "xxxxxx", "-xxxx-", "--xx--"}},
        ShapeCase{"key spot inside stays visible",
                  {"K....K", "..KK..", "..KK..", "K....K"},
                  {"-xxxx-", "xxxxxx", "xxxxxx", "-xxxx-"}},
        ShapeCase{"top-left pixel of another colour keeps its corner square",
                  {".KK...", "K.....", "......"},
                  {"xxxxxx", "xxxxxx", "xxxxxx"}},
        ShapeCase{"bottom sweep stops at the first row without a key-coloured edge",
                  {"......", "K.....", "......", "K.....", "KK...."},
                  {"xxxxxx", "xxxxxx", "xxxxxx", "-xxxxx", "--xxxx"}},
        ShapeCase{"right edge swept from the bottom and from the top",
                  {"...KKK", ".....K", "......", "....KK"},
                  {"xxx---", "xxxxx-", "xxxxxx", "xxxx--"}},
        ShapeCase{"a row entirely key-coloured disappears once",
                  {"KKKK", "K..K", "KKKK"},
                  {"----", "-xx-", "----"}},
        ShapeCase{"key 0 takes the top-left colour",
                  {"BB..", "B...", "....", "B..B"},
                  {"--xx", "-xxx", "xxxx", "-xx-"},
                  0},
        ShapeCase{"magenta is not cut when the key is another colour",
                  {"KB..", "....", "...."},
                  {"xxxx", "xxxx", "xxxx"},
                  0xFF0000FF}));

TEST(WindowShape, WholeKeyPictureLeavesNothingAndNullPictureGivesEmptyRegion)
{
    EXPECT_TRUE(skin::WindowShapeFromPicture(Picture({"KK", "KK"})).isEmpty());
    EXPECT_TRUE(skin::WindowShapeFromPicture(QImage()).isEmpty());
}

} // namespace
