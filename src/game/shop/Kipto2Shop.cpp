#include "game/shop/Kipto2Shop.h"

#include "game/Kipto2Canvas.h"
#include "game/ambient/SparkleSprite.h"
#include "game/flow/BlitzTimesPanel.h"
#include "game/flow/SpriteHelpers.h"
#include "game/shop/Glide.h"
#include "game/shop/RoundResults.h"
#include "lang/ResourceFile.h"
#include "sprite/AnimateSprite.h"
#include "sprite/ButtonMixin.h"
#include "sprite/NumberSprite.h"
#include "window/Cursor.h"
#include "window/Event.h"

#include <algorithm>
#include <cstring>

namespace {

// Frames and clock units of the running round.
constexpr int32_t EndLevelDelay = 40;
constexpr int32_t PauseFadeFrames = 8;
constexpr int32_t LowTimeUnits = 15;
constexpr int32_t LowTimeLoopUnits = 10;
constexpr int32_t TutorialUnits = 120;
constexpr int32_t BlitzArrivalFrames = 12;
constexpr int32_t DayArrivalFrames = 30;
constexpr int32_t EarlyArrivals = 5;

} // namespace

Kipto2Shop::Kipto2ShopClass Kipto2Shop::classObject("Kipto2Shop");

Kipto2Shop::Kipto2Shop()
    : audio(nullptr, random),
      chooser(random),
      ambience(audio, random),
      findBurst(lang::adopt(new sprite::RadialSpritePSX(DayFindPattern, FindVariant))),
      starBurst(lang::adopt(new sprite::RadialSpritePSX(DayFindPattern, FindVariant)))
{
    findBurst->setVisible(false);
    starBurst->setVisible(false);
    registerActions();
}

Kipto2Shop::~Kipto2Shop() = default;

Kipto2Canvas* Kipto2Shop::canvas() const
{
    return Kipto2Canvas::getInstance();
}

sprite::SpriteBase* Kipto2Shop::topLevel(const char* name) const
{
    Kipto2Canvas* owner = canvas();
    return owner ? owner->getSprite(name) : nullptr;
}

void Kipto2Shop::schedule(int32_t delay, const char* name, bool inSeconds)
{
    if (Kipto2Canvas* owner = canvas())
        owner->scheduleAction(delay, name, inSeconds ? sprite::ActionSchedule::InSeconds : 0, this, this);
}

void Kipto2Shop::cancelScheduledActions()
{
    Kipto2Canvas* owner = canvas();
    if (!owner)
        return;
    for (const char* name : {"bogusClickExpiry", "bogusClickLockoutExpiry", "endLevel", "startStinger",
             "startBackgroundMusic", "enableHint"})
        owner->scheduleAction(0, name,
            sprite::ActionSchedule::Cancel | sprite::ActionSchedule::MatchSourceAndTarget, this, this);
}

void Kipto2Shop::setSave(ProfileSave* record)
{
    save = lang::retain(record);
}

void Kipto2Shop::setShopNumber(int32_t shop)
{
    shopNumber = std::clamp(shop, 1, ProfileSave::Shops);
}

bool Kipto2Shop::holdsPointer() const
{
    return lockout.isLockedOut();
}

bool Kipto2Shop::tutorialPending() const
{
    return isTutorialRound() && save && !save->tutorialShown;
}

void Kipto2Shop::tableLoaded(sprite::DataLoader* loader)
{
    DialogSprite::tableLoaded(loader);
    money = getChild("money");
    timeDisplay = getChild("numtimeleft");
    if (timeDisplay && timeDisplay->isInstanceOf("NumberSprite")) {
        auto* digits = static_cast<sprite::NumberSprite*>(timeDisplay);
        digits->setSeparatorHalfCells(1);
        digits->setMinDigits(3);
    }
    sprite::SpriteBase* sparkle = getChild("Twinkles");
    twinkles
        = sparkle && sparkle->isInstanceOf("SparkleSprite") ? static_cast<SparkleSprite*>(sparkle) : nullptr;
    if (twinkles) {
        twinkles->setVisible(false);
        twinkles->setListener(this, "sparkleInDone");
    }
    add(findBurst.get());
    add(starBurst.get());
    stars.attach(this, starBurst.get(), this);
}

