// The canvas's render thread: once per frame period it runs one game step and then a paint, both
// under the owner's monitor, with FramePacer's rule for frames that come late. Its clock is the
// steady one unless another is set.
#pragma once

#include "lang/Ref.h"
#include "sprite/FrameClock.h"
#include "sprite/detail/LoopThread.h"

#include <atomic>
#include <functional>

namespace sprite {

class RenderLoop {
public:
    // `paint` answers whether it painted.
    RenderLoop(
        lang::Object& owner, int32_t periodMs, std::function<void()> step, std::function<bool()> paint);

    // The clock of the thread (the steady one for null); set it before start().
    void setClock(FrameClock* newClock);
    FrameClock* getClock() const { return clock.get(); }

    // Starts the thread unless it runs.
    void start();
    // Asks the thread to end after the step it is in.
    void requestStop();
    // Hands the thread over, to be joined outside the owner's monitor; null when none runs.
    lang::Ref<LoopThread> takeThread() { return std::move(thread); }
    bool isRunning() const { return thread != nullptr; }

    // While paused the thread paints but takes no game steps.
    void setPaused(bool on) { paused = on; }
    bool isPaused() const { return paused; }

    // The most that any frame step ran after its time, in milliseconds, over every run.
    int64_t getWorstLateness() const { return worstLateness; }

private:
    void run(LoopThread& running);

    lang::Object& owner;
    int32_t period;
    std::function<void()> step;
    std::function<bool()> paint;
    lang::Ref<FrameClock> clock;
    lang::Ref<LoopThread> thread;
    std::atomic<bool> paused{false};
    std::atomic<int64_t> worstLateness{0};
};

} // namespace sprite
