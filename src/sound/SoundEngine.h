// The sound engine: samples, streams and module songs mixed on software channels and sent
// to an output. Set-up calls come before start(); every other call needs a started engine.
// Loads return null and plays -1 on any failure. All calls are thread-safe; a call waits
// for the output at most one mix step (256 frames), and decoding happens outside the lock.
//
// Lifetimes: the engine owns every Sample, Stream and Song it returns until the matching
// free/close call or close() of the engine. Handles that are no longer (or never were) the
// engine's are ignored, so a late free after close() does no harm.
//
// Channels: a play returns a channel handle (channel index plus a count of the sounds
// started there). A handle stops working once its sound has ended or another sound has
// taken the channel, so an old handle never touches someone else's sound. Where a channel
// is asked for, -1 means any free one, 0..channels-1 a given channel, and an earlier
// handle that channel again if its sound is still there (otherwise any free one).
#pragma once

#include "sound/Output.h"
#include "sound/Sample.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace sound {

class Mixer;
class Song;
class Stream;

enum class OutputType {
    Automatic, // the engine chooses: the audio device, else silence
    Device, // the platform's audio device, else silence
    Silent, // no device: the mix runs in real time and is discarded
};

class SoundEngine : public FrameSource {
public:
    static constexpr int kAnyChannel = -1;
    static constexpr int kAnySlot = -1;
    static constexpr int kSampleSlots = 1024;
    static constexpr int kMinBufferMs = 25;

    SoundEngine();
    ~SoundEngine() override;
    SoundEngine(const SoundEngine&) = delete;
    SoundEngine& operator=(const SoundEngine&) = delete;

    // --- Set-up: each returns false once the engine runs.
    // The window the output belongs to (kept for outputs that need one).
    bool setWindow(void* window);
    // Mix buffer length: at least 25 ms, rounded down to a multiple of 25.
    bool setBufferLength(int milliseconds);
    int bufferLength() const;
    bool setOutput(OutputType type);
    // Uses this output instead of the one setOutput chose (tests pass a pulled NullOutput).
    bool setCustomOutput(std::unique_ptr<Output> output);

    // Starts mixing at `mixRate` Hz (8000..48000) on `channelCount` channels (1..256).
    // `flags` is reserved and must be 0. Fails only for bad arguments, a second start or
    // a custom output that does not open: without a device the engine runs silent.
    bool start(int mixRate, int channelCount, unsigned flags);
    // Stops the output and frees every sample, stream and song.
    void close();
    bool started() const;
    // True when the engine plays through a real device (not a dummy driver or silence).
    bool audible() const;

    // Effects master volume 0..255 (clamped), applied to every sample and stream channel.
    void setEffectsVolume(int volume);
    int effectsVolume() const;

    // --- Samples. `slot` is kAnySlot or 0..kSampleSlots-1 (a used slot is freed first).
    Sample* loadSample(int slot, const char* path);
    Sample* loadSampleFromMemory(int slot, const void* data, int offset, int length);
    // The sample's rate in Hz, or 0 for an unknown sample.
    int defaultFrequency(const Sample* sample) const;
    bool setLoopMode(Sample* sample, LoopMode mode);
    void freeSample(Sample* sample);

    // --- Streams. The memory given to openStreamFromMemory must stay valid until the
    // stream is closed; a stream from a file keeps its own copy.
    Stream* openStream(const char* path, LoopMode mode);
    Stream* openStreamFromMemory(const void* data, int offset, int length, LoopMode mode);
    // The stream's format as a sample, for its default frequency; null for an unknown stream.
    Sample* streamSample(Stream* stream);
    bool setLoopMode(Stream* stream, LoopMode mode);
    // Plays from the beginning (a stream already playing moves to the new channel).
    int playStream(int channel, Stream* stream);
    // Stops the stream's channel and goes back to the beginning.
    bool stopStream(Stream* stream);
    void closeStream(Stream* stream);

    // --- Channels.
    int playSample(int channel, Sample* sample);
    bool stopChannel(int channel);
    bool setVolume(int channel, int volume); // 0..255, clamped
    bool setFrequency(int channel, int frequency); // Hz, clamped to 100..16 x mix rate
    bool setPaused(int channel, bool paused);
    bool isPaused(int channel) const;
    // True while a sound is on the channel, paused or not.
    bool isPlaying(int channel) const;
    // A channel of priority 255 is never taken for another sound; others go to a new sound
    // of equal or higher priority (128 by default) when no channel is free.
    bool setPriority(int channel, int priority);
    // 0 left, 128 centre, 255 right; -1 true stereo.
    bool setPan(int channel, int pan);
    // The channel's current settings, -1 without a sound on it.
    int volume(int channel) const;
    int frequency(int channel) const;
    int pan(int channel) const;
    int priority(int channel) const;

    // --- Module songs.
    Song* loadSong(const char* path);
    Song* loadSongFromMemory(const void* data, int length);
    bool playSong(Song* song);
    bool stopSong(Song* song);
    bool setSongPaused(Song* song, bool paused);
    bool isSongPaused(Song* song) const;
    bool isSongPlaying(Song* song) const;
    bool setSongVolume(Song* song, int volume); // 0..255, clamped; effects volume does not apply
    void freeSong(Song* song);

    // Called by the output: mixes in steps, taking the lock for one step at a time.
    void mix(int16_t* out, int frames) override;

private:
    int channelIndex(int channel) const;
    int handleOf(int index) const;
    int startOn(int channel, Sample* sample, Stream* stream);
    bool ownsSample(const Sample* sample) const;
    bool ownsStream(const Stream* stream) const;
    // Takes an opened stream over; null when there is none or the engine has stopped.
    Stream* keepStream(std::unique_ptr<Stream> stream);
    void stopChannelOf(const Stream* stream);
    bool ownsSong(const Song* song) const;
    std::unique_ptr<Output> makeOutput() const;
    template <typename Change> bool changeChannel(int channel, Change change);
    template <typename Read> int readChannel(int channel, Read read) const;

    std::mutex lifecycleMutex_; // start and close, one at a time
    mutable std::mutex mutex_; // everything else, including one mix step
    bool started_ = false;
    void* window_ = nullptr;
    int bufferMs_ = 50;
    OutputType outputType_ = OutputType::Automatic;
    std::unique_ptr<Output> customOutput_;
    std::unique_ptr<Output> output_;
    std::unique_ptr<Mixer> mixer_;
    std::vector<std::unique_ptr<Sample>> slots_;
    std::vector<std::unique_ptr<Stream>> streams_;
    std::vector<std::unique_ptr<Song>> songs_;
};

} // namespace sound
