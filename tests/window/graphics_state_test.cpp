// The drawing state of a Graphics: defaults, tint and opacity, corner colours, the state stack,
// and how operations place things relative to the origin.
#include "lang/Ref.h"
#include "window/raster/ImageGraphics.h"
#include "window/raster/PixelImage.h"
#include "window/raster/RasterGraphics.h"
#include "window/text/Font.h"

#include <gtest/gtest.h>

using lang::adopt;
using lang::Ref;
using window::Graphics;
using window::ImageGraphics;
using window::PixelImage;

namespace {

// Records where transformed draws are asked to go.
class RecordingGraphics : public ImageGraphics {
public:
    using ImageGraphics::ImageGraphics;

    bool drawImageTransformed(window::ImageBase*, int32_t centreX, int32_t centreY, const util::RectangleNM&, double,
        double, double, int32_t) override
    {
        lastX = centreX;
        lastY = centreY;
        return true;
    }

    int32_t lastX = 0;
    int32_t lastY = 0;
};

struct Canvas {
    explicit Canvas(int32_t width = 8, int32_t height = 8)
        : image(adopt(new PixelImage(width, height))), graphics(adopt(new ImageGraphics(image.get()))) {}

    uint32_t at(int32_t x, int32_t y) const { return image->getPixels()[y * image->getWidth() + x]; }

    Ref<PixelImage> image;
    Ref<ImageGraphics> graphics;
};

} // namespace

TEST(GraphicsState, DefaultsOfANewTarget)
{
    Canvas canvas;
    Graphics& g = *canvas.graphics;
    EXPECT_EQ(g.getColor(), 0xFFFFFFFFu);
    EXPECT_EQ(g.getTint().getValue(), 0x80808080u);
    EXPECT_EQ(g.getOpacity(), 128);
    EXPECT_FALSE(g.getUseCornerColors());
    EXPECT_EQ(g.getFont(), nullptr);
    const util::RectangleNM clip = g.getClipBounds();
    EXPECT_EQ(clip.x, 0);
    EXPECT_EQ(clip.y, 0);
    EXPECT_EQ(clip.width, 8);
    EXPECT_EQ(clip.height, 8);
    EXPECT_TRUE(g.isInstanceOf("Graphics"));
    EXPECT_TRUE(g.isInstanceOf("RasterGraphics"));
    EXPECT_STREQ(g.getClassName(), "ImageGraphics");
}

TEST(GraphicsState, TintAlphaOpacityAndCornerColours)
{
    Canvas canvas;
    Graphics& g = *canvas.graphics;
    g.setTint(0x80112233u);
    g.setTintAlpha(300);
    EXPECT_EQ(g.getTint().getValue(), 0xFF112233u);
    g.setTintAlpha(-5);
    EXPECT_EQ(g.getTint().getValue(), 0x00112233u);

    // The opacity scales the tint's alpha when it is read: truncated, at most 255.
    g.setTint(0xFF112233u);
    g.setOpacity(100);
    EXPECT_EQ(g.getTint().getValue(), 0xC7112233u); // 255 * 100 / 128 = 199
    g.setTint(0x80112233u);
    g.setOpacity(300);
    EXPECT_EQ(g.getTint().getValue(), 0xFF112233u);
    g.setOpacity(64);
    EXPECT_EQ(g.getTint().getValue(), 0x40112233u);

    // Corner colours answer only while switched on; otherwise the tint, without opacity.
    g.setCornerColor(2, 0x11223344u);
    EXPECT_EQ(g.getCornerColor(2).getValue(), 0x80112233u);
    g.setUseCornerColors(true);
    EXPECT_EQ(g.getCornerColor(2).getValue(), 0x11223344u);
    EXPECT_EQ(g.getCornerColor(0).getValue(), 0u);
    EXPECT_EQ(g.getCornerColor(4).getValue(), 0x80112233u);
}

TEST(GraphicsState, PushAndPopRestoreEverythingButTheFont)
{
    Canvas canvas;
    Graphics& g = *canvas.graphics;
    Ref<window::Font> font = adopt(new window::Font("Arial", 0, 12));
    g.pushState();
    g.translate(3, 4);
    g.setColor(0xFF00FF00u);
    g.setTint(0x40404040u);
    g.setCornerColor(1, 0x12345678u);
    g.setUseCornerColors(true);
    g.setOpacity(7);
    g.setFlag(1);
    g.clipRect(1, 1, 2, 2);
    g.setFont(font.get());
    g.pushState();
    g.translate(10, 10);
    g.popState();
    EXPECT_EQ(g.getTranslateX(), 3);
    g.popState();
    EXPECT_EQ(g.getTranslateX(), 0);
    EXPECT_EQ(g.getTranslateY(), 0);
    EXPECT_EQ(g.getColor(), 0xFFFFFFFFu);
    EXPECT_EQ(g.getTint().getValue(), 0x80808080u);
    EXPECT_FALSE(g.getUseCornerColors());
    EXPECT_EQ(g.getOpacity(), 128);
    EXPECT_EQ(g.getFlag(), 0);
    EXPECT_EQ(g.getClipBounds().width, 8);
    EXPECT_EQ(g.getFont(), font.get());
    // popState on an empty stack changes nothing.
    g.popState();
    EXPECT_EQ(g.getClipBounds().width, 8);
}

