#include "game/menus/MenuMusic.h"

#include "sprite/GameCanvas3.h"

#include <utility>

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
    if (held) {
        loopWaiting = true;
        return;
    }
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

void MenuMusic::hold(int32_t frames)
{
    held = true;
    if (intro && intro->isPlaying())
        canvas.fadeSound(intro.get(), 0, frames, 0);
    fadeOut(frames);
}

void MenuMusic::release(int32_t volume, int32_t frames, bool loopWanted)
{
    held = false;
    const bool waiting = std::exchange(loopWaiting, false);
    if (intro) {
        canvas.fadeSound(intro.get(), volume, frames, 0);
        return;
    }
    if (loopWanted || waiting)
        fadeIn(volume, frames);
}

bool MenuMusic::isAudible() const
{
    auto audible = [](const lang::Ref<window::AudioClip>& clip) {
        return clip && clip->isPlaying() && clip->getVolume() != 0;
    };
    return audible(intro) || audible(loop);
}
