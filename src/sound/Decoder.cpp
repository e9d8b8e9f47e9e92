#include "sound/Decoder.h"

namespace sound {

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
