// SDL events injected into a headless window come out as the component's events: key codes,
// characters once, modifiers, the focus rule, drags and releases when the pointer is lost.
#include "frame_testing.h"

#include <SDL.h>

namespace frametest {
namespace {

using Log = std::vector<std::string>;

class EventTranslation : public FrameTest {};

TEST_F(EventTranslation, TypedCharacterArrivesOnceAsItsCode)
{
    key(true, SDLK_a);
    text("a");
    key(false, SDLK_a);
    pump();
    EXPECT_EQ(canvas->log, (Log{"key 97 m0 first", "keyUp 65 m0"}));
}

TEST_F(EventTranslation, ShiftedCharacterCarriesShift)
{
    key(true, SDLK_LSHIFT, KMOD_LSHIFT);
    key(true, SDLK_h, KMOD_LSHIFT);
    text("H");
    pump();
    // Shift itself types nothing and has no code of its own: its virtual key is delivered.
    EXPECT_EQ(canvas->log, (Log{"key 16 m2 first", "key 72 m2 first"}));
}

TEST_F(EventTranslation, ControlSuppressesCharacters)
{
    key(true, SDLK_LCTRL, KMOD_LCTRL);
    key(true, SDLK_c, KMOD_LCTRL);
    text("c");
    key(true, SDLK_RETURN, KMOD_LCTRL);
    pump();
    EXPECT_EQ(canvas->log, (Log{"key 17 m1 first"}));
}

TEST_F(EventTranslation, KeysWithoutTextDeliverTheirCharacters)
{
    key(true, SDLK_RETURN);
    key(true, SDLK_BACKSPACE);
    key(true, SDLK_TAB);
    key(true, SDLK_ESCAPE);
    pump();
    EXPECT_EQ(canvas->log, (Log{"key 13 m0 first", "key 8 m0 first", "key 9 m0 first", "key 27 m0 first"}));
}

TEST_F(EventTranslation, ArrowsDeleteAndFunctionKeysHaveOwnCodes)
{
    for (SDL_Keycode sym : {SDLK_LEFT, SDLK_UP, SDLK_RIGHT, SDLK_DOWN, SDLK_DELETE, SDLK_F1, SDLK_F12, SDLK_F15})
        key(true, sym);
    key(false, SDLK_LEFT);
    pump();
    EXPECT_EQ(canvas->log, (Log{"key 1037 m0 first", "key 1038 m0 first", "key 1039 m0 first",
                               "key 1040 m0 first", "key 1046 m0 first", "key 1112 m0 first",
                               "key 1123 m0 first", "key 1126 m0 first", "keyUp 1037 m0"}));
}

TEST_F(EventTranslation, KeypadFollowsNumLock)
{
    key(true, SDLK_KP_2, KMOD_NUM);
    text("2");
    key(true, SDLK_KP_2);
    pump();
    EXPECT_EQ(canvas->log, (Log{"key 50 m0 first", "key 1040 m0 first"}));
}

TEST_F(EventTranslation, RepeatedKeyIsNotAFirstPress)
{
    key(true, SDLK_HOME);
    key(true, SDLK_HOME, 0, true);
    key(true, SDLK_x);
    text("x");
    key(true, SDLK_x, 0, true);
    text("x");
    pump();
    EXPECT_EQ(canvas->log, (Log{"key 36 m0 first", "key 36 m0", "key 120 m0 first", "key 120 m0"}));
}

TEST_F(EventTranslation, TextIsWindows1252)
{
    text("\xC3\xA9\xE2\x82\xAC\xCE\xA9z"); // e acute, euro sign, Greek Omega, z
    pump();
    // Omega has no Windows-1252 code and is left out.
    EXPECT_EQ(canvas->log, (Log{"key 233 m0 first", "key 128 m0 first", "key 122 m0 first"}));
}

TEST_F(EventTranslation, LeftAltTypesNothing)
{
    key(true, SDLK_LALT, KMOD_LALT);
    key(true, SDLK_x, KMOD_LALT);
    text("x");
    pump();
    EXPECT_TRUE(canvas->log.empty());
}

TEST_F(EventTranslation, UnhandledKeysClimbToTheParent)
{
    canvas->takesKeys = false;
    key(true, SDLK_F2);
    pump();
    EXPECT_EQ(canvas->log, (Log{"key 1113 m0 first"}));
    EXPECT_EQ(frame->log, (Log{"key 1113 m0 first"}));
}

TEST_F(EventTranslation, MouseGoesToTheCanvasInItsCoordinates)
{
    motion(10, 20);
    button(true, SDL_BUTTON_LEFT, 10, 20);
    motion(30, 40, SDL_BUTTON_LMASK);
    button(false, SDL_BUTTON_LEFT, 30, 40);
    pump();
    EXPECT_EQ(canvas->log, (Log{"move 10,20 m0 id2", "down 10,20 m0 id1", "drag 30,40 m0 id4", "up 30,40 m0 id3"}));
    EXPECT_TRUE(frame->log.empty());
}

TEST_F(EventTranslation, LeftPressCarriesControlAndShift)
{
    key(true, SDLK_LCTRL, KMOD_LCTRL | KMOD_LSHIFT);
    button(true, SDL_BUTTON_LEFT, 5, 6);
    pump();
    ASSERT_EQ(canvas->log.size(), 2u);
    EXPECT_EQ(canvas->log[1], "down 5,6 m3 id1");
}

TEST_F(EventTranslation, RightButtonDragHasModifiersFive)
{
    button(true, SDL_BUTTON_RIGHT, 100, 100);
    motion(120, 110, SDL_BUTTON_RMASK);
    button(false, SDL_BUTTON_RIGHT, 120, 110);
    pump();
    EXPECT_EQ(canvas->log, (Log{"down 100,100 m5 id1", "drag 120,110 m5 id4", "up 120,110 m5 id3"}));
}

TEST_F(EventTranslation, MouseIsIgnoredWithoutKeyboardFocus)
{
    windowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    motion(50, 50);
    button(true, SDL_BUTTON_LEFT, 50, 50);
    pump();
    EXPECT_TRUE(canvas->log.empty());
    windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    motion(60, 60);
    pump();
    EXPECT_EQ(canvas->log, (Log{"move 60,60 m0 id2"}));
}

TEST_F(EventTranslation, MouseNeedsTheComponentToHoldTheFocus)
{
    frame->requestFocus();
    pump();
    motion(70, 80);
    pump();
    EXPECT_TRUE(canvas->log.empty());
    // A left press takes the focus back and is delivered.
    button(true, SDL_BUTTON_LEFT, 70, 80);
    motion(71, 80, SDL_BUTTON_LMASK);
    pump();
    EXPECT_EQ(canvas->log, (Log{"down 70,80 m0 id1", "drag 71,80 m0 id4"}));
}

TEST_F(EventTranslation, LosingThePointerMidDragReleases)
{
    button(true, SDL_BUTTON_LEFT, 200, 150);
    motion(210, 160, SDL_BUTTON_LMASK);
    windowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    pump();
    EXPECT_EQ(canvas->log, (Log{"down 200,150 m0 id1", "drag 210,160 m0 id4", "up 210,160 m0 id3"}));
}

TEST_F(EventTranslation, LosingThePointerMidRightDragReleasesTheRightButton)
{
    button(true, SDL_BUTTON_RIGHT, 300, 300);
    windowEvent(SDL_WINDOWEVENT_MINIMIZED);
    pump();
    EXPECT_EQ(canvas->log, (Log{"down 300,300 m5 id1", "up 300,300 m5 id3"}));
}

TEST_F(EventTranslation, NoReleaseWithoutADrag)
{
    button(true, SDL_BUTTON_LEFT, 1, 1);
    button(false, SDL_BUTTON_LEFT, 1, 1);
    windowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    pump();
    EXPECT_EQ(canvas->log, (Log{"down 1,1 m0 id1", "up 1,1 m0 id3"}));
}

TEST_F(EventTranslation, PointerInAResizedWindowMapsIntoThePicture)
{
    // 1600x1200 shows the picture at twice its size.
    SDL_SetWindowSize(sdlWindow()->getSdlWindow(), 1600, 1200);
    pump();
    motion(801, 601);
    pump();
    // 1000x600: the picture is 800 wide in the middle, with bars of 100 at both sides.
    SDL_SetWindowSize(sdlWindow()->getSdlWindow(), 1000, 600);
    pump();
    motion(100, 0);
    motion(899, 599);
    motion(50, 300);
    pump();
    // On a bar the pointer is outside the picture and the canvas: nobody receives it.
    EXPECT_EQ(canvas->log, (Log{"move 400,300 m0 id2", "move 0,0 m0 id2", "move 799,599 m0 id2"}));
    EXPECT_TRUE(frame->log.empty());
}

TEST_F(EventTranslation, DragOntoABarStaysWithTheCanvas)
{
    SDL_SetWindowSize(sdlWindow()->getSdlWindow(), 1000, 600);
    pump();
    button(true, SDL_BUTTON_LEFT, 150, 300);
    motion(50, 300, SDL_BUTTON_LMASK);
    button(false, SDL_BUTTON_LEFT, 50, 300);
    pump();
    EXPECT_EQ(canvas->log, (Log{"down 50,300 m0 id1", "drag -50,300 m0 id4", "up -50,300 m0 id3"}));
}

TEST_F(EventTranslation, ChildAtAnOffsetGetsItsOwnCoordinates)
{
    lang::Ref<RecordingComponent> panel = lang::adopt(new RecordingComponent);
    ASSERT_TRUE(panel->create(frame.get(), util::RectangleNM(100, 50, 200, 100)));
    panel->requestFocus();
    pump();
    button(true, SDL_BUTTON_LEFT, 110, 70);
    pump();
    EXPECT_EQ(panel->log, (Log{"down 10,20 m0 id1"}));
    EXPECT_TRUE(canvas->log.empty());
}

} // namespace
} // namespace frametest
