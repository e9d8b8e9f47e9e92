// The canvas's input: a queue that the window fills and a thread that takes one event at a time
// from it to the owner's dispatch, and the rules by which presses, releases, moves and keys
// reach the dialogs and buttons of the sprite list (examined from the top down) and become
// named actions. The queue has a monitor of its own.
#pragma once

#include "lang/Ref.h"
#include "lang/String.h"
#include "sprite/detail/LoopThread.h"
#include "util/Vector.h"
#include "window/Event.h"

#include <atomic>
#include <functional>

namespace sprite {

class SpriteBase;
class SpriteList;

class InputRouter {
public:
    // `dispatch` handles the current event; the thread calls it for every event it takes.
    InputRouter(lang::Object& owner, SpriteList& sprites, std::function<void()> dispatch);

    // --- the queue and its thread
    // Starts taking events (and the thread, unless it runs).
    void start();
    // Asks the thread to end after the event it is on and refuses further events.
    void requestStop();
    // Hands the thread over, to be joined outside the owner's monitor (after wake()); null when
    // none runs.
    lang::Ref<LoopThread> takeThread() { return std::move(thread); }
    // Wakes the thread from its wait for an event.
    void wake();
    // Queues an event; false before start() or after requestStop().
    bool enqueue(window::Event* event);
    int32_t queuedCount();
    // The event being dispatched (set by the thread; tests dispatch by hand).
    window::Event* getCurrentEvent() const { return currentEvent.get(); }
    void setCurrentEvent(window::Event* event) { currentEvent = lang::retain(event); }
    // True while the thread works on an event.
    bool isDispatching() const { return dispatching; }

    // --- the rules: each answers true with a source and a name when the event is an action
    bool mousePressed(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName);
    bool mouseReleased(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName);
    // The cursor's actions: "handCursor" when the pointer comes over an enabled button,
    // "normalCursor" when it leaves.
    bool mouseMoved(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName);
    bool key(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName);
    // Resolves a dialog's pending action after a handler's result.
    bool resolveDialogResult(
        SpriteBase* dialog, int32_t result, lang::Ref<lang::Object>& outSource, lang::String& outName);
    // Offers a named action to the visible dialogs from the top down; true when one took it.
    bool offerToDialogs(const lang::String& name);

private:
    void run(LoopThread& running);

    lang::Object& owner;
    SpriteList& sprites;
    std::function<void()> dispatch;
    lang::Ref<LoopThread> thread;
    util::Vector queue;
    lang::Ref<window::Event> currentEvent;
    std::atomic<bool> accepting{false};
    std::atomic<bool> blocked{false};
    std::atomic<bool> dispatching{false};
    // The button that took the last press and fires on its release.
    lang::String pressedName;
    lang::Ref<SpriteBase> pressedSprite;
    // The pointer is over an enabled button and the hand cursor shows.
    bool handCursorShown = false;
};

} // namespace sprite
