// Reference counting, type tests, the monitor and its wait event, Integer and Exception.
#include "lang/Exception.h"
#include "lang/Integer.h"
#include "lang/Ref.h"
#include "lang/String.h"
#include "lang/SyncGuard.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <future>
#include <thread>

namespace {

// Counts its destructions in a flag the test owns.
class Tracked : public lang::Object {
public:
    explicit Tracked(int* destroyed) : destroyed(destroyed) {}
    ~Tracked() override { ++*destroyed; }
    bool isInstanceOf(const char* name) const override
    {
        return std::strcmp(name, "Tracked") == 0 || Object::isInstanceOf(name);
    }

private:
    int* destroyed;
};

TEST(ObjectTest, OneReleaseAfterConstructionDestroys)
{
    int destroyed = 0;
    auto* object = new Tracked(&destroyed);
    EXPECT_EQ(object->getRefCount(), 1);
    object->release();
    EXPECT_EQ(destroyed, 1);
}

TEST(ObjectTest, AddRefSurvivesOneRelease)
{
    int destroyed = 0;
    auto* object = new Tracked(&destroyed);
    object->addRef();
    object->release();
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(object->getRefCount(), 1);
    object->release();
    EXPECT_EQ(destroyed, 1);
}

TEST(ObjectTest, RefHoldsAndReleasesOneReference)
{
    int destroyed = 0;
    {
        lang::Ref<Tracked> first = lang::adopt(new Tracked(&destroyed));
        lang::Ref<Tracked> second = first;
        EXPECT_EQ(first->getRefCount(), 2);
        lang::Ref<Tracked> third = lang::retain(first.get());
        EXPECT_EQ(first->getRefCount(), 3);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(ObjectTest, CountsStayExactUnderTwoThreads)
{
    int destroyed = 0;
    auto* object = new Tracked(&destroyed);
    auto hammer = [object] {
        for (int i = 0; i < 200000; ++i) {
            object->addRef();
            object->release();
        }
    };
    std::thread a(hammer);
    std::thread b(hammer);
    a.join();
    b.join();
    EXPECT_EQ(object->getRefCount(), 1);
    EXPECT_EQ(destroyed, 0);
    object->release();
    EXPECT_EQ(destroyed, 1);
}

TEST(ObjectTest, LastReleaseFromEitherThreadDestroysOnce)
{
    int destroyed = 0;
    auto* object = new Tracked(&destroyed);
    for (int i = 0; i < 1000; ++i)
        object->addRef();
    auto drop = [object] {
        for (int i = 0; i < 500; ++i)
            object->release();
    };
    std::thread a(drop);
    std::thread b(drop);
    a.join();
    b.join();
    EXPECT_EQ(destroyed, 0);
    object->release();
    EXPECT_EQ(destroyed, 1);
}

TEST(ObjectTest, TypeTestsFollowTheChainCaseSensitively)
{
    lang::Integer five(5);
    EXPECT_TRUE(five.isInstanceOf("Object"));
    EXPECT_TRUE(five.isInstanceOf("Integer"));
    EXPECT_FALSE(five.isInstanceOf("object"));
    EXPECT_FALSE(five.isInstanceOf("String"));
    EXPECT_STREQ(five.getClassName(), "Integer");

    lang::Object plain;
    EXPECT_TRUE(plain.isInstanceOf("Object"));
    EXPECT_STREQ(plain.getClassName(), "Object");
    EXPECT_STREQ(plain.toString().c_str(), "lang.Object");
    EXPECT_EQ(plain.hashCode(), 0);
    EXPECT_TRUE(plain.equals(&plain));
    EXPECT_FALSE(plain.equals(&five));
}

TEST(ObjectTest, IntegerEqualsIntegersOfTheSameValueOnly)
{
    lang::Integer five(5);
    lang::Integer otherFive(5);
    lang::Integer six(6);
    lang::String text("5");
    EXPECT_TRUE(five.equals(&otherFive));
    EXPECT_FALSE(five.equals(&six));
    EXPECT_FALSE(five.equals(&text));
    EXPECT_FALSE(five.equals(nullptr));
    EXPECT_EQ(five.hashCode(), 5);
    EXPECT_EQ(five.intValue(), 5);
}

TEST(ObjectTest, ExceptionCarriesItsMessage)
{
    try {
        throw new lang::Exception("Index out of range");
    } catch (lang::Exception* e) {
        EXPECT_STREQ(e->getMessage().c_str(), "Index out of range");
        EXPECT_STREQ(e->toString().c_str(), "Index out of range");
        EXPECT_TRUE(e->isInstanceOf("Exception"));
        EXPECT_TRUE(e->isInstanceOf("Object"));
        e->release();
    }
}

TEST(MonitorTest, LockingTwiceAndUnlockingTwiceLeavesItFree)
{
    lang::Object object;
    object.lock();
    object.lock();
    EXPECT_EQ(object.getMonitorDepth(), 2);
    object.unlock();
    EXPECT_EQ(object.getMonitorDepth(), 1);
    object.unlock();
    EXPECT_EQ(object.getMonitorDepth(), 0);

    // Another thread can now take it; it would block forever if a level were left.
    std::atomic<bool> taken{false};
    std::thread other([&] {
        SyncGuard guard(object);
        taken = true;
    });
    other.join();
    EXPECT_TRUE(taken);
}

TEST(MonitorTest, DepthIsPerThread)
{
    lang::Object object;
    SyncGuard guard(object);
    int32_t seenByOther = -1;
    std::thread other([&] { seenByOther = object.getMonitorDepth(); });
    other.join();
    EXPECT_EQ(seenByOther, 0);
    EXPECT_EQ(object.getMonitorDepth(), 1);
}

TEST(MonitorTest, WaitReleasesEveryLevelAndRestoresThem)
{
    lang::Object object;
    bool notified = false; // guarded by object's monitor
    object.lock();
    object.lock();
    // The helper can only enter once the wait below has released both levels.
    std::thread helper([&] {
        SyncGuard guard(object);
        EXPECT_EQ(object.getMonitorDepth(), 1);
        notified = true;
        object.notify();
    });
    while (!notified)
        object.wait();
    EXPECT_EQ(object.getMonitorDepth(), 2);
    object.unlock();
    object.unlock();
    helper.join();
}

TEST(MonitorTest, OneNotifyWakesEveryWaiter)
{
    lang::Object object;
    int waiting = 0; // guarded by object's monitor
    int woken = 0;
    bool released = false;
    auto waiter = [&] {
        SyncGuard guard(object);
        ++waiting;
        object.notify();
        while (!released)
            object.wait();
        ++woken;
    };
    std::thread a(waiter);
    std::thread b(waiter);
    {
        SyncGuard guard(object);
        while (waiting < 2)
            object.wait();
        // Both wait now; one signal of the manual-reset event must wake both.
        released = true;
        object.notify();
    }
    a.join();
    b.join();
    EXPECT_EQ(woken, 2);
}

TEST(MonitorTest, WaitWithoutHoldingTheMonitorLeavesTheOwnerAlone)
{
    lang::Object object;
    std::promise<void> held;
    std::promise<void> waited;
    int32_t ownerDepthAfter = -1;
    std::thread owner([&] {
        SyncGuard guard(object);
        held.set_value();
        waited.get_future().wait();
        ownerDepthAfter = object.getMonitorDepth();
    });
    held.get_future().wait();
    object.wait(0); // this thread holds no level, so it gives none up
    EXPECT_EQ(object.getMonitorDepth(), 0);
    waited.set_value();
    owner.join();
    EXPECT_EQ(ownerDepthAfter, 1);
}

TEST(SyncGuardTest, TakesAReferenceOnlyWhenAsked)
{
    int destroyed = 0;
    auto* object = new Tracked(&destroyed);
    {
        SyncGuard borrowed(object);
        EXPECT_EQ(object->getRefCount(), 1);
        EXPECT_EQ(object->getMonitorDepth(), 1);
        SyncGuard owned(object, SyncGuard::TakeReference);
        EXPECT_EQ(object->getRefCount(), 2);
        EXPECT_EQ(object->getMonitorDepth(), 2);
    }
    EXPECT_EQ(object->getRefCount(), 1);
    EXPECT_EQ(object->getMonitorDepth(), 0);
    object->release();
    EXPECT_EQ(destroyed, 1);
}

} // namespace
