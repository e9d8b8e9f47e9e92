// A thread of the canvas: runs its body until asked to stop. It holds a reference to the object
// it works for, so that object outlives the thread.
#pragma once

#include "lang/Ref.h"
#include "lang/Thread.h"

#include <atomic>
#include <functional>

namespace sprite {

class LoopThread : public lang::Thread {
public:
    // The body runs once and checks isStopRequested() to end.
    LoopThread(lang::Object* owner, std::function<void(LoopThread&)> body, const char* name);

    void run() override;
    void requestStop() { stopRequested = true; }
    bool isStopRequested() const { return stopRequested; }
    // Waits for the end of the run, unless called from this thread itself: a canvas thread that
    // stops the canvas cannot wait for its own end.
    void joinUnlessCurrent();

    const char* getClassName() const override { return name; }

private:
    lang::Ref<lang::Object> owner;
    std::function<void(LoopThread&)> body;
    const char* name;
    std::atomic<bool> stopRequested{false};
};

} // namespace sprite
