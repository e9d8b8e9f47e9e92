#include "sprite/FancyContainer.h"

#include "lang/SyncGuard.h"
#include "window/raster/Graphics.h"
#include "window/raster/GraphicsClip.h"

#include <algorithm>
#include <cstring>

namespace sprite {

FancyContainer::FancyContainerClass FancyContainer::classObject("FancyContainer");

FancyContainer::FancyContainer() = default;

FancyContainer::FancyContainer(int32_t left, int32_t top, int32_t width, int32_t height)
    : BoundsSprite(left, top, width, height)
{
}

FancyContainer::~FancyContainer() = default;

void FancyContainer::paint(window::Graphics* graphics)
{
    narrowClip(*graphics, bounds);
    graphics->translate(getX(), getY());
    if (fillBackground)
        graphics->fillRect(0, 0, getBoundsWidth(), getBoundsHeight(), background.getValue());
    lang::Ref<window::Graphics> faded = lang::adopt(graphics->create());
    if (!faded)
        return;
    faded->setOpacity(getAlpha() * graphics->getOpacity() / OpaqueAlpha);
    {
        SyncGuard guard(children);
        renderChildren(faded.get());
    }
    faded->dispose();
}

SpriteBase* FancyContainer::duplicate()
{
    auto* copy = new FancyContainer;
    copyContainerStateTo(*copy);
    return copy;
}

void FancyContainer::copyContainerStateTo(FancyContainer& other) const
{
    copyBoundsStateTo(other);
    other.background = background;
    other.fillBackground = fillBackground;
    other.fadeSpeed = fadeSpeed;
    other.fading = fading;
}

bool FancyContainer::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    if (fading) {
        int32_t alpha = getAlpha() + fadeSpeed;
        if (fadeSpeed < 1) {
            if (alpha <= 0) {
                alpha = OpaqueAlpha;
                setVisible(false);
                fading = false;
            }
            setAlpha(alpha);
        } else {
            setAlpha(std::min(alpha, OpaqueAlpha));
            if (getAlpha() == OpaqueAlpha)
                fading = false;
        }
    }
    bool changed = SpriteBase::update(frameNo, outBounds, dirtyRegion);
    SyncGuard guard(children);
    for (int32_t i = 0; i < children.size(); ++i) {
        lang::Ref<SpriteBase> child = lang::retain(static_cast<SpriteBase*>(children.elementAt(i)));
        util::RectangleNM childBounds;
        if (child->update(frameNo, childBounds, dirtyRegion) && visible)
            changed = true;
    }
    for (int32_t i = pendingChildRemovals.size() - 1; i >= 0; --i) {
        children.removeElement(pendingChildRemovals.elementAt(i));
        pendingChildRemovals.removeElementAt(i);
    }
    return changed;
}

void FancyContainer::tableLoaded(DataLoader*) {}

void FancyContainer::loadChildImages()
{
    SyncGuard guard(children);
    for (int32_t i = 0; i < children.size(); ++i) {
        auto* child = static_cast<SpriteBase*>(children.elementAt(i));
        if (child->isVisible())
            child->loadImages();
    }
}

void FancyContainer::releaseChildImages()
{
    SyncGuard guard(children);
    for (int32_t i = 0; i < children.size(); ++i)
        static_cast<SpriteBase*>(children.elementAt(i))->releaseImages();
}

void FancyContainer::insertAt(SpriteBase* child, int32_t index)
{
    children.insertElementAt(child, std::clamp(index, 0, children.size()));
    pendingChildRemovals.removeElement(child);
    if (child->isVisible() && visible)
        dirty = true;
}

void FancyContainer::insertBeside(SpriteBase* child, SpriteBase* neighbour, bool after)
{
    if (!child)
        return;
    lang::Ref<SpriteBase> holder = lang::retain(child);
    SyncGuard guard(children);
    children.removeElement(child);
    const int32_t at = neighbour ? children.indexOf(neighbour) : -1;
    // Without the neighbour in the list the child goes to the front.
    insertAt(child, at < 0 ? 0 : after ? at + 1 : at);
}

void FancyContainer::insertAfter(SpriteBase* child, SpriteBase* after)
{
    insertBeside(child, after, true);
}

void FancyContainer::add(SpriteBase* child)
{
    if (!child)
        return;
    lang::Ref<SpriteBase> holder = lang::retain(child);
    SyncGuard guard(children);
    children.removeElement(child);
    insertAt(child, children.size());
}

void FancyContainer::remove(SpriteBase* child)
{
    if (!child)
        return;
    SyncGuard guard(children);
    if (children.indexOf(child) < 0)
        return;
    if (child->isVisible()) {
        child->setVisible(false);
        if (visible)
            dirty = true;
    }
    if (pendingChildRemovals.indexOf(child) < 0)
        pendingChildRemovals.addElement(child);
}

void FancyContainer::setChildrenDelayed(bool on)
{
    SyncGuard guard(children);
    for (int32_t i = 0; i < children.size(); ++i)
        static_cast<SpriteBase*>(children.elementAt(i))->setDelayed(on);
}

void FancyContainer::renderChildren(window::Graphics* graphics)
{
    for (int32_t i = 0; i < children.size(); ++i) {
        auto* child = static_cast<SpriteBase*>(children.elementAt(i));
        if (child->isVisible())
            child->render(graphics);
    }
}

SpriteBase* FancyContainer::getChild(int32_t index)
{
    SyncGuard guard(children);
    if (index < 0 || index >= children.size())
        return nullptr;
    auto* child = static_cast<SpriteBase*>(children.elementAt(index));
    child->addRef();
    return child;
}

int32_t FancyContainer::childCount()
{
    SyncGuard guard(children);
    return children.size();
}

void FancyContainer::setFade(int32_t speed)
{
    if (fading && fadeSpeed == speed)
        return;
    fadeSpeed = speed;
    fading = false;
    if (speed == 0)
        return;
    if (speed < 1 && getAlpha() == 0)
        setAlpha(OpaqueAlpha);
    else if (speed >= 1 && getAlpha() == OpaqueAlpha)
        setAlpha(0);
    setVisible(true);
    fading = true;
}

void FancyContainer::setBackground(uint32_t argb, bool fill)
{
    background.setValue(argb);
    fillBackground = fill;
    markDirty();
}

bool FancyContainer::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "FancyContainer") == 0 || BoundsSprite::isInstanceOf(className);
}

} // namespace sprite
