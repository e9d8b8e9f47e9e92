// A day in a shop on the game's canvas, driven frame by frame and by clicks: the clock running
// out, medals, the lockout, hints and tokens, the tutorial of the first round, pausing, Blitz,
// and a shop table with parts missing. The canvas loads small tables of the test's own.
#include "game/flow/BlitzTimesPanel.h"
#include "game/flow/SpriteHelpers.h"
#include "game/shop/Kipto2Shop.h"
#include "game_testing.h"
#include "sprite/AnimateSprite.h"
#include "sprite/ButtonMixin.h"
#include "window/Cursor.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

using gametest::GameTest;

constexpr int32_t FramesPerUnit = 26;
constexpr int32_t DayFrames = RoundClock::DayUnits * FramesPerUnit;
// A spot of the shelf band where nothing stands.
constexpr int32_t EmptyX = 400;
constexpr int32_t EmptyY = 300;

// Records the sound entries the canvas is asked to play, loop and stop.
class RoundCanvas : public gametest::TestCanvas {
public:
    void playSound(window::AudioClip* clip) override { played.push_back(entryOf(clip)); }
    void loopSound(window::AudioClip* clip) override { looped.push_back(entryOf(clip)); }
    void stopSound(window::AudioClip*) override { }
    void fadeSound(window::AudioClip*, int32_t, int32_t, int32_t) override { }
    int32_t entryOf(window::AudioClip* clip)
    {
        for (int32_t i = 0; i < getSoundCount(); ++i) {
            if (getSound(i) == clip)
                return i;
        }
        return -1;
    }
    bool playedEntry(int32_t entry) const { return std::count(played.begin(), played.end(), entry) > 0; }

    std::vector<int32_t> played;
    std::vector<int32_t> looped;
};

// The best-times list as the round sees it: it keeps the last time it is handed.
class StandInTimes : public sprite::DialogSprite, public BlitzTimesPanel {
public:
    struct StandInTimesClass : lang::ClassOf<StandInTimes> {
        using ClassOf::ClassOf;
    };
    static StandInTimesClass classObject;

    void fill(int32_t) override { }
    int32_t getLastTime() const override { return lastTime; }
    void setLastTime(int32_t time) override { lastTime = time; }
    void submitTime(const lang::String&, int32_t, int32_t) override {}

    int32_t lastTime = -1;
};
StandInTimes::StandInTimesClass StandInTimes::classObject("StandInTimes");

std::string itemLines(int32_t count)
{
    // Kinds 1 to 40 one each in a grid, then two more copies of kinds 1 to 3.
    std::ostringstream out;
    for (int32_t n = 1; n <= count; ++n) {
        const int32_t kind = n <= 40 ? n : (n - 41) / 2 + 1;
        const int32_t i = n - 1;
        out << "item_" << n << " ShopItemSprite pic " << 40 + (i % 12) * 60 << " " << 60 + (i / 12) * 50
            << " 128 0 0 " << kind << "\n";
    }
    return out.str();
}

std::string hudLines()
{
    std::ostringstream out;
    for (int32_t n = 1; n <= 6; ++n)
        out << "hint_" << n << " Sprite token " << 20 + n * 40 << " 340\n";
    out << "numtimeleft NumberSprite digits 634 3 2 300 3 0 3\n"
           "buttonhint ButtonSprite btn 644 0 3 1 1 0 2 0\n"
           "numhints NumberSprite digits 686 18 1 3 0 0 1\n"
           "morehints Sprite token 700 3\n"
           "lowtime Sprite token 500 3\n"
           "blitzmenucover Sprite token 188 2\nnumcur NumberSprite digits 412 7 2 0 0 0 1\nnumgoal "
           "NumberSprite digits 438 7 0 0 0 0 1\n";
    for (int32_t n = 1; n <= 15; ++n)
        out << "star" << n << " Sprite token " << 196 + (n - 1) * 21 << " 8\n";
    out << "buttonmenu ButtonSprite btn 726 2 3 1 1 0 2 1\n"
           "money AnimateSprite money 0 0 5 1 -1\n";
    for (const char* colour : {"bronzeStar", "silverStar", "goldStar", "particleStar"}) {
        for (int32_t place = 1; place <= 5; ++place)
            out << colour << place << " Sprite token 0 470\n";
    }
    out << "Twinkles SparkleSprite twinkles 0 0 8 1 -1\n"
           "noGoCursor Sprite token 0 0\n"
           "pauseScreen Sprite pause 0 0\n";
    return out.str();
}

