// The OpenGL window target against the software window target, the reference: the same
// drawing on both gives the same picture within the card's rounding and filtering.
#include "PictureTolerance.h"
#include "lang/Ref.h"
#include "util/RectangleNM.h"
#include "window/Frame.h"
#include "window/Platform.h"
#include "window/gl/GlWindowGraphics.h"
#include "window/image/ImageBase.h"
#include "window/raster/GraphicsParticle.h"
#include "window/raster/PixelImage.h"
#include "window/raster/SoftwareWindowGraphics.h"
#include "window/text/Font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

namespace {

using Scene = std::function<void(window::Graphics&)>;

lang::Ref<window::ImageBase> makePicture(
    int32_t width, int32_t height, const std::function<uint32_t(int32_t, int32_t)>& pixel)
{
    lang::Ref<window::ImageBase> image
        = lang::adopt<window::ImageBase>(new window::PixelImage(width, height));
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            image->getPixels()[y * width + x] = pixel(x, y);
    image->setHasAlpha(true);
    return image;
}

// A picture with detail everywhere: colour ramps, a checker and a translucent band.
lang::Ref<window::ImageBase> makeTestCard(int32_t width, int32_t height)
{
    return makePicture(width, height, [=](int32_t x, int32_t y) {
        const uint32_t alpha = (y > height / 2 && y < height / 2 + 8) ? 0x80u : 0xFFu;
        const uint32_t checker = ((x / 8 + y / 8) & 1) ? 0x40u : 0xC0u;
        return alpha << 24 | uint32_t(x * 255 / width) << 16 | uint32_t(y * 255 / height) << 8 | checker;
    });
}

class GlTarget : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = lang::adopt(new window::Frame(800, 600));
        if (!frame->create(nullptr, util::RectangleNM(0, 0, 800, 600)))
            GTEST_SKIP() << "no window can be opened here";
        target = lang::adopt(frame->getGraphics());
        gl = dynamic_cast<window::gl::GlWindowGraphics*>(target.get());
        if (!gl)
            GTEST_SKIP() << "no OpenGL context can be made here (KIPTO2_DEBUG=1 tells why)";
    }

    void TearDown() override
    {
        target.reset();
        if (frame)
            frame->destroyWindow();
    }

    // The picture after drawing `scene` in one frame of `on`, on opaque black (the window
    // target keeps the last frame's picture).
    static lang::Ref<window::ImageBase> draw(window::Graphics& on, const Scene& scene)
    {
        lang::Ref<window::Graphics> frameTarget = lang::adopt(on.create());
        frameTarget->fillRect(0, 0, 800, 600, 0xFF000000u);
        scene(*frameTarget);
        frameTarget->dispose();
        lang::Ref<window::ImageBase> picture = lang::adopt<window::ImageBase>(new window::PixelImage(1, 1));
        on.getBackBuffer(picture.get());
        return picture;
    }

    // The scene drawn on both targets: every channel of every pixel within the tolerance.
    void expectSameAsSoftware(const Scene& scene, int32_t tolerance = gltest::Tolerance)
    {
        lang::Ref<window::SoftwareWindowGraphics> software
            = lang::adopt(new window::SoftwareWindowGraphics(nullptr, 800, 600));
        lang::Ref<window::ImageBase> expected = draw(*software, scene);
        lang::Ref<window::ImageBase> actual = draw(*target, scene);
        const gltest::Mismatches misses
            = gltest::compare(expected->getPixels(), actual->getPixels(), 800, 600, tolerance);
        const size_t first = size_t(misses.firstY) * 800 + size_t(misses.firstX);
        EXPECT_EQ(misses.count, 0) << "first at " << misses.firstX << "," << misses.firstY << ": software "
                                   << std::hex << expected->getPixels()[first] << ", OpenGL "
                                   << actual->getPixels()[first];
    }

    lang::Ref<window::Frame> frame;
    lang::Ref<window::Graphics> target;
    window::gl::GlWindowGraphics* gl = nullptr;
};

