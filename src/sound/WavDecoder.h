// RIFF WAVE reader for uncompressed PCM: 8-bit unsigned or 16-bit signed, mono or stereo,
// at any rate. Every chunk size is checked against the bytes that are really there.
#pragma once

#include "sound/Decoder.h"

namespace sound {

struct WavFormat {
    int channels = 0;
    int rate = 0;
    int bitsPerSample = 0;
    const uint8_t* data = nullptr; // first byte of the first frame
    int64_t frames = 0; // whole frames inside the data chunk
};

// Fills `format` from a complete WAV file in memory. False for anything but a well-formed
// PCM file with at least one frame.
bool parseWav(const uint8_t* bytes, size_t size, WavFormat& format);

class WavDecoder : public Decoder {
public:
    explicit WavDecoder(const WavFormat& format);

    int read(int16_t* out, int frames) override;
    bool rewind() override;

private:
    WavFormat format_;
    int64_t nextFrame_ = 0;
};

} // namespace sound
