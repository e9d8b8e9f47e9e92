#include "lang/Object.h"

#include "lang/detail/Monitor.h"
#include "lang/String.h"

#include <cstring>

namespace lang {

Object::Object() = default;

Object::Object(const Object&) : ObjectI() {}

Object& Object::operator=(const Object&)
{
    return *this; // the count and the monitor belong to the object, not to its value
}

Object::~Object()
{
    delete monitorPtr.load();
}

void Object::addRef() const
{
    refCount.fetch_add(1);
}

void Object::release() const
{
    if (refCount.fetch_sub(1) - 1 < 1)
        delete this;
}

Monitor& Object::monitor() const
{
    Monitor* existing = monitorPtr.load(std::memory_order_acquire);
    if (existing)
        return *existing;
    // Two threads may race to create the monitor; the loser throws its copy away.
    Monitor* created = new Monitor;
    if (monitorPtr.compare_exchange_strong(existing, created, std::memory_order_acq_rel))
        return *created;
    delete created;
    return *existing;
}

void Object::lock() const
{
    monitor().enter();
}

void Object::unlock() const
{
    monitor().leave();
}

int32_t Object::getMonitorDepth() const
{
    Monitor* m = monitorPtr.load(std::memory_order_acquire);
    return m ? m->depthHeldByCaller() : 0;
}

int32_t Object::hashCode() const
{
    return 0;
}

bool Object::equals(const Object* other) const
{
    return other == this;
}

String Object::toString() const
{
    return String("lang.Object");
}

void Object::wait(int32_t timeoutMs) const
{
    Monitor& m = monitor();
    // Reset while still holding the monitor: a notify made after it, by a thread that takes the
    // monitor once it is released below, always ends this wait.
    const uint64_t mark = m.resetEvent();
    // A caller that does not hold the monitor has nothing to give up while it waits.
    const int32_t depth = m.depthHeldByCaller();
    for (int32_t i = 0; i < depth; ++i)
        m.leave();
    m.waitEvent(mark, timeoutMs);
    for (int32_t i = 0; i < depth; ++i)
        m.enter();
}

void Object::wait() const
{
    wait(-1);
}

void Object::notify() const
{
    if (Monitor* m = monitorPtr.load(std::memory_order_acquire))
        m->setEvent();
}

void Object::notifyAll() const
{
    notify();
}

bool Object::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Object") == 0;
}

const char* Object::getClassName() const
{
    return "Object";
}

} // namespace lang
