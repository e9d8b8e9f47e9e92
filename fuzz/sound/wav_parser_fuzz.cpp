// Feeds arbitrary bytes to the WAV parser and decodes whatever it accepts.
#include "sound/WavDecoder.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sound::WavFormat format;
    if (!sound::parseWav(data, size, format))
        return 0;
    sound::WavDecoder decoder(format);
    std::vector<int16_t> pcm;
    sound::decodeAll(decoder, pcm);
    return 0;
}
