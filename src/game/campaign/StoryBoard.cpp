#include "game/campaign/StoryBoard.h"

#include "game/Kipto2Canvas.h"
#include "game/campaign/CampaignSprites.h"
#include "lang/ResourceFile.h"
#include "lang/ResourceItem.h"
#include "sprite/ImageSprite.h"
#include "window/raster/PixelImage.h"

#include <cstring>

StoryBoard::StoryBoardClass StoryBoard::classObject("StoryBoard");

namespace {

bool packageHolds(const lang::String& itemName)
{
    lang::ResourceFile* package = lang::ResourceFile::getDefault();
    lang::Ref<lang::ResourceItem> item = lang::adopt(package ? package->getItem(itemName, false) : nullptr);
    return item != nullptr;
}

} // namespace

lang::String StoryBoard::pageName(int32_t story, int32_t page)
{
    return lang::String("storyboard") + story + "_" + page;
}

void StoryBoard::showFromStart()
{
    story = 1;
    page = 1;
    if (visible)
        showPage();
    setVisible(true);
}

void StoryBoard::setVisible(bool on)
{
    if (on && !visible)
        showPage();
    DialogSprite::setVisible(on);
}

void StoryBoard::tableLoaded(sprite::DataLoader* loader)
{
    DialogSprite::tableLoaded(loader);
    useFiveCellLooks(getChild("nextbutton"));
}

void StoryBoard::showPage()
{
    sprite::SpriteBase* bg = getChild("bg");
    if (!bg || !bg->isInstanceOf("ImageSprite"))
        return;
    lang::Ref<window::ImageBase> picture
        = lang::adopt<window::ImageBase>(new window::PixelImage(lang::String("+") + pageName(story, page)));
    static_cast<sprite::ImageSprite*>(bg)->setImage(picture.get());
}

int32_t StoryBoard::onButton(const lang::String& buttonName, lang::String& outName)
{
    if (!buttonName.equals("nextbutton"))
        return NotHandled;
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
        canvas->playSoundEntry(PageTurnSound);
    if (packageHolds(pageName(story, page + 1))) {
        ++page;
        showPage();
        return Swallowed;
    }
    setVisible(false);
    outName = "StoryBoardDone";
    return Action;
}

bool StoryBoard::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "StoryBoard") == 0 || DialogSprite::isInstanceOf(className);
}
