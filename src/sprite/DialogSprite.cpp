#include "sprite/DialogSprite.h"

#include "lang/SyncGuard.h"
#include "sprite/ButtonMixin.h"
#include "sprite/DataLoader.h"
#include "window/Event.h"

#include <cstring>

namespace sprite {

DialogSprite::DialogSpriteClass DialogSprite::classObject("DialogSprite");

namespace {

DialogSprite* asDialog(SpriteBase* sprite)
{
    return sprite && sprite->isInstanceOf("DialogSprite") ? static_cast<DialogSprite*>(sprite) : nullptr;
}

} // namespace

DialogSprite::DialogSprite() = default;

DialogSprite::DialogSprite(int32_t left, int32_t top, int32_t width, int32_t height)
    : FancyContainer(left, top, width, height)
{
}

DialogSprite::~DialogSprite() = default;

bool DialogSprite::init(window::ImageArray* pictures, lang::IntArray* numbers)
{
    BoundsSprite::init(pictures, numbers);
    modal = numberAt(numbers, 4) == 1;
    if (numberCount(numbers) >= 6)
        setVisible(numberAt(numbers, 5) == 1);
    notifyBackground = numberAt(numbers, 6) != 0;
    return true;
}

SpriteBase* DialogSprite::duplicate()
{
    auto* copy = new DialogSprite;
    copyContainerStateTo(*copy);
    copy->modal = modal;
    copy->notifyBackground = notifyBackground;
    return copy;
}

bool DialogSprite::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    if (!visible && imagesLoaded)
        releaseChildImages();
    const bool changed = FancyContainer::update(frameNo, outBounds, dirtyRegion);
    if (visible && !imagesLoaded)
        loadChildImages();
    return changed;
}

void DialogSprite::tableLoaded(DataLoader* loader)
{
    namedChildren = lang::retain(loader->getSpritesByName());
    if (!visible)
        releaseChildImages();
}

void DialogSprite::loadChildImages()
{
    FancyContainer::loadChildImages();
    imagesLoaded = true;
}

void DialogSprite::releaseChildImages()
{
    FancyContainer::releaseChildImages();
    imagesLoaded = false;
}

void DialogSprite::reloadChildImages()
{
    FancyContainer::loadChildImages();
}

void DialogSprite::remove(SpriteBase* child)
{
    if (!child)
        return;
    SyncGuard guard(children);
    FancyContainer::remove(child);
    const lang::String& childName = child->getName();
    if (namedChildren && !childName.isEmpty() && namedChildren->get(childName) == child)
        namedChildren->remove(&childName);
}

void DialogSprite::putNamed(const lang::String& childName, SpriteBase* child)
{
    if (childName.isEmpty()) {
        child->setName(lang::String());
        return;
    }
    if (!namedChildren)
        namedChildren = lang::adopt(new util::Hashtable);
    child->setName(childName);
    while (namedChildren->remove(&childName)) {
    }
    namedChildren->put(childName, child);
}

template <class Insert>
void DialogSprite::addNamedUsing(const lang::String& childName, SpriteBase* child, Insert insert)
{
    if (!child)
        return;
    SyncGuard guard(children);
    lang::Ref<SpriteBase> holder = lang::retain(child);
    remove(child);
    putNamed(childName, child);
    insert();
}

void DialogSprite::addNamedAfter(const lang::String& childName, SpriteBase* child, SpriteBase* after)
{
    addNamedUsing(childName, child, [&] { insertAfter(child, after); });
}

void DialogSprite::addNamed(const lang::String& childName, SpriteBase* child)
{
    addNamedUsing(childName, child, [&] { add(child); });
}

void DialogSprite::insertBefore(SpriteBase* child, SpriteBase* before)
{
    insertBeside(child, before, false);
}

void DialogSprite::addNamedBefore(const lang::String& childName, SpriteBase* child, SpriteBase* before)
{
    addNamedUsing(childName, child, [&] { insertBefore(child, before); });
}

void DialogSprite::setChildrenFireOnRelease(bool on)
{
    SyncGuard guard(children);
    for (int32_t i = 0; i < children.size(); ++i) {
        auto* child = static_cast<SpriteBase*>(children.elementAt(i));
        if (ButtonMixin* button = ButtonMixin::of(child))
            button->setFireOnRelease(on);
        else if (DialogSprite* nested = asDialog(child))
            nested->setChildrenFireOnRelease(on);
    }
}

bool DialogSprite::wantsKeys()
{
    return visible;
}

int32_t DialogSprite::offerAction(const lang::String& actionName)
{
    for (int32_t i = childCount() - 1; i >= 0; --i) {
        lang::Ref<SpriteBase> child = lang::adopt(getChild(i));
        if (DialogSprite* nested = asDialog(child.get())) {
            const int32_t result = nested->offerAction(actionName);
            if (result >= Action && result <= Swallowed)
                return result;
        }
    }
    return NotHandled;
}

int32_t DialogSprite::resolveAction(const lang::String& actionName, lang::String& outName, int32_t)
{
    return onButton(actionName, outName);
}

int32_t DialogSprite::onButton(const lang::String&, lang::String&)
{
    return NotHandled;
}

