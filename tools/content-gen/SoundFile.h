// Writes generated sounds in the formats the sound engine reads: 16-bit PCM WAV for short
// effects and Ogg Vorbis (libvorbisenc, fixed serial number) for loops and music.
#pragma once

#include "Synth.h"

#include <cstdint>
#include <string>
#include <vector>

namespace contentgen {

using Bytes = std::vector<uint8_t>;

// Converts to 16-bit with rounding and clamping; interleaves stereo.
std::vector<int16_t> toPcm16(const Mono& sound);
std::vector<int16_t> toPcm16(const Stereo& sound);

Bytes encodeWav(const std::vector<int16_t>& pcm, int channels, int rate);
// Quality from -0.1 to 1.0 as libvorbisenc's VBR quality. Throws std::runtime_error when
// the encoder refuses the settings.
Bytes encodeOgg(const std::vector<int16_t>& pcm, int channels, int rate, float quality);

void writeFile(const std::string& path, const Bytes& bytes);

} // namespace contentgen
