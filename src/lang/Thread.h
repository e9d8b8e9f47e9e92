// Runs a Runnable (or its own run) on a thread of its own. start, join and sleep; no way to stop
// it from outside: a thread ends when run returns. While run is going the thread object holds a
// reference on itself, so its owner may release it at any time. A thread that has ended may be
// started again.
#pragma once

#include "lang/Object.h"
#include "lang/Runnable.h"

#include <atomic>
#include <memory>

namespace lang {

class Thread : public Object, public Runnable {
public:
    // Runs the thread's own run, which subclasses override.
    Thread();
    // Runs target's run; adds a reference to the target.
    explicit Thread(Runnable* target);
    ~Thread() override;

    // Begins a new run unless one is going.
    void start();
    // Waits until the most recent run has ended or the time is up; 0 waits without limit.
    // Returns at once when the thread was never started.
    void join(int32_t milliseconds = 0);
    static void sleep(int32_t milliseconds);
    // Work done on every thread of ours as its run ends, set once by the platform layer at
    // start-up: SDL keeps data for each thread that calls it, which only that thread can free.
    static void setEndOfRunHook(void (*hook)());

    // Does nothing.
    void run() override {}

    bool isRunning() const { return running.load(); }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Thread"; }

    // Signalled when one run has ended; shared with the system thread doing that run.
    struct RunState;

private:
    static void threadProcedure(Thread* thread, std::shared_ptr<RunState> state);

    static std::atomic<void (*)()> endOfRunHook;

    Runnable* target;
    std::atomic<bool> running{false};
    std::shared_ptr<RunState> currentRun;
};

} // namespace lang
