// A sink of bytes written in order.
#pragma once

#include "lang/Array.h"

#include <cstdint>

namespace io {

class OutputStream : public lang::Object {
public:
    virtual void flush() {}
    virtual void close() {}
    // Writes the low 8 bits of `byte`.
    virtual void write(int32_t byte) = 0;
    virtual void write(const uint8_t* buffer, int32_t length) = 0;
    // The whole array.
    virtual void write(const lang::ByteArray& array);
    // The characters, without the terminator.
    virtual void write(const lang::String& text);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "OutputStream"; }
};

} // namespace io
