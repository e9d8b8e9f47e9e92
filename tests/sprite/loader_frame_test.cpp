// The loader frame's window rules on SDL's offscreen driver: the start-up mode from the
// settings, Escape and deactivation leaving full screen, coming back, and the normal exit.
#include "sprite/GameCanvas3.h"
#include "sprite/LoaderFrame2.h"
#include "sprite/User.h"
#include "user_helpers.h"
#include "window/Event.h"
#include "window/Platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

class LoaderFrameTest : public SettingsFolderTest {
protected:
    static void SetUpTestSuite()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(window::platform::initialise());
    }

    void SetUp() override
    {
        SettingsFolderTest::SetUp();
        frame = lang::adopt(new sprite::LoaderFrame2(800, 600));
        ASSERT_TRUE(frame->create(nullptr, util::RectangleNM(0, 0, 800, 600)));
        frame->setVisible(true);
        canvas = lang::adopt(new sprite::GameCanvas3);
        ASSERT_TRUE(canvas->create(frame.get(), util::RectangleNM(0, 0, 800, 600)));
    }

    void TearDown() override
    {
        if (frame->getWindow())
            frame->destroyWindow();
        window::Component::setExiting(false);
        frame.reset();
        canvas.reset();
        SettingsFolderTest::TearDown();
    }

    void preset(const char* name, int32_t value)
    {
        lang::Ref<sprite::User> settings = lang::adopt(new sprite::User);
        settings->open("FrameTest");
        settings->setInt(name, value);
    }

    int32_t setting(const char* name)
    {
        lang::Ref<sprite::User> settings = lang::adopt(new sprite::User);
        settings->open("FrameTest");
        return settings->getInt(name, -1);
    }

    bool escape()
    {
        lang::Ref<window::Event> key = lang::adopt(new window::Event(window::Event::KeyDown, 0, 0, 0, 27, 0));
        return frame->keyDown(key.get(), 27);
    }

    lang::Ref<sprite::LoaderFrame2> frame;
    lang::Ref<sprite::GameCanvas3> canvas;
};

} // namespace

TEST_F(LoaderFrameTest, TheSettingStartsFullScreenAndEscapeLeavesIt)
{
    preset("FULLSCREEN", 1);
    frame->init(canvas.get(), "+datfile", "FrameTest");
    EXPECT_TRUE(frame->isFullScreen());
    EXPECT_EQ(setting("NORMALEXIT"), 0);
    EXPECT_EQ(canvas->getDataFile(), "+datfile");
    EXPECT_EQ(canvas->getResolver(), frame->getUser());
    EXPECT_TRUE(escape());
    EXPECT_FALSE(frame->isFullScreen());
    EXPECT_FALSE(escape()) << "in a window Escape is not the frame's";
}

TEST_F(LoaderFrameTest, DeactivationLeavesFullScreenAndComingBackRestoresIt)
{
    preset("FULLSCREEN", 1);
    frame->init(canvas.get(), "+datfile", "FrameTest");
    ASSERT_TRUE(frame->isFullScreen());
    frame->onActivate(false);
    EXPECT_FALSE(frame->isFullScreen());
    frame->onActivate(false);
    EXPECT_FALSE(frame->isFullScreen());
    // The window is back (the offscreen driver never minimises it).
    frame->onPositionChanged();
    EXPECT_TRUE(frame->isFullScreen());
    frame->onPositionChanged();
    EXPECT_TRUE(frame->isFullScreen()) << "only once";
}

TEST_F(LoaderFrameTest, DebugSettingSwitchesTheDebugKeys)
{
    lang::Ref<sprite::User> settings = lang::adopt(new sprite::User);
    settings->open("FrameTest");
    settings->setString("Debug", "ZT");
    settings.reset();
    frame->init(canvas.get(), "+datfile", "FrameTest");
    EXPECT_TRUE(sprite::GameCanvas3::debugMode);
    sprite::GameCanvas3::debugMode = false;
}

TEST_F(LoaderFrameTest, TheNormalExitIsRecorded)
{
    frame->init(canvas.get(), "+datfile", "FrameTest");
    EXPECT_EQ(setting("NORMALEXIT"), 0);
    frame->exit();
    EXPECT_TRUE(window::Component::isExiting());
    EXPECT_EQ(setting("NORMALEXIT"), 1);
}

TEST_F(LoaderFrameTest, APlayerIsToldWhenTheSavedGamesWereDamaged)
{
    preset("KEPT", 1);
    std::ofstream(fileOf("FrameTest"), std::ios::binary | std::ios::trunc) << "no database";
    // Without a display the message box is written to standard error.
    testing::internal::CaptureStderr();
    frame->init(canvas.get(), "+datfile", "FrameTest");
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("Kipto2: The saved games were damaged and have been restored"), std::string::npos)
        << errors;
    EXPECT_EQ(setting("KEPT"), 1);
}
