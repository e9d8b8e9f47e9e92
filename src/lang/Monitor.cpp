#include "lang/Monitor.h"

namespace lang {

void Monitor::enter()
{
    mutex.lock();
    ++depth_;
}

void Monitor::leave()
{
    --depth_;
    mutex.unlock();
}

void Monitor::resetEvent()
{
    std::lock_guard<std::mutex> guard(eventMutex);
    signalled = false;
}

void Monitor::setEvent()
{
    {
        std::lock_guard<std::mutex> guard(eventMutex);
        signalled = true;
    }
    eventChanged.notify_all();
}

void Monitor::waitEvent(int32_t timeoutMs)
{
    std::unique_lock<std::mutex> guard(eventMutex);
    if (timeoutMs < 0)
        eventChanged.wait(guard, [this] { return signalled; });
    else
        eventChanged.wait_for(guard, std::chrono::milliseconds(timeoutMs), [this] { return signalled; });
}

} // namespace lang
