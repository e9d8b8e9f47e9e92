// window::AudioClip against the real engine with a pulled null output, loading from a
// package file written by the test and from disk.
#include "window/audio/AudioClip.h"

#include "lang/ResourceFile.h"
#include "sound/NullOutput.h"
#include "sound/SoundEngine.h"
#include "support/TempFolder.h"
#include "WavWriter.h"

#include "SoundFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <atomic>
#include <map>
#include <thread>

using window::AudioClip;

namespace {

constexpr int kRate = 22050;

void putU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

// A package file: a word, an empty header block, the directory, then the items' bytes.
std::vector<uint8_t> makePackage(const std::map<std::string, std::vector<uint8_t>>& items) {
    size_t directoryBytes = 12;
    for (const auto& [name, bytes] : items)
        directoryBytes += 1 + name.size() + 8;
    std::vector<uint8_t> out;
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, uint32_t(items.size()));
    uint32_t offset = uint32_t(directoryBytes);
    for (const auto& [name, bytes] : items) {
        out.push_back(uint8_t(name.size()));
        out.insert(out.end(), name.begin(), name.end());
        putU32(out, offset);
        putU32(out, uint32_t(bytes.size()));
        offset += uint32_t(bytes.size());
    }
    for (const auto& [name, bytes] : items)
        out.insert(out.end(), bytes.begin(), bytes.end());
    return out;
}

// Each frame's value tells its position: frame i holds i * 8.
std::vector<int16_t> ramp(int frames) {
    std::vector<int16_t> pcm(frames);
    for (int i = 0; i < frames; ++i)
        pcm[i] = int16_t(i * 8);
    return pcm;
}

void writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class AudioClipTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::map<std::string, std::vector<uint8_t>> items;
        items["ramp.wav"] = sound::writeWav(kRate, 1, 16, ramp(4000));
        items["tone.wav"] = sound::writeWav(11025, 1, 16, soundtest::sine(11025, 1, 441.0, 11025));
        items["music.ogg"] = soundtest::encodeOgg(kRate, 2, soundtest::sine(kRate, 2, 441.0, kRate));
        items["song.mod"] = soundtest::makeMod();
        items["broken.wav"] = std::vector<uint8_t>(100, 7);
        writeFile(folder_ / "sounds.bin", makePackage(items));
        writeFile(folder_ / "tone.wav", items["tone.wav"]);
        lang::ResourceFile::closeAll();
        lang::ResourceFile::add((folder_ / "sounds.bin").c_str());
        startEngine();
    }

    void TearDown() override {
        AudioClip::stopEngine();
        lang::ResourceFile::closeAll();
    }

    void startEngine() {
        auto output = std::make_unique<sound::NullOutput>();
        output_ = output.get();
        AudioClip::engine().setCustomOutput(std::move(output));
        ASSERT_TRUE(AudioClip::startEngine(nullptr, -1, false));
    }

    std::vector<int16_t> render(int frames) {
        std::vector<int16_t> out(size_t(frames) * 2);
        output_->pull(out.data(), frames);
        return out;
    }

    lang::Ref<AudioClip> clip(const char* name, int kind) {
        lang::Ref<AudioClip> made = lang::adopt(new AudioClip);
        made->setSource(name, kind);
        return made;
    }

    sound::SoundEngine& engine() { return AudioClip::engine(); }

    testing_support::TempFolder temp_;
    const std::filesystem::path folder_ = temp_.path;
    sound::NullOutput* output_ = nullptr;
};

} // namespace

TEST_F(AudioClipTest, WithoutTheEngineNothingHappensAndALaterPlayStillLoads) {
    AudioClip::stopEngine();
    lang::Ref<AudioClip> sound = clip("+ramp.wav", AudioClip::KindSample);
    EXPECT_FALSE(sound->load(AudioClip::KindSample, "+ramp.wav"));
    EXPECT_FALSE(sound->isLoadFailed());
    sound->play();
    sound->loop();
    EXPECT_FALSE(sound->isPlaying());
    EXPECT_EQ(sound->getChannel(), -1);
    startEngine();
    sound->play();
    EXPECT_TRUE(sound->isPlaying());
}

