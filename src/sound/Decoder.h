// A sequential PCM decoder over encoded bytes in memory (WAV, Ogg Vorbis or MPEG audio).
// Streams pull frames from one while they play; samples decode one to the end at load.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace sound {

class Decoder {
public:
    virtual ~Decoder() = default;

    int rate() const { return rate_; }
    int channels() const { return channels_; }

    // Decodes up to `frames` interleaved 16-bit frames into `out`. Returns the number of
    // frames written; 0 means the data has ended (a decoding error ends it too).
    virtual int read(int16_t* out, int frames) = 0;

    // Goes back to the first frame. False when the data cannot be decoded again.
    virtual bool rewind() = 0;

protected:
    int rate_ = 0;
    int channels_ = 0;
};

// Sample rates and lengths outside these bounds are refused as broken data.
constexpr int kMinSourceRate = 1000;
constexpr int kMaxSourceRate = 384000;
constexpr int64_t kMaxSampleFrames = int64_t(1) << 24;

// Recognises the format by its first bytes and opens a decoder, or returns null for data
// that is not WAV, Ogg Vorbis or MPEG audio, or whose header is broken. The bytes must
// stay valid as long as the decoder lives. The formats are those of DecoderRegistry.cpp.
std::unique_ptr<Decoder> openDecoder(const uint8_t* data, size_t size);

// Decodes everything into `pcm`. False when nothing could be decoded or the sound is
// longer than kMaxSampleFrames.
bool decodeAll(Decoder& decoder, std::vector<int16_t>& pcm);

} // namespace sound