const char* const GameTable = R"(
<sprites>
blackdrop         RectSprite                     0 0 800 600 -16777216 0
thoughtbubble     Sprite bubble                  0 0
custfaces         AnimateSprite faces            0 0 4 4 -1
itemname          TextSprite                     0 0 1
Shop3             Kipto2Shop:shop3.txt           0 0 800 600 0 0
Shop4             Kipto2Shop:shop4.txt           0 0 800 600 0 0
Shop11            Kipto2Shop:shop11.txt          0 0 800 600 0 0
Shop12            Kipto2Shop:shop12.txt          0 0 800 600 0 0
MiniMenuDlg       DialogSprite:mini.txt          300 200 200 200 1 0
HowToPlayDlg      DialogSprite:howto.txt         100 100 600 400 1 0
HintsDlg          DialogSprite:hintspage.txt     100 100 600 400 1 0
RoundCompleteDlg  DialogSprite:complete.txt      100 100 600 400 1 0
RoundFailDlg      DialogSprite:fail.txt          100 100 600 400 1 0
BlitzTimes        StandInTimes                   0 0 400 400 0 0
<end>
)";

const char* const MiniMenuTable = R"(
<sprites>
MMContinue  RectButtonSprite  20 20 160 30 1
MMCalendar  RectButtonSprite  20 60 160 30 1
MMblitzbtn  RectButtonSprite  20 100 160 30 1
MMmainmenu  RectButtonSprite  20 140 160 30 1
<end>
)";

const char* const HowToPlayTable = R"(
<sprites>
GSHTPText       TextSprite        300 100 1
blitzmodetitle  RectSprite        0 0 10 10 -1 1
GSHTPPlay       RectButtonSprite  250 300 100 40 1
<end>
)";

const char* const CompleteTable = R"(
<sprites>
RCText          TextSprite        300 100 1
goodjobtitle    RectSprite        0 0 10 10 -1 1
perfecttitle    RectSprite        0 20 10 10 -1 1
newrecordtitle  RectSprite        0 40 10 10 -1 1
Star            AnimateSprite     stars 20 200 3 1 0
RCContinue      RectButtonSprite  250 300 100 40 1
RCSubmit        RectButtonSprite  400 300 100 40 1
<end>
)";

