// The Blitz menu and the best-times panel inside the game's canvas, on tables of the test's
// own: the shop cards and which shops are open, the how-to-play page, the local list merged
// over the profiles, the rows with scrolling and the player's highlighted entry, and the online
// list against a score service that stalls or fails.
#include "HostileScoreService.h"
#include "game/blitz/BlitzMenu.h"
#include "game/blitz/BlitzTimeFormat.h"
#include "game/blitz/BlitzTimes.h"
#include "game/flow/SpriteHelpers.h"
#include "../game_testing.h"
#include "server/TempFolder.h"
#include "sprite/AnimateSprite.h"
#include "sprite/ButtonMixin.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using gametest::GameTest;
using gametest::TestCanvas;

const char* const GameTable = R"(
<sprites>
Dim            RectSprite            0 0 800 600 -1728053248 0
blackdrop      RectSprite            0 0 800 600 -16777216 0
BlitzMode      BlitzMenu:blitz.txt   0 0 800 600 0 0
Shop3          DialogSprite          0 0 800 600 0 0
<end>
)";

const char* const HelpTable = R"(
<sprites>
blitzmodetitle  RectSprite        0 0 10 10 -1 0
GSHTPText       TextSprite        300 150 1
GSHTPPlay       RectButtonSprite  250 300 100 40 1
<end>
)";

// The menu: a column of cards per shop (button, best time, five stars), as the real one has.
std::string menuTable()
{
    std::string table = "<sprites>\n";
    for (int shop = 1; shop <= 12; ++shop) {
        const std::string n = std::to_string(shop);
        const std::string x = std::to_string(10 + (shop - 1) * 60);
        table += "blitz_" + n + " RectButtonSprite " + x + " 10 50 40 1\n";
        table += "BestTime_" + n + " RectSprite " + x + " 60 10 10 -1 1\n";
        table += "time_" + n + " TextSprite " + x + " 80 0\n";
        for (int day = 1; day <= 5; ++day)
            table += "star_" + n + "_" + std::to_string(day) + " AnimateSprite sheet " + x + " "
                + std::to_string(100 + day * 12) + " 4 1 0\n";
    }
    table += "BlitzMainMenu_btn RectButtonSprite 10 540 100 40 1\n"
             "btn_besttimes RectButtonSprite 600 540 100 40 1\n"
             "blackdrop RectSprite 0 0 800 600 -16777216 0\n"
             "doBlitzMenuDialog DialogSprite:help.txt 100 100 600 400 1 0\n"
             "BlitzTimes BlitzTimes:times.txt 0 0 800 600 1 0\n<end>\n";
    return table;
}

// The panel: shop buttons down the left, twenty rows, arrows, the mode and back buttons.
std::string panelTable()
{
    std::string table = "<sprites>\n";
    for (int shop = 1; shop <= 12; ++shop)
        table += "blitzshop" + std::to_string(shop) + " RectButtonSprite 10 " + std::to_string(shop * 40)
            + " 40 30 1\n";
    table += "shoptimetitles AnimateSprite sheet 200 10 12 1 0\n"
             "modetitles AnimateSprite sheet 300 10 2 1 0\n"
             "past24hours RectSprite 600 10 20 20 -1 0\n"
             "timesstatus TextSprite 400 300 1\n";
    for (int row = 1; row <= 20; ++row) {
        const std::string n = std::to_string(row);
        const std::string y = std::to_string(60 + row * 22);
        table += "rank" + n + " TextSprite 100 " + y + " 2\n";
        table += "name" + n + " TextSprite 110 " + y + " 0\n";
        table += "time" + n + " TextSprite 400 " + y + " 2\n";
    }
    table += "timearrow_up RectButtonSprite 750 100 30 30 1\n"
             "timearrow_down RectButtonSprite 750 500 30 30 1\n"
             "btn_timeGlobal RectButtonSprite 100 550 100 40 1\n"
             "btn_timeLocal RectButtonSprite 250 550 100 40 1\n"
             "btn_timeMenu RectButtonSprite 650 550 100 40 1\n<end>\n";
    return table;
}

class BlitzMenuTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        writePackage({{"REGISTRYNAME", text(gametest::RegistryName)}, {"BlitzShopText", text("Serve them all")},
            {"BTLoading", text("Loading")}, {"BTUnreachable", text("Unreachable")}, {"BTNoTimes", text("No times")},
            {"sheet", spritetest::pngOf(48, 12, 0xFF336699u)}});
        writeTable("game.dat", GameTable);
        writeTable("blitz.txt", menuTable());
        writeTable("help.txt", HelpTable);
        writeTable("times.txt", panelTable());
        openSettings()->setString(ProfileStore::LastUsedKey, "Ann");
    }

    TestCanvas& start()
    {
        TestCanvas& game = startCanvas();
        menu = dynamic_cast<BlitzMenu*>(game.getDialogs().blitzMenu());
        panel = menu ? menu->getTimes() : nullptr;
        EXPECT_TRUE(panel) << "the menu holds its best-times panel";
        return game;
    }

    // Clicks the middle of a child of the dialog, which lies inside the menu.
    void clickOn(sprite::DialogSprite* dialog, const char* name)
    {
        sprite::SpriteBase* sprite = dialog->getChild(name);
        ASSERT_TRUE(sprite) << name;
        const util::RectangleNM& area = sprite->getBounds();
        const int32_t left = dialog == menu ? 0 : dialog->getX();
        const int32_t top = dialog == menu ? 0 : dialog->getY();
        canvas->click(menu->getX() + left + area.x + area.width / 2, menu->getY() + top + area.y + area.height / 2);
    }

    // Steps frames, as the game does, until the board's requests are answered.
    void stepUntilIdle(ScoreBoard& board)
    {
        for (int waits = 0; board.isBusy() && waits < 4000; ++waits) {
            canvas->steps(1);
            lang::Thread::sleep(5);
        }
        canvas->steps(1);
        EXPECT_FALSE(board.isBusy()) << "a request did not end";
    }

    sprite::SpriteBase* row(const char* column, int number)
    {
        return panel->getChild(lang::String(column) + number);
    }

    std::string rowText(const char* column, int number) { return spriteText(row(column, number)).c_str(); }

    int buttonState(sprite::SpriteBase* sprite)
    {
        sprite::ButtonMixin* button = sprite::ButtonMixin::of(sprite);
        return button ? button->getState() : -1;
    }

    int frameOf(sprite::SpriteBase* sprite)
    {
        auto* animated = dynamic_cast<sprite::AnimateSprite*>(sprite);
        return animated ? animated->getFrame() : -1;
    }

    // The rows shown, as "rank name time" with a "*" for the highlight colour.
    std::vector<std::string> shownRows()
    {
        std::vector<std::string> rows;
        for (int number = 1; number <= BlitzTimes::Rows; ++number) {
            if (!row("name", number)->isVisible())
                continue;
            const bool own = row("name", number)->getColor() == BlitzTimes::HighlightColor;
            EXPECT_EQ(row("rank", number)->getColor(), row("name", number)->getColor());
            EXPECT_EQ(row("time", number)->getColor(), row("name", number)->getColor());
            rows.push_back(rowText("rank", number) + " " + rowText("name", number) + " " + rowText("time", number)
                + (own ? " *" : ""));
        }
        return rows;
    }

    // Stores a profile with these Blitz times of a shop.
    void storeProfile(const char* name, int shop, const std::vector<int>& times)
    {
        ProfileStore& profiles = canvas->getProfiles();
        profiles.addProfile(name);
        lang::Ref<ProfileSave> record = lang::adopt(new ProfileSave);
        for (size_t n = 0; n < times.size(); ++n)
            record->blitzTimes[size_t(ProfileSave::blitzIndex(shop, int(n)))] = times[n];
        record->save(*profiles.getStore(), name);
    }

    void openShop(int shop)
    {
        canvas->getSave()->shopOpened[size_t(shop - 1)] = 1;
        canvas->getSave()->shopCompleted[size_t(shop - 1)] = 1;
    }

    BlitzMenu* menu = nullptr;
    BlitzTimes* panel = nullptr;
};

std::string formatted(int tenths)
{
    return BlitzTimeFormat::format(tenths).c_str();
}

} // namespace

