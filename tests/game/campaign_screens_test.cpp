// The campaign's screens on the game's canvas, with tables of the test's own: the calendar's
// pages, arrows and announcements, the upgrade screen's visits and the final celebration, a
// decorating visit of the own shop, and the story board's pages.
#include "calendar_testing.h"
#include "game/ambient/RainSprite.h"
#include "game/campaign/Calendar.h"
#include "game/campaign/StoryBoard.h"
#include "game/campaign/UpgradeMyShop.h"
#include "game/flow/SpriteHelpers.h"
#include "game/save/ProfileSave.h"
#include "game_testing.h"
#include "sprite/AnimateSprite.h"
#include "sprite/ButtonMixin.h"
#include "sprite/ImageSprite.h"

#include <algorithm>
#include <sstream>

namespace {

using gametest::GameTest;
using State = sprite::ButtonMixin::State;

// Frames enough for any of the calendar's and the upgrade screen's motions to end.
constexpr int32_t SettleFrames = 150;

// Records the sound entries the canvas is asked to play.
class SoundCanvas : public gametest::TestCanvas {
public:
    void playSound(window::AudioClip* clip) override
    {
        for (int32_t i = 0; i < getSoundCount(); ++i) {
            if (getSound(i) == clip)
                played.push_back(i);
        }
    }
    void loopSound(window::AudioClip*) override { }
    void fadeSound(window::AudioClip*, int32_t, int32_t, int32_t) override { }
    int32_t timesPlayed(int32_t entry) const
    {
        return int32_t(std::count(played.begin(), played.end(), entry));
    }

    std::vector<int32_t> played;
};

const char* const GameTable = R"(
<sprites>
Calendar       Calendar:calendar.txt          0 0 800 600 0 0
UpgradeMyShop  UpgradeMyShop:upgrade.txt      0 0 800 600 0 0
Shop11         DialogSprite                   0 0 800 600 0 0
Shop12         Kipto2Shop:own.txt             0 0 800 600 0 0
StoryBoard     StoryBoard:story.txt           0 0 800 600 1 0
ShopUnlockDlg  DialogSprite:unlock.txt        100 100 400 300 1 0
<end>
)";

const char* const UnlockTable = R"(
<sprites>
ShopIcon        AnimateSprite     strip 10 10 16 1 0
blitzmodetitle  Sprite            look 10 40
SUText          TextSprite        200 80 1
SUContinue      RectButtonSprite  150 200 100 40 1
<end>
)";

const char* const StoryTable = R"(
<sprites>
bg          Sprite        storyboard1_1 0 0
nextbutton  ButtonSprite  sheet 600 520 5 1 1 0 3 1
<end>
)";

std::string calendarTable()
{
    std::ostringstream out;
    out << "<data>\n";
    for (int32_t number : calendartest::layoutNumbers())
        out << number << " ";
    out << "\n<sprites>\n";
    for (int32_t number = 1; number <= 14; ++number)
        out << "buttonshop" << number << " ButtonSprite sheet 10 20 5 1 1 0 3\n";
    out << R"(CalendarTabs      AnimateSprite  strip 0 0 16 1 0
stars             AnimateSprite  sheet 145 94 5 1 0
doodle_strip      AnimateSprite  sheet 0 10 5 1 0
marker_circle     Sprite         look 5 15
marker_loop       AnimateSprite  sheet 5 15 5 1 0
marker_hop        AnimateSprite  sheet 75 -105 5 1 0
marker_idle       AnimateSprite  sheet 0 70 5 1 0
week_numbers      AnimateSprite  strip 30 0 16 1 0
notes_days        AnimateSprite  strip 600 350 16 1 0
notes_shops       AnimateSprite  strip 600 380 16 1 0
ItemsFound        Sprite         look 600 410
notes_itemNumbers AnimateSprite  strip 700 410 16 1 0
play_button       ButtonSprite   sheet 600 460 5 1 1 0 3
replaybtn         ButtonSprite   sheet 600 460 5 1 1 0 3
upgradebtn        ButtonSprite   sheet 600 460 5 1 1 0 3
menu_button       ButtonSprite   sheet 660 40 5 1 1 0 3
arrow_left        ButtonSprite   sheet 10 530 5 1 1 0 3
arrow_right       ButtonSprite   sheet 720 530 5 1 1 0 3
blackdrop         RectSprite     0 0 800 600 -1728053248 0
<end>
)";
    return out.str();
}

