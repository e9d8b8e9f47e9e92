// The engine through a pulled null output: what comes out is measured frame by frame.
#include "sound/NullOutput.h"
#include "sound/SoundEngine.h"
#include "sound/sdl/SdlOutput.h"

#include "SoundFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <thread>

using namespace sound;
using namespace soundtest;

namespace {

constexpr int kRate = 22050;

// A cosine starts at its peak, so a seam at a loop point or a cut-off shows up as a jump.
std::vector<int16_t> cosine(double hz, int frames, double amplitude = 0.5) {
    std::vector<int16_t> pcm(frames);
    for (int i = 0; i < frames; ++i)
        pcm[i] = int16_t(std::lround(amplitude * 32767.0 * std::cos(2.0 * std::numbers::pi * hz * i / kRate)));
    return pcm;
}

// The most a cosine of this amplitude and frequency moves between two output frames.
int steepest(double hz, double amplitude = 0.5) {
    return int(amplitude * 32767.0 * 2.0 * std::numbers::pi * hz / kRate) + 2;
}

class SoundEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto output = std::make_unique<NullOutput>();
        output_ = output.get();
        ASSERT_TRUE(engine_.setCustomOutput(std::move(output)));
        ASSERT_TRUE(engine_.start(kRate, 32, 0));
    }

    std::vector<int16_t> render(int frames) {
        std::vector<int16_t> out(size_t(frames) * 2);
        output_->pull(out.data(), frames);
        return out;
    }

    Sample* loadWav(int rate, int channels, const std::vector<int16_t>& pcm, LoopMode mode = LoopMode::Off) {
        files_.push_back(writeWav(rate, channels, 16, pcm));
        Sample* sample = engine_.loadSampleFromMemory(SoundEngine::kAnySlot, files_.back().data(), 0, int(files_.back().size()));
        if (sample != nullptr)
            engine_.setLoopMode(sample, mode);
        return sample;
    }

    Stream* openWavStream(const std::vector<int16_t>& pcm, LoopMode mode) {
        files_.push_back(writeWav(kRate, 1, 16, pcm));
        return engine_.openStreamFromMemory(files_.back().data(), 0, int(files_.back().size()), mode);
    }

    SoundEngine engine_;
    NullOutput* output_ = nullptr;
    std::vector<std::vector<uint8_t>> files_;
};

} // namespace

TEST(SoundEngineSetup, BufferLengthIsAtLeast25AndAMultipleOf25) {
    SoundEngine engine;
    EXPECT_TRUE(engine.setBufferLength(10));
    EXPECT_EQ(engine.bufferLength(), 25);
    engine.setBufferLength(99);
    EXPECT_EQ(engine.bufferLength(), 75);
    engine.setBufferLength(200);
    EXPECT_EQ(engine.bufferLength(), 200);
}

TEST(SoundEngineSetup, SetUpFailsOnceRunningAndWorksAgainAfterClose) {
    SoundEngine engine;
    EXPECT_TRUE(engine.setWindow(nullptr));
    EXPECT_FALSE(engine.start(kRate, 32, 1)); // flags must be 0
    EXPECT_FALSE(engine.start(kRate, 0, 0));
    ASSERT_TRUE(engine.setCustomOutput(std::make_unique<NullOutput>()));
    ASSERT_TRUE(engine.start(kRate, 32, 0));
    EXPECT_TRUE(engine.started());
    EXPECT_FALSE(engine.start(kRate, 32, 0));
    EXPECT_FALSE(engine.setBufferLength(100));
    EXPECT_FALSE(engine.setWindow(nullptr));
    EXPECT_FALSE(engine.setOutput(OutputType::Device));
    EXPECT_FALSE(engine.setCustomOutput(std::make_unique<NullOutput>()));
    engine.close();
    EXPECT_FALSE(engine.started());
    EXPECT_TRUE(engine.setBufferLength(100));
    ASSERT_TRUE(engine.setCustomOutput(std::make_unique<NullOutput>()));
    EXPECT_TRUE(engine.start(kRate, 32, 0));
}

