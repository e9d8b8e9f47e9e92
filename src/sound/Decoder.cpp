#include "sound/Decoder.h"

#include "sound/mpg123/MpegDecoder.h"
#include "sound/vorbis/VorbisDecoder.h"
#include "sound/WavDecoder.h"

#include <cstring>

namespace sound {

namespace {

bool startsWith(const uint8_t* data, size_t size, const char* magic)
{
    size_t length = std::strlen(magic);
    return size >= length && std::memcmp(data, magic, length) == 0;
}

// An ID3 tag or an MPEG frame sync (eleven set bits) at the very start.
bool looksLikeMpeg(const uint8_t* data, size_t size)
{
    return startsWith(data, size, "ID3") || (size >= 4 && data[0] == 0xFF && (data[1] & 0xE0) == 0xE0);
}

} // namespace

std::unique_ptr<Decoder> openDecoder(const uint8_t* data, size_t size)
{
    if (data == nullptr)
        return nullptr;
    if (startsWith(data, size, "RIFF")) {
        WavFormat format;
        if (!parseWav(data, size, format))
            return nullptr;
        return std::make_unique<WavDecoder>(format);
    }
    if (startsWith(data, size, "OggS"))
        return VorbisDecoder::open(data, size);
    if (looksLikeMpeg(data, size))
        return MpegDecoder::open(data, size);
    return nullptr;
}

bool decodeAll(Decoder& decoder, std::vector<int16_t>& pcm)
{
    constexpr int kChunkFrames = 4096;
    int channels = decoder.channels();
    pcm.clear();
    for (;;) {
        size_t frames = pcm.size() / channels;
        if (int64_t(frames) > kMaxSampleFrames)
            return false;
        pcm.resize((frames + kChunkFrames) * channels);
        int got = decoder.read(pcm.data() + frames * channels, kChunkFrames);
        pcm.resize((frames + got) * channels);
        if (got == 0)
            break;
    }
    pcm.shrink_to_fit();
    return !pcm.empty();
}

} // namespace sound