std::string upgradeTable()
{
    std::ostringstream out;
    out << "<sprites>\n";
    for (int32_t slot = 1; slot <= 6; ++slot) {
        for (int32_t value = 0; value <= 3; ++value)
            out << "myshop_upgrade_B_" << slot << "_" << value << " Sprite look " << 60 * slot << " 100\n";
    }
    out << "Twinkles SparkleSprite twinkles 0 0 8 1 -1 2 0 1\nupgrade_list Sprite look 540 10\n";
    for (int32_t slot = 1; slot <= 6; ++slot) {
        out << "btnupgrade" << slot << " ButtonSprite sheet " << 530 + 30 * slot << " 70 5 1 1 0 3\n";
        for (int32_t option = 1; option <= 3; ++option)
            out << "upgrade" << slot << "-" << option << " ButtonSprite sheet 560 " << 200 + 50 * option
                << " 5 1 1 0 3\n";
    }
    out << R"(txtbox1           AnimateSprite  strip 560 500 16 1 0
congrats_overlay  Sprite         look 0 0
txtboxfinal       Sprite         look 470 150
nextbutton        ButtonSprite   sheet 570 540 5 1 1 0 3
<end>
)";
    return out.str();
}

std::string ownShopTable()
{
    std::ostringstream out;
    out << "<sprites>\n";
    for (int32_t slot = 7; slot <= 11; ++slot) {
        for (int32_t value = 0; value <= 3; ++value)
            out << "myshop_upgrade_A_" << slot << "_" << value << " Sprite look " << 60 * (slot - 6)
                << " 100\n";
    }
    out << "Twinkles SparkleSprite twinkles 0 0 8 1 -1\ntxtbox2 AnimateSprite strip 170 340 16 1 -1\n";
    for (int32_t slot = 7; slot <= 11; ++slot) {
        out << "btnupgrade" << slot << " ButtonSprite sheet " << 400 + 30 * slot << " 400 5 1 1 0 3 0\n";
        for (int32_t option = 1; option <= 3; ++option)
            out << "upgrade" << slot << "-" << option << " ButtonSprite sheet " << 450 + 50 * option
                << " 470 5 1 1 0 3 0\n";
    }
    out << "nextbutton ButtonSprite sheet 350 410 5 1 1 0 3 0\npauseScreen RectSprite 0 0 800 600 -16777216 "
           "0\n<end>\n";
    return out.str();
}