TEST(SoundEngineSetup, NothingLoadsBeforeStart) {
    SoundEngine engine;
    std::vector<uint8_t> wav = writeWav(kRate, 1, 16, sine(kRate, 1, 440, 100));
    EXPECT_EQ(engine.loadSampleFromMemory(-1, wav.data(), 0, int(wav.size())), nullptr);
    EXPECT_EQ(engine.openStreamFromMemory(wav.data(), 0, int(wav.size()), LoopMode::Off), nullptr);
    EXPECT_EQ(engine.playSample(-1, nullptr), -1);
}

TEST(SoundEngineSetup, StartsWithoutASoundCard) {
    // SDL's dummy driver stands in for a machine without a device; the engine also runs
    // silent when no output opens at all.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    installDeviceOutput(&SdlOutput::create);
    for (OutputType type : {OutputType::Automatic, OutputType::Device, OutputType::Silent}) {
        SoundEngine engine;
        engine.setOutput(type);
        ASSERT_TRUE(engine.start(kRate, 32, 0));
        EXPECT_FALSE(engine.audible());
        std::vector<uint8_t> wav = writeWav(kRate, 1, 16, sine(kRate, 1, 440, 2000));
        Sample* sample = engine.loadSampleFromMemory(-1, wav.data(), 0, int(wav.size()));
        EXPECT_GE(engine.playSample(-1, sample), 0);
        engine.close();
    }
}

TEST_F(SoundEngineTest, SamplePlaysAtItsPitchAndAtAChangedFrequency) {
    Sample* sample = loadWav(kRate, 1, sine(kRate, 1, 441.0, kRate), LoopMode::Normal);
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(engine_.defaultFrequency(sample), kRate);
    int channel = engine_.playSample(SoundEngine::kAnyChannel, sample);
    ASSERT_GE(channel, 0);
    EXPECT_EQ(engine_.frequency(channel), kRate);
    EXPECT_NEAR(zeroCrossings(render(kRate), 0), 882, 2);
    ASSERT_TRUE(engine_.setFrequency(channel, 2 * kRate));
    EXPECT_NEAR(zeroCrossings(render(kRate), 0), 1764, 3);
}

TEST_F(SoundEngineTest, SampleAtAnotherRateIsResampled) {
    Sample* sample = loadWav(44100, 2, sine(44100, 2, 441.0, 44100), LoopMode::Normal);
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(engine_.defaultFrequency(sample), 44100);
    ASSERT_GE(engine_.playSample(-1, sample), 0);
    std::vector<int16_t> out = render(kRate);
    EXPECT_NEAR(zeroCrossings(out, 0), 882, 2);
    EXPECT_NEAR(zeroCrossings(out, 1), 882, 2);
}

TEST_F(SoundEngineTest, VolumeAndEffectsVolumeScaleTheLevel) {
    Sample* sample = loadWav(kRate, 1, sine(kRate, 1, 441.0, 2205), LoopMode::Normal);
    int channel = engine_.playSample(-1, sample);
    double full = rms(render(2205), 0);
    EXPECT_NEAR(full, 0.5 * 32767 / std::sqrt(2.0), 200.0);

    engine_.setVolume(channel, 128);
    render(256); // the gain moves over one mix step
    EXPECT_NEAR(rms(render(2205), 0) / full, 128.0 / 255.0, 0.005);

    engine_.setVolume(channel, 999);
    EXPECT_EQ(engine_.volume(channel), 255);
    engine_.setEffectsVolume(64);
    render(256);
    EXPECT_NEAR(rms(render(2205), 0) / full, 64.0 / 255.0, 0.005);
    engine_.setEffectsVolume(-5);
    EXPECT_EQ(engine_.effectsVolume(), 0);
    render(256);
    EXPECT_EQ(peak(render(2205), 0), 0);
}