TEST_F(GlTarget, TintLeavesAt128BrightensAboveAndFadesWithAlpha)
{
    lang::Ref<window::ImageBase> card = makeTestCard(96, 64);
    expectSameAsSoftware([&](window::Graphics& g) {
        g.fillRect(0, 0, 800, 600, 0xFF305070u);
        g.drawImage(card.get(), 10, 10);
        g.setTint(0xFFC0C0C0u);
        g.drawImage(card.get(), 120, 10);
        g.setTint(0x80FF4020u);
        g.drawImage(card.get(), 230, 10);
        g.setTint(0x40808080u);
        g.drawImage(card.get(), 340, 10);
        g.setTint(0x80808080u);
        g.setOpacity(64);
        g.drawImage(card.get(), 450, 10);
    });
}

TEST_F(GlTarget, CornerColoursSpreadOneGradientOverTheWholePicture)
{
    lang::Ref<window::ImageBase> white = makePicture(200, 150, [](int32_t, int32_t) { return 0xFFFFFFFFu; });
    expectSameAsSoftware([&](window::Graphics& g) {
        g.setUseCornerColors(true);
        g.setCornerColor(0, 0xFF800000u);
        g.setCornerColor(1, 0xFF008000u);
        g.setCornerColor(2, 0xFF000080u);
        g.setCornerColor(3, 0x80808080u);
        g.drawImageTransformed(white.get(), 200, 200, util::RectangleNM(0, 0, 200, 150), 1.5, 1.5, 0.0, 0);
    });
}

TEST_F(GlTarget, AdditiveBlendingAddsAndSaturates)
{
    lang::Ref<window::ImageBase> card = makeTestCard(128, 96);
    expectSameAsSoftware([&](window::Graphics& g) {
        g.fillRect(0, 0, 800, 600, 0xFF606060u);
        g.setBlendMode(window::Graphics::BLEND_ADDITIVE);
        g.drawImage(card.get(), 20, 20);
        g.setTint(0xC0FFFFFFu);
        g.drawImage(card.get(), 60, 60);
        g.setBlendMode(window::Graphics::BLEND_NORMAL);
    });
}

TEST_F(GlTarget, FillsLinesTextClipAndParticles)
{
    lang::Ref<window::Font> font = lang::adopt(new window::Font("Arial", 0, 20));
    expectSameAsSoftware([&](window::Graphics& g) {
        g.fillRect(0, 0, 800, 600, 0xFF102030u);
        g.fillRect(10, 10, 100, 50, 0x80FF0000u); // made opaque
        g.fillRectBlended(50, 30, 100, 50, 0x8000FF00u);
        g.clipRect(300, 0, 100, 600);
        g.fillRect(250, 100, 200, 20, 0xFFFFFF00u); // cut to the clip
        g.clipRect(0, 0, 800, 600);
        g.setColor(0xFFFFFFFFu);
        g.drawLine(500, 50, 700, 50, 1);
        g.drawRect(520, 80, 40, 30);
        g.setFont(font.get());
        g.setColor(0xFFFFC040u);
        g.drawString("Kipto", 100, 400);
        g.setTint(0x40102030u); // text takes the pen colour alone
        g.drawChars("Shop|", 0, 4, 100, 450);
        lang::Ref<window::GraphicsParticle> particles = lang::adopt(g.createParticleSystem());
        ASSERT_TRUE(particles->init(3));
        particles->addPoint(600.4f, 300.7f, 0, 0xFFFF8000u);
        particles->addPoint(610, 300, 0, 0x80FFFFFFu);
        particles->addPoint(620, 300, 0, 0xFF00FFFFu);
        particles->draw(&g);
    });
}

TEST_F(GlTarget, TurnedScaledAndMirroredPicturesLandWhereTheSoftwareTargetPutsThem)
{
    lang::Ref<window::ImageBase> card = makeTestCard(120, 80);
    expectSameAsSoftware([&](window::Graphics& g) {
        g.drawImageTransformed(card.get(), 150, 150, util::RectangleNM(0, 0, 120, 80), 2.0, 2.0, 0.0, 0);
        g.drawImageTransformed(card.get(), 450, 150, util::RectangleNM(10, 10, 60, 40), 1.0, 1.0, 0.0, 3);
        g.drawImageTransformed(card.get(), 600, 420, util::RectangleNM(0, 0, 120, 80), 1.3, 0.8, 30.0, 1);
        g.drawImageTransformed(card.get(), 200, 440, util::RectangleNM(0, 0, 120, 80), 0.5, 0.5, -75.0, 0);
    });
}