int32_t DialogSprite::handleKey(window::Event*)
{
    return NotHandled;
}

template <class Handle>
int32_t DialogSprite::withLocalEvent(window::Event* event, Handle handle)
{
    const int32_t savedX = event->x;
    const int32_t savedY = event->y;
    event->x -= getX();
    event->y -= getY();
    const int32_t result = handle();
    event->x = savedX;
    event->y = savedY;
    return result;
}

int32_t DialogSprite::takeNestedAction(DialogSprite* nested)
{
    pendingAction = nested->getPendingAction();
    pressedChildName = nested->getName();
    lang::String translated;
    switch (nested->onButton(pendingAction, translated)) {
    case NotHandled:
        return Action;
    case Action:
        pendingAction = translated;
        return Action;
    default:
        pendingAction = lang::String();
        return Swallowed;
    }
}

int32_t DialogSprite::handleMousePressed(window::Event* event)
{
    pressX = event->x;
    pressY = event->y;
    pendingAction = lang::String();
    pressedChildName = lang::String();
    if (!visible)
        return NotHandled;
    if (!contains(event->x, event->y))
        return modal ? Swallowed : NotHandled;
    if (fading && fadeSpeed < 1)
        return Swallowed;
    const int32_t localX = event->x - getX();
    const int32_t localY = event->y - getY();
    lang::Ref<SpriteBase> pressedButton;
    for (int32_t i = childCount() - 1; i >= 0 && !pressedButton; --i) {
        lang::Ref<SpriteBase> child = lang::adopt(getChild(i));
        if (ButtonMixin* button = ButtonMixin::of(child.get())) {
            if (button->pressTest(localX, localY))
                pressedButton = child;
            continue;
        }
        DialogSprite* nested = asDialog(child.get());
        if (!nested || !nested->isVisible() || !(nested->contains(localX, localY) || nested->isModal()))
            continue;
        const int32_t result = withLocalEvent(event, [&] { return nested->handleMousePressed(event); });
        if (result == Action || result == Closed)
            return takeNestedAction(nested);
        if (result == Swallowed) {
            pressedChildName = nested->getName();
            return Swallowed;
        }
        if (nested->isModal()) {
            pressedChildName = nested->getName();
            if (notifyBackground)
                backgroundClicked = true;
            return Swallowed;
        }
    }
    if (!pressedButton) {
        if (notifyBackground)
            backgroundClicked = true;
        return Swallowed;
    }
    ButtonMixin* button = ButtonMixin::of(pressedButton.get());
    if (button->isFireOnRelease()) {
        button->setPressed(true);
        pressedChildName = pressedButton->getName();
        return Swallowed;
    }
    pendingAction = pressedButton->getName();
    return Action;
}

int32_t DialogSprite::handleMouseReleased(window::Event* event)
{
    if (backgroundClicked) {
        backgroundClicked = false;
        return Swallowed;
    }
    if (pressedChildName.isEmpty())
        return NotHandled;
    const lang::String childName = pressedChildName;
    pressedChildName = lang::String();
    lang::Ref<SpriteBase> child = lang::retain(getChild(childName));
    if (DialogSprite* nested = asDialog(child.get())) {
        const int32_t result = withLocalEvent(event, [&] { return nested->handleMouseReleased(event); });
        if (result == Action || result == Closed)
            return takeNestedAction(nested);
        return result == Swallowed ? Swallowed : NotHandled;
    }
    if (ButtonMixin* button = ButtonMixin::of(child.get())) {
        if (button->release(event->x - getX(), event->y - getY())) {
            pendingAction = childName;
            return Action;
        }
    }
    return NotHandled;
}

int32_t DialogSprite::handleMouseMoved(window::Event* event)
{
    if (!visible)
        return NotHandled;
    const int32_t localX = event->x - getX();
    const int32_t localY = event->y - getY();
    bool pointerOnButton = false;
    for (int32_t i = childCount() - 1; i >= 0; --i) {
        lang::Ref<SpriteBase> child = lang::adopt(getChild(i));
        if (ButtonMixin* button = ButtonMixin::of(child.get())) {
            if (button->hover(localX, localY))
                pointerOnButton = true;
        } else if (DialogSprite* nested = asDialog(child.get()); nested && nested->isVisible()) {
            if (withLocalEvent(event, [&] { return nested->handleMouseMoved(event); }) != NotHandled)
                pointerOnButton = true;
            // Nothing under a modal pop-up lights up.
            if (nested->isModal())
                break;
        }
    }
    return pointerOnButton ? Action : NotHandled;
}

bool DialogSprite::handleEvent(window::Event* event)
{
    if (!event || event->id != window::Event::Action)
        return false;
    lang::Object* argument = event->getArgument();
    if (!argument || !argument->isInstanceOf("String"))
        return false;
    onAction(event->getSource(), *static_cast<lang::String*>(argument));
    return true;
}

SpriteBase* DialogSprite::getChild(const lang::String& childName)
{
    SyncGuard guard(children);
    if (!namedChildren)
        return nullptr;
    return static_cast<SpriteBase*>(namedChildren->get(childName));
}

bool DialogSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "DialogSprite") == 0 || FancyContainer::isInstanceOf(className);
}

} // namespace sprite
