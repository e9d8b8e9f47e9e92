#include "lang/detail/Monitor.h"

namespace lang {

void Monitor::enter()
{
    mutex.lock();
    if (depth++ == 0)
        owner.store(std::this_thread::get_id(), std::memory_order_relaxed);
}

void Monitor::leave()
{
    if (--depth == 0)
        owner.store(std::thread::id(), std::memory_order_relaxed);
    mutex.unlock();
}

int32_t Monitor::depthHeldByCaller() const
{
    // Only the owner reads the depth, so the read never races with a change.
    if (owner.load(std::memory_order_relaxed) != std::this_thread::get_id())
        return 0;
    return depth;
}

uint64_t Monitor::resetEvent()
{
    std::lock_guard<std::mutex> guard(eventMutex);
    signalled = false;
    return setCount;
}

void Monitor::setEvent()
{
    {
        std::lock_guard<std::mutex> guard(eventMutex);
        signalled = true;
        ++setCount;
    }
    eventChanged.notify_all();
}

void Monitor::waitEvent(uint64_t mark, int32_t timeoutMs)
{
    std::unique_lock<std::mutex> guard(eventMutex);
    const auto released = [&] { return signalled || setCount != mark; };
    if (timeoutMs < 0)
        eventChanged.wait(guard, released);
    else
        eventChanged.wait_for(guard, std::chrono::milliseconds(timeoutMs), released);
}

} // namespace lang
