// Decoding a three-minute Ogg Vorbis stream (44.1 kHz stereo music) through the stream
// decoder: the real-time factor is seconds of audio decoded per second of work.
#include "sound/Decoder.h"

#include "SoundFixtures.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int kRate = 44100;
constexpr int kSeconds = 180;

// A chord with a slow tremolo, so the encoder has something like music to work on.
std::vector<int16_t> music() {
    std::vector<int16_t> pcm(size_t(kRate) * kSeconds * 2);
    for (size_t i = 0; i < pcm.size() / 2; ++i) {
        double t = double(i) / kRate;
        double value = 0.2 * std::sin(2 * std::numbers::pi * 220 * t) + 0.15 * std::sin(2 * std::numbers::pi * 277 * t) +
                       0.1 * std::sin(2 * std::numbers::pi * 330 * t) * (0.5 + 0.5 * std::sin(2 * std::numbers::pi * 0.5 * t));
        pcm[2 * i] = int16_t(value * 32767);
        pcm[2 * i + 1] = int16_t(value * 30000);
    }
    return pcm;
}

const std::vector<uint8_t>& threeMinuteOgg() {
    static const std::vector<uint8_t> ogg = soundtest::encodeOgg(kRate, 2, music(), 0.3f);
    return ogg;
}

void decodeThreeMinuteOgg(benchmark::State& state) {
    const std::vector<uint8_t>& ogg = threeMinuteOgg();
    std::vector<int16_t> block(2 * 4096);
    int64_t frames = 0;
    for (auto _ : state) {
        std::unique_ptr<sound::Decoder> decoder = sound::openDecoder(ogg.data(), ogg.size());
        int got;
        while ((got = decoder->read(block.data(), 4096)) > 0)
            frames += got;
    }
    state.counters["realtime_factor"] = benchmark::Counter(double(frames) / kRate, benchmark::Counter::kIsRate);
    state.counters["ogg_bytes"] = double(ogg.size());
}

} // namespace

BENCHMARK(decodeThreeMinuteOgg)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
