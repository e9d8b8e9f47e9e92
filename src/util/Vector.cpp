#include "util/Vector.h"

#include "lang/Exception.h"

#include <cstring>
#include <vector>

namespace util {

using lang::Object;

Vector::Vector(int32_t initialCapacity) : block(sizeof(Object*), initialCapacity) {}

Vector::~Vector()
{
    removeAllElements();
}

int32_t Vector::size() const
{
    SyncGuard guard(*this);
    return block.size();
}

void Vector::checkIndex(int32_t index) const
{
    if (index < 0 || index >= block.size())
        throw new lang::Exception("Index out of range");
}

void Vector::addElement(Object* element)
{
    SyncGuard guard(*this);
    if (element)
        element->addRef();
    *static_cast<Object**>(block.append()) = element;
}

void Vector::insertElementAt(Object* element, int32_t index)
{
    SyncGuard guard(*this);
    if (index < 0 || index > block.size())
        throw new lang::Exception("Index out of bounds");
    if (element)
        element->addRef();
    *static_cast<Object**>(block.insertAt(index)) = element;
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
    block.removeAt(index);
    // Released last: its destructor may look at this vector again.
    if (removed)
        removed->release();
}

int32_t Vector::indexOf(const Object* element) const
{
    SyncGuard guard(*this);
    for (int32_t i = 0; i < block.size(); ++i) {
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
    std::vector<Object*> old;
    old.reserve(static_cast<size_t>(block.size()));
    for (int32_t i = 0; i < block.size(); ++i)
        old.push_back(slot(i));
    block.clear();
    for (Object* element : old) {
        if (element)
            element->release();
    }
}

void Vector::copyInto(lang::ObjectArray& array) const
{
    SyncGuard guard(*this);
    array.resize(block.size());
    for (int32_t i = 0; i < block.size(); ++i) {
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
