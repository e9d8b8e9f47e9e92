// The software mixer: a fixed set of channels that play samples and streams with linear
// interpolation, volume and pan, plus any module songs, summed and saturated to 16-bit
// stereo. Gain changes ramp over one mix step, and a sound that is stopped, stolen or
// paused fades out over a few milliseconds, so nothing clicks. Not thread-safe: the engine
// calls it under its lock.
#pragma once

#include "sound/Sample.h"

#include <cstdint>
#include <vector>

namespace sound {

class Song;
class Stream;

constexpr int kCentrePan = 128;
constexpr int kTrueStereoPan = -1;
constexpr int kNeverStolen = 255;

// One software channel: what plays on it and how.
struct Channel {
    Sample* sample = nullptr; // the sample playing, or
    Stream* stream = nullptr; // the stream playing
    int64_t position = 0; // source frame (a stream's timeline frame)
    double phase = 0.0; // fraction of a source frame, 0 <= phase < 1
    int frequency = 0; // source frames per second
    int volume = 255;
    int pan = kCentrePan; // 0 left .. 255 right, or kTrueStereoPan
    int priority = Sample::kDefaultPriority;
    bool paused = false;
    float gainLeft = 0.0f; // gains reached at the end of the last mix step
    float gainRight = 0.0f;
    uint32_t serial = 0; // counts the sounds started on this channel
    uint64_t startOrder = 0; // when the sound started, for stealing the oldest

    bool busy() const { return sample != nullptr || stream != nullptr; }
};

class Mixer {
public:
    static constexpr int kMaxStepFrames = 256;
    static constexpr int kFadeFrames = 64;
    static constexpr int kMinFrequency = 100;
    static constexpr int kMaxRateFactor = 16; // highest frequency as a multiple of the mix rate

    Mixer(int mixRate, int channelCount);

    int mixRate() const { return mixRate_; }
    int channelCount() const { return int(channels_.size()); }
    const Channel& channel(int index) const { return channels_[index]; }

    // A channel for a new sound of `priority`: a free one; else the busy one of the lowest
    // priority not above `priority` (the oldest among equals), never one at kNeverStolen.
    // -1 when every channel is taken by something more important.
    int pickChannel(int priority) const;
    // Starts a sample or a stream on a channel, fading out what played there.
    void start(int index, Sample* sample, Stream* stream);
    void stop(int index);
    void setPaused(int index, bool paused);
    void setVolume(int index, int volume);
    void setFrequency(int index, int frequency);
    void setPan(int index, int pan);
    void setPriority(int index, int priority);
    // The channel a stream plays on, or -1.
    int channelOf(const Stream* stream) const;
    void stopAllUsing(const Sample* sample);

    void setEffectsVolume(int volume);
    int effectsVolume() const { return effectsVolume_; }

    void addSong(Song* song);
    void removeSong(Song* song);
    // Fades a song out before it stops or pauses.
    void fadeOutSong(Song& song);

    // Mixes `frames` (at most kMaxStepFrames) interleaved stereo frames into `out`.
    void mix(int16_t* out, int frames);

private:
    void targetGains(const Channel& channel, float& left, float& right) const;
    void fetch(const Channel& channel, int count, float* out);
    void render(const Channel& channel, int frames, float* mix, float toLeft, float toRight);
    void advance(Channel& channel, int frames);
    void fadeOut(Channel& channel);
    float* fadeTail(int frames);

    int mixRate_;
    std::vector<Channel> channels_;
    std::vector<Song*> songs_;
    int effectsVolume_ = 255;
    uint64_t startCount_ = 0;
    std::vector<float> accumulator_;
    std::vector<float> scratch_;
    std::vector<float> tail_; // faded-out endings still to be added, from the next frame on
};

} // namespace sound
