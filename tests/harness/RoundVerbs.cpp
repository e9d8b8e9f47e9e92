// Verbs that play shop rounds, and the harness's --fast option:
//
//   open_round SHOP DAY      opens a round through the canvas's own "EnterShop" action
//   autoplay_round [SERVED]  plays the open round through real clicks as a good player would:
//                            it reads the present customers' wishes and clicks a shelf sprite
//                            of each wished item, answers the how-to-play and hints pages and
//                            the tutorial bubble (by collecting its token), and stops once
//                            SERVED customers are served (default: as many as it can) or the
//                            round has ended and shows its result. It fails when a wished item
//                            stands nowhere on the shelves or a click on it hands nothing over.
//   send_action NAME         a named action reaches the canvas as from a button ("StoryBoardDone")
//   expect_record_as_played  the save record holds the last autoplayed day as it was played:
//                            its best count, the items handed over and the groups wished
//   --fast                   the canvas's frame steps follow each other without waiting
#include "FastClock.h"
#include "ScriptDriver.h"
#include "game/Kipto2Canvas.h"
#include "game/shop/Kipto2Shop.h"
#include "lang/SyncGuard.h"
#include "sdl/SdlInput.h"
#include "sprite/ButtonMixin.h"
#include "window/Event.h"

#include <algorithm>
#include <chrono>
#include <set>

namespace harness {

namespace {

// The longest a round may take to play, in real time.
constexpr int AutoplayLimitMs = 600000;
// Clicks on the same item that may hand nothing over before the verb gives up.
constexpr int FruitlessClicks = 3;

const Option fast("--fast", Option::Flag, [](const std::string&) { FastClock::install(); });

// What the last autoplayed round showed: its day, who came and what was handed over.
struct PlayedRound {
    int32_t shop = 0;
    int32_t day = -1;
    int32_t served = 0;
    // Held while the round is played, so that no new customer can take a gone one's place in
    // memory and pass unseen.
    std::vector<lang::Ref<Customer>> customers;
    int32_t seenArrivals = 0;
    std::set<int32_t> groups;
    std::set<int32_t> items;
};

PlayedRound& played()
{
    static PlayedRound round;
    return round;
}

int32_t groupOfName(const Kipto2Shop& round, const lang::String& name)
{
    const ItemCatalogue::Groups& groups = round.getCatalogue().getGroups();
    for (size_t g = 0; g < groups.size(); ++g) {
        if (groups[g]->getName() == name)
            return int32_t(g);
    }
    return -1;
}

// Notes the customers that came since the last look (under the canvas's monitor).
void watch(Kipto2Shop& round)
{
    PlayedRound& record = played();
    if (record.shop != round.getShopNumber() || record.day != round.getDay()
        || round.getArrived() < record.seenArrivals) {
        record = PlayedRound();
        record.shop = round.getShopNumber();
        record.day = round.getDay();
    }
    record.seenArrivals = round.getArrived();
    record.served = round.getServed();
    for (int32_t place = 0; place < Kipto2Shop::Places; ++place) {
        Customer* customer = round.customerAt(place);
        if (!customer)
            continue;
        auto known = std::find_if(record.customers.begin(), record.customers.end(),
            [customer](const lang::Ref<Customer>& seen) { return seen.get() == customer; });
        if (known != record.customers.end())
            continue;
        record.customers.push_back(lang::retain(customer));
        record.groups.insert(groupOfName(round, customer->getItemName()));
    }
}

bool sendAction(ScriptDriver& driver, const Command& command, const std::string& name)
{
    sprite::GameCanvas3* canvas = driver.getCanvas();
    if (!canvas)
        return driver.fail(command, "the canvas runs once the window is handed over (wait_ready first)");
    lang::Ref<lang::String> text = lang::adopt(new lang::String(name.c_str()));
    lang::Ref<window::Event> event = lang::adopt(new window::Event(nullptr, text.get()));
    if (!canvas->enqueueEvent(event.get()))
        return driver.fail(command, "the canvas takes no input");
    return driver.waitUntilHandled(command);
}

const Verb sendNamedAction(
    "send_action", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
        return sendAction(driver, command, command.arguments[0]);
    });

const Verb openRound("open_round", 2, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    const std::string name = "EnterShop" + command.arguments[0] + "_" + command.arguments[1];
    if (!sendAction(driver, command, name))
        return false;
    SyncGuard guard(driver.getCanvas());
    Kipto2Canvas* game = Kipto2Canvas::getInstance();
    auto* round = game ? dynamic_cast<Kipto2Shop*>(game->getCurrentShop()) : nullptr;
    if (!round || round->getShopNumber() != driver.integerArgument(command, 0))
        return driver.fail(command, "no round of shop " + command.arguments[0] + " opened");
    return true;
});

