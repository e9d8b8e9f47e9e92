// The round's named actions: a table from the names of its scheduled actions, of the ends of
// its animations and of its pages' buttons to their handlers.
#include "game/Kipto2Canvas.h"
#include "game/ambient/SparkleSprite.h"
#include "game/flow/SpriteHelpers.h"
#include "game/shop/Kipto2Shop.h"
#include "game/shop/RoundResults.h"

#include <cstdlib>
#include <cstring>

namespace {

int32_t numberAfter(const lang::String& name, const char* prefix)
{
    return std::atoi(name.c_str() + std::strlen(prefix));
}

} // namespace

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
            std::erase_if(
                *list, [sprite](const lang::Ref<sprite::SpriteBase>& held) { return held.get() == sprite; });
    };
    // Scheduled by the round.
    actions.add("bogusClickExpiry", Table::Silent,
        [this](lang::Object*, const lang::String&) { lockout.clickExpired(); });
    actions.add("bogusClickLockoutExpiry", Table::Silent,
        [this](lang::Object*, const lang::String&) { endLockout(); });
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
    actions.add(
        "enableHint", Table::Silent, [this](lang::Object*, const lang::String&) { refreshHintButton(); });
    // The ends of the round's animations.
    actions.add("foundHint", numbered, [this](lang::Object* source, const lang::String& name) {
        tokenArrived(source, numberAfter(name, "foundHint"));
    });
    actions.add("itemreachedlocation", numbered, [this](lang::Object* source, const lang::String& name) {
        itemReached(source, numberAfter(name, "itemreachedlocation"));
    });
    actions.add("itemfadeoutdone", Table::Silent, forget);
    actions.add("customergone", Table::Silent, forget);
    actions.add("shootstar", numbered,
        [this](lang::Object*, const lang::String& name) { stars.shoot(numberAfter(name, "shootstar")); });
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
    actions.add("initAmbientAnim", Table::Silent,
        [this](lang::Object*, const lang::String&) { ambience.initAmbient(clock.getTimeLeft()); });
    actions.add("ambientAnimDone", Table::Silent, [](lang::Object* source, const lang::String&) {
        ShopAmbience::rest(static_cast<sprite::SpriteBase*>(source));
    });
    actions.add("sparkleInDone", Table::Silent, [this](lang::Object*, const lang::String&) {
        if (twinkles && (!twinkles->isVisible() || twinkles->getAlpha() == 0))
            pointAtNext();
    });
    // Buttons of the round and of its pages.
    actions.add("buttonmenu", Table::Click, [this](lang::Object*, const lang::String&) { openMiniMenu(); });
    actions.add("buttonhint", Table::Silent, [this](lang::Object*, const lang::String&) { useHint(); });
    actions.add(
        "MMContinue", Table::Click, [this](lang::Object*, const lang::String&) { continueFromMiniMenu(); });
    actions.add(
        "GSHTPPlay", Table::Click, [this](lang::Object*, const lang::String&) { playFromHowToPlay(); });
    actions.add("HContinue", Table::Click, [this](lang::Object*, const lang::String&) { closeHintsPage(); });
    actions.add(
        "RCContinue", Table::Click, [this](lang::Object*, const lang::String&) { continueFromResults(); });
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
