// The round's help: hidden hint tokens that add to the hint stock, the hint button that shows
// every customer's wish as a picture, the hints page, the sparkle that points at things when
// the player is idle, and the tutorial of the first round, whose bubble waits for its token.
#include "game/Kipto2Canvas.h"
#include "game/ambient/SparkleSprite.h"
#include "game/flow/SpriteHelpers.h"
#include "game/shop/Glide.h"
#include "game/shop/Kipto2Shop.h"
#include "sprite/NumberSprite.h"

namespace {

constexpr int32_t TokenFlightFrames = 25;
// The flying token lands this far below the hint count.
constexpr int32_t TokenLandingDrop = 25;
constexpr int32_t TokenPointerHold = 75;
constexpr int32_t ItemPointerHold = 36;
constexpr int32_t TokenBurstPattern = 2;
constexpr int32_t TokenBurstVariant = 3;

} // namespace

sprite::SpriteBase* Kipto2Shop::token(int32_t n)
{
    return getChild(lang::String("hint_") + n);
}

int32_t Kipto2Shop::tokenAt(int32_t x, int32_t y)
{
    for (int32_t n = 1; n <= TutorialToken; ++n) {
        sprite::SpriteBase* hint = token(n);
        if (hint && hint->isVisible() && hint->contains(x, y))
            return n;
    }
    return 0;
}

sprite::SpriteBase* Kipto2Shop::firstVisibleToken(int32_t last)
{
    for (int32_t n = 1; n <= last; ++n) {
        sprite::SpriteBase* hint = token(n);
        if (hint && hint->isVisible())
            return hint;
    }
    return nullptr;
}

void Kipto2Shop::collectHint(int32_t n)
{
    sprite::SpriteBase* hint = token(n);
    if (!hint)
        return;
    clock.resetIdle();
    const Centre at = centreOf(*hint);
    playBurst(findBurst.get(), TokenBurstPattern, TokenBurstVariant, at.x, at.y);
    lang::Ref<sprite::SpriteBase> copy = lang::adopt(hint->duplicate());
    add(copy.get());
    if (sprite::SpriteBase* count = getChild("numhints")) {
        const Centre landing = centreOf(*count);
        glideCentreTo(*copy, landing.x, landing.y + TokenLandingDrop, TokenFlightFrames);
    } else {
        glideCentreTo(*copy, at.x, at.y, TokenFlightFrames);
    }
    copy->setListener(this, lang::String("foundHint") + n);
    flights.push_back(copy);
    hint->setVisible(false);
    if (n == TutorialToken)
        showSprite(getChild("hint_popup_bubble"), false);
    audio.play(RoundAudio::TokenFound);
}

void Kipto2Shop::tokenArrived(lang::Object* source, int32_t n)
{
    if (auto* copy = static_cast<sprite::SpriteBase*>(source)) {
        remove(copy);
        std::erase_if(
            flights, [copy](const lang::Ref<sprite::SpriteBase>& held) { return held.get() == copy; });
    }
    changeHints(+1);
    hintTokensLeft = std::max(0, hintTokensLeft - 1);
    showSprite(getChild("morehints"), hintTokensLeft > 0);
    const bool tutorialWasWaiting = tutorialWait;
    if (n == TutorialToken)
        tutorialWait = false;
    if (tutorialWasWaiting)
        openHintsPage(true);
    if (!isBlitz() && n >= 1 && n <= HintTokens)
        record().hintTaken[ProfileSave::tokenIndex(shopNumber, n - 1)] = 1;
    ++hintTokensTaken;
}

void Kipto2Shop::changeHints(int32_t delta)
{
    const int32_t stock = hints.change(delta);
    sprite::SpriteBase* count = getChild("numhints");
    if (count && count->isInstanceOf("NumberSprite"))
        static_cast<sprite::NumberSprite*>(count)->setValue(stock);
    enableHintButton(stock > 0 && !paused);
}

void Kipto2Shop::refreshHintButton()
{
    enableHintButton(hints.count() > 0 && !paused && !ended);
}

void Kipto2Shop::enableHintButton(bool on)
{
    enableButton(getChild("buttonhint"), on);
}

void Kipto2Shop::useHint()
{
    if (hints.count() <= 0 || paused || ended)
        return;
    audio.play(RoundAudio::HintUsed);
    ++hintsUsed;
    for (const lang::Ref<Customer>& customer : customers) {
        if (customer)
            customer->showHint();
    }
    changeHints(-1);
    enableHintButton(false);
}

void Kipto2Shop::openHintsPage(bool tutorialUp)
{
    setPaused(true);
    Kipto2Canvas* owner = canvas();
    if (owner) {
        showSprite(owner->getDialogs().blackdrop(), true);
        showSprite(owner->getDialogs().hints(), true);
    }
    const bool firstTokenLeft = !record().hintTaken[ProfileSave::tokenIndex(TutorialShop, 0)];
    if (tutorialUp && isTutorialRound() && firstTokenLeft)
        showSprite(token(1), true);
}

void Kipto2Shop::closeHintsPage()
{
    if (Kipto2Canvas* owner = canvas()) {
        showSprite(owner->getDialogs().hints(), false);
        showSprite(owner->getDialogs().blackdrop(), false);
    }
    tutorialWait = false;
    showSprite(getChild("hint_popup_bubble"), false);
    setPaused(false);
    const bool firstTokenLeft = !record().hintTaken[ProfileSave::tokenIndex(TutorialShop, 0)];
    if (isTutorialRound() && firstTokenLeft) {
        if (sprite::SpriteBase* hint = firstVisibleToken(TutorialToken))
            pointAt({centreOf(*hint)}, TokenPointerHold);
    }
}

void Kipto2Shop::showTutorialBubble()
{
    sprite::SpriteBase* tutorialToken = token(TutorialToken);
    // Without its token nothing could answer the bubble: the round would stand still for good.
    if (!tutorialPending() || !tutorialToken || !tutorialToken->isVisible())
        return;
    tutorialWait = true;
    record().tutorialShown = 1;
    showSprite(getChild("hint_popup_bubble"), true);
    audio.play(RoundAudio::TokenFound);
}

void Kipto2Shop::idleHelp()
{
    if (random.nextInt(3) == 0) {
        if (sprite::SpriteBase* hint = firstVisibleToken(HintTokens)) {
            pointAt({centreOf(*hint)}, TokenPointerHold);
            return;
        }
    }
    const int32_t start = random.nextInt(3);
    for (int32_t i = 0; i < Places; ++i) {
        const lang::Ref<Customer>& customer = customers[(start + i) % Places];
        if (!customer)
            continue;
        std::vector<Centre> targets;
        for (sprite::ShopItemSprite* item : customer->wishedSprites()) {
            if (item->isVisible())
                targets.push_back(centreOf(*item));
        }
        pointAt(targets, ItemPointerHold);
        return;
    }
}

void Kipto2Shop::pointAt(const std::vector<Centre>& targets, int32_t holdFrames)
{
    pointerTargets = targets;
    pointerHold = holdFrames;
    pointAtNext();
}

void Kipto2Shop::pointAtNext()
{
    if (!twinkles || pointerTargets.empty())
        return;
    const Centre target = pointerTargets.front();
    pointerTargets.erase(pointerTargets.begin());
    twinkles->startSparkle(pointerHold, target.x, target.y, 1, 0.0, 0.0);
    add(twinkles);
}

void Kipto2Shop::stopPointing()
{
    pointerTargets.clear();
    showSprite(twinkles, false);
}