class ShopRounds : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        std::vector<testing_support::Item> items = {{"REGISTRYNAME", text(gametest::RegistryName)},
            {"pic", spritetest::pngOf(30, 30, 0xFF884422u)},
            {"token", spritetest::pngOf(20, 20, 0xFFEEDD22u)},
            {"bubble", spritetest::pngOf(150, 116, 0xFFFFFFFFu)},
            {"faces", spritetest::pngOf(384, 384, 0xFF996633u)},
            {"digits", spritetest::pngOf(150, 16, 0xFF000000u)},
            {"btn", spritetest::pngOf(120, 40, 0xFF2266AAu)},
            {"money", spritetest::pngOf(100, 20, 0xFF22AA22u)},
            {"twinkles", spritetest::pngOf(80, 10, 0xFFFFFFFFu)},
            {"pause", spritetest::pngOf(80, 60, 0xFF000000u)},
            {"stars", spritetest::pngOf(90, 30, 0xFFFFCC00u)}, {"RFText", text("Only % served.")},
            {"RCText3", text("% served: ^!")}, {"RCText11", text("% in the toy shop: ^")},
            {"RCText13", text("Done.")}, {"RCText14", text("New best!")}, {"IDS_BRONZE", text("bronze")},
            {"IDS_SILVER", text("silver")}, {"IDS_GOLD", text("gold")}, {"GSHTPText", text("How to play")},
            {"BlitzShopText", text("Blitz!")}};
        for (int32_t shop : {3, 11}) {
            for (int32_t kind = 1; kind <= 40; ++kind) {
                const int32_t type = kind <= 20 ? 1 : kind <= 30 ? 2 : kind <= 36 ? 3 : 4;
                const std::string name = "thing" + std::to_string(kind) + "*things" + std::to_string(kind)
                    + ":" + std::to_string(type);
                items.push_back(
                    {"ITEM_" + std::to_string(shop) + "_" + std::to_string(kind), text(name.c_str())});
            }
        }
        // Shop 4's texts: one kind without a name, one with a type out of range.
        items.push_back({"ITEM_4_1", text("pot:9")});
        items.push_back({"ITEM_4_2", text("")});
        items.push_back({"ITEM_4_3", text("lid")});
        writePackage(items);
        std::string sounds = "<sounds>\n";
        for (int32_t i = 0; i < 62; ++i)
            sounds += "+snd" + std::to_string(i) + "\n";
        writeTable("game.dat", sounds + GameTable);
        writeTable("shop3.txt", "<sprites>\n" + itemLines(46) + hudLines() + "<end>\n");
        writeTable("shop11.txt",
            "<sprites>\n" + itemLines(46)
                + "hint_7 Sprite token 500 340\nhint_popup_bubble Sprite bubble 450 200\n" + hudLines()
                + "<end>\n");
        // A shop with parts missing: no tokens, stars, clock, money or sparkle.
        writeTable("shop4.txt",
            "<sprites>\nitem_2 ShopItemSprite pic 40 60 128 0 0 1\nitem_5 ShopItemSprite pic 100 60 128 0 0 "
            "2\n"
            "item_9 ShopItemSprite pic 160 60 128 0 0 3\nitem_12 Sprite pic 220 60\n<end>\n");
        std::string own = "<sprites>\n";
        for (int32_t value = 0; value <= 3; ++value)
            own += "myshop_upgrade_C_1_" + std::to_string(value) + " Sprite token 10 450\nmyshop_upgrade_A_8_"
                + std::to_string(value) + " Sprite token 60 450\n";
        own += itemLines(40)
            + "txtbox2 AnimateSprite stars 300 300 3 1 -1\nbtnupgrade8 ButtonSprite btn 100 300 3 1 1 0 2 1\n"
              "upgrade8-2 ButtonSprite btn 200 300 3 1 1 0 2 1\nnextbutton ButtonSprite btn 300 340 3 1 1 0 "
              "2 1\n<end>\n";
        writeTable("shop12.txt", own);
        writeTable("mini.txt", MiniMenuTable);
        writeTable("howto.txt", HowToPlayTable);
        writeTable("hintspage.txt", "<sprites>\nHContinue RectButtonSprite 250 300 100 40 1\n<end>\n");
        writeTable("complete.txt", CompleteTable);
        writeTable("fail.txt",
            "<sprites>\nRFText TextSprite 300 100 1\nRFReplay RectButtonSprite 250 300 100 40 1\n<end>\n");
        canvas = lang::adopt<gametest::TestCanvas>(new RoundCanvas);
        lang::Ref<sprite::User> settings = openSettings();
        canvas->setup(folder.path.c_str(), settings.get(), "game.dat", -1);
        canvas->beforeLoading();
        ASSERT_TRUE(canvas->loadData());
    }

    RoundCanvas& game() { return static_cast<RoundCanvas&>(*canvas); }
    Kipto2Shop& shop(int32_t number)
    {
        return *static_cast<Kipto2Shop*>(canvas->getSprite(lang::String("Shop") + number));
    }
    ProfileSave& save() { return *canvas->getSave(); }
    Kipto2Shop& open(int32_t number, int32_t day)
    {
        shop(number).seed(17);
        canvas->action(("EnterShop" + std::to_string(number) + "_" + std::to_string(day)).c_str());
        return shop(number);
    }
    void clickCentre(sprite::SpriteBase* sprite)
    {
        const util::RectangleNM& area = sprite->getBounds();
        canvas->click(area.x + area.width / 2, area.y + area.height / 2);
    }
    // Clicks one item that a present customer still wants; false when there is none.
    bool clickAWish(Kipto2Shop& round)
    {
        for (int32_t place = 0; place < Kipto2Shop::Places; ++place) {
            Customer* customer = round.customerAt(place);
            if (!customer || customer->wantedItems() == 0)
                continue;
            for (sprite::ShopItemSprite* item : customer->wishedSprites()) {
                if (item->isVisible()) {
                    clickCentre(item);
                    return true;
                }
            }
        }
        return false;
    }
    // Serves customers until `count` are served or on their way to it, one click a frame.
    void serve(Kipto2Shop& round, int32_t count, int32_t maxFrames = DayFrames)
    {
        for (int32_t frame = 0; frame < maxFrames && !round.isEnded(); ++frame) {
            int32_t committed = round.getServed();
            for (int32_t place = 0; place < Kipto2Shop::Places; ++place) {
                Customer* customer = round.customerAt(place);
                committed += customer && customer->wantedItems() == 0 ? 1 : 0;
            }
            if (committed >= count && round.getServed() >= count)
                return;
            if (committed < count)
                clickAWish(round);
            canvas->steps(1);
        }
    }
    void runOut(Kipto2Shop& round)
    {
        for (int32_t i = 0; i < DayFrames && !round.isEnded(); ++i)
            canvas->steps(1);
        canvas->steps(60);
    }
    std::string shownText(const char* path) { return spriteText(canvas->find(path)).c_str(); }
};

