// The round's clicks: items handed over and their flights to the customers, payment and the
// progress stars of a complete wish, customers leaving, and the lockout of random clicking.
#include "game/Kipto2Canvas.h"
#include "game/flow/SpriteHelpers.h"
#include "game/shop/Glide.h"
#include "game/shop/Kipto2Shop.h"
#include "sprite/ButtonMixin.h"
#include "sprite/NumberSprite.h"
#include "window/Cursor.h"
#include "window/Event.h"

#include <algorithm>

namespace {

// Frames of the hand-overs, their flights, the payment and the last customer's end.
constexpr int32_t EndAfterLastDelay = 52;
constexpr int32_t EnableHintDelay = 50;
constexpr int32_t BlitzEnableHintDelay = 30;
constexpr int32_t DayFlightFrames = 12;
constexpr int32_t BlitzFlightFrames = 4;
constexpr int32_t DayFadeFrames = 10;
constexpr int32_t BlitzFadeFrames = 5;
constexpr int32_t TutorialServed = 11;
constexpr int32_t MoneyRise = 100;
constexpr int32_t MoneyFrames = 50;
constexpr int32_t ChimeSteps = 30;
// The no-go sign's picture is 32 pixels wide, centred on the pointer.
constexpr int32_t NoGoHalf = 16;
// The find burst of Blitz.
constexpr int32_t BlitzFindPattern = 2;

} // namespace

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
        record().itemFoundDay[ProfileSave::itemIndex(shopNumber, member->getItemNumber())]
            = static_cast<int16_t>(day);
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

void Kipto2Shop::playBurst(
    sprite::RadialSpritePSX* burst, int32_t pattern, int32_t variant, int32_t x, int32_t y)
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
