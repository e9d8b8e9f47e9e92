// Growable sequences of plain values (integers, handles, small structs) with the storage rules
// of util::Vector but no references. TVectorBase does the work on raw element bytes; TVector<T>
// is the typed face. Every operation holds the vector's monitor.
#pragma once

#include "lang/Object.h"
#include "util/detail/SlotBlock.h"

#include <cstring>
#include <type_traits>

namespace util {

class TVectorBase : public lang::Object {
public:
    TVectorBase(const TVectorBase&) = delete;
    TVectorBase& operator=(const TVectorBase&) = delete;

    int32_t size() const;
    // 0 <= index < size(), else throws "Index out of range".
    void removeElementAt(int32_t index);
    void removeAllElements();

    int32_t capacity() const { return block.capacity(); }
    int32_t start() const { return block.start(); }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "TVectorBase"; }

protected:
    TVectorBase(size_t elementSize, int32_t initialCapacity);

    void appendBytes(const void* value);
    // 0 <= index <= size(), else throws "Index out of bounds".
    void insertBytes(const void* value, int32_t index);
    // The element's bytes; 0 <= index < size(), else throws "Index out of range".
    void* elementBytes(int32_t index) const;

private:
    size_t elementSize;
    SlotBlock block;
};

template <class T>
class TVector : public TVectorBase {
    static_assert(std::is_trivially_copyable_v<T>, "TVector holds plain values that can be moved as bytes");

public:
    explicit TVector(int32_t initialCapacity = 10) : TVectorBase(sizeof(T), initialCapacity) {}

    // The value is copied first: it may lie inside this vector, whose block can move.
    void addElement(const T& value)
    {
        const T copy = value;
        appendBytes(&copy);
    }
    void insertElementAt(const T& value, int32_t index)
    {
        const T copy = value;
        insertBytes(&copy, index);
    }
    T& elementAt(int32_t index) { return *static_cast<T*>(elementBytes(index)); }
    const T& elementAt(int32_t index) const { return *static_cast<const T*>(elementBytes(index)); }
    T& operator[](int32_t index) { return elementAt(index); }
    const T& operator[](int32_t index) const { return elementAt(index); }

    bool isInstanceOf(const char* className) const override
    {
        return std::strcmp(className, "TVector") == 0 || TVectorBase::isInstanceOf(className);
    }
    const char* getClassName() const override { return "TVector"; }
};

} // namespace util