TEST_F(BlitzMenuTest, CardsShowTheOpenShopsWithTheirBestTimesAndStarsAndTheHelpComesOnce)
{
    TestCanvas& game = start();
    ProfileSave& save = *game.getSave();
    openShop(3);
    save.shopOpened[3] = 1; // shop 4 announced, not completed
    save.blitzTimes[size_t(ProfileSave::blitzIndex(3, 0))] = 1234;
    const int served[] = {9, 10, 12, 13, 15};
    for (int day = 1; day <= 5; ++day)
        save.bestServed[size_t(ProfileSave::dayIndex(3, day))] = int16_t(served[day - 1]);

    game.action("bBlitz");
    EXPECT_EQ(game.getCurrentScreen(), ScreenBlitzMenu);
    EXPECT_TRUE(game.shown("BlitzMode/doBlitzMenuDialog"));
    EXPECT_TRUE(game.shown("BlitzMode/blackdrop"));
    auto* help = childDialog(menu, "doBlitzMenuDialog");
    EXPECT_TRUE(help->getChild("blitzmodetitle")->isVisible());
    EXPECT_STREQ(spriteText(help->getChild("GSHTPText")).c_str(), "Serve them all");
    lang::Ref<ProfileSave> stored = lang::adopt(new ProfileSave);
    ASSERT_TRUE(stored->load(*game.getProfileStore(), "Ann"));
    EXPECT_EQ(stored->blitzHelpSeen, 1) << "the page is seen once per profile, kept at once";

    EXPECT_EQ(buttonState(game.find("BlitzMode/blitz_3")), sprite::ButtonMixin::Normal);
    EXPECT_EQ(buttonState(game.find("BlitzMode/blitz_11")), sprite::ButtonMixin::Normal);
    EXPECT_EQ(buttonState(game.find("BlitzMode/blitz_4")), sprite::ButtonMixin::Disabled);
    EXPECT_EQ(buttonState(game.find("BlitzMode/blitz_1")), sprite::ButtonMixin::Disabled);
    EXPECT_TRUE(game.shown("BlitzMode/BestTime_3"));
    EXPECT_EQ(spriteText(game.find("BlitzMode/time_3")).c_str(), formatted(1234));
    EXPECT_FALSE(game.shown("BlitzMode/BestTime_11")) << "no time yet";
    EXPECT_FALSE(game.shown("BlitzMode/time_11"));
    std::vector<int> frames;
    for (int day = 1; day <= 5; ++day)
        frames.push_back(frameOf(game.find("BlitzMode/star_3_" + std::to_string(day))));
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 1, 2, 3}));

    clickOn(help, "GSHTPPlay");
    EXPECT_FALSE(game.shown("BlitzMode/doBlitzMenuDialog"));
    EXPECT_FALSE(game.shown("BlitzMode/blackdrop"));
    game.action("BlitzMainMenu_btn");
    game.action("bBlitz");
    EXPECT_FALSE(game.shown("BlitzMode/doBlitzMenuDialog")) << "the second visit goes straight to the shops";

    clickOn(menu, "blitz_4");
    EXPECT_EQ(game.getCurrentScreen(), ScreenBlitzMenu) << "a locked shop does not open";
    clickOn(menu, "blitz_3");
    EXPECT_EQ(game.getCurrentScreen(), ScreenShop);
    EXPECT_EQ(game.getSelectedShop(), 3);
    EXPECT_EQ(game.getSelectedDay(), 0) << "day 0 is the Blitz round";
    EXPECT_FALSE(game.shown("BlitzMode"));
}

