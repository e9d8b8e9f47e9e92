// The canvas's screen flow and button table on tables of the test's own: the profile start,
// "EnterShop" names, leaving rounds by their results and by the mini menu, the final sequence,
// the lost window focus, the exit with a deleted profile, and saves on a full disk. The later
// screens are stand-ins that plug in through the canvas's interfaces, as the real ones will.
#include "game/flow/CalendarScreen.h"
#include "game/flow/GameDialogs.h"
#include "game/flow/ShopRound.h"
#include "game/flow/SpriteHelpers.h"
#include "game/flow/UpgradeScreen.h"
#include "game/profiles/ProfileList.h"
#include "game_testing.h"
#include "sprite/ButtonMixin.h"
#include "support/FaultyVfs.h"

#include <string>
#include <vector>

namespace {

using gametest::GameTest;
using gametest::TestCanvas;

// Stand-ins of the later screens: they record what the canvas asks of them.
class StandInShop : public sprite::DialogSprite, public ShopRound {
public:
    struct StandInShopClass : lang::ClassOf<StandInShop> {
        using ClassOf::ClassOf;
    };
    static StandInShopClass classObject;

    void setSave(ProfileSave* record) override { save = record; }
    void setShopNumber(int32_t shop) override { number = shop; }
    void startDay(int32_t day, bool decorating) override { calls.push_back("start " + std::to_string(day) + (decorating ? " decorating" : "")); }
    void endRound(bool leftByMenu) override
    {
        calls.push_back(leftByMenu ? "end by menu" : "end");
        Kipto2Canvas::getInstance()->leaveShop(leftByMenu);
    }
    void setPaused(bool on) override { calls.push_back(on ? "pause" : "resume"); }

    ProfileSave* save = nullptr;
    int32_t number = 0;
    std::vector<std::string> calls;
};
StandInShop::StandInShopClass StandInShop::classObject("StandInShop");

class StandInCalendar : public sprite::DialogSprite, public CalendarScreen {
public:
    struct StandInCalendarClass : lang::ClassOf<StandInCalendar> {
        using ClassOf::ClassOf;
    };
    static StandInCalendarClass classObject;

    void refresh(ProfileSave*) override { ++refreshes; }
    void dayPlayed(int32_t shop, int32_t day) override { played.push_back(shop * 10 + day); }
    void shopUnlockContinued() override { ++continued; }

    int32_t refreshes = 0;
    int32_t continued = 0;
    std::vector<int32_t> played;
};
StandInCalendar::StandInCalendarClass StandInCalendar::classObject("StandInCalendar");

class StandInUpgrades : public sprite::DialogSprite, public UpgradeScreen {
public:
    struct StandInUpgradesClass : lang::ClassOf<StandInUpgrades> {
        using ClassOf::ClassOf;
    };
    static StandInUpgradesClass classObject;

    void prepare(int32_t visit, ProfileSave*) override { visits.push_back(visit); }
    std::vector<int32_t> visits;
};
StandInUpgrades::StandInUpgradesClass StandInUpgrades::classObject("StandInUpgrades");

const char* const GameTable = R"(
<sprites>
Dim            RectSprite                      0 0 800 600 -1728053248 0
blackdrop      RectSprite                      0 0 800 600 -16777216 0
MainMenuDlg    MainMenu:menu.txt               0 0 800 600 0 0
ProfileList    ProfileList:profiles.txt        200 100 400 400 1 0
ProfilePrompt  ProfileInputPrompt:prompt.txt   200 200 400 200 1 0
MiniMenuDlg    DialogSprite                    300 200 200 200 1 1
ShopUnlockDlg  DialogSprite:unlock.txt         200 150 400 300 1 0
Calendar       StandInCalendar                 0 0 800 600 0 0
UpgradeMyShop  StandInUpgrades                 0 0 800 600 0 0
BlitzMode      DialogSprite                    0 0 800 600 0 0
Shop3          StandInShop                     0 0 800 600 0 0
Shop11         StandInShop                     0 0 800 600 0 0
Shop12         StandInShop                     0 0 800 600 0 0
message        TextSprite                      0 0 1
thoughtbubble  RectSprite                      0 0 10 10 -1 1
fakeLoading    RectSprite                      0 0 800 600 -16777216 1
fakeLoadBar    RectSprite                      286 359 228 20 -1 1
SaveTroubleDlg DialogSprite:notice.txt         160 120 480 360 1 0
<end>
)";