TEST_F(SoundEngineTest, PanMovesTheBalance) {
    Sample* sample = loadWav(kRate, 1, sine(kRate, 1, 441.0, 2205), LoopMode::Normal);
    int channel = engine_.playSample(-1, sample);
    EXPECT_EQ(engine_.pan(channel), 128);
    std::vector<int16_t> out = render(2205);
    double centre = rms(out, 0);
    EXPECT_NEAR(rms(out, 1), centre, 1.0);

    engine_.setPan(channel, 0);
    render(256);
    out = render(2205);
    EXPECT_NEAR(rms(out, 0), centre, 1.0);
    EXPECT_EQ(peak(out, 1), 0);

    engine_.setPan(channel, 255);
    render(256);
    out = render(2205);
    EXPECT_EQ(peak(out, 0), 0);

    engine_.setPan(channel, 64);
    render(256);
    out = render(2205);
    EXPECT_NEAR(rms(out, 1) / rms(out, 0), 0.5, 0.005);
    EXPECT_NEAR(rms(out, 0), centre, 1.0);
}

TEST_F(SoundEngineTest, TrueStereoKeepsTheSidesApart) {
    std::vector<int16_t> pcm(2 * 2205, 0);
    std::vector<int16_t> left = sine(kRate, 1, 441.0, 2205);
    for (size_t i = 0; i < left.size(); ++i)
        pcm[2 * i] = left[i];
    Sample* sample = loadWav(kRate, 2, pcm, LoopMode::Normal);
    int channel = engine_.playSample(-1, sample);
    ASSERT_TRUE(engine_.setPan(channel, -1));
    EXPECT_EQ(engine_.pan(channel), -1);
    render(256);
    std::vector<int16_t> out = render(2205);
    EXPECT_NEAR(rms(out, 0), 0.5 * 32767 / std::sqrt(2.0), 200.0);
    EXPECT_EQ(peak(out, 1), 0);
}

TEST_F(SoundEngineTest, OneShotSampleEndsAndFreesItsChannel) {
    Sample* sample = loadWav(kRate, 1, sine(kRate, 1, 441.0, 1000));
    int channel = engine_.playSample(-1, sample);
    render(999);
    EXPECT_TRUE(engine_.isPlaying(channel));
    render(1);
    EXPECT_FALSE(engine_.isPlaying(channel));
    EXPECT_EQ(engine_.volume(channel), -1);
    EXPECT_FALSE(engine_.setVolume(channel, 10));
    EXPECT_EQ(peak(render(500), 0), 0);
    // The freed channel is the first free one again.
    EXPECT_EQ(engine_.playSample(-1, sample) & 0xFF, channel & 0xFF);
}

TEST_F(SoundEngineTest, LoopingSampleRunsSeamlesslyAcrossItsLoopPoint) {
    // Two whole periods of 220.5 Hz, so the loop point falls on the peak of the cosine.
    Sample* sample = loadWav(kRate, 1, cosine(220.5, 200), LoopMode::Normal);
    int channel = engine_.playSample(-1, sample);
    std::vector<int16_t> out = render(kRate);
    EXPECT_TRUE(engine_.isPlaying(channel));
    EXPECT_EQ(zeroCrossings(out, 0), 441);
    EXPECT_LE(largestStep(out, 0), steepest(220.5));
    // Resampled, every output frame between the last and the first source frame interpolates
    // towards the first one again.
    engine_.setFrequency(channel, 33075);
    render(256);
    out = render(kRate);
    EXPECT_NEAR(zeroCrossings(out, 0), 662, 1);
    EXPECT_LE(largestStep(out, 0), steepest(1.5 * 220.5));
}

