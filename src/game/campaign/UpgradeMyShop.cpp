#include "game/campaign/UpgradeMyShop.h"

#include "game/Kipto2Canvas.h"
#include "game/ambient/RainSprite.h"
#include "game/campaign/CampaignSprites.h"
#include "game/campaign/UpgradeNames.h"
#include "game/flow/SpriteHelpers.h"
#include "game/save/ProfileSave.h"
#include "sprite/ActionSchedule.h"
#include "sprite/ButtonMixin.h"
#include "sprite/ImageSprite.h"

#include <algorithm>
#include <cstring>

UpgradeMyShop::UpgradeMyShopClass UpgradeMyShop::classObject("UpgradeMyShop");

namespace {

using State = sprite::ButtonMixin::State;

constexpr const char* PicturePrefix = "myshop_upgrade_B_";
constexpr const char* ConfettiPictures = "+iconfetti";

} // namespace

UpgradeMyShop::UpgradeMyShop() : save(lang::adopt(new ProfileSave)) {}

UpgradeMyShop::~UpgradeMyShop() = default;

int16_t& UpgradeMyShop::valueOf(int32_t slot)
{
    return save->upgrades[std::clamp(slot, 1, Slots) - 1];
}

sprite::SpriteBase* UpgradeMyShop::picture(int32_t slot, int32_t value)
{
    return getChild(upgrades::picture(PicturePrefix, slot, value));
}

sprite::SpriteBase* UpgradeMyShop::optionButton(int32_t slot, int32_t value)
{
    return getChild(upgrades::optionButton(slot, value));
}

sprite::SpriteBase* UpgradeMyShop::slotButton(int32_t slot)
{
    return getChild(upgrades::slotButton(slot));
}

void UpgradeMyShop::playSound(int32_t entry)
{
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
        canvas->playSoundEntry(entry);
}

void UpgradeMyShop::schedule(int32_t frames, const char* action)
{
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
        canvas->scheduleAction(frames, action, 0, this, this);
}

// --- what the canvas asks

void UpgradeMyShop::prepare(int32_t visit, ProfileSave* record)
{
    save = record ? lang::retain(record) : lang::adopt(new ProfileSave);
    level = currentSlot = std::clamp(visit, 1, FinalVisit) - 1;
    sparkle.stop();
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance()) {
        for (const char* action : {"showText", "showNext"})
            canvas->scheduleAction(0, action, sprite::ActionSchedule::Cancel | sprite::ActionSchedule::MatchSourceAndTarget,
                this, this);
    }
    playSound(OpenSound);
    if (isFinal()) {
        startCelebration();
    } else {
        stopCelebration();
        showSprite(getChild("upgrade_list"), true);
        showFrame(getChild("txtbox1"), level);
        showSprite(getChild("txtboxfinal"), false);
        showSprite(getChild("congrats_overlay"), false);
    }
    showChosenPictures();
    for (int32_t slot = 1; slot <= Slots; ++slot) {
        showSprite(slotButton(slot), !isFinal());
        enableButton(slotButton(slot), !isFinal() && slot <= level + 1);
    }
    refresh();
    sprite::SpriteBase* next = getChild("nextbutton");
    const bool nextShown = !isFinal() && valueOf(currentSlot + 1) != 0;
    showSprite(next, nextShown);
    enableButton(next, nextShown);
    if (next && nextShown)
        next->setAlpha(OpaqueAlpha);
}

void UpgradeMyShop::startCelebration()
{
    showSprite(getChild("upgrade_list"), false);
    showSprite(getChild("txtbox1"), false);
    sprite::SpriteBase* overlay = getChild("congrats_overlay");
    showSprite(overlay, true);
    if (sprite::SpriteBase* words = getChild("txtboxfinal")) {
        words->setAlpha(0);
        words->setVisible(false);
    }
    stopCelebration();
    confetti = lang::adopt(new RainSprite);
    confetti->startShower(ConfettiPictures);
    confetti->setLocation(ConfettiX, ConfettiY);
    confetti->setVisible(true);
    insertAfter(confetti.get(), overlay);
    schedule(FinalWaitFrames, "showText");
}

void UpgradeMyShop::stopCelebration()
{
    if (confetti)
        remove(confetti.get());
    confetti.reset();
}

void UpgradeMyShop::showChosenPictures()
{
    for (int32_t slot = 1; slot <= Slots; ++slot) {
        for (int32_t value = 0; value <= upgrades::MaxValue; ++value)
            showSprite(picture(slot, value), value == valueOf(slot));
    }
}

void UpgradeMyShop::refresh()
{
    for (int32_t slot = 1; slot <= Slots; ++slot) {
        const bool editing = slot == currentSlot + 1;
        for (int32_t option = 1; option <= upgrades::Options; ++option) {
            sprite::SpriteBase* button = optionButton(slot, option);
            showSprite(button, editing);
            setButtonState(button, option == valueOf(slot) ? State::Selected : State::Normal);
        }
        if (isFinal())
            continue;
        setButtonState(slotButton(slot),
            editing ? State::Selected
            : slot <= level + 1 ? State::Normal
                                : State::Disabled);
    }
    fadeInstruction(!isFinal() && currentSlot == level && valueOf(currentSlot + 1) == 0);
}

