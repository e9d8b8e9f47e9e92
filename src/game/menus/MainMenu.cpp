#include "game/menus/MainMenu.h"

#include "game/Kipto2Canvas.h"
#include "game/flow/GameSettings.h"
#include "game/flow/SpriteHelpers.h"
#include "game/menus/VersionLine.h"
#include "sprite/ButtonMixin.h"
#include "window/Event.h"

#include <cstring>

MainMenu::MainMenuClass MainMenu::classObject("MainMenu");

namespace {

struct CloudPath {
    const char* name;
    int32_t y;
    // Where it starts on the first showing and on every later entry from the right.
    int32_t firstX, laterX;
    // Frames per pixel of its drift.
    int32_t framesPerPixel;
};

constexpr CloudPath Clouds[] = {{"big_cloud", 27, 132, 800, 12}, {"little_cloud", 61, 500, 1168, 6}};
// Where the clouds leave the sky.
constexpr int32_t CloudEndX = -360;

} // namespace

sprite::AnimateSprite* MainMenu::animation(const char* childName)
{
    sprite::SpriteBase* child = getChild(childName);
    return child && child->isInstanceOf("AnimateSprite") ? static_cast<sprite::AnimateSprite*>(child) : nullptr;
}

void MainMenu::setMenuEnabled(bool on)
{
    for (const char* name : MenuButtons) {
        if (sprite::ButtonMixin* button = sprite::ButtonMixin::of(getChild(name)))
            button->setEnabled(on);
    }
    Kipto2Canvas* canvas = Kipto2Canvas::getInstance();
    if (GameSettings::showLink(canvas ? canvas->getResolver() : nullptr)) {
        if (sprite::ButtonMixin* button = sprite::ButtonMixin::of(getChild("upsellCV")))
            button->setEnabled(on);
    }
    enabled = on;
}

void MainMenu::setVisible(bool on)
{
    if (on && freshShowing) {
        freshShowing = false;
        setMenuEnabled(true);
        hovering = false;
        if (sprite::AnimateSprite* rattle = animation("rattle")) {
            rattle->setAnimation(0, false);
            rattle->setFrame(0);
            rattle->setVisible(true);
        }
        for (const char* name : {"burst1", "burst2"}) {
            if (sprite::AnimateSprite* burst = animation(name)) {
                burst->setAnimation(0, false);
                burst->setFrame(0);
                burst->setVisible(false);
            }
        }
        startClouds(true);
    }
    if (!on)
        freshShowing = true;
    DialogSprite::setVisible(on);
}

void MainMenu::tableLoaded(sprite::DataLoader* loader)
{
    DialogSprite::tableLoaded(loader);
    freshShowing = true;
    // The soft ink of the package's texts, on the pale paving of the street.
    showVersionLine(getChild("version"), 0xFF7A5C48u);
    if (sprite::AnimateSprite* rattle = animation("rattle")) {
        rattle->setRange(1, rattle->getColumns() * rattle->getRows() - 1);
        rattle->setLoops(0);
    }
    for (const char* name : {"burst1", "burst2"}) {
        if (sprite::AnimateSprite* burst = animation(name)) {
            burst->setVisible(false);
            burst->setRange(0, burst->getColumns() * burst->getRows() - 1);
            burst->setAnimation(0, false);
        }
    }
}

int32_t MainMenu::handleMouseMoved(window::Event* event)
{
    sprite::SpriteBase* start = getChild("buttonstartNEW");
    if (enabled && start && visible) {
        const bool hit = start->contains(event->x - getX(), event->y - getY());
        Kipto2Canvas* canvas = Kipto2Canvas::getInstance();
        sprite::AnimateSprite* rattle = animation("rattle");
        if (hit && !hovering) {
            hovering = true;
            if (rattle) {
                rattle->setFrame(0);
                rattle->setAnimation(1, true);
            }
            if (canvas)
                canvas->fadeInSoundEntry(Kipto2Canvas::MenuLoopSound, RattleFadeInFrames);
        } else if (!hit && hovering) {
            hovering = false;
            if (rattle) {
                rattle->setAnimation(0, false);
                rattle->setFrame(0);
            }
            if (canvas)
                canvas->fadeSoundEntry(Kipto2Canvas::MenuLoopSound, 0, RattleFadeOutFrames, true);
        }
    }
    return DialogSprite::handleMouseMoved(event);
}

int32_t MainMenu::offerAction(const lang::String& actionName)
{
    if (!actionName.equalsIgnoreCase("buttonstartNEW"))
        return DialogSprite::offerAction(actionName);
    pressStart();
    return Swallowed;
}

void MainMenu::pressStart()
{
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance()) {
        canvas->fadeSoundEntry(Kipto2Canvas::MenuLoopSound, 0, RattleFadeOutFrames, true);
        canvas->playSoundEntry(Kipto2Canvas::StartClickSound);
    }
    hovering = false;
    if (sprite::AnimateSprite* rattle = animation("rattle")) {
        rattle->setAnimation(0, false);
        rattle->setVisible(false);
    }
    if (sprite::AnimateSprite* burst = animation("burst1"))
        playOnce(burst, "finishburst1");
    else
        onAction(this, "finishburst2");
}

void MainMenu::playOnce(sprite::AnimateSprite* sprite, const char* action)
{
    sprite->setFrame(0);
    sprite->setVisible(true);
    sprite->setListener(this, lang::String(action));
    sprite->setAnimation(1, false);
}

void MainMenu::onAction(lang::Object* source, const lang::String& name)
{
    if (name.equals("finishburst1")) {
        showSprite(getChild("burst1"), false);
        if (sprite::AnimateSprite* burst = animation("burst2")) {
            burst->setDelay(SecondBurstDelay);
            playOnce(burst, "finishburst2");
        } else {
            onAction(source, "finishburst2");
        }
    } else if (name.equals("finishburst2")) {
        if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
            canvas->scheduleAction(StartDelayFrames, "buttonstart", 0, this, nullptr);
    } else if (name.equals("resetClouds")) {
        startClouds(false);
    }
}

void MainMenu::startClouds(bool first)
{
    for (const CloudPath& path : Clouds) {
        sprite::SpriteBase* cloud = getChild(path.name);
        if (!cloud)
            continue;
        const int32_t startX = first ? path.firstX : path.laterX;
        cloud->setLocation(startX, path.y);
        cloud->moveTo(CloudEndX, path.y, (startX - CloudEndX) * path.framesPerPixel);
        cloud->setVisible(true);
    }
    if (sprite::SpriteBase* big = getChild(Clouds[0].name))
        big->setListener(this, lang::String("resetClouds"));
}

bool MainMenu::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "MainMenu") == 0 || DialogSprite::isInstanceOf(className);
}
