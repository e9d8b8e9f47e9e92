#include "sprite/SoundFades.h"

#include "lang/SyncGuard.h"
#include "window/audio/AudioClip.h"

namespace sprite {

void SoundFades::play(window::AudioClip* clip)
{
    if (clip && soundOn)
        clip->play();
}

void SoundFades::loop(window::AudioClip* clip)
{
    if (clip && soundOn)
        clip->loop();
}

void SoundFades::stop(window::AudioClip* clip)
{
    if (clip)
        clip->stop();
}

void SoundFades::slide(window::AudioClip* clip, float targetScale, int32_t frames)
{
    if (!clip)
        return;
    clip->slideFrequency(targetScale, frames);
    addRamp(clip);
}

void SoundFades::fade(window::AudioClip* clip, int32_t target, int32_t frames, int32_t stopAtEnd)
{
    if (!clip)
        return;
    clip->fadeVolume(target, frames, stopAtEnd);
    addRamp(clip);
}

void SoundFades::addRamp(window::AudioClip* clip)
{
    SyncGuard guard(ramps);
    if (ramps.indexOf(clip) < 0)
        ramps.addElement(clip);
}

void SoundFades::update()
{
    SyncGuard guard(ramps);
    for (int32_t i = ramps.size() - 1; i >= 0; --i) {
        if (!static_cast<window::AudioClip*>(ramps.elementAt(i))->update())
            ramps.removeElementAt(i);
    }
}

int32_t SoundFades::rampCount()
{
    SyncGuard guard(ramps);
    return ramps.size();
}

} // namespace sprite
