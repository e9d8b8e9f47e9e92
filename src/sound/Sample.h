// A sound decoded whole into memory: 16-bit PCM frames, mono or stereo, at its own rate.
// The engine owns every sample it hands out; a stream's sample carries only the format.
#pragma once

#include <cstdint>
#include <vector>

namespace sound {

enum class LoopMode { Off, Normal };

class Sample {
public:
    Sample(int rate, int channels, std::vector<int16_t> pcm)
        : rate_(rate), channels_(channels), pcm_(std::move(pcm))
    {
    }

    int rate() const { return rate_; }
    int channels() const { return channels_; }
    int64_t frameCount() const { return static_cast<int64_t>(pcm_.size()) / channels_; }
    const int16_t* pcm() const { return pcm_.data(); }

    LoopMode loopMode() const { return loopMode_; }
    void setLoopMode(LoopMode mode) { loopMode_ = mode; }

    // The priority a channel gets when this sample starts on it.
    static constexpr int kDefaultPriority = 128;

private:
    int rate_;
    int channels_;
    std::vector<int16_t> pcm_;
    LoopMode loopMode_ = LoopMode::Off;
};

} // namespace sound