class CampaignScreens : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        // Story pages of different widths, so that the page shown can be told apart.
        writePackage({{"REGISTRYNAME", text(gametest::RegistryName)},
            {"sheet", spritetest::pngOf(50, 10, 0xFF336699u)},
            {"strip", spritetest::pngOf(160, 10, 0xFF996633u)},
            {"look", spritetest::pngOf(20, 20, 0xFF22AA44u)},
            {"twinkles", spritetest::pngOf(80, 10, 0xFFFFFFFFu)},
            {"iconfetti1", spritetest::pngOf(28, 2, 0xFFFF0000u)},
            {"iconfetti2", spritetest::pngOf(28, 2, 0xFF00FF00u)},
            {"iconfetti3", spritetest::pngOf(28, 2, 0xFF0000FFu)},
            {"storyboard1_1", spritetest::pngOf(8, 6, 0xFF000000u)},
            {"storyboard1_2", spritetest::pngOf(9, 6, 0xFF000000u)},
            {"storyboard1_3", spritetest::pngOf(10, 6, 0xFF000000u)},
            {"storyboard1_5", spritetest::pngOf(11, 6, 0xFF000000u)},
            {"SUText1", text("The Grocery is open!")}, {"SUText12", text("Your own shop!")},
            {"SUText14", text("Blitz is open")}});
        std::string sounds = "<sounds>\n";
        for (int32_t i = 0; i < 62; ++i)
            sounds += "+snd" + std::to_string(i) + "\n";
        writeTable("game.dat", sounds + GameTable);
        writeTable("calendar.txt", calendarTable());
        writeTable("upgrade.txt", upgradeTable());
        writeTable("own.txt", ownShopTable());
        writeTable("story.txt", StoryTable);
        writeTable("unlock.txt", UnlockTable);
        lang::Ref<sprite::User> settings = openSettings();
        settings->setString("Ann\\", "");
        settings->setString("MRUHSNAME", "Ann");
        canvas = lang::adopt<gametest::TestCanvas>(new SoundCanvas);
        canvas->setup(folder.path.c_str(), settings.get(), "game.dat", -1);
        canvas->beforeLoading();
        ASSERT_TRUE(canvas->loadData());
    }

    SoundCanvas& game() { return static_cast<SoundCanvas&>(*canvas); }
    ProfileSave& save() { return *canvas->getSave(); }
    Calendar& calendar() { return *static_cast<Calendar*>(canvas->getSprite("Calendar")); }
    UpgradeMyShop& upgrades() { return *static_cast<UpgradeMyShop*>(canvas->getSprite("UpgradeMyShop")); }
    int32_t state(const std::string& path) { return sprite::ButtonMixin::of(canvas->find(path))->getState(); }
    int32_t frame(const std::string& path)
    {
        return static_cast<sprite::AnimateSprite*>(canvas->find(path))->getFrame();
    }

    void clickSprite(sprite::SpriteBase* sprite, sprite::SpriteBase* parent)
    {
        ASSERT_TRUE(sprite);
        const util::RectangleNM& bounds = sprite->getBounds();
        canvas->click(
            parent->getX() + bounds.x + bounds.width / 2, parent->getY() + bounds.y + bounds.height / 2);
    }
    void click(const std::string& path)
    {
        clickSprite(canvas->find(path), canvas->find(path.substr(0, path.find('/'))));
    }
    void clickCell(int32_t column)
    {
        canvas->click(calendartest::CellLeft[column] + 5, calendartest::CellTop[column] + 5);
    }
    void openCalendar()
    {
        canvas->action("menu_button");
        canvas->setScreen(ScreenCalendar);
        canvas->steps(SettleFrames);
    }
    // Steps frames until the condition holds; false when it never does.
    template <class Condition> bool stepUntil(Condition condition, int32_t limit = 400)
    {
        for (int32_t i = 0; i < limit && !condition(); ++i)
            canvas->steps(1);
        return condition();
    }
};

} // namespace

TEST_F(CampaignScreens, ANewProfileOpensOnWeekOneAndTheArrowsStopAtTheEnds)
{
    openCalendar();
    Calendar& diary = calendar();
    ASSERT_TRUE(diary.isVisible());
    EXPECT_EQ(diary.getPage(), 1);
    EXPECT_EQ(diary.getSelectedCell(), 0);
    EXPECT_EQ(state("Calendar/arrow_left"), State::Disabled);
    EXPECT_EQ(state("Calendar/arrow_right"), State::Disabled);
    EXPECT_TRUE(canvas->shown("Calendar/play_button"));
    EXPECT_EQ(frame("Calendar/CalendarTabs"), 0);
    // The first day is open, later ones wait, the upgrade shows, the unannounced shop hides.
    EXPECT_EQ(sprite::ButtonMixin::of(diary.cellButton(0))->getState(), State::Normal);
    EXPECT_EQ(sprite::ButtonMixin::of(diary.cellButton(1))->getState(), State::Disabled);
    EXPECT_TRUE(diary.cellButton(2)->isVisible());
    EXPECT_FALSE(diary.cellButton(3)->isVisible());
    EXPECT_EQ(diary.cellButton(1)->getName(), lang::String("buttonshop11_2"));

    // Two weeks reached: the page of the furthest week blocks the right arrow, page 1 the left.
    save().reachedWeek = 2;
    save().reachedCell = 3;
    save().calendarWeek = 2;
    save().calendarCell = 3;
    save().shopOpened[0] = 1;
    save().shopOpened[13] = save().shopOpened[11] = 1;
    openCalendar();
    EXPECT_EQ(diary.getPage(), 2);
    EXPECT_EQ(diary.getSelectedCell(), 3);
    EXPECT_EQ(state("Calendar/arrow_left"), State::Normal);
    EXPECT_EQ(state("Calendar/arrow_right"), State::Disabled);
    click("Calendar/arrow_left");
    canvas->steps(SettleFrames);
    EXPECT_EQ(diary.getPage(), 1);
    EXPECT_EQ(state("Calendar/arrow_left"), State::Disabled);
    EXPECT_EQ(state("Calendar/arrow_right"), State::Normal);
    EXPECT_EQ(diary.getSelectedCell(), 0) << "the first open cell of a browsed page";
    EXPECT_TRUE(canvas->shown("Calendar/replaybtn"));
    EXPECT_EQ(game().timesPlayed(Calendar::PageBackSound), 1);
    click("Calendar/arrow_left");
    EXPECT_EQ(diary.getPage(), 1);
    click("Calendar/arrow_right");
    canvas->steps(SettleFrames);
    EXPECT_EQ(diary.getPage(), 2);
}