const char* const NoticeTable = R"(
<sprites>
STGotIt  RectButtonSprite  155 268 170 58 1
<end>
)";

const char* const MenuTable = R"(
<sprites>
welcomemessage   TextSprite        400 40
buttonstartNEW   RectButtonSprite  300 250 200 100 1
bchangeprofile   RectButtonSprite  10 550 100 40 1
bexit            RectButtonSprite  690 550 100 40 1
<end>
)";

const char* const UnlockTable = R"(
<sprites>
SUText          TextSprite        200 100 1
blitzmodetitle  RectSprite        0 0 10 10 -1 0
<end>
)";

class CanvasFlow : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        writeTable("game.dat", GameTable);
        writeTable("menu.txt", MenuTable);
        writeProfileTables();
        writeTable("unlock.txt", UnlockTable);
        writeTable("notice.txt", NoticeTable);
    }
    // A canvas whose player "Ann" was chosen on an earlier run.
    TestCanvas& startAsAnn()
    {
        lang::Ref<sprite::User> settings = openSettings();
        settings->setString("Ann\\", "");
        settings->setString("MRUHSNAME", "Ann");
        return startCanvas();
    }
    StandInShop& shop(int32_t number)
    {
        return *static_cast<StandInShop*>(canvas->getDialogs().shop(number));
    }
    StandInCalendar& calendar() { return *static_cast<StandInCalendar*>(canvas->getSprite("Calendar")); }
};

TEST_F(CanvasFlow, ANewInstallationAsksForANameAndGreetsThePlayerWithIt)
{
    TestCanvas& game = startCanvas();
    EXPECT_TRUE(game.shown("ProfilePrompt"));
    EXPECT_TRUE(game.shown("blackdrop"));
    EXPECT_FALSE(game.shown("ProfilePrompt/bcanceladdprofile")) << "the first profile cannot be cancelled";
    EXPECT_FALSE(game.shown("MiniMenuDlg")) << "modal pages start hidden";
    EXPECT_FALSE(game.shown("thoughtbubble")) << "customer templates start hidden";
    EXPECT_EQ(game.getCurrentScreen(), ScreenIntro);

    game.key(' ');
    game.key(13);
    EXPECT_TRUE(game.shown("ProfilePrompt")) << "a name of spaces is not taken";
    game.key(8);
    game.type("Zo\xEB");
    game.key(13);

    EXPECT_FALSE(game.shown("ProfilePrompt"));
    EXPECT_FALSE(game.shown("blackdrop"));
    EXPECT_EQ(game.getCurrentScreen(), ScreenMainMenu);
    EXPECT_TRUE(game.shown("MainMenuDlg"));
    EXPECT_EQ(spriteText(game.find("MainMenuDlg/welcomemessage")), "Welcome Zo\xEB");
    EXPECT_EQ(game.getProfileName(), "Zo\xEB");

    // The fresh record was stored at once, and the next run greets the player directly.
    lang::Ref<sprite::User> settings = openSettings();
    EXPECT_EQ(settings->getString("MRUHSNAME", ""), "Zo\xEB");
    ProfileSave stored;
    EXPECT_TRUE(stored.load(*settings, "Zo\xEB"));
    TestCanvas& again = startCanvas();
    EXPECT_FALSE(again.shown("ProfilePrompt"));
    EXPECT_EQ(again.getCurrentScreen(), ScreenMainMenu);
    EXPECT_EQ(again.getProfileName(), "Zo\xEB");
}

TEST_F(CanvasFlow, TheFirstMenuWaitsForTheLoadingPicturesToFadeOut)
{
    TestCanvas& game = startAsAnn();
    auto* start = sprite::ButtonMixin::of(game.find("MainMenuDlg/buttonstartNEW"));
    EXPECT_EQ(start->getState(), sprite::ButtonMixin::Disabled);
    lang::Ref<sprite::SpriteBase> top = lang::adopt(game.getSpriteAt(game.getSpriteCount() - 1));
    EXPECT_EQ(top.get(), game.getSprite("fakeLoadBar")) << "the loading pictures lie over the menu";
    game.steps(ScreenFlow::MenuFadeFrames - 1);
    EXPECT_EQ(start->getState(), sprite::ButtonMixin::Disabled);
    game.steps(1);
    EXPECT_EQ(start->getState(), sprite::ButtonMixin::Normal);
    EXPECT_FALSE(game.shown("fakeLoading"));
}

