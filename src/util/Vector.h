// A growable sequence of objects holding one reference on each. The elements sit in the middle
// of their block, so removing or inserting near either end moves only the shorter side.
#pragma once

#include "lang/Array.h"
#include "util/detail/SlotBlock.h"

namespace util {

class Vector : public lang::Object {
public:
    explicit Vector(int32_t initialCapacity = 10);
    ~Vector() override;
    Vector(const Vector&) = delete;
    Vector& operator=(const Vector&) = delete;

    int32_t size() const;
    void addElement(lang::Object* element);
    // 0 <= index <= size(), else throws "Index out of bounds".
    void insertElementAt(lang::Object* element, int32_t index);
    // Borrowed; 0 <= index < size(), else throws "Index out of range".
    lang::Object* elementAt(int32_t index) const;
    void removeElementAt(int32_t index);
    // The first index whose element equals `element`, or -1.
    int32_t indexOf(const lang::Object* element) const;
    bool removeElement(const lang::Object* element);
    void removeAllElements();
    // Resizes `array` to size() and stores every element in it with a reference added.
    void copyInto(lang::ObjectArray& array) const;

    int32_t capacity() const { return block.capacity(); }
    int32_t start() const { return block.start(); }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Vector"; }

private:
    void checkIndex(int32_t index) const;
    lang::Object*& slot(int32_t index) const { return *static_cast<lang::Object**>(block.at(index)); }

    SlotBlock block;
};

} // namespace util
