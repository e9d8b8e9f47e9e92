// Ogg Vorbis decoder over bytes in memory, through vorbisfile with memory callbacks.
#pragma once

#include "sound/Decoder.h"

namespace sound {

struct VorbisFile;

class VorbisDecoder : public Decoder {
public:
    // Null when the bytes are not a readable mono or stereo Vorbis stream.
    static std::unique_ptr<VorbisDecoder> open(const uint8_t* data, size_t size);
    ~VorbisDecoder() override;

    int read(int16_t* out, int frames) override;
    bool rewind() override;

private:
    VorbisDecoder() = default;
    std::unique_ptr<VorbisFile> file_;
};

} // namespace sound