TEST_F(SoundEngineTest, StopFadesOutInsteadOfCuttingOff) {
    Sample* sample = loadWav(kRate, 1, cosine(441.0, 2000), LoopMode::Normal);
    int channel = engine_.playSample(-1, sample);
    std::vector<int16_t> out = render(300); // six whole periods: the cosine is at its peak
    ASSERT_TRUE(engine_.stopChannel(channel));
    EXPECT_FALSE(engine_.isPlaying(channel));
    std::vector<int16_t> after = render(300);
    out.insert(out.end(), after.begin(), after.end());
    EXPECT_LE(largestStep(out, 0), steepest(441.0) + 16384 / 64);
    std::vector<int16_t> rest(after.begin() + 2 * 64, after.end());
    EXPECT_EQ(peak(rest, 0), 0);
}

TEST_F(SoundEngineTest, PauseKeepsThePosition) {
    // A ramp: each frame's value tells its position.
    std::vector<int16_t> ramp(4000);
    for (int i = 0; i < 4000; ++i)
        ramp[i] = int16_t(i * 8);
    Sample* sample = loadWav(kRate, 1, ramp);
    int channel = engine_.playSample(-1, sample);
    render(512);
    ASSERT_TRUE(engine_.setPaused(channel, true));
    EXPECT_TRUE(engine_.isPaused(channel));
    EXPECT_TRUE(engine_.isPlaying(channel));
    std::vector<int16_t> paused = render(1000);
    std::vector<int16_t> afterFade(paused.begin() + 2 * 64, paused.end());
    EXPECT_EQ(peak(afterFade, 1), 0);
    ASSERT_TRUE(engine_.setPaused(channel, false));
    std::vector<int16_t> fadeIn = render(256);
    EXPECT_EQ(fadeIn[2 * 255 + 1], (512 + 255) * 8);
    std::vector<int16_t> out = render(256);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(out[2 * i + 1], (768 + i) * 8) << "frame " << i;
}

TEST_F(SoundEngineTest, StreamFromMemoryLoopsAndAOneShotStreamEnds) {
    Stream* looping = openWavStream(cosine(220.5, 1000), LoopMode::Normal);
    ASSERT_NE(looping, nullptr);
    EXPECT_EQ(engine_.defaultFrequency(engine_.streamSample(looping)), kRate);
    int channel = engine_.playStream(-1, looping);
    ASSERT_GE(channel, 0);
    std::vector<int16_t> out = render(5000);
    EXPECT_TRUE(engine_.isPlaying(channel));
    EXPECT_NEAR(zeroCrossings(out, 0), 100, 1);
    EXPECT_LE(largestStep(out, 0), steepest(220.5));

    Stream* once = openWavStream(cosine(220.5, 1000), LoopMode::Off);
    engine_.stopStream(looping);
    EXPECT_FALSE(engine_.isPlaying(channel));
    int second = engine_.playStream(-1, once);
    render(999);
    EXPECT_TRUE(engine_.isPlaying(second));
    render(1);
    EXPECT_FALSE(engine_.isPlaying(second));
    // Played again, it starts over.
    second = engine_.playStream(-1, once);
    out = render(1000);
    EXPECT_NEAR(out[0], 16384, 1);
    EXPECT_FALSE(engine_.isPlaying(second));
}

TEST_F(SoundEngineTest, StreamLoopModeChangesWhilePlaying) {
    Stream* stream = openWavStream(cosine(220.5, 1000), LoopMode::Normal);
    int channel = engine_.playStream(-1, stream);
    render(1500);
    EXPECT_TRUE(engine_.isPlaying(channel));
    engine_.setLoopMode(stream, LoopMode::Off);
    render(5000); // at most the pass decoded ahead plays out
    EXPECT_FALSE(engine_.isPlaying(channel));
}