// What the player does next.
struct Move {
    enum Kind { Wait, Click, Done, Fail };
    Kind kind = Wait;
    int32_t x = 0;
    int32_t y = 0;
    // For a click on an item: the item, which leaves the shelf when it is handed over.
    lang::Ref<sprite::ShopItemSprite> target;
    std::string why;
    // The item's number in its shop (from 0), or -1.
    int32_t item = -1;

    static Move of(Kind kind, std::string why = "")
    {
        Move move;
        move.kind = kind;
        move.why = std::move(why);
        return move;
    }
    static Move click(int32_t x, int32_t y)
    {
        Move move = of(Click);
        move.x = x;
        move.y = y;
        return move;
    }
};

Move clickOn(ScriptDriver& driver, const std::string& path)
{
    Move move;
    if (driver.isShownOnScreen(path, move.x, move.y))
        move.kind = Move::Click;
    return move;
}

bool onScreen(int32_t x, int32_t y)
{
    return x >= 0 && x < 800 && y >= 0 && y < 600;
}

// A point of the item's picture, in its dialog's coordinates, as near its middle as can be (a
// ring has none in its middle); false when the picture shows nothing.
bool pointOn(sprite::ShopItemSprite& item, int32_t& x, int32_t& y)
{
    const util::RectangleNM& area = item.getBounds();
    const int32_t middleX = area.x + area.width / 2;
    const int32_t middleY = area.y + area.height / 2;
    const int32_t reach = std::max(area.width, area.height) / 2;
    for (int32_t distance = 0; distance <= reach; distance += 2) {
        for (int32_t dy = -distance; dy <= distance; dy += 2) {
            for (int32_t dx = -distance; dx <= distance; dx += 2) {
                if (std::max(std::abs(dx), std::abs(dy)) != distance)
                    continue;
                if (item.hitTestPixel(middleX + dx, middleY + dy, 1)) {
                    x = middleX + dx;
                    y = middleY + dy;
                    return true;
                }
            }
        }
    }
    return false;
}

