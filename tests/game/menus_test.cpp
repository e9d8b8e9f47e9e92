// The main menu's start button and buttons, the options' knobs and check box, and the paged
// instructions, on tables of the test's own.
#include "game/menus/InstructDialog.h"
#include "game/menus/MainMenu.h"
#include "game/menus/OptionsSprite.h"
#include "game_testing.h"
#include "sprite/AnimateSprite.h"
#include "sprite/ButtonMixin.h"

namespace {

using gametest::GameTest;
using sprite::ButtonMixin;

const char* const GameTable = R"(
<sprites>
MainMenuDlg    MainMenu:menu.txt                0 0 800 600 0 0
Options        OptionsSprite:options.txt        200 100 400 300 1 0
Instructions   InstructDialog:instructions.txt  100 50 600 500 1 0
StoryBoard     DialogSprite                     0 0 800 600 0 0
fakeLoading    RectSprite                       0 0 800 600 -16777216 1
<end>
)";

const char* const MenuTable = R"(
<sprites>
big_cloud        Sprite            sheet  0 0
rattle           AnimateSprite     sheet  300 250 4 1
burst1           AnimateSprite     sheet  300 250 4 1 -1
burst2           AnimateSprite     sheet  300 250 4 1 -1
buttonstartNEW   RectButtonSprite  300 250 200 100
bexit            RectButtonSprite  690 550 100 40
upsellCV         RectButtonSprite  10 10 100 40
<end>
)";

const char* const OptionsTable = R"(
<sprites>
butfxknob       ButtonSprite      sheet 0 0 4 1 1 0 2 1
butmuknob       ButtonSprite      sheet 0 0 4 1 1 0 2 1
bFullScreen     RectSprite        300 200 20 20 -1 0
bOptionsClose   RectButtonSprite  150 250 100 40 1
<data>
20 50 20 120
<end>
)";

const char* const InstructionsTable = R"(
<sprites>
pg1                 RectSprite        0 0 600 400 -1
pg2                 RectSprite        0 0 600 400 -1
pg3                 RectSprite        0 0 600 400 -1
bInstructionsBack   RectButtonSprite  20 440 100 40
bInstructionsNext   RectButtonSprite  480 440 100 40
bInstructionsClose  RectButtonSprite  250 440 100 40 1
<end>
)";

class Menus : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        writeTable("game.dat", GameTable);
        writeTable("menu.txt", MenuTable);
        writeTable("options.txt", OptionsTable);
        writeTable("instructions.txt", InstructionsTable);
        lang::Ref<sprite::User> settings = openSettings();
        settings->setString("Ann\\", "");
        settings->setString("MRUHSNAME", "Ann");
    }
    sprite::AnimateSprite& animation(const char* path)
    {
        return *static_cast<sprite::AnimateSprite*>(canvas->find(path));
    }
    int32_t state(const char* path) { return ButtonMixin::of(canvas->find(path))->getState(); }
};

TEST_F(Menus, TheStartButtonRattlesWhileHoveredAndBurstsIntoTheGame)
{
    gametest::TestCanvas& game = startCanvas();
    MainMenu& menu = *game.getDialogs().mainMenu();
    game.steps(ScreenFlow::MenuFadeFrames);
    ASSERT_TRUE(menu.isMenuEnabled());
    // The big cloud drifts a pixel every 12 frames from x 132 to -360.
    EXPECT_EQ(game.find("MainMenuDlg/big_cloud")->getX(), 132 - ScreenFlow::MenuFadeFrames / 12);
    EXPECT_EQ(game.find("MainMenuDlg/big_cloud")->getMoveFrames(), (132 + 360) * 12 - ScreenFlow::MenuFadeFrames);

    game.mouse(window::Event::MouseMove, 400, 300);
    EXPECT_TRUE(menu.isHovering());
    game.steps(2);
    EXPECT_GE(animation("MainMenuDlg/rattle").getFrame(), 1) << "the rattle runs over frames 1 to 3";
    game.mouse(window::Event::MouseMove, 100, 300);
    EXPECT_FALSE(menu.isHovering());
    EXPECT_EQ(animation("MainMenuDlg/rattle").getFrame(), 0);
    EXPECT_FALSE(animation("MainMenuDlg/rattle").isAnimating());

    game.mouse(window::Event::MouseDown, 400, 300);
    EXPECT_FALSE(game.shown("MainMenuDlg/rattle"));
    EXPECT_TRUE(game.shown("MainMenuDlg/burst1"));
    game.steps(4);
    EXPECT_FALSE(game.shown("MainMenuDlg/burst1"));
    EXPECT_TRUE(game.shown("MainMenuDlg/burst2"));
    game.steps(MainMenu::SecondBurstDelay + 4);
    EXPECT_EQ(game.getSchedule().size(), 1) << "the game leaves the menu after a pause";
    game.steps(MainMenu::StartDelayFrames);
    EXPECT_EQ(game.getSchedule().size(), 0);
    EXPECT_FALSE(game.shown("MainMenuDlg")) << "\"buttonstart\" left the menu";
    EXPECT_TRUE(game.shown("StoryBoard"));
}

