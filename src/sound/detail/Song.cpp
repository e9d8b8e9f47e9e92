#include "sound/detail/Song.h"

#include "sound/detail/PcmConvert.h"
#include "sound/xmp/XmpModule.h"

namespace sound {

std::unique_ptr<Song> Song::load(const uint8_t* data, size_t size, int mixRate)
{
    std::unique_ptr<XmpModule> module = XmpModule::load(data, size);
    if (!module)
        return nullptr;
    return std::unique_ptr<Song>(new Song(std::move(module), mixRate));
}

Song::Song(std::unique_ptr<XmpModule> module, int mixRate) : module_(std::move(module)), mixRate_(mixRate)
{
}

Song::~Song() = default;

bool Song::play()
{
    playing_ = module_->start(mixRate_);
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
    if (!module_->render(pcm_.data(), frames)) {
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
