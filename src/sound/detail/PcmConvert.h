// Conversions between the 16-bit PCM of decoders and the float stereo frames of the mixer.
#pragma once

#include <algorithm>
#include <cstdint>

namespace sound {

constexpr float kPcmScale = 1.0f / 32768.0f;

// Mono frames feed both sides; stereo frames keep their sides.
inline void toStereoFloat(const int16_t* in, int channels, int frames, float* out)
{
    if (channels == 1) {
        for (int i = 0; i < frames; ++i)
            out[2 * i] = out[2 * i + 1] = in[i] * kPcmScale;
    } else {
        for (int i = 0; i < 2 * frames; ++i)
            out[i] = in[i] * kPcmScale;
    }
}

// Values beyond full scale saturate instead of wrapping around.
inline int16_t toPcm(float value)
{
    float scaled = value * 32768.0f;
    return int16_t(std::clamp(scaled, -32768.0f, 32767.0f));
}

} // namespace sound
