#include "game/menus/MenuMusic.h"

#include "sprite/GameCanvas3.h"

namespace {

lang::Ref<window::AudioClip> streamOf(const char* item, int32_t volume)
{
    lang::Ref<window::AudioClip> clip = lang::adopt(new window::AudioClip);
    clip->setSource(item, window::AudioClip::KindStream);
    clip->setVolume(volume);
    return clip;
}

} // namespace

MenuMusic::MenuMusic(sprite::GameCanvas3& canvas) : canvas(canvas) {}

MenuMusic::~MenuMusic() = default;

void MenuMusic::startIntro(int32_t volume)
{
    intro = streamOf(IntroItem, volume);
    canvas.playSound(intro.get());
}

bool MenuMusic::introJustFinished()
{
    if (!intro || intro->isPlaying())
        return false;
    intro->stop();
    intro.reset();
    return true;
}

void MenuMusic::createLoop(int32_t volume)
{
    if (!loop)
        loop = streamOf(LoopItem, volume);
}

void MenuMusic::fadeIn(int32_t volume, int32_t frames)
{
    // The loop follows the intro; it never plays over it.
    if (!loop || intro)
        return;
    if (!loop->isPlaying())
        loop->setVolume(0);
    canvas.fadeSound(loop.get(), volume, frames, 0);
    canvas.loopSound(loop.get());
}

void MenuMusic::fadeOut(int32_t frames)
{
    if (loop && loop->isPlaying())
        canvas.fadeSound(loop.get(), 0, frames, 1);
}

void MenuMusic::pause()
{
    if (loop)
        loop->pause();
}

bool MenuMusic::isPlaying() const
{
    return loop && loop->isPlaying();
}
