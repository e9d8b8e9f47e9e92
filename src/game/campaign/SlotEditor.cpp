#include "game/campaign/SlotEditor.h"

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

} // namespace

SlotEditor::SlotEditor(sprite::DialogSprite& dialog, const Slots& slots, const char* sparkleAction)
    : dialog(dialog), slots(slots), sparkleAction(sparkleAction), save(lang::adopt(new ProfileSave))
{
}

sprite::SpriteBase* SlotEditor::child(const lang::String& name) const
{
    return dialog.getChild(name);
}

sprite::SpriteBase* SlotEditor::picture(int32_t slot, int32_t value) const
{
    return child(upgrades::picture(slots.picturePrefix, slot, value));
}

int16_t& SlotEditor::valueOf(int32_t slot)
{
    return save->upgrades[std::clamp(slot, 1, ProfileSave::UpgradeSlots) - 1];
}

void SlotEditor::playSound(int32_t entry)
{
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
        canvas->playSoundEntry(entry);
}

void SlotEditor::showChosen(ProfileSave& record)
{
    save = lang::retain(&record);
    for (int32_t slot = slots.first; slot <= slots.last; ++slot) {
        for (int32_t value = 0; value <= upgrades::MaxValue; ++value)
            showSprite(picture(slot, value), value == valueOf(slot));
    }
}

void SlotEditor::begin(int32_t newestSlot)
{
    sparkle.stop();
    newest = edited = std::clamp(newestSlot, slots.first, slots.last);
    sprite::SpriteBase* next = child("nextbutton");
    const bool nextShown = valueOf(newest) != 0;
    showSprite(next, nextShown);
    enableButton(next, nextShown);
    if (next)
        next->setAlpha(sprite::SpriteBase::OpaqueAlpha);
    for (int32_t slot = slots.first; slot <= slots.last; ++slot)
        showSprite(child(upgrades::slotButton(slot)), true);
    refresh();
}

void SlotEditor::hideButtons()
{
    sparkle.stop();
    edited = newest = 0;
    for (int32_t slot = slots.first; slot <= slots.last; ++slot) {
        showSprite(child(upgrades::slotButton(slot)), false);
        enableButton(child(upgrades::slotButton(slot)), false);
        for (int32_t option = 1; option <= upgrades::Options; ++option)
            showSprite(child(upgrades::optionButton(slot, option)), false);
    }
    sprite::SpriteBase* next = child("nextbutton");
    showSprite(next, false);
    enableButton(next, false);
}

void SlotEditor::refresh()
{
    for (int32_t slot = slots.first; slot <= slots.last; ++slot) {
        const bool editing = slot == edited;
        setButtonState(child(upgrades::slotButton(slot)),
            editing              ? State::Selected
                : slot <= newest ? State::Normal
                                 : State::Disabled);
        for (int32_t option = 1; option <= upgrades::Options; ++option) {
            sprite::SpriteBase* button = child(upgrades::optionButton(slot, option));
            showSprite(button, editing);
            setButtonState(button, option == valueOf(slot) ? State::Selected : State::Normal);
        }
    }
    fadeInstruction(edited == newest && valueOf(newest) == 0);
}

void SlotEditor::fadeInstruction(bool in)
{
    sprite::SpriteBase* instruction = child(slots.instruction);
    if (!instruction)
        return;
    if (in) {
        if (!instruction->isVisible()) {
            instruction->setAlpha(0);
            instruction->setVisible(true);
        }
        instruction->fadeTo(sprite::SpriteBase::OpaqueAlpha, FadeFrames, false);
    } else if (instruction->isVisible()) {
        instruction->fadeTo(0, FadeFrames, true);
    }
}

bool SlotEditor::handleButton(const lang::String& name)
{
    int32_t slot = 0;
    int32_t option = 0;
    if (upgrades::parseOptionButton(name, slot, option)) {
        if (newest > 0 && slot == edited)
            choose(slot, option);
        return true;
    }
    if (upgrades::parseSlotButton(name, slot)) {
        editSlot(slot);
        return true;
    }
    return false;
}

bool SlotEditor::handleAction(const lang::String& name)
{
    if (name.equals("showNext"))
        showNext();
    else if (name.equals(sparkleAction))
        sparkleEnded();
    else
        return false;
    return true;
}

void SlotEditor::choose(int32_t slot, int32_t option)
{
    int16_t& value = valueOf(slot);
    if (value == option)
        return;
    showSprite(picture(slot, value), false);
    value = static_cast<int16_t>(option);
    playSound(ChooseSound);
    if (slot == newest)
        fadeInstruction(false);
    for (int32_t other = 1; other <= upgrades::Options; ++other)
        setButtonState(
            child(upgrades::optionButton(slot, other)), other == option ? State::Selected : State::Normal);
    sprite::SpriteBase* chosen = picture(slot, option);
    showSprite(chosen, true);
    sprite::SpriteBase* model = child("Twinkles");
    if (chosen && model && chosen->isInstanceOf("ImageSprite"))
        sparkle.start(dialog, *model, *static_cast<sprite::ImageSprite*>(chosen), &dialog, sparkleAction);
    else
        sparkleEnded();
}

void SlotEditor::editSlot(int32_t slot)
{
    if (slot == edited || slot < slots.first || slot > newest)
        return;
    playSound(ClickSound);
    edited = slot;
    refresh();
}

void SlotEditor::sparkleEnded()
{
    if (!sparkle.endIfDone())
        return;
    refresh();
    sprite::SpriteBase* next = child("nextbutton");
    Kipto2Canvas* canvas = Kipto2Canvas::getInstance();
    if (edited == newest && next && !next->isVisible() && canvas) {
        canvas->scheduleAction(NextDelayFrames, "showNext",
            sprite::ActionSchedule::Replace | sprite::ActionSchedule::MatchSourceAndTarget, &dialog, &dialog);
    }
}

void SlotEditor::showNext()
{
    sprite::SpriteBase* next = child("nextbutton");
    if (!next || !dialog.isVisible())
        return;
    if (!next->isVisible()) {
        next->setAlpha(0);
        next->setVisible(true);
    }
    enableButton(next, true);
    next->fadeTo(sprite::SpriteBase::OpaqueAlpha, FadeFrames, false);
}
