#include "sound/detail/Song.h"

#include "sound/detail/PcmConvert.h"

#include <xmp.h>

namespace sound {

std::unique_ptr<Song> Song::load(const uint8_t* data, size_t size, int mixRate)
{
    if (data == nullptr || size == 0)
        return nullptr;
    std::unique_ptr<Song> song(new Song(mixRate));
    song->context_ = xmp_create_context();
    if (song->context_ == nullptr)
        return nullptr;
    if (xmp_load_module_from_memory(static_cast<xmp_context>(song->context_), data, long(size)) != 0) {
        xmp_free_context(static_cast<xmp_context>(song->context_));
        song->context_ = nullptr;
        return nullptr;
    }
    return song;
}

Song::Song(int mixRate) : mixRate_(mixRate)
{
}

Song::~Song()
{
    if (context_ == nullptr)
        return;
    auto context = static_cast<xmp_context>(context_);
    if (started_)
        xmp_end_player(context);
    xmp_release_module(context);
    xmp_free_context(context);
}

bool Song::play()
{
    auto context = static_cast<xmp_context>(context_);
    if (started_)
        xmp_end_player(context);
    started_ = xmp_start_player(context, mixRate_, 0) == 0;
    playing_ = started_;
    paused_ = false;
    gain_ = volume_ / 255.0f;
    return playing_;
}

void Song::stop()
{
    playing_ = false;
    paused_ = false;
}

void Song::setPaused(bool paused)
{
    if (paused_ && !paused)
        gain_ = 0.0f;
    paused_ = paused;
}

void Song::addRendered(float* mix, int frames, float fromGain, float toGain)
{
    pcm_.resize(size_t(frames) * 2);
    // With no loop limit the player only ends when the module itself stops.
    if (xmp_play_buffer(static_cast<xmp_context>(context_), pcm_.data(), frames * 4, 0) != 0) {
        playing_ = false;
        return;
    }
    float step = (toGain - fromGain) / frames;
    for (int i = 0; i < frames; ++i) {
        float gain = fromGain + step * (i + 1);
        mix[2 * i] += pcm_[2 * i] * kPcmScale * gain;
        mix[2 * i + 1] += pcm_[2 * i + 1] * kPcmScale * gain;
    }
}

void Song::mix(float* mix, int frames)
{
    if (!audible())
        return;
    float target = volume_ / 255.0f;
    addRendered(mix, frames, gain_, target);
    gain_ = target;
}

void Song::mixFadeOut(float* mix, int frames)
{
    if (audible())
        addRendered(mix, frames, gain_, 0.0f);
}

} // namespace sound
