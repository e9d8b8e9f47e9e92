// Where the 800x600 picture lies in windows of several sizes, and how window points map back.
#include "window/sdl/Letterbox.h"

#include <gtest/gtest.h>

namespace {

using window::sdl::Letterbox;

struct Placement {
    int32_t windowWidth, windowHeight;
    int32_t x, y, width, height;
};

TEST(Letterbox, PictureFitsAndIsCentred)
{
    const Placement placements[] = {
        {800, 600, 0, 0, 800, 600},      // its own size
        {1600, 1200, 0, 0, 1600, 1200},  // twice
        {1920, 1080, 240, 0, 1440, 1080}, // wide: bars left and right
        {1280, 800, 106, 0, 1067, 800},  // 1066.67 wide, rounded
        {800, 700, 0, 50, 800, 600},     // tall: bars above and below
        {400, 300, 0, 0, 400, 300},      // half
        {1366, 768, 171, 0, 1024, 768},
        {1, 1, 0, 0, 1, 1},
    };
    for (const Placement& p : placements) {
        Letterbox box(800, 600, p.windowWidth, p.windowHeight);
        SCOPED_TRACE(testing::Message() << p.windowWidth << "x" << p.windowHeight);
        EXPECT_EQ(box.pictureX(), p.x);
        EXPECT_EQ(box.pictureY(), p.y);
        EXPECT_EQ(box.pictureWidth(), p.width);
        EXPECT_EQ(box.pictureHeight(), p.height);
    }
}

TEST(Letterbox, OwnSizeMapsEveryPointToItself)
{
    Letterbox box(800, 600, 800, 600);
    for (int32_t x : {-3, 0, 1, 399, 799, 800}) {
        int32_t lx = 0, ly = 0, wx = 0, wy = 0;
        box.toLogical(x, 5, lx, ly);
        EXPECT_EQ(lx, x);
        EXPECT_EQ(ly, 5);
        box.toWindow(x, 7, wx, wy);
        EXPECT_EQ(wx, x);
        EXPECT_EQ(wy, 7);
    }
}

TEST(Letterbox, DoubleSizeMapsPixelPairs)
{
    Letterbox box(800, 600, 1600, 1200);
    int32_t x = 0, y = 0;
    box.toLogical(0, 0, x, y);
    EXPECT_EQ(x, 0);
    box.toLogical(1, 1, x, y);
    EXPECT_EQ(x, 0);
    box.toLogical(2, 3, x, y);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 1);
    box.toLogical(1599, 1199, x, y);
    EXPECT_EQ(x, 799);
    EXPECT_EQ(y, 599);
}

TEST(Letterbox, BarsMapOutsideThePicture)
{
    Letterbox box(800, 600, 1920, 1080);
    int32_t x = 0, y = 0;
    box.toLogical(239, 540, x, y);
    EXPECT_EQ(x, -1);
    box.toLogical(0, 540, x, y);
    EXPECT_EQ(x, -134);
    box.toLogical(240, 0, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    box.toLogical(1679, 1079, x, y);
    EXPECT_EQ(x, 799);
    EXPECT_EQ(y, 599);
    box.toLogical(1680, 1079, x, y);
    EXPECT_EQ(x, 800);
}

TEST(Letterbox, ScaledPointsComeBackToTheSamePixel)
{
    const int32_t sizes[][2] = {{1920, 1080}, {1280, 800}, {1366, 768}, {1024, 768}, {1000, 600}, {1200, 900}};
    for (const auto& size : sizes) {
        Letterbox box(800, 600, size[0], size[1]);
        for (int32_t px = 0; px < 800; px += 37) {
            for (int32_t py = 0; py < 600; py += 41) {
                int32_t wx = 0, wy = 0, lx = 0, ly = 0;
                box.toWindow(px, py, wx, wy);
                box.toLogical(wx, wy, lx, ly);
                ASSERT_EQ(lx, px) << size[0] << "x" << size[1] << " at " << px << "," << py;
                ASSERT_EQ(ly, py) << size[0] << "x" << size[1] << " at " << px << "," << py;
            }
        }
    }
}

TEST(Letterbox, ShrunkWindowStillCoversThePicture)
{
    Letterbox box(800, 600, 400, 300);
    int32_t x = 0, y = 0;
    box.toLogical(0, 0, x, y);
    EXPECT_EQ(x, 1);
    box.toLogical(399, 299, x, y);
    EXPECT_EQ(x, 799);
    EXPECT_EQ(y, 599);
}

} // namespace
