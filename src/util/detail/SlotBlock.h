// The storage behind util::Vector and util::TVector: `size` fixed-size elements lying in a block
// of `capacity` slots from slot `start` on, so that either end can shrink without moving the
// rest. Growing makes the block half as large again (at least one slot more); inserting and
// removing move the shorter side. Plain memory, not an object and not locked: the vectors lock
// around it. Freed slots are zero.
#pragma once

#include <cstddef>
#include <cstdint>

namespace util {

class SlotBlock {
public:
    SlotBlock(size_t elementSize, int32_t initialCapacity);
    ~SlotBlock();
    SlotBlock(const SlotBlock&) = delete;
    SlotBlock& operator=(const SlotBlock&) = delete;

    int32_t size() const { return count; }
    int32_t capacity() const { return capacity_; }
    int32_t start() const { return start_; }
    // The element at 0 <= index < size(), unchecked.
    void* at(int32_t index) const { return bytes + static_cast<size_t>(start_ + index) * elementSize; }

    // Makes room for one more element at the end and returns its slot.
    void* append();
    // Makes room for one more element at 0 <= index <= size() and returns its slot.
    void* insertAt(int32_t index);
    // Closes the gap of the element at 0 <= index < size(); the caller has dealt with its value.
    void removeAt(int32_t index);
    // Forgets every element: size and start become 0, the block stays.
    void clear();

private:
    void growIfFull();
    // Moves n elements from slot `from` to slot `to` (block positions, not indexes).
    void moveSlots(int32_t to, int32_t from, int32_t n);
    void zeroSlots(int32_t first, int32_t n);

    size_t elementSize;
    int32_t count = 0;
    int32_t capacity_;
    int32_t start_ = 0;
    uint8_t* bytes;
};

} // namespace util