// A picture larger than a texture is drawn from tiles; turned and scaled it shows no seam:
// the same as drawn from one texture.
TEST_F(GlTarget, TilesOfALargePictureShowNoSeam)
{
    lang::Ref<window::ImageBase> card = makeTestCard(300, 200);
    const Scene scene = [&](window::Graphics& g) {
        g.drawImageTransformed(card.get(), 400, 300, util::RectangleNM(0, 0, 300, 200), 1.7, 1.7, 33.0, 0);
    };
    lang::Ref<window::ImageBase> whole = draw(*target, scene);
    gl->limitTileSize(64);
    lang::Ref<window::ImageBase> tiled = draw(*target, scene);
    // Inside the outline (no background beside a pixel) the tiles give the same pixels.
    auto onOutline = [&](int32_t x, int32_t y) {
        for (int32_t dy = -1; dy <= 1; ++dy)
            for (int32_t dx = -1; dx <= 1; ++dx)
                if (whole->getPixels()[std::clamp(y + dy, 0, 599) * 800 + std::clamp(x + dx, 0, 799)]
                    == 0xFF000000u)
                    return true;
        return false;
    };
    int32_t worst = 0, inside = 0;
    for (int32_t y = 0; y < 600; ++y) {
        for (int32_t x = 0; x < 800; ++x) {
            if (onOutline(x, y))
                continue;
            ++inside;
            worst = std::max(worst,
                gltest::channelDifference(whole->getPixels()[y * 800 + x], tiled->getPixels()[y * 800 + x]));
        }
    }
    EXPECT_GT(inside, 100000);
    EXPECT_LE(worst, 1);
    expectSameAsSoftware(scene);
}

} // namespace

namespace {

// A context lost in the middle of a frame, one that says at a frame's beginning that the card
// was reset, and a swap that fails: each time the frame window learns of the loss, restores
// the device through its lost-device message, and the next frame is whole again with every
// picture uploaded anew from its pixels.
TEST_F(GlTarget, ALostContextIsRestoredAndTheNextFrameIsWhole)
{
    lang::Ref<window::ImageBase> card = makeTestCard(160, 120);
    const Scene scene = [&](window::Graphics& g) {
        g.drawImageTransformed(card.get(), 300, 250, util::RectangleNM(0, 0, 160, 120), 1.5, 1.5, 20.0, 0);
        g.fillRect(500, 400, 50, 50, 0xFF00FF00u);
    };
    const Scene red = [](window::Graphics& g) { g.fillRect(0, 0, 800, 600, 0xFFFF0000u); };
    const std::pair<const char*, std::function<void()>> losses[] = {
        {"in a frame",
            [&] {
                lang::Ref<window::Graphics> lostFrame = lang::adopt(target->create());
                lostFrame->drawImage(card.get(), 0, 0);
                gl->simulateContextLoss();
                red(*lostFrame);
                lostFrame->dispose();
            }},
        {"reset",
            [&] {
                gl->simulateReset();
                draw(*target, red);
            }},
        {"failed swap",
            [&] {
                gl->simulateFailedSwap();
                draw(*target, red);
            }},
    };
    lang::Ref<window::ImageBase> before = draw(*target, scene);
    for (const auto& [name, lose] : losses) {
        SCOPED_TRACE(name);
        lose();
        EXPECT_TRUE(frame->isPaintingSuspended());
        for (int32_t i = 0; i < 50 && frame->isPaintingSuspended(); ++i)
            window::platform::pumpMessages(20);
        ASSERT_FALSE(frame->isPaintingSuspended()) << "the lost-device message did not restore the context";
        lang::Ref<window::ImageBase> after = draw(*target, scene);
        int32_t differing = 0;
        for (int32_t i = 0; i < 800 * 600; ++i)
            differing += before->getPixels()[i] != after->getPixels()[i];
        EXPECT_EQ(differing, 0);
    }
}

// A picture whose pixels change is uploaded again before it is drawn.
TEST_F(GlTarget, ChangedPixelsAreUploadedAgain)
{
    lang::Ref<window::ImageBase> picture = makePicture(4, 4, [](int32_t, int32_t) { return 0xFF0000FFu; });
    draw(*target, [&](window::Graphics& g) { g.drawImage(picture.get(), 10, 10); });
    std::fill_n(picture->getPixels(), 16, 0xFFFF0000u);
    picture->setPixelsChanged(true);
    lang::Ref<window::ImageBase> shown
        = draw(*target, [&](window::Graphics& g) { g.drawImage(picture.get(), 10, 10); });
    EXPECT_EQ(shown->getPixels()[11 * 800 + 11], 0xFFFF0000u);
}

// Where no OpenGL context can be made the window draws through the software target.
TEST(GlFallback, WithoutAContextTheSoftwareTargetDraws)
{
    setenv("KIPTO2_GL_UNAVAILABLE", "1", 1);
    lang::Ref<window::Frame> frame = lang::adopt(new window::Frame(800, 600));
    const bool created = frame->create(nullptr, util::RectangleNM(0, 0, 800, 600));
    unsetenv("KIPTO2_GL_UNAVAILABLE");
    ASSERT_TRUE(created);
    lang::Ref<window::Graphics> target = lang::adopt(frame->getGraphics());
    EXPECT_NE(dynamic_cast<window::SoftwareWindowGraphics*>(target.get()), nullptr);
    lang::Ref<window::Graphics> frameTarget = lang::adopt(target->create());
    frameTarget->fillRect(0, 0, 8, 8, 0xFF123456u);
    frameTarget->dispose();
    lang::Ref<window::ImageBase> picture = lang::adopt<window::ImageBase>(new window::PixelImage(1, 1));
    target->getBackBuffer(picture.get());
    EXPECT_EQ(picture->getPixels()[0], 0xFF123456u);
    target.reset();
    frame->destroyWindow();
}

} // namespace

