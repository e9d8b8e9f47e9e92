#include "lang/Thread.h"

#include "lang/Debug.h"
#include "lang/SyncGuard.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>

namespace lang {

struct Thread::RunState {
    std::mutex mutex;
    std::condition_variable ended;
    bool finished = false;
};

std::atomic<void (*)()> Thread::endOfRunHook{nullptr};

Thread::Thread() : target(this) {}

Thread::Thread(Runnable* target) : target(target ? target : this)
{
    if (this->target != this)
        this->target->addRef();
}

Thread::~Thread()
{
    if (target != this)
        target->release();
}

void Thread::start()
{
    if (running.exchange(true))
        return;
    auto state = std::make_shared<RunState>();
    {
        SyncGuard guard(*this);
        currentRun = state;
    }
    // The run's reference is taken here rather than on the new thread, so that an owner who
    // releases the thread right after start cannot destroy it before the run begins.
    addRef();
    try {
        // Like a closed handle, a detached system thread runs on; RunState tells when it ends.
        std::thread(threadProcedure, this, state).detach();
    } catch (const std::system_error&) {
        debugOutput("Thread: the system refused a new thread\n");
        {
            SyncGuard guard(*this);
            currentRun.reset();
        }
        running = false;
        release();
    }
}

void Thread::threadProcedure(Thread* thread, std::shared_ptr<RunState> state)
{
    thread->target->run();
    if (void (*hook)() = endOfRunHook.load())
        hook();
    thread->running = false;
    thread->release(); // may destroy the thread object
    {
        std::lock_guard<std::mutex> lock(state->mutex);
        state->finished = true;
    }
    state->ended.notify_all();
}

void Thread::setEndOfRunHook(void (*hook)())
{
    endOfRunHook.store(hook);
}

void Thread::join(int32_t milliseconds)
{
    std::shared_ptr<RunState> state;
    {
        SyncGuard guard(*this);
        state = currentRun;
    }
    if (!state)
        return;
    std::unique_lock<std::mutex> lock(state->mutex);
    if (milliseconds == 0)
        state->ended.wait(lock, [&] { return state->finished; });
    else
        state->ended.wait_for(lock, std::chrono::milliseconds(milliseconds), [&] { return state->finished; });
}

void Thread::sleep(int32_t milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool Thread::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Thread") == 0 || Object::isInstanceOf(className)
        || std::strcmp(className, "Runnable") == 0;
}

} // namespace lang