// --- set-up

void Kipto2Shop::startDay(int32_t newDay, bool decorate)
{
    if (!save)
        save = lang::adopt(new ProfileSave);
    day = std::clamp(newDay, 0, LastDay);
    decorating = decorate;
    audio.setCanvas(canvas());
    if (Kipto2Canvas* owner = canvas()) {
        sprite::SpriteBase* faces = owner->getSprite("custfaces");
        Customer::setTemplates(owner->getSprite("thoughtbubble"),
            faces && faces->isInstanceOf("AnimateSprite") ? static_cast<sprite::AnimateSprite*>(faces)
                                                          : nullptr,
            owner->getSprite("itemname"));
    }
    clearRound();
    hideRoundSprites();
    setUpTokens();
    audio.startRound(shopNumber, isBlitz());
    catalogue.build(*this, [this](int32_t kind) {
        return lang::ResourceFile::loadText(lang::String("ITEM_") + shopNumber + "_" + kind);
    });
    chooser.startDay(catalogue.getGroups(), save.get(), shopNumber, day);
    catalogue.arrangeShelves(*save, shopNumber, day);
    if (shopNumber == OwnShop)
        setUpOwnShop();
    clock.start(isBlitz() ? RoundClock::BlitzUnits : RoundClock::DayUnits);
    hints.startRound(save.get(), isBlitz());
    setUpHud();
    refreshClock();
    startOrWait();
    audio.stop(audio.musicEntry());
    musicStarted = false;
    ambience.startRound(*this, shopNumber, clock.getTimeLeft(), this);
    changeHints(0);
    enableHintButton(false);
    ended = false;
    decor.startDay(*save, shopNumber, day, decorating);
}

void Kipto2Shop::clearRound()
{
    cancelScheduledActions();
    if (lockout.isLockedOut()) {
        if (Kipto2Canvas* owner = canvas())
            owner->setCursor(window::Cursor::getArrow());
    }
    lockout.reset();
    chimeStep = served = arrived = hintsUsed = idleHelps = hintTokensTaken = unwishedArrivals = 0;
    goal = DayGoal;
    maxServed = DayMaxServed;
    tutorialWait = false;
    for (lang::Ref<Customer>& customer : customers) {
        if (customer)
            remove(customer.get());
        customer.reset();
    }
    for (auto* list : {&leaving, &flights}) {
        for (lang::Ref<sprite::SpriteBase>& sprite : *list)
            remove(sprite.get());
        list->clear();
    }
}

void Kipto2Shop::setUpOwnShop()
{
    // The furnishings chosen so far: of each slot's pictures only that of its value shows.
    for (int32_t slot = 1; slot <= ProfileSave::UpgradeSlots; ++slot) {
        const int32_t chosen = std::clamp<int32_t>(record().upgrades[slot - 1], 0, 3);
        for (int32_t value = 0; value <= 3; ++value) {
            for (const char* kind : {"C", "A"}) {
                const lang::String name = lang::String("myshop_upgrade_") + kind + "_" + slot + "_" + value;
                showSprite(getChild(name), value == chosen);
            }
        }
    }
    // The day's instruction; the visit itself (Decorating) fades it and runs the buttons.
    sprite::SpriteBase* caption = getChild("txtbox2");
    showSprite(caption, decorating);
    if (decorating && caption && caption->isInstanceOf("AnimateSprite"))
        static_cast<sprite::AnimateSprite*>(caption)->setFrame(day - 1);
    if (decorating)
        return;
    // The furnishing buttons belong to the decorating visits only.
    showSprite(getChild("nextbutton"), false);
    for (int32_t slot = FirstDecoratedSlot; slot <= ProfileSave::UpgradeSlots; ++slot) {
        showSprite(getChild(lang::String("btnupgrade") + slot), false);
        for (int32_t option = 1; option <= 3; ++option)
            showSprite(getChild(lang::String("upgrade") + slot + "-" + option), false);
    }
}