TEST_F(ShopRounds, ADayWithoutAClickRunsOutOnTheClockAndFails)
{
    Kipto2Shop& round = open(3, 1);
    EXPECT_EQ(canvas->getCurrentScreen(), ScreenShop);
    EXPECT_FALSE(round.isPaused());
    canvas->steps(8);
    EXPECT_TRUE(game().playedEntry(RoundAudio::StingerBase + 3));
    canvas->steps(60);
    EXPECT_TRUE(std::count(game().looped.begin(), game().looped.end(), int32_t(RoundAudio::DayMusic)));
    EXPECT_GE(round.getArrived(), 1);

    canvas->steps(43 * FramesPerUnit + 1 - 68);
    EXPECT_TRUE(canvas->shown("Shop3/Twinkles")) << "43 idle units bring the pointer";
    canvas->steps(DayFrames - 43 * FramesPerUnit - 2);
    EXPECT_FALSE(round.isEnded());
    EXPECT_EQ(round.getClock().getTimeLeft(), 1);
    EXPECT_TRUE(canvas->shown("Shop3/lowtime"));
    EXPECT_TRUE(std::count(game().looped.begin(), game().looped.end(), int32_t(RoundAudio::LowTime)));
    EXPECT_FALSE(game().playedEntry(RoundAudio::TimeOut));
    canvas->steps(1);
    EXPECT_TRUE(round.isEnded());
    EXPECT_TRUE(game().playedEntry(RoundAudio::TimeOut));
    EXPECT_TRUE(game().playedEntry(RoundAudio::DayFailed));
    EXPECT_EQ(round.getArrived(), 5) << "nobody served: five came and stayed";

    // Six chatter sounds, none twice before all six have played.
    std::vector<int32_t> chatter;
    for (int32_t entry : game().played) {
        if (entry >= 0 && entry < 6)
            chatter.push_back(entry);
    }
    ASSERT_GE(chatter.size(), 6u);
    std::sort(chatter.begin(), chatter.begin() + 6);
    EXPECT_EQ(std::unique(chatter.begin(), chatter.begin() + 6) - chatter.begin(), 6);

    canvas->steps(39);
    EXPECT_FALSE(canvas->shown("RoundFailDlg"));
    canvas->steps(1);
    EXPECT_TRUE(canvas->shown("RoundFailDlg"));
    EXPECT_TRUE(canvas->shown("blackdrop"));
    EXPECT_EQ(shownText("RoundFailDlg/RFText"), "Only 0 served.");
    EXPECT_TRUE(round.isPaused());
    EXPECT_EQ(round.customerAt(0), nullptr);
}

