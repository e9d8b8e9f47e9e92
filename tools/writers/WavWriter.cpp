#include "WavWriter.h"

namespace sound {

namespace {

void putU16(std::vector<uint8_t>& out, unsigned value)
{
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void putU32(std::vector<uint8_t>& out, uint32_t value)
{
    putU16(out, value & 0xFFFF);
    putU16(out, value >> 16);
}

void putTag(std::vector<uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(tag[i]));
}

} // namespace

std::vector<uint8_t> writeWav(int rate, int channels, int bits, const std::vector<int16_t>& pcm)
{
    uint32_t dataBytes = uint32_t(pcm.size() * bits / 8);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes + 1);
    putTag(out, "RIFF");
    putU32(out, 36 + dataBytes + dataBytes % 2);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1); // PCM
    putU16(out, channels);
    putU32(out, rate);
    putU32(out, rate * channels * bits / 8);
    putU16(out, channels * bits / 8);
    putU16(out, bits);
    putTag(out, "data");
    putU32(out, dataBytes);
    for (int16_t value : pcm) {
        if (bits == 8)
            out.push_back(uint8_t((value >> 8) + 128));
        else
            putU16(out, uint16_t(value));
    }
    if (dataBytes % 2 == 1)
        out.push_back(0); // chunks are padded to an even length
    return out;
}

} // namespace sound