TEST_F(SoundEngineTest, OggStreamPlaysAtItsPitch) {
    files_.push_back(encodeOgg(kRate, 1, sine(kRate, 1, 441.0, kRate)));
    Stream* stream = engine_.openStreamFromMemory(files_.back().data(), 0, int(files_.back().size()), LoopMode::Normal);
    ASSERT_NE(stream, nullptr);
    int channel = engine_.playStream(-1, stream);
    EXPECT_NEAR(zeroCrossings(render(2 * kRate), 0), 1764, 4);
    EXPECT_TRUE(engine_.isPlaying(channel));
    engine_.closeStream(stream);
    EXPECT_FALSE(engine_.isPlaying(channel));
    EXPECT_EQ(engine_.streamSample(stream), nullptr);
}

TEST_F(SoundEngineTest, Mp3SamplePlays) {
    files_.push_back(readTestData("sound/sine440_22050_mono.mp3"));
    Sample* sample = engine_.loadSampleFromMemory(-1, files_.back().data(), 0, int(files_.back().size()));
    ASSERT_NE(sample, nullptr);
    int channel = engine_.playSample(-1, sample);
    EXPECT_NEAR(zeroCrossings(render(11025), 0), 440, 4);
    EXPECT_FALSE(engine_.isPlaying(channel));
}

TEST_F(SoundEngineTest, ThirtyThirdSoundStealsTheOldestOfLowestPriority) {
    Sample* sample = loadWav(kRate, 1, sine(kRate, 1, 441.0, 1000), LoopMode::Normal);
    std::vector<int> channels;
    for (int i = 0; i < 32; ++i)
        channels.push_back(engine_.playSample(-1, sample));
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(channels[i] & 0xFF, i);
    // Equal priority: the oldest sound gives way, and its handle stops working.
    engine_.setPriority(channels[0], 255);
    engine_.setPriority(channels[2], 10);
    int stolen = engine_.playSample(-1, sample);
    EXPECT_EQ(stolen & 0xFF, 2);
    EXPECT_FALSE(engine_.isPlaying(channels[2]));
    EXPECT_FALSE(engine_.setVolume(channels[2], 0));
    EXPECT_EQ(engine_.volume(stolen), 255);
    EXPECT_EQ(engine_.playSample(-1, sample) & 0xFF, 1);
    // Higher priorities than the new sound's are kept; 255 is never taken.
    for (int i = 0; i < 32; ++i)
        engine_.setPriority(i, i == 5 ? 255 : 200);
    EXPECT_EQ(engine_.playSample(-1, sample), -1);
    for (int i = 0; i < 32; ++i)
        engine_.setPriority(i, 255);
    EXPECT_EQ(engine_.playSample(-1, sample), -1);
    // A channel asked for by number is taken whatever its priority.
    EXPECT_EQ(engine_.playSample(7, sample) & 0xFF, 7);
}

TEST_F(SoundEngineTest, OldHandleReachesItsChannelOnlyWhileItsSoundIsThere) {
    Sample* sample = loadWav(kRate, 1, sine(kRate, 1, 441.0, 1000), LoopMode::Normal);
    int first = engine_.playSample(-1, sample);
    EXPECT_EQ(engine_.playSample(first, sample), first + 256); // same channel, next sound
    int current = first + 256;
    EXPECT_FALSE(engine_.isPlaying(first));
    EXPECT_TRUE(engine_.isPlaying(current));
    EXPECT_TRUE(engine_.isPlaying(current & 0xFF)); // the bare channel number works too
    // A stale handle asks for any free channel instead of taking the busy one.
    EXPECT_EQ(engine_.playSample(first, sample) & 0xFF, 1);
    EXPECT_TRUE(engine_.isPlaying(current));
}

TEST_F(SoundEngineTest, OutputSaturatesInsteadOfWrappingAround) {
    std::vector<int16_t> loud(2000, 30000);
    Sample* sample = loadWav(kRate, 1, loud, LoopMode::Normal);
    engine_.playSample(-1, sample);
    engine_.playSample(-1, sample);
    std::vector<int16_t> out = render(1000);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(out[2 * i + 1], 32767) << "frame " << i;
}

