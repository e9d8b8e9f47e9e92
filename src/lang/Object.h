// Root of every class: an intrusive reference count that starts at 1, a re-entrant monitor
// and a wait event that both come into being on first use, and a type test by short class name.
#pragma once

#include "lang/ObjectI.h"

#include <atomic>
#include <memory>

namespace lang {

class Monitor;

class Object : public virtual ObjectI {
public:
    Object();
    // A copy is a new object: it starts with one reference and a monitor of its own.
    Object(const Object& other);
    Object& operator=(const Object& other);
    virtual ~Object();

    void addRef() const override;
    // Drops one reference; the object destroys itself when none is left.
    void release() const override;
    void lock() const override;
    void unlock() const override;
    int32_t hashCode() const override;
    bool equals(const Object* other) const override;
    String toString() const override;
    // Releases the monitor completely while waiting and restores its depth afterwards.
    void wait(int32_t timeoutMs) const override;
    void wait() const override;
    void notify() const override;
    void notifyAll() const override;
    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override;

    // The current number of references; for tests and diagnostics.
    int32_t getRefCount() const { return refCount.load(); }
    // How many times the calling thread holds this object's monitor (0 when it does not); for
    // tests and assertions.
    int32_t getMonitorDepth() const;

private:
    Monitor& monitor() const;

    mutable std::atomic<int32_t> refCount{1};
    mutable std::atomic<Monitor*> monitorPtr{nullptr};
};

} // namespace lang