TEST_F(BlitzMenuTest, TheLocalListMergesEveryProfileAndHighlightsThePlayersOwnTime)
{
    TestCanvas& game = start();
    storeProfile("Abe", 11, {700});
    storeProfile("Bob", 11, {500, 1500});
    storeProfile("Cy", 11, {700, 900});
    storeProfile("Dee", 11, {1000, 1100, 1200, 1300, 1400, 1500, 1600, 1700, 1800, 1900});
    storeProfile("Eve", 11, {1010, 1020, 1030, 1040, 1050, 1060, 1070, 1080, 1090, 1095});
    storeProfile("Fay", 12, {300});
    // Ann's stored record is older than the one the game holds.
    storeProfile("Ann", 11, {100});
    ProfileSave& save = *game.getSave();
    save.blitzTimes[size_t(ProfileSave::blitzIndex(11, 0))] = 700;
    save.blitzTimes[size_t(ProfileSave::blitzIndex(11, 1))] = 2000;

    panel->setLastTime(2000);
    game.action("btn_besttimes");
    EXPECT_EQ(game.getCurrentScreen(), ScreenBlitzTimes);
    EXPECT_FALSE(panel->isGlobal());
    EXPECT_EQ(frameOf(panel->getChild("modetitles")), 1);
    const std::vector<BlitzTimes::Score>& scores = panel->getScores();
    ASSERT_EQ(scores.size(), 27u) << "every stored time of shop 11, none of shop 12, Ann's from memory";
    for (size_t i = 0; i < scores.size(); ++i) {
        EXPECT_EQ(scores[i].rank, int(i) + 1);
        if (i > 0) {
            EXPECT_LE(scores[i - 1].time, scores[i].time);
        }
    }
    // Equal times keep the order in which the profiles are listed.
    std::vector<std::string> tied, listed;
    for (const BlitzTimes::Score& score : scores) {
        if (score.time == 700)
            tied.push_back(score.name.c_str());
    }
    for (const lang::String& name : game.getProfiles().listNames()) {
        if (std::find(tied.begin(), tied.end(), name.c_str()) != tied.end())
            listed.push_back(name.c_str());
    }
    EXPECT_EQ(tied, listed);
    ASSERT_EQ(tied.size(), 3u);
    ASSERT_NE(tied.front(), "Ann") << "another player's equal time comes first, for the highlight below";

    // The last time is the slowest: the list scrolls to its end, which it fills.
    std::vector<std::string> rows = shownRows();
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows.front(), "8. " + std::string(scores[7].name.c_str()) + " " + formatted(scores[7].time));
    EXPECT_EQ(rows.back(), "27. Ann " + formatted(2000) + " *");
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const std::string& r) { return r.back() == '*'; }), 1);
    EXPECT_TRUE(panel->getChild("timearrow_up")->isVisible());
    EXPECT_FALSE(panel->getChild("timearrow_down")->isVisible());
    clickOn(panel, "timearrow_up");
    clickOn(panel, "timearrow_up");
    EXPECT_EQ(panel->getScrollOffset(), 5);
    EXPECT_EQ(rowText("rank", 1), "6.");
    EXPECT_TRUE(panel->getChild("timearrow_down")->isVisible());

    // A time that others share marks only the player's own row.
    panel->setLastTime(700);
    panel->fill(11);
    rows = shownRows();
    for (const std::string& shown : rows) {
        const bool ownTime = shown.find(" Ann " + formatted(700)) != std::string::npos;
        EXPECT_EQ(shown.back() == '*', ownTime) << shown;
    }
    EXPECT_FALSE(panel->getChild("timesstatus")->isVisible());

    panel->fill(12);
    EXPECT_EQ(panel->getSelectedShop(), 11) << "shop 12 is not open to Ann";
}

TEST_F(BlitzMenuTest, OnlyShopsOpenToThePlayerCanBeChosen)
{
    TestCanvas& game = start();
    game.setSelectedShop(13);
    game.action("btn_besttimes");
    EXPECT_EQ(panel->getSelectedShop(), 11) << "shop 13 is the upgrade screen";
    EXPECT_EQ(frameOf(panel->getChild("shoptimetitles")), 10);
    EXPECT_EQ(buttonState(panel->getChild("blitzshop11")), sprite::ButtonMixin::Selected);
    EXPECT_EQ(buttonState(panel->getChild("blitzshop3")), sprite::ButtonMixin::Disabled);
    EXPECT_EQ(buttonState(panel->getChild("btn_timeLocal")), sprite::ButtonMixin::Selected);
    EXPECT_EQ(buttonState(panel->getChild("btn_timeGlobal")), sprite::ButtonMixin::Normal);
    EXPECT_TRUE(panel->getChild("timesstatus")->isVisible()) << "no times yet";

    clickOn(panel, "blitzshop3");
    EXPECT_EQ(panel->getSelectedShop(), 11);
    openShop(3);
    game.setSelectedShop(3);
    game.action("btn_besttimes");
    EXPECT_EQ(panel->getSelectedShop(), 3);
    EXPECT_EQ(frameOf(panel->getChild("shoptimetitles")), 2);
    EXPECT_EQ(buttonState(panel->getChild("blitzshop11")), sprite::ButtonMixin::Normal);
    clickOn(panel, "blitzshop11");
    EXPECT_EQ(panel->getSelectedShop(), 11);
    EXPECT_EQ(buttonState(panel->getChild("blitzshop3")), sprite::ButtonMixin::Normal);
    EXPECT_EQ(buttonState(panel->getChild("blitzshop11")), sprite::ButtonMixin::Selected);

    clickOn(panel, "btn_timeMenu");
    EXPECT_FALSE(game.shown("BlitzMode/BlitzTimes"));
    EXPECT_TRUE(game.shown("BlitzMode"));
    EXPECT_EQ(game.getCurrentScreen(), ScreenBlitzMenu);
}

