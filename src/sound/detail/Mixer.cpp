#include "sound/detail/Mixer.h"

#include "sound/detail/PcmConvert.h"
#include "sound/detail/Song.h"
#include "sound/detail/Stream.h"

#include <algorithm>
#include <cmath>

namespace sound {

namespace {

constexpr uint32_t kSerialLimit = 1u << 23;

} // namespace

Mixer::Mixer(int mixRate, int channelCount)
    : mixRate_(mixRate),
      channels_(size_t(channelCount)),
      accumulator_(2 * kMaxStepFrames),
      scratch_(2 * (size_t(kMaxStepFrames) * kMaxRateFactor + 2))
{
}

int Mixer::pickChannel(int priority) const
{
    int best = -1;
    for (int i = 0; i < channelCount(); ++i) {
        const Channel& candidate = channels_[i];
        if (!candidate.busy())
            return i;
        if (candidate.priority >= kNeverStolen || candidate.priority > priority)
            continue;
        if (best < 0 || candidate.priority < channels_[best].priority
            || (candidate.priority == channels_[best].priority
                && candidate.startOrder < channels_[best].startOrder))
            best = i;
    }
    return best;
}

void Mixer::start(int index, Sample* sample, Stream* stream)
{
    Channel& channel = channels_[index];
    fadeOut(channel);
    uint32_t serial = channel.serial % (kSerialLimit - 1) + 1;
    channel = Channel{};
    channel.sample = sample;
    channel.stream = stream;
    channel.serial = serial;
    channel.startOrder = ++startCount_;
    const Sample& format = sample != nullptr ? *sample : stream->sample();
    channel.frequency = std::clamp(format.rate(), kMinFrequency, kMaxRateFactor * mixRate_);
    targetGains(channel, channel.gainLeft, channel.gainRight);
}

void Mixer::stop(int index)
{
    Channel& channel = channels_[index];
    fadeOut(channel);
    channel.sample = nullptr;
    channel.stream = nullptr;
    channel.paused = false;
}

void Mixer::setPaused(int index, bool paused)
{
    Channel& channel = channels_[index];
    if (paused && !channel.paused) {
        fadeOut(channel);
    } else if (!paused && channel.paused) {
        channel.gainLeft = channel.gainRight = 0.0f; // fades in over the next step
    }
    channel.paused = paused;
}

void Mixer::setVolume(int index, int volume)
{
    channels_[index].volume = std::clamp(volume, 0, 255);
}

void Mixer::setFrequency(int index, int frequency)
{
    channels_[index].frequency = std::clamp(frequency, kMinFrequency, kMaxRateFactor * mixRate_);
}

void Mixer::setPan(int index, int pan)
{
    channels_[index].pan = pan == kTrueStereoPan ? kTrueStereoPan : std::clamp(pan, 0, 255);
}

void Mixer::setPriority(int index, int priority)
{
    channels_[index].priority = std::clamp(priority, 0, 255);
}

int Mixer::channelOf(const Stream* stream) const
{
    for (int i = 0; i < channelCount(); ++i) {
        if (channels_[i].stream == stream)
            return i;
    }
    return -1;
}

void Mixer::stopAllUsing(const Sample* sample)
{
    for (int i = 0; i < channelCount(); ++i) {
        if (channels_[i].sample == sample)
            stop(i);
    }
}

void Mixer::setEffectsVolume(int volume)
{
    effectsVolume_ = std::clamp(volume, 0, 255);
}

void Mixer::addSong(Song* song)
{
    songs_.push_back(song);
}

void Mixer::removeSong(Song* song)
{
    songs_.erase(std::remove(songs_.begin(), songs_.end(), song), songs_.end());
}

void Mixer::fadeOutSong(Song& song)
{
    song.mixFadeOut(fadeTail(kFadeFrames), kFadeFrames);
}

// Volume and effects volume scale both sides. The pan position lowers the far side only:
// at 128 and in true stereo both sides keep their full level, at 0 the right side is
// silent, at 255 the left.
void Mixer::targetGains(const Channel& channel, float& left, float& right) const
{
    float level = (channel.volume / 255.0f) * (effectsVolume_ / 255.0f);
    left = right = level;
    if (channel.pan < kCentrePan && channel.pan != kTrueStereoPan)
        right *= channel.pan / float(kCentrePan);
    else if (channel.pan > kCentrePan)
        left *= (255 - channel.pan) / float(255 - kCentrePan);
}

// Source frames from the channel's position on, as float stereo: a looping sample wraps
// to its start, anything past an end is silence.
void Mixer::fetch(const Channel& channel, int count, float* out)
{
    if (channel.stream != nullptr) {
        channel.stream->fetch(channel.position, count, out);
        return;
    }
    const Sample& sample = *channel.sample;
    int64_t length = sample.frameCount();
    bool loops = sample.loopMode() == LoopMode::Normal;
    int64_t position = channel.position;
    while (count > 0) {
        if (position >= length) {
            if (!loops) {
                std::fill(out, out + 2 * count, 0.0f);
                return;
            }
            position %= length;
        }
        int run = int(std::min<int64_t>(count, length - position));
        toStereoFloat(sample.pcm() + position * sample.channels(), sample.channels(), run, out);
        out += 2 * run;
        count -= run;
        position += run;
    }
}

// Adds `frames` output frames of the channel into `mix`, resampling by linear
// interpolation and moving the gains from where the last step left them to the targets.
void Mixer::render(const Channel& channel, int frames, float* mix, float toLeft, float toRight)
{
    double ratio = double(channel.frequency) / mixRate_;
    int needed = int(channel.phase + (frames - 1) * ratio) + 2;
    fetch(channel, needed, scratch_.data());
    const float* source = scratch_.data();
    float stepLeft = (toLeft - channel.gainLeft) / frames;
    float stepRight = (toRight - channel.gainRight) / frames;
    for (int i = 0; i < frames; ++i) {
        double t = channel.phase + i * ratio;
        int k = int(t);
        float f = float(t - k);
        const float* s = source + 2 * k;
        float left = s[0] + (s[2] - s[0]) * f;
        float right = s[1] + (s[3] - s[1]) * f;
        mix[2 * i] += left * (channel.gainLeft + stepLeft * (i + 1));
        mix[2 * i + 1] += right * (channel.gainRight + stepRight * (i + 1));
    }
}

void Mixer::advance(Channel& channel, int frames)
{
    double travelled = channel.phase + frames * double(channel.frequency) / mixRate_;
    int64_t whole = int64_t(travelled);
    channel.phase = travelled - double(whole);
    channel.position += whole;
    if (channel.stream != nullptr) {
        if (channel.stream->endedBefore(channel.position))
            channel.stream = nullptr;
        return;
    }
    int64_t length = channel.sample->frameCount();
    if (channel.position < length)
        return;
    if (channel.sample->loopMode() == LoopMode::Normal)
        channel.position %= length;
    else
        channel.sample = nullptr; // played to its end: the channel is free
}

void Mixer::fadeOut(Channel& channel)
{
    if (channel.busy() && !channel.paused)
        render(channel, kFadeFrames, fadeTail(kFadeFrames), 0.0f, 0.0f);
}

float* Mixer::fadeTail(int frames)
{
    if (tail_.size() < size_t(2 * frames))
        tail_.resize(size_t(2 * frames), 0.0f);
    return tail_.data();
}

void Mixer::mix(int16_t* out, int frames)
{
    float* sum = accumulator_.data();
    std::fill(sum, sum + 2 * frames, 0.0f);
    int fromTail = std::min<int>(frames, int(tail_.size() / 2));
    std::copy(tail_.begin(), tail_.begin() + 2 * fromTail, sum);
    tail_.erase(tail_.begin(), tail_.begin() + 2 * fromTail);
    for (Channel& channel : channels_) {
        if (!channel.busy() || channel.paused)
            continue;
        float left, right;
        targetGains(channel, left, right);
        render(channel, frames, sum, left, right);
        channel.gainLeft = left;
        channel.gainRight = right;
        advance(channel, frames);
    }
    for (Song* song : songs_)
        song->mix(sum, frames);
    for (int i = 0; i < 2 * frames; ++i)
        out[i] = toPcm(sum[i]);
}

} // namespace sound