void Kipto2Shop::hideRoundSprites()
{
    stopPointing();
    for (const char* name : {"pauseScreen", "noGoCursor"})
        showSprite(getChild(name), false);
    if (sprite::SpriteBase* lowTime = getChild("lowtime")) {
        lowTime->setListener(this, nullptr);
        lowTime->setAlpha(sprite::SpriteBase::OpaqueAlpha);
        lowTime->setVisible(false);
    }
    stars.hideAll();
    findBurst->setVisible(false);
}

void Kipto2Shop::setUpTokens()
{
    hintTokensLeft = 0;
    for (int32_t n = 1; n <= HintTokens; ++n) {
        sprite::SpriteBase* hint = token(n);
        const bool taken = save->hintTaken[ProfileSave::tokenIndex(shopNumber, n - 1)] != 0;
        const bool shown = isBlitz() || ((n <= day || n == HintTokens) && !taken);
        showSprite(hint, shown);
        hintTokensLeft += hint && shown ? 1 : 0;
    }
    sprite::SpriteBase* tutorialToken = token(TutorialToken);
    if (tutorialPending() && tutorialToken) {
        showSprite(token(1), false);
        showSprite(token(HintTokens), false);
        tutorialToken->setVisible(true);
        hintTokensLeft = 2;
    } else {
        showSprite(tutorialToken, false);
    }
    showSprite(getChild("hint_popup_bubble"), false);
    showSprite(getChild("morehints"), hintTokensLeft > 0);
}

void Kipto2Shop::setUpHud()
{
    if (isBlitz()) {
        goal = maxServed = catalogue.groupCount();
        for (const char* name : {"numcur", "numgoal"}) {
            sprite::SpriteBase* number = getChild(name);
            if (number && number->isInstanceOf("NumberSprite"))
                static_cast<sprite::NumberSprite*>(number)->setValue(name[3] == 'c' ? served : goal);
        }
    }
    for (const char* name : {"blitzmenucover", "numcur", "numgoal"})
        showSprite(getChild(name), isBlitz());
}

void Kipto2Shop::refreshClock()
{
    if (timeDisplay && timeDisplay->isInstanceOf("NumberSprite"))
        static_cast<sprite::NumberSprite*>(timeDisplay)->setValue(clock.displayValue(isBlitz()));
}

void Kipto2Shop::startOrWait()
{
    Kipto2Canvas* owner = canvas();
    if (isTutorialRound()) {
        showHowToPlay(false);
        return;
    }
    if (isBlitz() && !save->blitzHelpSeen) {
        save->blitzHelpSeen = 1;
        showHowToPlay(true);
        return;
    }
    showSprite(owner ? owner->getDialogs().blackdrop() : nullptr, false);
    if (decorating) {
        setPaused(true);
        return;
    }
    setPaused(false);
    schedule(StingerDelay, "startStinger");
}

void Kipto2Shop::showHowToPlay(bool blitzHelp)
{
    setPaused(true);
    Kipto2Canvas* owner = canvas();
    if (!owner)
        return;
    showSprite(owner->getDialogs().blackdrop(), true);
    sprite::DialogSprite* page = owner->getDialogs().howToPlay();
    if (!page)
        return;
    showSprite(page->getChild("blitzmodetitle"), blitzHelp);
    setSpriteText(
        page->getChild("GSHTPText"), lang::ResourceFile::loadText(blitzHelp ? "BlitzShopText" : "GSHTPText"));
    page->setVisible(true);
}

// --- the running round