TEST_F(ShopRounds, ServedCountsGiveTheMedalsAndFifteenEndsTheDayAtOnce)
{
    Kipto2Shop& round = open(3, 1);
    serve(round, 9);
    EXPECT_EQ(round.getServed(), 9);
    EXPECT_TRUE(canvas->shown("Shop3/star9"));
    EXPECT_FALSE(canvas->shown("Shop3/star10"));
    runOut(round);
    EXPECT_EQ(shownText("RoundFailDlg/RFText"), "Only 9 served.");
    EXPECT_EQ(save().bestServed[ProfileSave::dayIndex(3, 1)], 9);
    int32_t found = 0;
    for (int32_t item = 0; item < ProfileSave::ItemsPerShop; ++item)
        found += save().itemFoundDay[ProfileSave::itemIndex(3, item)] == 1 ? 1 : 0;
    EXPECT_GE(found, 9);
    EXPECT_NE(save().wishOrder[ProfileSave::wishIndex(3, 1, 0)], -1);

    struct Expected {
        int32_t served;
        const char* text;
        int32_t star;
        bool perfect;
        int32_t sound;
    };
    for (const Expected& expected : {Expected{12, "12 served: bronze!", 0, false, RoundAudio::DayPassed},
             Expected{13, "13 served: silver!", 1, false, RoundAudio::DayPassed},
             Expected{15, "15 served: gold!", 2, true, RoundAudio::DayGold}}) {
        canvas->action(canvas->shown("RoundFailDlg") ? "RFReplay" : "RCContinue");
        Kipto2Shop& again = open(3, 1);
        game().played.clear();
        serve(again, expected.served);
        if (expected.served == 15) {
            EXPECT_TRUE(again.isEnded()) << "the fifteenth ends the day at once";
            EXPECT_GT(again.getClock().getTimeLeft(), 0);
            canvas->steps(150);
        } else {
            runOut(again);
        }
        EXPECT_TRUE(game().playedEntry(RoundAudio::GoalReached));
        EXPECT_TRUE(game().playedEntry(expected.sound));
        ASSERT_TRUE(canvas->shown("RoundCompleteDlg")) << expected.served;
        EXPECT_EQ(shownText("RoundCompleteDlg/RCText"), expected.text);
        EXPECT_EQ(static_cast<sprite::AnimateSprite*>(canvas->find("RoundCompleteDlg/Star"))->getFrame(),
            expected.star);
        EXPECT_EQ(canvas->shown("RoundCompleteDlg/perfecttitle"), expected.perfect);
        EXPECT_EQ(canvas->shown("RoundCompleteDlg/goodjobtitle"), !expected.perfect);
        EXPECT_FALSE(canvas->shown("RoundCompleteDlg/RCSubmit"));
        EXPECT_TRUE(canvas->shown("Shop3/star" + std::to_string(expected.served))) << "the last star landed";
        EXPECT_EQ(save().bestServed[ProfileSave::dayIndex(3, 1)], expected.served);
    }
    canvas->action("RCContinue");
    EXPECT_FALSE(canvas->shown("RoundCompleteDlg"));
    EXPECT_FALSE(canvas->shown("blackdrop"));
    EXPECT_NE(canvas->getCurrentScreen(), ScreenShop);
}

TEST_F(ShopRounds, EmptyClicksInTheShelfBandLockClicksOutForFourSeconds)
{
    Kipto2Shop& round = open(3, 1);
    canvas->steps(120);
    // Clicks above and below the band never count; three in the band are forgotten in 2 s.
    canvas->click(EmptyX, 20);
    canvas->click(EmptyX, 530);
    for (int32_t i = 0; i < 3; ++i)
        canvas->click(EmptyX, EmptyY);
    EXPECT_EQ(round.getLockout().getBogusClicks(), 3);
    canvas->steps(50);
    EXPECT_EQ(round.getLockout().getBogusClicks(), 0);
    game().played.clear();
    for (int32_t i = 0; i < 4; ++i)
        canvas->click(EmptyX, EmptyY + i);
    EXPECT_TRUE(round.getLockout().isLockedOut());
    EXPECT_EQ(std::count(game().played.begin(), game().played.end(), int32_t(RoundAudio::Buzz)), 1);
    EXPECT_TRUE(canvas->shown("Shop3/noGoCursor"));
    EXPECT_EQ(canvas->getCursor(), window::Cursor::getProgramCursor(window::Cursor::Program106));

    // A wished item does not go while locked out: the click only buzzes.
    const int32_t served = round.getServed();
    ASSERT_TRUE(clickAWish(round));
    EXPECT_EQ(std::count(game().played.begin(), game().played.end(), int32_t(RoundAudio::Buzz)), 2);
    canvas->steps(30);
    EXPECT_EQ(round.getServed(), served);
    int32_t wanted = 0;
    for (int32_t place = 0; place < Kipto2Shop::Places; ++place)
        wanted += round.customerAt(place) ? round.customerAt(place)->wantedItems() : 0;
    // The pointer: the sign follows it in the band; outside, the arrow comes back; the
    // canvas's hover cursors do not show the pointer meanwhile.
    canvas->mouse(window::Event::MouseMove, 250, 200);
    EXPECT_EQ(canvas->find("Shop3/noGoCursor")->getX(), 234);
    canvas->action("handCursor");
    EXPECT_EQ(canvas->getCursor(), window::Cursor::getProgramCursor(window::Cursor::Program106));
    canvas->mouse(window::Event::MouseMove, 250, 560);
    EXPECT_FALSE(canvas->shown("Shop3/noGoCursor"));
    EXPECT_EQ(canvas->getCursor(), window::Cursor::getArrow());

    canvas->steps(100 - 30);
    EXPECT_FALSE(round.getLockout().isLockedOut());
    EXPECT_FALSE(canvas->shown("Shop3/noGoCursor"));
    ASSERT_TRUE(clickAWish(round));
    int32_t wantedAfter = 0;
    for (int32_t place = 0; place < Kipto2Shop::Places; ++place)
        wantedAfter += round.customerAt(place) ? round.customerAt(place)->wantedItems() : 0;
    EXPECT_EQ(wantedAfter, wanted - 1);
    EXPECT_EQ(round.getLockout().getLockouts(), 1);
}

