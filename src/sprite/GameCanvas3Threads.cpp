// The canvas's two threads and their lifecycle: the input thread dispatches queued events one
// at a time; the render thread steps the game once per frame period and paints.
#include "sprite/GameCanvas3.h"

#include "lang/Debug.h"
#include "lang/Exception.h"
#include "lang/SyncGuard.h"
#include "sprite/detail/FramePacer.h"
#include "window/audio/AudioClip.h"
#include "window/Event.h"

namespace sprite {

namespace {

// The canvas thread running on this system thread, if any.
thread_local const lang::Thread* currentCanvasThread = nullptr;

void joinUnlessCurrent(lang::Thread* thread)
{
    // A canvas thread that stops the canvas itself cannot wait for its own end.
    if (thread && thread != currentCanvasThread)
        thread->join();
}

} // namespace

void GameCanvas3::InputThread::run()
{
    currentCanvasThread = this;
    canvas->runInputLoop(*this);
    currentCanvasThread = nullptr;
}

void GameCanvas3::RenderThread::run()
{
    currentCanvasThread = this;
    canvas->runRenderLoop(*this);
    currentCanvasThread = nullptr;
}

void GameCanvas3::stop()
{
    lang::Ref<InputThread> input;
    lang::Ref<RenderThread> render;
    {
        SyncGuard guard(this);
        if (inputThread)
            inputThread->requestStop();
        if (renderThread)
            renderThread->requestStop();
        input = std::move(inputThread);
        render = std::move(renderThread);
        for (int32_t i = 0; i < getSoundCount(); ++i)
            stopSound(getSound(i));
        inputBlocked = true;
    }
    {
        SyncGuard queueGuard(eventQueue);
        eventQueue.notifyAll();
    }
    joinUnlessCurrent(input.get());
    joinUnlessCurrent(render.get());
}

void GameCanvas3::runInputLoop(InputThread& thread)
{
    while (!thread.isStopRequested()) {
        {
            SyncGuard queueGuard(eventQueue);
            if (eventQueue.size() > 0) {
                currentEvent = lang::retain(static_cast<window::Event*>(eventQueue.elementAt(0)));
                eventQueue.removeElementAt(0);
                dispatching = true;
            }
        }
        if (currentEvent) {
            try {
                dispatchEvent();
            } catch (lang::Exception* exception) {
                lang::debugOutput((exception->getMessage() + "\n").c_str());
                exception->release();
            }
            currentEvent.reset();
            dispatching = false;
        }
        SyncGuard queueGuard(eventQueue);
        while (eventQueue.size() == 0 && !thread.isStopRequested())
            eventQueue.wait(3000);
    }
    SyncGuard queueGuard(eventQueue);
    eventQueue.removeAllElements();
}

void GameCanvas3::runRenderLoop(RenderThread& thread)
{
    lang::Ref<FrameClock> time = clock;
    FramePacer pacer(time->now(), FramePeriodMs);
    PeriodicWaker waker(*time, FramePeriodMs);
    while (!thread.isStopRequested()) {
        try {
            int32_t timeout;
            {
                SyncGuard guard(this);
                if (!debugPaused)
                    frameStep();
                timeout = pacer.afterStep(time->now(), [this] { return paintFrame(); });
            }
            if (timeout > 0)
                waker.wait(timeout);
        } catch (lang::Exception* exception) {
            exception->release();
            time->sleep(FramePeriodMs);
        }
    }
}

} // namespace sprite
