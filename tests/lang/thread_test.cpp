// lang::Thread: start and join, one run at a time, restarting, the run's own reference.
#include "lang/Ref.h"
#include "lang/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <future>

namespace {

// A thread whose run waits until the test opens its gate, and that reports its destruction.
class GatedThread : public lang::Thread {
public:
    explicit GatedThread(std::shared_future<void> gate, std::promise<void>* destroyed = nullptr)
        : gate(std::move(gate)), destroyed(destroyed) {}
    ~GatedThread() override
    {
        if (destroyed)
            destroyed->set_value();
    }

    void run() override
    {
        ++runs;
        gate.wait();
    }

    std::atomic<int> runs{0};

private:
    std::shared_future<void> gate;
    std::promise<void>* destroyed;
};

class CountingTarget : public lang::Object, public lang::Runnable {
public:
    void run() override { ++runs; }
    std::atomic<int> runs{0};
};

TEST(ThreadTest, RunsItsTargetNotItself)
{
    lang::Ref<CountingTarget> target = lang::adopt(new CountingTarget);
    {
        lang::Ref<lang::Thread> thread = lang::adopt(new lang::Thread(target.get()));
        EXPECT_EQ(target->getRefCount(), 2);
        thread->start();
        thread->join();
        EXPECT_FALSE(thread->isRunning());
    }
    EXPECT_EQ(target->runs, 1);
    EXPECT_EQ(target->getRefCount(), 1);
}

TEST(ThreadTest, StartingTwiceWhileRunningStartsOnce)
{
    std::promise<void> open;
    lang::Ref<GatedThread> thread = lang::adopt(new GatedThread(open.get_future().share()));
    thread->start();
    thread->start();
    EXPECT_TRUE(thread->isRunning());
    open.set_value();
    thread->join(0);
    EXPECT_EQ(thread->runs, 1);
    EXPECT_FALSE(thread->isRunning());
}

TEST(ThreadTest, AThreadThatEndedCanRunAgain)
{
    std::promise<void> open;
    open.set_value();
    lang::Ref<GatedThread> thread = lang::adopt(new GatedThread(open.get_future().share()));
    thread->start();
    thread->join();
    thread->start();
    thread->join();
    EXPECT_EQ(thread->runs, 2);
    // Joining a finished run returns at once, as often as asked.
    thread->join(0);
    thread->join(10);
}

TEST(ThreadTest, JoinWithoutStartReturnsAtOnce)
{
    lang::Ref<lang::Thread> thread = lang::adopt(new lang::Thread);
    thread->join(0);
    EXPECT_FALSE(thread->isRunning());
}

TEST(ThreadTest, ReleasedRightAfterStartItRunsToTheEndThenDies)
{
    std::promise<void> open;
    std::promise<void> destroyed;
    std::future<void> gone = destroyed.get_future();
    auto* thread = new GatedThread(open.get_future().share(), &destroyed);
    thread->start();
    thread->release(); // the owner lets go while run is still waiting at its gate
    EXPECT_EQ(gone.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
    open.set_value();
    gone.wait(); // destroyed by its own run's last reference
}

TEST(ThreadTest, ATimedJoinOnARunningThreadComesBackWhileItRuns)
{
    std::promise<void> open;
    lang::Ref<GatedThread> thread = lang::adopt(new GatedThread(open.get_future().share()));
    thread->start();
    thread->join(1);
    EXPECT_TRUE(thread->isRunning());
    open.set_value();
    thread->join();
    EXPECT_FALSE(thread->isRunning());
}

TEST(ThreadTest, NamesItsTwoBases)
{
    lang::Ref<lang::Thread> thread = lang::adopt(new lang::Thread);
    EXPECT_TRUE(thread->isInstanceOf("Thread"));
    EXPECT_TRUE(thread->isInstanceOf("Object"));
    EXPECT_TRUE(thread->isInstanceOf("Runnable"));
    EXPECT_FALSE(thread->isInstanceOf("thread"));
    EXPECT_STREQ(thread->getClassName(), "Thread");
}

} // namespace
