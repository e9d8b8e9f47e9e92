// The software target's letterbox scaler against a plain reference worked out in floating
// point: black bars, whole pixels for nearest, blended pixels for linear, exact corners and
// copies, odd sizes, and a scaler reused for other sizes and pictures.
#include "window/raster/PictureScaler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using window::PictureScaler;
using window::PixelRect;

struct Buffer {
    int32_t width, height, stride; // stride in pixels, beyond the width for padded rows
    std::vector<uint32_t> pixels;

    Buffer(int32_t width, int32_t height, int32_t padding = 0, uint32_t fill = 0x12345678u)
        : width(width), height(height), stride(width + padding), pixels(size_t(stride) * size_t(height), fill)
    {
    }
    PictureScaler::Pixels view() { return {pixels.data(), width, height, stride * 4}; }
    uint32_t at(int32_t x, int32_t y) const { return pixels[size_t(y) * size_t(stride) + size_t(x)]; }
};

// Neighbours differ strongly, so that a pixel read from the wrong place shows.
Buffer noise(int32_t width, int32_t height, uint32_t seed)
{
    Buffer picture(width, height, 3);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            picture.pixels[size_t(y) * size_t(picture.stride) + size_t(x)]
                = (uint32_t(x) * 73856093u ^ uint32_t(y) * 19349663u ^ seed) * 2654435761u;
    return picture;
}

int32_t channel(uint32_t pixel, int32_t index)
{
    return int32_t(pixel >> (8 * index) & 0xFF);
}

// Where the centre of target pixel i lies in the source, in source pixels.
double centreOf(int32_t i, int32_t sourceSize, int32_t targetSize)
{
    return (i + 0.5) * sourceSize / targetSize;
}

uint32_t nearestReference(const Buffer& source, int32_t x, int32_t y, int32_t width, int32_t height)
{
    const auto sx = std::min(int32_t(std::floor(centreOf(x, source.width, width))), source.width - 1);
    const auto sy = std::min(int32_t(std::floor(centreOf(y, source.height, height))), source.height - 1);
    return source.at(sx, sy);
}

int32_t linearReference(
    const Buffer& source, int32_t x, int32_t y, int32_t width, int32_t height, int32_t index)
{
    const double fx = std::clamp(centreOf(x, source.width, width) - 0.5, 0.0, source.width - 1.0);
    const double fy = std::clamp(centreOf(y, source.height, height) - 0.5, 0.0, source.height - 1.0);
    const auto x0 = int32_t(fx), y0 = int32_t(fy);
    const int32_t x1 = std::min(x0 + 1, source.width - 1), y1 = std::min(y0 + 1, source.height - 1);
    const double tx = fx - x0, ty = fy - y0;
    const double top = channel(source.at(x0, y0), index) * (1 - tx) + channel(source.at(x1, y0), index) * tx;
    const double bottom
        = channel(source.at(x0, y1), index) * (1 - tx) + channel(source.at(x1, y1), index) * tx;
    return int32_t(std::lround(top * (1 - ty) + bottom * ty));
}

// The largest channel difference from the reference over the picture's rectangle.
int32_t worstDifference(
    const Buffer& source, const Buffer& target, const PixelRect& picture, PictureScaler::Filter filter)
{
    int32_t worst = 0;
    for (int32_t y = 0; y < picture.height; ++y) {
        for (int32_t x = 0; x < picture.width; ++x) {
            const uint32_t shown = target.at(picture.x + x, picture.y + y);
            for (int32_t index = 0; index < 4; ++index) {
                const int32_t expected = filter == PictureScaler::Filter::Nearest
                    ? channel(nearestReference(source, x, y, picture.width, picture.height), index)
                    : linearReference(source, x, y, picture.width, picture.height, index);
                worst = std::max(worst, std::abs(channel(shown, index) - expected));
            }
        }
    }
    return worst;
}

// Window sizes with their letterboxed rectangles: wide, tall, odd, shrunk, tiny.
struct Case {
    int32_t sourceWidth, sourceHeight, targetWidth, targetHeight;
    PixelRect picture;
};

