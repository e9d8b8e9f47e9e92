// A source of bytes read in order, layered on another source (a stream or a reader).
#pragma once

#include "lang/Array.h"

#include <cstdint>

namespace io {

class Reader : public lang::Object {
public:
    virtual void close() = 0;
    // Reads up to `length` bytes into buffer[offset...]; returns how many were read.
    virtual int32_t read(uint8_t* buffer, int32_t offset, int32_t length) = 0;
    // Fills the array from its start, as far as the source goes; returns how many were read.
    virtual int32_t read(lang::ByteArray& array);
    // The next byte, 0 to 255, or -1 at the end.
    virtual int32_t read() = 0;
    // Whether the reader can be read from.
    virtual bool ready() = 0;
    // Back to the first byte.
    virtual void reset() = 0;
    // Moves up to n bytes forward; returns how far it moved.
    virtual int32_t skip(int32_t n) = 0;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Reader"; }
};

} // namespace io
