#include "game/shop/Decorating.h"

#include "game/Kipto2Canvas.h"
#include "game/campaign/CampaignSprites.h"
#include "game/campaign/UpgradeNames.h"
#include "game/flow/SpriteHelpers.h"
#include "game/save/ProfileSave.h"
#include "sprite/ActionSchedule.h"
#include "sprite/ButtonMixin.h"
#include "sprite/DialogSprite.h"
#include "sprite/ImageSprite.h"

#include <algorithm>

namespace {

using State = sprite::ButtonMixin::State;

constexpr const char* DecorationPrefix = "myshop_upgrade_A_";
constexpr const char* SparkleDone = "decorSparkleDone";

} // namespace

Decorating::Decorating(sprite::DialogSprite& shop) : shop(shop) {}

Decorating::~Decorating() = default;

sprite::SpriteBase* Decorating::child(const lang::String& name) const
{
    return shop.getChild(name);
}

int16_t& Decorating::valueOf(int32_t slot)
{
    return save->upgrades[std::clamp(slot, 1, LastSlot) - 1];
}

sprite::SpriteBase* Decorating::picture(int32_t slot, int32_t value) const
{
    return child(upgrades::picture(DecorationPrefix, slot, value));
}

void Decorating::playSound(int32_t entry)
{
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
        canvas->playSoundEntry(entry);
}

void Decorating::startDay(ProfileSave& record, int32_t shopNumber, int32_t newDay, bool decorating)
{
    sparkle.stop();
    visiting = decorating && shopNumber == OwnShop;
    if (!visiting)
        return;
    save = lang::retain(&record);
    day = std::clamp(newDay, 1, LastSlot - FirstSlot + 1);
    newestSlot = editedSlot = day + FirstSlot - 1;
    // The visit stands still without the pause page over it.
    showSprite(child("pauseScreen"), false);
    for (int32_t slot = FirstSlot; slot <= LastSlot; ++slot) {
        prepareButton(child(upgrades::slotButton(slot)));
        showSprite(child(upgrades::slotButton(slot)), true);
        for (int32_t option = 1; option <= upgrades::Options; ++option)
            prepareButton(child(upgrades::optionButton(slot, option)));
    }
    sprite::SpriteBase* next = child("nextbutton");
    prepareButton(next);
    const bool nextShown = valueOf(newestSlot) != 0;
    showSprite(next, nextShown);
    enableButton(next, nextShown);
    if (next)
        next->setAlpha(sprite::SpriteBase::OpaqueAlpha);
    refresh();
}

void Decorating::prepareButton(sprite::SpriteBase* button)
{
    useFiveCellLooks(button);
    if (sprite::ButtonMixin* mixin = sprite::ButtonMixin::of(button))
        mixin->setFireOnRelease(true);
}

void Decorating::refresh()
{
    for (int32_t slot = FirstSlot; slot <= LastSlot; ++slot) {
        const bool editing = slot == editedSlot;
        setButtonState(child(upgrades::slotButton(slot)),
            editing ? State::Selected
            : slot <= newestSlot ? State::Normal
                                 : State::Disabled);
        for (int32_t option = 1; option <= upgrades::Options; ++option) {
            sprite::SpriteBase* button = child(upgrades::optionButton(slot, option));
            showSprite(button, editing);
            setButtonState(button, option == valueOf(slot) ? State::Selected : State::Normal);
        }
    }
    fadeCaption(editedSlot == newestSlot && valueOf(newestSlot) == 0);
}

void Decorating::fadeCaption(bool in)
{
    sprite::SpriteBase* caption = child("txtbox2");
    if (!caption)
        return;
    if (in) {
        if (!caption->isVisible()) {
            caption->setAlpha(0);
            caption->setVisible(true);
        }
        caption->fadeTo(sprite::SpriteBase::OpaqueAlpha, FadeFrames, false);
    } else if (caption->isVisible()) {
        caption->fadeTo(0, FadeFrames, true);
    }
}

bool Decorating::handle(const lang::String& name)
{
    if (!visiting)
        return false;
    int32_t slot = 0;
    int32_t option = 0;
    if (upgrades::parseOptionButton(name, slot, option)) {
        if (slot == editedSlot)
            choose(slot, option);
        return true;
    }
    if (upgrades::parseSlotButton(name, slot)) {
        editSlot(slot);
        return true;
    }
    if (name.equals("nextbutton")) {
        finishVisit();
        return true;
    }
    if (name.equals("showNext")) {
        showNext();
        return true;
    }
    if (name.equals(SparkleDone)) {
        sparkleEnded();
        return true;
    }
    return false;
}

void Decorating::choose(int32_t slot, int32_t option)
{
    int16_t& value = valueOf(slot);
    if (value == option)
        return;
    showSprite(picture(slot, value), false);
    value = static_cast<int16_t>(option);
    playSound(ChooseSound);
    if (slot == newestSlot)
        fadeCaption(false);
    for (int32_t other = 1; other <= upgrades::Options; ++other)
        setButtonState(child(upgrades::optionButton(slot, other)), other == option ? State::Selected : State::Normal);
    sprite::SpriteBase* chosen = picture(slot, option);
    showSprite(chosen, true);
    sprite::SpriteBase* model = child("Twinkles");
    if (chosen && model && chosen->isInstanceOf("ImageSprite"))
        sparkle.start(shop, *model, *static_cast<sprite::ImageSprite*>(chosen), &shop, SparkleDone);
    else
        sparkleEnded();
}

void Decorating::editSlot(int32_t slot)
{
    if (slot == editedSlot || slot < FirstSlot || slot > newestSlot)
        return;
    playSound(ClickSound);
    editedSlot = slot;
    refresh();
}

void Decorating::sparkleEnded()
{
    if (!sparkle.endIfDone())
        return;
    sprite::SpriteBase* next = child("nextbutton");
    Kipto2Canvas* canvas = Kipto2Canvas::getInstance();
    if (editedSlot == newestSlot && next && !next->isVisible() && canvas)
        canvas->scheduleAction(NextDelayFrames, "showNext", sprite::ActionSchedule::Replace, &shop, &shop);
}

void Decorating::showNext()
{
    sprite::SpriteBase* next = child("nextbutton");
    if (!next || !shop.isVisible())
        return;
    if (!next->isVisible()) {
        next->setAlpha(0);
        next->setVisible(true);
    }
    enableButton(next, true);
    next->fadeTo(sprite::SpriteBase::OpaqueAlpha, FadeFrames, false);
}

void Decorating::finishVisit()
{
    sprite::SpriteBase* next = child("nextbutton");
    if (!next || !next->isVisible())
        return;
    playSound(NextSound);
    sparkle.stop();
    visiting = false;
    Kipto2Canvas* canvas = Kipto2Canvas::getInstance();
    if (!canvas)
        return;
    const int32_t visitDay = day;
    canvas->leaveShop(true);
    canvas->onAction(&shop, lang::String("EnterShop") + OwnShop + "_" + visitDay);
}