TEST_F(CampaignScreens, ANewlyOpenedShopIsAnnouncedOnceBeforeItsCellsCanBeUsed)
{
    // Shop 1 opens at (1, 2); the marker stood there and the progress has just passed it.
    save().reachedCell = 3;
    save().calendarCell = 2;
    canvas->setScreen(ScreenCalendar);
    Calendar& diary = calendar();
    EXPECT_EQ(diary.getPendingUnlock(), 1);
    sprite::SpriteBase* cell = diary.cellButton(3);
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->getAlpha(), 0);
    clickCell(0);
    EXPECT_EQ(diary.getSelectedCell(), 3) << "clicks wait for the announcement";
    EXPECT_FALSE(canvas->shown("ShopUnlockDlg"));

    canvas->steps(26);
    ASSERT_TRUE(canvas->shown("ShopUnlockDlg"));
    EXPECT_EQ(spriteText(canvas->find("ShopUnlockDlg/SUText")), lang::String("The Grocery is open!"));
    EXPECT_EQ(frame("ShopUnlockDlg/ShopIcon"), 0);
    EXPECT_FALSE(canvas->shown("ShopUnlockDlg/blitzmodetitle"));
    EXPECT_TRUE(canvas->shown("Calendar/blackdrop"));
    EXPECT_EQ(save().shopOpened[0], 1);

    canvas->action("SUContinue");
    EXPECT_FALSE(canvas->shown("ShopUnlockDlg"));
    EXPECT_FALSE(canvas->shown("Calendar/blackdrop"));
    canvas->steps(SettleFrames);
    EXPECT_EQ(cell->getAlpha(), sprite::SpriteBase::OpaqueAlpha);
    EXPECT_EQ(sprite::ButtonMixin::of(cell)->getState(), State::Normal);
    EXPECT_TRUE(diary.cellButton(4)->isVisible());
    EXPECT_TRUE(diary.isMarkerAtRest());
    EXPECT_EQ(save().calendarCell, 3);

    // Shown again, nothing is announced twice.
    canvas->action("menu_button");
    canvas->setScreen(ScreenCalendar);
    EXPECT_EQ(diary.getPendingUnlock(), -1);
    canvas->steps(SettleFrames);
    EXPECT_FALSE(canvas->shown("ShopUnlockDlg"));
}

TEST_F(CampaignScreens, ARoundEnteredDuringAnAnnouncementOpensUncoveredAndTheShopsCellsShowAfterIt)
{
    save().reachedCell = 3;
    save().calendarCell = 2;
    canvas->setScreen(ScreenCalendar);
    canvas->steps(26);
    ASSERT_TRUE(canvas->shown("ShopUnlockDlg"));
    canvas->action("EnterShop11_1");
    EXPECT_EQ(canvas->getCurrentScreen(), ScreenShop);
    EXPECT_FALSE(canvas->shown("ShopUnlockDlg")) << "nothing may take the round's clicks";

    canvas->leaveShop(true);
    canvas->setScreen(ScreenCalendar);
    canvas->steps(SettleFrames);
    EXPECT_FALSE(canvas->shown("ShopUnlockDlg"));
    sprite::SpriteBase* cell = calendar().cellButton(3);
    ASSERT_TRUE(cell);
    EXPECT_TRUE(cell->isVisible());
    EXPECT_EQ(cell->getAlpha(), sprite::SpriteBase::OpaqueAlpha);
}

