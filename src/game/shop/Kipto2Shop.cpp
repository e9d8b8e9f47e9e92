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

// Frames of the round's motions and delays.
constexpr int32_t StingerDelay = 8;
constexpr int32_t MusicDelay = 50;
constexpr int32_t EndLevelDelay = 40;
constexpr int32_t EndAfterLastDelay = 52;
constexpr int32_t EnableHintDelay = 50;
constexpr int32_t BlitzEnableHintDelay = 30;
constexpr int32_t DayFlightFrames = 12;
constexpr int32_t BlitzFlightFrames = 4;
constexpr int32_t DayFadeFrames = 10;
constexpr int32_t BlitzFadeFrames = 5;
constexpr int32_t MusicEndFrames = 75;
constexpr int32_t PauseFadeFrames = 8;
constexpr int32_t LowTimeFadeFrames = 24;
constexpr int32_t LowTimeUnits = 15;
constexpr int32_t LowTimeLoopUnits = 10;
constexpr int32_t TutorialUnits = 120;
constexpr int32_t TutorialServed = 11;
constexpr int32_t MoneyRise = 100;
constexpr int32_t MoneyFrames = 50;
constexpr int32_t BlitzArrivalFrames = 12;
constexpr int32_t DayArrivalFrames = 30;
constexpr int32_t EarlyArrivals = 5;
constexpr int32_t ChimeSteps = 30;
// The no-go sign's picture is 32 pixels wide, centred on the pointer.
constexpr int32_t NoGoHalf = 16;
// The find burst's pattern on days and in Blitz; the variant of both.
constexpr int32_t DayFindPattern = 3;
constexpr int32_t BlitzFindPattern = 2;
constexpr int32_t FindVariant = 3;
// Shop 9's clouds drift across the sky.
constexpr int32_t CloudShop = 9;
constexpr int32_t CloudRight = 680;

int32_t numberAfter(const lang::String& name, const char* prefix)
{
    return std::atoi(name.c_str() + std::strlen(prefix));
}

} // namespace

Kipto2Shop::Kipto2ShopClass Kipto2Shop::classObject("Kipto2Shop");

Kipto2Shop::Kipto2Shop()
    : audio(nullptr, random),
      chooser(random),
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
        owner->scheduleAction(0, name, sprite::ActionSchedule::Cancel | sprite::ActionSchedule::MatchSourceAndTarget, this,
            this);
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
    twinkles = sparkle && sparkle->isInstanceOf("SparkleSprite") ? static_cast<SparkleSprite*>(sparkle) : nullptr;
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
            faces && faces->isInstanceOf("AnimateSprite") ? static_cast<sprite::AnimateSprite*>(faces) : nullptr,
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
    chatterAt = clock.getTimeLeft() - 20 - random.nextInt(19);
    startOrWait();
    audio.stop(audio.musicEntry());
    musicStarted = false;
    initAmbient();
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
    sprite::SpriteBase* caption = getChild("txtbox2");
    showSprite(caption, decorating);
    if (decorating && caption && caption->isInstanceOf("AnimateSprite"))
        static_cast<sprite::AnimateSprite*>(caption)->setFrame(day - 1);
    // The furnishing buttons belong to the decorating visits only.
    if (decorating)
        return;
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
    setSpriteText(page->getChild("GSHTPText"), lang::ResourceFile::loadText(blitzHelp ? "BlitzShopText" : "GSHTPText"));
    page->setVisible(true);
}

void Kipto2Shop::initAmbient()
{
    if (shopNumber == CloudShop) {
        sprite::SpriteBase* far = getChild("CloudFar");
        sprite::SpriteBase* close = getChild("CloudClose");
        if (far) {
            far->setLocation(-25, -6);
            far->moveTo(CloudRight, -6, 8460);
            far->setListener(this, "initAmbientAnim");
        }
        if (close) {
            close->setLocation(-300, 15);
            close->moveTo(CloudRight, 15, 5880);
        }
        for (sprite::SpriteBase* cloud : {far, close}) {
            if (cloud && cloud->isInstanceOf("AnimateSprite"))
                static_cast<sprite::AnimateSprite*>(cloud)->setAnimation(1, true);
        }
    }
    switch (shopNumber) {
    case 4:
        ambientAt = clock.getTimeLeft() - 25 - random.nextInt(24);
        break;
    case 9:
        ambientAt = clock.getTimeLeft() - 20 - random.nextInt(19);
        break;
    case 11:
        ambientAt = clock.getTimeLeft() - 20 - random.nextInt(14);
        break;
    default:
        ambientAt = -1;
    }
}

