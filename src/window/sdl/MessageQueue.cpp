// The message queue of the SDL platform layer: posted messages and window timers travel as
// SDL user events to the main thread, each holding a reference to its target component until
// it is delivered or dropped.
#include "window/sdl/SdlPlatform.h"

#include "lang/Ref.h"
#include "window/Component.h"
#include "window/sdl/MessageQueue.h"

#include <SDL.h>

#include <map>
#include <mutex>
#include <vector>

namespace window::sdl {

namespace {

uint32_t registeredType = 0;

struct PostedMessage {
    Component* target; // one reference, released after delivery
    uint32_t message;
    WParam wParam;
    LParam lParam;
};

struct TimerRecord {
    Component* target; // one reference for as long as the timer exists
    int32_t id;
    SDL_TimerID sdlTimer;
    bool messageWaiting;
};

std::mutex timerMutex;
std::map<uintptr_t, TimerRecord> timers;
uintptr_t nextTimerKey = 1;

Uint32 timerTick(Uint32 interval, void* param)
{
    std::lock_guard<std::mutex> guard(timerMutex);
    auto found = timers.find(reinterpret_cast<uintptr_t>(param));
    if (found == timers.end())
        return 0;
    TimerRecord& record = found->second;
    if (!record.messageWaiting) {
        record.target->addRef();
        record.messageWaiting = pushUserEvent(UserEvent::Timer, record.target, param);
        if (!record.messageWaiting)
            record.target->release();
    }
    return interval;
}

Uint32 postLater(Uint32, void* param)
{
    auto* posted = static_cast<PostedMessage*>(param);
    if (!pushUserEvent(UserEvent::PostedMessage, posted)) {
        posted->target->release();
        delete posted;
    }
    return 0;
}

// Removes the timers that `matches` selects and releases their targets.
template <class Matches>
void removeTimers(Matches matches)
{
    std::vector<Component*> targets;
    {
        std::lock_guard<std::mutex> guard(timerMutex);
        for (auto it = timers.begin(); it != timers.end();) {
            if (matches(it->second)) {
                SDL_RemoveTimer(it->second.sdlTimer);
                targets.push_back(it->second.target);
                it = timers.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (Component* target : targets)
        target->release();
}

} // namespace

void deliver(Component* target, uint32_t message, WParam wParam, LParam lParam)
{
    if (target && target->getWindow())
        target->handleMessage(message, wParam, lParam);
}

void deliverHeld(Component* target, uint32_t message, WParam wParam, LParam lParam)
{
    lang::Ref<Component> holder = lang::retain(target);
    deliver(target, message, wParam, lParam);
}

void deliverPosted(const SDL_UserEvent& user)
{
    auto* posted = static_cast<PostedMessage*>(user.data1);
    deliver(posted->target, posted->message, posted->wParam, posted->lParam);
    posted->target->release();
    delete posted;
}

void deliverTimer(const SDL_UserEvent& user)
{
    auto* target = static_cast<Component*>(user.data1);
    int32_t id = -1;
    {
        std::lock_guard<std::mutex> guard(timerMutex);
        auto found = timers.find(reinterpret_cast<uintptr_t>(user.data2));
        if (found != timers.end()) {
            found->second.messageWaiting = false;
            id = found->second.id;
        }
    }
    if (id >= 0)
        deliverHeld(target, MsgTimer, WParam(id), 0);
    target->release();
}

// Gives back what a user event holds without delivering it.
void dropUserEvent(const SDL_UserEvent& user)
{
    if (UserEvent(user.code) == UserEvent::PostedMessage) {
        auto* posted = static_cast<PostedMessage*>(user.data1);
        posted->target->release();
        delete posted;
    } else if (UserEvent(user.code) == UserEvent::Timer) {
        static_cast<Component*>(user.data1)->release();
    }
}

void removeAllTimers()
{
    removeTimers([](const TimerRecord&) { return true; });
}

uint32_t userEventType()
{
    return registeredType;
}

void registerUserEvents()
{
    if (registeredType == 0) {
        uint32_t type = SDL_RegisterEvents(1);
        registeredType = type == uint32_t(-1) ? 0 : type;
    }
}

bool pushUserEvent(UserEvent kind, void* data1, void* data2)
{
    if (registeredType == 0)
        return false;
    SDL_Event event{};
    event.type = registeredType;
    event.user.code = int32_t(kind);
    event.user.data1 = data1;
    event.user.data2 = data2;
    return SDL_PushEvent(&event) == 1;
}

void SdlPlatform::postMessage(Component* target, uint32_t message, WParam wParam, LParam lParam)
{
    if (!target)
        return;
    target->addRef();
    auto* posted = new PostedMessage{target, message, wParam, lParam};
    if (!pushUserEvent(UserEvent::PostedMessage, posted)) {
        target->release();
        delete posted;
    }
}

void SdlPlatform::postMessageAfter(
    Component* target, uint32_t message, WParam wParam, LParam lParam, uint32_t delayMs)
{
    if (!target)
        return;
    target->addRef();
    auto* posted = new PostedMessage{target, message, wParam, lParam};
    if (SDL_AddTimer(delayMs, postLater, posted) == 0) {
        target->release();
        delete posted;
    }
}

void SdlPlatform::postQuit(int32_t exitCode)
{
    pushUserEvent(UserEvent::Quit, reinterpret_cast<void*>(intptr_t(exitCode)));
}

void SdlPlatform::setTimer(Component* target, int32_t id, uint32_t periodMs)
{
    if (!target || !SDL_WasInit(SDL_INIT_TIMER))
        return;
    killTimer(target, id);
    std::lock_guard<std::mutex> guard(timerMutex);
    uintptr_t key = nextTimerKey++;
    target->addRef();
    timers[key] = TimerRecord{target, id, 0, false};
    timers[key].sdlTimer = SDL_AddTimer(periodMs, timerTick, reinterpret_cast<void*>(key));
}

void SdlPlatform::killTimer(Component* target, int32_t id)
{
    removeTimers([&](const TimerRecord& record) { return record.target == target && record.id == id; });
}

void SdlPlatform::killTimers(Component* target)
{
    removeTimers([&](const TimerRecord& record) { return record.target == target; });
}

} // namespace window::sdl