TEST_F(ShopRounds, HintsComeFromTheStockAndTokensAndTheStockNeverGoesBelowZero)
{
    save().hints = 0;
    Kipto2Shop& round = open(3, 1);
    EXPECT_EQ(save().hints, 1) << "a day starts with at least one hint";
    EXPECT_EQ(round.hintStock(), 1);
    EXPECT_TRUE(canvas->shown("Shop3/hint_1"));
    EXPECT_FALSE(canvas->shown("Shop3/hint_2"));
    EXPECT_TRUE(canvas->shown("Shop3/hint_6"));
    EXPECT_EQ(round.getHintTokensLeft(), 2);
    EXPECT_EQ(sprite::ButtonMixin::of(canvas->find("Shop3/buttonhint"))->getState(), 0)
        << "the hint button waits for the fifth customer or the first find";
    canvas->steps(200);
    EXPECT_GE(round.getArrived(), 5);
    EXPECT_NE(sprite::ButtonMixin::of(canvas->find("Shop3/buttonhint"))->getState(), 0);

    canvas->action("buttonhint");
    EXPECT_EQ(round.hintStock(), 0);
    EXPECT_EQ(round.getHintsUsed(), 1);
    EXPECT_TRUE(game().playedEntry(RoundAudio::HintUsed));
    EXPECT_TRUE(round.customerAt(0)->getCandidate(0)->isVisible());
    EXPECT_FALSE(round.customerAt(0)->getLabel()->isVisible());
    canvas->action("buttonhint");
    EXPECT_EQ(round.hintStock(), 0);
    EXPECT_EQ(round.getHintsUsed(), 1);

    // A token flies to the count and adds to the stock; the record keeps it found.
    clickCentre(canvas->find("Shop3/hint_6"));
    EXPECT_FALSE(canvas->shown("Shop3/hint_6"));
    EXPECT_TRUE(canvas->shown("Shop3/morehints"));
    canvas->steps(30);
    EXPECT_EQ(round.hintStock(), 1);
    EXPECT_EQ(save().hintTaken[ProfileSave::tokenIndex(3, 5)], 1);
    clickCentre(canvas->find("Shop3/hint_1"));
    canvas->steps(30);
    EXPECT_EQ(round.hintStock(), 2);
    EXPECT_FALSE(canvas->shown("Shop3/morehints"));

    // Found tokens stay found on the next days.
    canvas->action("MMCalendar");
    Kipto2Shop& next = open(3, 2);
    EXPECT_FALSE(canvas->shown("Shop3/hint_1"));
    EXPECT_TRUE(canvas->shown("Shop3/hint_2"));
    EXPECT_FALSE(canvas->shown("Shop3/hint_6"));
    EXPECT_EQ(next.getHintTokensLeft(), 1);
}

