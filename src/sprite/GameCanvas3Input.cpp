// The canvas's input rules: how presses, releases, moves and keys reach the dialogs and
// buttons (examined from the top of the sprite list down) and become named actions.
#include "sprite/GameCanvas3.h"

#include "lang/SyncGuard.h"
#include "sprite/ButtonMixin.h"
#include "sprite/DialogSprite.h"
#include "window/Event.h"

namespace sprite {

namespace {

DialogSprite* visibleDialog(SpriteBase* sprite)
{
    if (!sprite || !sprite->isVisible() || !sprite->isInstanceOf("DialogSprite"))
        return nullptr;
    return static_cast<DialogSprite*>(sprite);
}

} // namespace

void GameCanvas3::dispatchEvent()
{
    lang::Ref<window::Event> event = currentEvent;
    if (!event)
        return;
    // The sprites answering input are those the render thread updates and paints.
    SyncGuard guard(this);
    lang::Ref<lang::Object> source;
    lang::String name;
    bool isAction = false;
    switch (event->id) {
    case window::Event::MouseDown:
        isAction = onMousePressed(event.get(), source, name);
        break;
    case window::Event::MouseMove:
    case window::Event::MouseDrag:
        isAction = onMouseMoved(event.get(), source, name);
        break;
    case window::Event::MouseUp:
        isAction = onMouseReleased(event.get(), source, name);
        break;
    case window::Event::KeyDown:
        isAction = !handleDebugKey(event.get()) && onKey(event.get(), source, name);
        break;
    case window::Event::KeyUp:
        isAction = onOtherEvent(event.get(), source, name);
        break;
    case window::Event::Action:
        handleEvent(event.get());
        return;
    default:
        return;
    }
    if (isAction)
        onAction(source.get(), name);
}

bool GameCanvas3::resolveDialogResult(SpriteBase* dialogSprite, int32_t result, lang::Ref<lang::Object>& outSource,
    lang::String& outName)
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

bool GameCanvas3::onMousePressed(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName)
{
    pressedName = lang::String();
    pressedSprite.reset();
    for (int32_t i = getSpriteCount() - 1; i >= 0; --i) {
        lang::Ref<SpriteBase> sprite = lang::adopt(getSpriteAt(i));
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

bool GameCanvas3::onMouseReleased(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName)
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
    for (int32_t i = getSpriteCount() - 1; i >= 0; --i) {
        lang::Ref<SpriteBase> sprite = lang::adopt(getSpriteAt(i));
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

bool GameCanvas3::onMouseMoved(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName)
{
    bool onButton = false;
    for (int32_t i = getSpriteCount() - 1; i >= 0; --i) {
        lang::Ref<SpriteBase> sprite = lang::adopt(getSpriteAt(i));
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

bool GameCanvas3::onOtherEvent(window::Event*, lang::Ref<lang::Object>&, lang::String&)
{
    return false;
}

bool GameCanvas3::onKey(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName)
{
    for (int32_t i = getSpriteCount() - 1; i >= 0; --i) {
        lang::Ref<SpriteBase> sprite = lang::adopt(getSpriteAt(i));
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

bool GameCanvas3::handleDebugKey(window::Event* event)
{
    if (!debugMode)
        return false;
    if (event->keyCode == DebugPauseKey) {
        debugPaused = !debugPaused;
        return true;
    }
    if (debugPaused && (event->keyCode == DebugStepKeyA || event->keyCode == DebugStepKeyB)) {
        frameStep();
        return true;
    }
    return false;
}

} // namespace sprite
