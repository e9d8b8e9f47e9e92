// The last `Capacity` bytes of a stream of text, kept in a fixed buffer. Appending takes a lock
// (a flag rather than a std::mutex, which is not constant-initialised with every thread
// library: the ring must exist before any static constructor writes to it); reading takes none and allocates nothing, so a crash handler can read it from a signal
// handler (a line being written at that moment may come out torn, which a crash report
// accepts).
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace lang::detail {

template <size_t Capacity> class TextRing {
public:
    void append(const char* text)
    {
        while (appending.test_and_set(std::memory_order_acquire))
            appending.wait(true, std::memory_order_relaxed);
        uint64_t end = written.load(std::memory_order_relaxed);
        for (size_t length = std::strlen(text); length > 0;) {
            const size_t at = size_t(end % Capacity);
            const size_t piece = length < Capacity - at ? length : Capacity - at;
            std::memcpy(buffer + at, text, piece);
            text += piece;
            length -= piece;
            end += piece;
        }
        written.store(end, std::memory_order_release);
        appending.clear(std::memory_order_release);
        appending.notify_one();
    }

    // Copies the kept text, oldest first, into `out` and ends it with a terminator; once the
    // ring has wrapped, the copy starts after the first line break so that it begins with a
    // whole line. Answers the number of bytes copied, at most size - 1.
    size_t copyTo(char* out, size_t size) const
    {
        if (size == 0)
            return 0;
        const uint64_t end = written.load(std::memory_order_acquire);
        uint64_t begin = end > Capacity ? end - Capacity : 0;
        if (begin > 0) {
            while (begin < end && buffer[begin % Capacity] != '\n')
                ++begin;
            if (begin < end)
                ++begin;
        }
        if (end - begin > size - 1)
            begin = end - (size - 1);
        size_t count = 0;
        for (uint64_t at = begin; at < end; ++at)
            out[count++] = buffer[at % Capacity];
        out[count] = '\0';
        return count;
    }

private:
    std::atomic_flag appending;
    std::atomic<uint64_t> written{0};
    char buffer[Capacity] = {};
};

} // namespace lang::detail
