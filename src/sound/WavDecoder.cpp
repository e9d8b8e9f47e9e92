#include "sound/WavDecoder.h"

#include <algorithm>
#include <cstring>

namespace sound {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;

uint16_t readU16(const uint8_t* p)
{
    return uint16_t(p[0] | (p[1] << 8));
}
uint32_t readU32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

bool parseFormatChunk(const uint8_t* chunk, uint32_t size, WavFormat& format)
{
    if (size < 16)
        return false;
    uint16_t tag = readU16(chunk);
    if (tag == kFormatExtensible) {
        // The sub-format GUID starts at byte 24 and begins with the plain format tag.
        if (size < 40 || readU16(chunk + 24) != kFormatPcm)
            return false;
    } else if (tag != kFormatPcm) {
        return false;
    }
    format.channels = readU16(chunk + 2);
    uint32_t rate = readU32(chunk + 4);
    uint16_t blockAlign = readU16(chunk + 12);
    format.bitsPerSample = readU16(chunk + 14);
    if (format.channels < 1 || format.channels > 2)
        return false;
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16)
        return false;
    if (rate < uint32_t(kMinSourceRate) || rate > uint32_t(kMaxSourceRate))
        return false;
    format.rate = int(rate);
    return blockAlign == format.channels * format.bitsPerSample / 8;
}

} // namespace

bool parseWav(const uint8_t* bytes, size_t size, WavFormat& format)
{
    format = WavFormat{};
    if (size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0)
        return false;
    bool haveFormat = false;
    const uint8_t* data = nullptr;
    uint32_t dataSize = 0;
    size_t offset = 12;
    while (size - offset >= 8) {
        const uint8_t* header = bytes + offset;
        uint32_t chunkSize = readU32(header + 4);
        offset += 8;
        if (chunkSize > size - offset)
            return false; // the chunk claims more than the file holds
        if (std::memcmp(header, "fmt ", 4) == 0) {
            if (!parseFormatChunk(bytes + offset, chunkSize, format))
                return false;
            haveFormat = true;
        } else if (std::memcmp(header, "data", 4) == 0 && data == nullptr) {
            data = bytes + offset;
            dataSize = chunkSize;
        }
        offset += chunkSize;
        if (chunkSize % 2 == 1 && offset < size)
            ++offset; // chunks are padded to an even length
        if (haveFormat && data != nullptr)
            break;
    }
    if (!haveFormat || data == nullptr)
        return false;
    format.data = data;
    format.frames = dataSize / (format.channels * format.bitsPerSample / 8);
    return format.frames > 0 && format.frames <= kMaxSampleFrames;
}

WavDecoder::WavDecoder(const WavFormat& format) : format_(format)
{
    rate_ = format.rate;
    channels_ = format.channels;
}

int WavDecoder::read(int16_t* out, int frames)
{
    int count = int(std::min<int64_t>(frames, format_.frames - nextFrame_));
    int values = count * channels_;
    if (format_.bitsPerSample == 8) {
        const uint8_t* in = format_.data + nextFrame_ * channels_;
        for (int i = 0; i < values; ++i)
            out[i] = int16_t((int(in[i]) - 128) << 8);
    } else {
        const uint8_t* in = format_.data + nextFrame_ * channels_ * 2;
        for (int i = 0; i < values; ++i)
            out[i] = int16_t(readU16(in + 2 * i));
    }
    nextFrame_ += count;
    return count;
}

bool WavDecoder::rewind()
{
    nextFrame_ = 0;
    return true;
}

} // namespace sound
