#include "util/TVector.h"

#include "lang/Exception.h"
#include "lang/SyncGuard.h"

namespace util {

TVectorBase::TVectorBase(size_t elementSize, int32_t initialCapacity)
    : elementSize(elementSize), block(elementSize, initialCapacity)
{
}

int32_t TVectorBase::size() const
{
    SyncGuard guard(*this);
    return block.size();
}

void TVectorBase::appendBytes(const void* value)
{
    SyncGuard guard(*this);
    std::memcpy(block.append(), value, elementSize);
}

void TVectorBase::insertBytes(const void* value, int32_t index)
{
    SyncGuard guard(*this);
    if (index < 0 || index > block.size())
        throw new lang::Exception("Index out of bounds");
    std::memcpy(block.insertAt(index), value, elementSize);
}

void* TVectorBase::elementBytes(int32_t index) const
{
    SyncGuard guard(*this);
    if (index < 0 || index >= block.size())
        throw new lang::Exception("Index out of range");
    return block.at(index);
}

void TVectorBase::removeElementAt(int32_t index)
{
    SyncGuard guard(*this);
    if (index < 0 || index >= block.size())
        throw new lang::Exception("Index out of range");
    block.removeAt(index);
}

void TVectorBase::removeAllElements()
{
    SyncGuard guard(*this);
    block.clear();
}

bool TVectorBase::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "TVectorBase") == 0 || Object::isInstanceOf(className);
}

} // namespace util
