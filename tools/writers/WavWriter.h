// Writes 16-bit PCM as a RIFF WAVE file (8 or 16 bits a sample), for tools that render
// sound to disk and for tests that need WAV input.
#pragma once

#include <cstdint>
#include <vector>

namespace sound {

// A complete WAV file of interleaved PCM; with 8 bits each value keeps its high byte,
// stored unsigned.
std::vector<uint8_t> writeWav(int rate, int channels, int bits, const std::vector<int16_t>& pcm);

} // namespace sound