TEST_F(CanvasFlow, EnterShopOpensTheNamedShopAndDayAndIgnoresMalformedNames)
{
    TestCanvas& game = startAsAnn();
    game.action("EnterShop3_2");
    EXPECT_EQ(game.getCurrentScreen(), ScreenShop);
    EXPECT_EQ(game.getCurrentShop(), game.getSprite("Shop3"));
    EXPECT_TRUE(game.shown("Shop3"));
    EXPECT_EQ(shop(3).number, 3);
    EXPECT_EQ(shop(3).save, game.getSave());
    EXPECT_EQ(shop(3).calls, std::vector<std::string>{"start 2"});

    game.action("EnterShop12_5");
    EXPECT_EQ(game.getCurrentShop(), game.getSprite("Shop12"));
    EXPECT_FALSE(game.shown("Shop3")) << "one shop is open at a time";
    EXPECT_EQ(game.getSelectedShop(), 12);
    EXPECT_EQ(game.getSelectedDay(), 5);

    for (const char* hostile : {"EnterShop15_1", "EnterShop3_8", "EnterShop-3_2", "EnterShop3_x", "EnterShop_2",
             "EnterShop1234_2", "EnterShop3-2", "EnterShop"}) {
        game.action(hostile);
        EXPECT_EQ(game.getSelectedShop(), 12) << hostile;
        EXPECT_EQ(game.getSelectedDay(), 5) << hostile;
    }
    // Shop 14 is the own shop in decorating mode.
    game.action("EnterShop14_3");
    EXPECT_EQ(game.getCurrentShop(), game.getSprite("Shop12"));
    EXPECT_EQ(shop(12).calls.back(), "start 3 decorating");
    // A shop that the package lacks is not entered: the player stays in the calendar.
    game.leaveShop(false);
    game.action("EnterShop5_1");
    EXPECT_EQ(game.getCurrentScreen(), ScreenCalendar);
    EXPECT_TRUE(game.shown("Calendar"));
}

TEST_F(CanvasFlow, LeavingARoundRecordsTheDayAndOpensTheNextScreen)
{
    TestCanvas& game = startAsAnn();
    game.action("EnterShop3_2");
    game.getSave()->hints = 7;
    game.leaveShop(false);
    EXPECT_EQ(game.getCurrentScreen(), ScreenCalendar);
    EXPECT_TRUE(game.shown("Calendar"));
    EXPECT_FALSE(game.shown("Shop3"));
    EXPECT_EQ(game.getCurrentShop(), nullptr);
    EXPECT_EQ(calendar().played, std::vector<int32_t>{32});
    ProfileSave stored;
    ASSERT_TRUE(stored.load(*openSettings(), "Ann"));
    EXPECT_EQ(stored.hints, 7) << "the record is written when a round is left";

    // Blitz: the results lead to the best times, the mini menu to the Blitz menu.
    game.action("EnterShop3_0");
    game.leaveShop(false);
    EXPECT_EQ(game.getCurrentScreen(), ScreenBlitzTimes);
    game.action("EnterShop3_0");
    game.action("MMblitzbtn");
    EXPECT_EQ(shop(3).calls.back(), "end by menu");
    EXPECT_EQ(game.getCurrentScreen(), ScreenBlitzMenu);
    EXPECT_TRUE(game.shown("BlitzMode"));

    // "MMmainmenu" ends a day's round as left and goes straight to the main menu.
    game.action("EnterShop3_4");
    const size_t played = calendar().played.size();
    game.action("MMmainmenu");
    EXPECT_EQ(game.getCurrentScreen(), ScreenMainMenu);
    EXPECT_EQ(game.getPreviousScreen(), ScreenShop) << "never through the calendar";
    EXPECT_EQ(calendar().played.size(), played + 1);
    EXPECT_FALSE(game.shown("Shop3"));
}

