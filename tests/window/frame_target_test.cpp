// The software window target: frames nest, only the outermost end presents, and only a frame
// that drew something; a frame that paints itself paints through it on a paint message.
#include "frame_testing.h"

#include "window/image/ImageBase.h"
#include "window/LostDeviceFlag.h"
#include "window/raster/Graphics.h"
#include "window/raster/PixelImage.h"
#include "window/raster/SoftwareWindowGraphics.h"
#include "window/sdl/SdlPlatform.h"
#include "window/sdl/SurfacePresenter.h"

#include <thread>

namespace frametest {
namespace {

// A native window stand-in that keeps what it is given to show.
class PresentCounter : public window::NativeWindow {
public:
    PresentCounter() : NativeWindow(nullptr) {}
    int32_t presents = 0;
    uint32_t firstPixel = 0;
    bool lost = false;
    int32_t restores = 0;

    bool hasInputFocus() const override { return true; }
    void setVisible(bool) override {}
    bool isVisible() const override { return true; }
    bool isMinimised() const override { return false; }
    void minimise() override {}
    void setTitle(const char*) override {}
    void setIcon(const uint32_t*, int32_t, int32_t) override {}
    bool setFullScreen(bool) override { return true; }
    bool isFullScreen() const override { return false; }
    void setPosition(int32_t, int32_t) override {}
    void getPosition(int32_t& x, int32_t& y) const override { x = y = 0; }
    void centreInWorkArea() override {}
    void getMousePosition(int32_t& x, int32_t& y) const override { x = y = 0; }
    void setMousePosition(int32_t, int32_t) override {}
    void requestPaint() override {}
    void submitFrame(const uint32_t* pixels, int32_t, int32_t, int32_t) override
    {
        ++presents;
        firstPixel = pixels[0];
    }
    bool isPresenterLost() const override { return lost; }
    bool restorePresenter() override
    {
        ++restores;
        lost = false;
        return true;
    }
};

class SoftwareTarget : public ::testing::Test {
protected:
    PresentCounter window;
    lang::Ref<window::SoftwareWindowGraphics> target = lang::adopt(new window::SoftwareWindowGraphics(&window, 800, 600));
};

TEST_F(SoftwareTarget, CreateReturnsTheSameTargetWithAReference)
{
    lang::Ref<window::Graphics> frame = lang::adopt(target->create());
    EXPECT_EQ(frame.get(), target.get());
    EXPECT_EQ(target->getRefCount(), 2);
    frame->dispose();
}

TEST_F(SoftwareTarget, OnlyTheOutermostEndPresents)
{
    lang::Ref<window::Graphics> outer = lang::adopt(target->create());
    outer->fillRect(0, 0, 10, 10, 0xFF112233);
    lang::Ref<window::Graphics> inner = lang::adopt(outer->create());
    inner->fillRect(20, 20, 10, 10, 0xFF445566);
    inner->dispose();
    EXPECT_EQ(window.presents, 0);
    outer->dispose();
    EXPECT_EQ(window.presents, 1);
    EXPECT_EQ(window.firstPixel, 0xFF112233u);
}

TEST_F(SoftwareTarget, AFrameWithoutDrawingIsNotPresented)
{
    lang::Ref<window::Graphics> frame = lang::adopt(target->create());
    frame->dispose();
    EXPECT_EQ(window.presents, 0);
}

TEST_F(SoftwareTarget, DisposeRestoresTheDrawingState)
{
    target->translate(5, 5);
    lang::Ref<window::Graphics> frame = lang::adopt(target->create());
    frame->translate(100, 100);
    frame->setColor(0xFF00FF00);
    frame->dispose();
    EXPECT_EQ(target->getTranslateX(), 5);
    EXPECT_EQ(target->getColor(), 0xFFFFFFFFu);
}

// A sprite that draws additively on a frame of its own (create, then dispose) must not leave
// the target adding up everything drawn after it.
TEST_F(SoftwareTarget, AdditiveDrawingEndsWithTheFrameThatBeganIt)
{
    lang::Ref<window::ImageBase> grey = lang::adopt<window::ImageBase>(new window::PixelImage(1, 1));
    grey->getPixels()[0] = 0xFF202020u;
    lang::Ref<window::Graphics> outer = lang::adopt(target->create());
    outer->fillRect(0, 0, 2, 1, 0xFF404040);
    lang::Ref<window::Graphics> inner = lang::adopt(outer->create());
    inner->setBlendMode(window::Graphics::BLEND_ADDITIVE);
    inner->drawImage(grey.get(), 1, 0);
    inner->dispose();
    EXPECT_EQ(outer->getBlendMode(), window::Graphics::BLEND_NORMAL);
    outer->drawImage(grey.get(), 0, 0);
    EXPECT_EQ(target->getBackImage()->getPixels()[0], 0xFF202020u);
    EXPECT_EQ(target->getBackImage()->getPixels()[1], 0xFF606060u);
    outer->dispose();
}

TEST_F(SoftwareTarget, PictureStartsOpaqueBlack)
{
    window::ImageBase* picture = target->getBackImage();
    ASSERT_EQ(picture->getWidth(), 800);
    ASSERT_EQ(picture->getHeight(), 600);
    EXPECT_EQ(picture->getPixels()[0], 0xFF000000u);
    EXPECT_EQ(picture->getPixels()[800 * 600 - 1], 0xFF000000u);
}

TEST_F(SoftwareTarget, BackBufferCopiesThePicture)
{
    lang::Ref<window::Graphics> frame = lang::adopt(target->create());
    frame->fillRect(799, 599, 1, 1, 0xFFABCDEF);
    frame->dispose();
    lang::Ref<window::ImageBase> copy = lang::adopt<window::ImageBase>(new window::PixelImage());
    target->getBackBuffer(copy.get());
    ASSERT_EQ(copy->getWidth(), 800);
    EXPECT_EQ(copy->getPixels()[800 * 600 - 1], 0xFFABCDEFu);
}

TEST_F(SoftwareTarget, RestoreBringsBackALostPresenter)
{
    EXPECT_TRUE(target->restoreDevice(true));
    EXPECT_EQ(window.restores, 0);
    window.lost = true;
    target->failRestores(1);
    EXPECT_FALSE(target->restoreDevice(true));
    EXPECT_TRUE(target->restoreDevice(true));
    EXPECT_EQ(window.restores, 1);
    EXPECT_EQ(target->getRestoreAttempts(), 2);
}

TEST_F(SoftwareTarget, NothingIsPresentedAfterTheWindowWent)
{
    target->detachWindow();
    lang::Ref<window::Graphics> frame = lang::adopt(target->create());
    frame->fillRect(0, 0, 1, 1, 0xFFFFFFFF);
    frame->dispose();
    EXPECT_EQ(window.presents, 0);
}

class FramePainting : public FrameTest {};

TEST_F(FramePainting, SelfPaintingFrameFillsItsBackground)
{
    frame->setBackground(window::ColorBase(0xFF50504C));
    frame->repaint();
    pump();
    lang::Ref<window::Graphics> graphics = lang::adopt(frame->getGraphics());
    auto* target = static_cast<window::SoftwareWindowGraphics*>(graphics.get());
    EXPECT_EQ(target->getBackImage()->getPixels()[0], 0xFF50504Cu);
    EXPECT_EQ(target->getBackImage()->getPixels()[800 * 600 - 1], 0xFF50504Cu);
}

// A pixel of the window's surface, where the software target's pictures are shown; 0 while
// none has been shown there.
uint32_t presentedPixel(window::sdl::SdlWindow* window, int32_t x, int32_t y)
{
    SDL_Surface* surface = window->getPresentedSurface();
    if (!surface || x >= surface->w || y >= surface->h)
        return 0;
    uint32_t pixel = 0;
    SDL_ConvertPixels(1, 1, surface->format->format,
        static_cast<uint8_t*>(surface->pixels) + y * surface->pitch + x * surface->format->BytesPerPixel,
        surface->pitch, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
    return pixel;
}

TEST_F(FramePainting, FramesFromAnotherThreadArePresentedByTheWindowThread)
{
    lang::Ref<window::Graphics> target = lang::adopt(canvas->getGraphics());
    std::thread render([&] {
        for (uint32_t colour : {0xFF0000FFu, 0xFF00FF00u}) {
            lang::Ref<window::Graphics> frameTarget = lang::adopt(target->create());
            frameTarget->fillRect(0, 0, 800, 600, colour);
            frameTarget->dispose();
        }
    });
    render.join();
    EXPECT_NE(presentedPixel(sdlWindow(), 10, 10), 0xFF00FF00u);
    pump();
    // Two frames came while one present was waiting: the last one is shown.
    EXPECT_EQ(presentedPixel(sdlWindow(), 10, 10), 0xFF00FF00u);
}

TEST_F(FramePainting, ResizedWindowShowsThePictureLetterboxed)
{
    frame->setBackground(window::ColorBase(0xFFFF0000));
    SDL_SetWindowSize(sdlWindow()->getSdlWindow(), 1000, 600);
    pump();
    EXPECT_EQ(presentedPixel(sdlWindow(), 50, 300), 0xFF000000u);
    EXPECT_EQ(presentedPixel(sdlWindow(), 500, 300), 0xFFFF0000u);
    EXPECT_EQ(presentedPixel(sdlWindow(), 950, 300), 0xFF000000u);
}

// The scaling the settings ask for reaches the window, the environment before the setting:
// twice the size, whole pixels repeat with "nearest" and neighbours blend with "linear", the
// default.
TEST_F(FramePainting, SettingAndEnvironmentChooseHowThePictureIsScaled)
{
    auto shownBesideAWhiteColumn = [](const char* environment, const std::string& stored) {
        if (environment)
            setenv("KIPTO2_SCALING", environment, 1);
        lang::Ref<window::Frame> scaled = lang::adopt(new window::Frame(800, 600));
        scaled->setDrawingSettings("", stored);
        const bool created = scaled->create(nullptr, util::RectangleNM(0, 0, 800, 600));
        unsetenv("KIPTO2_SCALING");
        if (!created)
            return 0u;
        auto* window = static_cast<window::sdl::SdlWindow*>(scaled->getWindow());
        SDL_SetWindowSize(window->getSdlWindow(), 1600, 1200);
        pump();
        lang::Ref<window::Graphics> target = lang::adopt(scaled->getGraphics());
        lang::Ref<window::Graphics> frameTarget = lang::adopt(target->create());
        frameTarget->fillRect(0, 0, 800, 600, 0xFF000000u);
        frameTarget->fillRect(0, 0, 1, 600, 0xFFFFFFFFu);
        frameTarget->dispose();
        // The second window column lies a quarter of a pixel from the white column's centre.
        const uint32_t shown = presentedPixel(window, 1, 10);
        target.reset();
        scaled->destroyWindow();
        return shown;
    };
    EXPECT_EQ(shownBesideAWhiteColumn(nullptr, "nearest"), 0xFFFFFFFFu);
    EXPECT_EQ(shownBesideAWhiteColumn(nullptr, ""), 0xFFBFBFBFu);
    EXPECT_EQ(shownBesideAWhiteColumn("nearest", "linear"), 0xFFFFFFFFu);
    EXPECT_EQ(shownBesideAWhiteColumn("linear", "nearest"), 0xFFBFBFBFu);
}

TEST_F(FramePainting, ChildrenShareTheFramesTarget)
{
    lang::Ref<window::Graphics> fromFrame = lang::adopt(frame->getGraphics());
    lang::Ref<window::Graphics> fromCanvas = lang::adopt(canvas->getGraphics());
    EXPECT_EQ(fromFrame.get(), fromCanvas.get());
}

TEST_F(FramePainting, NoPaintingWhileTheDeviceIsLost)
{
    lang::Ref<window::Graphics> graphics = lang::adopt(frame->getGraphics());
    auto* target = static_cast<window::SoftwareWindowGraphics*>(graphics.get());
    target->failRestores(1000);
    window::LostDeviceFlag::get()->set(true);
    frame->setBackground(window::ColorBase(0xFF123456));
    frame->handleMessage(window::MsgPaint, 0, 0);
    EXPECT_EQ(target->getBackImage()->getPixels()[0], 0xFF000000u);
    target->failRestores(0);
    frame->handleMessage(window::MsgPaint, 0, 0);
    EXPECT_FALSE(window::LostDeviceFlag::get()->isSet());
    EXPECT_EQ(target->getBackImage()->getPixels()[0], 0xFF123456u);
}

// The presenter holds the window's surface while it shows on it, and gives its hold back when
// it goes before the window: SDL then frees the surface with the window.
TEST_F(FramePainting, ThePresenterGivesBackTheWindowsSurface)
{
    SDL_Window* window = SDL_CreateWindow("presenter", 0, 0, 80, 60, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr);
    const uint32_t picture[4] = {0xFF0000FFu, 0xFF00FF00u, 0xFFFF0000u, 0xFFFFFFFFu};
    {
        window::sdl::SurfacePresenter presenter(window);
        ASSERT_TRUE(presenter.present(picture, 2, 2, window::PictureScaler::Filter::Nearest));
        ASSERT_EQ(presenter.getSurface(), SDL_GetWindowSurface(window));
        EXPECT_EQ(presenter.getSurface()->refcount, 2);
    }
    EXPECT_EQ(SDL_GetWindowSurface(window)->refcount, 1);
    SDL_DestroyWindow(window);
}

// A program without a platform layer has no display: its frame does not open.
TEST(NullPlatform, NoWindowOpens)
{
    window::platform::install(nullptr);
    lang::Ref<window::Frame> frame = lang::adopt(new window::Frame(800, 600));
    EXPECT_FALSE(frame->create(nullptr, util::RectangleNM(0, 0, 800, 600)));
    EXPECT_FALSE(window::platform::isMainThread());
    window::platform::install(std::make_unique<window::sdl::SdlPlatform>());
}

} // namespace
} // namespace frametest
