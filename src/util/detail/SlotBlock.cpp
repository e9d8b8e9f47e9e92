#include "util/detail/SlotBlock.h"

#include <cstring>

namespace util {

SlotBlock::SlotBlock(size_t elementSize, int32_t initialCapacity)
    : elementSize(elementSize), capacity_(initialCapacity > 0 ? initialCapacity : 0),
      bytes(new uint8_t[elementSize * static_cast<size_t>(capacity_ > 0 ? capacity_ : 1)]())
{
}

SlotBlock::~SlotBlock()
{
    delete[] bytes;
}

void SlotBlock::moveSlots(int32_t to, int32_t from, int32_t n)
{
    if (n > 0)
        std::memmove(bytes + static_cast<size_t>(to) * elementSize, bytes + static_cast<size_t>(from) * elementSize,
                     static_cast<size_t>(n) * elementSize);
}

void SlotBlock::zeroSlots(int32_t first, int32_t n)
{
    if (n > 0)
        std::memset(bytes + static_cast<size_t>(first) * elementSize, 0, static_cast<size_t>(n) * elementSize);
}

void SlotBlock::growIfFull()
{
    if (count + 1 <= capacity_)
        return;
    int32_t newCapacity = capacity_ * 3 / 2;
    if (newCapacity < capacity_ + 1)
        newCapacity = capacity_ + 1;
    uint8_t* grown = new uint8_t[static_cast<size_t>(newCapacity) * elementSize]();
    std::memcpy(grown, at(0), static_cast<size_t>(count) * elementSize);
    delete[] bytes;
    bytes = grown;
    capacity_ = newCapacity;
    start_ = 0;
}

void* SlotBlock::append()
{
    growIfFull();
    if (start_ + count + 1 > capacity_) {
        // No room after the last element: slide everything down to slot 0.
        moveSlots(0, start_, count);
        zeroSlots(count, start_);
        start_ = 0;
    }
    return at(count++);
}

void* SlotBlock::insertAt(int32_t index)
{
    growIfFull();
    const bool frontIsShorter = count - index > index;
    const bool roomAtEnd = start_ + count < capacity_;
    // Without room at the end there is room at the front, since the block is not full.
    if ((frontIsShorter && start_ > 0) || !roomAtEnd) {
        moveSlots(start_ - 1, start_, index);
        --start_;
    } else {
        moveSlots(start_ + index + 1, start_ + index, count - index);
    }
    ++count;
    return at(index);
}

void SlotBlock::removeAt(int32_t index)
{
    --count;
    if (index == 0) {
        zeroSlots(start_, 1);
        ++start_;
    } else if (count - index <= index) {
        moveSlots(start_ + index, start_ + index + 1, count - index);
        zeroSlots(start_ + count, 1);
    } else {
        moveSlots(start_ + 1, start_, index);
        zeroSlots(start_, 1);
        ++start_;
    }
}

void SlotBlock::clear()
{
    zeroSlots(0, capacity_);
    count = 0;
    start_ = 0;
}

} // namespace util