TEST_F(CampaignScreens, DecoratingIsAnnouncedAsTheOwnShopAndBringsItsCellsAlong)
{
    save().reachedWeek = 2;
    save().reachedCell = 1;
    save().calendarWeek = 2;
    save().calendarCell = 0;
    save().shopOpened[0] = 1;
    canvas->setScreen(ScreenCalendar);
    Calendar& diary = calendar();
    EXPECT_EQ(diary.getPendingUnlock(), 14);
    EXPECT_FALSE(diary.cellButton(2)->isVisible()) << "the own shop's cell waits hidden";
    canvas->steps(26);
    EXPECT_EQ(spriteText(canvas->find("ShopUnlockDlg/SUText")), lang::String("Your own shop!"));
    EXPECT_EQ(frame("ShopUnlockDlg/ShopIcon"), 13);
    canvas->action("SUContinue");
    canvas->steps(SettleFrames);
    for (int32_t column : {1, 2, 3, 4})
        EXPECT_EQ(diary.cellButton(column)->getAlpha(), sprite::SpriteBase::OpaqueAlpha) << column;
    EXPECT_EQ(save().shopOpened[11], 1);
    EXPECT_TRUE(canvas->shown("Calendar/upgradebtn"));
}

TEST_F(CampaignScreens, TheSelectedCellStartsItsRoundAndAPassedDayMovesTheMarkerOn)
{
    openCalendar();
    click("Calendar/play_button");
    EXPECT_EQ(canvas->getCurrentScreen(), ScreenShop);
    EXPECT_EQ(canvas->getSelectedShop(), 11);
    EXPECT_EQ(canvas->getSelectedDay(), 1);

    save().bestServed[ProfileSave::dayIndex(11, 1)] = 13;
    canvas->leaveShop(false);
    Calendar& diary = calendar();
    EXPECT_EQ(canvas->getCurrentScreen(), ScreenCalendar);
    EXPECT_EQ(save().reachedCell, 1);
    EXPECT_EQ(diary.getSelectedCell(), 1);
    EXPECT_FALSE(diary.isMarkerAtRest()) << "Kip hops to the new day";
    canvas->steps(SettleFrames);
    EXPECT_TRUE(diary.isMarkerAtRest());
    EXPECT_TRUE(canvas->shown("Calendar/marker_circle"));
    EXPECT_EQ(canvas->find("Calendar/marker_circle")->getX(), calendartest::CellLeft[1] - 5);
    // The passed day wears a silver badge just over the week tabs.
    sprite::SpriteBase* tabs = canvas->find("Calendar/CalendarTabs");
    lang::Ref<sprite::SpriteBase> badge;
    for (int32_t i = 0; i + 1 < diary.childCount(); ++i) {
        lang::Ref<sprite::SpriteBase> child = lang::adopt(diary.getChild(i));
        if (child.get() == tabs)
            badge = lang::adopt(diary.getChild(i + 1));
    }
    ASSERT_TRUE(badge);
    EXPECT_EQ(static_cast<sprite::AnimateSprite*>(badge.get())->getFrame(), 1);
    EXPECT_EQ(badge->getX(), calendartest::CellLeft[0] + Calendar::BadgeOffsetX);

    // Selecting the earlier day offers a replay; clicking it again starts it.
    clickCell(0);
    canvas->steps(SettleFrames);
    EXPECT_EQ(diary.getSelectedCell(), 0);
    EXPECT_TRUE(canvas->shown("Calendar/replaybtn"));
    EXPECT_EQ(canvas->find("Calendar/marker_circle")->getAlpha(), Calendar::CircleOtherAlpha);
    EXPECT_EQ(frame("Calendar/notes_itemNumbers"), 13);
    clickCell(0);
    EXPECT_EQ(canvas->getCurrentScreen(), ScreenShop);
    EXPECT_EQ(canvas->getSelectedDay(), 1);
}

