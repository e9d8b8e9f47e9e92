#include "game/menus/OptionsSprite.h"

#include "game/Kipto2Canvas.h"
#include "game/flow/GameSettings.h"
#include "sprite/DataLoader.h"
#include "window/Event.h"
#include "window/Frame.h"

#include <algorithm>
#include <cstring>

OptionsSprite::OptionsSpriteClass OptionsSprite::classObject("OptionsSprite");

namespace {

// The <data> numbers of the page: the effects track's left end and y, the music track's.
constexpr int32_t TrackNumbers = 4;

} // namespace

OptionsSprite::OptionsSprite() = default;

OptionsSprite::~OptionsSprite() = default;

void OptionsSprite::tableLoaded(sprite::DataLoader* loader)
{
    DialogSprite::tableLoaded(loader);
    effects.knob = getChild("butfxknob");
    music.knob = getChild("butmuknob");
    checkMark = getChild("bFullScreen");
    // Without track numbers, a knob's table place is its track's left end.
    for (Track* track : {&effects, &music}) {
        if (track->knob) {
            track->left = track->knob->getX();
            track->y = track->knob->getY();
        }
    }
    const lang::IntArray* numbers = loader ? loader->getData() : nullptr;
    if (numbers && numbers->length() >= TrackNumbers) {
        effects.left = (*numbers)[0];
        effects.y = (*numbers)[1];
        music.left = (*numbers)[2];
        music.y = (*numbers)[3];
    }
}

void OptionsSprite::setStore(sprite::User* store)
{
    settings = lang::retain(store);
}

void OptionsSprite::setEffectsSample(window::AudioClip* clip)
{
    effectsSample = lang::retain(clip);
}

void OptionsSprite::addMusic(window::AudioClip* clip)
{
    if (!clip)
        return;
    musicClips.addElement(clip);
    previewMusic = lang::retain(clip);
}

void OptionsSprite::setVisible(bool on)
{
    if (on && !visible)
        refresh();
    DialogSprite::setVisible(on);
}

void OptionsSprite::placeKnob(Track& track, int32_t volume)
{
    if (track.knob)
        track.knob->setLocation(track.left + std::clamp(volume, 0, GameSettings::MaxVolume), track.y);
}

void OptionsSprite::refresh()
{
    if (settings) {
        placeKnob(music, GameSettings::musicVolume(settings.get()));
        placeKnob(effects, GameSettings::effectsVolume(settings.get()));
    }
    if (frame && checkMark)
        checkMark->setVisible(frame->isFullScreen());
}

int32_t OptionsSprite::getEffectsVolume() const
{
    return effects.knob ? effects.knob->getX() - effects.left : GameSettings::DefaultEffectsVolume;
}

int32_t OptionsSprite::getMusicVolume() const
{
    return music.knob ? music.knob->getX() - music.left : GameSettings::DefaultMusicVolume;
}

void OptionsSprite::store()
{
    const int32_t effectsVolume = getEffectsVolume();
    const int32_t musicVolume = getMusicVolume();
    if (settings) {
        settings->setInt(GameSettings::EffectsVolumeKey, effectsVolume);
        settings->setInt(GameSettings::MusicVolumeKey, musicVolume);
    }
    window::AudioClip::setMasterVolume(effectsVolume);
    for (int32_t i = 0; i < musicClips.size(); ++i)
        static_cast<window::AudioClip*>(musicClips.elementAt(i))->setVolume(musicVolume);
}

bool OptionsSprite::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    if (frame && checkMark && visible)
        checkMark->setVisible(frame->isFullScreen());
    return DialogSprite::update(frameNo, outBounds, dirtyRegion);
}

void OptionsSprite::toggleFullScreen()
{
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
        canvas->playSoundEntry(Kipto2Canvas::ClickSound);
    const bool on = !(checkMark && checkMark->isVisible());
    if (settings)
        settings->setInt(GameSettings::FullScreenKey, on ? 1 : 0);
    if (checkMark)
        checkMark->setVisible(on);
    if (frame && frame->isFullScreen() != on)
        frame->setFullScreen(on, false);
}

int32_t OptionsSprite::handleMousePressed(window::Event* event)
{
    const int32_t result = DialogSprite::handleMousePressed(event);
    if (!visible || pendingAction.equals("bOptionsClose"))
        return result;
    const int32_t localX = event->x - getX();
    const int32_t localY = event->y - getY();
    if ((checkMark && checkMark->contains(localX, localY)) || pendingAction.equals("fullscreenhotspot")) {
        pendingAction = lang::String();
        toggleFullScreen();
        return Swallowed;
    }
    for (Track* track : {&effects, &music}) {
        if (track->knob && track->knob->isVisible() && track->knob->contains(localX, localY)) {
            pendingAction = lang::String();
            startDrag(*track, localX);
            return Swallowed;
        }
    }
    return result;
}

void OptionsSprite::startDrag(Track& track, int32_t localX)
{
    dragging = &track;
    grabOffset = localX - track.knob->getX();
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance()) {
        if (&track == &effects)
            canvas->playSound(effectsSample.get());
        else
            canvas->loopSound(previewMusic.get());
    }
}

int32_t OptionsSprite::dragX(int32_t localX) const
{
    return std::clamp(localX - grabOffset, dragging->left, dragging->left + GameSettings::MaxVolume);
}

void OptionsSprite::applyDrag(int32_t x, bool final)
{
    Track& track = *dragging;
    track.knob->setLocation(x, track.y);
    const int32_t volume = x - track.left;
    if (&track == &effects) {
        window::AudioClip::setMasterVolume(volume);
        Kipto2Canvas* canvas = Kipto2Canvas::getInstance();
        if (final && effectsSample)
            effectsSample->stop();
        else if (canvas && effectsSample && !effectsSample->isPlaying())
            canvas->playSound(effectsSample.get());
        return;
    }
    if (previewMusic)
        previewMusic->setVolume(volume);
    if (final && previewMusic)
        previewMusic->pause();
}

int32_t OptionsSprite::handleMouseMoved(window::Event* event)
{
    if (dragging)
        applyDrag(dragX(event->x - getX()), false);
    return DialogSprite::handleMouseMoved(event);
}

int32_t OptionsSprite::handleMouseReleased(window::Event* event)
{
    if (!dragging)
        return DialogSprite::handleMouseReleased(event);
    applyDrag(dragX(event->x - getX()), true);
    dragging = nullptr;
    store();
    return Swallowed;
}

bool OptionsSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "OptionsSprite") == 0 || DialogSprite::isInstanceOf(className);
}
