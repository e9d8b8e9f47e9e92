#include "game/campaign/UpgradeMyShop.h"

#include "game/Kipto2Canvas.h"
#include "game/ambient/RainSprite.h"
#include "game/campaign/CampaignSprites.h"
#include "game/flow/SpriteHelpers.h"
#include "game/save/ProfileSave.h"
#include "sprite/ActionSchedule.h"

#include <algorithm>
#include <cstring>

UpgradeMyShop::UpgradeMyShopClass UpgradeMyShop::classObject("UpgradeMyShop");

namespace {

constexpr SlotEditor::Slots UpgradeSlots{"myshop_upgrade_B_", "txtbox1", 1, UpgradeMyShop::Slots};
constexpr const char* ConfettiPictures = "+iconfetti";

} // namespace

UpgradeMyShop::UpgradeMyShop()
    : save(lang::adopt(new ProfileSave)), editor(*this, UpgradeSlots, "sparkleInDone")
{
}

UpgradeMyShop::~UpgradeMyShop() = default;

void UpgradeMyShop::playSound(int32_t entry)
{
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
        canvas->playSoundEntry(entry);
}

void UpgradeMyShop::cancelScheduled()
{
    Kipto2Canvas* canvas = Kipto2Canvas::getInstance();
    if (!canvas)
        return;
    for (const char* action : {"showText", "showNext"})
        canvas->scheduleAction(0, action,
            sprite::ActionSchedule::Cancel | sprite::ActionSchedule::MatchSourceAndTarget, this, this);
}

// --- what the canvas asks

void UpgradeMyShop::prepare(int32_t visit, ProfileSave* record)
{
    save = record ? lang::retain(record) : lang::adopt(new ProfileSave);
    level = std::clamp(visit, 1, FinalVisit) - 1;
    cancelScheduled();
    playSound(OpenSound);
    editor.showChosen(*save);
    if (isFinal()) {
        editor.hideButtons();
        startCelebration();
        return;
    }
    stopCelebration();
    showSprite(getChild("upgrade_list"), true);
    showFrame(getChild("txtbox1"), level);
    showSprite(getChild("txtboxfinal"), false);
    showSprite(getChild("congrats_overlay"), false);
    editor.begin(level + 1);
}

void UpgradeMyShop::startCelebration()
{
    for (const char* name : {"upgrade_list", "txtbox1"})
        showSprite(getChild(name), false);
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
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
        canvas->scheduleAction(FinalWaitFrames, "showText", 0, this, this);
}

void UpgradeMyShop::stopCelebration()
{
    if (confetti)
        remove(confetti.get());
    confetti.reset();
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
        editor.stopSparkle();
        stopCelebration();
    }
    DialogSprite::setVisible(on);
}

int32_t UpgradeMyShop::onButton(const lang::String& buttonName, lang::String&)
{
    if (editor.handleButton(buttonName))
        return Swallowed;
    if (!buttonName.equals("nextbutton"))
        return NotHandled;
    leave();
    return Swallowed;
}

void UpgradeMyShop::onAction(lang::Object*, const lang::String& name)
{
    if (name.equals("showText"))
        showFinalText();
    else
        editor.handleAction(name);
}

void UpgradeMyShop::showFinalText()
{
    if (!isFinal() || !visible)
        return;
    playSound(FinalTextSound);
    if (sprite::SpriteBase* words = getChild("txtboxfinal")) {
        words->setAlpha(0);
        words->setVisible(true);
        words->fadeTo(OpaqueAlpha, FinalTextFadeFrames, false);
    }
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
        canvas->scheduleAction(FinalWaitFrames, "showNext", 0, this, this);
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