// Reads the game (under the canvas's monitor) and decides the next move.
Move nextMove(ScriptDriver& driver, int32_t target)
{
    SyncGuard guard(driver.getCanvas());
    Kipto2Canvas* game = Kipto2Canvas::getInstance();
    auto* round = game ? dynamic_cast<Kipto2Shop*>(game->getCurrentShop()) : nullptr;
    if (!round || !round->isVisible())
        return Move::of(Move::Done);
    watch(*round);
    if (round->getUnwishedArrivals() > 0)
        return Move::of(Move::Fail, "a customer found nothing to wish for");
    // Customers whose last item is on its way are as good as served: no click beyond the target.
    int32_t committed = round->getServed();
    for (int32_t place = 0; place < Kipto2Shop::Places; ++place) {
        Customer* customer = round->customerAt(place);
        committed += customer && customer->wantedItems() == 0 && customer->remainingItems() > 0 ? 1 : 0;
    }
    if (committed >= target)
        return Move::of(round->getServed() >= target ? Move::Done : Move::Wait);
    if (round->isEnded()) {
        // The last flights land, then the result shows and the round pauses behind it.
        return Move::of(round->isPaused() ? Move::Done : Move::Wait);
    }
    for (const char* button : {"HowToPlayDlg/GSHTPPlay", "HintsDlg/HContinue"}) {
        Move move = clickOn(driver, button);
        if (move.kind == Move::Click)
            return move;
    }
    const std::string shop = "Shop" + std::to_string(round->getShopNumber());
    if (round->isTutorialWaiting()) {
        // The bubble waits for its token; once collected, the token flies to the hint count.
        Move move = clickOn(driver, shop + "/hint_7");
        int32_t x = 0;
        int32_t y = 0;
        if (move.kind != Move::Click && driver.isShownOnScreen(shop + "/hint_popup_bubble", x, y))
            return Move::of(Move::Fail, "the tutorial bubble waits for a token that is not shown");
        return move;
    }
    if (round->isPaused())
        return Move::of(Move::Wait);
    for (int32_t place = 0; place < Kipto2Shop::Places; ++place) {
        Customer* customer = round->customerAt(place);
        if (!customer || customer->wantedItems() == 0)
            continue;
        for (sprite::ShopItemSprite* item : customer->wishedSprites()) {
            if (!item->isVisible())
                continue;
            int32_t x = 0;
            int32_t y = 0;
            if (!pointOn(*item, x, y))
                continue;
            // Copies may overlap: the click goes to the topmost wished one there.
            int32_t takerPlace = place;
            sprite::ShopItemSprite* taken = round->wishedItemAt(x, y, takerPlace);
            Move move = Move::click(round->getX() + x, round->getY() + y);
            move.target = lang::retain(taken);
            if (!taken || !onScreen(move.x, move.y))
                continue;
            if (const SpriteRec* member = round->getCatalogue().memberOf(taken))
                move.item = member->getItemNumber();
            return move;
        }
        return Move::of(Move::Fail,
            std::string("the customer at place ") + std::to_string(place + 1) + " wants \""
                + customer->getItemName().c_str() + "\", which stands nowhere on the shelves");
    }
    return Move::of(Move::Wait);
}

// The clicked item has left the shelf: it was handed over.
bool handedOver(ScriptDriver& driver, const Move& move)
{
    SyncGuard guard(driver.getCanvas());
    return !move.target->isVisible();
}

// The shown top-level sprites above the round that hold the point, for a failure's message.
std::string spritesAbove(ScriptDriver& driver, sprite::SpriteBase* round, int32_t x, int32_t y)
{
    sprite::GameCanvas3* canvas = driver.getCanvas();
    std::string names;
    for (int32_t i = canvas->getSpriteCount() - 1; i >= 0; --i) {
        lang::Ref<sprite::SpriteBase> sprite = lang::adopt(canvas->getSpriteAt(i));
        if (sprite.get() == round)
            break;
        if (sprite && sprite->isVisible() && sprite->contains(x, y))
            names += std::string(" ") + sprite->getName().c_str();
    }
    // The round's own sprites that take a click before its items do.
    auto* dialog = static_cast<sprite::DialogSprite*>(round);
    const int32_t localX = x - round->getX();
    const int32_t localY = y - round->getY();
    for (int32_t i = 0; i < dialog->childCount(); ++i) {
        lang::Ref<sprite::SpriteBase> child = lang::adopt(dialog->getChild(i));
        const std::string name = child->getName().c_str();
        sprite::ButtonMixin* button = sprite::ButtonMixin::of(child.get());
        const bool takes = (button && button->pressTest(localX, localY))
            || ((name.rfind("hint_", 0) == 0 || name == "morehints") && child->isVisible()
                && child->contains(localX, localY));
        if (takes)
            names += " " + name;
    }
    return names.empty() ? "" : ", taken before the item by:" + names;
}

// How the round stands, for a failure's message.
std::string roundState(ScriptDriver& driver, int32_t x = -1, int32_t y = -1)
{
    SyncGuard guard(driver.getCanvas());
    Kipto2Canvas* game = Kipto2Canvas::getInstance();
    auto* round = game ? dynamic_cast<Kipto2Shop*>(game->getCurrentShop()) : nullptr;
    if (!round)
        return "no round";
    return std::string(round->isPaused() ? "paused" : "running") + (round->isEnded() ? ", ended" : "")
        + (round->getLockout().isLockedOut() ? ", locked out" : "") + (round->isTutorialWaiting() ? ", tutorial" : "")
        + ", served " + std::to_string(round->getServed()) + ", screen " + screenName(game->getCurrentScreen())
        + spritesAbove(driver, round, x, y);
}

