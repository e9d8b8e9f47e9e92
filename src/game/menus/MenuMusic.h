// The music of the menus: the intro piece, played once from the start of the program, and the
// menu loop that follows it and comes back whenever the player returns from a shop. Both are
// streams from the package. Fades run through the canvas, one step per frame.
#pragma once

#include "lang/Ref.h"
#include "window/audio/AudioClip.h"

namespace sprite {
class GameCanvas3;
}

class MenuMusic {
public:
    static constexpr const char* IntroItem = "+Music_menu_01";
    static constexpr const char* LoopItem = "+Music_menu_02";
    // Frames of the fades.
    static constexpr int32_t RestartFrames = 100;
    static constexpr int32_t FirstStartFrames = 75;
    static constexpr int32_t LeaveFrames = 12;
    static constexpr int32_t FocusFrames = 8;

    explicit MenuMusic(sprite::GameCanvas3& canvas);
    ~MenuMusic();

    // Plays the intro once at the volume.
    void startIntro(int32_t volume);
    // Once per frame: true on the frame the intro is found finished (it is then released).
    bool introJustFinished();
    bool isIntroPlaying() const { return intro != nullptr; }
    // Makes the menu loop (once, after loading) at the volume.
    void createLoop(int32_t volume);
    // The menu loop fades to the volume over the frames and plays looped; while the intro
    // plays the loop waits for it, and while held for the focus.
    void fadeIn(int32_t volume, int32_t frames);
    // The menu loop fades to silence over the frames and stops.
    void fadeOut(int32_t frames);
    void pause();
    bool isPlaying() const;
    // The window lost the focus: the music fades out over the frames, and a loop that would
    // start meanwhile waits.
    void hold(int32_t frames);
    // The focus is back: the intro fades in again, or the loop when `loopWanted` (a menu
    // shows) or it was waiting.
    void release(int32_t volume, int32_t frames, bool loopWanted);
    // Some menu music plays above silence.
    bool isAudible() const;
    // The menu loop's clip (not counted), or none before createLoop.
    window::AudioClip* getLoop() const { return loop.get(); }

private:
    sprite::GameCanvas3& canvas;
    lang::Ref<window::AudioClip> intro;
    lang::Ref<window::AudioClip> loop;
    bool held = false;
    // A fade-in of the loop asked for while held.
    bool loopWaiting = false;
};
