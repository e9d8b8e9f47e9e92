#include "sprite/SpriteList.h"

#include "util/Region.h"
#include "window/raster/Graphics.h"

namespace sprite {

void SpriteList::takeOver(util::Vector* list, util::Hashtable* names)
{
    SyncGuard guard(owner);
    sprites = lang::retain(list);
    spritesByName = lang::retain(names);
}

lang::Ref<util::Vector> SpriteList::current()
{
    SyncGuard guard(owner);
    return sprites;
}

SpriteBase* SpriteList::byName(const lang::String& name)
{
    SyncGuard guard(owner);
    return spritesByName ? static_cast<SpriteBase*>(spritesByName->get(name)) : nullptr;
}

SpriteBase* SpriteList::at(int32_t index)
{
    lang::Ref<util::Vector> list = current();
    if (!list)
        return nullptr;
    SyncGuard listGuard(*list);
    if (index < 0 || index >= list->size())
        return nullptr;
    auto* sprite = static_cast<SpriteBase*>(list->elementAt(index));
    sprite->addRef();
    return sprite;
}

int32_t SpriteList::count()
{
    SyncGuard guard(owner);
    if (!sprites)
        return 0;
    SyncGuard listGuard(*sprites);
    return sprites->size();
}

void SpriteList::add(SpriteBase* sprite)
{
    if (!sprite)
        return;
    SyncGuard guard(owner);
    if (!sprites)
        sprites = lang::adopt(new util::Vector);
    SyncGuard listGuard(*sprites);
    sprites->removeElement(sprite);
    sprites->addElement(sprite);
    SyncGuard removalGuard(pendingRemovals);
    pendingRemovals.removeElement(sprite);
}

void SpriteList::remove(SpriteBase* sprite)
{
    if (!sprite)
        return;
    SyncGuard removalGuard(pendingRemovals);
    if (pendingRemovals.indexOf(sprite) < 0)
        pendingRemovals.addElement(sprite);
}

int32_t SpriteList::pendingRemovalCount()
{
    SyncGuard removalGuard(pendingRemovals);
    return pendingRemovals.size();
}

bool SpriteList::update(int32_t frameNo, int32_t width, int32_t height)
{
    lang::Ref<util::Vector> list = sprites;
    if (!list)
        return false;
    bool repaint = false;
    SyncGuard listGuard(*list);
    util::RectangleNM area;
    util::Region region;
    region.add(0, 0, width, height);
    for (int32_t i = 0; i < list->size(); ++i) {
        lang::Ref<SpriteBase> sprite = lang::retain(static_cast<SpriteBase*>(list->elementAt(i)));
        if (sprite->update(frameNo, area, region))
            repaint = true;
    }
    SyncGuard removalGuard(pendingRemovals);
    for (int32_t i = pendingRemovals.size() - 1; i >= 0; --i) {
        list->removeElement(pendingRemovals.elementAt(i));
        pendingRemovals.removeElementAt(i);
    }
    return repaint;
}

void SpriteList::paint(window::Graphics* target)
{
    lang::Ref<util::Vector> list = sprites;
    if (!list)
        return;
    SyncGuard listGuard(*list);
    for (int32_t i = 0; i < list->size(); ++i) {
        auto* sprite = static_cast<SpriteBase*>(list->elementAt(i));
        if (sprite->isVisible())
            sprite->render(target);
    }
}

} // namespace sprite