namespace {

// A context that cannot be made again after a loss: after ten failed restores the window gives
// OpenGL up and shows the software target's pictures.
TEST_F(GlTarget, AContextThatCannotBeMadeAgainFallsBackToTheSoftwareTarget)
{
    setenv("KIPTO2_GL_UNAVAILABLE", "1", 1);
    gl->simulateContextLoss();
    for (int32_t i = 0; i < 100 && frame->isPaintingSuspended(); ++i)
        window::platform::pumpMessages(50);
    unsetenv("KIPTO2_GL_UNAVAILABLE");
    ASSERT_FALSE(frame->isPaintingSuspended());
    lang::Ref<window::Graphics> now = lang::adopt(frame->getGraphics());
    ASSERT_NE(dynamic_cast<window::SoftwareWindowGraphics*>(now.get()), nullptr);
    lang::Ref<window::ImageBase> shown = draw(*now, [](window::Graphics& g) { g.fillRect(0, 0, 4, 4, 0xFF00FF00u); });
    EXPECT_EQ(shown->getPixels()[0], 0xFF00FF00u);
}

} // namespace

namespace {

// Neither a new context nor the software target after a loss: nothing can draw, so the frame
// says so in a message box and ends.
TEST_F(GlTarget, WhenNothingCanDrawAfterALossTheFrameSaysSoAndEnds)
{
    setenv("KIPTO2_GL_UNAVAILABLE", "1", 1);
    setenv("KIPTO2_SOFTWARE_UNAVAILABLE", "1", 1);
    testing::internal::CaptureStderr();
    gl->simulateContextLoss();
    for (int32_t i = 0; i < 100 && frame->getWindow(); ++i)
        window::platform::pumpMessages(50);
    const std::string said = testing::internal::GetCapturedStderr();
    unsetenv("KIPTO2_GL_UNAVAILABLE");
    unsetenv("KIPTO2_SOFTWARE_UNAVAILABLE");
    EXPECT_TRUE(frame->hasGraphicsFailed());
    EXPECT_EQ(frame->getWindow(), nullptr);
    EXPECT_NE(said.find("Graphics Error: Could not restart graphics engine.\n"), std::string::npos) << said;
}

} // namespace
