// Reads bytes from memory: a caller's buffer, or the bytes of a package item, which the stream
// keeps alive until it is destroyed. A missing item gives an empty stream.
#pragma once

#include "io/InputStream.h"
#include "lang/Ref.h"
#include "lang/String.h"

namespace lang {
class ResourceItem;
}

namespace io {

class ByteArrayInputStream : public InputStream {
public:
    // The caller's buffer must outlive the stream.
    ByteArrayInputStream(const uint8_t* data, int32_t count);
    // "+logo" and "logo" both read the package item "logo".
    explicit ByteArrayInputStream(const lang::String& itemName);
    ~ByteArrayInputStream() override;

    int32_t read(uint8_t* buffer, int32_t offset, int32_t length) override;
    int32_t read() override;
    void close() override {}
    void reset() override { position = 0; }
    int32_t skip(int32_t n) override;

    int32_t available() const { return count - position; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ByteArrayInputStream"; }

private:
    const uint8_t* data = nullptr;
    int32_t count = 0;
    int32_t position = 0;
    lang::Ref<lang::ResourceItem> item;
};

} // namespace io
