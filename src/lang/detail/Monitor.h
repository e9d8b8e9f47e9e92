// The re-entrant monitor and manual-reset wait event behind lang::Object's lock and wait.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace lang {

class Monitor {
public:
    void enter();
    void leave();
    // How many times the calling thread has entered; 0 when another thread (or none) owns it.
    int32_t depthHeldByCaller() const;

    // The wait event stays signalled from notify until the next reset, waking every waiter.
    // resetEvent returns a mark to wait from: any set after the reset releases that wait, even
    // one that another thread's reset undid before the waiter got to sleep.
    uint64_t resetEvent();
    void setEvent();
    // Waits for the event or a set after `mark`; a negative time-out waits without limit.
    void waitEvent(uint64_t mark, int32_t timeoutMs);

private:
    std::recursive_mutex mutex;
    // Written only by the owning thread while it holds the mutex.
    std::atomic<std::thread::id> owner{};
    int32_t depth = 0;

    std::mutex eventMutex;
    std::condition_variable eventChanged;
    bool signalled = false;
    // Counts setEvent calls.
    uint64_t setCount = 0;
};

} // namespace lang
