// MPEG audio (layers I-III) decoder over bytes in memory, through libmpg123's feed API.
#pragma once

#include "sound/Decoder.h"

struct mpg123_handle_struct;

namespace sound {

class MpegDecoder : public Decoder {
public:
    // Null when no frame with a usable format can be decoded from the start of the bytes.
    static std::unique_ptr<MpegDecoder> open(const uint8_t* data, size_t size);
    ~MpegDecoder() override;

    int read(int16_t* out, int frames) override;
    bool rewind() override;

private:
    MpegDecoder(const uint8_t* data, size_t size) : data_(data), size_(size) { }
    bool restart();
    bool readFormat();
    bool feedMore();

    const uint8_t* data_;
    size_t size_;
    size_t fed_ = 0;
    mpg123_handle_struct* handle_ = nullptr;
};

} // namespace sound
