// Collects written bytes in memory. The array starts with 9736 bytes and, once a write would
// reach its end, is resized to exactly the number of bytes written so far plus the new ones.
#pragma once

#include "io/OutputStream.h"

namespace io {

class ByteArrayOutputStream : public OutputStream {
public:
    static constexpr int32_t InitialCapacity = 9736;

    ByteArrayOutputStream() : bytes(InitialCapacity) {}

    using OutputStream::write;
    void write(int32_t byte) override;
    void write(const uint8_t* buffer, int32_t length) override;

    // The written bytes are the first size() bytes of the array.
    const lang::ByteArray& getByteArray() const { return bytes; }
    const uint8_t* data() const { return bytes.data(); }
    int32_t size() const { return count; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ByteArrayOutputStream"; }

private:
    void makeRoomFor(int32_t length);

    lang::ByteArray bytes;
    int32_t count = 0;
};

} // namespace io