TEST_F(AudioClipTest, StartEngineIsDoneOnceAndStopEngineEndsIt) {
    EXPECT_TRUE(AudioClip::startEngine(nullptr, 100, true)); // already running
    EXPECT_TRUE(engine().started());
    AudioClip::setMasterVolume(300);
    EXPECT_EQ(engine().effectsVolume(), 255);
    AudioClip::setMasterVolume(90);
    EXPECT_EQ(engine().effectsVolume(), 90);
    AudioClip::stopEngine();
    EXPECT_FALSE(engine().started());
    AudioClip::setMasterVolume(10); // does nothing, and no harm
}

TEST_F(AudioClipTest, EmptyNameNeverLoadsNorPlays) {
    lang::Ref<AudioClip> sound = clip("", AudioClip::KindSample);
    EXPECT_FALSE(sound->loadIfNeeded());
    sound->play();
    sound->loop();
    EXPECT_FALSE(sound->isLoaded());
    EXPECT_FALSE(sound->isPlaying());
    EXPECT_FALSE(sound->isLoadFailed());
}

TEST_F(AudioClipTest, FailedLoadIsRememberedUntilSetSource) {
    for (const char* name : {"+missing.wav", "+broken.wav", "/nonexistent/sound.wav"}) {
        lang::Ref<AudioClip> sound = clip(name, AudioClip::KindSample);
        sound->play();
        EXPECT_TRUE(sound->isLoadFailed()) << name;
        EXPECT_FALSE(sound->isLoaded());
        EXPECT_FALSE(sound->loadIfNeeded());
        sound->setSource("+ramp.wav", AudioClip::KindSample);
        EXPECT_FALSE(sound->isLoadFailed());
        EXPECT_TRUE(sound->loadIfNeeded());
    }
}

TEST_F(AudioClipTest, SampleFromThePackageOrFromDiskPlaysOnce) {
    lang::Ref<AudioClip> packaged = clip("+tone.wav", AudioClip::KindSample);
    EXPECT_TRUE(packaged->loadIfNeeded());
    EXPECT_EQ(packaged->getDefaultFrequency(), 11025);
    lang::Ref<AudioClip> onDisk = lang::adopt(new AudioClip);
    EXPECT_TRUE(onDisk->load(AudioClip::KindSample, (folder_ / "tone.wav").c_str()));
    EXPECT_EQ(onDisk->getName(), lang::String((folder_ / "tone.wav").c_str()));
    onDisk->play();
    EXPECT_NEAR(soundtest::zeroCrossings(render(kRate), 0), 882, 2);
    EXPECT_FALSE(onDisk->isPlaying()); // one second of sound has ended
}

TEST_F(AudioClipTest, PlayOnAPlayingSampleStartsItAgainFromTheBeginning) {
    lang::Ref<AudioClip> sound = clip("+ramp.wav", AudioClip::KindSample);
    sound->play();
    int first = sound->getChannel();
    render(1000);
    sound->play();
    EXPECT_NE(sound->getChannel(), first);
    EXPECT_FALSE(engine().isPlaying(first));
    std::vector<int16_t> out = render(64 + 10);
    // The old sound's fade-out lasts 64 frames; after it only the new start sounds.
    for (int i = 64; i < 74; ++i)
        EXPECT_EQ(out[2 * i + 1], i * 8) << "frame " << i;
}

TEST_F(AudioClipTest, LoopResumesAPausedSoundWithoutRestartingIt) {
    lang::Ref<AudioClip> sound = clip("+ramp.wav", AudioClip::KindSample);
    sound->loop();
    int channel = sound->getChannel();
    render(512);
    sound->pause();
    EXPECT_TRUE(engine().isPaused(channel));
    render(300);
    sound->loop();
    EXPECT_EQ(sound->getChannel(), channel);
    EXPECT_FALSE(engine().isPaused(channel));
    render(256); // fades back in
    std::vector<int16_t> out = render(10);
    EXPECT_EQ(out[1], 768 * 8);
}