void UpgradeMyShop::fadeInstruction(bool in)
{
    sprite::SpriteBase* instruction = getChild("txtbox1");
    if (!instruction)
        return;
    if (in) {
        if (!instruction->isVisible()) {
            instruction->setAlpha(0);
            instruction->setVisible(true);
        }
        instruction->fadeTo(OpaqueAlpha, InstructionFadeFrames, false);
    } else if (instruction->isVisible()) {
        instruction->fadeTo(0, InstructionFadeFrames, true);
    }
}

// --- the dialog

void UpgradeMyShop::tableLoaded(sprite::DataLoader* loader)
{
    DialogSprite::tableLoaded(loader);
    for (int32_t i = 0; i < childCount(); ++i) {
        lang::Ref<sprite::SpriteBase> child = lang::adopt(getChild(i));
        useFiveCellLooks(child.get());
    }
    setChildrenFireOnRelease(true);
    showSprite(getChild("Twinkles"), false);
}

void UpgradeMyShop::setVisible(bool on)
{
    if (!on) {
        sparkle.stop();
        stopCelebration();
    }
    DialogSprite::setVisible(on);
}

int32_t UpgradeMyShop::onButton(const lang::String& buttonName, lang::String&)
{
    int32_t slot = 0;
    int32_t option = 0;
    if (upgrades::parseOptionButton(buttonName, slot, option)) {
        if (!isFinal() && slot == currentSlot + 1)
            choose(slot, option);
        return Swallowed;
    }
    if (upgrades::parseSlotButton(buttonName, slot)) {
        if (!isFinal() && slot <= Slots)
            editSlot(slot);
        return Swallowed;
    }
    if (buttonName.equals("nextbutton")) {
        leave();
        return Swallowed;
    }
    return NotHandled;
}

void UpgradeMyShop::onAction(lang::Object*, const lang::String& name)
{
    if (name.equals("showText"))
        showFinalText();
    else if (name.equals("showNext"))
        showNext();
    else if (name.equals("sparkleInDone"))
        sparkleEnded();
}

// --- choosing

void UpgradeMyShop::choose(int32_t slot, int32_t option)
{
    int16_t& value = valueOf(slot);
    if (value == option)
        return;
    showSprite(picture(slot, value), false);
    value = static_cast<int16_t>(option);
    playSound(ChooseSound);
    if (currentSlot == level)
        fadeInstruction(false);
    for (int32_t other = 1; other <= upgrades::Options; ++other)
        setButtonState(optionButton(slot, other), other == option ? State::Selected : State::Normal);
    sprite::SpriteBase* chosen = picture(slot, option);
    showSprite(chosen, true);
    sprite::SpriteBase* model = getChild("Twinkles");
    if (chosen && model && chosen->isInstanceOf("ImageSprite"))
        sparkle.start(*this, *model, *static_cast<sprite::ImageSprite*>(chosen), this, "sparkleInDone");
    else
        sparkleEnded();
}

void UpgradeMyShop::editSlot(int32_t slot)
{
    if (slot - 1 == currentSlot || slot > level + 1)
        return;
    playSound(ClickSound);
    currentSlot = slot - 1;
    refresh();
}

void UpgradeMyShop::sparkleEnded()
{
    if (!sparkle.endIfDone())
        return;
    refresh();
    sprite::SpriteBase* next = getChild("nextbutton");
    if (currentSlot == level && !(next && next->isVisible()))
        schedule(NextDelayFrames, "showNext");
}

void UpgradeMyShop::showNext()
{
    sprite::SpriteBase* next = getChild("nextbutton");
    if (!next || !visible)
        return;
    if (!next->isVisible()) {
        next->setAlpha(0);
        next->setVisible(true);
    }
    enableButton(next, true);
    next->fadeTo(OpaqueAlpha, NextFadeFrames, false);
}

void UpgradeMyShop::showFinalText()
{
    sprite::SpriteBase* words = getChild("txtboxfinal");
    if (!isFinal() || !visible)
        return;
    playSound(FinalTextSound);
    if (words) {
        words->setAlpha(0);
        words->setVisible(true);
        words->fadeTo(OpaqueAlpha, FinalTextFadeFrames, false);
    }
    schedule(FinalWaitFrames, "showNext");
}

void UpgradeMyShop::leave()
{
    sprite::SpriteBase* next = getChild("nextbutton");
    if (!next || !next->isVisible())
        return;
    playSound(NextSound);
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
        canvas->leaveShop(false);
    setVisible(false);
}

bool UpgradeMyShop::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "UpgradeMyShop") == 0 || DialogSprite::isInstanceOf(className);
}
