// The frame's window procedure: the private messages 1124, 1125, 1296 and 1297, closing,
// activation, maximise and the full-screen shortcuts, power messages, sizes and timers.
#include "frame_testing.h"

#include "lang/SyncGuard.h"
#include "window/LostDeviceFlag.h"
#include "window/raster/SoftwareWindowGraphics.h"
#include "window/sdl/MessageQueue.h"
#include "window/sdl/SdlTesting.h"

#include <thread>

namespace frametest {
namespace {

using Log = std::vector<std::string>;

class FrameMessages : public FrameTest {
protected:
    void TearDown() override
    {
        window::sdl::setFullScreenRefused(false);
        window::LostDeviceFlag::get()->set(false);
        FrameTest::TearDown();
    }

    window::SoftwareWindowGraphics* target()
    {
        lang::Ref<window::Graphics> graphics = lang::adopt(frame->getGraphics());
        return static_cast<window::SoftwareWindowGraphics*>(graphics.get());
    }
};

TEST_F(FrameMessages, TakeFocusMessageGivesTheFocus)
{
    frame->requestFocus();
    pump();
    ASSERT_FALSE(canvas->hasKeyboardFocus());
    window::platform::postMessage(canvas.get(), window::MsgTakeFocus, 0, 0);
    pump();
    EXPECT_TRUE(canvas->hasKeyboardFocus());
}

TEST_F(FrameMessages, FocusAskedForFromAnotherThreadArrivesByMessage)
{
    frame->requestFocus();
    pump();
    std::thread other([&] { canvas->requestFocus(); });
    other.join();
    EXPECT_FALSE(canvas->hasKeyboardFocus());
    EXPECT_EQ(window::Component::getFocusWindow(), canvas.get());
    pump();
    EXPECT_TRUE(canvas->hasKeyboardFocus());
}

TEST_F(FrameMessages, ActivationGivesTheFocusBackToTheChild)
{
    windowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    pump();
    sdlWindow()->setFocusComponent(nullptr);
    windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    pump();
    EXPECT_EQ(frame->activations, (std::vector<int32_t>{1, 0, 1}));
    EXPECT_TRUE(canvas->hasKeyboardFocus());
}

TEST_F(FrameMessages, ExitMessageCallsTheHookThenDestroys)
{
    frame->exit();
    EXPECT_EQ(frame->exitHooks, 0);
    pump();
    EXPECT_EQ(frame->exitHooks, 1);
    EXPECT_EQ(frame->destroys, 1);
    EXPECT_EQ(frame->getWindow(), nullptr);
    EXPECT_EQ(canvas->getWindow(), nullptr);
    // The window's references are gone; only the test's remain.
    EXPECT_EQ(frame->getRefCount(), 1);
    EXPECT_EQ(canvas->getRefCount(), 1);
}

TEST_F(FrameMessages, CloseButtonClosesTheWindow)
{
    windowEvent(SDL_WINDOWEVENT_CLOSE);
    pump();
    EXPECT_EQ(frame->destroys, 1);
    EXPECT_EQ(frame->exitHooks, 0);
    EXPECT_EQ(frame->getWindow(), nullptr);
}

TEST_F(FrameMessages, AltF4ClosesTheWindow)
{
    key(true, SDLK_F4, KMOD_LALT);
    pump();
    EXPECT_EQ(frame->destroys, 1);
    EXPECT_TRUE(canvas->log.empty());
}

TEST_F(FrameMessages, MessagesForADestroyedWindowAreDropped)
{
    window::platform::postMessage(canvas.get(), window::MsgShowWindow, 0, 0);
    canvas->destroyWindow();
    pump();
    EXPECT_EQ(canvas->getRefCount(), 1);
    EXPECT_FALSE(canvas->isVisible());
}

TEST_F(FrameMessages, ShowMessageShowsTheWindow)
{
    ASSERT_FALSE(frame->isVisible());
    window::platform::postMessage(frame.get(), window::MsgShowWindow, 0, 0);
    pump();
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(FrameMessages, LostDeviceIsRetriedUntilRestored)
{
    target()->simulateDeviceLoss(3);
    pump();
    EXPECT_TRUE(window::LostDeviceFlag::get()->isSet());
    EXPECT_TRUE(frame->isPaintingSuspended());
    ASSERT_TRUE(pumpUntil([] { return !window::LostDeviceFlag::get()->isSet(); }));
    // The first message and one retry for each failed restore.
    EXPECT_EQ(frame->lostDeviceMessages, 4);
    EXPECT_EQ(target()->getRestoreAttempts(), 4);
    EXPECT_FALSE(frame->isPaintingSuspended());
}

TEST_F(FrameMessages, RestoreOnTheMainThreadTriesBeforePosting)
{
    // Ten thousand tries fail on the spot; the posted message then restores it.
    target()->failRestores(10001);
    frame->RestoreDeviceIfMainThread();
    EXPECT_TRUE(window::LostDeviceFlag::get()->isSet());
    EXPECT_EQ(target()->getRestoreAttempts(), 10000);
    ASSERT_TRUE(pumpUntil([] { return !window::LostDeviceFlag::get()->isSet(); }));
    EXPECT_EQ(frame->lostDeviceMessages, 2);
}

TEST_F(FrameMessages, RestoreFromAnotherThreadPostsAtOnce)
{
    target()->failRestores(0);
    std::thread other([&] { frame->RestoreDeviceIfMainThread(); });
    other.join();
    EXPECT_EQ(target()->getRestoreAttempts(), 0);
    pump();
    EXPECT_EQ(frame->lostDeviceMessages, 1);
}

TEST_F(FrameMessages, RendererResetIsALostDeviceThatComesBack)
{
    target()->failRestores(0);
    SDL_Event reset{};
    reset.type = SDL_RENDER_DEVICE_RESET;
    push(reset);
    pump();
    // One lost-device message, whose restore made the presenter again.
    EXPECT_EQ(frame->lostDeviceMessages, 1);
    EXPECT_EQ(target()->getRestoreAttempts(), 1);
    EXPECT_FALSE(window::LostDeviceFlag::get()->isSet());
    EXPECT_FALSE(sdlWindow()->isPresenterLost());
}

TEST_F(FrameMessages, DesktopQuitRequestClosesTheWindow)
{
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    pump();
    EXPECT_EQ(frame->destroys, 1);
}

TEST_F(FrameMessages, BackgroundAndForegroundAreSuspendAndResume)
{
    SDL_Event background{};
    background.type = SDL_APP_WILLENTERBACKGROUND;
    push(background);
    pump();
    EXPECT_TRUE(window::Component::isSleeping());
    SDL_Event foreground{};
    foreground.type = SDL_APP_DIDENTERFOREGROUND;
    push(foreground);
    pump();
    EXPECT_FALSE(window::Component::isSleeping());
}

TEST_F(FrameMessages, NoRestoreWhileSleeping)
{
    frame->handleMessage(window::MsgPowerBroadcast, window::PowerSuspend, 0);
    EXPECT_TRUE(window::Component::isSleeping());
    window::LostDeviceFlag::get()->set(true);
    EXPECT_FALSE(frame->RestoreDevice());
    EXPECT_FALSE(frame->checkDevice());
    frame->handleMessage(window::MsgPowerBroadcast, window::PowerResumeSuspend, 0);
    EXPECT_FALSE(window::Component::isSleeping());
    EXPECT_FALSE(window::LostDeviceFlag::get()->isSet());
}

TEST_F(FrameMessages, NoRestoreWhileExiting)
{
    window::Component::setExiting(true);
    bool restored = frame->RestoreDevice();
    window::Component::setExiting(false);
    EXPECT_FALSE(restored);
}

TEST_F(FrameMessages, MaximiseSwitchesToFullScreen)
{
    windowEvent(SDL_WINDOWEVENT_MAXIMIZED);
    pump();
    EXPECT_TRUE(frame->isFullScreen());
    EXPECT_TRUE(sdlWindow()->isFullScreen());
}

TEST_F(FrameMessages, FunctionKeyElevenAndAltEnterToggleFullScreen)
{
    key(true, SDLK_F11);
    pump();
    EXPECT_TRUE(frame->isFullScreen());
    key(true, SDLK_RETURN, KMOD_LALT);
    pump();
    EXPECT_FALSE(frame->isFullScreen());
    EXPECT_FALSE(sdlWindow()->isFullScreen());
    key(true, SDLK_RETURN, KMOD_RALT);
    pump();
    EXPECT_TRUE(frame->isFullScreen());
    // The shortcuts are the window's, not the game's.
    EXPECT_TRUE(canvas->log.empty());
}

TEST_F(FrameMessages, RefusedFullScreenSaysSoAndStaysWindowed)
{
    window::sdl::setFullScreenRefused(true);
    testing::internal::CaptureStderr();
    frame->setFullScreen(true, false);
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(frame->isFullScreen());
    EXPECT_FALSE(sdlWindow()->isFullScreen());
    EXPECT_EQ(said, "Corvalen Error: Unable to switch to Fullscreen mode.\n");
}

TEST(FrameCreation, FullScreenAskedForBeforeTheWindowExists)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    ASSERT_TRUE(window::platform::initialise());
    lang::Ref<RecordingFrame> early = lang::adopt(new RecordingFrame);
    early->setFullScreen(true, false);
    EXPECT_TRUE(early->isFullScreen());
    ASSERT_TRUE(early->create(nullptr, util::RectangleNM(0, 0, 800, 600)));
    EXPECT_TRUE(early->getWindow()->isFullScreen());
    early->destroyWindow();
}

// A window that nothing can draw (no OpenGL, and the software target's pictures cannot be
// shown either) is not made: the player learns why from a message box.
TEST(FrameCreation, NothingToDrawWithSaysSoAndMakesNoWindow)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    ASSERT_TRUE(window::platform::initialise());
    setenv("KIPTO2_SOFTWARE_UNAVAILABLE", "1", 1);
    testing::internal::CaptureStderr();
    lang::Ref<RecordingFrame> blind = lang::adopt(new RecordingFrame);
    const bool created = blind->create(nullptr, util::RectangleNM(0, 0, 800, 600));
    const std::string said = testing::internal::GetCapturedStderr();
    unsetenv("KIPTO2_SOFTWARE_UNAVAILABLE");
    EXPECT_FALSE(created);
    EXPECT_EQ(blind->getWindow(), nullptr);
    EXPECT_NE(said.find("Graphics Error: Could not start graphics engine.\n"), std::string::npos) << said;
}

TEST_F(FrameMessages, LeavingFullScreenNeedsAWindowedDesktopOrForce)
{
    frame->setFullScreen(true, false);
    frame->setWindowedAllowed(false);
    frame->setFullScreen(false, false);
    EXPECT_TRUE(frame->isFullScreen());
    frame->setFullScreen(false, true);
    EXPECT_FALSE(frame->isFullScreen());
    EXPECT_FALSE(sdlWindow()->isFullScreen());
}

TEST_F(FrameMessages, ColourDepthsThatAllowAWindow)
{
    EXPECT_TRUE(window::Frame::isWindowedDepth(16));
    EXPECT_TRUE(window::Frame::isWindowedDepth(24));
    EXPECT_TRUE(window::Frame::isWindowedDepth(32));
    EXPECT_FALSE(window::Frame::isWindowedDepth(8));
    EXPECT_FALSE(window::Frame::isWindowedDepth(15));
}

TEST_F(FrameMessages, SizeIsLimitedToThePicture)
{
    frame->handleMessage(window::MsgSize, window::SizeRestored, window::makeLParam(1024, 500));
    EXPECT_EQ(frame->getSize()->width, 800);
    EXPECT_EQ(frame->getSize()->height, 500);
    canvas->handleMessage(window::MsgSize, window::SizeRestored, window::makeLParam(1024, 500));
    EXPECT_EQ(canvas->getSize()->width, 1024);
}

TEST_F(FrameMessages, SmallerPositionsAreRefused)
{
    window::WindowPos smaller{0, 0, 640, 480, 0};
    frame->handleMessage(window::MsgWindowPosChanging, 0, reinterpret_cast<window::LParam>(&smaller));
    EXPECT_EQ(smaller.flags, uint32_t(window::WindowPos::NoMove | window::WindowPos::NoSize));
    window::WindowPos larger{10, 10, 800, 600, 0};
    frame->handleMessage(window::MsgWindowPosChanging, 0, reinterpret_cast<window::LParam>(&larger));
    EXPECT_EQ(larger.flags, 0u);
}

TEST_F(FrameMessages, MaximisedSizeOfAFixedFrameIsItsOwn)
{
    window::MinMaxInfo info;
    frame->handleMessage(window::MsgGetMinMaxInfo, 0, reinterpret_cast<window::LParam>(&info));
    EXPECT_EQ(info.maxSizeWidth, 800);
    EXPECT_EQ(info.maxSizeHeight, 600);
}

TEST_F(FrameMessages, MoveMessageTakesSignedHalves)
{
    frame->handleMessage(window::MsgMove, 0, window::makeLParam(-20, 35));
    EXPECT_EQ(frame->getBounds()->x, -20);
    EXPECT_EQ(frame->getBounds()->y, 35);
}

TEST_F(FrameMessages, DisplayChangeSetsTheFlag)
{
    EXPECT_FALSE(frame->getDisplayChanged());
    frame->handleMessage(window::MsgDisplayChange, 32, 0);
    EXPECT_TRUE(frame->getDisplayChanged());
}

int32_t queuedPlatformEvents()
{
    SDL_PumpEvents();
    SDL_Event events[16];
    uint32_t type = window::sdl::userEventType();
    return SDL_PeepEvents(events, 16, SDL_PEEKEVENT, type, type);
}

TEST_F(FrameMessages, TimerDeliversItsId)
{
    window::platform::setTimer(frame.get(), 1, 5);
    ASSERT_TRUE(pumpUntil([&] { return frame->timerMessages >= 2; }));
    window::platform::killTimer(frame.get(), 1);
}

TEST_F(FrameMessages, TimerMessagesDoNotPileUp)
{
    window::platform::setTimer(frame.get(), 1, 2);
    uint32_t start = SDL_GetTicks();
    while (queuedPlatformEvents() == 0 && SDL_GetTicks() - start < 5000)
        SDL_Delay(1);
    SDL_Delay(40);
    // However often the timer fired meanwhile, one message is waiting.
    EXPECT_EQ(queuedPlatformEvents(), 1);
    // A killed timer's waiting message is not delivered.
    window::platform::killTimer(frame.get(), 1);
    pump();
    EXPECT_EQ(frame->timerMessages, 0);
    EXPECT_EQ(frame->getRefCount(), 2);
}

TEST_F(FrameMessages, DestroyKillsTimersAndTheirReferences)
{
    window::platform::setTimer(canvas.get(), 7, 60000);
    EXPECT_EQ(canvas->getRefCount(), 3);
    canvas->destroyWindow();
    EXPECT_EQ(canvas->getRefCount(), 1);
}

} // namespace
} // namespace frametest
