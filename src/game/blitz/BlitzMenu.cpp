#include "game/blitz/BlitzMenu.h"

#include "game/Kipto2Canvas.h"
#include "game/blitz/BlitzTimeFormat.h"
#include "game/blitz/BlitzTimes.h"
#include "game/blitz/ScoreBoard.h"
#include "game/flow/SpriteHelpers.h"
#include "lang/ResourceFile.h"
#include "sprite/AnimateSprite.h"

#include <cstdlib>
#include <cstring>

BlitzMenu::BlitzMenuClass BlitzMenu::classObject("BlitzMenu");

namespace {

constexpr const char* ShopButtonPrefix = "blitz_";
constexpr const char* HelpPage = "doBlitzMenuDialog";
// Best counts of a day that earn a bronze, silver and gold star.
constexpr int32_t BronzeServed = 10;
constexpr int32_t SilverServed = 13;
constexpr int32_t GoldServed = 15;

lang::String cardSprite(const char* prefix, int32_t shop)
{
    return lang::String(prefix) + shop;
}

} // namespace

void BlitzMenu::setUp(ProfileStore* profiles, sprite::User* settings)
{
    if (BlitzTimes* times = getTimes()) {
        lang::Ref<ScoreBoard> board = lang::adopt(new ScoreBoard(ScoreServiceLocation::find(settings)));
        times->setUp(profiles, board.get());
    }
}

BlitzTimes* BlitzMenu::getTimes()
{
    sprite::SpriteBase* times = getChild("BlitzTimes");
    return times && times->isInstanceOf("BlitzTimes") ? static_cast<BlitzTimes*>(times) : nullptr;
}

bool BlitzMenu::isShopOpen(const ProfileSave* save, int32_t shop)
{
    return save && ProfileSave::isShop(shop) && save->shopOpened[size_t(shop - 1)] == 1
        && save->shopCompleted[size_t(shop - 1)] == 1;
}

int32_t BlitzMenu::starFrame(int32_t served)
{
    if (served >= GoldServed)
        return 3;
    if (served >= SilverServed)
        return 2;
    return served >= BronzeServed ? 1 : 0;
}

void BlitzMenu::open(ProfileSave* record)
{
    save = lang::retain(record);
    showSprite(getChild("blackdrop"), false);
    showSprite(getChild("BlitzTimes"), false);
    showSprite(getChild(HelpPage), false);
    for (int32_t shop = 1; shop <= Shops; ++shop)
        showCard(shop);
    if (save && !save->blitzHelpSeen) {
        save->blitzHelpSeen = 1;
        showHelp();
        if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
            canvas->saveProfileSave();
    }
}

void BlitzMenu::showCard(int32_t shop)
{
    const bool open = isShopOpen(save.get(), shop);
    enableButton(getChild(cardSprite(ShopButtonPrefix, shop)), open);
    const int32_t best = open ? save->bestBlitzTime(shop) : -1;
    showSprite(getChild(cardSprite("BestTime_", shop)), best >= 0);
    sprite::SpriteBase* time = getChild(cardSprite("time_", shop));
    showSprite(time, best >= 0);
    if (best >= 0)
        setSpriteText(time, BlitzTimeFormat::format(best));
    for (int32_t day = 1; day <= DaysPerShop; ++day) {
        sprite::SpriteBase* star = getChild(cardSprite("star_", shop) + "_" + day);
        const int32_t served = save ? save->bestServed[size_t(ProfileSave::dayIndex(shop, day))] : 0;
        if (star && star->isInstanceOf("AnimateSprite"))
            static_cast<sprite::AnimateSprite*>(star)->setFrame(starFrame(served));
    }
}

void BlitzMenu::showHelp()
{
    sprite::DialogSprite* page = childDialog(this, HelpPage);
    if (!page)
        return;
    showSprite(page->getChild("blitzmodetitle"), true);
    setSpriteText(page->getChild("GSHTPText"), lang::ResourceFile::loadText("BlitzShopText"));
    showSprite(getChild("blackdrop"), true);
    page->setVisible(true);
}

int32_t BlitzMenu::onButton(const lang::String& buttonName, lang::String& outName)
{
    Kipto2Canvas* canvas = Kipto2Canvas::getInstance();
    if (buttonName.equals("GSHTPPlay")) {
        if (canvas)
            canvas->playSoundEntry(Kipto2Canvas::ClickSound);
        showSprite(getChild(HelpPage), false);
        showSprite(getChild("blackdrop"), false);
        return Swallowed;
    }
    sprite::SpriteBase* times = getChild("BlitzTimes");
    if (buttonName.startsWith(ShopButtonPrefix) && !(times && times->isVisible())) {
        const int32_t shop = std::atoi(buttonName.substring(int32_t(std::strlen(ShopButtonPrefix))).c_str());
        outName = lang::String("EnterShop") + shop + "_0";
        if (canvas)
            canvas->playSoundEntry(Kipto2Canvas::ClickSound);
        setVisible(false);
        return Action;
    }
    return NotHandled;
}

bool BlitzMenu::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "BlitzMenu") == 0 || DialogSprite::isInstanceOf(className);
}
