#include "sprite/InputRouter.h"

#include "lang/Debug.h"
#include "lang/Exception.h"
#include "lang/SyncGuard.h"
#include "sprite/ButtonMixin.h"
#include "sprite/DialogSprite.h"
#include "sprite/SpriteList.h"

namespace sprite {

namespace {

DialogSprite* visibleDialog(SpriteBase* sprite)
{
    if (!sprite || !sprite->isVisible() || !sprite->isInstanceOf("DialogSprite"))
        return nullptr;
    return static_cast<DialogSprite*>(sprite);
}

} // namespace

InputRouter::InputRouter(lang::Object& owner, SpriteList& sprites, std::function<void()> dispatch)
    : owner(owner), sprites(sprites), dispatch(std::move(dispatch))
{
}

// --- the queue and its thread

void InputRouter::start()
{
    accepting = true;
    if (!thread) {
        thread = lang::adopt(new LoopThread(
            &owner, [this](LoopThread& running) { run(running); }, "InputThread"));
        thread->start();
    }
    blocked = false;
}

void InputRouter::requestStop()
{
    if (thread)
        thread->requestStop();
    blocked = true;
}

void InputRouter::wake()
{
    SyncGuard queueGuard(queue);
    queue.notifyAll();
}

bool InputRouter::enqueue(window::Event* event)
{
    if (!event || !accepting || blocked)
        return false;
    SyncGuard guard(queue);
    queue.addElement(event);
    queue.notifyAll();
    return true;
}

int32_t InputRouter::queuedCount()
{
    SyncGuard guard(queue);
    return queue.size();
}

void InputRouter::run(LoopThread& running)
{
    while (!running.isStopRequested()) {
        {
            SyncGuard queueGuard(queue);
            if (queue.size() > 0) {
                currentEvent = lang::retain(static_cast<window::Event*>(queue.elementAt(0)));
                queue.removeElementAt(0);
                dispatching = true;
            }
        }
        if (currentEvent) {
            try {
                dispatch();
            } catch (lang::Exception* exception) {
                lang::debugOutput((exception->getMessage() + "\n").c_str());
                exception->release();
            }
            currentEvent.reset();
            dispatching = false;
        }
        SyncGuard queueGuard(queue);
        while (queue.size() == 0 && !running.isStopRequested())
            queue.wait(3000);
    }
    SyncGuard queueGuard(queue);
    queue.removeAllElements();
}

// --- the rules

bool InputRouter::resolveDialogResult(
    SpriteBase* dialogSprite, int32_t result, lang::Ref<lang::Object>& outSource, lang::String& outName)
{
    auto* dialog = static_cast<DialogSprite*>(dialogSprite);
    outSource = lang::retain<lang::Object>(dialog);
    switch (result) {
    case DialogSprite::Closed:
        outName = "CLOSED";
        return true;
    case DialogSprite::Swallowed:
        outName = lang::String();
        return true;
    case DialogSprite::Action:
        break;
    default:
        return false;
    }
    const lang::String pending = dialog->getPendingAction();
    lang::String translated;
    switch (dialog->resolveAction(pending, translated)) {
    case DialogSprite::NotHandled:
        outName = pending;
        return true;
    case DialogSprite::Action:
        outName = translated;
        return true;
    case DialogSprite::Closed:
        outName = "CLOSED";
        return true;
    default:
        outName = lang::String();
        return false;
    }
}

bool InputRouter::mousePressed(
    window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName)
{
    pressedName = lang::String();
    pressedSprite.reset();
    for (int32_t i = sprites.count() - 1; i >= 0; --i) {
        lang::Ref<SpriteBase> sprite = lang::adopt(sprites.at(i));
        if (DialogSprite* dialog = visibleDialog(sprite.get())) {
            const int32_t result = dialog->handleMousePressed(event);
            if (result != DialogSprite::NotHandled)
                return resolveDialogResult(dialog, result, outSource, outName);
            continue;
        }
        ButtonMixin* button = ButtonMixin::of(sprite.get());
        if (!button || !button->pressTest(event->x, event->y))
            continue;
        if (!button->isFireOnRelease()) {
            outSource = lang::retain<lang::Object>(sprite.get());
            outName = sprite->getName();
            return true;
        }
        // The action waits for a release over the same button.
        button->setPressed(true);
        pressedName = sprite->getName();
        pressedSprite = sprite;
        return false;
    }
    return false;
}

bool InputRouter::mouseReleased(
    window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName)
{
    if (!pressedName.isEmpty()) {
        const lang::String name = pressedName;
        lang::Ref<SpriteBase> sprite = pressedSprite;
        pressedName = lang::String();
        pressedSprite.reset();
        ButtonMixin* button = ButtonMixin::of(sprite.get());
        if (button && button->release(event->x, event->y)) {
            outSource = lang::retain<lang::Object>(sprite.get());
            outName = name;
            return true;
        }
    }
    for (int32_t i = sprites.count() - 1; i >= 0; --i) {
        lang::Ref<SpriteBase> sprite = lang::adopt(sprites.at(i));
        DialogSprite* dialog = visibleDialog(sprite.get());
        if (!dialog)
            continue;
        const int32_t result = dialog->handleMouseReleased(event);
        if (result != DialogSprite::NotHandled)
            return resolveDialogResult(dialog, result, outSource, outName);
        if (dialog->isModal())
            return false;
    }
    return false;
}

bool InputRouter::mouseMoved(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName)
{
    bool onButton = false;
    for (int32_t i = sprites.count() - 1; i >= 0; --i) {
        lang::Ref<SpriteBase> sprite = lang::adopt(sprites.at(i));
        if (ButtonMixin* button = ButtonMixin::of(sprite.get())) {
            if (button->hover(event->x, event->y))
                onButton = true;
            continue;
        }
        DialogSprite* dialog = visibleDialog(sprite.get());
        if (!dialog)
            continue;
        if (dialog->handleMouseMoved(event) != DialogSprite::NotHandled)
            onButton = true;
        if (dialog->isModal())
            break;
    }
    if (onButton == handCursorShown)
        return false;
    handCursorShown = onButton;
    outSource.reset();
    outName = onButton ? "handCursor" : "normalCursor";
    return true;
}

bool InputRouter::key(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName)
{
    for (int32_t i = sprites.count() - 1; i >= 0; --i) {
        lang::Ref<SpriteBase> sprite = lang::adopt(sprites.at(i));
        DialogSprite* dialog = visibleDialog(sprite.get());
        if (!dialog)
            continue;
        if (!dialog->wantsKeys()) {
            if (dialog->isModal())
                return false;
            continue;
        }
        const int32_t result = dialog->handleKey(event);
        if (result != DialogSprite::NotHandled)
            return resolveDialogResult(dialog, result, outSource, outName);
    }
    return false;
}

bool InputRouter::offerToDialogs(const lang::String& name)
{
    return sprites.visitFromTop([&name](SpriteBase* sprite) {
        if (!sprite->isVisible() || !sprite->isInstanceOf("DialogSprite"))
            return false;
        const int32_t result = static_cast<DialogSprite*>(sprite)->offerAction(name);
        return result >= DialogSprite::Action && result <= DialogSprite::Swallowed;
    });
}

} // namespace sprite
