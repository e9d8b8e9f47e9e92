#include "game/shop/RoundResults.h"

#include "game/flow/SpriteHelpers.h"
#include "game/shop/RoundAudio.h"
#include "lang/ResourceFile.h"
#include "sprite/AnimateSprite.h"

RoundResults::RoundResults(sprite::DialogSprite* completeDialog, sprite::DialogSprite* failDialog)
    : complete(completeDialog), fail(failDialog)
{
}

RoundResults::Medal RoundResults::medalOf(int32_t served)
{
    if (served >= GoldServed)
        return Medal::Gold;
    if (served >= SilverServed)
        return Medal::Silver;
    if (served >= PassServed)
        return Medal::Bronze;
    return Medal::None;
}

lang::String RoundResults::fill(const lang::String& pattern, int32_t served, const lang::String& medal)
{
    return pattern.replace("%", lang::String(served).c_str()).replace("^", medal.c_str());
}

void RoundResults::show(sprite::DialogSprite* dialog, const char* childName, bool on)
{
    if (dialog)
        showSprite(dialog->getChild(childName), on);
}

void RoundResults::showStar(int32_t frame)
{
    sprite::SpriteBase* star = complete ? complete->getChild("Star") : nullptr;
    if (star && star->isInstanceOf("AnimateSprite"))
        static_cast<sprite::AnimateSprite*>(star)->setFrame(frame);
}

int32_t RoundResults::showDay(int32_t shop, int32_t served)
{
    const Medal medal = medalOf(served);
    if (medal == Medal::None) {
        if (fail) {
            setSpriteText(fail->getChild("RFText"), fill(lang::ResourceFile::loadText("RFText"), served, ""));
            fail->setVisible(true);
        }
        return 0;
    }
    static const char* const MedalTexts[] = {"", "IDS_BRONZE", "IDS_SILVER", "IDS_GOLD"};
    const auto rank = static_cast<int32_t>(medal);
    if (complete) {
        show(complete, "newrecordtitle", false);
        show(complete, "RCSubmit", false);
        show(complete, "goodjobtitle", medal != Medal::Gold);
        show(complete, "perfecttitle", medal == Medal::Gold);
        showStar(rank - 1);
        const lang::String pattern = lang::ResourceFile::loadText(lang::String("RCText") + shop);
        setSpriteText(complete->getChild("RCText"),
            fill(pattern, served, lang::ResourceFile::loadText(MedalTexts[rank])));
        complete->setVisible(true);
    }
    return medal == Medal::Gold ? RoundAudio::DayGold : RoundAudio::DayPassed;
}

int32_t RoundResults::showBlitz(bool newBest)
{
    if (complete) {
        show(complete, "newrecordtitle", newBest);
        show(complete, "goodjobtitle", !newBest);
        show(complete, "perfecttitle", false);
        if (newBest)
            showStar(0);
        const int32_t text = newBest ? BlitzTextNewBest : BlitzText;
        setSpriteText(
            complete->getChild("RCText"), lang::ResourceFile::loadText(lang::String("RCText") + text));
        showSprite(complete->getChild("RCSubmit"), true);
        enableButton(complete->getChild("RCSubmit"), true);
        complete->setVisible(true);
    }
    return newBest ? RoundAudio::DayGold : RoundAudio::DayPassed;
}

void RoundResults::hideAll()
{
    for (sprite::DialogSprite* dialog : {complete, fail}) {
        if (dialog)
            dialog->setVisible(false);
    }
}