TEST_F(BlitzMenuTest, AStalledServiceHoldsNoFrameAndAFailedSubmissionWaitsForTheNextVisit)
{
    TempFolder secrets;
    HostileScoreService service(secrets.file("secret.txt"));
    TestCanvas& game = start();
    // Bob plays: the double's answers to a submission highlight his row.
    game.getProfiles().addProfile("Bob");
    game.getProfiles().choose("Bob");
    // The game's own time-outs, except for the service that never answers.
    auto boardAt = [&](const char* mode, int32_t timeoutMs = 20000) {
        return lang::adopt(new ScoreBoard(ScoreServiceLocation::fromBase(service.base(mode).c_str()),
            ScoreBoard::Timeouts{timeoutMs, timeoutMs}));
    };
    lang::Ref<ScoreBoard> held = boardAt("hold");
    panel->setUp(&game.getProfiles(), held.get());
    game.action("btn_besttimes");
    clickOn(panel, "btn_timeGlobal");
    EXPECT_TRUE(panel->getChild("past24hours")->isVisible());
    EXPECT_EQ(frameOf(panel->getChild("modetitles")), 0);
    EXPECT_EQ(spriteText(panel->getChild("timesstatus")), lang::String("Loading"));
    // The service holds its answer: the frames go on meanwhile.
    game.steps(100);
    EXPECT_TRUE(held->isBusy()) << "the frames waited for the request";
    EXPECT_TRUE(panel->getChild("timesstatus")->isVisible());
    EXPECT_TRUE(shownRows().empty());
    service.release();
    stepUntilIdle(*held);
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"1. Ann " + formatted(1000), "2. Bob " + formatted(2000)}));
    EXPECT_FALSE(panel->getChild("timesstatus")->isVisible());

    // A submitted time: the list without it goes until the answer comes.
    service.hold();
    panel->setLastTime(2000);
    game.setSelectedShop(11);
    game.setSelectedDay(0);
    game.find("blackdrop")->setVisible(true);
    game.action("RCSubmit");
    EXPECT_FALSE(game.shown("blackdrop"));
    EXPECT_EQ(game.getCurrentScreen(), ScreenBlitzTimes);
    game.steps(10);
    EXPECT_EQ(spriteText(panel->getChild("timesstatus")), lang::String("Loading"));
    EXPECT_TRUE(shownRows().empty());
    service.release();
    stepUntilIdle(*held);
    EXPECT_EQ(shownRows().back(), "2. Bob " + formatted(2000) + " *");

    // The submission fails; the list says so and the submission waits.
    service.failNext(1);
    lang::Ref<ScoreBoard> flaky = boardAt("flaky");
    panel->setUp(&game.getProfiles(), flaky.get());
    panel->setGlobal(false);
    game.action("RCSubmit");
    EXPECT_TRUE(panel->isGlobal()) << "a submitted time shows the online list";
    stepUntilIdle(*flaky);
    EXPECT_TRUE(flaky->hasPendingSubmission());
    EXPECT_EQ(spriteText(panel->getChild("timesstatus")), lang::String("Unreachable"));
    EXPECT_TRUE(shownRows().empty());
    // The next visit of the list sends it again; its answer marks the player's row.
    clickOn(panel, "btn_timeMenu");
    game.action("btn_besttimes");
    stepUntilIdle(*flaky);
    EXPECT_FALSE(flaky->hasPendingSubmission());
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"1. Ann " + formatted(1000), "2. Bob " + formatted(2000) + " *"}));
    size_t submissions = 0, lists = 0;
    for (const std::string& request : service.requests()) {
        submissions += request.find("/flaky/scores/submit?shop=11&name=Bob&") != std::string::npos;
        lists += request.find("/flaky/scores/list") != std::string::npos;
    }
    EXPECT_EQ(submissions, 2u);
    EXPECT_EQ(lists, 0u) << "the submission's answer is the list";

    // The game ends while a request stalls.
    lang::Ref<ScoreBoard> stalled = boardAt("stall", 300);
    panel->setUp(&game.getProfiles(), stalled.get());
    panel->fill(3);
    lang::Ref<ScoreTransfer> transfer = lang::retain(stalled->getRunningTransfer());
    ASSERT_TRUE(transfer);
    stalled.reset();
    canvas->shutdown();
    canvas.reset();
    transfer->join();
    EXPECT_TRUE(transfer->isDone());
    EXPECT_EQ(transfer->getRefCount(), 1) << "nothing else holds the request";
}
