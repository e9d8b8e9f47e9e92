#include "sprite/RenderLoop.h"

#include "lang/Exception.h"
#include "lang/SyncGuard.h"
#include "sprite/detail/FramePacer.h"

namespace sprite {

RenderLoop::RenderLoop(
    lang::Object& owner, int32_t periodMs, std::function<void()> step, std::function<bool()> paint)
    : owner(owner),
      period(periodMs),
      step(std::move(step)),
      paint(std::move(paint)),
      clock(lang::retain(FrameClock::forNewCanvases()))
{
}

void RenderLoop::setClock(FrameClock* newClock)
{
    clock = lang::retain(newClock ? newClock : FrameClock::steady());
}

void RenderLoop::start()
{
    if (thread)
        return;
    thread = lang::adopt(new LoopThread(
        &owner, [this](LoopThread& running) { run(running); }, "RenderThread"));
    thread->start();
}

void RenderLoop::requestStop()
{
    if (thread)
        thread->requestStop();
}

void RenderLoop::run(LoopThread& running)
{
    lang::Ref<FrameClock> time = clock;
    FramePacer pacer(time->now(), period);
    PeriodicWaker waker(*time, period);
    while (!running.isStopRequested()) {
        try {
            int32_t timeout;
            {
                SyncGuard guard(owner);
                if (!paused)
                    step();
                timeout = pacer.afterStep(time->now(), paint);
            }
            if (pacer.getWorstLateness() > worstLateness)
                worstLateness = pacer.getWorstLateness();
            if (timeout > 0)
                waker.wait(timeout);
        } catch (lang::Exception* exception) {
            exception->release();
            time->sleep(period);
        }
    }
}

} // namespace sprite