TEST_F(AudioClipTest, LoopKeepsASampleGoingAndRestartsOneThatEnded) {
    lang::Ref<AudioClip> sound = clip("+ramp.wav", AudioClip::KindSample);
    sound->play();
    render(4000);
    EXPECT_FALSE(sound->isPlaying());
    EXPECT_NE(sound->getChannel(), -1); // the ended sound's channel is still stored
    sound->loop();
    EXPECT_TRUE(sound->isPlaying());
    render(10000);
    EXPECT_TRUE(sound->isPlaying());
    sound->stop();
    EXPECT_EQ(sound->getChannel(), -1);
    EXPECT_FALSE(sound->isPlaying());
}

TEST_F(AudioClipTest, VolumeAndPitchReachTheChannel) {
    lang::Ref<AudioClip> sound = clip("+tone.wav", AudioClip::KindSample);
    sound->play();
    EXPECT_EQ(engine().volume(sound->getChannel()), 255); // never set: the engine's default
    sound->setVolume(100);
    EXPECT_EQ(engine().volume(sound->getChannel()), 100);
    sound->setFrequencyScale(1.5f);
    EXPECT_EQ(engine().frequency(sound->getChannel()), 16537);
    sound->play(); // a new play applies both again
    EXPECT_EQ(engine().volume(sound->getChannel()), 100);
    EXPECT_EQ(engine().frequency(sound->getChannel()), 16537);
}

TEST_F(AudioClipTest, FadeFrom200ToSilenceStepsBy20AndPauses) {
    lang::Ref<AudioClip> sound = clip("+ramp.wav", AudioClip::KindSample);
    sound->loop();
    sound->setVolume(200);
    sound->fadeVolume(0, 10, 1);
    int channel = sound->getChannel();
    for (int frame = 1; frame <= 9; ++frame) {
        EXPECT_TRUE(sound->update());
        EXPECT_EQ(engine().volume(channel), 200 - 20 * frame);
        EXPECT_FALSE(engine().isPaused(channel));
    }
    EXPECT_FALSE(sound->update());
    EXPECT_EQ(sound->getVolume(), 0);
    EXPECT_EQ(engine().volume(channel), 0);
    EXPECT_TRUE(engine().isPaused(channel));
    EXPECT_FALSE(sound->update());
}

TEST_F(AudioClipTest, FadeCarriesTheFractionFromFrameToFrame) {
    lang::Ref<AudioClip> sound = clip("+ramp.wav", AudioClip::KindSample);
    sound->loop();
    sound->setVolume(0);
    sound->fadeVolume(10, 4, 0); // 2.5 a frame
    std::vector<int> volumes;
    for (int frame = 0; frame < 4; ++frame) {
        sound->update();
        volumes.push_back(sound->getVolume());
    }
    EXPECT_EQ(volumes, (std::vector<int>{2, 5, 7, 10}));
    EXPECT_FALSE(engine().isPaused(sound->getChannel()));
}

TEST_F(AudioClipTest, FadeOverNoFramesSetsAtOnceAndCancelsARunningFade) {
    lang::Ref<AudioClip> sound = clip("+ramp.wav", AudioClip::KindSample);
    sound->loop();
    sound->setVolume(200);
    sound->fadeVolume(0, 10, 1);
    sound->update();
    sound->fadeVolume(50, 0, 1);
    EXPECT_EQ(engine().volume(sound->getChannel()), 50);
    EXPECT_FALSE(sound->update());
    EXPECT_EQ(sound->getVolume(), 50);
    EXPECT_FALSE(engine().isPaused(sound->getChannel()));
}