bool Kipto2Shop::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    if (visible && !paused && !ended && !tutorialWait)
        roundStep();
    return DialogSprite::update(frameNo, outBounds, dirtyRegion);
}

void Kipto2Shop::roundStep()
{
    const RoundClock::Tick tick = clock.step();
    if (tick.arrivalDue)
        spawnCustomer();
    if (tick.unitPassed)
        refreshClock();
    if (clock.isOut()) {
        timeOut();
        return;
    }
    if (tick.unitPassed && clock.getTimeLeft() == LowTimeUnits)
        startLowTime();
    if (tick.unitPassed && clock.getTimeLeft() == LowTimeLoopUnits)
        audio.loop(RoundAudio::LowTime);
    if (tutorialPending() && tick.unitPassed && clock.getTimeLeft() == TutorialUnits)
        showTutorialBubble();
    else
        offerHelp();
    ambience.step(clock.getTimeLeft());
}

void Kipto2Shop::timeOut()
{
    ended = true;
    audio.stop(RoundAudio::LowTime);
    audio.play(RoundAudio::TimeOut);
    if (served < goal)
        audio.play(RoundAudio::DayFailed);
    schedule(EndLevelDelay, "endLevel");
}

void Kipto2Shop::startLowTime()
{
    sprite::SpriteBase* lowTime = getChild("lowtime");
    if (!lowTime)
        return;
    lowTime->setAlpha(0);
    lowTime->setVisible(true);
    lowTime->fadeTo(sprite::SpriteBase::OpaqueAlpha, LowTimeFadeFrames, false);
    lowTime->setListener(this, "fadeOutLowtime");
}

void Kipto2Shop::offerHelp()
{
    if (!clock.idleHelpDue())
        return;
    if (tutorialPending()) {
        clock.helpOffered(false);
        showTutorialBubble();
    } else if (served < goal) {
        ++idleHelps;
        clock.helpOffered(true);
        idleHelp();
    } else {
        clock.helpOffered(false);
    }
}

int32_t Kipto2Shop::presentCustomers() const
{
    return static_cast<int32_t>(
        std::count_if(customers.begin(), customers.end(), [](const lang::Ref<Customer>& c) { return c; }));
}

int32_t Kipto2Shop::chooseFace()
{
    std::vector<int32_t> inUse;
    for (const lang::Ref<Customer>& customer : customers) {
        if (customer)
            inUse.push_back(customer->getFaceIndex());
    }
    return Customer::pickFace(random.nextInt(std::max(Customer::faceCount() - 2, 0)), inUse);
}

void Kipto2Shop::spawnCustomer()
{
    clock.setArrivalCountdown(arrived <= EarlyArrivals ? arrived + 4
            : isBlitz()                                ? BlitzArrivalFrames
                                                       : DayArrivalFrames);
    if (presentCustomers() >= Places || arrived >= maxServed || !Customer::hasTemplates())
        return;
    Wish wish;
    if (!chooser.choose(catalogue.getGroups(), catalogue, arrived, wish)) {
        ++unwishedArrivals; // nothing left to wish for: the place stays empty
        return;
    }
    lang::Ref<Customer> customer = lang::adopt(new Customer(&audio, chooseFace()));
    std::vector<sprite::ShopItemSprite*> sprites;
    for (SpriteRec* member : wish.members)
        sprites.push_back(member->getSprite());
    customer->setWish(sprites, wish.count, catalogue.getGroups()[wish.group]->getName());
    customer->showWish();
    ++arrived;
    if (arrived == EarlyArrivals)
        refreshHintButton();
    const auto place
        = static_cast<int32_t>(std::find(customers.begin(), customers.end(), nullptr) - customers.begin());
    insertBefore(customer.get(), getChild("buttonmenu"));
    customer->setLocation(place * PlaceWidth + PlaceLeft, OffScreenY);
    customers[place] = customer;
    for (int32_t p = 0; p < Places; ++p) {
        if (customers[p])
            customers[p]->moveTo(p * PlaceWidth + PlaceLeft, StandY, WalkFrames);
    }
    if (arrived > EarlyArrivals)
        audio.play(RoundAudio::CustomerArrives);
}

