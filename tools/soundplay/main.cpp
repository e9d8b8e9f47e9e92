// soundplay: plays sound files one after another through the sound engine.
//
//   soundplay [--out mix.wav] [--seconds N] [--sample] FILE...
//
// Modules (.mod .s3m .xm .it) play as songs, anything else as a stream (or, with --sample,
// as a sample decoded whole). Each file plays to its end, at most N seconds (default 10;
// songs loop, so they always take N). Without an audio device, or with --out, the mix is
// written to a WAV file (default soundplay.wav) instead. Prints the level of each file.
#include "sound/NullOutput.h"
#include "sound/SoundEngine.h"
#include "sound/sdl/SdlOutput.h"
#include "WavWriter.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kMixRate = 22050;
constexpr int kBlockFrames = 1024;

struct Options {
    std::string outPath;
    double seconds = 10.0;
    bool asSample = false;
    std::vector<std::string> files;
};

bool isModule(const std::string& path) {
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    for (const char* extension : {".mod", ".s3m", ".xm", ".it"}) {
        size_t length = std::strlen(extension);
        if (lower.size() > length && lower.compare(lower.size() - length, length, extension) == 0)
            return true;
    }
    return false;
}

// One file loaded into the engine, whichever kind it is.
class Playing {
public:
    Playing(sound::SoundEngine& engine, const std::string& path, bool asSample) : engine_(engine) {
        if (isModule(path)) {
            song_ = engine.loadSong(path.c_str());
            ok_ = song_ != nullptr && engine.playSong(song_);
        } else if (asSample) {
            sample_ = engine.loadSample(sound::SoundEngine::kAnySlot, path.c_str());
            channel_ = sample_ != nullptr ? engine.playSample(sound::SoundEngine::kAnyChannel, sample_) : -1;
            ok_ = channel_ >= 0;
        } else {
            stream_ = engine.openStream(path.c_str(), sound::LoopMode::Off);
            channel_ = stream_ != nullptr ? engine.playStream(sound::SoundEngine::kAnyChannel, stream_) : -1;
            ok_ = channel_ >= 0;
        }
    }
    ~Playing() {
        engine_.freeSong(song_);
        engine_.freeSample(sample_);
        engine_.closeStream(stream_);
    }
    bool ok() const { return ok_; }
    bool running() const { return song_ != nullptr ? engine_.isSongPlaying(song_) : engine_.isPlaying(channel_); }

private:
    sound::SoundEngine& engine_;
    sound::Song* song_ = nullptr;
    sound::Sample* sample_ = nullptr;
    sound::Stream* stream_ = nullptr;
    int channel_ = -1;
    bool ok_ = false;
};

void printLevel(const std::string& path, const int16_t* pcm, size_t frames) {
    double sum = 0.0;
    int peak = 0;
    for (size_t i = 0; i < 2 * frames; ++i) {
        sum += double(pcm[i]) * pcm[i];
        peak = std::max(peak, std::abs(int(pcm[i])));
    }
    double rms = frames == 0 ? 0.0 : std::sqrt(sum / (2.0 * frames));
    std::printf("%s: %.2f s, peak %d, rms %.0f\n", path.c_str(), double(frames) / kMixRate, peak, rms);
}

// Plays through the audio device, in real time.
void playOnDevice(sound::SoundEngine& engine, const Options& options) {
    for (const std::string& path : options.files) {
        Playing playing(engine, path, options.asSample);
        if (!playing.ok()) {
            std::fprintf(stderr, "%s: cannot be played\n", path.c_str());
            continue;
        }
        std::printf("%s: playing\n", path.c_str());
        auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(options.seconds);
        while (playing.running() && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// Renders through a pulled output as fast as it goes and writes the mix to a WAV file.
bool renderToFile(sound::SoundEngine& engine, sound::NullOutput& output, const Options& options) {
    std::vector<int16_t> mix;
    size_t limit = size_t(options.seconds * kMixRate);
    for (const std::string& path : options.files) {
        Playing playing(engine, path, options.asSample);
        if (!playing.ok()) {
            std::fprintf(stderr, "%s: cannot be played\n", path.c_str());
            continue;
        }
        size_t first = mix.size() / 2;
        for (size_t done = 0; done < limit && playing.running(); done += kBlockFrames) {
            mix.resize(mix.size() + 2 * kBlockFrames);
            output.pull(mix.data() + mix.size() - 2 * kBlockFrames, kBlockFrames);
        }
        printLevel(path, mix.data() + 2 * first, mix.size() / 2 - first);
    }
    std::vector<uint8_t> wav = sound::writeWav(kMixRate, 2, 16, mix);
    std::ofstream file(options.outPath, std::ios::binary);
    file.write(reinterpret_cast<const char*>(wav.data()), std::streamsize(wav.size()));
    if (!file) {
        std::fprintf(stderr, "%s: cannot be written\n", options.outPath.c_str());
        return false;
    }
    std::printf("wrote %s\n", options.outPath.c_str());
    return true;
}

bool parseArguments(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--out" && i + 1 < argc)
            options.outPath = argv[++i];
        else if (argument == "--seconds" && i + 1 < argc)
            options.seconds = std::atof(argv[++i]);
        else if (argument == "--sample")
            options.asSample = true;
        else if (!argument.empty() && argument[0] != '-')
            options.files.push_back(argument);
        else
            return false;
    }
    return !options.files.empty() && options.seconds > 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseArguments(argc, argv, options)) {
        std::fprintf(stderr, "usage: soundplay [--out mix.wav] [--seconds N] [--sample] FILE...\n");
        return 2;
    }
    sound::installDeviceOutput(&sound::SdlOutput::create);
    sound::SoundEngine engine;
    if (options.outPath.empty()) {
        engine.setOutput(sound::OutputType::Device);
        if (engine.start(kMixRate, 32, 0) && engine.audible()) {
            playOnDevice(engine, options);
            return 0;
        }
        engine.close();
        options.outPath = "soundplay.wav";
        std::printf("no audio device: writing the mix to %s\n", options.outPath.c_str());
    }
    auto pulled = std::make_unique<sound::NullOutput>();
    sound::NullOutput& output = *pulled;
    engine.setCustomOutput(std::move(pulled));
    if (!engine.start(kMixRate, 32, 0))
        return 1;
    return renderToFile(engine, output, options) ? 0 : 1;
}
