// The re-entrant monitor and manual-reset wait event behind lang::Object's lock and wait.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace lang {

class Monitor {
public:
    void enter();
    void leave();
    int32_t depth() const { return depth_; }

    // The wait event stays signalled from notify until the next reset, waking every waiter.
    void resetEvent();
    void setEvent();
    // Waits for the event; a negative time-out waits without limit.
    void waitEvent(int32_t timeoutMs);

private:
    std::recursive_mutex mutex;
    int32_t depth_ = 0;

    std::mutex eventMutex;
    std::condition_variable eventChanged;
    bool signalled = false;
};

} // namespace lang