TEST_F(SoundEngineTest, SongPlaysPausesAndStops) {
    std::vector<uint8_t> mod = makeMod();
    Song* song = engine_.loadSongFromMemory(mod.data(), int(mod.size()));
    ASSERT_NE(song, nullptr);
    EXPECT_FALSE(engine_.isSongPlaying(song));
    ASSERT_TRUE(engine_.playSong(song));
    EXPECT_TRUE(engine_.isSongPlaying(song));
    std::vector<int16_t> out = render(kRate);
    EXPECT_GT(rms(out, 0), 1000.0);
    EXPECT_NEAR(zeroCrossings(out, 0), 2 * 259, 12); // 8287 Hz through a 32-byte cycle

    ASSERT_TRUE(engine_.setSongPaused(song, true));
    EXPECT_TRUE(engine_.isSongPaused(song));
    EXPECT_TRUE(engine_.isSongPlaying(song));
    std::vector<int16_t> paused = render(2000);
    EXPECT_EQ(peak(std::vector<int16_t>(paused.begin() + 128, paused.end()), 0), 0);
    engine_.setSongPaused(song, false);
    EXPECT_GT(rms(render(2000), 0), 1000.0);

    engine_.setSongVolume(song, 0);
    render(256);
    EXPECT_EQ(peak(render(2000), 0), 0);
    engine_.setSongVolume(song, 255);

    ASSERT_TRUE(engine_.stopSong(song));
    EXPECT_FALSE(engine_.isSongPlaying(song));
    std::vector<int16_t> stopped = render(2000);
    EXPECT_EQ(peak(std::vector<int16_t>(stopped.begin() + 128, stopped.end()), 0), 0);
    engine_.freeSong(song);
    EXPECT_FALSE(engine_.playSong(song));
}

TEST_F(SoundEngineTest, ScreamTrackerSongSoundsAtItsPitch) {
    std::vector<uint8_t> s3m = makeS3m();
    Song* song = engine_.loadSongFromMemory(s3m.data(), int(s3m.size()));
    ASSERT_NE(song, nullptr);
    ASSERT_TRUE(engine_.playSong(song));
    std::vector<int16_t> out = render(kRate);
    EXPECT_GT(rms(out, 0), 1000.0);
    EXPECT_NEAR(zeroCrossings(out, 0), 2 * 261, 12);
    engine_.freeSong(song);
}

TEST_F(SoundEngineTest, EffectsVolumeLeavesSongsAlone) {
    std::vector<uint8_t> mod = makeMod();
    Song* song = engine_.loadSongFromMemory(mod.data(), int(mod.size()));
    engine_.playSong(song);
    double songLevel = rms(render(kRate), 0);
    engine_.setEffectsVolume(0);
    render(256);
    EXPECT_NEAR(rms(render(kRate), 0), songLevel, songLevel * 0.05);
}

TEST_F(SoundEngineTest, BadDataAndBadArgumentsGiveNullOrMinusOne) {
    std::vector<uint8_t> junk(1000, 0x42);
    EXPECT_EQ(engine_.loadSampleFromMemory(-1, junk.data(), 0, int(junk.size())), nullptr);
    EXPECT_EQ(engine_.openStreamFromMemory(junk.data(), 0, int(junk.size()), LoopMode::Off), nullptr);
    EXPECT_EQ(engine_.loadSongFromMemory(junk.data(), int(junk.size())), nullptr);
    EXPECT_EQ(engine_.loadSample(-1, "/nonexistent/sound.wav"), nullptr);
    EXPECT_EQ(engine_.openStream("/nonexistent/music.ogg", LoopMode::Normal), nullptr);
    EXPECT_EQ(engine_.loadSong("/nonexistent/song.xm"), nullptr);
    EXPECT_EQ(engine_.loadSampleFromMemory(-1, nullptr, 0, 10), nullptr);
    std::vector<uint8_t> wav = writeWav(kRate, 1, 16, sine(kRate, 1, 441.0, 100));
    EXPECT_EQ(engine_.loadSampleFromMemory(-1, wav.data(), -1, 10), nullptr);
    EXPECT_EQ(engine_.loadSampleFromMemory(SoundEngine::kSampleSlots, wav.data(), 0, int(wav.size())), nullptr);
    EXPECT_EQ(engine_.playSample(-1, nullptr), -1);
    EXPECT_EQ(engine_.playStream(-1, nullptr), -1);
    EXPECT_FALSE(engine_.setVolume(-1, 100));
    EXPECT_FALSE(engine_.isPlaying(99));
    // Handles that were never the engine's are ignored.
    Sample foreign(kRate, 1, {1, 2, 3});
    EXPECT_EQ(engine_.playSample(-1, &foreign), -1);
    EXPECT_EQ(engine_.defaultFrequency(&foreign), 0);
    engine_.freeSample(&foreign);
}