TEST(GraphicsState, TransformedAtCentresOnTheSourceRectangle)
{
    Ref<PixelImage> target = adopt(new PixelImage(4, 4));
    Ref<PixelImage> picture = adopt(new PixelImage(4, 4));
    Ref<RecordingGraphics> g = adopt(new RecordingGraphics(target.get()));
    g->drawImageTransformedAt(picture.get(), 10, 20, util::RectangleNM(0, 0, 7, 4), 1, 1, 0, 0);
    EXPECT_EQ(g->lastX, 13);
    EXPECT_EQ(g->lastY, 22);
}

TEST(GraphicsState, ClipRectOfAnImageTargetReplacesTheClip)
{
    Canvas canvas;
    ImageGraphics& g = *canvas.graphics;
    g.clipRect(1, 1, 4, 4);
    g.clipRect(3, 3, 20, 20);
    util::RectangleNM clip = g.getClipBounds();
    EXPECT_EQ(clip.x, 3);
    EXPECT_EQ(clip.y, 3);
    EXPECT_EQ(clip.width, 5);
    EXPECT_EQ(clip.height, 5);
    g.translate(2, 0);
    g.clipRect(0, 0, 2, 2);
    clip = g.getClipBounds();
    EXPECT_EQ(clip.x, 2);
    EXPECT_EQ(clip.width, 2);

    // create() keeps the origin and clip and shares the helper.
    Ref<Graphics> child = adopt(g.create());
    EXPECT_EQ(child->getTranslateX(), 2);
    EXPECT_EQ(child->getClipBounds().x, 2);
    EXPECT_EQ(child->getFancyHelper(), g.getFancyHelper());
    EXPECT_EQ(child->getTint().getValue(), 0x80808080u);
}

TEST(GraphicsState, ExcludedRectanglesAreLeftAlone)
{
    Canvas canvas(6, 3);
    ImageGraphics& g = *canvas.graphics;
    g.excludeClipRect(2, 1, 2, 1);
    g.fillRect(0, 0, 6, 3, 0xFF00FF00u);
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 6; ++x)
            EXPECT_EQ(canvas.at(x, y), (y == 1 && (x == 2 || x == 3)) ? 0u : 0xFF00FF00u) << x << "," << y;
    const util::RectangleNM bounds = g.getClipBounds();
    EXPECT_EQ(bounds.width, 6);
    EXPECT_EQ(bounds.height, 3);
}

TEST(GraphicsState, PlacementOfSmallShapes)
{
    Canvas canvas;
    Graphics& g = *canvas.graphics;
    g.setColor(0xFF123456u);
    g.drawRect(0, 0, 1, 1);
    int32_t painted = 0;
    for (int32_t i = 0; i < 64; ++i)
        painted += canvas.image->getPixels()[i] != 0;
    EXPECT_EQ(painted, 1);
    EXPECT_EQ(canvas.at(0, 0), 0xFF123456u);

    // fillOval ignores the origin.
    g.translate(4, 4);
    g.fillOval(0, 0, 2, 2);
    EXPECT_EQ(canvas.at(1, 1), 0xFF123456u);
    EXPECT_EQ(canvas.at(5, 5), 0u);
}

TEST(GraphicsState, ARasterTargetCopiesPicturesAndNarrowsItsClip)
{
    Ref<PixelImage> surface = adopt(new PixelImage(6, 4));
    Ref<PixelImage> picture = adopt(new PixelImage(2, 2));
    std::fill_n(picture->getPixels(), 4, 0x40123456u);
    window::RasterGraphics g(surface.get());
    EXPECT_FALSE(g.drawImageTransformed(picture.get(), 1, 1, util::RectangleNM(0, 0, 2, 2), 1, 1, 0, 0));
    // Unlike the image target, clipRect here intersects: both rectangles narrow the clip.
    g.clipRect(1, 0, 4, 4);
    g.clipRect(0, 1, 4, 4);
    EXPECT_EQ(g.getClipBounds().x, 1);
    EXPECT_EQ(g.getClipBounds().y, 1);
    EXPECT_EQ(g.getClipBounds().width, 3);
    EXPECT_TRUE(g.drawImage(picture.get(), 0, 0));
    EXPECT_EQ(surface->getPixels()[0], 0u);
    EXPECT_EQ(surface->getPixels()[1], 0u);
    EXPECT_EQ(surface->getPixels()[6 + 1], 0x40123456u); // copied as it is, alpha included
    // Thin lines set opaque pen pixels, inside the clip only.
    g.setColor(0x00ABCDEFu);
    g.drawLine(0, 3, 5, 3, 1);
    EXPECT_EQ(surface->getPixels()[18], 0u);
    EXPECT_EQ(surface->getPixels()[19], 0xFFABCDEFu);
    EXPECT_EQ(surface->getPixels()[22], 0u);
}