const Case cases[] = {
    {800, 600, 1920, 1080, {240, 0, 1440, 1080}},
    {800, 600, 1280, 800, {106, 0, 1067, 800}},
    {800, 600, 800, 700, {0, 50, 800, 600}},
    {800, 600, 401, 301, {0, 0, 401, 301}},
    {3, 2, 9, 7, {1, 0, 7, 7}},
};

TEST(PictureScaler, BarsAreBlackAndThePictureFillsItsRectangle)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.targetWidth << "x" << c.targetHeight);
        Buffer source = noise(c.sourceWidth, c.sourceHeight, 1);
        Buffer target(c.targetWidth, c.targetHeight, 5, 0x00ABCDEFu);
        PictureScaler::paintBars(target.view(), c.picture);
        PictureScaler().scale(source.view(), target.view(), c.picture, PictureScaler::Filter::Linear);
        int32_t wrongBars = 0, untouched = 0;
        for (int32_t y = 0; y < c.targetHeight; ++y) {
            for (int32_t x = 0; x < c.targetWidth; ++x) {
                const bool inside = c.picture.contains(x, y);
                wrongBars += !inside && target.at(x, y) != 0xFF000000u;
                untouched += inside && target.at(x, y) == 0x00ABCDEFu;
            }
        }
        EXPECT_EQ(wrongBars, 0);
        EXPECT_EQ(untouched, 0);
        // Row padding beyond the target's width is not the scaler's.
        EXPECT_EQ(target.pixels[size_t(c.targetWidth)], 0x00ABCDEFu);
    }
}

// One scaler goes through every size and two pictures in turn, as a window resized while
// the game draws: nothing prepared for one size or kept from one picture leaks into the next.
TEST(PictureScaler, MatchesTheReferenceForEverySize)
{
    PictureScaler scaler;
    for (const auto filter : {PictureScaler::Filter::Nearest, PictureScaler::Filter::Linear}) {
        for (uint32_t seed : {7u, 8u}) {
            for (const Case& c : cases) {
                SCOPED_TRACE(testing::Message()
                    << c.targetWidth << "x" << c.targetHeight << " seed " << seed
                    << (filter == PictureScaler::Filter::Linear ? " linear" : " nearest"));
                Buffer source = noise(c.sourceWidth, c.sourceHeight, seed);
                Buffer target(c.targetWidth, c.targetHeight);
                scaler.scale(source.view(), target.view(), c.picture, filter);
                // Linear weights count in 1/128 steps and each pass rounds down.
                EXPECT_LE(worstDifference(source, target, c.picture, filter),
                    filter == PictureScaler::Filter::Linear ? 3 : 0);
                // Enlarged, the outer pixels show the source's corners as they are.
                if (c.picture.width > c.sourceWidth && c.picture.height > c.sourceHeight) {
                    EXPECT_EQ(target.at(c.picture.x, c.picture.y), source.at(0, 0));
                    EXPECT_EQ(target.at(c.picture.right() - 1, c.picture.bottom() - 1),
                        source.at(c.sourceWidth - 1, c.sourceHeight - 1));
                }
            }
        }
    }
}

TEST(PictureScaler, OwnSizeIsACopyAndAThinPictureStretches)
{
    Buffer source = noise(800, 600, 3);
    for (const auto filter : {PictureScaler::Filter::Nearest, PictureScaler::Filter::Linear}) {
        Buffer target(800, 600, 2);
        PictureScaler().scale(source.view(), target.view(), {0, 0, 800, 600}, filter);
        int32_t differing = 0;
        for (int32_t y = 0; y < 600; ++y)
            for (int32_t x = 0; x < 800; ++x)
                differing += target.at(x, y) != source.at(x, y);
        EXPECT_EQ(differing, 0);
    }
    // One pixel wide: every row of the target shows its row's pixel.
    Buffer thin = noise(1, 4, 4);
    Buffer target(6, 8);
    PictureScaler().scale(thin.view(), target.view(), {1, 0, 4, 8}, PictureScaler::Filter::Linear);
    for (int32_t y = 0; y < 8; ++y)
        EXPECT_EQ(target.at(4, y), thin.at(0, y / 2));
}

} // namespace
