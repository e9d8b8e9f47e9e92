#include "game/shop/Decorating.h"

#include "game/Kipto2Canvas.h"
#include "game/campaign/CampaignSprites.h"
#include "game/campaign/UpgradeNames.h"
#include "game/flow/SpriteHelpers.h"
#include "sprite/ButtonMixin.h"
#include "sprite/DialogSprite.h"

#include <algorithm>

namespace {

constexpr SlotEditor::Slots DecoratingSlots{
    "myshop_upgrade_A_", "txtbox2", Decorating::FirstSlot, Decorating::LastSlot};

// Looks from the five-cell sheet; the press counts when it is released over the button.
void prepareButton(sprite::SpriteBase* button)
{
    useFiveCellLooks(button);
    if (sprite::ButtonMixin* mixin = sprite::ButtonMixin::of(button))
        mixin->setFireOnRelease(true);
}

} // namespace

Decorating::Decorating(sprite::DialogSprite& shop)
    : shop(shop), editor(shop, DecoratingSlots, "decorSparkleDone")
{
}

void Decorating::startDay(ProfileSave& save, int32_t shopNumber, int32_t newDay, bool decorating)
{
    editor.stopSparkle();
    visiting = decorating && shopNumber == OwnShop;
    if (!visiting)
        return;
    day = std::clamp(newDay, 1, LastSlot - FirstSlot + 1);
    // The visit stands still without the pause page over it.
    showSprite(shop.getChild("pauseScreen"), false);
    for (int32_t slot = FirstSlot; slot <= LastSlot; ++slot) {
        prepareButton(shop.getChild(upgrades::slotButton(slot)));
        for (int32_t option = 1; option <= upgrades::Options; ++option)
            prepareButton(shop.getChild(upgrades::optionButton(slot, option)));
    }
    prepareButton(shop.getChild("nextbutton"));
    editor.showChosen(save);
    editor.begin(day + FirstSlot - 1);
}

bool Decorating::handle(const lang::String& name)
{
    if (!visiting)
        return false;
    if (name.equals("nextbutton")) {
        finishVisit();
        return true;
    }
    return editor.handleButton(name) || editor.handleAction(name);
}

void Decorating::finishVisit()
{
    sprite::SpriteBase* next = shop.getChild("nextbutton");
    if (!next || !next->isVisible())
        return;
    Kipto2Canvas* canvas = Kipto2Canvas::getInstance();
    if (canvas)
        canvas->playSoundEntry(NextSound);
    editor.stopSparkle();
    visiting = false;
    if (!canvas)
        return;
    const int32_t visitDay = day;
    canvas->leaveShop(true);
    canvas->onAction(&shop, lang::String("EnterShop") + OwnShop + "_" + visitDay);
}
