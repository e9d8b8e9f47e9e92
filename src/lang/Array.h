// Plain fixed-length arrays: of object pointers (holding no references: whoever fills an
// ObjectArray decides about them), of strings, bytes and 32-bit integers. Resizing keeps the
// common prefix and zero-fills the rest.
#pragma once

#include "lang/String.h"
#include "lang/SyncGuard.h"

#include <cstdint>
#include <vector>

namespace lang {

template <class E>
class ArrayOf : public Object {
public:
    explicit ArrayOf(int32_t length = 0) : items(length > 0 ? static_cast<size_t>(length) : 0) {}
    ArrayOf(const ArrayOf& other) : Object(other), items(other.items) {}

    ArrayOf& operator=(const ArrayOf& other)
    {
        if (this != &other) {
            SyncGuard guard(*this);
            items = other.items;
        }
        return *this;
    }

    int32_t length() const { return static_cast<int32_t>(items.size()); }
    E& operator[](int32_t index) { return items[static_cast<size_t>(index)]; }
    const E& operator[](int32_t index) const { return items[static_cast<size_t>(index)]; }
    E* data() { return items.data(); }
    const E* data() const { return items.data(); }
    void resize(int32_t newLength) { items.resize(newLength > 0 ? static_cast<size_t>(newLength) : 0); }

private:
    std::vector<E> items;
};

class ObjectArray : public ArrayOf<Object*> {
public:
    using ArrayOf::ArrayOf;
    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ObjectArray"; }
};

class StringArray : public ObjectArray {
public:
    using ObjectArray::ObjectArray;
    String* at(int32_t index) const { return static_cast<String*>((*this)[index]); }
    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "StringArray"; }
};

// An object array whose elements are all of class T.
template <class T>
class TArray : public ObjectArray {
public:
    using ObjectArray::ObjectArray;
    T* at(int32_t index) const { return static_cast<T*>((*this)[index]); }
};

class ByteArray : public ArrayOf<uint8_t> {
public:
    using ArrayOf::ArrayOf;
    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ByteArray"; }
};

class IntArray : public ArrayOf<int32_t> {
public:
    using ArrayOf::ArrayOf;
    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "IntArray"; }
};

} // namespace lang