TEST_F(CampaignScreens, TheFirstUpgradeVisitOffersSlotOneAndNextWaitsForAChoice)
{
    canvas->action("EnterShop13_1");
    UpgradeMyShop& screen = upgrades();
    ASSERT_TRUE(screen.isVisible());
    EXPECT_EQ(game().timesPlayed(UpgradeMyShop::OpenSound), 1);
    EXPECT_EQ(state("UpgradeMyShop/btnupgrade1"), State::Selected);
    for (int32_t slot = 2; slot <= 6; ++slot)
        EXPECT_EQ(state("UpgradeMyShop/btnupgrade" + std::to_string(slot)), State::Disabled) << slot;
    EXPECT_TRUE(canvas->shown("UpgradeMyShop/upgrade1-3"));
    EXPECT_FALSE(canvas->shown("UpgradeMyShop/upgrade2-1"));
    EXPECT_FALSE(canvas->shown("UpgradeMyShop/nextbutton"));
    EXPECT_TRUE(canvas->shown("UpgradeMyShop/txtbox1"));

    click("UpgradeMyShop/upgrade1-2");
    EXPECT_EQ(save().upgrades[0], 2);
    EXPECT_TRUE(canvas->shown("UpgradeMyShop/myshop_upgrade_B_1_2"));
    EXPECT_FALSE(canvas->shown("UpgradeMyShop/myshop_upgrade_B_1_0"));
    EXPECT_EQ(state("UpgradeMyShop/upgrade1-2"), State::Selected);
    EXPECT_TRUE(screen.isSparkling());
    click("UpgradeMyShop/upgrade1-2");
    EXPECT_EQ(game().timesPlayed(UpgradeMyShop::ChooseSound), 1) << "the same option again changes nothing";
    ASSERT_TRUE(stepUntil([&] { return canvas->shown("UpgradeMyShop/nextbutton"); }));
    EXPECT_FALSE(screen.isSparkling());
    EXPECT_FALSE(canvas->shown("UpgradeMyShop/txtbox1"));

    click("UpgradeMyShop/nextbutton");
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(canvas->getCurrentScreen(), ScreenCalendar);
    EXPECT_EQ(save().upgrades[0], 2);
}

TEST_F(CampaignScreens, ALaterVisitReopensEarlierSlotsAndTheSeventhCelebrates)
{
    save().upgrades[0] = 2;
    save().upgrades[1] = 1;
    canvas->action("EnterShop13_3");
    UpgradeMyShop& screen = upgrades();
    EXPECT_EQ(state("UpgradeMyShop/btnupgrade1"), State::Normal);
    EXPECT_EQ(state("UpgradeMyShop/btnupgrade3"), State::Selected);
    EXPECT_EQ(state("UpgradeMyShop/btnupgrade4"), State::Disabled);
    EXPECT_FALSE(canvas->shown("UpgradeMyShop/nextbutton"));
    click("UpgradeMyShop/btnupgrade1");
    EXPECT_EQ(screen.getCurrentSlot(), 0);
    EXPECT_EQ(state("UpgradeMyShop/upgrade1-2"), State::Selected);
    canvas->steps(10);
    EXPECT_FALSE(canvas->shown("UpgradeMyShop/txtbox1")) << "the instruction is for the newest slot";
    click("UpgradeMyShop/upgrade1-3");
    EXPECT_EQ(save().upgrades[0], 3);
    canvas->steps(SettleFrames);
    EXPECT_FALSE(canvas->shown("UpgradeMyShop/nextbutton")) << "the newest slot is still unchosen";

    canvas->action("EnterShop13_7");
    EXPECT_FALSE(canvas->shown("UpgradeMyShop/upgrade_list"));
    EXPECT_FALSE(canvas->shown("UpgradeMyShop/btnupgrade1"));
    EXPECT_TRUE(canvas->shown("UpgradeMyShop/congrats_overlay"));
    ASSERT_TRUE(screen.getConfetti());
    EXPECT_TRUE(screen.getConfetti()->isVisible());
    EXPECT_FALSE(canvas->shown("UpgradeMyShop/txtboxfinal"));
    EXPECT_TRUE(canvas->shown("UpgradeMyShop/myshop_upgrade_B_1_3"));
    canvas->steps(UpgradeMyShop::FinalWaitFrames + 1);
    EXPECT_TRUE(canvas->shown("UpgradeMyShop/txtboxfinal"));
    EXPECT_EQ(game().timesPlayed(UpgradeMyShop::FinalTextSound), 1);
    ASSERT_TRUE(stepUntil([&] { return canvas->shown("UpgradeMyShop/nextbutton"); }));
    click("UpgradeMyShop/nextbutton");
    EXPECT_FALSE(screen.isVisible());
    EXPECT_FALSE(screen.getConfetti());
    EXPECT_EQ(canvas->getCurrentScreen(), ScreenMainMenu);
    EXPECT_TRUE(canvas->shown("ShopUnlockDlg"));
    EXPECT_EQ(spriteText(canvas->find("ShopUnlockDlg/SUText")), lang::String("Blitz is open"));
}