TEST_F(CanvasFlow, PassingTheLastDayOfTheOwnShopLeadsToTheFinaleAndTheBlitzAnnouncement)
{
    TestCanvas& game = startAsAnn();
    auto* upgrades = static_cast<StandInUpgrades*>(game.getSprite("UpgradeMyShop"));
    game.action("EnterShop12_5");
    game.getSave()->bestServed[ProfileSave::dayIndex(12, 5)] = 9;
    game.leaveShop(false);
    EXPECT_EQ(game.getCurrentScreen(), ScreenCalendar) << "nine customers do not finish the game";

    game.action("EnterShop12_5");
    game.getSave()->bestServed[ProfileSave::dayIndex(12, 5)] = 10;
    game.leaveShop(false);
    EXPECT_EQ(game.getCurrentScreen(), ScreenShop);
    EXPECT_EQ(game.getSelectedShop(), 13);
    EXPECT_EQ(game.getSelectedDay(), 7);
    EXPECT_EQ(upgrades->visits, std::vector<int32_t>{7});
    EXPECT_TRUE(game.shown("UpgradeMyShop"));

    game.leaveShop(false);
    EXPECT_EQ(game.getCurrentScreen(), ScreenMainMenu);
    EXPECT_TRUE(game.shown("Dim"));
    EXPECT_TRUE(game.shown("ShopUnlockDlg"));
    EXPECT_TRUE(game.shown("ShopUnlockDlg/blitzmodetitle"));
    EXPECT_EQ(spriteText(game.find("ShopUnlockDlg/SUText")), "Blitz is open");
    game.action("SUContinue");
    EXPECT_FALSE(game.shown("ShopUnlockDlg"));
    EXPECT_FALSE(game.shown("Dim"));
}

TEST_F(CanvasFlow, ALostFocusPausesTheRoundOnTheNextFrame)
{
    TestCanvas& game = startAsAnn();
    game.action("EnterShop11_1");
    game.windowDeactivated();
    EXPECT_EQ(shop(11).calls.size(), 1u);
    game.steps(1);
    EXPECT_EQ(game.getCurrentScreen(), ScreenPause);
    EXPECT_EQ(shop(11).calls.back(), "pause");
    // Focus lost and regained before a frame passes: nothing happens.
    game.setCurrentScreen(ScreenShop);
    game.windowDeactivated();
    game.windowActivated();
    game.steps(1);
    EXPECT_EQ(game.getCurrentScreen(), ScreenShop);

    // The upgrade screen opens as a shop but has no round: a lost focus leaves it as it is.
    game.action("EnterShop12_5");
    game.getSave()->bestServed[ProfileSave::dayIndex(12, 5)] = 10;
    game.leaveShop(false);
    ASSERT_EQ(game.getSelectedShop(), 13);
    game.windowDeactivated();
    game.steps(1);
    EXPECT_EQ(game.getCurrentScreen(), ScreenShop);
}

TEST_F(CanvasFlow, TheStartButtonShowsTheStoryOnceThenTheCalendar)
{
    std::string table = GameTable;
    table.insert(table.find("<end>"), "StoryBoard DialogSprite 0 0 800 600 0 0\n");
    writeTable("game.dat", table);
    TestCanvas& game = startAsAnn();
    game.action("buttonstart");
    EXPECT_TRUE(game.shown("StoryBoard"));
    EXPECT_FALSE(game.shown("MainMenuDlg"));
    EXPECT_EQ(game.getSave()->storySeen, 1);
    game.action("StoryBoardDone");
    EXPECT_EQ(game.getCurrentShop(), game.getSprite("Shop11"));
    EXPECT_EQ(shop(11).calls, std::vector<std::string>{"start 1"});
    game.action("MMmainmenu");
    game.action("buttonstart");
    EXPECT_EQ(game.getCurrentScreen(), ScreenCalendar);
}

