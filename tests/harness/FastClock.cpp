#include "FastClock.h"

#include "ScriptDriver.h"
#include "lang/Ref.h"

#include <chrono>

namespace harness {

namespace {

lang::Ref<FastClock>& theClock()
{
    static lang::Ref<FastClock> clock;
    return clock;
}

} // namespace

void FastClock::install()
{
    theClock() = lang::adopt(new FastClock);
    sprite::FrameClock::setForNewCanvases(theClock().get());
}

FastClock* FastClock::installed()
{
    return theClock().get();
}

void FastClock::waitUntil(int64_t deadline)
{
    {
        std::unique_lock<std::mutex> lock(mutex);
        betweenFrames = true;
        backBetweenFrames.notify_all();
        released.wait_for(
            lock, std::chrono::milliseconds(MaxHoldMs), [this] { return holds == 0 || framesLet > 0; });
        if (framesLet > 0)
            --framesLet;
        betweenFrames = false;
    }
    VirtualFrameClock::waitUntil(deadline);
}

void FastClock::addHold()
{
    std::lock_guard<std::mutex> lock(mutex);
    ++holds;
}

void FastClock::dropHold()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (--holds == 0) {
        framesLet = 0;
        released.notify_all();
    }
}

void FastClock::runOneFrame()
{
    std::unique_lock<std::mutex> lock(mutex);
    ++framesLet;
    released.notify_all();
    // A program that has stopped its render thread takes no frame: the player looks again.
    backBetweenFrames.wait_for(
        lock, std::chrono::milliseconds(MaxHoldMs), [this] { return framesLet == 0 && betweenFrames; });
}

FastClock::Hold::Hold()
{
    if (FastClock* clock = installed())
        clock->addHold();
}

FastClock::Hold::~Hold()
{
    if (FastClock* clock = installed())
        clock->dropHold();
}

void FastClock::Hold::passFrame()
{
    if (FastClock* clock = installed())
        clock->runOneFrame();
    else
        ScriptDriver::sleepMs(1);
}

} // namespace harness