TEST_F(CampaignScreens, ADecoratingVisitFurnishesTheDaysSlotThenOpensThatDayOfTheOwnShop)
{
    save().upgrades[6] = 1;
    canvas->action("EnterShop14_2");
    ASSERT_TRUE(canvas->shown("Shop12"));
    EXPECT_FALSE(canvas->shown("Shop12/pauseScreen"));
    EXPECT_EQ(state("Shop12/btnupgrade7"), State::Normal);
    EXPECT_EQ(state("Shop12/btnupgrade8"), State::Selected);
    EXPECT_EQ(state("Shop12/btnupgrade9"), State::Disabled);
    EXPECT_TRUE(canvas->shown("Shop12/upgrade8-1"));
    EXPECT_FALSE(canvas->shown("Shop12/upgrade7-1"));
    EXPECT_FALSE(canvas->shown("Shop12/nextbutton"));
    EXPECT_TRUE(canvas->shown("Shop12/txtbox2"));
    EXPECT_EQ(frame("Shop12/txtbox2"), 1);

    click("Shop12/upgrade8-3");
    EXPECT_EQ(save().upgrades[7], 3);
    EXPECT_TRUE(canvas->shown("Shop12/myshop_upgrade_A_8_3"));
    EXPECT_FALSE(canvas->shown("Shop12/myshop_upgrade_A_8_0"));
    EXPECT_EQ(game().timesPlayed(47), 1);
    ASSERT_TRUE(stepUntil([&] { return canvas->shown("Shop12/nextbutton"); }));
    EXPECT_FALSE(canvas->shown("Shop12/txtbox2"));

    click("Shop12/nextbutton");
    EXPECT_EQ(canvas->getSelectedShop(), 12);
    EXPECT_EQ(canvas->getSelectedDay(), 2);
    EXPECT_FALSE(canvas->shown("Shop12/nextbutton"));
    EXPECT_FALSE(canvas->shown("Shop12/btnupgrade8"));
    EXPECT_TRUE(canvas->shown("Shop12/myshop_upgrade_A_8_3"));
}

TEST_F(CampaignScreens, TheStoryTurnsItsPagesUntilTheFirstMissingOne)
{
    canvas->action("buttonstart");
    auto& story = *static_cast<StoryBoard*>(canvas->getSprite("StoryBoard"));
    ASSERT_TRUE(story.isVisible());
    EXPECT_EQ(save().storySeen, 1);
    auto* bg = static_cast<sprite::ImageSprite*>(canvas->find("StoryBoard/bg"));
    EXPECT_EQ(bg->getWidth(), 8);
    click("StoryBoard/nextbutton");
    click("StoryBoard/nextbutton");
    EXPECT_EQ(story.getPage(), 3);
    EXPECT_EQ(bg->getWidth(), 10);
    EXPECT_EQ(game().timesPlayed(StoryBoard::PageTurnSound), 2);
    // Page 4 is missing: the third press passes the story on (page 5 is never reached).
    click("StoryBoard/nextbutton");
    EXPECT_FALSE(story.isVisible());
    EXPECT_EQ(canvas->getCurrentScreen(), ScreenShop);
    EXPECT_EQ(canvas->getSelectedShop(), 11);
    EXPECT_EQ(canvas->getSelectedDay(), 1);
    // A second showing starts from the first page again.
    story.showFromStart();
    EXPECT_EQ(story.getPage(), 1);
    EXPECT_EQ(bg->getWidth(), 8);
}