TEST_F(CanvasFlow, ADeletedCurrentProfileIsNeverWrittenBack)
{
    TestCanvas& game = startAsAnn();
    game.action("BChangeProfile");
    EXPECT_FALSE(game.shown("ProfileList")) << "this one name is compared with its case";
    game.action("bchangeprofile");
    EXPECT_TRUE(game.shown("ProfileList"));
    EXPECT_EQ(game.getDialogs().profileList()->getSelectedName(), "Ann");
    game.click(200 + 150 + 10, 100 + 340 + 10); // delete
    EXPECT_TRUE(game.shown("ProfileList/ProfileConfirm"));
    game.click(200 + 50 + 30, 100 + 100 + 120 + 10); // confirm
    EXPECT_TRUE(game.getProfileName().isEmpty());
    EXPECT_TRUE(game.shown("ProfilePrompt")) << "with no profile left, a first one is asked for";
    game.action("bexit");
    lang::Ref<sprite::User> settings = openSettings();
    ProfileSave stored;
    EXPECT_FALSE(stored.load(*settings, "Ann"));
    EXPECT_EQ(settings->getString("MRUHSNAME", "?"), "");
    EXPECT_EQ(settings->getInt("FULLSCREEN", -1), 0);
}

TEST_F(CanvasFlow, ASecondProfileIsAddedAndCancellingTheListKeepsThePlayer)
{
    TestCanvas& game = startAsAnn();
    game.action("bchangeprofile");
    game.click(200 + 280 + 10, 100 + 340 + 10); // new
    EXPECT_TRUE(game.shown("ProfilePrompt/bcanceladdprofile"));
    game.type("bob");
    game.key(13);
    EXPECT_EQ(game.getProfileName(), "bob");
    EXPECT_FALSE(game.shown("ProfileList"));

    game.action("bchangeprofile");
    game.click(200 + 60, 100 + 40 + 10); // the first row: "Ann"
    EXPECT_EQ(game.getDialogs().profileList()->getSelectedName(), "Ann");
    game.click(200 + 20 + 10, 100 + 290 + 10); // profilecancel
    EXPECT_FALSE(game.shown("ProfileList"));
    EXPECT_EQ(game.getProfileName(), "bob") << "cancelling never switches players";

    // A name that exists in another case chooses that profile.
    game.action("addnewprofile");
    game.type("ANN");
    game.key(13);
    EXPECT_EQ(game.getProfileName(), "Ann");
    EXPECT_EQ(game.getDialogs().profileList()->getNames().size(), 2u);
}

} // namespace

TEST_F(CanvasFlow, AFailedSaveIsToldOnceAndTheNextSaveThatWorksClearsIt)
{
    testing_support::installFaultyVfs();
    TestCanvas& game = startAsAnn();
    game.getSave()->hints = 5;
    game.saveProfileSave();
    game.steps(1);
    EXPECT_FALSE(game.shown("SaveTroubleDlg"));

    // The end of a day on a full disk: the player is told over the next screen, and plays on.
    game.action("EnterShop3_2");
    game.getSave()->hints = 6;
    testing_support::setDiskFull(true);
    testing::internal::CaptureStderr();
    game.leaveShop(false);
    game.steps(1);
    EXPECT_TRUE(game.shown("SaveTroubleDlg"));
    EXPECT_EQ(game.getCurrentScreen(), ScreenCalendar);
    // Closed, it stays away while later saves fail too: one notice, not one per save or frame.
    game.action("STGotIt");
    EXPECT_FALSE(game.getProfiles().saveSave());
    game.steps(3);
    EXPECT_FALSE(game.shown("SaveTroubleDlg"));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("full"), std::string::npos) << errors;

    testing_support::setDiskFull(false);
    ProfileSave stored;
    ASSERT_TRUE(stored.load(*openSettings(), "Ann"));
    EXPECT_EQ(stored.hints, 5) << "the save before the failed ones stays";
    EXPECT_TRUE(game.getProfiles().saveSave());
    ASSERT_TRUE(stored.load(*openSettings(), "Ann"));
    EXPECT_EQ(stored.hints, 6);

    // Once saving has worked, a new failure is told again, and the next good save takes the
    // notice away by itself.
    testing_support::setDiskFull(true);
    testing::internal::CaptureStderr();
    game.saveProfileSave();
    game.steps(1);
    EXPECT_TRUE(game.shown("SaveTroubleDlg"));
    testing_support::setDiskFull(false);
    game.saveProfileSave();
    game.steps(1);
    EXPECT_FALSE(game.shown("SaveTroubleDlg"));
    testing::internal::GetCapturedStderr();
}