TEST_F(ShopRounds, TheTutorialWaitsForItsTokenOnceAndThenNeverAgain)
{
    Kipto2Shop& round = open(11, 1);
    EXPECT_TRUE(round.isPaused());
    EXPECT_TRUE(canvas->shown("HowToPlayDlg"));
    EXPECT_FALSE(canvas->shown("HowToPlayDlg/blitzmodetitle"));
    EXPECT_EQ(shownText("HowToPlayDlg/GSHTPText"), "How to play");
    EXPECT_TRUE(canvas->shown("Shop11/hint_7"));
    EXPECT_FALSE(canvas->shown("Shop11/hint_1"));
    canvas->steps(100);
    EXPECT_EQ(round.getClock().getTimeLeft(), 300) << "the page holds the round";

    canvas->action("GSHTPPlay");
    EXPECT_FALSE(round.isPaused());
    // Nobody served: idle help in the first round is the tutorial bubble, which stops the clock.
    canvas->steps(43 * FramesPerUnit + 1);
    ASSERT_TRUE(round.isTutorialWaiting());
    EXPECT_TRUE(canvas->shown("Shop11/hint_popup_bubble"));
    EXPECT_EQ(save().tutorialShown, 1);
    const int32_t timeLeft = round.getClock().getTimeLeft();
    canvas->steps(200);
    EXPECT_EQ(round.getClock().getTimeLeft(), timeLeft);
    const int32_t served = round.getServed();
    clickAWish(round);
    canvas->steps(30);
    EXPECT_EQ(round.getServed(), served) << "only the token counts while the bubble is up";

    clickCentre(canvas->find("Shop11/hint_7"));
    EXPECT_FALSE(canvas->shown("Shop11/hint_popup_bubble"));
    canvas->steps(30);
    EXPECT_FALSE(round.isTutorialWaiting());
    EXPECT_TRUE(canvas->shown("HintsDlg"));
    EXPECT_TRUE(canvas->shown("Shop11/hint_1")) << "the page shows where the next token hides";
    EXPECT_TRUE(round.isPaused());
    canvas->action("HContinue");
    EXPECT_FALSE(canvas->shown("HintsDlg"));
    EXPECT_FALSE(round.isPaused());
    EXPECT_TRUE(canvas->shown("Shop11/Twinkles"));

    // Idle again: the bubble does not come back, and the clock runs to the end.
    runOut(round);
    EXPECT_FALSE(canvas->shown("Shop11/hint_popup_bubble"));
    EXPECT_TRUE(canvas->shown("RoundFailDlg"));
    canvas->action("RFReplay");
    EXPECT_TRUE(canvas->shown("HowToPlayDlg"));
    canvas->action("GSHTPPlay");
    EXPECT_FALSE(canvas->shown("Shop11/hint_7"));
    runOut(round);
    EXPECT_TRUE(canvas->shown("RoundFailDlg")) << "the replayed day runs out as any other";
}

TEST_F(ShopRounds, TheMiniMenuAndALostFocusPauseTheRound)
{
    Kipto2Shop& round = open(3, 2);
    canvas->steps(100);
    canvas->action("buttonmenu");
    EXPECT_TRUE(round.isPaused());
    EXPECT_TRUE(canvas->shown("MiniMenuDlg"));
    EXPECT_TRUE(canvas->shown("MiniMenuDlg/MMCalendar"));
    EXPECT_FALSE(canvas->shown("MiniMenuDlg/MMblitzbtn"));
    EXPECT_TRUE(canvas->shown("Shop3/pauseScreen"));
    const int32_t timeLeft = round.getClock().getTimeLeft();
    const int32_t customerY = round.customerAt(0)->getY();
    round.customerAt(0)->moveTo(0, 0, 10);
    canvas->steps(100);
    EXPECT_EQ(round.getClock().getTimeLeft(), timeLeft);
    EXPECT_EQ(round.customerAt(0)->getY(), customerY);
    canvas->action("MMContinue");
    EXPECT_FALSE(round.isPaused());
    EXPECT_FALSE(canvas->shown("MiniMenuDlg"));
    EXPECT_FALSE(canvas->shown("Shop3/pauseScreen"));
    canvas->steps(FramesPerUnit);
    EXPECT_EQ(round.getClock().getTimeLeft(), timeLeft - 1);

    canvas->windowDeactivated();
    canvas->steps(1);
    EXPECT_EQ(canvas->getCurrentScreen(), ScreenPause);
    EXPECT_TRUE(round.isPaused());
    canvas->click(EmptyX, EmptyY);
    EXPECT_FALSE(round.isPaused());
    EXPECT_EQ(canvas->getCurrentScreen(), ScreenShop);
    EXPECT_EQ(round.getLockout().getBogusClicks(), 0) << "the resuming click counts for nothing else";
}

