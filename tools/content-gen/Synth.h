// Building blocks of the sound generator: mono and stereo float buffers, oscillators,
// envelopes, filters and a small room reverb. Everything is plain arithmetic on the given
// sample rate, so a sound renders to the same samples on every run.
#pragma once

#include "Rng.h"

#include <cmath>
#include <vector>

namespace contentgen {

constexpr int kRate = 22050;        // the engine mixes at this rate; higher would only cost room
constexpr double kPi = 3.14159265358979323846;

using Mono = std::vector<float>;

struct Stereo {
    Mono left, right;
    explicit Stereo(size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
    size_t frames() const { return left.size(); }
    void resize(size_t frames) { left.resize(frames, 0.0f); right.resize(frames, 0.0f); }
};

inline size_t framesOf(double seconds) { return size_t(std::lround(seconds * kRate)); }
inline double midiToHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

// Adds `source` × gain into `target` from frame `at`, growing the target when needed.
void mixInto(Mono& target, const Mono& source, size_t at, double gain = 1.0);
// Adds a mono source into a stereo target with an equal-power pan (-1 left .. 1 right).
void mixInto(Stereo& target, const Mono& source, size_t at, double gain, double pan);

// Attack, then exponential decay with the given time constant; zero after `length` frames
// (a short linear release at the very end keeps the cut silent).
Mono envelopeAD(size_t length, double attackSeconds, double decaySeconds);
// Attack, sustain level, release over the last `releaseSeconds`.
Mono envelopeASR(size_t length, double attackSeconds, double sustain, double releaseSeconds);
void applyEnvelope(Mono& sound, const Mono& envelope);
// Short linear fades at both ends so a one-shot sound never starts or stops with a click.
void fadeEdges(Mono& sound, double inSeconds, double outSeconds);

// Oscillators over a frequency curve (Hz per frame) so pitch glides are easy.
Mono sine(const Mono& frequency, double phase = 0.0);
Mono triangle(const Mono& frequency);
Mono sawtooth(const Mono& frequency); // band-limited (polyBLEP)
Mono square(const Mono& frequency, double duty = 0.5);
Mono constant(size_t length, double value);
// Exponential glide from `from` to `to` over the whole length.
Mono glide(size_t length, double from, double to);
Mono noise(size_t length, Rng& rng);

// Two-pole filters (RBJ cookbook biquads), run in place.
enum class FilterKind { LowPass, HighPass, BandPass };
void biquad(Mono& sound, FilterKind kind, double cutoffHz, double q);
// Band-pass whose centre follows a curve (Hz per frame); used for swishes and vowels.
void sweepBandPass(Mono& sound, const Mono& centreHz, double q);

// Frequency-modulation tone: carrier f, modulator f × ratio, index decaying to zero.
Mono fmTone(size_t length, double frequency, double ratio, double index, double indexDecaySeconds);
// Plucked string (Karplus-Strong with a one-zero damping filter).
Mono pluck(size_t length, double frequency, double brightness, Rng& rng);

// Schroeder room: four combs and two all-passes. Wet signal only, same length as the input.
Mono reverb(const Mono& dry, double roomSeconds, double damping);
Stereo reverb(const Stereo& dry, double roomSeconds, double damping);

// Scales so the largest absolute sample is `peak` (linear, 1.0 = full scale).
void normalise(Mono& sound, double peak);
void normalise(Stereo& sound, double peak);

// Makes a loop of exactly `period` frames from a longer render: everything after the period
// is folded back onto its start, so tails ring over the loop point instead of being cut.
Mono foldLoop(const Mono& rendered, size_t period);
Stereo foldLoop(const Stereo& rendered, size_t period);
// Makes a loop of `period` frames from a render at least `period` + `fade` long by
// cross-fading the frames after the period into the start (for sounds without an end,
// such as room noise, where folding would double the level).
Mono crossfadeLoop(const Mono& rendered, size_t period, size_t fade);

} // namespace contentgen
