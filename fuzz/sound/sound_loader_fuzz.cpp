// Feeds arbitrary bytes to the engine's sample and stream loaders (WAV, Ogg Vorbis, MPEG) and
// to its module song loader (MOD, S3M, XM, IT, ...), and plays what loads through a pulled null
// output: looping, paused and resumed.
#include "sound/NullOutput.h"
#include "sound/SoundEngine.h"

#include <cstdint>
#include <vector>

namespace {

struct Rig {
    Rig() {
        auto pulled = std::make_unique<sound::NullOutput>();
        output = pulled.get();
        engine.setCustomOutput(std::move(pulled));
        engine.start(22050, 32, 0);
    }
    sound::SoundEngine engine;
    sound::NullOutput* output = nullptr;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Rig rig;
    std::vector<int16_t> mixed(2 * 4096);
    int length = int(size);
    if (sound::Sample* sample = rig.engine.loadSampleFromMemory(-1, data, 0, length)) {
        rig.engine.setLoopMode(sample, sound::LoopMode::Normal);
        rig.engine.playSample(-1, sample);
        rig.output->pull(mixed.data(), 4096);
        rig.engine.freeSample(sample);
    }
    if (sound::Stream* stream = rig.engine.openStreamFromMemory(data, 0, length, sound::LoopMode::Normal)) {
        rig.engine.playStream(-1, stream);
        rig.output->pull(mixed.data(), 4096);
        rig.engine.closeStream(stream);
    }
    if (sound::Song* song = rig.engine.loadSongFromMemory(data, length)) {
        rig.engine.playSong(song);
        rig.output->pull(mixed.data(), 4096);
        rig.engine.setSongPaused(song, true);
        rig.output->pull(mixed.data(), 512);
        rig.engine.setSongPaused(song, false);
        rig.output->pull(mixed.data(), 512);
        rig.engine.freeSong(song);
    }
    return 0;
}
