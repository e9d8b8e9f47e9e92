// The GIF, PNG and JPEG decoders on small files made by the tests, and on bad data.
#include "support/PictureFiles.h"
#include "window/image/ImageDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace testing_pictures;
using window::DecodedImage;
using window::decodeImage;

namespace {

DecodedImage decoded(const Bytes& bytes, bool headerOnly = false)
{
    DecodedImage out;
    decodeImage(bytes.data(), bytes.size(), headerOnly, out);
    return out;
}

uint32_t pixelAt(const DecodedImage& image, int32_t x, int32_t y)
{
    return image.pixels[static_cast<size_t>(y) * image.width + x];
}

GifImage checkerGif(int32_t width, int32_t height)
{
    GifImage gif;
    gif.screenWidth = width;
    gif.screenHeight = height;
    gif.globalTable = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    gif.width = width;
    gif.height = height;
    gif.minCodeSize = 2;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            gif.indices.push_back(static_cast<uint8_t>((x + 3 * y) % 4));
    return gif;
}

} // namespace

TEST(PngDecoder, EachChannelLayoutBecomesArgb)
{
    // Grey: one sample per pixel.
    DecodedImage grey = decoded(makePng(2, 1, 8, 0, {0x10, 0xF0}));
    ASSERT_TRUE(grey.pixels);
    EXPECT_EQ(pixelAt(grey, 0, 0), 0xFF101010u);
    EXPECT_EQ(pixelAt(grey, 1, 0), 0xFFF0F0F0u);
    EXPECT_FALSE(grey.hasAlpha);

    DecodedImage greyAlpha = decoded(makePng(1, 1, 8, 4, {0x40, 0x80}));
    ASSERT_TRUE(greyAlpha.pixels);
    EXPECT_EQ(pixelAt(greyAlpha, 0, 0), 0x80404040u);
    EXPECT_TRUE(greyAlpha.hasAlpha);

    DecodedImage colour = decoded(makePng(1, 1, 8, 2, {0x11, 0x22, 0x33}));
    ASSERT_TRUE(colour.pixels);
    EXPECT_EQ(pixelAt(colour, 0, 0), 0xFF112233u);
    EXPECT_FALSE(colour.hasAlpha);

    DecodedImage colourAlpha = decoded(makePng(1, 1, 8, 6, {0x11, 0x22, 0x33, 0x44}));
    ASSERT_TRUE(colourAlpha.pixels);
    EXPECT_EQ(pixelAt(colourAlpha, 0, 0), 0x44112233u);
    EXPECT_TRUE(colourAlpha.hasAlpha);
}

