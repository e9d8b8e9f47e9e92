// One day in a shop: the dialog "Shop1" to "Shop12" whose children are the shop's room, the
// items on its shelves, hidden hint tokens, the star row, the clock and the hint and menu
// buttons. Customers come in one by one with their wishes; the player clicks the wished items;
// each flies to its customer, who pays and leaves once the wish is complete. 10 served pass the
// day, 13 earn silver, 15 gold and end it at once. The same class plays Blitz (day 0: every
// item group once, against the clock) and shows the player's own shop while it is furnished.
//
// The round's pieces are collaborators: the clock (RoundClock), the guard against random
// clicking (ClickLockout), the hint stock (HintStock), the catalogue and the wishes
// (ItemCatalogue, WishChooser), the star row (ProgressStars), the result dialogs (RoundResults),
// the sounds (RoundAudio) and the shop's own life (ShopAmbience). Everything runs under the
// canvas's monitor.
#pragma once

#include "game/flow/ButtonTable.h"
#include "game/flow/ShopRound.h"
#include "game/save/ProfileSave.h"
#include "game/shop/ClickLockout.h"
#include "game/shop/Customer.h"
#include "game/shop/Decorating.h"
#include "game/shop/Glide.h"
#include "game/shop/HintStock.h"
#include "game/shop/ItemCatalogue.h"
#include "game/shop/ProgressStars.h"
#include "game/shop/RoundAudio.h"
#include "game/shop/RoundClock.h"
#include "game/shop/ShopAmbience.h"
#include "game/shop/WishChooser.h"
#include "sprite/DialogSprite.h"
#include "sprite/RadialSpritePSX.h"
#include "util/Random.h"

#include <array>
#include <vector>

class Kipto2Canvas;
class SparkleSprite;

class Kipto2Shop : public sprite::DialogSprite, public ShopRound {
public:
    struct Kipto2ShopClass : lang::ClassOf<Kipto2Shop> {
        using ClassOf::ClassOf;
    };
    static Kipto2ShopClass classObject;

    static constexpr int32_t Places = 5;
    static constexpr int32_t PlaceWidth = 160;
    static constexpr int32_t PlaceLeft = 3;
    static constexpr int32_t StandY = 510;
    static constexpr int32_t OffScreenY = 601;
    static constexpr int32_t WalkFrames = 25;
    static constexpr int32_t DayGoal = 10;
    static constexpr int32_t DayMaxServed = 15;
    static constexpr int32_t BlitzDay = 0;
    static constexpr int32_t TutorialShop = 11;
    static constexpr int32_t TutorialDay = 1;
    static constexpr int32_t OwnShop = 12;
    // The own shop's slots furnished in its decorating visits.
    static constexpr int32_t FirstDecoratedSlot = 7;
    static constexpr int32_t LastDay = 5;
    static constexpr int32_t HintTokens = 6;
    static constexpr int32_t TutorialToken = 7;

    Kipto2Shop();
    ~Kipto2Shop() override;

    // --- what the canvas asks of a round
    void setSave(ProfileSave* save) override;
    void setShopNumber(int32_t shop) override;
    void startDay(int32_t day, bool decorating) override;
    void endRound(bool leftByMenu) override;
    void setPaused(bool on) override;
    // While clicks are locked out, the no-go sign stands in for the pointer.
    bool holdsPointer() const override;

    // --- the dialog
    // Finds the children it addresses and adds the two particle bursts on top.
    void tableLoaded(sprite::DataLoader* loader) override;
    // The round's frame (clock, arrivals, help, chatter), then the children.
    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;
    // Tokens, the hints page, buttons, items and clicks on nothing.
    int32_t handleMousePressed(window::Event* event) override;
    // The no-go pointer of a lockout, else the buttons' hover looks.
    int32_t handleMouseMoved(window::Event* event) override;
    // The round's buttons and those of its pages (mini menu, how-to-play, hints, results).
    int32_t offerAction(const lang::String& actionName) override;
    // Scheduled actions and the ends of the round's animations.
    void onAction(lang::Object* source, const lang::String& name) override;

    // --- the state of the round, for the tests and the harness
    int32_t getShopNumber() const { return shopNumber; }
    int32_t getDay() const { return day; }
    bool isBlitz() const { return day == BlitzDay; }
    int32_t getServed() const { return served; }
    int32_t getArrived() const { return arrived; }
    int32_t getGoal() const { return goal; }
    int32_t getHintsUsed() const { return hintsUsed; }
    int32_t getHintTokensLeft() const { return hintTokensLeft; }
    // Arrivals that found nothing to wish for (a place stayed empty): a catalogue too small for
    // the day's quotas and shelf rules.
    int32_t getUnwishedArrivals() const { return unwishedArrivals; }
    bool isPaused() const { return paused; }
    bool isEnded() const { return ended; }
    bool isTutorialWaiting() const { return tutorialWait; }
    int32_t hintStock() const { return hints.count(); }
    const RoundClock& getClock() const { return clock; }
    const ClickLockout& getLockout() const { return lockout; }
    const ItemCatalogue& getCatalogue() const { return catalogue; }
    const WishChooser& getWishes() const { return chooser; }
    // The customer at the place (0 to 4), or none.
    Customer* customerAt(int32_t place) const { return customers[place].get(); }
    // The item a click at (x, y) of the dialog hands over, the topmost shown item there that a
    // customer wants, and that customer's place; none when the click would hand nothing over.
    sprite::ShopItemSprite* wishedItemAt(int32_t x, int32_t y, int32_t& place) const;
    // Seeds the round's own generator (arrivals, chatter, faces), for repeatable tests.
    void seed(uint32_t value) { random.setSeed(value); }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Kipto2Shop"; }

private:
    // Frames of the round's delays and fades that several of its parts share.
    static constexpr int32_t StingerDelay = 8;
    static constexpr int32_t MusicDelay = 50;
    static constexpr int32_t MusicEndFrames = 75;
    static constexpr int32_t LowTimeFadeFrames = 24;
    // The find burst's pattern on days, and the variant of every find burst.
    static constexpr int32_t DayFindPattern = 3;
    static constexpr int32_t FindVariant = 3;

