// A reader that takes its bytes from another reader 1024 at a time. It holds a reference on the
// underlying reader and closes and releases it when it is destroyed.
#pragma once

#include "io/Reader.h"
#include "lang/Ref.h"

namespace io {

class BufferedReader : public Reader {
public:
    // Adds a reference to the underlying reader.
    explicit BufferedReader(Reader* source);
    ~BufferedReader() override;

    using Reader::read;
    void close() override;
    // Byte by byte through the buffer; stops early at the end.
    int32_t read(uint8_t* buffer, int32_t offset, int32_t length) override;
    int32_t read() override;
    bool ready() override;
    // Drops the buffer and resets the underlying reader.
    void reset() override;
    // Within the buffer when it holds n bytes, else past the buffer and on in the underlying
    // reader; returns how far it moved.
    int32_t skip(int32_t n) override;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "BufferedReader"; }

private:
    static constexpr int32_t BufferSize = 1024;

    lang::Ref<Reader> source;
    int32_t buffered = 0;
    int32_t position = 0;
    uint8_t buffer[BufferSize];
};

} // namespace io
