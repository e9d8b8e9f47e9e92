#include "game/shop/RoundAudio.h"

#include "window/audio/AudioClip.h"

RoundAudio::RoundAudio(sprite::GameCanvas3* owner, util::Random& generator) : canvas(owner), random(generator) {}

void RoundAudio::startRound(int32_t shopNumber, bool blitzRound)
{
    shop = shopNumber;
    blitz = blitzRound;
    chatterPool.clear();
    if (window::AudioClip* music = clip(musicEntry()))
        music->setVolume(0);
}

window::AudioClip* RoundAudio::clip(int32_t entry) const
{
    return canvas ? canvas->getSound(entry) : nullptr;
}

void RoundAudio::play(int32_t entry)
{
    if (window::AudioClip* sound = clip(entry))
        canvas->playSound(sound);
}

void RoundAudio::playPitched(int32_t entry, float scale)
{
    if (window::AudioClip* sound = clip(entry)) {
        sound->setFrequencyScale(scale);
        canvas->playSound(sound);
    }
}

void RoundAudio::loop(int32_t entry)
{
    if (window::AudioClip* sound = clip(entry))
        canvas->loopSound(sound);
}

void RoundAudio::stop(int32_t entry)
{
    if (window::AudioClip* sound = clip(entry))
        canvas->stopSound(sound);
}

void RoundAudio::fadeIn(int32_t entry, int32_t volume, int32_t frames)
{
    if (window::AudioClip* sound = clip(entry)) {
        canvas->fadeSound(sound, volume, frames, 0);
        canvas->loopSound(sound);
    }
}

void RoundAudio::fadeOut(int32_t entry, int32_t frames)
{
    if (window::AudioClip* sound = clip(entry))
        canvas->fadeSound(sound, 0, frames, 1);
}

void RoundAudio::startMusic(int32_t volume)
{
    fadeIn(musicEntry(), volume, MusicFadeInFrames);
}

void RoundAudio::startAmbientLoop(int32_t volume)
{
    if (!hasAmbientLoop())
        return;
    if (window::AudioClip* sound = clip(ambientEntry()))
        sound->setVolume(0);
    fadeIn(ambientEntry(), volume, AmbientFadeInFrames);
}

void RoundAudio::playChatter()
{
    if (chatterPool.empty()) {
        for (int32_t entry = FirstChatter; entry < FirstChatter + ChatterCount; ++entry)
            chatterPool.push_back(entry);
    }
    const int32_t at = random.nextInt(static_cast<int32_t>(chatterPool.size()) - 1);
    play(chatterPool[at]);
    chatterPool.erase(chatterPool.begin() + at);
}

void RoundAudio::stopChatter()
{
    for (int32_t entry = FirstChatter; entry < FirstChatter + ChatterCount; ++entry)
        stop(entry);
}

void RoundAudio::silence(int32_t musicFadeFrames)
{
    fadeOut(musicEntry(), musicFadeFrames);
    stop(LowTime);
    stop(ambientEntry());
    stopChatter();
}