const Verb autoplayRound(
    "autoplay_round", 0, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
        if (!driver.getCanvas())
            return driver.fail(command, "the canvas runs once the window is handed over (wait_ready first)");
        const int32_t target = driver.integerArgument(command, 0, Kipto2Shop::DayMaxServed * 100);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(AutoplayLimitMs);
        int fruitless = 0;
        // On the fast clock the player reacts within a frame: no frame passes from a look at
        // the game until its click is handled, and while it waits the frames pass one by one.
        FastClock::Hold hold;
        while (std::chrono::steady_clock::now() < deadline) {
            const Move move = nextMove(driver, target);
            switch (move.kind) {
            case Move::Done:
                played().customers.clear();
                return true;
            case Move::Fail:
                return driver.fail(command, move.why);
            case Move::Wait:
                hold.passFrame();
                continue;
            case Move::Click:
                break;
            }
            sdl::mouseMove(driver.getWindow(), move.x, move.y, false);
            sdl::mouseButton(driver.getWindow(), move.x, move.y, true);
            sdl::mouseButton(driver.getWindow(), move.x, move.y, false);
            if (!driver.waitUntilHandled(command))
                return false;
            if (!move.target || handedOver(driver, move)) {
                fruitless = 0;
                if (move.item >= 0)
                    played().items.insert(move.item);
            } else if (++fruitless >= FruitlessClicks) {
                return driver.fail(command,
                    "clicking the wished item at (" + std::to_string(move.x) + ", " + std::to_string(move.y)
                        + ") hands nothing over (" + roundState(driver, move.x, move.y) + ")");
            }
        }
        return driver.fail(command, "the round did not end in time");
    });

const Verb expectRecordAsPlayed(
    "expect_record_as_played", 0, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
        const PlayedRound& round = played();
        Kipto2Canvas* game = Kipto2Canvas::getInstance();
        if (round.day < 1 || !game)
            return driver.fail(command, "no day was autoplayed");
        SyncGuard guard(driver.getCanvas());
        const ProfileSave* save = game->getSave();
        if (!save)
            return driver.fail(command, "there is no save record");
        const int32_t best = save->bestServed[ProfileSave::dayIndex(round.shop, round.day)];
        if (best < round.served)
            return driver.fail(command,
                "bestServed is " + std::to_string(best) + ", but " + std::to_string(round.served)
                    + " were served");
        for (int32_t item : round.items) {
            if (save->itemFoundDay[ProfileSave::itemIndex(round.shop, item)] != round.day)
                return driver.fail(command,
                    "item " + std::to_string(item + 1) + " was handed over but is not noted as found");
        }
        std::set<int32_t> recorded;
        for (int32_t n = 0; n < ProfileSave::WishesPerDay; ++n) {
            const int32_t group = save->wishOrder[ProfileSave::wishIndex(round.shop, round.day, n)];
            if (group >= 0)
                recorded.insert(group);
        }
        for (int32_t group : round.groups) {
            if (!recorded.count(group))
                return driver.fail(
                    command, "group " + std::to_string(group) + " was wished but wishOrder lacks it");
        }
        // Customers who came after the autoplay stopped looking are in the record too.
        auto* shop = dynamic_cast<Kipto2Shop*>(game->getCurrentShop());
        const bool sawEveryone
            = shop && shop->getShopNumber() == round.shop && shop->getArrived() == round.seenArrivals;
        if (sawEveryone && recorded.size() != round.groups.size())
            return driver.fail(command,
                "wishOrder holds " + std::to_string(recorded.size()) + " groups, not the "
                    + std::to_string(round.groups.size()) + " wished");
        return true;
    });

} // namespace

} // namespace harness
