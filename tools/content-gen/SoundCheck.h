// Measures a finished sound file as the game will hear it: decodes the WAV or Ogg bytes and
// reports level and the joins that could click (start, end, loop point).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace contentgen {

struct SoundMeasure {
    bool decoded = false;
    int channels = 0;
    int rate = 0;
    size_t frames = 0;
    double peak = 0.0;      // largest absolute sample, 1.0 = full scale
    double rms = 0.0;
    double stepRms = 0.0;   // RMS of the sample-to-sample change inside the sound
    double maxStep = 0.0;   // the largest sample-to-sample change inside the sound
    double loopJump = 0.0;  // change from the last sample back to the first
    double edgeStart = 0.0; // absolute value of the first sample
    double edgeEnd = 0.0;   // absolute value of the last sample
};

SoundMeasure measureSound(const std::vector<uint8_t>& bytes);

// Empty when the sound passes; otherwise what is wrong. A loop must join without a jump
// larger than the sound's own largest step; a one-shot must start and end near silence.
std::string judgeSound(const SoundMeasure& measure, bool looping);

} // namespace contentgen
