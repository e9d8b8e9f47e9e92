#include "sprite/detail/LoopThread.h"

namespace sprite {

namespace {

// The canvas thread running on this system thread, if any.
thread_local const lang::Thread* currentLoopThread = nullptr;

} // namespace

LoopThread::LoopThread(lang::Object* owner, std::function<void(LoopThread&)> body, const char* name)
    : owner(lang::retain(owner)), body(std::move(body)), name(name)
{
}

void LoopThread::run()
{
    currentLoopThread = this;
    body(*this);
    currentLoopThread = nullptr;
}

void LoopThread::joinUnlessCurrent()
{
    if (this != currentLoopThread)
        join();
}

} // namespace sprite
