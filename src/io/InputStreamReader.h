// A reader over an input stream: every operation goes to the stream. The reader holds a
// reference on the stream and closes and releases it when it is destroyed.
#pragma once

#include "io/InputStream.h"
#include "io/Reader.h"
#include "lang/Ref.h"

namespace io {

class InputStreamReader : public Reader {
public:
    // Adds a reference to the stream.
    explicit InputStreamReader(InputStream* stream);
    ~InputStreamReader() override;

    using Reader::read;
    void close() override;
    int32_t read(uint8_t* buffer, int32_t offset, int32_t length) override;
    int32_t read() override;
    bool ready() override { return true; }
    void reset() override;
    int32_t skip(int32_t n) override;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "InputStreamReader"; }

private:
    lang::Ref<InputStream> stream;
};

} // namespace io
