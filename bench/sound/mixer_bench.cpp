// Mixing cost: 32 busy channels at mixed source rates, some resampled by a changed
// frequency, at 22050 Hz stereo. The target is under 10 ms per second of audio.
#include "sound/NullOutput.h"
#include "sound/SoundEngine.h"

#include "SoundFixtures.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kMixRate = 22050;

void mixThirtyTwoChannels(benchmark::State& state) {
    sound::SoundEngine engine;
    auto pulled = std::make_unique<sound::NullOutput>();
    sound::NullOutput* output = pulled.get();
    engine.setCustomOutput(std::move(pulled));
    engine.start(kMixRate, 32, 0);

    const int rates[] = {22050, 44100, 11025, 32000};
    std::vector<std::vector<uint8_t>> files;
    for (int i = 0; i < 32; ++i) {
        int rate = rates[i % 4];
        int channels = 1 + i % 2;
        files.push_back(sound::writeWav(rate, channels, 16, soundtest::sine(rate, channels, 200.0 + 20 * i, rate)));
        sound::Sample* sample = engine.loadSampleFromMemory(-1, files.back().data(), 0, int(files.back().size()));
        engine.setLoopMode(sample, sound::LoopMode::Normal);
        int channel = engine.playSample(-1, sample);
        engine.setVolume(channel, 40);
        engine.setPan(channel, (i * 37) % 256);
        if (i % 3 == 0)
            engine.setFrequency(channel, rate * 5 / 4); // pitched up, as a slide would
    }
    std::vector<int16_t> second(2 * kMixRate);
    for (auto _ : state) {
        output->pull(second.data(), kMixRate);
        benchmark::DoNotOptimize(second.data());
    }
    // Each iteration mixes one second, so the time per iteration is the cost per second of audio.
    state.counters["realtime_factor"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(mixThirtyTwoChannels)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
