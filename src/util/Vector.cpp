#include "util/Vector.h"

#include "lang/Exception.h"

#include <cstring>

namespace util {

using lang::Object;

Vector::Vector(int32_t initialCapacity)
    : capacity_(initialCapacity > 0 ? initialCapacity : 0),
      elements(new Object*[static_cast<size_t>(capacity_ > 0 ? capacity_ : 1)]())
{
}

Vector::~Vector()
{
    removeAllElements();
    delete[] elements;
}

int32_t Vector::size() const
{
    SyncGuard guard(*this);
    return count;
}

void Vector::growIfFull()
{
    if (count + 1 <= capacity_)
        return;
    int32_t newCapacity = capacity_ * 3 / 2;
    if (newCapacity < capacity_ + 1)
        newCapacity = capacity_ + 1;
    Object** grown = new Object*[static_cast<size_t>(newCapacity)]();
    std::memcpy(grown, elements + start_, sizeof(Object*) * static_cast<size_t>(count));
    delete[] elements;
    elements = grown;
    capacity_ = newCapacity;
    start_ = 0;
}

void Vector::checkIndex(int32_t index) const
{
    if (index < 0 || index >= count)
        throw new lang::Exception("Index out of range");
}

void Vector::addElement(Object* element)
{
    SyncGuard guard(*this);
    if (element)
        element->addRef();
    growIfFull();
    if (start_ + count + 1 > capacity_) {
        std::memmove(elements, elements + start_, sizeof(Object*) * static_cast<size_t>(count));
        std::memset(elements + count, 0, sizeof(Object*) * static_cast<size_t>(start_));
        start_ = 0;
    }
    slot(count) = element;
    ++count;
}

void Vector::insertElementAt(Object* element, int32_t index)
{
    SyncGuard guard(*this);
    if (index < 0 || index > count)
        throw new lang::Exception("Index out of bounds");
    if (element)
        element->addRef();
    growIfFull();
    const bool frontIsShorter = count - index > index;
    const bool roomAtEnd = start_ + count < capacity_;
    if ((frontIsShorter && start_ > 0) || !roomAtEnd) {
        // Move the elements before the index one slot down into the free front.
        std::memmove(elements + start_ - 1, elements + start_, sizeof(Object*) * static_cast<size_t>(index));
        --start_;
    } else {
        std::memmove(elements + start_ + index + 1, elements + start_ + index,
                     sizeof(Object*) * static_cast<size_t>(count - index));
    }
    slot(index) = element;
    ++count;
}

Object* Vector::elementAt(int32_t index) const
{
    SyncGuard guard(*this);
    checkIndex(index);
    return slot(index);
}

void Vector::removeElementAt(int32_t index)
{
    SyncGuard guard(*this);
    checkIndex(index);
    Object* removed = slot(index);
    --count;
    if (index == 0) {
        slot(0) = nullptr;
        ++start_;
    } else if (count - index <= index) {
        std::memmove(elements + start_ + index, elements + start_ + index + 1,
                     sizeof(Object*) * static_cast<size_t>(count - index));
        slot(count) = nullptr;
    } else {
        std::memmove(elements + start_ + 1, elements + start_, sizeof(Object*) * static_cast<size_t>(index));
        slot(0) = nullptr;
        ++start_;
    }
    if (removed)
        removed->release();
}

int32_t Vector::indexOf(const Object* element) const
{
    SyncGuard guard(*this);
    for (int32_t i = 0; i < count; ++i) {
        if (slot(i) && slot(i)->equals(element))
            return i;
    }
    return -1;
}

bool Vector::removeElement(const Object* element)
{
    SyncGuard guard(*this);
    const int32_t index = indexOf(element);
    if (index < 0)
        return false;
    removeElementAt(index);
    return true;
}

void Vector::removeAllElements()
{
    SyncGuard guard(*this);
    // Releasing may run destructors that look at this vector again: empty it first.
    const int32_t oldCount = count;
    Object** old = new Object*[static_cast<size_t>(oldCount > 0 ? oldCount : 1)];
    std::memcpy(old, elements + start_, sizeof(Object*) * static_cast<size_t>(oldCount));
    std::memset(elements, 0, sizeof(Object*) * static_cast<size_t>(capacity_));
    count = 0;
    start_ = 0;
    for (int32_t i = 0; i < oldCount; ++i) {
        if (old[i])
            old[i]->release();
    }
    delete[] old;
}

void Vector::copyInto(lang::ObjectArray& array) const
{
    SyncGuard guard(*this);
    array.resize(count);
    for (int32_t i = 0; i < count; ++i) {
        array[i] = slot(i);
        if (array[i])
            array[i]->addRef();
    }
}

bool Vector::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Vector") == 0 || Object::isInstanceOf(className);
}

} // namespace util
