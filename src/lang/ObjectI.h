// The interface every object of the class library answers: reference counting, a monitor,
// value identity, a text form and a type test by class name.
#pragma once

#include <cstdint>

namespace lang {

class Object;
class String;

class ObjectI {
public:
    virtual void addRef() const = 0;
    virtual void release() const = 0;
    virtual void lock() const = 0;
    virtual void unlock() const = 0;
    virtual int32_t hashCode() const = 0;
    virtual bool equals(const Object* other) const = 0;
    virtual String toString() const = 0;
    virtual void wait(int32_t timeoutMs) const = 0;
    virtual void wait() const = 0;
    virtual void notify() const = 0;
    virtual void notifyAll() const = 0;
    virtual bool isInstanceOf(const char* className) const = 0;
    virtual const char* getClassName() const = 0;

protected:
    ~ObjectI() = default;
};

} // namespace lang