// --- the end of a round

void Kipto2Shop::endRound(bool leftByMenu)
{
    audio.stop(RoundAudio::LowTime);
    audio.stop(RoundAudio::StingerBase + shopNumber);
    audio.stop(audio.ambientEntry());
    if (sprite::SpriteBase* lowTime = getChild("lowtime"); lowTime && lowTime->isVisible()) {
        lowTime->setListener(this, nullptr);
        lowTime->fadeTo(0, LowTimeFadeFrames / 2, true);
    }
    for (int32_t place = 0; place < Places; ++place)
        customerLeaves(place);
    audio.fadeOut(audio.musicEntry(), MusicEndFrames);
    audio.stopChatter();
    ended = true;
    if (lockout.isLockedOut()) {
        lockout.reset();
        endLockout();
    }
    Kipto2Canvas* owner = canvas();
    if (leftByMenu) {
        if (owner)
            owner->leaveShop(true);
        return;
    }
    setPaused(true);
    if (owner)
        showSprite(owner->getDialogs().blackdrop(), true);
    showResults();
}

void Kipto2Shop::showResults()
{
    Kipto2Canvas* owner = canvas();
    RoundResults results(owner ? owner->getDialogs().roundComplete() : nullptr,
        owner ? owner->getDialogs().roundFail() : nullptr);
    if (isBlitz()) {
        const int32_t time = clock.blitzTenths();
        const bool newBest = record().recordBlitzTime(shopNumber, time) == 0;
        // The best-times list marks this time, and "RCSubmit" sends it.
        if (BlitzTimesPanel* panel = owner ? owner->getDialogs().blitzTimesPanel() : nullptr)
            panel->setLastTime(time);
        audio.play(results.showBlitz(newBest));
        return;
    }
    int16_t& best = record().bestServed[ProfileSave::dayIndex(shopNumber, day)];
    best = static_cast<int16_t>(std::max<int32_t>(best, served));
    if (served >= RoundResults::PassServed && shopNumber == OwnShop && day == LastDay) {
        showSprite(owner ? owner->getDialogs().blackdrop() : nullptr, false);
        if (owner)
            owner->leaveShop(false);
        return;
    }
    if (const int32_t sound = results.showDay(shopNumber, served))
        audio.play(sound);
}

// --- pausing

void Kipto2Shop::setPaused(bool on)
{
    if (on == paused)
        return;
    paused = on;
    sprite::SpriteBase* pauseScreen = getChild("pauseScreen");
    showSprite(pauseScreen, on);
    enableButton(getChild("buttonmenu"), !on);
    pauseSprites(on);
    if (on) {
        enableHintButton(false);
        if (pauseScreen)
            add(pauseScreen);
        audio.fadeOut(audio.musicEntry(), PauseFadeFrames);
        audio.stop(RoundAudio::LowTime);
        audio.stop(audio.ambientEntry());
        audio.stopChatter();
        return;
    }
    refreshHintButton();
    if (!ended && musicStarted) {
        audio.startMusic(PauseFadeFrames);
        if (clock.getTimeLeft() < LowTimeLoopUnits + 1)
            audio.loop(RoundAudio::LowTime);
        audio.startAmbientLoop();
    }
    Kipto2Canvas* owner = canvas();
    if (owner && owner->getCurrentShop() == this && owner->getCurrentScreen() == ScreenPause)
        owner->setCurrentScreen(ScreenShop);
}

void Kipto2Shop::pauseSprites(bool on)
{
    for (const lang::Ref<Customer>& customer : customers) {
        if (customer)
            customer->setPaused(on);
    }
    for (const lang::Ref<sprite::SpriteBase>& flight : flights)
        flight->setDelayed(on);
}