TEST(PngDecoder, PalettesLowDepthsAndSixteenBitSamplesAreExpanded)
{
    // 2-bit palette with a transparency entry for colour 1.
    DecodedImage palette = decoded(makePng(4, 1, 2, 3, {0x1B}, // indices 0, 1, 2, 3
        {{"PLTE", {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9}}, {"tRNS", {255, 0}}}));
    ASSERT_TRUE(palette.pixels);
    EXPECT_EQ(pixelAt(palette, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(palette, 1, 0), 0x0000FF00u);
    EXPECT_EQ(pixelAt(palette, 2, 0), 0xFF0000FFu);
    EXPECT_EQ(pixelAt(palette, 3, 0), 0xFF090909u);
    EXPECT_TRUE(palette.hasAlpha);

    // 1-bit grey: a bit of 1 is white.
    DecodedImage bits = decoded(makePng(3, 1, 1, 0, {0xA0}));
    ASSERT_TRUE(bits.pixels);
    EXPECT_EQ(pixelAt(bits, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(pixelAt(bits, 1, 0), 0xFF000000u);
    EXPECT_EQ(pixelAt(bits, 2, 0), 0xFFFFFFFFu);

    // 16-bit RGB keeps the high bytes.
    DecodedImage deep = decoded(makePng(1, 1, 16, 2, {0xAB, 0x01, 0xCD, 0x02, 0xEF, 0x03}));
    ASSERT_TRUE(deep.pixels);
    EXPECT_EQ(pixelAt(deep, 0, 0), 0xFFABCDEFu);
}

TEST(PngDecoder, InterlacedRowsLandInPlace)
{
    Bytes rows;
    for (int32_t i = 0; i < 9 * 9; ++i)
        rows.push_back(static_cast<uint8_t>(i * 3));
    DecodedImage image = decoded(makePng(9, 9, 8, 0, rows, {}, true));
    ASSERT_TRUE(image.pixels);
    for (int32_t i = 0; i < 81; ++i)
        ASSERT_EQ(pixelAt(image, i % 9, i / 9) & 0xFF, static_cast<uint32_t>(i * 3 & 0xFF)) << i;
}

TEST(PngDecoder, HeaderOnlyReadsTheSize)
{
    DecodedImage image = decoded(makePng(7, 5, 8, 0, Bytes(35, 0)), true);
    EXPECT_EQ(image.width, 7);
    EXPECT_EQ(image.height, 5);
    EXPECT_FALSE(image.pixels);
}

TEST(PngDecoder, DamagedDataFailsCleanly)
{
    const Bytes good = makePng(4, 4, 8, 2, Bytes(48, 0x7F));
    ASSERT_TRUE(decoded(good).pixels);

    Bytes wrongCrc = good;
    wrongCrc[8 + 8 + 13] ^= 0xFF; // the CRC of IHDR
    DecodedImage rejected;
    EXPECT_FALSE(decodeImage(wrongCrc.data(), wrongCrc.size(), false, rejected));

    for (size_t cut : {size_t{9}, size_t{20}, good.size() / 2, good.size() - 13}) {
        Bytes shortened(good.begin(), good.begin() + static_cast<ptrdiff_t>(cut));
        DecodedImage out;
        EXPECT_FALSE(decodeImage(shortened.data(), shortened.size(), false, out)) << cut;
        EXPECT_FALSE(out.pixels);
        EXPECT_EQ(out.width, 0);
    }

    // A header claiming a picture of a million by a million pixels is refused.
    Bytes huge = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const Bytes header = pngChunk("IHDR", {0, 0x0F, 0x42, 0x40, 0, 0x0F, 0x42, 0x40, 8, 0, 0, 0, 0});
    huge.insert(huge.end(), header.begin(), header.end());
    DecodedImage out;
    EXPECT_FALSE(decodeImage(huge.data(), huge.size(), true, out));
}

TEST(JpegDecoder, GreyAndColourPictures)
{
    Bytes grey(16 * 16, 0x60);
    DecodedImage greyImage = decoded(makeJpeg(16, 16, 1, grey, 100));
    ASSERT_TRUE(greyImage.pixels);
    EXPECT_EQ(greyImage.width, 16);
    const uint32_t g = pixelAt(greyImage, 5, 5);
    EXPECT_EQ(g >> 24, 0xFFu);
    EXPECT_EQ(g & 0xFF, (g >> 8) & 0xFF);
    EXPECT_EQ(g & 0xFF, (g >> 16) & 0xFF);
    EXPECT_NEAR(static_cast<int>(g & 0xFF), 0x60, 1);
    EXPECT_FALSE(greyImage.hasAlpha);

    Bytes colour;
    for (int32_t i = 0; i < 16 * 8; ++i)
        colour.insert(colour.end(), {200, 40, 20});
    DecodedImage colourImage = decoded(makeJpeg(16, 8, 3, colour, 100));
    ASSERT_TRUE(colourImage.pixels);
    const uint32_t c = pixelAt(colourImage, 8, 4);
    EXPECT_NEAR(static_cast<int>(c >> 16 & 0xFF), 200, 3);
    EXPECT_NEAR(static_cast<int>(c >> 8 & 0xFF), 40, 3);
    EXPECT_NEAR(static_cast<int>(c & 0xFF), 20, 3);

    DecodedImage header = decoded(makeJpeg(16, 8, 3, colour, 90), true);
    EXPECT_EQ(header.width, 16);
    EXPECT_EQ(header.height, 8);
    EXPECT_FALSE(header.pixels);
}

TEST(JpegDecoder, DataThatLibjpegOnlyWarnsAboutIsShown)
{
    Bytes colour;
    for (int32_t i = 0; i < 32 * 32; ++i)
        colour.insert(colour.end(), {static_cast<uint8_t>(i % 251), 90, static_cast<uint8_t>(i / 8)});
    const Bytes good = makeJpeg(32, 32, 3, colour, 80);
    DecodedImage reference = decoded(good);
    ASSERT_TRUE(reference.pixels);

    // Stray bytes between two markers: "Corrupt JPEG data: 3 extraneous bytes before marker".
    Bytes stray = good;
    stray.insert(stray.begin() + 2, {0x12, 0x34, 0x56});
    DecodedImage shown = decoded(stray);
    ASSERT_TRUE(shown.pixels);
    ASSERT_EQ(shown.width, 32);
    ASSERT_EQ(shown.height, 32);
    EXPECT_EQ(std::vector<uint32_t>(shown.pixels.get(), shown.pixels.get() + 32 * 32),
        std::vector<uint32_t>(reference.pixels.get(), reference.pixels.get() + 32 * 32));

    // Data that ends halfway through the scan: the rows that arrived are shown, the rest is
    // filled in.
    const Bytes startOfScan = {0xFF, 0xDA};
    const auto scan = std::search(good.begin(), good.end(), startOfScan.begin(), startOfScan.end());
    ASSERT_NE(scan, good.end());
    const Bytes shortened(good.begin(), scan + (good.end() - scan) / 2);
    DecodedImage cut = decoded(shortened);
    ASSERT_TRUE(cut.pixels);
    EXPECT_EQ(cut.height, 32);
    EXPECT_EQ(pixelAt(cut, 3, 0), pixelAt(reference, 3, 0));
}

TEST(JpegDecoder, BrokenOrForeignDataFails)
{
    Bytes colour(32 * 32 * 3, 0x80);
    const Bytes good = makeJpeg(32, 32, 3, colour, 80);
    // Cut inside the headers: libjpeg stops with an error, and nothing is shown.
    const Bytes headerOnly(good.begin(), good.begin() + 40);
    DecodedImage out;
    EXPECT_FALSE(decodeImage(headerOnly.data(), headerOnly.size(), false, out));
    EXPECT_FALSE(out.pixels);

    const Bytes text = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'};
    EXPECT_FALSE(decodeImage(text.data(), text.size(), false, out));
    // Fewer than 7 bytes are no picture at all, whatever they start with.
    const Bytes tiny = {'G', 'I', 'F', '8', '9', 'a'};
    EXPECT_FALSE(decodeImage(tiny.data(), tiny.size(), true, out));
}

TEST(GifDecoder, BothVersionsDecodeWithGlobalColours)
{
    for (const char* version : {"GIF89a", "GIF87a"}) {
        GifImage gif = checkerGif(5, 3);
        gif.version = version;
        DecodedImage image = decoded(makeGif(gif));
        ASSERT_TRUE(image.pixels) << version;
        EXPECT_EQ(image.width, 5);
        EXPECT_EQ(image.height, 3);
        const uint32_t colours[4] = {0xFF000000u, 0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu};
        for (int32_t y = 0; y < 3; ++y)
            for (int32_t x = 0; x < 5; ++x)
                EXPECT_EQ(pixelAt(image, x, y), colours[(x + 3 * y) % 4]) << version << " " << x << "," << y;
        EXPECT_FALSE(image.hasAlpha);
        EXPECT_FALSE(image.looping);
    }
}

TEST(GifDecoder, InterlacedTransparentLocalTableAndLoopFlag)
{
    GifImage gif = checkerGif(6, 11);
    gif.interlaced = true;
    gif.localTable = {0x101010, 0x202020, 0x303030, 0x404040};
    gif.transparentIndex = 2;
    gif.netscapeLoop = true;
    DecodedImage image = decoded(makeGif(gif));
    ASSERT_TRUE(image.pixels);
    for (int32_t y = 0; y < 11; ++y) {
        for (int32_t x = 0; x < 6; ++x) {
            const int index = (x + 3 * y) % 4;
            const uint32_t expected = index == 2 ? 0u : 0xFF000000u | 0x101010u * static_cast<uint32_t>(index + 1);
            ASSERT_EQ(pixelAt(image, x, y), expected) << x << "," << y;
        }
    }
    EXPECT_TRUE(image.hasAlpha);
    EXPECT_TRUE(image.looping);
}

TEST(GifDecoder, TwelveBitCodesAndTableResets)
{
    // Noisy indices over 256 colours fill the code table several times.
    GifImage gif;
    gif.screenWidth = gif.width = 160;
    gif.screenHeight = gif.height = 120;
    for (uint32_t i = 0; i < 256; ++i)
        gif.globalTable.push_back(i * 0x010101u);
    uint32_t seed = 12345;
    for (int32_t i = 0; i < 160 * 120; ++i) {
        seed = seed * 1103515245u + 12345u;
        gif.indices.push_back(static_cast<uint8_t>((seed >> 16) % ((i / 1000) % 2 ? 256 : 7)));
    }
    const Bytes file = makeGif(gif);
    DecodedImage image = decoded(file);
    ASSERT_TRUE(image.pixels);
    for (int32_t i = 0; i < 160 * 120; ++i)
        ASSERT_EQ(image.pixels[i], 0xFF000000u | gif.indices[i] * 0x010101u) << i;
}

TEST(GifDecoder, ImageOutsideTheScreenIsClippedToIt)
{
    GifImage gif = checkerGif(4, 4);
    gif.screenWidth = 6;
    gif.screenHeight = 5;
    gif.left = 3;
    gif.top = 2;
    gif.transparentIndex = 3;
    DecodedImage image = decoded(makeGif(gif));
    ASSERT_TRUE(image.pixels);
    ASSERT_EQ(image.width, 6);
    ASSERT_EQ(image.height, 5);
    // Uncovered pixels show the transparent colour; the covered part is the image's top-left.
    EXPECT_EQ(pixelAt(image, 0, 0), 0u);
    EXPECT_EQ(pixelAt(image, 2, 4), 0u);
    EXPECT_EQ(pixelAt(image, 3, 2), 0xFF000000u); // index 0
    EXPECT_EQ(pixelAt(image, 4, 2), 0xFFFF0000u); // index 1
    EXPECT_EQ(pixelAt(image, 3, 3), 0u); // index 3, transparent
    EXPECT_EQ(pixelAt(image, 5, 3), 0xFFFF0000u); // image (2, 1): index 1
    EXPECT_EQ(pixelAt(image, 5, 4), 0xFF000000u); // image (2, 2): index 0

    // Wholly outside: every pixel is the background.
    gif.left = 60000;
    DecodedImage outside = decoded(makeGif(gif));
    ASSERT_TRUE(outside.pixels);
    EXPECT_EQ(pixelAt(outside, 5, 4), 0u);
}

TEST(GifDecoder, BadDataEndsWithoutPixels)
{
    const Bytes good = makeGif(checkerGif(8, 8));
    ASSERT_TRUE(decoded(good).pixels);
    // Cuts up to the last two bytes of the image data (later ones may leave every pixel whole).
    for (size_t cut = 7; cut < good.size() - 4; ++cut) {
        Bytes shortened(good.begin(), good.begin() + static_cast<ptrdiff_t>(cut));
        DecodedImage out;
        EXPECT_FALSE(decodeImage(shortened.data(), shortened.size(), false, out)) << cut;
        EXPECT_FALSE(out.pixels) << cut;
    }

    // A code beyond the table: 2-bit colours, the second code (3 bits) names entry 7.
    GifImage gif = checkerGif(2, 2);
    Bytes bad = makeGif(gif);
    const size_t data = bad.size() - 1 - lzwSubBlocks(gif.indices, 2).size();
    ASSERT_EQ(bad[data - 1], 2); // minimum code size
    bad[data + 1] = 0x3C; // clear (100), then 111
    DecodedImage out;
    EXPECT_FALSE(decodeImage(bad.data(), bad.size(), false, out));

    // A trailer before any image, an unknown block, an absurd screen.
    Bytes noImage(good.begin(), good.begin() + 13 + 12);
    noImage.push_back(0x3B);
    EXPECT_FALSE(decodeImage(noImage.data(), noImage.size(), false, out));
    noImage.back() = 0x99;
    EXPECT_FALSE(decodeImage(noImage.data(), noImage.size(), false, out));
    GifImage huge = checkerGif(2, 2);
    huge.screenWidth = 65535;
    huge.screenHeight = 65535;
    const Bytes hugeFile = makeGif(huge);
    EXPECT_FALSE(decodeImage(hugeFile.data(), hugeFile.size(), true, out));
}

TEST(GifDecoder, HeaderOnlyReadsTheScreenSize)
{
    DecodedImage image = decoded(makeGif(checkerGif(9, 4)), true);
    EXPECT_EQ(image.width, 9);
    EXPECT_EQ(image.height, 4);
    EXPECT_FALSE(image.pixels);
}
