#include "game/shop/RoundAudio.h"

#include "game/Kipto2Canvas.h"
#include "window/audio/AudioClip.h"

RoundAudio::RoundAudio(Kipto2Canvas* owner, util::Random& generator) : canvas(owner), random(generator)
{
}

void RoundAudio::startRound(int32_t shopNumber, bool blitzRound)
{
    shop = shopNumber;
    blitz = blitzRound;
    chatterPool.clear();
}

void RoundAudio::play(int32_t entry)
{
    if (canvas)
        canvas->playSoundEntry(entry);
}

void RoundAudio::playPitched(int32_t entry, float scale)
{
    if (canvas)
        canvas->playSoundEntryAtPitch(entry, scale);
}

void RoundAudio::loop(int32_t entry)
{
    if (canvas)
        canvas->loopSoundEntry(entry);
}

void RoundAudio::stop(int32_t entry)
{
    if (canvas)
        canvas->stopSoundEntry(entry);
}

void RoundAudio::fadeOut(int32_t entry, int32_t frames)
{
    if (canvas)
        canvas->fadeSoundEntry(entry, 0, frames, true);
}

void RoundAudio::startMusic(int32_t frames)
{
    if (!canvas)
        return;
    window::AudioClip* music = canvas->getSound(musicEntry());
    if (music && !music->isPlaying())
        music->setVolume(0);
    canvas->loopSoundEntry(musicEntry());
    canvas->fadeSoundEntry(musicEntry(), canvas->getMusicVolume(), frames, false);
}

void RoundAudio::startAmbientLoop()
{
    if (canvas && hasAmbientLoop())
        canvas->fadeInSoundEntry(ambientEntry(), AmbientFadeInFrames);
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