TEST_F(ShopRounds, BlitzWishesEveryGroupOnceAndKeepsTheTime)
{
    Kipto2Shop& round = open(3, 0);
    EXPECT_TRUE(canvas->shown("HowToPlayDlg")) << "the first Blitz round explains itself";
    EXPECT_TRUE(canvas->shown("HowToPlayDlg/blitzmodetitle"));
    EXPECT_EQ(shownText("HowToPlayDlg/GSHTPText"), "Blitz!");
    EXPECT_EQ(save().blitzHelpSeen, 1);
    canvas->action("GSHTPPlay");
    EXPECT_EQ(round.getGoal(), 40);
    EXPECT_TRUE(canvas->shown("Shop3/numcur"));
    serve(round, 40, 40000);
    ASSERT_TRUE(round.isEnded());
    canvas->steps(60);
    ASSERT_TRUE(canvas->shown("RoundCompleteDlg"));
    EXPECT_TRUE(canvas->shown("RoundCompleteDlg/newrecordtitle"));
    EXPECT_TRUE(canvas->shown("RoundCompleteDlg/RCSubmit"));
    EXPECT_EQ(shownText("RoundCompleteDlg/RCText"), "New best!");
    const int32_t best = save().bestBlitzTime(3);
    EXPECT_GT(best, 0);
    EXPECT_EQ(best, round.getClock().blitzTenths());
    EXPECT_EQ(static_cast<StandInTimes*>(canvas->getSprite("BlitzTimes"))->getLastTime(), best)
        << "the best-times list takes the time for its submission";
    for (int32_t item = 0; item < ProfileSave::ItemsPerShop; ++item)
        ASSERT_EQ(save().itemFoundDay[ProfileSave::itemIndex(3, item)], 0)
            << "Blitz leaves the days' history alone";
}

TEST_F(ShopRounds, TheOwnShopShowsItsFurnishingsAndItsButtonsOnlyWhileDecorating)
{
    save().upgrades[0] = 2;
    save().upgrades[7] = 9; // damaged: taken as the highest value
    Kipto2Shop& round = open(12, 3);
    for (int32_t value = 0; value <= 3; ++value) {
        EXPECT_EQ(canvas->shown("Shop12/myshop_upgrade_C_1_" + std::to_string(value)), value == 2) << value;
        EXPECT_EQ(canvas->shown("Shop12/myshop_upgrade_A_8_" + std::to_string(value)), value == 3) << value;
    }
    for (const char* name :
        {"Shop12/txtbox2", "Shop12/btnupgrade8", "Shop12/upgrade8-2", "Shop12/nextbutton"})
        EXPECT_FALSE(canvas->shown(name)) << name;
    EXPECT_FALSE(round.isPaused());

    canvas->action("EnterShop14_3");
    EXPECT_TRUE(round.isPaused()) << "a decorating visit does not run the clock";
    EXPECT_TRUE(canvas->shown("Shop12/txtbox2"));
    EXPECT_EQ(static_cast<sprite::AnimateSprite*>(canvas->find("Shop12/txtbox2"))->getFrame(), 2);
    canvas->steps(100);
    EXPECT_EQ(round.getClock().getTimeLeft(), RoundClock::DayUnits);
    EXPECT_EQ(round.getArrived(), 0);
}

TEST_F(ShopRounds, AShopWithPartsMissingStillPlays)
{
    // Groups of shop 4: "pot" (type clamped to 4) and "lid"; kind 2 has no name, item_12 is
    // no item sprite. No tokens, stars, clock, money, sparkle or hint count.
    save().wishOrder[ProfileSave::wishIndex(4, 2, 0)] = 77;
    save().itemWishedDay[ProfileSave::itemIndex(4, 1)] = 2;
    Kipto2Shop& round = open(4, 2);
    EXPECT_EQ(round.getCatalogue().groupCount(), 2);
    EXPECT_TRUE(round.getWishes().isReplay());
    serve(round, 2, 3000);
    EXPECT_EQ(round.getServed(), 2);
    canvas->steps(100);
    EXPECT_GT(round.getUnwishedArrivals(), 0) << "with both groups wished, later places stay empty";
    EXPECT_EQ(round.getArrived(), 2);
    runOut(round);
    EXPECT_TRUE(canvas->shown("RoundFailDlg"));
    EXPECT_EQ(shownText("RoundFailDlg/RFText"), "Only 2 served.");
}

} // namespace