TEST_F(Menus, ADisabledMenuIgnoresTheStartButtonAndTheLinkCanStayOut)
{
    openSettings()->setInt("SHOWLINK", 0);
    gametest::TestCanvas& game = startCanvas();
    MainMenu& menu = *game.getDialogs().mainMenu();
    EXPECT_FALSE(game.shown("MainMenuDlg/upsellCV"));
    EXPECT_FALSE(menu.isMenuEnabled()) << "the first menu waits for the loading screen's fade";
    game.mouse(window::Event::MouseMove, 400, 300);
    EXPECT_FALSE(menu.isHovering());
    menu.setMenuEnabled(true);
    EXPECT_EQ(state("MainMenuDlg/bexit"), ButtonMixin::Normal);
    EXPECT_EQ(state("MainMenuDlg/upsellCV"), ButtonMixin::Disabled) << "the hidden link is left alone";
    menu.setMenuEnabled(false);
    EXPECT_EQ(state("MainMenuDlg/bexit"), ButtonMixin::Disabled);
}

TEST_F(Menus, TheKnobsFollowTheStoredVolumesAndStopAtTheEndsOfTheirTracks)
{
    openSettings()->setInt("VOLUMEFX", 200);
    gametest::TestCanvas& game = startCanvas();
    OptionsSprite& options = *game.getDialogs().options();
    game.action("options_btn");
    EXPECT_TRUE(options.isVisible());
    EXPECT_TRUE(game.shown("Dim") || !game.getSprite("Dim"));
    EXPECT_EQ(game.find("Options/butmuknob")->getX(), 20 + 128) << "the music volume is 128 unless set";
    EXPECT_EQ(game.find("Options/butfxknob")->getX(), 20 + 200);
    EXPECT_EQ(options.getMusicVolume(), 128);

    // The music knob (its centre at 153, 125 in the page) dragged far left and let go.
    game.mouse(window::Event::MouseDown, 200 + 153, 100 + 125);
    game.mouse(window::Event::MouseDrag, 200 + 100, 100 + 125);
    EXPECT_EQ(options.getMusicVolume(), 75);
    game.mouse(window::Event::MouseDrag, 0, 100 + 125);
    game.mouse(window::Event::MouseUp, 0, 100 + 125);
    EXPECT_EQ(options.getMusicVolume(), 0);
    // The effects knob dragged far right.
    game.mouse(window::Event::MouseDown, 200 + 225, 100 + 55);
    game.mouse(window::Event::MouseUp, 799, 100 + 55);
    EXPECT_EQ(options.getEffectsVolume(), 255);

    lang::Ref<sprite::User> settings = openSettings();
    EXPECT_EQ(settings->getInt("VOLUMEMUSIC", -1), 0);
    EXPECT_EQ(settings->getInt("VOLUMEFX", -1), 255);

    // Without a window to switch, the check box still records the choice.
    game.click(200 + 305, 100 + 205);
    EXPECT_TRUE(game.shown("Options/bFullScreen"));
    EXPECT_EQ(settings->getInt("FULLSCREEN", -1), 1);
    game.click(200 + 305, 100 + 205);
    EXPECT_EQ(settings->getInt("FULLSCREEN", -1), 0);

    game.click(200 + 160, 100 + 260);
    EXPECT_FALSE(options.isVisible());
}

TEST_F(Menus, InstructionPagesTurnWithACrossFade)
{
    gametest::TestCanvas& game = startCanvas();
    InstructDialog& instructions = *game.getDialogs().instructions();
    game.action("instructions_btn");
    EXPECT_EQ(instructions.getPageCount(), 3);
    EXPECT_EQ(state("Instructions/bInstructionsBack"), ButtonMixin::Disabled);
    EXPECT_EQ(state("Instructions/bInstructionsNext"), ButtonMixin::Normal);
    EXPECT_FALSE(game.shown("Instructions/pg2"));

    auto next = [&] { game.click(100 + 490, 50 + 450); };
    auto back = [&] { game.click(100 + 30, 50 + 450); };
    next();
    EXPECT_EQ(instructions.getPage(), 2);
    EXPECT_TRUE(game.shown("Instructions/pg2"));
    game.steps(InstructDialog::PageFadeFrames);
    EXPECT_FALSE(game.shown("Instructions/pg1"));
    EXPECT_EQ(game.find("Instructions/pg2")->getAlpha(), sprite::SpriteBase::OpaqueAlpha);
    next();
    EXPECT_EQ(instructions.getPage(), 3);
    EXPECT_EQ(state("Instructions/bInstructionsNext"), ButtonMixin::Disabled);
    next();
    EXPECT_EQ(instructions.getPage(), 3);
    back();
    back();
    EXPECT_EQ(instructions.getPage(), 1);
    EXPECT_EQ(state("Instructions/bInstructionsBack"), ButtonMixin::Disabled);

    next();
    game.click(100 + 260, 50 + 450);
    game.steps(7);
    EXPECT_FALSE(instructions.isVisible());
    // Shown again, it opens on the first page.
    game.action("instructions_btn");
    EXPECT_EQ(instructions.getPage(), 1);
    EXPECT_TRUE(game.shown("Instructions/pg1"));
    EXPECT_FALSE(game.shown("Instructions/pg2"));
}

TEST_F(Menus, ASinglePageLeavesBothArrowsOff)
{
    std::string table = InstructionsTable;
    table.erase(table.find("pg2"), table.find("bInstructionsBack") - table.find("pg2"));
    writeTable("instructions.txt", table);
    gametest::TestCanvas& game = startCanvas();
    game.action("instructions_btn");
    EXPECT_EQ(game.getDialogs().instructions()->getPageCount(), 1);
    EXPECT_EQ(state("Instructions/bInstructionsBack"), ButtonMixin::Disabled);
    EXPECT_EQ(state("Instructions/bInstructionsNext"), ButtonMixin::Disabled);
}

} // namespace
