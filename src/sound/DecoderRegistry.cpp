// The formats of the sound decoders, each recognised by its first bytes, in the order they are
// tried. A new decoder joins the table.
#include "sound/Decoder.h"

#include "sound/WavDecoder.h"
#include "sound/mpg123/MpegDecoder.h"
#include "sound/vorbis/VorbisDecoder.h"

#include <cstring>

namespace sound {

namespace {

struct Format {
    bool (*recognises)(const uint8_t* data, size_t size);
    // Null when the header is broken.
    std::unique_ptr<Decoder> (*open)(const uint8_t* data, size_t size);
};

bool startsWith(const uint8_t* data, size_t size, const char* magic)
{
    size_t length = std::strlen(magic);
    return size >= length && std::memcmp(data, magic, length) == 0;
}

bool isWav(const uint8_t* data, size_t size)
{
    return startsWith(data, size, "RIFF");
}

bool isOgg(const uint8_t* data, size_t size)
{
    return startsWith(data, size, "OggS");
}

// An ID3 tag or an MPEG frame sync (eleven set bits) at the very start.
bool isMpeg(const uint8_t* data, size_t size)
{
    return startsWith(data, size, "ID3") || (size >= 4 && data[0] == 0xFF && (data[1] & 0xE0) == 0xE0);
}

std::unique_ptr<Decoder> openWav(const uint8_t* data, size_t size)
{
    WavFormat format;
    if (!parseWav(data, size, format))
        return nullptr;
    return std::make_unique<WavDecoder>(format);
}

std::unique_ptr<Decoder> openOgg(const uint8_t* data, size_t size)
{
    return VorbisDecoder::open(data, size);
}

std::unique_ptr<Decoder> openMpeg(const uint8_t* data, size_t size)
{
    return MpegDecoder::open(data, size);
}

const Format formats[] = {
    {isWav, openWav},
    {isOgg, openOgg},
    {isMpeg, openMpeg},
};

} // namespace

std::unique_ptr<Decoder> openDecoder(const uint8_t* data, size_t size)
{
    if (data == nullptr)
        return nullptr;
    for (const Format& format : formats) {
        if (format.recognises(data, size))
            return format.open(data, size);
    }
    return nullptr;
}

} // namespace sound