void Kipto2Shop::runAmbientAnimation()
{
    sprite::SpriteBase* sprite = getChild("ambientAnim1");
    if (sprite && sprite->isInstanceOf("AnimateSprite")) {
        auto* animation = static_cast<sprite::AnimateSprite*>(sprite);
        animation->setVisible(true);
        animation->setRange(1, animation->getColumns() * animation->getRows() - 1);
        animation->setFrame(1);
        animation->setTicksPerStep(3);
        animation->setLoops(shopNumber == TutorialShop ? 2 + random.nextInt(1) : 1);
        animation->setAnimation(1, true);
        animation->setListener(this, "ambientAnimDone");
    }
    audio.play(audio.ambientEntry());
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
    if (clock.getTimeLeft() <= chatterAt) {
        audio.playChatter();
        chatterAt = clock.getTimeLeft() - 33 - random.nextInt(18);
    }
    if (ambientAt >= 0 && clock.getTimeLeft() <= ambientAt) {
        runAmbientAnimation();
        initAmbient();
    }
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
    return static_cast<int32_t>(std::count_if(customers.begin(), customers.end(), [](const lang::Ref<Customer>& c) { return c; }));
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
    clock.setArrivalCountdown(arrived <= EarlyArrivals ? arrived + 4 : isBlitz() ? BlitzArrivalFrames : DayArrivalFrames);
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
    const auto place = static_cast<int32_t>(std::find(customers.begin(), customers.end(), nullptr) - customers.begin());
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

// --- clicks and hand-overs

int32_t Kipto2Shop::handleMousePressed(window::Event* event)
{
    if (!visible)
        return NotHandled;
    const int32_t x = event->x - getX();
    const int32_t y = event->y - getY();
    if (paused || ended || lockout.isLockedOut()) {
        if (paused && getChild("pauseScreen") && getChild("pauseScreen")->isVisible()) {
            setPaused(false);
            return Swallowed;
        }
        if (lockout.isLockedOut())
            audio.play(RoundAudio::Buzz);
        // Furnishing the own shop takes its buttons while the round stands still.
        if (decorating)
            return DialogSprite::handleMousePressed(event);
        return Swallowed;
    }
    if (tutorialWait) {
        if (tokenAt(x, y) == TutorialToken)
            collectHint(TutorialToken);
        return Swallowed;
    }
    if (const int32_t n = tokenAt(x, y)) {
        if (tutorialPending())
            showTutorialBubble();
        collectHint(n);
        return Swallowed;
    }
    sprite::SpriteBase* more = getChild("morehints");
    if (more && more->isVisible() && more->contains(x, y)) {
        if (tutorialPending())
            showTutorialBubble();
        else
            openHintsPage(false);
        return Swallowed;
    }
    if (hitsButton(x, y))
        return DialogSprite::handleMousePressed(event);
    int32_t place = 0;
    if (sprite::ShopItemSprite* item = wishedItemAt(x, y, place))
        handOver(item, place);
    else if (ClickLockout::inBand(y))
        registerBogusClick(x, y);
    return Swallowed;
}

bool Kipto2Shop::hitsButton(int32_t x, int32_t y)
{
    SyncGuard guard(children);
    for (int32_t i = children.size() - 1; i >= 0; --i) {
        auto* child = static_cast<sprite::SpriteBase*>(children.elementAt(i));
        sprite::ButtonMixin* button = sprite::ButtonMixin::of(child);
        if (button && button->pressTest(x, y))
            return true;
    }
    return false;
}

sprite::ShopItemSprite* Kipto2Shop::wishedItemAt(int32_t x, int32_t y, int32_t& place) const
{
    SyncGuard guard(children);
    for (int32_t i = children.size() - 1; i >= 0; --i) {
        auto* child = static_cast<sprite::SpriteBase*>(children.elementAt(i));
        if (!child->isVisible() || !child->isInstanceOf("ShopItemSprite"))
            continue;
        auto* item = static_cast<sprite::ShopItemSprite*>(child);
        if (!item->hitTestPixel(x, y, 1))
            continue;
        for (place = 0; place < Places; ++place) {
            if (customers[place] && customers[place]->wants(item))
                return item;
        }
    }
    return nullptr;
}

void Kipto2Shop::handOver(sprite::ShopItemSprite* item, int32_t place)
{
    lockout.clearClicks();
    clock.resetIdle();
    stopPointing();
    schedule(isBlitz() ? BlitzEnableHintDelay : EnableHintDelay, "enableHint");
    Customer& customer = *customers[place];
    customer.itemChosen(item);
    lang::Ref<sprite::SpriteBase> copy = lang::adopt(item->duplicate());
    add(copy.get());
    const Centre target = centreOf(*customer.getBubble());
    glideCentreTo(*copy, target.x, target.y, isBlitz() ? BlitzFlightFrames : DayFlightFrames);
    copy->setListener(this, lang::String("itemreachedlocation") + place);
    flights.push_back(copy);
    playFoundSound();
    const Centre at = centreOf(*item);
    playBurst(findBurst.get(), isBlitz() ? BlitzFindPattern : DayFindPattern, FindVariant, at.x, at.y);
    item->setVisible(false);
    const SpriteRec* member = catalogue.memberOf(item);
    if (!isBlitz() && member)
        record().itemFoundDay[ProfileSave::itemIndex(shopNumber, member->getItemNumber())] = static_cast<int16_t>(day);
}

void Kipto2Shop::playFoundSound()
{
    if (served < maxServed - 6) {
        audio.play(RoundAudio::ItemFound);
        chimeStep = 0;
    } else if (served >= maxServed - 1) {
        audio.play(RoundAudio::ItemFoundLate);
    } else {
        if (chimeStep < 0 || chimeStep > ChimeSteps)
            chimeStep = 0;
        audio.playPitched(RoundAudio::Chime, 1.0f + 0.02f * static_cast<float>(chimeStep));
        ++chimeStep;
    }
    audio.play(RoundAudio::Whoosh);
}

void Kipto2Shop::playBurst(sprite::RadialSpritePSX* burst, int32_t pattern, int32_t variant, int32_t x, int32_t y)
{
    burst->moveBy(x - burst->getReferenceX(), y - burst->getReferenceY());
    burst->restart(pattern, variant);
    add(burst);
}

void Kipto2Shop::itemReached(lang::Object* source, int32_t place)
{
    if (auto* copy = static_cast<sprite::SpriteBase*>(source)) {
        copy->fadeTo(0, isBlitz() ? BlitzFadeFrames : DayFadeFrames, false);
        copy->setListener(this, "itemfadeoutdone");
    }
    if (place < 0 || place >= Places || !customers[place])
        return;
    customers[place]->itemArrived();
    if (customers[place]->remainingItems() > 0)
        audio.play(RoundAudio::ItemArrives);
    else
        wishComplete(place);
}

void Kipto2Shop::wishComplete(int32_t place)
{
    audio.play(RoundAudio::WishComplete);
    Customer& customer = *customers[place];
    if (served < 9 || isBlitz())
        showPayment(customer);
    if (!isBlitz()) {
        const Centre face = centreOf(*customer.getFace());
        stars.award(served + 1, place, face.x, customer.getY() - 20);
    }
    customerLeaves(place);
    ++served;
    if (!isBlitz()) {
        int16_t& best = record().bestServed[ProfileSave::dayIndex(shopNumber, day)];
        best = static_cast<int16_t>(std::max<int32_t>(best, served));
    } else if (sprite::SpriteBase* count = getChild("numcur"); count && count->isInstanceOf("NumberSprite")) {
        static_cast<sprite::NumberSprite*>(count)->setValue(served);
    }
    if (tutorialPending() && served == TutorialServed)
        showTutorialBubble();
    if (served == goal)
        audio.play(RoundAudio::GoalReached);
    if (served >= maxServed && !ended) {
        ended = true;
        audio.fadeOut(audio.musicEntry(), MusicEndFrames);
        schedule(EndAfterLastDelay, "endLevel");
    }
}

void Kipto2Shop::showPayment(Customer& customer)
{
    if (!money || !money->isInstanceOf("AnimateSprite"))
        return;
    auto* coins = static_cast<sprite::AnimateSprite*>(money);
    const int32_t frames = coins->getColumns() * coins->getRows();
    coins->setFrame(random.nextInt(std::max(frames - 2, 0)));
    coins->setAlpha(sprite::SpriteBase::OpaqueAlpha);
    const Centre at = centreOf(*customer.getBubble());
    glideCentreTo(*coins, at.x, at.y, 0);
    coins->setVisible(true);
    add(coins);
    coins->moveTo(coins->getX(), coins->getY() - MoneyRise, MoneyFrames);
    coins->fadeTo(0, MoneyFrames, true);
}

void Kipto2Shop::customerLeaves(int32_t place)
{
    lang::Ref<Customer> customer = std::move(customers[place]);
    if (!customer)
        return;
    customer->moveTo(customer->getX(), OffScreenY, WalkFrames);
    customer->setListener(this, "customergone");
    leaving.push_back(customer);
}

void Kipto2Shop::registerBogusClick(int32_t x, int32_t y)
{
    if (lockout.isLockedOut())
        return;
    schedule(ClickLockout::ClickMemorySeconds, "bogusClickExpiry", true);
    if (!lockout.registerBogusClick())
        return;
    audio.play(RoundAudio::Buzz);
    showNoGoPointer(x, y);
    schedule(ClickLockout::LockSeconds, "bogusClickLockoutExpiry", true);
}

void Kipto2Shop::showNoGoPointer(int32_t x, int32_t y)
{
    if (Kipto2Canvas* owner = canvas())
        owner->setCursor(window::Cursor::getProgramCursor(window::Cursor::Program106));
    if (sprite::SpriteBase* sign = getChild("noGoCursor")) {
        sign->setLocation(x - NoGoHalf, y - NoGoHalf);
        sign->setVisible(true);
        add(sign);
    }
}

void Kipto2Shop::endLockout()
{
    if (!lockout.lockExpired())
        return;
    showSprite(getChild("noGoCursor"), false);
    if (Kipto2Canvas* owner = canvas())
        owner->setCursor(window::Cursor::getArrow());
}

int32_t Kipto2Shop::handleMouseMoved(window::Event* event)
{
    if (!visible)
        return NotHandled;
    if (!lockout.isLockedOut())
        return DialogSprite::handleMouseMoved(event);
    const int32_t x = event->x - getX();
    const int32_t y = event->y - getY();
    if (ClickLockout::inBand(y)) {
        showNoGoPointer(x, y);
    } else {
        showSprite(getChild("noGoCursor"), false);
        if (Kipto2Canvas* owner = canvas())
            owner->setCursor(window::Cursor::getArrow());
    }
    return NotHandled;
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
    RoundResults results(owner ? owner->getDialogs().roundComplete() : nullptr, owner ? owner->getDialogs().roundFail() : nullptr);
    if (isBlitz()) {
        const int32_t time = clock.blitzTenths();
        const bool newBest = record().recordBlitzTime(shopNumber, time) == 0;
        if (BlitzTimesPanel* panel = owner ? owner->getDialogs().blitzTimesPanel() : nullptr)
            panel->takeLastTime(time);
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

// --- actions

bool Kipto2Shop::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Kipto2Shop") == 0 || DialogSprite::isInstanceOf(className);
}

int32_t Kipto2Shop::offerAction(const lang::String& actionName)
{
    if (visible && (runAction(nullptr, actionName) || decor.handle(actionName)))
        return Swallowed;
    return DialogSprite::offerAction(actionName);
}

void Kipto2Shop::onAction(lang::Object* source, const lang::String& name)
{
    if (!runAction(source, name))
        decor.handle(name);
}

bool Kipto2Shop::runAction(lang::Object* source, const lang::String& name)
{
    const ButtonTable::Entry* entry = actions.find(name);
    if (!entry)
        return false;
    if (entry->clicks())
        audio.play(RoundAudio::Click);
    entry->handler(source, name);
    return true;
}

void Kipto2Shop::registerActions()
{
    using Table = ButtonTable;
    const int32_t numbered = Table::Prefix | Table::ExactCase;
    const auto forget = [this](lang::Object* source, const lang::String&) {
        auto* sprite = static_cast<sprite::SpriteBase*>(source);
        if (!sprite)
            return;
        remove(sprite);
        for (auto* list : {&leaving, &flights})
            std::erase_if(*list, [sprite](const lang::Ref<sprite::SpriteBase>& held) { return held.get() == sprite; });
    };
    // Scheduled by the round.
    actions.add("bogusClickExpiry", Table::Silent, [this](lang::Object*, const lang::String&) { lockout.clickExpired(); });
    actions.add("bogusClickLockoutExpiry", Table::Silent, [this](lang::Object*, const lang::String&) { endLockout(); });
    actions.add("endLevel", Table::Silent, [this](lang::Object*, const lang::String&) { endRound(false); });
    actions.add("startStinger", Table::Silent, [this](lang::Object*, const lang::String&) {
        audio.play(RoundAudio::StingerBase + shopNumber);
        schedule(MusicDelay, "startBackgroundMusic");
    });
    actions.add("startBackgroundMusic", Table::Silent, [this](lang::Object*, const lang::String&) {
        if (ended || paused)
            return;
        musicStarted = true;
        audio.startMusic(RoundAudio::MusicFadeInFrames);
        audio.startAmbientLoop();
    });
    actions.add("enableHint", Table::Silent, [this](lang::Object*, const lang::String&) { refreshHintButton(); });
    // The ends of the round's animations.
    actions.add("foundHint", numbered, [this](lang::Object* source, const lang::String& name) {
        tokenArrived(source, numberAfter(name, "foundHint"));
    });
    actions.add("itemreachedlocation", numbered, [this](lang::Object* source, const lang::String& name) {
        itemReached(source, numberAfter(name, "itemreachedlocation"));
    });
    actions.add("itemfadeoutdone", Table::Silent, forget);
    actions.add("customergone", Table::Silent, forget);
    actions.add("shootstar", numbered, [this](lang::Object*, const lang::String& name) {
        stars.shoot(numberAfter(name, "shootstar"));
    });
    actions.add("starreacheddest", numbered, [this](lang::Object*, const lang::String& name) {
        audio.play(RoundAudio::StarArrives);
        stars.land(numberAfter(name, "starreacheddest"));
    });
    actions.add("fadeOutLowtime", Table::Silent, [this](lang::Object* source, const lang::String&) {
        if (auto* lowTime = static_cast<sprite::SpriteBase*>(source)) {
            lowTime->fadeTo(0, LowTimeFadeFrames, false);
            lowTime->setListener(this, "fadeInLowtime");
        }
    });
    actions.add("fadeInLowtime", Table::Silent, [this](lang::Object* source, const lang::String&) {
        if (auto* lowTime = static_cast<sprite::SpriteBase*>(source)) {
            lowTime->fadeTo(sprite::SpriteBase::OpaqueAlpha, LowTimeFadeFrames, false);
            lowTime->setListener(this, "fadeOutLowtime");
        }
    });
    actions.add("initAmbientAnim", Table::Silent, [this](lang::Object*, const lang::String&) { initAmbient(); });
    actions.add("ambientAnimDone", Table::Silent, [](lang::Object* source, const lang::String&) {
        if (auto* animation = static_cast<sprite::AnimateSprite*>(source)) {
            animation->setAnimation(0, false);
            animation->setFrame(0);
        }
    });
    actions.add("sparkleInDone", Table::Silent, [this](lang::Object*, const lang::String&) {
        if (twinkles && (!twinkles->isVisible() || twinkles->getAlpha() == 0))
            pointAtNext();
    });
    // Buttons of the round and of its pages.
    actions.add("buttonmenu", Table::Click, [this](lang::Object*, const lang::String&) { openMiniMenu(); });
    actions.add("buttonhint", Table::Silent, [this](lang::Object*, const lang::String&) { useHint(); });
    actions.add("MMContinue", Table::Click, [this](lang::Object*, const lang::String&) { continueFromMiniMenu(); });
    actions.add("GSHTPPlay", Table::Click, [this](lang::Object*, const lang::String&) { playFromHowToPlay(); });
    actions.add("HContinue", Table::Click, [this](lang::Object*, const lang::String&) { closeHintsPage(); });
    actions.add("RCContinue", Table::Click, [this](lang::Object*, const lang::String&) { continueFromResults(); });
    actions.add("RFReplay", Table::Click, [this](lang::Object*, const lang::String&) { replayDay(); });
}

void Kipto2Shop::openMiniMenu()
{
    if (ended)
        return;
    setPaused(true);
    Kipto2Canvas* owner = canvas();
    sprite::DialogSprite* menu = owner ? owner->getDialogs().miniMenu() : nullptr;
    if (!menu)
        return;
    showSprite(menu->getChild("MMblitzbtn"), isBlitz());
    showSprite(menu->getChild("MMCalendar"), !isBlitz());
    menu->setVisible(true);
}

void Kipto2Shop::continueFromMiniMenu()
{
    if (Kipto2Canvas* owner = canvas())
        showSprite(owner->getDialogs().miniMenu(), false);
    setPaused(false);
}

void Kipto2Shop::playFromHowToPlay()
{
    if (Kipto2Canvas* owner = canvas()) {
        showSprite(owner->getDialogs().howToPlay(), false);
        showSprite(owner->getDialogs().blackdrop(), false);
    }
    setPaused(false);
    schedule(StingerDelay, "startStinger");
}

void Kipto2Shop::continueFromResults()
{
    Kipto2Canvas* owner = canvas();
    if (!owner)
        return;
    RoundResults(owner->getDialogs().roundComplete(), owner->getDialogs().roundFail()).hideAll();
    showSprite(owner->getDialogs().blackdrop(), false);
    owner->leaveShop(false);
}

void Kipto2Shop::replayDay()
{
    if (Kipto2Canvas* owner = canvas()) {
        showSprite(owner->getDialogs().roundFail(), false);
        showSprite(owner->getDialogs().blackdrop(), false);
    }
    startDay(day, false);
}
