// The numbers of live objects of a few kinds (sprites, pictures, sounds), for the leak checks of
// the tests and the soak: the kind's base class adds one in each constructor and takes one away
// in its destructor. The counts are process-wide.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <string>

namespace lang {

class LiveCounts {
public:
    // The counter of the kind, made on first use (also during static initialisation); it lives
    // until the process ends.
    static std::atomic<int32_t>& of(const char* kind);
    // Every kind counted so far, with its count now.
    static std::map<std::string, int32_t> snapshot();
};

} // namespace lang