TEST_F(AudioClipTest, SlideMovesThePitchEachFrame) {
    lang::Ref<AudioClip> sound = clip("+tone.wav", AudioClip::KindSample);
    sound->loop();
    sound->slideFrequency(2.0f, 4);
    int expected[] = {13781, 16537, 19293, 22050};
    for (int frame = 0; frame < 4; ++frame) {
        EXPECT_EQ(sound->update(), frame < 3);
        EXPECT_EQ(engine().frequency(sound->getChannel()), expected[frame]);
    }
    sound->slideFrequency(1.0f, 0);
    EXPECT_EQ(engine().frequency(sound->getChannel()), 11025);
    EXPECT_FALSE(sound->update());
}

TEST_F(AudioClipTest, StreamHoldsItsChannelAndKeepsItsOwnCopyOfThePackageBytes) {
    lang::Ref<AudioClip> music = clip("+music.ogg", AudioClip::KindStream);
    music->loop();
    int channel = music->getChannel();
    ASSERT_NE(channel, -1);
    EXPECT_EQ(music->getDefaultFrequency(), kRate);
    EXPECT_EQ(engine().priority(channel), 255);
    EXPECT_EQ(engine().pan(channel), -1);
    lang::ResourceFile::closeAll(); // the package's bytes are gone; the clip's copy is not
    std::vector<int16_t> out = render(3 * kRate);
    EXPECT_TRUE(music->isPlaying());
    EXPECT_NEAR(soundtest::zeroCrossings(out, 1), 3 * 882, 6);
    music->stop();
    EXPECT_FALSE(engine().isPlaying(channel));
    music->play();
    render(kRate + 256);
    EXPECT_FALSE(music->isPlaying()); // play() does not loop
}

TEST_F(AudioClipTest, SongPlaysPausesResumesAndStops) {
    lang::Ref<AudioClip> song = clip("+song.mod", AudioClip::KindSong);
    song->setVolume(128);
    song->play();
    EXPECT_TRUE(song->isPlaying());
    EXPECT_EQ(song->getDefaultFrequency(), 0);
    EXPECT_GT(soundtest::rms(render(kRate), 0), 500.0);
    song->pause();
    EXPECT_TRUE(song->isPlaying());
    render(256);
    EXPECT_EQ(soundtest::peak(render(1000), 0), 0);
    song->loop();
    EXPECT_GT(soundtest::rms(render(2000), 0), 500.0);
    song->stop();
    EXPECT_FALSE(song->isPlaying());
    render(256);
    EXPECT_EQ(soundtest::peak(render(1000), 0), 0);
}

TEST_F(AudioClipTest, ReleasingAClipFreesItsSound) {
    lang::Ref<AudioClip> sound = clip("+tone.wav", AudioClip::KindSample);
    sound->loop();
    int channel = sound->getChannel();
    sound.reset();
    EXPECT_FALSE(engine().isPlaying(channel));
}

TEST_F(AudioClipTest, LoadingAnotherSoundReplacesTheFirst) {
    lang::Ref<AudioClip> sound = clip("+tone.wav", AudioClip::KindSample);
    sound->loop();
    int channel = sound->getChannel();
    EXPECT_TRUE(sound->load(AudioClip::KindStream, "+music.ogg"));
    EXPECT_FALSE(engine().isPlaying(channel));
    EXPECT_EQ(sound->getChannel(), -1);
    EXPECT_EQ(sound->getKind(), AudioClip::KindStream);
    EXPECT_EQ(sound->getName(), lang::String("+music.ogg"));
}

TEST_F(AudioClipTest, ClipsAreSharedBetweenGameThreadsAndTheOutputThread) {
    lang::Ref<AudioClip> sound = clip("+tone.wav", AudioClip::KindSample);
    std::atomic<bool> done{false};
    std::thread output([&] {
        while (!done)
            render(256);
    });
    std::thread input([&] {
        for (int i = 0; i < 500; ++i) {
            sound->play();
            sound->setVolume(i % 256);
        }
    });
    for (int i = 0; i < 500; ++i) {
        sound->setFrequencyScale(1.0f + (i % 10) / 10.0f);
        sound->update();
    }
    input.join();
    done = true;
    output.join();
    sound->stop();
    EXPECT_FALSE(sound->isPlaying());
    EXPECT_EQ(sound->getChannel(), -1);
}
