// A holder of one reference on a counted object; releasing is automatic.
// lang::adopt(p) takes over a reference the caller already owns (a fresh `new`, or an
// operation documented as "caller releases"); lang::retain(p) adds a reference of its own.
#pragma once

#include <utility>

namespace lang {

template <class T>
class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    Ref(const Ref& other) : ptr(other.ptr) { if (ptr) ptr->addRef(); }
    Ref(Ref&& other) noexcept : ptr(std::exchange(other.ptr, nullptr)) {}
    template <class U>
    Ref(const Ref<U>& other) : ptr(other.get()) { if (ptr) ptr->addRef(); }
    template <class U>
    Ref(Ref<U>&& other) noexcept : ptr(other.detach()) {}
    ~Ref() { if (ptr) ptr->release(); }

    Ref& operator=(Ref other) noexcept
    {
        std::swap(ptr, other.ptr);
        return *this;
    }

    static Ref adopting(T* p)
    {
        Ref r;
        r.ptr = p;
        return r;
    }
    static Ref retaining(T* p)
    {
        if (p)
            p->addRef();
        return adopting(p);
    }

    T* get() const { return ptr; }
    T* operator->() const { return ptr; }
    T& operator*() const { return *ptr; }
    explicit operator bool() const { return ptr != nullptr; }

    // Gives the held reference to the caller, who must release it.
    T* detach() { return std::exchange(ptr, nullptr); }
    void reset() { Ref().swap(*this); }
    void swap(Ref& other) noexcept { std::swap(ptr, other.ptr); }

    friend bool operator==(const Ref& a, const Ref& b) { return a.ptr == b.ptr; }
    friend bool operator==(const Ref& a, std::nullptr_t) { return a.ptr == nullptr; }

private:
    T* ptr = nullptr;
};

template <class T>
Ref<T> adopt(T* p)
{
    return Ref<T>::adopting(p);
}

template <class T>
Ref<T> retain(T* p)
{
    return Ref<T>::retaining(p);
}

} // namespace lang
