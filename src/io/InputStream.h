// A source of bytes read in order: files, memory, package items.
#pragma once

#include "lang/Object.h"

#include <cstdint>

namespace io {

class InputStream : public lang::Object {
public:
    // Reads up to `length` bytes into buffer[offset...]; returns how many were read.
    virtual int32_t read(uint8_t* buffer, int32_t offset, int32_t length) = 0;
    // The next byte, 0 to 255, or -1 at the end.
    virtual int32_t read() = 0;
    virtual void close() = 0;
    // Back to the first byte.
    virtual void reset() = 0;
    // Moves up to n bytes forward; returns how far it moved.
    virtual int32_t skip(int32_t n) = 0;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "InputStream"; }
};

} // namespace io