TEST_F(SoundEngineTest, MemoryOffsetSkipsLeadingBytes) {
    std::vector<uint8_t> wav = writeWav(11025, 1, 16, sine(11025, 1, 441.0, 100));
    std::vector<uint8_t> packed(7 + wav.size(), 0xEE);
    std::copy(wav.begin(), wav.end(), packed.begin() + 7);
    Sample* sample = engine_.loadSampleFromMemory(-1, packed.data(), 7, int(wav.size()));
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(engine_.defaultFrequency(sample), 11025);
}

TEST_F(SoundEngineTest, LoadingIntoAUsedSlotReplacesItsSample) {
    std::vector<uint8_t> wav = writeWav(kRate, 1, 16, sine(kRate, 1, 441.0, 5000));
    Sample* first = engine_.loadSampleFromMemory(3, wav.data(), 0, int(wav.size()));
    int channel = engine_.playSample(-1, first);
    Sample* second = engine_.loadSampleFromMemory(3, wav.data(), 0, int(wav.size()));
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(engine_.isPlaying(channel));
    EXPECT_EQ(engine_.loadSampleFromMemory(-1, wav.data(), 0, int(wav.size())) != nullptr, true);
    engine_.freeSample(second);
    EXPECT_EQ(engine_.playSample(-1, second), -1);
}

TEST_F(SoundEngineTest, CloseFreesEverythingAndLaterCallsAreHarmless) {
    Sample* sample = loadWav(kRate, 1, sine(kRate, 1, 441.0, 5000), LoopMode::Normal);
    std::vector<uint8_t> mod = makeMod();
    Song* song = engine_.loadSongFromMemory(mod.data(), int(mod.size()));
    int channel = engine_.playSample(-1, sample);
    engine_.close();
    EXPECT_FALSE(engine_.isPlaying(channel));
    engine_.freeSample(sample);
    engine_.freeSong(song);
    // The output went with the engine; a late pull straight from the engine is silent.
    std::vector<int16_t> out(200, 1);
    engine_.mix(out.data(), 100);
    EXPECT_EQ(peak(out, 0), 0);
}

TEST_F(SoundEngineTest, GameThreadsAndTheOutputThreadShareTheEngine) {
    Sample* sample = loadWav(kRate, 1, sine(kRate, 1, 441.0, 500));
    std::atomic<bool> done{false};
    std::thread output([&] {
        while (!done)
            render(512);
    });
    for (int i = 0; i < 2000; ++i) {
        int channel = engine_.playSample(-1, sample);
        engine_.setVolume(channel, i % 256);
        engine_.setPan(channel, i % 256);
        if (i % 3 == 0)
            engine_.stopChannel(channel);
    }
    done = true;
    output.join();
    for (int i = 0; i < 32; ++i)
        engine_.stopChannel(i);
    for (int i = 0; i < 32; ++i)
        EXPECT_FALSE(engine_.isPlaying(i));
}