    Kipto2Canvas* canvas() const;
    sprite::SpriteBase* topLevel(const char* name) const;
    void registerActions();
    // Runs the action when the round knows it.
    bool runAction(lang::Object* source, const lang::String& name);
    void schedule(int32_t delay, const char* name, bool inSeconds = false);
    void cancelScheduledActions();
    bool isTutorialRound() const { return shopNumber == TutorialShop && day == TutorialDay; }
    bool tutorialPending() const;
    ProfileSave& record() const { return *save; }

    // --- set-up (Kipto2Shop.cpp)
    void clearRound();
    void hideRoundSprites();
    void setUpTokens();
    void setUpHud();
    void setUpOwnShop();
    void startOrWait();
    void showHowToPlay(bool blitzHelp);
    void refreshClock();
    // --- the running round
    void roundStep();
    void timeOut();
    void startLowTime();
    void offerHelp();
    void spawnCustomer();
    int32_t chooseFace();
    int32_t presentCustomers() const;
    // --- clicks and hand-overs
    bool hitsButton(int32_t x, int32_t y);
    void handOver(sprite::ShopItemSprite* item, int32_t place);
    void playFoundSound();
    void playBurst(sprite::RadialSpritePSX* burst, int32_t pattern, int32_t variant, int32_t x, int32_t y);
    void itemReached(lang::Object* copy, int32_t place);
    void wishComplete(int32_t place);
    void showPayment(Customer& customer);
    void customerLeaves(int32_t place);
    void registerBogusClick(int32_t x, int32_t y);
    void endLockout();
    void showNoGoPointer(int32_t x, int32_t y);
    void showResults();
    void pauseSprites(bool on);

    // --- hints, tokens and the tutorial (Kipto2ShopHints.cpp)
    sprite::SpriteBase* token(int32_t n);
    // The number of the visible token at the point, or 0.
    int32_t tokenAt(int32_t x, int32_t y);
    void collectHint(int32_t n);
    void tokenArrived(lang::Object* copy, int32_t n);
    void changeHints(int32_t delta);
    void refreshHintButton();
    void enableHintButton(bool on);
    void useHint();
    void openHintsPage(bool tutorialUp);
    void closeHintsPage();
    void showTutorialBubble();
    void idleHelp();
    // The sparkle points at each of the centres in turn.
    void pointAt(const std::vector<Centre>& targets, int32_t holdFrames);
    void pointAtNext();
    void stopPointing();
    sprite::SpriteBase* firstVisibleToken(int32_t last);

    // --- the round's buttons (Kipto2Shop.cpp)
    void openMiniMenu();
    void continueFromMiniMenu();
    void playFromHowToPlay();
    void continueFromResults();
    void replayDay();

    lang::Ref<ProfileSave> save;
    int32_t shopNumber = 1;
    int32_t day = 1;
    bool decorating = false;

    util::Random random;
    RoundAudio audio;
    RoundClock clock;
    ClickLockout lockout;
    HintStock hints;
    ItemCatalogue catalogue;
    WishChooser chooser;
    ProgressStars stars;
    ShopAmbience ambience;
    ButtonTable actions;
    // The own shop's decorations and its decorating visits.
    Decorating decor{*this};

    std::array<lang::Ref<Customer>, Places> customers;
    // Customers walking out, and the copies of items and tokens on their way.
    std::vector<lang::Ref<sprite::SpriteBase>> leaving;
    std::vector<lang::Ref<sprite::SpriteBase>> flights;
    lang::Ref<sprite::RadialSpritePSX> findBurst;
    lang::Ref<sprite::RadialSpritePSX> starBurst;
    // Children found at set-up (none when the table lacks them).
    sprite::SpriteBase* money = nullptr;
    sprite::SpriteBase* timeDisplay = nullptr;
    SparkleSprite* twinkles = nullptr;
    std::vector<Centre> pointerTargets;
    int32_t pointerHold = 0;

    int32_t arrived = 0;
    int32_t served = 0;
    int32_t goal = DayGoal;
    int32_t maxServed = DayMaxServed;
    int32_t hintsUsed = 0;
    int32_t idleHelps = 0;
    int32_t hintTokensTaken = 0;
    int32_t hintTokensLeft = 0;
    int32_t unwishedArrivals = 0;
    int32_t chimeStep = 0;
    bool paused = false;
    bool ended = false;
    bool tutorialWait = false;
    // The round's music has been started (after the opening stinger).
    bool musicStarted = false;
};
